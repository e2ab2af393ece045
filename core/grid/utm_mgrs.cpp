// UTM/UPS and MGRS through GeographicLib: it picks the zone (with the Norway and Svalbard
// exceptions), the latitude band and UPS near the poles, and checks the MGRS squares. This file
// reads and writes the texts around it and keeps GeographicLib's exceptions inside.
#include "grid_internal.h"

#include <GeographicLib/MGRS.hpp>
#include <GeographicLib/UTMUPS.hpp>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace quorvane::grid {

namespace {

using namespace detail;
using GeographicLib::MGRS;
using GeographicLib::UTMUPS;

constexpr std::string_view kBands = "CDEFGHJKLMNPQRSTUVWX"; // 8° each from 80° S, X 12°
constexpr std::string_view kUpsLetters = "ABYZ";            // south west/east, north west/east
constexpr std::string_view kSquareLetters = "ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr double kBandHeight = 8;           // degrees
constexpr double kSouthernmostBand = -80;   // degrees, UTM's southern limit
constexpr double kNorthernmostBandTop = 84; // degrees, band X is 12° high
constexpr int kMaxZone = 60;
constexpr int kMaxZoneDigits = 2;
constexpr double kUpsFalseEasting = 2'000'000; // metres: the pole; east of it B and Z
// Tolerance of the band check of a UTM reading: the easting and northing are rounded to the metre,
// which may carry a point just across a band edge (1e-4° is about 11 m).
constexpr double kBandTolerance = 1e-4;                 // degrees
constexpr int kMgrsMetrePrecision = kDefaultMgrsDigits; // GeographicLib's precision: 1 m
constexpr int kMaxMgrsDigits = 2 * kMgrsMetrePrecision;
constexpr std::size_t kMgrsCompactCapacity = 32;
constexpr std::size_t kSquareLetterCount = 2; // the 100 km square

// Coordinate limits of the readers, in metres: GeographicLib's own (100 km beyond the MGRS
// limits), so what it refuses is named before it is asked.
struct Limits {
    double minEasting, maxEasting, minNorthing, maxNorthing;
};
constexpr Limits kUtmNorth{0, 1'000'000, 0, 9'600'000};
constexpr Limits kUtmSouth{0, 1'000'000, 900'000, 10'000'000};
constexpr Limits kUpsNorth{1'200'000, 2'800'000, 1'200'000, 2'800'000};
constexpr Limits kUpsSouth{700'000, 3'300'000, 700'000, 3'300'000};

char bandLetter(double latitude) {
    const auto band = static_cast<int>(std::floor((latitude - kSouthernmostBand) / kBandHeight));
    const int last = static_cast<int>(kBands.size()) - 1;
    return kBands[static_cast<std::size_t>(band < 0 ? 0 : band > last ? last : band)];
}

bool isNorthernBand(char band) {
    return band >= 'N';
}

char upsLetter(bool north, double easting) {
    const bool east = easting >= kUpsFalseEasting;
    return kUpsLetters[(north ? 2U : 0U) + (east ? 1U : 0U)];
}

bool forward(double latitude, double longitude, int& zone, bool& north, double& x, double& y) {
    // The equator belongs to the northern hemisphere, also as -0 (a South selector on 0°):
    // GeographicLib would give it the southern false northing of 10 000 km beside band N.
    if (latitude == 0) latitude = 0;
    try {
        UTMUPS::Forward(latitude, longitude, zone, north, x, y);
        return true;
    } catch (...) {
        return false;
    }
}

// ---- UTM reading ------------------------------------------------------------------------------

struct Cursor {
    std::string_view s;
    std::size_t i = 0;
    bool atEnd() const { return i >= s.size(); }
    void skipBlanks() {
        while (!atEnd() && isBlank(s[i]))
            ++i;
    }
    std::string_view token() { // up to the next blank
        const std::size_t start = i;
        while (!atEnd() && !isBlank(s[i]))
            ++i;
        return s.substr(start, i - start);
    }
};

struct Metres {
    double value = 0;
    int decimals = 0;
};

// Digits with at most one decimal point, a digit before it.
std::optional<Metres> readMetres(std::string_view token) {
    const auto point = token.find('.');
    const std::string_view whole = token.substr(0, point);
    const std::string_view fraction =
        point == token.npos ? std::string_view{} : token.substr(point + 1);
    const auto digitsOnly = [](std::string_view s) {
        for (const char c : s)
            if (!ascii::isDigit(c)) return false;
        return true;
    };
    if (whole.empty() || !digitsOnly(whole) || !digitsOnly(fraction)) return std::nullopt;
    Metres m;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), m.value);
    if (error != std::errc{} || end != token.data() + token.size()) return std::nullopt;
    m.decimals = static_cast<int>(fraction.size());
    return m;
}

