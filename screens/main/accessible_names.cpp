#include "accessible_names.h"

#include <array>

namespace quorvane {

namespace {

// Translation keys of the parts, indexed by the form's enums.
constexpr std::array<std::string_view, 2> kHalfKeys{"Latitude", "Longitude"};
constexpr std::array<std::string_view, kFieldKinds.size()> kKindKeys{
    "degrees", "minutes", "seconds", "decimal minutes", "decimal degrees"};
constexpr std::array<std::string_view, kNotationCount> kNotationKeys{
    "degrees-minutes-seconds", "degrees and decimal minutes", "decimal degrees",
    "signed decimal degrees"};
// Segment 0 and 1 of a latitude and of a longitude selector.
constexpr std::array<std::array<std::string_view, 2>, 2> kSegmentKeys{{
    {"North", "South"},
    {"East", "West"},
}};

// %1 the half, %2 what the field holds, %3 the notation.
constexpr std::string_view kFieldPattern = "%1 %2, %3";
// %1 the half, %2 the notation.
constexpr std::string_view kSelectorPattern = "%1 hemisphere, %2";
// %1 the notation.
constexpr std::string_view kCopyPattern = "Copy %1";

// %1 the value without its mark, by what the field holds.
constexpr std::array<std::string_view, kFieldKinds.size()> kValuePatterns{
    "%1 degrees", "%1 minutes", "%1 seconds", "%1 minutes", "%1 degrees"};
// %1 the value without its sign.
constexpr std::string_view kNegativePattern = "minus %1";
// %1 a name, %2 what the control holds or says.
constexpr std::string_view kNameValuePattern = "%1: %2";
constexpr std::string_view kLocatingKey = "Finding your position";
constexpr std::string_view kLocatedKey = "Position filled in";
// %1 the accuracy as shown.
constexpr std::string_view kLocatedAccuracyPattern = "Position filled in, accuracy %1";
// The marks that stand for a unit in a field's text; the unit is spoken as a word instead.
constexpr std::array<std::string_view, 5> kUnitMarks{"\u00B0", "'", "\"", "\u2032", "\u2033"};
constexpr char kMinus = '-';

constexpr int kSegmentsPerSelector = 2;
constexpr char kFirstDigit = '1';
constexpr char kLastDigit = '9';

std::string named(std::string_view name) {
    return std::string(name);
}

class Parts {
public:
    explicit Parts(const Translator& translator) : translator_(translator) {}

    std::string half(Half h) const { return translator_.translate(kHalfKeys[indexOf(h)]); }
    std::string kind(FieldKind k) const {
        return translator_.translate(kKindKeys[static_cast<std::size_t>(k)]);
    }
    std::string notation(Notation n) const {
        return translator_.translate(kNotationKeys[indexOf(n)]);
    }
    std::string segment(Half h, int segment) const {
        return translator_.translate(kSegmentKeys[indexOf(h)][static_cast<std::size_t>(segment)]);
    }
    std::string filled(std::string_view patternKey, std::initializer_list<std::string> args) const {
        return fillPlaceholders(translator_.translate(patternKey),
                                std::span<const std::string>(args.begin(), args.size()));
    }

private:
    const Translator& translator_;
};

} // namespace

std::string segmentObjectName(SelectorId selector, int segment) {
    return named(info(selector).name) + '_' + std::to_string(segment);
}

std::string copyButtonObjectName(Notation notation) {
    return "copy" + std::to_string(indexOf(notation) + 1);
}

std::vector<ControlName> accessibleNames(const Translator& translator) {
    const Parts parts(translator);
    std::vector<ControlName> names;
    for (const FieldInfo& f : kFields)
        names.push_back(
            {named(f.name), parts.filled(kFieldPattern, {parts.half(f.half), parts.kind(f.kind),
                                                         parts.notation(f.notation)})});
    for (const SelectorInfo& s : kSelectors) {
        names.push_back(
            {named(s.name),
             parts.filled(kSelectorPattern, {parts.half(s.half), parts.notation(s.notation)})});
        for (int segment = 0; segment < kSegmentsPerSelector; ++segment)
            names.push_back({segmentObjectName(s.id, segment), parts.segment(s.half, segment)});
    }
    for (const NotationInfo& n : kNotations)
        names.push_back(
            {copyButtonObjectName(n.id), parts.filled(kCopyPattern, {parts.notation(n.id)})});
    return names;
}

std::string spokenFieldValue(FieldId field, std::string_view shownText,
                             const Translator& translator) {
    std::string number(shownText);
    for (const std::string_view mark : kUnitMarks)
        for (auto at = number.find(mark); at != std::string::npos; at = number.find(mark))
            number.erase(at, mark.size());
    if (number.empty()) return {};
    const Parts parts(translator);
    const bool negative = number.front() == kMinus;
    if (negative) number.erase(0, 1);
    std::string spoken =
        parts.filled(kValuePatterns[static_cast<std::size_t>(info(field).kind)], {number});
    return negative ? parts.filled(kNegativePattern, {spoken}) : spoken;
}

std::string nameWithValue(std::string_view name, std::string_view value,
                          const Translator& translator) {
    if (value.empty()) return std::string(name);
    return Parts(translator).filled(kNameValuePattern, {std::string(name), std::string(value)});
}

std::string hemisphereWord(SelectorId selector, int index, const Translator& translator) {
    return Parts(translator).segment(info(selector).half, index == 0 ? 0 : 1);
}

std::string hemisphereAnnouncement(SelectorId selector, int index, const Translator& translator) {
    const Parts parts(translator);
    return parts.filled(kNameValuePattern, {parts.half(info(selector).half),
                                            hemisphereWord(selector, index, translator)});
}

std::string locatingAnnouncement(const Translator& translator) {
    return translator.translate(kLocatingKey);
}

std::string locatedAnnouncement(std::string_view accuracy, const Translator& translator) {
    if (accuracy.empty()) return translator.translate(kLocatedKey);
    return Parts(translator).filled(kLocatedAccuracyPattern, {std::string(accuracy)});
}

std::string copiedAnnouncement(std::string_view title, std::string_view line,
                               const Translator& translator) {
    return nameWithValue(title, line, translator);
}

std::string fillPlaceholders(std::string_view pattern, std::span<const std::string> arguments) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool marker = pattern[i] == '%' && i + 1 < pattern.size() &&
                            pattern[i + 1] >= kFirstDigit && pattern[i + 1] <= kLastDigit;
        const auto argument = marker ? static_cast<std::size_t>(pattern[i + 1] - kFirstDigit) : 0;
        if (marker && argument < arguments.size()) {
            out += arguments[argument];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace quorvane
