// The program's icon, for the desktop's menus and launchers: an open parish
// register with a red ribbon and a magnifying glass over its right page.
#ifndef VX_CONTROLS_ART_ICON_H_
#define VX_CONTROLS_ART_ICON_H_

#include <span>

#include <QImage>
#include <QPainter>
#include <QSizeF>

namespace vx::art {

// Draws the icon on a transparent square of `size` pixels.
void PaintProgramIcon(QPainter& p, QSizeF size);

// The square sizes in pixels the desktop's icon themes ask for.
std::span<const int> ProgramIconSizes();

// The icon drawn `pixels` wide and high.
QImage DrawProgramIcon(int pixels);

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_ICON_H_
