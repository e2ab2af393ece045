// Maidenhead locator: pairs of longitude and latitude characters, each pair splitting the cell of
// the one before. Field (A–R: 20° × 10°), square (0–9: 2° × 1°), subsquare (a–x: 5' × 2.5'),
// extended square (0–9: 30" × 15"). Written with capital fields and small subsquares, JN18du.
#include "grid_internal.h"

#include <cmath>
#include <cstdint>

namespace quorvane::grid {

namespace {

using namespace detail;

struct PairRule {
    char first;               // the character of value 0
    int divisions;            // how many parts per cell of the pair before, in each direction
    std::string_view allowed; // for messages
};
// The four pairs, coarsest first.
constexpr std::array<PairRule, 4> kPairs{{
    {'A', 18, "letters A to R"},
    {'0', 10, "digits 0 to 9"},
    {'A', 24, "letters A to X"},
    {'0', 10, "digits 0 to 9"},
}};
constexpr std::size_t kSubsquarePair = 2; // written in small letters

// The whole world in the finest cells: 18 × 10 × 24 × 10 of them in each direction.
constexpr std::int64_t kFinestCells = 18 * 10 * 24 * 10;
constexpr double kLongitudeSpan = 360; // degrees
constexpr double kLatitudeSpan = 180;  // degrees

std::int64_t cellIndex(double fromStart, double span) {
    const auto n = static_cast<std::int64_t>(
        std::floor(fromStart * (static_cast<double>(kFinestCells) / span))); // 120 or 240: exact
    return n < 0 ? 0 : n >= kFinestCells ? kFinestCells - 1 : n;
}

int allowedCharacters(int characters) {
    const int pairs = characters / 2;
    return 2 * (pairs < 1                                 ? 1
                : pairs > static_cast<int>(kPairs.size()) ? static_cast<int>(kPairs.size())
                                                          : pairs);
}

// Value of a character in its pair, or -1.
int valueOf(char c, const PairRule& rule) {
    const int v = ascii::toUpper(c) - rule.first;
    return v >= 0 && v < rule.divisions ? v : -1;
}

GridReading fail(GridError error, std::string_view piece) {
    return failure(GridSystem::maidenhead, error, piece);
}

} // namespace

GridText writeMaidenhead(double latitude, double longitude, int characters) noexcept {
    if (!inRange(latitude, longitude)) return noReference();
    const auto pairs = static_cast<std::size_t>(allowedCharacters(characters) / 2);
    std::int64_t east = cellIndex(wrappedLongitude(longitude) + kMaxLongitude, kLongitudeSpan);
    std::int64_t north = cellIndex(latitude + kMaxLatitude, kLatitudeSpan);

    std::array<char, 2 * kPairs.size()> chars{};
    for (std::size_t p = kPairs.size(); p-- > 0;) {
        const PairRule& rule = kPairs[p];
        const char first = p == kSubsquarePair ? 'a' : rule.first;
        chars[2 * p] = static_cast<char>(first + east % rule.divisions);
        chars[2 * p + 1] = static_cast<char>(first + north % rule.divisions);
        east /= rule.divisions;
        north /= rule.divisions;
    }
    TextBuilder out;
    out.put(std::string_view(chars.data(), 2 * pairs));
    return out.done();
}

GridReading readMaidenhead(std::string_view text) noexcept {
    const std::string_view t = trimmed(text);
    if (t.empty()) return fail(GridError::empty, t);
    // Characters first, so "JN18dü" is named for its "ü", not for its length in bytes.
    for (std::size_t i = 0; i < t.size() && i < 2 * kPairs.size(); ++i) {
        if (valueOf(t[i], kPairs[i / 2]) < 0)
            return fail(GridError::badCharacter, characterAt(t, i));
    }
    if (t.size() % 2 == 1 || t.size() > 2 * kPairs.size()) return fail(GridError::badLength, t);

    double west = 0;  // degrees east of the antimeridian
    double south = 0; // degrees north of the South Pole
    double width = kLongitudeSpan;
    double height = kLatitudeSpan;
    for (std::size_t p = 0; p < t.size() / 2; ++p) {
        const PairRule& rule = kPairs[p];
        const int east = valueOf(t[2 * p], rule);
        const int north = valueOf(t[2 * p + 1], rule);
        width /= rule.divisions;
        height /= rule.divisions;
        west += east * width;
        south += north * height;
    }
    GridReading r = success(GridSystem::maidenhead, south + height / 2 - kMaxLatitude,
                            west + width / 2 - kMaxLongitude, {height, width, CellUnit::degrees});
    r.precision = static_cast<int>(t.size());
    return r;
}

} // namespace quorvane::grid
