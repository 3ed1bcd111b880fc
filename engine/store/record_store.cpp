#include "engine/store/record_store.h"

#include <algorithm>
#include <string>

#include "language/message_id.h"

namespace vx {

bool TVXregtext::Open() {
  Close();
  OpenRecordList();
  if (properties_.BlockMode()) OpenBlockList();

  record_file_.SetFileNames(properties_.bfilkat, properties_.RecordFileName());
  record_file_.SetReadOnly(properties_.RO);
  record_file_.SetPacking(properties_.LZH, properties_.LZHposterperblock);
  record_file_.SetPointerLists(record_list_.get(), block_list_.get());
  record_file_.SetBufferSize(static_cast<size_t>(std::max(properties_.textmaxsiz, 0)));
  record_file_.SetKeyCacheSize(static_cast<size_t>(std::max(properties_.hash, 0)));
  if (!record_file_.Open(false)) {
    record_list_.reset();  // a closed store holds no files
    block_list_.reset();
    return false;
  }

  opened_ = true;
  record_count_ = record_file_.RecordCount();
  long_texts_.assign(static_cast<size_t>(std::clamp(properties_.antpc, 1, kMaxLongTexts)), {});
  long_text_limit_ = static_cast<size_t>(std::max(properties_.pcsiz - 1, 0));
  ClearDecoded();
  return true;
}

void TVXregtext::OpenRecordList() {
  const int32_t type = properties_.pltyp;
  if (type < 0) return;
  if (type == 0) {
    record_list_ = std::make_unique<Tvxpeklista>(PointerListType::kInMemory);
    record_list_->SetCapacity(static_cast<uint32_t>(std::max(properties_.maxrader, 0)));
    return;
  }
  record_list_ = std::make_unique<Tvxpeklista>(type == 1 ? PointerListType::kLoaded
                                                         : PointerListType::kOnDisk);
  record_list_->SetFileNames(properties_.pfilkat, properties_.PointerListName());
  record_list_->SetReadOnly(properties_.RO);
  record_list_->Open(false);
}

void TVXregtext::OpenBlockList() {
  block_list_ = std::make_unique<Tvxpeklista>(PointerListType::kOnDisk);
  block_list_->SetFileNames(properties_.LZHfilkat, properties_.BlockListName());
  block_list_->SetReadOnly(properties_.RO);
  block_list_->Open(false);
}

void TVXregtext::Close() {
  record_file_.Close();
  record_list_.reset();
  block_list_.reset();
  opened_ = false;
  record_count_ = 0;
  short_fields_.clear();
  short_count_ = 0;
  long_texts_.clear();
  ClearDecoded();
}

Status TVXregtext::ReadRecord(int64_t recno) {
  switch (record_file_.ReadRecord(recno)) {
    case Tvxblobfil::kOk:
      return Status::OK();
    case Tvxblobfil::kNotReady:
      return Status::Said(Status::Code::kIOError,
                          {MessageId::EngineRecordFileNotOpen, {properties_.RecordFileName()}});
    case Tvxblobfil::kTooLong:
      return Status::Said(Status::Code::kCorruption, {MessageId::EngineRecordTooLong,
                                                      {std::to_string(recno), record_file_.path(),
                                                       std::to_string(properties_.textmaxsiz)}});
    default:
      return Status::Said(Status::Code::kNotFound, {MessageId::EngineRecordMissing,
                                                    {std::to_string(recno), record_file_.path()}});
  }
}

bool TVXregtext::ReadField(size_t& pos, FieldKind kind, FieldValue& value) const {
  return record_file_.ReadField(pos, kind, value);
}

int32_t TVXregtext::FindRecord(std::string_view key, bool prefix) {
  if (!opened_) return -1;
  return record_file_.FindRecord(key, prefix);
}

void TVXregtext::ClearDecoded() {
  short_count_ = 0;
  int_count_ = 0;
  word_count_ = 0;
  int_fields_.fill(0);
  word_fields_.fill(0);
  for (std::string& text : long_texts_)
    text.clear();
}

bool TVXregtext::DecodeFields() {
  if (!opened_) return false;
  ClearDecoded();
  const std::span<const uint8_t> record = record_file_.Record();
  size_t pos = 0;
  size_t long_index = 0;
  for (const std::string& label : properties_.labels) {
    const std::optional<FieldKind> kind = LabelKind(label);
    if (!kind) continue;
    FieldValue value;
    if (!vx::ReadField(record, pos, *kind, value)) return false;
    StoreField(*kind, value, long_index);
  }
  return true;
}

void TVXregtext::StoreField(FieldKind kind, const FieldValue& value, size_t& long_index) {
  switch (kind) {
    case FieldKind::kShortText:
      if (short_count_ == short_fields_.size()) short_fields_.emplace_back();
      short_fields_[short_count_++].assign(value.text.substr(0, kMaxShortText));
      break;
    case FieldKind::kInteger:
    case FieldKind::kInteger4:
      if (int_count_ < kIntFieldCount) int_fields_[int_count_++] = value.number;
      break;
    case FieldKind::kWord:
      if (word_count_ < kWordFieldCount) {
        word_fields_[word_count_++] = static_cast<int16_t>(value.number);
      }
      break;
    case FieldKind::kLongText:
      if (long_index < long_texts_.size()) {
        long_texts_[long_index].assign(value.text.substr(0, long_text_limit_));
      }
      ++long_index;
      break;
  }
}

}  // namespace vx
