// How well and how fast the records of one life are found, against the
// truth of a simulated sample.
//
//   bench-samband [DIR] [--poster N] [--prov S] [--fel K]
//
// Builds a sample register set of N records (default 100 000; births,
// marriages and deaths as 10 : 4 : 8) under DIR (default
// /tmp/vx-bench-samband-N) with `kuvo-data exempel` and `kuvo-data bygg`
// unless DIR holds one of that size, and reads the truth the sample writes
// beside its sources (kalla/samband.tsv). For up to S records of each kind
// of link (default 300) that have links of that kind, it finds the
// candidates as the program does and prints per kind:
//
// - precision at 1: of the records that get a candidate of the kind, the
//   share whose first candidate is a true one;
// - recall at 5: of the true targets, the share among the first five
//   candidates of the kind (among the first as many as there are true
//   targets, when a marriage has more children or a birth more siblings);
//
// and the time to find one record's candidates of every kind (median, 90th
// percentile and slowest over the distinct records, after one record
// found untimed to open the lists), as wall time and as the thread's
// processor time. --fel K shows, for each kind, K records
// whose first candidate is not a true one or whose true targets are not all
// found, with their candidates' scores and reasons, for tuning the rules.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bench/link_truth.h"
#include "bench/sample_set.h"
#include "catalogue/catalogue.h"
#include "engine/util/cp1252.h"
#include "linking/link_finder.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using vx::bench::Milliseconds;
using vx::bench::TruthQuery;

int RegisterOf(const std::string& lokalid) {
  switch (lokalid.empty() ? ' ' : lokalid.front()) {
    case 'F':
      return 1;
    case 'V':
      return 2;
    case 'D':
      return 3;
    default:
      return 0;
  }
}

bool KindOfKey(const std::string& key, vx::LinkKind& kind) {
  for (int k = 0; k < static_cast<int>(vx::LinkKind::kCount); ++k) {
    if (vx::KindKey(static_cast<vx::LinkKind>(k)) == key) {
      kind = static_cast<vx::LinkKind>(k);
      return true;
    }
  }
  return false;
}

struct Figures {
  int queries = 0;
  int answered = 0;  // got a candidate of the kind
  int first_true = 0;
  int targets = 0;
  int found = 0;  // targets within the window
  void Add(const Figures& other) {
    queries += other.queries;
    answered += other.answered;
    first_true += other.first_true;
    targets += other.targets;
    found += other.found;
  }
  void Print(const std::string& name) const {
    std::printf("%-20s %7d %7d %12.3f %10.3f\n", name.c_str(), queries, targets,
                answered > 0 ? static_cast<double>(first_true) / answered : 0.0,
                targets > 0 ? static_cast<double>(found) / targets : 0.0);
  }
};

void Score(const TruthQuery& query, vx::LinkKind kind,
           const std::vector<vx::LinkCandidate>& candidates, Figures& figures) {
  std::vector<std::string> ranked;
  for (const vx::LinkCandidate& candidate : candidates) {
    if (candidate.kind == kind) ranked.push_back(candidate.lokalid);
  }
  const std::set<std::string> truth(query.targets.begin(), query.targets.end());
  ++figures.queries;
  figures.targets += static_cast<int>(truth.size());
  if (!ranked.empty()) {
    ++figures.answered;
    figures.first_true += truth.count(ranked.front()) > 0 ? 1 : 0;
  }
  const size_t window = std::max<size_t>(5, truth.size());
  for (size_t i = 0; i < ranked.size() && i < window; ++i)
    figures.found += truth.count(ranked[i]) > 0 ? 1 : 0;
}

void ShowMiss(const TruthQuery& query, vx::LinkKind kind,
              const std::vector<vx::LinkCandidate>& candidates) {
  std::printf("%s %s, true:", query.kind.c_str(), query.lokalid.c_str());
  for (const std::string& target : query.targets)
    std::printf(" %s", target.c_str());
  std::printf("\n");
  int shown = 0;
  for (const vx::LinkCandidate& candidate : candidates) {
    if (candidate.kind != kind || shown++ >= 4) continue;
    std::string reasons;
    for (const std::string& reason : candidate.reasons)
      reasons += (reasons.empty() ? "" : "; ") + vx::Cp1252ToUtf8(reason);
    std::printf("  %s %d %s\n", candidate.lokalid.c_str(), candidate.score, reasons.c_str());
  }
}

// The thread's processor time: on a shared machine the steadier figure.
double CpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Percentile(std::vector<double> times, double share) {
  if (times.empty()) return 0;
  std::sort(times.begin(), times.end());
  return times[std::min(times.size() - 1, static_cast<size_t>(share * times.size()))];
}

}  // namespace

