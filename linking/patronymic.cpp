#include "linking/patronymic.h"

#include <array>

#include "engine/text/collation.h"

namespace vx {
namespace {

// First names whose genitive is not the name + "s".
struct Genitive {
  std::string_view name;
  std::string_view genitive;
};
constexpr std::array<Genitive, 1> kIrregularGenitives = {{{"Olof", "Ols"}}};

constexpr std::string_view kSonSuffix = "son";
constexpr std::string_view kDaughterSuffix = "dotter";

bool SameText(std::string_view a, std::string_view b) {
  return CompareTexts(std::string(a).c_str(), std::string(b).c_str(), AccentOrderTable()) == 0;
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() > end.size() && SameText(text.substr(text.size() - end.size()), end);
}

std::string GenitiveOf(std::string_view name) {
  for (const Genitive& irregular : kIrregularGenitives) {
    if (SameText(name, irregular.name)) return std::string(irregular.genitive);
  }
  std::string genitive(name);
  if (!EndsWith(genitive, "s")) genitive += 's';
  return genitive;
}

}  // namespace

std::string Patronymic(std::string_view father, char sex) {
  const size_t blank = father.find(' ');
  const std::string_view first = father.substr(0, blank);
  if (first.empty()) return {};
  return GenitiveOf(first) + std::string(sex == 'k' ? kDaughterSuffix : kSonSuffix);
}

std::vector<std::string> FathersOfPatronymic(std::string_view surname) {
  std::string_view genitive;
  if (EndsWith(surname, kDaughterSuffix)) {
    genitive = surname.substr(0, surname.size() - kDaughterSuffix.size());
  } else if (EndsWith(surname, kSonSuffix)) {
    genitive = surname.substr(0, surname.size() - kSonSuffix.size());
  }
  if (!EndsWith(genitive, "s")) return {};
  std::vector<std::string> fathers;
  for (const Genitive& irregular : kIrregularGenitives) {
    if (SameText(genitive, irregular.genitive)) fathers.emplace_back(irregular.name);
  }
  fathers.emplace_back(genitive);                                 // Anders, Nils
  fathers.emplace_back(genitive.substr(0, genitive.size() - 1));  // Per, Erik
  return fathers;
}

bool IsPatronymic(std::string_view surname) {
  return !FathersOfPatronymic(surname).empty();
}

}  // namespace vx
