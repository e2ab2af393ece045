// The form as a screen drives it: a field is focused, typed into key by key, and editing ends;
// the end of editing converts the other notations of the same half.
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

// Selector indices that no conversion may touch (2 and -1: a control with odd state).
constexpr std::array<int, kSelectorCount> kSelectorPattern{1, 0, 1, 0, 0, 1, 2, -1};

struct ConversionCase {
    const char* name;
    DecimalMode mode;
    Texts before; // texts on the form from earlier edits
    FieldId source;
    std::string typed; // "" ends the field empty
    Texts after;       // every text that differs afterwards; all other texts stay
};

std::ostream& operator<<(std::ostream& os, const ConversionCase& c) {
    return os << c.name;
}

class ConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, RewritesTheOtherNotations) {
    const ConversionCase& c = GetParam();
    Form form(c.mode);
    for (const auto& [field, text] : c.before)
        form.view.setText(field, text);
    for (const SelectorInfo& s : kSelectors)
        form.view.setSelectedIndex(s.id, kSelectorPattern[indexOf(s.id)]);
    form.controller.readFieldValues(); // those texts were read by the earlier conversions

    std::array<std::string, kFieldCount> expected;
    for (const FieldInfo& f : kFields)
        expected[f.tag] = form[f.id];
    for (const auto& [field, text] : c.after)
        expected[indexOf(field)] = text;

    ASSERT_TRUE(form.enter(c.source, c.typed));
    for (const FieldInfo& f : kFields)
        EXPECT_EQ(form[f.id], expected[f.tag]) << f.name;
    for (const SelectorInfo& s : kSelectors)
        EXPECT_EQ(form.view.selectedIndex(s.id), kSelectorPattern[indexOf(s.id)]) << s.name;
}