GridReading failUtm(GridError error, std::string_view piece) {
    return failure(GridSystem::utm, error, piece);
}

bool within(double v, double low, double high) {
    return v >= low && v <= high;
}

// The band or UPS letter agrees with the point read.
bool letterAgrees(int zone, char letter, double latitude, double easting) {
    if (zone == 0) return upsLetter(isNorthernBand(letter), easting) == letter;
    const auto index = static_cast<double>(kBands.find(letter));
    const double south = kSouthernmostBand + index * kBandHeight;
    const double north = letter == kBands.back() ? kNorthernmostBandTop : south + kBandHeight;
    return within(latitude, south - kBandTolerance, north + kBandTolerance);
}

// The pieces of a UTM text that messages quote.
struct UtmText {
    std::string_view whole;
    std::string_view easting;
    std::string_view northing;
};

UtmPoint utmPoint(int zone, bool north, double easting, double northing) {
    return {zone, north ? UtmHemisphere::north : UtmHemisphere::south, easting, northing};
}

// The point of a UTM or UPS reference in one reading of its letter: a band (or UPS letter) that
// must hold the point, or a hemisphere (no band given).
GridReading pointOf(const UtmText& text, int zone, bool north, const Metres& easting,
                    const Metres& northing, std::optional<char> band) {
    const Limits& limits =
        zone == UTMUPS::UPS ? (north ? kUpsNorth : kUpsSouth) : (north ? kUtmNorth : kUtmSouth);
    if (!within(easting.value, limits.minEasting, limits.maxEasting)) {
        return failUtm(GridError::outsideZone, text.easting);
    }
    if (!within(northing.value, limits.minNorthing, limits.maxNorthing)) {
        return failUtm(GridError::outsideZone, text.northing);
    }
    double latitude = 0;
    double longitude = 0;
    try {
        UTMUPS::Reverse(zone, north, easting.value, northing.value, latitude, longitude);
    } catch (...) {
        return failUtm(GridError::outsideZone, text.whole);
    }
    if (band && !letterAgrees(zone, *band, latitude, easting.value)) {
        return failUtm(GridError::outsideZone, text.whole);
    }
    const double cell = std::pow(10.0, -std::max(easting.decimals, northing.decimals));
    GridReading r = success(GridSystem::utm, latitude, longitude, {cell, cell, CellUnit::metres});
    r.utm = utmPoint(zone, north, easting.value, northing.value);
    return r;
}

// ---- Easting and northing as written ----------------------------------------------------------

enum class MetreLabel : std::uint8_t { none, easting, northing };

struct MetreLabelSpelling {
    std::string_view text; // lower case
    MetreLabel label;
};
constexpr std::array<MetreLabelSpelling, 8> kMetreLabels{{
    {"e", MetreLabel::easting},
    {"me", MetreLabel::easting},
    {"easting", MetreLabel::easting},
    {"n", MetreLabel::northing},
    {"mn", MetreLabel::northing},
    {"northing", MetreLabel::northing},
    {"m", MetreLabel::none}, // the unit alone
    {"meters", MetreLabel::none},
}};

struct MetreItem {
    std::string_view number; // empty for a label alone
    MetreLabel label = MetreLabel::none;
    bool unitOnly = false;
};

std::optional<MetreLabelSpelling> metreLabel(std::string_view word) {
    for (const MetreLabelSpelling& l : kMetreLabels)
        if (ascii::equalsIgnoringCase(word, l.text)) return l;
    return std::nullopt;
}

// ---- MGRS -------------------------------------------------------------------------------------

GridReading failMgrs(GridError error, std::string_view piece) {
    return failure(GridSystem::mgrs, error, piece);
}

// The text without blanks, each character remembering where it stood, so a message can quote the
// piece as the user wrote it.
struct Compact {
    std::array<char, kMgrsCompactCapacity> chars{};
    std::array<std::size_t, kMgrsCompactCapacity> at{};
    std::array<bool, kMgrsCompactCapacity> blankBefore{};
    std::size_t size = 0;
};

bool isNorth(const UtmPoint& p) {
    return p.hemisphere == UtmHemisphere::north;
}

