// The fuzzer's target without libFuzzer, in every build: ten sessions of a thousand random actions from a
// fixed seed. A violated invariant aborts with the scenario that led there.
#include <cstdint>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main() {
  std::mt19937 random(20261207);
  std::vector<std::uint8_t> bytes(3000);  // three bytes an action; the first never 'S' (scenario text)
  for (int session = 0; session < 10; ++session) {
    for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(random() % 255 + 1);
    LLVMFuzzerTestOneInput((bytes[0] = 0, bytes.data()), bytes.size());
  }
}
