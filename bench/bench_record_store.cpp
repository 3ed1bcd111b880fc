// Record-text store figures: building a births store and reading it.
//
//   bench-record-store [--records N] [--reads N]
//
// Writes N (default 1 000 000) birth-like records with the 40 births labels
// into a store in blocks of 200, and the same records plainly, in a
// temporary directory. Prints the build rate, the files' size against the
// raw record bytes, and the rate of random and sequential ReadRecord +
// DecodeFields, with the block expansions they cost.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench/birth_records.h"
#include "engine/store/record_store.h"
#include "engine/store/record_store_writer.h"
#include "tests/support/files.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

vx::RegtextProperties Properties(const fs::path& dir, vx::TblobfilLZHmode mode) {
  vx::RegtextProperties p;
  p.bfilkat = p.pfilkat = p.LZHfilkat = dir.string() + "/";
  p.bfilnamn = p.pfilnamn = p.LZHfilnamn = "vaxorh1";
  p.LZH = mode;
  p.labels = vx::testing::BirthLabels();
  p.antpc = 3;
  return p;
}

// Writes the store; returns the raw bytes of its records (headers included).
uint64_t Build(const vx::RegtextProperties& properties, uint32_t records) {
  std::mt19937_64 random(1745);
  vx::RecordStoreWriter writer(properties);
  if (writer.Create() != vx::RecordStoreWriter::Status::kOk) {
    std::fprintf(stderr, "cannot create the store\n");
    std::exit(1);
  }
  uint64_t raw = 0;
  std::vector<vx::FieldValue> values;
  for (uint32_t i = 1; i <= records; ++i) {
    const std::vector<std::string> fields = vx::testing::BirthLikeFields(i, random);
    values.clear();
    raw += vx::Tvxblobfil::kRecordHeaderSize;
    for (const std::string& field : fields) {
      values.push_back({field, 0});
      raw += field.size() + 2;
    }
    if (writer.Append(values) != vx::RecordStoreWriter::Status::kOk) {
      std::fprintf(stderr, "record %u refused\n", i);
      std::exit(1);
    }
  }
  writer.Finish();
  return raw;
}

uint64_t StoreSize(const vx::RegtextProperties& p) {
  uint64_t size = fs::file_size(p.bfilkat + p.RecordFileName()) +
                  fs::file_size(p.pfilkat + p.PointerListName());
  if (p.BlockMode()) size += fs::file_size(p.LZHfilkat + p.BlockListName());
  return size;
}

// Reads `numbers` in order; returns records per second.
double TimeReads(vx::TVXregtext& store, const std::vector<int64_t>& numbers) {
  size_t fields = 0;
  const auto start = Clock::now();
  for (const int64_t recno : numbers) {
    if (!store.ReadRecord(recno).ok() || !store.DecodeFields()) {
      std::fprintf(stderr, "record %lld unreadable\n", static_cast<long long>(recno));
      std::exit(1);
    }
    fields += store.ShortFieldCount();
  }
  const double seconds = Seconds(Clock::now() - start);
  if (fields != numbers.size() * 37) std::exit(1);
  return static_cast<double>(numbers.size()) / seconds;
}

void Measure(const char* name, vx::TblobfilLZHmode mode, const fs::path& dir, uint32_t records,
             size_t reads) {
  const vx::RegtextProperties properties = Properties(dir, mode);
  const auto start = Clock::now();
  const uint64_t raw = Build(properties, records);
  const double build_seconds = Seconds(Clock::now() - start);
  const uint64_t size = StoreSize(properties);
  std::printf("%s: %u records built in %.1f s (%.0f records/s)\n", name, records, build_seconds,
              records / build_seconds);
  std::printf("  files %.1f MB against %.1f MB of raw records = %.1f %%\n", size / 1e6, raw / 1e6,
              100.0 * static_cast<double>(size) / static_cast<double>(raw));

  vx::TVXregtext store;
  store.properties() = properties;
  if (!store.Open()) std::exit(1);
  std::mt19937_64 random(7);
  std::vector<int64_t> numbers(reads);
  for (int64_t& n : numbers)
    n = 1 + static_cast<int64_t>(random() % records);
  uint64_t expansions = store.BlockExpansions();
  const double random_rate = TimeReads(store, numbers);
  std::printf("  random ReadRecord + DecodeFields: %.0f records/s (%.2f expansions a record)\n",
              random_rate,
              static_cast<double>(store.BlockExpansions() - expansions) / numbers.size());
  for (size_t i = 0; i < numbers.size(); ++i)
    numbers[i] = 1 + static_cast<int64_t>(i % records);
  expansions = store.BlockExpansions();
  const double sequential_rate = TimeReads(store, numbers);
  std::printf("  sequential ReadRecord + DecodeFields: %.0f records/s (%.3f expansions a record)\n",
              sequential_rate,
              static_cast<double>(store.BlockExpansions() - expansions) / numbers.size());
}

}  // namespace

int main(int argc, char** argv) {
  uint32_t records = 1000000;
  size_t reads = 200000;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    if (flag == "--records")
      records = static_cast<uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
    if (flag == "--reads") reads = std::strtoul(argv[i + 1], nullptr, 10);
  }
  if (records == 0 || reads == 0) {
    std::fprintf(stderr, "usage: bench-record-store [--records N] [--reads N]\n");
    return 2;
  }
  vx::testing::TempDir blocks_dir;
  Measure("blocks of 200 (LH5)", vx::TblobfilLZHmode::LZHblockpacka, blocks_dir.path(), records,
          reads);
  vx::testing::TempDir plain_dir;
  Measure("plain", vx::TblobfilLZHmode::LZHpackainte, plain_dir.path(), records, reads);
  return 0;
}
