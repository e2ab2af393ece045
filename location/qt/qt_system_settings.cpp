#include "qt_system_settings.h"

#include <QtGlobal>

#if defined(Q_OS_IOS)
#include <QDesktopServices>
#include <QUrl>
#endif

namespace quorvane {

bool QtSystemSettings::openLocationSettings() {
#if defined(Q_OS_IOS)
    // UIApplicationOpenSettingsURLString; QDesktopServices hands it to UIApplication's openURL.
    return QDesktopServices::openUrl(QUrl(QStringLiteral("app-settings:")));
#else
    return false;
#endif
}

} // namespace quorvane
