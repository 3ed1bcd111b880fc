#include "catalogue/configuration.h"

#include <unistd.h>

#include <algorithm>

#include "catalogue/catalogue_declaration.h"
#include "catalogue/ini_file.h"

namespace vx {
namespace {

constexpr size_t kMaxPathSetting = 200;

// hdbasen as a prefix of file names on this system: backslashes become '/',
// and an empty or relative directory is taken from `base` (ending in '/').
std::string ResolveDataPrefix(std::string value, const std::string& base) {
  std::replace(value.begin(), value.end(), '\\', '/');
  if (value.empty() || value[0] != '/') value = base + value;
  return value;
}

}  // namespace

std::string ProgramDirectory() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "./";
  std::string dir(path, static_cast<size_t>(n));
  dir.erase(dir.find_last_of('/') + 1);
  return dir;
}

Configuration lasinifil(const std::filesystem::path& ini_path) {
  Configuration config;
  config.programkatalog = ProgramDirectory();
  config.ini_path =
      ini_path.empty() ? std::filesystem::path(config.programkatalog + "kuvo.ini") : ini_path;
  IniFile ini;
  config.ini_found = ini.Load(config.ini_path);
  config.huvudregister = ini.ReadInteger("databaser", "huvudregister", 1);
  std::string hdbasen = ini.ReadString("hdbaser", "hdbasen", "");
  if (hdbasen.size() > kMaxPathSetting) hdbasen.resize(kMaxPathSetting);
  std::string ini_dir = std::filesystem::absolute(config.ini_path).parent_path().string();
  if (ini_dir.empty() || ini_dir.back() != '/') ini_dir += '/';
  config.hdbasen_written = hdbasen;
  config.hdbasen = ResolveDataPrefix(hdbasen, ini_dir);
  config.maxutskrift = ini.ReadInteger("limits", "utskrift", 50);
  config.regnr = RegisterSetNumber(config.huvudregister);
  return config;
}

}  // namespace vx
