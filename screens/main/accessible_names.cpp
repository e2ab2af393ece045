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
