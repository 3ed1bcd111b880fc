#include "builder/record_store_thread.h"

#include <utility>

#include "builder/set_files.h"
#include "language/message_id.h"

namespace vx {

RecordStoreThread::RecordStoreThread(RegtextProperties properties, std::string source_file,
                                     size_t queue_budget)
    : properties_(std::move(properties)),
      source_file_(std::move(source_file)),
      writer_(properties_),
      queue_(queue_budget) {}

RecordStoreThread::~RecordStoreThread() {
  abandoned_ = true;
  queue_.Cancel();
  if (thread_.joinable()) thread_.join();
}

bool RecordStoreThread::Start(bool own_thread, SourceError& error) {
  if (writer_.Create() != RecordStoreWriter::Status::kOk) {
    error = WriteError(properties_.RecordFileName(), Message{MessageId::BuilderCannotCreate, {}});
    return false;
  }
  if (own_thread) thread_ = std::thread([this] { Run(); });
  return true;
}

bool RecordStoreThread::Add(const FieldNames& names, uint32_t number, std::string_view payload) {
  if (thread_.joinable()) return queue_.Add(names, number, payload);
  failed_ = failed_ || !Write(names, payload);
  return !failed_;
}

bool RecordStoreThread::Finish(SourceError& error) {
  queue_.Close();
  if (thread_.joinable()) {
    thread_.join();
  } else if (!failed_) {
    failed_ = !FinishStore();
  }
  if (exception_) std::rethrow_exception(exception_);
  if (failed_) error = error_;
  return !failed_;
}

bool RecordStoreThread::Write(const FieldNames& names, std::string_view payload) {
  if (!record_.Decode(payload, names.Labels().size())) {
    error_ = SaidError(source_file_, 0, {MessageId::BuilderRecordUnreadableBack, {}});
    return false;
  }
  values_.resize(record_.values.size());
  for (size_t f = 0; f < values_.size(); ++f)
    values_[f].text = record_.values[f];
  if (writer_.Append(values_) == RecordStoreWriter::Status::kOk) return true;
  error_ = SaidError(source_file_, record_.line, {MessageId::BuilderRecordUnwritable, {}});
  return false;
}

bool RecordStoreThread::FinishStore() {
  if (writer_.Finish() == RecordStoreWriter::Status::kOk) return true;
  error_ = WriteError(properties_.RecordFileName(), Message{MessageId::BuilderCannotWrite, {}});
  return false;
}

bool RecordStoreThread::WriteRecords() {
  RecordQueue::Batch batch;
  while (queue_.Take(batch)) {
    const bool written = batch.ForEach(
        [&](uint32_t, std::string_view payload) { return Write(*batch.names, payload); });
    if (!written) return false;
  }
  return !queue_.Cancelled();
}

void RecordStoreThread::Run() {
  bool ok = false;
  try {
    ok = WriteRecords() && (abandoned_ || FinishStore());
  } catch (...) {
    exception_ = std::current_exception();
  }
  failed_ = !ok;
  // The reader must not wait for a taker that has gone.
  if (!ok) queue_.Cancel();
}

}  // namespace vx
