// visapost's choices: what the record panel beside the result table shows
// for a record of the current register - its label, the status dot, the
// register mark and the coded text - and when the text needs its scroll bar.
// The record is loaded and composed through a RecordSource, so the choices
// can be made, and tested, without a window.
#ifndef VX_RESULTTABLE_RECORD_VIEW_CHOICE_H_
#define VX_RESULTTABLE_RECORD_VIEW_CHOICE_H_

#include <array>
#include <cstdint>
#include <string>

#include "engine/store/record_store.h"
#include "engine/util/status.h"
#include "records/current_records.h"

namespace vx {

// What the record panel needs of a loaded record.
struct ShownRecord {
  std::string lokalid;
  std::string postnummer;
  std::string status;
  std::string coded_text;  // the composed text with its markup
};

// Loads records of registers 1..3 and composes their coded texts.
class RecordSource {
 public:
  virtual ~RecordSource() = default;
  // The number of records of register 1..3; 0 for a register not open.
  virtual uint32_t RecordCount(int register_number) const = 0;
  // Loads `record` (1..RecordCount) of the register, making it the
  // register's current record, and fills `shown`. On failure `shown` is
  // left as it was and the status says why.
  virtual Status Load(int register_number, uint32_t record, ShownRecord& shown) = 0;
};

// Loads into `records` (enfodd, envigd, endod and posttext) from the
// registers' stores; a null store is a register that is not open. The
// records and stores must outlive the source. The codec's exceptions pass
// through.
class StoreRecordSource final : public RecordSource {
 public:
  StoreRecordSource(CurrentRecords& records, const std::array<TVXregtext*, 3>& stores);
  uint32_t RecordCount(int register_number) const override;
  Status Load(int register_number, uint32_t record, ShownRecord& shown) override;

 private:
  TVXregtext* Store(int register_number) const;

  CurrentRecords& records_;
  std::array<TVXregtext*, 3> stores_;
};

enum class StatusDot { kHidden, kRed, kGreen };

// The record panel. Empty (the default) clears it: no text, no text scroll
// bar, an empty label, no register mark, no dot.
struct RecordView {
  int register_number = 0;  // 0: the panel is empty
  uint32_t record = 0;
  std::string label;    // postnrlabel: LOKALID, or "(" POSTNUMMER ")"
  std::string copy_id;  // for the record's copy: LOKALID, or POSTNUMMER
  StatusDot dot = StatusDot::kHidden;
  std::string mark_figure;  // postlab's figure: "f01", "v01", "d01"; "" hidden
  std::string coded_text;   // for the record display

  bool empty() const { return register_number == 0; }
};

// The panel for `record` of register 1..3 as loaded into `shown`. STATUS
// "E" (either case) gives a red dot, "K" a green one, anything else none.
RecordView ChooseRecordView(int register_number, uint32_t record, const ShownRecord& shown);

// The record text's scroll bar, from the laid-out text's height and the
// display's height in pixels. A new record starts at position 1.
struct TextScrollBar {
  bool shown = false;
  int32_t maximum = 1;
  int32_t position = 1;
};
TextScrollBar TextScrollBarFor(int32_t text_height, int32_t view_height);

}  // namespace vx

#endif  // VX_RESULTTABLE_RECORD_VIEW_CHOICE_H_
