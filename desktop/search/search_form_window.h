// Tsok_form: the search form of one register (births, marriages or
// deaths), built from the register's field table: for every field a label
// and an edit, and for a list-backed field a type button and a list button
// (a sticky pair: typed mode, or list mode with the words picked in the
// picker). Enter searches (in the Lokal-ID field: jumps to the Lokal-ID),
// Esc closes. The form closes accepted after every search and after a
// found Lokal-ID; the main window then shows the register's hits.
//
// The fields' modes and texts are SearchFormState's; the search and the
// jump are the session's. Tab and Shift+Tab go from field to field in the
// form's tab order (a field in list mode is read only, not skipped); no
// button is in the Tab chain. Keys besides Enter and Esc: F4 the list
// button of the focused field, Shift+F4 its type button, F2 the
// normalisation view, F1 help, Ctrl+R clear.
#ifndef VX_DESKTOP_SEARCH_SEARCH_FORM_WINDOW_H_
#define VX_DESKTOP_SEARCH_SEARCH_FORM_WINDOW_H_

#include <QDialog>
#include <string_view>
#include <vector>

#include "search/form_state.h"

class QLabel;
class QLineEdit;

namespace vx {

class PictureSet;
class Session;
class Tnormform;
class Tsoktabform;
class Tspecbut;
class Ttextform;
class TVXknapp;
class TVXpanel;

class Tsok_form : public QDialog {
  Q_OBJECT

 public:
  // The session, pictures and the shared windows must outlive the form.
  Tsok_form(int register_number, Session& session, PictureSet& pictures, Ttextform* help,
            Tsoktabform* picker, Tnormform* norm, QWidget* parent = nullptr);

  int register_number() const { return state_.form().register_number; }
  const SearchFormState& state() const { return state_; }

  // Every field typed and empty, the register's picked words and the
  // picker's remembered rows cleared, the Lokal-ID emptied. The main
  // window's clear command calls it too.
  void ClearSearchForm();
  // The next show gives the form's first field the focus.
  void AskFocusFirstField() { focus_first_ = true; }

  // The controls of the field with `prefix` (null when there is none), for
  // tests and screenshots.
  QLineEdit* Edit(std::string_view prefix) const;
  Tspecbut* TypeButton(std::string_view prefix) const;
  Tspecbut* ListButton(std::string_view prefix) const;
  QLabel* Label(std::string_view prefix) const;
  QLineEdit* LokalIdEdit() const { return lokalidedit_; }
  Tspecbut* SearchButton() const { return soekknapp_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Group {
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;
    Tspecbut* type_button = nullptr;
    Tspecbut* list_button = nullptr;
  };

  void BuildControls(PictureSet& pictures);
  void BuildGroups(PictureSet& pictures);
  void BuildButtons(PictureSet& pictures);
  void ConnectGroup(size_t i);
  void ShowField(size_t i);
  void ShowAvailability();
  void GoTyped(size_t i);
  void PickWords(size_t i);
  void Search();
  void JumpToLokalId();
  int GroupOf(std::string_view prefix) const;

  Session& session_;
  Ttextform* help_;
  Tsoktabform* picker_;
  Tnormform* norm_;
  SearchFormState state_;
  std::vector<Group> groups_;  // by field index; hidden fields too
  TVXpanel* huvudpanel_ = nullptr;
  QLineEdit* lokalidedit_ = nullptr;
  TVXknapp* soeklokalid_ = nullptr;
  Tspecbut* soekknapp_ = nullptr;
  Tspecbut* rensaknapp_ = nullptr;
  TVXknapp* normknapp_ = nullptr;
  int last_field_ = 0;  // the field whose edit had the focus last; -1 the Lokal-ID
  bool focus_first_ = false;
  bool showing_ = false;  // ShowField is setting an edit's text
};

}  // namespace vx

#endif  // VX_DESKTOP_SEARCH_SEARCH_FORM_WINDOW_H_
