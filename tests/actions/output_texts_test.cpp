#include "actions/maps_choice.h"
#include "actions/output_texts.h"
#include "core/memory_platform.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace quorvane {
namespace {

const std::string Dg = "\u00B0";

// ---- copyText ----------------------------------------------------------------------------

TEST(CopyText, EachNotationReadsItsOwnFieldsAndSelectors) {
    MemoryFormView view;
    for (const FieldInfo& f : kFields)
        view.setText(f.id, f.name);
    const int indices[kSelectorCount] = {0, 0, 1, 1, 2, -1, 0, 7}; // c1 .. c8
    for (const SelectorInfo& s : kSelectors)
        view.setSelectedIndex(s.id, indices[indexOf(s.id)]);

    struct Expected {
        Notation notation;
        std::string line;
        std::string ns, ew;
    };
    const Expected cases[] = {
        {Notation::ddd_mm_sss, "d1 m1 s1 N, d2 m2 s2 E", "N", "E"},
        {Notation::ddd_mmmmm, "d3 m3 S, d4 m4 W", "S", "W"},
        {Notation::dddddddd1, "d5 S, d6 W", "S", "W"}, // any index but 0 is South or West
        {Notation::dddddddd2, "d7, -d8", "", "-"},
    };
    for (const auto& c : cases) {
        const CopyLine copy = copyText(view, c.notation);
        EXPECT_EQ(copy.line, c.line);
        EXPECT_EQ(copy.markers.ns, c.ns) << c.line;
        EXPECT_EQ(copy.markers.ew, c.ew) << c.line;
    }
}

TEST(CopyText, TakesFieldTextsAsTheyAreWithPoints) {
    struct Case {
        Notation notation;
        NotationTexts texts;
        std::string line;
    };
    const Case cases[] = {
        {Notation::ddd_mmmmm,
         {{"45" + Dg, "30,25'"}, {"73" + Dg, "20,5'"}, 0, 1},
         "45" + Dg + " 30.25' N, 73" + Dg + " 20.5' W"},
        {Notation::ddd_mm_sss,
         {{"45" + Dg, "30'", "15,0\""}, {"73" + Dg, "20'", "30.0\""}, 1, 0},
         "45" + Dg + " 30' 15.0\" S, 73" + Dg + " 20' 30.0\" E"},
        {Notation::dddddddd2, {{"45.5"}, {"73.25"}, 1, 0}, "-45.5, 73.25"},
        {Notation::dddddddd2, {{"1,2,3"}, {"x y"}, 0, 0}, "1.2.3, x y"}, // not validated
        {Notation::dddddddd1, {{}, {}, 0, 0}, " N,  E"},                 // empty keeps the shape
        {Notation::dddddddd2, {{}, {}, 0, 0}, ", "},
        {Notation::ddd_mm_sss, {{}, {}, 1, 1}, "   S,    W"},
        {Notation::ddd_mmmmm, {{}, {}, 0, 1}, "  N,   W"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(copyText(c.notation, c.texts).line, c.line);
}

// ---- Maps --------------------------------------------------------------------------------

MapsPosition positionOf(std::string_view d7, std::string_view d8, int c7, int c8) {
    MemoryFormView view;
    view.setText(FieldId::d7, d7);
    view.setText(FieldId::d8, d8);
    view.setSelectedIndex(SelectorId::c7, c7);
    view.setSelectedIndex(SelectorId::c8, c8);
    view.setText(FieldId::d5, "9.9" + Dg); // the other row is never read
    return mapsPosition(view);
}

TEST(MapsURL, FormatOfEachApplication) {
    const MapsPosition p = positionOf("45,5", "73.25", 1, 1);
    EXPECT_EQ(p.latitude, "-45.5");
    EXPECT_EQ(p.longitude, "-73.25");
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
}

TEST(MapsURL, PositionAndShareText) {
    const MapsPosition north = positionOf("45,5", "73.25", 0, 0);
    EXPECT_EQ(shareText(north), "45.5, 73.25");
    EXPECT_EQ(north.markers.ns, "");
    const MapsPosition south = positionOf("45,5", "73.25", 1, 0);
    EXPECT_EQ(shareText(south), "-45.5, 73.25");
    EXPECT_EQ(mapsURL(MapsApp::waze, south), "https://waze.com/ul?ll=-45.5,73.25");
    EXPECT_EQ(shareText(positionOf("", "", 1, 1)), "-, -");
    EXPECT_EQ(mapsURL(MapsApp::appleMaps, positionOf("", "", 0, 0)),
              "https://maps.apple.com/maps?daddr=,");
    EXPECT_EQ(positionOf("1,2,3", "4,5", 0, 2).longitude, "-4.5"); // every comma, any index
    EXPECT_EQ(positionOf("1,2,3", "4,5", 0, 2).latitude, "1.2.3");
}

TEST(IsValidUrlText, BlanksAndDegreeSignsAreRefused) {
    const std::string apple = "https://maps.apple.com/maps?daddr=";
    for (const std::string& good : {apple + "-45.5,73.25", apple + "-1e-05,nan", apple + ",",
                                    std::string("https://waze.com/ul?ll=0.0,-0.0")})
        EXPECT_TRUE(isValidUrlText(good)) << good;
    for (const std::string& bad : {std::string(), std::string(" "), apple + "45 5,1",
                                   apple + "45.5" + Dg + ",1", apple + "1,2%zz"})
        EXPECT_FALSE(isValidUrlText(bad)) << bad;
}

// A translator for a language that renames two of the applications.
class GermanTranslator final : public Translator {
public:
    std::string translate(std::string_view key) const override {
        static const std::map<std::string, std::string, std::less<>> table{
            {"Apple Maps", "Apple Karten"}, {"Google Maps", "Google Karten"}};
        const auto it = table.find(key);
        return it == table.end() ? std::string(key) : it->second;
    }
};

TEST(MapsAppForName, ComparesLocalizedNamesInListOrder) {
    const GermanTranslator german;
    const Translate translate = [&](std::string_view key) { return german.translate(key); };
    const std::pair<std::string, MapsApp> cases[] = {
        {"Apple Karten", MapsApp::appleMaps},
        {"Google Karten", MapsApp::googleMaps},
        {"OpenStreetMap", MapsApp::openStreetMap},
        {"Waze", MapsApp::waze},
        {"Google Maps", MapsApp::appleMaps}, // stored under another language: fallback
        {"", MapsApp::appleMaps},
        {"waze", MapsApp::appleMaps},
    };
    for (const auto& [name, app] : cases)
        EXPECT_EQ(mapsAppForName(name, translate), app) << name;

    const Translate sameName = [](std::string_view key) {
        return key == "Google Maps" || key == "Waze" ? std::string("Karte") : std::string(key);
    };
    EXPECT_EQ(mapsAppForName("Karte", sameName), MapsApp::googleMaps); // the first equal wins
}

TEST(MapsChoice, RestoresAndStoresTheLocalizedName) {
    const GermanTranslator german;
    MemorySettingsStore store;
    MapsChoice choice(german);
    EXPECT_EQ(choice.defaultMapsAppName(), "Apple Karten");
    choice.restore(store); // nothing stored: unchanged
    EXPECT_EQ(choice.app(), MapsApp::appleMaps);

    store.setString("defaultMapsApp", "Waze");
    choice.restore(store);
    EXPECT_EQ(choice.defaultMapsAppName(), "Waze");
    EXPECT_EQ(choice.app(), MapsApp::waze);

    choice.choose(MapsApp::googleMaps, store);
    EXPECT_EQ(store.stringForKey("defaultMapsApp"), "Google Karten");
    EXPECT_EQ(choice.app(), MapsApp::googleMaps);

    store.setString("defaultMapsApp", "Bing Maps"); // no shipped language has this name
    MapsChoice relaunched(german);
    relaunched.restore(store);
    EXPECT_EQ(relaunched.defaultMapsAppName(), "Bing Maps");
    EXPECT_EQ(relaunched.app(), MapsApp::appleMaps);
}

} // namespace
} // namespace quorvane
