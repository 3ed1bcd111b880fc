// The published properties of a list, shared by TVXindex, TVXstruktlista
// and the list writer.
#ifndef VX_ENGINE_LISTS_LIST_PROPERTIES_H_
#define VX_ENGINE_LISTS_LIST_PROPERTIES_H_

#include <cstdint>
#include <string>

namespace vx {

struct ListProperties {
  // Directory (empty or ending in a separator), base name and extension of
  // the row file and of the block pointer list.
  std::string filkat, filnamn, filext = "i";
  std::string LZHfilkat, LZHfilnamn, LZHfilext = "iz";
  // Bytes of a row's text area; a row is radmaxlen + 8 bytes. Opening takes
  // both this and maxrader from the file.
  int32_t radmaxlen = 80;
  int32_t maxrader = 200000;  // row capacity of a new file
  bool LZH = false;           // rows packed in compressed blocks
  uint16_t LZHraderperblock = 100;
  // Compare through AccentOrderTable (case folded, accents kept) instead
  // of FoldTable.
  bool keepaccent = false;
  int32_t hash = 0;  // key cache size; 0 = none
  bool RO = true;

  // TVXstruktlista only. The control file ("is" in styrfilkat) switches on
  // a hierarchical view that this program never uses; it is not opened.
  std::string styrfilkat;
  std::string rllfilkat;    // directory of the postings file ("b1")
  bool finnsBLOB = false;   // rows carry FirstRecord and PostingCount
  bool finnsstat = false;   // rows carry StatCount after them
  bool finnsurval = false;  // the list keeps the selections vald and synl

  std::string RowFileName() const { return filnamn + "." + filext; }
  std::string BlockListName() const { return LZHfilnamn + "." + LZHfilext; }
  std::string PostingsFileName() const { return filnamn + ".b1"; }
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_LIST_PROPERTIES_H_
