// The keystroke filter under arbitrary tags, texts, ranges and replacements. An accepted change
// keeps the field within its limits: a range inside the text, never longer than the limit
// unless it only deletes, only ASCII digits typed or one separator into a text without one (none
// in whole-number fields).
#include "fuzz_require.h"
#include "core/form_model.h"
#include "core/keystroke_filter.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>

namespace {

using namespace quorvane;

using fuzz::require;

// Digits and separators, signs, blanks, the unit marks, a digit of another script, a letter,
// both halves of a surrogate pair and a lone surrogate.
constexpr std::u16string_view kAlphabet = u"0123456789.,.,-+ \t'\"\u00B0\u0661a\xD83D\xDE00\xDC00";

std::u16string consumeText(FuzzedDataProvider& data) {
    std::u16string text;
    for (const char b : data.ConsumeRandomLengthString(24))
        text += kAlphabet[static_cast<unsigned char>(b) % kAlphabet.size()];
    return text;
}

bool isSeparator(char16_t c) {
    return c == u'.' || c == u',';
}
std::size_t separators(std::u16string_view s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), isSeparator));
}
// Digits with at most `maxSeparators` separators and nothing else.
bool isClean(std::u16string_view s, std::size_t maxSeparators) {
    const auto digitOrSeparator = [](char16_t c) {
        return (c >= u'0' && c <= u'9') || isSeparator(c);
    };
    return std::all_of(s.begin(), s.end(), digitOrSeparator) && separators(s) <= maxSeparators;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    // Tags 0 .. 13 name fields; -1 and 14 .. 20 name none; -2 stands for no active field.
    const int tagChoice = data.ConsumeIntegralInRange<int>(-2, 20);
    const std::optional<int> tag = tagChoice == -2 ? std::nullopt : std::optional<int>(tagChoice);
    const std::u16string current = consumeText(data);
    const Utf16Range range{data.ConsumeIntegralInRange<std::size_t>(0, current.size() + 2),
                           data.ConsumeIntegralInRange<std::size_t>(0, current.size() + 2)};
    const std::u16string replacement = consumeText(data);
    if (filterKeystroke(tag, current, range, replacement) == FilterDecision::refuse) return 0;

    require(range.location <= current.size() && range.length <= current.size() - range.location,
            "an accepted range lies inside the text");
    const std::u16string result =
        std::u16string(current).replace(range.location, range.length, replacement);
    const auto field = tag ? fieldFromTag(*tag) : std::nullopt;
    const LengthLimits limits = field ? kindInfo(*field).limits : kUnknownFieldLimits;
    const std::size_t limit =
        separators(current) > 0 ? limits.withSeparator : limits.withoutSeparator;
    require(replacement.empty() || result.size() <= limit,
            "an accepted change that types something stays within the length limit");
    const bool loneSeparator = replacement.size() == 1 && isSeparator(replacement.front());
    require(isClean(replacement, 0) || (loneSeparator && separators(current) == 0),
            "only digits, or one separator into a text without one, are typed");
    const std::size_t allowed = field && !kindInfo(*field).admitsSeparator ? 0 : 1;
    require(!loneSeparator || allowed == 1, "no separator in a whole-number field");
    // A field that held only digits and its separators keeps holding only those.
    if (isClean(current, allowed))
        require(isClean(result, allowed), "a clean field stays digits with at most one separator");
    return 0;
}
