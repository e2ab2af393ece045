// The current-location button and what follows it: permission, the one-shot position request,
// the location-disabled alert, and the fill of the form from a fix.
//
// The fill runs the form's own editing road: it sets and stores the eight hemisphere selectors,
// then starts editing d7, writes the latitude magnitude, starts editing d8 (so d7's end-of-editing
// conversion runs), writes the longitude magnitude and ends editing d8 (so d8's conversion runs).
// Every notation therefore comes out of the ordinary conversion, not out of code of its own here.
#pragma once

#include "actions/action_platform.h"
#include "core/form_controller.h"
#include "location/location_platform.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorvane {

class MainViewController;

// The services the flow works with, all owned by the front end and outliving the flow.
struct LocationFlowPlatform {
    LocationService& locationManager;
    ActivityIndicator& indicator;
    LocationAlertPresenter& alerts;
    SystemSettingsOpener& systemSettings;
    ScrollPosition& scrollView;
    const Translator& translator;
};

// The location texts, looked up once when the flow is created.
struct LocationTexts {
    std::string alertTitle;
    std::string alertMessage;
    std::string settings;
    std::string cancel;
    std::string metres;
    std::string timedOut;
};

// English keys of the location texts (the translation table is keyed by the English text).
inline constexpr std::string_view kLocationAlertTitleKey = "Location Services are Disabled";
inline constexpr std::string_view kLocationAlertMessageKey =
    "In order to get your current latitude and longitude, please turn on location services in "
    "your device settings.";
inline constexpr std::string_view kSettingsKey = "Settings";
inline constexpr std::string_view kCancelKey = "Cancel";
inline constexpr std::string_view kMetresKey = "m";
inline constexpr std::string_view kTimedOutKey = "No position arrived in time.";

LocationTexts lookUpLocationTexts(const Translator& translator);

// The accuracy label's text: the accuracy truncated toward zero, a space and the unit
// (4.9 -> "4 m", -1 -> "-1 m"). An accuracy that is not a number, infinite, or beyond the range
// of a 64-bit integer has no number to show: the label is emptied.
std::string accuracyText(double horizontalAccuracyMetres, std::string_view unit);

// The magnitude written into d7 or d8: |degrees| rounded to seven decimals, halves away from zero.
double fillMagnitude(double degrees);

class LocationFlow final : public LocationServiceDelegate {
public:
    LocationFlow(const LocationFlowPlatform& platform, FormController& form);
    ~LocationFlow() override;
    LocationFlow(const LocationFlow&) = delete;
    LocationFlow& operator=(const LocationFlow&) = delete;

    // The current-location button.
    void GetCurrentLocation();
    // Acts on the manager's authorization: asks for permission, shows the alert, or requests a fix.
    void handleLocationAuthorization(LocationService& manager);

    // ---- Callbacks of the location service ----
    void locationManagerDidChangeAuthorization(LocationService& manager) override;
    void didUpdateLocations(LocationService& manager) override;
    void didFailWithError(LocationService& manager, const LocationError& error) override;

    // Any field beginning to edit abandons a running request and hides the indicator.
    void fieldWillBeginEditing();
    // Registers fieldWillBeginEditing with the screen; the flow must outlive the screen's use of
    // it.
    void observeEditing(MainViewController& screen);

    const LocationTexts& texts() const { return texts_; }

private:
    void showLocationDisabledAlert();
    void fillForm(const PositionFix& fix);
    void writeMagnitude(FieldId field, double degrees);

    LocationFlowPlatform platform_;
    FormController& form_;
    LocationTexts texts_;
};

} // namespace quorvane
