#include "search/free_field_search.h"

#include "search/search_term.h"

namespace vx {
namespace {

constexpr char kQuote = '"';
constexpr char kStar = '*';

// A text that begins with '*' (after blanks): the part between the stars,
// searched as a part of an entry.
bool IsStarredPart(std::string_view text, FreeFieldQuery& out) {
  text = TrimBlanksAndControls(text);
  if (text.empty() || text.front() != kStar) return false;
  const size_t begin = text.find_first_not_of(kStar);
  if (begin == std::string_view::npos) {
    out = {{}, FreeSearchMode::kContains};
  } else {
    out = {std::string(text.substr(begin, text.find_last_not_of(kStar) - begin + 1)),
           FreeSearchMode::kContains};
  }
  return true;
}

}  // namespace

FreeFieldQuery ParseFreeFieldText(std::string_view text) {
  if (FreeFieldQuery starred; IsStarredPart(text, starred)) return starred;
  if (!text.empty() && text.front() == kQuote) {
    const size_t begin = text.find_first_not_of(kQuote);
    if (begin == std::string_view::npos) return {{}, FreeSearchMode::kEqual};
    return {std::string(text.substr(begin, text.find_last_not_of(kQuote) - begin + 1)),
            FreeSearchMode::kEqual};
  }
  if (!text.empty() && text.back() == kStar) {
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
