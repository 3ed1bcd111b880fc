// The parts of the catalogue that a register's search reads and writes.
#ifndef VX_SEARCH_CATALOGUE_PARTS_H_
#define VX_SEARCH_CATALOGUE_PARTS_H_

#include "catalogue/catalogue.h"
#include "engine/lists/selection.h"
#include "engine/lists/struct_list.h"
#include "search/word_list_search.h"

namespace vx {

// sokur1..3.
inline SearchScratch ScratchOf(TEVF& evf) {
  return {evf.sokur(1), evf.sokur(2), evf.sokur(3)};
}

// The hits of register 1..3: the vald selection of its person list, one bit
// per record.
inline Tvxsmalurval& ResultOf(TEVF& evf, int register_number) {
  return evf.PersonList(register_number).vald();
}

// The word list of slot 1..20 of register 1..3; an empty slot gives a list
// that is never opened, which searches like a list without rows.
TVXstruktlista& SlotList(TEVF& evf, int register_number, int slot);

}  // namespace vx

#endif  // VX_SEARCH_CATALOGUE_PARTS_H_
