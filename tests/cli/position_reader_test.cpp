// The position reader: which texts it takes, in which notation, and what it refuses.
#include "app/position_reader.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quorvane {
namespace {

constexpr auto NE = Hemisphere::northOrEast;
constexpr auto SW = Hemisphere::southOrWest;

struct AcceptedCase {
    const char* text;
    Notation notation;
    Hemisphere latitudeHemisphere;
    std::vector<std::string> latitude;
    Hemisphere longitudeHemisphere;
    std::vector<std::string> longitude;
};

std::ostream& operator<<(std::ostream& os, const AcceptedCase& c) {
    return os << c.text;
}

std::vector<std::string> numbersOf(const HalfReading& h) {
    return {h.numbers.begin(), h.numbers.begin() + static_cast<std::ptrdiff_t>(h.count)};
}

class AcceptedPositionTest : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedPositionTest, ReadsNotationHemispheresAndNumbersAsWritten) {
    const AcceptedCase& c = GetParam();
    const PositionReading r = readPosition(c.text);
    ASSERT_TRUE(r.ok()) << describeError(r);
    EXPECT_EQ(r.notation, c.notation);
    EXPECT_EQ(r.latitude.hemisphere, c.latitudeHemisphere);
    EXPECT_EQ(numbersOf(r.latitude), c.latitude);
    EXPECT_EQ(r.longitude.hemisphere, c.longitudeHemisphere);
    EXPECT_EQ(numbersOf(r.longitude), c.longitude);
    EXPECT_EQ(describeError(r), "");
}

using N = Notation;

