// Pasting a whole position: its numbers go into the notation they were written in, with the
// hemispheres as written. (Undo and refusals: screen_model_test.cpp.)
#include "form_harness.h"
#include "screens/main/position_paste.h"

namespace quorvane::test {
namespace {

TEST(PositionPaste, TypesTheNotationAsWrittenAndKeepsTheSignOfZero) {
    Form form;
    PositionPaste paste(form.controller);
    // The hemisphere of a negative zero is kept: -0° 0.0' is South.
    EXPECT_EQ(paste.paste("-0° 0.0', -2° 17.5'").result, PasteResult::filled);
    EXPECT_EQ(form[FieldId::d7] + " " + form[FieldId::m4] + " " + form[FieldId::d3],
              "0.0 17.5' 0°");
    for (const SelectorInfo& c : kSelectors)
        EXPECT_EQ(form.view.selectedIndex(c.id), 1) << c.name;
    EXPECT_EQ(form.controller.storedValue(FieldId::d8), 2.2916667);
}

} // namespace
} // namespace quorvane::test
