#include "screens/main/keyboard_inset.h"

#include <algorithm>

namespace quorvane {

double keyboardCover(VerticalSpan view, std::optional<VerticalSpan> keyboard) {
    if (!keyboard || keyboard->bottom <= keyboard->top) return 0;
    const double coveredTop = std::max(view.top, keyboard->top);
    const double coveredBottom = std::min(view.bottom, keyboard->bottom);
    // The keyboard rises from the bottom edge: all of the view below its top edge is hidden.
    if (coveredBottom <= coveredTop) return 0;
    return view.bottom - coveredTop;
}

double editingInset(double keyboardCover, double barHeight) {
    return keyboardCover + barHeight + kKeyboardInsetMargin;
}

double contentYShowing(VerticalSpan field, double contentY, double viewHeight, double inset) {
    const double visibleHeight = viewHeight - inset;
    if (field.top - kFieldScrollMargin < contentY)
        return std::max(0.0, field.top - kFieldScrollMargin);
    if (field.bottom + kFieldScrollMargin > contentY + visibleHeight)
        return field.bottom + kFieldScrollMargin - visibleHeight;
    return contentY;
}

} // namespace quorvane
