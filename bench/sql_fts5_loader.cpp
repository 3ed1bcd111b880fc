#include "bench/sql_fts5_loader.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench/fts5_text.h"
#include "bench/sql_schema.h"

namespace vx::bench {
namespace {

void CreateFts5(SqlDb& db, const std::string& table) {
  db.Exec("DROP TABLE IF EXISTS " + table);
  // Contentless: the values are in the B-tree tables, and hits are counted
  // by rowid only, so neither content nor column sizes are kept.
  db.Exec("CREATE VIRTUAL TABLE " + table +
          " USING fts5(t, content='', columnsize=0, tokenize='trigram case_sensitive 1')");
  // Flushing 128 MB of pending index at a time, not FTS5's 1 MB, leaves
  // far fewer segments to merge while loading.
  db.Exec("INSERT INTO " + table + "(" + table + ", rank) VALUES('hashsize', 134217728)");
}

// One FTS5 row per record from the record's values, given in turn; a
// record whose values do not come together would need a second row.
class Fts5Rows {
 public:
  Fts5Rows(SqlDb& db, std::string fts)
      : fts_(std::move(fts)),
        insert_(db.handle(), "INSERT INTO " + fts_ + "(rowid, t) VALUES(?, ?)") {}

  void Add(int64_t rec, std::string_view value) {
    if (rec != rec_) Start(rec);
    AppendFts5Value(text_, value);
  }

  void Flush() {
    if (rec_ < 0) return;
    insert_.Reset();
    insert_.BindInt(1, rec_);
    insert_.BindText(2, text_);
    insert_.Step();
    text_.clear();
  }

 private:
  void Start(int64_t rec) {
    Flush();
    rec_ = rec;
    const auto i = static_cast<size_t>(rec);
    if (i >= seen_.size()) seen_.resize(i * 2 + 1);
    if (seen_[i]) {
      std::fprintf(stderr, "%s: the values of record %lld are not together\n", fts_.c_str(),
                   static_cast<long long>(rec));
      std::exit(1);
    }
    seen_[i] = true;
  }

  std::string fts_;
  SqlStatement insert_;
  std::vector<bool> seen_;
  std::string text_;
  int64_t rec_ = -1;
};

// Creates and fills `fts` from `select`, whose rows are (rec, value).
void FillFts5(SqlDb& db, const std::string& fts, const std::string& select) {
  CreateFts5(db, fts);
  Fts5Rows rows(db, fts);
  SqlStatement read(db.handle(), select);
  while (read.Step())
    rows.Add(read.Int(0), read.Blob(1));
  rows.Flush();
  // One segment per table: a look-up reads one doclist per trigram.
  db.Exec("INSERT INTO " + fts + "(" + fts + ") VALUES('optimize')");
}

void LoadRegister(SqlDb& db, const SqlRegister& reg) {
  for (const SqlField& field : reg.fields) {
    const std::string fts = Fts5Table(reg, field);
    if (fts.empty()) continue;
    if (field.shape == SqlShape::kLines) {
      FillFts5(db, fts, "SELECT rec, t FROM " + SideTable(reg, field) + " ORDER BY rowid");
      continue;
    }
    // Contains and ends-with compare the folded column of a field that folds.
    const std::string column = std::string(field.prefix) + (field.fold ? "_f" : "_a");
    FillFts5(db, fts,
             "SELECT rec, " + column + " FROM " + std::string(reg.table) + " WHERE " + column +
                 " IS NOT NULL ORDER BY rec");
  }
  FillFts5(db, Fts5AllFieldsTable(reg),
           "SELECT rec, t FROM " + AllFieldsTable(reg) + " ORDER BY rowid");
}

}  // namespace

int64_t Fts5LoadedCount(SqlDb& db) {
  return db.QueryInt("SELECT births FROM loaded_fts5", -1);
}

void LoadFts5(SqlDb& db, int64_t births) {
  db.Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA cache_size = -1000000");
  db.Exec("DROP TABLE IF EXISTS loaded_fts5; BEGIN");
  for (int r = 1; r <= 3; ++r) {
    const SqlRegister& reg = SqlRegisterOf(r);
    const std::string exists =
        "SELECT count(*) FROM sqlite_master WHERE name = '" + std::string(reg.table) + "'";
    if (db.QueryInt(exists, 0) == 0) continue;
    LoadRegister(db, reg);
    std::printf("  %s: FTS5 tables filled\n", reg.table.data());
    std::fflush(stdout);
  }
  db.Exec("CREATE TABLE loaded_fts5(births INTEGER); INSERT INTO loaded_fts5 VALUES(" +
          std::to_string(births) + "); COMMIT");
}

}  // namespace vx::bench
