// The fields of NMEA 0183 sentences: their rules, the checksum and the position they carry.
#include "core/nmea_sentence.h"

#include "core/ascii.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <span>

namespace quorvane::nmea {

namespace {

constexpr double kMaxLatitude = 90;
constexpr double kMaxLongitude = 180;
constexpr double kMinutesPerDegree = 60;
constexpr double kHundred = 100; // ddmm.mm: degrees are the hundreds of the number
constexpr double kFullCircle = 360;
constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;
constexpr int kMaxSecond = 60; // a leap second
constexpr int kMaxDay = 31;
constexpr int kMonths = 12;

// Digits with at most one "." and at least one digit; no sign, no blank, no exponent.
std::optional<double> unsignedValue(std::string_view field) {
    double value = 0;
    double scale = 0; // 0 before the point
    bool digits = false;
    for (const char c : field) {
        if (c == '.' && scale == 0) {
            scale = 1;
        } else if (ascii::isDigit(c)) {
            digits = true;
            if (scale == 0) {
                value = value * 10 + (c - '0');
            } else {
                scale /= 10;
                value += (c - '0') * scale;
            }
        } else {
            return std::nullopt;
        }
    }
    return digits ? std::optional<double>(value) : std::nullopt;
}

// A fixed number of leading digits as a whole number.
std::optional<int> digitsValue(std::string_view field, std::size_t from, std::size_t count) {
    if (field.size() < from + count) return std::nullopt;
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!ascii::isDigit(field[i])) return std::nullopt;
        value = value * 10 + (field[i] - '0');
    }
    return value;
}

bool validCoordinate(std::string_view field, double maxDegrees) {
    const auto value = unsignedValue(field);
    if (!value) return false;
    const double degrees = std::floor(*value / kHundred);
    const double minutes = *value - degrees * kHundred;
    return minutes < kMinutesPerDegree && degrees + minutes / kMinutesPerDegree <= maxDegrees;
}

bool validLatitude(std::string_view field) {
    return validCoordinate(field, kMaxLatitude);
}

bool validLongitude(std::string_view field) {
    return validCoordinate(field, kMaxLongitude);
}

bool validLatitudeSide(std::string_view field) {
    return field == "N" || field == "S";
}

bool validLongitudeSide(std::string_view field) {
    return field == "E" || field == "W";
}

// hhmmss with optional decimals of the second.
bool validTime(std::string_view field) {
    const auto hours = digitsValue(field, 0, 2);
    const auto minutes = digitsValue(field, 2, 2);
    const auto seconds = digitsValue(field, 4, 2);
    const std::string_view fraction = field.substr(std::min<std::size_t>(6, field.size()));
    const bool fractionValid =
        fraction.empty() || (fraction.front() == '.' && unsignedValue(fraction.substr(1)) &&
                             fraction.find('.', 1) == std::string_view::npos);
    return hours && minutes && seconds && fractionValid && *hours < kHoursPerDay &&
           *minutes < kMinutesPerHour && *seconds <= kMaxSecond;
}

// One or two digits from low to high.
bool inRange(std::string_view field, int low, int high) {
    if (field.empty() || field.size() > 2) return false;
    const auto value = digitsValue(field, 0, field.size());
    return value && *value >= low && *value <= high;
}

// ddmmyy
bool validDate(std::string_view field) {
    return field.size() == 6 && inRange(field.substr(0, 2), 1, kMaxDay) &&
           inRange(field.substr(2, 2), 1, kMonths) && digitsValue(field, 4, 2);
}

bool validDay(std::string_view field) {
    return inRange(field, 1, kMaxDay);
}

bool validMonth(std::string_view field) {
    return inRange(field, 1, kMonths);
}

bool validYear(std::string_view field) {
    return field.size() == 4 && digitsValue(field, 0, 4);
}

bool validUnsigned(std::string_view field) {
    return unsignedValue(field).has_value();
}

bool validCourse(std::string_view field) {
    const auto value = unsignedValue(field);
    return value && *value < kFullCircle;
}

bool validMagneticVariation(std::string_view field) {
    const auto value = unsignedValue(field);
    return value && *value <= kMaxLongitude;
}

bool validStatus(std::string_view field) {
    return field == "A" || field == "V";
}

using FieldTest = bool (*)(std::string_view);

struct FieldRule {
    std::size_t index; // after the address field
    FieldTest valid;   // for a field that is not empty (empty: not known, which is allowed)
};

// Where a position sentence keeps its latitude (the longitude and both sides follow it) and
// the fields that tell it has no fix; 0 where the sentence has none.
struct PositionLayout {
    std::size_t latitude = 0;
    std::size_t quality = 0; // "0": no fix
    std::size_t status = 0;  // "V": void
    std::size_t mode = 0;    // "N": not valid
};

struct SentenceRules {
    std::string_view type; // the three letters after the talker
    std::span<const FieldRule> fields;
    PositionLayout position;
};

constexpr std::array<FieldRule, 8> kGga{{{1, validTime},
                                         {2, validLatitude},
                                         {3, validLatitudeSide},
                                         {4, validLongitude},
                                         {5, validLongitudeSide},
                                         {6, validUnsigned},   // fix quality
                                         {7, validUnsigned},   // satellites
                                         {8, validUnsigned}}}; // HDOP
