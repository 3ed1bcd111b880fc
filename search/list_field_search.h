// The two routines of the word-list fields of the search forms. Each
// evaluates its field into the scratch selections and returns the records
// found; RunSearch intersects them into the register's result.
//
// An empty text is a field in list mode: it stands for the rows picked in
// the slot's list. A text holding a term longer than kMaxTermLength is
// refused by the checks below before any field is searched.
#ifndef VX_SEARCH_LIST_FIELD_SEARCH_H_
#define VX_SEARCH_LIST_FIELD_SEARCH_H_

#include <string_view>

#include "catalogue/catalogue.h"
#include "engine/lists/selection.h"
#include "engine/util/status.h"

namespace vx {

// Surnames, titles, places, parishes, sources: alternatives separated by
// ";", a record matching any of them. `accent_keeping` chooses the table
// (word_list_search.h). For a checked text; returns sokur2.
Tvxsmalurval& SearchListField(TEVF& evf, int register_number, int slot, std::string_view text,
                              bool accent_keeping);

// First names: alternatives separated by ";", each a group of words
// separated by blanks that a record must all have; a record matching any
// group is a hit. Names keep their accents. For a checked text; returns
// sokur3 (sokur2 in list mode).
Tvxsmalurval& SearchFirstNames(TEVF& evf, int register_number, int slot, std::string_view text);

// The refusal SearchListField or SearchFirstNames would give for `text`,
// or Done: for checking every field before a search changes anything.
Status CheckListFieldText(std::string_view text);
Status CheckFirstNamesText(std::string_view text);

}  // namespace vx

#endif  // VX_SEARCH_LIST_FIELD_SEARCH_H_
