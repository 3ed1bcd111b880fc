#include "imaging/region_data.h"

#include <algorithm>
#include <string>

#include "engine/util/byte_order.h"
#include "language/message_id.h"

namespace vx {
namespace {

constexpr uint32_t kRectanglesType = 1;
constexpr size_t kRectSize = 16;

// A rectangle's four edges as the block stores them: left, top, right,
// bottom.
struct Edges {
  int32_t left, top, right, bottom;
};

int32_t LoadI32(const uint8_t* p) {
  return static_cast<int32_t>(LoadU32(p));
}

Edges LoadEdges(const uint8_t* p) {
  return {LoadI32(p), LoadI32(p + 4), LoadI32(p + 8), LoadI32(p + 12)};
}

void StoreRect(uint8_t* p, const Rect& r) {
  StoreU32(p, static_cast<uint32_t>(r.left));
  StoreU32(p + 4, static_cast<uint32_t>(r.top));
  StoreU32(p + 8, static_cast<uint32_t>(r.right()));
  StoreU32(p + 12, static_cast<uint32_t>(r.bottom()));
}

bool InRange(int32_t v) {
  return v >= -kMaxRegionCoordinate && v <= kMaxRegionCoordinate;
}

// Within range, so that a width or height cannot overflow.
bool InRange(const Edges& e) {
  return InRange(e.left) && InRange(e.top) && InRange(e.right) && InRange(e.bottom);
}

bool Sound(const Edges& e) {
  return InRange(e) && e.left < e.right && e.top < e.bottom;
}

Rect ToRect(const Edges& e) {
  return Rect::FromEdges(e.left, e.top, e.right, e.bottom);
}

Status Damaged(Message why) {
  return Status::Said(Status::Code::kCorruption,
                      {MessageId::PictureShapeDamaged, {}, {std::move(why)}});
}

}  // namespace

Status ParseRegionData(std::span<const uint8_t> bytes, RegionData& out) {
  out = {};
  if (bytes.size() < kRegionHeaderSize) return Damaged({MessageId::PictureBlockShort, {}});
  const uint8_t* p = bytes.data();
  if (LoadU32(p) != kRegionHeaderSize || LoadU32(p + 4) != kRectanglesType) {
    return Damaged({MessageId::PictureBlockNotRectangles, {}});
  }
  const uint64_t count = LoadU32(p + 8);
  const uint64_t byte_size = LoadU32(p + 12);
  const uint64_t available = bytes.size() - kRegionHeaderSize;
  if (byte_size != count * kRectSize || byte_size != available) {
    return Damaged(
        {MessageId::PictureRectangleCount, {std::to_string(count), std::to_string(available)}});
  }
  std::vector<Rect> rects;
  rects.reserve(count);
  for (uint64_t i = 0; i < count; ++i) {
    const Edges e = LoadEdges(p + kRegionHeaderSize + i * kRectSize);
    if (!Sound(e)) return Damaged({MessageId::PictureRectangleUnsound, {std::to_string(i + 1)}});
    rects.push_back(ToRect(e));
  }
  const Edges bounds = LoadEdges(p + 16);
  if (!InRange(bounds)) return Damaged({MessageId::PictureBoundsUnsound, {}});
  out.bounds = ToRect(bounds);
  out.rects = std::move(rects);
  return Status::OK();
}

std::vector<uint8_t> EncodeRegionData(std::span<const Rect> rects) {
  std::vector<uint8_t> out(kRegionHeaderSize + rects.size() * kRectSize, 0);
  Rect bounds;
  if (!rects.empty()) {
    bounds = rects.front();
    for (const Rect& r : rects) {
      bounds = Rect::FromEdges(std::min(bounds.left, r.left), std::min(bounds.top, r.top),
                               std::max(bounds.right(), r.right()),
                               std::max(bounds.bottom(), r.bottom()));
    }
  }
  StoreU32(out.data(), static_cast<uint32_t>(kRegionHeaderSize));
  StoreU32(out.data() + 4, kRectanglesType);
  StoreU32(out.data() + 8, static_cast<uint32_t>(rects.size()));
  StoreU32(out.data() + 12, static_cast<uint32_t>(rects.size() * kRectSize));
  StoreRect(out.data() + 16, bounds);
  for (size_t i = 0; i < rects.size(); ++i)
    StoreRect(out.data() + kRegionHeaderSize + i * kRectSize, rects[i]);
  return out;
}

}  // namespace vx
