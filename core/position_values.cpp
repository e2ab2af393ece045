// The values of a reading: whole numbers, ranges, the point and its precision; and the messages.
#include "core/ascii.h"
#include "core/grid/grid_reference.h"
#include "core/message_text.h"
#include "core/nmea_sentence.h"
#include "core/number_text.h"
#include "core/position_parts.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

constexpr std::size_t kDegreesIndex = 0;
constexpr std::size_t kMinutesIndex = 1;
constexpr std::size_t kSecondsIndex = 2;
constexpr double kMinutesPerDegree = 60;
constexpr double kSecondsPerMinute = 60;
constexpr double kSecondsPerDegree = 3600;
// Half a unit of the last of so many decimals; more decimals than listed count as the last.
constexpr std::array<double, 13> kHalfUnitOfDecimals{0.5,  0.05, 5e-3,  5e-4,  5e-5,  5e-6, 5e-7,
                                                     5e-8, 5e-9, 5e-10, 5e-11, 5e-12, 5e-13};
// The precision of a number with an exponent: the form writes those only for tiny values.
constexpr double kExponentPrecision = 1e-12;
// Binary arithmetic on top of the written precision when readings are compared.
constexpr double kComparisonSlack = 1e-9;

constexpr std::array<ErrorPart, 2> kHalfParts{ErrorPart::latitude, ErrorPart::longitude};
constexpr std::array<ErrorPart, 2> kMinutesAndSecondsParts{ErrorPart::latitudeMinutesAndSeconds,
                                                           ErrorPart::longitudeMinutesAndSeconds};
constexpr std::array<std::array<ErrorPart, kMaxNumbersPerHalf>, 2> kValueParts{{
    {ErrorPart::latitudeDegrees, ErrorPart::latitudeMinutes, ErrorPart::latitudeSeconds},
    {ErrorPart::longitudeDegrees, ErrorPart::longitudeMinutes, ErrorPart::longitudeSeconds},
}};

// What one unit of the last number is worth in degrees, by how many numbers the half has.
constexpr std::array<double, kMaxNumbersPerHalf> kLastUnitInDegrees{1, 1 / kMinutesPerDegree,
                                                                    1 / kSecondsPerDegree};

struct NumberValue {
    double value = 0;
    ParseError error = ParseError::none;
    bool exponent = false;
    bool separator = false;
    int decimals = 0;
};

// A long number (digits and at most one separator) in scientific form, "1.2345e-301", with
// enough significant digits for a double: a long text is judged rightly without allocating.
NumberValue longValueOf(std::string_view text) {
    constexpr std::size_t kSignificantDigits = 20;
    constexpr std::size_t kBufferSize = 48;
    NumberValue v;
    const bool digitsOnly = std::all_of(
        text.begin(), text.end(), [](char c) { return ascii::isDigit(c) || c == '.' || c == ','; });
    const auto separator = text.find_first_of(".,");
    if (!digitsOnly || (separator != std::string_view::npos &&
                        text.find_first_of(".,", separator + 1) != std::string_view::npos)) {
        v.error = ParseError::notANumber;
        return v;
    }
    const std::size_t wholeDigits = separator == std::string_view::npos ? text.size() : separator;
    v.separator = separator != std::string_view::npos;
    v.decimals = v.separator ? static_cast<int>(text.size() - separator - 1) : 0;
    const auto first = text.find_first_not_of("0.,");
    if (first == std::string_view::npos) return v; // zero
    // The power of ten of the first significant digit.
    const long long power = first < wholeDigits ? static_cast<long long>(wholeDigits - first) - 1
                                                : -static_cast<long long>(first - wholeDigits);
    std::array<char, kBufferSize> buffer{};
    std::size_t k = 0;
    for (std::size_t i = first; i < text.size() && k <= kSignificantDigits; ++i) {
        if (!ascii::isDigit(text[i])) continue;
        buffer[k++] = text[i];
        if (k == 1) buffer[k++] = '.';
    }
    buffer[k++] = 'e';
    const NumberText exponent = intText(power);
    for (const char c : exponent.view())
        buffer[k++] = c;
    const ParseResult r = parseDouble(std::string_view(buffer.data(), k));
    v.value = r.value;
    v.error = r.error;
    return v;
}

