// TVXfrisoeklista: a free-search list, the distinct lines of free-form
// fields (baptism witnesses, remarks, relatives) with the records holding
// each, scanned whole by every search.
//
// Two plain blob files (blob_file.h):
//   entry file ("f1")     items are blocks of at most urvalbufsiz bytes;
//                         a block is a sequence of entries, each a
//                         zero-terminated text, u32 a, u32 b
//   postings file ("f2")  runs of record numbers (postings.h)
// An entry with b = 0 stands for the single record a; otherwise b records
// are stored as postings at offset a of the postings file.
//
// A search runs at about memory speed: the entry file is mapped (or, where
// mapping fails, read a block at a time), FoldedFinder looks for each term
// in a block's raw bytes, and a match is traced to its entry through the
// block's index of entry starts, made once per block while the list is
// open (about 4 bytes an entry; blocks under 4 KB, which only damaged files
// have, are indexed anew each time). Searches for equal texts and for
// beginnings pass over the blocks whose range of texts cannot hold the
// term (free_search_block_range.h), the ranges made by the first such
// search. The results are those of trying every entry on its own.
//
// Both files are untrusted: a block longer than urvalbufsiz or not whole in
// the file ends the scan, a block ends at its first entry that is not
// whole inside it (free_search_block_index.h), and damaged postings and
// record numbers beyond the selection are reported through the message
// sink, at most one message per search followed by a count of the others.
//
// Threads: Search changes the list (its scan position, block indexes and
// ranges, marks), so no call may run while another call on the same list
// runs on another thread. A free-search list uses no codec, but entries
// with postings are read through the engine's one postings chunk buffer
// (postings.cpp) and damage goes to the one message sink: two lists
// searching on two threads at once are not safe either.
#ifndef VX_ENGINE_LISTS_FREE_SEARCH_LIST_H_
#define VX_ENGINE_LISTS_FREE_SEARCH_LIST_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/files/mapped_file.h"
#include "engine/files/windowed_file_reader.h"
#include "engine/lists/blob_file.h"
#include "engine/lists/free_search_block_index.h"
#include "engine/lists/free_search_block_range.h"
#include "engine/lists/free_search_list_properties.h"
#include "engine/lists/selection.h"
#include "engine/text/folded_finder.h"

namespace vx {

// How an entry's text must relate to a search term, both folded through
// FoldTable.
enum class FreeSearchMode : int {
  kEqual = 0,       // the text is the term
  kBeginsWith = 1,  // the text begins with the term
  kContains = 2,    // the term occurs anywhere in the text
};

class TVXfrisoeklista {
 public:
  TVXfrisoeklista() = default;
  ~TVXfrisoeklista() { Close(); }
  TVXfrisoeklista(const TVXfrisoeklista&) = delete;
  TVXfrisoeklista& operator=(const TVXfrisoeklista&) = delete;

  // Changes take effect at the next Open.
  FreeSearchListProperties& properties() { return properties_; }
  const FreeSearchListProperties& properties() const { return properties_; }
  // Whether Open maps the entry file (the default) or has searches read it
  // a block at a time; both find the same.
  void set_mapping(bool on) { mapping_wanted_ = on; }

  // Opens both files, read-only when RO; a read-only list never creates a
  // missing file, a writable one creates it empty. Returns Opened(): the
  // list is open when its entry file is.
  bool Open();
  // Closes both files; closing a closed list does nothing.
  void Close();
  bool Opened() const { return entries_.Opened(); }
  bool Mapped() const { return mapping_.mapped(); }

  // Clears `selection` and marks in it the records of every entry that
  // matches any of the terms of `text` (free_search_terms.h) in `mode`.
  // Returns the selection's recounted Count(), or 0 when no entry matched
  // (also when the list is closed). Record numbers outside the selection's
  // 1..Size are reported, not marked.
  int32_t Search(std::string_view text, FreeSearchMode mode, Tvxsmalurval& selection);

 private:
  // Moves to the first block.
  void RewindBlocks();
  // The next block of the scan; false at its end.
  bool NextBlock(std::span<const uint8_t>& block);
  // The entry index of block `ordinal`, made when missing or stale.
  const FreeSearchBlockIndex& IndexOf(size_t ordinal, std::span<const uint8_t> block);
  // Whether block `ordinal` may hold an entry equal to (or beginning with)
  // any of the folded terms, noting in possible_ which terms it may hold;
  // every block may hold a contained term.
  bool MayHoldAny(size_t ordinal, std::span<const uint8_t> block,
                  const std::vector<std::string>& folded_terms, FreeSearchMode mode);
  // Collects in marked_ the entries of `block` that match any finder's term
  // that possible_ allows.
  void MarkMatches(size_t ordinal, std::span<const uint8_t> block,
                   const std::vector<FoldedFinder>& finders, FreeSearchMode mode);
  // Adds to marked_ the entries of `block` that match the non-empty term
  // `finder` looks for.
  void MarkTerm(const FreeSearchBlockIndex& index, std::span<const uint8_t> block,
                const FoldedFinder& finder, FreeSearchMode mode);
  // Sets the records of the marked entries. `postings_missing` is set when
  // marked entries have postings but the postings file is not open.
  void ApplyMarks(const FreeSearchBlockIndex& index, std::span<const uint8_t> block,
                  Tvxsmalurval& selection, bool& postings_missing);

  FreeSearchListProperties properties_;
  bool mapping_wanted_ = true;
  Tvxenkelblobfil entries_;
  Tvxenkelblobfil postings_;
  MappedFile mapping_;
  size_t block_limit_ = 0;  // urvalbufsiz as opened
  uint64_t first_block_ = Tvxenkelblobfil::kHeaderSize;
  uint64_t next_block_ = Tvxenkelblobfil::kHeaderSize;  // in the mapping
  std::unique_ptr<WindowedFileReader> postings_reader_;
  std::unordered_map<size_t, FreeSearchBlockIndex> indexes_;  // by block ordinal
  FreeSearchBlockIndex small_index_;  // of block small_ordinal_ in this scan
  size_t small_ordinal_ = FreeSearchBlockIndex::kNone;
  std::unordered_map<size_t, FreeSearchBlockRange> ranges_;  // by block ordinal
  std::vector<bool> possible_;                               // by term, for the current block
  std::vector<uint32_t> marked_;                             // entries of the current block
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_FREE_SEARCH_LIST_H_
