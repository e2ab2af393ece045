#include "keystroke_filter.h"

#include "form_model.h"

namespace quorvane {

namespace {

constexpr bool isSeparator(char16_t c) { return c == u'.' || c == u','; }
constexpr bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool isLoneSeparator(std::u16string_view s) { return s.size() == 1 && isSeparator(s.front()); }

bool holdsSeparator(std::u16string_view s) {
    return s.find_first_of(u".,") != std::u16string_view::npos;
}

bool onlyDigits(std::u16string_view s) {
    for (const char16_t c : s)
        if (!isAsciiDigit(c)) return false;
    return true;
}

const FieldKindInfo* activeKind(std::optional<int> activeTag) {
    if (!activeTag) return nullptr;
    const auto field = fieldFromTag(*activeTag);
    return field ? &kindInfo(*field) : nullptr;
}

} // namespace

FilterDecision filterKeystroke(std::optional<int> activeTag, std::u16string_view current,
                               Utf16Range range, std::u16string_view replacement) {
    const FieldKindInfo* kind = activeKind(activeTag);

    // A separator typed into a whole-number field.
    if (kind && !kind->admitsSeparator && isLoneSeparator(replacement)) return FilterDecision::refuse;

    // The platform never proposes a range outside the text; a binding bug must not crash us.
    if (range.location > current.size() || range.length > current.size() - range.location)
        return FilterDecision::refuse;
    // Removing characters never makes a text worse, and a text longer than the limit (one the
    // program wrote, such as 12.345678900000003°) must still be shortened key by key.
    if (replacement.empty()) return FilterDecision::accept;
    const std::size_t resultLength = current.size() - range.length + replacement.size();

    const bool currentHasSeparator = holdsSeparator(current);
    const LengthLimits limits = kind ? kind->limits : kUnknownFieldLimits;
    const std::size_t limit = currentHasSeparator ? limits.withSeparator : limits.withoutSeparator;

    if (!onlyDigits(replacement)) {
        const bool firstSeparator = isLoneSeparator(replacement) && !currentHasSeparator;
        if (!firstSeparator) return FilterDecision::refuse;
    }
    return resultLength <= limit ? FilterDecision::accept : FilterDecision::refuse;
}

} // namespace quorvane
