// Background tiles: the paper surfaces that panels and tables share. Each
// painter fills the whole picture; `size` is in logical pixels.
#ifndef VX_CONTROLS_ART_BACKGROUNDS_H_
#define VX_CONTROLS_ART_BACKGROUNDS_H_

#include <QPainter>
#include <QSizeF>

namespace vx::art {

void PaintMainBackground(QPainter& p, QSizeF size);          // prebak
void PaintTableBackground(QPainter& p, QSizeF size);         // flikbak
void PaintBirthFormBackground(QPainter& p, QSizeF size);     // sokfodda
void PaintMarriageFormBackground(QPainter& p, QSizeF size);  // sokvigda
void PaintDeathFormBackground(QPainter& p, QSizeF size);     // sokdoda
void PaintFreeSearchBackground(QPainter& p, QSizeF size);    // sokalla
void PaintPickerBackground(QPainter& p, QSizeF size);        // namnlista
void PaintLinkBackground(QPainter& p, QSizeF size);          // sambandbak
void PaintHelpBackground(QPainter& p, QSizeF size);          // hjalpbak
void PaintPrintBackground(QPainter& p, QSizeF size);         // srivbak

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_BACKGROUNDS_H_
