// The one palette of the program's pictures: paper surfaces, the label ink
// and its three accents, and one tint per register.
#ifndef VX_CONTROLS_ART_PALETTE_H_
#define VX_CONTROLS_ART_PALETTE_H_

#include <QColor>

namespace vx::art {

inline const QColor kPaper{0xF4, 0xEE, 0xDC};  // window surfaces
inline const QColor kSheet{0xE6, 0xDC, 0xC2};  // panels, tabs, frame bands
inline const QColor kInk{0x2A, 0x50, 0x69};    // labels, rules, pictograms
inline const QColor kDarkRed{0x80, 0x00, 0x00};
inline const QColor kGreen{0x00, 0x60, 0x20};
inline const QColor kNavy{0x00, 0x00, 0x80};
inline const QColor kGreyViolet{0x5E, 0x52, 0x74};
inline const QColor kDisabledInk{0x9C, 0x97, 0x8A};  // greyed figures
inline const QColor kHighlight{0xFB, 0xF8, 0xEE};    // raised edge, light side
inline const QColor kShadow{0xA8, 0x9C, 0x7E};       // raised edge, dark side
inline const QColor kCursorInk{0x10, 0x10, 0x10};
inline const QColor kCursorFill{0xFF, 0xFF, 0xFF};

// Exact key colours of frame pictures: outside the panel, inside it.
inline const QColor kKeyGreen{0x00, 0xFF, 0x00};
inline const QColor kKeyRed{0xFF, 0x00, 0x00};

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
