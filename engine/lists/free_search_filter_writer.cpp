#include "engine/lists/free_search_filter_writer.h"

#include <utility>

#include "engine/lists/free_search_filter_format.h"
#include "engine/util/byte_order.h"
#include "engine/util/crc32c.h"

namespace vx {
namespace {

constexpr size_t kFlushBytes = 1 << 16;
constexpr uint32_t kLastCode = (1u << 24) - 1;

}  // namespace

FreeSearchFilterWriter::FreeSearchFilterWriter(std::string path, size_t block_bytes)
    : path_(std::move(path)), block_bytes_(block_bytes) {}

FreeSearchFilterWriter::Status FreeSearchFilterWriter::Create() {
  written_ = 0;
  buffer_.clear();
  file_block_ = 0;
  block_length_ = 0;
  block_entries_ = 0;
  block_count_ = 0;
  entry_count_ = 0;
  block_table_crc_ = 0;
  table_ended_ = false;
  last_code_ = -1;
  lists_size_ = 0;
  directory_.clear();
  if (!file_.Create(path_)) return status_ = Status::kCannotCreate;
  status_ = Status::kOk;
  // The header is written last, over these bytes.
  const uint8_t zeros[kFilterHeaderSize] = {};
  Put(zeros, sizeof zeros);
  return status_;
}

uint32_t FreeSearchFilterWriter::AddEntry(uint32_t file_block, size_t bytes) {
  if (status_ != Status::kOk) return 0;
  if (table_ended_ || file_block < file_block_) {
    status_ = Status::kOutOfOrder;
    return 0;
  }
  if (block_entries_ > 0 && (file_block != file_block_ || block_length_ + bytes > block_bytes_))
    EndBlock();
  if (block_entries_ == 0) ++block_count_;
  file_block_ = file_block;
  block_length_ += bytes;
  ++block_entries_;
  ++entry_count_;
  return block_count_ - 1;
}

// Writes the row of the block being filled, if any.
void FreeSearchFilterWriter::EndBlock() {
  if (block_entries_ == 0) return;
  uint8_t row[kFilterBlockRowSize];
  StoreU32(row, static_cast<uint32_t>(block_length_));
  StoreU32(row + 4, block_entries_);
  block_table_crc_ = Crc32c(row, block_table_crc_);
  Put(row, sizeof row);
  block_length_ = 0;
  block_entries_ = 0;
}

FreeSearchFilterWriter::Status FreeSearchFilterWriter::AddTrigram(
    uint32_t code, std::span<const uint32_t> blocks) {
  if (status_ != Status::kOk) return status_;
  EndBlock();
  table_ended_ = true;
  bool ordered = code <= kLastCode && static_cast<int64_t>(code) > last_code_ && !blocks.empty();
  for (size_t i = 0; ordered && i < blocks.size(); ++i)
    ordered = blocks[i] < block_count_ && (i == 0 || blocks[i] > blocks[i - 1]);
  if (!ordered) return status_ = Status::kOutOfOrder;
  last_code_ = code;
  const FilterListKind kind = EncodeFilterList(blocks, block_count_, list_);
  const uint8_t row[kFilterTrigramRowSize] = {
      static_cast<uint8_t>(code >> 16), static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code),
      static_cast<uint8_t>(kind)};
  directory_.insert(directory_.end(), row, row + 4);
  directory_.resize(directory_.size() + 8);
  StoreU32(directory_.data() + directory_.size() - 8, static_cast<uint32_t>(list_.size()));
  StoreU32(directory_.data() + directory_.size() - 4, Crc32c(list_));
  Put(list_.data(), list_.size());
  lists_size_ += list_.size();
  return status_;
}

FreeSearchFilterWriter::Status FreeSearchFilterWriter::Finish(uint64_t entry_file_size,
                                                              uint32_t entry_file_blocks) {
  if (status_ != Status::kOk) {
    file_.Close();
    return std::exchange(status_, Status::kNotOpen);
  }
  EndBlock();
  Put(directory_.data(), directory_.size());
  FreeSearchFilterHeader header;
  header.entry_file_size = entry_file_size;
  header.entry_file_blocks = entry_file_blocks;
  header.entry_count = static_cast<uint32_t>(entry_count_);
  header.block_count = block_count_;
  header.trigram_count = static_cast<uint32_t>(directory_.size() / kFilterTrigramRowSize);
  header.lists_size = lists_size_;
  header.block_table_crc = block_table_crc_;
  header.directory_crc = Crc32c(directory_);
  uint8_t bytes[kFilterHeaderSize];
  header.Store(bytes);
  const bool written = Flush() && file_.WriteAt(0, bytes, sizeof bytes);
  file_.Close();
  status_ = Status::kNotOpen;
  return written ? Status::kOk : Status::kWriteFailed;
}

void FreeSearchFilterWriter::Put(const uint8_t* bytes, size_t n) {
  buffer_.insert(buffer_.end(), bytes, bytes + n);
  if (buffer_.size() >= kFlushBytes && !Flush()) status_ = Status::kWriteFailed;
}

bool FreeSearchFilterWriter::Flush() {
  if (buffer_.empty()) return true;
  const bool ok = file_.WriteAt(written_, buffer_.data(), buffer_.size());
  written_ += buffer_.size();
  buffer_.clear();
  return ok;
}

}  // namespace vx
