// The theme's colours as the art tool paints with them (theme/theme.h):
// paper surfaces, the label ink and its accents, one tint per register.
#ifndef VX_CONTROLS_ART_PALETTE_H_
#define VX_CONTROLS_ART_PALETTE_H_

#include <QColor>

#include "controls/qt_theme.h"

namespace vx::art {

inline const QColor kPaper = QtColor(theme::kPaper);
inline const QColor kSheet = QtColor(theme::kSheet);
inline const QColor kInk = QtColor(theme::kInk);
inline const QColor kDarkRed = QtColor(theme::kDarkRed);
inline const QColor kNavy = QtColor(theme::kNavy);
inline const QColor kGreen = QtColor(theme::kGreen);
inline const QColor kBirthsTint = QtColor(theme::kBirthsTint);
inline const QColor kMarriagesTint = QtColor(theme::kMarriagesTint);
inline const QColor kDeathsTint = QtColor(theme::kDeathsTint);
inline const QColor kDisabledInk = QtColor(theme::kDisabledInk);
inline const QColor kHighlight = QtColor(theme::kHighlight);
inline const QColor kShadow = QtColor(theme::kShadow);
inline const QColor kBlack = QtColor(theme::kBlack);
inline const QColor kCursorInk = QtColor(theme::kCursorInk);
inline const QColor kCursorFill = QtColor(theme::kCursorFill);

// White glass over a picture: `alpha` of 255 lets through the rest.
inline QColor Glass(int alpha) {
  return QtColor(theme::kWhite, alpha);
}

// Stroke widths in logical pixels, the same for every picture.
inline constexpr double kRule = 1.0;    // ruled lines and outlines
inline constexpr double kStroke = 1.6;  // pictogram strokes

// `a` moved the fraction `t` (0..1) towards `b`.
inline QColor Mix(const QColor& a, const QColor& b, double t) {
  auto lerp = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_PALETTE_H_
