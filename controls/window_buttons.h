// The two figure buttons in the top right corner of the program's dialogs:
// close (the big cross) and help (the question mark, F1). Both show their
// hint as tooltip and accessible name.
#ifndef VX_CONTROLS_WINDOW_BUTTONS_H_
#define VX_CONTROLS_WINDOW_BUTTONS_H_

#include <QRect>
#include <QString>

class QWidget;

namespace vx {

class PictureSet;
class TVXknapp;

// `hint` names what closing does ("Stäng utan att söka (Esc)").
TVXknapp* CloseButton(QWidget* parent, PictureSet& pictures, const QRect& where,
                      const QString& hint = QString::fromUtf8("St\u00e4ng"));
TVXknapp* HelpButton(QWidget* parent, PictureSet& pictures, const QRect& where);

}  // namespace vx

#endif  // VX_CONTROLS_WINDOW_BUTTONS_H_
