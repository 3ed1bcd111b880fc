#include "resulttable/record_view_choice.h"

namespace vx {
namespace {

template <typename Record>
void TakeLabels(const Record& record, ShownRecord& shown) {
  shown.lokalid = record.LOKALID;
  shown.postnummer = record.POSTNUMMER;
  shown.status = record.STATUS;
}

StatusDot DotOf(const std::string& status) {
  if (status == "E" || status == "e") return StatusDot::kRed;
  if (status == "K" || status == "k") return StatusDot::kGreen;
  return StatusDot::kHidden;
}

}  // namespace

StoreRecordSource::StoreRecordSource(CurrentRecords& records,
                                     const std::array<TVXregtext*, 3>& stores)
    : records_(records), stores_(stores) {}

TVXregtext* StoreRecordSource::Store(int register_number) const {
  if (register_number < 1 || register_number > 3) return nullptr;
  return stores_[static_cast<size_t>(register_number - 1)];
}

uint32_t StoreRecordSource::RecordCount(int register_number) const {
  const TVXregtext* store = Store(register_number);
  return store != nullptr && store->Opened() ? store->RecordCount() : 0;
}

Status StoreRecordSource::Load(int register_number, uint32_t record, ShownRecord& shown) {
  TVXregtext* store = Store(register_number);
  if (store == nullptr) {
    return Status::InvalidArgument("Register " + std::to_string(register_number) + " finns inte.");
  }
  Status status = records_.Load(register_number, *store, record);
  if (!status.ok()) return status;
  records_.Compose(register_number, true);
  if (register_number == 1) TakeLabels(records_.enfodd(), shown);
  if (register_number == 2) TakeLabels(records_.envigd(), shown);
  if (register_number == 3) TakeLabels(records_.endod(), shown);
  shown.coded_text = records_.posttext();
  return Status::OK();
}

RecordView ChooseRecordView(int register_number, uint32_t record, const ShownRecord& shown) {
  static const char* const kMarks[] = {"", "f01", "v01", "d01"};
  RecordView view;
  if (register_number < 1 || register_number > 3) return view;
  view.register_number = register_number;
  view.record = record;
  view.label = shown.lokalid.empty() ? "(" + shown.postnummer + ")" : shown.lokalid;
  view.copy_id = shown.lokalid.empty() ? shown.postnummer : shown.lokalid;
  view.dot = DotOf(shown.status);
  view.mark_figure = kMarks[register_number];
  view.coded_text = shown.coded_text;
  return view;
}

TextScrollBar TextScrollBarFor(int32_t text_height, int32_t view_height) {
  TextScrollBar bar;
  if (text_height > view_height) {
    bar.shown = true;
    bar.maximum = text_height - view_height + 1;
  }
  return bar;
}

}  // namespace vx
