#include "engine/lists/free_search_list.h"

#include <algorithm>
#include <utility>

#include "engine/lists/free_search_terms.h"
#include "engine/text/collation.h"
#include "engine/util/byte_order.h"
#include "engine/util/message_sink.h"

namespace vx {
namespace {

constexpr size_t kBlockLengthSize = 4;
// Blocks written by a builder are close to urvalbufsiz (32000 bytes or
// more); smaller ones are not worth keeping an index for, and a damaged
// file of many tiny blocks must not make the list hold many indexes.
constexpr size_t kSmallestIndexedBlock = 4096;

// Passes on the first message reported while it lives and counts the rest:
// a damaged postings file or a selection too small for the list would
// otherwise give one message box per matching entry.
class MessageLimit {
 public:
  MessageLimit() : previous_(SetMessageSink([this](const std::string& text) { Report(text); })) {}

  ~MessageLimit() {
    SetMessageSink(std::move(previous_));
    if (suppressed_ > 0) {
      ReportMessage("Ytterligare " + std::to_string(suppressed_) +
                    " meddelanden under samma s\xF6kning visas inte.");
    }
  }

  MessageLimit(const MessageLimit&) = delete;
  MessageLimit& operator=(const MessageLimit&) = delete;

 private:
  void Report(const std::string& text) {
    if (passed_) {
      ++suppressed_;
      return;
    }
    passed_ = true;
    if (previous_) {
      previous_(text);
    } else {
      WriteMessageToStderr(text);
    }
  }