// A number's value, "," read as "."; no allocation.
NumberValue valueOf(std::string_view text) {
    constexpr std::size_t kShortNumber = 64;
    if (text.size() > kShortNumber) return longValueOf(text);
    std::array<char, kShortNumber> buffer{};
    NumberValue v;
    bool inExponent = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        buffer[i] = c == ',' ? '.' : c;
        if (c == 'e' || c == 'E') inExponent = v.exponent = true;
        if (c == '.' || c == ',') v.separator = true;
        if (ascii::isDigit(c) && v.separator && !inExponent) ++v.decimals;
    }
    const ParseResult r = parseDouble(std::string_view(buffer.data(), text.size()));
    v.value = r.value;
    v.error = r.error;
    return v;
}

struct Fault {
    PositionError error = PositionError::none;
    ErrorPart part = ErrorPart::text;
    std::string_view piece;
    constexpr bool failed() const { return error != PositionError::none; }
};

// A value read from a number, or the failure to read it. A value too large for a double is out
// of range like any other large value; one too small to be told from zero (1e-400, or
// 0.000...1 written out) is no number.
Fault readValue(std::string_view text, ErrorPart part, NumberValue& v) {
    v = valueOf(text);
    if (v.error == ParseError::none) return {};
    if (v.error == ParseError::outOfRange) return {PositionError::outOfRange, part, text};
    return {PositionError::badNumber, part, text};
}

// The piece of text from the start of `first` to the end of `last`.
std::string_view span(std::string_view first, std::string_view last) {
    return {first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())};
}

struct HalfValue {
    Fault fault;
    double degrees = 0;   // magnitude
    double precision = 0; // degrees
};

Fault checkSexagesimal(const reading::HalfInput& h, Half half, Notation notation,
                       const std::array<NumberValue, kMaxNumbersPerHalf>& v) {
    const auto& parts = kValueParts[indexOf(half)];
    if (v[kMinutesIndex].value > kMaxSexagesimal)
        return {PositionError::outOfRange, parts[kMinutesIndex], h.numbers[kMinutesIndex]};
    if (notation != Notation::ddd_mm_sss) return {};
    if (v[kSecondsIndex].value > kMaxSexagesimal)
        return {PositionError::outOfRange, parts[kSecondsIndex], h.numbers[kSecondsIndex]};
    // 60' 1" would be more than the 60 minutes of a degree; quote both numbers.
    if (v[kMinutesIndex].value * kSecondsPerMinute + v[kSecondsIndex].value >
        kMaxSexagesimal * kSecondsPerMinute)
        return {PositionError::outOfRange, kMinutesAndSecondsParts[indexOf(half)],
                span(h.numbers[kMinutesIndex], h.numbers[kSecondsIndex])};
    return {};
}

HalfValue valueOfHalf(const reading::HalfInput& h, Half half, Notation notation) {
    const ErrorPart halfPart = kHalfParts[indexOf(half)];
    const auto& parts = kValueParts[indexOf(half)];
    const double maxDegrees = half == Half::latitude ? kMaxLatitudeDegrees : kMaxLongitudeDegrees;

    std::array<NumberValue, kMaxNumbersPerHalf> v{};
    // A single number is the whole half; messages name it by the half.
    for (std::size_t k = 0; k < h.count; ++k) {
        const ErrorPart part = h.count == 1 ? halfPart : parts[k];
        if (const Fault f = readValue(h.numbers[k], part, v[k]); f.failed()) return {f};
        // Whole numbers: degrees before minutes or seconds, minutes before seconds.
        if (k + 1 < h.count && (v[k].separator || v[k].exponent))
            return {{PositionError::wholeNumberExpected, parts[k], h.numbers[k]}};
    }
    if (h.count > 1)
        if (const Fault f = checkSexagesimal(h, half, notation, v); f.failed()) return {f};

    HalfValue out;
    for (std::size_t k = 0; k < h.count; ++k)
        out.degrees += v[k].value * kLastUnitInDegrees[k];
    const NumberValue& last = v[h.count - 1];
    out.precision =
        last.exponent
            ? kExponentPrecision
            : kHalfUnitOfDecimals[std::min<std::size_t>(static_cast<std::size_t>(last.decimals),
                                                        kHalfUnitOfDecimals.size() - 1)] *
                  kLastUnitInDegrees[h.count - 1];
    if (out.degrees > maxDegrees) {
        const std::string_view piece = h.count == 1 ? h.numbers[kDegreesIndex] : h.whole;
        out.fault = {PositionError::outOfRange, halfPart, piece};
    }
    return out;
}