constexpr std::array<FieldRule, 10> kRmc{{{1, validTime},
                                          {2, validStatus},
                                          {3, validLatitude},
                                          {4, validLatitudeSide},
                                          {5, validLongitude},
                                          {6, validLongitudeSide},
                                          {7, validUnsigned}, // speed
                                          {8, validCourse},
                                          {9, validDate},
                                          {10, validMagneticVariation}}};
constexpr std::array<FieldRule, 6> kGll{{{1, validLatitude},
                                         {2, validLatitudeSide},
                                         {3, validLongitude},
                                         {4, validLongitudeSide},
                                         {5, validTime},
                                         {6, validStatus}}};
constexpr std::array<FieldRule, 4> kVtg{
    {{1, validCourse}, {3, validCourse}, {5, validUnsigned}, {7, validUnsigned}}};
constexpr std::array<FieldRule, 4> kZda{
    {{1, validTime}, {2, validDay}, {3, validMonth}, {4, validYear}}};

constexpr std::array<SentenceRules, 5> kSentences{{
    {"GGA", kGga, {.latitude = 2, .quality = 6}},
    {"RMC", kRmc, {.latitude = 3, .status = 2, .mode = 12}},
    {"GLL", kGll, {.latitude = 1, .status = 6, .mode = 7}},
    {"VTG", kVtg, {}},
    {"ZDA", kZda, {}},
}};

const SentenceRules* rulesOf(const Sentence& sentence) {
    for (const SentenceRules& s : kSentences)
        if (s.type == sentence.type()) return &s;
    return nullptr;
}

bool isCoordinate(const FieldRule& rule) {
    return rule.valid == validLatitude || rule.valid == validLongitude;
}

// The coordinate without its hemisphere, if any: without it a parser would guess.
std::optional<std::size_t> coordinateWithoutSide(const Sentence& sentence,
                                                 std::span<const FieldRule> rules) {
    for (const FieldRule& rule : rules) {
        if (!isCoordinate(rule)) continue;
        const std::size_t side = rule.index + 1;
        if (rule.index < sentence.count && !sentence.fields[rule.index].empty() &&
            (side >= sentence.count || sentence.fields[side].empty()))
            return rule.index;
    }
    return std::nullopt;
}

std::string_view fieldOf(const Sentence& sentence, std::size_t index) {
    return index < sentence.count ? sentence.fields[index] : std::string_view{};
}

constexpr std::size_t kChecksumDigits = 2;
constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr unsigned kHexBase = 16;

} // namespace

std::string_view Sentence::type() const {
    constexpr std::size_t kTypeLength = 3;
    const std::string_view address = fields[0];
    return address.size() < kTypeLength ? std::string_view{}
                                         : address.substr(address.size() - kTypeLength);
}

Sentence splitSentence(std::string_view text) noexcept {
    Sentence s;
    if (text.starts_with('$')) text.remove_prefix(1);
    text = text.substr(0, text.find_first_of("\r\n"));
    const std::size_t star = text.find('*');
    s.body = text.substr(0, star);
    if (star != std::string_view::npos) s.checksum = text.substr(star + 1);
    std::string_view rest = s.body;
    while (s.count < kMaxFields) {
        const std::size_t comma = rest.find(',');
        s.fields[s.count++] = rest.substr(0, comma);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return s;
}

std::array<char, kChecksumDigits> expectedChecksum(const Sentence& sentence) noexcept {
    unsigned sum = 0;
    for (const char c : sentence.body)
        sum ^= static_cast<unsigned char>(c);
    return {kHexDigits[sum / kHexBase % kHexBase], kHexDigits[sum % kHexBase]};
}

Checksum checkChecksum(const Sentence& sentence) noexcept {
    if (sentence.checksum.empty()) return Checksum::absent;
    const std::array<char, kChecksumDigits> expected = expectedChecksum(sentence);
    const bool same = sentence.checksum.size() == kChecksumDigits &&
                      ascii::toUpper(sentence.checksum[0]) == expected[0] &&
                      ascii::toUpper(sentence.checksum[1]) == expected[1];
    return same ? Checksum::matches : Checksum::differs;
}

std::optional<std::size_t> firstBrokenField(const Sentence& sentence) noexcept {
    const SentenceRules* rules = rulesOf(sentence);
    if (rules == nullptr) return std::nullopt;
    for (const FieldRule& rule : rules->fields)
        if (rule.index < sentence.count && !sentence.fields[rule.index].empty() &&
            !rule.valid(sentence.fields[rule.index]))
            return rule.index;
    return coordinateWithoutSide(sentence, rules->fields);
}

std::optional<PositionFields> positionFields(const Sentence& sentence) noexcept {
    const SentenceRules* rules = rulesOf(sentence);
    if (rules == nullptr || rules->position.latitude == 0) return std::nullopt;
    const PositionLayout& p = rules->position;
    PositionFields out;
    out.latitude = fieldOf(sentence, p.latitude);
    out.latitudeSide = fieldOf(sentence, p.latitude + 1);
    out.longitude = fieldOf(sentence, p.latitude + 2);
    out.longitudeSide = fieldOf(sentence, p.latitude + 3);
    const bool noFix = out.latitude.empty() || out.longitude.empty() ||
                       (p.quality != 0 && (fieldOf(sentence, p.quality).empty() ||
                                           fieldOf(sentence, p.quality) == "0")) ||
                       (p.status != 0 && fieldOf(sentence, p.status) == "V") ||
                       (p.mode != 0 && fieldOf(sentence, p.mode) == "N");
    out.fix = noFix ? Fix::none : Fix::valid;
    return out;
}

} // namespace quorvane::nmea
