#include "bench/mix_comparison.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/query_mix.h"
#include "bench/sample_set.h"

namespace vx::bench {
namespace {

using Clock = std::chrono::steady_clock;

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

double Ratio(const Timed& theirs, const Timed& ours) {
  return theirs.median_ms / std::max(ours.median_ms, 1e-6);
}

// A ratio with two decimals, or two significant digits when it is that
// small: FTS5 answers a term absent from its index in microseconds.
std::string RatioText(double ratio) {
  char text[32];
  std::snprintf(text, sizeof text, ratio >= 0.1 ? "%.2f" : "%.2g", ratio);
  return text;
}

// The ratios of the summary lines.
struct Ratios {
  std::vector<double> btree;
  std::vector<double> fts5;          // the B-tree's where FTS5 takes no term
  std::vector<double> fts5_answers;  // only the searches FTS5 takes terms of
  std::vector<std::string> misses;   // why FTS5 leaves terms to the B-tree
};

// Times one search on every side and prints its row; true when both SQLite
// sides count what we count.
std::pair<bool, bool> CompareQuery(TEVF& evf, SqlDb& db, int runs, const MixQuery& query,
                                   Ratios& ratios) {
  const SqlQuery btree_sql = ToSql(evf, query, SqlVariant::kBtree);
  const SqlQuery fts5_sql = ToSql(evf, query, SqlVariant::kFts5);
  const Timed ours = Time(runs, [&] { return RunOurs(evf, query); });
  const Timed btree = Time(runs, [&] { return RunSqlQuery(db, btree_sql); });
  const bool fts5_used = fts5_sql.fts5_terms > 0;
  const Timed fts5 = fts5_used ? Time(runs, [&] { return RunSqlQuery(db, fts5_sql); }) : btree;
  ratios.btree.push_back(Ratio(btree, ours));
  ratios.fts5.push_back(Ratio(fts5, ours));
  if (fts5_used) ratios.fts5_answers.push_back(Ratio(fts5, ours));
  for (const std::string& miss : fts5_sql.fts5_misses)
    ratios.misses.push_back(query.Title() + ": " + miss);

  const bool btree_same = ours.counts == btree.counts;
  const bool fts5_same = ours.counts == fts5.counts;
  std::string agree = btree_same && fts5_same ? "yes" : "NO:";
  if (!btree_same) agree += " B-tree " + Counts(btree.counts);
  if (!fts5_same) agree += " FTS5 " + Counts(fts5.counts);
  char fts5_columns[32] = "          -        -";
  if (fts5_used) {
    std::snprintf(fts5_columns, sizeof fts5_columns, "%11.4f %8s", fts5.median_ms,
                  RatioText(Ratio(fts5, ours)).c_str());
  }
  std::printf("%s %11.4f %11.4f %8.2f %s %10s %s\n", Column(query.Title(), 56).c_str(),
              ours.median_ms, btree.median_ms, Ratio(btree, ours), fts5_columns,
              Counts(ours.counts).c_str(), agree.c_str());
  std::fflush(stdout);
  return {btree_same, fts5_same};
}

void PrintSummary(const Ratios& ratios, const MixAgreement& agreement) {
  std::printf(
      "\nFTS5: - where the search has no contains or ends-with term FTS5 looks up; the B-tree\n"
      "statement answers it on both SQLite sides, and the FTS5 line counts its B-tree time.\n");
  for (const std::string& miss : ratios.misses)
    std::printf("  left to the B-tree: %s\n", miss.c_str());
  std::printf("median ratio: %.2f; slowest ratio: %.2f; counts equal: %d of %d\n",
              Median(ratios.btree), *std::min_element(ratios.btree.begin(), ratios.btree.end()),
              agreement.btree_equal, agreement.queries);
  const std::vector<double>& answers = ratios.fts5_answers;
  std::printf(
      "FTS5: median ratio %s; slowest ratio %s; contains/ends-with median ratio %s "
      "(%zu %s); counts equal: %d of %d\n",
      RatioText(Median(ratios.fts5)).c_str(),
      RatioText(*std::min_element(ratios.fts5.begin(), ratios.fts5.end())).c_str(),
      RatioText(answers.empty() ? 0.0 : Median(answers)).c_str(), answers.size(),
      answers.size() == 1 ? "search" : "searches", agreement.fts5_equal, agreement.queries);
}

}  // namespace

MixAgreement CompareMix(TEVF& evf, SqlDb& db, int runs, const std::string& only) {
  std::vector<MixQuery> mix = QueryMix(evf);
  std::erase_if(mix, [&](const MixQuery& q) { return q.Title().find(only) == std::string::npos; });
  std::printf("\n%-56s %11s %11s %8s %11s %8s %10s %s\n", "query", "ours ms", "B-tree ms", "ratio",
              "FTS5 ms", "ratio", "hits", "counts equal");
  Ratios ratios;
  MixAgreement agreement;
  for (const MixQuery& query : mix) {
    const auto [btree_same, fts5_same] = CompareQuery(evf, db, runs, query, ratios);
    agreement.btree_equal += btree_same ? 1 : 0;
    agreement.fts5_equal += fts5_same ? 1 : 0;
  }
  agreement.queries = static_cast<int>(mix.size());
  if (!mix.empty()) PrintSummary(ratios, agreement);
  return agreement;
}

}  // namespace vx::bench
