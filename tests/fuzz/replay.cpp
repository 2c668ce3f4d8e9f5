// The fuzzer's target without libFuzzer, for every build: ten sessions of a
// thousand random actions from a fixed seed. A violated invariant aborts with
// the scenario that led there.
#include <cstdint>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main() {
  std::mt19937 random(20261207);
  std::vector<std::uint8_t> bytes(3000);  // three bytes an action
  for (int session = 0; session < 10; ++session) {
    for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(random() % 255 + 1);
    bytes[0] = 0;  // not 'S': actions, not scenario text
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
}
