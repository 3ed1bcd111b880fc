#include "builder/record_queue.h"

#include <algorithm>

#include "builder/varint.h"

namespace vx {

bool RecordQueue::Batch::ForEach(
    const std::function<bool(uint32_t number, std::string_view payload)>& take) const {
  std::string_view in = records;
  uint64_t number = 0;
  std::string_view payload;
  while (!in.empty()) {
    if (!GetVarint(in, number) || number > UINT32_MAX || !GetSized(in, payload)) return false;
    if (!take(static_cast<uint32_t>(number), payload)) return false;
  }
  return true;
}

RecordQueue::RecordQueue(size_t budget)
    : batch_size_(std::clamp<size_t>(budget / 4, 4 << 10, 1 << 20)),
      max_batches_(std::max<size_t>(budget / batch_size_, 2)) {}

bool RecordQueue::Add(const FieldNames& names, uint32_t number, std::string_view payload) {
  if (batch_.names != &names && !batch_.records.empty() && !Push()) return false;
  batch_.names = &names;
  PutVarint(batch_.records, number);
  PutVarint(batch_.records, payload.size());
  batch_.records += payload;
  return batch_.records.size() < batch_size_ || Push();
}

bool RecordQueue::Push() {
  std::unique_lock<std::mutex> hold(lock_);
  changed_.wait(hold, [this] { return queue_.size() < max_batches_ || cancelled_ || closed_; });
  const bool taken = !cancelled_ && !closed_;
  if (taken) queue_.push_back(std::move(batch_));
  batch_ = Batch();
  hold.unlock();
  changed_.notify_all();
  return taken;
}

void RecordQueue::Close() {
  if (!batch_.records.empty()) Push();
  {
    const std::lock_guard<std::mutex> hold(lock_);
    closed_ = true;
  }
  changed_.notify_all();
}

void RecordQueue::Cancel() {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    cancelled_ = true;
    queue_.clear();
  }
  changed_.notify_all();
}

bool RecordQueue::Cancelled() const {
  const std::lock_guard<std::mutex> hold(lock_);
  return cancelled_;
}

bool RecordQueue::Take(Batch& batch) {
  {
    std::unique_lock<std::mutex> hold(lock_);
    changed_.wait(hold, [this] { return !queue_.empty() || closed_ || cancelled_; });
    if (queue_.empty() || cancelled_) return false;
    batch = std::move(queue_.front());
    queue_.pop_front();
  }
  changed_.notify_all();
  return true;
}

}  // namespace vx
