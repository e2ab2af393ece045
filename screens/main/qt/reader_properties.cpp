#include "reader_properties.h"

#include <QMetaProperty>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <array>

namespace quorvane::qt {

namespace {

constexpr const char* kRole = "accessibleRole";
constexpr const char* kAttachedClass = "QQuickAccessibleAttached";

// One declared property and the Accessible property that follows it.
struct Mirrored {
    const char* declared;
    const char* accessible;
};

constexpr std::array<Mirrored, 3> kMirrored{{
    {"accessibleName", "Accessible.name"},
    {"accessibleDescription", "Accessible.description"},
    {"checked", "Accessible.checked"},
}};

// Keeps an Accessible property equal to the item's declared one; a child of the item.
class Follower final : public QObject {
    Q_OBJECT

public:
    Follower(QQuickItem& item, const QMetaProperty& declared, const QQmlProperty& accessible)
        : QObject(&item), item_(item), declared_(declared), accessible_(accessible) {
        update();
        if (declared.hasNotifySignal())
            connect(&item, declared.notifySignal(), this,
                    staticMetaObject.method(staticMetaObject.indexOfSlot("update()")));
    }

public slots:
    void update() { accessible_.write(declared_.read(&item_)); }

private:
    QQuickItem& item_;
    QMetaProperty declared_;
    QQmlProperty accessible_;
};

QObject* attachedObject(const QQuickItem& item) {
    for (QObject* child : item.children())
        if (qstrcmp(child->metaObject()->className(), kAttachedClass) == 0) return child;
    return nullptr;
}

void makeItemReadable(QQuickItem& item) {
    const QMetaObject* type = item.metaObject();
    const int role = type->indexOfProperty(kRole);
    if (role < 0 || attachedObject(item)) return;
    QQmlContext* context = qmlContext(&item);
    QQmlProperty(&item, QStringLiteral("Accessible.role"), context)
        .write(type->property(role).read(&item));
    for (const Mirrored& m : kMirrored) {
        const int declared = type->indexOfProperty(m.declared);
        if (declared < 0) continue;
        if (qstrcmp(m.declared, "checked") == 0)
            QQmlProperty(&item, QStringLiteral("Accessible.checkable"), context).write(true);
        new Follower(item, type->property(declared),
                     QQmlProperty(&item, QLatin1String(m.accessible), context));
    }
    QObject* attached = attachedObject(item);
    if (attached && type->indexOfSignal("clicked()") >= 0) {
        QObject::connect(attached, SIGNAL(pressAction()), &item, SIGNAL(clicked()));
        if (type->indexOfProperty("checked") >= 0)
            QObject::connect(attached, SIGNAL(toggleAction()), &item, SIGNAL(clicked()));
    }
}

} // namespace

void makeReadable(QQuickItem& root) {
    makeItemReadable(root);
    for (QQuickItem* child : root.childItems())
        makeReadable(*child);
}

} // namespace quorvane::qt

#include "reader_properties.moc"
