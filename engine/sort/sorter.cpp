#include "engine/sort/sorter.h"

#include <algorithm>

namespace vx {
namespace {

// Writes everything `merger` yields to `out` in full chunks; `count` gets
// the number of entries written.
bool WriteMerged(RunMerger& merger, SpillFile& out, uint64_t& count) {
  std::vector<SortEntry> chunk;
  chunk.reserve(SpillFile::kChunkEntries);
  count = 0;
  for (const SortEntry* entry = merger.Next(); entry != nullptr; entry = merger.Next()) {
    chunk.push_back(*entry);
    if (chunk.size() == SpillFile::kChunkEntries) {
      if (!out.AppendChunk(chunk)) return false;
      count += chunk.size();
      chunk.clear();
    }
  }
  if (!merger.Ok()) return false;
  if (!chunk.empty() && !out.AppendChunk(chunk)) return false;
  count += chunk.size();
  return true;
}

}  // namespace

void Tvxsortera::Init(size_t capacity) {
  ForgetReading();
  capacity_ = capacity;
  batch_.clear();
  file_.reset();
  runs_.clear();
  spilled_count_ = 0;
  spill_failed_ = false;
  sorted_ = false;
  ok_ = true;
}

void Tvxsortera::Add(std::string_view key, uint32_t value) {
  if (capacity_ == 0) return;
  ForgetReading();
  sorted_ = false;
  if (batch_.size() >= capacity_ && !spill_failed_) Spill();
  batch_.push_back({std::string(key.substr(0, SpillFile::kMaxKeyLength)), value});
}

void Tvxsortera::Sort() {
  ForgetReading();
  SortBatch();
  sorted_ = true;
}

const SortEntry* Tvxsortera::Entry(size_t i) {
  if (!sorted_ || i < 1 || i > Count()) return nullptr;
  if (runs_.empty()) return &batch_[i - 1];
  if (merger_ == nullptr || i < merged_position_) {
    ForgetReading();
    merger_ = std::make_unique<RunMerger>(file_.get(), runs_, batch_);
  }
  while (merged_position_ < i) {
    merged_current_ = merger_->Next();
    if (merged_current_ == nullptr) {
      ok_ = false;
      ForgetReading();
      return nullptr;
    }
    ++merged_position_;
  }
  return merged_current_;
}

std::filesystem::path Tvxsortera::SpillPath() const {
  return file_ != nullptr ? file_->path() : std::filesystem::path();
}

void Tvxsortera::SortBatch() {
  std::sort(batch_.begin(), batch_.end(), SortsBefore);
}

void Tvxsortera::Spill() {
  SortBatch();
  if (file_ == nullptr) file_ = SpillFile::Create(temp_directory_);
  const bool room = file_ != nullptr && (runs_.size() < kMaxRuns || MergeAllRuns());
  if (!room || !WriteRun(*file_, batch_)) {
    spill_failed_ = true;
    return;
  }
  spilled_count_ += batch_.size();
  batch_.clear();
}

// Records the run only when every chunk was written.
bool Tvxsortera::WriteRun(SpillFile& file, std::span<const SortEntry> entries) {
  const SpillRun run{file.Size(), entries.size()};
  for (size_t at = 0; at < entries.size(); at += SpillFile::kChunkEntries) {
    const size_t n = std::min(SpillFile::kChunkEntries, entries.size() - at);
    if (!file.AppendChunk(entries.subspan(at, n))) return false;
  }
  runs_.push_back(run);
  return true;
}

// Merges every run into one run of a new spill file, which replaces the old
// one. On failure the old file and runs stay as they were.
bool Tvxsortera::MergeAllRuns() {
  std::unique_ptr<SpillFile> merged_file = SpillFile::Create(temp_directory_);
  if (merged_file == nullptr) return false;
  uint64_t count = 0;
  {
    RunMerger merger(file_.get(), runs_, {});
    if (!WriteMerged(merger, *merged_file, count)) return false;
  }
  file_ = std::move(merged_file);
  runs_.assign(1, SpillRun{0, count});
  return true;
}

void Tvxsortera::ForgetReading() {
  merger_.reset();
  merged_position_ = 0;
  merged_current_ = nullptr;
}

}  // namespace vx
