#include "builder/all_fields_list.h"

#include "builder/list_files.h"
#include "builder/list_keys.h"
#include "builder/person_sort.h"
#include "language/message_id.h"

namespace vx {
namespace {

SourceError SortFileError(const RegisterWriteOptions& options) {
  return SaidError(options.temp_dir.string(), 0, {MessageId::BuilderSortFileUnwritable, {}});
}

}  // namespace

AllFieldsList::AllFieldsList(size_t budget, size_t queue_budget)
    : budget_(budget), queue_(queue_budget) {}

AllFieldsList::~AllFieldsList() {
  abandoned_ = true;
  queue_.Cancel();
  if (thread_.joinable()) thread_.join();
}

void AllFieldsList::Start(const RegisterWriteOptions& options, const Progress& progress,
                          bool own_thread) {
  options_ = options;
  progress_ = progress;
  rows_ = std::make_unique<PostingCollector>(budget_, options.temp_dir);
  if (own_thread) thread_ = std::thread([this] { Run(); });
}

void AllFieldsList::Add(const FieldNames& names, uint32_t number, std::string_view payload) {
  if (thread_.joinable()) {
    // A failed thread has cancelled the queue; Join tells why.
    queue_.Add(names, number, payload);
  } else if (!failed_ && !Take(names, number, payload)) {
    failed_ = true;
    error_ = SortFileError(options_);
  }
}

void AllFieldsList::Close() {
  queue_.Close();
}

bool AllFieldsList::Join(SourceError& error) {
  Close();
  if (thread_.joinable()) {
    thread_.join();
  } else if (!failed_) {
    failed_ = !Write();
  }
  if (exception_) std::rethrow_exception(exception_);
  if (failed_) error = error_;
  return !failed_;
}

bool AllFieldsList::Take(const FieldNames& names, uint32_t number, std::string_view payload) {
  if (!record_.Decode(payload, names.Labels().size())) return false;
  ForEachFieldValue(names, record_.values,
                    [&](std::string_view value) { rows_->AddExact(0, LineKey(value), number); });
  return rows_->Ok();
}

// Takes batches until the queue is closed and empty.
bool AllFieldsList::Collect() {
  RecordQueue::Batch batch;
  while (queue_.Take(batch)) {
    const bool taken = batch.ForEach([&](uint32_t number, std::string_view payload) {
      return Take(*batch.names, number, payload);
    });
    if (!taken) return false;
  }
  return !queue_.Cancelled();
}

bool AllFieldsList::Write() {
  if (progress_) progress_({MessageId::BuilderWritingAllFields, {}});
  if (!rows_->Finish()) {
    error_ = SortFileError(options_);
    return false;
  }
  // The rows' table is given back by now: the filter takes its share.
  const FilterWork work{budget_ / 4 * 3, options_.temp_dir};
  const std::unique_ptr<ListFile> file[1] = {
      FreeSearchFile(*FindComponent(AllFieldsListName()), options_.dir, options_.regnr, work)};
  const bool ok = WriteCollectedLists(*rows_, file, error_);
  runs_ = rows_->RunCount();
  rows_.reset();
  return ok;
}

void AllFieldsList::Run() {
  bool ok = false;
  try {
    ok = Collect();
    if (!ok) {
      error_ = SortFileError(options_);
    } else if (!abandoned_) {
      ok = Write();
    }
  } catch (...) {
    exception_ = std::current_exception();
    ok = false;
  }
  failed_ = !ok;
  // A reader still adding must not wait for a taker that has gone.
  if (!ok) queue_.Cancel();
}

}  // namespace vx
