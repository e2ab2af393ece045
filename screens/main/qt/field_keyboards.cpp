#include "field_keyboards.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlProperty>
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
    // Only the keyboard of the field being edited shows the Enter key: its name is given when
    // the field takes the focus (before the keyboard asks), so that the fields of the first
    // frame carry no EnterKey object each.
    QObject::connect(&field, &QQuickItem::activeFocusChanged, &field,
                     [&field, enterKey](bool hasFocus) {
                         if (hasFocus)
                             QQmlProperty(&field, QStringLiteral("EnterKey.type"),
                                          qmlContext(&field))
                                 .write(static_cast<int>(enterKey));
                     });
}

} // namespace quorvane::qt
