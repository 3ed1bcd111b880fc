#include "controls/window_buttons.h"

#include <QKeySequence>

#include "controls/picture_set.h"
#include "controls/qt_translations.h"
#include "controls/tvx_knapp.h"
#include "language/message_id.h"

namespace vx {
namespace {

TVXknapp* FlipflopButton(QWidget* parent, PictureSet& pictures, const char* up, const char* over,
                         const QString& hint, const QRect& where) {
  auto* button = new TVXknapp(parent);
  button->setKnapptyp(TVXknapp::kntFlipflop);
  button->setFigurer(&pictures.mainfigur());
  button->setFigur1(up);
  button->setFigur2(over);
  button->setFocusmode(true);
  button->setHint(hint);
  button->setAccessibleName(hint);
  button->setGeometry(where);
  return button;
}

}  // namespace

TVXknapp* CloseButton(QWidget* parent, PictureSet& pictures, const QRect& where,
                      const QString& hint) {
  TVXknapp* button = FlipflopButton(parent, pictures, "storkryssl01", "storkryssl02", hint, where);
  button->setObjectName("slutknapp");
  return button;
}

TVXknapp* HelpButton(QWidget* parent, PictureSet& pictures, const QRect& where) {
  TVXknapp* button = FlipflopButton(parent, pictures, "hjelpl01", "hjelpl02",
                                    TranslatedText(MessageId::MainHelp), where);
  button->setObjectName("helpknapp");
  button->SetShortcut(QKeySequence(Qt::Key_F1));
  return button;
}

}  // namespace vx
