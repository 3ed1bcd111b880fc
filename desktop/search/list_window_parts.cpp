#include "desktop/search/list_window_parts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "controls/ink_label.h"
#include "controls/picture_set.h"
#include "controls/qt_rect.h"
#include "controls/qt_theme.h"
#include "controls/qt_translations.h"
#include "controls/tlm_tab.h"
#include "controls/tvx_knapp.h"
#include "controls/tvx_panel.h"
#include "controls/window_buttons.h"
#include "language/message_id.h"
#include "language/messages.h"
#include "search/list_window_layout.h"

namespace vx {

TVXpanel* ListBackground(QWidget* window, PictureSet& pictures) {
  auto* panel = new TVXpanel(window);
  panel->setObjectName("huvudpanel");
  panel->setGeometry(window->rect());
  panel->setTiler(&pictures.metiler());
  panel->setTilekod("namnlista");
  panel->setFigurer(&pictures.mainfigur());
  panel->setHorn("horn1;horn3;horn5;horn7");
  panel->setNbstyle(true);
  panel->setBackgroundOrigin(QPoint(0, 0));
  return panel;
}

QLabel* ListLabel(QWidget* parent, const theme::Font& font, const Rect& where) {
  QLabel* label = InkLabel(parent, font);
  label->setGeometry(QtRect(where));
  return label;
}

TLMtab* ListGrid(QWidget* parent, PictureSet& pictures, int columns, const Rect& where) {
  auto* grid = new TLMtab(parent);
  grid->setColumnCount(columns);
  grid->setRowCount(0);
  grid->setDefaultRowHeight(kListRowHeight);
  grid->setColour(QtColor(theme::kEditBase));
  grid->setFont(QtFont(theme::kListRowFont));
  grid->setTabmode(TVXtabmode::tmValdIkon);
  grid->setTabvaelj(TVXtabvaelj::tvHdrag);
  grid->setMushjul(false);
  grid->setFigurer(&pictures.mainfigur());
  grid->setGeometry(QtRect(where));
  return grid;
}

QLineEdit* QuickSearchEdit(QWidget* parent, const Rect& label_where, const Rect& where) {
  QLabel* label = ListLabel(parent, theme::kListTextFont, label_where);
  label->setText(TranslatedText(MessageId::PickerQuickSearch));
  auto* edit = new QLineEdit(parent);
  edit->setObjectName("snabbsokedit");
  edit->setGeometry(QtRect(where));
  edit->setAccessibleName(label->text());
  label->setBuddy(edit);
  return edit;
}

bool RouteListKey(const QKeyEvent& event, TLMtab* grid, QLineEdit* edit) {
  const int key = event.key();
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (key == Qt::Key_Down && modifiers == Qt::NoModifier && edit->hasFocus()) {
    grid->setFocus(Qt::TabFocusReason);  // on the row the quick search found
    return true;
  }
  const bool move =
      key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
  if (move && modifiers == Qt::NoModifier) {
    // A plain copy: the grid handles these itself and passes nothing back.
    QKeyEvent copy(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(grid, &copy);
    return true;
  }
  const QString text = event.text();
  if ((modifiers & ~Qt::ShiftModifier) != Qt::NoModifier || text.isEmpty() || !text[0].isPrint() ||
      !edit->isEnabled())
    return false;
  edit->setFocus();
  edit->insert(text);
  return true;
}

QImage FigureImage(TVXfigurer& figures, const char* name) {
  const CachedPicture* picture = figures.At(figures.GetFigure(name));
  return picture != nullptr ? picture->image : QImage();
}

}  // namespace vx
