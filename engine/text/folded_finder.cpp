#include "engine/text/folded_finder.h"

#include <algorithm>
#include <string_view>

#include "engine/text/collation.h"

#if defined(__x86_64__) || defined(__i386__)
#define VX_FINDER_X86 1
#include <immintrin.h>
#endif

namespace vx {
namespace {

constexpr uint8_t kCaseBit = 0x20;

// Folded bytes frequent in register text (names, places, relations): an
// anchor there finds many candidates, so rarer bytes are preferred.
constexpr std::string_view kCommonFolded = " AEINRSTLDOKMGVHU\xC5";

size_t Distance(size_t a, size_t b) {
  return a > b ? a - b : b - a;
}

// The bits of a vector's starts q..q+63 that lie at or before q + n.
uint64_t StartsUpTo(size_t n) {
  return n >= 63 ? ~uint64_t{0} : (uint64_t{2} << n) - 1;
}

}  // namespace

FoldedFinder::FoldedFinder(std::string_view pattern) : fold_(FoldTable().data()) {
  folded_.reserve(pattern.size());
  for (const char c : pattern)
    folded_.push_back(fold_[static_cast<uint8_t>(c)]);
  if (folded_.empty()) return;

  auto cost = [&](size_t position, size_t form_count) {
    const auto c = static_cast<char>(folded_[position]);
    return form_count * (kCommonFolded.find(c) != std::string_view::npos ? 4 : 1);
  };
  std::vector<size_t> costs;
  for (size_t i = 0; i < folded_.size(); ++i)
    costs.push_back(cost(i, MakeAnchor(i).form_count));
  const size_t first =
      static_cast<size_t>(std::min_element(costs.begin(), costs.end()) - costs.begin());
  size_t second = first;
  for (size_t i = 0; i < folded_.size(); ++i) {
    if (i == first) continue;
    const bool better = second == first || costs[i] < costs[second] ||
                        (costs[i] == costs[second] && Distance(i, first) > Distance(second, first));
    if (better) second = i;
  }
  first_ = MakeAnchor(first);
  second_ = MakeAnchor(second);
#if defined(VX_FINDER_X86)
  avx2_ = __builtin_cpu_supports("avx2");
#endif
}

FoldedFinder::Anchor FoldedFinder::MakeAnchor(size_t position) const {
  Anchor anchor;
  anchor.position = position;
  std::vector<uint8_t> forms;
  for (size_t c = 0; c < 256; ++c) {
    if (fold_[c] != folded_[position]) continue;
    const auto form = static_cast<uint8_t>(c | kCaseBit);
    if (std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(form);
  }
  anchor.form_count = std::min(forms.size(), kMaxForms);
  for (size_t k = 0; k < anchor.form_count; ++k)
    anchor.forms[k].fill(forms[k]);
  return anchor;
}

bool FoldedFinder::MatchesAt(const uint8_t* at) const {
  const uint8_t* pattern = folded_.data();
  const size_t length = folded_.size();
  for (size_t k = 0; k < length; ++k) {
    if (fold_[at[k]] != pattern[k]) return false;
  }
  return true;
}

size_t FoldedFinder::Find(std::span<const uint8_t> bytes, size_t from, size_t end) const {
  if (folded_.empty()) return from <= bytes.size() && from <= end ? from : kNone;
  size_t found = kNone;
  ForEach(bytes, from, end, [&found](size_t at) {
    found = at;
    return kNone;
  });
  return found;
}

void FoldedFinder::ForEachMatch(std::span<const uint8_t> bytes, size_t from, size_t end,
                                const Visitor& visit) const {
  if (folded_.empty() || from >= end || from > bytes.size() ||
      bytes.size() - from < folded_.size()) {
    return;
  }
  // A vector of starts p..p+w-1 reads up to w-1 bytes past an anchor of
  // start p; the scans take only vectors whose last start is at most
  // `last`, so every read stays inside the bytes. Starts past `limit` are
  // read but never reported.
  const size_t last = bytes.size() - folded_.size();
  const size_t limit = std::min(last, end - 1);
  const uint8_t* base = bytes.data();
  size_t p = from;
#if defined(VX_FINDER_X86)
  if (avx2_ && !ScanAvx2(base, p, limit, last, visit)) return;
  if (!ScanSse2(base, p, limit, last, visit)) return;
#endif
  ScanScalar(base, p, limit, visit);
}

// Passes the match at `at` on; false when the visitor stops. Otherwise
// `resume` is where the search goes on, after the match.
bool FoldedFinder::Report(size_t at, const Visitor& visit, size_t& resume) {
  resume = visit(at);
  if (resume == kNone) return false;
  resume = std::max(resume, at + 1);
  return true;
}

void FoldedFinder::ScanScalar(const uint8_t* base, size_t p, size_t limit,
                              const Visitor& visit) const {
  while (p <= limit) {
    if (!MatchesAt(base + p)) {
      ++p;
    } else if (!Report(p, visit, p)) {
      return;
    }
  }
}

#if defined(VX_FINDER_X86)

bool FoldedFinder::ScanSse2(const uint8_t* base, size_t& p, size_t limit, size_t last,
                            const Visitor& visit) const {
  constexpr size_t kWidth = 16;
  const __m128i case_bit = _mm_set1_epi8(static_cast<char>(kCaseBit));
  auto match = [&](const uint8_t* at, const Anchor& anchor) {
    const __m128i v = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), case_bit);
    auto form = [&](size_t k) {
      return _mm_load_si128(reinterpret_cast<const __m128i*>(anchor.forms[k].data()));
    };
    __m128i hit = _mm_cmpeq_epi8(v, form(0));
    for (size_t k = 1; k < anchor.form_count; ++k)
      hit = _mm_or_si128(hit, _mm_cmpeq_epi8(v, form(k)));
    return hit;
  };
  const uint8_t* first_base = base + first_.position;
  const uint8_t* second_base = base + second_.position;
  size_t q = p;
  while (q <= limit && last - q >= kWidth - 1) {
    const __m128i hit =
        _mm_and_si128(match(first_base + q, first_), match(second_base + q, second_));
    auto mask = static_cast<uint32_t>(_mm_movemask_epi8(hit)) &
                static_cast<uint32_t>(StartsUpTo(limit - q));
    size_t next = q + kWidth;
    while (mask != 0) {
      const size_t at = q + static_cast<size_t>(__builtin_ctz(mask));
      mask &= mask - 1;
      if (!MatchesAt(base + at)) continue;
      size_t resume = 0;
      if (!Report(at, visit, resume)) return false;
      if (resume >= q + kWidth) {
        next = resume;
        break;
      }
      mask &= ~uint32_t{0} << (resume - q);
    }
    q = next;
  }
  p = q;
  return true;
}

