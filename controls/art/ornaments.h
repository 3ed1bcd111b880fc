// Corner ornaments for panels: a ruled corner bracket with a small diamond,
// one per corner, placed by the panel through their placement codes.
#ifndef VX_CONTROLS_ART_ORNAMENTS_H_
#define VX_CONTROLS_ART_ORNAMENTS_H_

#include <QPainter>
#include <QSizeF>

namespace vx::art {

void PaintCornerTopLeft(QPainter& p, QSizeF size);      // horn1
void PaintCornerTopRight(QPainter& p, QSizeF size);     // horn3
void PaintCornerBottomRight(QPainter& p, QSizeF size);  // horn5
void PaintCornerBottomLeft(QPainter& p, QSizeF size);   // horn7

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_ORNAMENTS_H_
