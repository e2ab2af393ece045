// The default-maps picker and the stored maps choice, seen from the picker, the settings screen
// and the converter screen's Open in Maps; the table of shipped names behind them.
#include "actions/maps_names.h"
#include "screens/settings/default_maps_view_controller.h"
#include "screens/settings/settings_view_controller.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

// The application's texts in a shipped language ("en" for English).
fakes::TableTranslator shipped(std::string_view language) {
    fakes::TableTranslator translator;
    for (const ShippedText& text : shippedTexts())
        translator.table.emplace(text.key, shippedText(text.key, language).value());
    return translator;
}
const fakes::TableTranslator kEnglish = shipped("en"), kGerman = shipped("de"),
                             kFrench = shipped("fr");

// One run of the application over a store: the converter screen holding LAT -45.5, LON -73.25,
// and the picker and the settings screen as they would be drawn.
struct AppRun : fakes::Screen {
    explicit AppRun(const Translator& t, MemorySettingsStore stored = {})
        : Screen(t, std::move(stored)) {
        view.setText(FieldId::d7, "45.5");
        view.setText(FieldId::d8, "73.25");
        view.setSelectedIndex(SelectorId::c7, 1);
        view.setSelectedIndex(SelectorId::c8, 1);
    }
    std::string checkedRows() const {
        std::string rows;
        for (std::size_t row = 0; row < picker.numberOfRows(); ++row)
            if (picker.cellForRow(row).accessory == CellAccessory::checkmark)
                rows += std::to_string(row);
        return rows;
    }
    // The detail of the settings screen's maps row and the URL Open in Maps hands over.
    std::string shown() {
        out.opened.clear();
        controller.openMaps();
        return settingsScreen.cellForRow({0, 0}).detail + " " + out.opened.at(0);
    }

    DefaultMapsViewController picker{translator, settings, maps};
    SettingsViewController settingsScreen{translator, out, maps, "https://example.org/privacy"};
};

const std::string kApple = "https://maps.apple.com/maps?daddr=-45.5,-73.25";
const std::string kOsm = "https://www.openstreetmap.org/directions?engine=fossgis_osrm_car"
                         "&route=%3B-45.5%2C-73.25#map=16/-45.5/-73.25";

// The name is stored, the checkmark moves, the settings detail and Open in Maps follow, also in
// the next run over the same store.
TEST(DefaultMaps, PickingARowChangesTheChoiceForGood) {
    const std::tuple<const Translator&, std::size_t, std::string, std::string> cases[] = {
        {kEnglish, 2, "OpenStreetMap", kOsm},
        {kFrench, 0, "Plans", kApple},
    };
    for (const auto& [language, row, name, url] : cases) {
        AppRun first(language);
        first.picker.didSelectRow(row);
        EXPECT_EQ(first.settings.raw(kDefaultMapsAppKey), name);
        AppRun second(language, first.settings);
        for (AppRun* run : {&first, &second}) {
            EXPECT_EQ(run->checkedRows(), std::to_string(row));
            EXPECT_EQ(run->shown(), name + " " + url);
        }
    }
}

// Four names, Apple Maps checked and nothing stored. A row outside the list changes nothing;
// deselecting clears that row's checkmark until the next redraw, and changes no choice.
TEST(DefaultMaps, AFreshInstallChecksAppleMapsAndDeselectingChangesNoChoice) {
    AppRun run(kGerman);
    EXPECT_EQ(run.picker.defaultMapsList(),
              (std::vector<std::string>{"Apple Karten", "Google Maps", "OpenStreetMap", "Waze"}));
    EXPECT_EQ(run.picker.cellForRow(1), (TableCell{"Google Maps", "", CellAccessory::none}));
    run.picker.didSelectRow(4);
    run.picker.didDeselectRow(4);
    EXPECT_FALSE(run.settings.raw(kDefaultMapsAppKey));
    EXPECT_EQ(run.picker.cellForRow(4), TableCell{});
    EXPECT_EQ(run.checkedRows(), "0");
    run.picker.didSelectRow(1);
    run.picker.didDeselectRow(3); // a row without checkmark stays without
    EXPECT_EQ(run.checkedRows(), "1");
    run.picker.didDeselectRow(1);
    EXPECT_EQ(run.checkedRows(), "");
    EXPECT_EQ(run.settings.raw(kDefaultMapsAppKey), "Google Maps");
    run.picker.reloadData();
    EXPECT_EQ(run.checkedRows(), "1");
}

// A name stored under another language is recognised and shown in the current one; a text no
// shipped language uses keeps showing as stored, checks no row and opens Apple Maps. Start-up
// leaves the stored text alone.
TEST(DefaultMaps, AStoredNameOfAnotherLanguage) {
    const std::tuple<const Translator&, std::string, std::string, std::string> cases[] = {
        {kEnglish, "Apple Karten", "0", "Apple Maps " + kApple},
        {kGerman, "Plans", "0", "Apple Karten " + kApple},
        {kFrench, "OpenStreetMap", "2", "OpenStreetMap " + kOsm},
        {kGerman, "waze", "", "waze " + kApple},
    };
    for (const auto& [language, stored, checked, shown] : cases) {
        MemorySettingsStore store;
        store.setRaw(kDefaultMapsAppKey, stored);
        AppRun run(language, store);
        EXPECT_EQ(run.checkedRows(), checked) << stored;
        EXPECT_EQ(run.shown(), shown);
        EXPECT_EQ(run.settings.raw(kDefaultMapsAppKey), stored);
    }
}

// Every text of the table exists in every language, and since a stored name is recognised in
// any language, no name of one application may be a name of another.
TEST(DefaultMaps, ShippedNamesAreCompleteAndUnambiguous) {
    std::map<std::string_view, MapsApp> owner;
    for (const std::string_view language : {"en", "de", "fr"}) {
        for (const SettingsRowInfo& row : kSettingsRows)
            EXPECT_NE(shippedText(row.key, language).value_or(""), "") << row.key << language;
        for (const MapsAppInfo& app : kMapsApps) {
            const std::string_view name = shippedText(app.name, language).value_or("");
            EXPECT_NE(name, "") << app.name << language;
            EXPECT_EQ(owner.emplace(name, app.id).first->second, app.id) << name;
        }
    }
    EXPECT_FALSE(shippedText("Apple Maps", "xx"));
}

} // namespace
} // namespace quorvane