HalfReading toReading(const reading::HalfInput& h) {
    HalfReading r;
    r.hemisphere = h.hemisphere;
    r.numbers = h.numbers;
    r.count = h.count;
    return r;
}

double signedValue(double degrees, Hemisphere hemisphere) {
    return hemisphere == Hemisphere::southOrWest ? -degrees : degrees;
}

} // namespace

namespace reading {

PositionReading failure(PositionError error, ErrorPart part, std::string_view piece) noexcept {
    PositionReading r;
    r.error = error;
    r.part = part;
    r.piece = piece;
    return r;
}

PositionReading finish(Notation notation, const HalfInput& latitude,
                       const HalfInput& longitude) noexcept {
    const HalfValue lat = valueOfHalf(latitude, Half::latitude, notation);
    const HalfValue lon =
        lat.fault.failed() ? HalfValue{} : valueOfHalf(longitude, Half::longitude, notation);
    for (const Fault& f : {lat.fault, lon.fault}) {
        if (f.failed()) {
            PositionReading r = failure(f.error, f.part, f.piece);
            r.notation = notation;
            return r;
        }
    }
    PositionReading r;
    r.error = PositionError::none;
    r.notation = notation;
    r.latitude = toReading(latitude);
    r.longitude = toReading(longitude);
    r.point = {signedValue(lat.degrees, latitude.hemisphere),
               signedValue(lon.degrees, longitude.hemisphere)};
    r.precision = std::max(lat.precision, lon.precision);
    return r;
}

// Each written value stands for the half-open interval of values that round to it, so two
// readings agree only where those intervals overlap: 1 and 2 (whole degrees) touch at 1.5 but
// share no value, and "1,5, 2,6" is no position written twice.
bool agree(const PositionReading& a, const PositionReading& b) noexcept {
    const double allowed = a.precision + b.precision;
    const auto close = [allowed](double x, double y) {
        const double apart = std::fabs(x - y);
        return apart <= kComparisonSlack || apart + kComparisonSlack < allowed;
    };
    return close(a.point.latitude, b.point.latitude) && close(a.point.longitude, b.point.longitude);
}

void Agreement::add(const PositionReading& p) noexcept {
    if (failed()) return;
    if (!found() || !p.ok()) {
        result_ = p;
    } else if (!agree(result_, p)) {
        PositionReading r = failure(PositionError::readingsDisagree, ErrorPart::text, {});
        r.competing = {result_.point, p.point};
        result_ = r;
    }
}

std::size_t signedDecimalLength(std::string_view text) noexcept {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    const std::size_t digitsStart = i;
    while (i < text.size() && ascii::isDigit(text[i]))
        ++i;
    if (i == digitsStart) return 0;
    if (i + 1 < text.size() && text[i] == '.' && ascii::isDigit(text[i + 1])) {
        ++i;
        while (i < text.size() && ascii::isDigit(text[i]))
            ++i;
    }
    return i;
}

PositionReading signedDecimalPosition(std::string_view latitude,
                                      std::string_view longitude) noexcept {
    const auto half = [](std::string_view text) {
        HalfInput h;
        h.whole = text;
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            h.hemisphere = text.front() == '-' ? Hemisphere::southOrWest : Hemisphere::northOrEast;
            text.remove_prefix(1);
        }
        h.numbers[0] = text;
        h.count = 1;
        return h;
    };
    return finish(Notation::dddddddd2, half(latitude), half(longitude));
}

} // namespace reading

// ---- Messages -----------------------------------------------------------------------------

