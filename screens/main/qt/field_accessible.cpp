#include "field_accessible.h"

#include <QQuickItem>
#include <private/qaccessiblequickitem_p.h>

namespace quorvane::qt {

namespace {

// The property the fields carry (CoordinateField.qml), and by which they are recognised.
constexpr const char* kRangeWarning = "rangeWarning";

class FieldAccessible final : public QAccessibleQuickItem {
public:
    explicit FieldAccessible(QQuickItem* item) : QAccessibleQuickItem(item) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleQuickItem::state();
        s.invalidEntry = !item()->property(kRangeWarning).toString().isEmpty();
        return s;
    }
};

QAccessibleInterface* fieldFactory(const QString&, QObject* object) {
    auto* item = qobject_cast<QQuickItem*>(object);
    if (!item || item->metaObject()->indexOfProperty(kRangeWarning) < 0) return nullptr;
    return new FieldAccessible(item);
}

} // namespace

void installFieldAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(fieldFactory);
        return true;
    }();
    (void)installed;
}

void announceValidityChanged(QQuickItem& field) {
    if (!QAccessible::isActive()) return;
    QAccessible::State changed;
    changed.invalidEntry = true;
    QAccessibleStateChangeEvent event(&field, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace quorvane::qt
