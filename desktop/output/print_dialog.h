// Tskriv_form: prints the current register's hits, all details record by
// record or as a table, ordered by name, date or source, optionally only a
// range of them, on the printer set up here (or to a PDF file). While it
// prints, its controls are disabled, a progress bar and status show, and
// Esc cancels; otherwise Esc closes it.
//
// Reading, sorting and pagination are the print job's and the print
// engine's; the dialog gathers the choices and lets the window breathe
// between records.
#ifndef VX_DESKTOP_OUTPUT_PRINT_DIALOG_H_
#define VX_DESKTOP_OUTPUT_PRINT_DIALOG_H_

#include <QDialog>
#include <functional>

#include "printing/print_engine.h"

class QLabel;
class QLineEdit;
class QPrinter;
class QProgressBar;

namespace vx {

class PictureSet;
class Session;
class Tspecbut;
class Ttextform;
class TVXknapp;
class TVXpanel;

class Tskriv_form : public QDialog, private PrintMonitor {
  Q_OBJECT

 public:
  // The session, printer, pictures and help window must outlive the form.
  Tskriv_form(Session& session, QPrinter& printer, PictureSet& pictures, Ttextform* help,
              QWidget* parent = nullptr);

  // Shows the dialog modally for register 1..3, which has `hit_count` hits.
  int Open(int register_number, int hit_count);
  // "Alla uppgifter" and "Namn" down, the range empty; the main window's
  // clear command calls it.
  void Reset();
  // Prints as the controls say (the start button).
  void Start();

  bool printing() const { return printing_; }
  // The outcome of the last print started.
  PrintOutcome last_outcome() const { return outcome_; }

  // Called after every record while printing, with the progress; tests
  // press keys from here, as a user would in the middle of a long print.
  void SetProgressObserver(std::function<void(int value)> observer) {
    observer_ = std::move(observer);
  }

  TVXknapp* allaknapp() const { return allaknapp_; }
  TVXknapp* tabellknapp() const { return tabellknapp_; }
  TVXknapp* namnknapp() const { return namnknapp_; }
  TVXknapp* pnrknapp() const { return pnrknapp_; }
  TVXknapp* kaellaknapp() const { return kaellaknapp_; }
  QLineEdit* startpostedit() const { return startpostedit_; }
  QLineEdit* slutpostedit() const { return slutpostedit_; }
  QLabel* antskrivlabel() const { return antskrivlabel_; }
  Tspecbut* startknapp() const { return startknapp_; }
  QProgressBar* progress() const { return pg_; }
  QLabel* statuslabel() const { return statuslabel_; }
  QLabel* avbrytlabel() const { return avbrytlabel_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // The monitor of the print job.
  bool KeepGoing() override;
  void ShowStatus(std::string_view text) override;
  void ShowProgress(int value, int maximum) override;

  void BuildChoices();
  void BuildRange();
  void BuildProgress();
  void BuildButtons(PictureSet& pictures);
  void SetPrinting(bool printing);
  void SetUpPrinter();
  PrintOrder ChosenOrder() const;

  Session& session_;
  QPrinter& printer_;
  Ttextform* help_;
  int register_number_ = 1;
  int hit_count_ = 0;
  bool printing_ = false;
  bool cancel_ = false;
  PrintOutcome outcome_ = PrintOutcome::kPrinted;
  std::function<void(int)> observer_;

  TVXpanel* panel_ = nullptr;
  QLabel* heading_ = nullptr;
  TVXknapp* allaknapp_ = nullptr;
  TVXknapp* tabellknapp_ = nullptr;
  TVXknapp* namnknapp_ = nullptr;
  TVXknapp* pnrknapp_ = nullptr;
  TVXknapp* kaellaknapp_ = nullptr;
  QLabel* antskrivlabel_ = nullptr;
  QLineEdit* startpostedit_ = nullptr;
  QLineEdit* slutpostedit_ = nullptr;
  QProgressBar* pg_ = nullptr;
  QLabel* statuslabel_ = nullptr;
  QLabel* avbrytlabel_ = nullptr;
  Tspecbut* startknapp_ = nullptr;
  TVXknapp* staellinknapp_ = nullptr;
  TVXknapp* slutknapp_ = nullptr;
  TVXknapp* helpknapp_ = nullptr;
};

}  // namespace vx

#endif  // VX_DESKTOP_OUTPUT_PRINT_DIALOG_H_
