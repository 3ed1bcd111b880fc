#include "desktop/linking/link_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWheelEvent>
#include <string>
#include <utility>

#include "controls/picture_set.h"
#include "controls/qt_rect.h"
#include "controls/qt_translations.h"
#include "controls/screen_text.h"
#include "controls/scroll_bar.h"
#include "controls/tlm_tab.h"
#include "controls/tvx_knapp.h"
#include "controls/tvx_panel.h"
#include "controls/window_buttons.h"
#include "desktop/output/text_window.h"
#include "desktop/search/list_grid_view.h"
#include "desktop/search/list_window_parts.h"
#include "imaging/cell_text.h"
#include "language/message_id.h"
#include "linking/link_window_layout.h"

namespace vx {

LinkWindow::LinkWindow(PictureSet& pictures, Ttextform* help, Language language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      help_(help),
      language_(language) {
  const LinkWindowLayout m = LayOutLinkWindow();
  setFixedSize(m.size.width, m.size.height);
  BuildControls(pictures, m);
  BuildButtons(pictures, m);
}

void LinkWindow::BuildControls(PictureSet& pictures, const LinkWindowLayout& m) {
  huvudpanel_ = ListBackground(this, pictures);
  huvudpanel_->setTilekod("sambandbak");  // the list windows' paper, wider
  rubriklab_ = ListLabel(huvudpanel_, theme::kListTitleFont, m.rubriklab);
  rubriklab_->setObjectName("rubriklab");
  rubriklab_->setText(TranslatedText(MessageId::MainPossibleLinks));
  rubrik2lab_ = ListLabel(huvudpanel_, theme::kListTextFont, m.rubrik2lab);
  rubrik2lab_->setObjectName("rubrik2lab");
  antlabel_ = ListLabel(huvudpanel_, theme::kListTextFont, m.antlabel);
  antlabel_->setObjectName("antlabel");
  antlabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  BuildColumnHeadings(m);
  grid_ = ListGrid(huvudpanel_, pictures, kLinkColumnCount, m.grid);
  grid_->setObjectName("sambandtab");
  grid_->setTabmode(TVXtabmode::tmStandard);
  grid_->setTabvaelj(TVXtabvaelj::tvOff);
  grid_->setEttindrag(12);
  for (int column = 0; column < kLinkColumnCount; ++column)
    grid_->setColumnWidth(column, m.column_widths[static_cast<size_t>(column)]);
  grid_->setAccessibleName(TranslatedText(MessageId::MainPossibleLinks));
  grid_->setCellText(
      [this](int row, int column) { return listing_.CellText(row - 1, column - 1); });
  grid_->setReadableText(
      [this](int row, int column) { return listing_.ReadableCellText(row - 1, column - 1); });
  grid_->setCellAttribute([this](int row, int) { return listing_.CellAttribute(row - 1); });
  grid_->installEventFilter(this);
  connect(grid_, &TLMtab::SelectCell, this, &LinkWindow::ShowDetail);

  scroll_bar_ = new Tspecscr(huvudpanel_);
  scroll_bar_->setObjectName("sambandscr");
  scroll_bar_->setGeometry(QtRect(m.scroll_bar));
  scroll_bar_->setLargech(10);
  scroll_bar_->setAccessibleName(TranslatedText(MessageId::LinkScrollList));
  scroll_bar_->hide();
  view_ = new ListGridView(grid_, scroll_bar_, this);
  connect(grid_, &TLMtab::MouseWheel, view_, &ListGridView::Wheel);

  skallabel_ = ListLabel(huvudpanel_, theme::kListTextFont, m.skallabel);
  skallabel_->setObjectName("skallabel");
  skallabel_->setWordWrap(true);
  skallabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// Each over its column's text, as far in from the column's edges.
void LinkWindow::BuildColumnHeadings(const LinkWindowLayout& m) {
  for (int column = 0; column < kLinkColumnCount; ++column) {
    std::string text = LinkColumnHeading(column, language_);
    const bool right = !text.empty() && text.front() == '\t';
    if (right) text.erase(0, 1);
    QLabel* heading = ListLabel(huvudpanel_, theme::kListTextFont,
                                m.column_headings[static_cast<size_t>(column)]);
    heading->setText(ScreenText(text));
    heading->setContentsMargins(kCellTextMargin, 0, kCellTextRightMargin, 0);
    heading->setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignBottom);
  }
}

void LinkWindow::BuildButtons(PictureSet& pictures, const LinkWindowLayout& m) {
  slutknapp_ = CloseButton(huvudpanel_, pictures, QtRect(m.slutknapp),
                           TranslatedText(MessageId::LinkCloseHint));
  helpknapp_ = HelpButton(huvudpanel_, pictures, QtRect(m.helpknapp));
  visaknapp_ = new TVXknapp(huvudpanel_);
  visaknapp_->setObjectName("visaknapp");
  visaknapp_->setKnapptyp(TVXknapp::kntBilder);
  visaknapp_->setFigurer(&pictures.mainfigur());
  visaknapp_->setFigur1("trafikljus");
  visaknapp_->setHint(TranslatedText(MessageId::LinkShowHint));
  visaknapp_->setAccessibleName(visaknapp_->hint());
  visaknapp_->setGeometry(QtRect(m.visaknapp));
  connect(slutknapp_, &TVXknapp::Click, this, &QDialog::reject);
  connect(helpknapp_, &TVXknapp::Click, this, &LinkWindow::ShowHelp);
  connect(visaknapp_, &TVXknapp::Click, this, [this] { ShowChosen(grid_->currentRow()); });
  // The list keeps the focus; the buttons have their keys (Enter, Esc, F1).
  for (QWidget* button : std::initializer_list<QWidget*>{visaknapp_, slutknapp_, helpknapp_})
    button->setFocusPolicy(Qt::NoFocus);
}

std::optional<LinkCandidate> LinkWindow::Choose(LinkListing listing, const QString& heading) {
  listing_ = std::move(listing);
  chosen_.reset();
  setWindowTitle(TranslatedText(MessageId::LinkTitle).arg(heading));
  ShowListing();
  if (QWidget* main = parentWidget()) {
    QRect at = rect();
    at.moveCenter(main->window()->geometry().center());
    setGeometry(at);
  }
  grid_->setFocus();
  exec();
  return std::exchange(chosen_, std::nullopt);
}

void LinkWindow::ShowListing() {
  rubrik2lab_->setText(ScreenText(listing_.ShownText()));
  antlabel_->setText(ScreenText(listing_.CountText()));
  view_->SetRows(listing_.RowCount());
  view_->SetPlace({});
  grid_->setEnabled(listing_.RowCount() > 0);
  visaknapp_->setEnabled(listing_.RowCount() > 0);
  grid_->update();
  ShowDetail();
}

void LinkWindow::ShowDetail() {
  skallabel_->setText(ScreenText(listing_.DetailText(grid_->currentRow())));
}

QString LinkWindow::DetailText() const {
  return skallabel_->text();
}

QString LinkWindow::CountText() const {
  return antlabel_->text();
}

void LinkWindow::ShowChosen(int row) {
  const LinkCandidate* candidate = listing_.ChosenBy(row);
  if (candidate == nullptr) return;
  chosen_ = *candidate;
  accept();
}

void LinkWindow::ShowHelp() {
  if (help_ != nullptr) help_->ShowHelpText("HJ009", this, Ttextform::HelpCaller::kDialog);
}

// Enter shows the current row's candidate; Esc closes through QDialog.
void LinkWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    ShowChosen(grid_->currentRow());
  } else {
    QDialog::keyPressEvent(event);
  }
}

void LinkWindow::wheelEvent(QWheelEvent* event) {
  event->accept();
  view_->Wheel(event->angleDelta().y());
}

// A double click on a row shows its candidate; the press before it has
// made the row current.
bool LinkWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::MouseButtonDblClick) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const GridCell cell = grid_->MouseToCell(mouse->position().toPoint());
    if (mouse->button() == Qt::LeftButton && cell.valid()) {
      ShowChosen(cell.row);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vx
