#include "bench/sql_search.h"

#include "bench/sql_schema.h"
#include "bench/sql_terms.h"
#include "engine/text/collation.h"

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
};

// Builds one statement's text and parameters.
class StatementBuilder {
 public:
  explicit StatementBuilder(SqlQuery& query) : query_(query) {}

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

  // The condition that `term` puts on a value.
  std::string TermCondition(const SqlTerm& term, const ValueColumn& column) {
    const std::string& compared = column.fold.empty() ? column.accent : column.fold;
    const auto mapped = [&](std::string_view s) {
      return column.fold.empty() ? Accent(s) : Fold(s);
    };
    switch (term.kind) {
      case SqlTermKind::kWhole:
        return column.accent + " = " + Param(Accent(term.head));
      case SqlTermKind::kEnds:
        return EndsWith(compared, mapped(term.tail));
      case SqlTermKind::kContains: {
        std::string condition = "instr(" + compared + ", " + Param(mapped(term.head)) + ") > 0";
        if (term.digit != 0) {
          condition += " AND substr(" + compared + ", -1) = " + Param(std::string(1, term.digit));
        }
        return condition;
      }
      default:
        break;
    }
    std::string condition =
        column.fold.empty() ? AccentRange(column.accent, term.head) : FoldedRun(column, term.head);
    if (term.kind == SqlTermKind::kBeginsEnds) {
      condition += " AND " + EndsWith(compared, mapped(term.tail));
    }
    return condition;
  }

  SqlStatementText Take(std::string sql) { return {std::move(sql), std::move(params_)}; }

 private:
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

  SqlQuery& query_;
  std::vector<SqlParam> params_;
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

// Surnames, titles, places, sources: alternatives, any of which may match.
std::string ListFieldCondition(StatementBuilder& builder, const SqlRegister& reg,
                               const SqlField& field, std::string_view text) {
  ValueColumn column;
  std::string side;
  if (field.shape == SqlShape::kColumn) {
    const std::string prefix(field.prefix);
    column = {"b." + prefix + "_a", field.fold ? "b." + prefix + "_f" : "", std::string(reg.table),
              prefix + "_a", prefix + "_f"};
  } else {
    side = SideTable(reg, field);
    column = {"a", "", side, "a", ""};
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
  const ValueColumn column{"a", "", side, "a", ""};
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

std::string LineCondition(StatementBuilder& builder, std::string_view text) {
  const LineQuery query = ReadLineQuery(text);
  std::vector<std::string> terms;
  for (const std::string& term : query.terms) {
    const std::string folded = Fold(term);
    switch (query.match) {
      case LineMatch::kEqual:
        terms.push_back("t = " + builder.Param(folded));
        break;
      case LineMatch::kBegins:
        terms.push_back("t >= " + builder.Param(folded) + " AND t < " +
                        builder.Param(PrefixEnd(folded)));
        break;
      case LineMatch::kContains:
        terms.push_back("instr(t, " + builder.Param(folded) + ") > 0");
        break;
    }
  }
  return Or(terms);
}

std::string FieldCondition(StatementBuilder& builder, const SqlRegister& reg, const SqlField& field,
                           std::string_view text) {
  switch (field.shape) {
    case SqlShape::kWords:
      return FirstNamesCondition(builder, reg, field, text);
    case SqlShape::kDates:
      return DateCondition(builder, reg, field, text);
    case SqlShape::kLines:
      return InSide(SideTable(reg, field), LineCondition(builder, text));
    default:
      return ListFieldCondition(builder, reg, field, text);
  }
}

std::string CountWhere(const SqlRegister& reg, const std::string& condition) {
  return "SELECT count(*) FROM " + std::string(reg.table) + " b WHERE " + condition;
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

SqlQuery FormQuery(int register_number,
                   const std::vector<std::pair<std::string, std::string>>& fields) {
  const SqlRegister& reg = SqlRegisterOf(register_number);
  SqlQuery query;
  StatementBuilder builder(query);
  std::string where;
  for (const auto& [prefix, text] : fields) {
    if (text.empty()) continue;
    if (!where.empty()) where += " AND ";
    where += FieldCondition(builder, reg, *reg.Field(prefix), text);
  }
  query.statements.push_back(builder.Take(CountWhere(reg, where.empty() ? "0" : where)));
  return query;
}

SqlQuery LokalIdQuery(int register_number, std::string_view id) {
  const SqlRegister& reg = SqlRegisterOf(register_number);
  SqlQuery query;
  StatementBuilder builder(query);
  const std::string condition = "b.lokalid = " + builder.Param(Accent(id));
  query.statements.push_back(builder.Take(CountWhere(reg, condition)));
  return query;
}

SqlQuery AllFieldsQuery(const std::vector<int>& registers, std::string_view text) {
  SqlQuery query;
  for (int r : registers) {
    const SqlRegister& reg = SqlRegisterOf(r);
    StatementBuilder builder(query);
    const std::string condition = InSide(AllFieldsTable(reg), LineCondition(builder, text));
    query.statements.push_back(builder.Take(CountWhere(reg, condition)));
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
      if (p.run < 0) {
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
