#include "cli/json_writer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tickwell::cli {

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          std::array<char, 8> buf{};
          std::snprintf(buf.data(), buf.size(), "\\u%04x", c);
          out += buf.data();
        } else {
          out += ch;  // UTF-8 passes as it is
        }
    }
  }
  return out + "\"";
}

void JsonWriter::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!filled_.empty()) {
    if (filled_.back()) out_ += ", ";
    filled_.back() = true;
  }
}

JsonWriter& JsonWriter::beginObject() {
  separate();
  out_ += '{';
  filled_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::endObject() {
  out_ += '}';
  filled_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::beginArray() {
  separate();
  out_ += '[';
  filled_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::endArray() {
  out_ += ']';
  filled_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
  separate();
  out_ += jsonString(name) + ": ";
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::value(double number) {
  separate();
  if (!std::isfinite(number)) {
    out_ += "null";
    return *this;
  }
  // 15 significant digits, as the window's plain numbers: a period of
  // 999,999.9999999998 ns computed for 1 ms reads 0.001 s.
  std::array<char, 32> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), number + 0.0, std::chars_format::general, 15);
  out_.append(buf.data(), res.ptr);
  return *this;
}

JsonWriter& JsonWriter::value(long long number) {
  separate();
  out_ += std::to_string(number);
  return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
  separate();
  out_ += flag ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
  separate();
  out_ += jsonString(text);
  return *this;
}

}  // namespace tickwell::cli
