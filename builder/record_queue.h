// RecordQueue: records in number order, as SortedRecord holds them, handed
// from the thread that reads them to a thread that takes them. They travel
// in batches, and the batches waiting are bounded by a memory budget, so a
// slow taker holds the reader back instead of the memory growing.
#ifndef VX_BUILDER_RECORD_QUEUE_H_
#define VX_BUILDER_RECORD_QUEUE_H_

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "builder/source_records.h"

namespace vx {

class RecordQueue {
 public:
  struct Batch {
    const FieldNames* names = nullptr;
    std::string records;  // per record: number, payload size, payload

    // Calls `take` for each record in order; false when the batch is
    // malformed or `take` returns false.
    bool ForEach(const std::function<bool(uint32_t number, std::string_view payload)>& take) const;
  };

  // `budget`: bytes of the batches that may wait.
  explicit RecordQueue(size_t budget);

  // Adds record `number` of a register with field names `names`; waits
  // while the queue is full. False once the queue is cancelled.
  bool Add(const FieldNames& names, uint32_t number, std::string_view payload);
  // No more records: the taker gets the last batch, then the end.
  void Close();
  // Ends the queue at once, for both sides: the taker failed, or the
  // reader gave up.
  void Cancel();
  bool Cancelled() const;

  // Waits for the next batch. False when the queue is closed and empty,
  // or cancelled.
  bool Take(Batch& batch);

 private:
  bool Push();

  size_t batch_size_;
  size_t max_batches_;
  Batch batch_;  // being filled by the reader
  mutable std::mutex lock_;
  std::condition_variable changed_;
  std::deque<Batch> queue_;
  bool closed_ = false;
  bool cancelled_ = false;
};

}  // namespace vx

#endif  // VX_BUILDER_RECORD_QUEUE_H_
