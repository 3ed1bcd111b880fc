#include "tests/support/sample_inputs.h"

#include <array>
#include <cstdio>
#include <random>

#include "tests/support/sample_names.h"

namespace vx::testing {

std::vector<uint8_t> RandomBytes(size_t n, uint64_t seed) {
  std::mt19937_64 random(seed);
  std::vector<uint8_t> out(n);
  for (uint8_t& b : out)
    b = static_cast<uint8_t>(random());
  return out;
}

std::vector<uint8_t> RecordLikeText(size_t n, uint64_t seed) {
  static const std::array<const char*, 6> kRole = {"dr\xe4ng", "piga",    "bonde",
                                                   "soldat",   "torpare", "h\xe5lldam"};
  std::mt19937_64 random(seed);
  auto pick = [&](const auto& list) { return list[random() % list.size()]; };
  std::string text;
  text.reserve(n + 200);
  unsigned number = 1;
  while (text.size() < n) {
    const unsigned year = 1680 + static_cast<unsigned>(random() % 220);
    const unsigned month = 1 + static_cast<unsigned>(random() % 12);
    const unsigned day = static_cast<unsigned>(random() % 29);
    char date[16];
    std::snprintf(date, sizeof date, "%04u%02u%02u", year, month, day);
    text += std::to_string(number++) + ";" + pick(kSampleParishes) + ";" + date + ";" +
            pick(kSampleFirstNames) + " " + pick(kSampleFirstNames) + ";" + pick(kSampleSurnames) +
            ";" + pick(kRole) + " i " + pick(kSampleParishes) +
            ";Fadder: " + pick(kSampleFirstNames) + " " + pick(kSampleSurnames) +
            ";CI:" + std::to_string(random() % 9 + 1) + " s. " + std::to_string(random() % 400) +
            "\r";
  }
  text.resize(n);
  return std::vector<uint8_t>(text.begin(), text.end());
}

std::vector<uint8_t> NoisyRepetition(size_t n, uint64_t seed) {
  static const std::string kPattern =
      "Kalvbrunn f\xf6rsamling, f\xf6"
      "dd 1745 ";
  std::mt19937_64 random(seed);
  std::vector<uint8_t> out(n);
  for (size_t i = 0; i < n; ++i)
    out[i] = static_cast<uint8_t>(kPattern[i % kPattern.size()]);
  for (size_t start = 0; start < n; start += kPattern.size()) {
    for (int k = 0; k < 3; ++k) {
      const size_t at = start + random() % kPattern.size();
      if (at < n) out[at] = static_cast<uint8_t>(random());
    }
  }
  return out;
}

std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace vx::testing
