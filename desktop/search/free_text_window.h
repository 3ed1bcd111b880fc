// Tsoka_form: one text searched in every field of all three registers at
// once; each register's share of the hits becomes its result. Enter and
// the search button search and close accepted (an empty field searches
// nothing and changes no result); Esc closes and keeps the text.
#ifndef VX_DESKTOP_SEARCH_FREE_TEXT_WINDOW_H_
#define VX_DESKTOP_SEARCH_FREE_TEXT_WINDOW_H_

#include <QDialog>

class QLineEdit;

namespace vx {

class PictureSet;
class Session;
class Ttextform;

class Tsoka_form : public QDialog {
  Q_OBJECT

 public:
  Tsoka_form(Session& session, PictureSet& pictures, Ttextform* help, QWidget* parent = nullptr);

  QLineEdit* alltedit() const { return alltedit_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Search();

  Session& session_;
  Ttextform* help_;
  QLineEdit* alltedit_ = nullptr;
};

}  // namespace vx

#endif  // VX_DESKTOP_SEARCH_FREE_TEXT_WINDOW_H_
