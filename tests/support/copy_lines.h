// The value a copy line shows, by arithmetic: degrees plus minutes over 60 plus seconds over
// 3600, negative for S, W or "-". Unlike the position reader, it takes whatever the form writes
// (90' included), so tests can hold every line to the position of the form.
#pragma once

#include "actions/output_texts.h"
#include "core/field_reading.h"
#include "core/number_text.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace quorvane::test {

inline double numberIn(std::string_view token) {
    const ParseResult r = parseDouble(holdsUnitMark(token) ? withoutLastCharacter(token) : token);
    EXPECT_TRUE(r.ok()) << "not a number: " << token;
    return r.value;
}

// "45° 30' 15.0\" S" -> -45.504166..., "-45.5" -> -45.5
inline double halfValue(std::string_view half, MarkerStyle style) {
    if (style == MarkerStyle::signs) return numberIn(half);
    double value = 0, unit = 1;
    std::size_t start = 0;
    for (std::size_t blank; (blank = half.find(' ', start)) != half.npos; start = blank + 1)
        value += numberIn(half.substr(start, blank - start)) * unit, unit /= 60;
    return half.substr(start) == "S" || half.substr(start) == "W" ? -value : value;
}

// The signed latitude and longitude a notation's copy line shows.
inline std::array<double, 2> lineValue(const FormView& view, Notation notation) {
    const std::string line = copyText(view, notation).line;
    const std::size_t comma = line.find(", ");
    const MarkerStyle style = info(notation).markers;
    return {halfValue(std::string_view(line).substr(0, comma), style),
            halfValue(std::string_view(line).substr(comma + 2), style)};
}

} // namespace quorvane::test