  MessageSink previous_;
  bool passed_ = false;
  int64_t suppressed_ = 0;
};

bool Accepts(const FreeSearchEntry& entry, size_t at, size_t length, FreeSearchMode mode) {
  if (at < entry.begin || at + length > entry.end) return false;
  switch (mode) {
    case FreeSearchMode::kEqual:
      return at == entry.begin && entry.size() == length;
    case FreeSearchMode::kBeginsWith:
      return at == entry.begin;
    case FreeSearchMode::kContains:
      return true;
  }
  return false;
}

}  // namespace

bool TVXfrisoeklista::Open() {
  Close();
  entries_.SetFileNames(properties_.b1filkat, properties_.EntryFileName());
  entries_.SetReadOnly(properties_.RO);
  entries_.SetBufferSize(0);
  block_limit_ = static_cast<size_t>(std::max(properties_.urvalbufsiz, 0));
  if (entries_.Open(false)) {
    first_block_ = entries_.read_position();
    // Without a mapping the blocks are read into the buffer.
    if (!mapping_wanted_ || !mapping_.Map(entries_.file().path()))
      entries_.SetBufferSize(block_limit_);
  }
  postings_.SetFileNames(properties_.b2filkat, properties_.PostingsFileName());
  postings_.SetReadOnly(properties_.RO);
  if (postings_.Open(false))
    postings_reader_ = std::make_unique<WindowedFileReader>(postings_.file());
  return Opened();
}

void TVXfrisoeklista::Close() {
  postings_reader_.reset();
  mapping_.Unmap();
  entries_.Close();
  postings_.Close();
  entries_.SetBufferSize(0);
  indexes_.clear();
  ranges_.clear();
  small_index_ = FreeSearchBlockIndex();
  small_ordinal_ = FreeSearchBlockIndex::kNone;
}

void TVXfrisoeklista::RewindBlocks() {
  entries_.SeekItem(first_block_);
  next_block_ = first_block_;
  small_ordinal_ = FreeSearchBlockIndex::kNone;
}

bool TVXfrisoeklista::NextBlock(std::span<const uint8_t>& block) {
  if (!mapping_.mapped()) {
    if (!entries_.ReadNext()) return false;
    block = entries_.Item();
    return true;
  }
  // As ReadNext would: a block must be whole in the file and fit the buffer.
  const std::span<const uint8_t> file = mapping_.bytes();
  if (next_block_ > file.size() || file.size() - next_block_ < kBlockLengthSize) return false;
  const uint32_t length = LoadU32(file.data() + next_block_);
  const size_t start = static_cast<size_t>(next_block_) + kBlockLengthSize;
  if (length > block_limit_ || file.size() - start < length) return false;
  block = file.subspan(start, length);
  next_block_ = start + length;
  return true;
}

const FreeSearchBlockIndex& TVXfrisoeklista::IndexOf(size_t ordinal,
                                                     std::span<const uint8_t> block) {
  if (block.size() < kSmallestIndexedBlock) {
    if (small_ordinal_ != ordinal) {
      small_index_.Build(block);
      small_ordinal_ = ordinal;
    }
    return small_index_;
  }
  FreeSearchBlockIndex& index = indexes_[ordinal];
  if (!index.BuiltFor(block.size())) index.Build(block);
  return index;
}

int32_t TVXfrisoeklista::Search(std::string_view text, FreeSearchMode mode,
                                Tvxsmalurval& selection) {
  selection.Clear();
  if (!Opened()) return 0;
  std::vector<FoldedFinder> finders;
  std::vector<std::string> folded_terms;
  for (const std::string& term : FreeSearchTerms(text)) {
    finders.emplace_back(term);
    folded_terms.push_back(MapText(term, FoldTable()));
  }
  if (finders.empty()) return 0;

  MessageLimit limit;
  bool matched = false;
  bool postings_missing = false;
  RewindBlocks();
  std::span<const uint8_t> block;
  for (size_t ordinal = 0; NextBlock(block); ++ordinal) {
    if (!MayHoldAny(ordinal, block, folded_terms, mode)) continue;
    MarkMatches(ordinal, block, finders, mode);
    if (marked_.empty()) continue;
    matched = true;
    ApplyMarks(IndexOf(ordinal, block), block, selection, postings_missing);
  }
  if (postings_missing) {
    ReportMessage("Postningsfilen " + properties_.PostingsFileName() +
                  " kunde inte \xF6ppnas; tr\xE4"
                  "ffar kan saknas.");
  }
  return matched ? selection.Recount() : 0;
}

bool TVXfrisoeklista::MayHoldAny(size_t ordinal, std::span<const uint8_t> block,
                                 const std::vector<std::string>& folded_terms,
                                 FreeSearchMode mode) {
  possible_.assign(folded_terms.size(), true);
  // Small blocks, which only damaged files have, are not worth a range.
  if (mode == FreeSearchMode::kContains || block.size() < kSmallestIndexedBlock) return true;
  FreeSearchBlockRange& range = ranges_[ordinal];
  if (!range.BuiltFor(block.size())) range.Build(block);
  bool any = false;
  for (size_t i = 0; i < folded_terms.size(); ++i) {
    possible_[i] = range.MayHold(folded_terms[i], mode == FreeSearchMode::kBeginsWith);
    any = any || possible_[i];
  }
  return any;
}

void TVXfrisoeklista::MarkMatches(size_t ordinal, std::span<const uint8_t> block,
                                  const std::vector<FoldedFinder>& finders, FreeSearchMode mode) {
  marked_.clear();
  for (size_t i = 0; i < finders.size(); ++i) {
    if (!possible_[i]) continue;
    const FoldedFinder& finder = finders[i];
    if (finder.size() == 0) {
      const FreeSearchBlockIndex& index = IndexOf(ordinal, block);
      for (size_t k = 0; k < index.size(); ++k) {
        const FreeSearchEntry entry = index.Entry(block, k);
        if (Accepts(entry, entry.begin, 0, mode)) marked_.push_back(static_cast<uint32_t>(k));
      }
    } else if (finder.Find(block, 0) != FoldedFinder::kNone) {
      // Most blocks hold no match of a rare term and need no index.
      MarkTerm(IndexOf(ordinal, block), block, finder, mode);
    }
  }
  if (finders.size() > 1) {
    std::sort(marked_.begin(), marked_.end());
    marked_.erase(std::unique(marked_.begin(), marked_.end()), marked_.end());
  }
}

void TVXfrisoeklista::MarkTerm(const FreeSearchBlockIndex& index, std::span<const uint8_t> block,
                               const FoldedFinder& finder, FreeSearchMode mode) {
  size_t k = 0;
  for (size_t at = finder.Find(block, 0); at != FoldedFinder::kNone;) {
    k = index.EntryAt(at, k);
    if (k == FreeSearchBlockIndex::kNone) return;
    const FreeSearchEntry entry = index.Entry(block, k);
    if (Accepts(entry, at, finder.size(), mode)) marked_.push_back(static_cast<uint32_t>(k));
    // A later match in the same entry adds nothing, and one starting in
    // its trailer (a and b) is no match at all.
    at = finder.Find(block, entry.next());
  }
}

void TVXfrisoeklista::ApplyMarks(const FreeSearchBlockIndex& index, std::span<const uint8_t> block,
                                 Tvxsmalurval& selection, bool& postings_missing) {
  for (const uint32_t k : marked_) {
    const FreeSearchEntry entry = index.Entry(block, k);
    if (entry.b == 0) {
      const auto record = static_cast<int32_t>(entry.a);
      if (record < 1 || record > selection.Size()) {
        ReportMessage("Postnummer " + std::to_string(entry.a) + " i " +
                      properties_.EntryFileName() + " ligger utanf\xF6r urvalet (1-" +
                      std::to_string(selection.Size()) + ").");
      } else {
        selection.SetBit(record, true);
      }
    } else if (postings_reader_ != nullptr) {
      postings_reader_->Seek(entry.a);
      const Status status = selection.LoadPostings(*postings_reader_, entry.b, true);
      if (!status.ok()) ReportMessage(status.message());
    } else {
      postings_missing = true;
    }
  }
}

}  // namespace vx
