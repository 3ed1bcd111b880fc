// ProbeMemo: rows that binary searches of a list have probed, kept as read,
// so that later searches need not read them, and in block mode expand a
// block for them, again.
//
// Two kinds of row are kept:
// - pinned rows, of the first levels of the search tree: a search over the
//   whole list probes the same few rows first, so these serve every
//   search; kept until Clear, up to the capacity given;
// - the kRecent rows probed last, at any depth: they serve a search
//   repeated, or refined as a word is typed letter by letter.
// Rows are keyed by number; the owner clears the memo whenever its file
// may change under it (closing, opening another file).
#ifndef VX_ENGINE_LISTS_PROBE_MEMO_H_
#define VX_ENGINE_LISTS_PROBE_MEMO_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace vx {

class ProbeMemo {
 public:
  static constexpr size_t kRecent = 32;

  // Rows are of `row_length` bytes; at most `pinned_capacity` are pinned.
  // Clears the memo.
  void Reset(size_t row_length, size_t pinned_capacity);
  void Clear();

  // The bytes of `row`, or an empty span when it is not kept.
  std::span<const uint8_t> Find(int32_t row) const;
  // Keeps `bytes` (of the row length) as row `row`: pinned when `pin` and
  // there is room, else among the recent rows.
  void Add(int32_t row, std::span<const uint8_t> bytes, bool pin);

  size_t pinned() const { return pinned_.size(); }

 private:
  size_t row_length_ = 0;
  size_t pinned_capacity_ = 0;
  std::unordered_map<int32_t, size_t> pinned_;  // row -> offset in pinned_bytes_
  std::vector<uint8_t> pinned_bytes_;
  std::array<int32_t, kRecent> recent_rows_{};  // 0 = empty slot
  std::vector<uint8_t> recent_bytes_;
  size_t next_recent_ = 0;
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_PROBE_MEMO_H_
