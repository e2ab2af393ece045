// Reading a position written in one of the form's four notations, as one line of text.
//
// The accepted text is what the copy action writes, with some slack:
//
//   45° 30' 15" N, 73° 20' 30" W        degrees, minutes and seconds, hemisphere letters
//   45° 30.25' N, 73° 20.5' W           degrees and decimal minutes, hemisphere letters
//   45.5041667° N, 73.3416667° W        decimal degrees, hemisphere letters
//   -45.5041667, 73.3416667             signed decimal degrees ("-" is South or West)
//
// - Unit marks (° ' ") may be left out; where given, each must suit its place: "°" after the
//   degrees, "'" after the minutes, '"' after the seconds. 45 30 15 N, 73 20 30 W is the first
//   line above; 45°30'15"N,73°20'30"W too.
// - Blanks (spaces, tabs) may be added or left out between the pieces, not inside a number.
// - The hemisphere letter (N S E W, either case) follows the numbers of its half. One number
//   with a letter is decimal degrees; one number without a letter is signed decimal degrees
//   (an optional "-" or "+" straight before it). Two or three numbers need a letter.
// - Decimal separator: "." or ",". A comma with a digit directly on each side (30,25) is a
//   decimal comma when another comma separates the halves. When the text holds no other comma,
//   that single comma separates the halves instead (-45.5,73.25 and 45,73 are two halves).
//   Two or more commas between digits and no other comma are ambiguous and refused: write ", "
//   (comma and blank) between the halves.
// - Numbers: digits with at most one separator (12. and .5 included) and, where decimals are
//   allowed, an exponent as the form writes very small values (5e-05, 1.5e-05).
// - Ranges: latitude 0 to 90 and longitude 0 to 180 degrees in all (so 90° 0' 1" N is refused);
//   whole degrees and whole minutes are digits only; minutes and seconds go from 0 to 60, and
//   whole minutes with their seconds make at most 60 minutes (60' 0" and 59' 60" are taken,
//   60' 1" is not). 60 is accepted because the form itself writes a rounded 60
//   (45° 59' 59.9999" N shows as 45° 60.0' N, and that as 45° 60' 0.0" N), and what the
//   program writes must read back.
//
//   refused:  ""                        no position
//             "45.5"                    no longitude (no comma between the halves)
//             "45,5,73,25"              ambiguous commas
//             "-45° 30' N, 73° W"       a sign in a notation that uses letters
//             "45° 30' X, 73° 20' W"    unknown hemisphere letter
//             "45° 30' E, 73° 20' N"    E is no latitude hemisphere
//             "45 30, 73 20"            two numbers without a hemisphere letter
//             "45° 30' N, 73.5° W"      the halves in different notations
//             "91, 10"  "45° 61' N, ..."  "45° 60' 1" N, ..."  out of range
//             "45.5° 30' N, ..."        whole degrees written with decimals
//             "30' 45° N, ..."          marks out of place
//             "45 # 30 N, ..."          stray characters
//
// The reader reports through its result (no exceptions) and allocates nothing; the message of
// a refusal is built only on request.
#pragma once

#include "core/form_model.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

// At most this many numbers make a half: degrees, minutes, seconds.
inline constexpr std::size_t kMaxNumbersPerHalf = 3;

// Range of the values as they are entered.
inline constexpr double kMaxLatitudeDegrees = 90;
inline constexpr double kMaxLongitudeDegrees = 180;
inline constexpr double kMaxSexagesimal = 60; // minutes and seconds, 60 included

enum class PositionError : std::uint8_t {
    none,
    empty,               // nothing but blanks
    noHalvesSeparator,   // no comma between latitude and longitude
    ambiguousCommas,     // several commas between digits and none that separates the halves
    tooManySeparators,   // more than one comma that separates the halves
    emptyHalf,           // a half without any number
    strayCharacter,      // a character that belongs nowhere
    misplacedSign,       // a sign that is not straight before the first number of a half
    badNumber,           // digits and separators that make no number (1.2.3, 1e999)
    misplacedMark,       // a unit mark that does not suit its place
    tooManyNumbers,      // more than three numbers in a half
    unknownHemisphere,   // a letter word that is no hemisphere of its half
    missingHemisphere,   // two or three numbers without a hemisphere letter
    signWithLetter,      // a signed number in a notation that uses letters
    wholeNumberExpected, // whole degrees or whole minutes written with decimals or an exponent
    outOfRange,          // a value outside its range
    mixedNotations,      // the halves are written in different notations
};

// What the error concerns: the place in the text and the half it was found in.
enum class ErrorPart : std::uint8_t {
    text,
    latitude,
    longitude,
    latitudeDegrees,
    latitudeMinutes,
    latitudeSeconds,
    longitudeDegrees,
    longitudeMinutes,
    longitudeSeconds,
    latitudeMinutesAndSeconds,
    longitudeMinutesAndSeconds,
};

struct HalfReading {
    Hemisphere hemisphere = Hemisphere::northOrEast;
    // The numbers as written (sign excluded), pointing into the text that was read.
    std::array<std::string_view, kMaxNumbersPerHalf> numbers{};
    std::size_t count = 0;
};

struct PositionReading {
    PositionError error = PositionError::empty;
    Notation notation = Notation::dddddddd2;
    HalfReading latitude;
    HalfReading longitude;

    // Where the error is: the half or value it concerns, and the piece of text it is about.
    ErrorPart part = ErrorPart::text;
    std::string_view piece;
    // For mixedNotations: the other half's notation.
    Notation otherNotation = Notation::dddddddd2;

    constexpr bool ok() const { return error == PositionError::none; }
    constexpr const HalfReading& half(Half h) const {
        return h == Half::latitude ? latitude : longitude;
    }
};

// Reads one position. `text` must outlive the result (its numbers point into it).
PositionReading readPosition(std::string_view text) noexcept;

// A sentence saying what could not be read and what is allowed, e.g.
//   latitude 91.5 is out of range: latitude goes from 0 to 90 degrees
// Empty for a reading without error.
std::string describeError(const PositionReading& reading);

// The user's name of a notation, for messages and help ("degrees, minutes and seconds", ...).
std::string_view notationDescription(Notation notation);

} // namespace quorvane
