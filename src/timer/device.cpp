#include "timer/device.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iterator>
#include <numeric>

namespace tickwell {

namespace {

// The generated table: names as offsets into one string, so that the
// constant data holds no pointer to relocate and stays untouched until a chip
// is first asked for. allDevices() then builds the Device values once.
struct PackedSfr {
  std::uint16_t name = 0;
  std::uint16_t address = 0;
};
struct PackedBit {
  std::uint16_t reg = 0;
  std::uint16_t address = 0;
  std::uint16_t bit = 0;
};
struct PackedTimer {
  std::uint8_t number;
  TimerKind kind;
  PackedSfr control, countHigh, count, period;
  std::uint16_t on, width8, clockSource, clockSource0, assignment, rd16;
  std::array<std::uint16_t, 3> prescalerBits;
  std::array<std::uint16_t, 4> postscalerBits;
  PackedBit flag, enable;
};
struct PackedDevice {
  std::uint16_t name;
  Core core;
  PackedBit globalEnable, peripheralEnable;
  std::uint16_t firstTimer, timerCount;
};

using K = TimerKind;
#include "timer/device_table.inc"

std::string_view nameAt(std::uint16_t offset) { return kNames + offset; }

Sfr sfrOf(const PackedSfr& p) { return p.name ? Sfr{nameAt(p.name), p.address} : Sfr{}; }

SfrBit bitOf(const PackedBit& p) { return p.reg ? SfrBit{nameAt(p.reg), p.address, nameAt(p.bit)} : SfrBit{}; }

template <std::size_t N>
std::array<std::string_view, N> namesOf(const std::array<std::uint16_t, N>& offsets) {
  std::array<std::string_view, N> names;
  for (std::size_t i = 0; i < N; ++i) names[i] = nameAt(offsets[i]);
  return names;
}

DeviceTimer timerOf(const PackedTimer& p) {
  return {p.number,           p.kind,
          sfrOf(p.control),   sfrOf(p.countHigh),
          sfrOf(p.count),     sfrOf(p.period),
          nameAt(p.on),       nameAt(p.width8),
          nameAt(p.clockSource), nameAt(p.clockSource0),
          nameAt(p.assignment), nameAt(p.rd16),
          namesOf(p.prescalerBits), namesOf(p.postscalerBits),
          bitOf(p.flag),      bitOf(p.enable)};
}

struct Table {
  std::vector<DeviceTimer> timers;
  std::vector<Device> devices;
};

const Table& table() {
  static const Table built = [] {
    Table t;
    t.timers.reserve(std::size(kTimerTable));
    for (const PackedTimer& p : kTimerTable) t.timers.push_back(timerOf(p));
    for (const PackedDevice& d : kDeviceTable)
      t.devices.push_back({nameAt(d.name), d.core, bitOf(d.globalEnable), bitOf(d.peripheralEnable),
                           std::span<const DeviceTimer>(t.timers).subspan(d.firstTimer, d.timerCount)});
    return t;
  }();
  return built;
}

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

std::optional<std::string_view> Device::refusal() const {
  if (core == Core::Baseline) return "a baseline part has no interrupts";
  return std::nullopt;
}

const DeviceTimer* Device::timer(int number) const {
  for (const DeviceTimer& t : timers)
    if (t.number == number) return &t;
  return nullptr;
}

std::span<const Device> allDevices() { return table().devices; }

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
