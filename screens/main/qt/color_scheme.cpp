#include "color_scheme.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

namespace quorvane::qt {

namespace {
constexpr const char* kOverrideVariable = "QUORVANE_COLOR_SCHEME";
// HSL lightness of the palette's window colour below which the platform counts as dark.
constexpr double kDarkBelow = 0.5;
} // namespace

QString requestedScheme(const QByteArray& value) {
    const QByteArray scheme = value.trimmed().toLower();
    if (scheme == "dark" || scheme == "light") return QString::fromLatin1(scheme);
    return {};
}

ColorScheme::ColorScheme(QObject* parent)
    : QObject(parent), requested_(requestedScheme(qgetenv(kOverrideVariable))) {
    followPalette();
    // The application hears of a new palette first, and the scheme before any window redraws.
    if (requested_.isEmpty() && QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

bool ColorScheme::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() &&
        event->type() == QEvent::ApplicationPaletteChange)
        followPalette();
    return QObject::eventFilter(watched, event);
}

void ColorScheme::followPalette() {
    const bool dark =
        requested_.isEmpty()
            ? QGuiApplication::palette().color(QPalette::Window).lightnessF() < kDarkBelow
            : requested_ == QLatin1String("dark");
    if (dark == dark_) return;
    dark_ = dark;
    emit darkChanged();
}

} // namespace quorvane::qt
