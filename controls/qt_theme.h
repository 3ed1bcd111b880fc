// The theme's colours and fonts (theme/theme.h) as Qt's: the one place
// where the program makes a QColor from a value or a QFont at all.
#ifndef VX_CONTROLS_QT_THEME_H_
#define VX_CONTROLS_QT_THEME_H_

#include <QColor>
#include <QFont>
#include <cstdint>

#include "theme/theme.h"

namespace vx {

QColor QtColor(theme::Rgb rgb, int alpha = 255);
// A colour given as 0xRRGGBB, as data gives it (coded text, blending).
QColor QtRgb(uint32_t rgb);

// `font` on a device of `dpi` dots per inch; a size in pixels is a size in
// device-independent pixels and stays as it is.
QFont QtFont(const theme::Font& font, int dpi = theme::kScreenDpi);
// `font` at `points` points on a device of `dpi`, its family and style kept.
QFont WithPoints(QFont font, double points, int dpi = theme::kScreenDpi);

}  // namespace vx

#endif  // VX_CONTROLS_QT_THEME_H_
