// The default-maps picker and the stored maps choice, seen from the picker, the settings screen
// and the converter screen's Open in Maps.
#include "screens/settings/default_maps_view_controller.h"
#include "screens/settings/settings_view_controller.h"
#include "settings_fakes.h"

#include <gtest/gtest.h>
#include <optional>

namespace quorvane {
namespace {

using testing::AppRun;
using testing::Language;
using testing::translatorFor;

constexpr std::size_t kRows = 4;

// Which rows carry a checkmark, as drawn.
std::vector<std::size_t> checkedRows(const DefaultMapsViewController& picker) {
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < picker.numberOfRows(); ++row)
        if (picker.cellForRow(row).accessory == CellAccessory::checkmark) rows.push_back(row);
    return rows;
}

std::vector<std::size_t> only(std::optional<std::size_t> row) {
    return row ? std::vector<std::size_t>{*row} : std::vector<std::size_t>{};
}

TEST(DefaultMapsPicker, FreshInstallListsFourNamesAndChecksAppleMaps) {
    const auto translator = translatorFor(Language::german);
    MemorySettingsStore store;
    AppRun app(store, translator);
    const DefaultMapsViewController picker(translator, store, app.mapsChoice);

    EXPECT_EQ(picker.defaultMapsList(),
              (std::vector<std::string>{"Apple Karten", "Google Maps", "OpenStreetMap", "Waze"}));
    for (std::size_t row = 0; row < kRows; ++row) {
        EXPECT_EQ(picker.cellForRow(row).title, picker.defaultMapsList()[row]);
        EXPECT_EQ(picker.cellForRow(row).detail, "");
    }
    EXPECT_EQ(checkedRows(picker), only(0));
    EXPECT_FALSE(store.raw("defaultMapsApp").has_value());
}

// ---- Picking a row -----------------------------------------------------------------------

struct PickCase {
    const char* name;
    Language language;
    std::size_t row;
    std::string storedName;
    std::string mapsUrl; // Open in Maps for LAT -45.5, LON -73.25

    friend void PrintTo(const PickCase& c, std::ostream* os) { *os << c.name; }
};

class PickingARow : public ::testing::TestWithParam<PickCase> {};

TEST_P(PickingARow, StoresTheNameMovesTheCheckmarkAndChangesOpenInMaps) {
    const PickCase& c = GetParam();
    const auto translator = translatorFor(c.language);
    MemorySettingsStore store;
    AppRun app(store, translator);
    app.enterSouthWestPosition();
    DefaultMapsViewController picker(translator, store, app.mapsChoice);

    picker.didSelectRow(c.row);

    EXPECT_EQ(store.raw("defaultMapsApp"), c.storedName);
    EXPECT_EQ(app.mapsChoice.defaultMapsAppName(), c.storedName);
    EXPECT_EQ(checkedRows(picker), only(c.row));
    app.main.openMaps();
    EXPECT_EQ(app.urlOpener.opened, std::vector<std::string>{c.mapsUrl});
}

TEST_P(PickingARow, SurvivesARestartOverTheSameStore) {
    const PickCase& c = GetParam();
    const auto translator = translatorFor(c.language);
    MemorySettingsStore store;
    {
        AppRun first(store, translator);
        DefaultMapsViewController(translator, store, first.mapsChoice).didSelectRow(c.row);
    }
    AppRun second(store, translator);
    second.enterSouthWestPosition();
    const DefaultMapsViewController picker(translator, store, second.mapsChoice);

    EXPECT_EQ(second.mapsChoice.defaultMapsAppName(), c.storedName);
    EXPECT_EQ(checkedRows(picker), only(c.row));
    second.main.openMaps();
    EXPECT_EQ(second.urlOpener.opened, std::vector<std::string>{c.mapsUrl});
}

const std::string kAppleUrl = "https://maps.apple.com/maps?daddr=-45.5,-73.25";
const std::string kGoogleUrl = "https://maps.google.com/?q=-45.5,-73.25";
const std::string kOsmUrl = "https://www.openstreetmap.org/directions?engine=fossgis_osrm_car"
                            "&route=%3B-45.5%2C-73.25#map=16/-45.5/-73.25";
const std::string kWazeUrl = "https://waze.com/ul?ll=-45.5,-73.25";

INSTANTIATE_TEST_SUITE_P(
    Rows, PickingARow,
    ::testing::Values(PickCase{"waze", Language::english, 3, "Waze", kWazeUrl},
                      PickCase{"openStreetMap", Language::english, 2, "OpenStreetMap", kOsmUrl},
                      PickCase{"google", Language::english, 1, "Google Maps", kGoogleUrl},
                      PickCase{"apple", Language::english, 0, "Apple Maps", kAppleUrl},
                      PickCase{"appleGerman", Language::german, 0, "Apple Karten", kAppleUrl},
                      PickCase{"appleFrench", Language::french, 0, "Plans", kAppleUrl},
                      PickCase{"wazeFrench", Language::french, 3, "Waze", kWazeUrl}),
    [](const ::testing::TestParamInfo<PickCase>& param) { return param.param.name; });

TEST(DefaultMapsPicker, PickingTheCurrentDefaultWritesItAgain) {
    const testing::TableTranslator english;
    MemorySettingsStore store;
    store.setRaw("defaultMapsApp", "Plans"); // chosen while the app ran in French
    AppRun app(store, english);
    DefaultMapsViewController picker(english, store, app.mapsChoice);
    ASSERT_EQ(checkedRows(picker), only(0));

    picker.didSelectRow(0);

    EXPECT_EQ(store.raw("defaultMapsApp"), "Apple Maps");
    EXPECT_EQ(checkedRows(picker), only(0));
}

TEST(DefaultMapsPicker, DeselectClearsThatRowsCheckmarkUntilTheNextRedraw) {
    const testing::TableTranslator english;
    MemorySettingsStore store;
    AppRun app(store, english);
    DefaultMapsViewController picker(english, store, app.mapsChoice);
    picker.didSelectRow(1);

    picker.didDeselectRow(3); // a row without checkmark stays without
    EXPECT_EQ(checkedRows(picker), only(1));
    picker.didDeselectRow(1);
    EXPECT_EQ(checkedRows(picker), only(std::nullopt));
    EXPECT_EQ(store.raw("defaultMapsApp"), "Google Maps") << "deselecting changes no choice";

    picker.reloadData();
    EXPECT_EQ(checkedRows(picker), only(1));
}

TEST(DefaultMapsPicker, RowOutsideTheListChangesNothing) {
    const testing::TableTranslator english;
    MemorySettingsStore store;
    AppRun app(store, english);
    DefaultMapsViewController picker(english, store, app.mapsChoice);

    picker.didSelectRow(kRows);
    picker.didDeselectRow(kRows);

    EXPECT_FALSE(store.raw("defaultMapsApp").has_value());
    EXPECT_EQ(picker.cellForRow(kRows), TableCell{});
    EXPECT_EQ(checkedRows(picker), only(0));
}

// ---- A stored name from another language ------------------------------------------------

struct StoredNameCase {
    const char* name;
    Language language; // the language the app runs in now
    std::string stored;
    std::string shownName; // settings detail and defaultMapsAppName
    std::optional<std::size_t> checkedRow;
    std::string mapsUrl;

