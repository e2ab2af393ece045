// Keeping the field being edited in sight while an on-screen keyboard covers part of the window.
//
// While a field is edited the form's scroll view gets a bottom inset: what the keyboard covers
// of the view, the editing bar above the keyboard, and a margin. The form then scrolls, as
// little as it can, so that the field lies in the part of the view left uncovered. Keyboards
// that report where they are give their rectangle; phone shells that shrink the window for their
// keyboard instead give none, and the view itself gets shorter.
#pragma once

#include <optional>

namespace quorvane {

// A stretch from top to bottom in one coordinate system, y growing downwards.
struct VerticalSpan {
    double top = 0;
    double bottom = 0;
};

// Room between the field being edited and the editing bar when the form scrolls to it.
inline constexpr double kKeyboardInsetMargin = 10;
// Room kept above or below a field the form scrolls to.
inline constexpr double kFieldScrollMargin = 12;

// How much of `view` a keyboard covers from below: 0 without a keyboard or when it lies beside
// the view, at most the view's height.
double keyboardCover(VerticalSpan view, std::optional<VerticalSpan> keyboard);

// The scroll view's bottom inset while a field is edited: the keyboard's cover, the editing bar
// and the margin.
double editingInset(double keyboardCover, double barHeight);

// The scroll position (the content's y at the top of the view) that shows `field`, given in
// content coordinates, within the view's height less the inset: `contentY` when the field is
// already in sight, otherwise the nearest position that brings it in with its margin.
double contentYShowing(VerticalSpan field, double contentY, double viewHeight, double inset);

} // namespace quorvane
