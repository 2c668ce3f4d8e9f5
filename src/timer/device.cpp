#include "timer/device.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iterator>
#include <numeric>

namespace tickwell {

namespace {

using K = TimerKind;
#include "timer/device_table.inc"

// Upper case, without a leading "PIC".
std::string key(std::string_view name) {
  std::string k(name);
  for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (k.starts_with("PIC")) k.erase(0, 3);
  return k;
}

std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::string_view Name::view() const {
  return {kNames + kNameStarts[number_], static_cast<std::size_t>(kNameStarts[number_ + 1] - kNameStarts[number_])};
}

std::optional<std::string_view> Device::refusal() const {
  if (core == Core::Baseline) return "a baseline part has no interrupts";
  return std::nullopt;
}

const DeviceTimer* Device::timer(int number) const {
  for (const DeviceTimer& t : timers)
    if (t.number == number) return &t;
  return nullptr;
}

const DeviceTimer* Device::firstSupported() const {
  for (const DeviceTimer& t : timers)
    if (t.supported()) return &t;
  return nullptr;
}

std::span<const Device> allDevices() { return kDeviceTable; }

const Device* findDevice(std::string_view name) {
  const std::string wanted = key(name);
  for (const Device& d : allDevices())
    if (key(d.name) == wanted) return &d;
  return nullptr;
}

std::vector<const Device*> devicesMatching(std::string_view filter) {
  const std::string wanted = key(filter);
  std::vector<const Device*> found;
  for (const Device& d : allDevices())
    if (key(d.name).find(wanted) != std::string::npos) found.push_back(&d);
  return found;
}

std::vector<std::string_view> nearestDevices(std::string_view name, std::size_t count) {
  const std::string wanted = key(name);
  std::vector<std::pair<std::size_t, std::string_view>> ranked;
  for (const Device& d : allDevices()) ranked.emplace_back(editDistance(wanted, key(d.name)), d.name);
  count = std::min(count, ranked.size());
  std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(count), ranked.end());
  std::vector<std::string_view> names;
  for (std::size_t i = 0; i < count; ++i) names.push_back(ranked[i].second);
  return names;
}

}  // namespace tickwell
