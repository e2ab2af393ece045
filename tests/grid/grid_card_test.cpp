// The grid card on the converter screen's controller: references follow the form, an edited
// reference fills the form, refusals restore, the settings choice, the keystroke filter.
#include "core/memory_platform.h"
#include "core/position_reader.h"
#include "screens/main/grid_card.h"
#include "screens/main/main_view_controller.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using grid::GridSystem;

struct Nowhere final : Clipboard, UrlOpener, CopyConfirmation, ShareSheet {
    void setText(std::string_view text) override { clipboard = text; }
    void openUrl(std::string_view) override {}
    void showCopied(std::string_view, std::string_view) override {}
    void share(std::string_view, std::string_view) override {}
    std::string clipboard;
};

struct Screen {
    Screen() {
        view.setDelegate(&controller);
        controller.addConversionObserver([this] { card.refresh(); });
    }
    // Types a text into a form field and leaves it.
    void typeField(FieldId field, std::string_view text) {
        view.beginEditing(field);
        view.setText(field, text);
        view.endEditing(field);
    }
    void typeReference(GridSystem system, std::string_view text) {
        cardView.setText(system, text);
        card.editingEnded(system);
    }
    std::array<std::string, grid::kGridSystemCount> references() const {
        std::array<std::string, grid::kGridSystemCount> texts;
        for (const auto& s : grid::gridSystems())
            texts[static_cast<std::size_t>(s.id)] = cardView.text(s.id);
        return texts;
    }

    EnglishTranslator translator;
    Nowhere nowhere;
    MemoryFormView view{nullptr};
    MemorySettingsStore settings;
    FixedNumberFormat numberFormat{DecimalMode::point};
    MapsChoice mapsChoice{translator};
    MainViewController controller{MainScreenPlatform{view, settings, numberFormat, translator,
                                                     nowhere, nowhere, nowhere, nowhere},
                                  mapsChoice};
    MemoryGridCardView cardView;
    grid::GridChoice choice;
    GridCard card{GridCardPlatform{cardView, translator, nowhere, nowhere}, controller.form(),
                  choice};
};

using References = std::array<std::string, grid::kGridSystemCount>;
const References kEiffel{"31U 448251 5411952", "31U DQ 48250 11951", "8FW4V75V+8Q", "JN18du"};

TEST(GridCard, ConversionsOfTheFormWriteTheReferences) {
    Screen s;
    s.typeField(FieldId::d7, "48.8583701");
    s.typeField(FieldId::d8, "2.2944813");
    EXPECT_EQ(s.references(), kEiffel);
    // The W of the longitude toggled: the references move west of Greenwich.
    s.view.setSelectedIndex(SelectorId::c8, 1);
    s.controller.changeEW(SelectorId::c8);
    EXPECT_EQ(s.cardView.text(GridSystem::maidenhead), "IN88uu");
    s.controller.clearButtonAction();
    EXPECT_EQ(s.references(), References{});
}

TEST(GridCard, AnEditedReferenceFillsTheForm) {
    struct Case {
        GridSystem system;
        std::string_view typed;
        double latitude, longitude; // expected in d7/d8 with their selectors' signs
        double tolerance;           // degrees
    };
    const Case cases[] = {
        {GridSystem::mgrs, "31udq4825011951", 48.8583701, 2.2944813, 1e-5}, // within a metre
        {GridSystem::maidenhead, "FN31pr", 41.7291667, -72.7083333, 1e-7}, // the subsquare's centre
        {GridSystem::pluscode, "4VCPPQGP+Q9", -41.2730625, 174.7859375, 1e-7},
    };
    for (const Case& c : cases) {
        Screen s;
        s.typeReference(c.system, c.typed);
        const auto position = formPosition(s.view);
        ASSERT_TRUE(position) << c.typed;
        EXPECT_NEAR(position->latitude, c.latitude, c.tolerance) << c.typed;
        EXPECT_NEAR(position->longitude, c.longitude, c.tolerance) << c.typed;
        // Every notation follows, and every reference, the typed one in its written form.
        EXPECT_FALSE(s.view.text(FieldId::s1).empty()) << c.typed;
        EXPECT_FALSE(s.view.text(FieldId::m4).empty()) << c.typed;
        for (const auto& system : grid::gridSystems())
            EXPECT_EQ(grid::info(system.id).read(s.cardView.text(system.id)).error,
                      grid::GridError::none);
    }
    Screen s;
    s.typeReference(GridSystem::mgrs, "31U DQ 48250 11951");
    EXPECT_EQ(s.cardView.text(GridSystem::mgrs), kEiffel[1]);
    EXPECT_EQ(s.cardView.text(GridSystem::pluscode), kEiffel[2]);
}

