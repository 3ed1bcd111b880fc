#include "engine/lists/free_search_list_writer.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/lists/free_search_block_index.h"
#include "engine/lists/postings_writer.h"
#include "engine/util/byte_order.h"

namespace vx {
namespace {

constexpr size_t kFirstPostingsBuffer = 4096;

size_t BlockLimit(const FreeSearchListProperties& properties) {
  return static_cast<size_t>(std::max(properties.urvalbufsiz, 0));
}

}  // namespace

FreeSearchListWriter::FreeSearchListWriter(FreeSearchListProperties properties)
    : properties_(std::move(properties)) {}

FreeSearchListWriter::Status FreeSearchListWriter::Create() {
  Finish();
  entries_.SetFileNames(properties_.b1filkat, properties_.EntryFileName());
  entries_.SetReadOnly(false);
  entries_.SetBufferSize(BlockLimit(properties_));
  postings_.SetFileNames(properties_.b2filkat, properties_.PostingsFileName());
  postings_.SetReadOnly(false);
  postings_.SetBufferSize(kFirstPostingsBuffer);
  if (!entries_.Open(true) || !postings_.Open(true)) {
    entries_.Close();
    postings_.Close();
    return Status::kCannotCreate;
  }
  open_ = true;
  entry_count_ = 0;
  block_count_ = 0;
  block_length_ = 0;
  return Status::kOk;
}

FreeSearchListWriter::Status FreeSearchListWriter::Check(std::string_view text,
                                                         std::span<const uint32_t> records) const {
  if (!open_) return Status::kNotOpen;
  if (text.find('\0') != std::string_view::npos) return Status::kZeroByteInText;
  if (text.size() + FreeSearchEntry::kTrailerSize > BlockLimit(properties_))
    return Status::kEntryTooLong;
  if (records.empty() || records[0] == 0) return Status::kBadRecords;
  for (size_t i = 1; i < records.size(); ++i) {
    if (records[i] <= records[i - 1]) return Status::kBadRecords;
  }
  return Status::kOk;
}

FreeSearchListWriter::Status FreeSearchListWriter::Add(std::string_view text,
                                                       std::span<const uint32_t> records) {
  if (const Status status = Check(text, records); status != Status::kOk) return status;
  const size_t length = text.size() + FreeSearchEntry::kTrailerSize;
  if (block_length_ + length > BlockLimit(properties_)) {
    if (const Status status = FlushBlock(); status != Status::kOk) return status;
  }
  uint32_t a = records[0];
  uint32_t b = 0;
  if (records.size() > 1) {
    if (const Status status = WritePostings(records, a); status != Status::kOk) return status;
    b = static_cast<uint32_t>(records.size());
  }
  uint8_t* p = entries_.Buffer().data() + block_length_;
  std::memcpy(p, text.data(), text.size());
  p += text.size();
  *p++ = 0;
  StoreU32(p, a);
  StoreU32(p + 4, b);
  block_length_ += length;
  ++entry_count_;
  return Status::kOk;
}

FreeSearchListWriter::Status FreeSearchListWriter::WritePostings(std::span<const uint32_t> records,
                                                                 uint32_t& offset) {
  if (records.size() > UINT32_MAX) return Status::kBadRecords;
  run_.clear();
  if (!AppendPostings(records, run_)) return Status::kBadRecords;
  // The entry addresses the first number, after the item's length word.
  if (postings_.FileSize() + 4 > UINT32_MAX) return Status::kFileTooLarge;
  if (postings_.Buffer().size() < run_.size())
    postings_.SetBufferSize(std::max(run_.size(), 2 * postings_.Buffer().size()));
  std::memcpy(postings_.Buffer().data(), run_.data(), run_.size());
  postings_.SetItemLength(run_.size());
  const int64_t item = postings_.Append();
  if (item < 0) return Status::kWriteFailed;
  offset = static_cast<uint32_t>(item + 4);
  return Status::kOk;
}

FreeSearchListWriter::Status FreeSearchListWriter::FlushBlock() {
  if (block_length_ == 0) return Status::kOk;
  entries_.SetItemLength(block_length_);
  block_length_ = 0;
  if (entries_.Append() < 0) return Status::kWriteFailed;
  ++block_count_;
  return Status::kOk;
}

FreeSearchListWriter::Status FreeSearchListWriter::Finish() {
  if (!open_) return Status::kNotOpen;
  const Status status = FlushBlock();
  entries_.Close();
  postings_.Close();
  open_ = false;
  return status;
}

}  // namespace vx
