// Reading a position however people write or copy it: one reader for the command line, the
// app's start position, links and pasted text. It finds the ONE position in the text: words,
// labels, markup and punctuation around it are passed over; a text with none, or with two
// different ones, is refused with a message saying what was found. Where two readings of the
// same text compete, it is refused, never guessed.
//
// Grammar, by example. Each half (latitude, longitude) is one to three numbers (degrees, then
// minutes, then seconds) with an optional hemisphere before or after them:
//
//   48.858222°N 2.294500°E                decimal degrees, letters after the numbers
//   N 47° 28.350 W 122° 14.525            degrees and decimal minutes, letters before
//   51° 28′ 40.1″ N, 0° 0′ 5.3″ W         degrees, minutes and seconds, typographic marks
//   28:55:19N 77:23:14W                   colons between degrees, minutes and seconds
//   40-26-46.302N 079-58-55.903W          dashes, as marine and aviation notices write them
//   40° 26.7717, -79° 56.93172            a sign instead of a letter, on any notation
//   -0° 32.77', 10° 5'                    negative zero degrees: South (never lost)
//   40.4183318N74.6411133W                nothing between the halves where letters divide
//   (48.85833; 2.29444)   [1 / 2]         halves separated by , ; / or blanks, wrapped or not
//   27.15.45S 153.2.10E                   dotted degrees.minutes.seconds
//   4025.0999N 07438.4668W                packed DDMM.mmmm and DDDMM.mmmm (devices, NMEA)
//   402505.994N 0743828.008W              packed DDMMSS.sss and DDDMMSS.sss (flight plans)
//   4026N07958W   402646N0795856W         both halves packed in one word, as aviation does
//   40,446195° 79,948862°   38,7905625 -9,793281     decimal commas
//   E 44.4 N 33.3                         longitude first when the letters say so
//   40 26 46 N 79 58 56 W   40d 26m 46s N, 79d 58m 56s W   marks left out or as letters
//   48°51′30″N 2°17′40″E / 48.85833°N 2.29444°E / 48.85833; 2.29444   several notations
//
// Around the numbers (passed over, or read for what they say):
//
//   Latitude: 48.8583701 Longitude: 2.2944813    labels name their half, in any case, with
//   Lon 2.2944813, Lat. 48.8583701 "lat"="48.85"   : = . or quotes; a label names its half,
//   Lat/Lon: 48.85, 2.29   lon,lat: 2.29 48.85   so Lon first is longitude first; labels of
//                                                 both halves before the numbers (a header)
//                                                 name their order
//   Coordinates: 48.8584, 2.2945 Eiffel Tower    captions before, names and footnotes after
//   ... 45.8326 degrees North and 6.8652 degrees East.    prose naming the hemispheres
//   48.85 N and 48.8500 N ... / from A to B       positions written twice must agree
//   POINT(2.29 48.85)  LngLat(2.29, 48.85)  fromLonLat  LatLng(48.85, 2.29)
//                                                 code that names the order of its numbers
//   Words may stand before the position, after it, or between halves that name themselves
//   (a letter or label); among words each half needs a mark, decimals, a letter or a label.
//
// What copying brings along is cleaned first: zero-width characters, byte-order marks, soft
// hyphens, direction marks and superscript footnote digits are dropped; no-break, thin and
// other spaces are blanks; primes, apostrophes and accents (′ ’ ‘ ‛ ´ ʹ ʼ ‵) are minutes marks,
// double primes and quotation marks (″ ” “ ‟ ʺ ˝ ‶) seconds marks, º ˚ ⁰ degree marks;
// − ‐ ‑ ‒ – are "-"; full-width forms (１２．５) are ASCII; "\r\n" is a line break; "[1]"
// straight after a word or number is a footnote. A "*" straight after a number is the degree
// mark of some GPS units (N 48*51.500).
//
// Kinds of text read by their own rules (core/position_*.cpp), tried before the above:
//
//   geo:48.8583701,2.2944813;crs=wgs84;u=12?z=17   RFC 5870 geo: URI; as phones write it:
//   geo:0,0?q=48.85,2.29(Eiffel Tower)   geo:48.85, 2.29 Eiffel   geo:48.85%2C2.29
//   https://www.google.de/maps/place/.../@48.85,2.29,17z/data=...!3d48.8583701!4d2.2944813
//       maps links of Google (any country domain; place over view, search, directions' end,
//       loc:, letters and escapes in the query), Apple, OpenStreetMap (#map=, mlat/mlon,
//       route), Waze, Bing (cp, sp, rtp), HERE (map, /l/), Yandex and 2GIS (longitude
//       first), OsmAnd (pin, #zoom/lat/lon), Mapy.cz (x, y), GeoHack (params=48_51_29.6_N...);
//       any other site only by lat= and lon= (or lng=, latitude=, longitude=, mlat=, mlon=)
//   $GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47   NMEA 0183 GGA, RMC,
//       GLL of any talker, other sentences passed over; a checksum must match; no fix (status
//       V, quality 0, mode N, empty coordinates) is refused
//   N0CALL>APRS,WIDE1-1:!4903.50N/07201.75W-   @092345z4903.50N/07201.75W>   APRS reports
//   <wpt lat="48.85" lon="2.29">  {"lat": 48.85, "lng": 2.29}  <latitude>48.85</latitude>
//       values named in JSON, GPX and other XML, each latitude with its longitude
//   <coordinates>2.29,48.85,0</coordinates>   {"type":"Point","coordinates":[2.29,48.85]}
//       KML and GeoJSON: longitude first, as their standards say
//   name,lat,lon⏎Eiffel,48.85,2.29    a table whose header line names the columns (, ; tab)
//   GPS Latitude : 48 deg 51' 30.13" N⏎GPS Longitude Ref : East⏎GPS Position : ...
//       photo metadata lines with their Ref lines; other lines passed over
//   31U 448251 5411952   31U DQ 48250 11951   8FW4V75V+8Q   JN18du   grid references (see
//       core/grid/grid_reference.h), also 17T 630084mE 4833438mN, 31U N 5411952 E 448251,
//       GeoConvert's 31n 448251 5411952 and n 2000000 2000000, 31U-DQ-48250-11951, and after
//       a caption (MGRS:, UTM, Locator); read as the centre of the square they name
//
// - Hemispheres: N S E W, north south east west, and the German and French words nord, süd,
//   sud, ost, est, ouest (any case). Either all halves carry their hemisphere before the
//   numbers or all after. "O" alone is East in German and West in French: refused.
// - Marks: degrees ° º ˚ * d deg degree(s) grad; minutes ' m min minute(s); seconds " '' s sec
//   second(s). Each must suit its place (° after the degrees, ...). They may be left out.
// - Signs: - + straight before the degrees; "-" is South or West. A sign never goes with a
//   hemisphere letter. A "-" between two whole numbers joins them (40-26-46N).
// - Numbers: whole degrees and minutes where more numbers follow; the last number may have
//   decimals, and an exponent as the form writes very small values (5e-05).
// - Decimal commas: a comma with a digit straight on each side is read both as a decimal
//   comma and as a separator; the text is taken when exactly one of the two readings works.
// - Unmarked numbers without letters or separators are split in the middle: 40 26 46 79 58 56
//   is two halves of three numbers, 40.5 -73.2 and 40.5 73.2 two of one.
// - Several positions (notations, a text and its link, the points of a track) must agree
//   within the precision they are written in; the first is the reading.
// - Ranges: latitude up to 90 and longitude up to 180 degrees; minutes and seconds up to 60
//   (a rounded 60 is what the form itself may write).
//
//   refused:  ""   "Eiffel Tower"             no position
//             "45.5"  "Latitude: 48.85"        no longitude
//             "46,8"  "10,10"                  one number with a decimal comma
//             "45,5,73,25"                     commas between digits: which one separates?
//             "0045.5N, 00073.25W"             decimal degrees or packed DDMM.mm: both work
//             "45.5 O, 73.25 E"                O is East or West, depending on the language
//             "-45° 30' N, 73° 20' W"          a sign together with a letter
//             "45° 30' E, 73° 20' W"           two longitudes
//             "Lat: 48.85 E, Lon: 2.29 N"      a label and a letter that disagree
//             "45 30 73"                       cannot tell where the latitude ends
//             "45° 30' N, 73.5° W"             the halves in different notations
//             "48.8583 2.2945 / 48.7 2.3"      the two positions disagree
//             "45.5 N 12, 73.2 W"              a stray number
//             "45 at 73"  "10 Downing Street"  words inside a position
//             "Apt 5, 12 Main St"              whole numbers without marks among words
//             "2024-03-15"  "Version 2.4.1"    dashed or dotted groups without letters
//             "+33 1 42 68 53 00"              "+" before unmarked groups: a phone number
//             "91, 10"  "45° 61' N, 10 E"      out of range
//             "geo:0,0?q=Paris"                a search, not a position
//             "$GPRMC,...,V,..."  "...*48"     a sentence without a fix, a wrong checksum
//             "33s 500000 4000000"             band S or southern hemisphere: both hold
//
// The reader throws nothing and allocates nothing; its result is a small struct whose numbers
// point into the text read (where the caller wrote a number differently from what was read, a
// zero-width character inside its digits, none are given and the point is entered as it is).
// The message of a refusal is built only on request.
//
// Further kinds of text are one more entry in the reader table of position_reader.cpp: a
// function that says whether it takes the text and one that reads it.
#pragma once

