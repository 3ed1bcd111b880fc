// The free-search list of every field of every register ("vaxors404"),
// gathered on a thread of its own from the records as the registers are
// written, and written there once the last record has come.
#ifndef VX_BUILDER_ALL_FIELDS_LIST_H_
#define VX_BUILDER_ALL_FIELDS_LIST_H_

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

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

  // Starts the thread, which writes into `options.dir`.
  void Start(const RegisterWriteOptions& options, const Progress& progress);

  // Record `number` (numbered across the registers: births first) as
  // SortedRecord holds it. Waits while the queue is full.
  void Add(const FieldNames& names, uint32_t number, std::string_view payload);

  // No more records: the thread writes the list.
  void Close();

  // Waits for the list to be written. False with `error` set; an exception
  // on the thread is thrown again here.
  bool Join(SourceError& error);

  // Runs written to temporary files (known after Join).
  size_t RunCount() const { return runs_; }

 private:
  struct Batch {
    const FieldNames* names = nullptr;
    std::string records;  // per record: number, payload size, payload
  };

  void Run(RegisterWriteOptions options, Progress progress);
  bool Collect(class PostingCollector& rows);
  void Push();

  size_t budget_;
  size_t batch_size_;
  size_t max_batches_;
  Batch batch_;
  std::mutex lock_;
  std::condition_variable changed_;
  std::deque<Batch> queue_;
  bool closed_ = false;
  bool cancelled_ = false;
  bool failed_ = false;
  size_t runs_ = 0;
  SourceError error_;
  std::exception_ptr exception_;
  std::thread thread_;
};

}  // namespace vx

#endif  // VX_BUILDER_ALL_FIELDS_LIST_H_
