// Tnrknapp, a picture button of the second picture family (TNRfigurer):
// an up, a pressed and a hover picture, optionally with auto-repeat.
//
// - Press (left): a toggle (1) flips `down`; a push (0) or radio (2)
//   button goes down and leaves the hover state. A radio button then puts
//   the other radio Tnrknapp of the same parent and Tag up. Toggle and
//   radio raise Tryckt, then Down or Up, only when the state changed; a
//   push button raises Tryckt and, with `repetition`, Tryckt again after
//   `startdelay` ms and then every `delay` ms until it is released.
// - Release of a push button: up again; the repeating stops.
// - Enter / leave (enabled, `focusmode`, not down): hover on with Focus,
//   off with EjFocus.
// - Click on a left release inside after a press; MOuseDown and MOuseUp
//   for every mouse button, around the work of the press and release.
//
// Painting: `downfigur` when down, `focusfigur` when hovered, else
// `upfigur` (falling back to `upfigur` when the one asked for is empty),
// at the top, at the left or centred with `hcentr`; `buttext`, when set,
// centred over it (one pixel right and down when down); disabled, the
// whole rectangle blended with the disabled face (theme) at level 100.
#ifndef VX_CONTROLS_TNR_KNAPP_H_
#define VX_CONTROLS_TNR_KNAPP_H_

#include <QString>
#include <memory>

#include "controls/button_base.h"
#include "controls/repeat_timer.h"

namespace vx {

class TNRfigurer;

class Tnrknapp : public ButtonBase {
  Q_OBJECT
  Q_PROPERTY(int knapptyp READ knapptyp WRITE setKnapptyp)
  Q_PROPERTY(bool down READ down WRITE setDown)
  Q_PROPERTY(bool focusmode READ focusmode WRITE setFocusmode)
  Q_PROPERTY(QString focusfigur READ focusfigur WRITE setFocusfigur)
  Q_PROPERTY(QString downfigur READ downfigur WRITE setDownfigur)
  Q_PROPERTY(QString upfigur READ upfigur WRITE setUpfigur)
  Q_PROPERTY(bool flipflop READ flipflop WRITE setFlipflop)
  Q_PROPERTY(bool hcentr READ hcentr WRITE setHcentr)
  Q_PROPERTY(int startdelay READ startdelay WRITE setStartdelay)
  Q_PROPERTY(int delay READ delay WRITE setDelay)
  Q_PROPERTY(bool repetition READ repetition WRITE setRepetition)

 public:
  static constexpr int kPush = 0;
  static constexpr int kToggle = 1;
  static constexpr int kRadio = 2;

  explicit Tnrknapp(QWidget* parent = nullptr);
  ~Tnrknapp() override;

  int knapptyp() const { return knapptyp_; }
  void setKnapptyp(int type) { knapptyp_ = type; }
  bool down() const { return down_; }
  // By program: a radio button going down first puts the others up; raises
  // Down or Up. Nothing happens when the state is already so.
  void setDown(bool down);
  bool focusmode() const { return focusmode_; }
  void setFocusmode(bool on);
  // The figure cache the pictures are looked up in; not owned.
  TNRfigurer* figurer() const { return figurer_; }
  void setFigurer(TNRfigurer* figures);
  QString focusfigur() const { return focusfigur_; }
  void setFocusfigur(const QString& name);
  QString downfigur() const { return downfigur_; }
  void setDownfigur(const QString& name);
  QString upfigur() const { return upfigur_; }
  void setUpfigur(const QString& name);
  // Drawing the pictures straight onto the window rather than repainting
  // the area: every paint is buffered here, so it changes nothing.
  bool flipflop() const { return flipflop_; }
  void setFlipflop(bool on) { flipflop_ = on; }
  bool hcentr() const { return hcentr_; }
  void setHcentr(bool on);
  int startdelay() const { return startdelay_; }
  void setStartdelay(int ms) { startdelay_ = ms; }
  int delay() const { return delay_; }
  void setDelay(int ms) { delay_ = ms; }
  bool repetition() const { return repetition_; }
  void setRepetition(bool on) { repetition_ = on; }

  bool Hovered() const { return hovered_; }
  void Activate() override;

 signals:
  void EjFocus();  // the mouse left a hovered button

 protected:
  void PaintFace(QImage& layer, std::vector<ButtonBlend>& blends) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Press(bool may_repeat);
  void Release();
  void ReleaseOtherRadios();
  void StartRepeat();
  void Repeat();
  void StopRepeat();
  void SetHovered(bool hovered);
  QString CurrentFigure() const;

  int knapptyp_ = kPush;
  bool down_ = false;
  bool focusmode_ = false;
  TNRfigurer* figurer_ = nullptr;
  QString focusfigur_;
  QString downfigur_;
  QString upfigur_;
  bool flipflop_ = false;
  bool hcentr_ = false;
  int startdelay_ = 400;
  int delay_ = 80;
  bool repetition_ = false;
  bool hovered_ = false;
  bool pressed_ = false;  // a left press awaits its release
  std::unique_ptr<RepeatTimer> repeat_;
};

}  // namespace vx

#endif  // VX_CONTROLS_TNR_KNAPP_H_
