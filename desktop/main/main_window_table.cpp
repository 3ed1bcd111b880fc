// The main window's result table and record panel: events into the
// ResultTable, and what it says back onto the controls.
#include <QTimer>

#include "controls/qt_theme.h"
#include "controls/screen_text.h"
#include "desktop/main/main_window.h"
#include "engine/util/message_sink.h"
#include "resulttable/hit_counter.h"

namespace vx {

void Tmain_form::ConnectTable() {
  TLMtab* tab = c_.persontab;
  tab->setCellText([this](int row, int column) { return CellText(row, column); });
  tab->setCellAttribute([](int, int) { return ResultTable::CellAttribute(); });
  // A screen reader reads the whole row, never the painting cache's cut.
  tab->setReadableText([this](int row, int column) {
    std::string text;
    // A damaged row reads as empty; painting tells the user.
    if (table_) {
      (void)session_.Guard([&] {
        text = table_->ReadableCellText(row - 1, column - 1);
        return Status::OK();
      });
    }
    return text;
  });
  connect(tab, &TLMtab::SelectCell, this, [this](int row, int) {
    if (!syncing_ && table_) Run([this, row] { return table_->SelectRow(row); });
  });
  connect(tab, &TLMtab::TopLeftChanged, this, [this](int top) {
    if (syncing_ || !table_) return;
    table_->SetTopRow(top);
    ShowTable();
  });
  connect(tab, &TLMtab::MouseWheel, this, &Tmain_form::OnWheel);
  connect(c_.personscr, &Tspecscr::NyPosition, this, [this](int position) {
    if (syncing_ || !table_) return;
    table_->SetScrollPosition(position);
    ShowTable();
  });
  connect(c_.textscr, &Tspecscr::NyPosition, this, [this](int position) {
    if (!syncing_) c_.texten->SetPixelOffset(position - 1);
  });
  connect(c_.texten, &TVXdyntex::NyPosition, this, [this] {
    const bool was = std::exchange(syncing_, true);
    c_.textscr->setPosition(c_.texten->ViewOffset() + 1);
    syncing_ = was;
  });
}

// Painting reads the list: a damaged block is told once, after the paint.
std::string Tmain_form::CellText(int row, int column) {
  if (!table_) return {};
  std::string text;
  const Status status = session_.Guard([&] {
    text = table_->CellText(row - 1, column - 1);
    return Status::OK();
  });
  if (!status.ok() && !cells_reported_) {
    cells_reported_ = true;
    const std::string message = status.Text(MessageLanguage());
    QTimer::singleShot(0, this, [message] { ReportMessage(message); });
  }
  return text;
}

void Tmain_form::Run(const std::function<Status()>& operation) {
  cells_reported_ = false;
  const Status status = session_.Guard(operation);
  if (!status.ok()) ReportMessage(status);
  ShowTable();
}

void Tmain_form::OnWheel(int delta) {
  if (in_wheel_ || !table_) return;
  in_wheel_ = true;
  table_->Wheel(delta);
  ShowTable();
  in_wheel_ = false;
}

void Tmain_form::ShowTable() {
  if (!table_) return;
  const bool was = std::exchange(syncing_, true);
  const ResultTable& t = *table_;
  TLMtab* tab = c_.persontab;
  tab->setRowCount(t.row_count());
  tab->setEnabled(t.enabled());
  if (t.row_count() > 0) {
    tab->setCurrentRow(t.current_row());
    tab->setTopRow(t.top_row());
  }
  const ScrollBarState bar = t.scroll_bar();
  c_.personscr->setVisible(bar.shown);
  if (bar.shown) {
    c_.personscr->setMax(bar.maximum);
    c_.personscr->setPosition(bar.position);
  }
  tab->update();
  (t.datumsort() ? c_.datumsortknapp : c_.namnsortknapp)->setDown(true);
  ShowCounter();
  ShowRecord();
  syncing_ = was;
}

void Tmain_form::ShowCounter() {
  const HitCounter& counter = table_->hit_counter();
  for (int r = 0; r < 3; ++r) {
    if (c_.valknappar[r]->isEnabled())
      c_.valknappar[r]->setButtext(ScreenText(counter.captions[r]));
    c_.valknappar[r]->setAccessibleName(ScreenText(counter.toggle_names[r]));
  }
  c_.antallabel->setText(ScreenText(counter.text));
  const HitButtons& b = counter.buttons;
  c_.skrivknapp->setEnabled(b.skrivknapp);
  c_.kopilistaknapp->setEnabled(b.kopilistaknapp);
  c_.exportknapp->setEnabled(b.kopilistaknapp);  // export needs hits as the list copy does
  c_.kopipostknapp->setEnabled(b.kopipostknapp);
  c_.postejknapp->setEnabled(b.postejknapp);
  c_.postskrivknapp->setEnabled(b.postskrivknapp);
  c_.sambandknapp->setEnabled(b.kopipostknapp);  // a record is shown
}

void Tmain_form::ShowRecord() {
  const RecordView& view = table_->record_view();
  if (view.register_number == shown_register_ && view.record == shown_record_) return;
  shown_register_ = view.register_number;
  shown_record_ = view.record;
  c_.postnrlabel->setText(ScreenText(view.label));
  c_.postlab->setVisible(!view.mark_figure.empty());
  c_.postlab->setFigur1(QString::fromStdString(view.mark_figure));
  c_.postlab->setFigur2(QString::fromStdString(view.mark_figure));
  c_.postlab->setAccessibleName(
      view.empty() ? QString() : ScreenText(ToggleWord(view.register_number, session_.language())));
  ShowStatusDot(view.dot);
  // A label wider than the set's Lokal-IDs (a record known by its number)
  // widens the tab for good.
  const int label_width =
      c_.postnrlabel->fontMetrics().horizontalAdvance(c_.postnrlabel->text()) + 2;
  if (label_width > record_label_width_) {
    record_label_width_ = label_width;
    LayOut();
  }
  c_.texten->SetText(view.coded_text);
  c_.texten->SetPixelOffset(0);
  c_.textscr->setPosition(1);
  UpdateTextScrollBar();
}

// Red for STATUS E, green for K, hidden otherwise; it stands on the tab
// right after the label, named for a screen reader by what it means.
void Tmain_form::ShowStatusDot(StatusDot dot) {
  c_.statuslabel->setVisible(dot != StatusDot::kHidden);
  QPalette palette = c_.statuslabel->palette();
  palette.setColor(QPalette::WindowText,
                   QtColor(dot == StatusDot::kRed ? theme::kStatusRed : theme::kStatusGreen));
  c_.statuslabel->setPalette(palette);
  c_.statuslabel->setAccessibleName(dot == StatusDot::kRed     ? QStringLiteral("Status E")
                                    : dot == StatusDot::kGreen ? QStringLiteral("Status K")
                                                               : QString());
}

void Tmain_form::UpdateTextScrollBar() {
  const TextScrollBar bar = TextScrollBarFor(c_.texten->TotalHeight(), c_.texten->height());
  const bool was = std::exchange(syncing_, true);
  c_.textscr->setVisible(bar.shown);
  if (bar.shown) {
    c_.textscr->setMax(bar.maximum);
    c_.texten->SetPixelOffset(c_.textscr->position() - 1);
  } else {
    c_.textscr->setPosition(1);
    c_.texten->SetPixelOffset(0);
  }
  syncing_ = was;
}

}  // namespace vx
