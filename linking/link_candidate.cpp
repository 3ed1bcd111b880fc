#include "linking/link_candidate.h"

#include <array>

namespace vx {
namespace {

struct KindWords {
  std::string_view caption;  // Windows-1252
  std::string_view key;
};

constexpr std::array<KindWords, static_cast<size_t>(LinkKind::kCount)> kKindWords = {{
    {"D\xF6"
     "d",
     "dod"},
    {"F\xF6"
     "dd",
     "fodd"},
    {"Vigsel", "vigsel"},
    {"Barn", "barn"},
    {"Mannens f\xF6"
     "delse",
     "mannens-fodelse"},
    {"Hustruns f\xF6"
     "delse",
     "hustruns-fodelse"},
    {"Mannens d\xF6"
     "d",
     "mannens-dod"},
    {"Hustruns d\xF6"
     "d",
     "hustruns-dod"},
    {"Syskon", "syskon"},
}};

}  // namespace

std::string_view KindCaption(LinkKind kind) {
  return kKindWords[static_cast<size_t>(kind)].caption;
}

std::string_view KindKey(LinkKind kind) {
  return kKindWords[static_cast<size_t>(kind)].key;
}

bool RanksBefore(const LinkCandidate& a, const LinkCandidate& b) {
  if (a.kind != b.kind) return a.kind < b.kind;
  if (a.points != b.points) return a.points > b.points;
  return a.record < b.record;
}

}  // namespace vx
