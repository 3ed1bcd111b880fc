// TVXbildbas: a picture base, a record file whose records each hold a named
// picture (picture_record.h), with its pointer list and, optionally, a
// name index.
//
// Files, in one directory: <name>.b (record file, records plain, in
// ascending FoldTable order of their names, each record's image after its
// data; picture_record.h), <name>.p (record pointer
// list, read entry by entry) and <name>.bi (name index: a row file whose
// rows hold the record number in RowValue1 and the picture name as text,
// in the same order). A base is only ever read; a missing file leaves it
// closed and creates nothing.
#ifndef VX_IMAGING_PICTURE_BASE_H_
#define VX_IMAGING_PICTURE_BASE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/files/pointer_list.h"
#include "engine/files/record_file.h"
#include "engine/files/row_file.h"
#include "engine/util/status.h"
#include "imaging/picture_record.h"

namespace vx {

class TVXbildbas {
 public:
  // Images and regions longer than this are refused as damaged: no picture
  // of the program comes near it, and it bounds what one look-up allocates.
  static constexpr uint64_t kMaxImageRoom = 64ull << 20;

  TVXbildbas() = default;
  ~TVXbildbas() { Close(); }
  TVXbildbas(const TVXbildbas&) = delete;
  TVXbildbas& operator=(const TVXbildbas&) = delete;

  // `directory` is a plain prefix (as the catalogue's directories are);
  // `name` the files' base name ("vaxorgrfk", "vaxor0001grfk").
  void SetFiles(const std::string& directory, const std::string& name);
  // finnsindex: look names up through <name>.bi.
  void SetHasIndex(bool has_index) { has_index_ = has_index; }

  // Opens the files read-only. False (and closed) when the record file or
  // its pointer list cannot be opened; a missing index is then searched
  // for without it.
  bool Open();
  void Close();
  bool IsOpen() const { return open_; }

  // The record number of picture `name` (1 and up), or 0 when it is not
  // there or the base is closed. Case and accents are folded.
  int32_t FindPicture(std::string_view name);

  // Finds `name` and reads its record into `out`: the record number, or 0
  // when missing, or -1 with `status` (if given) set when the record is
  // damaged.
  int32_t GetPicture(std::string_view name, PictureRecord& out, Status* status = nullptr);

  // Reads record `recno` (1..RecordCount()): its fields through the
  // record buffer (Corruption naming the file when the record's data is
  // longer than kPictureRecordBuffer), then the image and region that
  // follow, within the room up to the next record or the end of the file.
  Status ReadPicture(int64_t recno, PictureRecord& out);

  uint32_t RecordCount() const;
  const std::string& RecordFilePath() const { return record_file_.path(); }
  bool IndexOpen() const { return index_.Opened(); }

 private:
  int32_t FindThroughIndex(std::string_view name);
  // Bytes from `start` (just past record `recno`'s data) to the next
  // record's header, or to the end of the file.
  uint64_t ImageRoom(int64_t recno, uint64_t start) const;

  std::string directory_;
  std::string name_;
  bool has_index_ = false;
  bool open_ = false;
  std::unique_ptr<Tvxpeklista> record_list_;
  Tvxblobfil record_file_;
  Tvxindexblobfil index_;
};

}  // namespace vx

#endif  // VX_IMAGING_PICTURE_BASE_H_
