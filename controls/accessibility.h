// Accessible roles and names for the program's own controls, so that
// screen readers and UI automation see scroll bars, panels and buttons
// instead of anonymous widgets.
#ifndef VX_CONTROLS_ACCESSIBILITY_H_
#define VX_CONTROLS_ACCESSIBILITY_H_

namespace vx {

// Installs the factory that gives Tspecscr the scroll-bar role (with its
// value), TVXpanel and TLMpanel the pane role, TVXknapp, Tspecbut and
// Tnrknapp the push-button role, TLMtab the table role, and TVXdyntex the
// static-text role with its text without codes as the value. A control's
// name is its accessibleName(),
// else a button's text (its "buttext" property), else a Swedish word for
// its kind. Calling it again does nothing.
void InstallAccessibility();

}  // namespace vx

#endif  // VX_CONTROLS_ACCESSIBILITY_H_
