// Method "RLE": runs of equal bytes behind the escape byte 94h.
//
//   E, 0     one literal E
//   E, n     n - 1 more copies of the byte before the escape (n >= 1)
// The encoder writes a run of 3..255 equal bytes as the byte followed by
// E, count; shorter runs are written plainly.
#include "engine/codec/codec_io.h"

namespace vx {
namespace {

constexpr uint8_t kEscape = 0x94;
constexpr size_t kLongestRun = 255;

void PutLiteral(uint8_t b, CodedOutput& out) {
  out.PutByte(b);
  if (b == kEscape) out.PutByte(0);
}

}  // namespace

void ExpandRle(ExpandInput& in, ExpandOutput& out) {
  uint8_t last = 0;
  while (!in.Exhausted()) {
    const uint8_t b = in.NextByte();
    if (b != kEscape) {
      out.PutByte(b);
    } else {
      const uint8_t n = in.NextByte();  // 0 when the escape ends the input
      if (n == 0) out.PutByte(kEscape);
      for (int i = 1; i < n; ++i)
        out.PutByte(last);
    }
    last = b;  // after an escape pair this is the escape byte itself
  }
}

void EncodeRle(std::span<const uint8_t> source, CodedOutput& out) {
  size_t i = 0;
  while (i < source.size()) {
    const uint8_t b = source[i];
    size_t run = 1;
    while (i + run < source.size() && run < kLongestRun && source[i + run] == b)
      ++run;
    PutLiteral(b, out);
    if (run >= 3) {
      out.PutByte(kEscape);
      out.PutByte(static_cast<uint8_t>(run));
    } else if (run == 2) {
      PutLiteral(b, out);
    }
    i += run;
  }
}

}  // namespace vx
