#include "position_reader.h"

#include "core/message_text.h"
#include "core/number_text.h"

#include <algorithm>

namespace quorvane {

namespace {

constexpr std::size_t kDegreesIndex = 0;
constexpr std::size_t kMinutesIndex = 1;
constexpr std::size_t kSecondsIndex = 2;
constexpr double kMinutesPerDegree = 60;
constexpr double kSecondsPerMinute = 60;
constexpr double kSecondsPerDegree = 3600;

// The marks that may follow the first, second and third number of a half.
constexpr std::array<std::string_view, kMaxNumbersPerHalf> kMarkOfPlace{kDegreeMark, kMinutesMark,
                                                                        kSecondsMark};

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool isSeparator(char c) {
    return c == '.' || c == ',';
}
constexpr bool isSign(char c) {
    return c == '-' || c == '+';
}
constexpr bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The unit mark at the start of s, if any.
std::string_view markAt(std::string_view s) {
    for (const std::string_view mark : kMarkOfPlace)
        if (s.substr(0, mark.size()) == mark) return mark;
    return {};
}

// One character of UTF-8 text at the start of s (a lone byte when it is malformed).
std::string_view characterAt(std::string_view s) {
    // The lead byte tells the length: from 0xC0 two bytes, from 0xE0 three, from 0xF0 four.
    struct LeadByte {
        unsigned char from;
        std::size_t length;
    };
    constexpr std::array<LeadByte, 3> kLeadBytes{{{0xF0, 4}, {0xE0, 3}, {0xC0, 2}}};
    const auto lead = static_cast<unsigned char>(s.front());
    std::size_t length = 1;
    for (const LeadByte& b : kLeadBytes) {
        if (lead >= b.from) {
            length = b.length;
            break;
        }
    }
    return s.substr(0, std::min(length, s.size()));
}

// The hemisphere letters of a half: index 0 North or East, 1 South or West.
struct HemisphereLetters {
    char first;
    char second;
};
constexpr std::array<HemisphereLetters, 2> kHemisphereLetters{{{'N', 'S'}, {'E', 'W'}}};

// ---- Splitting the text into its halves ---------------------------------------------------

struct Split {
    PositionError error = PositionError::none;
    std::size_t at = 0; // index of the comma between the halves
};

// A comma with a digit straight on each side may be a decimal comma; any other separates.
bool isBetweenDigits(std::string_view text, std::size_t comma) {
    return comma > 0 && comma + 1 < text.size() && isDigit(text[comma - 1]) &&
           isDigit(text[comma + 1]);
}

Split findHalvesSeparator(std::string_view text) {
    std::size_t separating = 0;
    std::size_t separatingAt = 0;
    std::size_t betweenDigits = 0;
    std::size_t betweenDigitsAt = 0;
    for (std::size_t i = text.find(','); i != std::string_view::npos; i = text.find(',', i + 1)) {
        if (isBetweenDigits(text, i)) {
            if (betweenDigits++ == 0) betweenDigitsAt = i;
        } else if (separating++ == 0) {
            separatingAt = i;
        }
    }
    if (separating == 1) return {PositionError::none, separatingAt};
    if (separating > 1) return {PositionError::tooManySeparators, 0};
    if (betweenDigits == 1) return {PositionError::none, betweenDigitsAt};
    if (betweenDigits == 0) return {PositionError::noHalvesSeparator, 0};
    return {PositionError::ambiguousCommas, 0};
}

// ---- Reading one half ---------------------------------------------------------------------

struct NumberPiece {
    std::string_view text; // without the sign
    bool hasSeparator = false;
    bool hasExponent = false;
    bool hasMark = false;
};

struct HalfPieces {
    PositionError error = PositionError::none;
    std::string_view errorPiece;
    std::string_view whole; // the half's text without surrounding blanks
    std::array<NumberPiece, kMaxNumbersPerHalf> numbers{};
    std::size_t count = 0;
    std::string_view sign; // "-" or "+" with its number, when the half has one
    char signChar = 0;
    std::string_view letter; // the hemisphere letter, when the half has one
    Hemisphere hemisphere = Hemisphere::northOrEast;
};

// An exponent as the form writes it: "e" or "E", an optional sign, digits.
std::size_t exponentLength(std::string_view s) {
    if (s.size() < 2 || (s[0] != 'e' && s[0] != 'E')) return 0;
    std::size_t i = 1;
    if (isSign(s[i])) ++i;
    if (i >= s.size() || !isDigit(s[i])) return 0;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i;
}

class HalfScanner {
public:
    HalfScanner(std::string_view text, Half half) : s_(text), half_(half) {
        pieces_.whole = trimBlanks(text);
    }

