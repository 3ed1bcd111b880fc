// kuvo-sok samband's output: the records of the same life, one a line, or
// a JSON array.
#ifndef VX_TOOLS_SOK_LINKS_H_
#define VX_TOOLS_SOK_LINKS_H_

#include <cstdio>
#include <vector>

#include "language/language.h"
#include "linking/link_candidate.h"

namespace vx::cli {

// TSV: kind TAB register TAB record TAB Lokal-ID TAB score TAB name TAB date
// TAB parish TAB the reasons joined by "; ". JSON: an array of objects with
// the keys samband, register, post, lokalid, poang, namn, datum, forsamling
// and skal (an array of the reasons). Kinds by their keys ("dod", "barn"
// ...), registers as "fodda", "vigda", "doda"; UTF-8. The reasons in
// `language`; keys and kinds the same in either.
void PrintCandidates(const std::vector<LinkCandidate>& candidates, bool json, std::FILE* out,
                     Language language = Language::kSwedish);

}  // namespace vx::cli

#endif  // VX_TOOLS_SOK_LINKS_H_
