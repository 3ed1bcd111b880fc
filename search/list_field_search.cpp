#include "search/list_field_search.h"

#include <vector>

#include "search/catalogue_parts.h"
#include "search/search_term.h"
#include "search/word_list_search.h"

namespace vx {

Status CheckListFieldText(std::string_view text) {
  return CheckTermLengths(SplitTerms(text, ';'));
}

Status CheckFirstNamesText(std::string_view text) {
  for (const std::string_view alternative : SplitAt(text, ';')) {
    if (Status status = CheckTermLengths(SplitTerms(alternative, ' ')); !status.ok()) {
      return status;
    }
  }
  return Status::OK();
}

Tvxsmalurval& SearchListField(TEVF& evf, int register_number, int slot, std::string_view text,
                              bool accent_keeping) {
  const SearchScratch scratch = ScratchOf(evf);
  SearchWordList(SlotList(evf, register_number, slot), text, false, accent_keeping, scratch);
  return scratch.sokur2;
}

Tvxsmalurval& SearchFirstNames(TEVF& evf, int register_number, int slot, std::string_view text) {
  constexpr bool kAccentKeeping = true;
  const SearchScratch scratch = ScratchOf(evf);
  TVXstruktlista& list = SlotList(evf, register_number, slot);
  if (text.empty()) {
    SearchWordList(list, text, true, kAccentKeeping, scratch);
    return scratch.sokur2;
  }
  scratch.sokur3.Clear();
  for (const std::string_view alternative : SplitAt(text, ';')) {
    SearchWordList(list, alternative, true, kAccentKeeping, scratch);
    scratch.sokur3.Or(scratch.sokur2);
  }
  return scratch.sokur3;
}

}  // namespace vx