    HalfPieces scan() {
        while (pieces_.error == PositionError::none) {
            while (i_ < s_.size() && isBlank(s_[i_]))
                ++i_;
            if (i_ >= s_.size()) break;
            const char c = s_[i_];
            if (isSign(c)) {
                scanSign();
            } else if (isDigit(c) || isSeparator(c)) {
                scanNumber();
            } else if (!markAt(s_.substr(i_)).empty()) {
                scanMark();
            } else if (isLetter(c)) {
                scanLetter();
            } else {
                fail(PositionError::strayCharacter, characterAt(s_.substr(i_)));
            }
        }
        if (pieces_.error == PositionError::none && pieces_.count == 0)
            fail(PositionError::emptyHalf, pieces_.whole);
        return pieces_;
    }

private:
    void fail(PositionError error, std::string_view piece) {
        pieces_.error = error;
        pieces_.errorPiece = piece;
    }

    void scanSign() {
        const std::size_t start = i_++;
        const bool numberFollows = i_ < s_.size() && (isDigit(s_[i_]) || isSeparator(s_[i_]));
        if (pieces_.count > 0 || !pieces_.letter.empty() || !numberFollows) {
            fail(PositionError::misplacedSign, s_.substr(start, 1));
            return;
        }
        pieces_.signChar = s_[start];
        scanNumber();
        pieces_.sign = s_.substr(start, i_ - start); // the sign with its number: -45.5
    }

    void scanNumber() {
        const std::size_t start = i_;
        std::size_t separators = 0;
        std::size_t digits = 0;
        while (i_ < s_.size() && (isDigit(s_[i_]) || isSeparator(s_[i_]))) {
            if (isDigit(s_[i_]))
                ++digits;
            else
                ++separators;
            ++i_;
        }
        const std::size_t exponent = exponentLength(s_.substr(i_));
        i_ += exponent;
        const std::string_view text = s_.substr(start, i_ - start);
        if (!pieces_.letter.empty()) return fail(PositionError::strayCharacter, text);
        if (digits == 0 || separators > 1) return fail(PositionError::badNumber, text);
        if (pieces_.count == kMaxNumbersPerHalf) return fail(PositionError::tooManyNumbers, text);
        pieces_.numbers[pieces_.count++] = {text, separators == 1, exponent > 0, false};
    }

    void scanMark() {
        const std::string_view mark = markAt(s_.substr(i_));
        const std::size_t start = i_;
        i_ += mark.size();
        if (pieces_.count == 0 || !pieces_.letter.empty())
            return fail(PositionError::misplacedMark, mark);
        NumberPiece& last = pieces_.numbers[pieces_.count - 1];
        if (last.hasMark || mark != kMarkOfPlace[pieces_.count - 1]) {
            // Quote the number with its mark: 30° in the place of the minutes.
            const auto numberStart = static_cast<std::size_t>(last.text.data() - s_.data());
            return fail(PositionError::misplacedMark,
                        last.hasMark ? mark
                                     : s_.substr(numberStart, start + mark.size() - numberStart));
        }
        last.hasMark = true;
    }

    void scanLetter() {
        const std::size_t start = i_;
        while (i_ < s_.size() && isLetter(s_[i_]))
            ++i_;
        const std::string_view word = s_.substr(start, i_ - start);
        if (pieces_.count == 0 && s_.find_first_of("0123456789", i_) == std::string_view::npos)
            return fail(PositionError::emptyHalf, pieces_.whole); // "W" alone
        if (pieces_.count == 0 || !pieces_.letter.empty())
            return fail(PositionError::strayCharacter, word);
        const HemisphereLetters& letters = kHemisphereLetters[indexOf(half_)];
        const char c = word.size() == 1 ? upper(word.front()) : '\0';
        if (c != letters.first && c != letters.second)
            return fail(PositionError::unknownHemisphere, word);
        pieces_.letter = word;
        pieces_.hemisphere = c == letters.first ? Hemisphere::northOrEast : Hemisphere::southOrWest;
    }