INSTANTIATE_TEST_SUITE_P(
    CopyLinesAndTheirVariants, AcceptedPositionTest,
    ::testing::Values(
        // The four copy lines as the copy action writes them.
        AcceptedCase{"45° 30' 15\" N, 73° 20' 30\" W",
                     N::ddd_mm_sss,
                     NE,
                     {"45", "30", "15"},
                     SW,
                     {"73", "20", "30"}},
        AcceptedCase{
            "45° 30.25' N, 73° 20.5' W", N::ddd_mmmmm, NE, {"45", "30.25"}, SW, {"73", "20.5"}},
        AcceptedCase{
            "45.5041667° N, 73.3416667° W", N::dddddddd1, NE, {"45.5041667"}, SW, {"73.3416667"}},
        AcceptedCase{
            "-45.5041667, 73.3416667", N::dddddddd2, SW, {"45.5041667"}, NE, {"73.3416667"}},
        AcceptedCase{"45° 30' 15.0\" S, 73° 20' 30.0\" E",
                     N::ddd_mm_sss,
                     SW,
                     {"45", "30", "15.0"},
                     NE,
                     {"73", "20", "30.0"}},
        // Marks left out, blanks varied, lower-case letters.
        AcceptedCase{"45 30 15 N, 73 20 30 W",
                     N::ddd_mm_sss,
                     NE,
                     {"45", "30", "15"},
                     SW,
                     {"73", "20", "30"}},
        AcceptedCase{"45°30'15\"N,73°20'30\"W",
                     N::ddd_mm_sss,
                     NE,
                     {"45", "30", "15"},
                     SW,
                     {"73", "20", "30"}},
        AcceptedCase{"\t 45 ° 30 ' 15 s ,\t73 20 30 e  ",
                     N::ddd_mm_sss,
                     SW,
                     {"45", "30", "15"},
                     NE,
                     {"73", "20", "30"}},
        AcceptedCase{"45° 30 15\" N, 73 20' 30 W",
                     N::ddd_mm_sss,
                     NE,
                     {"45", "30", "15"},
                     SW,
                     {"73", "20", "30"}},
        AcceptedCase{"045 30 15 N, 073 20 30 W",
                     N::ddd_mm_sss,
                     NE,
                     {"045", "30", "15"},
                     SW,
                     {"073", "20", "30"}},
        AcceptedCase{"45.5N,73.25E", N::dddddddd1, NE, {"45.5"}, NE, {"73.25"}},
        AcceptedCase{"45.5 n, 73.25 w", N::dddddddd1, NE, {"45.5"}, SW, {"73.25"}},
        // Decimal commas beside the comma that separates the halves.
        AcceptedCase{
            "45° 30,25' N, 73° 20,5' W", N::ddd_mmmmm, NE, {"45", "30,25"}, SW, {"73", "20,5"}},
        AcceptedCase{
            "45,5041667° S, 73,3416667° E", N::dddddddd1, SW, {"45,5041667"}, NE, {"73,3416667"}},
        AcceptedCase{"-45,5, 73,25", N::dddddddd2, SW, {"45,5"}, NE, {"73,25"}},
        AcceptedCase{"45,5 ,73,25", N::dddddddd2, NE, {"45,5"}, NE, {"73,25"}},
        AcceptedCase{"-45,5,-73,25", N::dddddddd2, SW, {"45,5"}, SW, {"73,25"}},
        // A single comma between digits separates the halves.
        AcceptedCase{"-45.5,73.25", N::dddddddd2, SW, {"45.5"}, NE, {"73.25"}},
        AcceptedCase{"45,73", N::dddddddd2, NE, {"45"}, NE, {"73"}},
        // Signs, bare separators, exponents, marks on signed degrees.
        AcceptedCase{"+45.5, -73", N::dddddddd2, NE, {"45.5"}, SW, {"73"}},
        AcceptedCase{".5, 5.", N::dddddddd2, NE, {".5"}, NE, {"5."}},
        AcceptedCase{"5e-05, -1.5E-05", N::dddddddd2, NE, {"5e-05"}, SW, {"1.5E-05"}},
        AcceptedCase{"45.5°, -73.25°", N::dddddddd2, NE, {"45.5"}, SW, {"73.25"}},
        AcceptedCase{"0° 1e-05' N, 0° 0.5' E", N::ddd_mmmmm, NE, {"0", "1e-05"}, NE, {"0", "0.5"}},
        // The ends of the ranges.
        AcceptedCase{"90, -180", N::dddddddd2, NE, {"90"}, SW, {"180"}},
        AcceptedCase{"90° 0' 0\" S, 180° 0' 0\" W",
                     N::ddd_mm_sss,
                     SW,
                     {"90", "0", "0"},
                     SW,
                     {"180", "0", "0"}},
        AcceptedCase{"89° 59' 60\" N, 179° 59' 60\" E",
                     N::ddd_mm_sss,
                     NE,
                     {"89", "59", "60"},
                     NE,
                     {"179", "59", "60"}},
        AcceptedCase{
            "89° 60' N, 179° 60.0' E", N::ddd_mmmmm, NE, {"89", "60"}, NE, {"179", "60.0"}},
        AcceptedCase{"-0, 0.0", N::dddddddd2, SW, {"0"}, NE, {"0.0"}}));

struct RefusedCase {
    const char* text;
    PositionError error;
    const char* message; // the whole sentence describeError gives
};

std::ostream& operator<<(std::ostream& os, const RefusedCase& c) {
    return os << c.text;
}

class RefusedPositionTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedPositionTest, NamesWhatCouldNotBeRead) {
    const RefusedCase& c = GetParam();
    const PositionReading r = readPosition(c.text);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(describeError(r), c.message);
}

