// The first pass of the reader: the copied text in plain characters, each byte with its origin.
#include "core/position_text.h"

#include "core/ascii.h"
#include "core/utf.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace quorvane::reading {

namespace {

// A character that copying brings along, and what the readers see instead (nothing: dropped).
struct LookAlike {
    char32_t code;
    std::string_view plain;
};

// clang-format off
constexpr std::array<LookAlike, 57> kLookAlikes{{
    // Invisible: zero-width space, joiners, word joiner, byte-order mark (encyclopedia pages put
    // it between the notations they print), soft hyphen, direction marks and embeddings.
    {0x200B, ""}, {0x200C, ""}, {0x200D, ""}, {0x2060, ""}, {0xFEFF, ""}, {0x00AD, ""},
    {0x200E, ""}, {0x200F, ""}, {0x202A, ""}, {0x202B, ""}, {0x202C, ""}, {0x202D, ""},
    {0x202E, ""}, {0x2066, ""}, {0x2067, ""}, {0x2068, ""}, {0x2069, ""},
    // Footnote marks in superscript digits.
    {0x00B9, ""}, {0x00B2, ""}, {0x00B3, ""},
    // Spaces: no-break, narrow no-break, thin, figure, em/en and the rest of the U+2000 block.
    {0x00A0, " "}, {0x202F, " "}, {0x2009, " "}, {0x200A, " "}, {0x2007, " "}, {0x2008, " "},
    {0x2002, " "}, {0x2003, " "}, {0x2004, " "}, {0x2005, " "}, {0x2006, " "}, {0x205F, " "},
    {0x3000, " "},
    // Minutes: prime, apostrophes and accents used for it.
    {0x2032, "'"}, {0x2019, "'"}, {0x2018, "'"}, {0x201B, "'"}, {0x00B4, "'"}, {0x02B9, "'"},
    {0x02BC, "'"},
    // Seconds: double prime and the quotation marks and accents used for it.
    {0x2033, "\""}, {0x201D, "\""}, {0x201C, "\""}, {0x201F, "\""}, {0x02BA, "\""},
    {0x02DD, "\""},
    // Degrees: masculine ordinal, ring above, superscript zero.
    {0x00BA, "\u00B0"}, {0x02DA, "\u00B0"}, {0x2070, "\u00B0"},
    // Minus sign, hyphens, figure and en dash, the small hyphen-minus.
    {0x2212, "-"}, {0x2010, "-"}, {0x2011, "-"}, {0x2012, "-"}, {0x2013, "-"}, {0xFE63, "-"},
    // Reversed primes.
    {0x2035, "'"}, {0x2036, "\""},
}};
// clang-format on

constexpr std::size_t kMaxOriginal = std::numeric_limits<std::uint16_t>::max();
// "[1]", "[12]", "[a]" straight after a word or number: a footnote mark, not a bracket.
constexpr std::size_t kMaxFootnoteLength = 3;

std::size_t footnoteLength(std::string_view rest) {
    if (rest.size() < 3 || rest.front() != '[') return 0;
    const auto close = rest.find(']');
    if (close == std::string_view::npos || close < 2 || close > kMaxFootnoteLength + 1) return 0;
    const std::string_view inside = rest.substr(1, close - 1);
    const bool digits = std::all_of(inside.begin(), inside.end(), ascii::isDigit);
    const bool letter = inside.size() == 1 && inside.front() >= 'a' && inside.front() <= 'z';
    return digits || letter ? close + 1 : 0;
}

// The table by code, and its codes alone, for a binary search: every character beyond ASCII
// in a text (°, ′, ″ ...) is looked up.
constexpr auto kLookAlikesByCode = [] {
    auto table = kLookAlikes;
    std::sort(table.begin(), table.end(),
              [](const LookAlike& a, const LookAlike& b) { return a.code < b.code; });
    return table;
}();
constexpr auto kLookAlikeCodes = [] {
    std::array<char32_t, kLookAlikes.size()> codes{};
    for (std::size_t k = 0; k < codes.size(); ++k)
        codes[k] = kLookAlikesByCode[k].code;
    return codes;
}();

// The full-width forms of ASCII that East Asian texts use (１２．５, ，): the ASCII character
// this far below.
constexpr char32_t kFullWidthFirst = 0xFF01;
constexpr char32_t kFullWidthLast = 0xFF5E;
constexpr char32_t kFullWidthOffset = 0xFEE0;

const LookAlike* lookAlike(char32_t code) {
    const auto* found = std::lower_bound(kLookAlikeCodes.begin(), kLookAlikeCodes.end(), code);
    return found != kLookAlikeCodes.end() && *found == code
               ? &kLookAlikesByCode[static_cast<std::size_t>(found - kLookAlikeCodes.begin())]
               : nullptr;
}

// Bytes the first pass copies as they are.
constexpr bool isPlain(char c) {
    return ascii::isAscii(c) && c != '\r' && c != '[';
}

Origin originOf(std::size_t begin, std::size_t end) {
    return {static_cast<std::uint16_t>(begin), static_cast<std::uint16_t>(end)};
}

} // namespace

