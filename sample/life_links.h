// The truth the sample's lives make: which records belong to one life or
// one family, written beside the sources as samband.tsv (never into the
// register set), so that the linking of records can be measured.
//
// One row a pair: the Lokal-ID of the record the link starts from, that
// of the record it leads to, and the kind as kuvo-sok samband names it:
// "dod" (a birth, the same person's death), "barn" (a wedding, a child's
// birth), "mannens-fodelse" and "hustruns-fodelse" (a wedding, the groom's
// or the bride's birth), "mannens-dod" and "hustruns-dod" (a wedding, the
// groom's or the bride's death) and "syskon" (a birth, a later birth of the
// same couple). The reverse links are the same rows read backwards: a
// death's birth ("fodd"), a birth's wedding ("vigsel"), an earlier
// sibling.
#ifndef VX_SAMPLE_LIFE_LINKS_H_
#define VX_SAMPLE_LIFE_LINKS_H_

#include <cstdint>
#include <string>

#include "sample/sample_lives.h"

namespace vx {

// The header row of samband.tsv.
inline constexpr const char* kLifeLinksHeader = "fran\ttill\tsamband\n";

// Appends the rows of `lives` to `out`; `first` holds the number, in each
// register (births, marriages, deaths), of the parish's first record.
void AppendLifeLinks(const ParishLives& lives, const int64_t (&first)[3], std::string& out);

}  // namespace vx

#endif  // VX_SAMPLE_LIFE_LINKS_H_
