// WordListWriter: writes the files of a list with postings that
// TVXstruktlista reads with the same properties: the row file, in block
// mode the block pointer list, and the postings file.
//
// Rows come in list order (each text not below the one before under the
// list's table), each with the ascending record numbers it stands for. A
// row of one record gets PostingCount 0 and FirstRecord = the record; a row
// of more has their postings stored as one item of the postings file and
// FirstRecord = the offset of the first number (the item's offset + 4).
// RowValue1 is the row's first record, RowValue2 0.
//
// Values are checked, not cut: a row that the reader would cut, misread or
// fail to find is the producer's error and is refused before anything of
// it is written.
#ifndef VX_ENGINE_LISTS_WORD_LIST_WRITER_H_
#define VX_ENGINE_LISTS_WORD_LIST_WRITER_H_

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/lists/list_properties.h"
#include "engine/lists/struct_list.h"

namespace vx {

class WordListWriter {
 public:
  enum class Status : uint8_t {
    kOk,
    kNotOpen,              // Create was not called or failed, or Finish was
    kNoPostings,           // the properties say the rows carry no postings
    kCannotCreate,         // a file could not be created
    kZeroByteInText,       // the text holds a zero byte, which would end it early
    kTextTooLong,          // no room for the text, its zero byte and the words
    kOutOfOrder,           // the text sorts before the previous row's
    kNoRecords,            // a row must stand for at least one record
    kRecordsNotAscending,  // records not strictly ascending, or a 0 among them
    kListFull,             // maxrader rows written
    kWriteFailed,          // writing failed, or the postings passed 4 GB
  };

  // RO and finnsurval are ignored: a writer writes and selects nothing.
  explicit WordListWriter(ListProperties properties);
  // Finishes a list not yet finished.
  ~WordListWriter() { Finish(); }
  WordListWriter(const WordListWriter&) = delete;
  WordListWriter& operator=(const WordListWriter&) = delete;

  // Creates the files, replacing files of the same names.
  Status Create();
  // Appends one row; nothing is written unless kOk.
  Status Append(std::string_view text, std::span<const uint32_t> records);
  // Writes the pending block and the headers and closes the files.
  Status Finish();

  int32_t RowCount() const { return list_.RowCount(); }
  // The longest text a row may hold.
  size_t MaxTextLength() const { return list_.MaxTextLength(); }

 private:
  Status Check(std::string_view text, std::span<const uint32_t> records) const;

  TVXstruktlista list_;
  bool open_ = false;
  bool has_previous_ = false;
  std::string previous_;
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_WORD_LIST_WRITER_H_
