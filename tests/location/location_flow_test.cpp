// The current-location flow on plain implementations: permission paths, the alert, the fill of
// the form from a fix with its order of effects, failures, and editing while a fix is awaited.
#include "location/location_flow.h"
#include "location_fakes.h"
#include "screens/main/main_view_controller.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace quorvane {
namespace {

using test::EventLog;

class UnusedClipboard final : public Clipboard {
public:
    void setText(std::string_view) override {}
};
class UnusedUrlOpener final : public UrlOpener {
public:
    void openUrl(std::string_view) override {}
};
class UnusedCopyConfirmation final : public CopyConfirmation {
public:
    void showCopied(std::string_view, std::string_view) override {}
};
class UnusedShareSheet final : public ShareSheet {
public:
    void share(std::string_view, std::string_view) override {}
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Where the user had scrolled the form, and where the keyboard pushes it while a field is edited.
constexpr ScrollOffset kUserOffset{0, 240};
constexpr ScrollOffset kKeyboardOffset{0, 610};

// The converter screen with the location flow wired in as a front end would do it.
class LocationFlowTest : public ::testing::Test {
protected:
    LocationFlowTest() {
        view.setDelegate(&screen);
        view.onBeginEditing = [this](FieldId) { scroll.offset = kKeyboardOffset; };
        scroll.offset = kUserOffset;
        screen.viewDidLoad();
        flow->observeEditing(screen);
        log.clear();
    }

    // A tap on the button with the given permission, then a clean log.
    void tapWith(AuthorizationStatus status) {
        service.setStatus(status);
        flow->GetCurrentLocation();
        log.clear();
    }

    void fillWith(PositionFix fix) {
        tapWith(AuthorizationStatus::authorizedWhenInUse);
        service.deliver(fix);
    }

    std::string shown(FieldId field) const { return view.shown(field); }
    std::optional<std::string> stored(std::string_view key) const { return store.raw(key); }

    EventLog log;
    test::RecordingFormView view{log};
    test::RecordingSettingsStore store{log};
    FixedNumberFormat numbers{DecimalMode::point};
    EnglishTranslator english;
    UnusedClipboard clipboard;
    UnusedUrlOpener urls;
    UnusedCopyConfirmation confirmation;
    UnusedShareSheet shareSheet;
    MapsChoice maps{english};
    MainViewController screen{
        {view, store, numbers, english, clipboard, urls, confirmation, shareSheet}, maps};

    test::FakeLocationService service{log};
    test::FakeIndicator indicator{log};
    test::FakeAlertPresenter alerts{log};
    test::FakeSettingsOpener systemSettings{log};
    test::FakeScrollView scroll{log};
    std::unique_ptr<LocationFlow> flow = std::make_unique<LocationFlow>(
        LocationFlowPlatform{service, indicator, alerts, systemSettings, scroll, english},
        screen.form());
};

// ---- The button, by authorization status ------------------------------------------------------

struct StatusCase {
    const char* name;
    AuthorizationStatus status;
    EventLog afterTap; // what a tap does after setting the delegate and the accuracy
    bool indicatorRuns;
    friend void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.name; }
};

class StatusPathTest : public LocationFlowTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusPathTest, TapActsOnTheStatus) {
    const StatusCase& c = GetParam();
    service.setStatus(c.status);
    flow->GetCurrentLocation();

    EventLog expected{"setDelegate", "setDesiredAccuracy"};
    expected.insert(expected.end(), c.afterTap.begin(), c.afterTap.end());
    EXPECT_EQ(log, expected);
    EXPECT_EQ(indicator.isAnimating(), c.indicatorRuns);
    EXPECT_EQ(service.delegate(), flow.get());
}

const StatusCase kStatusCases[] = {
    {"notDetermined", AuthorizationStatus::notDetermined, {"requestWhenInUseAuthorization"}, false},
    {"restricted", AuthorizationStatus::restricted, {"alert"}, false},
    {"denied", AuthorizationStatus::denied, {"alert"}, false},
    {"authorizedAlways",
     AuthorizationStatus::authorizedAlways,
     {"requestLocation", "indicator start"},
     true},
    {"authorizedWhenInUse",
     AuthorizationStatus::authorizedWhenInUse,
     {"requestLocation", "indicator start"},
     true},
    {"unknownStatus", static_cast<AuthorizationStatus>(7), {}, false},
    {"negativeStatus", static_cast<AuthorizationStatus>(-1), {}, false},
};

