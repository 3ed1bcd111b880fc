// The searches of the query mix as SQL over the tables of sql_schema.h:
// what a search form, the Lokal-ID jump and the free-text search over all
// registers ask, each as one prepared statement per register.
//
// A begins-with run in a field compared through FoldTable starts at the
// first value that begins with the term accent for accent (the order of
// the word lists, AccentOrderTable) and goes on, in that order, while the
// folded value still begins with the folded term. SQL cannot say "while",
// so such a run is found by stepping through the column's index from C++,
// one distinct value at a time, and handed to the statement as a range.
//
// Asked with the FTS5 tables (fts5_text.h), a contains or ends-with term on
// a field that has one becomes an FTS5 MATCH whose rowids are the records,
// joined to the register's table as the side tables are; a term FTS5 cannot
// look up stays as the B-tree statement asks it, and the query says why.
#ifndef VX_BENCH_SQL_SEARCH_H_
#define VX_BENCH_SQL_SEARCH_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench/sqlite_db.h"

namespace vx::bench {

// A statement parameter: fixed bytes, or one end of a folded run.
struct SqlParam {
  std::string bytes;
  int run = -1;  // index into SqlQuery::runs
  bool run_end = false;
  bool text = false;  // an FTS5 MATCH expression, bound as text
};

// A folded begins-with run to find before the statement runs.
struct FoldRun {
  std::string first_sql;  // the first value at or after ?1
  std::string next_sql;   // the first value after ?1
  std::string accent_head;
  std::string fold_head;
};

struct SqlStatementText {
  std::string sql;
  std::vector<SqlParam> params;
};

// One search: one statement per register it counts hits in.
struct SqlQuery {
  std::vector<SqlStatementText> statements;
  std::vector<FoldRun> runs;
  int fts5_terms = 0;                    // terms an FTS5 MATCH looks up
  std::vector<std::string> fts5_misses;  // contains and ends-with terms it cannot, and why (UTF-8)
};

// The tables a query is asked of: the B-tree tables alone, or with the FTS5
// tables for the contains and ends-with terms they can look up.
enum class SqlVariant { kBtree, kFts5 };

// A search form's fields (prefix, text as typed, Windows-1252).
SqlQuery FormQuery(SqlVariant variant, int register_number,
                   const std::vector<std::pair<std::string, std::string>>& fields);
SqlQuery LokalIdQuery(int register_number, std::string_view id);
// The free-text search over the registers listed.
SqlQuery AllFieldsQuery(SqlVariant variant, const std::vector<int>& registers,
                        std::string_view text);

// Runs the query: the hit count of each statement.
std::vector<int64_t> RunSqlQuery(SqlDb& db, const SqlQuery& query);

}  // namespace vx::bench

#endif  // VX_BENCH_SQL_SEARCH_H_
