#include "color_scheme.h"

namespace quorvane::qt {

namespace {
constexpr const char* kOverrideVariable = "QUORVANE_COLOR_SCHEME";
} // namespace

QString requestedScheme(const QByteArray& value) {
    const QByteArray scheme = value.trimmed().toLower();
    if (scheme == "dark" || scheme == "light") return QString::fromLatin1(scheme);
    return {};
}

ColorScheme::ColorScheme(QObject* parent)
    : QObject(parent), requested_(requestedScheme(qgetenv(kOverrideVariable))) {}

} // namespace quorvane::qt
