// A small JSON writer that keeps its keys in the order they are written, so
// that the command line's output reads in the order its documentation gives.
// Numbers are written with up to 15 significant digits, like the numbers the
// window computes its texts from, in any locale.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tickwell::cli {

class JsonWriter {
public:
  // Objects and arrays; a key before every value inside an object.
  JsonWriter& beginObject();
  JsonWriter& endObject();
  JsonWriter& beginArray();
  JsonWriter& endArray();
  JsonWriter& key(std::string_view name);
  JsonWriter& value(double number);  // null when not finite; "-0" as 0
  JsonWriter& value(long long number);
  JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
  JsonWriter& value(bool flag);
  JsonWriter& value(std::string_view text);
  JsonWriter& value(const char* text) { return value(std::string_view(text)); }
  JsonWriter& value(const std::string& text) { return value(std::string_view(text)); }

  // The document, ended by a line feed.
  std::string text() const { return out_ + "\n"; }

private:
  void separate();

  std::string out_;
  // Per open object or array: whether it holds a member already.
  std::vector<bool> filled_;
  bool afterKey_ = false;
};

// A text as a JSON string literal, quotes included.
std::string jsonString(std::string_view text);

}  // namespace tickwell::cli
