// RecordStoreWriter: writes the files of a record-text store that
// TVXregtext reads with the same properties: the record file, the record
// pointer list (read entry by entry, type 2) and, in block mode, the block
// pointer list. Records are appended in number order, one value per label.
//
// Each field is written as its tag byte, the label's kind digit ('1'..'5'),
// then the value; each record header carries the record's number in its
// first word and 0 in its third. Blocks are compressed with "LH5".
//
// Values are checked, not cut: the reader would cut or refuse what does
// not fit, so a value that does not fit is the producer's error.
#ifndef VX_ENGINE_STORE_RECORD_STORE_WRITER_H_
#define VX_ENGINE_STORE_RECORD_STORE_WRITER_H_

#include <cstdint>
#include <span>
#include <vector>

#include "engine/files/pointer_list.h"
#include "engine/files/record_field.h"
#include "engine/files/record_file.h"
#include "engine/store/regtext_properties.h"

namespace vx {

class RecordStoreWriter {
 public:
  enum class Status : uint8_t {
    kOk,
    kNotOpen,           // Create was not called or failed, or Finish was
    kCannotCreate,      // a file could not be created
    kWrongFieldCount,   // not one value per label
    kZeroByteInText,    // a text holds a zero byte, which would end it early
    kTextTooLong,       // short text over 6000 characters, long text over pcsiz - 1
    kNumberOutOfRange,  // a kind-3 value outside -32768..32767
    kRecordTooLong,     // the encoded record is longer than textmaxsiz
    kWriteFailed,
  };

  // The RO property is ignored: a writer writes.
  explicit RecordStoreWriter(RegtextProperties properties);
  // Finishes a store not yet finished.
  ~RecordStoreWriter() { Finish(); }
  RecordStoreWriter(const RecordStoreWriter&) = delete;
  RecordStoreWriter& operator=(const RecordStoreWriter&) = delete;

  // Creates the files, replacing files of the same names.
  Status Create();

  // Appends one record: `fields` holds one value per label, in label order
  // (text for kinds 1 and 5, number for 2, 3 and 4; the value of a label
  // without a kind is ignored). Nothing is written unless kOk.
  Status Append(std::span<const FieldValue> fields);

  // Writes the pending block, the headers and the pointer lists (their
  // capacity set to their count) and closes the files.
  Status Finish();

  // Records appended so far.
  uint32_t RecordCount() const { return count_; }

 private:
  Status Encode(std::span<const FieldValue> fields);
  Status EncodeField(FieldKind kind, const FieldValue& value);

  RegtextProperties properties_;
  bool open_ = false;
  uint32_t count_ = 0;
  Tvxpeklista record_list_{PointerListType::kOnDisk};
  Tvxpeklista block_list_{PointerListType::kOnDisk};
  Tvxblobfil record_file_;
  std::vector<uint8_t> record_;
};

}  // namespace vx

#endif  // VX_ENGINE_STORE_RECORD_STORE_WRITER_H_
