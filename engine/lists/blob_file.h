// Tvxenkelblobfil: a plain blob file, a header and a sequence of
// length-prefixed items (postings files, free-search list files).
//
// File layout (little-endian):
//    0  2  reserved, 0
//    2  4  item count
//    6  2  offset of the first item (16)
//    8  8  reserved, 0
//   16     items, each u32 length n followed by n bytes
// Items are addressed by absolute file offsets; they need not be walked in
// order. Reading goes through a read position of its own (starting at the
// first item), so appending does not move it.
#ifndef VX_ENGINE_LISTS_BLOB_FILE_H_
#define VX_ENGINE_LISTS_BLOB_FILE_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/files/file.h"
#include "engine/lists/postings.h"
#include "engine/lists/selection.h"

namespace vx {

class Tvxenkelblobfil {
 public:
  static constexpr uint64_t kHeaderSize = 16;

  enum Status : int { kOk = 0, kFailed = 1 };

  Tvxenkelblobfil() = default;
  ~Tvxenkelblobfil() { Close(); }
  Tvxenkelblobfil(const Tvxenkelblobfil&) = delete;
  Tvxenkelblobfil& operator=(const Tvxenkelblobfil&) = delete;

  void SetFileNames(const std::string& directory, const std::string& name);
  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  // The item buffer (100 bytes for postings files); items longer than it
  // are neither read nor written. Discards the item in the buffer.
  void SetBufferSize(size_t size);

  // Opens (or creates, see data_file.h) the file and reads its header; the
  // read position goes to the first item. Returns Opened(); status() is
  // kFailed when it stays closed.
  bool Open(bool create);
  // Appends an item still pending (see SetItemLength), writes a changed
  // header back and closes. The buffer is kept.
  void Close();

  // Reads the item at the read position into the buffer and moves past it.
  // False, with the position and buffer unchanged, at the end of the file,
  // when the item is longer than the buffer or not whole in the file.
  bool ReadNext();
  // Moves the read position to an item's length word.
  void SeekItem(uint64_t offset) { read_position_ = offset; }
  uint64_t read_position() const { return read_position_; }

  // The buffer; an item to append is written into it and its length set
  // with SetItemLength, which makes it pending.
  std::span<uint8_t> Buffer() { return buffer_; }
  bool SetItemLength(size_t length);
  // The item in the buffer: read last, or pending.
  std::span<const uint8_t> Item() const;

  // Writes the buffer's item at the end of the file; returns the offset of
  // its length word, or -1 (status kFailed) without a buffer, when not
  // writable, or when writing failed.
  int64_t Append();

  // Sets (`on`) or clears in `selection` the run of `count` postings stored
  // at `offset` (Tvxsmalurval::LoadPostings); the read position is not
  // used.
  vx::Status LoadPostingsAt(uint64_t offset, int64_t count, Tvxsmalurval& selection,
                            bool on = true) const;

  bool Opened() const { return file_.IsOpen(); }
  int status() const { return status_; }
  uint32_t ItemCount() const { return count_; }
  uint64_t FileSize() const { return file_.Size(); }
  // The file itself, for loaders that read items in place.
  const File& file() const { return file_; }

 private:
  bool ReadHeader();
  bool WriteHeader();

  std::string path_;
  bool read_only_ = false;
  bool changed_ = false;
  bool pending_ = false;
  int status_ = kOk;
  File file_;
  uint32_t count_ = 0;
  uint64_t read_position_ = kHeaderSize;
  std::vector<uint8_t> buffer_;
  size_t item_length_ = 0;
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_BLOB_FILE_H_
