// The position reader: one text of each family of patterns with the place it gives and what the
// form gets; texts as people copy them from pages, files, devices and maps, by shape; one refused
// text per reason with its message, and look-alikes of positions that must be refused. The
// fuzzers and the conversion property test cover the breadth; these rows pin exact texts.
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
    {"45\x7f, 73.5", E::strayCharacter, "unexpected \"\\x7f\""},
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
    {"https://example.com/?q=1,2", E::unsupportedLink, "no link of a maps site this reader knows"},
    {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*48", E::badChecksum, "which give *47"},
    {"$GPGGA,123519,4875.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*42", E::badSentence, "\"4875.038\" breaks"},
    {"Lat: 48.85 E, Lon: 2.29 N", E::labelDisagrees, "the hemisphere \"E\" belongs to the other half"},
    {"Eiffel Tower", E::onlyWords, "holds words only"},
};
// clang-format on

void expectRefused(const RefusedCase& c) {
    const PositionReading r = readPosition(c.text);
    EXPECT_EQ(r.error, c.error) << c.text << ": " << describeError(r);
    EXPECT_NE(describeError(r).find(c.says), std::string::npos)
        << c.text << ": " << describeError(r);
}

TEST(PositionReader, RefusesWithTheReason) {
    for (const RefusedCase& c : kRefused)
        expectRefused(c);
}

// ---- Texts as people copy them -------------------------------------------------------------

struct ShapeCase {
    const char* text;
    double latitude, longitude;
};

