// The state and mouse rules TVXknapp and Tspecbut share (left button
// only; a disabled button gets no mouse events at all):
//
// - `radio`: a press on an up button puts it down, repaints, releases the
//   coupled buttons, then raises Tryckt and Down. A press on a down radio
//   button changes nothing and raises neither Tryckt nor Down, but it is
//   still a click: its release inside raises Click, so that a handler on
//   Click acts again (the search forms' list button opens the picker
//   again). Space does the same.
// - `staydown`: a press toggles `down`, repaints, raises Tryckt, then Down
//   or Up.
// - otherwise a press shows the button down; the release shows it up and
//   raises Tryckt wherever the mouse is released.
//
// On the release Click comes first (only when released inside), then the
// release's own work, then MOuseUp; MOuseDown comes before the press's
// work. Other mouse buttons raise only MOuseDown and MOuseUp.
#ifndef VX_CONTROLS_CAPTION_BUTTON_H_
#define VX_CONTROLS_CAPTION_BUTTON_H_

#include <QColor>

#include "controls/button_base.h"

namespace vx {

class CaptionButton : public ButtonBase {
  Q_OBJECT
  Q_PROPERTY(int avst READ avst WRITE setAvst)
  Q_PROPERTY(bool transp READ transp WRITE setTransp)
  Q_PROPERTY(bool down READ down WRITE setDown)
  Q_PROPERTY(bool staydown READ staydown WRITE setStaydown)
  Q_PROPERTY(bool radio READ radio WRITE setRadio)
  Q_PROPERTY(QColor Color READ Color WRITE setColor)

 public:
  explicit CaptionButton(QWidget* parent = nullptr);

  int avst() const { return avst_; }
  void setAvst(int avst);
  bool transp() const { return transp_; }
  void setTransp(bool transp);
  bool down() const { return down_; }
  // By program: to true releases the coupled buttons first and raises
  // Down; to false raises Up. Nothing happens when the state is already so.
  void setDown(bool down);
  bool staydown() const { return staydown_; }
  void setStaydown(bool staydown) { staydown_ = staydown; }
  bool radio() const { return radio_; }
  void setRadio(bool radio) { radio_ = radio; }
  // The fill behind the caption unless `transp`; paper by default.
  QColor Color() const { return color_; }
  void setColor(const QColor& color);

  void Activate() override;

 protected:
  // Puts the coupled buttons up; TVXknapp couples by `kopplatag`.
  virtual void ReleaseCoupled() {}

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The left press: the state change and its events (none for a down
  // radio button).
  void Press();
  // The left release: up again after a plain press.
  void Release();

  int avst_ = 2;
  bool transp_ = false;
  bool down_ = false;
  bool staydown_ = false;
  bool radio_ = false;
  QColor color_ = QColor::fromRgb(kButtonPaper);
  bool pressing_ = false;  // a plain press awaits its release
  bool clicking_ = false;  // a left press awaits its release
};

}  // namespace vx

#endif  // VX_CONTROLS_CAPTION_BUTTON_H_
