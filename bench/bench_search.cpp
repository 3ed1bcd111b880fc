// Search figures on a register set of a million births.
//
//   bench-search [DIR] [--runs N] [--only TEXT]
//
// Builds the set under DIR (default /tmp/vx-bench-search) with
// `kuvo-data exempel` and `kuvo-data bygg` unless DIR/data already holds
// one, opens it through the catalogue and times, in process, a typical
// form search (a surname beginning, a pair of first names and a ten-year
// range) and a few others: the median of N runs (default 31) and the first
// run, which finds the lists' blocks and probed rows not yet kept. --only
// times just the searches whose description contains TEXT (for profiling).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/sample_set.h"
#include "catalogue/catalogue.h"
#include "engine/files/row_file.h"
#include "engine/util/cp1252.h"
#include "search/free_text_search.h"
#include "search/lokal_id.h"
#include "search/run_search.h"
#include "tests/support/files.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using vx::bench::Milliseconds;

// Builds the register set unless it is there.
bool PrepareSet(const fs::path& dir) {
  if (fs::exists(dir / "data" / "vaxor0001l1.i")) return true;
  std::printf("Building a million births under %s (a few minutes) ...\n", dir.c_str());
  std::fflush(stdout);
  return vx::bench::BuildSampleSet(VX_KUVO_DATA, dir, 1000000, 0, 0);
}

struct Timing {
  double first_ms = 0;
  double median_ms = 0;
  double min_ms = 0;
  int hits = 0;
};

// `search` returns the hit count.
Timing Time(int runs, const std::function<int()>& search) {
  std::vector<double> times;
  Timing timing;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    timing.hits = search();
    times.push_back(Milliseconds(Clock::now() - start));
  }
  timing.first_ms = times.front();
  std::sort(times.begin(), times.end());
  timing.median_ms = times[times.size() / 2];
  timing.min_ms = times.front();
  return timing;
}

std::string only;  // --only

void Measure(const std::string& what, int runs, const std::function<int()>& search) {
  if (what.find(only) == std::string::npos) return;
  const Timing t = Time(runs, search);
  std::printf("%-58s %9.2f %9.2f %9.2f %9d\n", vx::Cp1252ToUtf8(what).c_str(), t.median_ms,
              t.min_ms, t.first_ms, t.hits);
}

// A form search of the births with these fields.
std::function<int()> FormSearch(vx::TEVF& evf,
                                std::vector<std::pair<std::string, std::string>> fields) {
  return [&evf, fields] {
    vx::SearchFormInput input(1);
    for (const auto& [prefix, text] : fields)
      input.Set(prefix, text);
    if (!vx::RunSearch(evf, input).ok()) std::exit(1);
    return evf.PersonList(1).vald().Count();
  };
}

// The Lokal-ID of the middle row of the births' Lokal-ID list.
std::string SomeLokalId(vx::TEVF& evf) {
  vx::TVXstruktlista& ids = *evf.soklistor(1, vx::SearchForm(1).lokalid_slot);
  ids.ReadRow(ids.RowCount() / 2);
  return ids.RowText();
}

// kuvo-sok as a user runs it: a new process that reads kuvo.ini, opens the
// register set, searches and prints the hits.
void TimeWholeProcess(const fs::path& dir, int runs) {
  const fs::path ini = dir / "kuvo.ini";
  const std::string text = "[databaser]\nhuvudregister=1\n[hdbaser]\nhdbasen=data/\n";
  vx::testing::WriteFileBytes(ini, std::vector<uint8_t>(text.begin(), text.end()));
  const std::vector<std::string> argv = {VX_KUVO_SOK, "--ini", ini.string(), "fodda", "--en",
                                         "Anders",    "--fn",  "Anna Maria", "--fod", "1780-1789"};
  std::vector<double> times;
  size_t hits = 0;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    const auto result = vx::testing::RunProcess(argv);
    times.push_back(Milliseconds(Clock::now() - start));
    if (result.exit_code != 0) {
      std::fprintf(stderr, "kuvo-sok failed: %s", result.err.c_str());
      return;
    }
    hits = static_cast<size_t>(std::count(result.out.begin(), result.out.end(), '\n'));
  }
  std::sort(times.begin(), times.end());
  std::printf("\nkuvo-sok as a whole process (open, search, print), typical search:\n");
  std::printf("  median %.1f ms, min %.1f ms, max %.1f ms, %zu hits\n", times[times.size() / 2],
              times.front(), times.back(), hits);
}

}  // namespace