// The UTM/UPS coordinates of a position the systems can write.
std::optional<UtmPoint> gridPointOf(double latitude, double longitude) {
    int zone = 0;
    bool north = true;
    double x = 0;
    double y = 0;
    if (!inRange(latitude, longitude) || !forward(latitude, longitude, zone, north, x, y))
        return std::nullopt;
    return utmPoint(zone, north, x, y);
}

// Half a metre goes to the even metre, as GeographicLib writes it (the centre of a metre square
// read from MGRS lies exactly on the half).
long long nearestMetre(double metres) {
    return std::llrint(metres);
}

} // namespace

namespace detail {

UtmMetres splitUtmMetres(std::string_view text) {
    const auto fail = [](GridError error, std::string_view piece) {
        UtmMetres m;
        m.error = error;
        m.piece = trimmed(piece);
        return m;
    };
    constexpr std::size_t kMaxItems = 6; // two numbers, each with a unit and a label apart
    std::array<MetreItem, kMaxItems> items{};
    std::size_t count = 0;
    for (std::size_t i = 0;;) {
        while (i < text.size() && (isBlank(text[i]) || text[i] == ','))
            ++i;
        if (i == text.size()) break;
        if (count == items.size()) return fail(GridError::badCharacter, text.substr(i));
        const std::size_t start = i;
        while (i < text.size() && (ascii::isDigit(text[i]) || text[i] == '.'))
            ++i;
        const std::size_t wordStart = i;
        while (i < text.size() && ascii::isLetter(text[i]))
            ++i;
        if (i == start) return fail(GridError::badCharacter, characterAt(text, i));
        MetreItem item;
        item.number = text.substr(start, wordStart - start);
        if (i > wordStart) { // a unit or label, alone or stuck to its number: 448251mE
            const std::string_view word = text.substr(wordStart, i - wordStart);
            const auto label = metreLabel(word);
            if (!label && !item.number.empty()) { // "44x251": no number
                const std::size_t end = std::min(text.find_first_of(" \t,", start), text.size());
                return fail(GridError::badNumber, text.substr(start, end - start));
            }
            if (!label) return fail(GridError::badCharacter, word);
            item.label = label->label;
            item.unitOnly = item.number.empty() && label->label == MetreLabel::none;
        }
        items[count++] = item;
    }
    // A label apart names the number after it where the text begins with one, else the number
    // before it; a unit apart ("m") goes with the number before it.
    const bool labelsFirst = count > 0 && items[0].number.empty() && !items[0].unitOnly;
    std::array<std::string_view, 2> numbers{};
    std::array<MetreLabel, 2> labels{};
    std::size_t found = 0;
    MetreLabel pending = MetreLabel::none;
    for (std::size_t k = 0; k < count; ++k) {
        const MetreItem& item = items[k];
        if (!item.number.empty()) {
            if (found == numbers.size()) return fail(GridError::badCharacter, item.number);
            numbers[found] = item.number;
            labels[found++] = item.label != MetreLabel::none ? item.label : pending;
            pending = MetreLabel::none;
        } else if (item.unitOnly) {
            if (found == 0) return fail(GridError::badCharacter, text);
        } else if (labelsFirst) {
            pending = item.label;
        } else {
            if (found == 0 || labels[found - 1] != MetreLabel::none)
                return fail(GridError::badCharacter, text);
            labels[found - 1] = item.label;
        }
    }
    if (found < numbers.size()) return fail(GridError::badLength, text);
    const bool labelled = labels[0] != MetreLabel::none;
    if (labelled != (labels[1] != MetreLabel::none) || (labelled && labels[0] == labels[1]))
        return fail(GridError::badCharacter, text);
    const bool northingFirst = labels[0] == MetreLabel::northing;
    UtmMetres out;
    out.easting = numbers[northingFirst ? 1 : 0];
    out.northing = numbers[northingFirst ? 0 : 1];
    return out;
}

} // namespace detail

GridText writeUtm(const UtmPoint& point, double latitude) noexcept {
    if (!std::isfinite(point.easting) || !std::isfinite(point.northing)) return noReference();
    const long long easting = nearestMetre(point.easting);
    const long long northing = nearestMetre(point.northing);
    TextBuilder out;
    if (point.zone != UTMUPS::UPS) {
        out.putNumber(point.zone);
        out.put(bandLetter(latitude));
    } else {
        out.put(upsLetter(isNorth(point), static_cast<double>(easting)));
    }
    out.put(' ');
    out.putNumber(easting);
    out.put(' ');
    out.putNumber(northing);
    return out.done();
}

