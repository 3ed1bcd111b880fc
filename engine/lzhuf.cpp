// Placeholder until the LZHUF coder lands.
#include "engine/codec_io.h"

namespace vx {
void ExpandLzhuf(ExpandInput&, uint32_t, ExpandOutput&, ExpandStats&) {}
void EncodeLzhuf(std::span<const uint8_t>, CodedOutput&) { throw EUnableToCompress(); }
}  // namespace vx
