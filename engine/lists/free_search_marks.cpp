#include "engine/lists/free_search_marks.h"

#include <algorithm>
#include <utility>

#include "engine/util/message_sink.h"
#include "language/message_id.h"

namespace vx {

void FreeSearchMarks::Apply(const FreeSearchBlockIndex& index, std::span<const uint8_t> block,
                            std::span<const uint32_t> marked) {
  matched_ = matched_ || !marked.empty();
  for (const uint32_t k : marked) {
    const FreeSearchEntry entry = index.Entry(block, k);
    if (entry.b != 0) {
      Status status = Load(entry);
      if (!status.ok()) Hold(std::move(status));
      continue;
    }
    const auto record = static_cast<int32_t>(entry.a);
    if (record < 1 || record > selection_.Size()) {
      Hold(Status::Said(Status::Code::kCorruption,
                        Message{MessageId::EngineRecordOutsideSelectionIn,
                                {std::to_string(entry.a), postings_.entry_file,
                                 std::to_string(selection_.Size())}}));
    } else {
      selection_.SetBit(record, true);
    }
  }
}

Status FreeSearchMarks::Load(const FreeSearchEntry& entry) {
  if (!postings_.open) {
    postings_missing_ = true;
    return Status::OK();
  }
  if (postings_.reader != nullptr) {
    postings_.reader->Seek(entry.a);
    return selection_.LoadPostings(*postings_.reader, entry.b, true);
  }
  // An offset past the end reads as postings cut short, as a reader would.
  const std::span<const uint8_t> from = entry.a <= postings_.mapped.size()
                                            ? postings_.mapped.subspan(entry.a)
                                            : std::span<const uint8_t>();
  return selection_.LoadPostings(from, entry.b, true, postings_.name);
}

void FreeSearchMarks::Hold(Status status) {
  if (first_message_.ok()) {
    first_message_ = std::move(status);
  } else {
    ++more_messages_;
  }
}

void FreeSearchMarks::Report() const {
  if (first_message_.ok()) return;
  for (int64_t i = 0; i <= more_messages_; ++i)
    ReportMessage(first_message_);
}

FreeSearchShareMarks::FreeSearchShareMarks(Tvxsmalurval& selection,
                                           const FreeSearchPostings& postings, size_t shares)
    : selection_(selection), postings_(postings), shares_(std::max<size_t>(shares, 1)) {}

void FreeSearchShareMarks::Matched(size_t share, const FreeSearchStretch& stretch,
                                   const FreeSearchBlockIndex& index) {
  Share& mine = shares_.at(share);
  if (!mine.marks) {
    Tvxsmalurval* target = &selection_;
    if (share != 0) {
      mine.selection = std::make_unique<Tvxsmalurval>();
      mine.selection->SetAllocationSize(selection_.AllocationSize());
      mine.selection->Allocate();
      mine.selection->SetSize(selection_.Size());
      target = mine.selection.get();
    }
    mine.marks.emplace(*target, postings_);
  }
  mine.marks->Apply(index, stretch.block, stretch.marked);
}

void FreeSearchShareMarks::Join() {
  for (const Share& share : shares_) {
    if (!share.marks) continue;
    if (share.selection != nullptr) selection_.Or(*share.selection);
    matched_ = matched_ || share.marks->matched();
    postings_missing_ = postings_missing_ || share.marks->postings_missing();
    share.marks->Report();
  }
}

}  // namespace vx
