// kuvo-data's picture commands: describing a picture base (info) and
// writing its pictures out (bilder); and the program's pictures that every
// build packs.
#ifndef VX_TOOLS_DATA_PICTURES_H_
#define VX_TOOLS_DATA_PICTURES_H_

#include <filesystem>
#include <string>
#include <vector>

#include "imaging/picture_record.h"

namespace vx::cli {

// True for the files of a picture base: <name>grfk.b, .p and .bi.
bool IsPictureBaseFile(const std::filesystem::path& path);

// Prints every picture of the base that `path` belongs to.
void DescribePictureBase(const std::filesystem::path& path);

// The program's own pictures as records for "vaxorgrfk".
std::vector<PictureRecord> ProgramPictureRecords();

}  // namespace vx::cli

#endif  // VX_TOOLS_DATA_PICTURES_H_
