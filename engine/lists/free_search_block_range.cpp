#include "engine/lists/free_search_block_range.h"

#include "engine/lists/free_search_block_index.h"
#include "engine/text/collation.h"

namespace vx {

void FreeSearchBlockRange::Build(std::span<const uint8_t> block) {
  const CollationTable& fold = FoldTable();
  const char* const bytes = reinterpret_cast<const char*>(block.data());
  // Every entry text ends with its zero byte inside the block, so the
  // texts compare where they lie.
  std::string_view least, greatest;
  has_entries_ = false;
  for (size_t position = 0, end;
       (end = FreeSearchEntryEnd(block, position)) != FreeSearchBlockIndex::kNone;
       position = end + FreeSearchEntry::kTrailerSize) {
    const std::string_view text(bytes + position, end - position);
    if (!has_entries_) {
      least = greatest = text;
      has_entries_ = true;
    } else if (CompareTexts(text.data(), greatest.data(), fold) > 0) {
      greatest = text;  // the usual case: the entries ascend
    } else if (CompareTexts(text.data(), least.data(), fold) < 0) {
      least = text;
    }
  }
  least_ = MapText(least, fold);
  greatest_ = MapText(greatest, fold);
  block_size_ = block.size();
  built_ = true;
}

bool FreeSearchBlockRange::MayHold(std::string_view folded_term, bool prefix) const {
  if (!has_entries_) return false;
  // An entry e equal to the term, or beginning with it, is >= the term; and
  // least <= e means least's first term-size bytes are <= the term.
  if (std::string_view(greatest_) < folded_term) return false;
  const std::string_view least(least_);
  return (prefix ? least.substr(0, folded_term.size()) : least) <= folded_term;
}

}  // namespace vx
