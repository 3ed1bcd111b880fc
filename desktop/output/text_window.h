// Ttextform: the window that shows the help texts and the register set's
// About text, on the help background, with a scroll bar when the text is
// taller than the window. A link to another text replaces the text in the
// same window; the whole text can be copied to the clipboard.
//
// Keys: Esc closes; Up, Down, Page Up and Page Down scroll; Ctrl+Shift+C
// copies. Every decision is TextWindowPlacement's, TextScroll's and
// TextWindowContent's (records/text_window_logic.h); this class passes the
// events on and shows the result.
#ifndef VX_DESKTOP_OUTPUT_TEXT_WINDOW_H_
#define VX_DESKTOP_OUTPUT_TEXT_WINDOW_H_

#include <QDialog>
#include <QString>
#include <string>

#include "records/text_window_logic.h"

class QLabel;

namespace vx {

class PictureSet;
class Session;
class Tspecbut;
class Tspecscr;
class TVXdyntex;
class TVXknapp;
class TVXpanel;

class Ttextform : public QDialog {
  Q_OBJECT

 public:
  enum class HelpCaller { kMainWindow, kDialog };

  // The session and the pictures must outlive the window.
  Ttextform(Session& session, PictureSet& pictures, QWidget* parent = nullptr);

  // Sets the requested code; the first time, places the window (centred
  // over `caller` when it is large enough, else on the screen). Reloads
  // when visible, else shows: non-modal for the main window, modal for any
  // other caller (returning when the window closes).
  void ShowHelpText(const std::string& code, QWidget* caller, HelpCaller kind);
  // The requested code.
  const std::string& code() const { return code_; }

  // What the window shows now.
  QString HeadingText() const;
  QString VersionText() const;
  bool ScrollBarShown() const;
  // The coded text in the display (Windows-1252).
  const std::string& TextShown() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls(PictureSet& pictures);
  void BuildButtons(PictureSet& pictures);
  void Place(QWidget* caller);
  void Load();
  void LoadHelp();
  void LoadAbout();
  void ShowContent();
  void PlaceHeadings();
  void ResetScroll();
  void ScrollTo(int position);
  void OnBarMoved(int position);
  void OnTextScrolled();
  void OnTextClick();
  void CopyText();

  Session& session_;
  std::string code_;
  TextWindowPlacement placement_;
  TextScroll scroll_;
  TextWindowContent content_;

  TVXpanel* huvudpanel_ = nullptr;
  QLabel* arkivlabel_ = nullptr;
  QLabel* verlabel_ = nullptr;
  TVXdyntex* texten_ = nullptr;
  Tspecscr* vistextscr_ = nullptr;
  TVXknapp* slutknapp_ = nullptr;
  Tspecbut* kopipostknapp_ = nullptr;
};

}  // namespace vx

#endif  // VX_DESKTOP_OUTPUT_TEXT_WINDOW_H_
