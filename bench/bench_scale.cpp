// How building, opening and searching a register set grow with its size.
//
//   bench-scale [--miljoner 1,5,20] [--minne MB] [--runs R] [--behall] [--visa]
//               [--utan-filter] [DIR]
//
// For each size, in millions of records (fractions allowed), births,
// marriages and deaths as 10 : 4 : 8, under DIR (default
// /tmp/vx-bench-scale): writes the sample sources with `kuvo-data exempel`
// and builds them with `kuvo-data bygg` (given --minne MB only when asked,
// so that a builder without it still runs), each a child process timed in
// wall and CPU seconds with its peak memory; sums the sources and the set
// on disc; opens the set in process R times (default 5), each a fresh
// catalogue; and runs each search of the query mix (query_mix.h) once to
// warm up, then R times. Sources and set are removed after each size
// unless --behall. Ends with a table of the sizes and one of how each
// figure grows to the next size; --visa also prints every search. The
// free-search lists' trigram filters are measured beside the lists and
// searched through, unless --utan-filter has the lists read whole.
//
// Exits 1 when a child fails (the end of its output is shown), the set
// does not hold the records asked for, or a search fails.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/filter_figures.h"
#include "bench/measured_process.h"
#include "bench/query_mix.h"
#include "bench/sample_set.h"
#include "bench/scale_figures.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using vx::bench::Grouped;
using vx::bench::Milliseconds;
using vx::bench::ScaleFigures;

struct Options {
  std::vector<int64_t> sizes = {1000000, 5000000, 20000000};
  std::string memory_mb;  // empty: the builder's own default
  int runs = 5;
  bool keep = false;
  bool show = false;
  bool filters = true;
  fs::path dir = "/tmp/vx-bench-scale";
};

// The three registers' counts of `records`, as 10 : 4 : 8, adding up to it.
struct RegisterCounts {
  int64_t births, marriages, deaths;
};

RegisterCounts Split(int64_t records) {
  const int64_t births = records * 10 / 22;
  const int64_t marriages = records * 4 / 22;
  return {births, marriages, records - births - marriages};
}

// "1,5,0.5" as records; false on anything else. Below 100 records a
// register could be left empty.
bool ParseSizes(const std::string& text, std::vector<int64_t>& sizes) {
  sizes.clear();
  const char* p = text.c_str();
  while (*p != '\0') {
    char* end = nullptr;
    const double millions = std::strtod(p, &end);
    if (end == p || !(millions >= 0.0001 && millions <= 100)) return false;
    sizes.push_back(std::llround(millions * 1e6));
    p = end;
    if (*p == ',')
      ++p;
    else if (*p != '\0')
      return false;
  }
  return !sizes.empty();
}

bool ParseMegabytes(const std::string& text) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  return !text.empty() && *end == '\0' && value > 0;
}

bool Parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--miljoner" && has_value) {
      if (!ParseSizes(argv[++i], o.sizes)) return false;
    } else if (arg == "--minne" && has_value) {
      o.memory_mb = argv[++i];
      if (!ParseMegabytes(o.memory_mb)) return false;
    } else if (arg == "--runs" && has_value) {
      o.runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--behall") {
      o.keep = true;
    } else if (arg == "--visa") {
      o.show = true;
    } else if (arg == "--utan-filter") {
      o.filters = false;
    } else if (arg.starts_with("-")) {
      return false;
    } else {
      o.dir = arg;
    }
  }
  return true;
}

uintmax_t FolderBytes(const fs::path& folder) {
  uintmax_t bytes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) bytes += entry.file_size();
  }
  return bytes;
}

