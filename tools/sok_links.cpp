#include "tools/sok_links.h"

#include <string>

#include "engine/util/cp1252.h"
#include "tools/sok_output.h"

namespace vx::cli {
namespace {

constexpr const char* kRegisterNames[] = {"", "fodda", "vigda", "doda"};

std::string JoinedReasons(const LinkCandidate& candidate, Language language) {
  std::string text;
  for (const std::string& reason : candidate.reasons) {
    if (!text.empty()) text += "; ";
    text += Cp1252ToUtf8(ReasonInLanguage(reason, language));
  }
  return text;
}

std::string JsonReasons(const LinkCandidate& candidate, Language language) {
  std::string text = "[";
  for (const std::string& reason : candidate.reasons) {
    if (text.size() > 1) text += ", ";
    text += JsonString(Cp1252ToUtf8(ReasonInLanguage(reason, language)));
  }
  return text + "]";
}

const char* RegisterName(const LinkCandidate& candidate) {
  const int r = candidate.register_number;
  return r >= 1 && r <= 3 ? kRegisterNames[r] : "";
}

}  // namespace

void PrintCandidates(const std::vector<LinkCandidate>& candidates, bool json, std::FILE* out,
                     Language language) {
  if (json) std::fputs("[", out);
  for (size_t i = 0; i < candidates.size(); ++i) {
    const LinkCandidate& c = candidates[i];
    const std::string kind(KindKey(c.kind));
    const std::string name = Cp1252ToUtf8(c.name);
    const std::string date = Cp1252ToUtf8(c.date);
    const std::string lokalid = Cp1252ToUtf8(c.lokalid);
    const std::string parish = Cp1252ToUtf8(c.parish);
    if (!json) {
      std::fprintf(out, "%s\t%s\t%u\t%s\t%d\t%s\t%s\t%s\t%s\n", kind.c_str(), RegisterName(c),
                   c.record, lokalid.c_str(), c.score, name.c_str(), date.c_str(), parish.c_str(),
                   JoinedReasons(c, language).c_str());
      continue;
    }
    std::fprintf(out,
                 "%s\n  {\"samband\": %s, \"register\": %s, \"post\": %u, \"lokalid\": %s, "
                 "\"poang\": %d, \"namn\": %s, \"datum\": %s, \"forsamling\": %s, \"skal\": %s}",
                 i == 0 ? "" : ",", JsonString(kind).c_str(), JsonString(RegisterName(c)).c_str(),
                 c.record, JsonString(lokalid).c_str(), c.score, JsonString(name).c_str(),
                 JsonString(date).c_str(), JsonString(parish).c_str(),
                 JsonReasons(c, language).c_str());
  }
  if (json) std::fputs(candidates.empty() ? "]\n" : "\n]\n", out);
}

}  // namespace vx::cli