GridText writeUtm(double latitude, double longitude) noexcept {
    const auto point = gridPointOf(latitude, longitude);
    return point ? writeUtm(*point, latitude) : noReference();
}

GridReading readUtm(std::string_view text) noexcept {
    const std::string_view t = trimmed(text);
    if (t.empty()) return failUtm(GridError::empty, t);
    Cursor c{t};
    while (!c.atEnd() && ascii::isDigit(t[c.i]))
        ++c.i;
    const std::string_view zoneText = t.substr(0, c.i);
    int zone = UTMUPS::UPS;
    if (!zoneText.empty()) {
        std::from_chars(zoneText.data(), zoneText.data() + zoneText.size(), zone);
        if (zoneText.size() > kMaxZoneDigits || zone < 1 || zone > kMaxZone) {
            return failUtm(GridError::badZone, zoneText);
        }
    }
    c.skipBlanks();
    if (c.atEnd()) return failUtm(GridError::badLength, t);
    const char written = t[c.i];
    const char letter = ascii::toUpper(written);
    const std::string_view letters = zone == UTMUPS::UPS ? kUpsLetters : kBands;
    const bool band = ascii::isLetter(written) && letters.find(letter) != std::string_view::npos;
    if (!band && !isHemisphereLetter(written)) {
        return failUtm(GridError::badBand, characterAt(t, c.i));
    }
    const std::string_view letterText = t.substr(c.i, 1);
    const UtmMetres metres = splitUtmMetres(t.substr(c.i + 1));
    if (metres.error != GridError::none) {
        return failUtm(metres.error, metres.error == GridError::badLength ? t : metres.piece);
    }
    const auto easting = readMetres(metres.easting);
    if (!easting) return failUtm(GridError::badNumber, metres.easting);
    const auto northing = readMetres(metres.northing);
    if (!northing) return failUtm(GridError::badNumber, metres.northing);

    // The letter is a latitude band (or UPS letter); N and S may also name the hemisphere, as
    // GeoConvert writes them: read so where the band cannot hold the point. GeoConvert's small
    // "s" where both readings hold is refused: they lie on either side of the equator.
    const UtmText pieces{t, metres.easting, metres.northing};
    const GridReading asBand = band ? pointOf(pieces, zone, isNorthernBand(letter), *easting,
                                              *northing, letter)
                                    : failUtm(GridError::badBand, letterText);
    if (!isHemisphereLetter(written) || (asBand.ok() && written != 's')) return asBand;
    const GridReading asHemisphere =
        pointOf(pieces, zone, letter == 'N', *easting, *northing, std::nullopt);
    if (asBand.ok() && asHemisphere.ok() && asHemisphere.latitude != asBand.latitude) {
        return failUtm(GridError::ambiguousLetter, letterText);
    }
    if (asBand.ok()) return asBand;
    return asHemisphere.ok() || !band ? asHemisphere : asBand;
}

GridText writeMgrs(const UtmPoint& point, double latitude, int digits) noexcept {
    const int precision = std::clamp(digits, 0, kMgrsMetrePrecision);
    // 15 characters at most, within the string's own small buffer: no allocation.
    std::string mgrs;
    try {
        MGRS::Forward(point.zone, isNorth(point), point.easting, point.northing, latitude,
                      precision, mgrs);
    } catch (...) {
        return noReference();
    }
    // "31UDQ4825011951" is written "31U DQ 48250 11951"; GeographicLib's leading zero of the
    // zones 1 to 9 is left out, as in the UTM reference.
    // The pieces from the end: the northing digits, the easting digits, the square's two
    // letters; the grid zone before them (zone digits, if any, and the band or UPS letter).
    const auto count = static_cast<std::size_t>(precision);
    const std::string_view s = mgrs;
    if (s.size() < 2 * count + kSquareLetterCount + 1) return noReference();
    const std::string_view northing = s.substr(s.size() - count);
    const std::string_view easting = s.substr(s.size() - 2 * count, count);
    const std::string_view square =
        s.substr(s.size() - 2 * count - kSquareLetterCount, kSquareLetterCount);
    std::string_view gridZone = s.substr(0, s.size() - 2 * count - kSquareLetterCount);
    if (gridZone.size() == kMaxZoneDigits + 1 && gridZone.front() == '0') gridZone.remove_prefix(1);
    TextBuilder out;
    out.put(gridZone);
    out.put(' ');
    out.put(square);
    if (count > 0) {
        for (const std::string_view piece : {easting, northing}) {
            out.put(' ');
            out.put(piece);
        }
    }
    return out.done();
}

