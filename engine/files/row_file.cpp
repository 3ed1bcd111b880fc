#include "engine/files/row_file.h"

#include <algorithm>
#include <cassert>

#include "engine/files/data_file.h"
#include "engine/files/pointer_list.h"
#include "engine/text/collation.h"
#include "engine/util/byte_order.h"

namespace vx {

void Tvxindexblobfil::SetFileNames(const std::string& directory, const std::string& name) {
  path_ = DataFilePath(directory, name);
}

void Tvxindexblobfil::SetBlocks(Tvxpeklista* blocks, uint16_t rows_per_block) {
  block_list_ = blocks;
  rows_per_block_ = std::max<uint16_t>(rows_per_block, 1);
}

void Tvxindexblobfil::SetShape(uint32_t capacity, uint32_t row_length) {
  new_capacity_ = capacity;
  new_row_length_ = std::clamp(row_length, kMinRowLength, kMaxRowLength);
}

void Tvxindexblobfil::SetKeyCache(size_t size, bool keep_accent) {
  key_cache_size_ = size;
  keep_accent_ = keep_accent;
}

bool Tvxindexblobfil::Open(bool create) {
  Close();
  const DataFileOpening opening = OpenWithHeader(
      file_, path_, read_only_, create,
      [this] {
        count_ = 0;
        capacity_ = new_capacity_;
        first_row_ = kHeaderSize;
        row_length_ = new_row_length_;
        return WriteHeader();
      },
      [this] { return ReadHeader(); });
  if (opening == DataFileOpening::kUnopenable || opening == DataFileOpening::kNotCreated) {
    status_ = opening == DataFileOpening::kUnopenable ? kCannotOpen : kCannotCreate;
    return false;
  }
  status_ = kOk;
  row_.clear();
  PrepareKeyCache();
  return true;
}

void Tvxindexblobfil::PrepareKeyCache() {
  if (key_cache_size_ == 0 && !key_cache_) return;
  if (!key_cache_) {
    key_cache_ = std::make_unique<Tvxhash>(keep_accent_ ? AccentOrderTable() : FoldTable());
  }
  // Keys found in another file would narrow searches wrongly.
  if (key_cache_path_ != file_.path() || key_cache_->Capacity() != key_cache_size_) {
    key_cache_->SetCapacity(key_cache_size_);
    key_cache_path_ = file_.path();
  }
}

bool Tvxindexblobfil::CreateNew(uint32_t capacity, uint32_t row_length) {
  SetShape(capacity, row_length);
  return Open(true);
}

bool Tvxindexblobfil::ReadHeader() {
  uint8_t header[kHeaderSize];
  if (!file_.ReadAt(0, header, kHeaderSize)) return false;
  count_ = LoadU32(header + 2);
  capacity_ = LoadU32(header + 6);
  first_row_ = LoadU32(header + 10);
  row_length_ = LoadU32(header + 14);
  // Rows never start inside the header; appending there would overwrite it.
  return first_row_ >= kHeaderSize && row_length_ >= kMinRowLength && row_length_ <= kMaxRowLength;
}

bool Tvxindexblobfil::WriteHeader() {
  uint8_t header[kHeaderSize] = {};
  StoreU32(header + 2, count_);
  StoreU32(header + 6, capacity_);
  StoreU32(header + 10, first_row_);
  StoreU32(header + 14, row_length_);
  return file_.WriteAt(0, header, kHeaderSize);
}

void Tvxindexblobfil::Close() {
  if (changed_ && file_.IsWritable()) {
    if (BlockMode() && pending_.pending() > 0) FlushBlock();
    WriteHeader();
    file_.Flush();
  }
  file_.Close();
  count_ = 0;
  changed_ = false;
  row_.clear();
  pending_.Reset();
  blocks_.Reset();
}

int Tvxindexblobfil::ReadRow(int64_t row) {
  if (!file_.IsOpen()) return kNotReady;
  AssertShape();
  if (row < 1 || row > count_) return kNoSuchRow;
  const int status = BlockMode() ? ReadInBlock(row) : ReadPlain(row);
  // The row buffer holds a whole row or nothing, so that its values and
  // text area lie inside it.
  assert(row_.empty() || row_.size() == row_length_);
  return status;
}

// An open file's shape, checked when its header was read or written: rows
// of kMinRowLength .. kMaxRowLength bytes from after the header on.
void Tvxindexblobfil::AssertShape() const {
  assert(row_length_ >= kMinRowLength && row_length_ <= kMaxRowLength);
  assert(first_row_ >= kHeaderSize);
}

int Tvxindexblobfil::ReadPlain(int64_t row) {
  scratch_.resize(row_length_);
  const uint64_t offset = first_row_ + static_cast<uint64_t>(row - 1) * row_length_;
  if (!file_.ReadAt(offset, scratch_.data(), row_length_)) return kNoSuchRow;
  row_.swap(scratch_);
  return kRowRead;
}

int Tvxindexblobfil::ReadInBlock(int64_t row) {
  const uint64_t index = static_cast<uint64_t>(row - 1);
  const uint64_t block = index / rows_per_block_;
  const uint32_t max_expanded = rows_per_block_ * row_length_;  // at most 2^32 - 2^16
  if (!blocks_.Load(file_, *block_list_, block, max_expanded)) return kNoSuchRow;
  const std::span<const uint8_t> expanded = blocks_.Bytes();
  const uint64_t offset = (index % rows_per_block_) * row_length_;
  if (offset > expanded.size() || expanded.size() - offset < row_length_) return kNoSuchRow;
  const std::span<const uint8_t> bytes = expanded.subspan(offset, row_length_);
  row_.assign(bytes.begin(), bytes.end());
  return kRowRead;
}

uint32_t Tvxindexblobfil::RowValue1() const {
  return row_.size() >= kValuesSize ? LoadU32(row_.data()) : 0xFFFFFFFF;
}

uint32_t Tvxindexblobfil::RowValue2() const {
  return row_.size() >= kValuesSize ? LoadU32(row_.data() + 4) : 0;
}

std::span<const uint8_t> Tvxindexblobfil::RowTextArea() const {
  if (row_.size() < kValuesSize) return {};
  return std::span<const uint8_t>(row_).subspan(kValuesSize);
}

bool Tvxindexblobfil::AppendRow(std::span<const uint8_t> row) {
  if (!file_.IsWritable() || read_only_ || row.size() > row_length_ || count_ >= capacity_) {
    return false;
  }
  AssertShape();
  scratch_.assign(row.begin(), row.end());
  scratch_.resize(row_length_, 0);
  if (BlockMode()) {
    // Rows are found by number: a new block must start on a block boundary.
    if (pending_.pending() == 0 && count_ % rows_per_block_ != 0) return false;
    pending_.Add(scratch_);
    ++count_;
    changed_ = true;
    assert(pending_.pending() <= rows_per_block_ &&
           (count_ - pending_.pending()) % rows_per_block_ == 0);
    return pending_.pending() < rows_per_block_ || FlushBlock();
  }
  const uint64_t offset = first_row_ + uint64_t{count_} * row_length_;
  if (!file_.WriteAt(offset, scratch_.data(), scratch_.size())) return false;
  ++count_;
  changed_ = true;
  return true;
}

bool Tvxindexblobfil::FlushBlock() {
  if (pending_.pending() == 0) return true;
  if (!file_.IsWritable() || !BlockMode()) return false;
  return pending_.Flush(file_, *block_list_);
}

}  // namespace vx
