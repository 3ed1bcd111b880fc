#include "search/control_names.h"

namespace vx {

std::string TypeButtonName(const FormField& field) {
  return std::string(field.caption) + ": skriv in s\xF6kord";
}

std::string ListButtonName(const FormField& field) {
  return std::string(field.caption) + ": v\xE4lj s\xF6kord fr\xE5n lista";
}

}  // namespace vx
