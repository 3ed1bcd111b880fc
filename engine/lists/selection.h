// Tvxsmalurval: a selection, a set of record (or row) numbers 1..Size kept
// as bits, with a count of the set bits. Search results, picked words and
// visible rows are selections; searches combine them with And and Or.
//
// Storage is ((AllocationSize - 1) / 32 + 1) 32-bit words; number i is bit
// (i - 1) % 32 of word (i - 1) / 32, least significant bit first, words
// little-endian (Bytes() shows it). Owners give AllocationSize and Size the
// same value. Bits beyond Size are always 0; no operation reads or writes
// them, and where Size exceeds the storage only the numbers the storage
// holds are valid.
//
// Count() is the count as last stored: SetBit keeps it, SetAll, Clear,
// Assign and Recount set it, And and Or leave it for a later Recount.
//
// The selection keeps the range of words outside which every word is 0,
// and the whole-set operations work within it: clearing, counting,
// combining or walking a selection that holds a few numbers costs next to
// nothing, however large it is. (A search over a million records that
// finds a handful would otherwise spend most of its time on the zeros.)
// While few words hold bits it also lists them, so that a handful of
// numbers scattered over the whole selection costs as little.
#ifndef VX_ENGINE_LISTS_SELECTION_H_
#define VX_ENGINE_LISTS_SELECTION_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/lists/postings.h"
#include "engine/util/byte_reader.h"
#include "engine/util/zeroed_allocator.h"

namespace vx {

class Tvxsmalurval {
 public:
  // The most words a selection lists; beyond them it keeps its range only.
  static constexpr size_t kMaxListedWords = 64;

  Tvxsmalurval() = default;
  Tvxsmalurval(const Tvxsmalurval&) = delete;
  Tvxsmalurval& operator=(const Tvxsmalurval&) = delete;

  // The number of valid bits. Shrinking clears the bits beyond the new
  // size and leaves Count() for a Recount.
  int32_t Size() const { return size_; }
  void SetSize(int32_t size);

  // The number of bits the next Allocate makes room for.
  int32_t AllocationSize() const { return allocation_size_; }
  void SetAllocationSize(int32_t size) { allocation_size_ = size; }

  // Sets the allocation size and Size to `size` and allocates.
  void Resize(int32_t size);

  // Replaces the storage with zeroed storage for AllocationSize() bits (none
  // for a size below 1); Count() = 0.
  void Allocate();
  // Frees the storage; Count() = 0.
  void Release();

  // Bytes of storage: a multiple of 4, 0 when not allocated.
  size_t StorageBytes() const { return storage_bytes_; }
  std::span<const uint8_t> Bytes() const;

  int32_t Count() const { return count_; }

  // Sets bits 1..Size; Count() = Size.
  void SetAll();
  // Clears every bit; Count() = 0.
  void Clear();

  // False for numbers outside 1..Size.
  bool IsSet(int32_t i) const;
  // Sets (`on`) or clears bit `i`, adjusting Count() when the bit changes.
  // Numbers outside 1..Size are ignored.
  void SetBit(int32_t i, bool on);

  // Keeps the bits also set in `other`; numbers beyond other's Size count
  // as not set there. Count() stays.
  void And(const Tvxsmalurval& other);
  // Adds the bits set in `other` up to this selection's Size. Count() stays.
  void Or(const Tvxsmalurval& other);
  // Makes this selection hold exactly other's numbers up to this Size and
  // takes other's Count(); when some of other's numbers lie beyond this
  // Size, Count() is recounted instead.
  void Assign(const Tvxsmalurval& other);

  // Makes this selection hold other's numbers first..first + Size - 1 as
  // 1..Size (a register's part of a selection over several), a word at a
  // time; Count() is recounted. `other` is another selection.
  void AssignRange(const Tvxsmalurval& other, int32_t first);

  // Counts the set bits, stores the number in Count() and returns it.
  int32_t Recount();

  // For 0 <= k < Size: finds the lowest set number above k, sets k to it and
  // returns true; otherwise false with k unchanged. Iterate with k = 0;
  // while (Next(k)) use(k).
  bool Next(int32_t& k) const;

  // Reads a run of `count` postings (postings.h) from `reader` and sets
  // (`on`) or clears each number. A number outside 1..Size is not applied.
  // On damage the numbers before it are applied and the result is the
  // reading's Corruption; a run read whole that held numbers outside
  // 1..Size gives a Corruption naming the first of them and the source.
  Status LoadPostings(ByteReader& reader, int64_t count, bool on);
  // The same over postings in memory, a mapped file, named `source` in
  // messages. It needs no shared buffer: selections of their own may load
  // on several threads at once.
  Status LoadPostings(std::span<const uint8_t> bytes, int64_t count, bool on,
                      const std::string& source);

 private:
  class PostingsApplier;

  // Takes in what `applier` did; the result is `status`, or, when that is
  // OK, a Corruption for the first number outside 1..Size.
  Status TakeApplied(const PostingsApplier& applier, const Status& status,
                     const std::string& source);
  // Numbers the bits cover: Size bounded by the storage.
  uint32_t Limit() const;
  int64_t CountSetBits() const;
  // Debug builds: lo_ <= hi_ <= the words held, every word outside
  // [lo_, hi_) is 0, a listed selection lists every word that is not 0, no
  // bit beyond Limit() is set, and Count() is the number of set bits unless
  // an And, Or or shrinking SetSize left it for a Recount. A linear check,
  // so called after bulk operations only.
  void AssertInvariants() const;
  // Makes the word range take in words [begin, end).
  void Widen(size_t begin, size_t end);
  // Zeroes the words of [begin, end) that lie in the word range.
  void ZeroWithin(size_t begin, size_t end);
  // Adds word j to the list, or gives the list up when it is full.
  void Note(size_t j);
  // The list of a selection without bits.
  void ListNothing();
  // And where one of the two lists its words; [begin, end) is the common
  // range.
  void AndListed(const Tvxsmalurval& other, uint32_t limit, size_t begin, size_t end);
  // Clears the bits of the storage above `limit`.
  void ClearAbove(uint32_t limit);

  int32_t size_ = 0;
  int32_t allocation_size_ = 0;
  int32_t count_ = 0;
  // False from an And, Or or shrinking SetSize until the count is set again.
  bool count_current_ = true;
  size_t storage_bytes_ = 0;
  // The 32-bit words in pairs; the upper half of the last one is unused
  // when the word count is odd. Zeroed lazily (zeroed_allocator.h): a
  // selection of millions of bits costs nothing until bits are set.
  std::vector<uint64_t, ZeroedAllocator<uint64_t>> words_;
  // Every word outside [lo_, hi_) is 0; lo_ == hi_ when all are.
  size_t lo_ = 0;
  size_t hi_ = 0;
  // While listed_ok_, every word that is not 0 is among the first
  // listed_count_ of listed_.
  std::array<uint32_t, kMaxListedWords> listed_{};
  size_t listed_count_ = 0;
  bool listed_ok_ = true;
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_SELECTION_H_
