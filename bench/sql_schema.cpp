#include "bench/sql_schema.h"

namespace vx::bench {
namespace {

SqlField Column(std::string_view prefix, std::string_view field, bool fold = false) {
  return {prefix, SqlShape::kColumn, fold, {{field, {}}}, false, {}};
}

SqlField Words(std::string_view prefix, std::vector<SourceField> sources) {
  return {prefix, SqlShape::kWords, false, std::move(sources), false, {}};
}

SqlField Dates(std::string_view prefix, std::vector<SourceField> sources,
               std::string_view lower_default) {
  return {prefix, SqlShape::kDates, false, std::move(sources), false, lower_default};
}

SqlField Lines(std::string_view prefix, std::string_view field) {
  return {prefix, SqlShape::kLines, true, {{field, {}}}, false, {}};
}

SqlRegister Births() {
  return {1,
          "fodda",
          "fodda.csv",
          "LOKALID",
          19,
          {Words("fn", {{"FNAMN", {}}}), Column("en", "ENAMN"),
           Dates("fod", {{"FODAT", {}}, {"DOPDAT", {}}}, "1600"), Column("foo", "ORT", true),
           Column("fof", "FORSKX", true), Column("moren", "MORENAMN"),
           Words("morfn", {{"MORFNAMN", {}}}), Column("mortitel", "MORTITEL"),
           Column("morort", "MORORT", true), Column("faren", "FARENAMN"),
           Words("farfn", {{"FARFNAMN", {}}}), Column("fartitel", "FARTITEL"),
           Column("farort", "FARORT", true), Column("kae", "KAELLA"), Lines("fadder", "DOPVITTNEN"),
           Lines("ovrigt", "OVRIGT")}};
}

SqlRegister Marriages() {
  return {2,
          "vigda",
          "vigda.csv",
          "LOKALID",
          16,
          {Dates("vigd", {{"VIGDDAT", {}}, {"LYSNDAT", {}}}, "1600"),
           Column("vigdfors", "FORSKX", true), Column("ken", "KENAMN"),
           Words("kfn", {{"KFNAMN", {}}}), Column("ktitel", "KTITEL"), Column("kort", "KORT", true),
           Column("men", "MENAMN"), Words("mfn", {{"MFNAMN", {}}}), Column("mtitel", "MTITEL"),
           Column("mort", "MORT", true), Column("kae", "KAELLA"), Lines("ovrigt", "OVRIGT")}};
}

SqlRegister Deaths() {
  SqlField relatives{"anf", SqlShape::kLines, true, {}, true, {}};
  // Each relative is one line of title, names, place and relation.
  for (std::string_view field : {"ANF1TITEL", "ANF1FNAMN", "ANF1ENAMN", "ANF1ORT", "ANF1RELAT",
                                 "ANF2TITEL", "ANF2FNAMN", "ANF2ENAMN", "ANF2ORT", "ANF2RELAT"}) {
    relatives.sources.push_back({field, {}});
  }
  return {3,
          "doda",
          "doda.csv",
          "LOKALID",
          13,
          {Words("fn", {{"FNAMN", {}}}),
           Column("en", "ENAMN"),
           Dates("fod", {{"FODAT", {}}}, "1800"),
           Dates("dod", {{"DODAT", {}}, {"BEGRDAT", {}}}, "1600"),
           Column("doo", "ORT", true),
           Column("dof", "FORSKX", true),
           Column("titel", "TITEL"),
           relatives,
           Lines("ovrigt", "OVRIGT"),
           Words("anfn", {{"ANF1FNAMNO", "ANF1FNAMN"}, {"ANF2FNAMNO", "ANF2FNAMN"}}),
           {"anen",
            SqlShape::kValues,
            false,
            {{"ANF1ENAMNO", "ANF1ENAMN"}, {"ANF2ENAMNO", "ANF2ENAMN"}},
            false,
            {}},
           Column("dors", "DORSAK"),
           Column("kae", "KAELLA")}};
}

}  // namespace

const SqlField* SqlRegister::Field(std::string_view prefix) const {
  for (const SqlField& field : fields) {
    if (field.prefix == prefix) return &field;
  }
  return nullptr;
}

const SqlRegister& SqlRegisterOf(int number) {
  static const SqlRegister kRegisters[3] = {Births(), Marriages(), Deaths()};
  return kRegisters[number - 1];
}

std::string SideTable(const SqlRegister& reg, const SqlField& field) {
  return std::string(reg.table) + "_" + std::string(field.prefix);
}

std::string AllFieldsTable(const SqlRegister& reg) {
  return std::string(reg.table) + "_alla";
}

std::string Fts5Table(const SqlRegister& reg, const SqlField& field) {
  if (field.shape != SqlShape::kColumn && field.shape != SqlShape::kLines) return {};
  return std::string(reg.table) + "_" + std::string(field.prefix) + "_fts";
}

std::string Fts5AllFieldsTable(const SqlRegister& reg) {
  return AllFieldsTable(reg) + "_fts";
}

}  // namespace vx::bench
