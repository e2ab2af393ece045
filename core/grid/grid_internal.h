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
