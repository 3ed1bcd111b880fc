#include "tools/data_pictures.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <fstream>

#include "engine/util/cp1252.h"
#include "imaging/image_info.h"
#include "imaging/picture_base.h"
#include "imaging/program_picture_records.h"
#include "imaging/region_data.h"
#include "language/message_id.h"
#include "tools/cli_io.h"
#include "tools/data_commands.h"

namespace vx::cli {
namespace {

namespace fs = std::filesystem;

constexpr char kBaseSuffix[] = "grfk";
constexpr size_t kShownRects = 4;

// One line of a description in the program's language, indented by `indent`.
void Line(std::string_view indent, MessageId id,
          std::initializer_list<std::string_view> args = {}) {
  std::printf("%.*s%s\n", static_cast<int>(indent.size()), indent.data(), Said(id, args).c_str());
}

std::string DirectoryPrefix(const fs::path& path) {
  return path.parent_path().empty() ? "" : path.parent_path().string() + "/";
}

bool OpenBase(const fs::path& path, TVXbildbas& base) {
  base.SetFiles(DirectoryPrefix(path), path.stem().string());
  base.SetHasIndex(fs::exists(path.parent_path() / (path.stem().string() + ".bi")));
  return base.Open();
}

void DescribeRegion(const PictureRecord& picture) {
  RegionData region;
  const Status status = ParseRegionData(picture.region, region);
  if (!status.ok()) {
    Line("    ", MessageId::DataInfoShapeFault, {StatusText(status)});
    return;
  }
  Line("    ", MessageId::DataInfoShape,
       {std::to_string(region.rects.size()), std::to_string(region.bounds.left),
        std::to_string(region.bounds.top), std::to_string(region.bounds.right()),
        std::to_string(region.bounds.bottom())});
  for (size_t i = 0; i < region.rects.size() && i < kShownRects; ++i) {
    const Rect& r = region.rects[i];
    std::printf("      (%d,%d)-(%d,%d)\n", r.left, r.top, r.right(), r.bottom());
  }
  if (region.rects.size() > kShownRects) std::printf("      …\n");
}

void DescribePicture(const PictureRecord& picture) {
  ImageInfo info;
  const bool known = ReadImageInfo(picture.image, info);
  const std::string name = Cp1252ToUtf8(picture.name);
  const std::string type = std::to_string(picture.type);
  const std::string placement = Cp1252ToUtf8(picture.placement);
  const std::string size = std::to_string(picture.image.size());
  if (known) {
    Line("  ", MessageId::DataInfoPicture,
         {name, type, placement, info.format, std::to_string(info.width),
          std::to_string(info.height), size});
  } else {
    Line("  ", MessageId::DataInfoPictureUnknown, {name, type, placement, size});
  }
  if (!picture.description.empty()) {
    std::printf("    %s\n", Cp1252ToUtf8(picture.description).c_str());
  }
  if (picture.HasRegion()) DescribeRegion(picture);
}

bool WritePicture(const PictureRecord& picture, const fs::path& folder) {
  ImageInfo info;
  ReadImageInfo(picture.image, info);
  const fs::path file = folder / (Cp1252ToUtf8(picture.name) + "." + ImageExtension(info));
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(picture.image.data()),
            static_cast<std::streamsize>(picture.image.size()));
  if (!out) PrintError(Said(MessageId::DataCannotWrite, {file.string()}));
  return static_cast<bool>(out);
}

// Writes every picture of one base; counts written pictures and errors.
void WriteBase(const fs::path& base_file, const fs::path& folder, size_t& written, size_t& failed) {
  TVXbildbas base;
  if (!OpenBase(base_file, base)) {
    PrintError(Said(MessageId::DataPictureBaseUnopenable, {base_file.string()}));
    ++failed;
    return;
  }
  for (uint32_t n = 1; n <= base.RecordCount(); ++n) {
    PictureRecord picture;
    const Status status = base.ReadPicture(n, picture);
    if (!status.ok()) {
      PrintError(StatusText(status));
      ++failed;
    } else if (WritePicture(picture, folder)) {
      ++written;
    } else {
      ++failed;
    }
  }
}

}  // namespace

bool IsPictureBaseFile(const fs::path& path) {
  const std::string extension = path.extension().string();
  return path.stem().string().ends_with(kBaseSuffix) &&
         (extension == ".b" || extension == ".p" || extension == ".bi");
}

void DescribePictureBase(const fs::path& path) {
  TVXbildbas base;
  Line("", path.extension() == ".bi" ? MessageId::DataInfoPictureIndex
                                     : MessageId::DataInfoPictureBase);
  if (!OpenBase(path, base)) {
    Line("", MessageId::DataInfoPictureBaseUnopenable);
    return;
  }
  Line("", base.IndexOpen() ? MessageId::DataInfoNameIndexYes : MessageId::DataInfoNameIndexNo);
  Line("", MessageId::DataInfoPictures, {std::to_string(base.RecordCount())});
  for (uint32_t n = 1; n <= base.RecordCount(); ++n) {
    PictureRecord picture;
    const Status status = base.ReadPicture(n, picture);
    if (status.ok()) {
      DescribePicture(picture);
    } else {
      Line("  ", MessageId::DataInfoFault, {StatusText(status)});
    }
  }
}

int RunBilder(const std::vector<std::string>& args) {
  if (args.size() != 2) return DataUsage("bilder");
  const fs::path data(args[0]);
  const fs::path out(args[1]);
  std::error_code ec;
  std::vector<fs::path> bases;
  for (const auto& entry : fs::directory_iterator(data, ec)) {
    if (entry.path().extension() == ".b" && IsPictureBaseFile(entry.path())) {
      bases.push_back(entry.path());
    }
  }
  if (ec || bases.empty()) {
    PrintError(Said(MessageId::DataNoPictureBase, {args[0]}));
    return 1;
  }
  fs::create_directories(out, ec);
  if (!fs::is_directory(out, ec)) {
    PrintError(Said(MessageId::DataCannotCreateFolder, {args[1]}));
    return 1;
  }
  std::sort(bases.begin(), bases.end());
  size_t written = 0;
  size_t failed = 0;
  for (const fs::path& base : bases)
    WriteBase(base, out, written, failed);
  PrintError(Said(MessageId::DataPicturesWritten, {std::to_string(written), out.string()}));
  return failed == 0 ? 0 : 1;
}

std::vector<PictureRecord> ProgramPictureRecords() {
  return ToPictureRecords(ProgramPictures());
}

}  // namespace vx::cli
