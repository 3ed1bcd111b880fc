// Small marks: the red tick of a chosen row and the traffic light that
// confirms a choice of search words.
#ifndef VX_CONTROLS_ART_MARKS_H_
#define VX_CONTROLS_ART_MARKS_H_

#include <QPainter>
#include <QSizeF>

namespace vx::art {

void PaintRedTick(QPainter& p, QSizeF size);       // rodbockl
void PaintTrafficLight(QPainter& p, QSizeF size);  // trafikljus

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_MARKS_H_
