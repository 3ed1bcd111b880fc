// FilterTrigrams: the trigrams of a free-search list's entries, each with
// the filter blocks that hold it, gathered in bounded memory while the list
// is written and given back in trigram order for its filter file
// (free_search_filter_writer.h).
//
// Entries come block by block; a trigram is passed to the PostingCollector
// once for each block that holds it, so the pairs kept grow with the
// distinct trigrams of each block, not with the text.
#ifndef VX_BUILDER_FILTER_TRIGRAMS_H_
#define VX_BUILDER_FILTER_TRIGRAMS_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "builder/posting_collector.h"

namespace vx {

class FilterTrigrams {
 public:
  FilterTrigrams(size_t budget, std::filesystem::path temp_dir);

  // The entry text `text` lies in filter block `block`; blocks never
  // decrease. False when the temporary file cannot be written.
  bool Add(uint32_t block, std::string_view text);

  // Ends adding. False when the disc fails.
  bool Finish();

  // Calls `take` for every trigram in ascending order of its code
  // (TrigramCode) with its blocks, ascending; stops when it returns false.
  // False when a row could not be read back or `take` stopped.
  using Take = std::function<bool(uint32_t code, std::span<const uint32_t> blocks)>;
  bool ForEach(const Take& take);

 private:
  // Whether `code` is new in the current block; notes it.
  bool FirstInBlock(uint32_t code);
  void ForgetBlock();

  PostingCollector pairs_;
  uint32_t block_ = 0;
  // The codes of the current block: an open hash table (kEmpty where
  // free), kept at most half full, and the codes in it.
  std::vector<uint32_t> slots_;
  std::vector<uint32_t> seen_codes_;
  std::string folded_;
};

}  // namespace vx

#endif  // VX_BUILDER_FILTER_TRIGRAMS_H_
