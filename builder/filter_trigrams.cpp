#include "builder/filter_trigrams.h"

#include <utility>

#include "engine/lists/free_search_filter_format.h"
#include "engine/text/collation.h"

namespace vx {
namespace {

constexpr size_t kCodes = size_t{1} << 24;

}  // namespace

FilterTrigrams::FilterTrigrams(size_t budget, std::filesystem::path temp_dir)
    : pairs_(budget, std::move(temp_dir)), seen_(kCodes / 64, 0) {}

void FilterTrigrams::ForgetBlock() {
  for (const uint32_t code : seen_codes_)
    seen_[code / 64] = 0;
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
    const uint32_t code = TrigramCode(bytes + i);
    uint64_t& word = seen_[code / 64];
    const uint64_t bit = uint64_t{1} << (code % 64);
    if ((word & bit) != 0) continue;
    word |= bit;
    seen_codes_.push_back(code);
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
