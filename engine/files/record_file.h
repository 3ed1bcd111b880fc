// Tvxblobfil: a record file, numbered records stored plainly or in
// compressed blocks.
//
// File layout (little-endian):
//    0  2  reserved word, kept as read
//    2  4  record count
//    6  4  offset of the first free byte (16 in an empty file)
//   10  6  reserved, 0
//   16     data
// A record is a 12-byte header (u32 not interpreted, u32 data length L,
// u32 not interpreted) followed by L bytes of fields (record_field.h).
//
// Plain mode: entry r of the record pointer list is the file offset of
// record r's header. Block mode: records are grouped by number into blocks
// of P; block b (from 0) holds records b*P+1 .. (b+1)*P, stored as described
// in block_cache.h; entry r of the record pointer list is the offset of
// record r's header inside its block's expansion.
//
// Both pointer lists belong to the caller and must outlive the open file.
// Every offset and length read from the files is checked against the file,
// the expanded block and the record buffer before use.
#ifndef VX_ENGINE_FILES_RECORD_FILE_H_
#define VX_ENGINE_FILES_RECORD_FILE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/files/block_appender.h"
#include "engine/files/block_cache.h"
#include "engine/files/file.h"
#include "engine/files/key_cache.h"
#include "engine/files/record_field.h"

namespace vx {

class Tvxpeklista;

// How records are packed. LZHBLOBpacka is read exactly like LZHpackainte.
enum class TblobfilLZHmode : uint8_t { LZHpackainte = 0, LZHblockpacka = 1, LZHBLOBpacka = 2 };

class Tvxblobfil {
 public:
  static constexpr uint64_t kHeaderSize = 16;
  static constexpr size_t kRecordHeaderSize = 12;
  static constexpr size_t kMaxKeyLength = 255;

  // Status of ReadRecord (and, 0 or 1, of Open).
  enum Status : int {
    kOk = 0,
    kNotReady = 1,      // not open, no buffer or no record list
    kNoSuchRecord = 2,  // outside 1..count, no entry, or not within the files
    kTooLong = 3,       // longer than the record buffer
  };

  Tvxblobfil() = default;
  ~Tvxblobfil() { Close(); }
  Tvxblobfil(const Tvxblobfil&) = delete;
  Tvxblobfil& operator=(const Tvxblobfil&) = delete;

  // Settings; they take effect at the next Open.
  void SetFileNames(const std::string& directory, const std::string& name);
  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  // A block size of 0 is taken as 1.
  void SetPacking(TblobfilLZHmode mode, uint16_t records_per_block);
  void SetPointerLists(Tvxpeklista* records, Tvxpeklista* blocks);
  // The record buffer; records longer than `size` are not read (kTooLong)
  // and not written. Takes effect at once.
  void SetBufferSize(size_t size);
  // Keys kept by the key cache; 0 = no cache. The cache is created at the
  // first Open and keeps its keys when the same file is opened again.
  void SetKeyCacheSize(size_t size) { key_cache_size_ = size; }

  // Opens (or creates, see data_file.h) the file and reads its header; with
  // a key cache that is empty and at least 101 records, seeds it with the
  // first fields of records count/4, count/2 and 3*(count/4) (records that
  // cannot be read, even from a damaged block, are left out). Returns
  // Opened(); status() is 1 on failure (also for a header cut short).
  bool Open(bool create);

  // Writes a changed header back (flushing a pending block first), closes
  // the file and frees the block buffers.
  void Close();

  // Loads record `recno`'s data into the record buffer; returns a Status.
  // On any status but kOk the buffer and Record() keep the previous record.
  // Expanding a block may raise the codec's exceptions; the block then does
  // not become current.
  int ReadRecord(int64_t recno);

  // The data of the record read last (empty before the first read).
  std::span<const uint8_t> Record() const;
  // The 12-byte header of the last record whose header was read.
  const std::array<uint8_t, kRecordHeaderSize>& LastRecordHeader() const { return last_header_; }

