// TVXstruktlista: a list whose rows stand for records, with the selections
// that the word picker and the result table work on.
//
// Directly after a row text's zero byte lie three u32 words:
//   FirstRecord   with finnsBLOB: PostingCount 0 - the one record of the
//                 row; otherwise the offset in the postings file ("b1",
//                 blob_file.h) of the first number of the row's postings
//   PostingCount  with finnsBLOB: the number of postings, 0 for one record
//   StatCount     with finnsstat only
// A word that does not lie wholly inside the row reads as 0, as do all
// three when the text has no zero byte inside the text area. Lists without
// statistics need not leave room for StatCount (the date lists of 20 bytes
// hold an 8-character date, its zero byte, FirstRecord and PostingCount).
//
// With finnsurval the list owns three selections over its rows:
//   vald      the rows picked (the hits, for a register list); sized
//             RowCount at Open, keeping its bits when the count is the same
//             as before, and kept through Close;
//   synl      the visible rows: a copy of vald made by RebuildVisible;
//   synlsort  with SortedVisibleWanted set before Open: synl by sort
//             position (bit p set when the row at position p is visible).
// Visible rows are reached by index through anchors (visible_anchors.h)
// over synl, or over synlsort while the sorted view is on.
//
// Threads: as TVXindex (index_list.h), one call at a time per list, the
// selections it hands out included. Separate lists share more than the
// codec: MarkRecords reads postings through a chunk buffer that the whole
// engine shares (postings.cpp), so no two lists may mark records on two
// threads at once either.
#ifndef VX_ENGINE_LISTS_STRUCT_LIST_H_
#define VX_ENGINE_LISTS_STRUCT_LIST_H_

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "engine/files/windowed_file_reader.h"
#include "engine/lists/blob_file.h"
#include "engine/lists/index_list.h"
#include "engine/lists/selection.h"
#include "engine/lists/sort_order_view.h"
#include "engine/lists/visible_anchors.h"

namespace vx {

// The words a row carries after its text.
struct RowWords {
  uint32_t first_record = 0;
  uint32_t posting_count = 0;
  uint32_t stat_count = 0;
};

class TVXstruktlista : public TVXindex {
 public:
  TVXstruktlista() = default;
  ~TVXstruktlista() override { Close(); }

  // TVXindex::Open, then the postings file (finnsBLOB; a missing one leaves
  // rows with postings marking nothing) and the selections (finnsurval),
  // ending with RebuildVisible. CurrentRow and CurrentSortPosition become -1.
  bool Open() override;
  // TVXindex::CreateNew, and a new empty postings file with finnsBLOB.
  bool CreateNew() override;
  // Closes the files and frees synl and synlsort; vald keeps its bits.
  // The sorted view goes off.
  void Close() override;
  // Appends a row with zero words.
  bool AppendRow(std::string_view text, uint32_t value1) override;
  // Appends a row whose text, cut at a zero byte and to MaxTextLength(), is
  // followed by the words the list keeps (FirstRecord and PostingCount with
  // finnsBLOB or finnsstat, StatCount with finnsstat).
  bool AppendRow(std::string_view text, uint32_t value1, const RowWords& words);
  // Stores `records` (ascending, at least 1) as one postings item and
  // returns the offset of their first number, the FirstRecord of their
  // row; -1 when the list has no writable postings file, the records are
  // not valid postings, or the offset would not fit 32 bits.
  int64_t AppendPostingsRun(std::span<const uint32_t> records);
  // The longest row text that leaves room for the words the list keeps.
  size_t MaxTextLength() const;

  // The words of the row read last (0 before the first read).
  RowWords Words() const;
  uint32_t FirstRecord() const { return Words().first_record; }
  uint32_t PostingCount() const { return Words().posting_count; }
  uint32_t StatCount() const { return Words().stat_count; }

