// The registers' emblems: a sprout for births, two rings for marriages and
// a cross for deaths, each on a small disc in the register's tint. The
// greyed forms mark a register that holds no records.
#ifndef VX_CONTROLS_ART_EMBLEMS_H_
#define VX_CONTROLS_ART_EMBLEMS_H_

#include <QPainter>
#include <QSizeF>

namespace vx::art {

void PaintBirthEmblem(QPainter& p, QSizeF size);           // f01
void PaintBirthEmblemGreyed(QPainter& p, QSizeF size);     // f02
void PaintMarriageEmblem(QPainter& p, QSizeF size);        // v01
void PaintMarriageEmblemGreyed(QPainter& p, QSizeF size);  // v02
void PaintDeathEmblem(QPainter& p, QSizeF size);           // d01
void PaintDeathEmblemGreyed(QPainter& p, QSizeF size);     // d02

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_EMBLEMS_H_
