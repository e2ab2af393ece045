// Open Location Code ("Plus Code"), from the published algorithm.
//
// The code is computed on whole numbers: the position is first turned into counts of the finest
// cell (1/25 000 000° of latitude, 1/8 192 000° of longitude: ten pair digits and five grid
// digits), floored, so that a position on a cell edge belongs to the cell north and east of it,
// and no rounding of decimal fractions can move a digit.
#include "grid_internal.h"

#include <cmath>
#include <cstdint>

namespace quorvane::grid {

namespace {

using namespace detail;

constexpr std::string_view kAlphabet = "23456789CFGHJMPQRVWX";
constexpr int kBase = 20;
constexpr char kSeparator = '+';
constexpr char kPadding = '0';
constexpr int kSeparatorPosition = 8; // digits before "+" in a full code
constexpr int kPairDigits = 10;       // digits of latitude/longitude pairs
constexpr int kMinDigits = 2;
constexpr int kMaxDigits = 15;
constexpr int kGridRows = 5;    // each grid digit splits a cell into 5 rows ...
constexpr int kGridColumns = 4; // ... and 4 columns

// The finest cell: after the five pairs (1/8000°) five grid digits of 5 rows and 4 columns.
constexpr std::int64_t kPairResolution = 8000;                                 // per degree
constexpr std::int64_t kLatitudeCounts = kPairResolution * 5 * 5 * 5 * 5 * 5;  // per degree
constexpr std::int64_t kLongitudeCounts = kPairResolution * 4 * 4 * 4 * 4 * 4; // per degree
// Place value of the first pair's digits, in finest counts: 20° in either half.
constexpr std::int64_t kFirstLatitudePlace = kBase * kLatitudeCounts;
constexpr std::int64_t kFirstLongitudePlace = kBase * kLongitudeCounts;
constexpr std::int64_t kLatitudeSpan = 180 * kLatitudeCounts;
constexpr std::int64_t kLongitudeSpan = 360 * kLongitudeCounts;
// The first latitude digit goes up to "C" (160° to 180° from the South Pole), the first longitude
// digit up to "V" (340° to 360° from the antimeridian).
constexpr int kFirstLatitudeDigitLimit = 9;
constexpr int kFirstLongitudeDigitLimit = 18;

int digitValue(char c) {
    const auto at = kAlphabet.find(ascii::toUpper(c));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int allowedDigits(int digits) {
    if (digits < kMinDigits) return kMinDigits;
    if (digits > kMaxDigits) return kMaxDigits;
    if (digits < kPairDigits && digits % 2 == 1) return digits - 1;
    return digits;
}

std::int64_t latitudeCounts(double latitude) {
    auto n =
        static_cast<std::int64_t>(std::floor(latitude * static_cast<double>(kLatitudeCounts))) +
        kLatitudeSpan / 2;
    if (n < 0) n = 0;
    if (n >= kLatitudeSpan) n = kLatitudeSpan - 1; // the North Pole lies in the northmost row
    return n;
}

std::int64_t longitudeCounts(double longitude) {
    auto n =
        static_cast<std::int64_t>(std::floor(longitude * static_cast<double>(kLongitudeCounts))) +
        kLongitudeSpan / 2;
    n %= kLongitudeSpan;
    if (n < 0) n += kLongitudeSpan;
    return n;
}

GridReading fail(GridError error, std::string_view piece) {
    return failure(GridSystem::pluscode, error, piece);
}

} // namespace

GridText writePlusCode(double latitude, double longitude, int digits) noexcept {
    if (!inRange(latitude, longitude)) return noReference();
    digits = allowedDigits(digits);

    std::int64_t lat = latitudeCounts(latitude);
    std::int64_t lng = longitudeCounts(longitude);
    std::array<char, kMaxDigits> code{};
    // Grid digits from the last: each is a row (of 5) and a column (of 4) in its cell.
    for (int i = kMaxDigits - 1; i >= kPairDigits; --i) {
        const auto row = static_cast<int>(lat % kGridRows);
        const auto column = static_cast<int>(lng % kGridColumns);
        code[static_cast<std::size_t>(i)] =
            kAlphabet[static_cast<std::size_t>(row * kGridColumns + column)];
        lat /= kGridRows;
        lng /= kGridColumns;
    }
    // Pairs from the last: a base-20 digit of latitude, then one of longitude.
    for (int i = kPairDigits - 2; i >= 0; i -= 2) {
        code[static_cast<std::size_t>(i)] = kAlphabet[static_cast<std::size_t>(lat % kBase)];
        code[static_cast<std::size_t>(i + 1)] = kAlphabet[static_cast<std::size_t>(lng % kBase)];
        lat /= kBase;
        lng /= kBase;
    }

    TextBuilder out;
    for (int i = 0; i < kSeparatorPosition; ++i) {
        out.put(i < digits ? code[static_cast<std::size_t>(i)] : kPadding);
    }
    out.put(kSeparator);
    for (int i = kSeparatorPosition; i < digits; ++i)
        out.put(code[static_cast<std::size_t>(i)]);
    return out.done();
}

GridReading readPlusCode(std::string_view text) noexcept {
    const std::string_view t = trimmed(text);
    if (t.empty()) return fail(GridError::empty, t);
    // A short code may be followed by the place it refers to ("V75V+8Q Paris").
    std::size_t end = 0;
    while (end < t.size() && !isBlank(t[end]))
        ++end;
    const std::string_view code = t.substr(0, end);
    const std::string_view rest = trimmed(t.substr(end));

    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] != kSeparator && code[i] != kPadding && digitValue(code[i]) < 0) {
            return fail(GridError::badCharacter, characterAt(code, i));
        }
    }
    const auto separator = code.find(kSeparator);
    if (separator == std::string_view::npos || code.find(kSeparator, separator + 1) != code.npos ||
        separator > kSeparatorPosition || separator % 2 == 1) {
        return fail(GridError::badSeparator, code);
    }
    if (separator < kSeparatorPosition) return fail(GridError::shortCode, t);
    if (!rest.empty()) return fail(GridError::badCharacter, rest);

    const std::string_view before = code.substr(0, separator);
    const std::string_view after = code.substr(separator + 1);
    const auto padding = before.find(kPadding);
    if (after.find(kPadding) != std::string_view::npos) return fail(GridError::badPadding, code);
    if (padding != std::string_view::npos) {
        const std::string_view pad = before.substr(padding);
        if (padding < kMinDigits || padding % 2 == 1 ||
            pad.find_first_not_of(kPadding) != std::string_view::npos || !after.empty()) {
            return fail(GridError::badPadding, code);
        }
    }
    const std::size_t pairDigits = padding == std::string_view::npos ? before.size() : padding;
    if (after.size() == 1 || pairDigits + after.size() > kMaxDigits) {
        return fail(GridError::badLength, code);
    }
    if (digitValue(code[0]) >= kFirstLatitudeDigitLimit)
        return fail(GridError::badCharacter, code.substr(0, 1));
    if (digitValue(code[1]) >= kFirstLongitudeDigitLimit)
        return fail(GridError::badCharacter, code.substr(1, 1));

    // The digits without "+" and padding: five pairs first, then the grid digits.
    std::array<int, kMaxDigits> digits{};
    std::size_t count = 0;
    for (const std::string_view part : {before.substr(0, pairDigits), after}) {
        for (const char c : part)
            digits[count++] = digitValue(c);
    }
    // South-west corner and size of the cell, in finest counts.
    std::int64_t south = 0;
    std::int64_t west = 0;
    std::int64_t height = kFirstLatitudePlace;
    std::int64_t width = kFirstLongitudePlace;
    for (std::size_t i = 0; i < count; ++i) {
        if (i < kPairDigits) {
            if (i % 2 == 1) {
                west += digits[i] * width;
            } else {
                if (i > 0) {
                    height /= kBase;
                    width /= kBase;
                }
                south += digits[i] * height;
            }
        } else {
            height /= kGridRows;
            width /= kGridColumns;
            south += (digits[i] / kGridColumns) * height;
            west += (digits[i] % kGridColumns) * width;
        }
    }
    const auto degrees = [](std::int64_t counts, std::int64_t perDegree) {
        return static_cast<double>(counts) / static_cast<double>(perDegree);
    };
    const double latitude =
        std::fmin(degrees(2 * south + height, 2 * kLatitudeCounts) - kMaxLatitude, kMaxLatitude);
    const double longitude = degrees(2 * west + width, 2 * kLongitudeCounts) - kMaxLongitude;
    GridReading r = success(
        GridSystem::pluscode, latitude, longitude,
        {degrees(height, kLatitudeCounts), degrees(width, kLongitudeCounts), CellUnit::degrees});
    r.precision = static_cast<int>(count);
    return r;
}

} // namespace quorvane::grid
