// FoldedFinder: finds a pattern in raw Windows-1252 bytes as FindPattern
// would under FoldTable (case and accents folded), at about the speed of
// memchr, for the contains-search over large free-search lists.
//
// The bytes are never folded as a whole. Two bytes of the pattern serve as
// anchors: a position is a candidate only when the raw bytes at both
// anchors are among those that fold to the pattern's bytes there, which
// 32 (AVX2) or 16 (SSE2) positions at a time costs a few vector compares.
// Candidates are then compared byte by byte through FoldTable. Anchors are
// chosen for few raw forms and rare letters, so candidates are rare.
#ifndef VX_ENGINE_TEXT_FOLDED_FINDER_H_
#define VX_ENGINE_TEXT_FOLDED_FINDER_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vx {

class FoldedFinder {
 public:
  static constexpr size_t kNone = static_cast<size_t>(-1);

  // `pattern` as typed; it is folded here. A zero byte in it is an ordinary
  // byte to the finder (it matches only a zero byte).
  explicit FoldedFinder(std::string_view pattern);

  // The first position p >= from at which the pattern lies whole inside
  // `bytes` and every byte folds to the pattern's folded byte; kNone when
  // there is none. An empty pattern is found at `from` while from <=
  // bytes.size().
  size_t Find(std::span<const uint8_t> bytes, size_t from) const {
    return Find(bytes, from, bytes.size());
  }
  // The same, for starts before `end` only: a run inside `bytes` is
  // searched at the speed of the whole, the bytes after it read but never
  // reported. An empty pattern is found at `from` while from <= end.
  size_t Find(std::span<const uint8_t> bytes, size_t from, size_t end) const;

  // Calls `visit(p)` for each match p as Find(bytes, from, end) would find
  // them, in order; `visit` returns where to go on looking (a later
  // position; kNone stops). Many matches close together cost a scan of
  // their bytes, not a new search each. An empty pattern has no matches.
  template <typename Visit>
  void ForEach(std::span<const uint8_t> bytes, size_t from, size_t end, Visit&& visit) const {
    ForEachMatch(bytes, from, end, Visitor(visit));
  }

  // Whether the pattern matches the bytes at `at`; the caller guarantees
  // size() readable bytes there.
  bool MatchesAt(const uint8_t* at) const;

  size_t size() const { return folded_.size(); }

 private:
  // A visitor of matches, called through a pointer.
  class Visitor {
   public:
    template <typename Visit>
    explicit Visitor(Visit& visit)
        : context_(&visit), call_([](void* context, size_t at) -> size_t {
            return (*static_cast<Visit*>(context))(at);
          }) {}
    size_t operator()(size_t at) const { return call_(context_, at); }

   private:
    void* context_;
    size_t (*call_)(void*, size_t);
  };

  void ForEachMatch(std::span<const uint8_t> bytes, size_t from, size_t end,
                    const Visitor& visit) const;
  static bool Report(size_t at, const Visitor& visit, size_t& resume);

  // At most five raw forms fold to one byte (the vowels with accents).
  static constexpr size_t kMaxForms = 8;
  static constexpr size_t kVectorBytes = 32;

  // The raw bytes that fold to the pattern byte at one position, each with
  // bit 20h set so that one compare covers both cases of a letter, and
  // each repeated over a vector.
  struct Anchor {
    size_t position = 0;
    size_t form_count = 0;
    alignas(kVectorBytes) std::array<std::array<uint8_t, kVectorBytes>, kMaxForms> forms{};
  };

  Anchor MakeAnchor(size_t position) const;

  // Scan the starts from `p` to `limit` whole vectors at a time, reading
  // no vector whose starts go past `last` (the last start whose pattern
  // lies inside the bytes), and report the matches: false when the visitor
  // stops, otherwise true with `p` at the first start left unscanned. Each
  // is defined only where the instruction set exists.
  bool ScanAvx2(const uint8_t* base, size_t& p, size_t limit, size_t last,
                const Visitor& visit) const;
  bool ScanSse2(const uint8_t* base, size_t& p, size_t limit, size_t last,
                const Visitor& visit) const;
  void ScanScalar(const uint8_t* base, size_t p, size_t limit, const Visitor& visit) const;

  const uint8_t* fold_;  // FoldTable
  std::vector<uint8_t> folded_;
  Anchor first_;
  Anchor second_;
  bool avx2_ = false;
};

}  // namespace vx

#endif  // VX_ENGINE_TEXT_FOLDED_FINDER_H_
