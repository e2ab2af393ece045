// The pieces the position reader's parts share: finishing a reading from the numbers of its
// halves, comparing readings, and the link readers. Internal to the reader.
#pragma once

#include "core/position_reader.h"

#include <array>
#include <string_view>

namespace quorvane::reading {

// One half as the text gives it: its hemisphere and its numbers (without sign or marks).
struct HalfInput {
    Hemisphere hemisphere = Hemisphere::northOrEast;
    std::array<std::string_view, kMaxNumbersPerHalf> numbers{};
    std::size_t count = 0;
    std::string_view whole; // the half's text, for messages
};

PositionReading failure(PositionError error, ErrorPart part, std::string_view piece) noexcept;

// Checks the numbers of both halves in their notation (whole degrees and minutes, ranges) and
// gives the reading with its point and precision, or the first fault.
PositionReading finish(Notation notation, const HalfInput& latitude,
                       const HalfInput& longitude) noexcept;

// Whether two readings are the same place within the precision of both.
bool agree(const PositionReading& a, const PositionReading& b) noexcept;

// Links: geo: URIs and the links of the maps sites, at the start of `text`.
bool startsWithLink(std::string_view text) noexcept;
// Reads a whole link (no blanks inside).
PositionReading readLink(std::string_view link) noexcept;

// Signed decimal degrees as links write them: [-+]digits[.digits]. The length read, 0 if none.
std::size_t signedDecimalLength(std::string_view text) noexcept;
// A position of two signed decimal numbers, e.g. from "-45.5" and "73.25".
PositionReading signedDecimalPosition(std::string_view latitude,
                                      std::string_view longitude) noexcept;

} // namespace quorvane::reading
