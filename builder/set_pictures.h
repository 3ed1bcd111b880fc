// The pictures a register set carries: the program's own (buttons,
// backgrounds, frames) in "vaxorgrfk", shared by every set of a data
// folder, and the set's own from the source folder's bilder/ (its logo
// above all) in "vaxorNNNNgrfk".
#ifndef VX_BUILDER_SET_PICTURES_H_
#define VX_BUILDER_SET_PICTURES_H_

#include <filesystem>
#include <string>
#include <vector>

#include "builder/source_error.h"
#include "imaging/picture_record.h"

namespace vx {

// The source name of the set's logo: bilder/logovaxor.png is stored as
// "logovaxor" + the set's number, as the main window asks for it.
inline constexpr char kLogoPictureName[] = "logovaxor";

// Reads every PNG file of `folder` (none when it does not exist) as a
// picture named by the file's stem. False with `error` set for an image
// file that is not a PNG (BMP, JPEG, GIF), a name that is too long or not
// Windows-1252; two names that differ only in case are refused when the
// base is written.
bool ReadSetPictures(const std::filesystem::path& folder, const std::string& regnr,
                     std::vector<PictureRecord>& out, SourceError& error);

// Writes the program's pictures as "vaxorgrfk" (with its name index) and
// the set's as "vaxor" + regnr + "grfk" into `dir` (ending in a separator);
// an empty list writes no base.
bool WriteSetPictures(const std::vector<PictureRecord>& program_pictures,
                      const std::vector<PictureRecord>& set_pictures, const std::string& dir,
                      const std::string& regnr, SourceError& error);

}  // namespace vx

#endif  // VX_BUILDER_SET_PICTURES_H_
