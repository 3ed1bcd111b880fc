// The free-text fields of the search forms ("(fritt)": godparents,
// relatives, other information) and the text of the free-text search over
// all registers, both searched in a free-search list.
//
//   "text"   an entry equals the text (quotes at both ends dropped)
//   text*    an entry begins with the text
//   text     an entry contains the text
//   *text, *text*
//            the same as text: no transcription holds a '*', and a user
//            who writes *text* as in the word-list fields means a part
//
// The list upper-cases the text, splits it at ";" into alternatives and
// compares through FoldTable (free_search_list.h).
#ifndef VX_SEARCH_FREE_FIELD_SEARCH_H_
#define VX_SEARCH_FREE_FIELD_SEARCH_H_

#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "engine/lists/free_search_list.h"

namespace vx {

struct FreeFieldQuery {
  std::string text;
  FreeSearchMode mode = FreeSearchMode::kContains;
};

FreeFieldQuery ParseFreeFieldText(std::string_view text);

// Searches `list` (null: no list, no hits) into sokur2; returns sokur2,
// which RunSearch intersects into the result.
Tvxsmalurval& SearchFreeField(TEVF& evf, TVXfrisoeklista* list, std::string_view text);

}  // namespace vx

#endif  // VX_SEARCH_FREE_FIELD_SEARCH_H_
