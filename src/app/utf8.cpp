#include "app/utf8.h"

#include <algorithm>

namespace tickwell::utf8 {

std::size_t length(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), startsCharacter));
}

std::string_view first(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (startsCharacter(text[i]) && seen++ == count) return text.substr(0, i);
  return text;
}

std::string_view at(std::string_view text, std::size_t n) {
  if (n == 0) return {};
  const std::string_view rest = text.substr(first(text, n - 1).size());
  return rest.substr(0, first(rest, 1).size());
}

std::string_view last(std::string_view text) {
  if (text.empty()) return {};
  std::size_t start = text.size() - 1;
  while (start > 0 && !startsCharacter(text[start])) --start;
  return text.substr(start);
}

}  // namespace tickwell::utf8
