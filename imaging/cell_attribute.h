// The attribute word of a table cell and the colour table it indexes. The
// result table and the search-word picker both describe their cells this
// way, so one decoding and one table serve every grid.
//
// Bits of the word:
//   0-3    text colour (index into the colour table)
//   4-7    colour of the text of a chosen row
//   8      italic
//   9      bold
//   10     underline
//   16-23  indent level of the first column
//   24-31  non-zero: the row is chosen
#ifndef VX_IMAGING_CELL_ATTRIBUTE_H_
#define VX_IMAGING_CELL_ATTRIBUTE_H_

#include <cstdint>

#include "theme/theme.h"

namespace vx {

// Black text, dark red when chosen: the word of a cell nobody describes.
inline constexpr uint32_t kDefaultCellAttribute = 144;

// Index of white in the colour table: the text of the selected row.
inline constexpr int kWhiteColourIndex = 14;

struct CellAttribute {
  int text_colour = 0;    // 0..15
  int chosen_colour = 0;  // 0..15
  bool italic = false;
  bool bold = false;
  bool underline = false;
  int indent_level = 0;  // 0..255
  bool chosen = false;
  bool operator==(const CellAttribute&) const = default;
};

CellAttribute DecodeCellAttribute(uint32_t word);
// The word that decodes to `attribute`; a chosen row gets 1 in bits 24-31.
// Out-of-range fields are cut to their bits.
uint32_t EncodeCellAttribute(const CellAttribute& attribute);

using CellRgb = theme::Rgb;

// Colour `index` of the 16-entry table; the index is taken modulo 16.
CellRgb CellColour(int index);

}  // namespace vx

#endif  // VX_IMAGING_CELL_ATTRIBUTE_H_
