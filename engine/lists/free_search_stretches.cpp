#include "engine/lists/free_search_stretches.h"

#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>

namespace vx {
namespace {

constexpr size_t kBlockLengthSize = 4;
// How far a reader asks for the bytes of the stretches before it.
constexpr uint64_t kPrefetchBytes = 65536;
// Stretches this close to the end of the last one asked for count as going
// straight on (the next block's first stretch lies behind its length word).
constexpr uint64_t kStraightOn = 64;
// Below this a second thread costs more than it saves.
constexpr uint64_t kBytesForASecondWorker = uint64_t{4} << 20;
constexpr size_t kMostWorkers = 4;

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

uint64_t PositionOf(const FreeSearchStretch& stretch) {
  return stretch.offset + kBlockLengthSize + stretch.begin;
}

// One thread's share: its stretches in order, asking the memory for the
// bytes of those ahead that do not go straight on from the last.
class StretchReader {
 public:
  StretchReader(std::span<FreeSearchStretch> stretches, const FreeSearchTermsOf& terms,
                FreeSearchMatchSink* sink, size_t share)
      : stretches_(stretches), terms_(terms), sink_(sink), share_(share) {}

  void Run() {
    for (FreeSearchStretch& stretch : stretches_) {
      AskAhead();
      searched_ += stretch.end - stretch.begin;
      Read(stretch);
      if (sink_ != nullptr && !stretch.marked.empty())
        sink_->Matched(share_, stretch, IndexOf(stretch));
    }
  }

 private:
  void AskAhead() {
    for (; ahead_ < stretches_.size() && asked_ < searched_ + kPrefetchBytes; ++ahead_) {
      const FreeSearchStretch& stretch = stretches_[ahead_];
      const uint64_t at = PositionOf(stretch);
      if (at - asked_end_ > kStraightOn) {
        constexpr size_t kLine = 64;
        for (size_t p = stretch.begin; p < stretch.end; p += kLine)
          __builtin_prefetch(stretch.block.data() + p);
      }
      asked_end_ = at + (stretch.end - stretch.begin);
      asked_ += stretch.end - stretch.begin;
    }
  }

  // The stretch's block index, built on first use.
  const FreeSearchBlockIndex& IndexOf(const FreeSearchStretch& stretch) {
    if (stretch.index != nullptr) {
      if (!stretch.index->BuiltFor(stretch.block.size())) stretch.index->Build(stretch.block);
      return *stretch.index;
    }
    if (!small_.BuiltFor(stretch.block.size()) || small_offset_ != stretch.offset) {
      small_.Build(stretch.block);
      small_offset_ = stretch.offset;
    }
    return small_;
  }

  void Read(FreeSearchStretch& stretch) {
    stretch.marked.clear();
    const std::vector<FoldedFinder>& finders = terms_.finders;
    for (size_t i = 0; i < finders.size(); ++i) {
      if (terms_.may_hold[stretch.terms + i] == 0) continue;
      if (finders[i].size() == 0) {
        ReadEmptyTerm(stretch);
      } else {
        ReadTerm(stretch, finders[i]);
      }
    }
    if (finders.size() > 1) {
      std::sort(stretch.marked.begin(), stretch.marked.end());
      stretch.marked.erase(std::unique(stretch.marked.begin(), stretch.marked.end()),
                           stretch.marked.end());
    }
  }

  void ReadEmptyTerm(FreeSearchStretch& stretch) {
    const FreeSearchBlockIndex& index = IndexOf(stretch);
    for (size_t k = stretch.first_entry; k < index.size(); ++k) {
      const FreeSearchEntry entry = index.Entry(stretch.block, k);
      if (entry.next() > stretch.end) break;
      if (Accepts(entry, entry.begin, 0, terms_.mode))
        stretch.marked.push_back(static_cast<uint32_t>(k));
    }
  }

  void ReadTerm(FreeSearchStretch& stretch, const FoldedFinder& finder) {
    // Most stretches hold no match of a rare term and need no index.
    const FreeSearchBlockIndex* index = nullptr;
    size_t k = stretch.first_entry;
    // A match never reaches past the zero byte that ends its entry, so one
    // starting before `end` lies in the stretch.
    finder.ForEach(stretch.block, stretch.begin, stretch.end, [&](size_t at) {
      if (index == nullptr) index = &IndexOf(stretch);
      k = index->EntryAt(at, k);
      if (k == FreeSearchBlockIndex::kNone) return FoldedFinder::kNone;
      const FreeSearchEntry entry = index->Entry(stretch.block, k);
      if (Accepts(entry, at, finder.size(), terms_.mode))
        stretch.marked.push_back(static_cast<uint32_t>(k));
      // A later match in the same entry adds nothing, and one starting in
      // its trailer (a and b) is no match at all.
      return entry.next();
    });
  }

  std::span<FreeSearchStretch> stretches_;
  const FreeSearchTermsOf& terms_;
  FreeSearchMatchSink* sink_;
  size_t share_;
  size_t ahead_ = 0;  // the first stretch whose bytes are not asked for
  uint64_t asked_ = 0, searched_ = 0, asked_end_ = 0;
  FreeSearchBlockIndex small_;  // of a small block, at small_offset_
  uint64_t small_offset_ = 0;
};

// Where the shares of `workers` threads begin: about equal in bytes, never
// inside the stretches of one block.
std::vector<size_t> Shares(std::span<const FreeSearchStretch> stretches, size_t workers) {
  uint64_t total = 0;
  for (const FreeSearchStretch& stretch : stretches)
    total += stretch.end - stretch.begin;
  std::vector<size_t> starts = {0};
  uint64_t bytes = 0;
  for (size_t s = 0; s < stretches.size() && starts.size() < workers; ++s) {
    const bool new_block = s > 0 && stretches[s].offset != stretches[s - 1].offset;
    if (new_block && bytes * workers >= total * starts.size()) starts.push_back(s);
    bytes += stretches[s].end - stretches[s].begin;
  }
  starts.push_back(stretches.size());
  return starts;
}

}  // namespace

size_t WorkersFor(uint64_t bytes) {
  if (bytes < kBytesForASecondWorker) return 1;
  const size_t cores = std::max<size_t>(1, std::thread::hardware_concurrency());
  return std::min<size_t>(
      {cores, kMostWorkers, static_cast<size_t>(bytes / kBytesForASecondWorker) + 1});
}

void FindInStretches(std::span<FreeSearchStretch> stretches, const FreeSearchTermsOf& terms,
                     size_t workers, FreeSearchMatchSink* sink) {
  const std::vector<size_t> starts = Shares(stretches, std::max<size_t>(1, workers));
  auto share = [&](size_t w) { return stretches.subspan(starts[w], starts[w + 1] - starts[w]); };
  std::vector<std::exception_ptr> failures(starts.size() - 1);
  auto read = [&](size_t w) {
    try {
      StretchReader(share(w), terms, sink, w).Run();
    } catch (...) {
      failures[w] = std::current_exception();
    }
  };
  std::vector<std::thread> threads;
  std::vector<size_t> left = {0};  // the shares read on this thread
  for (size_t w = 1; w + 1 < starts.size(); ++w) {
    try {
      threads.emplace_back(read, w);
    } catch (const std::system_error&) {
      left.push_back(w);  // no thread to be had: read it here
    }
  }
  for (const size_t w : left)
    read(w);
  for (std::thread& thread : threads)
    thread.join();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}

}  // namespace vx
