#include "search/search_forms.h"

#include <cassert>
#include <vector>

#include "catalogue/catalogue_declaration.h"
#include "engine/util/cp1252.h"
#include "language/message_id.h"
#include "language/messages.h"

namespace vx {
namespace {

// Each row: caption, prefix, routine, slot, free-search list, comparison,
// caption of an empty list, picker title, help code, tab order, lower date
// default, shown. A free field gives the slot of its free-search list and
// leaves the list's name to the catalogue declaration (NamedForms).

// Births.
constexpr FormField kBirthFields[] = {
    {"F\xF6rnamn", "fn", FieldRoutine::kFirstNames, 6, "", FieldComparison::kKeep,
     "F\xF6rnamn (inga uppg.)", "F\xF6rnamn", "HJ005A", 0, "", true},
    {"Efternamn", "en", FieldRoutine::kListField, 7, "", FieldComparison::kKeep,
     "Efternamn (inga uppg.)", "Efternamn", "HJ005", 1, "", false},
    {"F\xF6"
     "delse- eller dopdatum",
     "fod", FieldRoutine::kDateRange, 4, "", FieldComparison::kNone, "", "", "", 2, "1600", true},
    {"F\xF6"
     "delseort",
     "foo", FieldRoutine::kListField, 8, "", FieldComparison::kFold,
     "F\xF6"
     "delseort (inga uppg.)",
     "F\xF6"
     "delseort",
     "HJ007", 4, "", true},
    {"F\xF6"
     "delsef\xF6rsamling",
     "fof", FieldRoutine::kListField, 1, "", FieldComparison::kFold,
     "F\xF6"
     "delsef\xF6rsamling (inga uppg.)",
     "F\xF6"
     "delsef\xF6rsamling",
     "HJ007", 3, "", true},
    {"Moderns efternamn", "moren", FieldRoutine::kListField, 10, "", FieldComparison::kKeep,
     "Moderns efternamn (inga uppg.)", "Moderns efternamn", "HJ007", 9, "", true},
    {"Moderns f\xF6rnamn", "morfn", FieldRoutine::kFirstNames, 9, "", FieldComparison::kKeep,
     "Moderns f\xF6rnamn (inga uppg.)", "Moderns f\xF6rnamn", "HJ007", 10, "", true},
    {"Moderns titel", "mortitel", FieldRoutine::kListField, 12, "", FieldComparison::kKeep,
     "Moderns titel (inga uppg.)", "Moderns titel", "HJ007", 11, "", true},
    {"Moderns hemort", "morort", FieldRoutine::kListField, 11, "", FieldComparison::kFold,
     "Moderns hemort (inga uppg.)", "Moderns hemort", "HJ007", 12, "", true},
    {"Faderns efternamn", "faren", FieldRoutine::kListField, 14, "", FieldComparison::kKeep,
     "Faderns efternamn (inga uppg.)", "Faderns efternamn", "HJ007", 5, "", true},
    {"Faderns f\xF6rnamn", "farfn", FieldRoutine::kFirstNames, 13, "", FieldComparison::kKeep,
     "Faderns f\xF6rnamn (inga uppg.)", "Faderns f\xF6rnamn", "HJ007", 6, "", true},
    {"Faderns titel", "fartitel", FieldRoutine::kListField, 16, "", FieldComparison::kKeep,
     "Faderns titel (inga uppg.)", "Faderns titel", "HJ007", 7, "", true},
    {"Faderns hemort", "farort", FieldRoutine::kListField, 15, "", FieldComparison::kFold,
     "Faderns hemort (inga uppg.)", "Faderns hemort", "HJ007", 8, "", true},
    {"K\xE4lla", "kae", FieldRoutine::kListField, 3, "", FieldComparison::kKeep, "", "K\xE4lla",
     "HJ005", 15, "", true},
    {"Dopvittnen (fritt)", "fadder", FieldRoutine::kFreeField, 17, "", FieldComparison::kNone, "",
     "", "", 13, "", true},
    {"\xD6vriga uppgifter (fritt)", "ovrigt", FieldRoutine::kFreeField, 18, "",
     FieldComparison::kNone, "", "", "", 14, "", true},
};

// Marriages.
constexpr FormField kMarriageFields[] = {
    {"Vigsel- eller lysningsdatum", "vigd", FieldRoutine::kDateRange, 4, "", FieldComparison::kNone,
     "", "", "", 8, "1600", true},
    {"Vigself\xF6rsamling", "vigdfors", FieldRoutine::kListField, 1, "", FieldComparison::kFold,
     "Vigself\xF6rsamling (inga uppg.)", "Vigself\xF6rsamling", "HJ007", 9, "", true},
    {"Kvinnans efternamn", "ken", FieldRoutine::kListField, 7, "", FieldComparison::kKeep,
     "Kvinnans efternamn (inga uppg.)", "Kvinnans efternamn", "HJ007", 4, "", true},
    {"Kvinnans f\xF6rnamn", "kfn", FieldRoutine::kFirstNames, 6, "", FieldComparison::kKeep,
     "Kvinnans f\xF6rnamn (inga uppg.)", "Kvinnans f\xF6rnamn", "HJ007", 5, "", true},
    {"Kvinnans titel", "ktitel", FieldRoutine::kListField, 9, "", FieldComparison::kKeep,
     "Kvinnans titel (inga uppg.)", "Kvinnans titel", "HJ007", 6, "", true},
    {"Kvinnans hemort", "kort", FieldRoutine::kListField, 8, "", FieldComparison::kFold,
     "Kvinnans hemort (inga uppg.)", "Kvinnans hemort", "HJ007", 7, "", true},
    {"Mannens efternamn", "men", FieldRoutine::kListField, 11, "", FieldComparison::kKeep,
     "Mannens efternamn (inga uppg.)", "Mannens efternamn", "HJ007", 0, "", true},
    {"Mannens f\xF6rnamn", "mfn", FieldRoutine::kFirstNames, 10, "", FieldComparison::kKeep,
     "Mannens f\xF6rnamn (inga uppg.)", "Mannens f\xF6rnamn", "HJ007", 1, "", true},
    {"Mannens titel", "mtitel", FieldRoutine::kListField, 13, "", FieldComparison::kKeep,
     "Mannens titel (inga uppg.)", "Mannens titel", "HJ007", 2, "", true},
    {"Mannens hemort", "mort", FieldRoutine::kListField, 12, "", FieldComparison::kFold,
     "Mannens hemort (inga uppg.)", "Mannens hemort", "HJ007", 3, "", true},
    {"K\xE4lla", "kae", FieldRoutine::kListField, 3, "", FieldComparison::kKeep, "", "K\xE4lla",
     "HJ005", 11, "", true},
    {"\xD6vriga uppgifter (fritt)", "ovrigt", FieldRoutine::kFreeField, 14, "",
     FieldComparison::kNone, "", "", "", 10, "", true},
};

// Deaths.
constexpr FormField kDeathFields[] = {
    {"F\xF6rnamn", "fn", FieldRoutine::kFirstNames, 7, "", FieldComparison::kKeep,
     "F\xF6rnamn (inga uppg.)", "F\xF6rnamn", "HJ005A", 1, "", true},
    {"Efternamn", "en", FieldRoutine::kListField, 8, "", FieldComparison::kKeep,
     "Efternamn (inga uppg.)", "Efternamn", "HJ005", 0, "", true},
    {"F\xF6"
     "delsedatum",
     "fod", FieldRoutine::kDateRange, 6, "", FieldComparison::kNone, "", "", "", 3, "1800", true},
    {"D\xF6"
     "ds- eller begravningsdatum",
     "dod", FieldRoutine::kDateRange, 4, "", FieldComparison::kNone, "", "", "", 4, "1600", true},
    {"D\xF6"
     "dsort",
     "doo", FieldRoutine::kListField, 9, "", FieldComparison::kFold,
     "D\xF6"
     "dsort (inga uppg.)",
     "D\xF6"
     "dsort",
     "HJ007", 6, "", true},
    {"D\xF6"
     "dsf\xF6rsamling",
     "dof", FieldRoutine::kListField, 1, "", FieldComparison::kFold,
     "D\xF6"
     "dsf\xF6rsamling (inga uppg.)",
     "D\xF6"
     "dsf\xF6rsamling",
     "HJ007", 5, "", true},
    {"Titel", "titel", FieldRoutine::kListField, 10, "", FieldComparison::kKeep,
     "Titel (inga uppg.)", "Titel", "HJ007", 2, "", true},
    {"Anf\xF6rvanter (fritt)", "anf", FieldRoutine::kFreeField, 11, "", FieldComparison::kNone, "",
     "", "", 9, "", true},
    {"\xD6vriga uppgifter (fritt)", "ovrigt", FieldRoutine::kFreeField, 12, "",
     FieldComparison::kNone, "", "", "", 10, "", true},
    {"Anf\xF6rvants f\xF6rnamn (onorm.)", "anfn", FieldRoutine::kFirstNames, 14, "",
     FieldComparison::kKeep, "Anf\xF6rvants f\xF6rnamn (inga uppg.)",
     "Anf\xF6rvants f\xF6rnamn (onormerat)", "HJ007", 8, "", true},
    {"Anf\xF6rvants efternamn", "anen", FieldRoutine::kListField, 15, "", FieldComparison::kKeep,
     "Anf\xF6rvants efternamn (inga uppg.)", "Anf\xF6rvants efternamn (onormerat)", "HJ007", 7, "",
     true},
    {"D\xF6"
     "dsorsak",
     "dors", FieldRoutine::kListField, 16, "", FieldComparison::kKeep,
     "D\xF6"
     "dsorsak (inga uppg.)",
     "D\xF6"
     "dsorsak",
     "HJ007", 13, "", true},
    {"K\xE4lla", "kae", FieldRoutine::kListField, 3, "", FieldComparison::kKeep, "", "K\xE4lla",
     "HJ005", 11, "", true},
};

constexpr SearchFormTable kForms[] = {
    {1,
     ", s\xF6k f\xF6"
     "dda",
     "HJ002", 19, 16, "fn", "fn", kBirthFields},
    {2, ", s\xF6k vigda", "HJ003", 16, 12, "ken", "men", kMarriageFields},
    {3,
     ", s\xF6k d\xF6"
     "da",
     "HJ004", 13, 12, "en", "en", kDeathFields},
};

// The forms with each free field's list named by the catalogue
// declaration, which alone spells component names.
struct NamedForms {
  std::vector<FormField> fields[3];
  SearchFormTable forms[3] = {kForms[0], kForms[1], kForms[2]};

