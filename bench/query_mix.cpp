#include "bench/query_mix.h"

#include <cstdlib>

#include "engine/files/row_file.h"
#include "engine/util/cp1252.h"
#include "search/free_text_search.h"
#include "search/lokal_id.h"
#include "search/run_search.h"

namespace vx::bench {
namespace {

constexpr const char* kRegisterNames[] = {"", "fodda", "vigda", "doda"};

MixQuery Form(int r, std::vector<std::pair<std::string, std::string>> fields) {
  return {MixKind::kForm, r, std::move(fields), {}};
}

MixQuery All(std::string text) {
  return {MixKind::kAll, 0, {}, std::move(text)};
}

// The Lokal-ID of the row in the middle of the register's Lokal-ID list.
MixQuery MiddleLokalId(TEVF& evf, int r) {
  TVXstruktlista* ids = evf.soklistor(r, SearchForm(r).lokalid_slot);
  std::string id = "saknas";
  if (ids != nullptr && ids->RowCount() > 0 && ids->ReadRow((ids->RowCount() + 1) / 2).ok()) {
    id = ids->RowText();
  }
  return {MixKind::kLokalId, r, {}, id};
}

std::vector<int> RegistersOn(TEVF& evf) {
  std::vector<int> on;
  for (int r = 1; r <= 3; ++r) {
    if (evf.PersonList(r).RowCount() > 0) on.push_back(r);
  }
  return on;
}

}  // namespace

std::string MixQuery::Title() const {
  std::string title = kind == MixKind::kAll ? "alla" : kRegisterNames[register_number];
  if (kind == MixKind::kLokalId) title += " lokalid";
  for (const auto& [prefix, value] : fields)
    title += (title.find(' ') == std::string::npos ? " " : " + ") + prefix + " " + value;
  if (!text.empty()) title += " " + text;
  return Cp1252ToUtf8(title);
}

std::vector<MixQuery> QueryMix(TEVF& evf) {
  return {
      // Births: each term kind in a name field.
      Form(1, {{"en", "Anders"}}),
      Form(1, {{"en", "Andersson;Persson"}}),
      Form(1, {{"en", "\"Andersson\""}}),
      Form(1, {{"en", "A*son"}}),
      Form(1, {{"en", "*berg"}}),
      Form(1, {{"en", "*ers*"}}),
      Form(1, {{"kae", "*C:*5"}}),
      Form(1, {{"en", "Xyzzy"}}),
      // First names: pairs, alternatives, whole words.
      Form(1, {{"fn", "Anna Maria"}}),
      Form(1, {{"fn", "Anna;Maria"}}),
      Form(1, {{"fn", "Anna Maria;Johan Peter"}}),
      Form(1, {{"fn", "\"Kerstin\""}}),
      // Dates.
      Form(1, {{"fod", "1785"}}),
      Form(1, {{"fod", "1780-1789"}}),
      Form(1, {{"fod", "-1700"}}),
      Form(1, {{"fod", "1890-"}}),
      Form(1, {{"fod", "17850612"}}),
      // Places and parishes, which fold accents.
      Form(1, {{"foo", "Nolg"}}),
      Form(1, {{"foo", "s"}}),
      Form(1, {{"farort", "*g\xE5rden"}}),
      Form(1, {{"morort", "*\xC4NG*"}}),
      Form(1, {{"fof", "Husaby;K\xE4llby"}}),
      Form(1, {{"mortitel", "*hustru"}}),
      // Several fields together.
      Form(1, {{"en", "Anders"}, {"fn", "Anna Maria"}, {"fod", "1780-1789"}}),
      Form(1, {{"faren", "Johans"}, {"fn", "Anna;Maria"}, {"fod", "1850-1859"}}),
      Form(1, {{"moren", "Pers*"}, {"morfn", "Kerstin"}, {"foo", "Husaby by"}}),
      // Free-text fields: contains, begins with, equals.
      Form(1, {{"fadder", "Olsson"}}),
      Form(1, {{"fadder", "Pigan*"}}),
      Form(1, {{"fadder", "\"Bonden Anders Andersson ibid.\""}}),
      Form(1, {{"ovrigt",
                "tvilling;n\xF6"
                "dd\xF6pt"}}),
      MiddleLokalId(evf, 1),
      // Marriages.
      Form(2, {{"ken", "Larsdotter"}, {"vigd", "1750-1759"}}),
      Form(2, {{"vigdfors", "Husaby;K\xE4llby"}}),
      Form(2, {{"mfn", "Johan Peter"}, {"kort", "*by"}}),
      Form(2, {{"ovrigt", "\xE4nkling"}}),
      // Deaths.
      Form(3, {{"dod", "1800-1809"}, {"en", "*son"}}),
      Form(3, {{"fod", "-1750"}}),
      Form(3, {{"dors", "Lungsot;Koppor"}}),
      Form(3, {{"anf", "fader"}}),
      Form(3, {{"anfn", "Anders"}, {"anen", "Pers*"}}),
      MiddleLokalId(evf, 3),
      // Every field of every register.
      All("Nolg\xE5rden"),
      All("Husaby*"),
      All("\"Anna\""),
      All("Qwxyz"),
  };
}

std::vector<int64_t> RunOurs(TEVF& evf, const MixQuery& query) {
  switch (query.kind) {
    case MixKind::kLokalId: {
      const int r = query.register_number;
      if (!FindLokalId(evf, r, SearchForm(r).lokalid_slot, query.text).ok()) return {0};
      return {evf.PersonList(r).vald().Count()};
    }
    case MixKind::kAll: {
      RunFreeSearch(evf, query.text);
      std::vector<int64_t> counts;
      for (int r : RegistersOn(evf))
        counts.push_back(evf.PersonList(r).vald().Count());
      return counts;
    }
    default: {
      SearchFormInput input(query.register_number);
      for (const auto& [prefix, text] : query.fields) {
        if (!input.Set(prefix, text)) std::abort();
      }
      if (!RunSearch(evf, input).ok()) return {-1};
      return {evf.PersonList(query.register_number).vald().Count()};
    }
  }
}

SqlQuery ToSql(TEVF& evf, const MixQuery& query, SqlVariant variant) {
  switch (query.kind) {
    case MixKind::kLokalId:
      return LokalIdQuery(query.register_number, query.text);
    case MixKind::kAll:
      return AllFieldsQuery(variant, RegistersOn(evf), query.text);
    default:
      return FormQuery(variant, query.register_number, query.fields);
  }
}

}  // namespace vx::bench
