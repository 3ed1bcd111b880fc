#include "engine/lists/index_list.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/files/data_file.h"
#include "engine/util/byte_order.h"
#include "engine/util/message_sink.h"
#include "language/message_id.h"

namespace vx {
namespace {

// A block's length word alone takes 4 bytes of the row file.
constexpr uint64_t kMinBlockBytes = 4;

uint32_t RowLengthFor(int32_t radmaxlen) {
  return static_cast<uint32_t>(std::max(radmaxlen, 0)) +
         static_cast<uint32_t>(Tvxindexblobfil::kValuesSize);
}

}  // namespace

bool TVXindex::Open() {
  if (!OpenFiles()) return false;
  SeedKeyCache();
  return true;
}

bool TVXindex::OpenFiles() {
  TVXindex::Close();
  if (properties_.LZH) {
    blocks_.SetFileNames(properties_.LZHfilkat, properties_.BlockListName());
    blocks_.SetReadOnly(properties_.RO);
    blocks_.SetCapacity(kNewBlockListCapacity);  // for a list that opening creates
    blocks_.Open(false);                         // a missing list only makes the rows unreadable
  }
  ConfigureRowFile();
  if (!rows_.Open(false)) {
    if (rows_.status() == Tvxindexblobfil::kCannotOpen) {
      ReportMessage(Message{MessageId::EngineListCannotOpen,
                            {DataFilePath(properties_.filkat, properties_.RowFileName())}});
    }
    blocks_.Close();
    return false;
  }
  TakeShapeFromFile();
  row_count_ = static_cast<int32_t>(std::min(rows_.RowCount(), RowsTheFilesHold()));
  return true;
}

size_t TVXindex::PinnedRows() {
  return (size_t{1} << kPinnedLevels) - 1;
}

bool TVXindex::CreateNew() {
  TVXindex::Close();
  if (properties_.RO) return false;
  if (properties_.LZH) {
    blocks_.SetFileNames(properties_.LZHfilkat, properties_.BlockListName());
    blocks_.SetReadOnly(false);
    blocks_.SetCapacity(kNewBlockListCapacity);
    if (!blocks_.Open(true)) return false;
  }
  ConfigureRowFile();
  if (!rows_.Open(true)) {
    blocks_.Close();
    return false;
  }
  TakeShapeFromFile();
  row_count_ = 0;
  return true;
}

void TVXindex::ConfigureRowFile() {
  rows_.SetFileNames(properties_.filkat, properties_.RowFileName());
  rows_.SetReadOnly(properties_.RO);
  rows_.SetBlocks(properties_.LZH ? &blocks_ : nullptr, properties_.LZHraderperblock);
  rows_.SetKeyCache(static_cast<size_t>(std::max(properties_.hash, 0)), properties_.keepaccent);
  // The shape of a file that opening creates.
  rows_.SetShape(static_cast<uint32_t>(std::max(properties_.maxrader, 0)),
                 RowLengthFor(properties_.radmaxlen));
  table_ = properties_.keepaccent ? &AccentOrderTable() : &FoldTable();
}

void TVXindex::TakeShapeFromFile() {
  memo_.Reset(rows_.RowLength(), PinnedRows());
  properties_.radmaxlen = static_cast<int32_t>(rows_.RowLength() - Tvxindexblobfil::kValuesSize);
  properties_.maxrader = static_cast<int32_t>(std::min<uint32_t>(rows_.Capacity(), INT32_MAX));
}

uint32_t TVXindex::RowsTheFilesHold() const {
  const uint64_t size = rows_.FileSize();
  const uint64_t body =
      size > Tvxindexblobfil::kHeaderSize ? size - Tvxindexblobfil::kHeaderSize : 0;
  uint64_t rows = body / rows_.RowLength();
  if (properties_.LZH) {
    const uint64_t blocks =
        blocks_.Opened() ? std::min<uint64_t>(blocks_.Count(), body / kMinBlockBytes) : 0;
    rows = blocks * std::max<uint16_t>(properties_.LZHraderperblock, 1);
  }
  return static_cast<uint32_t>(std::min<uint64_t>(rows, INT32_MAX));
}

void TVXindex::SeedKeyCache() {
  Tvxhash* cache = rows_.KeyCache();
  if (cache == nullptr || cache->Count() > 0 || row_count_ < kMinRowsToSeed) return;
  const int32_t quarter = row_count_ / 4;
  for (const int32_t row : {quarter, row_count_ / 2, 3 * quarter}) {
    if (ReadRow(row).ok()) cache->Add(text_.c_str(), row);
  }
  ForgetRow();
}

void TVXindex::Close() {
  rows_.Close();  // first: it flushes its pending block into the block list
  blocks_.Close();
  row_count_ = 0;
  memo_.Clear();
  ForgetRow();
}

void TVXindex::ForgetRow() {
  row_.clear();
  text_.clear();
}

bool TVXindex::AppendRow(std::string_view text, uint32_t value1) {
  text = text.substr(0, std::min(text.find('\0'), TextAreaSize() > 0 ? TextAreaSize() - 1 : 0));
  return AppendRowBytes(value1,
                        std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

bool TVXindex::AppendRowBytes(uint32_t value1, std::span<const uint8_t> text_area) {
  if (!Opened() || text_area.size() > TextAreaSize()) return false;
  std::vector<uint8_t> row(Tvxindexblobfil::kValuesSize, 0);
  StoreU32(row.data(), value1);
  row.insert(row.end(), text_area.begin(), text_area.end());
  if (!rows_.AppendRow(row)) return false;
  row_count_ = static_cast<int32_t>(std::min<uint32_t>(rows_.RowCount(), INT32_MAX));
  return true;
}

size_t TVXindex::TextAreaSize() const {
  if (Opened()) return rows_.RowLength() - Tvxindexblobfil::kValuesSize;
  return RowLengthFor(properties_.radmaxlen) - Tvxindexblobfil::kValuesSize;
}

Status TVXindex::ReadRow(int64_t row) {
  if (!Opened())
    return Status::Said(Status::Code::kIOError,
                        {MessageId::EngineListNotOpen, {properties_.RowFileName()}});
  if (row >= 1 && row <= row_count_) {
    row_from_memo_ = false;
    if (const std::span<const uint8_t> kept = memo_.Find(static_cast<int32_t>(row));
        !kept.empty()) {
      TakeRow(kept);
      row_from_memo_ = true;
      return Status::OK();
    }
    if (rows_.ReadRow(row) == Tvxindexblobfil::kRowRead) {
      TakeRow(rows_.RowBytes());
      return Status::OK();
    }
  }
  return Status::Said(Status::Code::kNotFound, {MessageId::EngineRowMissing,
                                                {std::to_string(row), properties_.RowFileName()}});
}

void TVXindex::TakeRow(std::span<const uint8_t> bytes) {
  row_.assign(bytes.begin(), bytes.end());
  const std::span<const uint8_t> area = RowTextArea();
  const void* end = std::memchr(area.data(), 0, area.size());
  const size_t length = end != nullptr
                            ? static_cast<size_t>(static_cast<const uint8_t*>(end) - area.data())
                            : area.size();
  text_.assign(reinterpret_cast<const char*>(area.data()), length);
}

uint32_t TVXindex::RowValue1() const {
  return row_.size() >= Tvxindexblobfil::kValuesSize ? LoadU32(row_.data()) : 0xFFFFFFFF;
}

uint32_t TVXindex::RowValue2() const {
  return row_.size() >= Tvxindexblobfil::kValuesSize ? LoadU32(row_.data() + 4) : 0;
}

std::span<const uint8_t> TVXindex::RowTextArea() const {
  if (row_.size() < Tvxindexblobfil::kValuesSize) return {};
  return std::span(row_).subspan(Tvxindexblobfil::kValuesSize);
}

int32_t TVXindex::Find(std::string_view word, bool prefix) {
  if (!Opened() || row_count_ == 0) return -1;
  // A text ends at its zero byte, as the comparisons read it.
  word_.assign(word.substr(0, std::min(word.find('\0'), kMaxWordLength)));
  int64_t lo = 1;
  int64_t hi = row_count_;
  if (const Tvxhash* cache = rows_.KeyCache(); cache != nullptr) {
    const Tvxhash::Range range = cache->Bounds(word_.c_str());
    if (range.lo > 0) lo = std::min<int64_t>(range.lo, row_count_);
    if (range.hi > 0) hi = std::min<int64_t>(range.hi, row_count_);
    if (lo > hi) {  // keys that no longer fit the file
      lo = 1;
      hi = row_count_;
    }
  }
  int comparison = 0;
  for (int level = 0; hi - lo >= 2; ++level) {
    const int64_t mid = (lo + hi) / 2;
    if (!Probe(mid, prefix, level < kPinnedLevels, comparison)) return -1;
    if (comparison <= 0) {
      hi = mid;
    } else {
      lo = mid;
    }
  }
  int32_t found = -1;
  if (!Probe(lo, prefix, false, comparison)) return -1;
  if (comparison == 0) {
    found = static_cast<int32_t>(lo);
  } else if (hi != lo) {
    if (!Probe(hi, prefix, false, comparison)) return -1;
    if (comparison == 0) found = static_cast<int32_t>(hi);
  }
  if (unread_probe_ > 0 && !ReadRow(unread_probe_).ok()) return -1;
  if (found > 0) {
    if (Tvxhash* cache = rows_.KeyCache(); cache != nullptr) cache->Add(word_.c_str(), found);
  }
  return found;
}

Status TVXindex::ReadProbe(int64_t row, bool pin) {
  Status status = ReadRow(row);
  if (status.ok() && !row_from_memo_) {
    memo_.Add(static_cast<int32_t>(row), row_, pin);
  }
  return status;
}

int TVXindex::CompareWord(const char* text, bool prefix) const {
  return prefix ? ComparePrefix(word_.c_str(), text, word_.size(), *table_)
                : CompareTexts(word_.c_str(), text, *table_);
}

bool TVXindex::Probe(int64_t row, bool prefix, bool pin, int& comparison) {
  // A kept row whose text ends inside its area is compared where it lies:
  // copying every probed row into the row buffer would cost more than the
  // comparison. The buffer takes the last row probed when Find ends.
  const std::span<const uint8_t> kept = memo_.Find(static_cast<int32_t>(row));
  if (kept.size() > Tvxindexblobfil::kValuesSize) {
    const std::span<const uint8_t> area = kept.subspan(Tvxindexblobfil::kValuesSize);
    if (std::memchr(area.data(), 0, area.size()) != nullptr) {
      comparison = CompareWord(reinterpret_cast<const char*>(area.data()), prefix);
      unread_probe_ = row;
      return true;
    }
  }
  unread_probe_ = 0;
  if (!ReadProbe(row, pin).ok()) return false;
  comparison = CompareWord(text_.c_str(), prefix);
  return true;
}

}  // namespace vx
