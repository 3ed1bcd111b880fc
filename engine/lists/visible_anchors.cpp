#include "engine/lists/visible_anchors.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <functional>
#include <span>

#include "engine/util/byte_order.h"

namespace vx {
namespace {

// The selection's storage read as 32-bit words: number i is bit (i - 1) % 32
// of word (i - 1) / 32. Bits beyond the selection's size are 0 there, so
// counting whole words is exact.
class BitWords {
 public:
  explicit BitWords(const Tvxsmalurval& bits) : bytes_(bits.Bytes()) {}

  size_t size() const { return bytes_.size() / 4; }
  uint32_t word(size_t i) const { return LoadU32(bytes_.data() + 4 * i); }

  // The word holding `number`, its bits below `number` cleared.
  uint32_t WordFrom(uint32_t number, size_t& index) const {
    index = (number - 1) / 32;
    return word(index) & ~((uint32_t{1} << ((number - 1) % 32)) - 1);
  }

 private:
  std::span<const uint8_t> bytes_;
};

// The bit index of the n-th (from 1) set bit of `word`, which has at least n.
uint32_t SelectInWord(uint32_t word, uint32_t n) {
  for (; n > 1; --n)
    word &= word - 1;
  return static_cast<uint32_t>(std::countr_zero(word));
}

// The number of the n-th (from 1) set bit at or after `from`; 0 if none.
uint32_t SelectFrom(const BitWords& words, uint32_t from, uint64_t n) {
  if (from < 1 || (from - 1) / 32 >= words.size()) return 0;
  size_t index = 0;
  uint32_t word = words.WordFrom(from, index);
  for (;;) {
    const uint32_t here = static_cast<uint32_t>(std::popcount(word));
    if (n <= here) {
      return static_cast<uint32_t>(index * 32 + SelectInWord(word, static_cast<uint32_t>(n)) + 1);
    }
    n -= here;
    if (++index >= words.size()) return 0;
    word = words.word(index);
  }
}

// Set bits among the numbers from..to (from <= to, both within the words).
uint64_t CountRange(const BitWords& words, uint32_t from, uint32_t to) {
  size_t index = 0;
  uint32_t word = words.WordFrom(from, index);
  const size_t last = (to - 1) / 32;
  uint64_t count = 0;
  for (; index < last; word = words.word(++index))
    count += static_cast<uint64_t>(std::popcount(word));
  const uint32_t keep = (to - 1) % 32 + 1;  // bits of the last word up to `to`
  const uint32_t mask = keep == 32 ? ~uint32_t{0} : (uint32_t{1} << keep) - 1;
  return count + static_cast<uint64_t>(std::popcount(word & mask));
}

}  // namespace

void VisibleAnchors::Rebuild(const Tvxsmalurval& bits) {
  BuildAnchors(bits);
  // Set bits of the selection, in order: strictly ascending numbers within
  // 1..Size, at most kMaxAnchors of them.
  assert(anchors_.size() <= static_cast<size_t>(kMaxAnchors));
  assert(std::adjacent_find(anchors_.begin(), anchors_.end(), std::greater_equal<>()) ==
         anchors_.end());
  assert(anchors_.empty() || (anchors_.front() >= 1 && anchors_.back() <= bits.Size()));
}

void VisibleAnchors::BuildAnchors(const Tvxsmalurval& bits) {
  Clear();
  const int64_t visible = bits.Count();
  if (visible <= 0) return;
  step_ = visible <= kMaxAnchors ? 1 : static_cast<int32_t>((visible - 1) / kMaxAnchors + 1);
  const BitWords words(bits);
  uint64_t seen = 0;  // set bits in the words before `index`
  uint64_t next = 1;  // the index among set bits of the next anchor
  for (size_t index = 0; index < words.size(); ++index) {
    const uint32_t word = words.word(index);
    const uint64_t here = static_cast<uint64_t>(std::popcount(word));
    while (next <= seen + here) {
      const uint32_t bit = SelectInWord(word, static_cast<uint32_t>(next - seen));
      anchors_.push_back(static_cast<int32_t>(index * 32 + bit + 1));
      if (anchors_.size() == static_cast<size_t>(kMaxAnchors)) return;
      next += static_cast<uint64_t>(step_);
    }
    seen += here;
  }
}

void VisibleAnchors::Clear() {
  step_ = 1;
  anchors_.clear();
}

int32_t VisibleAnchors::Find(const Tvxsmalurval& bits, int32_t k) const {
  if (k < 1) return -1;
  const size_t q = static_cast<size_t>((k - 1) / step_);
  if (q >= anchors_.size()) return -1;
  const uint64_t r = static_cast<uint64_t>((k - 1) % step_);
  const uint32_t found = SelectFrom(BitWords(bits), static_cast<uint32_t>(anchors_[q]), r + 1);
  return found == 0 ? -1 : static_cast<int32_t>(found);
}

int32_t VisibleAnchors::Position(const Tvxsmalurval& bits, int32_t number) const {
  if (anchors_.empty() || !bits.IsSet(number)) return -1;
  const BitWords words(bits);
  const auto after = std::upper_bound(anchors_.begin(), anchors_.end(), number);
  const size_t i = static_cast<size_t>(after - anchors_.begin());
  // Count from the anchor below, when it still stands for its index.
  if (i > 0 && bits.IsSet(anchors_[i - 1])) {
    const uint64_t before = static_cast<uint64_t>(i - 1) * static_cast<uint64_t>(step_);
    const uint64_t from_anchor =
        CountRange(words, static_cast<uint32_t>(anchors_[i - 1]), static_cast<uint32_t>(number));
    return static_cast<int32_t>(before + from_anchor);
  }
  return static_cast<int32_t>(CountRange(words, 1, static_cast<uint32_t>(number)));
}

}  // namespace vx
