// The table of grid systems, the recognition of a reference's system, and the messages.
#include "core/message_text.h"
#include "grid_internal.h"

namespace quorvane::grid {

namespace {

using namespace detail;

GridText writeDefaultPlusCode(double latitude, double longitude) noexcept {
    return writePlusCode(latitude, longitude);
}
GridText writeDefaultMaidenhead(double latitude, double longitude) noexcept {
    return writeMaidenhead(latitude, longitude);
}

// The longest text each reader takes: the longest reference with a few blanks (UTM also with
// decimals of a metre).
constexpr std::size_t kUtmMaxTyped = 32;
constexpr std::size_t kMgrsMaxTyped = 24;
constexpr std::size_t kPlusCodeMaxTyped = 16; // 15 digits and "+"
constexpr std::size_t kMaidenheadMaxTyped = 8;

constexpr std::array<GridSystemInfo, kGridSystemCount> kSystems{{
    {GridSystem::utm, "utm", "UTM/UPS", writeUtm, readUtm, kUtmMaxTyped, "31U 448251 5411952"},
    {GridSystem::mgrs, "mgrs", "MGRS", writeMgrs, readMgrs, kMgrsMaxTyped, "31U DQ 48250 11951"},
    {GridSystem::pluscode, "pluscode", "Plus Code", writeDefaultPlusCode, readPlusCode,
     kPlusCodeMaxTyped, "8FW4V75V+8Q"},
    {GridSystem::maidenhead, "maidenhead", "Maidenhead", writeDefaultMaidenhead, readMaidenhead,
     kMaidenheadMaxTyped, "JN18du"},
}};

// Messages: "{}" stands for the quoted piece.
struct Message {
    GridSystem system;
    GridError error;
    std::string_view text;
};
constexpr Message kMessages[] = {
    {GridSystem::utm, GridError::empty,
     "no UTM reference: write zone, band, easting and northing, e.g. 31U 448251 5411952"},
    {GridSystem::utm, GridError::badLength,
     "{} is incomplete: a UTM reference is zone, band, easting and northing, e.g. 31U 448251 "
     "5411952"},
    {GridSystem::utm, GridError::badZone, "{} is no UTM zone: zones go from 1 to 60"},
    {GridSystem::utm, GridError::badBand,
     "{} is no latitude band: bands go from C to X without I and O; near the poles, without a "
     "zone, A, B, Y or Z"},
    {GridSystem::utm, GridError::badNumber,
     "{} is no easting or northing: write metres in digits, e.g. 448251"},
    {GridSystem::utm, GridError::badCharacter,
     "{} does not belong to a UTM reference: the easting and northing follow the zone, "
     "labelled both or neither, e.g. 31U 448251 5411952 or 31U 448251mE 5411952mN"},
    {GridSystem::utm, GridError::outsideZone, "{} lies outside the zone and band it names"},
    {GridSystem::utm, GridError::ambiguousLetter,
     "{} may be band S (north of the equator) or the southern hemisphere, and the point lies in "
     "both: write the band as a capital S, or a signed position"},
    {GridSystem::mgrs, GridError::empty,
     "no MGRS reference: write grid zone, 100 km square and digits, e.g. 31U DQ 48250 11951"},
    {GridSystem::mgrs, GridError::badLength,
     "{} has the wrong number of digits: as many for the easting as for the northing, at most "
     "5 each, e.g. 31U DQ 48250 11951"},
    {GridSystem::mgrs, GridError::badZone, "{} is no UTM zone: zones go from 1 to 60"},
    {GridSystem::mgrs, GridError::badBand,
     "{} is no latitude band: bands go from C to X without I and O; near the poles, without a "
     "zone, A, B, Y or Z"},
    {GridSystem::mgrs, GridError::missingSquare,
     "{} lacks its 100 km square: write two letters after the grid zone, e.g. 31U DQ 48250 11951"},
    {GridSystem::mgrs, GridError::badCharacter,
     "{} cannot stand there: an MGRS reference is a zone number, a band letter, two square "
     "letters (not I or O) and digits"},
    {GridSystem::mgrs, GridError::outsideZone, "{} does not lie in that grid zone"},
    {GridSystem::pluscode, GridError::empty, "no Plus Code: write a full code, e.g. 8FW4V75V+8Q"},
    {GridSystem::pluscode, GridError::badCharacter,
     "{} cannot stand there in a Plus Code: its digits are 23456789CFGHJMPQRVWX, the first at "
     "most C and the second at most V"},
    {GridSystem::pluscode, GridError::badSeparator,
     "{} needs one \"+\" after its eighth digit, e.g. 8FW4V75V+8Q"},
    {GridSystem::pluscode, GridError::badPadding,
     "{} is padded wrongly: \"0\" pads an even number of digits up to the \"+\" and nothing "
     "follows, e.g. 8FW40000+"},
    {GridSystem::pluscode, GridError::badLength,
     "{} has the wrong number of digits: 8 before the \"+\" (or 2, 4, 6 and padding), then none "
     "or 2 to 7"},
    {GridSystem::pluscode, GridError::shortCode,
     "{} is a short Plus Code, which needs a reference place: a full code is needed, with all 8 "
     "digits before the \"+\", e.g. 8FW4V75V+8Q"},
    {GridSystem::maidenhead, GridError::empty,
     "no locator: write 2, 4, 6 or 8 characters, e.g. JN18du"},
    {GridSystem::maidenhead, GridError::badLength,
     "{} has the wrong length: a locator has 2, 4, 6 or 8 characters, e.g. JN18du"},
    {GridSystem::maidenhead, GridError::badCharacter,
     "{} cannot stand there: a locator is two letters A to R, two digits, two letters A to X, "
     "two digits"},
};
constexpr std::string_view kUnrecognised =
    "{} is no grid reference: write UTM (31U 448251 5411952), MGRS (31U DQ 48250 11951), a Plus "
    "Code (8FW4V75V+8Q) or a locator (JN18du)";

std::string filled(std::string_view pattern, std::string_view piece) {
    const auto at = pattern.find("{}");
    if (at == std::string_view::npos) return std::string(pattern);
    return std::string(pattern.substr(0, at)) + quotedForMessage(piece) +
           std::string(pattern.substr(at + 2));
}

bool isUpsLetter(char c) {
    const char u = ascii::toUpper(c);
    return u == 'A' || u == 'B' || u == 'Y' || u == 'Z';
}

constexpr std::string_view kPlusCodeCharacters = "23456789CFGHJMPQRVWX0+";
constexpr std::size_t kMinRecognisedLocator = 4; // "JN" alone reads too much into two letters
constexpr std::size_t kMaxZoneDigits = 2;
constexpr std::size_t kSquareLetters = 2;
constexpr std::size_t kMaxCodeBeforePlus = 8;

// A cursor over the text for recognising the systems' shapes (what the readers then check in
// detail is left to them).
struct Shape {
    std::string_view t;
    std::size_t i = 0;

