// The position reader: which texts it takes, in which notation, and what it refuses, and why.
#include "app/position_reader.h"

#include <gtest/gtest.h>
#include <string>

namespace quorvane {
namespace {

// "ddd_mm_sss +45 30 15 -73 20 30": the notation, then each half's hemisphere (+ North or East,
// - South or West) and its numbers as written.
std::string summary(const PositionReading& r) {
    std::string out(info(r.notation).name);
    for (const HalfReading* h : {&r.latitude, &r.longitude}) {
        out += h->hemisphere == Hemisphere::northOrEast ? " +" : " -";
        for (std::size_t k = 0; k < h->count; ++k)
            out += (k ? " " : "") + std::string(h->numbers[k]);
    }
    return out;
}

TEST(PositionReader, ReadsNotationHemispheresAndNumbersAsWritten) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        // The four copy lines as the copy action writes them.
        {"45° 30' 15.0\" S, 73° 20' 30.0\" E", "ddd_mm_sss -45 30 15.0 +73 20 30.0"},
        {"45° 30.25' N, 73° 20.5' W", "ddd_mmmmm +45 30.25 -73 20.5"},
        {"45.5041667° N, 73.3416667° W", "dddddddd1 +45.5041667 -73.3416667"},
        {"-45.5041667, 73.3416667", "dddddddd2 -45.5041667 +73.3416667"},
        // Marks left out or in part, blanks varied, lower-case letters, leading zeros.
        {"45 30 15 N, 73 20 30 W", "ddd_mm_sss +45 30 15 -73 20 30"},
        {"45°30'15\"N,73°20'30\"W", "ddd_mm_sss +45 30 15 -73 20 30"},
        {"\t 45 ° 30 ' 15 s ,\t073 20 30\" e  ", "ddd_mm_sss -45 30 15 +073 20 30"},
        {"45.5 n, 73.25 w", "dddddddd1 +45.5 -73.25"},
        // Decimal commas beside the comma between the halves; a single comma separates them.
        {"45° 30,25' N, 73° 20,5' W", "ddd_mmmmm +45 30,25 -73 20,5"},
        {"-45,5,-73,25", "dddddddd2 -45,5 -73,25"},
        {"45,5 ,73,25", "dddddddd2 +45,5 +73,25"},
        {"-45.5,73.25", "dddddddd2 -45.5 +73.25"},
        {"45,73", "dddddddd2 +45 +73"},
        // Signs, bare separators, exponents, marks on signed degrees.
        {"+45.5, -73°", "dddddddd2 +45.5 -73"},
        {".5, 5.", "dddddddd2 +.5 +5."},
        {"5e-05, -1.5E-05", "dddddddd2 +5e-05 -1.5E-05"},
        {"0° 1e-05' N, 0° 0.5' E", "ddd_mmmmm +0 1e-05 +0 0.5"},
        // The ends of the ranges.
        {"90, -180", "dddddddd2 +90 -180"},
        {"90° 0' 0\" S, 180° 0' 0\" W", "ddd_mm_sss -90 0 0 -180 0 0"},
        {"89° 59' 60\" N, 179° 60' 0\" E", "ddd_mm_sss +89 59 60 +179 60 0"},
        {"89° 60' N, 179° 60.0' E", "ddd_mmmmm +89 60 +179 60.0"},
        {"-0, 0.0", "dddddddd2 -0 +0.0"},
    };
    // clang-format on
    for (const auto& [text, expected] : cases) {
        const PositionReading r = readPosition(text);
        EXPECT_EQ(r.ok() ? summary(r) : describeError(r), expected) << text;
    }
    const std::string text = "0." + std::string(300, '0') + "1, 1"; // long numbers are read whole
    const PositionReading r = readPosition(text);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.latitude.numbers[0].data(), text.data()); // numbers point into the text
    EXPECT_EQ(readPosition("1" + std::string(300, '0') + ", 1").error, PositionError::outOfRange);
}

struct RefusedCase {
    const char* text;
    PositionError error;
    std::string message; // the whole sentence describeError gives
};

using E = PositionError;
const std::string kMarks = "\"°\" follows the degrees, \"'\" the minutes and '\"' the seconds";
const std::string kSigned = "a sign stands straight before the only number of signed decimal "
                            "degrees, as in -45.5, 73.25";
const std::string kLetter = "the numbers are magnitudes and the letter gives the hemisphere, as "
                            "in 45° 30' S";

