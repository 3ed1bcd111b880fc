// What the program's three buttons (TVXknapp, Tspecbut, Tnrknapp) share:
// the caption `buttext`, the hint with its keyboard shortcut, the `Tag`
// that groups buttons, the events, and painting through a layer of their
// own over the parent's background (controls/button_painting.h).
#ifndef VX_CONTROLS_BUTTON_BASE_H_
#define VX_CONTROLS_BUTTON_BASE_H_

#include <QImage>
#include <QKeySequence>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <vector>

#include "controls/button_painting.h"

class QShortcut;

namespace vx {

class ButtonBase : public QWidget {
  Q_OBJECT
  // Read by the accessibility factory; line breaks are CR.
  Q_PROPERTY(QString buttext READ buttext WRITE setButtext)
  Q_PROPERTY(QString hint READ hint WRITE setHint)
  Q_PROPERTY(int Tag READ Tag WRITE setTag)

 public:
  explicit ButtonBase(QWidget* parent = nullptr);

  QString buttext() const { return buttext_; }
  void setButtext(const QString& text);
  // The tool tip, without the shortcut; the tool tip adds it.
  QString hint() const { return hint_; }
  void setHint(const QString& hint);
  int Tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }

  // A key that does what a left click does, wherever the focus is in the
  // button's window (not while the button is hidden or disabled). The hint
  // shows it: "Skriv ut personen (Ctrl+Skift+P)". An empty sequence
  // removes it.
  void SetShortcut(const QKeySequence& keys);
  QKeySequence Shortcut() const;

  // A left click from the keyboard: the same state changes and events as a
  // press and release inside the button, without the mouse events.
  virtual void Activate() = 0;

 signals:
  void Click();   // a left release inside the button, after a press on it
  void Tryckt();  // pressed
  void Down();
  void Up();
  void Focus();  // the mouse entered a button in focus mode
  void MOuseDown(Qt::MouseButton button, QPoint position);
  void MOuseUp(Qt::MouseButton button, QPoint position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Space presses the focused button; Enter and Esc stay the window's.
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Paints the enabled button into `layer` (made by MakeButtonLayer),
  // adding to `blends` each blend that should also tint what shows
  // through; the disabled wash is added afterwards.
  virtual void PaintFace(QImage& layer, std::vector<ButtonBlend>& blends) = 0;

 private:
  void ShowHintAndName();

  QString buttext_;
  QString hint_;
  QString automatic_name_;  // the accessible name ShowHintAndName gave last
  int tag_ = 0;
  QShortcut* shortcut_ = nullptr;
};

}  // namespace vx

#endif  // VX_CONTROLS_BUTTON_BASE_H_
