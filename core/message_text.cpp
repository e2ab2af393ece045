#include "message_text.h"

#include <array>
#include <cstdint>

namespace quorvane {

namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuation = 0x80;
// U+0080 .. U+009F are written C2 80 .. C2 9F.
constexpr unsigned char kC1Lead = 0xC2;
constexpr unsigned char kLastC1Trail = 0x9F;

struct LeadByte {
    unsigned char first, last;     // the lead bytes of this row
    std::size_t length;            // bytes of the character
    unsigned char secondFirst;     // the range of the byte after the lead (no overlong forms,
    unsigned char secondLast;      // no surrogates, nothing above U+10FFFF)
};

constexpr std::array<LeadByte, 7> kLeadBytes{{
    {0xC2, 0xDF, 2, 0x80, 0xBF},
    {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF4, 4, 0x80, 0xBF},
}};

unsigned char byteAt(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

// The length of the valid UTF-8 character of two or more bytes at text[i]; 0 if there is none.
std::size_t multiByteLength(std::string_view text, std::size_t i) {
    const unsigned char lead = byteAt(text, i);
    for (const LeadByte& row : kLeadBytes) {
        if (lead < row.first || lead > row.last) continue;
        if (i + row.length > text.size()) return 0;
        const unsigned char second = byteAt(text, i + 1);
        if (second < row.secondFirst || second > row.secondLast) return 0;
        for (std::size_t k = 2; k < row.length; ++k)
            if ((byteAt(text, i + k) & kContinuationMask) != kContinuation) return 0;
        return row.length;
    }
    return 0;
}

void appendHex(std::string& out, std::string_view prefix, unsigned char value) {
    out += prefix;
    out += kHexDigits[value >> 4];
    out += kHexDigits[value & 0xF];
}

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = byteAt(text, i);
        if (c == '\t') {
            out += "\\t";
            ++i;
        } else if (c < kFirstPrintable || c == kDelete) {
            appendHex(out, "\\x", c);
            ++i;
        } else if (c < kContinuation) {
            out += static_cast<char>(c);
            ++i;
        } else if (const std::size_t length = multiByteLength(text, i); length == 0) {
            appendHex(out, "\\x", c);
            ++i;
        } else if (c == kC1Lead && byteAt(text, i + 1) <= kLastC1Trail) {
            appendHex(out, "\\u00", byteAt(text, i + 1));
            i += length;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

} // namespace

std::string quotedForMessage(std::string_view text) {
    std::string out = "\"";
    if (text.size() <= kMaxQuotedBytes) {
        out += escaped(text);
    } else {
        // Back to the start of the character the cut falls in (a character has at most three
        // continuation bytes; further ones are stray bytes, cut anywhere).
        constexpr std::size_t kMaxContinuations = 3;
        std::size_t end = kMaxQuotedBytes;
        while (end > kMaxQuotedBytes - kMaxContinuations &&
               (byteAt(text, end) & kContinuationMask) == kContinuation)
            --end;
        out += escaped(text.substr(0, end));
        out += "...";
    }
    out += '"';
    return out;
}

} // namespace quorvane
