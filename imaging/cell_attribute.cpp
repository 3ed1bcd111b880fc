#include "imaging/cell_attribute.h"

#include <array>
#include <cstddef>

namespace vx {
namespace {

// The theme's where they agree.
constexpr std::array<CellRgb, 16> kColours{{
    theme::kBlack,
    theme::kDarkRed,
    theme::kGreen,
    {0x60, 0x20, 0x00},
    theme::kNavy,
    {0x80, 0x00, 0x80},
    {0x00, 0x40, 0x50},
    theme::kGrey,
    theme::kSilver,
    {0xD0, 0x00, 0x00},
    {0x00, 0xFF, 0x00},
    {0x00, 0x00, 0xFF},
    {0xFF, 0x00, 0xFF},
    {0x00, 0xFF, 0xFF},
    theme::kWhite,
    theme::kWhite,
}};

constexpr uint32_t kItalic = 1u << 8;
constexpr uint32_t kBold = 1u << 9;
constexpr uint32_t kUnderline = 1u << 10;

}  // namespace

CellAttribute DecodeCellAttribute(uint32_t word) {
  CellAttribute a;
  a.text_colour = static_cast<int>(word & 0xF);
  a.chosen_colour = static_cast<int>((word >> 4) & 0xF);
  a.italic = (word & kItalic) != 0;
  a.bold = (word & kBold) != 0;
  a.underline = (word & kUnderline) != 0;
  a.indent_level = static_cast<int>((word >> 16) & 0xFF);
  a.chosen = (word >> 24) != 0;
  return a;
}

uint32_t EncodeCellAttribute(const CellAttribute& a) {
  uint32_t word = static_cast<uint32_t>(a.text_colour) & 0xF;
  word |= (static_cast<uint32_t>(a.chosen_colour) & 0xF) << 4;
  if (a.italic) word |= kItalic;
  if (a.bold) word |= kBold;
  if (a.underline) word |= kUnderline;
  word |= (static_cast<uint32_t>(a.indent_level) & 0xFF) << 16;
  if (a.chosen) word |= 1u << 24;
  return word;
}

CellRgb CellColour(int index) {
  return kColours[static_cast<std::size_t>(index) & 0xF];
}

}  // namespace vx
