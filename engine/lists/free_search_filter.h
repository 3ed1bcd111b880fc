// FreeSearchFilter: a free-search list's trigram filter (format in
// free_search_filter_format.h) as searches read it: which runs of the entry
// file may hold a folded term.
//
// The filter is untrusted like every file, and a wrong filter would hide
// hits, so Load accepts it only when it is whole and belongs to the entry
// file: its header and tables carry checksums, it names the entry file's
// size and block count, and its blocks must cover the entry file's blocks
// exactly, each of those no longer than the list reads. Each trigram's
// list is checked against its own checksum when a search reads it. What
// does not hold makes the filter unusable, never a different answer; the
// list then reads itself whole.
//
// The file is mapped (or, where mapping fails, read whole); the blocks' places
// are worked out when the filter is loaded, some 24 bytes for each kilobyte
// of entries, and lists are read where they lie.
#ifndef VX_ENGINE_LISTS_FREE_SEARCH_FILTER_H_
#define VX_ENGINE_LISTS_FREE_SEARCH_FILTER_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/files/mapped_file.h"
#include "engine/lists/free_search_filter_format.h"

namespace vx {

class FreeSearchFilter {
 public:
  // A filter block: a run of whole entries inside one block of the entry
  // file.
  struct Block {
    uint64_t file_block = 0;  // offset of that block's length word
    uint32_t start = 0;       // the run's first byte in the block's bytes
    uint32_t length = 0;
    uint32_t first_entry = 0;  // the block's entries before the run
    uint32_t entries = 0;
  };

  // The entry file a filter must belong to.
  struct EntryFile {
    uint64_t size = 0;
    uint32_t blocks = 0;       // the item count in its header
    uint64_t first_block = 0;  // offset of the first block's length word
    size_t block_limit = 0;    // urvalbufsiz
    // Reads the length word at `offset`; false when it cannot.
    std::function<bool(uint64_t offset, uint32_t& length)> block_length;
  };

  enum class LoadResult : uint8_t { kLoaded, kMissing, kUnusable };

  // Reads the filter at `path` (a missing file is kMissing) and checks it
  // against `entries`.
  LoadResult Load(const std::string& path, const EntryFile& entries);
  void Clear();

  size_t size() const { return blocks_.size(); }
  const Block& block(size_t j) const { return blocks_[j]; }

  // Sets in `bits` (a bit for each block, 64 a word, as many words as
  // size() needs) the blocks that hold every trigram of `folded`, a text of
  // three bytes or more folded through FoldTable; leaves `bits` empty when
  // none does, so that a term with no hits (a trigram no entry has) costs
  // no pass over the blocks. False when a list read for it is damaged.
  bool Candidates(std::string_view folded, std::vector<uint64_t>& bits);

 private:
  struct Trigram {
    uint32_t code = 0;
    FilterListKind kind = FilterListKind::kPresent;
    size_t offset = 0;  // in the file
    uint32_t length = 0;
    uint32_t crc = 0;
  };

  // Maps or reads the file at `path`; false when there is none.
  bool Bring(const std::string& path, bool& found);
  bool ReadDirectory(const FreeSearchFilterHeader& header);
  bool Tile(const FreeSearchFilterHeader& header, const EntryFile& entries);
  const Trigram* Find(uint32_t code) const;
  bool ReadList(const Trigram& trigram, std::vector<uint64_t>& bits) const;

  MappedFile mapping_;
  std::vector<uint8_t> copy_;  // where the file could not be mapped
  std::span<const uint8_t> bytes_;
  std::vector<Block> blocks_;
  std::vector<Trigram> trigrams_;  // by code
  std::vector<uint64_t> list_bits_;
  std::vector<const Trigram*> wanted_;
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_FREE_SEARCH_FILTER_H_
