#include "actions/output_texts.h"
#include "core/memory_platform.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace quorvane {
namespace {

TEST(CopyText, TakesFieldTextsAsTheyAreWithPoints) {
    using N = Notation;
    const std::tuple<Notation, NotationTexts, std::string> cases[] = {
        {N::ddd_mm_sss,
         {{"45°", "30'", "15,0\""}, {"73°", "20'", "30.0\""}, 1, 0},
         "45° 30' 15.0\" S, 73° 20' 30.0\" E"},
        {N::ddd_mmmmm, {{"45°", "30,25'"}, {"73°", "20,5'"}, 0, 1}, "45° 30.25' N, 73° 20.5' W"},
        {N::dddddddd1, {{"1,2,3"}, {"x y"}, 0, 0}, "1.2.3 N, x y E"}, // not validated
        {N::ddd_mm_sss, {{}, {}, 1, 1}, "   S,    W"},                // empty texts keep the shape
    };
    for (const auto& [notation, texts, line] : cases)
        EXPECT_EQ(copyText(notation, texts).line, line);
}

MapsPosition positionOf(std::string_view d7, std::string_view d8, int c7, int c8) {
    MemoryFormView view;
    view.setText(FieldId::d7, d7);
    view.setText(FieldId::d8, d8);
    view.setSelectedIndex(SelectorId::c7, c7);
    view.setSelectedIndex(SelectorId::c8, c8);
    view.setText(FieldId::d5, "9.9°"); // the other row is never read
    return mapsPosition(view);
}

TEST(MapsURL, FormatOfEachApplicationAndTheShareText) {
    const MapsPosition p = positionOf("45,5", "73.25", 1, 1);
    const std::pair<MapsApp, std::string> cases[] = {
        {MapsApp::appleMaps, "https://maps.apple.com/maps?daddr=-45.5,-73.25"},
        {MapsApp::googleMaps, "https://maps.google.com/?q=-45.5,-73.25"},
        {MapsApp::openStreetMap, "https://www.openstreetmap.org/directions?engine=fossgis_osrm_car"
                                 "&route=%3B-45.5%2C-73.25#map=16/-45.5/-73.25"},
        {MapsApp::waze, "https://waze.com/ul?ll=-45.5,-73.25"},
    };
    for (const auto& [app, url] : cases) {
        EXPECT_EQ(mapsURL(app, p), url);
        EXPECT_TRUE(isValidUrlText(url)) << url;
    }
    EXPECT_EQ(shareText(positionOf("1,2,3", "4,5", 0, 2)), "1.2.3, -4.5"); // any index but 0
}

TEST(IsValidUrlText, BlanksDegreeSignsAndBadEscapesAreRefused) {
    const std::string apple = "https://maps.apple.com/maps?daddr=";
    EXPECT_TRUE(isValidUrlText(apple + "1%2C2#a"));
    for (const std::string& bad :
         {std::string(), apple + "45 5,1", apple + "45.5°,1", apple + "1,2%zz", apple + "1#a#b"})
        EXPECT_FALSE(isValidUrlText(bad)) << bad;
    // An escape cut off by the end of the text, whatever follows in memory.
    EXPECT_FALSE(isValidUrlText(std::string_view(apple + "1%2F").substr(0, apple.size() + 3)));
}

TEST(MapsAppForName, ComparesLocalizedNamesInListOrder) {
    // A language that renames Google Maps. (How a stored name is restored and shown is the
    // settings screens' part, tested there.)
    const Translate translate = [](std::string_view key) {
        return std::string(key == "Google Maps" ? "Google Karten" : key);
    };
    const std::pair<std::string, MapsApp> cases[] = {
        {"Google Karten", MapsApp::googleMaps},
        {"OpenStreetMap", MapsApp::openStreetMap},
        {"Google Maps", MapsApp::appleMaps}, // another language
        {"waze", MapsApp::appleMaps}};
    for (const auto& [name, app] : cases)
        EXPECT_EQ(mapsAppForName(name, translate), app) << name;
}

} // namespace
} // namespace quorvane
