// Grid references of a position: UTM/UPS, MGRS, Plus Code (Open Location Code) and the
// Maidenhead locator, written from latitude and longitude and read back.
//
// Written forms (the Eiffel Tower, 48.8583701, 2.2944813):
//
//   UTM/UPS     31U 448251 5411952     zone, latitude band, easting and northing rounded to the
//                                      metre; near the poles (UPS) the zone is left out and the
//                                      letter is A or B (south), Y or Z (north): Z 2000000 2000000
//   MGRS        31U DQ 48250 11951     grid zone, 100 km square, easting and northing to 1 m,
//                                      truncated as MGRS prescribes; read with or without blanks
//   Plus Code   8FW4V75V+8Q            10 digits by default; 2 to 15 digits and the padded forms
//                                      (8FW40000+) are read; short codes (V75V+8Q) are refused
//   Maidenhead  JN18du                 6 characters by default; 2, 4, 6 and 8 are read
//
// A reference names a square or cell, not a point. Reading gives back the CENTRE of the cell it
// names: the centre of the MGRS square, of the Plus Code area, of the locator square. A UTM
// reference is read as the point its easting and northing give, which is the centre of the
// metre square whose points are written with these rounded numbers. So each system reads its
// own output back to a point within half a cell of the position written.
//
// UTM covers 80° S to 84° N and UPS the rest, so every position has a UTM/UPS reference and an
// MGRS reference; only positions beyond 90° latitude or 180° longitude (or not numbers) get none.
//
// Nothing here throws (GeographicLib's exceptions are caught inside) and nothing allocates except
// GeographicLib's own short MGRS string and the message of a refusal, built only on request.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane::grid {

enum class GridSystem : std::uint8_t { utm, mgrs, pluscode, maidenhead };
inline constexpr std::size_t kGridSystemCount = 4;

enum class GridError : std::uint8_t {
    none,
    outOfRange,    // (writing) latitude beyond 90° or longitude beyond 180°, or not a number
    empty,         // nothing but blanks
    badCharacter,  // a character the system does not use at that place
    badLength,     // too few, too many or an odd number of characters or digits
    badZone,       // UTM zone number outside 1 to 60
    badBand,       // a latitude band or UPS letter that is not one
    missingSquare, // MGRS grid zone without its 100 km square
    badNumber,     // UTM easting or northing that is no number
    outsideZone,   // a UTM/MGRS reference whose numbers or square lie outside its zone or band
    badSeparator,  // Plus Code: no "+", several, or one at the wrong place
    badPadding,    // Plus Code: "0" padding where it cannot be
    shortCode,     // Plus Code without its first four digits: needs a reference place
    unrecognised,  // a text that looks like no grid reference (readGridReference)
    ambiguousLetter, // UTM "s": band S (north of the equator) or the southern hemisphere
};

// The size of the cell a reference names.
enum class CellUnit : std::uint8_t { metres, degrees };
struct GridCell {
    double height = 0; // north–south: metres (UTM, MGRS) or degrees of latitude
    double width = 0;  // east–west: metres (UTM, MGRS) or degrees of longitude
    CellUnit unit = CellUnit::degrees;
};

enum class UtmHemisphere : std::uint8_t { north, south };

// A point in UTM/UPS grid coordinates.
struct UtmPoint {
    int zone = 0; // 1 to 60; 0 for UPS
    UtmHemisphere hemisphere = UtmHemisphere::north;
    double easting = 0;  // metres
    double northing = 0; // metres
};

// What reading a reference gives.
struct GridReading {
    GridError error = GridError::empty;
    GridSystem system = GridSystem::utm;
    double latitude = 0;  // degrees, the centre of the named cell (see above)
    double longitude = 0; // degrees, -180 to 180
    GridCell cell;
    // How finely the reference was written: MGRS digits per coordinate (0 to 5), Plus Code
    // digits (2 to 15), locator characters (2 to 8); 0 for UTM, which is written to the metre.
    int precision = 0;
    // UTM and MGRS: the grid coordinates of the point read (for MGRS the centre of its square).
    // The other of the two is written from them, as a trip through degrees and back can move
    // a point on a metre line a hair into the square beside it.
    std::optional<UtmPoint> utm;
    // For an error: the piece of the text it is about (points into the text that was read).
    std::string_view piece;

