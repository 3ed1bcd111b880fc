#include "engine/lists/struct_list.h"

#include <algorithm>
#include <cassert>
#include <string>
#include <vector>

#include "engine/lists/postings_writer.h"
#include "engine/util/byte_order.h"
#include "engine/util/message_sink.h"
#include "language/message_id.h"

namespace vx {
namespace {

constexpr size_t kWordSize = 4;
// The item's length word comes before the postings.
constexpr uint64_t kItemLengthSize = 4;
constexpr size_t kPostingsWindow = 64 * 1024;

}  // namespace

bool TVXstruktlista::Open() {
  Close();
  if (!OpenFiles()) return false;
  const ListProperties& p = properties();
  has_postings_ = p.finnsBLOB;
  has_stat_ = p.finnsstat;
  has_selections_ = p.finnsurval;
  if (has_postings_) {
    postings_.SetFileNames(p.rllfilkat, p.PostingsFileName());
    postings_.SetReadOnly(p.RO);
    postings_.Open(false);
    // Neighbouring rows have neighbouring postings: a run of rows costs one
    // read of the window instead of three small reads each.
    if (postings_.Opened()) {
      postings_reader_ = std::make_unique<WindowedFileReader>(postings_.file(), kPostingsWindow);
    }
  }
  current_row_ = -1;
  current_sort_position_ = -1;
  if (has_selections_) PrepareSelections();
  SeedKeyCache();
  return true;
}

void TVXstruktlista::PrepareSelections() {
  const int32_t rows = RowCount();
  if (rows == 0 || vald_.Size() != rows || vald_.StorageBytes() == 0) vald_.Resize(rows);
  synl_.Resize(rows);
  if (sorted_wanted_) {
    if (!synlsort_) synlsort_ = std::make_unique<Tvxsmalurval>();
    synlsort_->Resize(rows);
    sorted_stale_ = true;
  } else {
    synlsort_.reset();
  }
  RebuildVisible();
}

bool TVXstruktlista::CreateNew() {
  Close();
  if (!TVXindex::CreateNew()) return false;
  const ListProperties& p = properties();
  has_postings_ = p.finnsBLOB;
  has_stat_ = p.finnsstat;
  has_selections_ = false;  // nothing to select in a list being written
  if (has_postings_) {
    postings_.SetFileNames(p.rllfilkat, p.PostingsFileName());
    postings_.SetReadOnly(false);
    if (!postings_.Open(true)) {
      TVXindex::Close();
      return false;
    }
  }
  return true;
}

void TVXstruktlista::Close() {
  postings_reader_.reset();
  TVXindex::Close();
  postings_.Close();
  synl_.Release();
  if (synlsort_) synlsort_->Release();
  anchors_.Clear();
  visible_count_ = 0;
  order_ = nullptr;
  sorted_on_ = false;
}

size_t TVXstruktlista::WordBytes() const {
  if (has_stat_) return 3 * kWordSize;
  return has_postings_ ? 2 * kWordSize : 0;
}

size_t TVXstruktlista::MaxTextLength() const {
  const size_t needed = 1 + WordBytes();
  const size_t area = TextAreaSize();
  return area >= needed ? area - needed : 0;
}

bool TVXstruktlista::AppendRow(std::string_view text, uint32_t value1) {
  return AppendRow(text, value1, RowWords{});
}

bool TVXstruktlista::AppendRow(std::string_view text, uint32_t value1, const RowWords& words) {
  if (TextAreaSize() < 1 + WordBytes()) return false;
  text = text.substr(0, std::min(text.find('\0'), MaxTextLength()));
  std::vector<uint8_t> area(text.begin(), text.end());
  area.resize(text.size() + 1 + 3 * kWordSize, 0);
  uint8_t* after = area.data() + text.size() + 1;
  StoreU32(after, words.first_record);
  StoreU32(after + kWordSize, words.posting_count);
  StoreU32(after + 2 * kWordSize, words.stat_count);
  area.resize(text.size() + 1 + WordBytes());
  return AppendRowBytes(value1, area);
}

int64_t TVXstruktlista::AppendPostingsRun(std::span<const uint32_t> records) {
  if (!postings_.Opened() || records.empty()) return -1;
  std::vector<uint8_t> bytes;
  if (!AppendPostings(records, bytes)) return -1;
  // FirstRecord is a u32: the run must start below 4 GB.
  if (postings_.FileSize() + kItemLengthSize > UINT32_MAX) return -1;
  if (postings_.Buffer().size() < bytes.size()) postings_.SetBufferSize(bytes.size());
  std::copy(bytes.begin(), bytes.end(), postings_.Buffer().begin());
  postings_.SetItemLength(bytes.size());
  const int64_t offset = postings_.Append();
  if (offset < 0) {
    postings_.SetItemLength(0);  // or Close would try it again
    return -1;
  }
  return offset + static_cast<int64_t>(kItemLengthSize);
}

RowWords TVXstruktlista::Words() const {
  RowWords words;
  const std::span<const uint8_t> area = RowTextArea();
  const size_t zero = RowText().size();
  if (zero >= area.size()) return words;  // no zero byte in the area: no words
  const auto word = [&area](size_t offset) -> uint32_t {
    return offset <= area.size() && area.size() - offset >= kWordSize
               ? LoadU32(area.data() + offset)
               : 0;
  };
  words.first_record = word(zero + 1);
  words.posting_count = word(zero + 1 + kWordSize);
  if (has_stat_) words.stat_count = word(zero + 1 + 2 * kWordSize);
  return words;
}

bool TVXstruktlista::MarkRecords(Tvxsmalurval& selection) {
  if (!Opened() || !has_postings_ || !HasRow()) return false;
  const RowWords words = Words();
  if (words.posting_count == 0) {
    const uint32_t record = words.first_record;
    // 0 is the FirstRecord of a row without records, which callers skip.
    if (record > static_cast<uint32_t>(std::max(selection.Size(), 0))) {
      ReportMessage(Message{
          MessageId::EngineRecordOutsideSelectionIn,
          {std::to_string(record), properties().RowFileName(), std::to_string(selection.Size())}});
    } else if (record > 0) {
      selection.SetBit(static_cast<int32_t>(record), true);
    }
    return true;
  }
  if (!postings_reader_) return false;
  postings_reader_->Seek(words.first_record);
  const Status status = selection.LoadPostings(*postings_reader_, words.posting_count, true);
  if (!status.ok()) ReportMessage(status);
  return status.ok();
}

void TVXstruktlista::RebuildVisible() {
  anchors_.Clear();
  visible_count_ = 0;
  if (!Opened() || !has_selections_) return;
  synl_.Clear();
  synl_.Assign(vald_);
  visible_count_ = synl_.Recount();
  sorted_stale_ = true;
  if (sorted_on_) {
    RebuildSortedBits();
    anchors_.Rebuild(*synlsort_);
  } else {
    anchors_.Rebuild(synl_);
  }
}

bool TVXstruktlista::SetSortedVisible(bool on, const SortOrderView* order) {
  if (!on) {
    sorted_on_ = false;
    order_ = nullptr;
    anchors_.Rebuild(synl_);
    return true;
  }
  if (!Opened() || order == nullptr || !synlsort_) return false;
  if (order != order_) sorted_stale_ = true;  // other positions
  order_ = order;
  sorted_on_ = true;
  if (sorted_stale_) RebuildSortedBits();
  anchors_.Rebuild(*synlsort_);
  return true;
}

void TVXstruktlista::RebuildSortedBits() {
  synlsort_->Clear();
  const int32_t positions = std::min(order_->Count(), synlsort_->Size());
  for (int32_t p = 1; p <= positions; ++p) {
    if (synl_.IsSet(order_->Get(p))) synlsort_->SetBit(p, true);
  }
  sorted_stale_ = false;
}

bool TVXstruktlista::GoToVisible(int32_t k) {
  if (anchors_.empty() || k < 1 || k > visible_count_) return false;
  const int32_t found = anchors_.Find(VisibleBits(), k);
  if (found < 0) return false;                          // the sorted view holds fewer rows
  assert(found >= 1 && found <= VisibleBits().Size());  // a set bit
  int32_t row = found;
  if (sorted_on_) {
    current_sort_position_ = found;
    row = order_->Get(found);
  }
  if (row < 1 || row > RowCount()) {
    ReportMessage(Message{MessageId::EngineRowOutsideList,
                          {std::to_string(row), std::to_string(found), properties().RowFileName(),
                           std::to_string(RowCount())}});
    return false;
  }
  if (!ReadRow(row).ok()) return false;
  current_row_ = row;
  return true;
}

int32_t TVXstruktlista::VisiblePosition(int32_t row) const {
  if (anchors_.empty()) return -1;
  return anchors_.Position(VisibleBits(), row);
}

}  // namespace vx
