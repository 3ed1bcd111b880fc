// Button faces: help and close (normal and hovered), and the empty face
// that text buttons are written on.
#ifndef VX_CONTROLS_ART_BUTTONS_H_
#define VX_CONTROLS_ART_BUTTONS_H_

#include <QPainter>
#include <QSizeF>

namespace vx::art {

void PaintHelp(QPainter& p, QSizeF size);         // hjelpl01
void PaintHelpHover(QPainter& p, QSizeF size);    // hjelpl02
void PaintClose(QPainter& p, QSizeF size);        // storkryssl01
void PaintCloseHover(QPainter& p, QSizeF size);   // storkryssl02
void PaintEmptyButton(QPainter& p, QSizeF size);  // tomknapp73_23

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_BUTTONS_H_
