#include "builder/posting_collector.h"

#include <algorithm>

#include "builder/varint.h"

namespace vx {
namespace {

// A row's payload: spelling count, each spelling (size, bytes, uses), then
// the record count and the records as ascending differences.
void EncodeRow(const CollectorTable& table, uint32_t row, std::vector<uint32_t>& records,
               std::string& out) {
  out.clear();
  size_t spellings = 0;
  table.ForEachSpelling(row, [&](std::string_view, uint32_t) { ++spellings; });
  PutVarint(out, spellings);
  table.ForEachSpelling(row, [&](std::string_view spelling, uint32_t uses) {
    PutVarint(out, spelling.size());
    out += spelling;
    PutVarint(out, uses);
  });
  table.RecordsOf(row, records);
  PutVarint(out, records.size());
  uint32_t previous = 0;
  for (uint32_t record : records) {
    PutVarint(out, record - previous);
    previous = record;
  }
}

// A row being joined from the batches that hold its key.
struct JoinedRow {
  std::vector<std::pair<std::string, uint32_t>> spellings;
  std::vector<uint32_t> records;

  void Clear() {
    spellings.clear();
    records.clear();
  }

  bool Join(std::string_view payload) {
    uint64_t count = 0, uses = 0;
    if (!GetVarint(payload, count)) return false;
    for (uint64_t i = 0; i < count; ++i) {
      std::string_view spelling;
      if (!GetSized(payload, spelling) || !GetVarint(payload, uses)) return false;
      AddSpelling(spelling, static_cast<uint32_t>(uses));
    }
    if (!GetVarint(payload, count)) return false;
    uint64_t record = 0, step = 0;
    for (uint64_t i = 0; i < count; ++i) {
      if (!GetVarint(payload, step)) return false;
      record += step;
      // A record whose values were split between two batches.
      if (!records.empty() && records.back() == record) continue;
      records.push_back(static_cast<uint32_t>(record));
    }
    return true;
  }

  void AddSpelling(std::string_view spelling, uint32_t uses) {
    for (auto& [known, known_uses] : spellings) {
      if (known == spelling) {
        known_uses += uses;
        return;
      }
    }
    spellings.emplace_back(spelling, uses);
  }

  // The most frequent spelling, the first in byte order among equals; for
  // an exact key, the key after its first zero byte.
  std::string_view Text(std::string_view key) const {
    if (spellings.empty()) {
      const size_t zero = key.find('\0');
      return zero == std::string_view::npos ? key : key.substr(zero + 1);
    }
    auto best = spellings.begin();
    for (auto it = spellings.begin(); it != spellings.end(); ++it) {
      if (it->second > best->second || (it->second == best->second && it->first < best->first)) {
        best = it;
      }
    }
    return best->first;
  }
};

}  // namespace

PostingCollector::PostingCollector(size_t budget, std::filesystem::path temp_dir)
    : table_budget_(budget / 4 * 3),
      table_(budget / 4 * 3),
      sorter_(budget / 4, std::move(temp_dir)) {}

uint32_t PostingCollector::RowFor(uint8_t list, std::string_view key) {
  scratch_.assign(1, static_cast<char>(list));
  scratch_.append(key);
  return table_.RowFor(scratch_);
}

bool PostingCollector::Add(uint8_t list, std::string_view key, std::string_view spelling,
                           uint32_t record) {
  const uint32_t row = RowFor(list, key);
  table_.AddRecord(row, record);
  table_.AddSpelling(row, spelling);
  return DumpIfFull();
}

bool PostingCollector::AddExact(uint8_t list, std::string_view key, uint32_t record) {
  table_.AddRecord(RowFor(list, key), record);
  return DumpIfFull();
}

bool PostingCollector::DumpIfFull() {
  return table_.Bytes() <= table_budget_ || Dump(false);
}

bool PostingCollector::Dump(bool release) {
  bool ok = true;
  for (uint32_t row = 0; row < table_.size() && ok; ++row) {
    EncodeRow(table_, row, records_, encoded_);
    ok = sorter_.Add(table_.Key(row), encoded_);
  }
  table_.Clear(release);
  return ok;
}

bool PostingCollector::Finish() {
  return Dump(true) && sorter_.Finish();
}

bool PostingCollector::CountRows() {
  sorter_.Rewind();
  std::fill(row_counts_.begin(), row_counts_.end(), 0);
  std::string previous;
  bool first = true;
  std::string_view key, payload;
  while (sorter_.Next(key, payload)) {
    if (!first && key == previous) continue;
    first = false;
    previous.assign(key);
    ++row_counts_[static_cast<uint8_t>(key[0])];
  }
  return sorter_.Ok();
}

bool PostingCollector::ForEachRow(const RowSink& row) {
  sorter_.Rewind();
  JoinedRow joined;
  std::string current;
  bool have = false;
  auto emit = [&] {
    const std::string_view key = std::string_view(current).substr(1);
    return row(static_cast<uint8_t>(current[0]), joined.Text(key), joined.records);
  };
  std::string_view key, payload;
  while (sorter_.Next(key, payload)) {
    if (!have || key != current) {
      if (have && !emit()) return false;
      current.assign(key);
      joined.Clear();
      have = true;
    }
    if (!joined.Join(payload)) return false;
  }
  if (!sorter_.Ok()) return false;
  return !have || emit();
}

}  // namespace vx
