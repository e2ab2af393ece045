// The current-location flow on plain implementations that write every call into one log:
// permission paths, the alert, the fill of the form from a fix with its order of effects,
// failures, and editing while a fix is awaited.
#include "core/memory_platform.h"
#include "location/location_flow.h"
#include "screens/main/main_view_controller.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {
namespace {

using EventLog = std::vector<std::string>;

// The platform's location service, busy indicator, alert, settings page and scroll view.
// The screen's output actions are not used here; they go nowhere.
struct FakeDevice final : LocationService,
                          ActivityIndicator,
                          LocationAlertPresenter,
                          SystemSettingsOpener,
                          ScrollPosition,
                          Clipboard,
                          UrlOpener,
                          CopyConfirmation,
                          ShareSheet {
    explicit FakeDevice(EventLog& l) : log(l) {}
    void setDelegate(LocationServiceDelegate* d) override {
        delegate = d;
        log.push_back(d ? "setDelegate" : "setDelegate(null)");
    }
    void setDesiredAccuracy(DesiredAccuracy) override { log.push_back("setDesiredAccuracy"); }
    AuthorizationStatus authorizationStatus() const override { return status; }
    void requestWhenInUseAuthorization() override { log.push_back("requestWhenInUse"); }
    void requestLocation() override { log.push_back("requestLocation"); }
    void stopUpdatingLocation() override { log.push_back("stopUpdatingLocation"); }
    std::optional<PositionFix> location() const override { return fix; }
    void startAnimating() override {
        animating = true;
        log.push_back("indicator start");
    }
    void stopAnimating() override {
        animating = false;
        log.push_back("indicator stop");
    }
    bool isAnimating() const override { return animating; }
    void presentLocationDisabledAlert(LocationDisabledAlert alert) override {
        log.push_back("alert");
        alerts.push_back(std::move(alert));
    }
    void presentNotice(std::string_view text) override {
        log.push_back("notice " + std::string(text));
    }
    bool openLocationSettings() override { // as on a platform without such a page
        log.push_back("openLocationSettings");
        return false;
    }
    ScrollOffset contentOffset() const override { return offset; }
    void setContentOffset(ScrollOffset to, ScrollAnimation how) override {
        offset = to;
        animation = how;
        log.push_back("scroll to " + std::to_string(int(to.y)));
    }

    void setText(std::string_view) override {}
    void openUrl(std::string_view) override {}
    void showCopied(std::string_view, std::string_view) override {}
    void share(std::string_view, std::string_view) override {}

    // What the platform does on its own: the user answers the prompt or changes the permission
    // in the settings, a fix arrives, the source fails.
    void changeAuthorization(AuthorizationStatus s) {
        status = s;
        delegate->locationManagerDidChangeAuthorization(*this);
    }
    void deliver(std::optional<PositionFix> f) {
        fix = f;
        delegate->didUpdateLocations(*this);
    }
    void fail(LocationErrorKind kind) { delegate->didFailWithError(*this, {kind, "no fix"}); }

    EventLog& log;
    LocationServiceDelegate* delegate = nullptr;
    AuthorizationStatus status = AuthorizationStatus::notDetermined;
    std::optional<PositionFix> fix;
    bool animating = false;
    std::vector<LocationDisabledAlert> alerts;
    ScrollOffset offset;
    std::optional<ScrollAnimation> animation;
};

// A form view over MemoryFormView that logs what the fill is made of: editing events, the texts
// of d7 and d8, selectors and the accuracy label, and each pass of readFieldValues (which reads
// d1 first). After an end-of-editing conversion it logs what dddddddd1 shows for the half.
class RecordingFormView final : public FormView, private FieldEditingDelegate {
public:
    explicit RecordingFormView(EventLog& log) : log_(log), inner_(this) {}
    void setDelegate(FieldEditingDelegate* delegate) { delegate_ = delegate; }
    std::function<void(FieldId)> onBeginEditing; // the keyboard appears, before the delegate

