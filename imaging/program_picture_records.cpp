#include "imaging/program_picture_records.h"

#include "imaging/region_data.h"

namespace vx {

std::vector<PictureRecord> ToPictureRecords(std::span<const ProgramPicture> pictures) {
  std::vector<PictureRecord> records;
  records.reserve(pictures.size());
  for (const ProgramPicture& p : pictures) {
    PictureRecord record;
    record.name = p.name;
    record.description = p.description;
    record.type = p.type;
    record.placement = p.placement;
    record.kept1 = p.kept1;
    record.kept2 = p.kept2;
    record.image.assign(p.png.begin(), p.png.end());
    if (record.HasRegion()) record.region = EncodeRegionData(p.region);
    records.push_back(std::move(record));
  }
  return records;
}

}  // namespace vx
