// Opens arbitrary bytes as a record-text store and reads it.
//
// Input: three files (fuzz_work_dir.h): the pointer list, the block list and
// the record file. Flags: bit 0 plain mode (else blocks), bit 1 a key cache,
// bit 2 the pointer list loaded whole, bit 3 labels of every kind (else the
// births labels), bits 4-6 the records per block. The store is opened
// read-only and records are read, decoded and searched.
//
// With --write-seeds=DIR the target writes a few well-formed stores in this
// input format to DIR and exits.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/store/record_store.h"
#include "engine/store/record_store_writer.h"
#include "records/register_labels.h"
#include "tests/fuzz/fuzz_work_dir.h"

namespace {

namespace fs = std::filesystem;
using vx::fuzz::Guarded;

constexpr char kDirectoryPrefix[] = "vx-fuzz-regtext-";
constexpr vx::fuzz::FileNames kFiles = {"vaxorh1.p", "vaxorh1.pz", "vaxorh1.b"};
constexpr uint16_t kBlockSizes[8] = {1, 2, 3, 5, 8, 13, 50, 200};

vx::RegtextProperties Properties(const fs::path& dir, uint8_t flags) {
  vx::RegtextProperties p;
  p.bfilkat = p.pfilkat = p.LZHfilkat = dir.string() + "/";
  p.bfilnamn = p.pfilnamn = p.LZHfilnamn = "vaxorh1";
  p.LZH = (flags & 1) ? vx::TblobfilLZHmode::LZHpackainte : vx::TblobfilLZHmode::LZHblockpacka;
  p.LZHposterperblock = kBlockSizes[(flags >> 4) & 7];
  p.labels = (flags & 8) ? std::vector<std::string>{"1KOD",  "2TAL",  "3ORD", "4NR",
                                                    "5TEXT", "XNAMN", "5ANM", "1SIST"}
                         : vx::RegisterLabels(1);
  p.textmaxsiz = p.pcsiz = 2000;
  p.antpc = 3;
  p.pltyp = (flags & 4) ? 1 : 2;
  p.hash = (flags & 2) ? 5 : 0;
  return p;
}

void ReadOne(vx::TVXregtext& store, int64_t recno) {
  Guarded([&] {
    if (store.ReadRecord(recno).ok()) store.DecodeFields();
  });
}

void Exercise(vx::TVXregtext& store) {
  const int64_t count = store.RecordCount();
  for (int64_t r = 1; r <= std::min<int64_t>(count, 40); ++r)
    ReadOne(store, r);
  for (const int64_t r : {count, count / 2, count + 1, int64_t{0}, int64_t{-1}})
    ReadOne(store, r);
  std::string first = store.ShortFieldCount() > 0 ? store.ShortFields()[0] : std::string();
  for (const std::string& key : {first, std::string(), std::string("\xC5"), std::string("k")})
    for (const bool prefix : {false, true})
      Guarded([&] {
        store.FindRecord(key, prefix);
        store.DecodeFields();
      });
}

// A store of `n` records, packed into the input format.
std::vector<uint8_t> MakeSeed(uint8_t flags, int n) {
  const fs::path dir = vx::fuzz::SeedDirectory(kDirectoryPrefix);
  const vx::RegtextProperties p = Properties(dir, flags);
  {
    vx::RecordStoreWriter writer(p);
    if (writer.Create() != vx::RecordStoreWriter::Status::kOk) std::exit(1);
    for (int i = 1; i <= n; ++i) {
      std::vector<std::string> texts;  // the values point into them
      for (size_t f = 0; f < p.labels.size(); ++f)
        texts.push_back(f == 0 ? "k" + std::to_string(1000 + i) : "\xC5sa " + std::to_string(f));
      std::vector<vx::FieldValue> values;
      for (const std::string& text : texts)
        values.push_back({text, static_cast<int32_t>(i)});
      if (writer.Append(values) != vx::RecordStoreWriter::Status::kOk) std::exit(1);
    }
  }
  return vx::fuzz::PackFiles(flags, dir, kFiles);
}

void WriteSeeds(const fs::path& out) {
  // Flags (mode, labels, records per block) and records.
  const int seeds[][2] = {{0x10, 5}, {0x08, 3}, {0x01, 4}, {0x09, 2}, {0x30, 12}, {0x20, 0}};
  for (size_t i = 0; i < std::size(seeds); ++i)
    vx::fuzz::WriteFile(out / ("store-" + std::to_string(i + 1)),
                        MakeSeed(static_cast<uint8_t>(seeds[i][0]), seeds[i][1]));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  vx::fuzz::WriteSeedsIfAsked(*argc, *argv, WriteSeeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path& dir = vx::fuzz::WorkDirectory(kDirectoryPrefix);
  if (!vx::fuzz::UnpackFiles({data, size}, dir, kFiles)) return 0;
  vx::TVXregtext store;
  store.properties() = Properties(dir, data[0]);
  if (store.Open()) Exercise(store);
  return 0;
}
