// Opens arbitrary bytes as a block-mode word list and searches it.
//
// Input: three files (fuzz_work_dir.h): the block list, the postings file
// and the row file. Flags: bit 0 keepaccent, bit 1 a key cache, bits 2-4
// the rows per block, bit 5 statistics words. The list is opened read-only
// with postings and selections; rows are read, searched and marked, and
// visible rows are walked in row and in sort order.
//
// With --write-seeds=DIR the target writes a few well-formed lists in this
// input format to DIR and exits.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/lists/sort_order_view.h"
#include "engine/lists/struct_list.h"
#include "engine/lists/word_list_writer.h"
#include "engine/util/message_sink.h"
#include "tests/fuzz/fuzz_work_dir.h"

namespace {

namespace fs = std::filesystem;
using vx::fuzz::Guarded;

constexpr char kDirectoryPrefix[] = "vx-fuzz-list-";
constexpr vx::fuzz::FileNames kFiles = {"vaxors103.iz", "vaxors103.b1", "vaxors103.i"};
constexpr uint16_t kBlockSizes[8] = {1, 2, 3, 5, 10, 50, 100, 255};
constexpr int32_t kRecords = 5000;

vx::ListProperties Properties(const fs::path& dir, uint8_t flags) {
  vx::ListProperties p;
  p.filkat = p.LZHfilkat = p.rllfilkat = dir.string() + "/";
  p.filnamn = p.LZHfilnamn = "vaxors103";
  p.radmaxlen = 30;
  p.LZH = p.finnsBLOB = p.finnsurval = true;
  p.LZHraderperblock = kBlockSizes[(flags >> 2) & 7];
  p.keepaccent = (flags & 1) != 0;
  p.hash = (flags & 2) ? 5 : 0;
  p.finnsstat = (flags & 32) != 0;
  return p;
}

// Every third row backwards, as a sort order that skips rows.
struct SkippingOrder final : vx::SortOrderView {
  explicit SkippingOrder(int32_t count) : rows(count) {}
  int32_t Count() const override { return rows / 3 + 2; }
  int32_t Get(int32_t p) const override { return p >= 1 && p <= Count() ? rows - 3 * (p - 1) : -1; }
  int32_t rows;
};

void ReadAndMark(vx::TVXstruktlista& list, vx::Tvxsmalurval& hits, int64_t row) {
  Guarded([&] {
    if (list.ReadRow(row).ok()) list.MarkRecords(hits);
  });
}

void Search(vx::TVXstruktlista& list, vx::Tvxsmalurval& hits) {
  std::string first;
  Guarded([&] {
    if (list.ReadRow(1).ok()) first = list.RowText();
  });
  const std::string words[] = {first, first.substr(0, 2), "", "\xC5", "k", std::string(300, 'a')};
  for (const std::string& word : words)
    for (const bool prefix : {true, false})
      Guarded([&] {
        if ((prefix ? list.FindPrefix(word) : list.FindExact(word)) > 0) list.MarkRecords(hits);
      });
}

void WalkVisible(vx::TVXstruktlista& list) {
  list.vald().SetAll();
  list.RebuildVisible();
  const int32_t visible = list.VisibleCount();
  for (const int32_t k : {1, 2, visible / 2, visible, visible + 1}) {
    Guarded([&] { list.GoToVisible(k); });
    list.VisiblePosition(k);
  }
  const SkippingOrder order(list.RowCount());
  list.SetSortedVisible(true, &order);
  for (const int32_t k : {1, 2, visible})
    Guarded([&] { list.GoToVisible(k); });
  list.SetSortedVisible(false, nullptr);
}

void Exercise(vx::TVXstruktlista& list) {
  vx::Tvxsmalurval hits;
  hits.Resize(kRecords);
  const int64_t count = list.RowCount();
  for (int64_t r = 1; r <= std::min<int64_t>(count, 60); ++r)
    ReadAndMark(list, hits, r);
  for (const int64_t r : {count, count / 2, count + 1, int64_t{0}, int64_t{-1}})
    ReadAndMark(list, hits, r);
  Search(list, hits);
  WalkVisible(list);
}

// A list of `n` rows, packed into the input format.
std::vector<uint8_t> MakeSeed(uint8_t flags, int n) {
  const fs::path dir = vx::fuzz::SeedDirectory(kDirectoryPrefix);
  {
    vx::WordListWriter writer(Properties(dir, flags));
    if (writer.Create() != vx::WordListWriter::Status::kOk) std::exit(1);
    // "k..." rows, then "Å..." rows: in order under both tables.
    for (uint32_t i = 1; i <= static_cast<uint32_t>(n); ++i) {
      const std::string text =
          (i <= static_cast<uint32_t>(n) / 2 ? "k" : "\xC5") + std::to_string(1000 + i);
      std::vector<uint32_t> records = {i};
      if (i % 3 == 0) records = {i, i + 7, i + 300, i + 4000};
      if (writer.Append(text, records) != vx::WordListWriter::Status::kOk) std::exit(1);
    }
  }
  return vx::fuzz::PackFiles(flags, dir, kFiles);
}

void WriteSeeds(const fs::path& out) {
  // Flags (keepaccent, key cache, rows per block) and rows.
  const int seeds[][2] = {{0x11, 25}, {0x0A, 7}, {0x03, 3}, {0x18, 150}, {0x0D, 0}, {0x17, 120}};
  for (size_t i = 0; i < std::size(seeds); ++i)
    vx::fuzz::WriteFile(out / ("list-" + std::to_string(i + 1)),
                        MakeSeed(static_cast<uint8_t>(seeds[i][0]), seeds[i][1]));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  vx::fuzz::WriteSeedsIfAsked(*argc, *argv, WriteSeeds);
  // Damage is reported for every bad posting; the reports are not the test.
  vx::SetMessageSink([](const std::string&) {});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path& dir = vx::fuzz::WorkDirectory(kDirectoryPrefix);
  if (!vx::fuzz::UnpackFiles({data, size}, dir, kFiles)) return 0;
  vx::TVXstruktlista list;
  list.properties() = Properties(dir, data[0]);
  list.SetSortedVisibleWanted(true);
  bool opened = false;
  Guarded([&] { opened = list.Open(); });  // seeding the key cache reads rows
  if (opened) Exercise(list);
  return 0;
}
