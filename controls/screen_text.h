// Data text (Windows-1252) as the screen shows it, and what the user typed
// as data text.
#ifndef VX_CONTROLS_SCREEN_TEXT_H_
#define VX_CONTROLS_SCREEN_TEXT_H_

#include <QString>
#include <string>

#include "engine/util/cp1252.h"

namespace vx {

inline QString ScreenText(const std::string& cp1252) {
  return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

// Characters that Windows-1252 lacks cannot be in any register; they
// become '?', which matches nothing but keeps the rest of the text.
inline std::string DataText(const QString& text) {
  std::string out;
  for (const QChar c : text) {
    std::string one;
    out += Utf8ToCp1252(QString(c).toStdString(), one) ? one : std::string("?");
  }
  return out;
}

}  // namespace vx

#endif  // VX_CONTROLS_SCREEN_TEXT_H_
