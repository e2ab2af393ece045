#include "field_keyboards.h"

#include <QQuickItem>
#include <QVariant>

namespace quorvane::qt {

KeyboardKind keyboardFor(FieldId field) {
    return kindInfo(field).admitsSeparator ? KeyboardKind::decimalNumber
                                           : KeyboardKind::wholeNumber;
}

Qt::EnterKeyType enterKeyFor(FieldId field) {
    return kNavigation[indexOf(field)].next ? Qt::EnterKeyNext : Qt::EnterKeyDone;
}

void askForKeyboard(QQuickItem& field, KeyboardKind kind, Qt::EnterKeyType enterKey) {
    const KeyboardInfo& keyboard = kKeyboards[static_cast<std::size_t>(kind)];
    field.setProperty("inputMethodHints", QVariant::fromValue(keyboard.hints));
    field.setProperty("enterKeyType", static_cast<int>(enterKey));
}

} // namespace quorvane::qt
