#include "builder/filter_trigrams.h"

#include <algorithm>
#include <utility>

#include "engine/lists/free_search_filter_format.h"
#include "engine/text/collation.h"

namespace vx {
namespace {

constexpr uint32_t kEmpty = UINT32_MAX;  // no trigram code
// A kilobyte of text holds at most about a thousand trigrams.
constexpr size_t kFirstSlots = 4096;

// `slots` is a power of two.
size_t SlotOf(uint32_t code, size_t slots) {
  uint32_t h = code * 0x9E3779B1u;
  h ^= h >> 16;
  return h & (slots - 1);
}

}  // namespace

FilterTrigrams::FilterTrigrams(size_t budget, std::filesystem::path temp_dir)
    : pairs_(budget, std::move(temp_dir)), slots_(kFirstSlots, kEmpty) {}

bool FilterTrigrams::FirstInBlock(uint32_t code) {
  size_t slot = SlotOf(code, slots_.size());
  for (; slots_[slot] != kEmpty; slot = (slot + 1) & (slots_.size() - 1)) {
    if (slots_[slot] == code) return false;
  }
  slots_[slot] = code;
  seen_codes_.push_back(code);
  if (2 * seen_codes_.size() > slots_.size()) {
    // A long entry: twice the slots, the codes placed anew.
    slots_.assign(2 * slots_.size(), kEmpty);
    for (const uint32_t known : seen_codes_) {
      size_t s = SlotOf(known, slots_.size());
      while (slots_[s] != kEmpty)
        s = (s + 1) & (slots_.size() - 1);
      slots_[s] = known;
    }
  }
  return true;
}

void FilterTrigrams::ForgetBlock() {
  if (seen_codes_.size() * 8 > slots_.size()) {
    std::fill(slots_.begin(), slots_.end(), kEmpty);
  } else {
    for (const uint32_t code : seen_codes_) {
      size_t slot = SlotOf(code, slots_.size());
      while (slots_[slot] != code)
        slot = (slot + 1) & (slots_.size() - 1);
      slots_[slot] = kEmpty;
    }
  }
  seen_codes_.clear();
}

bool FilterTrigrams::Add(uint32_t block, std::string_view text) {
  if (block != block_) {
    ForgetBlock();
    block_ = block;
  }
  folded_ = MapText(text, FoldTable());
  const auto* bytes = reinterpret_cast<const uint8_t*>(folded_.data());
  for (size_t i = 0; i + 3 <= folded_.size(); ++i) {
    if (!FirstInBlock(TrigramCode(bytes + i))) continue;
    if (!pairs_.AddExact(0, std::string_view(folded_).substr(i, 3), block)) return false;
  }
  return true;
}

bool FilterTrigrams::Finish() {
  ForgetBlock();
  return pairs_.Finish();
}

bool FilterTrigrams::ForEach(const Take& take) {
  return pairs_.ForEachRow([&](uint8_t, std::string_view key, const std::vector<uint32_t>& blocks) {
    return key.size() == 3 &&
           take(TrigramCode(reinterpret_cast<const uint8_t*>(key.data())), blocks);
  });
}

}  // namespace vx
