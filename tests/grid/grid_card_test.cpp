// The grid card on the converter screen's controller: references follow the form, an edited
// reference fills the form, refusals restore, the settings choice, the keystroke filter.
#include "screens/main/grid_card.h"
#include "tests/support/fakes.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <random>

namespace quorvane {
namespace {

using grid::GridSystem;
using References = std::array<std::string, grid::kGridSystemCount>;
const References kEiffel{"31U 448251 5411952", "31U DQ 48250 11951", "8FW4V75V+8Q", "JN18du"};

struct Card : fakes::Screen {
    void typeReference(GridSystem system, std::string_view text) {
        cardView.setText(system, text);
        card.editingEnded(system);
    }
    References references() const {
        References texts;
        for (const auto& s : grid::gridSystems())
            texts[static_cast<std::size_t>(s.id)] = cardView.text(s.id);
        return texts;
    }

    MemoryGridCardView cardView;
    grid::GridChoice choice;
    GridCard card{GridCardPlatform{cardView, translator, out, out}, controller.form(), choice};
};

TEST(GridCard, ConversionsOfTheFormWriteTheReferences) {
    Card s;
    s.type(FieldId::d7, "48.8583701");
    s.type(FieldId::d8, "2.2944813");
    EXPECT_EQ(s.references(), kEiffel);
    // The W of the longitude toggled: the references move west of Greenwich.
    s.view.setSelectedIndex(SelectorId::c8, 1);
    s.controller.changeEW(SelectorId::c8);
    EXPECT_EQ(s.cardView.text(GridSystem::maidenhead), "IN88uu");
    s.controller.clearButtonAction();
    EXPECT_EQ(s.references(), References{});
    // A position out of range has no references but a reason.
    for (const auto& [field, text] : {std::pair{FieldId::d1, "90"},
                                      {FieldId::m1, "30"},
                                      {FieldId::s1, "0"},
                                      {FieldId::d2, "10"},
                                      {FieldId::s2, "0"}})
        s.type(field, text);
    for (const auto& system : grid::gridSystems()) {
        EXPECT_EQ(s.cardView.text(system.id), "") << system.name;
        EXPECT_EQ(s.cardView.reason(system.id), kOutOfRangeReasonKey) << system.name;
    }
}

// The reading fills the form with its hemispheres, and every reference follows.
TEST(GridCard, AnEditedReferenceFillsTheForm) {
    const std::tuple<GridSystem, std::string_view, double, double, double> cases[] = {
        {GridSystem::mgrs, "31udq4825011951", 48.8583701, 2.2944813, 1e-5}, // within a metre
        {GridSystem::maidenhead, "FN31pr", 41.7291667, -72.7083333, 1e-7}, // the subsquare's centre
        {GridSystem::pluscode, "4VCPPQGP+Q9", -41.2730625, 174.7859375, 1e-7},
    };
    for (const auto& [system, typed, latitude, longitude, tolerance] : cases) {
        Card s;
        s.typeReference(system, typed);
        const auto position = formPosition(s.view);
        ASSERT_TRUE(position) << typed;
        EXPECT_NEAR(position->latitude, latitude, tolerance) << typed;
        EXPECT_NEAR(position->longitude, longitude, tolerance) << typed;
        EXPECT_FALSE(s.view.text(FieldId::m4).empty()) << typed;
        if (system == GridSystem::mgrs) {
            EXPECT_EQ(s.references()[1], kEiffel[1]); // in the written form
        }
    }
}

// A reference typed in reads back as itself, and the others name the cells GeographicLib gives
// for the point it names, not for the rounded degrees the fields show (the expected texts are
// GeoConvert's, and the Plus Code and locator of the point it reads).
TEST(GridCard, AReferenceReadsBackAsItself) {
    const std::pair<GridSystem, std::string_view> typed[] = {
        {GridSystem::utm, "18T 585628 4511322"},  // MGRS 18T WL 85628 11322
        {GridSystem::utm, "56H 334368 6250946"},  // MGRS 56H LH 34368 50946
        {GridSystem::mgrs, "31U DQ 48250 11951"}, // UTM: the centre, half to the even metre
        {GridSystem::mgrs, "31U DQ 482 119"},     // 100 m, kept as written
        {GridSystem::mgrs, "31U DQ 00000 00000"}, // the corners of a 100 km square
        {GridSystem::mgrs, "31U DQ 99999 99999"}, {GridSystem::pluscode, "8FW4V75V+8Q"},
        {GridSystem::maidenhead, "jn18du"},
    };
    const std::array<References, std::size(typed)> expected{{
        {"18T 585628 4511322", "18T WL 85628 11322", "87G8P2X7+9P", "FN30ar"},
        {"56H 334368 6250946", "56H LH 34368 50946", "4RRH46J5+FP", "QF56od"},
        {"31U 448250 5411952", "31U DQ 48250 11951", "8FW4V75V+8Q", "JN18du"},
        {"31U 448250 5411950", "31U DQ 482 119", "8FW4V75V+8Q", "JN18du"},
        {"31U 400000 5400000", "31U DQ 00000 00000", "8FW3PJVQ+XV", "JN08tr"},
        {"31U 500000 5500000", "31U DQ 99999 99999", "8FX4MX3X+2X", "JN19lp"},
        {"31U 448247 5411945", "31U DQ 48247 11945", "8FW4V75V+8Q", "JN18du"},
        {"31U 448040 5411486", "31U DQ 48039 11486", "8FW4V73R+MM", "JN18du"},
    }};
    for (std::size_t i = 0; i < std::size(typed); ++i) {
        Card s;
        s.typeReference(typed[i].first, typed[i].second);
        EXPECT_EQ(s.references(), expected[i]) << typed[i].second;
    }
}

// On whole metres the MGRS digits are the UTM easting and northing within their 100 km square,
// whatever the trip through degrees would round them to.
TEST(GridCard, UtmOnWholeMetresKeepsItsMetreInMgrs) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> easting(166'000, 833'999), northing(1'000'000, 9'300'000);
    for (int i = 0; i < 200; ++i) {
        const int e = easting(random);
        const int n = northing(random);
        Card s;
        // Band N, or the northern hemisphere where band N cannot hold the point: written back
        // with its band.
        const std::string metres = std::to_string(e) + " " + std::to_string(n);
        const std::string utm = "33N " + metres;
        s.typeReference(GridSystem::utm, utm);
        const std::string mgrs = s.cardView.text(GridSystem::mgrs);
        char digits[16];
        std::snprintf(digits, sizeof digits, "%05d %05d", e % 100'000, n % 100'000);
        if (mgrs.empty()) continue; // beyond the zone's northings: refused, nothing changed
        EXPECT_TRUE(mgrs.ends_with(digits)) << utm << " -> " << mgrs;
        EXPECT_TRUE(s.cardView.text(GridSystem::utm).ends_with(" " + metres)) << utm;
    }
}

TEST(GridCard, ARefusedReferenceRestoresTheLastGoodText) {
    Card s;
    s.type(FieldId::d7, "48.8583701");
    s.type(FieldId::d8, "2.2944813");
    const std::string d5 = s.view.text(FieldId::d5);
    for (const std::string_view typed : {"8FW4V75V+8", ""}) {
        s.typeReference(GridSystem::pluscode, typed);
        EXPECT_EQ(s.cardView.text(GridSystem::pluscode), kEiffel[2]) << typed;
        EXPECT_EQ(s.view.text(FieldId::d5), d5) << typed;
    }
    EXPECT_NE(s.cardView.message().find("\"8FW4V75V+8\""), std::string::npos);
}

// Every system shows until the user hides one; the choice is stored for the next run.
TEST(GridCard, TheChoiceIsStoredAndShown) {
    Card s;
    s.choice.restore(s.settings);
    s.card.applyChoice();
    for (const auto& system : grid::gridSystems())
        EXPECT_EQ(s.cardView.visibility(system.id), grid::Visibility::shown);
    s.choice.setVisibility(GridSystem::mgrs, grid::Visibility::hidden, s.settings);
    s.choice.setVisibility(GridSystem::maidenhead, grid::Visibility::hidden, s.settings);
    grid::GridChoice restarted;
    restarted.restore(s.settings);
    EXPECT_FALSE(restarted.isShown(GridSystem::mgrs));
    EXPECT_TRUE(restarted.isShown(GridSystem::pluscode));
    s.settings.setString(grid::kGridReferencesKey, "");
    restarted.restore(s.settings);
    EXPECT_TRUE(restarted.noneShown());
}

TEST(GridCard, KeystrokeFilter) {
    constexpr auto accept = FilterDecision::accept;
    constexpr auto refuse = FilterDecision::refuse;
    const std::tuple<GridSystem, std::u16string_view, Utf16Range, std::u16string_view,
                     FilterDecision>
        cases[] = {
            {GridSystem::pluscode, u"8FW4V75V", {8, 0}, u"+", accept},
            {GridSystem::mgrs, u"31U", {3, 0}, u"+", refuse},
            {GridSystem::maidenhead, u"JN18", {4, 0}, u"d\u00FC", refuse},
            {GridSystem::maidenhead, u"JN18du1", {7, 0}, u"2", accept},     // the eighth
            {GridSystem::maidenhead, u"JN18du12", {8, 0}, u"3", refuse},    // beyond 8
            {GridSystem::maidenhead, u"JN18du12345", {0, 11}, u"", accept}, // deleting
            {GridSystem::pluscode, u"8FW4", {5, 0}, u"V", refuse},          // outside the text
        };
    const Card s;
    for (const auto& [system, current, range, replacement, expected] : cases)
        EXPECT_EQ(s.card.shouldChangeCharacters(system, current, range, replacement), expected)
            << static_cast<int>(system);
}

} // namespace
} // namespace quorvane
