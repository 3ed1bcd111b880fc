#include "imaging/picture_record.h"

#include <algorithm>

#include "engine/files/record_field.h"
#include "engine/util/byte_order.h"
#include "language/message_id.h"

namespace vx {
namespace {

constexpr uint8_t kTextTag = '1';
constexpr uint8_t kNumberTag = '2';

Status Damaged(MessageId why) {
  return Status::Said(Status::Code::kCorruption,
                      {MessageId::PictureRecordDamaged, {}, {Message{why, {}}}});
}

bool ReadText(std::span<const uint8_t> data, size_t& pos, size_t keep, std::string& out) {
  FieldValue value;
  if (!ReadField(data, pos, FieldKind::kShortText, value)) return false;
  out.assign(value.text.substr(0, keep));
  return true;
}

bool ReadNumber(std::span<const uint8_t> data, size_t& pos, int32_t& out) {
  FieldValue value;
  if (!ReadField(data, pos, FieldKind::kInteger, value)) return false;
  out = value.number;
  return true;
}

// Reads what follows a record's data in order, never past `room` bytes.
class ImageReader {
 public:
  ImageReader(const PictureBytesReader& read, uint64_t room) : read_(read), room_(room) {}

  bool U32(uint32_t& out) {
    uint8_t bytes[4];
    if (!Take(bytes)) return false;
    out = LoadU32(bytes);
    return true;
  }

  // A u32 length and that many bytes.
  bool Bytes(std::vector<uint8_t>& out) {
    uint32_t length = 0;
    if (!U32(length) || length > room_ - pos_) return false;
    out.resize(length);
    return Take(out);
  }

 private:
  bool Take(std::span<uint8_t> out) {
    if (out.size() > room_ - pos_ || !read_(pos_, out)) return false;
    pos_ += out.size();
    return true;
  }

  const PictureBytesReader& read_;
  uint64_t room_;
  uint64_t pos_ = 0;
};

Status ParseFields(std::span<const uint8_t> data, size_t& pos, PictureRecord& out) {
  if (!ReadText(data, pos, kMaxPictureName, out.name) ||
      !ReadText(data, pos, std::string::npos, out.description) ||
      !ReadNumber(data, pos, out.type) ||
      !ReadText(data, pos, kMaxPictureShortText, out.short_text) ||
      !ReadText(data, pos, kMaxPlacementCode, out.placement) || !ReadNumber(data, pos, out.kept1) ||
      !ReadNumber(data, pos, out.kept2)) {
    return Damaged(MessageId::PictureFieldCut);
  }
  return Status::OK();
}

void AppendText(std::vector<uint8_t>& out, const std::string& text, size_t keep) {
  out.push_back(kTextTag);
  const std::string_view kept = std::string_view(text).substr(0, keep);
  for (const char c : kept) {
    if (c == '\0') break;  // a zero would end the text early
    out.push_back(static_cast<uint8_t>(c));
  }
  out.push_back(0);
}

void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
  uint8_t bytes[4];
  StoreU32(bytes, value);
  out.insert(out.end(), bytes, bytes + 4);
}

void AppendNumber(std::vector<uint8_t>& out, int32_t value) {
  out.push_back(kNumberTag);
  AppendU32(out, static_cast<uint32_t>(value));
}

void AppendBytes(std::vector<uint8_t>& out, const std::vector<uint8_t>& bytes) {
  AppendU32(out, static_cast<uint32_t>(bytes.size()));
  out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace

Status ParsePictureFields(std::span<const uint8_t> data, PictureRecord& out, size_t* fields_end) {
  out = {};
  size_t pos = 0;
  const Status status = ParseFields(data, pos, out);
  if (!status.ok()) out = {};
  if (fields_end) *fields_end = status.ok() ? pos : 0;
  return status;
}

Status ReadPictureImage(const PictureBytesReader& read, uint64_t room, PictureRecord& out) {
  out.image.clear();
  out.region.clear();
  out.region_kept = 0;
  ImageReader reader(read, room);
  Status status;
  if (!reader.Bytes(out.image)) {
    status = Damaged(MessageId::PictureImagePastEnd);
  } else if (out.HasRegion() && !(reader.U32(out.region_kept) && reader.Bytes(out.region))) {
    status = Damaged(MessageId::PictureShapePastEnd);
  }
  if (!status.ok()) {
    out.image.clear();
    out.region.clear();
    out.region_kept = 0;
  }
  return status;
}

Status ParsePictureImage(std::span<const uint8_t> bytes, PictureRecord& out) {
  const PictureBytesReader read = [bytes](uint64_t offset, std::span<uint8_t> to) {
    if (offset > bytes.size() || bytes.size() - offset < to.size()) return false;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), to.size(), to.begin());
    return true;
  };
  return ReadPictureImage(read, bytes.size(), out);
}

std::vector<uint8_t> EncodePictureFields(const PictureRecord& picture) {
  std::vector<uint8_t> out;
  out.reserve(64 + picture.description.size());
  AppendText(out, picture.name, kMaxPictureName);
  AppendText(out, picture.description, std::string::npos);
  AppendNumber(out, picture.type);
  AppendText(out, picture.short_text, kMaxPictureShortText);
  AppendText(out, picture.placement, kMaxPlacementCode);
  AppendNumber(out, picture.kept1);
  AppendNumber(out, picture.kept2);
  return out;
}

std::vector<uint8_t> EncodePictureImage(const PictureRecord& picture) {
  std::vector<uint8_t> out;
  out.reserve(12 + picture.image.size() + picture.region.size());
  AppendBytes(out, picture.image);
  if (picture.HasRegion()) {
    AppendU32(out, picture.region_kept);
    AppendBytes(out, picture.region);
  }
  return out;
}

}  // namespace vx