GridText writeMgrs(double latitude, double longitude) noexcept {
    const auto point = gridPointOf(latitude, longitude);
    return point ? writeMgrs(*point, latitude, kMgrsMetrePrecision) : noReference();
}

GridReading readMgrs(std::string_view text) noexcept {
    const std::string_view t = trimmed(text);
    if (t.empty()) return failMgrs(GridError::empty, t);
    if (t.front() == '-' || t.back() == '-') {
        return failMgrs(GridError::badCharacter,
                        t.front() == '-' ? t.substr(0, 1) : t.substr(t.size() - 1));
    }
    Compact k;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (isMgrsGap(t[i])) continue;
        if (k.size == k.chars.size()) return failMgrs(GridError::badLength, t);
        k.chars[k.size] = ascii::toUpper(t[i]);
        k.blankBefore[k.size] = i > 0 && isMgrsGap(t[i - 1]);
        k.at[k.size++] = i;
    }
    // Blanks may stand between the pieces only, and between the easting and northing digits.
    const auto splitInside = [&](std::size_t from, std::size_t to, std::size_t allowed) {
        for (std::size_t i = from + 1; i < to; ++i)
            if (k.blankBefore[i] && i != allowed) return true;
        return false;
    };
    const auto piece = [&](std::size_t from, std::size_t to) { // compact [from, to)
        const std::size_t end = to >= k.size ? t.size() : k.at[to];
        return trimmed(t.substr(k.at[from], end - k.at[from]));
    };
    const auto bad = [&](std::size_t i) { return characterAt(t, k.at[i]); };

    std::size_t i = 0;
    while (i < k.size && ascii::isDigit(k.chars[i]))
        ++i;
    int zone = UTMUPS::UPS;
    if (i > 0) {
        std::from_chars(k.chars.data(), k.chars.data() + i, zone);
        if (i > kMaxZoneDigits || zone < 1 || zone > kMaxZone || splitInside(0, i, 0)) {
            return failMgrs(GridError::badZone, piece(0, i));
        }
    }
    const std::string_view letters = zone == UTMUPS::UPS ? kUpsLetters : kBands;
    if (i == k.size) return failMgrs(GridError::badLength, t);
    if (!ascii::isLetter(t[k.at[i]]) || letters.find(k.chars[i]) == std::string_view::npos) {
        return failMgrs(GridError::badBand, bad(i));
    }
    const std::size_t squareStart = ++i;
    if (i == k.size) return failMgrs(GridError::missingSquare, t);
    for (; i < squareStart + kSquareLetterCount; ++i) {
        if (i == k.size) return failMgrs(GridError::missingSquare, t);
        if (!ascii::isLetter(t[k.at[i]]) ||
            kSquareLetters.find(k.chars[i]) == std::string_view::npos) {
            return failMgrs(GridError::badCharacter, bad(i));
        }
    }
    const std::size_t digitsStart = i;
    for (; i < k.size; ++i) {
        if (!ascii::isDigit(k.chars[i])) return failMgrs(GridError::badCharacter, bad(i));
    }
    const std::size_t digits = k.size - digitsStart;
    if (splitInside(squareStart, digitsStart, squareStart)) {
        return failMgrs(GridError::badCharacter, piece(squareStart, digitsStart));
    }
    if (digits % 2 == 1 || digits > kMaxMgrsDigits ||
        splitInside(digitsStart, k.size, digitsStart + digits / 2)) {
        return failMgrs(GridError::badLength, piece(digitsStart, k.size));
    }

    int readZone = 0;
    bool north = true;
    double x = 0;
    double y = 0;
    int precision = 0;
    double latitude = 0;
    double longitude = 0;
    try {
        // At most 15 characters: the string stays in its own small buffer.
        const std::string compact(k.chars.data(), k.size);
        MGRS::Reverse(compact, readZone, north, x, y, precision, /*centerp=*/true);
    } catch (...) {
        return failMgrs(GridError::outsideZone, piece(0, digitsStart));
    }
    try {
        UTMUPS::Reverse(readZone, north, x, y, latitude, longitude);
    } catch (...) {
        return failMgrs(GridError::outsideZone, t);
    }
    const double cell = std::pow(10.0, kMgrsMetrePrecision - precision);
    GridReading r = success(GridSystem::mgrs, latitude, longitude, {cell, cell, CellUnit::metres});
    r.precision = precision;
    r.utm = utmPoint(readZone, north, x, y);
    return r;
}

} // namespace quorvane::grid
