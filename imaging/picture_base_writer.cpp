#include "imaging/picture_base_writer.h"

#include <algorithm>
#include <cstring>

#include "engine/files/pointer_list.h"
#include "engine/files/record_file.h"
#include "engine/files/row_file.h"
#include "engine/text/collation.h"
#include "engine/util/byte_order.h"
#include "language/message_id.h"

namespace vx {
namespace {

// Lists grow while writing; the capacity becomes the count at the end.
constexpr uint32_t kUnbounded = 0xFFFFFFFE;
// RowValue1, RowValue2, then the name and its terminator.
constexpr uint32_t kIndexRowLength = Tvxindexblobfil::kValuesSize + kMaxPictureName + 1;

Status CheckPictures(const std::vector<PictureRecord>& pictures) {
  for (size_t i = 0; i < pictures.size(); ++i) {
    const std::string& name = pictures[i].name;
    if (name.empty() || name.size() > kMaxPictureName || name.find('\0') != std::string::npos) {
      return Status::Said(Status::Code::kInvalidArgument,
                          {MessageId::PictureNameLength, {name, std::to_string(kMaxPictureName)}});
    }
    if (EncodePictureFields(pictures[i]).size() > kPictureRecordBuffer) {
      return Status::Said(Status::Code::kInvalidArgument,
                          {MessageId::PictureDescriptionTooLong, {name}});
    }
    if (i > 0 && CompareTexts(pictures[i - 1].name.c_str(), name.c_str(), FoldTable()) == 0) {
      return Status::Said(Status::Code::kInvalidArgument, {MessageId::PictureTwice, {name}});
    }
  }
  return Status::OK();
}

Status CannotWrite(const std::filesystem::path& path) {
  return Status::Said(Status::Code::kIOError, {MessageId::PictureCannotWrite, {path.string()}});
}

Status WriteRecords(const std::string& directory, const std::string& name,
                    const std::vector<PictureRecord>& pictures) {
  Tvxpeklista list(PointerListType::kOnDisk);
  list.SetFileNames(directory, name + ".p");
  list.SetCapacity(kUnbounded);
  if (!list.Open(true)) return CannotWrite(directory + name + ".p");
  Tvxblobfil file;
  file.SetFileNames(directory, name + ".b");
  file.SetPointerLists(&list, nullptr);
  file.SetBufferSize(kPictureRecordBuffer);
  if (!file.Open(true)) return CannotWrite(directory + name + ".b");
  bool written = true;
  for (const PictureRecord& picture : pictures) {
    written =
        written && file.AppendRecord(EncodePictureFields(picture), EncodePictureImage(picture)) > 0;
  }
  file.Close();
  list.SetCapacity(list.Count());
  written = list.Flush() && written;
  list.Close();
  return written ? Status::OK() : CannotWrite(directory + name + ".b");
}

Status WriteIndex(const std::string& directory, const std::string& name,
                  const std::vector<PictureRecord>& pictures) {
  Tvxindexblobfil index;
  index.SetFileNames(directory, name + ".bi");
  if (!index.CreateNew(static_cast<uint32_t>(pictures.size()), kIndexRowLength)) {
    return CannotWrite(directory + name + ".bi");
  }
  bool written = true;
  for (size_t i = 0; i < pictures.size(); ++i) {
    std::vector<uint8_t> row(kIndexRowLength, 0);
    StoreU32(row.data(), static_cast<uint32_t>(i + 1));
    std::memcpy(row.data() + Tvxindexblobfil::kValuesSize, pictures[i].name.data(),
                pictures[i].name.size());
    written = written && index.AppendRow(row);
  }
  index.Close();
  return written ? Status::OK() : CannotWrite(directory + name + ".bi");
}

}  // namespace

Status WritePictureBase(const std::filesystem::path& directory, const std::string& name,
                        std::vector<PictureRecord> pictures, bool with_index) {
  std::stable_sort(pictures.begin(), pictures.end(),
                   [](const PictureRecord& a, const PictureRecord& b) {
                     return CompareTexts(a.name.c_str(), b.name.c_str(), FoldTable()) < 0;
                   });
  Status status = CheckPictures(pictures);
  if (!status.ok()) return status;
  std::string prefix = directory.string();
  if (!prefix.empty() && prefix.back() != '/') prefix += '/';
  status = WriteRecords(prefix, name, pictures);
  if (status.ok() && with_index) status = WriteIndex(prefix, name, pictures);
  return status;
}

}  // namespace vx