#include "core/form_model.h"
#include "core/grid/grid_reference.h"

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
    tooLong,             // more pieces than any position has
    missingHalf,         // one half only
    strayHalf,           // a number or half left over beside the position(s)
    unclearHalves,       // unmarked numbers that cannot be split into two halves
    ambiguousCommas,     // several commas between digits that make no reading or two
    ambiguousReadings,   // the text reads as two different positions
    ambiguousPacked,     // digits that read as decimal degrees and as packed DDMM / DDMMSS
    ambiguousLetter,     // "O": East in German, West in French
    emptyHalf,           // a separator without a number before or after it
    strayCharacter,      // a character that belongs nowhere
    misplacedSign,       // a sign that is not straight before the first number of a half
    badNumber,           // digits and separators that make no number (1.2.3.4.5, 1e999)
    misplacedMark,       // a unit mark that does not suit its place
    misplacedLetter,     // a hemisphere letter on the wrong side of its numbers
    tooManyNumbers,      // more than three numbers in a half
    unknownHemisphere,   // two latitudes or two longitudes
    missingHemisphere,   // one half with a hemisphere letter, the other without
    signWithLetter,      // a signed number in a half with a hemisphere letter
    wholeNumberExpected, // whole degrees or whole minutes written with decimals or an exponent
    outOfRange,          // a value outside its range
    mixedNotations,      // the halves are written in different notations
    readingsDisagree,    // several positions in the text that are not the same place
    unsupportedLink,     // a link that is no geo: URI or maps link this reader knows
    noPositionInLink,    // a link without coordinates (a search, a place name)
    badLink,             // a geo: URI that breaks its rules
    badGridReference,    // a text shaped like a grid reference that its system cannot read
    wordInside,          // a word between numbers that name no half ("45 at 73")
    unmarkedAmongWords,  // among words, whole numbers without marks or letters (an address)
    groupsWithoutLetters, // dashed or dotted groups without hemisphere letters (a date, a version)
    phoneNumber,         // "+" before unmarked groups of digits
    singleNumber,        // one number with a decimal comma ("46,8")
    labelDisagrees,      // a label and a hemisphere letter that name different halves
    badSentence,         // an NMEA sentence or APRS report that breaks its format
    badChecksum,         // an NMEA sentence whose checksum does not match
    noFix,               // an NMEA sentence without a fix
    noPositionSentence,  // NMEA sentences, none of them GGA, RMC or GLL
    onlyWords,           // words and punctuation, no numbers ("Eiffel Tower")
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
    // The numbers as written (sign excluded), pointing into the text that was read. A reading
    // of a kind without written numbers (a grid reference) leaves count at 0.
    std::array<std::string_view, kMaxNumbersPerHalf> numbers{};
    std::size_t count = 0;
};

