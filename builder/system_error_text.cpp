#include "builder/system_error_text.h"

#include <cerrno>

namespace vx {

std::string SwedishErrorText(int error_number) {
  switch (error_number) {
    case EACCES:
    case EPERM:
      return "åtkomst nekad";
    case ENOENT:
      return "mappen finns inte";
    case ENOTDIR:
      return "en del av sökvägen är inte en mapp";
    case EISDIR:
      return "det är en mapp";
    case EEXIST:
      return "det finns redan en fil med det namnet";
    case ENOSPC:
      return "disken är full";
    case EROFS:
      return "filsystemet är skrivskyddat";
    case ENAMETOOLONG:
      return "namnet är för långt";
    default:
      return "systemfel " + std::to_string(error_number);
  }
}

}  // namespace vx
