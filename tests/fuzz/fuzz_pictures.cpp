// Reads arbitrary bytes as a picture record, its region and its image
// header, and as the record file of a picture base whose pointer list names
// up to eight offsets taken from the input. Nothing read is longer than its
// bytes, what parses writes back to the same, regions are sound, and a
// picture found by name is the record read by number.
//
// With --write-seeds=DIR the target writes well-formed records to DIR and
// exits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/files/pointer_list.h"
#include "engine/util/byte_order.h"
#include "imaging/image_info.h"
#include "imaging/picture_base.h"
#include "imaging/picture_base_writer.h"
#include "imaging/picture_record.h"
#include "imaging/region_data.h"
#include "tests/fuzz/fuzz_work_dir.h"

namespace {

using vx::fuzz::Check;

namespace fs = std::filesystem;
using vx::fuzz::WorkDirectory;
using vx::fuzz::WriteFile;

constexpr char kDirectoryPrefix[] = "vx-fuzz-pictures-";
constexpr size_t kMaxPointers = 8;

bool SameRecord(const vx::PictureRecord& a, const vx::PictureRecord& b) {
  return a.name == b.name && a.description == b.description && a.type == b.type &&
         a.short_text == b.short_text && a.placement == b.placement && a.kept1 == b.kept1 &&
         a.kept2 == b.kept2 && a.image == b.image && a.region_kept == b.region_kept &&
         a.region == b.region;
}

void CheckRecord(std::span<const uint8_t> bytes) {
  vx::PictureRecord record;
  size_t fields_end = 0;
  if (!vx::ParsePictureFields(bytes, record, &fields_end).ok()) {
    Check(record.name.empty() && record.image.empty() && record.region.empty());
    return;
  }
  Check(fields_end <= bytes.size());
  if (!vx::ParsePictureImage(bytes.subspan(fields_end), record).ok()) {
    Check(record.image.empty() && record.region.empty());
    return;
  }
  Check(record.image.size() + record.region.size() <= bytes.size() - fields_end);
  Check(record.name.size() <= vx::kMaxPictureName);
  Check(record.placement.size() <= vx::kMaxPlacementCode);
  vx::PictureRecord again;
  Check(vx::ParsePictureFields(vx::EncodePictureFields(record), again).ok());
  Check(vx::ParsePictureImage(vx::EncodePictureImage(record), again).ok());
  Check(SameRecord(record, again));
  vx::RegionData region;
  if (record.HasRegion() && vx::ParseRegionData(record.region, region).ok())
    for (const vx::Rect& r : region.rects) {
      Check(r.left < r.right() && r.top < r.bottom());
      Check(r.right() <= vx::kMaxRegionCoordinate && r.left >= -vx::kMaxRegionCoordinate);
    }
  vx::ImageInfo info;
  if (vx::ReadImageInfo(record.image, info)) Check(info.width >= 1 && info.height <= 65535);
}

void CheckRegion(std::span<const uint8_t> bytes) {
  vx::RegionData region;
  if (!vx::ParseRegionData(bytes, region).ok()) {
    Check(region.rects.empty());
    return;
  }
  Check(vx::kRegionHeaderSize + 16 * region.rects.size() == bytes.size());
}

// The input as a record file; the pointer list holds offsets read from
// the input's first bytes.
void CheckBase(const uint8_t* data, size_t size) {
  const fs::path& dir = WorkDirectory(kDirectoryPrefix);
  WriteFile(dir / "b.b", {data, size});
  {
    vx::Tvxpeklista list(vx::PointerListType::kOnDisk);
    list.SetFileNames(dir.string() + "/", "b.p");
    list.SetCapacity(kMaxPointers);
    if (!list.Open(true)) return;
    for (size_t i = 0; i < kMaxPointers && 4 * i + 4 <= size; ++i)
      list.Append(vx::LoadU32(data + 4 * i) % (size + 32));
  }
  vx::TVXbildbas base;
  base.SetFiles(dir.string() + "/", "b");
  if (!base.Open()) return;
  for (uint32_t n = 1; n <= base.RecordCount() && n <= kMaxPointers + 1; ++n) {
    vx::PictureRecord by_number;
    if (!base.ReadPicture(n, by_number).ok()) {
      Check(by_number.name.empty() && by_number.image.empty() && by_number.region.empty());
      continue;
    }
    Check(by_number.image.size() + by_number.region.size() <= size);
    if (by_number.name.empty()) continue;
    vx::PictureRecord by_name;
    const int32_t found = base.GetPicture(by_number.name, by_name);
    if (found == static_cast<int32_t>(n)) Check(SameRecord(by_name, by_number));
  }
}

void WriteSeeds(const fs::path& dir) {
  vx::PictureRecord plain;
  plain.name = "prebak";
  plain.description = "Bakgrund";
  plain.image = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0,    13,
                 'I',  'H', 'D', 'R', 0,    0,    1,    0,    0, 0, 0x80, 0};
  vx::PictureRecord shaped = plain;
  shaped.name = "storkryssl01";
  shaped.type = vx::kShapedPictureType;
  shaped.placement = "C3";
  const vx::Rect rects[] = {{0, 0, 4, 1}, {1, 1, 2, 2}};
  shaped.region = vx::EncodeRegionData(rects);
  const auto whole = [](const vx::PictureRecord& picture) {
    std::vector<uint8_t> bytes = vx::EncodePictureFields(picture);
    const std::vector<uint8_t> image = vx::EncodePictureImage(picture);
    bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
  };
  const std::vector<uint8_t> records[] = {whole(plain), whole(shaped), shaped.region};
  for (size_t i = 0; i < std::size(records); ++i)
    WriteFile(dir / ("seed-" + std::to_string(i)), records[i]);
  // A whole record file of a base, as the builder writes it.
  const fs::path base_dir = dir / "base";
  fs::create_directories(base_dir);
  if (vx::WritePictureBase(base_dir, "b", {plain, shaped}, false).ok())
    fs::copy_file(base_dir / "b.b", dir / "seed-base", fs::copy_options::overwrite_existing);
  fs::remove_all(base_dir);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  vx::fuzz::WriteSeedsIfAsked(*argc, *argv, WriteSeeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  CheckRecord(bytes);
  CheckRegion(bytes);
  CheckBase(data, size);
  return 0;
}