struct GeoPoint {
    double latitude = 0;  // degrees, South negative
    double longitude = 0; // degrees, West negative
};

struct PositionReading {
    PositionError error = PositionError::empty;
    Notation notation = Notation::dddddddd2;
    HalfReading latitude;
    HalfReading longitude;
    GeoPoint point;       // the position read
    double precision = 0; // degrees: half a unit of the last digit written

    // Where the error is: the half or value it concerns, and the piece of text it is about.
    ErrorPart part = ErrorPart::text;
    std::string_view piece;
    // For mixedNotations: the other half's notation.
    Notation otherNotation = Notation::dddddddd2;
    // For ambiguousReadings and readingsDisagree: the two positions that compete.
    std::array<GeoPoint, 2> competing{};
    // A grid reference's own reading (not ok for any other text): it names the point finer
    // than `point`, which is rounded to seven decimals.
    grid::GridReading reference;

    constexpr bool ok() const { return error == PositionError::none; }
    constexpr const HalfReading& half(Half h) const {
        return h == Half::latitude ? latitude : longitude;
    }
    constexpr bool hasWrittenNumbers() const { return latitude.count > 0; }
};

// Reads one position. `text` must outlive the result (its numbers point into it).
PositionReading readPosition(std::string_view text) noexcept;

// The position a grid reference names (the centre of its cell, to seven decimals), carrying
// the reference's own reading. `reference` must have been read without error.
PositionReading positionOfReference(const grid::GridReading& reference) noexcept;

// A sentence saying what could not be read and what is allowed, e.g.
//   latitude "91.5" is out of range: latitude goes from 0 to 90 degrees
// Empty for a reading without error.
std::string describeError(const PositionReading& reading);

// The user's name of a notation, for messages and help ("degrees, minutes and seconds", ...).
std::string_view notationDescription(Notation notation);

} // namespace quorvane