namespace {

struct PartInfo {
    ErrorPart part;
    std::string_view name;
    Half half;
};

constexpr std::array<PartInfo, 11> kParts{{
    {ErrorPart::text, "text", Half::latitude},
    {ErrorPart::latitude, "latitude", Half::latitude},
    {ErrorPart::longitude, "longitude", Half::longitude},
    {ErrorPart::latitudeDegrees, "degrees of latitude", Half::latitude},
    {ErrorPart::latitudeMinutes, "minutes of latitude", Half::latitude},
    {ErrorPart::latitudeSeconds, "seconds of latitude", Half::latitude},
    {ErrorPart::longitudeDegrees, "degrees of longitude", Half::longitude},
    {ErrorPart::longitudeMinutes, "minutes of longitude", Half::longitude},
    {ErrorPart::longitudeSeconds, "seconds of longitude", Half::longitude},
    {ErrorPart::latitudeMinutesAndSeconds, "minutes and seconds of latitude", Half::latitude},
    {ErrorPart::longitudeMinutesAndSeconds, "minutes and seconds of longitude", Half::longitude},
}};

const PartInfo& partInfo(ErrorPart p) {
    return kParts[static_cast<std::size_t>(p)];
}

std::string quoted(std::string_view s) {
    return quotedForMessage(s);
}

std::string pointText(const GeoPoint& p) {
    return doubleText(p.latitude).str() + ", " + doubleText(p.longitude).str();
}

std::string rangeSentence(const PositionReading& r) {
    const std::string out =
        std::string(partInfo(r.part).name) + " " + quoted(r.piece) + " is out of range: ";
    switch (r.part) {
    case ErrorPart::latitude:
    case ErrorPart::latitudeDegrees:
        return out + "latitude goes from 0 to 90 degrees";
    case ErrorPart::longitude:
    case ErrorPart::longitudeDegrees:
        return out + "longitude goes from 0 to 180 degrees";
    case ErrorPart::latitudeMinutes:
    case ErrorPart::longitudeMinutes:
        return out + (r.notation == Notation::ddd_mm_sss ? "whole minutes go from 0 to 60"
                                                         : "decimal minutes go from 0 to 60");
    case ErrorPart::latitudeMinutesAndSeconds:
    case ErrorPart::longitudeMinutesAndSeconds:
        return out + "together they make at most 60 minutes (60' 0\" or 59' 60\")";
    case ErrorPart::latitudeSeconds:
    case ErrorPart::longitudeSeconds:
        return out + "seconds go from 0 to 60";
    case ErrorPart::text:
        break;
    }
    return out + "the number is too large";
}

constexpr std::string_view kHalvesHint =
    "write LATITUDE, LONGITUDE, e.g. 45.5, -73.25 or 45° 30' N, 73° 15' W";

} // namespace

std::string_view notationDescription(Notation notation) {
    switch (notation) {
    case Notation::ddd_mm_sss:
        return "degrees, minutes and seconds";
    case Notation::ddd_mmmmm:
        return "degrees and decimal minutes";
    case Notation::dddddddd1:
        return "decimal degrees with a hemisphere letter";
    case Notation::dddddddd2:
        return "signed decimal degrees";
    }
    return "";
}

