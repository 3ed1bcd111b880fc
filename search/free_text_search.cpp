#include "search/free_text_search.h"

#include "catalogue/catalogue_declaration.h"
#include "search/catalogue_parts.h"
#include "search/free_field_search.h"

namespace vx {

void TakeCombinedRange(const Tvxsmalurval& combined, int32_t first, Tvxsmalurval& result) {
  result.AssignRange(combined, first);
}

bool RunFreeSearch(TEVF& evf, std::string_view text) {
  if (text.empty()) return false;
  Tvxsmalurval& combined = evf.sokur(2);
  if (TVXfrisoeklista* all = evf.FreeSearch(AllFieldsListName()); all != nullptr) {
    const FreeFieldQuery query = ParseFreeFieldText(text);
    all->Search(query.text, query.mode, combined);
  } else {
    combined.Clear();
  }
  int32_t first = 1;
  for (int r = 1; r <= 3; ++r) {
    const int32_t rows = evf.PersonList(r).RowCount();
    if (rows <= 0) continue;
    TakeCombinedRange(combined, first, ResultOf(evf, r));
    first += rows;
  }
  return true;
}

}  // namespace vx
