// Accessible roles and names for the program's own controls, so that
// screen readers and UI automation see scroll bars, panels and buttons
// instead of anonymous widgets.
#ifndef VX_CONTROLS_ACCESSIBILITY_H_
#define VX_CONTROLS_ACCESSIBILITY_H_

namespace vx {

// Installs the factory that gives Tspecscr the scroll-bar role (with its
// value), TVXpanel and TLMpanel the pane role, TVXknapp, Tspecbut and
// Tnrknapp the button role with a press action (a button that stays down
// is a check box, or a radio button in a group, checked while down and
// toggled by its action), TLMtab
// the table role with Qt's table interface (every row and column, the
// current row selected, cells named by TLMtab::ReadableText), and
// TVXdyntex the static-text role with its text without codes as the
// value. A control's name is its accessibleName(), else a button's
// caption, else its hint; nothing is named by a word for its kind.
// Calling it again does nothing.
void InstallAccessibility();

}  // namespace vx

#endif  // VX_CONTROLS_ACCESSIBILITY_H_
