// Tmain_form, the program's main window: the register set's heading and
// logo, the result table of persons with its register toggles and order
// buttons, the record panel, and the command buttons. Its first show opens
// the register set; closing it closes the set and ends the program.
//
// Every decision is made below it: the geometry by LayOutMainWindow, the
// table's bookkeeping by ResultTable, the records and texts by the
// Session. The window turns events into calls on them, each call one user
// operation whose failure reaches the user once, through the message sink.
#ifndef VX_DESKTOP_MAIN_MAIN_WINDOW_H_
#define VX_DESKTOP_MAIN_MAIN_WINDOW_H_

#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "controls/picture_set.h"
#include "desktop/main/main_controls.h"
#include "records/text_window_logic.h"
#include "resulttable/result_table.h"
#include "session/session.h"

class QPrinter;

namespace vx {

class LinkWindow;
class Tnormform;
class Tskriv_form;
class Tsok_form;
class Tsoka_form;
class Tsoktabform;
class Ttextform;

class Tmain_form : public QWidget {
  Q_OBJECT

 public:
  // `ini`: the configuration file; empty: kuvo.ini beside the program.
  // Nothing is opened before the first show.
  explicit Tmain_form(std::filesystem::path ini = {}, QWidget* parent = nullptr);
  ~Tmain_form() override;

  Session& session() { return session_; }
  // Null until the first show has opened a register set.
  ResultTable* table() { return table_.get(); }
  const MainControls& controls() const { return c_; }
  Ttextform* textform() { return textform_.get(); }
  // The search form of register 1..3, the free-text form, the picker and
  // the normalisation view; null before the first show.
  Tsok_form* search_form(int r) { return r >= 1 && r <= 3 ? forms_[size_t(r - 1)].get() : nullptr; }
  Tsoka_form* free_text_form() { return free_form_.get(); }
  Tsoktabform* picker() { return picker_.get(); }
  Tnormform* normform() { return norm_.get(); }
  // "Möjliga samband"; null before the first show.
  LinkWindow* link_window() { return links_.get(); }
  // The print dialog, null before the first show; the printer both prints
  // on (a PDF file in tests).
  Tskriv_form* print_form() { return print_form_.get(); }
  QPrinter& printer() { return *printer_; }
  // The register set could not be opened: the user was told, the window
  // closes.
  bool failed() const { return open_failed_; }

  // After a search of `registers` through the session: their saved
  // positions go back to the first row and the current register is
  // refilled, as the search forms do.
  void ShowSearchResult(std::initializer_list<int> registers);
  // The commands, as their buttons and keys give them.
  void valjregister(int r);
  void MoveCurrent(TableKey key);
  void ToggleOrder();
  void RemovePerson();
  void ClearAll();
  void CopyRecord();
  void CopyList();
  // Saves the current register's hits, in the table's order, in the file
  // the user chooses: a GEDCOM file for a name ending in ".ged", else a
  // source table (CSV).
  void ExportHits();
  // Asks where to save: the suggested file name in, the chosen path out
  // (empty: cancelled). A file dialog unless a test sets its own.
  using SaveFileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
  void SetSaveFileChooser(SaveFileChooser chooser) { choose_file_ = std::move(chooser); }
  void ShowHelpText(const std::string& code);
  // The print dialog for the current register's hits.
  void OpenPrintDialog();
  // Prints the record shown, alone, at once.
  void PrintRecord();
  // Opens register 1..3's search form; after a search shows its hits.
  void OpenSearchForm(int r);
  // Opens the free-text search; after a search shows the current
  // register's hits.
  void OpenFreeTextSearch();
  // Opens "Möjliga samband" for the record shown; the candidate chosen
  // there is shown with ShowCandidate.
  void ShowLinks();
  // Shows `record` of register 1..3: its register becomes current, the
  // record joins its hits and its row is chosen.
  void ShowCandidate(int r, uint32_t record);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  class Hooks;

  void FirstShow();
  bool OpenRegisterSet();
  void ShowHeadings();
  void PlaceLogo();
  void MeasureRecordLabels();
  void LayOut();
  void ConnectCommands();
  void ConnectTable();
  void AddWindowKeys();
  void ShowOpenFailure(const Status& status);
  void ScreenChanged();
  void CreateSearchWindows();
  void ShowRegisterTab(int r);
  // The first time only: centred over this window when `dialog` fits in
  // it, else on the screen.
  void PlaceFirstTime(QWidget* dialog, TextWindowPlacement& placement);

  // Runs `operation` as one user operation, reports its failure and shows
  // what the table says afterwards.
  void Run(const std::function<Status()>& operation);
  void ShowTable();
  void ShowCounter();
  void ShowRecord();
  void ShowStatusDot(StatusDot dot);
  void UpdateTextScrollBar();
  void OnWheel(int delta);
  std::string CellText(int row, int column);

  std::filesystem::path ini_;
  SaveFileChooser choose_file_;
  Session session_;
  MainControls c_;
  std::unique_ptr<PictureSet> pictures_;
  std::unique_ptr<ResultTable> table_;
  std::unique_ptr<Ttextform> textform_;
  std::unique_ptr<Tsoktabform> picker_;
  std::unique_ptr<Tnormform> norm_;
  std::array<std::unique_ptr<Tsok_form>, 3> forms_;
  std::unique_ptr<Tsoka_form> free_form_;
  std::unique_ptr<LinkWindow> links_;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<Tskriv_form> print_form_;
  // The three forms, the free-text form, the print dialog.
  std::array<TextWindowPlacement, 5> placed_;
  bool open_failed_ = false;
  bool cells_reported_ = false;          // a damaged list met while painting was told
  bool shown_ = false;                   // the first-show flag: the layout waits for it
  bool syncing_ = false;                 // the controls are being set from the table
  bool in_wheel_ = false;                // guards the wheel against re-entry
  int headings_left_ = kLogoPlace.left;  // right of the set's logo
  // The widest record label of the set (and of those shown), in pixels.
  int record_label_width_ = kRecordLabelPlace.width;
  int shown_register_ = -1;
  uint32_t shown_record_ = 0;
};

}  // namespace vx

#endif  // VX_DESKTOP_MAIN_MAIN_WINDOW_H_
