// The free-search list of every field of every register ("vaxors404"),
// gathered from the records as the registers are written, and written once
// the last record has come: on a thread of its own, or on the caller's.
#ifndef VX_BUILDER_ALL_FIELDS_LIST_H_
#define VX_BUILDER_ALL_FIELDS_LIST_H_

#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include "builder/posting_collector.h"
#include "builder/record_queue.h"
#include "builder/register_writer.h"
#include "builder/source_error.h"
#include "builder/source_records.h"

namespace vx {

class AllFieldsList {
 public:
  // `budget`: memory for the list's rows; `queue_budget`: for records
  // waiting to be taken.
  AllFieldsList(size_t budget, size_t queue_budget);
  // Stops the thread without writing when Join was not reached.
  ~AllFieldsList();
  AllFieldsList(const AllFieldsList&) = delete;
  AllFieldsList& operator=(const AllFieldsList&) = delete;

  // Starts gathering into `options.dir`, on a thread of its own when
  // `own_thread`.
  void Start(const RegisterWriteOptions& options, const Progress& progress, bool own_thread);

  // Record `number` (numbered across the registers: births first) as
  // SortedRecord holds it. Waits while the queue is full.
  void Add(const FieldNames& names, uint32_t number, std::string_view payload);

  // No more records: the thread writes the list.
  void Close();

  // Waits for the list to be written (writes it, without a thread). False
  // with `error` set; an exception on the thread is thrown again here.
  bool Join(SourceError& error);

  // Runs written to temporary files (known after Join).
  size_t RunCount() const { return runs_; }

 private:
  void Run();
  bool Collect();
  bool Take(const FieldNames& names, uint32_t number, std::string_view payload);
  // Writes the gathered rows. False with error_ set.
  bool Write();

  size_t budget_;
  RecordQueue queue_;
  RegisterWriteOptions options_;
  Progress progress_;
  std::unique_ptr<PostingCollector> rows_;
  SortedRecord record_;
  std::atomic<bool> abandoned_ = false;  // the owner went without Join
  bool failed_ = false;
  size_t runs_ = 0;
  SourceError error_;
  std::exception_ptr exception_;
  std::thread thread_;
};

}  // namespace vx

#endif  // VX_BUILDER_ALL_FIELDS_LIST_H_
