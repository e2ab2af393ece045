// Pasting a whole position on the converter: the fill, the refusal that changes nothing, Undo.
#include "form_harness.h"
#include "screens/main/position_paste.h"

#include <array>
#include <string>

namespace quorvane::test {
namespace {

struct Shown {
    std::array<std::string, kFieldCount> texts;
    std::array<int, kSelectorCount> selectors{};
    bool operator==(const Shown&) const = default;
};

Shown shown(const Form& form) {
    Shown s;
    for (const FieldInfo& f : kFields)
        s.texts[indexOf(f.id)] = form[f.id];
    for (const SelectorInfo& c : kSelectors)
        s.selectors[indexOf(c.id)] = form.view.selectedIndex(c.id);
    return s;
}

TEST(PositionPaste, FillsEveryNotationAndUndoPutsTheFormBack) {
    Form form;
    PositionPaste paste(form.controller);
    ASSERT_TRUE(form.enter(FieldId::d7, "10.5"));
    const Shown before = shown(form);

    // The hemisphere of a negative zero is kept: -0° 0.0' is South.
    EXPECT_EQ(paste.paste("-0° 0.0', -2° 17.5'").result, PasteResult::filled);
    EXPECT_EQ(form[FieldId::d7], "0.0");
    EXPECT_EQ(form[FieldId::d8], "2.2916667");
    EXPECT_EQ(form[FieldId::m4], "17.5'");
    for (const SelectorInfo& c : kSelectors)
        EXPECT_EQ(form.view.selectedIndex(c.id), 1) << c.name;
    EXPECT_EQ(form.view.editingField(), std::nullopt);
    EXPECT_EQ(form.controller.storedValue(FieldId::d8), 2.2916667);

    ASSERT_TRUE(paste.canUndo());
    paste.undo();
    EXPECT_TRUE(shown(form) == before);
    EXPECT_EQ(form.controller.storedValue(FieldId::d7), 10.5);
    EXPECT_FALSE(paste.canUndo());
}

TEST(PositionPaste, ANonPositionChangesNothingAndSaysWhy) {
    Form form;
    PositionPaste paste(form.controller);
    ASSERT_TRUE(form.enter(FieldId::d5, "45.5"));
    const Shown before = shown(form);
    const PasteOutcome outcome = paste.paste("45.5 O, 73.25 E");
    EXPECT_EQ(outcome.result, PasteResult::refused);
    EXPECT_NE(outcome.message.find("\"O\" is East in German"), std::string::npos);
    EXPECT_TRUE(shown(form) == before);
    EXPECT_FALSE(paste.canUndo());
}

} // namespace
} // namespace quorvane::test
