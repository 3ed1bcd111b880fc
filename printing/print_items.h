// A record read for printing, made from the current record of its
// register just after it was loaded.
#ifndef VX_PRINTING_PRINT_ITEMS_H_
#define VX_PRINTING_PRINT_ITEMS_H_

#include <cstdint>
#include <vector>

#include "printing/print_engine.h"
#include "printing/print_layout.h"
#include "records/current_records.h"

namespace vx {

// What to keep of each record: its table cells of `columns` (and its
// source, to group by), or its coded text when `columns` is null.
struct PrintContent {
  const std::vector<PrintColumn>* columns = nullptr;
};

// The item of register 1..3's current record in `records`, which is record
// `record` of its store. Composes the coded text for record prints, which
// replaces records.posttext().
PrintItem MakePrintItem(CurrentRecords& records, int register_number, uint32_t record,
                        PrintOrder order, PrintContent content);

}  // namespace vx

#endif  // VX_PRINTING_PRINT_ITEMS_H_
