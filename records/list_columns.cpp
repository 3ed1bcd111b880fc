#include "records/list_columns.h"

#include <array>
#include <optional>
#include <string_view>

#include "engine/util/message.h"
#include "language/message_id.h"
#include "records/date_text.h"
#include "records/field_rules.h"
#include "records/hex_split_words.h"

namespace vx {
namespace {

std::string Name(const std::string& surname, const std::string& first_name, Language language) {
  return NameOr(surname, first_name, CatalogueText(MessageId::RecordNoName, language));
}

// Place + ", " + parish, else either; the county follows only the parish.
std::string Place(const std::string& place, const std::string& parish, const std::string& county) {
  std::string text = place.empty() ? parish : place;
  if (parish.empty()) return text;
  if (!place.empty()) text += ", " + parish;
  if (!county.empty()) text += " (" + county + ")";
  return text;
}

struct Parent {
  const std::string& surname;
  const std::string& first_name;
  const std::string& title;
  const std::string& age;
  const std::string& place;
};

// Name, then title and age (either dropped when "saknas"), then place.
std::string ParentText(const Parent& parent, Language language) {
  const std::string title = IsSaknas(parent.title) ? "" : parent.title;
  const std::string age = IsSaknas(parent.age) ? "" : WithAgeUnit(parent.age, language);
  const std::string detail = JoinNonEmpty(JoinNonEmpty(title, age, ", "), parent.place, ", ");
  return JoinNonEmpty(Name(parent.surname, parent.first_name, language), detail, ", ");
}

const std::string& Either(const std::string& first, const std::string& second) {
  return first.empty() ? second : first;
}

}  // namespace

std::string listrubrik(int register_number, int kolumn, Language language) {
  using M = MessageId;
  using Titles = std::array<std::optional<MessageId>, 8>;
  static const Titles kTitles[] = {
      {M::RecordBorn, M::PrintColumnName, M::RecordPlace, M::RecordFather, M::RecordMother,
       M::PrintColumnSource, M::RecordBaptised, std::nullopt},
      {M::PrintColumnMarried, M::PrintColumnMansName, M::PrintColumnMansTitleAge,
       M::PrintColumnMansPlace, M::PrintColumnWomansName, M::PrintColumnWomansTitleAge,
       M::PrintColumnWomansPlace, M::PrintColumnSource},
      {M::RecordDied, M::PrintColumnName, M::RecordBorn, M::PrintColumnTitleAge, M::RecordPlace,
       M::PrintColumnSource, M::PrintColumnBuried, std::nullopt}};
  if (register_number < kBirths || register_number > kDeaths || kolumn < 1 || kolumn > 8) return {};
  const std::optional<MessageId> title = kTitles[register_number - 1][kolumn - 1];
  return title ? CatalogueText(*title, language) : std::string();
}

std::string listtext(const Tenfodd& r, int kolumn, Language language) {
  switch (kolumn) {
    case 1:
      return DashedDate(r.FODAT) +
             (r.DFODD.empty() ? "" : CatalogueText(MessageId::PrintColumnStillborn, language));
    case 2:
      return Name(r.ENAMN, r.FNAMN, language);
    case 3:
      return Place(r.ORT, r.FORSKX, r.LAN);
    case 4:
      return ParentText({r.FARENAMN, r.FARFNAMN, r.FARTITEL, r.FARALDER, r.FARORT}, language);
    case 5:
      return ParentText({r.MORENAMN, r.MORFNAMN, r.MORTITEL, r.MORALDER, r.MORORT}, language);
    case 6:
      return r.KAELLA;
    case 7:
      return DashedDate(r.DOPDAT);
    default:
      return {};
  }
}

std::string listtext(const Tenvigd& r, int kolumn, Language language) {
  switch (kolumn) {
    case 1:
      return DashedDate(r.VIGDDAT);
    case 2:
      return Name(r.MENAMN, r.MFNAMN, language);
    case 3:
      return JoinNonEmpty(r.MTITEL, WithAgeUnit(r.MALDER, language), ", ");
    case 4:
      return r.MORT;
    case 5:
      return Name(r.KENAMN, r.KFNAMN, language);
    case 6:
      // The woman's age is shown as stored.
      return JoinNonEmpty(r.KTITEL, r.KALDER, ", ");
    case 7:
      return r.KORT;
    case 8:
      return r.KAELLA;
    default:
      return {};
  }
}

std::string listtext(const Tendod& r, int kolumn, Language language) {
  switch (kolumn) {
    case 1:
      return DashedDate(r.DODAT);
    case 2:
      return Name(r.ENAMN, r.FNAMN, language);
    case 3:
      return DashedDate(r.FODAT);
    case 4:
      return JoinNonEmpty(r.TITEL, WithAgeUnit(r.ALDER, language), ", ");
    case 5:
      return Place(r.ORT, r.FORSKX, r.LAN);
    case 6:
      return r.KAELLA;
    case 7:
      return DashedDate(r.BEGRDAT);
    default:
      return {};
  }
}

std::string listnyckel(const Tenfodd& r, int typ) {
  const std::string& date = Either(r.FODAT, r.DOPDAT);
  switch (typ) {
    case 1:
      return date;
    case 2:
      return Name(r.ENAMN, r.FNAMN, Language::kSwedish);
    case 3:
      return r.KAELLA + kKeySeparator + date;
    default:
      return {};
  }
}

std::string listnyckel(const Tenvigd& r, int typ) {
  const std::string& date = Either(r.VIGDDAT, r.LYSNDAT);
  switch (typ) {
    case 1:
      return date + kKeySeparator + r.KAELLA + kKeySeparator + r.POSTNUMMER;
    case 2:
      return Name(r.MENAMN, r.MFNAMN, Language::kSwedish);
    case 3:
      return r.KAELLA + kKeySeparator + date + kKeySeparator + r.POSTNUMMER;
    case 4:
      return Name(r.KENAMN, r.KFNAMN, Language::kSwedish);
    default:
      return {};
  }
}

std::string listnyckel(const Tendod& r, int typ) {
  const std::string& date = Either(r.DODAT, r.BEGRDAT);
  switch (typ) {
    case 1:
      return date;
    case 2:
      return Name(r.ENAMN, r.FNAMN, Language::kSwedish);
    case 3:
      return r.KAELLA + kKeySeparator + date;
    default:
      return {};
  }
}

}  // namespace vx
