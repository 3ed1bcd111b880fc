#include "engine/files/record_file.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "engine/codec/compress_errors.h"
#include "engine/files/data_file.h"
#include "engine/files/pointer_list.h"
#include "engine/text/collation.h"
#include "engine/util/byte_order.h"

namespace vx {
namespace {

constexpr uint32_t kFirstSeedCount = 101;

}  // namespace

void Tvxblobfil::SetFileNames(const std::string& directory, const std::string& name) {
  path_ = DataFilePath(directory, name);
}

void Tvxblobfil::SetPacking(TblobfilLZHmode mode, uint16_t records_per_block) {
  mode_ = mode;
  records_per_block_ = std::max<uint16_t>(records_per_block, 1);
}

void Tvxblobfil::SetPointerLists(Tvxpeklista* records, Tvxpeklista* blocks) {
  records_ = records;
  block_list_ = blocks;
}

void Tvxblobfil::SetBufferSize(size_t size) {
  buffer_size_ = size;
  buffer_.assign(size + 1, 0);
  record_length_ = 0;
  position_after_record_ = 0;
}

bool Tvxblobfil::Open(bool create) {
  Close();
  status_ = kNotReady;
  const DataFileOpening opening = OpenWithHeader(
      file_, path_, read_only_, create,
      [this] {
        reserved_word_ = 0;
        count_ = 0;
        first_free_ = kHeaderSize;
        return WriteHeader();
      },
      [this] { return ReadHeader(); });
  if (opening == DataFileOpening::kUnopenable || opening == DataFileOpening::kNotCreated) {
    return false;
  }
  status_ = kOk;
  PrepareKeyCache();
  if (key_cache_ && key_cache_->Count() == 0 && count_ >= kFirstSeedCount) SeedKeyCache();
  return true;
}

bool Tvxblobfil::ReadHeader() {
  uint8_t header[kHeaderSize];
  if (!file_.ReadAt(0, header, kHeaderSize)) return false;
  reserved_word_ = LoadU16(header);
  count_ = LoadU32(header + 2);
  first_free_ = LoadU32(header + 6);
  return true;
}

bool Tvxblobfil::WriteHeader() {
  uint8_t header[kHeaderSize] = {};
  StoreU16(header, reserved_word_);
  StoreU32(header + 2, count_);
  StoreU32(header + 6, first_free_);
  return file_.WriteAt(0, header, kHeaderSize);
}

void Tvxblobfil::PrepareKeyCache() {
  if (key_cache_size_ == 0 && !key_cache_) return;
  if (!key_cache_) key_cache_ = std::make_unique<Tvxhash>(FoldTable());
  // Keys found in another file would narrow searches wrongly.
  if (key_cache_path_ != file_.path() || key_cache_->Capacity() != key_cache_size_) {
    key_cache_->SetCapacity(key_cache_size_);
    key_cache_path_ = file_.path();
  }
}

void Tvxblobfil::SeedKeyCache() {
  const uint32_t quarter = count_ / 4;
  for (const uint32_t recno : {quarter, count_ / 2, 3 * quarter}) {
    // Seeding only narrows later searches: a damaged block is left for the
    // read that needs it to report.
    try {
      if (ReadRecord(recno) == kOk) key_cache_->Add(FirstField(), static_cast<int32_t>(recno));
    } catch (const ECompressError&) {
    }
  }
}

void Tvxblobfil::Close() {
  if (changed_ && file_.IsWritable()) {
    if (BlockMode() && pending_.pending() > 0) FlushBlock();
    WriteHeader();
    file_.Flush();
  }
  file_.Close();
  count_ = 0;
  changed_ = false;
  pending_.Reset();
  blocks_.Reset();
}

std::span<const uint8_t> Tvxblobfil::Record() const {
  AssertBuffer();
  return std::span<const uint8_t>(buffer_).first(record_length_);
}

// Reads write at most buffer_size_ bytes, so the zero after them stays and
// the first field ends inside the buffer whatever a record holds.
void Tvxblobfil::AssertBuffer() const {
  assert(buffer_.empty() ? buffer_size_ == 0 : buffer_.size() == buffer_size_ + 1);
  assert(record_length_ <= buffer_size_);
  assert(buffer_.empty() || buffer_.back() == 0);
}

bool Tvxblobfil::ReadField(size_t& pos, FieldKind kind, FieldValue& value) const {
  return vx::ReadField(Record(), pos, kind, value);
}

bool Tvxblobfil::ReadBytesAt(uint64_t offset, std::span<uint8_t> out) const {
  return file_.ReadAt(offset, out.data(), out.size());
}

int Tvxblobfil::ReadRecord(int64_t recno) {
  if (!file_.IsOpen() || buffer_size_ == 0 || records_ == nullptr ||
      (BlockMode() && block_list_ == nullptr)) {
    return status_ = kNotReady;
  }
  if (recno < 1 || recno > count_) return status_ = kNoSuchRecord;
  const uint32_t offset = records_->Get(recno);
  if (offset == Tvxpeklista::kNone) return status_ = kNoSuchRecord;
  return status_ = BlockMode() ? ReadInBlock(recno, offset) : ReadPlain(offset);
}

int Tvxblobfil::ReadPlain(uint32_t offset) {
  uint8_t header[kRecordHeaderSize];
  if (!file_.ReadAt(offset, header, kRecordHeaderSize)) return kNoSuchRecord;
  std::memcpy(last_header_.data(), header, kRecordHeaderSize);
  const uint32_t length = LoadU32(header + 4);
  if (length > buffer_size_) return kTooLong;
  if (!file_.ReadAt(uint64_t{offset} + kRecordHeaderSize, buffer_.data(), length)) {
    return kNoSuchRecord;
  }
  record_length_ = length;
  buffer_[length] = 0;
  position_after_record_ = uint64_t{offset} + kRecordHeaderSize + length;
  return kOk;
}

int Tvxblobfil::ReadInBlock(int64_t recno, uint32_t offset) {
  const uint64_t block = static_cast<uint64_t>(recno - 1) / records_per_block_;
  if (!blocks_.Load(file_, *block_list_, block, MaxExpandedBlock())) return kNoSuchRecord;
  const std::span<const uint8_t> expanded = blocks_.Bytes();
  if (offset > expanded.size() || expanded.size() - offset < kRecordHeaderSize) {
    return kNoSuchRecord;
  }
  const std::span<const uint8_t> header = expanded.subspan(offset, kRecordHeaderSize);
  std::memcpy(last_header_.data(), header.data(), kRecordHeaderSize);
  const uint32_t length = LoadU32(header.data() + 4);
  if (length > buffer_size_) return kTooLong;
  const std::span<const uint8_t> rest = expanded.subspan(offset + kRecordHeaderSize);
  if (rest.size() < length) return kNoSuchRecord;
  std::memcpy(buffer_.data(), rest.data(), length);
  record_length_ = length;
  buffer_[length] = 0;
  position_after_record_ = 0;
  return kOk;
}

uint32_t Tvxblobfil::MaxExpandedBlock() const {
  const uint64_t most = uint64_t{records_per_block_} * (kRecordHeaderSize + buffer_size_);
  return static_cast<uint32_t>(std::min<uint64_t>(most, UINT32_MAX));
}

const char* Tvxblobfil::FirstField() const {
  AssertBuffer();
  if (record_length_ < 1) return "";
  return reinterpret_cast<const char*>(buffer_.data() + 1);
}

bool Tvxblobfil::Probe(int64_t recno, const std::string& key, bool prefix, int& comparison) {
  if (ReadRecord(recno) != kOk) return false;
  comparison = prefix ? ComparePrefix(key.c_str(), FirstField(), key.size(), FoldTable())
                      : CompareTexts(key.c_str(), FirstField(), FoldTable());
  return true;
}

int32_t Tvxblobfil::FindRecord(std::string_view key, bool prefix) {
  if (!file_.IsOpen() || count_ == 0) return -1;
  // Text ends at a zero byte, as the comparisons read it.
  std::string wanted(key.substr(0, std::min(key.find('\0'), kMaxKeyLength)));
  const int64_t last = std::min<int64_t>(count_, INT32_MAX);
  int64_t lo = 1;
  int64_t hi = last;
  if (key_cache_) {
    const Tvxhash::Range range = key_cache_->Bounds(wanted.c_str());
    if (range.lo > 0) lo = std::min<int64_t>(range.lo, last);
    if (range.hi > 0) hi = std::min<int64_t>(range.hi, last);
    if (lo > hi) {  // keys cached from another file
      lo = 1;
      hi = last;
    }
  }
  int comparison = 0;
  while (hi - lo >= 2) {
    const int64_t mid = (lo + hi) / 2;
    if (!Probe(mid, wanted, prefix, comparison)) return -1;
    if (comparison <= 0) {
      hi = mid;
    } else {
      lo = mid;
    }
  }
  int32_t found = -1;
  if (!Probe(lo, wanted, prefix, comparison)) return -1;
  if (comparison == 0) {
    found = static_cast<int32_t>(lo);
  } else if (hi != lo) {
    if (!Probe(hi, wanted, prefix, comparison)) return -1;
    if (comparison == 0) found = static_cast<int32_t>(hi);
  }
  if (found > 0 && key_cache_) key_cache_->Add(wanted.c_str(), found);
  return found;
}

int64_t Tvxblobfil::AppendRecord(std::span<const uint8_t> data, std::span<const uint8_t> after) {
  if (!file_.IsWritable() || read_only_ || records_ == nullptr || data.size() > buffer_size_ ||
      count_ >= INT32_MAX || records_->Count() >= records_->Capacity() ||
      (BlockMode() && !after.empty())) {
    return -1;
  }
  scratch_.assign(kRecordHeaderSize, 0);
  StoreU32(scratch_.data(), count_ + 1);  // the record's number, for people reading dumps
  StoreU32(scratch_.data() + 4, static_cast<uint32_t>(data.size()));
  scratch_.insert(scratch_.end(), data.begin(), data.end());
  scratch_.insert(scratch_.end(), after.begin(), after.end());
  return BlockMode() ? AppendToBlock(scratch_) : AppendPlain(scratch_);
}

int64_t Tvxblobfil::AppendPlain(std::span<const uint8_t> record) {
  // A first-free offset outside the file cannot be right; append at the end.
  uint64_t offset = first_free_;
  if (offset < kHeaderSize || offset > file_.Size()) offset = file_.Size();
  const uint64_t end = offset + record.size();
  if (end > UINT32_MAX) return -1;
  if (!file_.WriteAt(offset, record.data(), record.size())) return -1;
  if (records_->Append(static_cast<uint32_t>(offset)) < 0) return -1;
  first_free_ = static_cast<uint32_t>(end);
  changed_ = true;
  return ++count_;
}

int64_t Tvxblobfil::AppendToBlock(std::span<const uint8_t> record) {
  if (block_list_ == nullptr) return -1;
  // Records are found by number: a new block must start on a block boundary.
  if (pending_.pending() == 0 && count_ % records_per_block_ != 0) return -1;
  if (pending_.pending_size() + record.size() > UINT32_MAX) return -1;
  const uint64_t offset = pending_.Add(record);
  if (records_->Append(static_cast<uint32_t>(offset)) < 0) return -1;
  changed_ = true;
  ++count_;
  if (pending_.pending() == records_per_block_ && !FlushBlock()) return -1;
  return count_;
}

bool Tvxblobfil::FlushBlock() {
  if (pending_.pending() == 0) return true;
  if (!file_.IsWritable() || block_list_ == nullptr) return false;
  const bool written = pending_.Flush(file_, *block_list_);
  if (file_.Size() <= UINT32_MAX) first_free_ = static_cast<uint32_t>(file_.Size());
  changed_ = true;
  return written;
}

}  // namespace vx