    friend void PrintTo(const StoredNameCase& c, std::ostream* os) { *os << c.name; }
};

class StoredNameUnderAnotherLanguage : public ::testing::TestWithParam<StoredNameCase> {};

TEST_P(StoredNameUnderAnotherLanguage, IsRecognisedAndShownInTheCurrentLanguage) {
    const StoredNameCase& c = GetParam();
    const auto translator = translatorFor(c.language);
    MemorySettingsStore store;
    store.setRaw("defaultMapsApp", c.stored);
    AppRun app(store, translator);
    app.enterSouthWestPosition();
    const DefaultMapsViewController picker(translator, store, app.mapsChoice);
    testing::RecordingUrlOpener settingsOpener;
    const SettingsViewController settings(translator, settingsOpener, app.mapsChoice,
                                          "https://example.org/privacypolicy");

    EXPECT_EQ(app.mapsChoice.defaultMapsAppName(), c.shownName);
    EXPECT_EQ(settings.cellForRow({0, 0}).detail, c.shownName);
    EXPECT_EQ(checkedRows(picker), only(c.checkedRow));
    app.main.openMaps();
    EXPECT_EQ(app.urlOpener.opened, std::vector<std::string>{c.mapsUrl});
    EXPECT_EQ(store.raw("defaultMapsApp"), c.stored) << "start-up leaves the stored text alone";
}

INSTANTIATE_TEST_SUITE_P(
    Names, StoredNameUnderAnotherLanguage,
    ::testing::Values(
        StoredNameCase{"germanAppleUnderEnglish", Language::english, "Apple Karten", "Apple Maps",
                       0, kAppleUrl},
        StoredNameCase{"frenchAppleUnderEnglish", Language::english, "Plans", "Apple Maps", 0,
                       kAppleUrl},
        StoredNameCase{"frenchAppleUnderGerman", Language::german, "Plans", "Apple Karten", 0,
                       kAppleUrl},
        StoredNameCase{"englishKeyUnderFrench", Language::french, "Apple Maps", "Plans", 0,
                       kAppleUrl},
        StoredNameCase{"googleUnderGerman", Language::german, "Google Maps", "Google Maps", 1,
                       kGoogleUrl},
        StoredNameCase{"osmUnderFrench", Language::french, "OpenStreetMap", "OpenStreetMap", 2,
                       kOsmUrl},
        StoredNameCase{"wazeUnderGerman", Language::german, "Waze", "Waze", 3, kWazeUrl},
        // A text no shipped language uses keeps showing as stored, checks no row and opens
        // Apple Maps, until the user picks again.
        StoredNameCase{"unknownName", Language::english, "Bing Maps", "Bing Maps", std::nullopt,
                       kAppleUrl},
        StoredNameCase{"otherCase", Language::german, "waze", "waze", std::nullopt, kAppleUrl},
        StoredNameCase{"emptyText", Language::french, "", "", std::nullopt, kAppleUrl}),
    [](const ::testing::TestParamInfo<StoredNameCase>& param) { return param.param.name; });

} // namespace
} // namespace quorvane
