// Tvxindexblobfil: the row file of a list, fixed-length rows numbered
// from 1, stored plainly or in compressed blocks.
//
// File layout (little-endian):
//    0  2  reserved, 0
//    2  4  row count
//    6  4  row capacity
//   10  4  offset of the first row (22)
//   14  4  row length L
//   18  4  reserved, 0
// A row is u32 RowValue1, u32 RowValue2 and L - 8 bytes of text area (a
// null-terminated text, then what the list keeps after it).
//
// Plain mode: row k lies at first + (k - 1) * L. Block mode: rows are
// grouped by number into blocks of N, stored as described in block_cache.h;
// row k lies at ((k - 1) mod N) * L inside the expansion of block
// (k - 1) div N.
//
// This class knows the file and its rows only; finding words, postings and
// selections belong to the list that owns it, as does seeding the key cache
// from row texts.
#ifndef VX_ENGINE_FILES_ROW_FILE_H_
#define VX_ENGINE_FILES_ROW_FILE_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/files/block_appender.h"
#include "engine/files/block_cache.h"
#include "engine/files/file.h"
#include "engine/files/key_cache.h"

namespace vx {

class Tvxpeklista;

class Tvxindexblobfil {
 public:
  static constexpr uint64_t kHeaderSize = 22;
  static constexpr size_t kValuesSize = 8;
  // Row lengths outside these bounds, or a first row inside the header,
  // mark a damaged header.
  static constexpr uint32_t kMinRowLength = 8;
  static constexpr uint32_t kMaxRowLength = 65536;

  // Status of Open: the owner tells the user about kCannotOpen.
  enum Status : int {
    kOk = 0,
    kCannotCreate = 1,  // missing and not created (read-only, or creating failed)
    kCannotOpen = 2,    // exists but could not be opened, or its header is damaged
  };
  // Results of ReadRow.
  enum RowStatus : int { kRowRead = 0, kNotReady = 1, kNoSuchRow = 2 };

  Tvxindexblobfil() = default;
  ~Tvxindexblobfil() { Close(); }
  Tvxindexblobfil(const Tvxindexblobfil&) = delete;
  Tvxindexblobfil& operator=(const Tvxindexblobfil&) = delete;

  // Settings; they take effect at the next Open.
  void SetFileNames(const std::string& directory, const std::string& name);
  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  // Block mode with the owner's block pointer list, which must outlive the
  // open file; null for plain mode. A block size of 0 is taken as 1.
  void SetBlocks(Tvxpeklista* blocks, uint16_t rows_per_block);
  // Capacity and row length written into the header of a file created by
  // Open; an opened file brings its own.
  void SetShape(uint32_t capacity, uint32_t row_length);
  // A key cache of `size` keys (0 = none), comparing through
  // AccentOrderTable when `keep_accent`, else FoldTable. Created at the
  // first Open; it keeps its keys when the same file is opened again.
  void SetKeyCache(size_t size, bool keep_accent);

  // Opens (or creates, see data_file.h) the file and reads its header.
  // Returns Opened(); status() tells why not.
  bool Open(bool create);
  // Creates the file anew (writable objects only) with an empty header of
  // the given capacity and row length.
  bool CreateNew(uint32_t capacity, uint32_t row_length);
  // Flushes a pending block and writes the header back when rows were
  // added, then closes.
  void Close();

  // Reads row `row` into the row buffer; a RowStatus. On failure the buffer
  // keeps the previous row. Expanding a block may raise the codec's
  // exceptions.
  int ReadRow(int64_t row);
  // The row read last: L bytes (empty before the first read).
  std::span<const uint8_t> RowBytes() const { return row_; }
  uint32_t RowValue1() const;
  uint32_t RowValue2() const;
  std::span<const uint8_t> RowTextArea() const;

  // Appends a row of at most L bytes (zero-padded to L). False when not
  // writable, the row is too long, the capacity is reached, a block-mode
  // file does not end on a whole block, or writing failed.
  bool AppendRow(std::span<const uint8_t> row);
  // Writes the pending block (block mode); true when nothing was pending.
  bool FlushBlock();

  bool Opened() const { return file_.IsOpen(); }
  int status() const { return status_; }
  uint32_t RowCount() const { return count_; }
  uint32_t Capacity() const { return capacity_; }
  uint32_t RowLength() const { return row_length_; }
  uint64_t BlockExpansions() const { return blocks_.expansions(); }
  // Bytes of the open file, for owners that check the row count against it.
  uint64_t FileSize() const { return file_.Size(); }
  // Null when the owner asked for none.
  Tvxhash* KeyCache() { return key_cache_.get(); }

 private:
  bool BlockMode() const { return block_list_ != nullptr; }
  void AssertShape() const;
  bool ReadHeader();
  bool WriteHeader();
  void PrepareKeyCache();
  int ReadPlain(int64_t row);
  int ReadInBlock(int64_t row);

  std::string path_;
  bool read_only_ = false;
  bool changed_ = false;
  int status_ = kOk;
  Tvxpeklista* block_list_ = nullptr;
  uint16_t rows_per_block_ = 1;

  File file_;
  uint32_t count_ = 0;
  uint32_t capacity_ = 0;
  uint32_t first_row_ = kHeaderSize;
  uint32_t row_length_ = kMinRowLength;
  uint32_t new_capacity_ = 0;
  uint32_t new_row_length_ = kMinRowLength;

  std::vector<uint8_t> row_;
  std::vector<uint8_t> scratch_;
  BlockCache blocks_;
  BlockAppender pending_;

  size_t key_cache_size_ = 0;
  bool keep_accent_ = false;
  std::unique_ptr<Tvxhash> key_cache_;
  std::string key_cache_path_;  // the file its keys were found in
};

}  // namespace vx

#endif  // VX_ENGINE_FILES_ROW_FILE_H_
