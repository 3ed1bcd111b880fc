#include "bench/sql_search.h"

#include <algorithm>
#include <optional>

#include "bench/fts5_text.h"
#include "bench/sql_schema.h"
#include "bench/sql_terms.h"
#include "engine/text/collation.h"
#include "engine/util/cp1252.h"

namespace vx::bench {
namespace {

std::string Accent(std::string_view s) {
  return MapText(s, AccentOrderTable());
}

std::string Fold(std::string_view s) {
  return MapText(s, FoldTable());
}

// Where a field's values are compared: the accent column, the folded one
// when the field folds, and what a folded run steps through.
struct ValueColumn {
  std::string accent;  // SQL expression
  std::string fold;    // empty for a field that keeps accents
  std::string table;   // the table the expressions read, for stepping
  std::string accent_name;
  std::string fold_name;
  std::string fts5;  // the field's FTS5 table, empty when it has none
};

// Builds one statement's text and parameters.
class StatementBuilder {
 public:
  StatementBuilder(SqlVariant variant, SqlQuery& query) : variant_(variant), query_(query) {}

  // Parameters are numbered: the order in which the parts of an
  // expression are built is not the order of the text.
  std::string Param(std::string bytes) {
    params_.push_back({std::move(bytes)});
    return '?' + std::to_string(params_.size());
  }

  std::string RunParam(int run, bool end) {
    params_.push_back({{}, run, end});
    return '?' + std::to_string(params_.size());
  }

  // The FTS5 phrase that finds `mapped` (contained, or at the end), when
  // these are FTS5 statements and `fts5` can look it up; `typed` names the
  // term when it cannot.
  std::optional<std::string> Fts5Term(const std::string& fts5, std::string_view mapped, bool at_end,
                                      std::string_view typed) {
    if (variant_ != SqlVariant::kFts5) return std::nullopt;
    const std::string term = "\"" + Cp1252ToUtf8(typed) + "\"";
    if (fts5.empty()) {
      Miss(term + ": no FTS5 table for the field");
      return std::nullopt;
    }
    std::optional<std::string> phrase = Fts5Phrase(mapped, at_end);
    if (!phrase) {
      Miss(term + (at_end ? ": ends-with under 2 characters" : ": contains under 3 characters"));
      return std::nullopt;
    }
    ++query_.fts5_terms;
    return phrase;
  }

  // The records whose FTS5 row matches `expression`.
  std::string Fts5Match(const std::string& fts5, const std::string& expression) {
    params_.push_back({expression, -1, false, true});
    const std::string match = fts5 + " MATCH ?" + std::to_string(params_.size());
    last_match_ = {"b.rec IN (SELECT rowid FROM " + fts5 + " WHERE " + match + ")",
                   "SELECT count(*) FROM " + fts5 + " WHERE " + match};
    return last_match_.first;
  }

  // The condition that `term` puts on a value.
  std::string TermCondition(const SqlTerm& term, const ValueColumn& column) {
    switch (term.kind) {
      case SqlTermKind::kWhole:
        return column.accent + " = " + Param(Accent(term.head));
      case SqlTermKind::kEnds:
        return EndsCondition(column, term.tail);
      case SqlTermKind::kContains:
        return ContainsCondition(column, term);
      default:
        break;
    }
    std::string condition =
        column.fold.empty() ? AccentRange(column.accent, term.head) : FoldedRun(column, term.head);
    if (term.kind == SqlTermKind::kBeginsEnds) {
      condition += " AND " + EndsWith(Compared(column), Mapped(column, term.tail));
    }
    return condition;
  }

  // The statement that counts the register's records meeting `condition`.
  // When that is one FTS5 match, whose rowids are records, the match counts
  // them itself: joining them to the register's table would add only time.
  SqlStatementText TakeCount(const SqlRegister& reg, std::string_view condition) {
    std::string sql = "SELECT count(*) FROM " + std::string(reg.table) + " b WHERE " +
                      std::string(condition.empty() ? "0" : condition);
    while (condition.size() > 2 && condition.front() == '(' && condition.back() == ')' &&
           condition != last_match_.first) {
      condition = condition.substr(1, condition.size() - 2);
    }
    if (!last_match_.first.empty() && condition == last_match_.first) sql = last_match_.second;
    return {std::move(sql), std::move(params_)};
  }

 private:
  // Contains and ends-with compare the folded value of a field that folds.
  static const std::string& Compared(const ValueColumn& column) {
    return column.fold.empty() ? column.accent : column.fold;
  }

  static std::string Mapped(const ValueColumn& column, std::string_view s) {
    return column.fold.empty() ? Accent(s) : Fold(s);
  }

  std::string EndsCondition(const ValueColumn& column, std::string_view typed) {
    const std::string tail = Mapped(column, typed);
    if (const auto phrase = Fts5Term(column.fts5, tail, true, typed))
      return Fts5Match(column.fts5, *phrase);
    return EndsWith(Compared(column), tail);
  }

