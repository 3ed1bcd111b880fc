// RunFreeSearch: one text searched in every field of all three registers
// at once, through the free-search list vaxors404, whose record numbers run
// over the registers in one sequence: births 1..N1, marriages after them,
// deaths last (N the person lists' row counts; an absent register counts
// 0).
#ifndef VX_SEARCH_FREE_TEXT_SEARCH_H_
#define VX_SEARCH_FREE_TEXT_SEARCH_H_

#include <string_view>

#include "catalogue/catalogue.h"

namespace vx {

// An empty text searches nothing and changes no result: false. Otherwise
// `text` is read as a free field's text (free_field_search.h), vaxors404 is
// searched into sokur2, and the hits are handed out to the registers in
// order: each register with rows gets as its result the bits of its own
// range, recounted; a register without rows is left alone and takes no
// range. True. Damage is reported and thrown as by RunSearch (run_search.h).
bool RunFreeSearch(TEVF& evf, std::string_view text);

// Sets bit i of `result` for each bit first + i - 1 of `combined` that is
// set, i = 1..result.Size(), after clearing it; then recounts.
void TakeCombinedRange(const Tvxsmalurval& combined, int32_t first, Tvxsmalurval& result);

}  // namespace vx

#endif  // VX_SEARCH_FREE_TEXT_SEARCH_H_
