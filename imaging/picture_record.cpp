#include "imaging/picture_record.h"

#include "engine/files/record_field.h"
#include "engine/util/byte_order.h"

namespace vx {
namespace {

constexpr uint8_t kTextTag = '1';
constexpr uint8_t kNumberTag = '2';

Status Damaged(const std::string& why) {
  return Status::Corruption("Bildposten \xE4r skadad: " + why + ".");
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

bool ReadU32(std::span<const uint8_t> data, size_t& pos, uint32_t& out) {
  if (data.size() - pos < 4) return false;
  out = LoadU32(data.data() + pos);
  pos += 4;
  return true;
}

// A u32 length and that many bytes.
bool ReadBytes(std::span<const uint8_t> data, size_t& pos, std::vector<uint8_t>& out) {
  uint32_t length = 0;
  if (!ReadU32(data, pos, length) || length > data.size() - pos) return false;
  out.assign(data.begin() + static_cast<std::ptrdiff_t>(pos),
             data.begin() + static_cast<std::ptrdiff_t>(pos + length));
  pos += length;
  return true;
}

Status ParseFields(std::span<const uint8_t> data, size_t& pos, PictureRecord& out) {
  if (!ReadText(data, pos, kMaxPictureName, out.name) ||
      !ReadText(data, pos, std::string::npos, out.description) ||
      !ReadNumber(data, pos, out.type) ||
      !ReadText(data, pos, kMaxPictureShortText, out.short_text) ||
      !ReadText(data, pos, kMaxPlacementCode, out.placement) || !ReadNumber(data, pos, out.kept1) ||
      !ReadNumber(data, pos, out.kept2)) {
    return Damaged("ett f\xE4lt \xE4r avklippt");
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

Status ParsePictureRecord(std::span<const uint8_t> data, PictureRecord& out) {
  out = {};
  size_t pos = 0;
  Status status = ParseFields(data, pos, out);
  if (status.ok() && !ReadBytes(data, pos, out.image)) {
    status = Damaged("bildens l\xE4ngd g\xE5r utanf\xF6r posten");
  }
  if (status.ok() && out.HasRegion() &&
      !(ReadU32(data, pos, out.region_kept) && ReadBytes(data, pos, out.region))) {
    status = Damaged("formens l\xE4ngd g\xE5r utanf\xF6r posten");
  }
  if (!status.ok()) out = {};
  return status;
}

std::vector<uint8_t> EncodePictureRecord(const PictureRecord& picture) {
  std::vector<uint8_t> out;
  out.reserve(64 + picture.image.size() + picture.region.size());
  AppendText(out, picture.name, kMaxPictureName);
  AppendText(out, picture.description, std::string::npos);
  AppendNumber(out, picture.type);
  AppendText(out, picture.short_text, kMaxPictureShortText);
  AppendText(out, picture.placement, kMaxPlacementCode);
  AppendNumber(out, picture.kept1);
  AppendNumber(out, picture.kept2);
  AppendBytes(out, picture.image);
  if (picture.HasRegion()) {
    AppendU32(out, picture.region_kept);
    AppendBytes(out, picture.region);
  }
  return out;
}

}  // namespace vx
