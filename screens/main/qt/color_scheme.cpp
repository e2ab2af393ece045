#include "color_scheme.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

namespace quorvane::qt {

namespace {
constexpr const char* kOverrideVariable = "QUORVANE_COLOR_SCHEME";
constexpr int kDarkBelowLightness = 128; // of the window colour, 0 .. 255
} // namespace

std::optional<bool> darkFromOverride(const QByteArray& value) {
    const QByteArray scheme = value.trimmed().toLower();
    if (scheme == "dark") return true;
    if (scheme == "light") return false;
    return std::nullopt;
}

ColorScheme::ColorScheme(QObject* parent) : QObject(parent) {
    update();
    if (qApp) qApp->installEventFilter(this);
}

bool ColorScheme::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) update();
    return false;
}

void ColorScheme::update() {
    bool dark =
        QGuiApplication::palette().color(QPalette::Window).lightness() < kDarkBelowLightness;
    if (const auto forced = darkFromOverride(qgetenv(kOverrideVariable))) dark = *forced;
    if (dark == dark_) return;
    dark_ = dark;
    emit changed();
}

} // namespace quorvane::qt
