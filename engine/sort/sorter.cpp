#include "engine/sort/sorter.h"

#include <system_error>

#include "engine/sort/sort_entry_runs.h"

namespace vx {

void Tvxsortera::Init(size_t capacity) {
  capacity_ = capacity;
  sorter_.reset();
  sorted_ = false;
  position_ = 0;
}

void Tvxsortera::Add(std::string_view key, uint32_t value) {
  if (capacity_ == 0) return;
  if (sorter_ == nullptr) {
    std::error_code error;
    std::filesystem::path directory = temp_directory_;
    if (directory.empty()) directory = std::filesystem::temp_directory_path(error);
    // The capacity bounds the batch, not a budget in bytes.
    sorter_ = std::make_unique<SpillSorter>(SIZE_MAX, directory, SortEntryRuns(), capacity_);
  }
  sorted_ = false;
  position_ = 0;
  key = key.substr(0, kMaxSortKeyText);
  MakeSortKey(key, value, sort_key_);
  // A batch that cannot be spilled stays in memory: nothing to report.
  sorter_->Add(sort_key_, key);
}

void Tvxsortera::Sort() {
  if (sorter_ != nullptr) sorter_->Finish();
  sorted_ = true;
  position_ = 0;
}

const SortEntry* Tvxsortera::Entry(size_t i) {
  if (!sorted_ || i < 1 || i > Count()) return nullptr;
  if (i < position_) {
    sorter_->Rewind();
    position_ = 0;
  }
  std::string_view key, text;
  while (position_ < i) {
    if (!sorter_->Next(key, text)) {
      position_ = 0;
      return nullptr;
    }
    ++position_;
    if (position_ == i) {
      current_.key.assign(text);
      current_.value = ValueOfSortKey(key);
    }
  }
  return &current_;
}

std::filesystem::path Tvxsortera::SpillPath() const {
  return sorter_ != nullptr ? sorter_->SpillPath() : std::filesystem::path();
}

}  // namespace vx
