// The keystroke filter under arbitrary tags, texts, ranges and replacements. Whatever it is
// asked, an accepted change must keep the field within its limits: never longer than the limit,
// only ASCII digits typed, at most one separator (none in whole-number fields), and a range that
// lies inside the text.
#include "core/form_model.h"
#include "core/keystroke_filter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>

namespace {

using namespace quorvane;

void require(bool condition, const char* invariant) {
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", invariant);
    std::abort();
}

// Characters worth trying: digits and separators, signs, blanks, the unit marks, a digit of
// another script, a letter, both halves of a surrogate pair and a lone surrogate.
constexpr std::u16string_view kAlphabet = u"0123456789.,.,-+ \t'\"\u00B0\u0661a\xD83D\xDE00\xDC00";

std::u16string consumeText(FuzzedDataProvider& data) {
    const std::string bytes = data.ConsumeRandomLengthString(24);
    std::u16string text;
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        text += kAlphabet[byte % kAlphabet.size()];
    }
    return text;
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool isSeparator(char16_t c) {
    return c == u'.' || c == u',';
}

std::size_t separators(std::u16string_view s) {
    std::size_t n = 0;
    for (const char16_t c : s)
        n += isSeparator(c) ? 1 : 0;
    return n;
}

// Digits with at most `maxSeparators` separators and nothing else.
bool isClean(std::u16string_view s, std::size_t maxSeparators) {
    for (const char16_t c : s)
        if (!isDigit(c) && !isSeparator(c)) return false;
    return separators(s) <= maxSeparators;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    // Tags 0 .. 13 name fields; -1 and 14 .. 20 name none; a missing active field too.
    const int tagChoice = data.ConsumeIntegralInRange<int>(-2, 20);
    const std::optional<int> tag = tagChoice == -2 ? std::nullopt : std::optional<int>(tagChoice);
    const std::u16string current = consumeText(data);
    const Utf16Range range{data.ConsumeIntegralInRange<std::size_t>(0, current.size() + 2),
                           data.ConsumeIntegralInRange<std::size_t>(0, current.size() + 2)};
    const std::u16string replacement = consumeText(data);

    if (filterKeystroke(tag, current, range, replacement) == FilterDecision::refuse) return 0;

    require(range.location <= current.size() && range.length <= current.size() - range.location,
            "an accepted range lies inside the text");
    std::u16string result = current;
    result.replace(range.location, range.length, replacement);

    const auto field = tag ? fieldFromTag(*tag) : std::nullopt;
    const FieldKindInfo* kind = field ? &kindInfo(*field) : nullptr;
    const LengthLimits limits = kind ? kind->limits : kUnknownFieldLimits;
    const std::size_t limit =
        separators(current) > 0 ? limits.withSeparator : limits.withoutSeparator;
    require(result.size() <= limit, "an accepted change stays within the length limit");

    const bool loneSeparator = replacement.size() == 1 && isSeparator(replacement.front());
    require(isClean(replacement, 0) || (loneSeparator && separators(current) == 0),
            "only digits, or one separator into a text without one, are typed");
    if (kind && !kind->admitsSeparator)
        require(!loneSeparator, "no separator in a whole-number field");

    // A field that held only digits and its separators keeps holding only those.
    const std::size_t allowed = kind && !kind->admitsSeparator ? 0 : 1;
    if (isClean(current, allowed))
        require(isClean(result, allowed), "a clean field stays digits with at most one separator");
    return 0;
}
