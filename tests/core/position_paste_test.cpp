// Pasting a whole position on the converter: the fill, the refusal that changes nothing, Undo.
#include "form_harness.h"
#include "screens/main/position_paste.h"

#include <string>

namespace quorvane::test {
namespace {

// Every field's text, then every selector's index.
std::string shown(const Form& form) {
    std::string s;
    for (const FieldInfo& f : kFields)
        s += form[f.id] + "|";
    for (const SelectorInfo& c : kSelectors)
        s += std::to_string(form.view.selectedIndex(c.id));
    return s;
}

TEST(PositionPaste, FillsEveryNotationAndUndoPutsTheFormBack) {
    Form form;
    PositionPaste paste(form.controller);
    ASSERT_TRUE(form.enter(FieldId::d7, "10.5"));
    const std::string before = shown(form);

    // The hemisphere of a negative zero is kept: -0° 0.0' is South.
    EXPECT_EQ(paste.paste("-0° 0.0', -2° 17.5'").result, PasteResult::filled);
    EXPECT_EQ(form[FieldId::d7] + " " + form[FieldId::m4], "0.0 17.5'");
    EXPECT_EQ(shown(form).substr(shown(form).size() - kSelectorCount), "11111111");
    EXPECT_EQ(form.controller.storedValue(FieldId::d8), 2.2916667);

    ASSERT_TRUE(paste.canUndo());
    paste.undo();
    EXPECT_EQ(shown(form), before);
    EXPECT_EQ(form.controller.storedValue(FieldId::d7), 10.5);
    EXPECT_FALSE(paste.canUndo());

    EXPECT_EQ(paste.paste("45.5 O, 73.25 E").result, PasteResult::refused);
    EXPECT_EQ(shown(form), before);
    EXPECT_FALSE(paste.canUndo());
}

} // namespace
} // namespace quorvane::test
