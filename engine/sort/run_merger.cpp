#include "engine/sort/run_merger.h"

#include <algorithm>

namespace vx {

RunMerger::RunMerger(SpillFile* file, std::span<const SpillRun> runs,
                     std::span<const SortEntry> batch)
    : file_(file) {
  sources_.resize(runs.size() + 1);
  for (size_t i = 0; i < runs.size(); ++i) {
    sources_[i].next_offset = runs[i].start;
    sources_[i].unread = runs[i].count;
  }
  sources_.back().items = batch;
  heap_.reserve(sources_.size());
  for (size_t i = 0; i < sources_.size(); ++i)
    PushSource(i);
}

const SortEntry* RunMerger::Next() {
  if (!ok_ || heap_.empty()) return nullptr;
  auto after = [this](size_t a, size_t b) { return HeadAfter(a, b); };
  std::pop_heap(heap_.begin(), heap_.end(), after);
  const size_t source = heap_.back();
  heap_.pop_back();
  current_ = Head(source);
  ++sources_[source].index;
  PushSource(source);
  return &current_;
}

bool RunMerger::HasHead(Source& source) {
  if (source.index < source.items.size()) return true;
  if (source.unread == 0 || !ok_) return false;
  uint64_t next = 0;
  if (file_ == nullptr || !file_->ReadChunk(source.next_offset, source.chunk, next) ||
      source.chunk.empty() || source.chunk.size() > source.unread) {
    ok_ = false;
    return false;
  }
  source.next_offset = next;
  source.unread -= source.chunk.size();
  source.items = source.chunk;
  source.index = 0;
  return true;
}

const SortEntry& RunMerger::Head(size_t source) const {
  const Source& s = sources_[source];
  return s.items[s.index];
}

bool RunMerger::HeadAfter(size_t a, size_t b) const {
  return SortsBefore(Head(b), Head(a));
}

void RunMerger::PushSource(size_t source) {
  if (!HasHead(sources_[source])) return;
  heap_.push_back(source);
  std::push_heap(heap_.begin(), heap_.end(),
                 [this](size_t a, size_t b) { return HeadAfter(a, b); });
}

}  // namespace vx
