#include "engine/codec_io.h"
namespace vx {
void ExpandRle(ExpandInput&, ExpandOutput&) {}
void EncodeRle(std::span<const uint8_t>, CodedOutput&) { throw EUnableToCompress(); }
void ExpandLh5(ExpandInput&, uint32_t, ExpandOutput&, ExpandStats&) {}
void EncodeLh5(std::span<const uint8_t>, CodedOutput&) { throw EUnableToCompress(); }
}  // namespace vx
