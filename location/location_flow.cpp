#include "location_flow.h"

#include "core/number_text.h"
#include "screens/main/main_view_controller.h"

#include <cmath>
#include <utility>

namespace quorvane {

namespace {

// The fill writes magnitudes to seven decimals, the finest a decimal-degrees field shows.
constexpr double kSevenDecimals = 10000000;

// Doubles in [-2^63, 2^63) truncate to a 64-bit integer; outside it the cast is undefined.
constexpr double kTwoTo63 = 9223372036854775808.0;

bool fitsInt64(double value) {
    return value >= -kTwoTo63 && value < kTwoTo63;
} // false for NaN

int selectorIndexOf(double degrees) {
    // -0.0 >= 0.0 holds: the equator and the prime meridian count as North and East.
    return degrees >= 0.0 ? 0 : 1;
}

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

double fillMagnitude(double degrees) {
    return roundHalfAway(std::fabs(degrees) * kSevenDecimals) / kSevenDecimals;
}

LocationFlow::LocationFlow(const LocationFlowPlatform& platform, FormController& form)
    : platform_(platform), form_(form), texts_(lookUpLocationTexts(platform.translator)) {}

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
    FormView& view = form_.view();
    view.setAccuracyText(accuracyText(fix.horizontalAccuracyMetres, texts_.metres));

    // The hemispheres first, so that the conversions below show them with the new magnitudes.
    form_.setAllSelectors(selectorIndexOf(fix.latitudeDegrees),
                          selectorIndexOf(fix.longitudeDegrees));

    // Editing brings the keyboard up and down, which may scroll the form; the user is returned
    // to where they were looking.
    const ScrollOffset offset = platform_.scrollView.contentOffset();

    // Beginning d7 ends any edit in progress (its conversion runs with the text it holds);
    // beginning d8 ends d7 and converts from the new latitude; ending d8 converts from the new
    // longitude.
    writeMagnitude(FieldId::d7, fix.latitudeDegrees);
    writeMagnitude(FieldId::d8, fix.longitudeDegrees);
    view.endEditing(FieldId::d8);

    platform_.scrollView.setContentOffset(offset, ScrollAnimation::animated);
    form_.readFieldValues();
    platform_.indicator.stopAnimating();
}

void LocationFlow::writeMagnitude(FieldId field, double degrees) {
    FormView& view = form_.view();
    view.beginEditing(field);
    view.setText(field, doubleText(fillMagnitude(degrees)));
}

void LocationFlow::fieldWillBeginEditing() {
    platform_.locationManager.stopUpdatingLocation();
    platform_.indicator.stopAnimating();
}

void LocationFlow::observeEditing(MainViewController& screen) {
    screen.addBeginEditingObserver([this] { fieldWillBeginEditing(); });
}

} // namespace quorvane