int main(int argc, char** argv) {
  int64_t records = 100000;
  size_t per_kind = 300;
  int misses_shown = 0;
  fs::path dir;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--poster" && i + 1 < argc) {
      records = std::atoll(argv[++i]);
    } else if (arg == "--prov" && i + 1 < argc) {
      per_kind = static_cast<size_t>(std::atoll(argv[++i]));
    } else if (arg == "--fel" && i + 1 < argc) {
      misses_shown = std::atoi(argv[++i]);
    } else if (!arg.starts_with("--")) {
      dir = arg;
    } else {
      std::fprintf(stderr, "bench-samband [MAPP] [--poster N] [--prov S] [--fel K]\n");
      return 2;
    }
  }
  if (dir.empty()) dir = "/tmp/vx-bench-samband-" + std::to_string(records);
  const int64_t births = records * 10 / 22;
  const int64_t marriages = records * 4 / 22;
  const int64_t deaths = records - births - marriages;
  if (!vx::bench::EnsureSampleSet(VX_KUVO_DATA, dir, births, marriages, deaths)) return 1;

  std::vector<TruthQuery> queries;
  std::string error;
  if (!vx::bench::SampleTruth(dir / "kalla" / "samband.tsv", per_kind, 1, queries, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  vx::Configuration config;
  config.regnr = "0001";
  config.hdbasen = (dir / "data").string() + "/";
  vx::ShellHooks hooks;
  vx::TEVF evf;
  evf.oppnadatabas(config, hooks);

  // Each record's candidates once, timed.
  std::map<std::string, std::vector<vx::LinkCandidate>> found;
  std::vector<double> times, cpu_times;
  bool warmed = false;
  for (const TruthQuery& query : queries) {
    if (found.count(query.lokalid) > 0) continue;
    const int register_number = RegisterOf(query.lokalid);
    const uint32_t record = vx::RecordOfLokalId(evf, register_number, query.lokalid);
    if (record == 0) {
      std::fprintf(stderr, "%s finns inte i registret\n", query.lokalid.c_str());
      return 1;
    }
    std::vector<vx::LinkCandidate> candidates;
    if (!warmed) {
      vx::FindLinkCandidates(evf, register_number, record, candidates);
      warmed = true;
    }
    const auto start = Clock::now();
    const double cpu_start = CpuMilliseconds();
    const vx::Status status = vx::FindLinkCandidates(evf, register_number, record, candidates);
    times.push_back(Milliseconds(Clock::now() - start));
    cpu_times.push_back(CpuMilliseconds() - cpu_start);
    if (!status.ok()) {
      std::fprintf(stderr, "%s: %s\n", query.lokalid.c_str(), status.message().c_str());
      return 1;
    }
    found.emplace(query.lokalid, std::move(candidates));
  }

  std::printf("%lld records (%lld births, %lld marriages, %lld deaths) in %s\n",
              static_cast<long long>(records), static_cast<long long>(births),
              static_cast<long long>(marriages), static_cast<long long>(deaths), dir.c_str());
  std::printf("%-20s %7s %7s %12s %10s\n", "kind", "records", "links", "precision@1", "recall@5");
  std::map<std::string, Figures> by_kind;
  std::map<std::string, int> shown;  // misses shown of each kind
  for (const TruthQuery& query : queries) {
    vx::LinkKind kind;
    if (!KindOfKey(query.kind, kind)) continue;
    Figures& figures = by_kind[query.kind];
    const Figures before = figures;
    Score(query, kind, found[query.lokalid], figures);
    const bool missed = figures.first_true == before.first_true ||
                        figures.found - before.found < figures.targets - before.targets;
    if (missed && shown[query.kind]++ < misses_shown) ShowMiss(query, kind, found[query.lokalid]);
  }
  for (const auto& [name, figures] : by_kind)
    figures.Print(name);
  Figures birth_death = by_kind["dod"];
  birth_death.Add(by_kind["fodd"]);
  birth_death.Print("dod + fodd");
  std::printf(
      "time for one record's candidates over %zu records: median %.1f ms, 90%% %.1f ms, "
      "slowest %.1f ms (processor time %.1f, %.1f, %.1f ms)\n",
      times.size(), Percentile(times, 0.5), Percentile(times, 0.9), Percentile(times, 1.0),
      Percentile(cpu_times, 0.5), Percentile(cpu_times, 0.9), Percentile(cpu_times, 1.0));
  return 0;
}
