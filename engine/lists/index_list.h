// TVXindex: a list, a file of fixed-length rows sorted by their texts and
// found by binary search.
//
// Files: the row file (row_file.h) and, in block mode (LZH), the block
// pointer list, read entry by entry (pointer_list.h). The owner sets the
// properties, then Open; ReadRow, FindPrefix and FindExact read; Close
// frees everything but the key cache, which keeps its keys for the next
// Open of the same file.
//
// File contents are untrusted:
// - the row count is trusted only as far as the files can hold rows:
//   (file size - 22) / L in plain mode; in block mode N rows for each
//   block that the block list names, at most one block per 4 bytes of the
//   row file. Selections sized by RowCount() never outgrow the files.
// - a row text without a zero byte inside the text area ends at the
//   area's end.
//
// Comparisons go through FoldTable, or AccentOrderTable when keepaccent.
// Expanding a damaged block raises the codec's exceptions (compress.h),
// which pass through every reading operation, Open included.
//
// Searches keep the rows they probe (probe_memo.h): those of the first
// kPinnedLevels levels of the search tree until Close, and the last few
// of any depth. A search then expands blocks for its last probes only, and
// a search repeated or refined for hardly any.
//
// Threads: no call may run while another call on the same list runs on
// another thread. Reading changes the list too: ReadRow, FindPrefix and
// FindExact move the row buffer and fill the probe memo, the key cache and
// the block cache. The const observers (Opened, RowCount, RowText, ...)
// only read and may run together while nothing else runs. Separate lists
// own their files and buffers, but lists in block mode (LZH) expand through
// the one SharedCodec() (compress.h), and every list reports to the one
// message sink: two lists are safe on two threads only when neither is in
// block mode and neither has anything to report.
#ifndef VX_ENGINE_LISTS_INDEX_LIST_H_
#define VX_ENGINE_LISTS_INDEX_LIST_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/files/pointer_list.h"
#include "engine/files/row_file.h"
#include "engine/lists/list_properties.h"
#include "engine/lists/probe_memo.h"
#include "engine/text/collation.h"
#include "engine/util/status.h"

namespace vx {

class TVXindex {
 public:
  // Longer search words are cut.
  static constexpr size_t kMaxWordLength = 255;
  static constexpr uint32_t kNewBlockListCapacity = 1000000;
  // The key cache is seeded only in files of at least this many rows.
  static constexpr int32_t kMinRowsToSeed = 101;
  // Levels of the search tree whose rows are kept: at most 2^levels - 1
  // rows (360 KB for rows of 88 bytes), filled as searches probe them.
  static constexpr int kPinnedLevels = 12;

  TVXindex() = default;
  virtual ~TVXindex() { TVXindex::Close(); }
  TVXindex(const TVXindex&) = delete;
  TVXindex& operator=(const TVXindex&) = delete;

  // Changes take effect at the next Open; opening writes radmaxlen and
  // maxrader back as the file has them.
  ListProperties& properties() { return properties_; }
  const ListProperties& properties() const { return properties_; }

  // Opens the files. A missing row file is created empty (capacity
  // maxrader, rows of radmaxlen + 8 bytes) unless RO, in which case the
  // list stays closed and nothing is created. A row file
  // that exists but cannot be opened, or whose header is damaged, leaves
  // the list closed and reports "4: Listan <path> kan inte öppnas." to the
  // message sink. A missing block list leaves the list open with no rows.
  virtual bool Open();
  // Creates the files anew (replacing files of the same names) with an
  // empty header of capacity maxrader and row length radmaxlen + 8, and in
  // block mode a block list of capacity kNewBlockListCapacity. False when
  // RO or a file cannot be created.
  virtual bool CreateNew();
  // Writes a pending block and changed headers back, then closes.
  virtual void Close();
  // Appends a row holding `value1`, RowValue2 0 and `text`, cut at a zero
  // byte and to the text area less its terminator. False when not
  // writable, the list is full or writing failed.
  virtual bool AppendRow(std::string_view text, uint32_t value1);
  // Reads row `row` into the row buffer. IOError when the list is not open,
  // NotFound when the row is outside 1..RowCount() or does not lie within
  // the files, each naming the list's file. On failure the buffer keeps the
  // previous row. The codec's exceptions pass through with the file set.
  Status ReadRow(int64_t row);

  // The first row whose text begins with `word` (an empty word begins
  // every text), or -1. Rows must be sorted under the list's table. On
  // success the row buffer holds the row found, otherwise the last row
  // probed. -1 when closed, empty, or a probed row cannot be read.
  int32_t FindPrefix(std::string_view word) { return Find(word, true); }
  // The first row whose text equals `word`, or -1; as FindPrefix.
  int32_t FindExact(std::string_view word) { return Find(word, false); }
  // ReadRow for a search of the caller's own that halves the rows as Find
  // does: the row is kept as Find keeps its probes, for good when `pin`
  // (the first kPinnedLevels levels), so that repeated searches do not
  // expand its block again.
  Status ReadProbe(int64_t row, bool pin);

  bool Opened() const { return rows_.Opened(); }
  int32_t RowCount() const { return row_count_; }
  // The row read last: RowValue1 FFFFFFFFh and an empty text before the
  // first read.
  uint32_t RowValue1() const;
  uint32_t RowValue2() const;
  const std::string& RowText() const { return text_; }
  // Blocks expanded since the list was created, for measuring.
  uint64_t BlockExpansions() const { return rows_.BlockExpansions(); }
  // The table the list compares with, as of the last Open.
  const CollationTable& table() const { return *table_; }

 protected:
  // Open without seeding the key cache. Subclasses open their own files
  // after it and seed last, so that an exception from a damaged block
  // leaves a list whose own state is whole.
  bool OpenFiles();
  // Enters the texts of rows count/4, count/2 and 3*(count/4) into an
  // empty key cache of a list of at least kMinRowsToSeed rows, then
  // forgets the row read.
  void SeedKeyCache();
  // Appends a row of `value1`, RowValue2 0 and `text_area` (at most the
  // text area; the rest zero).
  bool AppendRowBytes(uint32_t value1, std::span<const uint8_t> text_area);
  // The text area of the row read last (empty before the first read).
  std::span<const uint8_t> RowTextArea() const;
  // Bytes of the text area of the open file, or as the properties say.
  size_t TextAreaSize() const;
  bool HasRow() const { return !row_.empty(); }

 private:
  void ConfigureRowFile();
  void TakeShapeFromFile();
  uint32_t RowsTheFilesHold() const;
  static size_t PinnedRows();
  void ForgetRow();
  void TakeRow(std::span<const uint8_t> bytes);
  int32_t Find(std::string_view word, bool prefix);
  bool Probe(int64_t row, bool prefix, bool pin, int& comparison);
  // The comparison of word_ with `text` that Find makes.
  int CompareWord(const char* text, bool prefix) const;

  ListProperties properties_;
  Tvxpeklista blocks_{PointerListType::kOnDisk};
  // Kept across Close so that its key cache survives reopening.
  Tvxindexblobfil rows_;
  int32_t row_count_ = 0;
  const CollationTable* table_ = &FoldTable();

  ProbeMemo memo_;
  // The row read last came from memo_, which need not be told of it again.
  bool row_from_memo_ = false;
  // A row Find compared in memo_ without reading it into the row buffer.
  int64_t unread_probe_ = 0;

  // The row read last, L bytes, and its text up to the zero byte.
  std::vector<uint8_t> row_;
  std::string text_;
  std::string word_;  // the search word, cut and terminated
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_INDEX_LIST_H_
