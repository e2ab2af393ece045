#include "core/grid/grid_reference.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace quorvane::grid {
namespace {

// An expected reference ending in "*" is a prefix: where only the grid zone is the point of the
// row (zone edges and exceptions), the metres are GeographicLib's business.
bool matches(std::string_view written, std::string_view expected) {
    if (!expected.empty() && expected.back() == '*') {
        return written.substr(0, expected.size() - 1) == expected.substr(0, expected.size() - 1);
    }
    return written == expected;
}

struct WriteCase {
    double latitude;
    double longitude;
    std::array<std::string_view, kGridSystemCount> expected; // UTM, MGRS, Plus Code, Maidenhead
};

// Each row's source: published examples, the definitions (UPS puts the poles at 2000 km east
// and north, UTM the central meridian at 500 km east and the equator at 0 north or 10000 km in
// the south; MGRS squares and the 31..37X / 32V exceptions), the Open Location Code test data,
// and the locators of well-known places.
const WriteCase kWrites[] = {
    {48.8583701, 2.2944813, {"31U 448251 5411952", "31U DQ 48250 11951", "8FW4V75V+8Q", "JN18du"}},
    {41.714775, -72.727260, {"18T*", "18T*", "87H9P77F+W3", "FN31pr"}}, // ARRL's W1AW
    {-41.2730625, 174.7859375, {"60G*", "60G*", "4VCPPQGP+Q9", "RE78jr"}},
    // The poles: UPS, the first and last rows of the other grids.
    {90, 1, {"Z 2000000 2000000", "Z AH 00000 00000", "CFX3X2X2+X2", "JR09mx"}},
    {-90, -180, {"B 2000000 2000000", "B AN 00000 00000", "22222222+22", "AA00aa"}},
    // The equator: 166 021 m east on a zone's edge, 500 000 on its central meridian.
    {0, 0, {"31N 166021 0", "31N AA 66021 00000", "6FG22222+22", "JJ00aa"}},
    {0, 3, {"31N 500000 0", "31N EA 00000 00000", "6FG52222+22", "JJ10ma"}},
    {-1e-9, 3, {"31M 500000 10000000", "31M EV 00000 99999", "6FF5X2X2+X2", "JI19mx"}},
    // UTM from 80° S up to 84° N, UPS beyond.
    {-80, 3, {"31C 500000*", "31C E*", "2FG52222+22", "JB10ma"}},
    {-80.0000001, 3, {"B *", "B *", "2FF5X2X2+X2", "JA19mx"}},
    {83.9999999, 3, {"31X 500000*", "31X E*", "CFM5X2X2+X2", "JR13mx"}},
    {84, 3, {"Z *", "Z *", "CFP52222+22", "JR14ma"}},
    // Zone edges belong to the zone east of them; Norway's 32V starts at 3° E.
    {45, 6, {"32T*", "32T*", "8FQ82222+22", "JN35aa"}},
    {56, 3, {"32V*", "32V*", "9F852222+22", "JO16ma"}},
    {55.9999999, 3, {"31U*", "31U*", "9F75X2X2+X2", "JO15mx"}},
    // Svalbard: 31X, 33X, 35X, 37X only.
    {75, 8, {"31X*", "31X*", "CF7C2222+22", "JQ45aa"}},
    {75, 21, {"35X*", "35X*", "CG732222+22", "KQ05ma"}},
    // The antimeridian: 180° E is 180° W, where zone 1 and the grids begin.
    {10, 180, {"1P*", "1P*", "72222222+22", "AK00aa"}},
    {10, 179.9999999, {"60P*", "60P*", "7V2X2X2X+2X", "RK90xa"}},
};

TEST(GridWrite, KnownPositions) {
    for (const WriteCase& c : kWrites) {
        const GridTexts texts = writeAll(c.latitude, c.longitude);
        for (std::size_t s = 0; s < kGridSystemCount; ++s) {
            EXPECT_TRUE(matches(texts[s].view(), c.expected[s]))
                << c.latitude << ", " << c.longitude << " " << gridSystems()[s].title << ": "
                << texts[s].view() << " expected " << c.expected[s];
        }
    }
}

TEST(GridWrite, OutOfRangeGivesNoReferenceButAReason) {
    for (const auto& [latitude, longitude] :
         {std::pair{90.0001, 0.0}, {0.0, -180.0001}, {NAN, 0.0}})
        for (const GridText& t : writeAll(latitude, longitude)) {
            EXPECT_EQ(t.error, GridError::outOfRange) << latitude << ", " << longitude;
            EXPECT_TRUE(t.view().empty());
        }
}

constexpr double kMetre = 1e-5; // degrees, a generous metre

TEST(GridRead, KnownReferencesAndRefusals) {
    // Within a metre of the Eiffel Tower, with or without blanks, in either case; else the
    // centre of the cell: 8FW40000+ is 48..49 N, 2..3 E; JN is 40..50 N, 0..20 E.
    const std::tuple<std::string_view, GridSystem, double, double, double> readings[] = {
        {"31U 448251 5411952", GridSystem::utm, 48.8583701, 2.2944813, kMetre},
        {"31udq4825011951", GridSystem::mgrs, 48.8583701, 2.2944813, kMetre},
        {"8FW40000+", GridSystem::pluscode, 48.5, 2.5, 1e-12},
        {"8fw4v75v+8q", GridSystem::pluscode, 48.8583125, 2.2944375, 1e-9},
        {"JN", GridSystem::maidenhead, 45, 10, 1e-12},
        {"jn18DU", GridSystem::maidenhead, 48.8541667, 2.2916667, 1e-7},
        {"Z 2000000 2000000", GridSystem::utm, 90, 0, 360}, // any longitude
        // As people write them: units, labels in either order, the hemisphere for the band
        // where the band cannot hold the point (GeoConvert's forms), MGRS with dashes.
        {"31U 448251mE 5411952mN", GridSystem::utm, 48.8583701, 2.2944813, kMetre},
        {"31U N 5411952 m, E 448251 m", GridSystem::utm, 48.8583701, 2.2944813, kMetre},
        {"31n 448251 5411952", GridSystem::utm, 48.8583701, 2.2944813, kMetre},
        {"33S 500000 6000000", GridSystem::utm, -36.1447181, 15, 1e-7},
        {"33S 500000 4000000", GridSystem::utm, 36.1447181, 15, 1e-7},
        {"31U-DQ-48250-11951", GridSystem::mgrs, 48.8583701, 2.2944813, kMetre},
    };
    for (const auto& [text, system, latitude, longitude, tolerance] : readings) {
        const GridReading r = info(system).read(text);
        EXPECT_EQ(r.error, GridError::none) << text << ": " << describeError(r);
        EXPECT_NEAR(r.latitude, latitude, tolerance) << text;
        EXPECT_NEAR(r.longitude, longitude, tolerance) << text;
    }
    // Refusals name the piece.
    const std::tuple<std::string_view, GridSystem, GridError, std::string_view> refusals[] = {
        {"61U 448251 5411952", GridSystem::utm, GridError::badZone, "61"},
        {"31I 448251 5411952", GridSystem::utm, GridError::badBand, "I"},
        {"31U 448251", GridSystem::utm, GridError::badLength, "31U 448251"},
        {"31U 44x251 5411952", GridSystem::utm, GridError::badNumber, "44x251"},
        {"31U 448251 1000000", GridSystem::utm, GridError::outsideZone, "31U 448251 1000000"},
        {"33s 500000 4000000", GridSystem::utm, GridError::ambiguousLetter, "s"},
        {"31U 448251mE 5411952mE", GridSystem::utm, GridError::badCharacter,
         "448251mE 5411952mE"},
        {"31U", GridSystem::mgrs, GridError::missingSquare, "31U"},
        {"31U DI 48250 11951", GridSystem::mgrs, GridError::badCharacter, "I"},
        {"31U ZZ 48250 11951", GridSystem::mgrs, GridError::outsideZone, "31U ZZ"},
        {"V75V+8Q Paris", GridSystem::pluscode, GridError::shortCode, "V75V+8Q Paris"},
        {"8FW4V75V8Q", GridSystem::pluscode, GridError::badSeparator, "8FW4V75V8Q"},
        {"8F000000+22", GridSystem::pluscode, GridError::badPadding, "8F000000+22"},
        {"8FW4V75U+8Q", GridSystem::pluscode, GridError::badCharacter, "U"},
        {"JN18dü", GridSystem::maidenhead, GridError::badCharacter, "ü"},
        {"JN18d", GridSystem::maidenhead, GridError::badLength, "JN18d"},
    };
    for (const auto& [text, system, error, piece] : refusals) {
        const GridReading r = info(system).read(text);
        EXPECT_EQ(r.error, error) << text;
        EXPECT_EQ(r.piece, piece) << text;
        EXPECT_NE(describeError(r).find("\"" + std::string(piece) + "\""), std::string::npos)
            << describeError(r);
    }
    EXPECT_EQ(readUtm("").error, GridError::empty);
    EXPECT_NE(describeError(readPlusCode("V75V+8Q")).find("full code"), std::string::npos);
}

TEST(GridRead, CellSizes) {
    // The GeographicLib manual's example: 38SMB4488 is the kilometre square from 444 km east
    // and 3688 km north in zone 38N; its centre is written back in UTM.
    const GridReading baghdad = readMgrs("38SMB4488");
    EXPECT_EQ(baghdad.cell.height, 1000);
    EXPECT_EQ(writeUtm(baghdad.latitude, baghdad.longitude).view(), "38S 444500 3688500");
    EXPECT_EQ(readUtm("31U 448251.25 5411952").cell.width, 0.01);
    EXPECT_DOUBLE_EQ(readPlusCode("8FW4V75V+8QX").cell.height, 1.0 / 8000 / 5); // 5 rows
    EXPECT_DOUBLE_EQ(readPlusCode("8FW4V75V+8QX").cell.width, 1.0 / 8000 / 4);  // 4 columns
    EXPECT_DOUBLE_EQ(readMaidenhead("JN18du").cell.width, 5.0 / 60);
}

TEST(GridRead, RecognisesTheSystemByShape) {
    const std::pair<std::string_view, std::optional<GridSystem>> cases[] = {
        {"31U 448251 5411952", GridSystem::utm},
        {"31U DQ 48250 11951", GridSystem::mgrs},
        {"Z AH 00000 00000", GridSystem::mgrs},
        {"8FW4V75V+8Q", GridSystem::pluscode},
        {"JN18du", GridSystem::maidenhead},
        {"45.5, -73.25", std::nullopt},
        {"NO", std::nullopt},
        {"bad", std::nullopt}, // a word, though BAD is a UPS square
        {"BAD 12", GridSystem::mgrs},
        {"17T 630084m E 4833438m N", GridSystem::utm},
        {"n 2000000 2000000", GridSystem::utm},
        {"N 45.5 73.25", std::nullopt}, // degrees, not the metres of UPS
        {"45 N 73 E", std::nullopt},
    };
    for (const auto& [text, system] : cases)
        EXPECT_EQ(recogniseGridSystem(text), system) << text;
    EXPECT_EQ(readGridReference("JN18du").system, GridSystem::maidenhead);
    EXPECT_EQ(readGridReference("hello").error, GridError::unrecognised);
}

// Metres between two nearby positions (the cells are small: a local flat approximation).
double metresBetween(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kMetresPerDegree = 111'320;
    constexpr double kPi = 3.14159265358979323846;
    const double dlon = std::remainder(lon2 - lon1, 360.0) * std::cos(lat1 * kPi / 180);
    return std::hypot(lat2 - lat1, dlon) * kMetresPerDegree;
}

// Position → reference → position lies in the named cell, and that position writes the same
// reference again (the systems agree on which cell a point belongs to).
TEST(GridRoundTrip, RandomPositions) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> latitudes(-90, 90);
    std::uniform_real_distribution<double> longitudes(-180, 180);
    constexpr int kPositions = 20000;
    constexpr double kHalfMetreDiagonal = 0.7072; // metres, plus the flat approximation's slack
    for (int i = 0; i < kPositions; ++i) {
        const double lat = latitudes(random);
        const double lon = longitudes(random);
        for (const GridSystemInfo& system : gridSystems()) {
            const GridText text = system.write(lat, lon);
            const GridReading back = system.read(text.view());
            ASSERT_TRUE(back.ok()) << text.view() << ": " << describeError(back);
            if (back.cell.unit == CellUnit::metres) {
                EXPECT_LE(metresBetween(lat, lon, back.latitude, back.longitude),
                          kHalfMetreDiagonal * 1.01)
                    << system.title << " " << lat << ", " << lon << " " << text.view();
            } else {
                EXPECT_LE(std::fabs(back.latitude - lat), back.cell.height / 2) << text.view();
                EXPECT_LE(std::fabs(std::remainder(back.longitude - lon, 360.0)),
                          back.cell.width / 2)
                    << text.view();
            }
            EXPECT_EQ(system.write(back.latitude, back.longitude).view(), text.view())
                << system.title << " " << lat << ", " << lon;
        }
    }
}

} // namespace
} // namespace quorvane::grid