using E = PositionError;

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfRefusal, RefusedPositionTest,
    ::testing::Values(
        RefusedCase{"", E::empty, "no position given"},
        RefusedCase{" \t ", E::empty, "no position given"},
        RefusedCase{"45.5", E::noHalvesSeparator,
                    "no \",\" between latitude and longitude (write LATITUDE, LONGITUDE)"},
        RefusedCase{"45.5 N 73.25 W", E::noHalvesSeparator,
                    "no \",\" between latitude and longitude (write LATITUDE, LONGITUDE)"},
        RefusedCase{"45,5,73,25", E::ambiguousCommas,
                    "cannot tell which comma separates latitude and longitude: write \", \" "
                    "(comma and blank) between them"},
        RefusedCase{"45, 30, 73", E::tooManySeparators,
                    "more than one comma between latitude and longitude"},
        RefusedCase{", 73.5", E::emptyHalf, "no number in the latitude"},
        RefusedCase{"45.5 N, W", E::emptyHalf, "no number in the longitude"},
        RefusedCase{"45 # 30 N, 73 W", E::strayCharacter,
                    "unexpected character \"#\" in the latitude"},
        RefusedCase{"45.5 N, 73.5 W \u00B1", E::strayCharacter,
                    "unexpected character \"\u00B1\" in the longitude"},
        RefusedCase{"45 N 30, 73 W", E::strayCharacter,
                    "unexpected \"30\" in the latitude: nothing follows the hemisphere letter"},
        RefusedCase{"N 45.5, 73.5 W", E::strayCharacter,
                    "unexpected \"N\" in the latitude: one hemisphere letter follows the "
                    "numbers, as in 45.5° N"},
        RefusedCase{"45-30 N, 73 W", E::misplacedSign,
                    "misplaced sign \"-\" in the latitude: a sign stands straight before the "
                    "only number of signed decimal degrees, as in -45.5, 73.25"},
        RefusedCase{"45.5, - 73.5", E::misplacedSign,
                    "misplaced sign \"-\" in the longitude: a sign stands straight before the "
                    "only number of signed decimal degrees, as in -45.5, 73.25"},
        RefusedCase{"1.2.3, 4", E::badNumber, "\"1.2.3\" in the latitude is not a number"},
        RefusedCase{"45, 1e-999", E::badNumber, "\"1e-999\" in the longitude is not a number"},
        RefusedCase{"30' 45° N, 73° W", E::misplacedMark,
                    "misplaced unit mark \"30'\" in the latitude: \"°\" follows the degrees, "
                    "\"'\" the minutes and '\"' the seconds"},
        RefusedCase{"45° 30' 15' N, 73 W", E::misplacedMark,
                    "misplaced unit mark \"15'\" in the latitude: \"°\" follows the degrees, "
                    "\"'\" the minutes and '\"' the seconds"},
        RefusedCase{"45°° N, 73 W", E::misplacedMark,
                    "misplaced unit mark \"°\" in the latitude: \"°\" follows the degrees, "
                    "\"'\" the minutes and '\"' the seconds"},
        RefusedCase{"45 30 15 5 N, 73 W", E::tooManyNumbers,
                    "too many numbers in the latitude: \"5\" follows degrees, minutes and "
                    "seconds"},
        RefusedCase{"45° 30' X, 73° 20' W", E::unknownHemisphere,
                    "unknown hemisphere \"X\" in the latitude: latitude takes N or S"},
        RefusedCase{"45° 30' E, 73° 20' W", E::unknownHemisphere,
                    "unknown hemisphere \"E\" in the latitude: latitude takes N or S"},
        RefusedCase{"45° 30' N, 73° 20' North", E::unknownHemisphere,
                    "unknown hemisphere \"North\" in the longitude: longitude takes E or W"},
        RefusedCase{"45 30, 73 20", E::missingHemisphere,
                    "\"45 30\" in the latitude needs a hemisphere letter after it (N or S); "
                    "only a single number may be signed instead"},
        RefusedCase{"45 30 N, 73 20", E::missingHemisphere,
                    "\"73 20\" in the longitude needs a hemisphere letter after it (E or W); "
                    "only a single number may be signed instead"},
        RefusedCase{"-45° 30' N, 73° 20' W", E::signWithLetter,
                    "signed number \"-45\" in the latitude with a hemisphere letter: the "
                    "numbers are magnitudes and the letter gives the hemisphere, as in 45° 30' S"},
        RefusedCase{"45.5 N, +73.5 E", E::signWithLetter,
                    "signed number \"+73.5\" in the longitude with a hemisphere letter: the "
                    "numbers are magnitudes and the letter gives the hemisphere, as in 45° 30' S"},
        RefusedCase{"45.5° 30' N, 73° 20' W", E::wholeNumberExpected,
                    "degrees of latitude \"45.5\" must be a whole number (digits only) when "
                    "more numbers follow"},
        RefusedCase{"45° 30' 15\" N, 73° 20,5' 30\" W", E::wholeNumberExpected,
                    "minutes of longitude \"20,5\" must be a whole number (digits only) when "
                    "more numbers follow"},
        RefusedCase{"4e1 30 N, 73 20 W", E::wholeNumberExpected,
                    "degrees of latitude \"4e1\" must be a whole number (digits only) when more "
                    "numbers follow"},
        RefusedCase{"91, 10", E::outOfRange,
                    "latitude \"91\" is out of range: latitude goes from 0 to 90 degrees"},
        RefusedCase{"-90.0000001, 10", E::outOfRange,
                    "latitude \"90.0000001\" is out of range: latitude goes from 0 to 90 "
                    "degrees"},
        RefusedCase{"10, 180.5", E::outOfRange,
                    "longitude \"180.5\" is out of range: longitude goes from 0 to 180 degrees"},
        RefusedCase{"1e999, 0", E::outOfRange,
                    "latitude \"1e999\" is out of range: latitude goes from 0 to 90 degrees"},
        RefusedCase{"90° 0' 1\" N, 0° 0' 0\" E", E::outOfRange,
                    "latitude \"90° 0' 1\" N\" is out of range: latitude goes from 0 to 90 "
                    "degrees"},
        RefusedCase{"45° 0' N, 180° 0.5' W", E::outOfRange,
                    "longitude \"180° 0.5' W\" is out of range: longitude goes from 0 to 180 "
                    "degrees"},
        RefusedCase{"45° 61' 0\" N, 73° 20' 30\" W", E::outOfRange,
                    "minutes of latitude \"61\" is out of range: whole minutes go from 0 to 60"},
        RefusedCase{"45° 30' 15\" N, 73° 60' 0.001\" W", E::outOfRange,
                    "minutes and seconds of longitude \"60' 0.001\" is out of range: together "
                    "they make at most 60 minutes (60' 0\" or 59' 60\")"},
        RefusedCase{"45° 60.5' N, 73° 20' W", E::outOfRange,
                    "minutes of latitude \"60.5\" is out of range: decimal minutes go from 0 "
                    "to 60"},
        RefusedCase{"45° 30' 15\" N, 73° 20' 60,01\" W", E::outOfRange,
                    "seconds of longitude \"60,01\" is out of range: seconds go from 0 to 60"},
        RefusedCase{"45° 30' N, 73.5° W", E::mixedNotations,
                    "the latitude is written in degrees and decimal minutes but the longitude "
                    "in decimal degrees with a hemisphere letter: write both halves in one "
                    "notation"},
        RefusedCase{"45.5 N, -73.5", E::mixedNotations,
                    "the latitude is written in decimal degrees with a hemisphere letter but "
                    "the longitude in signed decimal degrees: write both halves in one "
                    "notation"}));

TEST(PositionReaderTest, NumbersPointIntoTheTextThatWasRead) {
    const std::string text = "45° 30.25' N, 73° 20.5' W";
    const PositionReading r = readPosition(text);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.latitude.numbers[1].data(), text.data() + text.find("30.25"));
}

TEST(PositionReaderTest, VeryLongNumbersAreReadWhole) {
    const std::string zeros(300, '0');
    const PositionReading small = readPosition("0." + zeros + "1, 1");
    ASSERT_TRUE(small.ok()) << describeError(small);
    const PositionReading large = readPosition("1" + zeros + ", 1");
    EXPECT_EQ(large.error, PositionError::outOfRange);
}

} // namespace
} // namespace quorvane
