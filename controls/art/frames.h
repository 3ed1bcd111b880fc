// Frame pictures of the shaped panels: key green outside the panel, key red
// for the inner area that the panel fills with its background tile, and
// between them a ruled frame with a tab across the top left. Every pixel is
// exactly a key colour or frame paint: no smoothing crosses a key.
#ifndef VX_CONTROLS_ART_FRAMES_H_
#define VX_CONTROLS_ART_FRAMES_H_

#include <QPainter>
#include <QSizeF>

namespace vx::art {

void PaintBirthTableFrame(QPainter& p, QSizeF size);     // f01flik
void PaintMarriageTableFrame(QPainter& p, QSizeF size);  // f02flik
void PaintDeathTableFrame(QPainter& p, QSizeF size);     // f03flik
void PaintRecordFrame(QPainter& p, QSizeF size);         // litenflik

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_FRAMES_H_
