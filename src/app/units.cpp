#include "app/units.h"

#include <array>
#include <charconv>

#include "app/number_text.h"

namespace tickwell {

std::string DecToBin(std::int64_t n) {
  const auto u = static_cast<std::uint64_t>(n);
  const std::uint64_t magnitude = n < 0 ? ~u + 1 : u;
  std::array<char, 64> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude, 2);
  return std::string(buf.data(), res.ptr);
}

bool IsEmptyOrNumeric(std::string_view text) { return text.empty() || isNumeric(text); }

}  // namespace tickwell
