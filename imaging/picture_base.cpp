#include "imaging/picture_base.h"

#include <algorithm>
#include <string>

#include "engine/codec/compress_errors.h"
#include "engine/text/collation.h"
#include "language/message_id.h"

namespace vx {

void TVXbildbas::SetFiles(const std::string& directory, const std::string& name) {
  directory_ = directory;
  name_ = name;
}

bool TVXbildbas::Open() {
  Close();
  record_list_ = std::make_unique<Tvxpeklista>(PointerListType::kOnDisk);
  record_list_->SetFileNames(directory_, name_ + ".p");
  record_list_->SetReadOnly(true);
  if (!record_list_->Open(false)) {
    record_list_.reset();
    return false;
  }
  record_file_.SetFileNames(directory_, name_ + ".b");
  record_file_.SetReadOnly(true);
  record_file_.SetPointerLists(record_list_.get(), nullptr);
  record_file_.SetBufferSize(kPictureRecordBuffer);
  if (!record_file_.Open(false)) {
    Close();
    return false;
  }
  if (has_index_) {
    index_.SetFileNames(directory_, name_ + ".bi");
    index_.SetReadOnly(true);
    index_.Open(false);  // without it, names are searched in the record file
  }
  open_ = true;
  return true;
}

void TVXbildbas::Close() {
  index_.Close();
  record_file_.Close();
  record_file_.SetBufferSize(0);
  record_list_.reset();
  open_ = false;
}

uint32_t TVXbildbas::RecordCount() const {
  return open_ ? record_file_.RecordCount() : 0;
}

int32_t TVXbildbas::FindPicture(std::string_view name) {
  if (!open_ || name.empty()) return 0;
  if (index_.Opened()) return FindThroughIndex(name);
  try {
    return std::max(record_file_.FindRecord(name, false), 0);
  } catch (const ECompressError&) {
    return 0;  // records are stored plainly; a stray packed block finds nothing
  }
}

// Binary search over the index rows, which are in FoldTable order of
// their names.
int32_t TVXbildbas::FindThroughIndex(std::string_view name) {
  const std::string key(name.substr(0, kMaxPictureName));
  int64_t low = 1;
  int64_t high = index_.RowCount();
  while (low <= high) {
    const int64_t middle = low + (high - low) / 2;
    try {
      if (index_.ReadRow(middle) != Tvxindexblobfil::kRowRead) return 0;
    } catch (const ECompressError&) {
      return 0;
    }
    const std::span<const uint8_t> text = index_.RowTextArea();
    const std::string row_name(reinterpret_cast<const char*>(text.data()),
                               std::find(text.begin(), text.end(), 0) - text.begin());
    const int order = CompareTexts(key.c_str(), row_name.c_str(), FoldTable());
    if (order == 0) {
      const uint32_t recno = index_.RowValue1();
      return recno >= 1 && recno <= RecordCount() ? static_cast<int32_t>(recno) : 0;
    }
    if (order < 0) {
      high = middle - 1;
    } else {
      low = middle + 1;
    }
  }
  return 0;
}

uint64_t TVXbildbas::ImageRoom(int64_t recno, uint64_t start) const {
  uint64_t end = record_file_.FileSize();
  if (recno < record_file_.RecordCount()) {
    const uint32_t next = record_list_->Get(recno + 1);
    // Records are written one after the other; an offset before this one's
    // image says nothing about where the image ends.
    if (next != Tvxpeklista::kNone && next >= start) end = std::min<uint64_t>(end, next);
  }
  return start <= end ? std::min(end - start, kMaxImageRoom) : 0;
}

Status TVXbildbas::ReadPicture(int64_t recno, PictureRecord& out) {
  out = {};
  // "Damaged picture <recno> in <file>: <why>", `why` given as text or as a message.
  const auto damaged = [&](std::string why, const Message* said) {
    Message message{MessageId::PictureDamaged, {std::to_string(recno), record_file_.path()}};
    if (said != nullptr) {
      message.inner.push_back(*said);
    } else {
      message.args.push_back(std::move(why));
    }
    return Status::Said(Status::Code::kCorruption, std::move(message));
  };
  int result = Tvxblobfil::kNotReady;
  try {
    result = record_file_.ReadRecord(recno);
  } catch (const ECompressError& error) {
    return damaged(error.what(), nullptr);
  }
  switch (result) {
    case Tvxblobfil::kOk:
      break;
    case Tvxblobfil::kNotReady:
      return Status::Said(Status::Code::kIOError, {MessageId::PictureBaseNotOpen, {name_}});
    case Tvxblobfil::kTooLong:
      return Status::Said(Status::Code::kCorruption, {MessageId::PictureDataTooLong,
                                                      {std::to_string(recno), record_file_.path(),
                                                       std::to_string(kPictureRecordBuffer)}});
    default:
      return Status::Said(Status::Code::kNotFound, {MessageId::PictureNoRecord,
                                                    {std::to_string(recno), record_file_.path()}});
  }
  Status status = ParsePictureFields(record_file_.Record(), out);
  if (status.ok()) {
    const uint64_t start = record_file_.PositionAfterRecord();
    const PictureBytesReader read = [this, start](uint64_t offset, std::span<uint8_t> bytes) {
      return record_file_.ReadBytesAt(start + offset, bytes);
    };
    status = ReadPictureImage(read, ImageRoom(recno, start), out);
  }
  if (!status.ok()) {
    out = {};
    return damaged(status.message(), status.said());
  }
  return status;
}

int32_t TVXbildbas::GetPicture(std::string_view name, PictureRecord& out, Status* status) {
  out = {};
  const int32_t recno = FindPicture(name);
  if (recno <= 0) {
    if (status) {
      *status =
          Status::Said(Status::Code::kNotFound, {MessageId::PictureMissing, {std::string(name)}});
    }
    return 0;
  }
  Status read = ReadPicture(recno, out);
  if (status) *status = read;
  return read.ok() ? recno : -1;
}

}  // namespace vx
