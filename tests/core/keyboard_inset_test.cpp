// The field being edited stays in sight above the on-screen keyboard: the keyboard's cover of
// the form, the form's inset, and where the form scrolls to.
#include "screens/main/keyboard_inset.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

// A 360×720 window: the form's view below a 52-pixel header.
constexpr VerticalSpan kView{52, 720};

TEST(KeyboardInset, CoverFollowsTheKeyboardRectangle) {
    struct Case {
        const char* what;
        std::optional<VerticalSpan> keyboard;
        double cover;
    };
    const Case cases[] = {
        {"no keyboard", std::nullopt, 0},
        {"an empty rectangle (the shell shrinks the window instead)", VerticalSpan{720, 720}, 0},
        {"300 pixels from the bottom", VerticalSpan{420, 720}, 300},
        {"below the view", VerticalSpan{720, 1020}, 0},
        {"taller than the view", VerticalSpan{0, 720}, 668},
        {"floating above the bottom edge hides what lies below it", VerticalSpan{400, 600}, 320},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keyboardCover(kView, c.keyboard), c.cover) << c.what;
}

TEST(KeyboardInset, InsetAddsTheBarAndTheMargin) {
    EXPECT_EQ(editingInset(300, 0), 310);
    EXPECT_EQ(editingInset(300, 48), 358);
    EXPECT_EQ(editingInset(0, 48), 58); // a hardware keyboard: the bar alone
}

TEST(KeyboardInset, FormScrollsAsLittleAsShowsTheField) {
    // A 668-pixel view, 358 of them covered: 310 pixels of form in sight.
    constexpr double viewHeight = 668;
    constexpr double inset = 358;
    struct Case {
        const char* what;
        VerticalSpan field;
        double contentY;
        double expected;
    };
    const Case cases[] = {
        {"in sight: stays", {100, 138}, 0, 0},
        {"just above the cover: stays", {100, 286}, 0, 0},
        {"behind the keyboard: comes up above it", {500, 538}, 0, 240},
        {"scrolled past above: comes down with its margin", {100, 138}, 400, 88},
        {"near the top: no further than the start", {5, 43}, 200, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(contentYShowing(c.field, c.contentY, viewHeight, inset), c.expected) << c.what;
}

} // namespace
} // namespace quorvane
