#include "busy_indicator_accessible.h"

#include <QAccessibleObject>
#include <QQuickItem>
#include <QQuickWindow>

namespace quorvane::qt {

namespace {

constexpr QLatin1String kIndicatorName("getcurrentlocationindicator");

// A leaf: the spinner inside is drawing only.
class BusyIndicatorAccessible final : public QAccessibleObject {
public:
    explicit BusyIndicatorAccessible(QQuickItem* item) : QAccessibleObject(item) {}

    QAccessibleInterface* parent() const override {
        QQuickItem* parentItem = item()->parentItem();
        return parentItem ? QAccessible::queryAccessibleInterface(parentItem) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QWindow* window() const override { return item()->window(); }

    QAccessible::Role role() const override { return QAccessible::Animation; }
    QString text(QAccessible::Text t) const override {
        // The name the page gives the item (what is under way), as Accessible.name would.
        return t == QAccessible::Name ? item()->property("accessibleName").toString() : QString();
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const bool running = item()->property("running").toBool();
        s.busy = running;
        s.animated = running;
        s.invisible = !item()->isVisible();
        return s;
    }
    QRect rect() const override {
        const QQuickWindow* w = item()->window();
        if (!w) return {};
        const QPointF topLeft = item()->mapToScene(QPointF(0, 0));
        const QRect inWindow(topLeft.toPoint(),
                             QSize(qRound(item()->width()), qRound(item()->height())));
        return inWindow.translated(w->mapToGlobal(QPoint(0, 0)));
    }

private:
    QQuickItem* item() const { return static_cast<QQuickItem*>(object()); }
};

QAccessibleInterface* indicatorFactory(const QString&, QObject* object) {
    auto* item = qobject_cast<QQuickItem*>(object);
    if (!item || item->objectName() != kIndicatorName) return nullptr;
    return new BusyIndicatorAccessible(item);
}

} // namespace

void installBusyIndicatorAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(indicatorFactory);
        return true;
    }();
    (void)installed;
}

} // namespace quorvane::qt
