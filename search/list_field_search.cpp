#include "search/list_field_search.h"

#include <vector>

#include "search/catalogue_parts.h"
#include "search/search_term.h"
#include "search/word_list_search.h"

namespace vx {

SearchStatus CheckListFieldText(std::string_view text) {
  return CheckTermLengths(SplitTerms(text, ';'));
}

SearchStatus CheckFirstNamesText(std::string_view text) {
  for (const std::string_view alternative : SplitAt(text, ';')) {
    if (SearchStatus status = CheckTermLengths(SplitTerms(alternative, ' ')); !status.ok()) {
      return status;
    }
  }
  return SearchStatus::Done();
}

SearchStatus SearchListField(TEVF& evf, int register_number, int slot, std::string_view text,
                             bool accent_keeping) {
  const SearchScratch scratch = ScratchOf(evf);
  SearchStatus status =
      SearchWordList(SlotList(evf, register_number, slot), text, false, accent_keeping, scratch);
  if (status.ok()) ResultOf(evf, register_number).And(scratch.sokur2);
  return status;
}

SearchStatus SearchFirstNames(TEVF& evf, int register_number, int slot, std::string_view text) {
  constexpr bool kAccentKeeping = true;
  if (SearchStatus status = CheckFirstNamesText(text); !status.ok()) return status;
  const SearchScratch scratch = ScratchOf(evf);
  TVXstruktlista& list = SlotList(evf, register_number, slot);
  Tvxsmalurval& result = ResultOf(evf, register_number);
  if (text.empty()) {
    SearchWordList(list, text, true, kAccentKeeping, scratch);
    result.And(scratch.sokur2);
    return SearchStatus::Done();
  }
  scratch.sokur3.Clear();
  for (const std::string_view alternative : SplitAt(text, ';')) {
    SearchWordList(list, alternative, true, kAccentKeeping, scratch);
    scratch.sokur3.Or(scratch.sokur2);
  }
  result.And(scratch.sokur3);
  return SearchStatus::Done();
}

}  // namespace vx
