// TVXknapp, the general button of the windows: text boxes, picture
// buttons, toggles, radio groups and hover pictures, drawn over the
// parent's background. Mouse and state rules: controls/caption_button.h.
//
// Painting, in order:
// 1. Font: `focusfont` while hovered in focus mode (when one is set), else
//    the widget's font. Unless `transp` (and never for kntText) the
//    rectangle is filled with `Color`; with a `blendlevel` above 0 it is
//    then blended with `blendcolor` at that level.
// 2. Up: kntRutabild draws `figur1` at (1, 1); the text types draw the
//    text and, except kntText, a raised edge. The picture types draw
//    `figur1` at (0, 0).
// 3. Down, or hovered in focus mode: the second picture (`figur2`, else
//    `figur1`) instead, kntRutabild's at (2, 2) when down. When down the
//    text moves one pixel right and down and the edge is sunken.
// 4. Disabled: the whole rectangle blended with the disabled face (theme) at 100.
#ifndef VX_CONTROLS_TVX_KNAPP_H_
#define VX_CONTROLS_TVX_KNAPP_H_

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <optional>

#include "controls/caption_button.h"
#include "controls/qt_theme.h"

namespace vx {

class TVXfigurer;

class TVXknapp : public CaptionButton {
  Q_OBJECT
  Q_PROPERTY(Knapptyp knapptyp READ knapptyp WRITE setKnapptyp)
  Q_PROPERTY(bool kopplatag READ kopplatag WRITE setKopplatag)
  Q_PROPERTY(bool focusmode READ focusmode WRITE setFocusmode)
  Q_PROPERTY(QString figur1 READ figur1 WRITE setFigur1)
  Q_PROPERTY(QString figur2 READ figur2 WRITE setFigur2)
  Q_PROPERTY(QFont focusfont READ focusfont WRITE setFocusfont)
  Q_PROPERTY(bool colorflipflop READ colorflipflop WRITE setColorflipflop)
  Q_PROPERTY(bool textvmarg READ textvmarg WRITE setTextvmarg)
  Q_PROPERTY(int blendlevel READ blendlevel WRITE setBlendlevel)
  Q_PROPERTY(QColor blendcolor READ blendcolor WRITE setBlendcolor)

 public:
  enum Knapptyp {
    kntRuta,      // text box
    kntRutabild,  // text box with a picture
    kntBilder,    // picture only
    kntText,      // text only: no fill, no edge
    kntFlipflop,  // picture with a hover picture
    // Picture with a hover look made by blending: the picture (`figur2`
    // when down or hovered, if set) is drawn as by kntFlipflop, and while
    // down or hovered the whole button is blended with `blendcolor` at
    // `blendlevel`, so one picture serves both states. Step 1's blend does
    // not apply to it.
    kntFlipFlopBlend,
  };
  Q_ENUM(Knapptyp)

  explicit TVXknapp(QWidget* parent = nullptr);

  Knapptyp knapptyp() const { return knapptyp_; }
  void setKnapptyp(Knapptyp type);
  // Couples the button with every other TVXknapp of the same parent that
  // has `kopplatag` and the same Tag: putting one down puts the others up.
  bool kopplatag() const { return kopplatag_; }
  void setKopplatag(bool on) { kopplatag_ = on; }
  // Reacts to the mouse passing over: hovered, repainted, Focus raised.
  bool focusmode() const { return focusmode_; }
  void setFocusmode(bool on);
  // The figure cache `figur1` and `figur2` are looked up in; not owned.
  TVXfigurer* figurer() const { return figurer_; }
  void setFigurer(TVXfigurer* figures);
  QString figur1() const { return figur1_; }
  void setFigur1(const QString& name);
  QString figur2() const { return figur2_; }
  void setFigur2(const QString& name);
  QFont focusfont() const { return focusfont_.value_or(font()); }
  void setFocusfont(const QFont& font);
  // A colour hover for the text types: while hovered the fill is
  // `blendcolor` instead of `Color`.
  bool colorflipflop() const { return colorflipflop_; }
  void setColorflipflop(bool on);
  // Lines start at `avst` instead of being centred.
  bool textvmarg() const { return textvmarg_; }
  void setTextvmarg(bool on);
  // 0 (the default) for no blend, else 1..255.
  int blendlevel() const { return blendlevel_; }
  void setBlendlevel(int level);
  QColor blendcolor() const { return blendcolor_; }
  void setBlendcolor(const QColor& colour);

  bool Hovered() const { return hovered_; }
  // Ends the hover state of this button and its coupled buttons, for a
  // parent that tracks the mouse itself.
  void ClearHover();
  // The other buttons of the same parent with `kopplatag` and the same Tag
  // (none without `kopplatag`).
  QList<TVXknapp*> CoupledButtons() const;

 protected:
  void ReleaseCoupled() override;
  void PaintFace(QImage& layer, std::vector<ButtonBlend>& blends) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  // In a radio group (radio with coupled buttons) the arrow keys put down
  // and focus the next button (imaging/radio_group.h), and Tab reaches the
  // group at the button that had the focus last, as the platform's radio
  // buttons do.
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  bool ShowsHover() const { return focusmode_ && hovered_; }
  bool IsPictureOnly() const;
  QString SecondFigure() const { return figur2_.isEmpty() ? figur1_ : figur2_; }
  void FillAndBlend(QImage& layer, std::vector<ButtonBlend>& blends) const;
  void PaintTextBox(QImage& layer) const;
  void PaintPicture(QImage& layer, std::vector<ButtonBlend>& blends) const;
  void SetHovered(bool hovered);
  bool InRadioGroup() const { return radio() && kopplatag_; }

  Knapptyp knapptyp_ = kntRuta;
  bool kopplatag_ = false;
  bool focusmode_ = false;
  TVXfigurer* figurer_ = nullptr;
  QString figur1_;
  QString figur2_;
  std::optional<QFont> focusfont_;
  bool colorflipflop_ = false;
  bool textvmarg_ = false;
  int blendlevel_ = 0;
  QColor blendcolor_ = QtColor(theme::kWhite);
  bool hovered_ = false;
};

}  // namespace vx

#endif  // VX_CONTROLS_TVX_KNAPP_H_
