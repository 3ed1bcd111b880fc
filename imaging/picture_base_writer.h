// Writes a picture base that TVXbildbas reads: <name>.b, <name>.p and, when
// asked, the name index <name>.bi.
#ifndef VX_IMAGING_PICTURE_BASE_WRITER_H_
#define VX_IMAGING_PICTURE_BASE_WRITER_H_

#include <filesystem>
#include <string>
#include <vector>

#include "engine/util/status.h"
#include "imaging/picture_record.h"

namespace vx {

// Writes `pictures` into `directory`, sorted by folded name, replacing
// files of the same names; each record's image follows its data
// (picture_record.h). InvalidArgument for an empty or duplicate name (after
// folding), a name longer than kMaxPictureName or fields longer than
// kPictureRecordBuffer; IOError when a file cannot be written.
Status WritePictureBase(const std::filesystem::path& directory, const std::string& name,
                        std::vector<PictureRecord> pictures, bool with_index);

}  // namespace vx

#endif  // VX_IMAGING_PICTURE_BASE_WRITER_H_
