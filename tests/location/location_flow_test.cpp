// The current-location flow on the converter screen: permission paths, the alert, the fill of
// the form from a fix, failures, and editing while a fix is awaited.
#include "location/location_flow.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>
#include <limits>

namespace quorvane {
namespace {

using S = AuthorizationStatus;

// The platform's location service, busy indicator, alert, settings page and scroll view; the
// calls that matter go into one log.
struct Device final : LocationService,
                      ActivityIndicator,
                      LocationAlertPresenter,
                      SystemSettingsOpener,
                      ScrollPosition {
    void setDelegate(LocationServiceDelegate* d) override { delegate = d; }
    void setDesiredAccuracy(DesiredAccuracy) override {}
    AuthorizationStatus authorizationStatus() const override { return status; }
    void requestWhenInUseAuthorization() override { log += "ask "; }
    void requestLocation() override { log += "request "; }
    void stopUpdatingLocation() override { log += "stop "; }
    std::optional<PositionFix> location() const override { return fix; }
    void startAnimating() override { animating = true; }
    void stopAnimating() override { animating = false; }
    bool isAnimating() const override { return animating; }
    void presentLocationDisabledAlert(LocationDisabledAlert a) override {
        log += "alert ";
        alert = std::move(a);
    }
    void presentNotice(std::string_view text) override { log += std::string(text) + " "; }
    bool openLocationSettings() override { // as on a platform without such a page
        log += "settings ";
        return false;
    }
    ScrollOffset contentOffset() const override { return offset; }
    void setContentOffset(ScrollOffset to, ScrollAnimation) override { offset = to; }

    // What the platform does on its own: the user answers the prompt, a fix arrives.
    void changeAuthorization(S s) {
        status = s;
        delegate->locationManagerDidChangeAuthorization(*this);
    }
    void deliver(std::optional<PositionFix> f) {
        fix = f;
        delegate->didUpdateLocations(*this);
    }

    std::string log;
    LocationServiceDelegate* delegate = nullptr;
    S status = S::notDetermined;
    std::optional<PositionFix> fix;
    bool animating = false;
    LocationDisabledAlert alert;
    ScrollOffset offset;
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr ScrollOffset kUserOffset{0, 240};

// The flow wired into the screen as a front end wires it; the keyboard of an edited field
// scrolls the form away from where the user was.
struct Flow {
    explicit Flow(const Translator& translator = fakes::english()) : flow(makeFlow(translator)) {
        screen.controller.form().addBeginEditingObserver([this] { device.offset = {0, 610}; });
        device.offset = kUserOffset;
    }
    std::unique_ptr<LocationFlow> makeFlow(const Translator& translator) {
        return std::make_unique<LocationFlow>(
            LocationFlowPlatform{device, device, device, device, device, translator},
            screen.controller.form());
    }
    void tap(S status) {
        device.status = status;
        flow->GetCurrentLocation();
    }
    // d7, d8, the accuracy label, the latitude and the longitude selectors.
    std::string shown() const {
        const MemoryFormView& v = screen.view;
        return v.textRef(FieldId::d7) + " " + v.textRef(FieldId::d8) + " " + v.accuracyText() +
               " " + std::to_string(v.selectedIndex(SelectorId::c1)) +
               std::to_string(v.selectedIndex(SelectorId::c6));
    }

    fakes::Screen screen;
    Device device;
    std::unique_ptr<LocationFlow> flow;
};

TEST(LocationFlow, TapActsOnThePermission) {
    const std::pair<S, std::string> cases[] = {
        {S::notDetermined, "ask "},
        {S::restricted, "alert "},
        {S::denied, "alert "},
        {S::authorizedAlways, "request "},
        {S::authorizedWhenInUse, "request "},
        {static_cast<S>(7), ""}, // unknown: nothing
    };
    for (const auto& [status, log] : cases) {
        Flow f;
        f.tap(status);
        EXPECT_EQ(f.device.log, log) << int(status);
        EXPECT_EQ(f.device.animating, log == "request ") << int(status);
        EXPECT_EQ(f.device.delegate, f.flow.get());
    }
    // An answer to the prompt is acted on without another tap.
    Flow f;
    f.tap(S::notDetermined);
    f.device.changeAuthorization(S::denied);
    f.device.changeAuthorization(S::authorizedWhenInUse);
    EXPECT_EQ(f.device.log, "ask alert request ");
}

TEST(LocationFlow, AlertAndUnitAreTranslatedAndSettingsOutliveTheFlow) {
    const fakes::TableTranslator german({{std::string(kLocationAlertTitleKey), "T"},
                                         {std::string(kLocationAlertMessageKey), "M"},
                                         {"Settings", "Einstellungen"},
                                         {"Cancel", "Abbrechen"},
                                         {"m", "Meter"}});
    Flow f(german);
    f.tap(S::denied);
    const LocationDisabledAlert alert = f.device.alert;
    EXPECT_EQ(alert.title + alert.message + alert.settingsTitle + alert.cancelTitle,
              "TMEinstellungenAbbrechen");
    f.tap(S::authorizedWhenInUse);
    f.device.deliver(PositionFix{1, 2, 4.9});
    EXPECT_EQ(f.screen.view.accuracyText(), "4 Meter");
    f.flow.reset();
    EXPECT_EQ(f.device.delegate, nullptr);
    f.device.log.clear();
    alert.settingsHandler(); // the platform has no settings page: the alert only closes
    EXPECT_EQ(f.device.log, "settings ");
}

// The fix fills d7 and d8 with magnitudes, the selectors with hemispheres (stored), the accuracy
// label; every other notation follows from the ordinary conversion.
TEST(LocationFlow, AFixFillsTheForm) {
    const std::pair<PositionFix, const char*> cases[] = {
        {{-33.8688197, 151.2092955, 15.0}, "33.8688197 151.2092955 15 m 10"},
        {{37.7749295, -122.4194155, 12.8}, "37.7749295 122.4194155 12 m 01"},
        {{0.0, 0.0, 3.0}, "0.0 0.0 3 m 00"}, // the equator and meridian are N and E
        {{-0.0, -0.0, 0.3}, "0.0 0.0 0 m 00"},
        {{-0.00000004, -0.00000004, 3}, "0.0 0.0 3 m 11"}, // the sign is kept at zero
        {{12.345678949, 100.00000005, 4.9}, "12.3456789 100.0000001 4 m 00"},
        {{1, 1, 9223372036854775808.0}, "1.0 1.0  00"}, // beyond 64 bits: no number
        {{1, 1, kNaN}, "1.0 1.0  00"},
    };
    for (const auto& [fix, shown] : cases) {
        Flow f;
        f.tap(S::authorizedWhenInUse);
        f.device.deliver(fix);
        EXPECT_EQ(f.shown(), shown);
        EXPECT_EQ(f.screen.view.textRef(FieldId::d6), f.screen.view.textRef(FieldId::d8) + "°");
        EXPECT_FALSE(f.device.animating);
        EXPECT_EQ(f.device.offset, kUserOffset);
        EXPECT_EQ(f.screen.view.editingField(), std::nullopt);
    }
}

TEST(LocationFlow, NoUsableFixOrAFailureChangesNothingElse) {
    Flow f;
    f.tap(S::authorizedWhenInUse);
    for (const auto& fix : {std::optional<PositionFix>{}, std::optional(PositionFix{kNaN, 1, 5})}) {
        f.device.deliver(fix);
        EXPECT_TRUE(f.device.animating); // still awaiting a fix
    }
    // Each failure stops the indicator; waiting in vain also says so, briefly.
    for (const auto kind : {LocationErrorKind::failed, LocationErrorKind::timedOut}) {
        f.device.animating = true;
        f.device.delegate->didFailWithError(f.device, {kind, "no fix"});
        EXPECT_FALSE(f.device.animating);
    }
    EXPECT_EQ(f.device.log, "request No position arrived in time. ");
    EXPECT_EQ(f.shown(), "   00");
}

TEST(LocationFlow, BeginningToEditAFieldAbandonsTheRequest) {
    Flow f;
    f.tap(S::authorizedWhenInUse);
    f.screen.view.beginEditing(FieldId::m3);
    EXPECT_EQ(f.device.log, "request stop ");
    EXPECT_FALSE(f.device.animating);
    EXPECT_EQ(f.screen.controller.form().activeField(), FieldId::m3);
}

} // namespace
} // namespace quorvane
