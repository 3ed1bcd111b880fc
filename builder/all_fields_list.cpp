#include "builder/all_fields_list.h"

#include <algorithm>

#include "builder/list_files.h"
#include "builder/list_keys.h"
#include "builder/person_sort.h"
#include "builder/posting_collector.h"
#include "builder/varint.h"

namespace vx {

AllFieldsList::AllFieldsList(size_t budget, size_t queue_budget)
    : budget_(budget),
      batch_size_(std::clamp<size_t>(queue_budget / 4, 4 << 10, 1 << 20)),
      max_batches_(std::max<size_t>(queue_budget / batch_size_, 2)) {}

AllFieldsList::~AllFieldsList() {
  {
    const std::lock_guard<std::mutex> hold(lock_);
    cancelled_ = true;
    closed_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void AllFieldsList::Start(const RegisterWriteOptions& options, const Progress& progress) {
  thread_ = std::thread([this, options, progress] { Run(options, progress); });
}

void AllFieldsList::Add(const FieldNames& names, uint32_t number, std::string_view payload) {
  if (batch_.names != &names && !batch_.records.empty()) Push();
  batch_.names = &names;
  PutVarint(batch_.records, number);
  PutVarint(batch_.records, payload.size());
  batch_.records += payload;
  if (batch_.records.size() >= batch_size_) Push();
}

void AllFieldsList::Push() {
  std::unique_lock<std::mutex> hold(lock_);
  changed_.wait(hold, [this] { return queue_.size() < max_batches_ || failed_ || closed_; });
  if (!failed_ && !closed_) queue_.push_back(std::move(batch_));
  batch_ = Batch();
  hold.unlock();
  changed_.notify_all();
}

void AllFieldsList::Close() {
  if (!batch_.records.empty()) Push();
  {
    const std::lock_guard<std::mutex> hold(lock_);
    closed_ = true;
  }
  changed_.notify_all();
}

bool AllFieldsList::Join(SourceError& error) {
  Close();
  if (thread_.joinable()) thread_.join();
  if (exception_) std::rethrow_exception(exception_);
  if (failed_) error = error_;
  return !failed_;
}

// Takes batches until the queue is closed and empty.
bool AllFieldsList::Collect(PostingCollector& rows) {
  SortedRecord record;
  for (;;) {
    Batch batch;
    {
      std::unique_lock<std::mutex> hold(lock_);
      changed_.wait(hold, [this] { return !queue_.empty() || closed_; });
      if (queue_.empty() || cancelled_) return !cancelled_;
      batch = std::move(queue_.front());
      queue_.pop_front();
    }
    changed_.notify_all();
    std::string_view in = batch.records;
    const size_t fields = batch.names->Labels().size();
    uint64_t number = 0;
    std::string_view payload;
    while (!in.empty()) {
      if (!GetVarint(in, number) || !GetSized(in, payload) || !record.Decode(payload, fields))
        return false;
      ForEachFieldValue(*batch.names, record.values, [&](std::string_view value) {
        rows.AddExact(0, LineKey(value), static_cast<uint32_t>(number));
      });
    }
    if (!rows.Ok()) return false;
  }
}

void AllFieldsList::Run(RegisterWriteOptions options, Progress progress) {
  SourceError error;
  bool ok = false;
  try {
    PostingCollector rows(budget_, options.temp_dir);
    ok = Collect(rows);
    if (!ok) {
      error = {options.temp_dir.string(), 0, "den tillfälliga sorteringsfilen kan inte skrivas"};
    } else if (!cancelled_) {
      if (progress) progress("Skriver fritextlistan över alla fält");
      if (rows.Finish()) {
        // The rows' table is given back by now: the filter takes its share.
        const FilterWork work{budget_ / 4 * 3, options.temp_dir};
        const std::unique_ptr<ListFile> file[1] = {
            FreeSearchFile(*FindComponent(AllFieldsListName()), options.dir, options.regnr, work)};
        ok = WriteCollectedLists(rows, file, error);
        runs_ = rows.RunCount();
      } else {
        ok = false;
        error = {options.temp_dir.string(), 0, "den tillfälliga sorteringsfilen kan inte skrivas"};
      }
    }
  } catch (...) {
    exception_ = std::current_exception();
    ok = false;
  }
  const std::lock_guard<std::mutex> hold(lock_);
  failed_ = !ok;
  error_ = error;
  changed_.notify_all();
}

}  // namespace vx
