// Light or dark: which colour set the screens use.
//
// Qt 6.4 has no colour-scheme API, so the application palette the platform theme provides
// decides (a dark window colour means dark), also when it changes. The environment variable
// QUORVANE_COLOR_SCHEME=light|dark overrides it, for screenshots and for desktops whose theme
// Qt cannot read. Theme.qml picks its colours by `dark`.
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
    Q_PROPERTY(bool dark READ dark NOTIFY darkChanged)

public:
    explicit ColorScheme(QObject* parent = nullptr);

    bool dark() const { return dark_; }

signals:
    void darkChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followPalette();

    QString requested_; // "dark", "light", or "" to follow the palette
    bool dark_ = false;
};

// The scheme an override names: "dark" or "light" (any case, blanks around), else "".
QString requestedScheme(const QByteArray& value);

} // namespace quorvane::qt