    std::string text(FieldId f) const override {
        if (f == FieldId::d1) log_.push_back("read fields");
        return inner_.text(f);
    }
    void setText(FieldId f, std::string_view text) override {
        if (f == FieldId::d7 || f == FieldId::d8)
            log_.push_back("set " + name(f) + " " + std::string(text));
        inner_.setText(f, text);
    }
    bool isEditing(FieldId f) const override { return inner_.isEditing(f); }
    void beginEditing(FieldId f) override { inner_.beginEditing(f); }
    void endEditing(FieldId f) override { inner_.endEditing(f); }
    int selectedIndex(SelectorId s) const override { return inner_.selectedIndex(s); }
    void setSelectedIndex(SelectorId s, int index) override {
        log_.push_back("select " + std::string(info(s).name) + "=" + std::to_string(index));
        inner_.setSelectedIndex(s, index);
    }
    void setAccuracyText(std::string_view text) override {
        log_.push_back("accuracy \"" + std::string(text) + "\"");
        inner_.setAccuracyText(text);
    }
    const MemoryFormView& memory() const { return inner_; }
    const std::string& shown(FieldId f) const { return inner_.textRef(f); }

private:
    static std::string name(FieldId f) { return std::string(info(f).name); }
    void textFieldDidBeginEditing(FieldId f) override {
        if (onBeginEditing) onBeginEditing(f);
        log_.push_back("begin " + name(f));
        delegate_->textFieldDidBeginEditing(f);
    }
    void textFieldDidEndEditing(FieldId f) override {
        log_.push_back("end " + name(f) + " " + shown(f));
        delegate_->textFieldDidEndEditing(f);
        const FieldId dd1 = info(f).half == Half::latitude ? FieldId::d5 : FieldId::d6;
        log_.push_back("converted " + name(f) + ": " + name(dd1) + "=" + shown(dd1));
    }

    EventLog& log_;
    MemoryFormView inner_;
    FieldEditingDelegate* delegate_ = nullptr;
};

// Shows every key with a mark, so a looked-up text can be told from a hard-coded one.
struct MarkingTranslator final : Translator {
    std::string translate(std::string_view key) const override {
        return "<" + std::string(key) + ">";
    }
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr PositionFix kSydney{-33.8688197, 151.2092955, 15.0};
// Where the user had scrolled the form, and where the keyboard pushes it while a field is edited.
constexpr ScrollOffset kUserOffset{0, 240};
constexpr ScrollOffset kKeyboardOffset{0, 610};

// The converter screen with the location flow wired in as a front end wires it.
class LocationFlowTest : public ::testing::Test {
protected:
    LocationFlowTest() {
        view.setDelegate(&screen);
        view.onBeginEditing = [this](FieldId) { device.offset = kKeyboardOffset; };
        device.offset = kUserOffset;
        screen.viewDidLoad();
        flow->observeEditing(screen);
        log.clear();
    }

    std::unique_ptr<LocationFlow> makeFlow(const Translator& translator) {
        return std::make_unique<LocationFlow>(
            LocationFlowPlatform{device, device, device, device, device, translator},
            screen.form());
    }

    // A tap on the button with the given permission, then a clean log.
    void tapWith(AuthorizationStatus status) {
        device.status = status;
        flow->GetCurrentLocation();
        log.clear();
    }

    void fillWith(PositionFix fix) {
        tapWith(AuthorizationStatus::authorizedWhenInUse);
        device.deliver(fix);
    }

    // All fourteen texts, the accuracy label, the eight selectors and their stored keys.
    std::string formState() const {
        std::string s;
        for (const FieldInfo& f : kFields)
            s += view.shown(f.id) + " ";
        s += "| " + view.memory().accuracyText() + " | ";
        for (const SelectorInfo& c : kSelectors)
            s += std::to_string(view.selectedIndex(c.id)) + store.raw(c.name).value_or("-");
        return s;
    }

