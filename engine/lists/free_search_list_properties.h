// The published properties of a free-search list, shared by
// TVXfrisoeklista and FreeSearchListWriter.
#ifndef VX_ENGINE_LISTS_FREE_SEARCH_LIST_PROPERTIES_H_
#define VX_ENGINE_LISTS_FREE_SEARCH_LIST_PROPERTIES_H_

#include <cstdint>
#include <string>

#include "engine/lists/free_search_filter_format.h"

namespace vx {

struct FreeSearchListProperties {
  // Directory (empty or ending in a separator), base name and extension of
  // the entry file and of the postings file.
  std::string b1filkat, b1filnamn, b1filext = "f1";
  std::string b2filkat, b2filnamn, b2filext = "f2";
  // Bytes of the buffer that holds one entry block: a longer block ends the
  // reader's scan, so the writer never writes one.
  int32_t urvalbufsiz = 32000;
  bool RO = true;

  std::string EntryFileName() const { return b1filnamn + "." + b1filext; }
  std::string PostingsFileName() const { return b2filnamn + "." + b2filext; }
  // The trigram filter beside the entry file (free_search_filter_format.h),
  // not a property of its own: it lives in the entry file's directory.
  std::string FilterFileName() const { return b1filnamn + "." + kFilterFileExtension; }
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_FREE_SEARCH_LIST_PROPERTIES_H_
