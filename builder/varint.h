// Unsigned numbers in 7-bit groups, low group first, as the builder's
// temporary files keep them.
#ifndef VX_BUILDER_VARINT_H_
#define VX_BUILDER_VARINT_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

inline void PutVarint(std::string& out, uint64_t v) {
  while (v >= 0x80) {
    out += static_cast<char>((v & 0x7F) | 0x80);
    v >>= 7;
  }
  out += static_cast<char>(v);
}

// Reads a number from the front of `in`; false when `in` ends inside it.
inline bool GetVarint(std::string_view& in, uint64_t& v) {
  v = 0;
  for (int shift = 0; shift < 64 && !in.empty(); shift += 7) {
    const auto byte = static_cast<uint8_t>(in[0]);
    in.remove_prefix(1);
    v |= static_cast<uint64_t>(byte & 0x7F) << shift;
    if (byte < 0x80) return true;
  }
  return false;
}

// A size, then that many bytes.
inline bool GetSized(std::string_view& in, std::string_view& text) {
  uint64_t size = 0;
  if (!GetVarint(in, size) || size > in.size()) return false;
  text = in.substr(0, size);
  in.remove_prefix(size);
  return true;
}

}  // namespace vx

#endif  // VX_BUILDER_VARINT_H_
