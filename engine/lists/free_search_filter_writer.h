// FreeSearchFilterWriter: writes the trigram filter of a free-search list
// (format in free_search_filter_format.h) while the list is written.
//
// The writer is told of every entry as the list's writer places it, and
// cuts the entry file's blocks into filter blocks of whole entries, a new
// one when the next entry would make the current one longer than the
// block size or lies in the next block of the entry file; the block table
// goes to the file as it grows. Once the list is written, the caller hands
// over each trigram with the filter blocks that hold it, in trigram order
// (a builder sorts them through temporary files); only the directory,
// twelve bytes a trigram, is held until the end.
//
// Equal calls write equal bytes.
#ifndef VX_ENGINE_LISTS_FREE_SEARCH_FILTER_WRITER_H_
#define VX_ENGINE_LISTS_FREE_SEARCH_FILTER_WRITER_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/files/file.h"

namespace vx {

class FreeSearchFilterWriter {
 public:
  // About a kilobyte: a term that occurs all over a list still leaves most
  // of its blocks unread, and the filter stays a tenth or less of the list.
  static constexpr size_t kBlockBytes = 1024;

  enum class Status : uint8_t {
    kOk,
    kNotOpen,       // Create was not called or failed, or Finish was
    kCannotCreate,  // the file could not be created
    kOutOfOrder,    // an entry after the trigrams, a trigram or block out of order
    kWriteFailed,
  };

  explicit FreeSearchFilterWriter(std::string path, size_t block_bytes = kBlockBytes);
  FreeSearchFilterWriter(const FreeSearchFilterWriter&) = delete;
  FreeSearchFilterWriter& operator=(const FreeSearchFilterWriter&) = delete;

  // Creates the file, replacing a file of the same name.
  Status Create();

  // An entry of `bytes` bytes (text, zero byte, a and b) placed in block
  // `file_block` of the entry file (numbered from 0, never decreasing).
  // Returns the filter block that holds it.
  uint32_t AddEntry(uint32_t file_block, size_t bytes);

  // After the last entry: the filter blocks, ascending, that hold trigram
  // `code` (TrigramCode); codes ascending.
  Status AddTrigram(uint32_t code, std::span<const uint32_t> blocks);

  // Writes the directory and the header, naming the entry file's size and
  // block count, and closes the file.
  Status Finish(uint64_t entry_file_size, uint32_t entry_file_blocks);

  // Filter blocks so far, the one being filled included.
  uint32_t BlockCount() const { return block_count_; }

 private:
  void EndBlock();
  void Put(const uint8_t* bytes, size_t n);
  bool Flush();

  std::string path_;
  size_t block_bytes_;
  File file_;
  Status status_ = Status::kNotOpen;
  uint64_t written_ = 0;  // bytes in the file, the buffer not counted
  std::vector<uint8_t> buffer_;
  // The block being filled.
  uint32_t file_block_ = 0;
  uint64_t block_length_ = 0;
  uint32_t block_entries_ = 0;
  uint32_t block_count_ = 0;
  uint64_t entry_count_ = 0;
  uint32_t block_table_crc_ = 0;
  bool table_ended_ = false;
  // The trigrams.
  int64_t last_code_ = -1;
  uint64_t lists_size_ = 0;
  std::vector<uint8_t> list_;
  std::vector<uint8_t> directory_;
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_FREE_SEARCH_FILTER_WRITER_H_