    bool atEnd() const { return i == t.size(); }
    std::size_t run(bool (*kind)(char)) {
        const std::size_t start = i;
        while (i < t.size() && kind(t[i]))
            ++i;
        return i - start;
    }
    std::size_t blanks() {
        return run([](char c) { return isBlank(c); });
    }
    // Between the pieces of MGRS: blanks or dashes.
    std::size_t gaps() {
        return run([](char c) { return isMgrsGap(c); });
    }
    std::size_t digits() {
        return run([](char c) { return ascii::isDigit(c); });
    }
    std::size_t letters() {
        return run([](char c) { return ascii::isLetter(c); });
    }
    // Digits with an optional decimal part.
    bool number() {
        if (digits() == 0) return false;
        if (i < t.size() && t[i] == '.') {
            ++i;
            return digits() > 0;
        }
        return true;
    }
    // MGRS after the grid zone: two square letters, then digits (gaps between), then the end.
    bool squareAndDigits(bool digitsNeeded) {
        gaps();
        if (letters() != kSquareLetters) return false;
        std::size_t count = 0;
        for (gaps(); !atEnd(); gaps()) {
            const std::size_t d = digits();
            if (d == 0) return false;
            count += d;
        }
        return count > 0 || !digitsNeeded;
    }
};

bool isPlusCodeShape(std::string_view t) {
    const std::string_view code = t.substr(0, t.find_first_of(" \t"));
    const std::size_t plus = code.find('+');
    if (plus == std::string_view::npos || plus < 2 || plus > kMaxCodeBeforePlus) return false;
    for (const char c : code)
        if (kPlusCodeCharacters.find(ascii::toUpper(c)) == std::string_view::npos) return false;
    return true;
}

bool isLocatorShape(std::string_view t) {
    if (t.size() < kMinRecognisedLocator || t.size() % 2 == 1 || t.size() > 8) return false;
    for (std::size_t k = 0; k < t.size(); ++k) {
        const char c = ascii::toUpper(t[k]);
        const bool ok =
            k % 4 < 2 ? (k < 2 ? c >= 'A' && c <= 'R' : c >= 'A' && c <= 'X') : ascii::isDigit(c);
        if (!ok) return false;
    }
    return true;
}

// UPS eastings and northings are millions of metres: a hemisphere letter without a zone is
// taken for UPS only before numbers that long ("n 2000000 2000000"), not before degrees.
constexpr std::size_t kMinUpsWholeDigits = 6;

bool upsMetres(const UtmMetres& m) {
    const auto whole = [](std::string_view n) { return std::min(n.find('.'), n.size()); };
    return whole(m.easting) >= kMinUpsWholeDigits && whole(m.northing) >= kMinUpsWholeDigits;
}

// Zone digits (one or two) and a band or hemisphere letter, or a UPS or hemisphere letter
// alone; then UTM metres or an MGRS square with digits.
std::optional<GridSystem> zonedShape(std::string_view t) {
    Shape s{t};
    const std::size_t zoneDigits = s.digits();
    if (zoneDigits > kMaxZoneDigits) return std::nullopt;
    if (zoneDigits > 0) s.blanks();
    if (s.atEnd() || !ascii::isLetter(t[s.i])) return std::nullopt;
    const char letter = t[s.i];
    if (zoneDigits == 0 && !isUpsLetter(letter) && !isHemisphereLetter(letter))
        return std::nullopt;
    ++s.i;
    const bool blankAfterLetter = s.i < t.size() && isBlank(t[s.i]);
    const UtmMetres metres = splitUtmMetres(t.substr(s.i));
    const bool ups = blankAfterLetter && (isUpsLetter(letter) || upsMetres(metres));
    const bool utm = metres.error == GridError::none && (zoneDigits > 0 || ups);
    if (utm) return GridSystem::utm;
    if (zoneDigits == 0 && !isUpsLetter(letter)) return std::nullopt;
    // Near the poles digits must follow the square, so that a word such as "bad" is no square.
    return s.squareAndDigits(zoneDigits == 0) ? std::optional(GridSystem::mgrs) : std::nullopt;
}

} // namespace

const std::array<GridSystemInfo, kGridSystemCount>& gridSystems() {
    return kSystems;
}

const GridSystemInfo& info(GridSystem system) {
    return kSystems[static_cast<std::size_t>(system)];
}

GridTexts writeAll(double latitude, double longitude) noexcept {
    GridTexts texts;
    for (std::size_t i = 0; i < kSystems.size(); ++i)
        texts[i] = kSystems[i].write(latitude, longitude);
    return texts;
}

GridText writeReferenceOf(const GridReading& reading, GridSystem system) noexcept {
    const bool own = system == reading.system;
    switch (system) {
    case GridSystem::utm:
        if (reading.utm) return writeUtm(*reading.utm, reading.latitude);
        break;
    case GridSystem::mgrs:
        if (reading.utm)
            return writeMgrs(*reading.utm, reading.latitude,
                             own ? reading.precision : kDefaultMgrsDigits);
        break;
    case GridSystem::pluscode:
        if (own) return writePlusCode(reading.latitude, reading.longitude, reading.precision);
        break;
    case GridSystem::maidenhead:
        if (own) return writeMaidenhead(reading.latitude, reading.longitude, reading.precision);
        break;
    }
    return info(system).write(reading.latitude, reading.longitude);
}

std::optional<GridSystem> recogniseGridSystem(std::string_view text) noexcept {
    const std::string_view t = trimmed(text);
    if (t.empty()) return std::nullopt;
    if (isPlusCodeShape(t)) return GridSystem::pluscode;
    if (isLocatorShape(t)) return GridSystem::maidenhead;
    return zonedShape(t);
}

GridReading readGridReference(std::string_view text) noexcept {
    if (const auto system = recogniseGridSystem(text)) return info(*system).read(text);
    return failure(GridSystem::utm, GridError::unrecognised, trimmed(text));
}

std::string describeError(const GridReading& reading) {
    if (reading.ok()) return {};
    for (const Message& m : kMessages) {
        if (m.system == reading.system && m.error == reading.error)
            return filled(m.text, reading.piece);
    }
    return filled(kUnrecognised, reading.piece);
}

std::string_view describeError(const GridText& text) {
    return text.ok() ? std::string_view{} : "no reference: the position is out of range";
}

} // namespace quorvane::grid