  // Reads the field at `pos` of the record read last (see record_field.h).
  bool ReadField(size_t& pos, FieldKind kind, FieldValue& value) const;

  // Plain mode: the file offset just past the data of the record read last,
  // where an owner that keeps bytes of its own after a record's data (a
  // picture base's image) finds them; 0 before the first read and in block
  // mode.
  uint64_t PositionAfterRecord() const { return position_after_record_; }
  // Reads `out.size()` bytes at `offset` of the file; false when they are
  // not all there.
  bool ReadBytesAt(uint64_t offset, std::span<uint8_t> out) const;
  uint64_t FileSize() const { return file_.Size(); }

  // Binary search over records stored in ascending FoldTable order of their
  // first field (data from offset 1). With `prefix`, a record matches when
  // its first field begins with `key`; else the texts must be equal. Only
  // the first 255 characters of `key` count. Returns the first matching
  // record number, or -1 (also when a probed record cannot be read). The
  // record buffer holds the last record probed. Expanding blocks may raise
  // the codec's exceptions.
  int32_t FindRecord(std::string_view key, bool prefix);

  // Appends a record (writable files only). Plain mode writes it at the
  // first free byte, followed by `after` (bytes outside the record's data,
  // read back from PositionAfterRecord); block mode adds it to the pending
  // block, flushed when it holds P records. Returns the new record's number,
  // or -1 when the file is not writable, the record is longer than the
  // buffer, a list is full, a block-mode file does not end on a whole block
  // or is given `after`, or writing failed.
  int64_t AppendRecord(std::span<const uint8_t> data, std::span<const uint8_t> after = {});

  // Writes the pending block (block mode) at the end of the file with
  // "LH5" and enters its offset in the block list. True when nothing was
  // pending.
  bool FlushBlock();

  bool Opened() const { return file_.IsOpen(); }
  // The path opened; empty while closed.
  const std::string& path() const { return file_.path(); }
  int status() const { return status_; }
  uint32_t RecordCount() const { return count_; }
  bool changed() const { return changed_; }
  // Blocks expanded since construction.
  uint64_t BlockExpansions() const { return blocks_.expansions(); }

 private:
  bool BlockMode() const { return mode_ == TblobfilLZHmode::LZHblockpacka; }
  bool ReadHeader();
  bool WriteHeader();
  int ReadPlain(uint32_t offset);
  int ReadInBlock(int64_t recno, uint32_t offset);
  uint32_t MaxExpandedBlock() const;
  const char* FirstField() const;
  void AssertBuffer() const;
  // Reads record `recno` and compares `key` with its first field.
  bool Probe(int64_t recno, const std::string& key, bool prefix, int& comparison);
  void PrepareKeyCache();
  void SeedKeyCache();
  int64_t AppendPlain(std::span<const uint8_t> record);
  int64_t AppendToBlock(std::span<const uint8_t> record);

  std::string path_;
  bool read_only_ = false;
  bool changed_ = false;
  int status_ = kOk;
  TblobfilLZHmode mode_ = TblobfilLZHmode::LZHpackainte;
  uint16_t records_per_block_ = 1;
  Tvxpeklista* records_ = nullptr;
  Tvxpeklista* block_list_ = nullptr;

  File file_;
  uint16_t reserved_word_ = 0;
  uint32_t count_ = 0;
  uint32_t first_free_ = kHeaderSize;

  // The record buffer holds buffer_size_ bytes and one zero more, written
  // after every record read, so that the first field is always terminated.
  size_t buffer_size_ = 0;
  std::vector<uint8_t> buffer_;
  size_t record_length_ = 0;
  uint64_t position_after_record_ = 0;
  std::array<uint8_t, kRecordHeaderSize> last_header_ = {};

  BlockCache blocks_;
  BlockAppender pending_;
  std::vector<uint8_t> scratch_;  // one record being appended

  size_t key_cache_size_ = 0;
  std::unique_ptr<Tvxhash> key_cache_;
  std::string key_cache_path_;  // the file its keys were found in
};

}  // namespace vx

#endif  // VX_ENGINE_FILES_RECORD_FILE_H_
