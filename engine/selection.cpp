#include "engine/selection.h"

#include <algorithm>
#include <bit>
#include <string>

#include "engine/message_sink.h"

namespace vx {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the storage keeps 32-bit words in pairs inside 64-bit words");

constexpr uint32_t kWordBits = 64;

// The bits below bit `n` of a word, for n in 0..64.
uint64_t MaskBelow(uint32_t n) {
  return n >= kWordBits ? ~uint64_t{0} : (uint64_t{1} << n) - 1;
}

// Words that hold the numbers 1..limit.
size_t WordsFor(uint32_t limit) {
  return (static_cast<size_t>(limit) + kWordBits - 1) / kWordBits;
}

int64_t CountBitsPortable(const uint64_t* words, size_t n) {
  int64_t count = 0;
  for (size_t i = 0; i < n; ++i)
    count += std::popcount(words[i]);
  return count;
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// Without -mpopcnt std::popcount becomes a dozen instructions a word; the
// instruction itself is on every x86-64 processor of the last fifteen years.
__attribute__((target("popcnt"))) int64_t CountBitsPopcnt(const uint64_t* words, size_t n) {
  int64_t count = 0;
  for (size_t i = 0; i < n; ++i)
    count += std::popcount(words[i]);
  return count;
}

int64_t CountBits(const uint64_t* words, size_t n) {
  static const bool has_popcnt = __builtin_cpu_supports("popcnt");
  return has_popcnt ? CountBitsPopcnt(words, n) : CountBitsPortable(words, n);
}
#else
int64_t CountBits(const uint64_t* words, size_t n) {
  return CountBitsPortable(words, n);
}
#endif

// Other's word `j` restricted to numbers 1..limit; 0 past other's storage.
uint64_t WordWithin(std::span<const uint64_t> words, size_t j, uint32_t limit) {
  if (j >= words.size()) return 0;
  const uint64_t first = static_cast<uint64_t>(j) * kWordBits;
  if (first >= limit) return 0;
  return words[j] & MaskBelow(static_cast<uint32_t>(limit - first));
}

}  // namespace

// Applies decoded postings to the bits, counting as it goes; notes the
// first number that is not a valid number of the selection.
class Tvxsmalurval::PostingsApplier final : public PostingsConsumer {
 public:
  PostingsApplier(Tvxsmalurval& selection, bool on)
      : words_(selection.words_.data()), limit_(selection.Limit()), on_(on) {}

  void Accept(std::span<const uint64_t> numbers) override {
    if (on_) {
      for (uint64_t n : numbers) {
        const uint64_t bit = n - 1;  // 0 wraps to the largest value
        if (bit >= limit_) {
          NoteInvalid(n);
          continue;
        }
        uint64_t& word = words_[bit / kWordBits];
        const uint64_t mask = uint64_t{1} << (bit % kWordBits);
        count_change_ += (word & mask) == 0;
        word |= mask;
      }
    } else {
      for (uint64_t n : numbers) {
        const uint64_t bit = n - 1;
        if (bit >= limit_) {
          NoteInvalid(n);
          continue;
        }
        uint64_t& word = words_[bit / kWordBits];
        const uint64_t mask = uint64_t{1} << (bit % kWordBits);
        count_change_ -= (word & mask) != 0;
        word &= ~mask;
      }
    }
  }

  int64_t count_change() const { return count_change_; }
  bool has_invalid() const { return has_invalid_; }
  uint64_t first_invalid() const { return first_invalid_; }

 private:
  void NoteInvalid(uint64_t n) {
    if (has_invalid_) return;
    has_invalid_ = true;
    first_invalid_ = n;
  }

