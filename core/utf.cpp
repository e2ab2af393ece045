#include "utf.h"

#include <array>
#include <cstdint>

namespace quorvane {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at text[i], advancing i; malformed input yields U+FFFD for one byte.
char32_t decodeUtf8(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + length > text.size()) {
        ++i;
        return kReplacement;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// The zero of every run of ten Nd digits in Unicode 15 (each run is zero .. zero + 9).
constexpr std::array<char32_t, 64> kDigitZeros{
    0x0030,  0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,
    0x0C66,  0x0CE6,  0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x16A60, 0x16AC0, 0x16B50, 0x1E140, 0x1E2F0, 0x1E950,
    0x1FBF0, 0x1D7CE, 0x1D7D8, 0x1D7E2};
// The mathematical digits run on past 0x1D7E2 in two more runs of ten.
constexpr char32_t kMathDigitsLast = 0x1D7FF;

bool isDecimalDigit(char32_t cp) {
    if (cp >= 0x1D7CE && cp <= kMathDigitsLast) return true;
    for (const char32_t zero : kDigitZeros)
        if (cp >= zero && cp <= zero + 9) return true;
    return false;
}

} // namespace

char32_t decodeCodePoint(std::string_view utf8, std::size_t& i) {
    return decodeUtf8(utf8, i);
}

std::u16string toUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = decodeUtf8(utf8, i);
        if (cp >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string toUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        const bool high = cp >= 0xD800 && cp <= 0xDBFF;
        if (high && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement; // a lone surrogate
        }
        appendUtf8(out, cp);
    }
    return out;
}

std::size_t utf16Length(std::string_view utf8) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < utf8.size();) length += decodeUtf8(utf8, i) >= 0x10000 ? 2 : 1;
    return length;
}

std::string_view withoutLastCharacter(std::string_view utf8) {
    if (utf8.empty()) return utf8;
    std::size_t end = utf8.size() - 1;
    // Step back over continuation bytes to the lead byte, at most three of them.
    for (int k = 0; k < 3 && end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80; ++k)
        --end;
    return utf8.substr(0, end);
}

bool holdsDecimalDigit(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) { // the common case, without decoding
            if (c >= '0' && c <= '9') return true;
            ++i;
            continue;
        }
        if (isDecimalDigit(decodeUtf8(utf8, i))) return true;
    }
    return false;
}

std::string_view firstCharacter(std::string_view utf8) {
    if (utf8.empty()) return utf8;
    constexpr unsigned char kFourByteLead = 0xF0;
    constexpr unsigned char kThreeByteLead = 0xE0;
    constexpr unsigned char kTwoByteLead = 0xC0;
    const auto lead = static_cast<unsigned char>(utf8.front());
    const std::size_t length = lead >= kFourByteLead    ? 4
                               : lead >= kThreeByteLead ? 3
                               : lead >= kTwoByteLead   ? 2
                                                        : 1;
    return utf8.substr(0, length);
}

} // namespace quorvane
