// CRC-32C (the Castagnoli polynomial, as iSCSI and ext4 use it): the
// checksum that this program's own additions to a register set carry, so
// that a damaged file is noticed before it can change an answer.
//
// Where the processor has the SSE 4.2 instruction the bytes are summed
// eight at a time; elsewhere through a table. Both give the same value.
#ifndef VX_ENGINE_UTIL_CRC32C_H_
#define VX_ENGINE_UTIL_CRC32C_H_

#include <cstdint>
#include <span>

namespace vx {

// The checksum of `bytes`, continuing `crc` (the checksum of the bytes
// before them; 0 for none).
uint32_t Crc32c(std::span<const uint8_t> bytes, uint32_t crc = 0);

}  // namespace vx

#endif  // VX_ENGINE_UTIL_CRC32C_H_
