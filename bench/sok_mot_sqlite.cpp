// Our search against SQLite on the same register set.
//
//   sok-mot-sqlite [--antal N] [--runs R] [--only TEXT] [--fresh] [DIR]
//
// Builds under DIR (default /tmp/vx-sok-mot-sqlite) a register set of N
// births (default 1 000 000), 0.4 N marriages and 0.8 N deaths with
// `kuvo-data exempel` and `kuvo-data bygg`, and loads the same source
// records into an SQLite database beside it (sql_schema.h); both are reused
// while they were made for the same N. Prints what opening the set costs,
// reading and composing random records, expansion against lhasa, then asks
// both the fixed query mix (query_mix.h), in process, and tabulates the
// medians, their ratio (SQLite / ours) and whether the hit counts agree.
//
// --only runs just the queries whose title holds TEXT, without the other
// figures (for profiling); --fresh builds and loads anew. Exits 1 when any
// count differs, so that a disagreement fails a test run; timings never
// make it fail.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "bench/query_mix.h"
#include "bench/sample_set.h"
#include "bench/side_figures.h"
#include "bench/sql_loader.h"
#include "bench/sqlite_db.h"
#include "tests/support/files.h"

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

bool PrepareDatabase(const fs::path& dir, int64_t births, vx::TEVF& evf) {
  const fs::path file = dir / "jamforelse.sqlite";
  {
    vx::bench::SqlDb db(file.string());
    if (vx::bench::LoadedCount(db) == births) return true;
  }
  fs::remove(file);
  std::printf("Loading the sources into SQLite (%s) ...\n", file.c_str());
  std::fflush(stdout);
  const auto start = Clock::now();
  vx::bench::SqlDb db(file.string());
  if (!vx::bench::LoadRegisterSet(db, dir / "kalla", evf, births)) return false;
  std::printf("  loaded and indexed in %.0f s, %.0f MB\n", Milliseconds(Clock::now() - start) / 1e3,
              static_cast<double>(fs::file_size(file)) / 1e6);
  return true;
}

struct Timed {
  double median_ms = 0;
  std::vector<int64_t> counts;
};

// One run to warm up, then `runs` timed ones; a search slower than a
// second stops after three, so that slow scans do not take minutes.
Timed Time(int runs, const std::function<std::vector<int64_t>()>& search) {
  Timed timed;
  timed.counts = search();
  std::vector<double> times;
  double total = 0;
  for (int i = 0; i < runs && (i < 3 || total < 3000); ++i) {
    const auto start = Clock::now();
    timed.counts = search();
    times.push_back(Milliseconds(Clock::now() - start));
    total += times.back();
  }
  std::sort(times.begin(), times.end());
  timed.median_ms = times[times.size() / 2];
  return timed;
}

std::string Counts(const std::vector<int64_t>& counts) {
  std::string text;
  for (const int64_t c : counts) {
    if (!text.empty()) text += '/';
    text += std::to_string(c);
  }
  return text;
}

// `text` (UTF-8) cut or padded to `width` characters.
std::string Column(std::string text, size_t width) {
  const auto characters = [](const std::string& s) {
    return static_cast<size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
  };
  if (characters(text) > width) {
    while (characters(text) > width - 3 || (!text.empty() && (text.back() & 0xC0) == 0xC0))
      text.pop_back();
    text += "...";
  }
  return text + std::string(width - characters(text), ' ');
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs the mix and prints the table; returns the number of queries whose
// counts agree.
int CompareMix(vx::TEVF& evf, vx::bench::SqlDb& db, int runs, const std::string& only, int& total) {
  std::vector<vx::bench::MixQuery> mix = vx::bench::QueryMix(evf);
  std::erase_if(
      mix, [&](const vx::bench::MixQuery& q) { return q.Title().find(only) == std::string::npos; });
  std::printf("\n%-56s %11s %11s %8s %10s %s\n", "query", "ours ms", "SQLite ms", "ratio", "hits",
              "counts equal");
  std::vector<double> ratios;
  int equal = 0;
  for (const vx::bench::MixQuery& query : mix) {
    const vx::bench::SqlQuery sql = vx::bench::ToSql(evf, query);
    const Timed ours = Time(runs, [&] { return vx::bench::RunOurs(evf, query); });
    const Timed theirs = Time(runs, [&] { return vx::bench::RunSqlQuery(db, sql); });
    const double ratio = theirs.median_ms / std::max(ours.median_ms, 1e-6);
    ratios.push_back(ratio);
    const bool same = ours.counts == theirs.counts;
    equal += same ? 1 : 0;
    std::printf("%s %11.4f %11.4f %8.2f %10s %s\n", Column(query.Title(), 56).c_str(),
                ours.median_ms, theirs.median_ms, ratio, Counts(ours.counts).c_str(),
                same ? "yes" : ("NO: SQLite " + Counts(theirs.counts)).c_str());
    std::fflush(stdout);
  }
  total = static_cast<int>(mix.size());
  std::printf("median ratio: %.2f; slowest ratio: %.2f; counts equal: %d of %d\n", Median(ratios),
              *std::min_element(ratios.begin(), ratios.end()), equal, total);
  return equal;
}

int Usage() {
  std::fprintf(stderr,
               "usage: sok-mot-sqlite [--antal N] [--runs R] [--only TEXT] [--fresh] [DIR]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  fs::path dir = "/tmp/vx-sok-mot-sqlite";
  int64_t births = 1000000;
  int runs = 15;
  std::string only;
  bool fresh = false;
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
  if (only.empty()) {
    vx::bench::TimeRandomRecords(evf, 10000);
    vx::bench::RunExpansionComparison(VX_BENCH_EXPAND, births >= 100000 ? 16 : 1);
  }

  if (!PrepareDatabase(dir, births, evf)) return 1;
  vx::bench::SqlDb db((dir / "jamforelse.sqlite").string());
  db.Exec("PRAGMA cache_size = -2000000; PRAGMA mmap_size = 8000000000");
  int total = 0;
  const int equal = CompareMix(evf, db, runs, only, total);
  return equal == total ? 0 : 1;
}