// Runs a kuvo-data step; on failure prints what it said last.
bool RunStep(const std::vector<std::string>& argv, const fs::path& log,
             vx::bench::MeasuredRun& run) {
  run = vx::bench::RunMeasured(argv, log);
  if (run.exit_code == 0) return true;
  std::string what = "exit code " + std::to_string(run.exit_code);
  if (run.signal != 0) what = "signal " + std::to_string(run.signal);
  if (run.exit_code == -1 && run.signal == 0) what = "could not be started";
  std::fprintf(stderr, "kuvo-data %s failed (%s) after %.1f s; the end of %s:\n%s", argv[1].c_str(),
               what.c_str(), run.seconds, log.c_str(), vx::bench::TailOfFile(log, 20).c_str());
  return false;
}

bool WriteSources(const fs::path& sources, const fs::path& log, int64_t records,
                  ScaleFigures& figures) {
  const RegisterCounts counts = Split(records);
  vx::bench::MeasuredRun run;
  if (!RunStep(
          {VX_KUVO_DATA, "exempel", sources.string(), "--fodda", std::to_string(counts.births),
           "--vigda", std::to_string(counts.marriages), "--doda", std::to_string(counts.deaths)},
          log, run))
    return false;
  figures.exempel_s = run.seconds;
  figures.source_mb = static_cast<double>(FolderBytes(sources)) / 1e6;
  std::printf("  exempel: %.1f s, %.0f MB of sources\n", run.seconds, figures.source_mb);
  std::fflush(stdout);
  return true;
}

bool BuildSet(const fs::path& sources, const fs::path& data, const fs::path& log,
              const std::string& memory_mb, ScaleFigures& figures) {
  std::vector<std::string> argv = {VX_KUVO_DATA, "bygg", sources.string(), data.string()};
  if (!memory_mb.empty()) argv.insert(argv.end(), {"--minne", memory_mb});
  vx::bench::MeasuredRun run;
  if (!RunStep(argv, log, run)) return false;
  figures.build_s = run.seconds;
  figures.build_cpu_s = run.cpu_seconds;
  figures.build_peak_mb = run.peak_mb;
  figures.set_mb = static_cast<double>(FolderBytes(data)) / 1e6;
  std::printf("  bygg: %.1f s (%.0f records/s), CPU %.1f s, peak memory %.0f MB, set %.0f MB\n",
              run.seconds, static_cast<double>(figures.records) / run.seconds, run.cpu_seconds,
              run.peak_mb, figures.set_mb);
  std::printf("  ");
  const vx::bench::FilterSizes filters = vx::bench::MeasureFilterSizes(data, false);
  figures.lists_mb = filters.lists_mb;
  figures.filters_mb = filters.filters_mb;
  std::fflush(stdout);
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

vx::Configuration SetConfiguration(const fs::path& data) {
  vx::Configuration config;
  config.regnr = "0001";
  config.hdbasen = data.string() + "/";
  return config;
}

// Opens `evf` on the set; false unless its registers hold `records` rows.
bool OpenSet(vx::TEVF& evf, const fs::path& data, int64_t records, double& ms) {
  vx::ShellHooks hooks;
  const auto start = Clock::now();
  evf.oppnadatabas(SetConfiguration(data), hooks);
  ms = Milliseconds(Clock::now() - start);
  int64_t rows = 0;
  for (int r = 1; r <= 3; ++r)
    rows += evf.PersonList(r).RowCount();
  if (rows == records) return true;
  std::fprintf(stderr, "The set under %s holds %lld records, not %lld\n", data.c_str(),
               static_cast<long long>(rows), static_cast<long long>(records));
  return false;
}

// Opens the set `runs` times, each a fresh catalogue.
bool TimeOpens(const fs::path& data, int runs, ScaleFigures& figures) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    vx::TEVF evf;
    double ms = 0;
    if (!OpenSet(evf, data, figures.records, ms)) return false;
    times.push_back(ms);
    evf.stangdatabas();
  }
  figures.first_open_ms = times.front();
  figures.open_ms = Median(times);
  std::printf("  open: %.1f ms (median of %d), the first %.1f ms\n", figures.open_ms, runs,
              figures.first_open_ms);
  return true;
}

