// UTF-8 texts counted in characters (code points), as a user counts them: the
// length of a text box, the characters a box keeps, one bit of a bit text.
#pragma once

#include <cstddef>
#include <string_view>

namespace tickwell::utf8 {

// True for a byte that starts a character (anything but a continuation byte).
constexpr bool startsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; }

// Number of characters of a text.
std::size_t length(std::string_view text);

// The first `count` characters of a text (all of it when it is shorter).
std::string_view first(std::string_view text, std::size_t count);

// Character `n` (1-based) of a text, or "" when the text is shorter.
std::string_view at(std::string_view text, std::size_t n);

// The final character of a text, or "" for an empty text.
std::string_view last(std::string_view text);

}  // namespace tickwell::utf8
