#include "location_flow.h"

#include "core/number_text.h"
#include "core/position_entry.h"

#include <cmath>
#include <utility>

namespace quorvane {

namespace {

// Doubles in [-2^63, 2^63) truncate to a 64-bit integer; outside it the cast is undefined.
constexpr double kTwoTo63 = 9223372036854775808.0;

bool fitsInt64(double value) {
    return value >= -kTwoTo63 && value < kTwoTo63;
} // false for NaN

bool hasFiniteCoordinate(const PositionFix& fix) {
    return std::isfinite(fix.latitudeDegrees) && std::isfinite(fix.longitudeDegrees);
}

} // namespace

LocationTexts lookUpLocationTexts(const Translator& translator) {
    return {translator.translate(kLocationAlertTitleKey),
            translator.translate(kLocationAlertMessageKey),
            translator.translate(kSettingsKey),
            translator.translate(kCancelKey),
            translator.translate(kMetresKey),
            translator.translate(kTimedOutKey)};
}

std::string accuracyText(double horizontalAccuracyMetres, std::string_view unit) {
    if (!fitsInt64(horizontalAccuracyMetres)) return {};
    std::string text(intText(static_cast<std::int64_t>(horizontalAccuracyMetres)).view());
    text += ' ';
    text += unit;
    return text;
}

LocationFlow::LocationFlow(const LocationFlowPlatform& platform, FormController& form)
    : platform_(platform), form_(form), texts_(lookUpLocationTexts(platform.translator)) {
    form_.addBeginEditingObserver([this] { fieldWillBeginEditing(); });
}

LocationFlow::~LocationFlow() {
    platform_.locationManager.setDelegate(nullptr);
}

void LocationFlow::GetCurrentLocation() {
    platform_.locationManager.setDelegate(this);
    platform_.locationManager.setDesiredAccuracy(DesiredAccuracy::bestForNavigation);
    handleLocationAuthorization(platform_.locationManager);
}

void LocationFlow::handleLocationAuthorization(LocationService& manager) {
    switch (manager.authorizationStatus()) {
    case AuthorizationStatus::notDetermined:
        // The answer comes back through locationManagerDidChangeAuthorization, which runs this
        // step again: the fix is then requested (or the alert shown) without a second tap.
        manager.requestWhenInUseAuthorization();
        return;
    case AuthorizationStatus::restricted:
    case AuthorizationStatus::denied:
        showLocationDisabledAlert();
        return;
    case AuthorizationStatus::authorizedAlways:
    case AuthorizationStatus::authorizedWhenInUse:
        platform_.locationManager.requestLocation();
        platform_.indicator.startAnimating();
        return;
    }
    // A status this program does not know: nothing to do.
}

void LocationFlow::showLocationDisabledAlert() {
    // The handler refers to the settings opener only, so it stays valid whatever becomes of the
    // flow while the alert is open.
    SystemSettingsOpener& systemSettings = platform_.systemSettings;
    platform_.alerts.presentLocationDisabledAlert(
        {texts_.alertTitle, texts_.alertMessage, texts_.settings, texts_.cancel,
         [&systemSettings] { systemSettings.openLocationSettings(); }});
}

void LocationFlow::locationManagerDidChangeAuthorization(LocationService& manager) {
    handleLocationAuthorization(manager);
}

void LocationFlow::didUpdateLocations(LocationService& manager) {
    const std::optional<PositionFix> fix = manager.location();
    // Without a usable fix nothing changes, and the indicator keeps telling that one is awaited.
    // (A fix whose coordinate is not finite counts as none: its text would be garbage.)
    if (!fix || !hasFiniteCoordinate(*fix)) return;
    fillForm(*fix);
}

void LocationFlow::didFailWithError(LocationService&, const LocationError& error) {
    platform_.indicator.stopAnimating();
    // Waiting in vain is worth a word, but no alert: nothing is wrong with the permission, and
    // the next tap may well succeed.
    if (error.kind == LocationErrorKind::timedOut) platform_.alerts.presentNotice(texts_.timedOut);
}

void LocationFlow::fillForm(const PositionFix& fix) {
    // Ending an edit in progress takes the keyboard away, which may scroll the form; the user is
    // returned to where they were looking.
    const ScrollOffset offset = platform_.scrollView.contentOffset();
    enterPosition(form_, pointReading({fix.latitudeDegrees, fix.longitudeDegrees}),
                  accuracyText(fix.horizontalAccuracyMetres, texts_.metres));
    platform_.scrollView.setContentOffset(offset, ScrollAnimation::animated);
    platform_.indicator.stopAnimating();
}

void LocationFlow::fieldWillBeginEditing() {
    platform_.locationManager.stopUpdatingLocation();
    platform_.indicator.stopAnimating();
}

} // namespace quorvane