  std::string ContainsCondition(const ValueColumn& column, const SqlTerm& term) {
    const std::string head = Mapped(column, term.head);
    const auto phrase = Fts5Term(column.fts5, head, false, term.head);
    std::string condition = phrase ? Fts5Match(column.fts5, *phrase)
                                   : "instr(" + Compared(column) + ", " + Param(head) + ") > 0";
    if (term.digit != 0) {
      condition +=
          " AND substr(" + Compared(column) + ", -1) = " + Param(std::string(1, term.digit));
    }
    return condition;
  }

  std::string EndsWith(const std::string& column, const std::string& tail) {
    if (tail.empty()) return "1";
    return "substr(" + column + ", -" + std::to_string(tail.size()) + ") = " + Param(tail);
  }

  std::string AccentRange(const std::string& column, std::string_view head) {
    const std::string low = Accent(head);
    const std::string high = PrefixEnd(low);
    return column + " >= " + Param(low) + " AND " + column + " < " + Param(high);
  }

  std::string FoldedRun(const ValueColumn& column, std::string_view head) {
    const int run = static_cast<int>(query_.runs.size());
    const std::string order = " FROM " + column.table + " WHERE " + column.accent_name;
    const std::string rest = " ORDER BY " + column.accent_name + " LIMIT 1";
    const std::string select = "SELECT " + column.accent_name + ", " + column.fold_name;
    query_.runs.push_back({select + order + " >= ?" + rest, select + order + " > ?" + rest,
                           Accent(head), Fold(head)});
    return column.accent + " BETWEEN " + RunParam(run, false) + " AND " + RunParam(run, true);
  }

  // Said once, though the search over all registers asks each register.
  void Miss(const std::string& why) {
    auto& misses = query_.fts5_misses;
    if (std::find(misses.begin(), misses.end(), why) == misses.end()) misses.push_back(why);
  }

