#include "page_component.h"

#include "reader_properties.h"

#include <QAccessible>
#include <QQmlProperty>
#include <QQuickItem>

namespace quorvane::qt {

namespace {
constexpr const char* kModuleUrl = "qrc:/qt-project.org/imports/Quorvane/Main/";
}

PageComponent::PageComponent(const char* qmlFile)
    : url_(QLatin1String(kModuleUrl) + QLatin1String(qmlFile)) {}

QObject* PageComponent::create(QQuickItem& page, const QVariantMap& initialProperties) {
    QQmlEngine* engine = qmlEngine(&page);
    if (!engine) return nullptr;
    // A component belongs to one engine; a page of another engine needs its own.
    if (!component_ || component_->engine() != engine)
        component_ = new QQmlComponent(engine, QUrl(url_), engine);
    if (component_->isError()) {
        qWarning("%s: %s", qPrintable(url_), qPrintable(component_->errorString()));
        return nullptr;
    }
    QObject* object = component_->createWithInitialProperties(initialProperties, qmlContext(&page));
    if (!object) {
        qWarning("%s: %s", qPrintable(url_), qPrintable(component_->errorString()));
        return nullptr;
    }
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
    return object;
}

void nameDialog(QObject& popup, const QString& name) {
    const auto* content = popup.property("contentItem").value<QQuickItem*>();
    QQuickItem* dialog = content ? content->parentItem() : nullptr;
    if (!dialog) return;
    QQmlProperty(dialog, QStringLiteral("Accessible.name"), qmlContext(&popup)).write(name);
    if (QAccessible::isActive()) makeReadable(*dialog);
}

} // namespace quorvane::qt