  // Sets in `selection` the records of the row read last. With PostingCount
  // 0 that is FirstRecord alone, and 0 (a row without records, which
  // callers skip) marks nothing. A record beyond the selection or damaged
  // postings are reported to the message sink, naming the list's file; the
  // numbers before the damage are set. True when the row's records were
  // read (a lone record beyond the selection is reported, not set); false
  // when closed, without finnsBLOB, before the first row, without a
  // postings file, or on damaged postings.
  bool MarkRecords(Tvxsmalurval& selection);

  // The selections; bits may be set and tested directly. synlsort() is null
  // unless SortedVisibleWanted was set at Open. After changing vald, call
  // RebuildVisible; anchors describe synl as of the last rebuild.
  Tvxsmalurval& vald() { return vald_; }
  Tvxsmalurval& synl() { return synl_; }
  Tvxsmalurval* synlsort() { return synlsort_.get(); }

  // synl := vald, recounted; VisibleCount is updated and synlsort marked
  // stale. While the sorted view is on, synlsort is rebuilt at once, so the
  // anchors always describe the view in use.
  void RebuildVisible();
  // Off: the anchors go back to synl and the order is forgotten. On: the
  // list remembers `order`, which must outlive the view; when synlsort is
  // stale or the order is another one, rebuilds synlsort from synl (bit p
  // for each position p of the order, up to synlsort's size, whose row is
  // visible), then anchors over synlsort. False, with nothing changed, for
  // on when closed, without an order or without synlsort.
  bool SetSortedVisible(bool on, const SortOrderView* order);
  // Reads the k-th visible row (in sort order while the view is on) and
  // makes it CurrentRow. Nothing when there are no anchors or k lies
  // outside 1..VisibleCount. In the sorted view CurrentSortPosition becomes
  // the position found; a row there outside 1..RowCount is reported to the
  // message sink as "row;position" and not read. True when a row was read.
  bool GoToVisible(int32_t k);
  // The index among visible rows (from 1) of `row`, or of a sort position
  // while the sorted view is on; -1 when there are no anchors or it is not
  // visible.
  int32_t VisiblePosition(int32_t row) const;

  int32_t VisibleCount() const { return visible_count_; }
  int32_t CurrentRow() const { return current_row_; }
  int32_t CurrentSortPosition() const { return current_sort_position_; }
  const VisibleAnchors& anchors() const { return anchors_; }

  void SetSortedVisibleWanted(bool wanted) { sorted_wanted_ = wanted; }
  bool SortedVisibleWanted() const { return sorted_wanted_; }
  bool SortedVisibleOn() const { return sorted_on_; }
  // The order of the sorted view while it is on; null otherwise.
  const SortOrderView* SortedVisibleOrder() const { return sorted_on_ ? order_ : nullptr; }
  // The owner marks synlsort stale whenever the result set changes.
  void SetSortedVisibleStale(bool stale) { sorted_stale_ = stale; }
  bool SortedVisibleStale() const { return sorted_stale_; }

 private:
  size_t WordBytes() const;
  void PrepareSelections();
  void RebuildSortedBits();
  const Tvxsmalurval& VisibleBits() const { return sorted_on_ ? *synlsort_ : synl_; }

  // The properties as of the last Open or CreateNew.
  bool has_postings_ = false;
  bool has_stat_ = false;
  bool has_selections_ = false;

  Tvxenkelblobfil postings_;
  std::unique_ptr<WindowedFileReader> postings_reader_;

  Tvxsmalurval vald_;
  Tvxsmalurval synl_;
  std::unique_ptr<Tvxsmalurval> synlsort_;
  VisibleAnchors anchors_;
  const SortOrderView* order_ = nullptr;
  int32_t visible_count_ = 0;
  int32_t current_row_ = -1;
  int32_t current_sort_position_ = -1;
  bool sorted_wanted_ = false;
  bool sorted_on_ = false;
  bool sorted_stale_ = false;
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_STRUCT_LIST_H_
