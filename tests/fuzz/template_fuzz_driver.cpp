// A deterministic stand-in for a coverage-guided fuzzer: feeds random bytes
// and mutations of valid templates and settings into the fuzz entry for a
// bounded time, so every compiler and every test run exercises it.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "tests/forms_format/sample_templates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Bytes = std::vector<uint8_t>;

// Valid inputs to start from: templates of several shapes and the property
// bytes of every kind.
std::vector<Bytes> Seeds() {
  std::vector<Bytes> seeds = samples::SeedTemplates();
  for (Bytes settings : {forms::WriteSettings(samples::Window()), forms::WriteSettings(samples::EditBox()),
                         forms::WriteSettings(samples::Label()), forms::WriteSettings(samples::Button()),
                         forms::WriteSettings(samples::CheckBox()), forms::WriteSettings(samples::GroupBox()),
                         forms::WriteSettings(samples::ComboBox()), forms::WriteSettings(samples::ReportList())})
    seeds.push_back(std::move(settings));
  return seeds;
}

class Mutator {
 public:
  explicit Mutator(uint32_t seed) : random_(seed) {}

  Bytes RandomBytes() {
    Bytes bytes(Below(256));
    for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(Below(256));
    return bytes;
  }

  // One to four mutations of `bytes`.
  Bytes Mutate(Bytes bytes) {
    for (size_t n = 1 + Below(4); n > 0; --n) MutateOnce(bytes);
    return bytes;
  }

 private:
  size_t Below(size_t limit) { return limit ? std::uniform_int_distribution<size_t>(0, limit - 1)(random_) : 0; }

  void MutateOnce(Bytes& bytes) {
    if (bytes.empty()) return bytes.push_back(static_cast<uint8_t>(Below(256)));
    switch (Below(5)) {
      case 0: bytes[Below(bytes.size())] ^= static_cast<uint8_t>(1u << Below(8)); break;
      case 1: bytes[Below(bytes.size())] = static_cast<uint8_t>(Below(256)); break;
      case 2: bytes.resize(Below(bytes.size())); break;
      case 3: OverwriteWord(bytes); break;
      default: bytes.insert(bytes.begin() + Below(bytes.size() + 1), Below(16), static_cast<uint8_t>(Below(256)));
    }
  }

  // Puts an edge value where a length, count or offset may be stored.
  void OverwriteWord(Bytes& bytes) {
    if (bytes.size() < 4) return;
    const size_t at = Below(bytes.size() - 3);
    const uint32_t size = static_cast<uint32_t>(bytes.size());
    const uint32_t edges[] = {0,          1,          3,          4,           8,
                              0xFFFF,     0x10000,    0x7FFFFFFF, 0x80000000u, 0xFFFFFFF8u,
                              0xFFFFFFFF, size,       size - static_cast<uint32_t>(at),
                              size - static_cast<uint32_t>(at) - 3, size + 1};
    const uint32_t word = edges[Below(std::size(edges))];
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(word >> (8 * i));
  }

  std::mt19937 random_;
};

}  // namespace

// Usage: template_fuzz_driver [seconds] [max iterations]
int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 20.0;
  const unsigned long max_iterations = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 5'000'000;
  const std::vector<Bytes> seeds = Seeds();
  Mutator mutator(20240601);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  unsigned long iterations = 0;
  for (; iterations < max_iterations; ++iterations) {
    if (iterations % 256 == 0 && std::chrono::steady_clock::now() >= deadline) break;
    const Bytes input = iterations % 16 == 0 ? mutator.RandomBytes()
                                             : mutator.Mutate(seeds[iterations % seeds.size()]);
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  std::printf("template fuzz driver: %lu inputs, no failure\n", iterations);
  return 0;
}
