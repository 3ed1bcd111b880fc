// A record that may belong to the same life as the record shown: what the
// window "Möjliga samband", kuvo-sok and the benchmark read.
#ifndef VX_LINKING_LINK_CANDIDATE_H_
#define VX_LINKING_LINK_CANDIDATE_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "language/language.h"

namespace vx {

// How a candidate is linked to the record shown, named from the record
// shown: from a birth its death, its marriage, its siblings; from a death
// its birth; from a marriage the couple's children and the spouses' births
// and deaths.
enum class LinkKind : uint8_t {
  kDeath,         // birth -> the same person's death
  kBirth,         // death -> the same person's birth
  kMarriage,      // birth -> the same person's marriage, as groom or bride
  kChild,         // marriage -> a child of the couple
  kHusbandBirth,  // marriage -> the groom's birth
  kWifeBirth,     // marriage -> the bride's birth
  kHusbandDeath,  // marriage -> the groom's death
  kWifeDeath,     // marriage -> the bride's death
  kSibling,       // birth -> a brother or sister
  kCount
};

// The heading of a kind's group (Windows-1252) in `language`, and its word
// in kuvo-sok's output (the same in either language).
std::string_view KindCaption(LinkKind kind, Language language = Language::kSwedish);
std::string_view KindKey(LinkKind kind);

// A reason of `reasons` below, as the rules' table words it in Swedish, in
// `language` (Windows-1252): the rule's own English with the same names,
// years and ages. The scoring words its reasons once, in Swedish, for every
// reader (the window, kuvo-sok, the benchmark); they are translated where
// shown. A text that no rule gives stays as it is.
std::string ReasonInLanguage(std::string_view reason, Language language);

struct LinkCandidate {
  LinkKind kind = LinkKind::kDeath;
  int register_number = 0;  // 1 births, 2 marriages, 3 deaths
  uint32_t record = 0;
  std::string lokalid;
  int score = 0;                     // 0..100
  int points = 0;                    // the sum of the evidence's points, by which a kind is ranked
  std::vector<std::string> reasons;  // Windows-1252, strongest first as found
  // The person-list row split at its CR: name, and the date as stored (or
  // with its "dp ", "ly ", "bg " marker); the parish.
  std::string name;
  std::string date;
  std::string parish;
};

// The order in which candidates are shown: grouped by kind in LinkKind's
// order, best first (by points, before they are kept within 0..100)
// within a kind, ties in register order.
bool RanksBefore(const LinkCandidate& a, const LinkCandidate& b);

}  // namespace vx

#endif  // VX_LINKING_LINK_CANDIDATE_H_
