// How the SQLite copy of a register set is laid out: for each search-form
// field, where its values live and how they are stored. The loader and the
// SQL side of the searches both read this table.
//
// Values that searches compare are stored mapped through the field's
// collation table, as BLOBs, so that SQL's byte comparison gives the order
// and equality of our comparisons:
//   a   AccentOrderTable (every name, title, place, source; the word lists'
//       own order, which decides where a begins-with run starts)
//   f   FoldTable (fold fields, beside their a; free-search lines)
// Dates are stored as written: their ranges compare plain bytes.
//
// Beside the B-tree tables, FTS5 trigram tables (fts5_text.h) index the
// values that contains and ends-with terms read: each field of one value
// per record (names, titles, places, parishes, sources, causes) as it is
// compared, each free-text field, and every field of a record (`alla`),
// one row per record with rowid = rec. First-name words, relatives'
// surnames and dates have none.
#ifndef VX_BENCH_SQL_SCHEMA_H_
#define VX_BENCH_SQL_SCHEMA_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx::bench {

enum class SqlShape {
  kColumn,  // one value per record: columns <prefix>_a (and <prefix>_f) of the main table
  kValues,  // several whole values: table <register>_<prefix>(rec, a)
  kWords,   // the blank-separated words of the values: as kValues
  kDates,   // the comma-separated dates: table <register>_<prefix>(rec, d)
  kLines,   // free-search lines, folded: table <register>_<prefix>(rec, t)
};

// A source field, or `fallback` when it is empty (the relatives' names as
// written).
struct SourceField {
  std::string_view name;
  std::string_view fallback;
};

struct SqlField {
  std::string_view prefix;  // the search form's field prefix
  SqlShape shape;
  bool fold = false;  // compared through FoldTable (place and parish fields)
  std::vector<SourceField> sources;
  bool joined = false;             // kLines: the sources make one line, joined by blanks
  std::string_view lower_default;  // kDates: the lower end of "-1789"
};

struct SqlRegister {
  int number;
  std::string_view table;     // "fodda", "vigda", "doda"
  std::string_view csv;       // the source file
  std::string_view lokal_id;  // the field holding the Lokal-ID
  int lokal_id_slot;          // the register set's Lokal-ID list
  std::vector<SqlField> fields;

  const SqlField* Field(std::string_view prefix) const;
};

// Register 1..3.
const SqlRegister& SqlRegisterOf(int number);

// The table of a side field ("fodda_fn"), and of the lines of every field of
// a register ("fodda_alla").
std::string SideTable(const SqlRegister& reg, const SqlField& field);
std::string AllFieldsTable(const SqlRegister& reg);

// The FTS5 table of a field ("fodda_en_fts"), empty when it has none, and
// of every field of a register ("fodda_alla_fts").
std::string Fts5Table(const SqlRegister& reg, const SqlField& field);
std::string Fts5AllFieldsTable(const SqlRegister& reg);

}  // namespace vx::bench

#endif  // VX_BENCH_SQL_SCHEMA_H_
