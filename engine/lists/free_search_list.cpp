#include "engine/lists/free_search_list.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "engine/lists/free_search_marks.h"
#include "engine/lists/free_search_terms.h"
#include "engine/text/collation.h"
#include "engine/util/byte_order.h"
#include "engine/util/message_sink.h"
#include "language/message_id.h"

namespace vx {
namespace {

constexpr size_t kBlockLengthSize = 4;
// Blocks written by a builder are close to urvalbufsiz (32000 bytes or
// more); smaller ones are not worth keeping an index for, and a damaged
// file of many tiny blocks must not make the list hold many indexes.
constexpr size_t kSmallestIndexedBlock = 4096;
// Bits past the end of `bits` (all of them when it is empty) are 0.
bool HasBit(const std::vector<uint64_t>& bits, size_t j) {
  return j / 64 < bits.size() && ((bits[j / 64] >> (j % 64)) & 1) != 0;
}

// Passes on the first message reported while it lives and counts the rest:
// a damaged postings file or a selection too small for the list would
// otherwise give one message box per matching entry.
class MessageLimit {
 public:
  MessageLimit()
      : previous_(SetMessageSink({[this](const std::string& text) { Report(text); },
                                  [this](const Message& message) { Report(message); }})) {}

  ~MessageLimit() {
    SetMessageSink(std::move(previous_));
    if (suppressed_ > 0) {
      ReportMessage(Message{MessageId::EngineMoreSearchMessages, {std::to_string(suppressed_)}});
    }
  }

  MessageLimit(const MessageLimit&) = delete;
  MessageLimit& operator=(const MessageLimit&) = delete;

 private:
  // `message` is a text or a Message.
  void Report(const auto& message) {
    if (passed_) {
      ++suppressed_;
      return;
    }
    passed_ = true;
    if (previous_) {
      previous_(message);
    } else {
      MessageSink{&WriteMessageToStderr}(message);
    }
  }

