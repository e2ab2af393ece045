#include "grid_keystroke.h"

#include <array>

namespace quorvane::grid {

namespace {

// Besides letters and digits, by system in screen order.
constexpr std::array<std::u16string_view, kGridSystemCount> kPunctuation{u" .", u" ", u" +", u" "};

bool admitted(GridSystem system, char16_t c) {
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
        return true;
    return kPunctuation[static_cast<std::size_t>(system)].find(c) != std::u16string_view::npos;
}

} // namespace

FilterDecision filterGridKeystroke(GridSystem system, std::u16string_view current, Utf16Range range,
                                   std::u16string_view replacement) {
    if (range.location > current.size() || range.length > current.size() - range.location)
        return FilterDecision::refuse;
    if (replacement.empty()) return FilterDecision::accept;
    for (const char16_t c : replacement)
        if (!admitted(system, c)) return FilterDecision::refuse;
    const std::size_t resulting = current.size() - range.length + replacement.size();
    return resulting <= info(system).maxTypedLength ? FilterDecision::accept
                                                    : FilterDecision::refuse;
}

} // namespace quorvane::grid
