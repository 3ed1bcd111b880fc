// The information texts: help texts looked up by code in the shared text
// store (vaxortext) and the About text of the register set (record 3 of its
// own text store, vaxorlokaltext). Both stores have the fields "1TEXTKOD",
// "1RUBRIK" and "5TEXT".
#ifndef VX_RECORDS_INFORMATION_TEXT_H_
#define VX_RECORDS_INFORMATION_TEXT_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/store/record_store.h"

namespace vx {

// The text record loaded last.
struct InformationText {
  std::string textkod;     // its code ("HJ001", "OM")
  std::string textrubrik;  // its heading
  std::string texttext;    // its coded text
};

// The record of `help_store` whose code equals `kod` (compared through the
// folding table, as the store orders its codes), loaded into `text`.
// Returns its record number, or a value below 1 when there is none; `text`
// is then left as it was.
int32_t hamtatext(TVXregtext& help_store, std::string_view kod, InformationText& text);

// Loads record 3 of the register set's own text store into `text` and
// returns its text (the About text). Without such a record `text` is left
// as it was and the result is empty.
std::string hamtaomtext(TVXregtext& own_store, InformationText& text);

}  // namespace vx

#endif  // VX_RECORDS_INFORMATION_TEXT_H_
