// The program's version, shown by the About window and by --version. It is
// set once, in the project's top CMakeLists.txt.
#ifndef VX_ENGINE_UTIL_VERSION_H_
#define VX_ENGINE_UTIL_VERSION_H_

namespace vx {

// "1.07"
const char* ProgramVersion();

// The program's name: the main window's caption until a register set is
// open, and the name the windowing system knows it by.
inline constexpr char kProgramName[] = "Tovik Valdrisen";

}  // namespace vx

#endif  // VX_ENGINE_UTIL_VERSION_H_
