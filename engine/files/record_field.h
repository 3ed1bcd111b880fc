// The fields of a stored record.
//
// A record's data is its fields one after the other in label order, each a
// tag byte (skipped by readers) followed by the value:
//   kinds 1 and 5  text, null-terminated
//   kinds 2 and 4  32-bit signed integer
//   kind 3         16-bit signed integer
// The kind is the digit in front of a label's name ("1FNAMN", "5OVRIGT").
#ifndef VX_ENGINE_FILES_RECORD_FIELD_H_
#define VX_ENGINE_FILES_RECORD_FIELD_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vx {

enum class FieldKind : uint8_t {
  kShortText = 1,
  kInteger = 2,
  kWord = 3,
  kInteger4 = 4,  // stored and decoded as kInteger
  kLongText = 5,
};

// The kind named by a label's first character, if it is one of 1..5.
std::optional<FieldKind> LabelKind(std::string_view label);

bool IsTextKind(FieldKind kind);

// The bytes a field of `kind` takes after its tag byte, for number kinds.
size_t NumberSize(FieldKind kind);

// One field's value. Text views the bytes it was read from (without the
// terminator); number holds kinds 2, 4 and, sign-extended, 3.
struct FieldValue {
  std::string_view text;
  int32_t number = 0;
};

// Reads the field starting at `pos` of `record` and moves `pos` past it
// (text length + 2, or 5, or 3 bytes). False, with `pos` and `value`
// unchanged, when the field does not lie whole within `record`: the tag
// byte or number bytes are missing, or a text has no terminator.
bool ReadField(std::span<const uint8_t> record, size_t& pos, FieldKind kind, FieldValue& value);

}  // namespace vx

#endif  // VX_ENGINE_FILES_RECORD_FIELD_H_
