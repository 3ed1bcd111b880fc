#include "desktop/main/main_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPrinter>
#include <QShortcut>
#include <QWheelEvent>
#include <QWindow>

#include "catalogue/catalogue_declaration.h"
#include "controls/qt_rect.h"
#include "controls/qt_translations.h"
#include "controls/screen_text.h"
#include "desktop/linking/link_window.h"
#include "desktop/output/print_dialog.h"
#include "desktop/output/text_window.h"
#include "desktop/search/free_text_window.h"
#include "desktop/search/normalisation_window.h"
#include "desktop/search/picker_window.h"
#include "desktop/search/search_form_window.h"
#include "engine/util/message_sink.h"
#include "engine/util/version.h"
#include "language/message_id.h"
#include "records/clipboard_text.h"

namespace vx {

// What opening the register set asks of the window.
class Tmain_form::Hooks : public ShellHooks {
 public:
  explicit Hooks(MainControls& c) : c_(c) {}
  void DisableSearchButton(int r) override { c_.sokknappar[r - 1]->setEnabled(false); }
  void DisableRegisterToggle(int r) override {
    static const char* const kGrey[] = {"f02", "v02", "d02"};
    TVXknapp* toggle = c_.valknappar[r - 1];
    toggle->setButtext("");
    toggle->setFigur1(kGrey[r - 1]);
    toggle->setFigur2(kGrey[r - 1]);
    toggle->setEnabled(false);
  }

 private:
  MainControls& c_;
};

Tmain_form::Tmain_form(std::filesystem::path ini, QWidget* parent)
    : QWidget(parent), ini_(std::move(ini)) {
  setWindowTitle(kProgramName);
  setMinimumSize(kMainMinimum.width, kMainMinimum.height);
  setMaximumSize(kMainMaximum.width, kMainMaximum.height);
  resize(kMainDesign.width, kMainDesign.height);
  c_ = CreateMainControls(this);
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  ConnectCommands();
  ConnectTable();
  AddWindowKeys();
}

Tmain_form::~Tmain_form() = default;

void Tmain_form::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FirstShow();
}

void Tmain_form::FirstShow() {
  if (!OpenRegisterSet()) return;
  TEVF& catalogue = session_.catalogue();
  pictures_ = std::make_unique<PictureSet>(*catalogue.PictureBase(kProgramPictureBase),
                                           *catalogue.PictureBase(kSetPictureBase));
  pictures_->SetDevicePixelRatio(devicePixelRatioF());
  pictures_->SetOrigin(mapToGlobal(QPoint(0, 0)));
  table_ = std::make_unique<ResultTable>(
      std::array<ResultRegister, 3>{session_.TableRegister(1), session_.TableRegister(2),
                                    session_.TableRegister(3)},
      session_.shown_records(), session_.language());
  PlaceLogo();
  MeasureRecordLabels();
  LayOut();
  AttachPictures(c_, *pictures_);
  ShowHeadings();
  if (session_.configuration().maxutskrift == 0) c_.skrivknapp->hide();
  for (TVXknapp* toggle : c_.valknappar) {
    if (toggle->isEnabled()) {
      toggle->setDown(true);  // selects its register
      break;
    }
  }
  setWindowTitle(ScreenText(session_.Heading()));
  if (QWindow* handle = windowHandle())
    connect(handle, &QWindow::screenChanged, this, &Tmain_form::ScreenChanged);
  textform_ = std::make_unique<Ttextform>(session_, *pictures_, this);
  CreateSearchWindows();
  links_ = std::make_unique<LinkWindow>(*pictures_, textform_.get(), session_.language(), this);
  print_form_ =
      std::make_unique<Tskriv_form>(session_, *printer_, *pictures_, textform_.get(), this);
}

bool Tmain_form::OpenRegisterSet() {
  Hooks hooks(c_);
  const Status status = session_.Open(ini_, &hooks);
  if (status.ok()) return true;
  ShowOpenFailure(status);
  return false;
}

void Tmain_form::ShowOpenFailure(const Status& status) {
  open_failed_ = true;
  ReportMessage(status.Text(MessageLanguage()) + "\r" +
                DataText(TranslatedText(MessageId::MainProgramEnds)));
  QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void Tmain_form::ShowHeadings() {
  c_.hrublabel->setText(ScreenText(session_.Heading()));
  c_.urublabel->setText(ScreenText(session_.SubHeading()));
}

void Tmain_form::PlaceLogo() {
  TNRfigurer& logos = pictures_->logofigur();
  const int index = logos.GetFigure("logovaxor" + session_.catalogue().regnr());
  std::optional<Extent> figure;
  if (index >= 0)
    figure = Extent{logos.FigureSize(index).width(), logos.FigureSize(index).height()};
  const LogoPlacement placement = vx::PlaceLogo(figure);
  c_.logo->setVisible(placement.logo.has_value());
  if (placement.logo) {
    c_.logo->setUpfigur(QString::fromStdString("logovaxor" + session_.catalogue().regnr()));
    // The logo lies on the organisation's logo area.
    c_.logo->setGeometry(QtRect(*placement.logo).translated(-kLogoPlace.left, -kLogoPlace.top));
  }
  headings_left_ = placement.headings_left;
}

// On a screen of another density the pictures are loaded again at its
// scale, so that they stay sharp.
void Tmain_form::ScreenChanged() {
  if (!pictures_ || pictures_->device_pixel_ratio() == devicePixelRatioF()) return;
  pictures_->SetDevicePixelRatio(devicePixelRatioF());
  AttachPictures(c_, *pictures_);
  update();
}

void Tmain_form::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void Tmain_form::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (pictures_) pictures_->SetOrigin(mapToGlobal(QPoint(0, 0)));
}

