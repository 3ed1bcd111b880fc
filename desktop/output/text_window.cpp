#include "desktop/output/text_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QWheelEvent>
#include <optional>

#include "controls/bitmap_button.h"
#include "controls/ink_label.h"
#include "controls/picture_set.h"
#include "controls/qt_rect.h"
#include "controls/qt_text_measurer.h"
#include "controls/qt_translations.h"
#include "controls/scroll_bar.h"
#include "controls/tvx_dyntex.h"
#include "controls/tvx_knapp.h"
#include "controls/tvx_panel.h"
#include "engine/util/message_sink.h"
#include "engine/util/status.h"
#include "language/message_id.h"
#include "records/text_window_layout.h"
#include "session/session.h"

namespace vx {
namespace {

QImage Figure(TVXfigurer& figures, const char* name) {
  const CachedPicture* picture = figures.At(figures.GetFigure(name));
  return picture != nullptr ? picture->image : QImage();
}

}  // namespace

Ttextform::Ttextform(Session& session, PictureSet& pictures, QWidget* parent)
    // A dialog of its parent stays above the program's windows without
    // covering other programs.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session) {
  const TextWindowLayout m = LayOutTextWindow(content_);
  setFixedSize(m.size.width, m.size.height);
  setAccessibleName(TranslatedText(MessageId::TextWinName));
  BuildControls(pictures);
  BuildButtons(pictures);
}

void Ttextform::BuildControls(PictureSet& pictures) {
  const TextWindowLayout m = LayOutTextWindow(content_);
  huvudpanel_ = new TVXpanel(this);
  huvudpanel_->setObjectName("huvudpanel");
  huvudpanel_->setGeometry(0, 0, m.size.width, m.size.height);
  huvudpanel_->setTiler(&pictures.maintiler());
  huvudpanel_->setTilekod("hjalpbak");
  huvudpanel_->setFigurer(&pictures.mainfigur());
  huvudpanel_->setHorn("horn1;horn3;horn5;horn7");
  huvudpanel_->setNbstyle(true);
  // The window is not part of the main window's surface: its paper starts
  // at its own corner wherever it is moved.
  huvudpanel_->setBackgroundOrigin(QPoint(0, 0));

  arkivlabel_ = InkLabel(huvudpanel_, theme::kTextHeadingFont);
  arkivlabel_->setObjectName("arkivlabel");
  arkivlabel_->setAccessibleName(TranslatedText(MessageId::TextWinHeading));
  verlabel_ = InkLabel(huvudpanel_, theme::kVersionFont);
  verlabel_->setObjectName("verlabel");
  verlabel_->setAccessibleName(TranslatedText(MessageId::TextWinVersion));
  PlaceHeadings();

  texten_ = new TVXdyntex(huvudpanel_);
  texten_->setObjectName("texten");
  texten_->setGeometry(QtRect(m.texten));
  texten_->setTiler(&pictures.maintiler());
  texten_->setTilekod("hjalpbak");
  texten_->setParenttiler(true);
  texten_->SetSelectionEnabled(true);
  texten_->setAccessibleName(TranslatedText(MessageId::TextWinText));
  texten_->installEventFilter(this);
  connect(texten_, &TVXdyntex::Click, this, &Ttextform::OnTextClick);
  connect(texten_, &TVXdyntex::NyPosition, this, &Ttextform::OnTextScrolled);

  vistextscr_ = new Tspecscr(huvudpanel_);
  vistextscr_->setObjectName("vistextscr");
  vistextscr_->setGeometry(QtRect(m.vistextscr));
  vistextscr_->setSmallch(TextScroll::kSmallch);
  vistextscr_->setLargech(TextScroll::kSmallch);
  vistextscr_->setAccessibleName(TranslatedText(MessageId::TextWinScroll));
  vistextscr_->installEventFilter(this);
  vistextscr_->hide();
  connect(vistextscr_, &Tspecscr::NyPosition, this, &Ttextform::OnBarMoved);
}

void Ttextform::BuildButtons(PictureSet& pictures) {
  const TextWindowLayout m = LayOutTextWindow(content_);
  slutknapp_ = new TVXknapp(huvudpanel_);
  slutknapp_->setObjectName("slutknapp");
  slutknapp_->setKnapptyp(TVXknapp::kntFlipflop);
  slutknapp_->setFigurer(&pictures.mainfigur());
  slutknapp_->setFigur1("storkryssl01");
  slutknapp_->setFigur2("storkryssl02");
  slutknapp_->setFocusmode(true);
  slutknapp_->setHint(TranslatedText(MessageId::TextWinClose));
  slutknapp_->setGeometry(QtRect(m.slutknapp));
  connect(slutknapp_, &TVXknapp::Click, this, &QDialog::close);

  kopipostknapp_ = new Tspecbut(huvudpanel_);
  kopipostknapp_->setObjectName("kopipostknapp");
  kopipostknapp_->setBitm(Figure(pictures.mainfigur(), "knkopiera"));
  kopipostknapp_->setHint(TranslatedText(MessageId::TextWinCopy));
  // The hint shows the keys as the installed Qt translation names them.
  kopipostknapp_->SetShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  kopipostknapp_->setGeometry(QtRect(m.kopipostknapp));
  connect(kopipostknapp_, &Tspecbut::Click, this, &Ttextform::CopyText);
}