__attribute__((target("avx2"))) bool FoldedFinder::ScanAvx2(const uint8_t* base, size_t& p,
                                                            size_t limit, size_t last,
                                                            const Visitor& visit) const {
  constexpr size_t kWidth = 32;
  const __m256i case_bit = _mm256_set1_epi8(static_cast<char>(kCaseBit));
  auto match = [&](const uint8_t* at, const Anchor& anchor) __attribute__((target("avx2"))) {
    const __m256i v =
        _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at)), case_bit);
    auto form = [&](size_t k) __attribute__((target("avx2"))) {
      return _mm256_load_si256(reinterpret_cast<const __m256i*>(anchor.forms[k].data()));
    };
    __m256i hit = _mm256_cmpeq_epi8(v, form(0));
    for (size_t k = 1; k < anchor.form_count; ++k)
      hit = _mm256_or_si256(hit, _mm256_cmpeq_epi8(v, form(k)));
    return hit;
  };
  const uint8_t* first_base = base + first_.position;
  const uint8_t* second_base = base + second_.position;
  // Reports the matches among `mask`'s starts from q; false when the
  // visitor stops, otherwise `next` is where the scan goes on.
  auto report_all = [&](uint64_t mask, size_t q, size_t& next) {
    while (mask != 0) {
      const size_t at = q + static_cast<size_t>(__builtin_ctzll(mask));
      mask &= mask - 1;
      if (!MatchesAt(base + at)) continue;
      size_t resume = 0;
      if (!Report(at, visit, resume)) return false;
      if (resume >= next) {
        next = resume;
        return true;
      }
      mask &= ~uint64_t{0} << (resume - q);
    }
    return true;
  };
  size_t q = p;
  // Two vectors a round, as memchr does, so the loop's own work is halved.
  while (q <= limit && last - q >= 2 * kWidth - 1) {
    const __m256i low =
        _mm256_and_si256(match(first_base + q, first_), match(second_base + q, second_));
    const __m256i high = _mm256_and_si256(match(first_base + q + kWidth, first_),
                                          match(second_base + q + kWidth, second_));
    const uint64_t mask =
        (static_cast<uint64_t>(static_cast<uint32_t>(_mm256_movemask_epi8(low))) |
         (static_cast<uint64_t>(static_cast<uint32_t>(_mm256_movemask_epi8(high))) << 32)) &
        StartsUpTo(limit - q);
    size_t next = q + 2 * kWidth;
    if (mask != 0 && !report_all(mask, q, next)) return false;
    q = next;
  }
  while (q <= limit && last - q >= kWidth - 1) {
    const __m256i hit =
        _mm256_and_si256(match(first_base + q, first_), match(second_base + q, second_));
    const uint64_t mask = static_cast<uint32_t>(_mm256_movemask_epi8(hit)) &
                          static_cast<uint32_t>(StartsUpTo(limit - q));
    size_t next = q + kWidth;
    if (mask != 0 && !report_all(mask, q, next)) return false;
    q = next;
  }
  p = q;
  return true;
}

#endif

}  // namespace vx
