// The desktop program's message sink: what the engine and the windows have
// to tell the user appears in a message box. Messages reported during one
// turn of the event loop (one user action, or one paint) are gathered and
// shown together in one box once control returns to the loop, so that a
// message reported while painting never opens a box inside the paint.
#ifndef VX_CONTROLS_MESSAGE_BOXES_H_
#define VX_CONTROLS_MESSAGE_BOXES_H_

#include <QString>

namespace vx {

// Installs the sink; `title` is the boxes' caption.
void InstallMessageBoxSink(const QString& title);

}  // namespace vx

#endif  // VX_CONTROLS_MESSAGE_BOXES_H_
