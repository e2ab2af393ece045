#include "nmea_sentence_check.h"


#include "core/ascii.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <span>

namespace quorvane {

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
constexpr std::size_t kMaxFields = 24;

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

struct SentenceRules {
    std::string_view type; // the three letters after the talker
    std::span<const FieldRule> fields;
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
    {"GGA", kGga},
    {"RMC", kRmc},
    {"GLL", kGll},
    {"VTG", kVtg},
    {"ZDA", kZda},
}};

bool isCoordinate(const FieldRule& rule) {
    return rule.valid == validLatitude || rule.valid == validLongitude;
}

// The sentence's fields without "$", checksum and line end.
std::size_t splitFields(std::string_view sentence,
                        std::array<std::string_view, kMaxFields>& fields) {
    sentence = sentence.substr(0, sentence.find_first_of("*\r\n"));
    if (sentence.starts_with('$')) sentence.remove_prefix(1);
    std::size_t count = 0;
    while (count < kMaxFields) {
        const std::size_t comma = sentence.find(',');
        fields[count++] = sentence.substr(0, comma);
        if (comma == std::string_view::npos) break;
        sentence.remove_prefix(comma + 1);
    }
    return count;
}

// A coordinate needs its hemisphere: without it, the parser would guess.
bool sidesGiven(const std::array<std::string_view, kMaxFields>& fields, std::size_t count,
                std::span<const FieldRule> rules) {
    for (const FieldRule& rule : rules) {
        if (!isCoordinate(rule)) continue;
        const std::size_t side = rule.index + 1;
        if (rule.index < count && !fields[rule.index].empty() &&
            (side >= count || fields[side].empty()))
            return false;
    }
    return true;
}

} // namespace

NmeaVerdict checkNmeaSentence(std::string_view sentence) {
    std::array<std::string_view, kMaxFields> fields{};
    const std::size_t count = splitFields(sentence, fields);
    const std::string_view address = fields[0];
    constexpr std::size_t kTypeLength = 3;
    if (address.size() < kTypeLength) return NmeaVerdict::accept;
    const std::string_view type = address.substr(address.size() - kTypeLength);
    for (const SentenceRules& s : kSentences) {
        if (s.type != type) continue;
        for (const FieldRule& rule : s.fields)
            if (rule.index < count && !fields[rule.index].empty() &&
                !rule.valid(fields[rule.index]))
                return NmeaVerdict::refuse;
        return sidesGiven(fields, count, s.fields) ? NmeaVerdict::accept : NmeaVerdict::refuse;
    }
    return NmeaVerdict::accept;
}

} // namespace quorvane
