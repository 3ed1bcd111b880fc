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
// mapping fails, read a block at a time; the postings file is mapped with
// it), FoldedFinder looks for each term
// in a block's raw bytes, and a match is traced to its entry through the
// block's index of entry starts, made once per block while the list is
// open (about 4 bytes an entry; blocks under 4 KB, which only damaged files
// have, are indexed anew each time). Searches for equal texts and for
// beginnings pass over the blocks whose range of texts cannot hold the
// term (free_search_block_range.h), the ranges made by the first such
// search. Where the list has a trigram filter ("ft" beside the entry file,
// free_search_filter.h) and every term has three bytes or more, a search
// for contained terms reads only the runs of entries that hold all of a
// term's trigrams; the filter is read by the first search that can use it.
// (Equal texts and beginnings are found faster through the ranges alone.)
// A search that must read megabytes of entries shares them out among the
// cores (free_search_stretches.h). The results are those of trying every
// entry on its own.
//
// The files are untrusted: a block longer than urvalbufsiz or not whole in
// the file ends the scan, a block ends at its first entry that is not
// whole inside it (free_search_block_index.h), and damaged postings and
// record numbers beyond the selection are reported through the message
// sink, at most one message per search followed by a count of the others.
// A filter that is damaged or belongs to other entries is reported once,
// by name, and left unused until the list is opened again; the search
// that found it reads the whole list.
//
// Threads: Search changes the list (its scan position, block indexes and
// ranges, stretches), so no call may run while another call on the same
// list runs on another thread; the threads a search starts itself read
// entries, build the indexes of their own blocks and, where the postings
// are mapped, set records in selections of their own (free_search_marks.h),
// and have ended when it returns. A free-search list uses no codec, but
// unmapped postings are read through the engine's one postings chunk
// buffer (postings.cpp) and damage goes to the one message sink: two lists
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
#include "engine/lists/free_search_filter.h"
#include "engine/lists/free_search_list_properties.h"
#include "engine/lists/free_search_marks.h"
#include "engine/lists/free_search_stretches.h"
#include "engine/lists/selection.h"
#include "engine/text/folded_finder.h"

namespace vx {

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
  // Whether searches use the trigram filter when the list has one (the
  // default); both find the same.
  void set_filter_wanted(bool on) { filter_wanted_ = on; }
  // How many threads a search may read its entries on; 0 (the default)
  // lets it choose by how much it reads. All find the same.
  void set_workers(size_t workers) { workers_ = workers; }
  // Whether the filter was read and found sound, and is still in use.
  bool FilterInUse() const { return filter_state_ == FilterState::kInUse; }

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
  enum class FilterState : uint8_t { kUnread, kInUse, kIgnored };

  // What a search has found so far.
  struct Outcome {
    bool matched = false;
    bool postings_missing = false;
  };

  // Reads every block.
  void ScanAll(const std::vector<std::string>& terms, const std::vector<std::string>& folded_terms,
               FreeSearchMode mode, Tvxsmalurval& selection, Outcome& outcome);
  // Reads the runs the filter names for contained terms; false, with the
  // filter given up, when it proves unsound.
  bool ScanFiltered(const std::vector<std::string>& terms,
                    const std::vector<std::string>& folded_terms, Tvxsmalurval& selection,
                    Outcome& outcome);
  // The first filter block from `j` on that some term may be in, or the
  // filter's size.
  size_t NextCandidate(size_t j) const;
  // Whether the filter can answer for these terms, reading it first.
  bool FilterServes(const std::vector<std::string>& folded_terms);
  // Gives up the filter with one message naming it.
  void IgnoreFilter();
  // Whether filter block `j`, of `block`, is a run of whole entries as the
  // filter says; each is checked once, before it is first searched.
  bool RunChecked(size_t j, std::span<const uint8_t> block);

  // Moves to the first block.
  void RewindBlocks();
  // The next block of the scan and the offset of its length word; false at
  // the end.
  bool NextBlock(std::span<const uint8_t>& block, uint64_t& offset);
  // The block whose length word is at `offset`; false unless it is whole
  // in the file and fits the buffer.
  bool BlockAt(uint64_t offset, std::span<const uint8_t>& block);
  // The entry index of the block at `offset`, made when missing or stale.
  const FreeSearchBlockIndex& IndexOf(uint64_t offset, std::span<const uint8_t> block);
  // Clears possible_[i] for each folded term the block at `offset` cannot
  // hold as an equal text (or a beginning); every block may hold a
  // contained term. Whether any term stays possible.
  bool MayHoldAny(uint64_t offset, std::span<const uint8_t> block,
                  const std::vector<std::string>& folded_terms, FreeSearchMode mode);
  // Adds bytes [begin, end) of the block at `offset`, whole entries from
  // entry `first_entry` on, to the stretches to read, for the terms that
  // possible_ allows. Without a mapping the stretch is read at once (the
  // buffer holds one block at a time).
  void AddStretch(uint64_t offset, std::span<const uint8_t> block, size_t begin, size_t end,
                  size_t first_entry, const std::vector<std::string>& terms, FreeSearchMode mode,
                  Tvxsmalurval& selection, Outcome& outcome);
  // Reads the stretches gathered so far (on several threads when they are
  // long) and sets the records of their matches.
  void ReadStretches(const std::vector<std::string>& terms, FreeSearchMode mode,
                     Tvxsmalurval& selection, Outcome& outcome);
  void DropStretches();
  FreeSearchListProperties properties_;
  bool mapping_wanted_ = true;
  bool filter_wanted_ = true;
  size_t workers_ = 0;
  Tvxenkelblobfil entries_;
  Tvxenkelblobfil postings_;
  MappedFile mapping_;
  size_t block_limit_ = 0;  // urvalbufsiz as opened
  uint64_t first_block_ = Tvxenkelblobfil::kHeaderSize;
  uint64_t next_block_ = Tvxenkelblobfil::kHeaderSize;  // in the mapping
  uint64_t buffered_block_ = 0;                         // in the buffer, unmapped
  bool buffer_holds_block_ = false;
  // Postings are read in place where both files are mapped.
  MappedFile postings_mapping_;
  std::unique_ptr<WindowedFileReader> postings_reader_;
  FreeSearchPostings postings_source_;
  std::unordered_map<uint64_t, FreeSearchBlockIndex> indexes_;  // by block offset
  FreeSearchBlockIndex* last_index_ = nullptr;                  // the one used last
  uint64_t last_index_offset_ = 0;
  FreeSearchBlockIndex small_index_;  // of the block at small_offset_ in this search
  uint64_t small_offset_ = 0;
  bool small_index_valid_ = false;
  std::unordered_map<uint64_t, FreeSearchBlockRange> ranges_;  // by block offset
  std::vector<bool> possible_;                                 // by term, for the current block
  // The stretches a search reads, the flags of their terms, the finders.
  std::vector<FreeSearchStretch> stretches_;
  std::vector<uint8_t> stretch_terms_;
  std::vector<FoldedFinder> finders_;
  FreeSearchFilter filter_;
  FilterState filter_state_ = FilterState::kUnread;
  std::vector<std::vector<uint64_t>> term_blocks_;  // filter blocks by term
  std::vector<uint64_t> any_term_blocks_;
  std::vector<uint64_t> checked_runs_;  // a bit for each filter block
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_FREE_SEARCH_LIST_H_
