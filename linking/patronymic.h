// Patronymics as the registers normalise them: a son of Anders is
// Andersson, a daughter Andersdotter; a son of Per is Persson; a son of
// Olof is Olsson.
#ifndef VX_LINKING_PATRONYMIC_H_
#define VX_LINKING_PATRONYMIC_H_

#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The patronymic of a child of `sex` ('k' a daughter, anything else a son)
// whose father's first name is `father` (the first word counts); empty for
// an empty name.
std::string Patronymic(std::string_view father, char sex);

// The fathers' first names whose patronymic `surname` may be: "Persson"
// gives Per and Pers, "Olsdotter" gives Olof and Ol. Empty when `surname` is
// no patronymic. The caller looks the names up; those nobody has find
// nothing.
std::vector<std::string> FathersOfPatronymic(std::string_view surname);

// True for a surname shaped as a patronymic (Persson, Olsdotter): one that
// a father does not pass on to his children.
bool IsPatronymic(std::string_view surname);

}  // namespace vx

#endif  // VX_LINKING_PATRONYMIC_H_
