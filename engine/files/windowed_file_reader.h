// WindowedFileReader: reads a File front to back from any offset through a
// window of the file kept in memory, so that many short reads at nearby
// offsets (the postings of the entries a search matches, which a builder
// writes in entry order) cost one large read instead of a few each.
#ifndef VX_ENGINE_FILES_WINDOWED_FILE_READER_H_
#define VX_ENGINE_FILES_WINDOWED_FILE_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/files/file.h"
#include "engine/util/byte_reader.h"

namespace vx {

class WindowedFileReader final : public ByteReader {
 public:
  static constexpr size_t kDefaultWindow = 256 * 1024;

  // `file` must outlive the reader; its contents must not change while the
  // reader is in use except by appending. The window holds at most `window`
  // bytes, and no more than the file has from where it starts: a small file
  // costs a small window.
  explicit WindowedFileReader(const File& file, size_t window = kDefaultWindow);

  // Moves the read position; the window is kept.
  void Seek(uint64_t offset) { position_ = offset; }
  uint64_t Position() const { return position_; }

  // Reads what is there up to n bytes; 0 at or beyond the end of the file.
  size_t Read(void* destination, size_t n) override;
  std::string SourceName() const override;

 private:
  // Makes the window start at the read position; false when nothing is there.
  bool Refill();

  const File& file_;
  size_t window_limit_;
  std::vector<uint8_t> window_;
  uint64_t window_start_ = 0;
  size_t window_length_ = 0;
  uint64_t position_ = 0;
};

}  // namespace vx

#endif  // VX_ENGINE_FILES_WINDOWED_FILE_READER_H_
