// Helpers shared by the grid systems' writers and readers (not part of the module's interface).
#pragma once

#include "core/ascii.h"
#include "grid_reference.h"

#include <cmath>
#include <string_view>

namespace quorvane::grid::detail {

inline constexpr double kMaxLatitude = 90;   // degrees
inline constexpr double kMaxLongitude = 180; // degrees
inline constexpr double kFullCircle = 360;   // degrees

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Between the pieces of an MGRS reference: blanks, or dashes as some write it.
constexpr bool isMgrsGap(char c) {
    return isBlank(c) || c == '-';
}

constexpr std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A position the systems can write: finite, latitude within ±90°, longitude within ±180°.
inline bool inRange(double latitude, double longitude) {
    return std::isfinite(latitude) && std::isfinite(longitude) &&
           std::fabs(latitude) <= kMaxLatitude && std::fabs(longitude) <= kMaxLongitude;
}

// Longitude in [-180, 180): 180° E is written as 180° W, as the grids begin there.
inline double wrappedLongitude(double longitude) {
    return longitude >= kMaxLongitude ? longitude - kFullCircle : longitude;
}

// The whole UTF-8 character starting at byte i, so a message quotes it whole.
inline std::string_view characterAt(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return s.substr(i, n);
}

// Easting and northing as people write them after the grid zone: "448251 5411952",
// "448251mE 5411952mN", "630084 m E, 4833438 m N", "E 448251 N 5411952", "N 5411952 E 448251".
// Without labels the easting comes first.
struct UtmMetres {
    std::string_view easting;
    std::string_view northing;
    GridError error = GridError::none; // badLength, badCharacter
    std::string_view piece;
};
UtmMetres splitUtmMetres(std::string_view text);

// A hemisphere letter where a band or UPS letter may stand: "31n 448251 5411952" and
// "n 2000000 2000000", as GeoConvert writes UTM and UPS.
constexpr bool isHemisphereLetter(char c) {
    return c == 'N' || c == 'n' || c == 'S' || c == 's';
}

inline GridText noReference() {
    GridText t;
    t.error = GridError::outOfRange;
    return t;
}

// Appends to a GridText; the writers never exceed its capacity.
class TextBuilder {
public:
    void put(char c) {
        if (text_.length < text_.chars.size()) text_.chars[text_.length++] = c;
    }
    void put(std::string_view s) {
        for (const char c : s)
            put(c);
    }
    // A whole number >= 0, without leading zeros.
    void putNumber(long long n) {
        char digits[24];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + n % 10);
            n /= 10;
        } while (n > 0 && count < 24);
        while (count > 0)
            put(digits[--count]);
    }
    GridText done() const { return text_; }

private:
    GridText text_;
};

inline GridReading failure(GridSystem system, GridError error, std::string_view piece) {
    GridReading r;
    r.system = system;
    r.error = error;
    r.piece = piece;
    return r;
}

inline GridReading success(GridSystem system, double latitude, double longitude, GridCell cell) {
    GridReading r;
    r.system = system;
    r.error = GridError::none;
    r.latitude = latitude;
    r.longitude = longitude;
    r.cell = cell;
    return r;
}

} // namespace quorvane::grid::detail
