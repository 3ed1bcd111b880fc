// Adds the FTS5 trigram tables of sql_schema.h to a database the B-tree
// loader has filled, reading the values from its tables.
#ifndef VX_BENCH_SQL_FTS5_LOADER_H_
#define VX_BENCH_SQL_FTS5_LOADER_H_

#include <cstdint>

#include "bench/sqlite_db.h"

namespace vx::bench {

// The number of births the FTS5 tables were made for, or -1.
int64_t Fts5LoadedCount(SqlDb& db);

// Creates and fills the FTS5 tables of every register the database holds,
// then records `births`.
void LoadFts5(SqlDb& db, int64_t births);

}  // namespace vx::bench

#endif  // VX_BENCH_SQL_FTS5_LOADER_H_
