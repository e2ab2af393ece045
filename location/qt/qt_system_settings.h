// Opening the platform's location settings from the location-disabled alert.
#pragma once

#include "location/location_platform.h"

namespace quorvane {

// Where the platform has a settings page for the application's location permission, opens it:
// - iOS: the application's page of the Settings app (the "app-settings:" URL).
// - Android: not yet; the place for an Intent with Settings.ACTION_LOCATION_SOURCE_SETTINGS
//   (through QJniObject and QNativeInterface::QAndroidApplication::context()).
// - Linux and other desktops: no portable page exists (GNOME, KDE and the portals each have
//   their own), so nothing opens and the alert only closes.
class QtSystemSettings final : public SystemSettingsOpener {
public:
    bool openLocationSettings() override;
};

} // namespace quorvane
