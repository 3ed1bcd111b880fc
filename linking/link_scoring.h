// Scoring one candidate against the record shown, by the rules of
// link_table.h: the evidence found gives points and reasons; a conflict
// that one life cannot have (another sex, birth years too far apart, a
// date outside the kind's years) makes the pair unlinkable.
#ifndef VX_LINKING_LINK_SCORING_H_
#define VX_LINKING_LINK_SCORING_H_

#include <string>
#include <string_view>
#include <vector>

#include "linking/link_candidate.h"
#include "linking/link_table.h"
#include "linking/person_facts.h"

namespace vx {

struct LinkScore {
  bool linkable = true;
  int points = 0;
  std::vector<std::string> reasons;

  // Adds the rule's points and its reason with %1 and %2 filled in.
  void Add(Evidence evidence, std::string_view first = {}, std::string_view second = {});
  // The points kept within 0..100.
  int Score() const;
};

// The reason text of `evidence` with %1 and %2 filled in.
std::string ReasonText(Evidence evidence, std::string_view first = {},
                       std::string_view second = {});

// Scores `candidate` as a link of `kind` from `shown`. The facts are those
// of the roles the kind compares: for a marriage's kinds `shown` is the
// groom (kChild, kHusbandBirth, kHusbandDeath) or the bride (kWifeBirth,
// kWifeDeath), each with the other spouse as `spouse`.
LinkScore ScoreLink(LinkKind kind, const PersonFacts& shown, const PersonFacts& candidate);

}  // namespace vx

#endif  // VX_LINKING_LINK_SCORING_H_
