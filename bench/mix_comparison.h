// The search comparison of sok-mot-sqlite: each search of the query mix
// timed on our side, on SQLite's B-tree tables and, where it has contains
// or ends-with terms FTS5 can look up, with SQLite's FTS5 tables; printed
// as a table with the ratios (SQLite / ours), whether the hit counts agree
// and a summary line for each SQLite side.
#ifndef VX_BENCH_MIX_COMPARISON_H_
#define VX_BENCH_MIX_COMPARISON_H_

#include <string>

#include "bench/sqlite_db.h"
#include "catalogue/catalogue.h"

namespace vx::bench {

struct MixAgreement {
  int queries = 0;
  int btree_equal = 0;  // searches whose B-tree counts agree with ours
  int fts5_equal = 0;   // the same with the FTS5 tables

  bool All() const { return btree_equal == queries && fts5_equal == queries; }
};

// Runs the searches whose title holds `only` (all when empty), each once to
// warm up and then `runs` times, and prints the table.
MixAgreement CompareMix(TEVF& evf, SqlDb& db, int runs, const std::string& only);

}  // namespace vx::bench

#endif  // VX_BENCH_MIX_COMPARISON_H_
