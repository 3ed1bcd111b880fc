// Labels and texts in the theme's ink, as every window writes them.
#ifndef VX_CONTROLS_INK_LABEL_H_
#define VX_CONTROLS_INK_LABEL_H_

#include <QString>

#include "theme/theme.h"

class QLabel;
class QWidget;

namespace vx {

// Gives `widget`'s texts (a label's, a radio button's, an edit's) the ink.
void SetInk(QWidget* widget);
// A label on `parent` in `font` and the ink.
QLabel* InkLabel(QWidget* parent, const theme::Font& font, const QString& text = {});

}  // namespace vx

#endif  // VX_CONTROLS_INK_LABEL_H_
