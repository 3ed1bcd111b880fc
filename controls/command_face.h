// The face of a command button (Tspecbut): the program's pictogram, and
// the command's caption beside it in the label ink, or the pictogram
// centred when there is no caption.
#ifndef VX_CONTROLS_COMMAND_FACE_H_
#define VX_CONTROLS_COMMAND_FACE_H_

#include <QImage>
#include <QSize>
#include <QString>

class QWidget;

namespace vx {

class TVXfigurer;

// `size` in device-independent pixels; the image is drawn at `ratio`.
QImage CommandFace(TVXfigurer& figures, const char* pictogram, const QString& caption, QSize size,
                   qreal ratio);

// A text button beside the command buttons ("Normeringslista",
// "Skrivare…") takes their captions' font and ink.
void UseCommandCaption(QWidget* button);

}  // namespace vx

#endif  // VX_CONTROLS_COMMAND_FACE_H_