// clang-format off
const ConversionCase kCases[] = {
    // ddd_mm_sss
    {"d1Alone", P, {}, F::d1, "45", {{F::d1, "45°"}, {F::d3, "45°"}}},
    {"d1KeepsLeadingZero", C, {}, F::d1, "045", {{F::d1, "045°"}, {F::d3, "045°"}}},
    {"d1EndedEmpty", P, {{F::d1, "45°"}, {F::d3, "45°"}}, F::d1, "",
     {{F::d1, "0°"}, {F::d3, "0°"}}},
    {"d1ChainsThroughM1AndS1", P, {{F::m1, "30'"}, {F::s1, "15\""}}, F::d1, "45",
     {{F::d1, "45°"}, {F::d3, "45°"}, {F::s1, "15.0\""}, {F::m3, "30.25'"},
      {F::d5, "45.5041667°"}, {F::d7, "45.5041667"}}},
    {"d1NoRangeCheck", P, {{F::m1, "0'"}, {F::s1, "0.0\""}}, F::d1, "999",
     {{F::d1, "999°"}, {F::d3, "999°"}, {F::m3, "0.0'"}, {F::d5, "999.0°"}, {F::d7, "999.0"}}},
    {"m1EndedEmptyConvertsWithZeroMinutes", P, {{F::d1, "45°"}, {F::m1, "30'"}, {F::s1, "15\""}},
     F::m1, "",
     {{F::m1, "0'"}, {F::s1, "15.0\""}, {F::m3, "0.25'"}, {F::d5, "45.0041667°"},
      {F::d7, "45.0041667"}}},
    {"s1EndedEmpty", P, {{F::d1, "45°"}, {F::m1, "30'"}, {F::s1, "12.5\""}}, F::s1, "",
     {{F::s1, "0.0\""}, {F::m3, "30.0'"}, {F::d5, "45.5°"}, {F::d7, "45.5"}}},
    {"s1EndedEmptyComma", C, {{F::d1, "45°"}, {F::m1, "30'"}, {F::s1, "12,5\""}}, F::s1, "",
     {{F::s1, "0,0\""}, {F::m3, "30,0'"}, {F::d5, "45,5°"}, {F::d7, "45,5"}}},
    {"s1FoldsTypedDigits", P, {}, F::s1, "75",
     {{F::s1, "7.5\""}, {F::m3, "0.125'"}, {F::d5, "0.0020833°"}, {F::d7, "0.0020833"}}},
    {"s1CommaTypedPointShown", P, {{F::d1, "45°"}, {F::m1, "30'"}}, F::s1, "12,5",
     {{F::s1, "12.5\""}, {F::m3, "30.20833'"}, {F::d5, "45.5034722°"}, {F::d7, "45.5034722"}}},
    {"s1PointTypedCommaShown", C, {{F::d1, "45°"}, {F::m1, "30'"}}, F::s1, "12.5",
     {{F::s1, "12,5\""}, {F::m3, "30,20833'"}, {F::d5, "45,5034722°"}, {F::d7, "45,5034722"}}},
    {"s1Paris", P, {{F::d1, "48°"}, {F::m1, "51'"}}, F::s1, "30.132",
     {{F::s1, "30.132\""}, {F::m3, "51.5022'"}, {F::d5, "48.85837°"}, {F::d7, "48.85837"}}},
    {"s1MinutesSumIsNotRoundedAgain", P, {{F::d1, "0°"}, {F::m1, "1'"}}, F::s1, "1.162",
     {{F::s1, "1.162\""}, {F::m3, "1.0193699999999999'"}, {F::d5, "0.0169894°"},
      {F::d7, "0.0169894"}}},
    {"s1TinyValueInExponentForm", C, {{F::d1, "0°"}, {F::m1, "0'"}}, F::s1, "0,18",
     {{F::s1, "0,18\""}, {F::m3, "0,003'"}, {F::d5, "5e-05°"}, {F::d7, "5e-05"}}},
    {"s1SixtyIsKept", P, {{F::d1, "45°"}, {F::m1, "59'"}}, F::s1, "60",
     {{F::s1, "60.0\""}, {F::m3, "60.0'"}, {F::d5, "46.0°"}, {F::d7, "46.0"}}},
    {"d2ChainsOnTheLongitudeHalf", P, {{F::m2, "20'"}, {F::s2, "30\""}}, F::d2, "73",
     {{F::d2, "73°"}, {F::d4, "73°"}, {F::s2, "30.0\""}, {F::m4, "20.5'"},
      {F::d6, "73.3416667°"}, {F::d8, "73.3416667"}}},
    // ddd_mmmmm
    {"d3ChainsToM3", P, {{F::m3, "30.25'"}}, F::d3, "45",
     {{F::d3, "45°"}, {F::d1, "45°"}, {F::m1, "30'"}, {F::s1, "15.0\""},
      {F::d5, "45.5041667°"}, {F::d7, "45.5041667"}}},
    {"m3NearSixty", P, {{F::d3, "12°"}}, F::m3, "59.99999",
     {{F::m3, "59.99999'"}, {F::m1, "59'"}, {F::s1, "59.999\""}, {F::d5, "12.9999997°"},
      {F::d7, "12.9999997"}}},
    {"m3EndedEmpty", P, {{F::d3, "12°"}, {F::m3, "5.0'"}}, F::m3, "",
     {{F::m3, "0.0'"}, {F::m1, "0'"}, {F::s1, "0.0\""}, {F::d5, "12.0°"}, {F::d7, "12.0"}}},
    {"m3LonePointShowsTheOldValue", P, {{F::d3, "45°"}, {F::m3, "30.25'"}}, F::m3, ".",
     {{F::m1, "30'"}, {F::s1, "15.0\""}, {F::d5, "45.5041667°"}, {F::d7, "45.5041667"}}},
    // dddddddd1 and dddddddd2
    {"d5Splits", P, {}, F::d5, "45.5041667",
     {{F::d5, "45.5041667°"}, {F::d7, "45.5041667"}, {F::d1, "45°"}, {F::m1, "30'"},
      {F::s1, "15.0\""}, {F::d3, "45°"}, {F::m3, "30.25'"}}},
    {"d5SecondsCarryIntoMinutes", P, {}, F::d5, "10.1",
     {{F::d5, "10.1°"}, {F::d7, "10.1"}, {F::d1, "10°"}, {F::m1, "6'"}, {F::s1, "0.0\""},
      {F::d3, "10°"}, {F::m3, "6.0'"}}},
    {"d5CarryReachesTheDegrees", P, {}, F::d5, "45.9999999",
     {{F::d5, "45.9999999°"}, {F::d7, "45.9999999"}, {F::d1, "46°"}, {F::m1, "0'"},
      {F::s1, "0.0\""}, {F::d3, "45°"}, {F::m3, "59.99999'"}}},
    {"d5FoldedDigitsCarryBothRows", P, {}, F::d5, "4599999999",
     {{F::d5, "45.99999999°"}, {F::d7, "45.99999999"}, {F::d1, "46°"}, {F::m1, "0'"},
      {F::s1, "0.0\""}, {F::d3, "46°"}, {F::m3, "0.0'"}}},
    {"d5FoldsTypedDigits", P, {}, F::d5, "123",
     {{F::d5, "12.3°"}, {F::d7, "12.3"}, {F::d1, "12°"}, {F::m1, "18'"}, {F::s1, "0.0\""},
      {F::d3, "12°"}, {F::m3, "18.0'"}}},
    {"d7CommaMode", C, {}, F::d7, "48.8583701",
     {{F::d7, "48,8583701"}, {F::d5, "48,8583701°"}, {F::d1, "48°"}, {F::m1, "51'"},
      {F::s1, "30,132\""}, {F::d3, "48°"}, {F::m3, "51,50221'"}}},
    {"d5EndedEmptyComma", C, {{F::d5, "3,5°"}}, F::d5, "",
     {{F::d5, "0,0°"}, {F::d7, "0,0"}, {F::d1, "0°"}, {F::m1, "0'"}, {F::s1, "0,0\""},
      {F::d3, "0°"}, {F::m3, "0,0'"}}},
    {"d8EndedEmpty", P, {{F::d8, "3.5"}}, F::d8, "",
     {{F::d8, "0.0"}, {F::d6, "0.0°"}, {F::d2, "0°"}, {F::m2, "0'"}, {F::s2, "0.0\""},
      {F::d4, "0°"}, {F::m4, "0.0'"}}},
    {"d6LongitudeLimit", P, {}, F::d6, "1800",
     {{F::d6, "180.0°"}, {F::d8, "180.0"}, {F::d2, "180°"}, {F::m2, "0'"}, {F::s2, "0.0\""},
      {F::d4, "180°"}, {F::m4, "0.0'"}}},
    {"d8FoldsComma", C, {}, F::d8, "181",
     {{F::d8, "18,1"}, {F::d6, "18,1°"}, {F::d2, "18°"}, {F::m2, "6'"}, {F::s2, "0,0\""},
      {F::d4, "18°"}, {F::m4, "6,0'"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, ConversionTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

// ---- Texts that do not parse, tags, Clear, toggles ---------------------------------------

Form& withLatitude(Form& form) {
    form.view.setText(F::d1, "45" + kDeg);
    form.view.setText(F::m1, "30'");
    form.view.setText(F::s1, "15" + kSec);
    form.view.setText(F::m3, "30.25'");
    form.controller.readFieldValues();
    return form;
}

TEST(Conversion, UnreadableWholeDegreesOrMinutesShowTheLastGoodValue) {
    struct Edit {
        FieldId field;
        Utf16Range erase;
        std::u16string typed;
        std::string shownAfter; // by the field, and by d3 for d1
    };
    const Edit edits[] = {
        {F::d1, {1, 1}, u"6", "45" + kDeg}, // "4°6": the last char goes, "4°" does not parse
        {F::d1, {0, 2}, u"", "45" + kDeg},  // "°" alone
        {F::m1, {0, 2}, u"", "30'"},        // "'" alone
    };
    for (const Edit& e : edits) {
        Form form;
        withLatitude(form).view.beginEditing(e.field);
        ASSERT_TRUE(form.key(e.field, e.erase, u""));
        if (!e.typed.empty()) {
            ASSERT_TRUE(form.key(e.field, {toUtf16(form[e.field]).size(), 0}, e.typed));
        }
        form.view.endEditing(e.field);
        EXPECT_EQ(form[e.field], e.shownAfter) << info(e.field).name;
        if (e.field == F::d1) {
            EXPECT_EQ(form[F::d3], "45" + kDeg);
        }
        EXPECT_EQ(form[F::d5], "45.5041667" + kDeg) << "converted with the last good value";
    }
}

TEST(Conversion, ATagOutsideTheFieldsOnlyRefreshesTheStoredValues) {
    for (const int tag : {-1, 14, 1000}) {
        Form form;
        withLatitude(form).view.setText(F::d1, "12" + kDeg);
        std::array<std::string, kFieldCount> before;
        for (const FieldInfo& f : kFields)
            before[f.tag] = form[f.id];
        form.controller.convertFromField(tag);
        for (const FieldInfo& f : kFields)
            EXPECT_EQ(form[f.id], before[f.tag]) << tag;
        EXPECT_EQ(form.controller.storedValue(F::d1), 12) << tag;
    }
}

TEST(Conversion, ActiveFieldOutlivesItsEditing) {
    Form form;
    EXPECT_EQ(form.controller.activeField(), std::nullopt);
    ASSERT_TRUE(form.enter(F::m3, "5"));
    EXPECT_EQ(form.controller.activeField(), F::m3);
    // The filter still judges by m3: seven digits without a separator.
    EXPECT_EQ(form.controller.shouldChangeCharacters(u"123456", {6, 0}, u"7"),
              FilterDecision::accept);
}

TEST(Clear, EmptiesTheFormAndForgetsTheValues) {
    Form form;
    ASSERT_TRUE(form.type(F::d1, "45"));
    ASSERT_TRUE(form.type(F::m1, "12"));
    ASSERT_TRUE(form.enter(F::s1, "30"));
    ASSERT_EQ(form[F::d5], "45.2083333" + kDeg);
    form.view.setAccuracyText("5 m");
    form.view.setSelectedIndex(SelectorId::c1, 1);
    form.settings.setInteger("c1", 1);

    form.controller.clearButtonAction();
    for (const FieldInfo& f : kFields)
        EXPECT_EQ(form[f.id], "") << f.name;
    EXPECT_EQ(form.view.accuracyText(), "");
    EXPECT_EQ(form.view.selectedIndex(SelectorId::c1), 1);
    EXPECT_EQ(form.settings.integerForKey("c1"), 1);

    // Seconds typed into the empty form combine with 0 degrees and 0 minutes.
    ASSERT_TRUE(form.enter(F::s1, "15"));
    EXPECT_EQ(form[F::m3], "0.25'");
    EXPECT_EQ(form[F::d5], "0.0041667" + kDeg);
    EXPECT_EQ(form[F::d7], "0.0041667");
    EXPECT_EQ(form[F::d1], "");
    EXPECT_EQ(form[F::m1], "");

    form.view.setAccuracyText("8 m");
    form.controller.clearButtonAction(); // nothing to empty but the label
    EXPECT_EQ(form.view.accuracyText(), "");
}

// Records the settings writes in order.
class RecordingStore final : public SettingsStore {
public:
    int integerForKey(std::string_view key) const override { return inner.integerForKey(key); }
    void setInteger(std::string_view key, int value) override {
        writes.push_back(std::string(key) + "=" + std::to_string(value));
        inner.setInteger(key, value);
    }
    std::optional<std::string> stringForKey(std::string_view key) const override {
        return inner.stringForKey(key);
    }
    void setString(std::string_view key, std::string_view value) override {
        inner.setString(key, value);
    }
    MemorySettingsStore inner;
    std::vector<std::string> writes;
};

struct ToggleForm {
    MemoryFormView view;
    RecordingStore store;
    FixedNumberFormat format{DecimalMode::point};
    FormController controller{view, store, format};
    std::array<int, kSelectorCount> indices() const {
        std::array<int, kSelectorCount> out{};
        for (const SelectorInfo& s : kSelectors)
            out[indexOf(s.id)] = view.selectedIndex(s.id);
        return out;
    }
};

TEST(Toggles, AlignTheHalfAndStoreItsFourKeys) {
    ToggleForm form;
    form.view.setText(F::d5, "12.5" + kDeg);
    form.view.setSelectedIndex(SelectorId::c5, 1);
    form.controller.changeNS(SelectorId::c5);
    EXPECT_EQ(form.indices(), (std::array<int, kSelectorCount>{1, 0, 1, 0, 1, 0, 1, 0}));
    EXPECT_EQ(form.store.writes, (std::vector<std::string>{"c1=1", "c3=1", "c5=1", "c7=1"}));
    EXPECT_EQ(form.view.text(F::d5), "12.5" + kDeg);

    for (const SelectorId c : selectorsOfHalf(Half::longitude))
        form.view.setSelectedIndex(c, 1);
    form.store.writes.clear();
    form.view.setSelectedIndex(SelectorId::c2, 0);
    form.controller.changeEW(SelectorId::c2);
    EXPECT_EQ(form.indices(), (std::array<int, kSelectorCount>{1, 0, 1, 0, 1, 0, 1, 0}));
    EXPECT_EQ(form.store.writes, (std::vector<std::string>{"c2=0", "c4=0", "c6=0", "c8=0"}));
}

TEST(Toggles, RestoreReadsEachSelectorFromItsOwnKey) {
    ToggleForm form;
    form.controller.restoreSelectors();
    EXPECT_EQ(form.indices(), (std::array<int, kSelectorCount>{}));

    const std::pair<const char*, const char*> stored[] = {{"c1", "1"},  {"c3", "0"},   {"c5", "2"},
                                                          {"c7", "-1"}, {"c4", "abc"}, {"c6", "1"},
                                                          {"c8", "0.5"}};
    for (const auto& [key, value] : stored)
        form.store.inner.setRaw(key, value);
    form.controller.restoreSelectors();
    EXPECT_EQ(form.indices(), (std::array<int, kSelectorCount>{1, 0, 0, 0, 1, 1, 1, 0}));
    EXPECT_TRUE(form.store.writes.empty());

    form.controller.changeNS(SelectorId::c3); // the next toggle aligns all four
    EXPECT_EQ(form.indices(), (std::array<int, kSelectorCount>{0, 0, 0, 0, 0, 1, 0, 0}));
}

// ---- MemoryFormView's editing contract ---------------------------------------------------

struct EventLog final : FieldEditingDelegate {
    explicit EventLog(const MemoryFormView& v) : view(v) {}
    void textFieldDidBeginEditing(FieldId f) override { record("begin ", f); }
    void textFieldDidEndEditing(FieldId f) override { record("end ", f); }
    void record(const char* what, FieldId f) {
        const auto editing = view.editingField();
        events.push_back(what + std::string(info(f).name) + " editing " +
                         (editing ? std::string(info(*editing).name) : "none"));
    }
    const MemoryFormView& view;
    std::vector<std::string> events;
};

TEST(MemoryFormView, BeginningAnotherFieldEndsTheFirstThenBegins) {
    MemoryFormView view;
    EventLog log(view);
    view.setDelegate(&log);
    view.beginEditing(F::d1);
    view.setText(F::d1, "45"); // a write from code runs no handler
    view.beginEditing(F::d1);  // already being edited: nothing
    view.beginEditing(F::m1);
    view.endEditing(F::d1); // not being edited: nothing
    view.endEditing(F::m1);
    EXPECT_EQ(log.events, (std::vector<std::string>{"begin d1 editing d1", "end d1 editing none",
                                                    "begin m1 editing m1", "end m1 editing none"}));
    EXPECT_FALSE(view.isEditing(F::m1));
    EXPECT_EQ(view.text(F::d1), "45");
}

} // namespace
} // namespace quorvane::test