// clang-format off
const RefusedCase kRefused[] = {
    {" \t ", E::empty, "no position given"},
    {"45.5 N 73.25 W", E::noHalvesSeparator, "no \",\" between latitude and longitude (write LATITUDE, LONGITUDE)"},
    {"45,5,73,25", E::ambiguousCommas, "cannot tell which comma separates latitude and longitude: write \", \" (comma and blank) between them"},
    {"45, 30, 73", E::tooManySeparators, "more than one comma between latitude and longitude"},
    {", 73.5", E::emptyHalf, "no number in the latitude"},
    {"45.5 N, W", E::emptyHalf, "no number in the longitude"},
    {"45.5 N, 73.5 W \u00B1", E::strayCharacter, "unexpected character \"\u00B1\" in the longitude"},
    {"45 N 30, 73 W", E::strayCharacter, "unexpected \"30\" in the latitude: nothing follows the hemisphere letter"},
    {"N 45.5, 73.5 W", E::strayCharacter, "unexpected \"N\" in the latitude: one hemisphere letter follows the numbers, as in 45.5° N"},
    {"45.5, - 73.5", E::misplacedSign, ("misplaced sign \"-\" in the longitude: " + kSigned)},
    {"1.2.3, 4", E::badNumber, "\"1.2.3\" in the latitude is not a number"},
    {"45, 1e-999", E::badNumber, "\"1e-999\" in the longitude is not a number"},
    {"30' 45° N, 73° W", E::misplacedMark, ("misplaced unit mark \"30'\" in the latitude: " + kMarks)},
    {"45°° N, 73 W", E::misplacedMark, ("misplaced unit mark \"°\" in the latitude: " + kMarks)},
    {"45 30 15 5 N, 73 W", E::tooManyNumbers, "too many numbers in the latitude: \"5\" follows degrees, minutes and seconds"},
    {"45° 30' E, 73° 20' W", E::unknownHemisphere, "unknown hemisphere \"E\" in the latitude: latitude takes N or S"},
    {"45° 30' N, 73° 20' North", E::unknownHemisphere, "unknown hemisphere \"North\" in the longitude: longitude takes E or W"},
    {"45 30 N, 73 20", E::missingHemisphere, "\"73 20\" in the longitude needs a hemisphere letter after it (E or W); only a single number may be signed instead"},
    {"-45° 30' N, 73° 20' W", E::signWithLetter, ("signed number \"-45\" in the latitude with a hemisphere letter: " + kLetter)},
    {"45° 30' 15\" N, 73° 20,5' 30\" W", E::wholeNumberExpected, "minutes of longitude \"20,5\" must be a whole number (digits only) when more numbers follow"},
    {"4e1 30 N, 73 20 W", E::wholeNumberExpected, "degrees of latitude \"4e1\" must be a whole number (digits only) when more numbers follow"},
    {"-90.0000001, 10", E::outOfRange, "latitude \"90.0000001\" is out of range: latitude goes from 0 to 90 degrees"},
    {"10, 180.5", E::outOfRange, "longitude \"180.5\" is out of range: longitude goes from 0 to 180 degrees"},
    {"90° 0' 1\" N, 0° 0' 0\" E", E::outOfRange, "latitude \"90° 0' 1\" N\" is out of range: latitude goes from 0 to 90 degrees"},
    {"45° 0' N, 180° 0.5' W", E::outOfRange, "longitude \"180° 0.5' W\" is out of range: longitude goes from 0 to 180 degrees"},
    {"45° 61' 0\" N, 73° 20' 30\" W", E::outOfRange, "minutes of latitude \"61\" is out of range: whole minutes go from 0 to 60"},
    {"45° 30' 15\" N, 73° 60' 0.001\" W", E::outOfRange, "minutes and seconds of longitude \"60' 0.001\" is out of range: together they make at most 60 minutes (60' 0\" or 59' 60\")"},
    {"45° 60.5' N, 73° 20' W", E::outOfRange, "minutes of latitude \"60.5\" is out of range: decimal minutes go from 0 to 60"},
    {"45° 30' 15\" N, 73° 20' 60,01\" W", E::outOfRange, "seconds of longitude \"60,01\" is out of range: seconds go from 0 to 60"},
    {"45° 30' N, 73.5° W", E::mixedNotations, "the latitude is written in degrees and decimal minutes but the longitude in decimal degrees with a hemisphere letter: write both halves in one notation"},
    {"45.5 N, -73.5", E::mixedNotations, "the latitude is written in decimal degrees with a hemisphere letter but the longitude in signed decimal degrees: write both halves in one notation"},
};
// clang-format on

TEST(PositionReader, NamesWhatCouldNotBeRead) {
    for (const RefusedCase& c : kRefused) {
        const PositionReading r = readPosition(c.text);
        EXPECT_EQ(r.error, c.error) << c.text;
        EXPECT_EQ(describeError(r), c.message) << c.text;
    }
}

} // namespace
} // namespace quorvane
