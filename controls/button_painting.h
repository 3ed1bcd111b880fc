// Drawing shared by the program's buttons. A button paints itself into a
// layer of its own (straight alpha, so that the blend formula applies to
// its colours) and puts the layer over what the parent has painted below
// it, so that tiles show through where the button leaves pixels empty.
#ifndef VX_CONTROLS_BUTTON_PAINTING_H_
#define VX_CONTROLS_BUTTON_PAINTING_H_

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

#include "theme/theme.h"

namespace vx {

class TVXfigurer;

// The colours of the program's buttons (the theme's), opaque: flat paper
// with a one-pixel edge.
inline constexpr QRgb kButtonPaper = 0xFF000000 | theme::kButtonFace.Packed();
inline constexpr QRgb kButtonHighlight = 0xFF000000 | theme::kButtonEdgeLight.Packed();
inline constexpr QRgb kButtonShadow = 0xFF000000 | theme::kButtonEdgeDark.Packed();

// A transparent layer of `size` logical pixels at `device_pixel_ratio`, in
// QImage::Format_ARGB32 (straight alpha).
QImage MakeButtonLayer(QSize size, qreal device_pixel_ratio);

// Blends every pixel of `layer` with `colour` at `level` 0..255 (the blend
// formula of imaging/blend.h); alpha is kept. `layer` must be Format_ARGB32.
void BlendLayer(QImage& layer, QRgb colour, int level);

// A blend a button asks for over its whole rectangle. Where the layer is
// opaque the layer's own pixels carry it exactly; where the layer is
// empty the parent's background shows through and is tinted by a veil of
// `colour` at opacity (255 - level) / 255, the same formula in
// alpha-compositing terms.
struct ButtonBlend {
  QRgb colour;
  int level;
};

// The disabled look: the disabled face (theme) at level 100 over everything.
ButtonBlend DisabledBlend();

// Draws `layer` at (0, 0), first tinting the background below it with each
// of `blends` in order.
void PresentButtonLayer(QPainter& painter, const QImage& layer,
                        const std::vector<ButtonBlend>& blends);

// A one-pixel 3-D edge just inside `rect`: raised is highlight top-left
// and shadow bottom-right; sunken the other way round.
void DrawButtonEdge(QPainter& painter, const QRect& rect, bool sunken);

// Lays `text` out in a button of `size` (imaging/button_text_layout.h) with
// the metrics of `font` and draws it with a transparent background,
// shifted by `offset`. Line breaks are CR (LF and CR LF work too).
void DrawButtonText(QPainter& painter, const QString& text, QSize size, int avst, bool textvmarg,
                    const QFont& font, const QColor& colour, QPoint offset);

// The figure `name` of `figures` at `at`, transparently; nothing when the
// cache is null, the name empty or the figure missing. Returns whether it
// drew.
bool DrawNamedFigure(TVXfigurer* figures, const QString& name, QPainter& painter, QPoint at);
// Its size; empty when it would not be drawn.
QSize NamedFigureSize(TVXfigurer* figures, const QString& name);

// `text` on one line: each line break becomes a blank; for accessible
// names.
QString CaptionOnOneLine(const QString& text);

}  // namespace vx

#endif  // VX_CONTROLS_BUTTON_PAINTING_H_
