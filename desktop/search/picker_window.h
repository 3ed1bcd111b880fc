// Tsoktabform: the search-word picker. A search form's list button shows
// it modally over one of its register's search lists; the user ticks the
// words to search with, by the right mouse button (a press ticks or
// unticks a row, dragging with it held does the same to every row passed)
// or Space, finds rows by typing the start of a word, and confirms.
//
// The ticks are the list's own selection: they stay after closing, either
// way, until cleared here or by the search form's clear. Where the grid
// stood is remembered per list. Every decision is WordPicker's and
// ListGrid's (search/picker_logic.h, search/list_grid.h); this class
// passes the events on and shows the result.
#ifndef VX_DESKTOP_SEARCH_PICKER_WINDOW_H_
#define VX_DESKTOP_SEARCH_PICKER_WINDOW_H_

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/util/status.h"
#include "search/picker_logic.h"

class QLabel;
class QLineEdit;

namespace vx {

class ListGridView;
class PictureSet;
struct PickerLayout;
class Session;
class TLMtab;
class Tspecbut;
class Tspecscr;
class Ttextform;
class TVXknapp;
class TVXpanel;

class Tsoktabform : public QDialog {
  Q_OBJECT

 public:
  // The session, the pictures and `help` (may be null: no help) must
  // outlive the window.
  Tsoktabform(Session& session, PictureSet& pictures, Ttextform* help, QWidget* parent = nullptr);

  // Shows list `slot` of register `register_number` modally; true when the user confirmed.
  bool Pick(int register_number, int slot, const std::string& title, const std::string& help_code);
  // The summary of the last confirmation (Windows-1252).
  const std::string& valdtext() const { return valdtext_; }
  // The search form's clear: the register's lists open at their first row.
  void ForgetPositions(int register_number) { picker_.ForgetPositions(register_number); }
  TLMtab* grid() { return soktab_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls(PictureSet& pictures, const PickerLayout& m);
  void BuildButtons(PictureSet& pictures, const PickerLayout& m);
  void ConnectControls();
  void ShowList(int register_number, int slot, const std::string& title);
  void ShowCount();
  void OnVald(int row);
  void TickCurrent();
  void OnQuickSearch();
  void ClearTicks();
  void Confirm();
  void ShowHelp();
  bool HandleKey(const QKeyEvent& event);
  Status Run(const std::function<Status()>& operation);
  // Painting reads the list: a damaged row is told once, after the paint.
  void ReportCellFailure(const Status& status);
  std::string CellText(int row, int column);
  uint32_t CellAttribute(int row);

  Session& session_;
  Ttextform* help_;
  WordPicker picker_;
  std::string valdtext_;
  bool new_drag_ = false;         // the tick button went down; its first Vald toggles
  bool suppress_search_ = false;  // the edit is being emptied for a new showing
  bool cells_reported_ = false;

  TVXpanel* huvudpanel_ = nullptr;
  QLabel* rubriklab_ = nullptr;
  QLabel* rubrik2lab_ = nullptr;
  QLabel* antlabel_ = nullptr;
  TLMtab* soktab_ = nullptr;
  Tspecscr* sokscr_ = nullptr;
  ListGridView* view_ = nullptr;
  QLineEdit* snabbsokedit_ = nullptr;
  Tspecbut* rensaknapp_ = nullptr;
  TVXknapp* jaknapp_ = nullptr;
  TVXknapp* slutknapp_ = nullptr;
  TVXknapp* helpknapp_ = nullptr;
};

}  // namespace vx

#endif  // VX_DESKTOP_SEARCH_PICKER_WINDOW_H_
