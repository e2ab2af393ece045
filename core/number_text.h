// Reading and writing numbers, independent of the process's C locale.
//
// parseDouble accepts exactly what the C library's strtod accepts in the "C" locale when it
// consumes the whole text, with two further refusals:
//
//   accepted:  "45"  "045"  "12."  ".5"  "12.5"  "-3"  "+3"  "5e-05"  "1E3"  "0x1p4"  "inf"  "nan"
//   refused:   ""  " 5" (leading white space)  "12,5" (a comma is no separator here)  "1.2.3"
//              "5°" (trailing characters)  "1e999" (too large)  "1e-999" (underflows)
//
// A "," is never a decimal separator for parseDouble; callers normalise before they call it.
// Nothing here reads or changes the process locale: a German LC_NUMERIC changes no answer.
//
// doubleText writes the shortest digits that read back as exactly the same double, with "." as
// separator, one decimal kept for whole values (45.0) and exponent form below 0.0001
// (0.00005 -> "5e-05", 0.000015 -> "1.5e-05").
#pragma once

#include "form_platform.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

enum class ParseError : std::uint8_t {
    none,
    empty,              // the text is empty
    leadingWhitespace,  // the first character is a blank or a control character strtod skips
    notANumber,         // nothing at the start of the text reads as a number
    trailingCharacters, // a number, followed by characters that are not part of it
    outOfRange,         // too large for a double
    underflow,          // a non-zero value too small for a double (1e-999, 0.000...1)
};

struct ParseResult {
    double value = 0;          // the number read; 0 unless error is none
    std::size_t consumed = 0;  // how many bytes the number took (the whole text on success)
    ParseError error = ParseError::empty;

    constexpr bool ok() const { return error == ParseError::none; }
};

// Never throws, never allocates for texts shorter than 64 bytes.
ParseResult parseDouble(std::string_view text) noexcept;

// A short number text held by value, so writing a number allocates nothing.
class NumberText {
public:
    std::string_view view() const { return {buffer_.data(), size_}; }
    operator std::string_view() const { return view(); } // NOLINT: a text is a text
    std::string str() const { return std::string(view()); }

    void append(std::string_view more);

private:
    std::array<char, 48> buffer_{};
    std::size_t size_ = 0;
};

// Shortest round-trip text of a double, "." as separator (see above). Non-finite values, which
// the form never writes, come out as "nan", "inf" and "-inf".
NumberText doubleText(double value);

// doubleText with every "." replaced by "," in comma mode.
NumberText localDoubleText(double value, DecimalMode mode);

// Decimal digits of a whole number, "-" when negative.
NumberText intText(std::int64_t value);

// The integer part of a double, toward zero. Where a C++ cast would be undefined (not a number,
// infinite, beyond the range of a 64-bit integer) it gives 0 or the nearest end of the range.
std::int64_t truncToInteger(double value);

// Nearest whole number, halves away from zero (round(2.5) is 3).
double roundHalfAway(double value);

} // namespace quorvane
