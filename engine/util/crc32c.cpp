#include "engine/util/crc32c.h"

#include <array>
#include <cstring>

#if defined(__x86_64__)
#define VX_CRC32C_X86 1
#include <immintrin.h>
#endif

namespace vx {
namespace {

constexpr uint32_t kPolynomial = 0x82F63B78;  // reflected

constexpr std::array<uint32_t, 256> MakeTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t c = i;
    for (int k = 0; k < 8; ++k)
      c = (c & 1) != 0 ? (c >> 1) ^ kPolynomial : c >> 1;
    table[i] = c;
  }
  return table;
}

constexpr std::array<uint32_t, 256> kTable = MakeTable();

uint32_t TableCrc(const uint8_t* p, size_t n, uint32_t c) {
  for (size_t i = 0; i < n; ++i)
    c = kTable[(c ^ p[i]) & 0xFF] ^ (c >> 8);
  return c;
}

#if defined(VX_CRC32C_X86)
__attribute__((target("sse4.2"))) uint32_t HardwareCrc(const uint8_t* p, size_t n, uint32_t c) {
  uint64_t c64 = c;
  for (; n >= 8; n -= 8, p += 8) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    c64 = _mm_crc32_u64(c64, word);
  }
  c = static_cast<uint32_t>(c64);
  for (; n > 0; --n, ++p)
    c = _mm_crc32_u8(c, *p);
  return c;
}

bool HasHardwareCrc() {
  static const bool has = __builtin_cpu_supports("sse4.2");
  return has;
}
#endif

}  // namespace

uint32_t Crc32c(std::span<const uint8_t> bytes, uint32_t crc) {
  const uint32_t c = ~crc;
#if defined(VX_CRC32C_X86)
  if (HasHardwareCrc()) return ~HardwareCrc(bytes.data(), bytes.size(), c);
#endif
  return ~TableCrc(bytes.data(), bytes.size(), c);
}

}  // namespace vx
