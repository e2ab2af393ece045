// The keystroke filter: every change the user is about to make to a field is put to it first.
//
// It keeps each field to ASCII digits, lets the fields that take decimals hold one "." or ","
// and caps the length of the resulting text by the field's tag (see kFieldKinds): 3 for whole
// degrees, 2 for whole minutes, 5 (6 with a separator) for seconds, 7 (8) for decimal minutes,
// 10 (11) for decimal degrees, 2 for an unknown tag or when no field is active.
//
//   accepted:  "4" into an empty d1;  "." into "12" in s1;  "345" pasted into an empty m3;
//              any deletion, even from a text longer than its limit
//   refused:   "." into d1;  "," into "12.3";  "a";  "-";  "12.5" pasted (refused whole);
//              a fourth digit in d1;  a range that lies outside the text
//
// Lengths and ranges are in UTF-16 code units, the unit of the platform's text input.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quorvane {

struct Utf16Range {
    std::size_t location = 0; // UTF-16 code units from the start of the current text
    std::size_t length = 0;
};

enum class FilterDecision : unsigned char { accept, refuse };

// activeTag: the tag of the field whose editing began last, or none.
FilterDecision filterKeystroke(std::optional<int> activeTag, std::u16string_view current,
                               Utf16Range range, std::u16string_view replacement);

} // namespace quorvane