void Ttextform::ShowHelpText(const std::string& code, QWidget* caller, HelpCaller kind) {
  code_ = code;
  setWindowTitle(TranslatedText(MessageId::TextWinTitle).arg(FromCp1252(session_.Heading())));
  Place(caller);
  Load();
  if (isVisible()) {
    raise();
    activateWindow();
  } else if (kind == HelpCaller::kMainWindow) {
    show();
  } else {
    exec();
  }
}

void Ttextform::Place(QWidget* caller) {
  std::optional<Rect> over;
  QScreen* screen = nullptr;
  if (caller != nullptr) {
    over = PlainRect(caller->window()->frameGeometry());
    screen = caller->screen();
  }
  if (screen == nullptr) screen = this->screen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
  if (const auto at = placement_.Place(over, width(), height(), PlainRect(available)))
    move(at->x, at->y);
}

void Ttextform::Load() {
  if (IsAboutCode(code_))
    LoadAbout();
  else
    LoadHelp();
  ShowContent();
}

void Ttextform::LoadHelp() {
  InformationText help;
  const Status status = session_.HelpText(code_, help);
  if (status.ok()) {
    content_.ShowHelp(help);
    return;
  }
  if (!status.IsNotFound()) ReportMessage(status);
  content_.ShowMissing();
}

void Ttextform::LoadAbout() {
  std::string text;
  const Status status = session_.AboutText(text);
  if (!status.ok()) ReportMessage(status);
  content_.ShowAbout(session_.Heading(), text, session_.language());
}

void Ttextform::ShowContent() {
  arkivlabel_->setText(FromCp1252(content_.heading()));
  verlabel_->setText(FromCp1252(content_.version_line()));
  PlaceHeadings();
  texten_->SetText(content_.text());
  texten_->setAccessibleDescription(texten_->AccessibleText());
  ResetScroll();
}

// The About text's heading stands higher, over its version line.
void Ttextform::PlaceHeadings() {
  const TextWindowLayout m = LayOutTextWindow(content_);
  arkivlabel_->setGeometry(QtRect(m.arkivlabel));
  if (!m.verlabel.empty()) verlabel_->setGeometry(QtRect(m.verlabel));
  verlabel_->setVisible(!m.verlabel.empty());
}

void Ttextform::ResetScroll() {
  scroll_.SetLayout(texten_->TotalHeight(), texten_->height());
  if (scroll_.bar_visible()) {
    // Position first: the old range still holds 1, so the new maximum
    // cannot move it.
    vistextscr_->setPosition(1);
    vistextscr_->setMax(scroll_.max());
  }
  vistextscr_->setVisible(scroll_.bar_visible());
  texten_->SetPixelOffset(scroll_.PixelOffset());
}

void Ttextform::ScrollTo(int position) {
  if (scroll_.bar_visible()) vistextscr_->setPosition(position);
}

void Ttextform::OnBarMoved(int position) {
  scroll_.SetPosition(position);
  texten_->SetPixelOffset(scroll_.PixelOffset());
}

// The display scrolled itself while the user selected past its edge.
void Ttextform::OnTextScrolled() {
  ScrollTo(texten_->ViewOffset() + 1);
}

void Ttextform::OnTextClick() {
  if (const auto linked = LinkedTextCode(texten_->LinkTarget())) {
    code_ = *linked;
    Load();
  }
}

void Ttextform::CopyText() {
  QGuiApplication::clipboard()->setText(FromCp1252(content_.CopyText()));
}

void Ttextform::keyPressEvent(QKeyEvent* event) {
  std::optional<TextScrollKey> key;
  switch (event->key()) {
    case Qt::Key_Up:
      key = TextScrollKey::kUp;
      break;
    case Qt::Key_Down:
      key = TextScrollKey::kDown;
      break;
    case Qt::Key_PageUp:
      key = TextScrollKey::kPageUp;
      break;
    case Qt::Key_PageDown:
      key = TextScrollKey::kPageDown;
      break;
    default:
      // Esc closes through QDialog.
      QDialog::keyPressEvent(event);
      return;
  }
  ScrollTo(scroll_.KeyTarget(*key));
}

// Each step is painted before the next, so that the text glides.
void Ttextform::wheelEvent(QWheelEvent* event) {
  event->accept();
  const std::vector<int> steps = scroll_.BeginGlide(event->angleDelta().y());
  for (int position : steps) {
    ScrollTo(position);
    texten_->repaint();
    vistextscr_->repaint();
  }
  if (!steps.empty()) scroll_.EndGlide();
}

// The display and the bar leave the wheel to the window.
bool Ttextform::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    wheelEvent(static_cast<QWheelEvent*>(event));
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void Ttextform::hideEvent(QHideEvent* event) {
  texten_->FreeBuffer();
  QDialog::hideEvent(event);
}

void Ttextform::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) texten_->FreeBuffer();
  QDialog::changeEvent(event);
}

QString Ttextform::HeadingText() const {
  return arkivlabel_->text();
}

QString Ttextform::VersionText() const {
  return verlabel_->text();
}

bool Ttextform::ScrollBarShown() const {
  return !vistextscr_->isHidden();
}

const std::string& Ttextform::TextShown() const {
  return texten_->Text();
}

}  // namespace vx
