// Our search against SQLite on the same register set.
//
//   sok-mot-sqlite [--antal N] [--runs R] [--only TEXT] [--fresh] [--utan-filter] [DIR]
//
// Builds under DIR (default /tmp/vx-sok-mot-sqlite) a register set of N
// births (default 1 000 000), 0.4 N marriages and 0.8 N deaths with
// `kuvo-data exempel` and `kuvo-data bygg`, and loads the same source
// records into an SQLite database beside it (sql_schema.h); both are reused
// while they were made for the same N. Prints what opening the set costs,
// reading and composing random records, expansion against lhasa, then asks
// both the fixed query mix (query_mix.h), in process, and tabulates the
// medians, their ratio (SQLite / ours) and whether the hit counts agree
// (mix_comparison.h), for SQLite's B-tree tables and with its FTS5 trigram
// tables, which are loaded after the B-tree tables and reported apart.
//
// --only runs just the queries whose title holds TEXT, without the other
// figures (for profiling); --fresh builds and loads anew; --utan-filter
// has our free-search lists read whole, as without their trigram filters,
// whose size it prints beside the lists' either way. Exits 1 when any
// count differs, so that a disagreement fails a test run; timings never
// make it fail.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/filter_figures.h"
#include "bench/mix_comparison.h"
#include "bench/sample_set.h"
#include "bench/side_figures.h"
#include "bench/sql_fts5_loader.h"
#include "bench/sql_loader.h"
#include "bench/sqlite_db.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using vx::bench::Milliseconds;

int64_t StampedCount(const fs::path& stamp) {
  std::ifstream in(stamp);
  int64_t count = -1;
  in >> count;
  return in ? count : -1;
}

// The register set of `births` births under dir/data, built unless the
// stamp says it is there.
bool PrepareSet(const fs::path& dir, int64_t births, bool fresh) {
  const fs::path stamp = dir / "antal";
  if (!fresh && StampedCount(stamp) == births && fs::exists(dir / "data" / "vaxor0001l1.i"))
    return true;
  std::printf("Building %lld births, %lld marriages, %lld deaths under %s ...\n",
              static_cast<long long>(births), static_cast<long long>(births * 2 / 5),
              static_cast<long long>(births * 4 / 5), dir.c_str());
  std::fflush(stdout);
  fs::remove(stamp);
  fs::remove_all(dir / "data");
  fs::remove(dir / "jamforelse.sqlite");
  fs::create_directories(dir);
  if (!vx::bench::BuildSampleSet(VX_KUVO_DATA, dir, births, births * 2 / 5, births * 4 / 5))
    return false;
  std::ofstream(stamp) << births << "\n";
  return true;
}

double Megabytes(const fs::path& file) {
  return static_cast<double>(fs::file_size(file)) / 1e6;
}

bool LoadBtree(const fs::path& dir, const fs::path& file, int64_t births, vx::TEVF& evf) {
  fs::remove(file);
  std::printf("Loading the sources into SQLite (%s) ...\n", file.c_str());
  std::fflush(stdout);
  const auto start = Clock::now();
  vx::bench::SqlDb db(file.string());
  if (!vx::bench::LoadRegisterSet(db, dir / "kalla", evf, births)) return false;
  std::printf("  loaded and indexed in %.0f s, %.0f MB\n", Milliseconds(Clock::now() - start) / 1e3,
              Megabytes(file));
  return true;
}

// The FTS5 tables go into the same file after the B-tree tables, so that
// their time and size are their own.
void AddFts5(const fs::path& file, int64_t births) {
  std::printf("Adding the FTS5 trigram tables ...\n");
  std::fflush(stdout);
  const double before = Megabytes(file);
  const auto start = Clock::now();
  {
    vx::bench::SqlDb db(file.string());
    vx::bench::LoadFts5(db, births);
  }
  std::printf("  FTS5 tables loaded in %.0f s, %.0f MB more (%.0f MB in all)\n",
              Milliseconds(Clock::now() - start) / 1e3, Megabytes(file) - before, Megabytes(file));
}

bool PrepareDatabase(const fs::path& dir, int64_t births, vx::TEVF& evf) {
  const fs::path file = dir / "jamforelse.sqlite";
  bool btree = false;
  bool fts5 = false;
  {
    vx::bench::SqlDb db(file.string());
    btree = vx::bench::LoadedCount(db) == births;
    fts5 = btree && vx::bench::Fts5LoadedCount(db) == births;
  }
  if (!btree && !LoadBtree(dir, file, births, evf)) return false;
  if (!fts5) AddFts5(file, births);
  return true;
}

int Usage() {
  std::fprintf(stderr,
               "usage: sok-mot-sqlite [--antal N] [--runs R] [--only TEXT] [--fresh] "
               "[--utan-filter] [DIR]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  fs::path dir = "/tmp/vx-sok-mot-sqlite";
  int64_t births = 1000000;
  int runs = 15;
  std::string only;
  bool fresh = false;
  bool filters = true;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--antal" && i + 1 < argc) {
      births = std::atoll(argv[++i]);
      if (births < 1) return Usage();
    } else if (arg == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--only" && i + 1 < argc) {
      only = argv[++i];
    } else if (arg == "--fresh") {
      fresh = true;
    } else if (arg == "--utan-filter") {
      filters = false;
    } else if (arg.starts_with("-")) {
      return Usage();
    } else {
      dir = arg;
    }
  }
  if (!PrepareSet(dir, births, fresh)) return 1;

  vx::Configuration config;
  config.regnr = "0001";
  config.hdbasen = (dir / "data").string() + "/";
  vx::ShellHooks hooks;
  vx::TEVF evf;
  const auto open_start = Clock::now();
  evf.oppnadatabas(config, hooks);
  const double open_ms = Milliseconds(Clock::now() - open_start);
  std::printf(
      "Register set of %d births, %d marriages, %d deaths opened in %.1f ms; "
      "peak memory %.1f MB (VmHWM), resident %.1f MB\n",
      evf.PersonList(1).RowCount(), evf.PersonList(2).RowCount(), evf.PersonList(3).RowCount(),
      open_ms, vx::bench::StatusMegabytes("VmHWM"), vx::bench::StatusMegabytes("VmRSS"));
  vx::bench::UseFilters(evf, filters);
  std::printf("Free-search lists searched %s their trigram filters\n",
              filters ? "through" : "without");
  vx::bench::MeasureFilterSizes(dir / "data", only.empty());
  if (only.empty()) {
    vx::bench::TimeRandomRecords(evf, 10000);
    vx::bench::RunExpansionComparison(VX_BENCH_EXPAND, births >= 100000 ? 16 : 1);
  }

  if (!PrepareDatabase(dir, births, evf)) return 1;
  vx::bench::SqlDb db((dir / "jamforelse.sqlite").string());
  db.Exec("PRAGMA cache_size = -2000000; PRAGMA mmap_size = 8000000000");
  return vx::bench::CompareMix(evf, db, runs, only).All() ? 0 : 1;
}