void Tmain_form::LayOut() {
  if (!shown_ || !table_) return;
  MainLayoutFit fit;
  // The widest date the table shows, in the table's font.
  fit.date_column =
      c_.persontab->fontMetrics().horizontalAdvance(QStringLiteral("dp 8888-88-88")) + 6;
  fit.headings_left = headings_left_;
  for (int r = 1; r <= 3; ++r) {
    if (session_.RegisterOn(r))
      fit.counts[size_t(r - 1)] = session_.catalogue().PersonList(r).RowCount();
  }
  const QFontMetricsF caption(c_.valknappar[0]->font());
  fit.caption.digit = 0;
  for (char digit = '0'; digit <= '9'; ++digit)
    fit.caption.digit = std::max(fit.caption.digit, caption.horizontalAdvance(QChar(digit)));
  fit.caption.group_gap = caption.horizontalAdvance(QChar(0xA0));
  fit.record_label_width = record_label_width_;
  const MainLayout layout = LayOutMainWindow(width(), height(), fit);
  ApplyMainLayout(c_, layout);
  table_->SetVisibleRows(layout.synliga);
  ShowTable();
  UpdateTextScrollBar();
}

// The record label is as wide as the longest Lokal-ID of the set as far as
// a spread of each Lokal-ID list's rows tells, so that the tab it stands on
// does not change from record to record; ShowRecord widens it for good for
// a longer label.
void Tmain_form::MeasureRecordLabels() {
  const QFontMetrics metrics(c_.postnrlabel->font());
  for (int r = 1; r <= 3; ++r) {
    if (!session_.RegisterOn(r)) continue;
    std::string longest;
    if (const Status status = session_.LongestLokalId(r, longest); !status.ok()) {
      ReportMessage(status);
      continue;
    }
    record_label_width_ =
        std::max(record_label_width_, metrics.horizontalAdvance(ScreenText(longest)) + 2);
  }
}

void Tmain_form::closeEvent(QCloseEvent* event) {
  c_.texten->FreeBuffer();
  if (textform_) textform_->close();
  table_.reset();
  session_.Close();
  event->accept();
}

void Tmain_form::ConnectCommands() {
  for (int r = 1; r <= 3; ++r) {
    connect(c_.valknappar[r - 1], &ButtonBase::Down, this, [this, r] {
      if (!syncing_) valjregister(r);
    });
  }
  auto order = [this](bool by_date) {
    if (!syncing_ && table_ && table_->datumsort() != by_date) ToggleOrder();
  };
  connect(c_.namnsortknapp, &ButtonBase::Down, this, [order] { order(false); });
  connect(c_.datumsortknapp, &ButtonBase::Down, this, [order] { order(true); });
  connect(c_.postejknapp, &ButtonBase::Tryckt, this, &Tmain_form::RemovePerson);
  connect(c_.rensaknapp, &ButtonBase::Click, this, &Tmain_form::ClearAll);
  connect(c_.kopipostknapp, &ButtonBase::Tryckt, this, &Tmain_form::CopyRecord);
  connect(c_.kopilistaknapp, &ButtonBase::Tryckt, this, &Tmain_form::CopyList);
  connect(c_.exportknapp, &ButtonBase::Tryckt, this, &Tmain_form::ExportHits);
  connect(c_.skrivknapp, &ButtonBase::Tryckt, this, &Tmain_form::OpenPrintDialog);
  connect(c_.postskrivknapp, &ButtonBase::Tryckt, this, &Tmain_form::PrintRecord);
  connect(c_.sambandknapp, &ButtonBase::Tryckt, this, &Tmain_form::ShowLinks);
  connect(c_.helpknapp, &ButtonBase::Click, this, [this] { ShowHelpText("HJ001"); });
  connect(c_.omknapp, &ButtonBase::Click, this, [this] { ShowHelpText("OM"); });
  connect(c_.tovikknapp, &ButtonBase::Click, this, [this] { ShowHelpText("HJ000"); });
  connect(c_.avslutaknapp, &ButtonBase::Tryckt, this, &QWidget::close);
}

