// The properties of a register set's components for writing their files
// into a folder: the catalogue's declaration with the set's file names.
#ifndef VX_BUILDER_SET_FILES_H_
#define VX_BUILDER_SET_FILES_H_

#include <cstddef>
#include <string>
#include <vector>

#include "catalogue/catalogue_declaration.h"
#include "engine/lists/free_search_list_properties.h"
#include "engine/lists/list_properties.h"
#include "engine/lists/sort_order.h"
#include "engine/store/regtext_properties.h"

namespace vx {

// `dir` ends in a separator; `regnr` is the set's four-digit number.
// `rows` is the number of rows to be written (the capacity is at least it).
ListProperties ListPropertiesFor(const ComponentDecl& list, const std::string& dir,
                                 const std::string& regnr, size_t rows);
RegtextProperties StorePropertiesFor(const ComponentDecl& store, const std::string& dir,
                                     const std::string& regnr);
FreeSearchListProperties FreeSearchPropertiesFor(const ComponentDecl& list, const std::string& dir,
                                                 const std::string& regnr);
SortOrderProperties SortOrderPropertiesFor(const ComponentDecl& order, const std::string& dir,
                                           const std::string& regnr, size_t rows);

// Every file name that a build of set `regnr` may write.
std::vector<std::string> SetFileNames(const std::string& regnr);

}  // namespace vx

#endif  // VX_BUILDER_SET_FILES_H_
