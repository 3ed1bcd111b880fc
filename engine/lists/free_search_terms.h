// The alternatives a free-search text stands for.
#ifndef VX_ENGINE_LISTS_FREE_SEARCH_TERMS_H_
#define VX_ENGINE_LISTS_FREE_SEARCH_TERMS_H_

#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Upper-cases `text` by the Windows-1252 rules, trims blanks and control
// characters (bytes up to 20h) at both ends, then cuts terms off it with
// NextWord at ";" while text remains. Runs of ";" separate like one; a
// blank between two is a term of its own (only the whole text is trimmed).
// A text of semicolons only gives one empty term, an empty text none.
//
// Entries are zero-terminated, so a term ends at a zero byte inside it.
std::vector<std::string> FreeSearchTerms(std::string_view text);

}  // namespace vx

#endif  // VX_ENGINE_LISTS_FREE_SEARCH_TERMS_H_
