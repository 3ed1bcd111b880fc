// TVXregtext: a record-text store, the records of one register (or of a
// text collection) with their fields decoded by a label list.
//
// A store is three files: the record file ("b", record_file.h), the record
// pointer list ("p") and, in block mode, the block pointer list ("pz"),
// both pointer_list.h. The owner sets the properties, then Open, then any
// number of ReadRecord / DecodeFields pairs; Close frees everything.
//
// Decoding by label kind (record_field.h):
//   1  next entry of ShortFields(), cut to 6000 characters
//   2, 4  next entry of IntFields() (at most 15; more are skipped)
//   3  next entry of WordFields() (at most 14; more are skipped)
//   5  next long text, LongTexts()[0], [1], ... (at most antpc; more are
//      skipped), cut to pcsiz - 1 characters
// Values longer than their place lie outside the format; they are cut, not
// refused, so that a record from a careless producer still shows. A label
// with any other first character is skipped and takes no bytes.
//
// The store caches one expanded block and the last record read. Reading
// across blocks expands each new block once; the codec's exceptions from a
// damaged block pass through to the caller.
#ifndef VX_ENGINE_STORE_RECORD_STORE_H_
#define VX_ENGINE_STORE_RECORD_STORE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/files/pointer_list.h"
#include "engine/files/record_field.h"
#include "engine/files/record_file.h"
#include "engine/store/regtext_properties.h"
#include "engine/util/status.h"

namespace vx {

class TVXregtext {
 public:
  static constexpr size_t kMaxShortText = 6000;
  static constexpr size_t kIntFieldCount = 15;
  static constexpr size_t kWordFieldCount = 14;
  static constexpr int32_t kMaxLongTexts = 20;

  TVXregtext() = default;
  ~TVXregtext() { Close(); }
  TVXregtext(const TVXregtext&) = delete;
  TVXregtext& operator=(const TVXregtext&) = delete;

  // Changes take effect at the next Open.
  RegtextProperties& properties() { return properties_; }
  const RegtextProperties& properties() const { return properties_; }
  void SetLabels(const std::vector<std::string>& labels) { properties_.labels = labels; }

  // Opens the pointer lists and the record file. Read-only stores (RO)
  // never create a missing file; writable ones create it empty. The store
  // is Opened() when the record file is; a missing pointer list leaves it
  // open with every read giving status 2.
  bool Open();
  void Close();

  // Loads record `recno`. IOError: the store or its record list is not
  // open; NotFound: no such record (outside 1..RecordCount(), no entry, or
  // not within the files); Corruption: longer than textmaxsiz. Each names
  // the record file. On any of them the previous record stays, and
  // DecodeFields decodes it again. The codec's exceptions pass through
  // with the record file set (compress_errors.h).
  Status ReadRecord(int64_t recno);

  // Splits the record read last into the decoded state. False when the
  // store is closed, or when the record ends before every label found its
  // field (a text without terminator, missing bytes): decoding then stops at
  // that field, keeping the fields before it.
  bool DecodeFields();

  // The field at `pos` of the record read last (record_field.h).
  bool ReadField(size_t& pos, FieldKind kind, FieldValue& value) const;

  // Binary search by first field under FoldTable (see Tvxblobfil). -1 when
  // closed, empty or not found.
  int32_t FindRecord(std::string_view key, bool prefix);

  bool Opened() const { return opened_; }
  uint32_t RecordCount() const { return record_count_; }
  std::span<const std::string> ShortFields() const { return {short_fields_.data(), short_count_}; }
  const std::array<int32_t, kIntFieldCount>& IntFields() const { return int_fields_; }
  const std::array<int16_t, kWordFieldCount>& WordFields() const { return word_fields_; }
  // Long-text buffers 1..antpc at indexes 0..antpc-1.
  const std::vector<std::string>& LongTexts() const { return long_texts_; }
  size_t ShortFieldCount() const { return short_count_; }
  size_t IntFieldCount() const { return int_count_; }
  size_t WordFieldCount() const { return word_count_; }
  // The raw data of the record read last.
  std::span<const uint8_t> Record() const { return record_file_.Record(); }
  // Blocks expanded since the store was created.
  uint64_t BlockExpansions() const { return record_file_.BlockExpansions(); }

 private:
  void OpenRecordList();
  void OpenBlockList();
  void ClearDecoded();
  void StoreField(FieldKind kind, const FieldValue& value, size_t& long_index);

  RegtextProperties properties_;
  bool opened_ = false;
  uint32_t record_count_ = 0;
  size_t long_text_limit_ = 0;

  std::unique_ptr<Tvxpeklista> record_list_;
  std::unique_ptr<Tvxpeklista> block_list_;
  // Kept across Close so that its key cache survives reopening.
  Tvxblobfil record_file_;

  // Strings are reused between decodes; the first short_count_ are valid.
  std::vector<std::string> short_fields_;
  size_t short_count_ = 0;
  std::array<int32_t, kIntFieldCount> int_fields_ = {};
  size_t int_count_ = 0;
  std::array<int16_t, kWordFieldCount> word_fields_ = {};
  size_t word_count_ = 0;
  std::vector<std::string> long_texts_;
};

}  // namespace vx

#endif  // VX_ENGINE_STORE_RECORD_STORE_H_
