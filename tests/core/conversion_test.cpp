// The form as a screen drives it: a field is typed into key by key and editing ends, which
// converts the other notations of the same half. Also texts that do not parse, Clear, toggles.
#include "form_harness.h"

#include <array>
#include <utility>
#include <vector>

namespace quorvane::test {
namespace {

using F = FieldId;
using Texts = std::vector<std::pair<FieldId, std::string>>;
constexpr auto P = DecimalMode::point;
constexpr auto C = DecimalMode::comma;

std::array<std::string, kFieldCount> textsOf(const Form& form) {
    std::array<std::string, kFieldCount> texts;
    for (const FieldInfo& f : kFields)
        texts[indexOf(f.id)] = form[f.id];
    return texts;
}

// The seven texts of one half in the order D M S E N F G (see HalfFields), "_" for empty.
std::string halfTexts(const Form& form, Half half) {
    const HalfFields& h = halfFields(half);
    std::string out;
    for (const FieldId f : {h.D, h.M, h.S, h.E, h.N, h.F, h.G})
        out += (out.empty() ? "" : " ") + (form[f].empty() ? "_" : form[f]);
    return out;
}

struct ConversionCase {
    const char* name;
    DecimalMode mode;
    std::vector<std::string> before; // the half's texts left by earlier edits, D .. G
    FieldId source;
    std::string typed; // "" ends the field empty
    std::string after; // the half's texts afterwards, D .. G
};

class ConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, RewritesTheOtherNotationsOfTheHalf) {
    const ConversionCase& c = GetParam();
    Form form(c.mode);
    const Half half = info(c.source).half;
    const HalfFields& h = halfFields(half);
    const FieldId order[] = {h.D, h.M, h.S, h.E, h.N, h.F, h.G};
    for (std::size_t i = 0; i < c.before.size(); ++i)
        form.view.setText(order[i], c.before[i] == "_" ? "" : c.before[i]);
    form.view.setSelectedIndex(SelectorId::c2, 1); // no conversion touches a selector
    form.controller.readFieldValues();

