#include "builder/register_schema.h"

namespace vx {
namespace {

SlotSource Whole(int slot, std::initializer_list<const char*> fields) {
  SlotSource s{slot, SlotValues::kWhole, {}};
  for (const char* f : fields)
    s.fields.push_back({f, ""});
  return s;
}

SlotSource Of(int slot, SlotValues values, std::initializer_list<const char*> fields) {
  SlotSource s = Whole(slot, fields);
  s.values = values;
  return s;
}

// The slots every register shares: parish, county, source.
void AddCommonSlots(RegisterSchema& schema) {
  schema.slots.push_back(Whole(1, {"FORSKX"}));
  schema.slots.push_back(Whole(2, {"LAN"}));
  schema.slots.push_back(Whole(3, {"KAELLA"}));
}

FreeSearchSource Lines(int slot, const char* field) {
  return {slot, {{field}}, true};
}

RegisterSchema Births() {
  RegisterSchema s{1, "fodda.csv", {}, {}, {}};
  AddCommonSlots(s);
  s.slots.push_back(Of(4, SlotValues::kDates, {"FODAT", "DOPDAT"}));
  s.slots.push_back(Of(6, SlotValues::kWords, {"FNAMN"}));
  s.slots.push_back(Whole(7, {"ENAMN"}));
  s.slots.push_back(Whole(8, {"ORT"}));
  s.slots.push_back(Of(9, SlotValues::kWords, {"MORFNAMN"}));
  s.slots.push_back(Whole(10, {"MORENAMN"}));
  s.slots.push_back(Whole(11, {"MORORT"}));
  s.slots.push_back(Whole(12, {"MORTITEL"}));
  s.slots.push_back(Of(13, SlotValues::kWords, {"FARFNAMN"}));
  s.slots.push_back(Whole(14, {"FARENAMN"}));
  s.slots.push_back(Whole(15, {"FARORT"}));
  s.slots.push_back(Whole(16, {"FARTITEL"}));
  s.slots.push_back(Of(19, SlotValues::kLokalId, {"LOKALID"}));
  s.free_search = {Lines(17, "DOPVITTNEN"), Lines(18, "OVRIGT")};
  s.norm_pairs = {{"ENAMN", "ENAMNO", kNormSurname, ""},
                  {"MORENAMN", "MORENAMNO", kNormSurname, ""},
                  {"FARENAMN", "FARENAMNO", kNormSurname, ""},
                  {"ORT", "ORTO", kNormPlace, ""},
                  {"MORORT", "MORORTO", kNormPlace, ""},
                  {"FARORT", "FARORTO", kNormPlace, ""},
                  {"FNAMN", "FNAMNO", 0, "GENUS"},
                  {"MORFNAMN", "MORFNAMNO", kNormWomansName, ""},
                  {"FARFNAMN", "FARFNAMNO", kNormMansName, ""}};
  return s;
}

RegisterSchema Marriages() {
  RegisterSchema s{2, "vigda.csv", {}, {}, {}};
  AddCommonSlots(s);
  s.slots.push_back(Of(4, SlotValues::kDates, {"VIGDDAT", "LYSNDAT"}));
  s.slots.push_back(Of(6, SlotValues::kWords, {"KFNAMN"}));
  s.slots.push_back(Whole(7, {"KENAMN"}));
  s.slots.push_back(Whole(8, {"KORT"}));
  s.slots.push_back(Whole(9, {"KTITEL"}));
  s.slots.push_back(Of(10, SlotValues::kWords, {"MFNAMN"}));
  s.slots.push_back(Whole(11, {"MENAMN"}));
  s.slots.push_back(Whole(12, {"MORT"}));
  s.slots.push_back(Whole(13, {"MTITEL"}));
  s.slots.push_back(Of(16, SlotValues::kLokalId, {"LOKALID"}));
  s.free_search = {Lines(14, "OVRIGT")};
  s.norm_pairs = {
      {"KENAMN", "KENAMNO", kNormSurname, ""},    {"MENAMN", "MENAMNO", kNormSurname, ""},
      {"KORT", "KORTO", kNormPlace, ""},          {"MORT", "MORTO", kNormPlace, ""},
      {"KFNAMN", "KFNAMNO", kNormWomansName, ""}, {"MFNAMN", "MFNAMNO", kNormMansName, ""}};
  return s;
}

RegisterSchema Deaths() {
  RegisterSchema s{3, "doda.csv", {}, {}, {}};
  AddCommonSlots(s);
  s.slots.push_back(Of(4, SlotValues::kDates, {"DODAT", "BEGRDAT"}));
  s.slots.push_back(Of(6, SlotValues::kDates, {"FODAT"}));
  s.slots.push_back(Of(7, SlotValues::kWords, {"FNAMN"}));
  s.slots.push_back(Whole(8, {"ENAMN"}));
  s.slots.push_back(Whole(9, {"ORT"}));
  s.slots.push_back(Whole(10, {"TITEL"}));
  s.slots.push_back(Of(13, SlotValues::kLokalId, {"LOKALID"}));
  s.slots.push_back(
      {14, SlotValues::kWords, {{"ANF1FNAMNO", "ANF1FNAMN"}, {"ANF2FNAMNO", "ANF2FNAMN"}}});
  s.slots.push_back(
      {15, SlotValues::kWhole, {{"ANF1ENAMNO", "ANF1ENAMN"}, {"ANF2ENAMNO", "ANF2ENAMN"}}});
  s.slots.push_back(Whole(16, {"DORSAK"}));
  s.free_search = {{11,
                    {{"ANF1TITEL", "ANF1FNAMN", "ANF1ENAMN", "ANF1ORT", "ANF1RELAT"},
                     {"ANF2TITEL", "ANF2FNAMN", "ANF2ENAMN", "ANF2ORT", "ANF2RELAT"}},
                    false},
                   Lines(12, "OVRIGT")};
  s.norm_pairs = {{"ENAMN", "ENAMNO", kNormSurname, ""},
                  {"ANF1ENAMN", "ANF1ENAMNO", kNormSurname, ""},
                  {"ANF2ENAMN", "ANF2ENAMNO", kNormSurname, ""},
                  {"ORT", "ORTO", kNormPlace, ""},
                  {"FNAMN", "FNAMNO", 0, "GENUS"},
                  {"ANF1FNAMN", "ANF1FNAMNO", 0, "ANF1GENUS"},
                  {"ANF2FNAMN", "ANF2FNAMNO", 0, "ANF2GENUS"}};
  return s;
}

}  // namespace

const RegisterSchema& SchemaOf(int register_number) {
  static const RegisterSchema kSchemas[3] = {Births(), Marriages(), Deaths()};
  return kSchemas[register_number - 1];
}

}  // namespace vx
