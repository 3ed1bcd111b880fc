// The main window's printing: the print dialog for the hits, and the
// record shown printed alone.
#include <QPrinter>

#include "desktop/main/main_window.h"
#include "desktop/output/print_dialog.h"
#include "desktop/output/print_job.h"
#include "engine/util/message_sink.h"

namespace vx {

void Tmain_form::OpenPrintDialog() {
  if (!print_form_ || !table_ || !table_->enabled() || !c_.skrivknapp->isEnabled()) return;
  PlaceFirstTime(print_form_.get(), placed_[4]);
  print_form_->Open(table_->aktregister(), table_->row_count());
}

void Tmain_form::PrintRecord() {
  if (!table_ || !c_.postskrivknapp->isEnabled()) return;
  const RecordView& view = table_->record_view();
  if (view.empty()) return;
  const Status status = PrintOneRecord(session_, *printer_, view.register_number, view.record);
  if (!status.ok()) ReportMessage(status);
}

}  // namespace vx
