#include "engine/util/cp1252.h"

#include <array>
#include <cstdint>

namespace vx {
namespace {

// Characters of the bytes 80h-9Fh; the unassigned ones keep their number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80h
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88h
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90h
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98h
};

constexpr std::array<uint8_t, 256> BuildUpperCaseTable() {
  std::array<uint8_t, 256> table{};
  for (size_t i = 0; i < table.size(); ++i)
    table[i] = static_cast<uint8_t>(i);
  for (int c = 'a'; c <= 'z'; ++c)
    table[c] = static_cast<uint8_t>(c - 0x20);
  for (int c = 0xE0; c <= 0xFE; ++c) {
    if (c != 0xF7) table[c] = static_cast<uint8_t>(c - 0x20);  // not the division sign
  }
  table[0x9A] = 0x8A;  // š -> Š
  table[0x9C] = 0x8C;  // œ -> Œ
  table[0x9E] = 0x8E;  // ž -> Ž
  table[0xFF] = 0x9F;  // ÿ -> Ÿ
  return table;
}

constexpr std::array<uint8_t, 256> kUpperCase = BuildUpperCaseTable();

char32_t CodePointOf(uint8_t byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

// The Windows-1252 byte of `cp`, or -1 when the code page lacks it.
int ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

void AppendUtf8(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Length of the sequence a lead byte starts; 0 for a byte that cannot lead
// (continuation bytes, and C0h, C1h, F5h-FFh, which only start overlong or
// out-of-range forms).
size_t SequenceLength(uint8_t lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Decodes the character at `pos` and moves `pos` past it. False on a
// malformed sequence, leaving `pos` unchanged.
bool DecodeUtf8(std::string_view s, size_t& pos, char32_t& cp) {
  static constexpr std::array<uint8_t, 5> kLeadBits = {0, 0x7F, 0x1F, 0x0F, 0x07};
  static constexpr std::array<char32_t, 5> kShortest = {0, 0, 0x80, 0x800, 0x10000};
  const auto lead = static_cast<uint8_t>(s[pos]);
  const size_t length = SequenceLength(lead);
  if (length == 0 || s.size() - pos < length) return false;
  char32_t value = lead & kLeadBits[length];
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<uint8_t>(s[pos + i]);
    if ((next & 0xC0) != 0x80) return false;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < kShortest[length] || value > 0x10FFFF) return false;
  if (value >= 0xD800 && value <= 0xDFFF) return false;  // surrogates
  cp = value;
  pos += length;
  return true;
}

}  // namespace

char UpperCaseChar(char c) {
  return static_cast<char>(kUpperCase[static_cast<uint8_t>(c)]);
}

std::string UpperCase(std::string s) {
  for (char& c : s)
    c = UpperCaseChar(c);
  return s;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    AppendUtf8(CodePointOf(static_cast<uint8_t>(c)), out);
  return out;
}

bool Utf8ToCp1252(std::string_view utf8, std::string& out, size_t* error_offset) {
  out.clear();
  size_t pos = 0;
  while (pos < utf8.size()) {
    const size_t start = pos;
    char32_t cp = 0;
    const int byte = DecodeUtf8(utf8, pos, cp) ? ByteOf(cp) : -1;
    if (byte < 0) {
      if (error_offset != nullptr) *error_offset = start;
      return false;
    }
    out.push_back(static_cast<char>(byte));
  }
  return true;
}

bool IsValidUtf8(std::string_view text) {
  size_t pos = 0;
  char32_t cp = 0;
  while (pos < text.size()) {
    if (!DecodeUtf8(text, pos, cp)) return false;
  }
  return true;
}

}  // namespace vx
