// Untrusted text quoted in a message for a terminal or a log.
//
// The text is cut to kMaxQuotedBytes (never inside a UTF-8 character; "..." marks the cut) and
// every control character is shown escaped, so a crafted input can neither flood the message
// nor send the terminal an escape sequence:
//
//   45<TAB>30          ->  "45\t30"
//   <ESC>[2J           ->  "\x1b[2J"       C0 controls and DEL
//   U+009B (C2 9B)     ->  "\u009b"        C1 controls
//   a lone byte 9B     ->  "\x9b"          every byte that is no part of a valid UTF-8 character
//   45°                ->  "45°"           everything else as it is
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr std::size_t kMaxQuotedBytes = 80;

// The text in double quotes, cut and escaped as above.
std::string quotedForMessage(std::string_view text);

} // namespace quorvane
