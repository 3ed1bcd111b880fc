// Opens arbitrary bytes as a record-text store and reads it.
//
// Input: a flag byte, two u16 lengths (pointer list, block list), then the
// pointer list's bytes, the block list's bytes and the record file's bytes.
// Flags: bit 0 plain mode (else blocks), bit 1 a key cache, bit 2 the
// pointer list loaded whole, bit 3 labels of every kind (else the births
// labels), bits 4-6 the records per block. The store is opened read-only and
// records are read, decoded and searched; the codec's exceptions are the only
// failure allowed.
//
// With --write-seeds=DIR the target writes a few well-formed stores in this
// input format to DIR and exits.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/codec/compress_errors.h"
#include "engine/store/record_store.h"
#include "engine/store/record_store_writer.h"
#include "tests/fuzz/fuzz_work_dir.h"

namespace {

namespace fs = std::filesystem;
using vx::fuzz::ReadFile;
using vx::fuzz::WorkDirectory;
using vx::fuzz::WriteFile;

constexpr char kDirectoryPrefix[] = "vx-fuzz-regtext-";

constexpr uint16_t kBlockSizes[8] = {1, 2, 3, 5, 8, 13, 50, 200};

const std::vector<std::string> kBirthLabels = {
    "1POSTNUMMER", "1LOKALID",    "1FORSKX",    "1LAN",      "1FORSKOD",   "1KAELLA",
    "1SIDA",       "1STATUS",     "1FODAT",     "1FNAMN",    "1FNAMNO",    "1ENAMN",
    "1ENAMNO",     "1ORT",        "1ORTO",      "1GENUS",    "1BORD",      "1DFODD",
    "1DOPDAT",     "1MORALDER",   "1MORTITEL",  "1MORFNAMN", "1MORFNAMNO", "1MORENAMN",
    "1MORENAMNO",  "1MORORT",     "1MORORTO",   "1FARALDER", "1FARTITEL",  "1FARFNAMN",
    "1FARFNAMNO",  "1FARENAMN",   "1FARENAMNO", "1FARORT",   "1FARORTO",   "1ANTFOD",
    "1PARITET",    "5DOPVITTNEN", "5OVRIGT",    "5REGANM"};
const std::vector<std::string> kMixedLabels = {"1KOD",  "2TAL",  "3ORD", "4NR",
                                               "5TEXT", "XNAMN", "5ANM", "1SIST"};

struct Flags {
  bool plain;
  bool key_cache;
  bool loaded;
  bool mixed;
  uint16_t block_size;
};

Flags DecodeFlags(uint8_t b) {
  return {(b & 1) != 0, (b & 2) != 0, (b & 4) != 0, (b & 8) != 0, kBlockSizes[(b >> 4) & 7]};
}

uint8_t EncodeFlags(bool plain, bool mixed, int block_size_index) {
  return static_cast<uint8_t>((plain ? 1 : 0) | (mixed ? 8 : 0) | (block_size_index << 4));
}

vx::RegtextProperties Properties(const fs::path& dir, const Flags& flags) {
  vx::RegtextProperties p;
  p.bfilkat = p.pfilkat = p.LZHfilkat = dir.string() + "/";
  p.bfilnamn = p.pfilnamn = p.LZHfilnamn = "vaxorh1";
  p.LZH = flags.plain ? vx::TblobfilLZHmode::LZHpackainte : vx::TblobfilLZHmode::LZHblockpacka;
  p.LZHposterperblock = flags.block_size;
  p.labels = flags.mixed ? kMixedLabels : kBirthLabels;
  p.textmaxsiz = 2000;
  p.pcsiz = 2000;
  p.antpc = 3;
  p.pltyp = flags.loaded ? 1 : 2;
  p.hash = flags.key_cache ? 5 : 0;
  return p;
}

// Reading may meet a damaged block.
template <typename Step>
void Guarded(Step step) {
  try {
    step();
  } catch (const vx::ECompressError&) {
  }
}

void ReadOne(vx::TVXregtext& store, int64_t recno) {
  Guarded([&] {
    if (store.ReadRecord(recno).ok()) store.DecodeFields();
  });
}

void Search(vx::TVXregtext& store, const std::string& key) {
  for (const bool prefix : {false, true}) {
    Guarded([&] {
      store.FindRecord(key, prefix);
      store.DecodeFields();
    });
  }
}

void Exercise(vx::TVXregtext& store) {
  const int64_t count = store.RecordCount();
  for (int64_t r = 1; r <= std::min<int64_t>(count, 40); ++r)
    ReadOne(store, r);
  for (const int64_t r : {count, count / 2, count + 1, int64_t{0}, int64_t{-1}})
    ReadOne(store, r);
  std::string first = store.ShortFieldCount() > 0 ? store.ShortFields()[0] : std::string();
  for (const std::string& key : {first, std::string(), std::string("\xC5"), std::string("k")})
    Search(store, key);
}

// A store of `n` records, packed into the input format.
std::vector<uint8_t> MakeSeed(const Flags& flags, uint8_t flag_byte, int n) {
  const fs::path dir = WorkDirectory(kDirectoryPrefix) / "seed";
  fs::create_directories(dir);
  const vx::RegtextProperties p = Properties(dir, flags);
  {
    vx::RecordStoreWriter writer(p);
    if (writer.Create() != vx::RecordStoreWriter::Status::kOk) std::exit(1);
    for (int i = 1; i <= n; ++i) {
      std::vector<std::string> texts;
      for (size_t f = 0; f < p.labels.size(); ++f)
        texts.push_back(f == 0 ? "k" + std::to_string(1000 + i) : "\xC5sa " + std::to_string(f));
      std::vector<vx::FieldValue> values;
      for (const std::string& t : texts)
        values.push_back({t, static_cast<int32_t>(i)});
      if (writer.Append(values) != vx::RecordStoreWriter::Status::kOk) std::exit(1);
    }
  }
  const std::vector<uint8_t> seed = vx::fuzz::PackFiles(
      flag_byte, {ReadFile(dir / "vaxorh1.p"),
                  flags.plain ? std::vector<uint8_t>() : ReadFile(dir / "vaxorh1.pz"),
                  ReadFile(dir / "vaxorh1.b")});
  fs::remove_all(dir);
  return seed;
}

void WriteSeeds(const fs::path& out) {
  fs::create_directories(out);
  struct Seed {
    bool plain;
    bool mixed;
    int block_size_index;
    int records;
  };
  const Seed seeds[] = {{false, false, 1, 5}, {false, true, 0, 3},   {true, false, 0, 4},
                        {true, true, 0, 2},   {false, false, 3, 12}, {false, false, 2, 0}};
  int n = 0;
  for (const Seed& s : seeds) {
    const uint8_t flag_byte = EncodeFlags(s.plain, s.mixed, s.block_size_index);
    const std::vector<uint8_t> seed = MakeSeed(DecodeFlags(flag_byte), flag_byte, s.records);
    WriteFile(out / ("store-" + std::to_string(++n)), seed.data(), seed.size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  vx::fuzz::WriteSeedsIfAsked(*argc, *argv, WriteSeeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path& dir = WorkDirectory(kDirectoryPrefix);
  if (!vx::fuzz::UnpackFiles(data, size, dir / "vaxorh1.p", dir / "vaxorh1.pz", dir / "vaxorh1.b"))
    return 0;
  const Flags flags = DecodeFlags(data[0]);

  vx::TVXregtext store;
  store.properties() = Properties(dir, flags);
  if (store.Open()) Exercise(store);
  return 0;
}
