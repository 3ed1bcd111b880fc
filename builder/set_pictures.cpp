#include "builder/set_pictures.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "builder/source_error.h"
#include "catalogue/catalogue_declaration.h"
#include "engine/util/cp1252.h"
#include "imaging/image_info.h"
#include "imaging/picture_base_writer.h"
#include "language/message_id.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// Pictures are small; anything larger is not a picture of a window.
constexpr uintmax_t kMaxPictureFile = 16u << 20;

std::string LowerExtension(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

bool IsImageFile(const fs::path& path) {
  const std::string extension = LowerExtension(path);
  return extension == ".png" || extension == ".bmp" || extension == ".jpg" ||
         extension == ".jpeg" || extension == ".gif";
}

bool ReadPicture(const fs::path& file, const std::string& regnr, PictureRecord& out,
                 SourceError& error) {
  const std::string shown = "bilder/" + file.filename().string();
  std::error_code ec;
  if (fs::file_size(file, ec) > kMaxPictureFile || ec) {
    error = SaidError(shown, 0, {MessageId::BuilderPictureUnreadable, {}});
    return false;
  }
  std::ifstream in(file, std::ios::binary);
  out.image.assign(std::istreambuf_iterator<char>(in), {});
  ImageInfo info;
  if (!in.good() && !in.eof()) {
    error = SaidError(shown, 0, {MessageId::BuilderFileUnreadable, {}});
    return false;
  }
  if (LowerExtension(file) != ".png" || !ReadImageInfo(out.image, info) || info.format != "PNG") {
    error = SaidError(shown, 0, {MessageId::BuilderPictureNotPng, {}});
    return false;
  }
  std::string name;
  if (!Utf8ToCp1252(file.stem().string(), name)) {
    error = SaidError(shown, 0, {MessageId::BuilderNameNotCp1252, {}});
    return false;
  }
  if (name == kLogoPictureName) name += regnr;
  if (name.empty() || name.size() > kMaxPictureName) {
    error = SaidError(shown, 0, {MessageId::BuilderPictureNameLength, {}});
    return false;
  }
  out.name = name;
  out.description = file.filename().string() == "logovaxor.png" ? "Registrets logotyp" : name;
  return true;
}

bool WriteBase(const std::string& dir, const std::string& name,
               const std::vector<PictureRecord>& pictures, bool with_index, SourceError& error) {
  if (pictures.empty()) return true;
  const Status status = WritePictureBase(dir, name, pictures, with_index);
  if (status.ok()) return true;
  error = status.said() != nullptr ? WriteError(name + ".b", Utf8Message(*status.said()))
                                   : WriteError(name + ".b", Cp1252ToUtf8(status.message()));
  return false;
}

}  // namespace

bool ReadSetPictures(const fs::path& folder, const std::string& regnr,
                     std::vector<PictureRecord>& out, SourceError& error) {
  out.clear();
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return true;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (entry.is_regular_file(ec) && IsImageFile(entry.path())) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) {
    PictureRecord picture;
    if (!ReadPicture(file, regnr, picture, error)) return false;
    out.push_back(std::move(picture));
  }
  return true;
}

bool WriteSetPictures(const std::vector<PictureRecord>& program_pictures,
                      const std::vector<PictureRecord>& set_pictures, const std::string& dir,
                      const std::string& regnr, SourceError& error) {
  const std::string program_base = FindComponent(kProgramPictureBase)->file_template;
  const std::string set_base = RenameForSet(FindComponent(kSetPictureBase)->file_template, regnr);
  return WriteBase(dir, program_base, program_pictures, true, error) &&
         WriteBase(dir, set_base, set_pictures, false, error);
}

}  // namespace vx
