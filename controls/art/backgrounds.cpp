#include "backgrounds.h"

#include "palette.h"
#include "paper.h"

namespace vx::art {
namespace {

// The head rule of a ledger page: two thin lines across the top edge, in the
// window's accent. They run the full width, so a window that grows keeps them.
void DrawHeadRule(QPainter& p, QSizeF size, const QColor& accent) {
  p.fillRect(QRectF(0, theme::kHeadRuleTop, size.width(), kRule), accent);
  p.fillRect(QRectF(0, theme::kHeadRuleBottom - kRule, size.width(), kRule),
             Mix(accent, kPaper, 0.45));
}

void PaintForm(QPainter& p, QSizeF size, uint32_t seed, const QColor& accent) {
  FillPaper(p, QRectF(QPointF(0, 0), size), kPaper, seed);
  DrawHeadRule(p, size, accent);
}

}  // namespace

void PaintMainBackground(QPainter& p, QSizeF size) {
  PaintForm(p, size, 0x0101, kInk);
}

// The panels' sheet. The table and the record panel show parts of this tile
// at shifted origins, so it has no features larger than a fibre: a shift
// never shows a seam.
void PaintTableBackground(QPainter& p, QSizeF size) {
  FillPaper(p, QRectF(QPointF(0, 0), size), kSheet, 0x0202, 9.0);
}

void PaintBirthFormBackground(QPainter& p, QSizeF size) {
  PaintForm(p, size, 0x0303, kBirthsTint);
}

void PaintMarriageFormBackground(QPainter& p, QSizeF size) {
  PaintForm(p, size, 0x0404, kMarriagesTint);
}

void PaintDeathFormBackground(QPainter& p, QSizeF size) {
  PaintForm(p, size, 0x0505, kDeathsTint);
}

void PaintFreeSearchBackground(QPainter& p, QSizeF size) {
  PaintForm(p, size, 0x0606, kInk);
}

void PaintPickerBackground(QPainter& p, QSizeF size) {
  PaintForm(p, size, 0x0707, kInk);
}

// The help text is read at length: fewer fibres behind it.
void PaintHelpBackground(QPainter& p, QSizeF size) {
  FillPaper(p, QRectF(QPointF(0, 0), size), kPaper, 0x0808, 7.0);
  DrawHeadRule(p, size, kInk);
}

void PaintLinkBackground(QPainter& p, QSizeF size) {
  PaintForm(p, size, 0x0A0A, kInk);
}

void PaintPrintBackground(QPainter& p, QSizeF size) {
  PaintForm(p, size, 0x0909, kInk);
}

}  // namespace vx::art