    std::string_view s_;
    Half half_;
    std::size_t i_ = 0;
    HalfPieces pieces_;
};

// ---- Notation and values ------------------------------------------------------------------

constexpr std::array<ErrorPart, 2> kHalfParts{ErrorPart::latitude, ErrorPart::longitude};
constexpr std::array<ErrorPart, 2> kMinutesAndSecondsParts{ErrorPart::latitudeMinutesAndSeconds,
                                                           ErrorPart::longitudeMinutesAndSeconds};
constexpr std::array<std::array<ErrorPart, kMaxNumbersPerHalf>, 2> kValueParts{{
    {ErrorPart::latitudeDegrees, ErrorPart::latitudeMinutes, ErrorPart::latitudeSeconds},
    {ErrorPart::longitudeDegrees, ErrorPart::longitudeMinutes, ErrorPart::longitudeSeconds},
}};

// The notation of a half by how many numbers it holds, with a hemisphere letter.
constexpr std::array<Notation, kMaxNumbersPerHalf> kLetterNotationByCount{
    Notation::dddddddd1, Notation::ddd_mmmmm, Notation::ddd_mm_sss};

struct Failure {
    PositionError error = PositionError::none;
    ErrorPart part = ErrorPart::text;
    std::string_view piece;
    constexpr bool failed() const { return error != PositionError::none; }
};

struct HalfNotation {
    Failure failure;
    Notation notation = Notation::dddddddd2;
};

HalfNotation notationOf(const HalfPieces& p, Half half) {
    const ErrorPart part = kHalfParts[indexOf(half)];
    if (p.letter.empty()) {
        if (p.count == 1) return {{}, Notation::dddddddd2};
        return {{PositionError::missingHemisphere, part, p.whole}, Notation::dddddddd2};
    }
    if (!p.sign.empty())
        return {{PositionError::signWithLetter, part, p.sign}, Notation::dddddddd1};
    return {{}, kLetterNotationByCount[p.count - 1]};
}

// A number's value, "," read as "."; nothing when it cannot be read.
struct NumberValue {
    double value = 0;
    ParseError error = ParseError::none;
};

NumberValue valueOf(std::string_view text) {
    constexpr std::size_t kShortNumber = 64;
    std::array<char, kShortNumber> buffer{};
    std::string longText;
    std::string_view normalised;
    if (text.size() <= buffer.size()) {
        std::transform(text.begin(), text.end(), buffer.begin(),
                       [](char c) { return c == ',' ? '.' : c; });
        normalised = std::string_view(buffer.data(), text.size());
    } else {
        longText.assign(text);
        std::replace(longText.begin(), longText.end(), ',', '.');
        normalised = longText;
    }
    const ParseResult r = parseDouble(normalised);
    return {r.value, r.error};
}

// A value read from a number, or the failure to read it. A value too large for a double is out
// of range like any other large value; one too small to be told from zero (1e-400, or 0.000...1
// written out) is no number.
Failure readValue(const NumberPiece& n, ErrorPart part, double& value) {
    const NumberValue v = valueOf(n.text);
    if (v.error == ParseError::none) {
        value = v.value;
        return {};
    }
    if (v.error == ParseError::outOfRange) return {PositionError::outOfRange, part, n.text};
    return {PositionError::badNumber, part, n.text};
}

Failure checkValues(const HalfPieces& p, Half half, Notation notation) {
    const ErrorPart halfPart = kHalfParts[indexOf(half)];
    const auto& parts = kValueParts[indexOf(half)];
    const double maxDegrees = half == Half::latitude ? kMaxLatitudeDegrees : kMaxLongitudeDegrees;

    // Whole numbers first: degrees before minutes or seconds, minutes before seconds.
    for (std::size_t k = 0; k + 1 < p.count; ++k) {
        const NumberPiece& n = p.numbers[k];
        if (n.hasSeparator || n.hasExponent)
            return {PositionError::wholeNumberExpected, parts[k], n.text};
    }
    // A single number is the whole half; messages name it by the half.
    std::array<double, kMaxNumbersPerHalf> v{};
    for (std::size_t k = 0; k < p.count; ++k) {
        const ErrorPart part = p.count == 1 ? halfPart : parts[k];
        if (const Failure f = readValue(p.numbers[k], part, v[k]); f.failed()) return f;
    }

    switch (notation) {
    case Notation::ddd_mm_sss: {
        if (v[kMinutesIndex] > kMaxSexagesimal)
            return {PositionError::outOfRange, parts[kMinutesIndex], p.numbers[kMinutesIndex].text};
        if (v[kSecondsIndex] > kMaxSexagesimal)
            return {PositionError::outOfRange, parts[kSecondsIndex], p.numbers[kSecondsIndex].text};
        // 60' 1" would be more than the 60 minutes of a degree; quote both numbers.
        if (v[kMinutesIndex] * kSecondsPerMinute + v[kSecondsIndex] >
            kMaxSexagesimal * kSecondsPerMinute) {
            const std::string_view& m = p.numbers[kMinutesIndex].text;
            const std::string_view& s = p.numbers[kSecondsIndex].text;
            const auto length = static_cast<std::size_t>(s.data() + s.size() - m.data());
            return {PositionError::outOfRange, kMinutesAndSecondsParts[indexOf(half)],
                    std::string_view(m.data(), length)};
        }
        // Whole degrees and minutes make whole seconds exactly; only the seconds carry a fraction.
        const double total = v[kDegreesIndex] * kSecondsPerDegree +
                             v[kMinutesIndex] * kSecondsPerMinute + v[kSecondsIndex];
        if (total > maxDegrees * kSecondsPerDegree)
            return {PositionError::outOfRange, halfPart, p.whole};
        break;
    }
    case Notation::ddd_mmmmm: {
        if (v[kMinutesIndex] > kMaxSexagesimal)
            return {PositionError::outOfRange, parts[kMinutesIndex], p.numbers[kMinutesIndex].text};
        const double total = v[kDegreesIndex] * kMinutesPerDegree + v[kMinutesIndex];
        if (total > maxDegrees * kMinutesPerDegree)
            return {PositionError::outOfRange, halfPart, p.whole};
        break;
    }
    case Notation::dddddddd1:
    case Notation::dddddddd2:
        if (v[kDegreesIndex] > maxDegrees)
            return {PositionError::outOfRange, halfPart, p.numbers[kDegreesIndex].text};
        break;
    }
    return {};
}

HalfReading toReading(const HalfPieces& p, Notation notation) {
    HalfReading r;
    r.count = p.count;
    for (std::size_t k = 0; k < p.count; ++k)
        r.numbers[k] = p.numbers[k].text;
    if (notation == Notation::dddddddd2)
        r.hemisphere = p.signChar == '-' ? Hemisphere::southOrWest : Hemisphere::northOrEast;
    else
        r.hemisphere = p.hemisphere;
    return r;
}

PositionReading failed(Failure f) {
    PositionReading r;
    r.error = f.error;
    r.part = f.part;
    r.piece = f.piece;
    return r;
}

} // namespace

PositionReading readPosition(std::string_view text) noexcept {
    const std::string_view trimmed = trimBlanks(text);
    if (trimmed.empty()) return failed({PositionError::empty, ErrorPart::text, text});

    const Split split = findHalvesSeparator(trimmed);
    if (split.error != PositionError::none) return failed({split.error, ErrorPart::text, trimmed});

    const HalfPieces latitude = HalfScanner(trimmed.substr(0, split.at), Half::latitude).scan();
    if (latitude.error != PositionError::none)
        return failed({latitude.error, ErrorPart::latitude, latitude.errorPiece});
    const HalfPieces longitude = HalfScanner(trimmed.substr(split.at + 1), Half::longitude).scan();
    if (longitude.error != PositionError::none)
        return failed({longitude.error, ErrorPart::longitude, longitude.errorPiece});

    const HalfNotation latitudeNotation = notationOf(latitude, Half::latitude);
    if (latitudeNotation.failure.failed()) return failed(latitudeNotation.failure);
    const HalfNotation longitudeNotation = notationOf(longitude, Half::longitude);
    if (longitudeNotation.failure.failed()) return failed(longitudeNotation.failure);
    if (latitudeNotation.notation != longitudeNotation.notation) {
        PositionReading r = failed({PositionError::mixedNotations, ErrorPart::text, trimmed});
        r.notation = latitudeNotation.notation;
        r.otherNotation = longitudeNotation.notation;
        return r;
    }
    const Notation notation = latitudeNotation.notation;

    for (const Half half : {Half::latitude, Half::longitude}) {
        const Failure f =
            checkValues(half == Half::latitude ? latitude : longitude, half, notation);
        if (f.failed()) {
            PositionReading r = failed(f);
            r.notation = notation;
            return r;
        }
    }

    PositionReading r;
    r.error = PositionError::none;
    r.notation = notation;
    r.latitude = toReading(latitude, notation);
    r.longitude = toReading(longitude, notation);
    return r;
}

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

std::string halfName(ErrorPart p) {
    return partInfo(p).half == Half::latitude ? "latitude" : "longitude";
}

std::string hemisphereChoice(ErrorPart p) {
    return partInfo(p).half == Half::latitude ? "N or S" : "E or W";
}

std::string rangeSentence(const PositionReading& r) {
    const std::string_view name = partInfo(r.part).name;
    std::string out = std::string(name) + " " + quoted(r.piece) + " is out of range: ";
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
    const std::string in = std::string(" in the ") + std::string(partInfo(r.part).name);
    switch (r.error) {
    case PositionError::none:
        return {};
    case PositionError::empty:
        return "no position given";
    case PositionError::noHalvesSeparator:
        return "no \",\" between latitude and longitude (write LATITUDE, LONGITUDE)";
    case PositionError::ambiguousCommas:
        return "cannot tell which comma separates latitude and longitude: write \", \" (comma "
               "and blank) between them";
    case PositionError::tooManySeparators:
        return "more than one comma between latitude and longitude";
    case PositionError::emptyHalf:
        return "no number" + in;
    case PositionError::strayCharacter:
        if (!r.piece.empty() && isLetter(r.piece.front()))
            return "unexpected " + quoted(r.piece) + in +
                   ": one hemisphere letter follows the numbers, as in 45.5° N";
        if (!r.piece.empty() && (isDigit(r.piece.front()) || isSeparator(r.piece.front())))
            return "unexpected " + quoted(r.piece) + in + ": nothing follows the hemisphere letter";
        return "unexpected character " + quoted(r.piece) + in;
    case PositionError::misplacedSign:
        return "misplaced sign " + quoted(r.piece) + in +
               ": a sign stands straight before the only number of signed decimal degrees, as "
               "in -45.5, 73.25";
    case PositionError::badNumber:
        return quoted(r.piece) + in + " is not a number";
    case PositionError::misplacedMark:
        return "misplaced unit mark " + quoted(r.piece) + in +
               ": \"°\" follows the degrees, \"'\" the minutes and '\"' the seconds";
    case PositionError::tooManyNumbers:
        return "too many numbers" + in + ": " + quoted(r.piece) +
               " follows degrees, minutes and seconds";
    case PositionError::unknownHemisphere:
        return "unknown hemisphere " + quoted(r.piece) + in + ": " + halfName(r.part) + " takes " +
               hemisphereChoice(r.part);
    case PositionError::missingHemisphere:
        return quoted(r.piece) + in + " needs a hemisphere letter after it (" +
               hemisphereChoice(r.part) + "); only a single number may be signed instead";
    case PositionError::signWithLetter:
        return "signed number " + quoted(r.piece) + in +
               " with a hemisphere letter: the numbers are magnitudes and the letter gives the "
               "hemisphere, as in 45° 30' S";
    case PositionError::wholeNumberExpected:
        return std::string(partInfo(r.part).name) + " " + quoted(r.piece) +
               " must be a whole number (digits only) when more numbers follow";
    case PositionError::outOfRange:
        return rangeSentence(r);
    case PositionError::mixedNotations:
        return "the latitude is written in " + std::string(notationDescription(r.notation)) +
               " but the longitude in " + std::string(notationDescription(r.otherNotation)) +
               ": write both halves in one notation";
    }
    return "cannot be read";
}

} // namespace quorvane
