// Loads the source records of a register set into SQLite as sql_schema.h
// lays them out, numbered as the built register set numbers them.
#ifndef VX_BENCH_SQL_LOADER_H_
#define VX_BENCH_SQL_LOADER_H_

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "bench/sqlite_db.h"
#include "catalogue/catalogue.h"

namespace vx::bench {

// The number of births the database was loaded for, or -1 when it is not
// whole (never loaded, or loading was cut short).
int64_t LoadedCount(SqlDb& db);

// Creates the tables of the registers whose source file is in `sources`,
// fills them and indexes them, then records `births` as loaded. Record
// numbers are taken by Lokal-ID from the open register set `evf`. False
// with a message on standard error when a record cannot be numbered.
bool LoadRegisterSet(SqlDb& db, const std::filesystem::path& sources, TEVF& evf, int64_t births);

}  // namespace vx::bench

#endif  // VX_BENCH_SQL_LOADER_H_
