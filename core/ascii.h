#pragma once

// Character classes of plain ASCII, for the texts the program reads: independent of the process
// locale (unlike <cctype>), and defined for every char, including the bytes of UTF-8 sequences.

#include <string_view>

namespace quorvane::ascii {

inline constexpr unsigned kCharacters = 128;

constexpr bool isAscii(char c) {
    return static_cast<unsigned char>(c) < kCharacters;
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr char toLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char toUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Comparisons of texts without case (ASCII letters only; other bytes must be equal).
constexpr bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (toLower(text[i]) != toLower(prefix[i])) return false;
    return true;
}
constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && startsWithIgnoringCase(a, b);
}
constexpr bool containsIgnoringCase(std::string_view text, std::string_view part) {
    for (std::size_t at = 0; at + part.size() <= text.size(); ++at)
        if (startsWithIgnoringCase(text.substr(at), part)) return true;
    return false;
}

} // namespace quorvane::ascii
