#include "bench/sql_loader.h"

#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "bench/sql_schema.h"
#include "builder/register_source.h"
#include "engine/files/row_file.h"
#include "engine/text/collation.h"

namespace vx::bench {
namespace {

namespace fs = std::filesystem;

// Lokal-ID to record number, from the register's Lokal-ID list, whose rows
// each stand for one record.
bool NumbersByLokalId(TEVF& evf, const SqlRegister& reg,
                      std::unordered_map<std::string, uint32_t>& numbers) {
  TVXstruktlista* ids = evf.soklistor(reg.number, reg.lokal_id_slot);
  if (ids == nullptr) return false;
  numbers.reserve(static_cast<size_t>(ids->RowCount()));
  for (int32_t row = 1; row <= ids->RowCount(); ++row) {
    if (!ids->ReadRow(row).ok()) return false;
    if (!numbers.emplace(ids->RowText(), ids->RowValue1()).second) {
      std::fprintf(stderr, "Lokal-ID %s occurs twice in %s\n", ids->RowText().c_str(),
                   reg.table.data());
      return false;
    }
  }
  return true;
}

// Pieces of `text` between separators, blanks trimmed, empty ones left out.
std::vector<std::string_view> Pieces(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view piece = text.substr(start, end - start);
    while (!piece.empty() && piece.front() == ' ')
      piece.remove_prefix(1);
    while (!piece.empty() && piece.back() == ' ')
      piece.remove_suffix(1);
    if (!piece.empty()) pieces.push_back(piece);
    start = end + 1;
  }
  return pieces;
}

std::string_view ValueOf(const RegisterSource& source, size_t i, const SourceField& field) {
  std::string_view value = source.Field(i, field.name);
  if (value.empty() && !field.fallback.empty()) value = source.Field(i, field.fallback);
  return value;
}

// The values a side field takes from record i, as they are compared.
std::vector<std::string> SideValues(const RegisterSource& source, size_t i, const SqlField& field) {
  std::vector<std::string> out;
  if (field.joined) {
    std::string line;
    for (const SourceField& f : field.sources) {
      const std::string_view value = ValueOf(source, i, f);
      if (value.empty()) continue;
      if (!line.empty()) line += ' ';
      line += value;
    }
    if (!line.empty()) out.push_back(MapText(line, FoldTable()));
    return out;
  }
  for (const SourceField& f : field.sources) {
    const std::string_view value = ValueOf(source, i, f);
    if (value.empty()) continue;
    switch (field.shape) {
      case SqlShape::kWords:
        for (std::string_view word : Pieces(value, ' '))
          out.push_back(MapText(word, AccentOrderTable()));
        break;
      case SqlShape::kDates:
        for (std::string_view date : Pieces(value, ','))
          out.emplace_back(date);
        break;
      case SqlShape::kLines:
        for (std::string_view line : Pieces(value, '\r'))
          out.push_back(MapText(line, FoldTable()));
        break;
      default:
        out.push_back(MapText(value, AccentOrderTable()));
        break;
    }
  }
  return out;
}

std::string SideColumn(const SqlField& field) {
  switch (field.shape) {
    case SqlShape::kDates:
      return "d";
    case SqlShape::kLines:
      return "t";
    default:
      return "a";
  }
}

void CreateTables(SqlDb& db, const SqlRegister& reg) {
  std::string main =
      "CREATE TABLE " + std::string(reg.table) + "(rec INTEGER PRIMARY KEY, lokalid BLOB";
  for (const SqlField& field : reg.fields) {
    if (field.shape != SqlShape::kColumn) {
      db.Exec("CREATE TABLE " + SideTable(reg, field) + "(rec INTEGER NOT NULL, " +
              SideColumn(field) + " BLOB NOT NULL)");
      continue;
    }
    main += ", " + std::string(field.prefix) + "_a BLOB";
    if (field.fold) main += ", " + std::string(field.prefix) + "_f BLOB";
  }
  db.Exec(main + ")");
  db.Exec("CREATE TABLE " + AllFieldsTable(reg) + "(rec INTEGER NOT NULL, t BLOB NOT NULL)");
}

void CreateIndexes(SqlDb& db, const SqlRegister& reg) {
  const std::string table(reg.table);
  db.Exec("CREATE INDEX " + table + "_lokalid ON " + table + "(lokalid)");
  for (const SqlField& field : reg.fields) {
    const std::string prefix(field.prefix);
    if (field.shape == SqlShape::kColumn) {
      db.Exec("CREATE INDEX " + table + "_" + prefix + " ON " + table + "(" + prefix + "_a" +
              (field.fold ? ", " + prefix + "_f" : "") + ")");
    } else {
      const std::string side = SideTable(reg, field);
      db.Exec("CREATE INDEX " + side + "_i ON " + side + "(" + SideColumn(field) + ", rec)");
    }
  }
  db.Exec("CREATE INDEX " + AllFieldsTable(reg) + "_i ON " + AllFieldsTable(reg) + "(t, rec)");
}

// Inserts into the main table, the side tables and the all-fields table.
class RegisterInserter {
 public:
  RegisterInserter(SqlDb& db, const SqlRegister& reg) : db_(db), reg_(reg) {
    std::string columns = "rec, lokalid";
    std::string marks = "?, ?";
    for (const SqlField& field : reg.fields) {
      if (field.shape != SqlShape::kColumn) continue;
      columns += ", " + std::string(field.prefix) + "_a";
      marks += ", ?";
      if (field.fold) {
        columns += ", " + std::string(field.prefix) + "_f";
        marks += ", ?";
      }
    }
    main_sql_ = "INSERT INTO " + std::string(reg.table) + "(" + columns + ") VALUES(" + marks + ")";
  }

