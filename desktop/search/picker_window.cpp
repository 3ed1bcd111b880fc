#include "desktop/search/picker_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
#include <utility>

#include "controls/bitmap_button.h"
#include "controls/picture_set.h"
#include "controls/qt_rect.h"
#include "controls/qt_text_measurer.h"
#include "controls/qt_translations.h"
#include "controls/scroll_bar.h"
#include "controls/tlm_tab.h"
#include "controls/tvx_knapp.h"
#include "controls/tvx_panel.h"
#include "controls/window_buttons.h"
#include "desktop/output/text_window.h"
#include "desktop/search/list_grid_view.h"
#include "desktop/search/list_window_parts.h"
#include "engine/util/cp1252.h"
#include "engine/util/message_sink.h"
#include "language/message_id.h"
#include "search/list_window_layout.h"
#include "session/session.h"

namespace vx {

Tsoktabform::Tsoktabform(Session& session, PictureSet& pictures, Ttextform* help, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session),
      help_(help) {
  const PickerLayout m = LayOutPicker();
  setFixedSize(m.size.width, m.size.height);
  BuildControls(pictures, m);
  BuildButtons(pictures, m);
  ConnectControls();
}

void Tsoktabform::BuildControls(PictureSet& pictures, const PickerLayout& m) {
  huvudpanel_ = ListBackground(this, pictures);
  rubriklab_ = ListLabel(huvudpanel_, theme::kListTitleFont, m.rubriklab);
  rubriklab_->setObjectName("rubriklab");
  rubrik2lab_ = ListLabel(huvudpanel_, theme::kListTextFont, m.rubrik2lab);
  rubrik2lab_->setObjectName("rubrik2lab");
  antlabel_ = ListLabel(huvudpanel_, theme::kListTextFont, m.antlabel);
  antlabel_->setObjectName("antlabel");

  soktab_ = ListGrid(huvudpanel_, pictures, 2, m.grid);
  soktab_->setObjectName("soktab");
  soktab_->setValdfigur("rodbockl");
  soktab_->setDragButton(Qt::RightButton);
  soktab_->setEttindrag(15);
  soktab_->setAccessibleName(TranslatedText(MessageId::PickerSearchWords));
  soktab_->installEventFilter(this);
  sokscr_ = new Tspecscr(huvudpanel_);
  sokscr_->setObjectName("sokscr");
  sokscr_->setGeometry(QtRect(m.scroll_bar));
  sokscr_->setLargech(10);
  sokscr_->setAccessibleName(TranslatedText(MessageId::PickerScrollList));
  sokscr_->hide();
  view_ = new ListGridView(soktab_, sokscr_, this);

  snabbsokedit_ = QuickSearchEdit(huvudpanel_, m.quick_label, m.snabbsokedit);
  snabbsokedit_->installEventFilter(this);
}

void Tsoktabform::BuildButtons(PictureSet& pictures, const PickerLayout& m) {
  slutknapp_ = CloseButton(huvudpanel_, pictures, QtRect(m.slutknapp),
                           TranslatedText(MessageId::PickerClose));
  helpknapp_ = HelpButton(huvudpanel_, pictures, QtRect(m.helpknapp));

  rensaknapp_ = new Tspecbut(huvudpanel_);
  rensaknapp_->setObjectName("rensaknapp");
  rensaknapp_->setBitm(FigureImage(pictures.mainfigur(), "knrensa"));
  rensaknapp_->setHint(TranslatedText(MessageId::PickerClearTicks));
  rensaknapp_->setAccessibleName(rensaknapp_->hint());
  rensaknapp_->SetShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  rensaknapp_->setGeometry(QtRect(m.rensaknapp));

  jaknapp_ = new TVXknapp(huvudpanel_);
  jaknapp_->setObjectName("jaknapp");
  jaknapp_->setKnapptyp(TVXknapp::kntBilder);
  jaknapp_->setFigurer(&pictures.mainfigur());
  jaknapp_->setFigur1("trafikljus");
  jaknapp_->setHint(TranslatedText(MessageId::PickerUseChosen));
  jaknapp_->setAccessibleName(jaknapp_->hint());
  jaknapp_->setGeometry(QtRect(m.jaknapp));
}

void Tsoktabform::ConnectControls() {
  soktab_->setCellText([this](int row, int column) { return CellText(row, column); });
  soktab_->setCellAttribute([this](int row, int) { return CellAttribute(row); });
  connect(soktab_, &TLMtab::Vald, this, [this](int row, int) { OnVald(row); });
  connect(soktab_, &TLMtab::MouseWheel, view_, &ListGridView::Wheel);
  connect(snabbsokedit_, &QLineEdit::textChanged, this, &Tsoktabform::OnQuickSearch);
  connect(rensaknapp_, &Tspecbut::Click, this, &Tsoktabform::ClearTicks);
  connect(jaknapp_, &TVXknapp::Click, this, &Tsoktabform::Confirm);
  connect(slutknapp_, &TVXknapp::Click, this, &QDialog::reject);
  connect(helpknapp_, &TVXknapp::Click, this, &Tsoktabform::ShowHelp);
  // Tab and Shift+Tab go between the quick search and the list; the
  // buttons have their keys (Enter, Esc, Ctrl+R, F1).
  for (QWidget* button :
       std::initializer_list<QWidget*>{rensaknapp_, jaknapp_, slutknapp_, helpknapp_})
    button->setFocusPolicy(Qt::NoFocus);
  setTabOrder(snabbsokedit_, soktab_);
}

// The field's help code is the search form's; the picker explains itself.
bool Tsoktabform::Pick(int register_number, int slot, const std::string& title,
                       const std::string& /*help_code*/) {
  setWindowTitle(FromCp1252(session_.Heading()) + TranslatedText(MessageId::PickerTitle));
  cells_reported_ = false;
  ShowList(register_number, slot, title);
  if (QWidget* main = parentWidget()) {
    QRect at = rect();
    at.moveCenter(main->window()->geometry().center());
    setGeometry(at);
  }
  const bool confirmed = exec() == QDialog::Accepted;
  picker_.Remember(view_->place());
  return confirmed;
}

void Tsoktabform::ShowList(int register_number, int slot, const std::string& title) {
  soktab_->setColumnWidth(0, soktab_->width() - 40);
  soktab_->setColumnWidth(1, 35);
  Run([&] {
    picker_.Show(session_.catalogue(), register_number, slot);
    return Status::OK();
  });
  rubriklab_->setText(picker_.has_list() ? FromCp1252(title) : QString());
  rubrik2lab_->clear();
  view_->SetRows(picker_.rows());
  view_->SetPlace(picker_.remembered_place());
  ShowCount();
  snabbsokedit_->setEnabled(picker_.has_list());
  suppress_search_ = true;
  snabbsokedit_->clear();
  suppress_search_ = false;
  snabbsokedit_->setFocus();
}

void Tsoktabform::ShowCount() {
  antlabel_->setText(FromCp1252(picker_.CountText(ShownLanguage())));
}

void Tsoktabform::OnVald(int row) {
  const int anchor = soktab_->DragAnchorRow();
  if (anchor < 0) return;
  if (std::exchange(new_drag_, false))
    picker_.ToggleTick(row);
  else
    picker_.CopyTick(anchor, row);
  soktab_->update();
  ShowCount();
}

void Tsoktabform::TickCurrent() {
  if (soktab_->rowCount() == 0) return;
  picker_.ToggleTick(soktab_->currentRow());
  soktab_->update();
  ShowCount();
}

void Tsoktabform::OnQuickSearch() {
  if (suppress_search_ || !picker_.has_list()) return;
  std::string prefix;
  if (!Utf8ToCp1252(snabbsokedit_->text().toStdString(), prefix)) return;
  int row = -1;
  Run([&] {
    row = picker_.QuickSearch(prefix);
    return Status::OK();
  });
  if (row >= 0) view_->ShowFound(row);
}

void Tsoktabform::ClearTicks() {
  picker_.ClearTicks();
  ShowCount();
  soktab_->update();
  snabbsokedit_->clear();
}

void Tsoktabform::Confirm() {
  Run([this] {
    valdtext_ = picker_.Summary();
    return Status::OK();
  });
  accept();
}

void Tsoktabform::ShowHelp() {
  if (help_ != nullptr) help_->ShowHelpText("HJ006", this, Ttextform::HelpCaller::kDialog);
}

Status Tsoktabform::Run(const std::function<Status()>& operation) {
  const Status status = session_.Guard(operation);
  if (!status.ok()) ReportMessage(status.Text(ShownLanguage()));
  return status;
}

void Tsoktabform::ReportCellFailure(const Status& status) {
  if (status.ok() || cells_reported_) return;
  cells_reported_ = true;
  const std::string message = status.Text(ShownLanguage());
  QTimer::singleShot(0, this, [message] { ReportMessage(message); });
}

std::string Tsoktabform::CellText(int row, int column) {
  std::string text;
  ReportCellFailure(session_.Guard([&] { return picker_.CellText(row, column, text); }));
  return text;
}

uint32_t Tsoktabform::CellAttribute(int row) {
  uint32_t attribute = 0;
  ReportCellFailure(session_.Guard([&] { return picker_.CellAttribute(row, attribute); }));
  return attribute;
}

// Keys the focused control leaves: Enter confirms, Space ticks the current
// row, the grid's moves reach the grid from the quick search, and typing
// goes to the quick search. Esc cancels through QDialog.
void Tsoktabform::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(*event)) QDialog::keyPressEvent(event);
}

bool Tsoktabform::HandleKey(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    Confirm();
    return true;
  }
  if (key == Qt::Key_Space && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    TickCurrent();
    return true;
  }
  return RouteListKey(event, soktab_, snabbsokedit_);
}

void Tsoktabform::wheelEvent(QWheelEvent* event) {
  event->accept();
  view_->Wheel(event->angleDelta().y());
}

bool Tsoktabform::eventFilter(QObject* watched, QEvent* event) {
  if (watched == soktab_ && event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == soktab_->dragButton()) {
    new_drag_ = true;
  } else if (watched == snabbsokedit_ && event->type() == QEvent::KeyPress) {
    // Space belongs to a word being typed; before one, it ticks.
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Space && snabbsokedit_->text().isEmpty()) {
      TickCurrent();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vx
