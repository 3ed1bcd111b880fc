// The texts a printed list shows for a record: column titles, column texts
// and sort keys. Dates appear dashed (YYYY-MM-DD) in columns and raw in
// keys, where plain text order is date order.
//
// Columns: births 1..7, marriages 1..8, deaths 1..7.
//   births     Född, Namn, Ort, Far, Mor, Källa, Döpt
//   marriages  Vigd, M namn, M titel/ålder, M ort, K namn, K titel/ålder,
//              K ort, Källa
//   deaths     Död, Namn, Född, Titel/ålder, Ort, Källa, Begr.
// Keys: 1 date, 2 name, 3 source, and for marriages 4 the woman's name;
// parts of a key are separated by the character FFh.
#ifndef VX_RECORDS_LIST_COLUMNS_H_
#define VX_RECORDS_LIST_COLUMNS_H_

#include <string>

#include "language/language.h"
#include "records/register_records.h"

namespace vx {

// Separates the parts of a sort key; above every letter of the code page.
inline constexpr char kKeySeparator = '\xFF';

// The title of column `kolumn` of register 1..3 in `language`, from the
// catalogue (Windows-1252); "" for any other pair.
std::string listrubrik(int register_number, int kolumn, Language language = Language::kSwedish);

// The text of column `kolumn` for `record`, its own words ("(Ingen
// namnuppgift)", "år") in `language`; "" for a column the register does
// not have.
std::string listtext(const Tenfodd& record, int kolumn, Language language = Language::kSwedish);
std::string listtext(const Tenvigd& record, int kolumn, Language language = Language::kSwedish);
std::string listtext(const Tendod& record, int kolumn, Language language = Language::kSwedish);

// Sort key `typ` of `record`; "" for a key the register does not have.
std::string listnyckel(const Tenfodd& record, int typ);
std::string listnyckel(const Tenvigd& record, int typ);
std::string listnyckel(const Tendod& record, int typ);

}  // namespace vx

#endif  // VX_RECORDS_LIST_COLUMNS_H_
