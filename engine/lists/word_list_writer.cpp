#include "engine/lists/word_list_writer.h"

#include <utility>

#include "engine/text/collation.h"

namespace vx {

WordListWriter::WordListWriter(ListProperties properties) {
  properties.RO = false;
  properties.finnsurval = false;
  list_.properties() = std::move(properties);
}

WordListWriter::Status WordListWriter::Create() {
  Finish();
  if (!list_.properties().finnsBLOB) return Status::kNoPostings;
  if (!list_.CreateNew()) return Status::kCannotCreate;
  open_ = true;
  has_previous_ = false;
  previous_.clear();
  return Status::kOk;
}

WordListWriter::Status WordListWriter::Check(std::string_view text,
                                             std::span<const uint32_t> records) const {
  if (!open_) return Status::kNotOpen;
  if (text.find('\0') != std::string_view::npos) return Status::kZeroByteInText;
  if (text.size() > list_.MaxTextLength()) return Status::kTextTooLong;
  // Binary search finds only what is in order.
  if (has_previous_ &&
      CompareTexts(previous_.c_str(), std::string(text).c_str(), list_.table()) > 0)
    return Status::kOutOfOrder;
  if (records.empty()) return Status::kNoRecords;
  uint32_t last = 0;
  for (const uint32_t record : records) {
    if (record <= last) return Status::kRecordsNotAscending;
    last = record;
  }
  if (list_.RowCount() >= list_.properties().maxrader) return Status::kListFull;
  return Status::kOk;
}

WordListWriter::Status WordListWriter::Append(std::string_view text,
                                              std::span<const uint32_t> records) {
  if (const Status status = Check(text, records); status != Status::kOk) return status;
  RowWords words;
  words.first_record = records.front();
  if (records.size() > 1) {
    const int64_t offset = list_.AppendPostingsRun(records);
    if (offset < 0) return Status::kWriteFailed;
    words.first_record = static_cast<uint32_t>(offset);
    words.posting_count = static_cast<uint32_t>(records.size());
  }
  if (!list_.AppendRow(text, records.front(), words)) return Status::kWriteFailed;
  previous_.assign(text);
  has_previous_ = true;
  return Status::kOk;
}

WordListWriter::Status WordListWriter::Finish() {
  if (!open_) return Status::kNotOpen;
  list_.Close();
  open_ = false;
  return Status::kOk;
}

}  // namespace vx
