#include "search/free_field_search.h"

namespace vx {

FreeFieldQuery ParseFreeFieldText(std::string_view text) {
  constexpr char kQuote = '"';
  if (!text.empty() && text.front() == kQuote) {
    const size_t begin = text.find_first_not_of(kQuote);
    if (begin == std::string_view::npos) return {{}, FreeSearchMode::kEqual};
    return {std::string(text.substr(begin, text.find_last_not_of(kQuote) - begin + 1)),
            FreeSearchMode::kEqual};
  }
  if (!text.empty() && text.back() == '*') {
    text.remove_suffix(1);
    return {std::string(text), FreeSearchMode::kBeginsWith};
  }
  return {std::string(text), FreeSearchMode::kContains};
}

Tvxsmalurval& SearchFreeField(TEVF& evf, TVXfrisoeklista* list, std::string_view text) {
  Tvxsmalurval& marked = evf.sokur(2);
  if (list != nullptr) {
    const FreeFieldQuery query = ParseFreeFieldText(text);
    list->Search(query.text, query.mode, marked);
  } else {
    marked.Clear();
  }
  return marked;
}

}  // namespace vx
