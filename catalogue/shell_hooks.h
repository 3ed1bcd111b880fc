// What opening the database asks of the windows: the desktop program
// disables buttons and greys toggles; the command-line programs ignore it.
#ifndef VX_CATALOGUE_SHELL_HOOKS_H_
#define VX_CATALOGUE_SHELL_HOOKS_H_

namespace vx {

class ShellHooks {
 public:
  virtual ~ShellHooks() = default;
  // Register 1..3 has no person list: its search button is disabled.
  virtual void DisableSearchButton(int /*register_number*/) {}
  // Register 1..3 holds no records: its toggle is greyed and disabled.
  virtual void DisableRegisterToggle(int /*register_number*/) {}
  // The result table must forget the rows it has cached.
  virtual void InvalidateResultCache() {}
};

}  // namespace vx

#endif  // VX_CATALOGUE_SHELL_HOOKS_H_
