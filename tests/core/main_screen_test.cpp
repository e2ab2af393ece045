// The main screen's controller over in-memory platform parts: navigation between fields, Done,
// placeholders, and the output actions as the screen runs them.
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using F = FieldId;

// Previous and Next stay inside the field's notation, in this order, and never wrap.
TEST(MainScreen, PreviousAndNextFollowTheNotationsRows) {
    const std::vector<std::vector<FieldId>> rows{{F::d1, F::m1, F::s1, F::d2, F::m2, F::s2},
                                                 {F::d3, F::m3, F::d4, F::m4},
                                                 {F::d5, F::d6},
                                                 {F::d7, F::d8}};
    fakes::Screen s;
    s.controller.nextButtonAction(); // nothing is being edited: nothing happens
    EXPECT_EQ(s.view.editingField(), std::nullopt);
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            s.view.beginEditing(row[i]);
            s.controller.nextButtonAction();
            EXPECT_EQ(s.view.editingField(), row[std::min(i + 1, row.size() - 1)]);
            s.view.beginEditing(row[i]);
            s.controller.previousButtonAction();
            EXPECT_EQ(s.view.editingField(), row[i == 0 ? 0 : i - 1]);
        }
}

// Placeholders show the digits with the user's decimal separator and the notation's unit mark.
TEST(MainScreen, PlaceholdersUseTheUsersSeparator) {
    fakes::Screen s;
    EXPECT_EQ(s.controller.placeholderText(F::s1), "ss.sss\"");
    s.format.setMode(DecimalMode::comma);
    EXPECT_EQ(s.controller.placeholderText(F::s1), "ss,sss\"");
    EXPECT_EQ(s.controller.placeholderText(F::d8), "ddd,ddddddd");
}

// Copy, Open in Maps and Share end the edit in progress first: they act on the converted form.
// Without a complete position they refuse, say which half is missing and write nothing.
TEST(MainScreen, OutputActionsHandOutOnlyACompletePosition) {
    fakes::Screen s;
    for (const OutputOutcome& outcome : {s.controller.copyNotation(Notation::ddd_mm_sss),
                                         s.controller.openMaps(), s.controller.share()})
        EXPECT_EQ(outcome.message, "Fill in latitude and longitude first.");
    s.view.beginEditing(F::d5);
    s.view.setText(F::d5, "45.5");
    EXPECT_EQ(s.controller.copyNotation(Notation::ddd_mmmmm).message,
              "Fill in the longitude first.");
    EXPECT_EQ(s.view.editingField(), std::nullopt);
    EXPECT_EQ(s.view.text(F::d2), ""); // nothing written into the empty half
    s.view.beginEditing(F::d8);
    s.view.setText(F::d8, "7.25");
    s.controller.openMaps();
    s.view.beginEditing(F::d7);
    s.view.setText(F::d7, "1.5");
    s.controller.share();
    s.view.setText(F::d8, "7.25\u00B0"); // no URL parser takes it: the action ends silently
    s.controller.openMaps();
    EXPECT_TRUE(s.out.copied.empty());
    EXPECT_EQ(s.out.opened,
              std::vector<std::string>{"https://maps.apple.com/maps?daddr=45.5,7.25"});
    EXPECT_EQ(s.out.shared,
              std::vector<std::string>{"1.5, 7.25|https://maps.apple.com/maps?daddr=1.5,7.25"});
}

// Decimal degrees beyond 90 or 180 mark every field of their half, and the output actions
// refuse the position, naming the value and its range. Up to the limit nothing is marked.
TEST(MainScreen, PositionOutOfRangeIsMarkedAndNotHandedOut) {
    const std::string latitude = "Latitude 90.5\u00B0 is out of range (0\u00B0 to 90\u00B0).";
    const std::string longitude = "Longitude 180.25\u00B0 is out of range (0\u00B0 to 180\u00B0).";
    const std::tuple<std::vector<std::pair<FieldId, std::string>>, std::string, std::string>
        cases[] = {
            {{{F::d1, "90"}, {F::m1, "30"}, {F::s1, "0"}, {F::d8, "1"}}, latitude, ""},
            {{{F::d1, "90"},
              {F::m1, "30"},
              {F::s1, "0"},
              {F::d2, "179"},
              {F::m2, "75"},
              {F::s2, "0"}},
             latitude,
             longitude},
            {{{F::d7, "90"}, {F::d8, "180"}}, "", ""},
        };
    for (const auto& [typed, latitudeMark, longitudeMark] : cases) {
        fakes::Screen s;
        for (const auto& [field, text] : typed)
            s.type(field, text);
        const auto& marks = s.out.decorations.rangeWarnings;
        for (const FieldInfo& f : kFields)
            EXPECT_EQ(marks[indexOf(f.id)], f.half == Half::latitude ? latitudeMark : longitudeMark)
                << f.name;
        const std::string refusal =
            latitudeMark + (longitudeMark.empty() ? "" : " ") + longitudeMark;
        for (const OutputOutcome& outcome : {s.controller.copyNotation(Notation::dddddddd2),
                                             s.controller.openMaps(), s.controller.share()}) {
            EXPECT_EQ(outcome.result,
                      refusal.empty() ? OutputResult::handedOut : OutputResult::refused);
            EXPECT_EQ(outcome.message, refusal);
        }
        EXPECT_EQ(s.out.copied.size() + s.out.opened.size() + s.out.shared.size(),
                  refusal.empty() ? 3U : 0U);
    }
}

} // namespace
} // namespace quorvane
