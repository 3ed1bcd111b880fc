// The program's pictures (or the sample logo) as the records of a picture
// base, for the builder's callers and for programs that make a base of
// their own (the gallery).
#ifndef VX_IMAGING_PROGRAM_PICTURE_RECORDS_H_
#define VX_IMAGING_PROGRAM_PICTURE_RECORDS_H_

#include <span>
#include <vector>

#include "imaging/picture_record.h"
#include "imaging/program_pictures.h"

namespace vx {

// One record per picture; shaped pictures get their region block.
std::vector<PictureRecord> ToPictureRecords(std::span<const ProgramPicture> pictures);

}  // namespace vx

#endif  // VX_IMAGING_PROGRAM_PICTURE_RECORDS_H_
