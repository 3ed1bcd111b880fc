// CollectorTable: the distinct keys a PostingCollector gathers for one
// batch, each with its records (ascending, as they were added) and, for
// word lists, its spellings with their uses.
//
// The builder adds every value of every record here, so the table is the
// build's hottest part. It keeps everything in chunked arenas: no
// allocation per key, memory grows a chunk at a time (never a doubling
// that briefly holds twice the table), and Clear keeps the chunks for the
// next batch instead of freeing millions of small blocks. Keys are found
// through an open-addressed array of (hash, row) words.
#ifndef VX_BUILDER_COLLECTOR_TABLE_H_
#define VX_BUILDER_COLLECTOR_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace vx {

// Elements that never move once appended, in chunks of a fixed count.
template <typename T>
class ChunkedArray {
 public:
  explicit ChunkedArray(size_t chunk) : chunk_(chunk) {}

  T& operator[](size_t i) { return chunks_[i / chunk_][i % chunk_]; }
  const T& operator[](size_t i) const { return chunks_[i / chunk_][i % chunk_]; }
  size_t size() const { return size_; }

  // The index of the new element.
  size_t Append(const T& value) {
    if (size_ == chunks_.size() * chunk_) chunks_.push_back(std::make_unique<T[]>(chunk_));
    (*this)[size_] = value;
    return size_++;
  }
  // Empties it; the chunks stay for reuse unless `release`.
  void Clear(bool release) {
    size_ = 0;
    if (release) chunks_.clear();
  }
  // The bytes of the chunks in use.
  size_t Bytes() const { return (size_ + chunk_ - 1) / chunk_ * chunk_ * sizeof(T); }

 private:
  size_t chunk_;
  size_t size_ = 0;
  std::vector<std::unique_ptr<T[]>> chunks_;
};

// Bytes that never move once stored, in chunks; a text longer than a chunk
// gets one of its own.
class TextArena {
 public:
  explicit TextArena(size_t chunk) : chunk_(chunk) {}
  // A copy of `text` that lives until Clear.
  std::string_view Store(std::string_view text);
  // Empties it; the chunks stay for reuse unless `release`.
  void Clear(bool release);
  // The bytes of the chunks in use.
  size_t Bytes() const { return filled_ * chunk_ + large_bytes_; }

 private:
  size_t chunk_;
  size_t filled_ = 0;  // chunks in use, the last being filled
  size_t used_ = 0;    // of the last chunk in use
  std::vector<std::unique_ptr<char[]>> chunks_;
  std::vector<std::unique_ptr<char[]>> large_;  // one text each
  size_t large_bytes_ = 0;
};

class CollectorTable {
 public:
  // `budget` sizes the chunks: a small budget gets small chunks, so that a
  // table of a few keys stays well inside it.
  explicit CollectorTable(size_t budget);

  // The row of `key`, added when new.
  uint32_t RowFor(std::string_view key);
  // Adds `record` to `row` unless it is the row's last record already.
  void AddRecord(uint32_t row, uint32_t record);
  // Counts a use of `spelling` in `row`.
  void AddSpelling(uint32_t row, std::string_view spelling);

  size_t size() const { return rows_.size(); }
  std::string_view Key(uint32_t row) const { return {rows_[row].key, rows_[row].key_size}; }
  // The row's records, ascending.
  void RecordsOf(uint32_t row, std::vector<uint32_t>& records) const;
  // Calls take(spelling, uses) for each of the row's spellings.
  template <typename Take>
  void ForEachSpelling(uint32_t row, Take&& take) const {
    for (uint32_t s = rows_[row].spellings; s != 0; s = spellings_[s - 1].next)
      take(std::string_view(spellings_[s - 1].text, spellings_[s - 1].size),
           spellings_[s - 1].uses);
  }

  // The memory the table uses (chunks kept from an earlier batch do not
  // count until they are used again).
  size_t Bytes() const;
  // Empties the table; with `release` it gives its memory back.
  void Clear(bool release);

 private:
  static constexpr uint32_t kPerChunk = 7;
  struct Row {
    const char* key;
    uint32_t key_size;
    uint32_t count;      // records
    uint32_t first;      // the first record
    uint32_t last;       // the last record
    uint32_t head;       // the chunk of the second record on, 1-based; 0 none
    uint32_t tail;       // the chunk the next record goes to, 1-based
    uint32_t spellings;  // the first spelling, 1-based; 0 none
  };
  struct RecordChunk {
    uint32_t next;  // 1-based; 0 none
    uint32_t records[kPerChunk];
  };
  struct Spelling {
    const char* text;
    uint32_t size;
    uint32_t uses;
    uint32_t next;  // 1-based; 0 none
  };

  void Grow();
  // The slot where `key` (of hash `hash`) is, or the empty one it goes to.
  size_t SlotOf(std::string_view key, uint64_t hash) const;

  TextArena text_;
  ChunkedArray<Row> rows_;
  ChunkedArray<RecordChunk> chunks_;
  ChunkedArray<Spelling> spellings_;
  // Each slot: the hash's high 32 bits, then the row + 1; 0 when empty.
  std::vector<uint64_t> slots_;
  size_t smallest_slots_;
};

}  // namespace vx

#endif  // VX_BUILDER_COLLECTOR_TABLE_H_
