#include "desktop/output/print_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <algorithm>

#include "controls/bitmap_button.h"
#include "controls/command_face.h"
#include "controls/ink_label.h"
#include "controls/picture_set.h"
#include "controls/qt_rect.h"
#include "controls/qt_theme.h"
#include "controls/qt_translations.h"
#include "controls/screen_text.h"
#include "controls/tvx_knapp.h"
#include "controls/tvx_panel.h"
#include "controls/window_buttons.h"
#include "desktop/output/print_job.h"
#include "desktop/output/text_window.h"
#include "engine/util/message_sink.h"
#include "language/message_id.h"
#include "printing/print_dialog_layout.h"
#include "session/session.h"

namespace vx {
namespace {

// A label at `where`: italic as the choices' titles, plain for texts.
QLabel* Label(QWidget* parent, const QString& text, const Rect& where, bool italic = true) {
  QLabel* label =
      InkLabel(parent, italic ? theme::kPrintFormLabelFont : theme::kPrintFormTextFont, text);
  label->setGeometry(QtRect(where));
  return label;
}

// A choice of the group `tag`: the program's own coupled buttons, one of
// which is down; the chosen one is pressed into the darker sheet, so that
// it shows on the paper.
TVXknapp* Choice(QWidget* parent, int tag, const QString& text, const Rect& where) {
  auto* choice = new TVXknapp(parent);
  choice->setKnapptyp(TVXknapp::kntRuta);
  choice->setButtext(text);
  choice->setFont(QtFont(theme::kPrintFormChoiceFont));
  SetInk(choice);
  choice->setRadio(true);
  choice->setStaydown(true);
  choice->setKopplatag(true);
  choice->setTag(tag);
  choice->setFocusPolicy(Qt::StrongFocus);
  choice->setGeometry(QtRect(where));
  const QColor paper = choice->Color();
  QObject::connect(choice, &ButtonBase::Down, choice,
                   [choice] { choice->setColor(QtColor(theme::kSheet)); });
  QObject::connect(choice, &ButtonBase::Up, choice, [choice, paper] { choice->setColor(paper); });
  return choice;
}

}  // namespace

Tskriv_form::Tskriv_form(Session& session, QPrinter& printer, PictureSet& pictures, Ttextform* help,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session),
      printer_(printer),
      help_(help) {
  const PrintDialogLayout m = LayOutPrintDialog();
  setFixedSize(m.size.width, m.size.height);
  setFocusPolicy(Qt::StrongFocus);
  panel_ = new TVXpanel(this);
  panel_->setGeometry(0, 0, m.size.width, m.size.height);
  panel_->setTiler(&pictures.metiler());
  panel_->setTilekod(QStringLiteral("srivbak"));
  panel_->setFigurer(&pictures.mainfigur());
  panel_->setHorn(QStringLiteral("horn1;horn3;horn5;horn7"));
  BuildChoices();
  BuildRange();
  BuildProgress();
  BuildButtons(pictures);
  Reset();
}

void Tskriv_form::BuildChoices() {
  const PrintDialogLayout m = LayOutPrintDialog();
  heading_ = InkLabel(panel_, theme::kFormHeadingFont);
  heading_->setGeometry(QtRect(m.heading));
  Label(panel_, TranslatedText(MessageId::PrintWhatLabel), m.whatlabel);
  allaknapp_ = Choice(panel_, 1, TranslatedText(MessageId::PrintAllDetails), m.allaknapp);
  tabellknapp_ = Choice(panel_, 1, TranslatedText(MessageId::PrintTableChoice), m.tabellknapp);
  Label(panel_, TranslatedText(MessageId::PrintOrderLabel), m.orderlabel);
  namnknapp_ = Choice(panel_, 2, TranslatedText(MessageId::PrintOrderName), m.namnknapp);
  pnrknapp_ = Choice(panel_, 2, TranslatedText(MessageId::PrintOrderDate), m.pnrknapp);
  kaellaknapp_ = Choice(panel_, 2, TranslatedText(MessageId::PrintOrderSource), m.kaellaknapp);
}

void Tskriv_form::BuildRange() {
  const PrintDialogLayout m = LayOutPrintDialog();
  antskrivlabel_ = Label(panel_, {}, m.antskrivlabel, false);
  antskrivlabel_->setWordWrap(true);
  antskrivlabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto edit = [this](const Rect& where, const QString& name) {
    auto* e = new QLineEdit(panel_);
    e->setFont(QtFont(theme::kEditFont));
    e->setGeometry(QtRect(where));
    e->setAlignment(Qt::AlignRight);
    e->setMaxLength(9);
    e->setAccessibleName(name);
    return e;
  };
  startpostedit_ = edit(m.startpostedit, TranslatedText(MessageId::PrintFromRecord));
  Label(panel_, QString::fromUtf8("\u2013"), m.dashlabel, false);
  slutpostedit_ = edit(m.slutpostedit, TranslatedText(MessageId::PrintToRecord));
}

void Tskriv_form::BuildProgress() {
  const PrintDialogLayout m = LayOutPrintDialog();
  pg_ = new QProgressBar(panel_);
  pg_->setGeometry(QtRect(m.pg));
  pg_->setTextVisible(false);
  QPalette palette = pg_->palette();
  palette.setColor(QPalette::Highlight, QtColor(theme::kInk));
  pg_->setPalette(palette);
  statuslabel_ = Label(panel_, {}, m.statuslabel, false);
  avbrytlabel_ = Label(panel_, TranslatedText(MessageId::PrintEscCancels), m.avbrytlabel);
  avbrytlabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  pg_->hide();
  statuslabel_->hide();
  avbrytlabel_->hide();
}

void Tskriv_form::BuildButtons(PictureSet& pictures) {
  const PrintDialogLayout m = LayOutPrintDialog();
  startknapp_ = new Tspecbut(panel_);
  startknapp_->setGeometry(QtRect(m.startknapp));
  startknapp_->setHint(TranslatedText(MessageId::PrintStartHint));
  const QString print = TranslatedText(MessageId::PrintStart);
  startknapp_->setAccessibleName(print);
  startknapp_->setBitm(CommandFace(pictures.mainfigur(), "knskriv", print, startknapp_->size(),
                                   devicePixelRatioF()));
  connect(startknapp_, &ButtonBase::Tryckt, this, &Tskriv_form::Start);
  staellinknapp_ = new TVXknapp(panel_);
  staellinknapp_->setButtext(TranslatedText(MessageId::PrintPrinterButton));
  UseCommandCaption(staellinknapp_);
  staellinknapp_->setHint(TranslatedText(MessageId::PrintPrinterHint));
  staellinknapp_->setAccessibleName(TranslatedText(MessageId::PrintPrinter));
  staellinknapp_->setGeometry(QtRect(m.staellinknapp));
  connect(staellinknapp_, &ButtonBase::Click, this, &Tskriv_form::SetUpPrinter);
  slutknapp_ =
      CloseButton(panel_, pictures, QtRect(m.slutknapp), TranslatedText(MessageId::PrintCloseHint));
  connect(slutknapp_, &ButtonBase::Click, this, &QDialog::reject);
  helpknapp_ = HelpButton(panel_, pictures, QtRect(m.helpknapp));
  connect(helpknapp_, &ButtonBase::Click, this, [this] {
    if (help_ != nullptr) help_->ShowHelpText("HJ007", this, Ttextform::HelpCaller::kDialog);
  });
  setTabOrder(allaknapp_, tabellknapp_);
  setTabOrder(tabellknapp_, namnknapp_);
  setTabOrder(namnknapp_, pnrknapp_);
  setTabOrder(pnrknapp_, kaellaknapp_);
  setTabOrder(kaellaknapp_, startpostedit_);
  setTabOrder(startpostedit_, slutpostedit_);
  setTabOrder(slutpostedit_, staellinknapp_);
  setTabOrder(staellinknapp_, startknapp_);
}

int Tskriv_form::Open(int register_number, int hit_count) {
  register_number_ = register_number;
  hit_count_ = hit_count;
  return exec();
}

void Tskriv_form::Reset() {
  allaknapp_->setDown(true);
  namnknapp_->setDown(true);
  startpostedit_->clear();
  slutpostedit_->clear();
  if (isVisible()) startpostedit_->setFocus();
}

void Tskriv_form::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  setWindowTitle(TranslatedText(MessageId::PrintDocumentName).arg(ScreenText(session_.Heading())));
  static constexpr MessageId kHeadings[] = {MessageId::PrintHeadingBirths,
                                            MessageId::PrintHeadingMarriages,
                                            MessageId::PrintHeadingDeaths};
  heading_->setText(TranslatedText(kHeadings[std::clamp(register_number_, 1, 3) - 1]));
  const int n = std::min(hit_count_, kMaxPrintRecords);
  antskrivlabel_->setText(TranslatedText(MessageId::PrintCountLine).arg(n));
  startpostedit_->setFocus();
}

