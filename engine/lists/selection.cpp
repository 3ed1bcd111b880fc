#include "engine/lists/selection.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <string>

#include "language/message_id.h"

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

  void Accept(std::span<const uint64_t> numbers, bool ascending) override {
    if (on_) {
      // Locals: the stores to the words could otherwise alias the members,
      // which the compiler would then reload for every number.
      uint64_t* const words = words_;
      const uint64_t limit = limit_;
      int64_t change = 0;
      for (uint64_t n : numbers) {
        const uint64_t bit = n - 1;  // 0 wraps to the largest value
        if (bit >= limit) {
          NoteInvalid(n);
          continue;
        }
        const size_t j = bit / kWordBits;
        const uint64_t mask = uint64_t{1} << (bit % kWordBits);
        change += (words[j] & mask) == 0;
        words[j] |= mask;
      }
      count_change_ += change;
      NoteRange(numbers, ascending);
      NoteWords(numbers);
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

  // Widens [lo_, hi_) to take in the words of the valid numbers: from the
  // first and last number when they ascend, as sound postings do, so that
  // the range costs nothing per number; otherwise from the least and the
  // greatest (and after a 0, which wraps to the largest bit). A number past
  // the limit only widens the range to the last word.
  void NoteRange(std::span<const uint64_t> numbers, bool ascending) {
    uint64_t least = UINT64_MAX;
    uint64_t most = 0;
    if (ascending && numbers.front() != 0) {
      least = numbers.front() - 1;
      most = numbers.back() - 1;
    } else {
      for (uint64_t n : numbers) {
        least = std::min(least, n - 1);
        most = std::max(most, n - 1);
      }
    }
    if (least >= limit_) return;
    lo_ = std::min<size_t>(lo_, least / kWordBits);
    hi_ = std::max<size_t>(hi_, std::min(most, limit_ - 1) / kWordBits + 1);
  }

  // Lists the words bits went to until there are too many; postings
  // ascend, so a word's numbers come together.
  void NoteWords(std::span<const uint64_t> numbers) {
    if (listed_overflow_) return;
    for (uint64_t n : numbers) {
      const uint64_t bit = n - 1;
      if (bit >= limit_ || bit / kWordBits == last_word_) continue;
      last_word_ = bit / kWordBits;
      if (listed_count_ == listed_.size()) {
        listed_overflow_ = true;
        return;
      }
      listed_[listed_count_++] = static_cast<uint32_t>(last_word_);
    }
  }

  int64_t count_change() const { return count_change_; }
  // The words set bits went to: [lo, hi), empty when lo >= hi.
  size_t lo() const { return lo_; }
  size_t hi() const { return hi_; }
  // The words bits were set in, unless there were too many to list.
  std::span<const uint32_t> listed() const { return {listed_.data(), listed_count_}; }
  bool listed_overflow() const { return listed_overflow_; }
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
  size_t lo_ = SIZE_MAX;
  size_t hi_ = 0;
  size_t last_word_ = SIZE_MAX;
  std::array<uint32_t, kMaxListedWords> listed_;
  size_t listed_count_ = 0;
  bool listed_overflow_ = false;
  int64_t count_change_ = 0;
  bool has_invalid_ = false;
  uint64_t first_invalid_ = 0;
};

uint32_t Tvxsmalurval::Limit() const {
  const uint64_t size = size_ > 0 ? static_cast<uint64_t>(size_) : 0;
  return static_cast<uint32_t>(std::min<uint64_t>(size, uint64_t{storage_bytes_} * 8));
}

void Tvxsmalurval::AssertInvariants() const {
#ifndef NDEBUG
  assert(lo_ <= hi_ && hi_ <= words_.size());
  assert(listed_count_ <= kMaxListedWords);
  const uint32_t limit = Limit();
  int64_t bits = 0;
  for (size_t j = 0; j < words_.size(); ++j) {
    if (words_[j] == 0) continue;
    assert(j >= lo_ && j < hi_);
    assert(WordWithin(words_, j, limit) == words_[j]);
    assert(!listed_ok_ || std::find(listed_.begin(), listed_.begin() + listed_count_, j) !=
                              listed_.begin() + listed_count_);
    bits += std::popcount(words_[j]);
  }
  assert(!count_current_ || count_ == bits);
#endif
}

void Tvxsmalurval::Widen(size_t begin, size_t end) {
  if (begin >= end) return;
  if (lo_ >= hi_) {
    lo_ = begin;
    hi_ = end;
    return;
  }
  lo_ = std::min(lo_, begin);
  hi_ = std::max(hi_, end);
}

void Tvxsmalurval::Note(size_t j) {
  if (!listed_ok_) return;
  for (size_t i = 0; i < listed_count_; ++i) {
    if (listed_[i] == j) return;
  }
  if (listed_count_ == kMaxListedWords) {
    listed_ok_ = false;
    return;
  }
  listed_[listed_count_++] = static_cast<uint32_t>(j);
}

void Tvxsmalurval::ListNothing() {
  listed_ok_ = true;
  listed_count_ = 0;
}

void Tvxsmalurval::ZeroWithin(size_t begin, size_t end) {
  begin = std::max(begin, lo_);
  end = std::min(end, hi_);
  if (begin < end) {
    std::fill(words_.begin() + static_cast<ptrdiff_t>(begin),
              words_.begin() + static_cast<ptrdiff_t>(end), 0);
  }
}

void Tvxsmalurval::ClearAbove(uint32_t limit) {
  const size_t j = limit / kWordBits;
  if (j >= words_.size()) return;
  words_[j] &= MaskBelow(limit % kWordBits);
  ZeroWithin(j + 1, words_.size());
  hi_ = std::min(hi_, j + 1);
  if (lo_ >= hi_) lo_ = hi_ = 0;
}

void Tvxsmalurval::SetSize(int32_t size) {
  const uint32_t before = Limit();
  size_ = size;
  if (Limit() < before) count_current_ = false;
  ClearAbove(Limit());
  AssertInvariants();
}

void Tvxsmalurval::Resize(int32_t size) {
  allocation_size_ = size;
  size_ = size;
  Allocate();
}

void Tvxsmalurval::Allocate() {
  count_ = 0;
  count_current_ = true;
  if (allocation_size_ < 1) {
    Release();
    return;
  }
  const size_t words32 = (static_cast<size_t>(allocation_size_) - 1) / 32 + 1;
  storage_bytes_ = words32 * 4;
  // Fresh storage, so that the new words are the allocator's zeros.
  decltype(words_)().swap(words_);
  words_.resize((words32 + 1) / 2);
  lo_ = hi_ = 0;
  ListNothing();
  AssertInvariants();
}

void Tvxsmalurval::Release() {
  decltype(words_)().swap(words_);
  storage_bytes_ = 0;
  count_ = 0;
  count_current_ = true;
  lo_ = hi_ = 0;
  ListNothing();
}

std::span<const uint8_t> Tvxsmalurval::Bytes() const {
  return {reinterpret_cast<const uint8_t*>(words_.data()), storage_bytes_};
}

void Tvxsmalurval::SetAll() {
  const uint32_t limit = Limit();
  const size_t full = limit / kWordBits;
  std::fill(words_.begin(), words_.begin() + static_cast<ptrdiff_t>(full), ~uint64_t{0});
  if (limit % kWordBits != 0) words_[full] = MaskBelow(limit % kWordBits);
  Widen(0, WordsFor(limit));
  listed_ok_ = limit == 0;
  count_ = static_cast<int32_t>(limit);
  count_current_ = true;
  AssertInvariants();
}

void Tvxsmalurval::Clear() {
  if (listed_ok_) {
    for (size_t i = 0; i < listed_count_; ++i)
      words_[listed_[i]] = 0;
  } else {
    ZeroWithin(0, words_.size());
  }
  lo_ = hi_ = 0;
  ListNothing();
  count_ = 0;
  count_current_ = true;
  AssertInvariants();
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
  if (on) {
    Widen(bit / kWordBits, bit / kWordBits + 1);
    Note(bit / kWordBits);
  }
}

void Tvxsmalurval::And(const Tvxsmalurval& other) {
  count_current_ = false;
  const uint32_t limit = std::min(Limit(), other.Limit());
  const size_t full = limit / kWordBits;
  // Only words inside both ranges can keep bits.
  const size_t begin = std::max(lo_, other.lo_);
  const size_t end = std::min({hi_, other.hi_, WordsFor(limit)});
  if (begin >= end) {
    Clear();
    return;
  }
  if (listed_ok_ || other.listed_ok_) {
    AndListed(other, limit, begin, end);
    return;
  }
  ZeroWithin(0, begin);
  ZeroWithin(end, words_.size());
  uint64_t* const mine = words_.data();
  const uint64_t* const theirs = other.words_.data();
  for (size_t j = begin, dense_end = std::min(end, full); j < dense_end; ++j)
    mine[j] &= theirs[j];
  for (size_t j = std::max(begin, full); j < end; ++j)
    words_[j] &= WordWithin(other.words_, j, limit);
  lo_ = begin;
  hi_ = end;
  AssertInvariants();
}

// Only listed words can hold bits: the words of this selection's list, or
// else of other's, the rest of this selection's range cleared.
void Tvxsmalurval::AndListed(const Tvxsmalurval& other, uint32_t limit, size_t begin, size_t end) {
  if (listed_ok_) {
    for (size_t i = 0; i < listed_count_; ++i)
      words_[listed_[i]] &= WordWithin(other.words_, listed_[i], limit);
  } else {
    std::array<uint64_t, kMaxListedWords> kept{};
    for (size_t i = 0; i < other.listed_count_; ++i) {
      const uint32_t j = other.listed_[i];
      kept[i] = j < words_.size() ? words_[j] & WordWithin(other.words_, j, limit) : 0;
    }
    ZeroWithin(0, words_.size());
    ListNothing();
    for (size_t i = 0; i < other.listed_count_; ++i) {
      if (kept[i] == 0) continue;
      words_[other.listed_[i]] = kept[i];
      listed_[listed_count_++] = other.listed_[i];
    }
  }
  lo_ = begin;
  hi_ = end;
  AssertInvariants();
}

void Tvxsmalurval::Or(const Tvxsmalurval& other) {
  count_current_ = false;
  const uint32_t limit = std::min(Limit(), other.Limit());
  const size_t full = limit / kWordBits;
  const size_t begin = other.lo_;
  const size_t end = std::min(other.hi_, WordsFor(limit));
  if (begin >= end) return;
  if (other.listed_ok_) {
    for (size_t i = 0; i < other.listed_count_; ++i) {
      const uint32_t j = other.listed_[i];
      const uint64_t word = WordWithin(other.words_, j, limit);
      if (word == 0) continue;
      words_[j] |= word;
      Widen(j, j + 1);
      Note(j);
    }
    AssertInvariants();
    return;
  }
  listed_ok_ = false;
  uint64_t* const mine = words_.data();
  const uint64_t* const theirs = other.words_.data();
  for (size_t j = begin, dense_end = std::min(end, full); j < dense_end; ++j)
    mine[j] |= theirs[j];
  for (size_t j = std::max(begin, full); j < end; ++j)
    words_[j] |= WordWithin(other.words_, j, limit);
  Widen(begin, end);
  AssertInvariants();
}

void Tvxsmalurval::Assign(const Tvxsmalurval& other) {
  const uint32_t own_limit = Limit();
  const uint32_t limit = std::min(own_limit, other.Limit());
  const size_t full = limit / kWordBits;
  const size_t begin = other.lo_;
  const size_t end = std::min(other.hi_, WordsFor(limit));
  if (begin >= end || other.listed_ok_) {
    Clear();
    for (size_t i = 0; i < other.listed_count_ && begin < end; ++i) {
      const uint32_t j = other.listed_[i];
      const uint64_t word = WordWithin(other.words_, j, limit);
      if (word == 0) continue;
      words_[j] = word;
      Widen(j, j + 1);
      Note(j);
    }
  } else {
    listed_ok_ = false;
    ZeroWithin(0, begin);
    ZeroWithin(end, words_.size());
    const size_t dense_end = std::max(begin, std::min(end, full));
    std::copy(other.words_.begin() + static_cast<ptrdiff_t>(begin),
              other.words_.begin() + static_cast<ptrdiff_t>(dense_end),
              words_.begin() + static_cast<ptrdiff_t>(begin));
    for (size_t j = std::max(begin, full); j < end; ++j)
      words_[j] = WordWithin(other.words_, j, limit);
    lo_ = begin;
    hi_ = end;
  }
  if (other.Limit() <= own_limit) {
    count_ = other.count_;
    count_current_ = other.count_current_;
  } else {
    Recount();
  }
  AssertInvariants();
}

void Tvxsmalurval::AssignRange(const Tvxsmalurval& other, int32_t first) {
  Clear();
  const uint32_t other_limit = other.Limit();
  if (first < 1 || static_cast<uint32_t>(first) > other_limit || other.lo_ >= other.hi_) {
    AssertInvariants();
    return;
  }
  const uint64_t offset = static_cast<uint64_t>(first) - 1;  // other's bit of our bit 0
  const uint64_t bits = std::min<uint64_t>(Limit(), other_limit - offset);
  // Our words that other's range of words can reach.
  const uint64_t range_begin = uint64_t{other.lo_} * kWordBits;
  const uint64_t range_end = uint64_t{other.hi_} * kWordBits;
  const size_t begin = range_begin > offset ? (range_begin - offset) / kWordBits : 0;
  const size_t end = range_end > offset
                         ? std::min<size_t>(WordsFor(static_cast<uint32_t>(bits)),
                                            (range_end - offset + kWordBits - 1) / kWordBits)
                         : 0;
  const uint32_t shift = offset % kWordBits;
  for (size_t j = begin; j < end; ++j) {
    const size_t q = static_cast<size_t>((offset / kWordBits) + j);
    uint64_t word = WordWithin(other.words_, q, other_limit) >> shift;
    if (shift != 0) word |= WordWithin(other.words_, q + 1, other_limit) << (kWordBits - shift);
    word &= MaskBelow(static_cast<uint32_t>(std::min<uint64_t>(bits - j * kWordBits, kWordBits)));
    if (word == 0) continue;
    words_[j] = word;
    Widen(j, j + 1);
    Note(j);
  }
  Recount();
}

int32_t Tvxsmalurval::Recount() {
  count_ = static_cast<int32_t>(CountSetBits());
  count_current_ = true;
  AssertInvariants();
  return count_;
}

int64_t Tvxsmalurval::CountSetBits() const {
  const uint32_t limit = Limit();
  if (listed_ok_) {
    int64_t count = 0;
    for (size_t i = 0; i < listed_count_; ++i)
      count += std::popcount(WordWithin(words_, listed_[i], limit));
    return count;
  }
  const size_t full = limit / kWordBits;
  const size_t begin = std::min(lo_, full);
  int64_t count = CountBits(words_.data() + begin, std::min(hi_, full) - std::min(begin, hi_));
  if (full < WordsFor(limit) && full < hi_) count += std::popcount(WordWithin(words_, full, limit));
  return count;
}

bool Tvxsmalurval::Next(int32_t& k) const {
  const uint32_t limit = Limit();
  if (k < 0 || static_cast<uint32_t>(k) >= limit) return false;
  const uint32_t start = static_cast<uint32_t>(k);
  if (lo_ >= hi_) return false;
  const size_t last = std::min<size_t>((limit - 1) / kWordBits, hi_ - 1);
  size_t j = start / kWordBits;
  if (j > last) return false;
  uint64_t word = j < lo_ ? 0 : words_[j] & (~uint64_t{0} << (start % kWordBits));
  if (j < lo_) j = lo_ - 1;
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

Status Tvxsmalurval::LoadPostings(ByteReader& reader, int64_t count, bool on) {
  PostingsApplier applier(*this, on);
  const Status status = ReadPostings(reader, count, applier);
  return TakeApplied(applier, status, reader.SourceName());
}

Status Tvxsmalurval::LoadPostings(std::span<const uint8_t> bytes, int64_t count, bool on,
                                  const std::string& source) {
  PostingsApplier applier(*this, on);
  const Status status = ReadPostings(bytes, count, applier, nullptr, source);
  return TakeApplied(applier, status, source);
}

Status Tvxsmalurval::TakeApplied(const PostingsApplier& applier, const Status& status,
                                 const std::string& source) {
  Widen(applier.lo(), applier.hi());
  if (applier.listed_overflow()) listed_ok_ = false;
  for (const uint32_t j : applier.listed())
    Note(j);
  count_ = static_cast<int32_t>(count_ + applier.count_change());
  AssertInvariants();
  if (status.ok() && applier.has_invalid()) {
    const std::string record = std::to_string(applier.first_invalid());
    const std::string size = std::to_string(Size());
    return Status::Said(
        Status::Code::kCorruption,
        source.empty()
            ? Message{MessageId::EngineRecordOutsideSelection, {record, size}}
            : Message{MessageId::EngineRecordOutsideSelectionIn, {record, source, size}});
  }
  return status;
}

}  // namespace vx
