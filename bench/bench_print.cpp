// Figures of printing on a large register set: 10 000 births of the
// 1 000 000-birth set printed to a PDF file through the print job, as a
// table (by name, and by source with its group headings) and as records in
// full (by date). For each: the seconds to read the records, to sort them
// and to print the pages, the pages, pages per second and the file's size.
//
//   bench-print [--dir DIR] [--fodda N] [--vigda N] [--doda N] [--runs N]
//
// The register set is the one bench-kuvo-start builds (the same default
// directory and counts), built here when it is missing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/sample_set.h"
#include "desktop/output/pdf_print.h"
#include "session/session.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Options {
  fs::path dir;
  int64_t births = 1000000, marriages = 400000, deaths = 800000;
  int runs = 3;
};

bool Parse(int argc, char** argv, Options& o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--dir")
      o.dir = argv[i + 1];
    else if (arg == "--fodda")
      o.births = std::atoll(argv[i + 1]);
    else if (arg == "--vigda")
      o.marriages = std::atoll(argv[i + 1]);
    else if (arg == "--doda")
      o.deaths = std::atoll(argv[i + 1]);
    else if (arg == "--runs")
      o.runs = std::max(1, std::atoi(argv[i + 1]));
    else
      return false;
  }
  return argc % 2 == 1;
}

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// Notes when the job moves from reading to sorting to printing.
class PhaseClock : public vx::PrintMonitor {
 public:
  bool KeepGoing() override { return true; }
  void ShowStatus(std::string_view text) override {
    if (text.starts_with("Sorterar")) sorting = Clock::now();
    if (text.starts_with("Skriver ut")) printing = Clock::now();
  }
  void ShowProgress(int, int) override {}
  Clock::time_point sorting, printing;
};

struct Figures {
  double read = 0, sort = 0, print = 0;
  int pages = 0;
  uintmax_t bytes = 0;
};

Figures PrintOnce(vx::Session& session, const vx::PrintRequest& request, const fs::path& pdf) {
  PhaseClock phases;
  Figures f;
  const Clock::time_point start = Clock::now();
  const vx::Status status = vx::PrintHitsToPdf(session, pdf, request, phases, f.pages);
  const Clock::time_point end = Clock::now();
  if (!status.ok() || !fs::exists(pdf)) {
    std::fprintf(stderr, "Utskriften misslyckades: %s\n", status.message().c_str());
    std::exit(1);
  }
  f.read = Seconds(start, phases.sorting);
  f.sort = Seconds(phases.sorting, phases.printing);
  f.print = Seconds(phases.printing, end);
  f.bytes = fs::file_size(pdf);
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!Parse(argc, argv, o)) {
    std::fputs(
        "Användning: bench-print [--dir MAPP] [--fodda N] [--vigda N] [--doda N] [--runs N]\n",
        stderr);
    return 2;
  }
  const fs::path self = fs::canonical("/proc/self/exe");
  if (o.dir.empty()) o.dir = self.parent_path() / "bench-kuvo-start-data";
  if (!vx::bench::EnsureSampleSet(VX_KUVO_DATA, o.dir, o.births, o.marriages, o.deaths)) return 1;
  vx::Session session;
  if (vx::Status status = session.Open(o.dir / "kuvo.ini"); !status.ok()) {
    std::fprintf(stderr, "%s\n", status.message().c_str());
    return 1;
  }
  // Every birth with a birth or baptism year: all of them in the sample.
  if (vx::Status status = session.SearchByForm(1, {vx::FieldEntry::Typed("fod", "1000-2100")});
      !status.ok()) {
    std::fprintf(stderr, "%s\n", status.message().c_str());
    return 1;
  }
  struct Job {
    const char* name;
    vx::PrintRequest request;
  };
  std::vector<Job> jobs = {{"tabell, namn", {1, true, vx::PrintOrder::kName, {}, 0}},
                           {"tabell, källa", {1, true, vx::PrintOrder::kSource, {}, 0}},
                           {"poster, datum", {1, false, vx::PrintOrder::kDate, {}, 0}}};
  const fs::path pdf = fs::temp_directory_path() / "bench-print.pdf";
  std::printf("10 000 av %lld födda till PDF (A4), median av %d körningar\n",
              static_cast<long long>(o.births), o.runs);
  std::printf("%8s %8s %8s %8s %7s %9s %7s  %s\n", "läsa s", "sortera", "skriva s", "totalt s",
              "sidor", "sidor/s", "MB", "utskrift");
  for (const Job& job : jobs) {
    std::vector<Figures> runs;
    for (int r = 0; r < o.runs; ++r)
      runs.push_back(PrintOnce(session, job.request, pdf));
    std::sort(runs.begin(), runs.end(), [](const Figures& a, const Figures& b) {
      return a.read + a.sort + a.print < b.read + b.sort + b.print;
    });
    const Figures& m = runs[runs.size() / 2];
    std::printf("%8.2f %8.3f %8.2f %8.2f %7d %9.1f %7.1f  %s\n", m.read, m.sort, m.print,
                m.read + m.sort + m.print, m.pages, m.pages / m.print,
                static_cast<double>(m.bytes) / 1e6, job.name);
  }
  fs::remove(pdf);
  return 0;
}
