// Pictograms of the plain command buttons (search, clear, print, copy, ...),
// 16 x 16 logical pixels, in ink with the common stroke width.
#ifndef VX_CONTROLS_ART_PICTOGRAMS_H_
#define VX_CONTROLS_ART_PICTOGRAMS_H_

#include <QPainter>
#include <QSizeF>

namespace vx::art {

void PaintSearchPictogram(QPainter& p, QSizeF size);  // knsok
void PaintClearPictogram(QPainter& p, QSizeF size);   // knrensa
void PaintPrintPictogram(QPainter& p, QSizeF size);   // knskriv
void PaintCopyPictogram(QPainter& p, QSizeF size);    // knkopiera
void PaintExportPictogram(QPainter& p, QSizeF size);  // knexport
void PaintLinkPictogram(QPainter& p, QSizeF size);    // knsamband
void PaintRemovePictogram(QPainter& p, QSizeF size);  // knbort
void PaintExitPictogram(QPainter& p, QSizeF size);    // knavsluta
void PaintAboutPictogram(QPainter& p, QSizeF size);   // knom
void PaintListPictogram(QPainter& p, QSizeF size);    // knlista
void PaintTypePictogram(QPainter& p, QSizeF size);    // knabc

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_PICTOGRAMS_H_
