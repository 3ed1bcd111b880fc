#include "desktop/search/free_text_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

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
#include "desktop/output/text_window.h"
#include "desktop/search/list_window_parts.h"
#include "engine/util/message_sink.h"
#include "engine/util/version.h"
#include "language/message_id.h"
#include "search/free_text_layout.h"
#include "session/session.h"

namespace vx {

Tsoka_form::Tsoka_form(Session& session, PictureSet& pictures, Ttextform* help, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session),
      help_(help) {
  setWindowTitle(QString::fromUtf8(kProgramName) + TranslatedText(MessageId::FreeTextTitle));
  const FreeTextFormLayout m = LayOutFreeTextForm();
  setFixedSize(m.size.width, m.size.height);
  auto* panel = new TVXpanel(this);
  panel->setGeometry(0, 0, m.size.width, m.size.height);
  panel->setTiler(&pictures.metiler());
  panel->setTilekod("sokalla");
  panel->setFigurer(&pictures.mainfigur());
  panel->setHorn("horn1;horn3;horn5;horn7");
  QLabel* label =
      InkLabel(panel, theme::kFreeTextLabelFont, TranslatedText(MessageId::FreeTextLabel));
  label->setGeometry(QtRect(m.ovrigtlabel));
  alltedit_ = new QLineEdit(panel);
  alltedit_->setFont(QtFont(theme::kEditFont));
  alltedit_->setGeometry(QtRect(m.alltedit));
  alltedit_->setAccessibleName(label->text());
  const qreal ratio = devicePixelRatioF();
  auto* soekknapp = new Tspecbut(panel);
  soekknapp->setGeometry(QtRect(m.soekknapp));
  soekknapp->setHint(TranslatedText(MessageId::FreeTextSearchHint));
  soekknapp->setBitm(CommandFace(pictures.mainfigur(), "knsok",
                                 TranslatedText(MessageId::FormSearch), soekknapp->size(), ratio));
  connect(soekknapp, &ButtonBase::Tryckt, this, &Tsoka_form::Search);
  auto* rensaknapp = new Tspecbut(panel);
  rensaknapp->setGeometry(QtRect(m.rensaknapp));
  rensaknapp->setHint(TranslatedText(MessageId::FreeTextClearHint));
  rensaknapp->SetShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  rensaknapp->setBitm(CommandFace(pictures.mainfigur(), "knrensa",
                                  TranslatedText(MessageId::FormClear), rensaknapp->size(), ratio));
  connect(rensaknapp, &ButtonBase::Click, alltedit_, &QLineEdit::clear);
  auto* slutknapp =
      CloseButton(panel, pictures, QtRect(m.slutknapp), TranslatedText(MessageId::FormCloseHint));
  connect(slutknapp, &ButtonBase::Click, this, &QDialog::reject);
  auto* helpknapp = HelpButton(panel, pictures, QtRect(m.helpknapp));
  connect(helpknapp, &ButtonBase::Click, this, [this] {
    if (help_ != nullptr) help_->ShowHelpText("HJ005", this, Ttextform::HelpCaller::kDialog);
  });
}

void Tsoka_form::Search() {
  const std::string text = DataText(alltedit_->text());
  if (!text.empty()) {
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Status status = session_.SearchAll(text);
    QApplication::restoreOverrideCursor();
    setEnabled(true);
    if (!status.ok()) ReportMessage(status.Text(ShownLanguage()));
  }
  accept();
}

void Tsoka_form::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Search();
    return;
  }
  QDialog::keyPressEvent(event);  // Esc rejects
}

}  // namespace vx
