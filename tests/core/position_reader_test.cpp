// The position reader: one text of every way people write a position, with the place it must
// give, and the texts it must refuse, with the reason.
#include "core/position_reader.h"

#include <gtest/gtest.h>
#include <string>

namespace quorvane {
namespace {

constexpr double kSameDegrees = 5e-8;

struct ReadCase {
    const char* text;
    double latitude;     // degrees, South negative
    double longitude;    // degrees, West negative
    const char* entered; // notation, then each half's hemisphere and numbers as the form gets them
};

// "ddd_mmmmm +40 25.0999 -074 38.4668"
std::string entered(const PositionReading& r) {
    std::string out(info(r.notation).name);
    for (const HalfReading* h : {&r.latitude, &r.longitude}) {
        out += h->hemisphere == Hemisphere::northOrEast ? " +" : " -";
        for (std::size_t k = 0; k < h->count; ++k)
            out += (k ? " " : "") + std::string(h->numbers[k]);
    }
    return out;
}

// clang-format off
const ReadCase kRead[] = {
    // The form's four copy lines.
    {"45° 30' 15.0\" S, 73° 20' 30.0\" E", -45.5041667, 73.3416667, "ddd_mm_sss -45 30 15.0 +73 20 30.0"},
    {"45° 30.25' N, 73° 20.5' W", 45.5041667, -73.3416667, "ddd_mmmmm +45 30.25 -73 20.5"},
    {"45.5041667° N, 73.3416667° W", 45.5041667, -73.3416667, "dddddddd1 +45.5041667 -73.3416667"},
    {"-45.5041667, 73.3416667", -45.5041667, 73.3416667, "dddddddd2 -45.5041667 +73.3416667"},
    {"5e-05, -1.5e-05", 0.00005, -0.000015, "dddddddd2 +5e-05 -1.5e-05"},
    {"89° 59' 60\" N, 179° 60' 0\" E", 90, 180, "ddd_mm_sss +89 59 60 +179 60 0"},
    // Halves without a comma; letters before the numbers; typographic marks; colons.
    {"48.858222°N 2.294500°E", 48.858222, 2.2945, "dddddddd1 +48.858222 +2.294500"},
    {"N 47° 28.350 W 122° 14.525", 47.4725, -122.2420833, "ddd_mmmmm +47 28.350 -122 14.525"},
    {"51° 28′ 40.1″ N, 0° 0′ 5.3″ W", 51.4778056, -0.0014722, "ddd_mm_sss +51 28 40.1 -0 0 5.3"},
    {"51º 28’ 40.1” N 0˚ 0´ 5.3'' W", 51.4778056, -0.0014722, "ddd_mm_sss +51 28 40.1 -0 0 5.3"},
    {"28:55:19N 77:23:14W", 28.9219444, -77.3872222, "ddd_mm_sss +28 55 19 -77 23 14"},
    {"40:26:46.302, -79:56:55.903", 40.4461950, -79.9488619, "ddd_mm_sss +40 26 46.302 -79 56 55.903"},
    {"40.4183318N74.6411133W", 40.4183318, -74.6411133, "dddddddd1 +40.4183318 -74.6411133"},
    {"n40.5w73.25", 40.5, -73.25, "dddddddd1 +40.5 -73.25"},
    {"40d 26m 46s N, 79d 58m 56s W", 40.4461111, -79.9822222, "ddd_mm_sss +40 26 46 -79 58 56"},
    {"40deg26min46secS 79d58m56sE", -40.4461111, 79.9822222, "ddd_mm_sss -40 26 46 +79 58 56"},
    {"40 26 46 S 79 58 56 W", -40.4461111, -79.9822222, "ddd_mm_sss -40 26 46 -79 58 56"},
    {"South 33.5 east 151.25", -33.5, 151.25, "dddddddd1 -33.5 +151.25"},
    {"45 Süd, 73 OUEST", -45, -73, "dddddddd1 -45 -73"},
    {"45 Nord 73 Ost", 45, 73, "dddddddd1 +45 +73"},
    // Separators and wrapping.
    {"(48.85833; 2.29444)", 48.85833, 2.29444, "dddddddd2 +48.85833 +2.29444"},
    {"[48.85833 / -2.29444]", 48.85833, -2.29444, "dddddddd2 +48.85833 -2.29444"},
    {"40.446195 79.948862", 40.446195, 79.948862, "dddddddd2 +40.446195 +79.948862"},
    {"40 26 46 79 58 56", 40.4461111, 79.9822222, "ddd_mm_sss +40 26 46 +79 58 56"},
    // Dotted and packed.
    {"27.15.45S 153.2.10E", -27.2625, 153.0361111, "ddd_mm_sss -27 15 45 +153 2 10"},
    {"4025.0999N 07438.4668W", 40.4183317, -74.6411133, "ddd_mmmmm +40 25.0999 -074 38.4668"},
    {"402505.994N 0743828.008W", 40.4183317, -74.6411133, "ddd_mm_sss +40 25 05.994 -074 38 28.008"},
    // Signs on every notation; negative zero keeps its hemisphere.
    {"40° 26.7717, -79° 56.93172", 40.446195, -79.9488620, "ddd_mmmmm +40 26.7717 -79 56.93172"},
    {"-0° 32.77', −0° 5'", -0.5461667, -0.0833333, "ddd_mmmmm -0 32.77 -0 5"},
    {"+12 30 15, -1 2 3", 12.5041667, -1.0341667, "ddd_mm_sss +12 30 15 -1 2 3"},
    {"-0, 0.0", 0, 0, "dddddddd2 -0 +0.0"},
    // Decimal commas where only one reading works.
    {"40,446195° 79,948862°", 40.446195, 79.948862, "dddddddd2 +40,446195 +79,948862"},
    {"38,7905625 -9,793281", 38.7905625, -9.793281, "dddddddd2 +38,7905625 -9,793281"},
    {"45° 30,25' N, 73° 20,5' W", 45.5041667, -73.3416667, "ddd_mmmmm +45 30,25 -73 20,5"},
    {"-45.5,73.25", -45.5, 73.25, "dddddddd2 -45.5 +73.25"},
    {"45,73", 45, 73, "dddddddd2 +45 +73"},
    {"1,5, 2,6", 1.5, 2.6, "dddddddd2 +1,5 +2,6"},
    // Longitude first when the letters say so.
    {"E 44.4 N 33.3", 33.3, 44.4, "dddddddd1 +33.3 +44.4"},
    {"73.25 W, 45.5 S", -45.5, -73.25, "dddddddd1 -45.5 -73.25"},
    // Links and the share text.
    {"geo:48.8583701,2.2944813", 48.8583701, 2.2944813, "dddddddd2 +48.8583701 +2.2944813"},
    {"GEO:-33.8688,151.2093,35;crs=WGS84;u=12?z=17", -33.8688, 151.2093, "dddddddd2 -33.8688 +151.2093"},
    {"https://maps.google.com/?q=-45.5,73.25", -45.5, 73.25, "dddddddd2 -45.5 +73.25"},
    {"https://www.google.com/maps/place/Eiffel/@48.8583701,2.2944813,17z/data=x", 48.8583701, 2.2944813, "dddddddd2 +48.8583701 +2.2944813"},
    {"https://maps.apple.com/maps?daddr=-45.5,73.25", -45.5, 73.25, "dddddddd2 -45.5 +73.25"},
    {"https://waze.com/ul?ll=-45.5,73.25", -45.5, 73.25, "dddddddd2 -45.5 +73.25"},
    {"https://www.openstreetmap.org/directions?engine=fossgis_osrm_car&route=%3B-45.5%2C73.25#map=16/-45.5/73.25", -45.5, 73.25, "dddddddd2 -45.5 +73.25"},
    {"https://www.openstreetmap.org/?mlat=48.85&mlon=2.29#map=16/48.85/2.29", 48.85, 2.29, "dddddddd2 +48.85 +2.29"},
    {"-45.5, 73.25\nhttps://waze.com/ul?ll=-45.5,73.25", -45.5, 73.25, "dddddddd2 -45.5 +73.25"},
    // One position in several notations, as encyclopedias print it.
    {"48°51′30″N 2°17′40″E / 48.85833°N 2.29444°E / 48.85833; 2.29444", 48.8583333, 2.2944444, "ddd_mm_sss +48 51 30 +2 17 40"},
};
// clang-format on

TEST(PositionReader, ReadsEveryPatternToItsPlace) {
    for (const ReadCase& c : kRead) {
        const PositionReading r = readPosition(c.text);
        ASSERT_TRUE(r.ok()) << c.text << ": " << describeError(r);
        EXPECT_NEAR(r.point.latitude, c.latitude, kSameDegrees) << c.text;
        EXPECT_NEAR(r.point.longitude, c.longitude, kSameDegrees) << c.text;
        EXPECT_EQ(entered(r), c.entered) << c.text;
    }
}

struct RefusedCase {
    const char* text;
    PositionError error;
    const char* says; // a part of the message
};

using E = PositionError;

// clang-format off
const RefusedCase kRefused[] = {
    {" \t ", E::empty, "no position given"},
    {"45.5", E::missingHalf, "only one half in \"45.5\""},
    {"45 30 73", E::unclearHalves, "cannot tell where the latitude ends"},
    {"45.5 N 12, 73.2 W", E::missingHemisphere, "\"12\" in the longitude has no hemisphere letter"},
    {"45.5, 73.25, 12", E::strayHalf, "\"12\" is left over"},
    // Two readings: decimal comma or separator, decimal or packed, East or West.
    {"45,5,73,25", E::ambiguousCommas, "cannot tell which comma separates"},
    {"0045.5N, 00073.25W", E::ambiguousPacked, "\"0045.5\" in the latitude reads both as decimal degrees and as packed"},
    {"45.5 O, 73.25 E", E::ambiguousLetter, "\"O\" is East in German (Ost) and West in French"},
    {"48.8583 2.2945 / 48.7 2.3", E::readingsDisagree, "two different positions, 48.8583, 2.2945 and 48.7, 2.3"},
    {"-45.5, 73.25\nhttps://waze.com/ul?ll=45.5,73.25", E::readingsDisagree, "two different positions"},
    // Nothing dropped: signs, stray characters, decimals of whole numbers.
    {"-45° 30' N, 73° 20' W", E::signWithLetter, "signed number \"-45° 30'\" with a hemisphere letter"},
    {"N -45, E 73", E::signWithLetter, "signed number \"-\""},
    {"45.5, - 73.5", E::misplacedSign, "misplaced sign \"-\""},
    {"45.5 N, 73.5 W \u00B1", E::strayCharacter, "unexpected \"\u00B1\""},
    {"Paris, 73.5", E::strayCharacter, "unexpected \"Paris\""},
    {"45° 30' 15\" N, 73° 20,5' 30\" W", E::wholeNumberExpected, "minutes of longitude \"20,5\" must be a whole number"},
    {"1.2.3.4.5, 6", E::badNumber, "\"1.2.3.4.5\" in the text is not a number"},
    {"45, 1e-999", E::badNumber, "\"1e-999\" in the longitude is not a number"},
    // Marks, letters and halves out of place.
    {"30' 45° N, 73° W", E::misplacedMark, "misplaced unit mark \"30'\""},
    {"45°° N, 73 W", E::misplacedMark, "misplaced unit mark \"°\""},
    {"N 45.5, 73.5 W", E::misplacedLetter, "misplaced hemisphere \"W\""},
    {"45 30 15 5 N, 73 W", E::tooManyNumbers, "\"5\" follows degrees, minutes and seconds"},
    {"45° 30' E, 73° 20' W", E::unknownHemisphere, "a second longitude \"W\""},
    {"45° 30' N, 73.5° W", E::mixedNotations, "the latitude is written in degrees and decimal minutes but the longitude in decimal degrees"},
    {"45.5 N, -73.5", E::missingHemisphere, "\"-73.5\" in the longitude has no hemisphere letter"},
    {"45.5, , 73.5", E::emptyHalf, "no number before or after \",\""},
    {"4895,", E::emptyHalf, "no number before or after \",\""},
    // Ranges.
    {"-90.0000001, 10", E::outOfRange, "latitude \"90.0000001\" is out of range: latitude goes from 0 to 90 degrees"},
    {"10, 180.5", E::outOfRange, "longitude \"180.5\" is out of range"},
    {"90° 0' 1\" N, 0° 0' 0\" E", E::outOfRange, "latitude \"90° 0' 1\" N\" is out of range"},
    {"45° 61' 0\" N, 73° 20' 30\" W", E::outOfRange, "minutes of latitude \"61\" is out of range: whole minutes go from 0 to 60"},
    {"45° 30' 15\" N, 73° 60' 0.001\" W", E::outOfRange, "together they make at most 60 minutes"},
    {"45° 30' 15\" N, 73° 20' 60,01\" W", E::outOfRange, "seconds of longitude \"60,01\" is out of range"},
    {"1000000000000000000000000000000000000000000000000000000000000000000000, 1", E::outOfRange, "is out of range"},
    // Links.
    {"geo:91,0", E::outOfRange, "latitude \"91\" is out of range"},
    {"geo:48,2;crs=utm", E::badLink, "\"crs=utm\" cannot be read in the link"},
    {"geo:0,0?q=Paris", E::noPositionInLink, "holds no coordinates"},
    {"geo:48.8;2.3", E::badLink, "cannot be read in the link"},
    {"geo:+1,2", E::badLink, "\"+1\" cannot be read"},
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