void Tmain_form::AddWindowKeys() {
  auto add = [this](const QKeySequence& keys, auto action) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
  };
  add(QKeySequence(Qt::Key_F9), [this] { ToggleOrder(); });
  add(QKeySequence(Qt::CTRL | Qt::Key_C), [this] { c_.texten->CopySelection(); });
  add(QKeySequence(Qt::CTRL | Qt::Key_Insert), [this] { c_.texten->CopySelection(); });
  const std::pair<int, TableKey> moves[] = {
      {Qt::Key_Up, TableKey::kUp},         {Qt::Key_Down, TableKey::kDown},
      {Qt::Key_PageUp, TableKey::kPageUp}, {Qt::Key_PageDown, TableKey::kPageDown},
      {Qt::Key_Home, TableKey::kHome},     {Qt::Key_End, TableKey::kEnd}};
  for (const auto& [key, move] : moves) {
    add(QKeySequence(key), [this, move = move] { MoveCurrent(move); });
  }
}

void Tmain_form::ShowSearchResult(std::initializer_list<int> registers) {
  if (!table_) return;
  for (int r : registers)
    table_->ForgetPosition(r);
  valjregister(table_->aktregister() == 0 ? 1 : table_->aktregister());
}

void Tmain_form::ShowRegisterTab(int r) {
  static const char* const kTabs[] = {"f01flik", "f02flik", "f03flik"};
  c_.tabellpanel->setRamtilekod(kTabs[r - 1]);
}

void Tmain_form::valjregister(int r) {
  if (!table_) return;
  ShowRegisterTab(r);
  Run([this, r] { return table_->valjregister(r); });
  if (table_->enabled()) c_.persontab->setFocus();
}

void Tmain_form::MoveCurrent(TableKey key) {
  if (table_) Run([this, key] { return table_->MoveCurrent(key); });
}

void Tmain_form::ToggleOrder() {
  if (table_ && table_->aktregister() != 0) Run([this] { return table_->ToggleOrder(); });
}

void Tmain_form::RemovePerson() {
  if (table_ && table_->enabled()) Run([this] { return table_->RemoveCurrent(); });
}

void Tmain_form::ClearAll() {
  if (!table_) return;
  for (auto& form : forms_) {
    if (form) {
      form->ClearSearchForm();
      form->AskFocusFirstField();
    }
  }
  if (print_form_) print_form_->Reset();
  Run([this] {
    for (int r = 1; r <= 3; ++r) {
      if (session_.RegisterOn(r)) session_.ClearSearch(r);
    }
    return table_->Clear();
  });
}

void Tmain_form::CopyRecord() {
  if (!table_) return;
  const RecordView& view = table_->record_view();
  std::string plain;
  if (!view.empty()) {
    const Status status = session_.RecordText(view.register_number, view.record, false, plain);
    if (!status.ok()) {
      ReportMessage(status);
      return;
    }
  }
  QGuiApplication::clipboard()->setText(ScreenText(RecordClipboardText(view.copy_id, plain)));
}

void Tmain_form::CopyList() {
  if (!table_) return;
  std::string text;
  const Status status = session_.Guard([&] {
    text = table_->VisibleListText();
    return Status::OK();
  });
  if (!status.ok()) ReportMessage(status);
  QGuiApplication::clipboard()->setText(ScreenText(text));
}

// A path ending in ".ged" gets a GEDCOM file, any other a source table.
void Tmain_form::ExportHits() {
  if (!table_ || !table_->enabled()) return;
  static const char* const kFiles[] = {"", "fodda.csv", "vigda.csv", "doda.csv"};
  const int r = table_->aktregister();
  const QString path =
      choose_file_ ? choose_file_(this, kFiles[r])
                   : QFileDialog::getSaveFileName(
                         this, TranslatedText(MessageId::MainSaveHits), kFiles[r],
                         TranslatedText(MessageId::MainSourceTableFiles) + QStringLiteral(";;") +
                             TranslatedText(MessageId::MainGedcomFiles));
  if (path.isEmpty()) return;
  const bool gedcom = path.endsWith(QStringLiteral(".ged"), Qt::CaseInsensitive);
  std::string contents;
  const Status status = gedcom ? session_.ExportGedcom(r, table_->datumsort(), contents)
                               : session_.ExportCsv(r, table_->datumsort(), contents);
  if (!status.ok()) {
    ReportMessage(status);
    return;
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(contents.data(), qint64(contents.size())) != qint64(contents.size())) {
    ReportMessage(
        DataText(TranslatedText(MessageId::MainCannotWrite).arg(path, file.errorString())));
  }
}

void Tmain_form::ShowHelpText(const std::string& code) {
  if (textform_) textform_->ShowHelpText(code, this, Ttextform::HelpCaller::kMainWindow);
}

void Tmain_form::wheelEvent(QWheelEvent* event) {
  OnWheel(event->angleDelta().y());
  event->accept();
}

}  // namespace vx
