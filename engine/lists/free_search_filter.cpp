#include "engine/lists/free_search_filter.h"

#include <algorithm>
#include <optional>

#include "engine/files/file.h"

#include "engine/util/byte_order.h"
#include "engine/util/crc32c.h"

namespace vx {
namespace {

constexpr size_t kLengthWordSize = 4;

bool AnySet(const std::vector<uint64_t>& bits) {
  return std::any_of(bits.begin(), bits.end(), [](uint64_t word) { return word != 0; });
}

}  // namespace

void FreeSearchFilter::Clear() {
  mapping_.Unmap();
  std::vector<uint8_t>().swap(copy_);
  bytes_ = {};
  std::vector<Block>().swap(blocks_);
  std::vector<Trigram>().swap(trigrams_);
}

bool FreeSearchFilter::Bring(const std::string& path, bool& found) {
  const std::optional<std::string> resolved = ResolveCaseInsensitive(path);
  found = resolved.has_value();
  if (!found) return false;
  if (mapping_.Map(*resolved)) {
    bytes_ = mapping_.bytes();
    return true;
  }
  File file;
  if (file.OpenExisting(*resolved, FileAccess::kReadOnly) != OpenResult::kOpened) return false;
  copy_.resize(static_cast<size_t>(file.Size()));
  if (!file.ReadAt(0, copy_.data(), copy_.size())) return false;
  bytes_ = copy_;
  return true;
}

FreeSearchFilter::LoadResult FreeSearchFilter::Load(const std::string& path,
                                                    const EntryFile& entries) {
  Clear();
  bool found = false;
  FreeSearchFilterHeader header;
  const bool usable =
      Bring(path, found) && header.Load(bytes_) && header.FileSize() == bytes_.size() &&
      header.entry_file_size == entries.size && header.entry_file_blocks == entries.blocks &&
      ReadDirectory(header) && Tile(header, entries);
  if (usable) return LoadResult::kLoaded;
  Clear();
  return found ? LoadResult::kUnusable : LoadResult::kMissing;
}

bool FreeSearchFilter::ReadDirectory(const FreeSearchFilterHeader& header) {
  // The header's sizes add up to the file's, so every part lies inside it.
  const std::span<const uint8_t> rows =
      bytes_.subspan(static_cast<size_t>(header.DirectoryOffset()),
                     static_cast<size_t>(header.trigram_count) * kFilterTrigramRowSize);
  if (Crc32c(rows) != header.directory_crc) return false;
  trigrams_.resize(header.trigram_count);
  size_t offset = static_cast<size_t>(header.ListsOffset());
  for (size_t i = 0; i < trigrams_.size(); ++i) {
    const uint8_t* row = rows.data() + i * kFilterTrigramRowSize;
    Trigram& t = trigrams_[i];
    t.code = TrigramCode(row);
    if (row[3] > static_cast<uint8_t>(FilterListKind::kBitmap)) return false;
    if (i > 0 && t.code <= trigrams_[i - 1].code) return false;
    t.kind = static_cast<FilterListKind>(row[3]);
    t.offset = offset;
    t.length = LoadU32(row + 4);
    t.crc = LoadU32(row + 8);
    offset += t.length;
  }
  return offset == header.DirectoryOffset();
}

// Gives each row of the block table its place in the entry file: the rows
// cover the entry file's blocks one after the other, each block exactly.
bool FreeSearchFilter::Tile(const FreeSearchFilterHeader& header, const EntryFile& entries) {
  const std::span<const uint8_t> table =
      bytes_.subspan(static_cast<size_t>(header.BlockTableOffset()),
                     static_cast<size_t>(header.block_count) * kFilterBlockRowSize);
  if (Crc32c(table) != header.block_table_crc) return false;
  blocks_.clear();
  blocks_.reserve(header.block_count);
  uint64_t offset = entries.first_block;
  uint64_t entry_count = 0;
  size_t row = 0;
  for (uint32_t k = 0; k < entries.blocks; ++k) {
    uint32_t length = 0;
    if (offset > entries.size || entries.size - offset < kLengthWordSize ||
        !entries.block_length(offset, length) || length > entries.block_limit ||
        entries.size - offset - kLengthWordSize < length) {
      return false;
    }
    uint32_t entries_before = 0;
    for (uint32_t filled = 0; filled < length; ++row) {
      if (row == header.block_count) return false;
      const uint32_t row_length = LoadU32(table.data() + row * kFilterBlockRowSize);
      const uint32_t row_entries = LoadU32(table.data() + row * kFilterBlockRowSize + 4);
      if (row_length == 0 || row_entries == 0 || row_length > length - filled) return false;
      blocks_.push_back({offset, filled, row_length, entries_before, row_entries});
      filled += row_length;
      entries_before += row_entries;
      entry_count += row_entries;
    }
    offset += kLengthWordSize + length;
  }
  return row == header.block_count && offset == entries.size && entry_count == header.entry_count;
}

const FreeSearchFilter::Trigram* FreeSearchFilter::Find(uint32_t code) const {
  const auto it = std::lower_bound(trigrams_.begin(), trigrams_.end(), code,
                                   [](const Trigram& t, uint32_t c) { return t.code < c; });
  return it != trigrams_.end() && it->code == code ? &*it : nullptr;
}

bool FreeSearchFilter::ReadList(const Trigram& trigram, std::vector<uint64_t>& bits) const {
  const std::span<const uint8_t> list = bytes_.subspan(trigram.offset, trigram.length);
  return Crc32c(list) == trigram.crc &&
         DecodeFilterList(trigram.kind, list, static_cast<uint32_t>(blocks_.size()), bits);
}

bool FreeSearchFilter::Candidates(std::string_view folded, std::vector<uint64_t>& bits) {
  bits.clear();
  wanted_.clear();
  const auto* bytes = reinterpret_cast<const uint8_t*>(folded.data());
  for (size_t i = 0; i + 3 <= folded.size(); ++i) {
    const Trigram* trigram = Find(TrigramCode(bytes + i));
    if (trigram == nullptr) return true;  // no block holds it
    wanted_.push_back(trigram);
  }
  // Shortest lists first: they decide the most and cost the least.
  std::sort(wanted_.begin(), wanted_.end(), [](const Trigram* a, const Trigram* b) {
    return a->length != b->length ? a->length < b->length : a->code < b->code;
  });
  wanted_.erase(std::unique(wanted_.begin(), wanted_.end()), wanted_.end());
  for (size_t i = 0; i < wanted_.size(); ++i) {
    if (!ReadList(*wanted_[i], i == 0 ? bits : list_bits_)) return false;
    if (i == 0) continue;
    for (size_t w = 0; w < bits.size(); ++w)
      bits[w] &= list_bits_[w];
    if (!AnySet(bits)) {
      bits.clear();
      return true;
    }
  }
  return true;
}

}  // namespace vx
