#include "engine/files/record_field.h"

#include <cstring>

#include "engine/util/byte_order.h"

namespace vx {

std::optional<FieldKind> LabelKind(std::string_view label) {
  if (label.empty() || label[0] < '1' || label[0] > '5') return std::nullopt;
  return static_cast<FieldKind>(label[0] - '0');
}

bool IsTextKind(FieldKind kind) {
  return kind == FieldKind::kShortText || kind == FieldKind::kLongText;
}

size_t NumberSize(FieldKind kind) {
  return kind == FieldKind::kWord ? 2 : 4;
}

bool ReadField(std::span<const uint8_t> record, size_t& pos, FieldKind kind, FieldValue& value) {
  if (pos >= record.size()) return false;
  const size_t start = pos + 1;  // past the tag byte
  const size_t left = record.size() - start;
  if (IsTextKind(kind)) {
    const uint8_t* text = record.data() + start;
    const void* end = left > 0 ? std::memchr(text, 0, left) : nullptr;
    if (end == nullptr) return false;
    const size_t length = static_cast<size_t>(static_cast<const uint8_t*>(end) - text);
    value.text = std::string_view(reinterpret_cast<const char*>(text), length);
    pos = start + length + 1;
    return true;
  }
  const size_t size = NumberSize(kind);
  if (left < size) return false;
  const uint8_t* bytes = record.data() + start;
  value.number =
      size == 2 ? static_cast<int16_t>(LoadU16(bytes)) : static_cast<int32_t>(LoadU32(bytes));
  pos = start + size;
  return true;
}

}  // namespace vx