TEST(GridCard, ARefusedReferenceRestoresTheLastGoodText) {
    Screen s;
    s.typeField(FieldId::d7, "48.8583701");
    s.typeField(FieldId::d8, "2.2944813");
    const std::string d5 = s.view.text(FieldId::d5);
    for (const std::string_view typed : {"V75V+8Q Paris", "8FW4V75V+8", ""}) {
        s.typeReference(GridSystem::pluscode, typed);
        EXPECT_EQ(s.cardView.text(GridSystem::pluscode), kEiffel[2]) << typed;
        EXPECT_EQ(s.view.text(FieldId::d5), d5) << typed;
    }
    EXPECT_NE(s.cardView.message().find("\"8FW4V75V+8\""), std::string::npos)
        << s.cardView.message();
}

TEST(GridCard, APositionOutOfRangeHasNoReferencesButAReason) {
    Screen s;
    for (const auto& [field, text] : {std::pair{FieldId::d1, "90"},
                                      {FieldId::m1, "30"}, // 90.5° N
                                      {FieldId::s1, "0"},
                                      {FieldId::d2, "10"},
                                      {FieldId::m2, "0"},
                                      {FieldId::s2, "0"}})
        s.typeField(field, text);
    for (const auto& system : grid::gridSystems()) {
        EXPECT_EQ(s.cardView.text(system.id), "") << system.name;
        EXPECT_EQ(s.cardView.reason(system.id), kOutOfRangeReasonKey) << system.name;
    }
}

TEST(GridCard, TheChoiceIsStoredAndShown) {
    Screen s;
    s.choice.restore(s.settings);
    s.card.applyChoice();
    for (const auto& system : grid::gridSystems())
        EXPECT_EQ(s.cardView.visibility(system.id), grid::Visibility::shown);
    s.choice.setVisibility(GridSystem::mgrs, grid::Visibility::hidden, s.settings);
    s.choice.setVisibility(GridSystem::maidenhead, grid::Visibility::hidden, s.settings);
    EXPECT_EQ(s.settings.stringForKey(grid::kGridReferencesKey), "utm,pluscode");

    grid::GridChoice restarted;
    restarted.restore(s.settings);
    EXPECT_FALSE(restarted.isShown(GridSystem::mgrs));
    EXPECT_TRUE(restarted.isShown(GridSystem::pluscode));
    s.settings.setString(grid::kGridReferencesKey, "");
    restarted.restore(s.settings);
    EXPECT_TRUE(restarted.noneShown());
}

TEST(GridCard, KeystrokeFilter) {
    struct Case {
        GridSystem system;
        std::u16string_view current;
        Utf16Range range;
        std::u16string_view replacement;
        FilterDecision expected;
    };
    constexpr auto accept = FilterDecision::accept;
    constexpr auto refuse = FilterDecision::refuse;
    const Case cases[] = {
        {GridSystem::pluscode, u"8FW4V75V", {8, 0}, u"+", accept},
        {GridSystem::mgrs, u"31U", {3, 0}, u"+", refuse},
        {GridSystem::utm, u"31U 448251", {10, 0}, u".5", accept},
        {GridSystem::mgrs, u"31U DQ", {6, 0}, u" 48250 11951", accept},
        {GridSystem::maidenhead, u"JN18", {4, 0}, u"d\u00FC", refuse},
        {GridSystem::maidenhead, u"JN18du1", {7, 0}, u"2", accept},     // the eighth
        {GridSystem::maidenhead, u"JN18du12", {8, 0}, u"3", refuse},    // beyond 8
        {GridSystem::maidenhead, u"JN18du12345", {0, 11}, u"", accept}, // deleting
        {GridSystem::pluscode, u"8FW4", {5, 0}, u"V", refuse},          // outside the text
    };
    const Screen s;
    for (const Case& c : cases)
        EXPECT_EQ(s.card.shouldChangeCharacters(c.system, c.current, c.range, c.replacement),
                  c.expected)
            << static_cast<int>(c.system);
}

// The one position reader takes grid references as one more kind of text: the centre of the
// named square to seven decimals, or the grid reader's message; other texts are left to it.
TEST(GridCard, ThePositionReaderReadsGridReferences) {
    const PositionReading mgrs = readPosition("31U DQ 48250 11951");
    ASSERT_TRUE(mgrs.ok());
    EXPECT_FALSE(mgrs.hasWrittenNumbers());
    EXPECT_DOUBLE_EQ(mgrs.point.latitude, 48.8583692);
    EXPECT_DOUBLE_EQ(mgrs.point.longitude, 2.29448);

    const PositionReading shortCode = readPosition("V75V+8Q Paris");
    EXPECT_EQ(shortCode.error, PositionError::badGridReference);
    EXPECT_NE(describeError(shortCode).find("full code"), std::string::npos);
}

} // namespace
} // namespace quorvane