  NamedForms() {
    for (int i = 0; i < 3; ++i) {
      fields[i].assign(kForms[i].fields.begin(), kForms[i].fields.end());
      for (FormField& field : fields[i]) {
        if (field.routine != FieldRoutine::kFreeField) continue;
        const ComponentDecl* list = FreeSearchListDecl(kForms[i].register_number, field.slot);
        if (list != nullptr) field.free_list = list->name;
      }
      forms[i].fields = fields[i];
    }
  }
};

}  // namespace

const FormField* SearchFormTable::Field(std::string_view prefix) const {
  const int index = FieldIndex(prefix);
  return index < 0 ? nullptr : &fields[static_cast<size_t>(index)];
}

int SearchFormTable::FieldIndex(std::string_view prefix) const {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].prefix == prefix) return static_cast<int>(i);
  }
  return -1;
}

const SearchFormTable& SearchForm(int register_number) {
  assert(register_number >= 1 && register_number <= 3);
  static const NamedForms kNamed;
  return kNamed.forms[register_number - 1];
}

std::string ShownFormText(std::string_view table_text, Language language) {
  if (language == Language::kSwedish) return std::string(table_text);
  const std::string swedish = Cp1252ToUtf8(table_text);
  // An empty list's caption is the field's own caption (or its stem) with
  // "(inga uppg.)": the catalogue holds the stems and that pattern once.
  const std::string_view pattern = MessageText(MessageId::FormNotGiven, Language::kSwedish);
  const std::string_view not_given = pattern.substr(pattern.find(' '));
  std::string shown;
  if (swedish.ends_with(not_given)) {
    const std::string stem = swedish.substr(0, swedish.size() - not_given.size());
    shown = Say(MessageId::FormNotGiven, language, {TextOfSwedish(stem, language)});
  } else {
    shown = TextOfSwedish(swedish, language);
  }
  std::string cp1252;
  return Utf8ToCp1252(shown, cp1252) ? cp1252 : std::string(table_text);
}

}  // namespace vx
