// The published properties of a record-text store, shared by the reader
// (TVXregtext) and the writer (RecordStoreWriter).
#ifndef VX_ENGINE_STORE_REGTEXT_PROPERTIES_H_
#define VX_ENGINE_STORE_REGTEXT_PROPERTIES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "engine/files/record_file.h"

namespace vx {

struct RegtextProperties {
  // Directory (empty or ending in a separator), base name and extension of
  // the record file, the record pointer list and the block pointer list.
  std::string bfilkat, bfilnamn, bfilext = "b";
  std::string pfilkat, pfilnamn, pfilext = "p";
  std::string LZHfilkat, LZHfilnamn, LZHfilext = "pz";
  // Record pointer list: -1 none, 0 in memory only (maxrader entries),
  // 1 loaded whole, 2 read entry by entry.
  int32_t pltyp = 2;
  TblobfilLZHmode LZH = TblobfilLZHmode::LZHblockpacka;
  uint16_t LZHposterperblock = 200;
  // One label per field in stored order: kind digit 1..5, then the name.
  std::vector<std::string> labels;
  int32_t textmaxsiz = 20000;  // record buffer; longer records are not read
  int32_t antpc = 1;           // long-text buffers, 1..20
  int32_t pcsiz = 20000;       // bytes of each long-text buffer
  int32_t maxrader = 0;        // capacity of a pltyp 0 list
  int32_t hash = 0;            // key cache size; 0 = none
  bool RO = true;

  std::string RecordFileName() const { return bfilnamn + "." + bfilext; }
  std::string PointerListName() const { return pfilnamn + "." + pfilext; }
  std::string BlockListName() const { return LZHfilnamn + "." + LZHfilext; }
  bool BlockMode() const { return LZH == TblobfilLZHmode::LZHblockpacka; }
};

}  // namespace vx

#endif  // VX_ENGINE_STORE_REGTEXT_PROPERTIES_H_
