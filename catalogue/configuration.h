// The configuration of a run: read once at start from kuvo.ini.
#ifndef VX_CATALOGUE_CONFIGURATION_H_
#define VX_CATALOGUE_CONFIGURATION_H_

#include <filesystem>
#include <string>

namespace vx {

struct Configuration {
  int huvudregister = 1;  // [databaser] huvudregister: the register set to open
  std::string regnr;      // huvudregister as four digits ("0001")
  // [hdbaser] hdbasen: directory of the register files, a plain prefix of
  // every file name. A backslash is read as '/'; an empty or relative value
  // is taken from the directory of the kuvo.ini in use.
  std::string hdbasen;
  std::string hdbasen_written;     // hdbasen as kuvo.ini has it, for messages
  int maxutskrift = 50;            // [limits] utskrift: 0 hides the list-print button
  std::string programkatalog;      // directory of the program, ending in '/'
  std::filesystem::path ini_path;  // the kuvo.ini read (it may be missing)
  bool ini_found = false;
};

// The directory of the running program (from /proc/self/exe), ending in '/'.
std::string ProgramDirectory();

// lasinifil: reads `ini_path` (by default programkatalog + "kuvo.ini").
// A missing file or key gives the defaults.
Configuration lasinifil(const std::filesystem::path& ini_path = {});

}  // namespace vx

#endif  // VX_CATALOGUE_CONFIGURATION_H_
