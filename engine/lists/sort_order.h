// TVXsortordning: a sort order, the rows of a list in another order (the
// date order of a register's person list). Entry p of its pointer list
// (pointer_list.h, extension "o") is the row shown at sort position p.
//
// The builder writes one with CreateNew and Append; the viewer opens it
// read-only and asks Count and Get, which are const and cost no more than
// the pointer list's Get (a read where the list is mapped, when it is
// loaded whole). A read-only order whose file holds fewer entries than its
// header counts is refused at opening, with a message naming the file: a
// date order that left rows out would hide hits.
//
// Threads: Count and Get keep no state and read the file with positioned
// reads, so they may run on several threads at once on an open order as
// long as nothing else runs meanwhile; Open, CreateNew, Close and Append
// change the order and need it to themselves. A sort order uses no codec
// and shares nothing with other instances.
#ifndef VX_ENGINE_LISTS_SORT_ORDER_H_
#define VX_ENGINE_LISTS_SORT_ORDER_H_

#include <cstdint>
#include <memory>
#include <string>

#include "engine/files/pointer_list.h"

namespace vx {

struct SortOrderProperties {
  // Directory (empty or ending in a separator), base name and extension.
  std::string pfilkat, pfilnamn, pfilext = "o";
  // Pointer-list type: 0 in memory only (maxrader entries, no file),
  // 1 loaded whole on opening, 2 read entry by entry.
  int32_t pltyp = 2;
  // Capacity of a new list; opening replaces it by the file's capacity.
  int32_t maxrader = 2000000;
  bool RO = true;

  std::string FileName() const { return pfilnamn + "." + pfilext; }
};

class TVXsortordning {
 public:
  TVXsortordning() = default;
  ~TVXsortordning() { Close(); }
  TVXsortordning(const TVXsortordning&) = delete;
  TVXsortordning& operator=(const TVXsortordning&) = delete;

  // Changes take effect at the next Open or CreateNew.
  SortOrderProperties& properties() { return properties_; }
  const SortOrderProperties& properties() const { return properties_; }

  // Opens the list of type pltyp: types 1 and 2 open the file (a read-only
  // one never creates a missing file), type 0 makes an empty list in
  // memory. A pltyp outside 0..2 stays closed. Returns Opened().
  bool Open();
  // As Open, but a new empty file of capacity maxrader replaces any file
  // of that name; fails when RO.
  bool CreateNew();
  // Writes a changed list back (types 1 and 2) and closes it.
  void Close();

  bool Opened() const { return list_ != nullptr && list_->Opened(); }
  // Sort positions 1..Count(); 0 when closed.
  int32_t Count() const;
  // The row at sort position p, or -1 when p lies outside 1..Count(), the
  // list is closed, or the stored value is not a row number (0, or above
  // 2147483647).
  int32_t Get(int32_t p) const;

  // Adds `row` as position Count() + 1 and returns the new count; -1 when
  // the list is closed, full (maxrader) or read-only, or `row` is below 1.
  int64_t Append(int32_t row);

 private:
  bool OpenList(bool create);

  SortOrderProperties properties_;
  std::unique_ptr<Tvxpeklista> list_;
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_SORT_ORDER_H_
