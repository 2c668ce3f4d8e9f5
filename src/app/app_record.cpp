#include "app/app_record.h"

#include "app/number_text.h"

namespace tickwell {

std::string savedText(const SavedValue& v) {
  if (const auto* s = std::get_if<std::string>(&v)) return *s;
  return integerText(std::get<std::int32_t>(v));
}

std::int32_t savedInt(const SavedValue& v) {
  if (const auto* i = std::get_if<std::int32_t>(&v)) return *i;
  return static_cast<std::int32_t>(leadingValue(std::get<std::string>(v)));
}

}  // namespace tickwell
