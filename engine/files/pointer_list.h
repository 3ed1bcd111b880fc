// Tvxpeklista: a pointer list, a file of 32-bit entries numbered from 1.
//
// File layout (little-endian):
//    0  2  list type as created (0, 1 or 2; not used by the reader)
//    2  4  reserved, 0
//    6  4  count: entries in use
//   10  4  capacity
//   14  2  reserved, 0
//   16     entry i at 16 + 4 * (i - 1), i = 1..count
//
// The owner's type decides where entries live:
//   kInMemory  in memory only; no file even when names are given;
//   kLoaded    the file is read whole into memory on opening, written back
//              whole on flushing; a read-only one is mapped instead (read
//              whole where mapping fails), so that opening costs the same
//              however many entries the list holds;
//   kOnDisk    entries are read and written one by one at their offsets,
//              nothing is kept in memory (record lists of millions).
//
// The stored count is trusted only as far as the file holds entries: a
// count beyond the end of the file is cut to the entries present (CutShort
// tells), so Get never reads past the file and opening never allocates for
// entries that are not there. A read-only list never writes, not even a
// changed header.
#ifndef VX_ENGINE_FILES_POINTER_LIST_H_
#define VX_ENGINE_FILES_POINTER_LIST_H_

#include <cstdint>
#include <string>
#include <vector>

#include "engine/files/file.h"
#include "engine/files/mapped_file.h"

namespace vx {

enum class PointerListType : uint16_t { kInMemory = 0, kLoaded = 1, kOnDisk = 2 };

class Tvxpeklista {
 public:
  static constexpr uint32_t kNone = 0xFFFFFFFF;
  static constexpr uint64_t kHeaderSize = 16;

  // Status of the last Open.
  enum Status : int {
    kOk = 0,
    kCannotCreate = 1,  // missing and not created (read-only, or creating failed)
    kCannotOpen = 2,    // exists but could not be opened, or its header is cut short
  };

  explicit Tvxpeklista(PointerListType type) : type_(type) {}
  ~Tvxpeklista() { Close(); }
  Tvxpeklista(const Tvxpeklista&) = delete;
  Tvxpeklista& operator=(const Tvxpeklista&) = delete;

  // Names the list's file: directory + name, joined as given. Lists of type
  // kLoaded and kOnDisk with a name are file-backed; others live in memory.
  void SetFileNames(const std::string& directory, const std::string& name);
  void SetReadOnly(bool read_only) { read_only_ = read_only; }

  // A different capacity replaces the in-memory entries by zeros (the count
  // is kept); the same capacity keeps them. On a writable file the new
  // capacity is written back on Flush or Close.
  void SetCapacity(uint32_t capacity);

  // Opens (or, when `create` or missing and writable, creates) the file of a
  // file-backed list; closes it first when open. Lists in memory need no
  // opening. Returns Opened(); status() tells why not.
  bool Open(bool create);

  // Writes a changed header (and, for kLoaded, the entries) back, closes
  // the file and frees the entries; the count becomes 0.
  void Close();

  // Writes the header (and, for kLoaded, all entries, cutting the file
  // after them) of a writable open file. False otherwise or on failure.
  bool Flush();

  // Entry i (1-based), or kNone when i is outside 1..Count(), the list is
  // not ready, or the entry cannot be read.
  uint32_t Get(int64_t i) const;

  // Adds `value` as entry Count() + 1 and returns the new count; -1 (and
  // nothing changed) when the list is full, not ready or not writable.
  int64_t Append(uint32_t value);

  // Ready for Get: in memory, or file-backed with its file open.
  bool Opened() const { return !file_backed_ || file_.IsOpen(); }
  int status() const { return status_; }
  uint32_t Count() const { return count_; }
  uint32_t Capacity() const { return capacity_; }
  PointerListType type() const { return type_; }
  bool changed() const { return changed_; }
  // Whether the header's count was more than the file holds.
  bool CutShort() const { return cut_short_; }
  // Whether the entries are read where the file is mapped.
  bool Mapped() const { return mapped_entries_ != nullptr; }

 private:
  bool OnDisk() const { return file_backed_ && type_ == PointerListType::kOnDisk; }
  bool ReadHeader();
  bool WriteHeader();
  bool WriteEntries();
  // Maps a read-only kLoaded list's entries; false when it cannot.
  bool MapEntries();
  void Unmap();

  PointerListType type_;
  std::string path_;
  bool file_backed_ = false;
  bool read_only_ = false;
  bool changed_ = false;
  int status_ = kOk;
  uint32_t count_ = 0;
  uint32_t capacity_ = 0;
  bool cut_short_ = false;
  std::vector<uint32_t> entries_;  // kInMemory, kLoaded and lists without a file
  MappedFile mapping_;
  const uint8_t* mapped_entries_ = nullptr;  // entry 1 in the mapping, instead of entries_
  File file_;
};

}  // namespace vx

#endif  // VX_ENGINE_FILES_POINTER_LIST_H_
