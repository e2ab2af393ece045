// A QML file of the module Quorvane.Main made on demand, in the engine and context of the
// converter page: the copy confirmation and the share sheet exist only while they are shown.
#pragma once

#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QString>
#include <QVariantMap>

class QQuickItem;

namespace quorvane::qt {

class PageComponent {
public:
    // qmlFile: a file name of the module, e.g. "CopyConfirmation.qml".
    explicit PageComponent(const char* qmlFile);
    PageComponent(const PageComponent&) = delete;
    PageComponent& operator=(const PageComponent&) = delete;

    // A new object in the page's context, with these properties set before it completes. It
    // belongs to C++ (the caller gives it a parent). nullptr when the file does not load; the
    // reason goes to the warning log.
    QObject* create(QQuickItem& page, const QVariantMap& initialProperties);

private:
    QString url_;
    // Made on first use, owned by the engine it was made for.
    QPointer<QQmlComponent> component_;
};

// Gives a Popup's own item, which screen readers meet as the dialog, a spoken name: QML sets
// Accessible properties only on items, and the popup's item is not reachable from QML. While a
// screen reader listens, the popup's items also get what they declare for one (see
// reader_properties.h).
void nameDialog(QObject& popup, const QString& name);

} // namespace quorvane::qt