std::string describeError(const PositionReading& r) {
    using E = PositionError;
    const std::string in = std::string(" in the ") + std::string(partInfo(r.part).name);
    switch (r.error) {
    case E::none:
        return {};
    case E::empty:
        return "no position given";
    case E::tooLong:
        return "more pieces than one position has: " + std::string(kHalvesHint);
    case E::missingHalf:
        return "only one half in " + quoted(r.piece) + ": " + std::string(kHalvesHint);
    case E::strayHalf:
        return quoted(r.piece) + " is left over beside latitude and longitude";
    case E::unclearHalves:
        return "cannot tell where the latitude ends in " + quoted(r.piece) +
               ": put a comma between the halves, or hemisphere letters after them";
    case E::ambiguousCommas:
        return "cannot tell which comma separates latitude and longitude: write \", \" (comma "
               "and blank) between them";
    case E::ambiguousReadings:
        return "the text reads both as " + pointText(r.competing[0]) + " and as " +
               pointText(r.competing[1]) + ": write \", \" (comma and blank) between the halves";
    case E::ambiguousPacked:
        return quoted(r.piece) + in +
               " reads both as decimal degrees and as packed degrees and minutes (DDMM.mm): write "
               "the unit marks, as in 0° 45.5' N";
    case E::ambiguousLetter:
        return quoted(r.piece) +
               " is East in German (Ost) and West in French (ouest): write E or W";
    case E::emptyHalf:
        return "no number before or after " + quoted(r.piece) + ": " + std::string(kHalvesHint);
    case E::strayCharacter:
        return "unexpected " + quoted(r.piece) +
               ": a position is numbers with unit marks, and hemisphere letters (N, S, E, W) or "
               "signs";
    case E::misplacedSign:
        return "misplaced sign " + quoted(r.piece) +
               ": a sign stands straight before the degrees, as in -45.5, 73.25";
    case E::badNumber:
        return quoted(r.piece) + in + " is not a number";
    case E::misplacedMark:
        return "misplaced unit mark " + quoted(r.piece) +
               ": \"°\" follows the degrees, \"'\" the minutes and '\"' the seconds";
    case E::misplacedLetter:
        return "misplaced hemisphere " + quoted(r.piece) +
               ": write every hemisphere letter before its numbers (N 45.5 W 73.25) or every "
               "one after them (45.5 N, 73.25 W)";
    case E::tooManyNumbers:
        return "too many numbers: " + quoted(r.piece) + " follows degrees, minutes and seconds";
    case E::unknownHemisphere:
        return "a second " + std::string(partInfo(r.part).name) + " " + quoted(r.piece) +
               ": a position has one latitude (N or S) and one longitude (E or W)";
    case E::missingHemisphere:
        return quoted(r.piece) + in +
               " has no hemisphere letter while the other half has one: give both halves a "
               "letter, or write signed numbers";
    case E::signWithLetter:
        return "signed number " + quoted(r.piece) +
               " with a hemisphere letter: the numbers are magnitudes and the letter gives the "
               "hemisphere, as in 45° 30' S";
    case E::wholeNumberExpected:
        return std::string(partInfo(r.part).name) + " " + quoted(r.piece) +
               " must be a whole number (digits only) when more numbers follow";
    case E::outOfRange:
        return rangeSentence(r);
    case E::mixedNotations:
        return "the latitude is written in " + std::string(notationDescription(r.notation)) +
               " but the longitude in " + std::string(notationDescription(r.otherNotation)) +
               ": write both halves in one notation";
    case E::readingsDisagree:
        return "the text holds two different positions, " + pointText(r.competing[0]) + " and " +
               pointText(r.competing[1]);
    case E::unsupportedLink:
        return quoted(r.piece) +
               " is no geo: link and no link of a maps site this reader knows (Google, Apple, "
               "OpenStreetMap, Waze, Bing, HERE, Yandex, 2GIS, OsmAnd, Mapy.cz, GeoHack), and "
               "it names no lat= and lon=";
    case E::noPositionInLink:
        return "the link " + quoted(r.piece) +
               " holds no coordinates (a search or a place name is no position)";
    case E::badGridReference: {
        // The text is the piece: its system's reader says what it could not read. (Read as the
        // caller wrote it, with characters the first pass dropped, it may read after all.)
        const std::string why = grid::describeError(grid::readGridReference(r.piece));
        return why.empty() ? quoted(r.piece) + " cannot be read as a grid reference" : why;
    }
    case E::wordInside:
        return quoted(r.piece) +
               " stands between numbers that name no half: words may come before or after the "
               "position, or between halves with hemisphere letters or labels";
    case E::unmarkedAmongWords:
        return quoted(r.piece) +
               " among words has no unit marks, decimals, hemisphere letter or label: it reads "
               "more like an address or a count than a position";
    case E::groupsWithoutLetters:
        return quoted(r.piece) +
               " looks like a date or a version number: numbers joined by \"-\" or \".\" are "
               "read with their hemisphere letters, as in 40-26-46N 079-58-56W";
    case E::phoneNumber:
        return quoted(r.piece) + " looks like a phone number: " + std::string(kHalvesHint);
    case E::singleNumber:
        return quoted(r.piece) +
               " is one number with a decimal comma: write \", \" (comma and blank) between "
               "latitude and longitude";
    case E::labelDisagrees:
        return "the hemisphere " + quoted(r.piece) +
               " belongs to the other half than its label: Lat goes with N or S, Lon with E or "
               "W";
    case E::badSentence:
        return quoted(r.piece) +
               " breaks the sentence's format: no receiver writes it there";
    case E::badChecksum: {
        const nmea::Sentence sentence = nmea::splitSentence(r.piece);
        const std::array<char, 2> expected = nmea::expectedChecksum(sentence);
        return "the checksum after \"*\" in " + quoted(r.piece) +
               " does not match the sentence's characters, which give *" +
               std::string(expected.begin(), expected.end()) +
               ": the sentence was changed or cut";
    }
    case E::noFix:
        return quoted(r.piece) +
               " has no fix (status V, quality 0 or empty coordinates): the receiver did not "
               "know its position";
    case E::noPositionSentence:
        return quoted(r.piece) +
               " holds no position: of NMEA sentences only GGA, RMC and GLL carry one";
    case E::onlyWords:
        return quoted(r.piece) +
               " holds words only: no numbers, link or grid reference of a position";
    case E::badLink:
        return quoted(r.piece) +
               " cannot be read in the link: a geo: link is geo:LATITUDE,LONGITUDE in signed "
               "decimal degrees (geo:48.8583701,2.2944813), in WGS 84";
    }
    return "cannot be read";
}

} // namespace quorvane