    constexpr bool ok() const { return error == GridError::none; }
};

// The longest reference written (UTM: "60X 1000000 10000000" has 20 characters).
inline constexpr std::size_t kMaxWrittenLength = 24;

// A written reference, held without allocating; empty with a reason when there is none.
struct GridText {
    std::array<char, kMaxWrittenLength> chars{};
    std::uint8_t length = 0;
    GridError error = GridError::none; // outOfRange: no reference

    std::string_view view() const { return {chars.data(), length}; }
    constexpr bool ok() const { return error == GridError::none; }
};

// Precision of the written Plus Code and locator.
inline constexpr int kDefaultMgrsDigits = 5;           // per coordinate: 1 m squares
inline constexpr int kDefaultPlusCodeDigits = 10;      // 1/8000° squares, about 14 m
inline constexpr int kDefaultMaidenheadCharacters = 6; // 5' × 2.5' subsquares

GridText writeUtm(double latitude, double longitude) noexcept;
GridText writeMgrs(double latitude, double longitude) noexcept; // to 1 m
// digits: 2, 4, 6, 8, or 10 to 15 (others are taken as the nearest allowed, at most 15).
GridText writePlusCode(double latitude, double longitude,
                       int digits = kDefaultPlusCodeDigits) noexcept;
// characters: 2, 4, 6 or 8 (others are taken as the nearest allowed below, at least 2).
GridText writeMaidenhead(double latitude, double longitude,
                         int characters = kDefaultMaidenheadCharacters) noexcept;

// Each reader takes one reference of its system; blanks around it are ignored, letters may be
// of either case. `text` must outlive the result (its piece points into it).
GridReading readUtm(std::string_view text) noexcept;
GridReading readMgrs(std::string_view text) noexcept;
GridReading readPlusCode(std::string_view text) noexcept;
GridReading readMaidenhead(std::string_view text) noexcept;

// The facts of each system, in screen order.
struct GridSystemInfo {
    GridSystem id;
    std::string_view name;  // "utm", "mgrs", "pluscode", "maidenhead": field and settings names
    std::string_view title; // "UTM/UPS", "MGRS", "Plus Code", "Maidenhead"
    GridText (*write)(double latitude, double longitude) noexcept; // default precision
    GridReading (*read)(std::string_view text) noexcept;
    std::size_t maxTypedLength; // the longest reference the reader takes, blanks included
    std::string_view example;   // the Eiffel Tower
};
const std::array<GridSystemInfo, kGridSystemCount>& gridSystems();
const GridSystemInfo& info(GridSystem system);

// All four references of one position, in screen order.
using GridTexts = std::array<GridText, kGridSystemCount>;
GridTexts writeAll(double latitude, double longitude) noexcept;

// The reference of `system` for the point a reading names, as fine as the reading allows: the
// reading's own system gives back the reference read, at the precision it was written in
// (canonical spacing and case); UTM and MGRS come from the reading's grid coordinates where it
// has them, so the metre it names stays the metre written; the rest from its degrees.
GridText writeReferenceOf(const GridReading& reading, GridSystem system) noexcept;
// UTM/UPS and MGRS written from grid coordinates; `latitude` gives the band letter. MGRS to
// `digits` digits per coordinate (0 to 5, truncated as MGRS prescribes); UTM rounds to the metre.
GridText writeUtm(const UtmPoint& point, double latitude) noexcept;
GridText writeMgrs(const UtmPoint& point, double latitude, int digits) noexcept;

// Which system a text is written in, judged by its shape only (a "+" makes a Plus Code, digits
// and a letter followed by numbers UTM, followed by letters MGRS, two letters A–R and digits a
// locator); nullopt when it looks like none. For the one reader of positions.
std::optional<GridSystem> recogniseGridSystem(std::string_view text) noexcept;

// Reads a text in the system it looks like; a reading with error unrecognised (and the whole
// text as piece) when it looks like none.
GridReading readGridReference(std::string_view text) noexcept;

// A sentence saying what could not be read or written and what is allowed, e.g.
//   "61" is no UTM zone: zones go from 1 to 60
// Empty for a reading without error.
std::string describeError(const GridReading& reading);
// The short reason a position has no reference ("" when it has one).
std::string_view describeError(const GridText& text);

} // namespace quorvane::grid
