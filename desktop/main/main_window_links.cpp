// The main window's records of one life: "Möjliga samband" for the record
// shown, and the candidate chosen there shown in its own register.
#include <utility>
#include <vector>

#include "controls/screen_text.h"
#include "desktop/linking/link_window.h"
#include "desktop/main/main_window.h"
#include "engine/util/message_sink.h"
#include "linking/link_listing.h"

namespace vx {

void Tmain_form::ShowLinks() {
  if (!table_ || !links_ || table_->record_view().empty()) return;
  const RecordView& view = table_->record_view();
  std::vector<LinkCandidate> candidates;
  Status status = session_.Candidates(view.register_number, view.record, candidates);
  std::string shown_row;
  if (status.ok()) {
    status = session_.Guard([&] {
      table_->FullRowText(table_->current_row(), shown_row);
      return Status::OK();
    });
  }
  if (!status.ok()) {
    ReportMessage(status);
    return;
  }
  const std::optional<LinkCandidate> chosen =
      links_->Choose(LinkListing(shown_row, std::move(candidates), session_.language()),
                     ScreenText(session_.Heading()));
  if (chosen) ShowCandidate(chosen->register_number, chosen->record);
}

// The toggle goes down quietly: ChooseRecord makes the register current.
void Tmain_form::ShowCandidate(int r, uint32_t record) {
  if (!table_ || r < 1 || r > 3) return;
  ShowRegisterTab(r);
  const bool was = std::exchange(syncing_, true);
  c_.valknappar[size_t(r - 1)]->setDown(true);
  syncing_ = was;
  Run([&] { return table_->ChooseRecord(r, record); });
  if (table_->enabled()) c_.persontab->setFocus();
}

}  // namespace vx
