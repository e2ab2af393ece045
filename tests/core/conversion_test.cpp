// The form as a screen drives it: a field is typed into key by key and editing ends, which
// converts the other notations of the same half; Clear; the hemisphere toggles.
#include "form_harness.h"

#include <utility>
#include <vector>

namespace quorvane::test {
namespace {
using F = FieldId;
constexpr auto P = DecimalMode::point;
constexpr auto C = DecimalMode::comma;

// The seven texts of one half in the order D M S E N F G (see HalfFields), "_" for empty.
std::string halfTexts(const Form& form, Half half) {
    const HalfFields& h = halfFields(half);
    std::string out;
    for (const FieldId f : {h.D, h.M, h.S, h.E, h.N, h.F, h.G})
        out += (out.empty() ? "" : " ") + (form[f].empty() ? "_" : form[f]);
    return out;
}

struct ConversionCase {
    DecimalMode mode;
    std::vector<std::string> before; // the half's texts left by earlier edits, D .. G
    FieldId source;
    std::string typed; // "" ends the field empty
    std::string after; // the half's texts afterwards, D .. G
};

// clang-format off
const ConversionCase kCases[] = {
    {C, {"45°", "30'", "12,5\""}, F::s1, "", "45° 30' 0,0\" 45° 30,0' 45,5° 45,5"},
    {P, {"48°", "51'"}, F::s1, "30,132", "48° 51' 30.132\" 48° 51.5022' 48.85837° 48.85837"},
    {P, {}, F::s1, "75", "_ _ 7.5\" 0° 0.125' 0.0020833° 0.0020833"}, // folded into range
    {C, {"0°", "0'"}, F::s1, "0,18", "0° 0' 0,18\" 0° 0,003' 5e-05° 5e-05"},
    {P, {"_", "_", "_", "_", "30.25'"}, F::d3, "45", "45° 30' 15.0\" 45° 30.25' 45.5041667° 45.5041667"},
    {P, {"_", "_", "_", "12°"}, F::m3, "59.99999", "12° 59' 59.999\" 12° 59.99999' 12.9999997° 12.9999997"},
    // Rounding carries into the minutes and degrees, in one row or in both.
    {P, {}, F::d5, "45.9999999", "46° 0' 0.0\" 45° 59.99999' 45.9999999° 45.9999999"},
    {P, {}, F::d5, "4599999999", "46° 0' 0.0\" 46° 0.0' 45.99999999° 45.99999999"},
    {C, {}, F::d7, "48.8583701", "48° 51' 30,132\" 48° 51,50221' 48,8583701° 48,8583701"},
    {P, {"_", "_", "_", "_", "_", "_", "3.5"}, F::d8, "", "0° 0' 0.0\" 0° 0.0' 0.0° 0.0"},
};
// clang-format on

TEST(Conversion, RewritesTheOtherNotationsOfTheHalf) {
    for (const ConversionCase& c : kCases) {
        Form form(c.mode);
        const Half half = info(c.source).half;
        const HalfFields& h = halfFields(half);
        const FieldId order[] = {h.D, h.M, h.S, h.E, h.N, h.F, h.G};
        for (std::size_t i = 0; i < c.before.size(); ++i)
            form.view.setText(order[i], c.before[i] == "_" ? "" : c.before[i]);
        form.view.setSelectedIndex(SelectorId::c2, 1); // no conversion touches a selector
        form.controller.readFieldValues();

        ASSERT_TRUE(form.enter(c.source, c.typed));
        EXPECT_EQ(halfTexts(form, half), c.after) << info(c.source).name << " " << c.typed;
        const Half other = half == Half::latitude ? Half::longitude : Half::latitude;
        EXPECT_EQ(halfTexts(form, other), "_ _ _ _ _ _ _") << info(c.source).name;
        EXPECT_EQ(form.view.selectedIndex(SelectorId::c2), 1);
    }
}

TEST(Clear, EmptiesTheFormAndForgetsTheValuesButNotTheHemispheres) {
    Form form;
    ASSERT_TRUE(form.type(F::d1, "45"));
    ASSERT_TRUE(form.enter(F::m1, "12"));
    form.view.setAccuracyText("5 m");
    form.view.setSelectedIndex(SelectorId::c1, 1);

    form.controller.clearButtonAction();
    EXPECT_EQ(halfTexts(form, Half::latitude) + halfTexts(form, Half::longitude),
              "_ _ _ _ _ _ __ _ _ _ _ _ _");
    EXPECT_EQ(form.view.accuracyText(), "");
    EXPECT_EQ(form.view.selectedIndex(SelectorId::c1), 1);

    // Seconds typed into the empty form combine with 0 degrees and 0 minutes.
    ASSERT_TRUE(form.enter(F::s1, "15"));
    EXPECT_EQ(halfTexts(form, Half::latitude), "_ _ 15.0\" 0° 0.25' 0.0041667° 0.0041667");
}

// The eight selector indices, a blank, then the eight stored keys ("-" where none is stored).
std::string selectorState(const Form& form) {
    std::string indices, keys;
    for (const SelectorInfo& c : kSelectors) {
        indices += std::to_string(form.view.selectedIndex(c.id));
        keys += form.settings.raw(c.name).value_or("-");
    }
    return indices + " " + keys;
}

TEST(Toggles, AlignTheHalfAndStoreOnlyItsFourKeys) {
    Form form;
    form.view.setText(F::d5, "12.5°");
    form.view.setSelectedIndex(SelectorId::c5, 1);
    form.controller.changeNS(SelectorId::c5);
    EXPECT_EQ(selectorState(form), "10101010 1-1-1-1-");
    EXPECT_EQ(form[F::d5], "12.5°");

    for (const SelectorId c : {SelectorId::c2, SelectorId::c6, SelectorId::c8})
        form.view.setSelectedIndex(c, 1);
    form.controller.changeEW(SelectorId::c4); // c4 shows 0
    EXPECT_EQ(selectorState(form), "10101010 10101010");
}

TEST(Toggles, RestoreReadsEachSelectorFromItsOwnKey) {
    Form form;
    for (const auto& [key, value] : std::vector<std::pair<const char*, const char*>>{
             {"c1", "1"}, {"c3", "0"}, {"c5", "2"}, {"c7", "-1"}, {"c4", "x"}, {"c6", "1"}})
        form.settings.setRaw(key, value);
    form.controller.restoreSelectors(); // any index but 0 is South or West; nothing is written
    EXPECT_EQ(selectorState(form), "10001110 1-0x21-1-");
}

} // namespace
} // namespace quorvane::test
