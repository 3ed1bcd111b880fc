// A thin owner of an SQLite connection and its prepared statements, for the
// benchmark that asks SQLite the same questions as our search. Values are
// bound as BLOBs so that SQL compares them byte by byte, as our tables'
// mapped bytes compare; only FTS5's texts are bound as text.
#ifndef VX_BENCH_SQLITE_DB_H_
#define VX_BENCH_SQLITE_DB_H_

#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vx::bench {

// A prepared statement, reset and rebound for each use.
class SqlStatement {
 public:
  SqlStatement(sqlite3* db, const std::string& sql);
  ~SqlStatement();
  SqlStatement(const SqlStatement&) = delete;
  SqlStatement& operator=(const SqlStatement&) = delete;

  // Resets the statement and clears its bindings.
  void Reset();
  // Binds parameter i (1-based).
  void BindBlob(int i, std::string_view bytes);
  void BindInt(int i, int64_t value);
  // Binds UTF-8 text: what FTS5 tokenizes and MATCH reads.
  void BindText(int i, std::string_view text);
  // Steps once: true while a row is there. Failure ends the program.
  bool Step();
  int64_t Int(int column) const;
  std::string_view Blob(int column) const;

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

class SqlDb {
 public:
  // Opens (creating) the database file.
  explicit SqlDb(const std::string& file);
  ~SqlDb();
  SqlDb(const SqlDb&) = delete;
  SqlDb& operator=(const SqlDb&) = delete;

  // Runs statements without results; failure ends the program.
  void Exec(const std::string& sql);
  // The statement of that text, prepared the first time it is asked for.
  SqlStatement& Prepared(const std::string& sql);
  // The single integer a query gives, or `otherwise` when it gives no row
  // or fails (a missing table).
  int64_t QueryInt(const std::string& sql, int64_t otherwise);

  sqlite3* handle() { return db_; }

 private:
  sqlite3* db_ = nullptr;
  std::map<std::string, std::unique_ptr<SqlStatement>> prepared_;
};

}  // namespace vx::bench

#endif  // VX_BENCH_SQLITE_DB_H_