int main(int argc, char** argv) {
  fs::path dir = "/tmp/vx-bench-search";
  int runs = 31;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--only" && i + 1 < argc) {
      only = argv[++i];
    } else if (arg.starts_with("-")) {
      std::fprintf(stderr, "usage: bench-search [DIR] [--runs N] [--only TEXT]\n");
      return 2;
    } else {
      dir = arg;
    }
  }
  if (!PrepareSet(dir)) return 1;

  vx::Configuration config;
  config.regnr = "0001";
  config.hdbasen = (dir / "data").string() + "/";
  vx::ShellHooks hooks;
  vx::TEVF evf;
  const auto open_start = Clock::now();
  evf.oppnadatabas(config, hooks);
  const double open_ms = Milliseconds(Clock::now() - open_start);
  vx::TVXstruktlista& births = evf.PersonList(1);
  std::printf("%d births; lists: surnames %d, first names %d, dates %d rows; opened in %.1f ms\n",
              births.RowCount(), evf.soklistor(1, 7)->RowCount(), evf.soklistor(1, 6)->RowCount(),
              evf.soklistor(1, 4)->RowCount(), open_ms);
  std::printf("%d runs each\n\n", runs);
  std::printf("%-58s %9s %9s %9s %9s\n", "search", "median ms", "min ms", "first ms", "hits");

  Measure("typical: en Anders, fn \"Anna Maria\", fod 1780-1789", runs,
          FormSearch(evf, {{"en", "Anders"}, {"fn", "Anna Maria"}, {"fod", "1780-1789"}}));
  Measure("typical: faren Johans, fn Anna;Maria, fod 1850-1859", runs,
          FormSearch(evf, {{"faren", "Johans"}, {"fn", "Anna;Maria"}, {"fod", "1850-1859"}}));
  Measure("surname begins-with: en Anders", runs, FormSearch(evf, {{"en", "Anders"}}));
  Measure("first names, all words: fn \"Anna Maria\"", runs,
          FormSearch(evf, {{"fn", "Anna Maria"}}));
  Measure("ten-year range: fod 1780-1789", runs, FormSearch(evf, {{"fod", "1780-1789"}}));
  Measure("one day: fod 17850612", runs, FormSearch(evf, {{"fod", "17850612"}}));
  Measure("contains in a name field: en *berg*", runs, FormSearch(evf, {{"en", "*berg*"}}));
  Measure("contains in a first-name field: fn *stin*", runs, FormSearch(evf, {{"fn", "*stin*"}}));
  Measure("ends-with in a place field: foo *torp", runs, FormSearch(evf, {{"foo", "*torp"}}));
  Measure("free-text field: fadder Olsson", runs, FormSearch(evf, {{"fadder", "Olsson"}}));
  const std::string id = SomeLokalId(evf);
  Measure("Lokal-ID " + id, runs, [&evf, &id] {
    if (!vx::FindLokalId(evf, 1, vx::SearchForm(1).lokalid_slot, id).ok()) std::exit(1);
    return evf.PersonList(1).vald().Count();
  });
  Measure("free-text search over all registers: Nolg\xE5rden", runs, [&evf] {
    vx::RunFreeSearch(evf, "Nolg\xE5rden");
    return evf.PersonList(1).vald().Count();
  });
  TimeWholeProcess(dir, runs);
  return 0;
}
