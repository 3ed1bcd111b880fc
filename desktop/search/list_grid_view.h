// A list window's grid and the scroll bar beside it, kept in step: the
// bar's position is the grid's top row + 1 either way round. The rules
// are ListGrid's (search/list_grid.h).
#ifndef VX_DESKTOP_SEARCH_LIST_GRID_VIEW_H_
#define VX_DESKTOP_SEARCH_LIST_GRID_VIEW_H_

#include <QObject>

#include "search/list_grid.h"

namespace vx {

class TLMtab;
class Tspecscr;

class ListGridView : public QObject {
  Q_OBJECT

 public:
  // Both widgets must outlive the view.
  ListGridView(TLMtab* grid, Tspecscr* bar, QObject* parent = nullptr);

  // The grid shows `rows` rows; the bar is shown when they do not all fit.
  void SetRows(int rows);
  GridPlace place() const;
  // Scrolls to place.top, then makes place.current current.
  void SetPlace(const GridPlace& place);
  // A wheel turn over the window, while the bar is shown; a turn that
  // arrives while one is handled is dropped.
  void Wheel(int delta);
  // Brings the quick search's row into view and makes it current.
  void ShowFound(int row);

 private:
  void OnBarMoved(int position);
  void OnTopChanged(int top);

  TLMtab* grid_;
  Tspecscr* bar_;
  bool syncing_ = false;
  bool in_wheel_ = false;
};

}  // namespace vx

#endif  // VX_DESKTOP_SEARCH_LIST_GRID_VIEW_H_
