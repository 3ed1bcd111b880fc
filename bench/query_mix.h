// The fixed mix of searches that sok-mot-sqlite asks both our search and
// SQLite: every term kind, alternatives, first-name pairs, date ranges,
// several fields together, free-text fields in their three modes, the
// free-text search over all registers, Lokal-IDs, and searches with very
// many hits and with none. Texts are Windows-1252, as typed in the forms.
#ifndef VX_BENCH_QUERY_MIX_H_
#define VX_BENCH_QUERY_MIX_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "bench/sql_search.h"
#include "catalogue/catalogue.h"

namespace vx::bench {

enum class MixKind {
  kForm,     // a register's search form
  kLokalId,  // the Lokal-ID jump
  kAll,      // the free-text search over all registers
};

struct MixQuery {
  MixKind kind = MixKind::kForm;
  int register_number = 1;
  std::vector<std::pair<std::string, std::string>> fields;  // kForm: prefix, text
  std::string text;                                         // kLokalId, kAll

  // What the table shows: register, fields and texts (UTF-8).
  std::string Title() const;
};

// The mix; the Lokal-IDs are taken from the open register set.
std::vector<MixQuery> QueryMix(TEVF& evf);

// Our search as kuvo-sok runs it: the hits of each register counted (three
// counts for the search over all registers, in register order).
std::vector<int64_t> RunOurs(TEVF& evf, const MixQuery& query);

// The same question for SQLite, asked of the tables `variant` names.
SqlQuery ToSql(TEVF& evf, const MixQuery& query, SqlVariant variant = SqlVariant::kBtree);

}  // namespace vx::bench

#endif  // VX_BENCH_QUERY_MIX_H_
