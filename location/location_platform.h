// What the current-location flow needs of the platform, as small interfaces.
//
// The names follow the phone's location manager, whose model the flow is written against: an
// authorization status, a permission request, a one-shot position request and three callbacks.
// A front end implements these with its own services (location/qt/ with Qt Positioning); tests
// use plain recording implementations.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The application's permission to use the position, with the integer values the platform uses.
enum class AuthorizationStatus : int {
    notDetermined = 0, // the user has not been asked yet
    restricted = 1,    // the device cannot give positions (no position service, policy)
    denied = 2,        // the user or the position service refused access
    authorizedAlways = 3,
    authorizedWhenInUse = 4,
};

// How fine a fix the application asks for; the flow always asks for the finest.
enum class DesiredAccuracy : unsigned char { bestForNavigation };

// One position fix.
struct PositionFix {
    double latitudeDegrees = 0;  // signed, north positive
    double longitudeDegrees = 0; // signed, east positive
    // Radius of uncertainty in metres. Negative for a fix the platform marks invalid; NaN where
    // the source does not say.
    double horizontalAccuracyMetres = 0;
};

// Why a requested fix cannot be had. A failure stops the busy indicator; a timeout is also told
// in a short notice. The rest is for logs and for the front end's messages.
enum class LocationErrorKind : unsigned char {
    accessDenied, // the position service refused access
    unavailable,  // there is no position service, or it went away
    timedOut,     // no fix arrived in time
    failed,       // any other fault of the source
};

struct LocationError {
    LocationErrorKind kind = LocationErrorKind::failed;
    std::string message; // one readable sentence, in English
};

class LocationService;

// The receiver of the service's callbacks. They arrive on the thread of the service, never from
// inside a call into the service: a request made now is answered later, in a callback of its own.
class LocationServiceDelegate {
public:
    virtual ~LocationServiceDelegate() = default;
    // The application's authorization may have changed (also after requestWhenInUseAuthorization).
    virtual void locationManagerDidChangeAuthorization(LocationService& manager) = 0;
    // A requested fix is available through manager.location().
    virtual void didUpdateLocations(LocationService& manager) = 0;
    // A requested fix cannot be had.
    virtual void didFailWithError(LocationService& manager, const LocationError& error) = 0;
};

// The platform's location service ("location manager").
//
// Contract:
// - requestLocation() is answered by exactly one of didUpdateLocations or didFailWithError,
//   unless stopUpdatingLocation() comes first, which abandons the request without a callback.
// - location() is the most recent fix, or nothing.
class LocationService {
public:
    virtual ~LocationService() = default;

    // The delegate must outlive the service, or be replaced with nullptr before it goes.
    virtual void setDelegate(LocationServiceDelegate* delegate) = 0;
    virtual void setDesiredAccuracy(DesiredAccuracy accuracy) = 0;
    virtual AuthorizationStatus authorizationStatus() const = 0;
    // Asks the user once; the answer arrives through locationManagerDidChangeAuthorization.
    virtual void requestWhenInUseAuthorization() = 0;
    virtual void requestLocation() = 0;
    virtual void stopUpdatingLocation() = 0;
    virtual std::optional<PositionFix> location() const = 0;
};

// The busy indicator beside the current-location button; it hides itself when stopped.
class ActivityIndicator {
public:
    virtual ~ActivityIndicator() = default;
    virtual void startAnimating() = 0;
    virtual void stopAnimating() = 0;
    virtual bool isAnimating() const = 0;
};

// The alert shown when the application may not use the position: a title, a message and two
// buttons, Settings first and Cancel second. Tapping either closes the alert; Settings then
// runs its handler, Cancel runs nothing.
struct LocationDisabledAlert {
    std::string title;
    std::string message;
    std::string settingsTitle;
    std::string cancelTitle;
    std::function<void()> settingsHandler;
};

class LocationAlertPresenter {
public:
    virtual ~LocationAlertPresenter() = default;
    // Shows the alert modally, over the screen.
    virtual void presentLocationDisabledAlert(LocationDisabledAlert alert) = 0;
    // Shows a short notice that is not modal and goes away by itself.
    virtual void presentNotice(std::string_view text) = 0;
};

// Opens the platform's settings page where the user can allow the application to use the
// position.
class SystemSettingsOpener {
public:
    virtual ~SystemSettingsOpener() = default;
    // False when the platform has no such page or refused to open it (nothing else happens).
    virtual bool openLocationSettings() = 0;
};

// The scrolled position of the form, in the toolkit's own units.
struct ScrollOffset {
    double x = 0;
    double y = 0;
    friend bool operator==(const ScrollOffset&, const ScrollOffset&) = default;
};

enum class ScrollAnimation : unsigned char { none, animated };

// The scroll view that holds the form.
class ScrollPosition {
public:
    virtual ~ScrollPosition() = default;
    virtual ScrollOffset contentOffset() const = 0;
    virtual void setContentOffset(ScrollOffset offset, ScrollAnimation animation) = 0;
};

} // namespace quorvane
