// The few Unicode facts the form needs: UTF-8 <-> UTF-16, lengths in UTF-16 code units (the
// unit of keystroke ranges and length limits), and the decimal-digit test of field reading.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane {

std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);

// Invalid UTF-8 counts one code unit per byte that cannot be decoded.
std::size_t utf16Length(std::string_view utf8);

// The UTF-8 character that starts the text (its lead byte alone when that starts none); empty
// for an empty text.
std::string_view firstCharacter(std::string_view utf8);

// The text without its last code point ("45°" -> "45", "12.5\"" -> "12.5").
std::string_view withoutLastCharacter(std::string_view utf8);

// The code point at text[i], advancing i past it; a malformed sequence gives U+FFFD for its first
// byte alone.
char32_t decodeCodePoint(std::string_view utf8, std::size_t& i);

// A character of the Unicode decimal-digit category (Nd): ASCII digits and the digits of the
// other scripts.
bool holdsDecimalDigit(std::string_view utf8);

} // namespace quorvane
