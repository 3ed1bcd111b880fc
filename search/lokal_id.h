// The Lokal-ID jump of the search forms: one record straight from its
// local identifier.
#ifndef VX_SEARCH_LOKAL_ID_H_
#define VX_SEARCH_LOKAL_ID_H_

#include <string_view>

#include "catalogue/catalogue.h"
#include "engine/util/status.h"

namespace vx {

// Finds `text` as a whole row of the Lokal-ID list in `slot` of the
// register (compared as the list compares: case ignored). Found: the
// register's result becomes the records of that row, and the form closes
// as confirmed. Not found: kLokalIdMissing with "Lokal-ID " + text +
// " finns inte!", the result unchanged.
Status FindLokalId(TEVF& evf, int register_number, int slot, std::string_view text);

}  // namespace vx

#endif  // VX_SEARCH_LOKAL_ID_H_