  uint64_t* words_;
  uint64_t limit_;
  bool on_;
  int64_t count_change_ = 0;
  bool has_invalid_ = false;
  uint64_t first_invalid_ = 0;
};

uint32_t Tvxsmalurval::Limit() const {
  const uint64_t size = size_ > 0 ? static_cast<uint64_t>(size_) : 0;
  return static_cast<uint32_t>(std::min<uint64_t>(size, uint64_t{storage_bytes_} * 8));
}

void Tvxsmalurval::ClearAbove(uint32_t limit) {
  const size_t j = limit / kWordBits;
  if (j >= words_.size()) return;
  words_[j] &= MaskBelow(limit % kWordBits);
  std::fill(words_.begin() + static_cast<ptrdiff_t>(j) + 1, words_.end(), 0);
}

void Tvxsmalurval::SetSize(int32_t size) {
  size_ = size;
  ClearAbove(Limit());
}

void Tvxsmalurval::Resize(int32_t size) {
  allocation_size_ = size;
  size_ = size;
  Allocate();
}

void Tvxsmalurval::Allocate() {
  count_ = 0;
  if (allocation_size_ < 1) {
    Release();
    return;
  }
  const size_t words32 = (static_cast<size_t>(allocation_size_) - 1) / 32 + 1;
  storage_bytes_ = words32 * 4;
  words_.assign((words32 + 1) / 2, 0);
}

void Tvxsmalurval::Release() {
  std::vector<uint64_t>().swap(words_);
  storage_bytes_ = 0;
  count_ = 0;
}

std::span<const uint8_t> Tvxsmalurval::Bytes() const {
  return {reinterpret_cast<const uint8_t*>(words_.data()), storage_bytes_};
}

void Tvxsmalurval::SetAll() {
  const uint32_t limit = Limit();
  const size_t full = limit / kWordBits;
  std::fill(words_.begin(), words_.begin() + static_cast<ptrdiff_t>(full), ~uint64_t{0});
  if (limit % kWordBits != 0) words_[full] = MaskBelow(limit % kWordBits);
  count_ = static_cast<int32_t>(limit);
}

void Tvxsmalurval::Clear() {
  std::fill(words_.begin(), words_.end(), 0);
  count_ = 0;
}

bool Tvxsmalurval::IsSet(int32_t i) const {
  if (i < 1 || static_cast<uint32_t>(i) > Limit()) return false;
  const uint32_t bit = static_cast<uint32_t>(i) - 1;
  return (words_[bit / kWordBits] >> (bit % kWordBits)) & 1;
}

void Tvxsmalurval::SetBit(int32_t i, bool on) {
  if (i < 1 || static_cast<uint32_t>(i) > Limit()) return;
  const uint32_t bit = static_cast<uint32_t>(i) - 1;
  uint64_t& word = words_[bit / kWordBits];
  const uint64_t mask = uint64_t{1} << (bit % kWordBits);
  if (on == ((word & mask) != 0)) return;
  word ^= mask;
  count_ += on ? 1 : -1;
}

void Tvxsmalurval::And(const Tvxsmalurval& other) {
  const uint32_t own_limit = Limit();
  const uint32_t limit = std::min(own_limit, other.Limit());
  const size_t full = limit / kWordBits;
  const uint64_t* theirs = other.words_.data();
  for (size_t j = 0; j < full; ++j)
    words_[j] &= theirs[j];
  for (size_t j = full; j < WordsFor(own_limit); ++j)
    words_[j] &= WordWithin(other.words_, j, limit);
}

void Tvxsmalurval::Or(const Tvxsmalurval& other) {
  const uint32_t limit = std::min(Limit(), other.Limit());
  const size_t full = limit / kWordBits;
  const uint64_t* theirs = other.words_.data();
  for (size_t j = 0; j < full; ++j)
    words_[j] |= theirs[j];
  if (full < WordsFor(limit)) words_[full] |= WordWithin(other.words_, full, limit);
}

void Tvxsmalurval::Assign(const Tvxsmalurval& other) {
  const uint32_t own_limit = Limit();
  const uint32_t limit = std::min(own_limit, other.Limit());
  const size_t full = limit / kWordBits;
  std::copy_n(other.words_.begin(), full, words_.begin());
  for (size_t j = full; j < WordsFor(own_limit); ++j)
    words_[j] = WordWithin(other.words_, j, limit);
  if (other.Limit() <= own_limit) {
    count_ = other.count_;
  } else {
    Recount();
  }
}

int32_t Tvxsmalurval::Recount() {
  const uint32_t limit = Limit();
  const size_t full = limit / kWordBits;
  int64_t count = CountBits(words_.data(), full);
  if (full < WordsFor(limit)) count += std::popcount(WordWithin(words_, full, limit));
  count_ = static_cast<int32_t>(count);
  return count_;
}

bool Tvxsmalurval::Next(int32_t& k) const {
  const uint32_t limit = Limit();
  if (k < 0 || static_cast<uint32_t>(k) >= limit) return false;
  const uint32_t start = static_cast<uint32_t>(k);
  const size_t last = (limit - 1) / kWordBits;
  size_t j = start / kWordBits;
  uint64_t word = words_[j] & (~uint64_t{0} << (start % kWordBits));
  while (word == 0) {
    if (++j > last) return false;
    word = words_[j];
  }
  const uint64_t found = j * kWordBits + static_cast<uint64_t>(std::countr_zero(word)) + 1;
  // The last word may hold bits beyond Size; they are never set, and never
  // reported if they were.
  if (found > limit) return false;
  k = static_cast<int32_t>(found);
  return true;
}

PostingsStatus Tvxsmalurval::LoadPostings(ByteReader& reader, int64_t count, bool on) {
  PostingsApplier applier(*this, on);
  const PostingsStatus status = ReadPostings(reader, count, applier);
  count_ = static_cast<int32_t>(count_ + applier.count_change());
  if (applier.has_invalid()) ReportMessage(std::to_string(applier.first_invalid()));
  return status;
}

}  // namespace vx