// clang-format off
const ShapeCase kShapes[] = {
    // Labels, captions and prose around the numbers; a label names its half.
    {"Latitude: 48.8583701 Longitude: 2.2944813", 48.8583701, 2.2944813},
    {"Long: 2.2944813, Lat: 48.8583701", 48.8583701, 2.2944813},
    {"LAT=-33.8568 LNG=151.2153", -33.8568, 151.2153},
    {"lng 151.2153 lat -33.8568", -33.8568, 151.2153},
    {"Lat. 48.8583701 Lon. 2.2944813", 48.8583701, 2.2944813},
    {"Latitude: \"48.8583701\", Longitude: \"2.2944813\"", 48.8583701, 2.2944813},
    {"Lat/Lon: 48.8583701, 2.2944813", 48.8583701, 2.2944813},
    {"Lon, Lat: 2.2944813, 48.8583701", 48.8583701, 2.2944813},
    {"Lat: 48.85 S, Lon: 2.29", -48.85, 2.29},
    {"GPS Position: 40.7484 N, 73.9857 W", 40.7484, -73.9857},
    {"Coordinates: 48°51′30″N 2°17′40″E Eiffel Tower", 48.8583333, 2.2944444},
    {"Eiffel Tower, Paris, 48.8584, 2.2945", 48.8584, 2.2945},
    {"The summit lies at 45.8326 degrees North and 6.8652 degrees East.", 45.8326, 6.8652},
    {"Long Island 40.79, -73.13", 40.79, -73.13}, // "Long" before a word is no label
    {"The tower's position: 48.8584, 2.2945", 48.8584, 2.2945},
    // What copying brings along: byte-order marks, zero-width and no-break spaces, soft hyphens,
    // line breaks, other primes, "*" for the degree mark, footnote marks.
    {"48°51′30″N 2°17′40″E\uFEFF / \uFEFF48.85833°N 2.29444°E\uFEFF / 48.85833; 2.29444[1]", 48.8583333, 2.2944444},
    {"\u200B48.8583701,\u00A02.2944813\u00AD", 48.8583701, 2.2944813},
    {"48\u00B0\u200951\u2009\u201B30\u02BA\u202FN\n2\u00B0\u200917\u201B40\u02BAE", 48.8583333, 2.2944444},
    {"N 48*51.500 E 002*17.667", 48.8583333, 2.29445},
    {"48.8583701\t2.2944813", 48.8583701, 2.2944813},
    // Data snippets: GPX, KML (longitude first), GeoJSON (longitude first), JSON, tables,
    // photo metadata lines.
    {"<wpt lon=\"2.2944813\" lat=\"48.8583701\"><ele>35.2</ele><name>Eiffel Tower</name></wpt>", 48.8583701, 2.2944813},
    {"<?xml version=\"1.0\"?>\n<gpx version=\"1.1\"><metadata><bounds minlat=\"48\" minlon=\"2\" maxlat=\"49\" maxlon=\"3\"/></metadata>\n<trkpt lat=\"48.8583701\" lon=\"2.2944813\"/></gpx>", 48.8583701, 2.2944813},
    {"<Placemark><name>Tower</name><Point><coordinates>2.2944813,48.8583701,0</coordinates></Point></Placemark>", 48.8583701, 2.2944813},
    {"{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[-73.9857,40.7484,10.5]}}", 40.7484, -73.9857},
    {"{\"name\": \"Eiffel Tower\", \"location\": {\"lat\": 48.8583701, \"lng\": 2.2944813}}", 48.8583701, 2.2944813},
    {"<LookAt><longitude>2.2944813</longitude><latitude>48.8583701</latitude></LookAt>", 48.8583701, 2.2944813},
    {"name,latitude,longitude,elevation\nEiffel Tower,48.8583701,2.2944813,35", 48.8583701, 2.2944813},
    {"\"name\";\"lat\";\"lon\"\n\"Tour Eiffel; Paris\";\"48,8583701\";\"2,2944813\"", 48.8583701, 2.2944813},
    {"Longitude\tLatitude\r\n2.2944813\t48.8583701\r\n", 48.8583701, 2.2944813},
    {"GPS Latitude Ref                : South\nGPS Latitude                    : 33 deg 51' 24.48\"\nGPS Longitude Ref               : East\nGPS Longitude                   : 151 deg 12' 55.08\"", -33.8568, 151.2153},
    {"Make                            : Apple\nGPS Altitude                    : 35 m Above Sea Level\nGPS Time Stamp                  : 10:00:00\nGPS Position                    : 22 deg 54' 30.00\" S, 43 deg 10' 20.00\" W", -22.9083333, -43.1722222},
    {"[GPS] GPSLatitudeRef: N\n[GPS] GPSLatitude: 48.8583701\n[GPS] GPSLongitudeRef: W\n[GPS] GPSLongitude: 2.2944813", 48.8583701, -2.2944813},
    // Device and radio sentences: NMEA 0183 (other sentences beside them pass), APRS.
    {"$GPGGA,020000.00,3352.129182,S,15112.557730,E,1,08,1.5,58.0,M,22.0,M,,*41", -33.8688197, 151.2092955},
    {"$GPGSV,3,1,11,03,03,111,00*74\n$GNRMC,083559.00,A,4717.11437,N,00833.91522,E,0.004,77.52,091202,,,A*49", 47.2852395, 8.5652537},
    {"$GPGLL,4916.45,N,12311.12,W,225444,A,", 49.2741667, -123.1853333},
    {"N0CALL-9>APRS,TCPIP*,qAC,T2EDM:!4903.50N/07201.75W-Test 001234", 49.0583333, -72.0291667},
    {"@092345z4903.50N/07201.75W>", 49.0583333, -72.0291667},
    // Marine and aviation notices: dashed groups, packed halves in one word.
    {"40-26-46.302N 079-58-55.903W", 40.446195, -79.9821953},
    {"40-26.77N 079-58.93W", 40.4461667, -79.9821667},
    {"402646N0795856W", 40.4461111, -79.9822222},
    // Links: country domains, places over the view, directions, escapes, geo: as phones write it,
    // other maps services (Yandex and 2GIS longitude first), unknown sites with lat= and lon=.
    {"https://www.google.com/maps/place/Eiffel+Tower/@48.8583701,2.2922926,17z/data=!3m1!4b1!4m6!3m5!8m2!3d48.8583701!4d2.2944813", 48.8583701, 2.2944813},
    {"https://www.google.co.uk/maps/place/48%C2%B051'30.1%22N+2%C2%B017'40.1%22E/@48.8583,2.2922,17z", 48.8583611, 2.2944722},
    {"https://www.google.de/maps/dir/48.1,2.1/48.8583701,2.2944813/@48.5,2.2,9z", 48.8583701, 2.2944813},
    {"https://maps.google.com.au/?q=loc:-33.8568%2C151.2153", -33.8568, 151.2153},
    {"https://maps.google.com/maps?q=N48.8583701+E2.2944813", 48.8583701, 2.2944813},
    {"https://maps.apple.com/place?coordinate=48.8583701,2.2944813&name=Eiffel%20Tower", 48.8583701, 2.2944813},
    {"geo:0,0?q=48.8583701,2.2944813(Eiffel Tower)", 48.8583701, 2.2944813},
    {"geo:48.8583701, 2.2944813 Eiffel Tower", 48.8583701, 2.2944813},
    {"geo:48.8583701%2C2.2944813", 48.8583701, 2.2944813},
    {"https://www.bing.com/maps?sp=point.48.858370_2.294481_Eiffel&cp=48.8~2.2&lvl=17", 48.858370, 2.294481},
    {"https://share.here.com/l/48.8583701,2.2944813,Eiffel%20Tower?z=17", 48.8583701, 2.2944813},
    {"https://yandex.com.tr/maps/?ll=28.979530%2C41.015137&z=17", 41.015137, 28.979530},
    {"https://2gis.ru/moscow/geo/4504235282817185/37.617635,55.755814?m=37.6,55.7%2F17", 55.755814, 37.617635},
    {"https://osmand.net/map?pin=48.85837,2.29448#16/48.85837/2.29448", 48.85837, 2.29448},
    {"https://www.openstreetmap.org/?mlat=48.8584&mlon=2.2945#map=17/48.85/2.29", 48.8584, 2.2945},
    {"https://geohack.toolforge.org/geohack.php?pagename=Eiffel_Tower&params=48_51_29.6_N_2_17_40.2_E_type:landmark", 48.8582222, 2.2945},
    {"https://example.org/map?zoom=17&lat=48.8584&lon=2.2945", 48.8584, 2.2945},
    {"See https://www.openstreetmap.org/#map=17/48.8584/2.2945.", 48.8584, 2.2945},
    // Grid references as people write them (the centre of the metre or square named).
    {"UTM 17T 630084mE 4833438mN", 43.6425618, -79.3871429},
    {"17T N 4833438 E 630084", 43.6425618, -79.3871429},
    {"17N 630084 4833438", 43.6425618, -79.3871429}, // band N cannot hold it: the hemisphere
    {"31n 448251 5411952", 48.8583737, 2.2944867},
    {"s 2000000 2000000", -90, 0},
    {"MGRS: 31U-DQ-48250-11951", 48.8583692, 2.29448},
};
// clang-format on

