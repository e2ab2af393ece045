// The keystroke filter of the grid reference fields: what the references hold (ASCII letters and
// digits, blanks, and "+" in a Plus Code, "." in UTM metres), up to the longest text the
// system's reader takes. A change that only removes characters is always accepted.
#pragma once

#include "core/keystroke_filter.h"
#include "grid_reference.h"

#include <string_view>

namespace quorvane::grid {

FilterDecision filterGridKeystroke(GridSystem system, std::u16string_view current, Utf16Range range,
                                   std::u16string_view replacement);

} // namespace quorvane::grid