  SqlVariant variant_;
  SqlQuery& query_;
  std::vector<SqlParam> params_;
  std::pair<std::string, std::string> last_match_;  // the condition, and the count alone
};

std::string Or(const std::vector<std::string>& conditions) {
  if (conditions.empty()) return "0";
  std::string out;
  for (const std::string& c : conditions)
    out += (out.empty() ? "((" : " OR (") + c + ")";
  return out + ")";
}

std::string InSide(const std::string& table, const std::string& condition) {
  return "b.rec IN (SELECT rec FROM " + table + " WHERE " + condition + ")";
}

// The values of a side table, in its column `a`; they keep accents.
ValueColumn SideColumn(const std::string& side) {
  return {
      .accent = "a", .fold = "", .table = side, .accent_name = "a", .fold_name = "", .fts5 = ""};
}

// Surnames, titles, places, sources: alternatives, any of which may match.
std::string ListFieldCondition(StatementBuilder& builder, const SqlRegister& reg,
                               const SqlField& field, std::string_view text) {
  ValueColumn column;
  std::string side;
  if (field.shape == SqlShape::kColumn) {
    const std::string prefix(field.prefix);
    column = {.accent = "b." + prefix + "_a",
              .fold = field.fold ? "b." + prefix + "_f" : "",
              .table = std::string(reg.table),
              .accent_name = prefix + "_a",
              .fold_name = prefix + "_f",
              .fts5 = Fts5Table(reg, field)};
  } else {
    // A side table's condition is inside its subquery, where the record's
    // FTS5 rows cannot be joined.
    side = SideTable(reg, field);
    column = SideColumn(side);
  }
  std::vector<std::string> alternatives;
  for (std::string_view piece : TermTexts(text, ';'))
    alternatives.push_back(builder.TermCondition(ReadTerm(piece), column));
  return side.empty() ? Or(alternatives) : InSide(side, Or(alternatives));
}

// First names: alternatives, each a group of words that must all match.
std::string FirstNamesCondition(StatementBuilder& builder, const SqlRegister& reg,
                                const SqlField& field, std::string_view text) {
  const std::string side = SideTable(reg, field);
  const ValueColumn column = SideColumn(side);
  std::vector<std::string> groups;
  for (std::string_view group : Runs(text, ';')) {
    std::string all;
    for (std::string_view word : TermTexts(group, ' ')) {
      if (!all.empty()) all += " AND ";
      all += InSide(side, builder.TermCondition(ReadTerm(word), column));
    }
    groups.push_back(all.empty() ? "0" : all);
  }
  return Or(groups);
}

std::string DateCondition(StatementBuilder& builder, const SqlRegister& reg, const SqlField& field,
                          std::string_view text) {
  DateEnds ends = ReadDateEnds(text, field.lower_default);
  if (ends.to.empty() || ends.from > ends.to) ends.to = ends.from;
  return InSide(SideTable(reg, field), "d >= " + builder.Param(ends.from) + " AND d < " +
                                           builder.Param(PrefixEnd(ends.to)));
}

std::string LineTermCondition(StatementBuilder& builder, LineMatch match,
                              const std::string& folded) {
  switch (match) {
    case LineMatch::kEqual:
      return "t = " + builder.Param(folded);
    case LineMatch::kBegins:
      return "t >= " + builder.Param(folded) + " AND t < " + builder.Param(PrefixEnd(folded));
    default:
      return "instr(t, " + builder.Param(folded) + ") > 0";
  }
}

// The records with a line in `side` that matches the free text; contains
// terms FTS5 can look up go to one MATCH in `fts5`, the rest to `side`.
std::string LinesCondition(StatementBuilder& builder, const std::string& side,
                           const std::string& fts5, std::string_view text) {
  const LineQuery query = ReadLineQuery(text);
  std::string phrases;
  std::vector<std::string> rest;
  for (const std::string& term : query.terms) {
    const std::string folded = Fold(term);
    if (query.match == LineMatch::kContains) {
      if (const auto phrase = builder.Fts5Term(fts5, folded, false, term)) {
        phrases += (phrases.empty() ? "" : " OR ") + *phrase;
        continue;
      }
    }
    rest.push_back(LineTermCondition(builder, query.match, folded));
  }
  if (phrases.empty()) return InSide(side, Or(rest));
  const std::string found = builder.Fts5Match(fts5, phrases);
  return rest.empty() ? found : Or({found, InSide(side, Or(rest))});
}

std::string FieldCondition(StatementBuilder& builder, const SqlRegister& reg, const SqlField& field,
                           std::string_view text) {
  switch (field.shape) {
    case SqlShape::kWords:
      return FirstNamesCondition(builder, reg, field, text);
    case SqlShape::kDates:
      return DateCondition(builder, reg, field, text);
    case SqlShape::kLines:
      return LinesCondition(builder, SideTable(reg, field), Fts5Table(reg, field), text);
    default:
      return ListFieldCondition(builder, reg, field, text);
  }
}

// The first value of a run's stepping statement, or false.
bool StepRun(SqlStatement& statement, std::string_view after, std::string& accent,
             std::string& fold) {
  statement.Reset();
  statement.BindBlob(1, after);
  if (!statement.Step()) return false;
  accent = statement.Blob(0);
  fold = statement.Blob(1);
  return true;
}

// The accent values at both ends of a folded run; an empty range (start
// above end) when there is none.
std::pair<std::string, std::string> FindRun(SqlDb& db, const FoldRun& run) {
  std::string accent, fold;
  if (!StepRun(db.Prepared(run.first_sql), run.accent_head, accent, fold) ||
      !accent.starts_with(run.accent_head)) {
    return {"\x01", std::string()};
  }
  std::pair<std::string, std::string> ends{accent, accent};
  SqlStatement& next = db.Prepared(run.next_sql);
  while (StepRun(next, ends.second, accent, fold) && fold.starts_with(run.fold_head))
    ends.second = accent;
  return ends;
}

}  // namespace

SqlQuery FormQuery(SqlVariant variant, int register_number,
                   const std::vector<std::pair<std::string, std::string>>& fields) {
  const SqlRegister& reg = SqlRegisterOf(register_number);
  SqlQuery query;
  StatementBuilder builder(variant, query);
  std::string where;
  for (const auto& [prefix, text] : fields) {
    if (text.empty()) continue;
    if (!where.empty()) where += " AND ";
    where += FieldCondition(builder, reg, *reg.Field(prefix), text);
  }
  query.statements.push_back(builder.TakeCount(reg, where));
  return query;
}

SqlQuery LokalIdQuery(int register_number, std::string_view id) {
  const SqlRegister& reg = SqlRegisterOf(register_number);
  SqlQuery query;
  StatementBuilder builder(SqlVariant::kBtree, query);
  const std::string condition = "b.lokalid = " + builder.Param(Accent(id));
  query.statements.push_back(builder.TakeCount(reg, condition));
  return query;
}

SqlQuery AllFieldsQuery(SqlVariant variant, const std::vector<int>& registers,
                        std::string_view text) {
  SqlQuery query;
  for (int r : registers) {
    const SqlRegister& reg = SqlRegisterOf(r);
    StatementBuilder builder(variant, query);
    const std::string condition =
        LinesCondition(builder, AllFieldsTable(reg), Fts5AllFieldsTable(reg), text);
    query.statements.push_back(builder.TakeCount(reg, condition));
  }
  return query;
}

std::vector<int64_t> RunSqlQuery(SqlDb& db, const SqlQuery& query) {
  std::vector<std::pair<std::string, std::string>> runs;
  for (const FoldRun& run : query.runs)
    runs.push_back(FindRun(db, run));
  std::vector<int64_t> counts;
  for (const SqlStatementText& text : query.statements) {
    SqlStatement& statement = db.Prepared(text.sql);
    statement.Reset();
    for (size_t i = 0; i < text.params.size(); ++i) {
      const SqlParam& p = text.params[i];
      const int index = static_cast<int>(i) + 1;
      if (p.text) {
        statement.BindText(index, p.bytes);
      } else if (p.run < 0) {
        statement.BindBlob(index, p.bytes);
      } else {
        const auto& ends = runs[static_cast<size_t>(p.run)];
        statement.BindBlob(index, p.run_end ? ends.second : ends.first);
      }
    }
    counts.push_back(statement.Step() ? statement.Int(0) : 0);
  }
  return counts;
}

}  // namespace vx::bench
