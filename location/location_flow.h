// The current-location button and what follows it: permission, the one-shot position request,
// the location-disabled alert, and the fill of the form from a fix.
//
// The fix enters the form as every position does (core/position_entry.h): its signed degrees
// at seven decimals, the hemispheres from its signs, the accuracy beside the form, so every
// notation comes out of the ordinary conversion, not out of code of its own here.
#pragma once

#include "actions/action_platform.h"
#include "core/form_controller.h"
#include "location/location_platform.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorvane {

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

class LocationFlow final : public LocationServiceDelegate {
public:
    // From now on, a field beginning to edit abandons a running request: the flow must outlive
    // the form's use of it.
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

    const LocationTexts& texts() const { return texts_; }

private:
    void showLocationDisabledAlert();
    void fillForm(const PositionFix& fix);

    LocationFlowPlatform platform_;
    FormController& form_;
    LocationTexts texts_;
};

} // namespace quorvane