TEST(PositionReader, ReadsTheOnePositionInWhatPeopleCopy) {
    for (const ShapeCase& c : kShapes) {
        const std::string_view text = c.text;
        const PositionReading r = readPosition(text);
        ASSERT_TRUE(r.ok()) << c.text << ": " << describeError(r);
        EXPECT_NEAR(r.point.latitude, c.latitude, 5e-8) << c.text;
        EXPECT_NEAR(r.point.longitude, c.longitude, 5e-8) << c.text;
        // What the form gets points into the text, as the caller wrote it.
        for (const HalfReading* h : {&r.latitude, &r.longitude})
            for (std::size_t k = 0; k < h->count; ++k)
                EXPECT_TRUE(h->numbers[k].data() >= text.data() &&
                            h->numbers[k].data() + h->numbers[k].size() <= text.data() + text.size())
                    << c.text;
    }
    // A device sentence is entered as it writes the position: degrees and decimal minutes.
    EXPECT_EQ(entered(readPosition("$GPGLL,4916.45,N,12311.12,W,225444,A,")),
              "ddd_mmmmm +49 16.45 -123 11.12");
    // A zero-width character inside the digits: the point is entered, not the broken digits.
    EXPECT_EQ(readPosition("48.85\u200B83, 2.29").latitude.count, 0U);
}

// Texts that look like a position, or hold one only in part or twice, with the reason given.
// clang-format off
const RefusedCase kLookAlikes[] = {
    {"46,8", E::singleNumber, "\"46,8\" is one number with a decimal comma"},
    {"-10,10", E::singleNumber, "one number with a decimal comma"},
    {"2024-03-15", E::groupsWithoutLetters, "looks like a date or a version number"},
    {"15.03.2024, 10.11.2023", E::groupsWithoutLetters, "\"15.03.2024\" looks like a date"},
    {"Version 2.4.1", E::groupsWithoutLetters, "\"2.4.1\" looks like"},
    {"12:30", E::missingHalf, "only one half in \"12:30\""},
    {"10:30 - 11:45", E::misplacedSign, "misplaced sign"},
    {"+33 1 42 68 53 00", E::phoneNumber, "looks like a phone number"},
    {"555-123-4567", E::groupsWithoutLetters, "\"555-123-4567\" looks like"},
    {"10 Downing Street, London", E::wordInside, "\"Downing Street, London\" stands between numbers"},
    {"Apt 5, 12 Main St", E::unmarkedAmongWords, "\"5\" among words has no unit marks"},
    {"Go N 2 blocks, then E 3 blocks", E::unmarkedAmongWords, "\"N 2\" among words"},
    {"Latitude: 48.8583701", E::missingHalf, "only one half in \"Latitude: 48.8583701\""},
    {"48.8584, 2.2945 and 40.7484, -73.9857", E::readingsDisagree, "two different positions"},
    {"<trkpt lat=\"48.85\" lon=\"2.29\"/><trkpt lat=\"48.86\" lon=\"2.30\"/>", E::readingsDisagree, "two different positions"},
    {"{\"lat\": 48.85, \"lng\": 2.29, \"lat\": 48.86}", E::missingHalf, "only one half in \"48.86\""},
    {"$GPRMC,123519,V,4807.038,N,01131.000,E,,,230394,,,N*68", E::noFix, "has no fix"},
    {"$GPGGA,123519,,,,,0,00,99.9,,M,,M,,*7C", E::noFix, "has no fix"},
    {"$GPGSV,3,1,11,03,03,111,00*74", E::noPositionSentence, "only GGA, RMC and GLL carry one"},
    {"N0CALL>APRS:/234517h4903.5 N/07201.7 W-", E::badSentence, "\"4903.5 N\" breaks"},
    {"geo:0,0?q=Eiffel+Tower", E::noPositionInLink, "holds no coordinates"},
    {"https://maps.app.goo.gl/abcdEFGH123", E::noPositionInLink, "holds no coordinates"},
    {"33s 500000 4000000", E::badGridReference, "band S (north of the equator) or the southern hemisphere"},
};
// clang-format on

TEST(PositionReader, RefusesLookAlikesWithTheReason) {
    for (const RefusedCase& c : kLookAlikes)
        expectRefused(c);
}

} // namespace
} // namespace quorvane
