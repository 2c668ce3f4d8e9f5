#include "forms/controls.h"

#include <algorithm>

#include "forms/utf8.h"

namespace tickwell {

void TextBox::setText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  run(onChange);
}

void TextBox::type(const std::string& text) {
  if (!usable()) return;
  const std::string kept(maxLength ? utf8::first(text, maxLength) : std::string_view(text));
  run(onKeyPress);
  setText(kept);
}

void TextBox::focus() const {
  if (usable()) run(onGotFocus);
}

int TextBox::length() const { return static_cast<int>(utf8::length(text_)); }

void TextBox::selectAll() {
  selStart = 0;
  selLength = length();
}

void Label::setCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  run(onChange);
}

void Label::click() const {
  if (usable()) run(onClick);
}

void Button::click() const {
  if (usable()) run(onClick);
}

void CheckBox::click() {
  if (usable()) setValue(value_ ? 0 : 1);
}

void CheckBox::setValue(int value) {
  value = value ? 1 : 0;
  if (value == value_) return;
  value_ = value;
  run(onClick);
}

void OptionGroup::add(const std::string& caption) {
  OptionButton& option = options.emplace_back();
  option.caption = caption;
}

void OptionGroup::select(int index) {
  if (index < 0 || index >= size() || options[static_cast<std::size_t>(index)].value) return;
  for (auto& o : options) o.value = false;
  options[static_cast<std::size_t>(index)].value = true;
  if (!onClick) return;
  HandlerRun guard(depth);
  onClick(index);
}

void OptionGroup::click(int index) {
  if (index >= 0 && index < size() && options[static_cast<std::size_t>(index)].usable()) select(index);
}

int OptionGroup::selected() const {
  for (int i = 0; i < size(); ++i)
    if (options[static_cast<std::size_t>(i)].value) return i;
  return -1;
}

void OptionGroup::boldOnly(int index) {
  for (int i = 0; i < size(); ++i) options[static_cast<std::size_t>(i)].bold = (i == index);
}

std::string ComboBox::text() const {
  if (index_ < 0 || index_ >= count()) return {};
  return list_[static_cast<std::size_t>(index_)];
}

void ComboBox::setIndex(int index) {
  if (index < -1 || index >= count()) index = -1;
  if (index == index_) return;
  index_ = index;
  run(onClick);
}

void ComboBox::pick(int index) {
  if (!usable() || index < 0 || index >= count()) return;
  index_ = index;
  run(onClick);
}

void ComboBox::clear() {
  list_.clear();
  index_ = -1;
}

void Slider::setValue(long long value) {
  value_ = static_cast<int>(std::clamp<long long>(value, 0, max_));
}

void Slider::setMax(int max) {
  max_ = std::max(max, 0);
  if (value_ > max_) value_ = max_;
  selStart = std::min(selStart, max_);
}

void Slider::slide(long long value) {
  if (!usable()) return;
  setValue(value);
  run(onScroll);
}

void TabStrip::click(int index) {
  if (usable()) select(index);
}

void TabStrip::select(int index) {
  if (index < 1 || index > static_cast<int>(tabs.size()) || index == index_) return;
  index_ = index;
  run(onClick);
}

}  // namespace tickwell
