#include "bench/birth_records.h"

#include <array>
#include <cstdio>

#include "records/register_labels.h"
#include "tests/support/sample_names.h"

namespace vx::testing {
namespace {

constexpr const auto& kFirst = kSampleFirstNames;
constexpr const auto& kLast = kSampleSurnames;
constexpr const auto& kParish = kSampleParishes;
constexpr std::array<const char*, 6> kTitle = {"dr\xe4ng", "bonde",      "soldat",
                                               "torpare",  "h\xe5lldam", "inhyses"};

template <typename List>
std::string Pick(const List& list, std::mt19937_64& random) {
  return list[random() % list.size()];
}

std::string Maybe(std::string value, std::mt19937_64& random) {
  return random() % 2 == 0 ? value : std::string();
}

std::string Date(std::mt19937_64& random) {
  char text[16];
  const unsigned year = 1680 + static_cast<unsigned>(random() % 220);
  const unsigned month = static_cast<unsigned>(random() % 13);  // 00 = unknown
  const unsigned day = static_cast<unsigned>(random() % 29);
  std::snprintf(text, sizeof text, "%04u%02u%02u", year, month, day);
  return text;
}

}  // namespace

const std::vector<std::string>& BirthLabels() {
  return RegisterLabels(kBirths);
}

std::vector<std::string> BirthLikeFields(uint32_t number, std::mt19937_64& random) {
  const std::string parish = Pick(kParish, random);
  const std::string first = Pick(kFirst, random);
  const std::string last = Pick(kLast, random);
  const std::string mother_last = Pick(kLast, random);
  return {
      std::to_string(number),
      std::string("F") + std::to_string(100000 + number),
      parish,
      "W",
      std::to_string(2200 + random() % 90),
      std::string("C I:") + std::to_string(1 + random() % 9),
      std::to_string(1 + random() % 400),
      Maybe("A", random),
      Date(random),
      first,
      Maybe(first + "a", random),
      last,
      Maybe(last + "h", random),
      Pick(kParish, random) + "by",
      std::string(),
      random() % 2 == 0 ? "M" : "K",
      Maybe("i.e.", random),
      std::string(),
      Date(random),
      Maybe(std::to_string(18 + random() % 27), random),
      Maybe(Pick(kTitle, random), random),
      Pick(kFirst, random),
      std::string(),
      mother_last,
      Maybe(mother_last + "s", random),
      Maybe(Pick(kParish, random), random),
      std::string(),
      Maybe(std::to_string(20 + random() % 35), random),
      Pick(kTitle, random),
      Pick(kFirst, random),
      std::string(),
      last,
      std::string(),
      Pick(kParish, random) + "s",
      std::string(),
      "1",
      std::to_string(1 + random() % 9),
      Maybe(std::string("Bonden ") + Pick(kFirst, random) + std::string(" ") + Pick(kLast, random) +
                " i " + parish + std::string("\rPigan ") + Pick(kFirst, random) + std::string(" ") +
                Pick(kLast, random),
            random),
      Maybe(std::string("F\xf6r\xe4ldrarna vigda i ") + Pick(kParish, random), random),
      std::string(),
  };
}

}  // namespace vx::testing
