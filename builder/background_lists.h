// A register's gathered date order and lists written on a thread of their
// own, while the builder goes on with the next register's records; or at
// once, on the caller's thread.
#ifndef VX_BUILDER_BACKGROUND_LISTS_H_
#define VX_BUILDER_BACKGROUND_LISTS_H_

#include <exception>
#include <memory>
#include <thread>

#include "builder/register_writer.h"
#include "builder/source_error.h"

namespace vx {

class BackgroundLists {
 public:
  BackgroundLists() = default;
  // Waits for the lists being written.
  ~BackgroundLists();
  BackgroundLists(const BackgroundLists&) = delete;
  BackgroundLists& operator=(const BackgroundLists&) = delete;

  // Starts writing `gathered` (writes it, without `own_thread`); the lists
  // started before must have been joined.
  void Start(std::unique_ptr<GatheredLists> gathered, const RegisterWriteOptions& options,
             const Progress& progress, bool own_thread);
  // Waits for the lists started last, if any. False with `error` set; an
  // exception on the thread is thrown again here.
  bool Join(SourceError& error);

 private:
  std::unique_ptr<GatheredLists> gathered_;
  bool ok_ = true;
  SourceError error_;
  std::exception_ptr exception_;
  std::thread thread_;
};

}  // namespace vx

#endif  // VX_BUILDER_BACKGROUND_LISTS_H_
