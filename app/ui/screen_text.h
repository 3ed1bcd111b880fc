// Data text (Windows-1252) as the screen shows it.
#ifndef VX_APP_UI_SCREEN_TEXT_H_
#define VX_APP_UI_SCREEN_TEXT_H_

#include <QString>
#include <string>

#include "engine/util/cp1252.h"

namespace vx {

inline QString ScreenText(const std::string& cp1252) {
  return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

}  // namespace vx

#endif  // VX_APP_UI_SCREEN_TEXT_H_
