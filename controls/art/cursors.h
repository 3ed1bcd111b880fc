// Mouse pointers, 32 x 32 logical pixels, black ink on white so that they
// show on paper and on dark pictures alike. Their hot spots are kept in the
// catalogue beside them.
#ifndef VX_CONTROLS_ART_CURSORS_H_
#define VX_CONTROLS_ART_CURSORS_H_

#include <QPainter>
#include <QSizeF>

namespace vx::art {

void PaintOpenHand(QPainter& p, QSizeF size);      // handcursor
void PaintGrabbingHand(QPainter& p, QSizeF size);  // handgrabcursor
void PaintTextMark(QPainter& p, QSizeF size);      // markcursor
void PaintZoom(QPainter& p, QSizeF size);          // zoomcursor
void PaintZoomIn(QPainter& p, QSizeF size);        // zoomcursorin
void PaintZoomOut(QPainter& p, QSizeF size);       // zoomcursorut

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_CURSORS_H_