  void Insert(const RegisterSource& source, size_t i, uint32_t record) {
    SqlStatement& main = db_.Prepared(main_sql_);
    main.Reset();
    main.BindInt(1, record);
    main.BindBlob(2, MapText(source.Field(i, reg_.lokal_id), AccentOrderTable()));
    int column = 3;
    for (const SqlField& field : reg_.fields) {
      if (field.shape != SqlShape::kColumn) {
        for (const std::string& value : SideValues(source, i, field))
          InsertSide(SideTable(reg_, field), record, value);
        continue;
      }
      const std::string_view value = source.Field(i, field.sources[0].name);
      if (!value.empty()) main.BindBlob(column, MapText(value, AccentOrderTable()));
      ++column;
      if (field.fold) {
        if (!value.empty()) main.BindBlob(column, MapText(value, FoldTable()));
        ++column;
      }
    }
    main.Step();
    InsertAllFields(source, i, record);
  }

 private:
  void InsertSide(const std::string& table, uint32_t record, std::string_view value) {
    SqlStatement& insert = db_.Prepared("INSERT INTO " + table + " VALUES(?, ?)");
    insert.Reset();
    insert.BindInt(1, record);
    insert.BindBlob(2, value);
    insert.Step();
  }

  // Every non-empty field, long texts line by line.
  void InsertAllFields(const RegisterSource& source, size_t i, uint32_t record) {
    const std::string table = AllFieldsTable(reg_);
    const auto& labels = source.Labels();
    for (size_t f = 0; f < labels.size(); ++f) {
      const std::string_view value = source.Field(i, static_cast<int>(f));
      if (value.empty()) continue;
      if (labels[f][0] != '5') {
        InsertSide(table, record, MapText(value, FoldTable()));
        continue;
      }
      for (std::string_view line : Pieces(value, '\r'))
        InsertSide(table, record, MapText(line, FoldTable()));
    }
  }

  SqlDb& db_;
  const SqlRegister& reg_;
  std::string main_sql_;
};

bool LoadRegister(SqlDb& db, const fs::path& file, TEVF& evf, const SqlRegister& reg) {
  std::unordered_map<std::string, uint32_t> numbers;
  if (!NumbersByLokalId(evf, reg, numbers)) return false;
  RegisterSource source;
  SourceError error;
  if (!source.Load(file, reg.number, error)) {
    std::fprintf(stderr, "%s\n", error.ToString().c_str());
    return false;
  }
  CreateTables(db, reg);
  RegisterInserter inserter(db, reg);
  for (size_t i = 0; i < source.Count(); ++i) {
    const auto it = numbers.find(std::string(source.Field(i, reg.lokal_id)));
    if (it == numbers.end()) {
      std::fprintf(stderr, "%s: line %zu: Lokal-ID not in the register set\n", file.c_str(),
                   source.Line(i));
      return false;
    }
    inserter.Insert(source, i, it->second);
  }
  std::printf("  %s: %zu records\n", reg.table.data(), source.Count());
  std::fflush(stdout);
  return true;
}

}  // namespace

int64_t LoadedCount(SqlDb& db) {
  return db.QueryInt("SELECT births FROM loaded", -1);
}

bool LoadRegisterSet(SqlDb& db, const fs::path& sources, TEVF& evf, int64_t births) {
  db.Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA cache_size = -1000000");
  db.Exec("BEGIN");
  for (int r = 1; r <= 3; ++r) {
    const SqlRegister& reg = SqlRegisterOf(r);
    const fs::path file = sources / reg.csv;
    if (!fs::exists(file)) continue;
    if (!LoadRegister(db, file, evf, reg)) return false;
  }
  db.Exec("COMMIT");
  std::printf("  indexing\n");
  std::fflush(stdout);
  for (int r = 1; r <= 3; ++r) {
    if (fs::exists(sources / SqlRegisterOf(r).csv)) CreateIndexes(db, SqlRegisterOf(r));
  }
  db.Exec("ANALYZE");
  db.Exec("CREATE TABLE loaded(births INTEGER); INSERT INTO loaded VALUES(" +
          std::to_string(births) + ")");
  return true;
}

}  // namespace vx::bench
