#include "records/register_records.h"

#include <array>

namespace vx {
namespace {

template <typename Record>
FieldBinding<Record> Bind(std::string_view label, std::string Record::*member) {
  return {label, member};
}

}  // namespace

// The label is spelled from the member's name, so the two cannot differ.
#define VX_FIELD(Record, kind, name) Bind<Record>(#kind #name, &Record::name)

std::span<const FieldBinding<Tenfodd>> Tenfodd::Fields() {
#define F(kind, name) VX_FIELD(Tenfodd, kind, name)
  static const std::array kFields = {
      F(1, POSTNUMMER), F(1, LOKALID),  F(1, FORSKX),     F(1, LAN),      F(1, FORSKOD),
      F(1, KAELLA),     F(1, SIDA),     F(1, STATUS),     F(1, FODAT),    F(1, FNAMN),
      F(1, FNAMNO),     F(1, ENAMN),    F(1, ENAMNO),     F(1, ORT),      F(1, ORTO),
      F(1, GENUS),      F(1, BORD),     F(1, DFODD),      F(1, DOPDAT),   F(1, MORALDER),
      F(1, MORTITEL),   F(1, MORFNAMN), F(1, MORFNAMNO),  F(1, MORENAMN), F(1, MORENAMNO),
      F(1, MORORT),     F(1, MORORTO),  F(1, FARALDER),   F(1, FARTITEL), F(1, FARFNAMN),
      F(1, FARFNAMNO),  F(1, FARENAMN), F(1, FARENAMNO),  F(1, FARORT),   F(1, FARORTO),
      F(1, ANTFOD),     F(1, PARITET),  F(5, DOPVITTNEN), F(5, OVRIGT),   F(5, REGANM)};
#undef F
  return kFields;
}

std::span<const FieldBinding<Tenvigd>> Tenvigd::Fields() {
#define F(kind, name) VX_FIELD(Tenvigd, kind, name)
  static const std::array kFields = {
      F(1, POSTNUMMER), F(1, LOKALID), F(1, FORSKX),  F(1, LAN),     F(1, FORSKOD), F(1, KAELLA),
      F(1, SIDA),       F(1, STATUS),  F(1, VIGDDAT), F(1, LYSNDAT), F(1, KALDER),  F(1, KTITEL),
      F(1, KFNAMN),     F(1, KFNAMNO), F(1, KENAMN),  F(1, KENAMNO), F(1, KORT),    F(1, KORTO),
      F(1, MALDER),     F(1, MTITEL),  F(1, MFNAMN),  F(1, MFNAMNO), F(1, MENAMN),  F(1, MENAMNO),
      F(1, MORT),       F(1, MORTO),   F(5, OVRIGT),  F(5, REGANM)};
#undef F
  return kFields;
}

std::span<const FieldBinding<Tendod>> Tendod::Fields() {
#define F(kind, name) VX_FIELD(Tendod, kind, name)
  static const std::array kFields = {
      F(1, POSTNUMMER), F(1, LOKALID),    F(1, FORSKX),    F(1, LAN),        F(1, FORSKOD),
      F(1, KAELLA),     F(1, SIDA),       F(1, STATUS),    F(1, BEGRDAT),    F(1, DODAT),
      F(1, FODAT),      F(1, ALDER),      F(1, TITEL),     F(1, GENUS),      F(1, FNAMN),
      F(1, FNAMNO),     F(1, ENAMN),      F(1, ENAMNO),    F(1, ORT),        F(1, ORTO),
      F(1, DORSAK),     F(1, ANF1TITEL),  F(1, ANF1FNAMN), F(1, ANF1ENAMN),  F(1, ANF1ORT),
      F(1, ANF1RELAT),  F(1, ANF1GENUS),  F(1, ANF2TITEL), F(1, ANF2FNAMN),  F(1, ANF2ENAMN),
      F(1, ANF2ORT),    F(1, ANF2RELAT),  F(1, ANF2GENUS), F(1, ANF1ENAMNO), F(1, ANF2ENAMNO),
      F(1, ANF1FNAMNO), F(1, ANF2FNAMNO), F(5, OVRIGT),    F(5, REGANM)};
#undef F
  return kFields;
}

#undef VX_FIELD

}  // namespace vx
