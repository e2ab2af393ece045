// Light or dark: which colour set the screens use.
//
// Qt 6.4 has no colour-scheme API, so Theme.qml follows the application palette the platform
// theme provides (a dark window colour means dark). The environment variable
// QUORVANE_COLOR_SCHEME=light|dark overrides it, for screenshots and for desktops whose theme
// Qt cannot read; this singleton tells QML what it asks for.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace quorvane::qt {

class ColorScheme final : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // "dark", "light", or "" to follow the platform.
    Q_PROPERTY(QString requested READ requested CONSTANT)

public:
    explicit ColorScheme(QObject* parent = nullptr);

    QString requested() const { return requested_; }

private:
    QString requested_;
};

// The scheme an override names: "dark" or "light" (any case, blanks around), else "".
QString requestedScheme(const QByteArray& value);

} // namespace quorvane::qt