    ASSERT_TRUE(form.enter(c.source, c.typed));
    EXPECT_EQ(halfTexts(form, half), c.after);
    const Half other = half == Half::latitude ? Half::longitude : Half::latitude;
    EXPECT_EQ(halfTexts(form, other), "_ _ _ _ _ _ _");
    EXPECT_EQ(form.view.selectedIndex(SelectorId::c2), 1);
}

// clang-format off
const ConversionCase kCases[] = {
    {"d1KeepsLeadingZero", C, {}, F::d1, "045", "045° _ _ 045° _ _ _"},
    {"d1EndedEmpty", P, {"45°", "_", "_", "45°"}, F::d1, "", "0° _ _ 0° _ _ _"},
    {"s1EndedEmptyComma", C, {"45°", "30'", "12,5\""}, F::s1, "", "45° 30' 0,0\" 45° 30,0' 45,5° 45,5"},
    {"s1CommaTypedPointShown", P, {"48°", "51'"}, F::s1, "30,132", "48° 51' 30.132\" 48° 51.5022' 48.85837° 48.85837"},
    {"s1FoldsTypedDigits", P, {}, F::s1, "75", "_ _ 7.5\" 0° 0.125' 0.0020833° 0.0020833"},
    {"s1TinyValueInExponentForm", C, {"0°", "0'"}, F::s1, "0,18", "0° 0' 0,18\" 0° 0,003' 5e-05° 5e-05"},
    {"d3ChainsToM3", P, {"_", "_", "_", "_", "30.25'"}, F::d3, "45", "45° 30' 15.0\" 45° 30.25' 45.5041667° 45.5041667"},
    {"m3NearSixty", P, {"_", "_", "_", "12°"}, F::m3, "59.99999", "12° 59' 59.999\" 12° 59.99999' 12.9999997° 12.9999997"},
    {"d5SecondsCarryIntoMinutes", P, {}, F::d5, "10.1", "10° 6' 0.0\" 10° 6.0' 10.1° 10.1"},
    {"d5CarryReachesTheDegrees", P, {}, F::d5, "45.9999999", "46° 0' 0.0\" 45° 59.99999' 45.9999999° 45.9999999"},
    {"d5FoldedDigitsCarryBothRows", P, {}, F::d5, "4599999999", "46° 0' 0.0\" 46° 0.0' 45.99999999° 45.99999999"},
    {"d7CommaMode", C, {}, F::d7, "48.8583701", "48° 51' 30,132\" 48° 51,50221' 48,8583701° 48,8583701"},
    {"d8EndedEmpty", P, {"_", "_", "_", "_", "_", "_", "3.5"}, F::d8, "", "0° 0' 0.0\" 0° 0.0' 0.0° 0.0"},
    {"d6LongitudeLimit", P, {}, F::d6, "1800", "180° 0' 0.0\" 180° 0.0' 180.0° 180.0"},
    {"d8FoldsComma", C, {}, F::d8, "181", "18° 6' 0,0\" 18° 6,0' 18,1° 18,1"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, ConversionTest, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

// Just below a whole degree or a whole minute, a decimal-degrees value splits with a carry in one
// row and not in the other (46° 0' 0.0" beside 45° 59.99999'). Whichever field is visited next,
// every row must still show the decimal degrees.
TEST(Conversion, AfterACarryAVisitToAnyFieldKeepsEveryRowOnTheDecimalDegrees) {
    constexpr double kTolerance = 5e-7; // degrees; the coarsest rounding is 0.0005"
    const std::pair<Half, const char*> positions[] = {
        {Half::latitude, "45.9999999"}, {Half::latitude, "10.0166666"},
        {Half::longitude, "179.9999999"}, {Half::longitude, "0.0166666"},
    };
    for (const auto& [half, typed] : positions)
        for (const DecimalMode mode : {P, C})
            for (const bool bare : {false, true}) {
                const HalfFields& h = halfFields(half);
                for (const FieldId visited : {h.D, h.M, h.S, h.E, h.N, h.F, h.G}) {
                    Form form(mode);
                    ASSERT_TRUE(form.enter(bare ? h.G : h.F, typed));
                    form.view.beginEditing(visited);
                    form.view.endEditing(visited);
                    form.controller.readFieldValues();
                    const auto v = [&](FieldId f) { return form.controller.storedValue(f); };
                    const double degrees = v(h.G);
                    EXPECT_NEAR(v(h.D) + v(h.M) / 60 + v(h.S) / 3600, degrees, kTolerance)
                        << typed << " then " << info(visited).name << ": " << halfTexts(form, half);
                    EXPECT_NEAR(v(h.E) + v(h.N) / 60, degrees, kTolerance)
                        << typed << " then " << info(visited).name << ": " << halfTexts(form, half);
                    EXPECT_EQ(v(h.F), degrees);
                }
            }
}

Form& withLatitude(Form& form) {
    for (const auto& [field, text] : Texts{{F::d1, "45°"}, {F::m1, "30'"}, {F::s1, "15\""}})
        form.view.setText(field, text);
    form.controller.readFieldValues();
    return form;
}

TEST(Conversion, UnreadableWholeDegreesOrMinutesShowTheLastGoodValue) {
    // "4°6" loses its last character and "4°" does not parse; a lone mark holds no number.
    const std::pair<FieldId, std::string> edits[] = {{F::d1, "4°6"}, {F::d1, "°"}, {F::m1, "'"}};
    for (const auto& [field, text] : edits) {
        Form form;
        withLatitude(form).view.beginEditing(field);
        form.view.setText(field, text);
        form.view.endEditing(field);
        EXPECT_EQ(form[field], field == F::d1 ? "45°" : "30'") << text;
        EXPECT_EQ(form[F::d5], "45.5041667°") << "converted with the last good value";
    }
}

TEST(Conversion, ATagOutsideTheFieldsOnlyRefreshesTheStoredValues) {
    for (const int tag : {-1, 14}) {
        Form form;
        withLatitude(form).view.setText(F::d1, "12°");
        const auto before = textsOf(form);
        form.controller.convertFromField(tag);
        EXPECT_EQ(textsOf(form), before);
        EXPECT_EQ(form.controller.storedValue(F::d1), 12) << tag;
    }
}

TEST(Conversion, TheFilterJudgesByTheLastFieldThatBeganEditing) {
    Form form;
    EXPECT_EQ(form.controller.activeField(), std::nullopt);
    ASSERT_TRUE(form.enter(F::m3, "5"));
    EXPECT_EQ(form.controller.activeField(), F::m3); // seven digits without a separator
    EXPECT_EQ(form.controller.shouldChangeCharacters(u"123456", {6, 0}, u"7"),
              FilterDecision::accept);
}

TEST(Clear, EmptiesTheFormAndForgetsTheValuesButNotTheHemispheres) {
    Form form;
    ASSERT_TRUE(form.type(F::d1, "45"));
    ASSERT_TRUE(form.type(F::m1, "12"));
    ASSERT_TRUE(form.enter(F::s1, "30"));
    ASSERT_EQ(form[F::d5], "45.2083333°");
    form.view.setAccuracyText("5 m");
    form.view.setSelectedIndex(SelectorId::c1, 1);
    form.settings.setInteger("c1", 1);

    form.controller.clearButtonAction();
    EXPECT_EQ(textsOf(form), (std::array<std::string, kFieldCount>{}));
    EXPECT_EQ(form.view.accuracyText(), "");
    EXPECT_EQ(form.view.selectedIndex(SelectorId::c1), 1);
    EXPECT_EQ(form.settings.integerForKey("c1"), 1);

    // Seconds typed into the empty form combine with 0 degrees and 0 minutes.
    ASSERT_TRUE(form.enter(F::s1, "15"));
    EXPECT_EQ(form[F::m3], "0.25'");
    EXPECT_EQ(form[F::d7], "0.0041667");
    EXPECT_EQ(form[F::d1], "");
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

TEST(MemoryFormView, BeginningAnotherFieldEndsTheFirstThenBegins) {
    struct Log final : FieldEditingDelegate {
        void textFieldDidBeginEditing(FieldId f) override { events += " +" + name(f); }
        void textFieldDidEndEditing(FieldId f) override { events += " -" + name(f); }
        std::string name(FieldId f) const { // "*": the view reports the field as being edited
            return std::string(info(f).name) + (view->isEditing(f) ? "*" : "");
        }
        const MemoryFormView* view = nullptr;
        std::string events;
    } log;
    MemoryFormView view(&log);
    log.view = &view;
    view.beginEditing(F::d1);
    view.beginEditing(F::d1); // already being edited: nothing
    view.beginEditing(F::m1);
    view.endEditing(F::d1); // not being edited: nothing
    view.endEditing(F::m1);
    EXPECT_EQ(log.events, " +d1* -d1 +m1* -m1");
    EXPECT_EQ(view.editingField(), std::nullopt);
}

} // namespace
} // namespace quorvane::test