  MessageSink previous_;
  bool passed_ = false;
  int64_t suppressed_ = 0;
};

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
  postings_source_ = FreeSearchPostings{};
  postings_source_.entry_file = properties_.EntryFileName();
  if (postings_.Open(false)) {
    postings_source_.open = true;
    postings_source_.name = std::filesystem::path(postings_.file().path()).filename().string();
    if (mapping_.mapped() && postings_mapping_.Map(postings_.file().path())) {
      postings_source_.mapped = postings_mapping_.bytes();
    } else {
      postings_reader_ = std::make_unique<WindowedFileReader>(postings_.file());
      postings_source_.reader = postings_reader_.get();
    }
  }
  return Opened();
}

void TVXfrisoeklista::Close() {
  postings_source_ = FreeSearchPostings{};
  postings_reader_.reset();
  postings_mapping_.Unmap();
  mapping_.Unmap();
  entries_.Close();
  postings_.Close();
  entries_.SetBufferSize(0);
  buffer_holds_block_ = false;
  indexes_.clear();
  last_index_ = nullptr;
  ranges_.clear();
  small_index_ = FreeSearchBlockIndex();
  small_index_valid_ = false;
  filter_.Clear();
  filter_state_ = FilterState::kUnread;
}

void TVXfrisoeklista::RewindBlocks() {
  entries_.SeekItem(first_block_);
  buffer_holds_block_ = false;
  next_block_ = first_block_;
  small_index_valid_ = false;
}

bool TVXfrisoeklista::NextBlock(std::span<const uint8_t>& block, uint64_t& offset) {
  if (!mapping_.mapped()) {
    offset = entries_.read_position();
    if (!entries_.ReadNext()) return false;
    block = entries_.Item();
    return true;
  }
  offset = next_block_;
  if (!BlockAt(offset, block)) return false;
  next_block_ = offset + kBlockLengthSize + block.size();
  return true;
}

bool TVXfrisoeklista::BlockAt(uint64_t offset, std::span<const uint8_t>& block) {
  if (!mapping_.mapped()) {
    if (!buffer_holds_block_ || buffered_block_ != offset) {
      entries_.SeekItem(offset);
      buffer_holds_block_ = entries_.ReadNext();
      buffered_block_ = offset;
      if (!buffer_holds_block_) return false;
    }
    block = entries_.Item();
    return true;
  }
  // As ReadNext would: a block must be whole in the file and fit the buffer.
  const std::span<const uint8_t> file = mapping_.bytes();
  if (offset > file.size() || file.size() - offset < kBlockLengthSize) return false;
  const uint32_t length = LoadU32(file.data() + offset);
  const size_t start = static_cast<size_t>(offset) + kBlockLengthSize;
  if (length > block_limit_ || file.size() - start < length) return false;
  block = file.subspan(start, length);
  return true;
}

const FreeSearchBlockIndex& TVXfrisoeklista::IndexOf(uint64_t offset,
                                                     std::span<const uint8_t> block) {
  if (block.size() < kSmallestIndexedBlock) {
    if (!small_index_valid_ || small_offset_ != offset) {
      small_index_.Build(block);
      small_offset_ = offset;
      small_index_valid_ = true;
    }
    return small_index_;
  }
  // Runs of one block come one after the other.
  if (last_index_ == nullptr || last_index_offset_ != offset) {
    last_index_ = &indexes_[offset];
    last_index_offset_ = offset;
  }
  if (!last_index_->BuiltFor(block.size())) last_index_->Build(block);
  return *last_index_;
}

int32_t TVXfrisoeklista::Search(std::string_view text, FreeSearchMode mode,
                                Tvxsmalurval& selection) {
  selection.Clear();
  if (!Opened()) return 0;
  const std::vector<std::string> terms = FreeSearchTerms(text);
  if (terms.empty()) return 0;
  std::vector<std::string> folded_terms;
  for (const std::string& term : terms)
    folded_terms.push_back(MapText(term, FoldTable()));

  MessageLimit limit;
  Outcome outcome;
  finders_.clear();
  DropStretches();
  if (mode != FreeSearchMode::kContains || !FilterServes(folded_terms) ||
      !ScanFiltered(terms, folded_terms, selection, outcome)) {
    selection.Clear();
    outcome = Outcome();
    DropStretches();
    ScanAll(terms, folded_terms, mode, selection, outcome);
  }
  if (outcome.postings_missing) {
    ReportMessage(Message{MessageId::EnginePostingsCannotOpen, {properties_.PostingsFileName()}});
  }
  return outcome.matched ? selection.Recount() : 0;
}

void TVXfrisoeklista::ScanAll(const std::vector<std::string>& terms,
                              const std::vector<std::string>& folded_terms, FreeSearchMode mode,
                              Tvxsmalurval& selection, Outcome& outcome) {
  RewindBlocks();
  std::span<const uint8_t> block;
  for (uint64_t offset = 0; NextBlock(block, offset);) {
    possible_.assign(terms.size(), true);
    if (!MayHoldAny(offset, block, folded_terms, mode)) continue;
    AddStretch(offset, block, 0, block.size(), 0, terms, mode, selection, outcome);
  }
  ReadStretches(terms, mode, selection, outcome);
}

bool TVXfrisoeklista::FilterServes(const std::vector<std::string>& folded_terms) {
  constexpr size_t kTrigram = 3;
  if (!filter_wanted_ || filter_state_ == FilterState::kIgnored) return false;
  for (const std::string& term : folded_terms) {
    if (term.size() < kTrigram) return false;
  }
  if (filter_state_ == FilterState::kUnread) {
    FreeSearchFilter::EntryFile entries;
    entries.size = entries_.FileSize();
    entries.blocks = entries_.ItemCount();
    entries.first_block = first_block_;
    entries.block_limit = block_limit_;
    entries.block_length = [this](uint64_t offset, uint32_t& length) {
      uint8_t word[kBlockLengthSize];
      if (!entries_.file().ReadAt(offset, word, sizeof word)) return false;
      length = LoadU32(word);
      return true;
    };
    switch (filter_.Load(properties_.b1filkat + properties_.FilterFileName(), entries)) {
      case FreeSearchFilter::LoadResult::kLoaded:
        filter_state_ = FilterState::kInUse;
        checked_runs_.assign((filter_.size() + 63) / 64, 0);
        break;
      case FreeSearchFilter::LoadResult::kMissing:
        filter_state_ = FilterState::kIgnored;  // a set built without filters
        break;
      case FreeSearchFilter::LoadResult::kUnusable:
        IgnoreFilter();
        break;
    }
  }
  return filter_state_ == FilterState::kInUse;
}

void TVXfrisoeklista::IgnoreFilter() {
  filter_.Clear();
  filter_state_ = FilterState::kIgnored;
  ReportMessage(Message{MessageId::EngineFilterNotUsed,
                        {properties_.FilterFileName(), properties_.EntryFileName()}});
}

bool TVXfrisoeklista::ScanFiltered(const std::vector<std::string>& terms,
                                   const std::vector<std::string>& folded_terms,
                                   Tvxsmalurval& selection, Outcome& outcome) {
  term_blocks_.resize(terms.size());
  bool any = false;
  for (size_t i = 0; i < terms.size(); ++i) {
    if (!filter_.Candidates(folded_terms[i], term_blocks_[i])) {
      IgnoreFilter();
      return false;
    }
    any = any || !term_blocks_[i].empty();
  }
  if (!any) return true;  // no block holds every trigram of any term
  any_term_blocks_.assign((filter_.size() + 63) / 64, 0);
  for (const std::vector<uint64_t>& blocks : term_blocks_) {
    for (size_t w = 0; w < blocks.size(); ++w)
      any_term_blocks_[w] |= blocks[w];
  }
  for (size_t j = NextCandidate(0); j < filter_.size();) {
    const FreeSearchFilter::Block& first = filter_.block(j);
    std::span<const uint8_t> block;
    if (!BlockAt(first.file_block, block) || !RunChecked(j, block)) {
      IgnoreFilter();
      return false;
    }
    possible_.resize(terms.size());
    for (size_t i = 0; i < terms.size(); ++i)
      possible_[i] = HasBit(term_blocks_[i], j);
    // The runs right after it in the same block that the same terms may
    // hold are searched with it, as one.
    size_t end = first.start + first.length;
    size_t next = NextCandidate(j + 1);
    for (size_t last = j; next == last + 1 && next < filter_.size() &&
                          filter_.block(next).file_block == first.file_block;
         last = next, next = NextCandidate(next + 1)) {
      bool same = true;
      for (size_t i = 0; i < terms.size() && same; ++i)
        same = HasBit(term_blocks_[i], next) == possible_[i];
      if (!same) break;
      if (!RunChecked(next, block)) {
        IgnoreFilter();
        return false;
      }
      end += filter_.block(next).length;
    }
    AddStretch(first.file_block, block, first.start, end, first.first_entry, terms,
               FreeSearchMode::kContains, selection, outcome);
    j = next;
  }
  ReadStretches(terms, FreeSearchMode::kContains, selection, outcome);
  return true;
}

size_t TVXfrisoeklista::NextCandidate(size_t j) const {
  for (size_t w = j / 64; w < any_term_blocks_.size(); ++w) {
    uint64_t bits = any_term_blocks_[w];
    if (w == j / 64) bits &= ~uint64_t{0} << (j % 64);
    if (bits != 0) return w * 64 + static_cast<size_t>(__builtin_ctzll(bits));
  }
  return filter_.size();
}

bool TVXfrisoeklista::RunChecked(size_t j, std::span<const uint8_t> block) {
  if (HasBit(checked_runs_, j)) return true;
  const FreeSearchFilter::Block& run = filter_.block(j);
  // A run that did not begin and end at entries would hide the matches
  // across its edges; it cannot be this list's filter.
  if (!IndexOf(run.file_block, block)
           .HoldsRun(run.first_entry, run.entries, run.start, run.start + run.length)) {
    return false;
  }
  checked_runs_[j / 64] |= uint64_t{1} << (j % 64);
  return true;
}

bool TVXfrisoeklista::MayHoldAny(uint64_t offset, std::span<const uint8_t> block,
                                 const std::vector<std::string>& folded_terms,
                                 FreeSearchMode mode) {
  const bool any = std::find(possible_.begin(), possible_.end(), true) != possible_.end();
  // Small blocks, which only damaged files have, are not worth a range.
  if (!any || mode == FreeSearchMode::kContains || block.size() < kSmallestIndexedBlock) return any;
  FreeSearchBlockRange& range = ranges_[offset];
  if (!range.BuiltFor(block.size())) range.Build(block);
  bool still = false;
  for (size_t i = 0; i < folded_terms.size(); ++i) {
    possible_[i] =
        possible_[i] && range.MayHold(folded_terms[i], mode == FreeSearchMode::kBeginsWith);
    still = still || possible_[i];
  }
  return still;
}

void TVXfrisoeklista::AddStretch(uint64_t offset, std::span<const uint8_t> block, size_t begin,
                                 size_t end, size_t first_entry,
                                 const std::vector<std::string>& terms, FreeSearchMode mode,
                                 Tvxsmalurval& selection, Outcome& outcome) {
  FreeSearchStretch& stretch = stretches_.emplace_back();
  stretch.offset = offset;
  stretch.block = block;
  stretch.begin = begin;
  stretch.end = end;
  stretch.first_entry = first_entry;
  stretch.terms = stretch_terms_.size();
  // Small blocks, which only damaged files have, keep no index.
  if (block.size() >= kSmallestIndexedBlock) stretch.index = &indexes_[offset];
  stretch_terms_.insert(stretch_terms_.end(), possible_.begin(), possible_.end());
  if (!mapping_.mapped()) ReadStretches(terms, mode, selection, outcome);
}

void TVXfrisoeklista::ReadStretches(const std::vector<std::string>& terms, FreeSearchMode mode,
                                    Tvxsmalurval& selection, Outcome& outcome) {
  if (stretches_.empty()) return;
  // A term that no block can hold costs no finder.
  if (finders_.empty()) {
    for (const std::string& term : terms)
      finders_.emplace_back(term);
  }
  uint64_t bytes = 0;
  for (const FreeSearchStretch& stretch : stretches_)
    bytes += stretch.end - stretch.begin;
  const size_t workers = workers_ != 0 ? workers_ : WorkersFor(bytes);
  const FreeSearchTermsOf terms_of{finders_, stretch_terms_, mode};
  FreeSearchShareMarks marks(selection, postings_source_, workers);
  if (postings_source_.SharedSafely()) {
    FindInStretches(stretches_, terms_of, workers, &marks);
  } else {
    // One postings reader: the records are set here, after the reading.
    FindInStretches(stretches_, terms_of, workers);
    for (const FreeSearchStretch& stretch : stretches_) {
      if (!stretch.marked.empty())
        marks.Matched(0, stretch, IndexOf(stretch.offset, stretch.block));
    }
  }
  marks.Join();
  outcome.matched = outcome.matched || marks.matched();
  outcome.postings_missing = outcome.postings_missing || marks.postings_missing();
  DropStretches();
}

void TVXfrisoeklista::DropStretches() {
  stretches_.clear();
  stretch_terms_.clear();
}

}  // namespace vx
