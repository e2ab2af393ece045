// The position reader: one text of each family of patterns with the place it gives and what the
// form gets, and one refused text per reason with its message. The fuzzers and the conversion
// property test cover the breadth; these rows pin exact texts.
#include "core/position_reader.h"

#include <gtest/gtest.h>
#include <string>

namespace quorvane {
namespace {

// "ddd_mmmmm +40 25.0999 -074 38.4668": notation, then each half's hemisphere and numbers.
std::string entered(const PositionReading& r) {
    std::string out(info(r.notation).name);
    for (const HalfReading* h : {&r.latitude, &r.longitude}) {
        out += h->hemisphere == Hemisphere::northOrEast ? " +" : " -";
        for (std::size_t k = 0; k < h->count; ++k)
            out += (k ? " " : "") + std::string(h->numbers[k]);
    }
    return out;
}

struct ReadCase {
    const char* text;
    double latitude, longitude; // degrees, South and West negative
    const char* entered;
};

// clang-format off
const ReadCase kRead[] = {
    {"45° 30' 15.0\" S, 73° 20' 30.0\" E", -45.5041667, 73.3416667, "ddd_mm_sss -45 30 15.0 +73 20 30.0"},
    {"45° 30.25' N, 73° 20.5' W", 45.5041667, -73.3416667, "ddd_mmmmm +45 30.25 -73 20.5"},
    {"5e-05, -1.5e-05", 0.00005, -0.000015, "dddddddd2 +5e-05 -1.5e-05"},
    {"89° 59' 60\" N, 179° 60' 0\" E", 90, 180, "ddd_mm_sss +89 59 60 +179 60 0"},
    {"51º 28’ 40.1” N 0˚ 0´ 5.3'' W", 51.4778056, -0.0014722, "ddd_mm_sss +51 28 40.1 -0 0 5.3"},
    {"40:26:46.302, -79:56:55.903", 40.4461950, -79.9488619, "ddd_mm_sss +40 26 46.302 -79 56 55.903"},
    {"n40.5w73.25", 40.5, -73.25, "dddddddd1 +40.5 -73.25"},
    {"4025.0999N 07438.4668W", 40.4183317, -74.6411133, "ddd_mmmmm +40 25.0999 -074 38.4668"},
    {"-0° 32.77', −0° 5'", -0.5461667, -0.0833333, "ddd_mmmmm -0 32.77 -0 5"},
    {"-0, 0.0", 0, 0, "dddddddd2 -0 +0.0"},
    {"40,446195° 79,948862°", 40.446195, 79.948862, "dddddddd2 +40,446195 +79,948862"},
    {"45,73", 45, 73, "dddddddd2 +45 +73"},
    {"73.25 W, 45.5 S", -45.5, -73.25, "dddddddd1 -45.5 -73.25"},
    {"GEO:-33.8688,151.2093,35;crs=WGS84;u=12?z=17", -33.8688, 151.2093, "dddddddd2 -33.8688 +151.2093"},
    {"-45.5, 73.25\nhttps://waze.com/ul?ll=-45.5,73.25", -45.5, 73.25, "dddddddd2 -45.5 +73.25"},
    {"48°51′30″N 2°17′40″E / 48.85833°N 2.29444°E / 48.85833; 2.29444", 48.8583333, 2.2944444, "ddd_mm_sss +48 51 30 +2 17 40"},
};
// clang-format on

TEST(PositionReader, ReadsEachPatternToItsPlace) {
    for (const ReadCase& c : kRead) {
        const PositionReading r = readPosition(c.text);
        ASSERT_TRUE(r.ok()) << c.text << ": " << describeError(r);
        EXPECT_NEAR(r.point.latitude, c.latitude, 5e-8) << c.text;
        EXPECT_NEAR(r.point.longitude, c.longitude, 5e-8) << c.text;
        EXPECT_EQ(entered(r), c.entered) << c.text;
    }
}

using E = PositionError;
struct RefusedCase {
    const char* text;
    PositionError error;
    const char* says; // a part of the message
};

// clang-format off
const RefusedCase kRefused[] = {
    {" \t ", E::empty, "no position given"},
    {"45.5", E::missingHalf, "only one half in \"45.5\""},
    {"45 30 73", E::unclearHalves, "cannot tell where the latitude ends"},
    {"45.5, 73.25, 12", E::strayHalf, "\"12\" is left over"},
    {"45,5,73,25", E::ambiguousCommas, "cannot tell which comma separates"},
    {"0045.5N, 00073.25W", E::ambiguousPacked, "\"0045.5\" in the latitude reads both as decimal degrees and as packed"},
    {"45.5 O, 73.25 E", E::ambiguousLetter, "\"O\" is East in German (Ost) and West in French"},
    {"48.8583 2.2945 / 48.7 2.3", E::readingsDisagree, "two different positions, 48.8583, 2.2945 and 48.7, 2.3"},
    {"-45° 30' N, 73° 20' W", E::signWithLetter, "signed number \"-45° 30'\" with a hemisphere letter"},
    {"45.5, - 73.5", E::misplacedSign, "misplaced sign \"-\""},
    {"Paris, 73.5", E::strayCharacter, "unexpected \"Paris\""},
    {"45° 30' 15\" N, 73° 20,5' 30\" W", E::wholeNumberExpected, "minutes of longitude \"20,5\" must be a whole number"},
    {"45, 1e-999", E::badNumber, "\"1e-999\" in the longitude is not a number"},
    {"30' 45° N, 73° W", E::misplacedMark, "misplaced unit mark \"30'\""},
    {"N 45.5, 73.5 W", E::misplacedLetter, "misplaced hemisphere \"W\""},
    {"45 30 15 5 N, 73 W", E::tooManyNumbers, "\"5\" follows degrees, minutes and seconds"},
    {"45° 30' E, 73° 20' W", E::unknownHemisphere, "a second longitude \"W\""},
    {"45° 30' N, 73.5° W", E::mixedNotations, "the latitude is written in degrees and decimal minutes but the longitude in decimal degrees"},
    {"45.5 N, -73.5", E::missingHemisphere, "\"-73.5\" in the longitude has no hemisphere letter"},
    {"4895,", E::emptyHalf, "no number before or after \",\""},
    {"-90.0000001, 10", E::outOfRange, "latitude \"90.0000001\" is out of range: latitude goes from 0 to 90 degrees"},
    {"45° 30' 15\" N, 73° 60' 0.001\" W", E::outOfRange, "together they make at most 60 minutes"},
    {"geo:48,2;crs=utm", E::badLink, "\"crs=utm\" cannot be read in the link"},
    {"https://maps.google.com/?q=Eiffel+Tower", E::noPositionInLink, "holds no coordinates"},
    {"https://example.com/?q=1,2", E::unsupportedLink, "no link of Apple Maps, Google Maps, OpenStreetMap or Waze"},
};
// clang-format on

TEST(PositionReader, RefusesWithTheReason) {
    for (const RefusedCase& c : kRefused) {
        const PositionReading r = readPosition(c.text);
        EXPECT_EQ(r.error, c.error) << c.text << ": " << describeError(r);
        EXPECT_NE(describeError(r).find(c.says), std::string::npos)
            << c.text << ": " << describeError(r);
    }
}

} // namespace
} // namespace quorvane
