#include "builder/word_index.h"

#include <algorithm>

namespace vx {

const std::string& WordIndex::KeyOf(std::string_view value) {
  scratch_.assign(value);
  if (distinct_ != nullptr) {
    for (char& c : scratch_)
      c = static_cast<char>((*distinct_)[static_cast<uint8_t>(c)]);
  }
  return scratch_;
}

void WordIndex::Add(std::string_view value, uint32_t record) {
  const std::string& key = KeyOf(value);
  auto it = index_.find(std::string_view(key));
  if (it == index_.end()) {
    it = index_.emplace(key, static_cast<uint32_t>(entries_.size())).first;
    entries_.emplace_back();
  }
  Entry& entry = entries_[it->second];
  if (entry.records.empty() || entry.records.back() != record) entry.records.push_back(record);
  if (distinct_ == nullptr) return;  // the key is the only spelling
  for (auto& [spelling, uses] : entry.spellings) {
    if (spelling == value) {
      ++uses;
      return;
    }
  }
  entry.spellings.emplace_back(std::string(value), 1);
}

std::vector<WordRow> WordIndex::TakeSortedRows() {
  std::vector<WordRow> rows;
  rows.reserve(entries_.size());
  if (distinct_ == nullptr) {
    for (auto& [key, index] : index_)
      rows.push_back({key, std::move(entries_[index].records)});
  }
  for (Entry& entry : entries_) {
    if (entry.spellings.empty()) continue;
    auto best = entry.spellings.begin();
    for (auto it = entry.spellings.begin(); it != entry.spellings.end(); ++it) {
      if (it->second > best->second || (it->second == best->second && it->first < best->first)) {
        best = it;
      }
    }
    rows.push_back({std::move(best->first), std::move(entry.records)});
  }
  index_.clear();
  entries_.clear();
  std::sort(rows.begin(), rows.end(), [&](const WordRow& a, const WordRow& b) {
    const int c = CompareTexts(a.text.c_str(), b.text.c_str(), order_);
    return c != 0 ? c < 0 : a.text < b.text;
  });
  return rows;
}

}  // namespace vx
