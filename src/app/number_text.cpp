#include "app/number_text.h"

#include "timer/decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace tickwell {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLineBlank(char c) { return c == ' ' || c == '\t'; }
bool isAnyBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Reads the longest number at the start of `text`: sign, digits, one decimal
// point, an exponent. With `skipBlanks` blanks are passed over anywhere and the
// accepted characters are appended to `out`. Returns the index just after the
// last character that belongs to a complete number (0 when there is none); an
// exponent letter without digits is not part of the number.
std::size_t scanNumber(std::string_view text, bool skipBlanks, std::string* out) {
  enum class State { Start, Sign, Int, Frac, ExpLetter, ExpSign, ExpDigits };
  State state = State::Start;
  bool mantissaDigit = false;
  std::size_t accepted = 0;     // end of the complete number in `text`
  std::size_t acceptedOut = 0;  // its length in `out`

  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (skipBlanks && isAnyBlank(c)) continue;
    bool take = false;
    switch (state) {
      case State::Start:
        if (c == '+' || c == '-') {
          state = State::Sign;
          take = true;
          break;
        }
        [[fallthrough]];
      case State::Sign:
      case State::Int:
        if (isDigit(c)) {
          state = State::Int;
          mantissaDigit = true;
          take = true;
        } else if (c == '.') {
          state = State::Frac;
          take = true;
        } else if ((c == 'e' || c == 'E') && mantissaDigit) {
          state = State::ExpLetter;
          take = true;
        }
        break;
      case State::Frac:
        if (isDigit(c)) {
          mantissaDigit = true;
          take = true;
        } else if ((c == 'e' || c == 'E') && mantissaDigit) {
          state = State::ExpLetter;
          take = true;
        }
        break;
      case State::ExpLetter:
        if (c == '+' || c == '-') {
          state = State::ExpSign;
          take = true;
          break;
        }
        [[fallthrough]];
      case State::ExpSign:
      case State::ExpDigits:
        if (isDigit(c)) {
          state = State::ExpDigits;
          take = true;
        }
        break;
    }
    if (!take) break;
    if (out != nullptr) out->push_back(c);
    if (mantissaDigit && state != State::ExpLetter && state != State::ExpSign) {
      accepted = i + 1;
      if (out != nullptr) acceptedOut = out->size();
    }
  }
  if (out != nullptr) out->resize(acceptedOut);
  return accepted;
}

// Whether a well-formed number text is at least 1 in magnitude, judged from its
// digits and exponent (used to tell overflow from underflow).
bool atLeastOne(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::int64_t lead = 0;  // decimal exponent of the first significant digit
  bool found = false;
  std::int64_t intDigits = 0;
  for (; i < s.size() && isDigit(s[i]); ++i) {
    if (found) {
      ++intDigits;
    } else if (s[i] != '0') {
      found = true;
      intDigits = 1;
    }
  }
  if (found) {
    lead = intDigits - 1;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    std::int64_t zeros = 0;
    for (; i < s.size() && isDigit(s[i]); ++i) {
      if (!found) {
        if (s[i] == '0') {
          ++zeros;
        } else {
          found = true;
          lead = -zeros - 1;
        }
      }
    }
  }
  if (!found) return false;
  std::int64_t exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    for (; i < s.size() && isDigit(s[i]); ++i) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[i] - '0');
    }
    if (negative) exponent = -exponent;
  }
  return lead + exponent >= 0;
}

// Converts a well-formed number text; no value when it overflows a double.
std::optional<double> convert(std::string_view s) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  double value = 0;
  const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (atLeastOne(s)) return std::nullopt;
    return 0.0;
  }
  if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
  return value + 0.0;  // no negative zero
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isLineBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isLineBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string printG15(double value) {
  if (value == 0) return "0";
  std::array<char, 40> buf{};
  const auto res =
      std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
  return std::string(buf.data(), res.ptr);
}

std::uint64_t magnitude(std::int64_t value) {
  const auto u = static_cast<std::uint64_t>(value);
  return value < 0 ? ~u + 1 : u;
}

}  // namespace

double leadingValue(std::string_view text) {
  std::string digits;
  scanNumber(text, true, &digits);
  if (digits.empty()) return 0;
  return convert(digits).value_or(0.0);
}

std::optional<double> parseNumber(std::string_view text) {
  text = trimBlanks(text);
  if (text.empty()) return std::nullopt;
  if (scanNumber(text, false, nullptr) != text.size()) return std::nullopt;
  return convert(text);
}

bool isNumeric(std::string_view text) { return parseNumber(text).has_value(); }

double readShown(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  for (char c : text) {
    if (c != ',') plain.push_back(c);
  }
  return parseNumber(plain).value_or(0.0);
}

std::string plainNumber(double value) {
  std::string text = printG15(value);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string recordNumber(double value) { return printG15(value); }

std::string integerText(std::int64_t value) {
  std::array<char, 24> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value);
  return std::string(buf.data(), res.ptr);
}

std::string hexText(std::int64_t value) {
  std::array<char, 24> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude(value), 16);
  std::string text;
  text.reserve(static_cast<std::size_t>(res.ptr - buf.data()) + 1);
  if (value < 0) text.push_back('-');
  for (const char* p = buf.data(); p != res.ptr; ++p) {
    text.push_back(*p >= 'a' && *p <= 'f' ? static_cast<char>(*p - 'a' + 'A') : *p);
  }
  return text;
}

std::string formatMask(double value, std::string_view mask) {
  if (!std::isfinite(value)) return "";

  // The mask: integer part before '.', decimals after it.
  const std::size_t point = mask.find('.');
  const std::string_view intMask = mask.substr(0, point);
  const std::string_view decMask =
      point == std::string_view::npos ? std::string_view() : mask.substr(point + 1);
  int requiredInt = 0;
  bool grouped = false;
  for (char c : intMask) {
    if (c == '0') ++requiredInt;
    if (c == ',') grouped = true;
  }
  int maxDec = 0;
  int requiredDec = 0;
  for (char c : decMask) {
    if (c == '0' || c == '#') ++maxDec;
    if (c == '0') ++requiredDec;
  }

  const RoundedDigits r = roundDigits(value, maxDec);
  if (r.zero && requiredInt == 0 && requiredDec == 0) return "";

  int intDigits = r.zero || r.top < 0 ? 0 : r.top + 1;
  if (intDigits < requiredInt) intDigits = requiredInt;
  int decDigits = requiredDec;
  if (!r.zero) {
    for (int d = maxDec; d > decDigits; --d) {
      if (r.at(-d) != '0') {
        decDigits = d;
        break;
      }
    }
  }

  std::string text;
  text.reserve(static_cast<std::size_t>(intDigits + intDigits / 3 + decDigits + 2));
  if (value < 0 && !r.zero) text.push_back('-');
  for (int place = intDigits - 1; place >= 0; --place) {
    text.push_back(r.at(place));
    if (grouped && place > 0 && place % 3 == 0) text.push_back(',');
  }
  if (decDigits > 0) {
    text.push_back('.');
    for (int d = 1; d <= decDigits; ++d) text.push_back(r.at(-d));
  }
  return text;
}

std::int64_t wholeValue(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<std::int64_t>(std::clamp(roundHalfEven(value), -1e9, 1e9));
}

}  // namespace tickwell