PrintOrder Tskriv_form::ChosenOrder() const {
  if (pnrknapp_->down()) return PrintOrder::kDate;
  if (kaellaknapp_->down()) return PrintOrder::kSource;
  return PrintOrder::kName;
}

void Tskriv_form::Start() {
  if (printing_) return;
  PrintRequest request;
  request.register_number = register_number_;
  request.table = tabellknapp_->down();
  request.order = ChosenOrder();
  request.range =
      ParsePrintRange(DataText(startpostedit_->text()), DataText(slutpostedit_->text()));
  request.hit_count = hit_count_;
  SetPrinting(true);
  const Status status = PrintHits(session_, printer_, request, *this, outcome_);
  SetPrinting(false);
  if (!status.ok()) ReportMessage(status);
}

void Tskriv_form::SetPrinting(bool printing) {
  printing_ = printing;
  cancel_ = false;
  for (QWidget* w : std::initializer_list<QWidget*>{
           allaknapp_, tabellknapp_, namnknapp_, pnrknapp_, kaellaknapp_, startpostedit_,
           slutpostedit_, startknapp_, staellinknapp_, slutknapp_, helpknapp_})
    w->setEnabled(!printing);
  pg_->setValue(0);
  pg_->setVisible(printing);
  statuslabel_->setVisible(printing);
  avbrytlabel_->setVisible(printing);
  if (printing) {
    setFocus();  // Esc comes here while the controls are disabled
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
    startknapp_->setFocus();
  }
}

void Tskriv_form::SetUpPrinter() {
  QPrintDialog dialog(&printer_, this);
  dialog.setWindowTitle(TranslatedText(MessageId::PrintPrinter));
  dialog.exec();
}

bool Tskriv_form::KeepGoing() {
  QApplication::processEvents();
  return !cancel_;
}

void Tskriv_form::ShowStatus(std::string_view text) {
  statuslabel_->setText(ScreenText(std::string(text)));
}

void Tskriv_form::ShowProgress(int value, int maximum) {
  pg_->setMaximum(std::max(maximum, 1));
  pg_->setValue(std::min(value, pg_->maximum()));
  if (observer_) observer_(value);
}

void Tskriv_form::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && printing_) {
    cancel_ = true;
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !printing_) {
    Start();
    return;
  }
  QDialog::keyPressEvent(event);
}

void Tskriv_form::closeEvent(QCloseEvent* event) {
  if (printing_) {
    cancel_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace vx
