// Light or dark: which colour set the screens use.
//
// Qt 6.4 has no colour-scheme API, so the scheme follows the application palette the platform
// theme provides (a dark window colour means dark), and the environment variable
// QUORVANE_COLOR_SCHEME=light|dark overrides it (for screenshots and desktops whose theme Qt
// cannot read).
#pragma once

#include <QByteArray>
#include <QObject>
#include <QtQml/qqmlregistration.h>
#include <optional>

namespace quorvane::qt {

class ColorScheme final : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool dark READ dark NOTIFY changed)

public:
    explicit ColorScheme(QObject* parent = nullptr);

    bool dark() const { return dark_; }

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();

    bool dark_ = false;
};

// The scheme an override names: true for "dark", false for "light", none for anything else.
std::optional<bool> darkFromOverride(const QByteArray& value);

} // namespace quorvane::qt
