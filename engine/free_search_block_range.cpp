#include "engine/free_search_block_range.h"

#include <cstring>

#include "engine/collation.h"
#include "engine/free_search_block_index.h"

namespace vx {
namespace {

// Compares the raw texts a and b as their folded forms compare.
int CompareFolded(std::string_view a, std::string_view b, const CollationTable& fold) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const uint8_t x = fold[static_cast<uint8_t>(a[i])];
    const uint8_t y = fold[static_cast<uint8_t>(b[i])];
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::string Folded(std::string_view text, const CollationTable& fold) {
  std::string out(text);
  for (char& c : out)
    c = static_cast<char>(fold[static_cast<uint8_t>(c)]);
  return out;
}

}  // namespace

void FreeSearchBlockRange::Build(std::span<const uint8_t> block) {
  const CollationTable& fold = FoldTable();
  const char* const bytes = reinterpret_cast<const char*>(block.data());
  std::string_view least, greatest;
  has_entries_ = false;
  size_t position = 0;
  while (position < block.size()) {
    const auto* zero =
        static_cast<const char*>(std::memchr(bytes + position, 0, block.size() - position));
    if (zero == nullptr) break;
    const auto end = static_cast<size_t>(zero - bytes);
    if (block.size() - end < FreeSearchEntry::kTrailerSize) break;
    const std::string_view text(bytes + position, end - position);
    if (!has_entries_) {
      least = greatest = text;
      has_entries_ = true;
    } else if (CompareFolded(text, greatest, fold) > 0) {
      greatest = text;  // the usual case: the entries ascend
    } else if (CompareFolded(text, least, fold) < 0) {
      least = text;
    }
    position = end + FreeSearchEntry::kTrailerSize;
  }
  least_ = Folded(least, fold);
  greatest_ = Folded(greatest, fold);
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
