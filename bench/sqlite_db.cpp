#include "bench/sqlite_db.h"

#include <cstdio>
#include <cstdlib>

namespace vx::bench {
namespace {

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
  std::fprintf(stderr, "SQLite: %s: %s\n", what.c_str(), sqlite3_errmsg(db));
  std::exit(1);
}

}  // namespace

SqlStatement::SqlStatement(sqlite3* db, const std::string& sql) : db_(db) {
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK) Fail(db, sql);
}

SqlStatement::~SqlStatement() {
  sqlite3_finalize(stmt_);
}

void SqlStatement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

void SqlStatement::BindBlob(int i, std::string_view bytes) {
  // A zero-length BLOB must not be bound as NULL.
  static const char kEmpty = 0;
  const char* data = bytes.empty() ? &kEmpty : bytes.data();
  if (sqlite3_bind_blob(stmt_, i, data, static_cast<int>(bytes.size()), SQLITE_TRANSIENT) !=
      SQLITE_OK) {
    Fail(db_, "bind");
  }
}

void SqlStatement::BindText(int i, std::string_view text) {
  static const char kEmpty = 0;
  const char* data = text.empty() ? &kEmpty : text.data();
  if (sqlite3_bind_text(stmt_, i, data, static_cast<int>(text.size()), SQLITE_TRANSIENT) !=
      SQLITE_OK) {
    Fail(db_, "bind");
  }
}

void SqlStatement::BindInt(int i, int64_t value) {
  if (sqlite3_bind_int64(stmt_, i, value) != SQLITE_OK) Fail(db_, "bind");
}

bool SqlStatement::Step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc != SQLITE_DONE) Fail(db_, sqlite3_sql(stmt_));
  return false;
}

int64_t SqlStatement::Int(int column) const {
  return sqlite3_column_int64(stmt_, column);
}

std::string_view SqlStatement::Blob(int column) const {
  const void* data = sqlite3_column_blob(stmt_, column);
  const int size = sqlite3_column_bytes(stmt_, column);
  return data == nullptr
             ? std::string_view()
             : std::string_view(static_cast<const char*>(data), static_cast<size_t>(size));
}

SqlDb::SqlDb(const std::string& file) {
  if (sqlite3_open(file.c_str(), &db_) != SQLITE_OK) Fail(db_, "open " + file);
}

SqlDb::~SqlDb() {
  prepared_.clear();
  sqlite3_close(db_);
}

void SqlDb::Exec(const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    std::fprintf(stderr, "SQLite: %s: %s\n", sql.c_str(), message ? message : "");
    sqlite3_free(message);
    std::exit(1);
  }
}

SqlStatement& SqlDb::Prepared(const std::string& sql) {
  auto& slot = prepared_[sql];
  if (!slot) slot = std::make_unique<SqlStatement>(db_, sql);
  return *slot;
}

int64_t SqlDb::QueryInt(const std::string& sql, int64_t otherwise) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) return otherwise;
  int64_t value = otherwise;
  if (sqlite3_step(stmt) == SQLITE_ROW) value = sqlite3_column_int64(stmt, 0);
  sqlite3_finalize(stmt);
  return value;
}

}  // namespace vx::bench
