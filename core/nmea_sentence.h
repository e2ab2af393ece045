// NMEA 0183 sentences as receivers write them: their fields and checksum, the rules of the
// fields of the sentences that carry a position or the time, and where a position sentence keeps
// its coordinates and says whether it has a fix. Shared by the position reader (a pasted
// sentence) and the replay of NMEA logs.
//
// The fields of GGA, RMC, GLL, VTG and ZDA are checked, whatever the talker (GP, GN, GL, ...):
//
//   broken:   minutes of 60 or more ("3375.0"), a sign on a field that has none ("-3352.1"),
//             latitude beyond 90 or longitude beyond 180 degrees, a hemisphere other than N/S
//             or E/W (or none beside a coordinate), a time beyond 23:59:60, a date or day that
//             does not exist, a course of 360 or more, a negative speed or dilution
//   kept:     empty fields (a receiver without a fix leaves them empty), negative altitudes,
//             sentences of other kinds, which carry no position
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane::nmea {

inline constexpr std::size_t kMaxFields = 24;

struct Sentence {
    std::string_view body;                             // between "$" and "*" (or the line end)
    std::string_view checksum;                         // what follows "*", empty when there is none
    std::array<std::string_view, kMaxFields> fields{}; // [0] is the address, e.g. "GPGGA"
    std::size_t count = 0;

    // The three letters after the talker ("GGA"), empty when the address is shorter.
    std::string_view type() const;
};

// One sentence from its "$" (which may be left out) to its checksum; a line end ends it too.
Sentence splitSentence(std::string_view text) noexcept;

enum class Checksum : std::uint8_t { absent, matches, differs };
Checksum checkChecksum(const Sentence& sentence) noexcept;
// The two hexadecimal digits "*" should be followed by: the exclusive-or of the body's bytes.
std::array<char, 2> expectedChecksum(const Sentence& sentence) noexcept;

// The index of the first field that breaks its sentence's rules (see above), if any.
std::optional<std::size_t> firstBrokenField(const Sentence& sentence) noexcept;

// The coordinates of a GGA, RMC or GLL sentence, and whether it has a fix: a quality of 0
// (GGA), a status V (RMC, GLL), a mode N or empty coordinates mean none.
enum class Fix : std::uint8_t { valid, none };
struct PositionFields {
    std::string_view latitude; // DDMM.mmmm
    std::string_view latitudeSide;
    std::string_view longitude; // DDDMM.mmmm
    std::string_view longitudeSide;
    Fix fix = Fix::none;
};
std::optional<PositionFields> positionFields(const Sentence& sentence) noexcept;

} // namespace quorvane::nmea
