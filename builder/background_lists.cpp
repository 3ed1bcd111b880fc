#include "builder/background_lists.h"

#include <utility>

namespace vx {

BackgroundLists::~BackgroundLists() {
  if (thread_.joinable()) thread_.join();
}

void BackgroundLists::Start(std::unique_ptr<GatheredLists> gathered,
                            const RegisterWriteOptions& options, const Progress& progress,
                            bool own_thread) {
  gathered_ = std::move(gathered);
  ok_ = true;
  exception_ = nullptr;
  auto write = [this, options, progress] {
    try {
      ok_ = WriteGatheredLists(*gathered_, options, progress, error_);
    } catch (...) {
      exception_ = std::current_exception();
      ok_ = false;
    }
    gathered_.reset();
  };
  if (own_thread) {
    thread_ = std::thread(write);
  } else {
    write();
  }
}

bool BackgroundLists::Join(SourceError& error) {
  if (thread_.joinable()) thread_.join();
  if (exception_) std::rethrow_exception(std::exchange(exception_, nullptr));
  if (!ok_) error = error_;
  return ok_;
}

}  // namespace vx
