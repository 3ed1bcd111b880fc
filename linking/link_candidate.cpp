#include "linking/link_candidate.h"

#include <algorithm>
#include <array>

#include "engine/util/cp1252.h"
#include "engine/util/message.h"
#include "language/message_id.h"
#include "language/messages.h"
#include "linking/link_table.h"

namespace vx {
namespace {

struct KindWords {
  MessageId caption;
  std::string_view key;
};

constexpr std::array<KindWords, static_cast<size_t>(LinkKind::kCount)> kKindWords = {{
    {MessageId::LinkKindDeath, "dod"},
    {MessageId::LinkKindBirth, "fodd"},
    {MessageId::LinkKindMarriage, "vigsel"},
    {MessageId::LinkKindChild, "barn"},
    {MessageId::LinkKindHusbandBirth, "mannens-fodelse"},
    {MessageId::LinkKindWifeBirth, "hustruns-fodelse"},
    {MessageId::LinkKindHusbandDeath, "mannens-dod"},
    {MessageId::LinkKindWifeDeath, "hustruns-dod"},
    {MessageId::LinkKindSibling, "syskon"},
}};

// The catalogue's text in `language` of the Windows-1252 Swedish text
// `swedish`; `swedish` itself when the catalogue lacks it.
std::string InLanguage(std::string_view swedish, Language language) {
  if (language == Language::kSwedish) return std::string(swedish);
  const std::string utf8 = Cp1252ToUtf8(std::string(swedish));
  const std::string_view text = TextOfSwedish(utf8, language);
  std::string out;
  return Utf8ToCp1252(std::string(text), out) ? out : std::string(swedish);
}

// The arguments by which `reason` fills in `pattern`'s %1 and %2, each
// taken as short as the text after it allows; false when `reason` is not
// `pattern` filled in.
bool Fills(std::string_view pattern, std::string_view reason, std::string& first,
           std::string& second) {
  size_t at = 0;  // in reason
  size_t i = 0;   // in pattern
  while (i < pattern.size()) {
    if (pattern[i] == '%' && i + 1 < pattern.size() &&
        (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      std::string& argument = pattern[i + 1] == '1' ? first : second;
      i += 2;
      const size_t next = std::min(pattern.find('%', i), pattern.size());
      const std::string_view literal = pattern.substr(i, next - i);
      // An argument at the end takes the rest; else it runs to the literal
      // that follows it.
      const size_t end =
          literal.empty() && next == pattern.size() ? reason.size() : reason.find(literal, at);
      if (end == std::string_view::npos) return false;
      argument = std::string(reason.substr(at, end - at));
      at = end;
    } else {
      if (at >= reason.size() || reason[at] != pattern[i]) return false;
      ++at;
      ++i;
    }
  }
  return at == reason.size();
}

// The rules by their patterns' length without the arguments, longest first:
// "f\xF6dd %1 \xE5r %2 vigseln" is tried before "f\xF6dd %1 \xE5r %2", which
// would also fit it.
std::array<const EvidenceRule*, static_cast<size_t>(Evidence::kCount)> RulesMostWordsFirst() {
  std::array<const EvidenceRule*, static_cast<size_t>(Evidence::kCount)> rules{};
  for (size_t i = 0; i < rules.size(); ++i)
    rules[i] = &kLinkTable.rules[i];
  auto words = [](const EvidenceRule* rule) {
    return rule->reason.size() -
           2 * static_cast<size_t>(std::count(rule->reason.begin(), rule->reason.end(), '%'));
  };
  std::stable_sort(rules.begin(), rules.end(), [&](const EvidenceRule* a, const EvidenceRule* b) {
    return words(a) > words(b);
  });
  return rules;
}

}  // namespace

std::string_view KindCaption(LinkKind kind, Language language) {
  return CatalogueText(kKindWords[static_cast<size_t>(kind)].caption, language);
}

std::string_view KindKey(LinkKind kind) {
  return kKindWords[static_cast<size_t>(kind)].key;
}

std::string ReasonInLanguage(std::string_view reason, Language language) {
  if (language == Language::kSwedish) return std::string(reason);
  static const auto kRules = RulesMostWordsFirst();
  for (const EvidenceRule* rule : kRules) {
    std::string first;
    std::string second;
    if (!Fills(rule->reason, reason, first, second)) continue;
    // One year has a pattern of its own where the language needs it.
    std::string pattern(rule->reason);
    if (const size_t one = pattern.find("%1"); first == "1" && one != std::string::npos) {
      const std::string singular = std::string(pattern).replace(one, 2, "1");
      const std::string translated = InLanguage(singular, language);
      if (translated != singular) pattern = singular;
    }
    // The scoring's own words among the arguments: before or after.
    for (std::string* argument : {&first, &second}) {
      if (*argument == "f\xF6re" || *argument == "efter")
        *argument = InLanguage(*argument, language);
    }
    return FormatMessage(InLanguage(pattern, language), {first, second});
  }
  return std::string(reason);
}

bool RanksBefore(const LinkCandidate& a, const LinkCandidate& b) {
  if (a.kind != b.kind) return a.kind < b.kind;
  if (a.points != b.points) return a.points > b.points;
  return a.record < b.record;
}

}  // namespace vx