// One search's median over `runs` after a run to warm up; false when it
// fails.
bool TimeSearch(vx::TEVF& evf, const vx::bench::MixQuery& query, int runs, double& median,
                int64_t& hits) {
  std::vector<int64_t> counts = vx::bench::RunOurs(evf, query);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    counts = vx::bench::RunOurs(evf, query);
    times.push_back(Milliseconds(Clock::now() - start));
  }
  median = Median(times);
  hits = 0;
  for (const int64_t c : counts) {
    if (c < 0) return false;
    hits += c;
  }
  return true;
}

// `text` (UTF-8) padded with spaces to `width` characters.
std::string Padded(std::string text, size_t width) {
  const auto characters = static_cast<size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
  if (characters < width) text.append(width - characters, ' ');
  return text;
}

bool TimeMix(const fs::path& data, const Options& o, ScaleFigures& figures) {
  vx::TEVF evf;
  double open_ms = 0;
  if (!OpenSet(evf, data, figures.records, open_ms)) return false;
  vx::bench::UseFilters(evf, o.filters);
  std::vector<double> medians;
  for (const vx::bench::MixQuery& query : vx::bench::QueryMix(evf)) {
    double median = 0;
    int64_t hits = 0;
    if (!TimeSearch(evf, query, o.runs, median, hits)) {
      std::fprintf(stderr, "The search %s failed\n", query.Title().c_str());
      return false;
    }
    if (o.show)
      std::printf("    %s %10.4f ms %10lld hits\n", Padded(query.Title(), 56).c_str(), median,
                  static_cast<long long>(hits));
    if (median > figures.slowest_ms) {
      figures.slowest_ms = median;
      figures.slowest_title = query.Title();
    }
    figures.hits += hits;
    medians.push_back(median);
  }
  figures.mix_median_ms = Median(medians);
  std::printf("  query mix: median %.3f ms, slowest %.2f ms (%s), %s hits in all\n",
              figures.mix_median_ms, figures.slowest_ms, figures.slowest_title.c_str(),
              Grouped(figures.hits).c_str());
  std::fflush(stdout);
  return true;
}

bool MeasureSize(const Options& o, int64_t records, ScaleFigures& figures) {
  const RegisterCounts counts = Split(records);
  std::printf("%s records (%s births, %s marriages, %s deaths):\n", Grouped(records).c_str(),
              Grouped(counts.births).c_str(), Grouped(counts.marriages).c_str(),
              Grouped(counts.deaths).c_str());
  std::fflush(stdout);
  const fs::path dir = o.dir / std::to_string(records);
  fs::remove_all(dir);
  fs::create_directories(dir);
  figures.records = records;
  const bool ok = WriteSources(dir / "kalla", dir / "exempel.log", records, figures) &&
                  BuildSet(dir / "kalla", dir / "data", dir / "bygg.log", o.memory_mb, figures) &&
                  TimeOpens(dir / "data", o.runs, figures) && TimeMix(dir / "data", o, figures);
  if (!o.keep) fs::remove_all(dir);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!Parse(argc, argv, o)) {
    std::fprintf(stderr,
                 "usage: bench-scale [--miljoner 1,5,20] [--minne MB] [--runs R] [--behall] "
                 "[--visa] [--utan-filter] [DIR]\n");
    return 2;
  }
  const std::string budget = o.memory_mb.empty() ? "without --minne" : "--minne " + o.memory_mb;
  std::printf("bygg %s; --runs %d; free-search lists searched %s their filters\n", budget.c_str(),
              o.runs, o.filters ? "through" : "without");
  std::vector<ScaleFigures> sizes;
  for (const int64_t records : o.sizes) {
    ScaleFigures figures;
    if (!MeasureSize(o, records, figures)) return 1;
    sizes.push_back(figures);
  }
  std::error_code unused;
  if (!o.keep) fs::remove(o.dir, unused);  // only when nothing else is in it
  vx::bench::PrintScaleTable(sizes);
  vx::bench::PrintGrowthTable(sizes);
  return 0;
}
