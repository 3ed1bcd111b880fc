// FreeSearchListWriter: writes the two files of a free-search list that
// TVXfrisoeklista reads with the same properties (format in
// free_search_list.h). Entries are packed into blocks in the order added;
// no block exceeds urvalbufsiz.
//
// An entry of one record is written as (record, 0); the records of an
// entry of more are written as postings into the postings file, one item
// each, and the entry holds (offset of the first number, count).
#ifndef VX_ENGINE_LISTS_FREE_SEARCH_LIST_WRITER_H_
#define VX_ENGINE_LISTS_FREE_SEARCH_LIST_WRITER_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "engine/lists/blob_file.h"
#include "engine/lists/free_search_list_properties.h"

namespace vx {

class FreeSearchListWriter {
 public:
  enum class Status : uint8_t {
    kOk,
    kNotOpen,         // Create was not called or failed, or Finish was
    kCannotCreate,    // a file could not be created
    kZeroByteInText,  // a text holds a zero byte, which would end it early
    kEntryTooLong,    // text, zero byte, a and b exceed urvalbufsiz
    kBadRecords,      // no records, a 0, or not strictly ascending
    kFileTooLarge,    // postings beyond the 4 GB that a can address
    kWriteFailed,
  };

  // The RO property is ignored: a writer writes.
  explicit FreeSearchListWriter(FreeSearchListProperties properties);
  // Finishes a list not yet finished.
  ~FreeSearchListWriter() { Finish(); }
  FreeSearchListWriter(const FreeSearchListWriter&) = delete;
  FreeSearchListWriter& operator=(const FreeSearchListWriter&) = delete;

  // Creates both files, replacing files of the same names.
  Status Create();

  // Adds an entry: `text` (Windows-1252) and the records that hold it, in
  // ascending order. Nothing is written unless kOk.
  Status Add(std::string_view text, std::span<const uint32_t> records);

  // Writes the pending block and both headers and closes the files.
  Status Finish();

  uint32_t EntryCount() const { return entry_count_; }
  // Blocks written so far (the pending one not counted).
  uint32_t BlockCount() const { return block_count_; }

 private:
  Status Check(std::string_view text, std::span<const uint32_t> records) const;
  Status WritePostings(std::span<const uint32_t> records, uint32_t& offset);
  Status FlushBlock();

  FreeSearchListProperties properties_;
  bool open_ = false;
  uint32_t entry_count_ = 0;
  uint32_t block_count_ = 0;
  Tvxenkelblobfil entries_;
  Tvxenkelblobfil postings_;
  // The pending block is built in the entry file's buffer.
  size_t block_length_ = 0;
  std::vector<uint8_t> run_;
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_FREE_SEARCH_LIST_WRITER_H_