template <class OriginOf> void SourceText::cleanFrom(std::string_view text, OriginOf originOf) {
    for (std::size_t i = 0; i < text.size() && !overflowed_;) {
        const std::size_t start = i;
        if (isPlain(text[i])) {
            while (i < text.size() && isPlain(text[i]))
                ++i;
            putRun(text.substr(start, i - start),
                   [&](std::size_t k) { return originOf(start + k, start + k + 1); });
            continue;
        }
        if (text[i] == '[') {
            const bool afterWord =
                size_ > 0 && chars_[size_ - 1] != ' ' && chars_[size_ - 1] != '\n';
            i += afterWord ? footnoteLength(text.substr(i)) : 0;
            if (i == start) put(text[i++], originOf(start, start + 1));
            continue;
        }
        // "\r\n" and a lone "\r" end a line as "\n" does.
        if (text[i] == '\r') {
            i += i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
            put('\n', originOf(start, i));
            continue;
        }
        const char32_t code = decodeCodePoint(text, i);
        if (code >= kFullWidthFirst && code <= kFullWidthLast) {
            put(static_cast<char>(code - kFullWidthOffset), originOf(start, i));
            continue;
        }
        if (const LookAlike* l = lookAlike(code)) {
            for (const char c : l->plain)
                put(c, originOf(start, i));
            continue;
        }
        for (std::size_t k = start; k < i; ++k)
            put(text[k], originOf(k, k + 1));
    }
}

template <class OriginAt> void SourceText::putRun(std::string_view run, OriginAt originAt) {
    if (size_ + run.size() > kCapacity) {
        overflowed_ = true;
        return;
    }
    std::copy(run.begin(), run.end(), chars_.begin() + static_cast<std::ptrdiff_t>(size_));
    for (std::size_t k = 0; k < run.size(); ++k)
        origins_[size_ + k] = originAt(k);
    size_ += run.size();
}

SourceText SourceText::cleaned(std::string_view text) noexcept {
    SourceText out(text);
    if (text.size() > kMaxOriginal) {
        out.overflowed_ = true;
        return out;
    }
    if (std::all_of(text.begin(), text.end(), isPlain)) { // nothing to clean
        out.asWritten_ = true;
        return out;
    }
    out.cleanFrom(text, [](std::size_t begin, std::size_t end) { return originOf(begin, end); });
    return out;
}

SourceText SourceText::percentDecoded(const SourceText& from, std::string_view piece,
                                      std::string_view blanks) noexcept {
    constexpr std::size_t kEscapeLength = 3; // "%2C"
    constexpr int kHexBase = 16;
    const auto hex = [](char c) {
        const char u = ascii::toUpper(c);
        return ascii::isDigit(u) ? u - '0' : u >= 'A' && u <= 'F' ? u - 'A' + 10 : -1;
    };
    // One object returned on every path, so it is built in place and never copied.
    SourceText out(from.original_);
    if (piece.empty()) return out;
    SourceText decoded(from.original_);
    const auto offset = static_cast<std::size_t>(piece.data() - from.view().data());
    const auto span = [&](std::size_t begin, std::size_t end) {
        return Origin{from.originAt(offset + begin).begin, from.originAt(offset + end - 1).end};
    };
    for (std::size_t i = 0; i < piece.size();) {
        const int high = i + 2 < piece.size() && piece[i] == '%' ? hex(piece[i + 1]) : -1;
        const int low = high >= 0 ? hex(piece[i + 2]) : -1;
        if (low >= 0) {
            decoded.put(static_cast<char>(high * kHexBase + low), span(i, i + kEscapeLength));
            i += kEscapeLength;
        } else {
            const bool blank = blanks.find(piece[i]) != std::string_view::npos;
            decoded.put(blank ? ' ' : piece[i], span(i, i + 1));
            ++i;
        }
    }
    out.overflowed_ = decoded.overflowed_;
    out.cleanFrom(decoded.view(), [&](std::size_t begin, std::size_t end) {
        return Origin{decoded.origins_[begin].begin, decoded.origins_[end - 1].end};
    });
    return out;
}

void SourceText::put(char c, Origin origin) {
    if (size_ == kCapacity) {
        overflowed_ = true;
        return;
    }
    chars_[size_] = c;
    origins_[size_++] = origin;
}

Origin SourceText::originAt(std::size_t index) const {
    return asWritten_ ? originOf(index, index + 1) : origins_[index];
}

void SourceText::append(std::string_view piece, const SourceText& from) noexcept {
    if (piece.empty()) return;
    const auto offset = static_cast<std::size_t>(piece.data() - from.view().data());
    for (std::size_t k = 0; k < piece.size(); ++k)
        put(piece[k], from.originAt(offset + k));
}

void SourceText::appendOwn(std::string_view text) noexcept {
    const std::uint16_t at = size_ > 0 ? origins_[size_ - 1].end : 0;
    for (const char c : text)
        put(c, {at, at});
}

bool SourceText::holds(std::string_view piece) const {
    if (asWritten_) return false; // its pieces are the caller's already
    const auto* begin = chars_.data();
    return !piece.empty() && std::less_equal<>{}(begin, piece.data()) &&
           std::less_equal<>{}(piece.data() + piece.size(), begin + size_);
}

std::string_view SourceText::originalOf(std::string_view piece) const noexcept {
    if (!holds(piece)) return piece;
    const auto first = static_cast<std::size_t>(piece.data() - chars_.data());
    const std::size_t last = first + piece.size() - 1;
    const std::size_t begin = origins_[first].begin;
    const std::size_t end = std::max<std::size_t>(origins_[last].end, begin);
    return original_.substr(begin, end - begin);
}

PositionReading SourceText::rebased(PositionReading reading) const noexcept {
    reading.piece = originalOf(reading.piece);
    bool numbersAsWritten = true;
    for (HalfReading* half : {&reading.latitude, &reading.longitude}) {
        for (std::size_t k = 0; k < half->count; ++k) {
            const std::string_view original = originalOf(half->numbers[k]);
            numbersAsWritten = numbersAsWritten && original == half->numbers[k];
            half->numbers[k] = original;
        }
    }
    if (!numbersAsWritten) {
        reading.latitude.count = 0;
        reading.longitude.count = 0;
    }
    return reading;
}

} // namespace quorvane::reading
