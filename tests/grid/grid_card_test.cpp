// The grid card on the converter screen's controller: references follow the form, an edited
// reference fills the form, refusals restore, the settings choice, the keystroke filter.
#include "screens/main/grid_card.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

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
