// RunMerger: reads sorted runs together as one sequence in key order (keys
// as unsigned bytes). Equal keys come from the earlier run first, so the
// order in which items were added holds when the runs are given oldest
// first.
#ifndef VX_ENGINE_SORT_RUN_MERGER_H_
#define VX_ENGINE_SORT_RUN_MERGER_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/sort/run_format.h"

namespace vx {

class RunMerger {
 public:
  explicit RunMerger(std::vector<std::unique_ptr<RunReader>> runs);
  RunMerger(const RunMerger&) = delete;
  RunMerger& operator=(const RunMerger&) = delete;

  // The next item, valid until the next call; false after the last one and
  // from the point where a run cannot be read back (then failed() is true).
  bool Next(std::string_view& key, std::string_view& payload);

  bool failed() const { return failed_; }

 private:
  // Orders the heap so that the least head, of the earliest run, is on top.
  struct After {
    const RunMerger* merger;
    bool operator()(size_t a, size_t b) const;
  };

  void Push(size_t run);

  std::vector<std::unique_ptr<RunReader>> runs_;
  std::vector<size_t> heap_;
  size_t last_ = SIZE_MAX;  // the run of the item returned last
  bool failed_ = false;
};

}  // namespace vx

#endif  // VX_ENGINE_SORT_RUN_MERGER_H_
