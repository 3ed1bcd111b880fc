// The plain rectangles of the layouts (engine/util/rect.h) as Qt's, and
// back: the windows place their controls where the layouts say.
#ifndef VX_CONTROLS_QT_RECT_H_
#define VX_CONTROLS_QT_RECT_H_

#include <QRect>

#include "engine/util/rect.h"

namespace vx {

inline QRect QtRect(const Rect& r) {
  return QRect(r.left, r.top, r.width, r.height);
}

inline Rect PlainRect(const QRect& r) {
  return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace vx

#endif  // VX_CONTROLS_QT_RECT_H_