INSTANTIATE_TEST_SUITE_P(Statuses, StatusPathTest, ::testing::ValuesIn(kStatusCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(LocationFlowTest, GrantedPermissionRequestsTheFixWithoutASecondTap) {
    tapWith(AuthorizationStatus::notDetermined);
    service.changeAuthorization(AuthorizationStatus::authorizedWhenInUse);
    EXPECT_EQ(log, (EventLog{"requestLocation", "indicator start"}));

    service.deliver(PositionFix{-33.8688197, 151.2092955, 5});
    EXPECT_EQ(shown(FieldId::d7), "33.8688197");
    EXPECT_EQ(shown(FieldId::d8), "151.2092955");
    EXPECT_FALSE(indicator.isAnimating());
}

TEST_F(LocationFlowTest, DeclinedPermissionShowsTheAlertAtOnce) {
    tapWith(AuthorizationStatus::notDetermined);
    service.changeAuthorization(AuthorizationStatus::denied);
    EXPECT_EQ(log, (EventLog{"alert"}));
    EXPECT_FALSE(indicator.isAnimating());
}

TEST_F(LocationFlowTest, AuthorizationReportWhileAwaitingAFixRequestsAgain) {
    tapWith(AuthorizationStatus::authorizedWhenInUse);
    service.changeAuthorization(AuthorizationStatus::authorizedWhenInUse);
    EXPECT_EQ(log, (EventLog{"requestLocation", "indicator start"}));
    EXPECT_TRUE(indicator.isAnimating());
}

TEST_F(LocationFlowTest, PermissionChangedOutsideTheAppIsActedOn) {
    tapWith(AuthorizationStatus::denied);
    ASSERT_EQ(alerts.shown.size(), 1U);

    // Granted in the system settings after the alert: the fix comes without another tap.
    service.changeAuthorization(AuthorizationStatus::authorizedAlways);
    service.deliver(PositionFix{45.0, 7.0, 10});
    EXPECT_EQ(shown(FieldId::d7), "45.0");

    // Withdrawn later: the alert again.
    log.clear();
    service.changeAuthorization(AuthorizationStatus::restricted);
    EXPECT_EQ(log, (EventLog{"alert"}));
}

// ---- The location-disabled alert ---------------------------------------------------------------

TEST_F(LocationFlowTest, AlertCarriesTheLocalizedTextsAndItsSettingsHandler) {
    const test::MarkingTranslator marking;
    LocationFlow localized({service, indicator, alerts, systemSettings, scroll, marking},
                           screen.form());
    service.setStatus(AuthorizationStatus::denied);
    localized.GetCurrentLocation();

    ASSERT_EQ(alerts.shown.size(), 1U);
    const LocationDisabledAlert& alert = alerts.shown.front();
    EXPECT_EQ(alert.title, "<Location Services are Disabled>");
    EXPECT_EQ(alert.message, "<In order to get your current latitude and longitude, please turn on "
                             "location services in your device settings.>");
    EXPECT_EQ(alert.settingsTitle, "<Settings>");
    EXPECT_EQ(alert.cancelTitle, "<Cancel>");

    log.clear();
    ASSERT_TRUE(alert.settingsHandler);
    alert.settingsHandler();
    EXPECT_EQ(log, (EventLog{"openLocationSettings"}));
}

TEST_F(LocationFlowTest, SettingsHandlerWhereThePlatformCannotOpenSettingsOnlyCloses) {
    systemSettings.canOpen = false;
    tapWith(AuthorizationStatus::restricted);
    ASSERT_EQ(alerts.shown.size(), 1U);
    alerts.shown.front().settingsHandler();
    EXPECT_EQ(log, (EventLog{"openLocationSettings"}));
    EXPECT_EQ(alerts.shown.size(), 1U);
}

TEST_F(LocationFlowTest, SettingsHandlerOutlivesTheFlow) {
    tapWith(AuthorizationStatus::denied);
    ASSERT_EQ(alerts.shown.size(), 1U);
    flow.reset();
    EXPECT_EQ(service.delegate(), nullptr);
    log.clear();
    alerts.shown.front().settingsHandler();
    EXPECT_EQ(log, (EventLog{"openLocationSettings"}));
}

// ---- The fill ----------------------------------------------------------------------------------

TEST_F(LocationFlowTest, FillRunsItsEffectsInOrder) {
    fillWith(PositionFix{-33.8688197, 151.2092955, 15.0});

    const EventLog expected{
        "accuracy \"15 m\"",
        // Selectors set, latitude then longitude, and stored c1 .. c8 before any conversion.
        "select c1=1",
        "select c3=1",
        "select c5=1",
        "select c7=1",
        "select c2=0",
        "select c4=0",
        "select c6=0",
        "select c8=0",
        "store c1=1",
        "store c2=0",
        "store c3=1",
        "store c4=0",
        "store c5=1",
        "store c6=0",
        "store c7=1",
        "store c8=0",
        // d7 begins editing: the screen's begin-editing stops the request and the indicator.
        "begin d7",
        "stopUpdatingLocation",
        "indicator stop",
        "set d7 33.8688197",
        // d8 begins: d7 ends first and the form converts from the new latitude.
        "end d7 33.8688197",
        "read fields",
        "set d7 33.8688197",
        "converted d7: d5=33.8688197°",
        "begin d8",
        "stopUpdatingLocation",
        "indicator stop",
        "set d8 151.2092955",
        "end d8 151.2092955",
        "read fields",
        "set d8 151.2092955",
        "converted d8: d6=151.2092955°",
        "scroll to 0,240",
        "read fields",
        "indicator stop",
    };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(scroll.lastAnimation, ScrollAnimation::animated);
}

TEST_F(LocationFlowTest, FillConvertsEveryNotationAndLeavesNoFieldEdited) {
    fillWith(PositionFix{-33.8688197, 151.2092955, 15.0});

    const std::pair<FieldId, const char*> expected[] = {
        {FieldId::d1, "33°"},        {FieldId::m1, "52'"},         {FieldId::s1, "7.751\""},
        {FieldId::d2, "151°"},       {FieldId::m2, "12'"},         {FieldId::s2, "33.464\""},
        {FieldId::d3, "33°"},        {FieldId::m3, "52.12918'"},   {FieldId::d4, "151°"},
        {FieldId::m4, "12.55773'"},  {FieldId::d5, "33.8688197°"}, {FieldId::d6, "151.2092955°"},
        {FieldId::d7, "33.8688197"}, {FieldId::d8, "151.2092955"},
    };
    for (const auto& [field, text] : expected)
        EXPECT_EQ(shown(field), text) << info(field).name;

    EXPECT_EQ(view.memory().editingField(), std::nullopt);
    EXPECT_EQ(screen.form().activeField(), FieldId::d8);
    EXPECT_EQ(scroll.offset, kUserOffset);
    EXPECT_FALSE(indicator.isAnimating());
    EXPECT_EQ(view.memory().accuracyText(), "15 m");

    // The final readFieldValues leaves the stored values matching what the conversions wrote.
    EXPECT_EQ(screen.form().storedValue(FieldId::d2), 151.0);
    EXPECT_EQ(screen.form().storedValue(FieldId::m2), 12.0);
    EXPECT_EQ(screen.form().storedValue(FieldId::s2), 33.464);
    EXPECT_EQ(screen.form().storedValue(FieldId::m3), 52.12918);
}

TEST_F(LocationFlowTest, FillUsesTheUsersDecimalSeparatorOnceConverted) {
    numbers.setMode(DecimalMode::comma);
    fillWith(PositionFix{-33.8688197, 151.2092955, 15.0});
    EXPECT_EQ(shown(FieldId::d7), "33,8688197");
    EXPECT_EQ(shown(FieldId::d6), "151,2092955°");
    EXPECT_EQ(screen.form().storedValue(FieldId::d8), 151.2092955);
}

struct FillCase {
    const char* name;
    double latitude;
    double longitude;
    double accuracy;
    const char* d7;
    const char* d8;
    int latitudeIndex;
    int longitudeIndex;
    const char* accuracyLabel;
    friend void PrintTo(const FillCase& c, std::ostream* os) { *os << c.name; }
};

class FillCaseTest : public LocationFlowTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(FillCaseTest, WritesMagnitudesHemispheresAndAccuracy) {
    const FillCase& c = GetParam();
    fillWith(PositionFix{c.latitude, c.longitude, c.accuracy});

    EXPECT_EQ(shown(FieldId::d7), c.d7);
    EXPECT_EQ(shown(FieldId::d8), c.d8);
    EXPECT_EQ(shown(FieldId::d5), std::string(c.d7) + "°");
    EXPECT_EQ(shown(FieldId::d6), std::string(c.d8) + "°");
    EXPECT_EQ(view.memory().accuracyText(), c.accuracyLabel);
    for (const SelectorInfo& s : kSelectors) {
        const int index = s.half == Half::latitude ? c.latitudeIndex : c.longitudeIndex;
        EXPECT_EQ(view.selectedIndex(s.id), index) << s.name;
        EXPECT_EQ(stored(s.name), std::to_string(index)) << s.name;
    }
    EXPECT_FALSE(indicator.isAnimating());
    EXPECT_EQ(screen.form().activeField(), FieldId::d8);
}

const FillCase kFillCases[] = {
    {"Sydney", -33.8688197, 151.2092955, 5.0, "33.8688197", "151.2092955", 1, 0, "5 m"},
    {"SanFrancisco", 37.7749295, -122.4194155, 12.8, "37.7749295", "122.4194155", 0, 1, "12 m"},
    {"ZeroIsNorthAndEast", 0.0, 0.0, 3.0, "0.0", "0.0", 0, 0, "3 m"},
    {"NegativeZeroIsNorthAndEast", -0.0, -0.0, 3.0, "0.0", "0.0", 0, 0, "3 m"},
    {"WholeDegrees", 45.0, -7.0, 3.0, "45.0", "7.0", 0, 1, "3 m"},
    {"TinyWritesExponent", 0.00005, -0.00005, 3.0, "5e-05", "5e-05", 0, 1, "3 m"},
    {"SmallStaysDecimal", -0.00012, 0.00012, 3.0, "0.00012", "0.00012", 1, 0, "3 m"},
    {"RoundsToSevenDecimals", 12.345678949, 100.00000005, 3.0, "12.3456789", "100.0000001", 0, 0,
     "3 m"},
    {"HalfOfTheLastDecimalRoundsAway", 0.00000005, -0.00000005, 3.0, "1e-07", "1e-07", 0, 1, "3 m"},
    // The hemisphere comes from the sign, even where the magnitude rounds to zero.
    {"RoundsToZeroKeepsHemisphere", -0.00000004, -0.00000004, 3.0, "0.0", "0.0", 1, 1, "3 m"},
    {"Poles", -90.0, 180.0, 3.0, "90.0", "180.0", 1, 0, "3 m"},
    {"AccuracyTruncates", 1.0, 1.0, 4.9, "1.0", "1.0", 0, 0, "4 m"},
    {"AccuracyBelowOne", 1.0, 1.0, 0.3, "1.0", "1.0", 0, 0, "0 m"},
    {"AccuracyNegativeFractionTruncatesToZero", 1.0, 1.0, -0.5, "1.0", "1.0", 0, 0, "0 m"},
    {"InvalidFixAccuracyStillFills", 1.0, 1.0, -1.0, "1.0", "1.0", 0, 0, "-1 m"},
    {"AccuracyLarge", 1.0, 1.0, 9.2e18, "1.0", "1.0", 0, 0, "9200000000000000000 m"},
    {"AccuracyLowestInt64", 1.0, 1.0, -9223372036854775808.0, "1.0", "1.0", 0, 0,
     "-9223372036854775808 m"},
    {"AccuracyNotANumber", 1.0, 1.0, kNaN, "1.0", "1.0", 0, 0, ""},
    {"AccuracyInfinite", 1.0, 1.0, kInfinity, "1.0", "1.0", 0, 0, ""},
    {"AccuracyMinusInfinite", 1.0, 1.0, -kInfinity, "1.0", "1.0", 0, 0, ""},
    {"AccuracyBeyondInt64", 1.0, 1.0, 9223372036854775808.0, "1.0", "1.0", 0, 0, ""},
    {"AccuracyBelowInt64", 1.0, 1.0, -1e19, "1.0", "1.0", 0, 0, ""},
};

INSTANTIATE_TEST_SUITE_P(Fixes, FillCaseTest, ::testing::ValuesIn(kFillCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(LocationFlowTest, AccuracyUnitIsLocalized) {
    const test::MarkingTranslator marking;
    LocationFlow localized({service, indicator, alerts, systemSettings, scroll, marking},
                           screen.form());
    service.setStatus(AuthorizationStatus::authorizedWhenInUse);
    localized.GetCurrentLocation();
    service.deliver(PositionFix{1.0, 2.0, 4.9});
    EXPECT_EQ(view.memory().accuracyText(), "4 <m>");
}

TEST_F(LocationFlowTest, FixWhileTheUserEditsAnotherFieldConvertsThatFieldFirst) {
    view.beginEditing(FieldId::d1);
    view.setText(FieldId::d1, "45"); // typed, not yet converted
    std::string ddd_mmmmmDegreesWhenD7Began;
    view.onBeginEditing = [&](FieldId field) {
        if (field == FieldId::d7) ddd_mmmmmDegreesWhenD7Began = shown(FieldId::d3);
    };

    fillWith(PositionFix{-33.8688197, 151.2092955, 5.0});

    const auto at = [&](std::string_view event) {
        return std::find(log.begin(), log.end(), event) - log.begin();
    };
    EXPECT_LT(at("store c8=0"), at("end d1 45")); // hemispheres first
    EXPECT_LT(at("end d1 45"), at("begin d7"));
    EXPECT_EQ(ddd_mmmmmDegreesWhenD7Began, "45°"); // d1's own conversion ran to the end
    // ... and the fix overwrote it.
    EXPECT_EQ(shown(FieldId::d1), "33°");
    EXPECT_EQ(shown(FieldId::d3), "33°");
    EXPECT_EQ(shown(FieldId::d7), "33.8688197");
    EXPECT_EQ(screen.form().activeField(), FieldId::d8);
}

TEST_F(LocationFlowTest, FixWhileD7IsEditedKeepsThatEditAndOverwritesIt) {
    view.beginEditing(FieldId::d7);
    view.setText(FieldId::d7, "12");
    fillWith(PositionFix{-33.8688197, 151.2092955, 5.0});

    // d7 was already being edited: no editing event before its new text is written.
    const auto setD7 = std::find(log.begin(), log.end(), "set d7 33.8688197");
    ASSERT_NE(setD7, log.end());
    EXPECT_EQ(std::find(log.begin(), setD7, "begin d7"), setD7);
    EXPECT_EQ(std::count(log.begin(), log.end(), "end d7 12"), 0);
    EXPECT_EQ(shown(FieldId::d5), "33.8688197°");
}

// ---- Failure, no fix, editing ------------------------------------------------------------------

struct FormSnapshot {
    std::array<std::string, kFieldCount> texts;
    std::array<int, kSelectorCount> selectors;
    std::array<std::optional<std::string>, kSelectorCount> stored;
    std::string accuracy;
    friend bool operator==(const FormSnapshot&, const FormSnapshot&) = default;
};

FormSnapshot snapshot(const test::RecordingFormView& view,
                      const test::RecordingSettingsStore& store) {
    FormSnapshot s;
    for (const FieldInfo& f : kFields)
        s.texts[indexOf(f.id)] = view.shown(f.id);
    for (const SelectorInfo& c : kSelectors) {
        s.selectors[indexOf(c.id)] = view.selectedIndex(c.id);
        s.stored[indexOf(c.id)] = store.raw(c.name);
    }
    s.accuracy = view.memory().accuracyText();
    return s;
}

TEST_F(LocationFlowTest, FailureOnlyStopsTheIndicator) {
    fillWith(PositionFix{-33.8688197, 151.2092955, 5.0});
    const FormSnapshot before = snapshot(view, store);

    tapWith(AuthorizationStatus::authorizedWhenInUse);
    ASSERT_TRUE(indicator.isAnimating());
    service.fail();

    EXPECT_EQ(log, (EventLog{"indicator stop"}));
    EXPECT_FALSE(indicator.isAnimating());
    EXPECT_EQ(snapshot(view, store), before);
    EXPECT_EQ(view.memory().accuracyText(), "5 m");
}

TEST_F(LocationFlowTest, UpdateWithoutAUsableFixChangesNothing) {
    const std::optional<PositionFix> unusable[] = {
        std::nullopt,
        PositionFix{kNaN, 151.0, 5.0},
        PositionFix{-33.0, kInfinity, 5.0},
    };
    fillWith(PositionFix{10.0, 20.0, 7.0});
    const FormSnapshot before = snapshot(view, store);
    for (const auto& fix : unusable) {
        tapWith(AuthorizationStatus::authorizedWhenInUse);
        service.deliver(fix);
        EXPECT_EQ(log, EventLog{});
        EXPECT_TRUE(indicator.isAnimating()); // still awaiting a fix
        EXPECT_EQ(snapshot(view, store), before);
    }
}

TEST_F(LocationFlowTest, BeginningToEditAFieldAbandonsTheRequest) {
    tapWith(AuthorizationStatus::authorizedWhenInUse);
    ASSERT_TRUE(indicator.isAnimating());

    view.beginEditing(FieldId::m3);
    EXPECT_EQ(log, (EventLog{"begin m3", "stopUpdatingLocation", "indicator stop"}));
    EXPECT_FALSE(indicator.isAnimating());
    EXPECT_EQ(screen.form().activeField(), FieldId::m3);
}

} // namespace
} // namespace quorvane
