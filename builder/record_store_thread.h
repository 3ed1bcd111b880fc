// A register's record store written on a thread of its own: the records
// come through a RecordQueue in number order, and the thread encodes them
// and compresses their blocks while the reader goes on with the lists.
// Without a thread of its own it writes each record as it comes; the files
// are the same.
#ifndef VX_BUILDER_RECORD_STORE_THREAD_H_
#define VX_BUILDER_RECORD_STORE_THREAD_H_

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "builder/person_sort.h"
#include "builder/record_queue.h"
#include "builder/source_error.h"
#include "builder/source_records.h"
#include "engine/store/record_store_writer.h"

namespace vx {

class RecordStoreThread {
 public:
  // `source_file` names the records' source in errors; `queue_budget`
  // bounds the records waiting.
  RecordStoreThread(RegtextProperties properties, std::string source_file, size_t queue_budget);
  // Stops the thread, the store unfinished, when Finish was not reached.
  ~RecordStoreThread();
  RecordStoreThread(const RecordStoreThread&) = delete;
  RecordStoreThread& operator=(const RecordStoreThread&) = delete;

  // Creates the files and starts the thread when `own_thread`. False with
  // `error` set.
  bool Start(bool own_thread, SourceError& error);
  // Record `number` as SortedRecord holds it; waits while the queue is
  // full. False once the thread has failed (Finish tells why).
  bool Add(const FieldNames& names, uint32_t number, std::string_view payload);
  // Waits for the last record to be written and finishes the store. False
  // with `error` set; an exception on the thread is thrown again here.
  bool Finish(SourceError& error);

 private:
  void Run();
  bool WriteRecords();
  // Writes one record. False with error_ set.
  bool Write(const FieldNames& names, std::string_view payload);
  // Finishes the store's files. False with error_ set.
  bool FinishStore();

  RegtextProperties properties_;
  std::string source_file_;
  RecordStoreWriter writer_;
  RecordQueue queue_;
  SortedRecord record_;
  std::vector<FieldValue> values_;
  std::atomic<bool> abandoned_ = false;
  bool failed_ = false;
  SourceError error_;
  std::exception_ptr exception_;
  std::thread thread_;
};

}  // namespace vx

#endif  // VX_BUILDER_RECORD_STORE_THREAD_H_
