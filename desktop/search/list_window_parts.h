// The controls the word picker and the normalisation view share, made the
// same way for both: the paper background, ink labels, the close and help
// buttons, the white list grid of 18 rows with its scroll bar, and the
// quick-search edit under its label. Where they go is the windows' layouts'
// (search/list_window_layout.h). Also what the search windows share for
// their language.
#ifndef VX_DESKTOP_SEARCH_LIST_WINDOW_PARTS_H_
#define VX_DESKTOP_SEARCH_LIST_WINDOW_PARTS_H_

#include <QImage>

#include "engine/util/rect.h"
#include "language/language.h"
#include "theme/theme.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QRect;
class QWidget;

namespace vx {

class PictureSet;
class TLMtab;
class TVXfigurer;
class TVXknapp;
class TVXpanel;

// The panel that fills a list window with the tile "namnlista", its paper
// starting at the window's own corner wherever it is moved.
TVXpanel* ListBackground(QWidget* window, PictureSet& pictures);
// A label in the ink and `font` at `where`.
QLabel* ListLabel(QWidget* parent, const theme::Font& font, const Rect& where);
// A grid of `columns` columns at `where`, rows kListRowHeight high; the
// wheel is left to the window.
TLMtab* ListGrid(QWidget* parent, PictureSet& pictures, int columns, const Rect& where);
// The edit at `where`, its label "Snabbsök i listan" at `label`.
QLineEdit* QuickSearchEdit(QWidget* parent, const Rect& label, const Rect& where);
// A key the focused control of a list window left to the window: Down in
// the quick search moves into the grid on its current row (the row found),
// Up, Page Up and Page Down reach the grid from the quick search, and
// typing goes to the quick search. False for any other key.
bool RouteListKey(const QKeyEvent& event, TLMtab* grid, QLineEdit* edit);
// A figure of the program's pictures as an image (empty when missing).
QImage FigureImage(TVXfigurer& figures, const char* name);

}  // namespace vx

#endif  // VX_DESKTOP_SEARCH_LIST_WINDOW_PARTS_H_
