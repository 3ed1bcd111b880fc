// The sample register set's logo: a round seal for the invented parish of
// Kalvbrunn, a church above the spring that names the place.
#ifndef VX_CONTROLS_ART_LOGO_H_
#define VX_CONTROLS_ART_LOGO_H_

#include <QPainter>
#include <QSizeF>

namespace vx::art {

void PaintSampleLogo(QPainter& p, QSizeF size);

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_LOGO_H_