    EventLog log;
    RecordingFormView view{log};
    MemorySettingsStore store;
    FixedNumberFormat numbers{DecimalMode::point};
    EnglishTranslator english;
    FakeDevice device{log};
    MapsChoice maps{english};
    MainViewController screen{{view, store, numbers, english, device, device, device, device},
                              maps};
    std::unique_ptr<LocationFlow> flow = makeFlow(english);
};

using S = AuthorizationStatus;

TEST_F(LocationFlowTest, TapActsOnTheStatus) {
    const std::pair<AuthorizationStatus, EventLog> cases[] = {
        {S::notDetermined, {"requestWhenInUse"}},
        {S::restricted, {"alert"}},
        {S::denied, {"alert"}},
        {S::authorizedAlways, {"requestLocation", "indicator start"}},
        {S::authorizedWhenInUse, {"requestLocation", "indicator start"}},
        {static_cast<S>(7), {}}, // a status this program does not know: nothing
    };
    for (const auto& [status, afterTap] : cases) {
        log.clear();
        device.status = status;
        flow->GetCurrentLocation();
        EventLog expected{"setDelegate", "setDesiredAccuracy"};
        expected.insert(expected.end(), afterTap.begin(), afterTap.end());
        EXPECT_EQ(log, expected) << int(status);
        EXPECT_EQ(device.delegate, flow.get());
    }
}

TEST_F(LocationFlowTest, EveryChangeOfPermissionIsActedOnWithoutAnotherTap) {
    tapWith(S::notDetermined);
    device.changeAuthorization(S::denied); // declined at the prompt
    device.changeAuthorization(S::authorizedWhenInUse); // granted later, in the settings
    EXPECT_EQ(log, (EventLog{"alert", "requestLocation", "indicator start"}));
}

TEST_F(LocationFlowTest, AlertAndAccuracyUnitAreLocalizedAndTheSettingsHandlerOutlivesTheFlow) {
    const MarkingTranslator marking;
    auto localized = makeFlow(marking);
    device.status = S::denied;
    localized->GetCurrentLocation();
    ASSERT_EQ(device.alerts.size(), 1U);
    const LocationDisabledAlert alert = device.alerts.front();
    EXPECT_EQ(alert.title, "<Location Services are Disabled>");
    EXPECT_EQ(alert.message, "<In order to get your current latitude and longitude, please turn on "
                             "location services in your device settings.>");
    EXPECT_EQ(alert.settingsTitle + alert.cancelTitle, "<Settings><Cancel>");

    device.status = S::authorizedWhenInUse;
    localized->GetCurrentLocation();
    device.deliver(PositionFix{1.0, 2.0, 4.9});
    EXPECT_EQ(view.memory().accuracyText(), "4 <m>");

    localized.reset();
    EXPECT_EQ(device.delegate, nullptr);
    log.clear();
    alert.settingsHandler(); // the platform has no settings page: the alert only closes
    EXPECT_EQ(log, (EventLog{"openLocationSettings"}));
}

TEST_F(LocationFlowTest, FillRunsItsEffectsInOrder) {
    fillWith(kSydney);
    // The accuracy; the selectors, latitude then longitude; d7 begins (the
    // screen's begin-editing stops the request and the indicator) and gets its text; d8 begins,
    // which ends d7 and converts from the new latitude; d8 gets its text and ends; the user's
    // scroll position comes back, the stored values are read, the indicator stops.
    // clang-format off
    const EventLog expected{
        "accuracy \"15 m\"", "select c1=1", "select c3=1", "select c5=1", "select c7=1",
        "select c2=0", "select c4=0", "select c6=0", "select c8=0", "begin d7", "stopUpdatingLocation", "indicator stop", "set d7 33.8688197",
        "end d7 33.8688197", "read fields", "set d7 33.8688197", "converted d7: d5=33.8688197°",
        "begin d8", "stopUpdatingLocation", "indicator stop", "set d8 151.2092955",
        "end d8 151.2092955", "read fields", "set d8 151.2092955",
        "converted d8: d6=151.2092955°", "scroll to 240", "read fields", "indicator stop"};
    // clang-format on
    EXPECT_EQ(log, expected);
    EXPECT_EQ(device.animation, ScrollAnimation::animated);
    EXPECT_EQ(formState(), "33° 52' 7.751\" 151° 12' 33.464\" 33° 52.12918' 151° 12.55773' "
                           "33.8688197° 151.2092955° 33.8688197 151.2092955 | 15 m | "
                           "1100110011001100");
    EXPECT_EQ(view.memory().editingField(), std::nullopt);
    EXPECT_EQ(screen.form().activeField(), FieldId::d8);
    // The final readFieldValues leaves the stored values matching what the conversions wrote.
    EXPECT_EQ(screen.form().storedValue(FieldId::s2), 33.464);
    EXPECT_EQ(screen.form().storedValue(FieldId::m3), 52.12918);
}

struct FillCase {
    PositionFix fix;
    const char* shown; // d7, d8, the accuracy label, the latitude and longitude selectors
};

class FillCaseTest : public LocationFlowTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(FillCaseTest, WritesMagnitudesHemispheresAndAccuracy) {
    fillWith(GetParam().fix);
    const std::string d7 = view.shown(FieldId::d7), d8 = view.shown(FieldId::d8);
    EXPECT_EQ(
        d7 + " " + d8 + " " + view.memory().accuracyText() + " " +
            std::to_string(view.selectedIndex(SelectorId::c1)) + store.raw("c7").value() +
            std::to_string(view.selectedIndex(SelectorId::c6)) + store.raw("c4").value(),
        GetParam().shown);
    EXPECT_EQ(view.shown(FieldId::d5) + view.shown(FieldId::d6), d7 + "°" + d8 + "°");
    EXPECT_FALSE(device.animating);
}

INSTANTIATE_TEST_SUITE_P(
    Fixes, FillCaseTest,
    ::testing::Values(
        FillCase{{37.7749295, -122.4194155, 12.8}, "37.7749295 122.4194155 12 m 0011"},
        FillCase{{0.0, 0.0, 3.0}, "0.0 0.0 3 m 0000"}, // the equator and meridian are N and E
        FillCase{{-0.0, -0.0, 0.3}, "0.0 0.0 0 m 0000"},
        FillCase{{-0.00000004, -0.00000004, 3}, "0.0 0.0 3 m 1111"},    // sign kept at zero
        FillCase{{12.345678949, 100.00000005, 4.9}, "12.3456789 100.0000001 4 m 0000"},
        FillCase{{1, 1, 9223372036854775808.0}, "1.0 1.0  0000"}, // beyond 64 bits: no number
        FillCase{{1, 1, kNaN}, "1.0 1.0  0000"}));

TEST_F(LocationFlowTest, FailureOrAFixWithoutUsableCoordinatesChangesNothingElse) {
    fillWith(kSydney);
    const std::string before = formState();
    tapWith(S::authorizedWhenInUse);
    for (const auto& fix : {std::optional<PositionFix>{}, std::optional(PositionFix{kNaN, 151, 5}),
                            std::optional(PositionFix{-33, kInfinity, 5})}) {
        device.deliver(fix);
        EXPECT_EQ(log, EventLog{});
        EXPECT_TRUE(device.animating); // still awaiting a fix
    }
    // A refusal or a broken source stops the indicator; waiting in vain also says so, briefly.
    for (const auto kind : {LocationErrorKind::failed, LocationErrorKind::accessDenied,
                            LocationErrorKind::timedOut}) {
        device.fail(kind);
        const EventLog expected =
            kind == LocationErrorKind::timedOut
                ? EventLog{"indicator stop", "notice No position arrived in time."}
                : EventLog{"indicator stop"};
        EXPECT_EQ(log, expected);
        log.clear();
    }
    EXPECT_EQ(formState(), before);
}

TEST_F(LocationFlowTest, BeginningToEditAFieldAbandonsTheRequest) {
    tapWith(S::authorizedWhenInUse);
    view.beginEditing(FieldId::m3);
    EXPECT_EQ(log, (EventLog{"begin m3", "stopUpdatingLocation", "indicator stop"}));
    EXPECT_FALSE(device.animating);
    EXPECT_EQ(screen.form().activeField(), FieldId::m3);
}

} // namespace
} // namespace quorvane
