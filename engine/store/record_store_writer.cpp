#include "engine/store/record_store_writer.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "engine/store/record_store.h"
#include "engine/util/byte_order.h"

namespace vx {
namespace {

// Lists grow while writing; Finish sets the capacity to the count.
constexpr uint32_t kUnbounded = 0xFFFFFFFE;

bool CreateList(Tvxpeklista& list, const std::string& directory, const std::string& name) {
  list.SetFileNames(directory, name);
  list.SetReadOnly(false);
  list.SetCapacity(kUnbounded);
  return list.Open(true);
}

}  // namespace

RecordStoreWriter::RecordStoreWriter(RegtextProperties properties)
    : properties_(std::move(properties)) {}

RecordStoreWriter::Status RecordStoreWriter::Create() {
  Finish();
  const RegtextProperties& p = properties_;
  if (!CreateList(record_list_, p.pfilkat, p.PointerListName())) return Status::kCannotCreate;
  if (p.BlockMode() && !CreateList(block_list_, p.LZHfilkat, p.BlockListName())) {
    record_list_.Close();
    return Status::kCannotCreate;
  }
  record_file_.SetFileNames(p.bfilkat, p.RecordFileName());
  record_file_.SetReadOnly(false);
  record_file_.SetPacking(p.LZH, p.LZHposterperblock);
  record_file_.SetPointerLists(&record_list_, p.BlockMode() ? &block_list_ : nullptr);
  record_file_.SetBufferSize(static_cast<size_t>(std::max(p.textmaxsiz, 0)));
  if (!record_file_.Open(true)) {
    record_list_.Close();
    block_list_.Close();
    return Status::kCannotCreate;
  }
  open_ = true;
  count_ = 0;
  return Status::kOk;
}

RecordStoreWriter::Status RecordStoreWriter::Append(std::span<const FieldValue> fields) {
  if (!open_) return Status::kNotOpen;
  const Status encoded = Encode(fields);
  if (encoded != Status::kOk) return encoded;
  if (record_.size() > static_cast<size_t>(std::max(properties_.textmaxsiz, 0))) {
    return Status::kRecordTooLong;
  }
  if (record_file_.AppendRecord(record_) < 0) return Status::kWriteFailed;
  ++count_;
  return Status::kOk;
}

RecordStoreWriter::Status RecordStoreWriter::Encode(std::span<const FieldValue> fields) {
  if (fields.size() != properties_.labels.size()) return Status::kWrongFieldCount;
  record_.clear();
  for (size_t i = 0; i < fields.size(); ++i) {
    const std::optional<FieldKind> kind = LabelKind(properties_.labels[i]);
    if (!kind) continue;
    const Status status = EncodeField(*kind, fields[i]);
    if (status != Status::kOk) return status;
  }
  return Status::kOk;
}

RecordStoreWriter::Status RecordStoreWriter::EncodeField(FieldKind kind, const FieldValue& value) {
  record_.push_back(static_cast<uint8_t>('0' + static_cast<int>(kind)));
  if (IsTextKind(kind)) {
    const size_t limit = kind == FieldKind::kShortText
                             ? TVXregtext::kMaxShortText
                             : static_cast<size_t>(std::max(properties_.pcsiz - 1, 0));
    if (value.text.find('\0') != std::string_view::npos) return Status::kZeroByteInText;
    if (value.text.size() > limit) return Status::kTextTooLong;
    record_.insert(record_.end(), value.text.begin(), value.text.end());
    record_.push_back(0);
    return Status::kOk;
  }
  uint8_t bytes[4];
  if (kind == FieldKind::kWord) {
    if (value.number < INT16_MIN || value.number > INT16_MAX) return Status::kNumberOutOfRange;
    StoreU16(bytes, static_cast<uint16_t>(value.number));
  } else {
    StoreU32(bytes, static_cast<uint32_t>(value.number));
  }
  record_.insert(record_.end(), bytes, bytes + NumberSize(kind));
  return Status::kOk;
}

RecordStoreWriter::Status RecordStoreWriter::Finish() {
  if (!open_) return Status::kNotOpen;
  open_ = false;
  const bool flushed = record_file_.FlushBlock();
  record_file_.Close();
  record_list_.SetCapacity(record_list_.Count());
  const bool listed = record_list_.Flush();
  record_list_.Close();
  bool blocks_listed = true;
  if (properties_.BlockMode()) {
    block_list_.SetCapacity(block_list_.Count());
    blocks_listed = block_list_.Flush();
    block_list_.Close();
  }
  return flushed && listed && blocks_listed ? Status::kOk : Status::kWriteFailed;
}

}  // namespace vx
