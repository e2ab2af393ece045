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

// One run of the application in a language over the store, its form holding LAT -45.5,
// LON -73.25, and the picker as it would be drawn.
struct PickerRun {
    PickerRun(MemorySettingsStore& store, Language language)
        : translator(translatorFor(language)), app(store, translator),
          picker(translator, store, app.mapsChoice) {
        app.enterSouthWestPosition();
    }

    // Which rows carry a checkmark.
    std::vector<std::size_t> checkedRows() const {
        std::vector<std::size_t> rows;
        for (std::size_t row = 0; row < picker.numberOfRows(); ++row)
            if (picker.cellForRow(row).accessory == CellAccessory::checkmark) rows.push_back(row);
        return rows;
    }

    // The URL Open in Maps hands over.
    std::vector<std::string> openMaps() {
        app.main.openMaps();
        return app.urlOpener.opened;
    }

    testing::TableTranslator translator;
    AppRun app;
    DefaultMapsViewController picker;
};

std::vector<std::size_t> only(std::optional<std::size_t> row) {
    return row ? std::vector<std::size_t>{*row} : std::vector<std::size_t>{};
}

const std::string kAppleUrl = "https://maps.apple.com/maps?daddr=-45.5,-73.25";
const std::string kOsmUrl = "https://www.openstreetmap.org/directions?engine=fossgis_osrm_car"
                            "&route=%3B-45.5%2C-73.25#map=16/-45.5/-73.25";

TEST(DefaultMapsPicker, FreshInstallListsFourNamesAndChecksAppleMaps) {
    MemorySettingsStore store;
    PickerRun run(store, Language::german);

    EXPECT_EQ(run.picker.defaultMapsList(),
              (std::vector<std::string>{"Apple Karten", "Google Maps", "OpenStreetMap", "Waze"}));
    for (std::size_t row = 0; row < kRows; ++row) {
        EXPECT_EQ(run.picker.cellForRow(row).title, run.picker.defaultMapsList()[row]);
        EXPECT_EQ(run.picker.cellForRow(row).detail, "");
    }
    EXPECT_EQ(run.checkedRows(), only(0));
    EXPECT_FALSE(store.raw("defaultMapsApp").has_value());
}

// ---- Picking a row -----------------------------------------------------------------------

struct PickCase {
    const char* name;
    Language language;
    std::size_t row;
    std::string storedName;
    std::string mapsUrl;
};

class PickingARow : public ::testing::TestWithParam<PickCase> {};

// The name is stored, the checkmark moves and Open in Maps follows, also in the next run over
// the same store.
TEST_P(PickingARow, StoresTheNameAndChangesOpenInMapsForGood) {
    const PickCase& c = GetParam();
    MemorySettingsStore store;
    {
        PickerRun first(store, c.language);
        first.picker.didSelectRow(c.row);
        EXPECT_EQ(store.raw("defaultMapsApp"), c.storedName);
        EXPECT_EQ(first.checkedRows(), only(c.row));
        EXPECT_EQ(first.openMaps(), std::vector<std::string>{c.mapsUrl});
    }
    PickerRun second(store, c.language);
    EXPECT_EQ(second.app.mapsChoice.defaultMapsAppName(), c.storedName);
    EXPECT_EQ(second.checkedRows(), only(c.row));
    EXPECT_EQ(second.openMaps(), std::vector<std::string>{c.mapsUrl});
}

const PickCase kPicks[] = {
    {"openStreetMap", Language::english, 2, "OpenStreetMap", kOsmUrl},
    {"appleFrench", Language::french, 0, "Plans", kAppleUrl},
};
INSTANTIATE_TEST_SUITE_P(Rows, PickingARow, ::testing::ValuesIn(kPicks),
                         [](const auto& param) { return std::string(param.param.name); });

// A row outside the list changes nothing; deselecting clears that row's checkmark until the next
// redraw.
TEST(DefaultMapsPicker, RowsOutsideTheListAndDeselecting) {
    MemorySettingsStore store;
    PickerRun run(store, Language::english);
    run.picker.didSelectRow(kRows);
    run.picker.didDeselectRow(kRows);
    EXPECT_FALSE(store.raw("defaultMapsApp").has_value());
    EXPECT_EQ(run.picker.cellForRow(kRows), TableCell{});
    EXPECT_EQ(run.checkedRows(), only(0));

    run.picker.didSelectRow(1);

    run.picker.didDeselectRow(3); // a row without checkmark stays without
    EXPECT_EQ(run.checkedRows(), only(1));
    run.picker.didDeselectRow(1);
    EXPECT_EQ(run.checkedRows(), only(std::nullopt));
    EXPECT_EQ(store.raw("defaultMapsApp"), "Google Maps") << "deselecting changes no choice";

    run.picker.reloadData();
    EXPECT_EQ(run.checkedRows(), only(1));
}

// ---- A stored name from another language ------------------------------------------------

struct StoredNameCase {
    const char* name;
    Language language; // the language the app runs in now
    std::string stored;
    std::string shownName; // settings detail and defaultMapsAppName
    std::optional<std::size_t> checkedRow;
    std::string mapsUrl;
};

class StoredNameUnderAnotherLanguage : public ::testing::TestWithParam<StoredNameCase> {};

TEST_P(StoredNameUnderAnotherLanguage, IsRecognisedAndShownInTheCurrentLanguage) {
    const StoredNameCase& c = GetParam();
    MemorySettingsStore store;
    store.setRaw("defaultMapsApp", c.stored);
    PickerRun run(store, c.language);
    testing::RecordingUrlOpener settingsOpener;
    const SettingsViewController settings(run.translator, settingsOpener, run.app.mapsChoice,
                                          "https://example.org/privacypolicy");

    EXPECT_EQ(run.app.mapsChoice.defaultMapsAppName(), c.shownName);
    EXPECT_EQ(settings.cellForRow({0, 0}).detail, c.shownName);
    EXPECT_EQ(run.checkedRows(), only(c.checkedRow));
    EXPECT_EQ(run.openMaps(), std::vector<std::string>{c.mapsUrl});
    EXPECT_EQ(store.raw("defaultMapsApp"), c.stored) << "start-up leaves the stored text alone";
}

const StoredNameCase kStoredNames[] = {
    {"germanAppleUnderEnglish", Language::english, "Apple Karten", "Apple Maps", 0, kAppleUrl},
    {"frenchAppleUnderGerman", Language::german, "Plans", "Apple Karten", 0, kAppleUrl},
    {"osmUnderFrench", Language::french, "OpenStreetMap", "OpenStreetMap", 2, kOsmUrl},
    // A text no shipped language uses keeps showing as stored, checks no row and opens Apple
    // Maps, until the user picks again.
    {"unknownName", Language::english, "Bing Maps", "Bing Maps", std::nullopt, kAppleUrl},
    {"otherCase", Language::german, "waze", "waze", std::nullopt, kAppleUrl},
};
INSTANTIATE_TEST_SUITE_P(Names, StoredNameUnderAnotherLanguage, ::testing::ValuesIn(kStoredNames),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvane
