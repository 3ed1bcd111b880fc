#include "engine/sort/run_merger.h"

#include <algorithm>

namespace vx {

RunMerger::RunMerger(std::vector<std::unique_ptr<RunReader>> runs) : runs_(std::move(runs)) {
  heap_.reserve(runs_.size());
  for (size_t i = 0; i < runs_.size() && !failed_; ++i) {
    if (runs_[i]->Advance(failed_)) heap_.push_back(i);
  }
  std::make_heap(heap_.begin(), heap_.end(), After{this});
}

bool RunMerger::Next(std::string_view& key, std::string_view& payload) {
  // The run read from last moves on only now, so that its item stayed valid.
  if (last_ != SIZE_MAX) Push(last_);
  last_ = SIZE_MAX;
  if (failed_ || heap_.empty()) return false;
  std::pop_heap(heap_.begin(), heap_.end(), After{this});
  last_ = heap_.back();
  heap_.pop_back();
  key = runs_[last_]->key();
  payload = runs_[last_]->payload();
  return true;
}

bool RunMerger::After::operator()(size_t a, size_t b) const {
  const int order = merger->runs_[a]->key().compare(merger->runs_[b]->key());
  return order != 0 ? order > 0 : a > b;
}

void RunMerger::Push(size_t run) {
  if (!runs_[run]->Advance(failed_)) return;
  heap_.push_back(run);
  std::push_heap(heap_.begin(), heap_.end(), After{this});
}

}  // namespace vx
