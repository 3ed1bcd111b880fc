// The record objects of the three registers: one text member per label of
// the register's store (records/register_labels.h), named by the label
// without its kind digit and declared in label order. An absent value is
// the empty text; long texts hold lines separated by CR.
//
// Each class lists its members in a table (Fields) that pairs every label
// with its member, so that loading and copying walk the labels instead of
// naming 107 members by hand.
#ifndef VX_RECORDS_REGISTER_RECORDS_H_
#define VX_RECORDS_REGISTER_RECORDS_H_

#include <span>
#include <string>
#include <string_view>

#include "records/register_labels.h"

namespace vx {

// A label ("1FNAMN") and the member that holds its field.
template <typename Record>
struct FieldBinding {
  std::string_view label;
  std::string Record::*member;
};

// Births (store vaxorh1), 40 fields.
struct Tenfodd {
  static constexpr Register kRegister = kBirths;
  // In label order.
  static std::span<const FieldBinding<Tenfodd>> Fields();

  std::string POSTNUMMER;  // number of the entry in the source register
  std::string LOKALID;     // local identifier of the entry
  std::string FORSKX;      // parish
  std::string LAN;         // county
  std::string FORSKOD;     // parish code
  std::string KAELLA;      // source volume
  std::string SIDA;        // page in the source
  std::string STATUS;      // "E" or "K" mark the record
  std::string FODAT;       // birth date
  // Normalised forms, each followed by the form as written when it differs.
  std::string FNAMN, FNAMNO;
  std::string ENAMN, ENAMNO;
  std::string ORT, ORTO;
  std::string GENUS;   // sex
  std::string BORD;    // legitimacy of birth
  std::string DFODD;   // non-empty for a stillbirth
  std::string DOPDAT;  // baptism date
  std::string MORALDER, MORTITEL;
  std::string MORFNAMN, MORFNAMNO;
  std::string MORENAMN, MORENAMNO;
  std::string MORORT, MORORTO;
  std::string FARALDER, FARTITEL;
  std::string FARFNAMN, FARFNAMNO;
  std::string FARENAMN, FARENAMNO;
  std::string FARORT, FARORTO;
  std::string ANTFOD;      // children born at the same time
  std::string PARITET;     // the child's number in the family
  std::string DOPVITTNEN;  // long text: godparents
  std::string OVRIGT;      // long text: other information
  std::string REGANM;      // long text: register remark

  bool operator==(const Tenfodd&) const = default;
};

// Marriages (store vaxorh2), 28 fields; K the woman, M the man.
struct Tenvigd {
  static constexpr Register kRegister = kMarriages;
  static std::span<const FieldBinding<Tenvigd>> Fields();

  std::string POSTNUMMER, LOKALID, FORSKX, LAN, FORSKOD, KAELLA, SIDA, STATUS;
  std::string VIGDDAT;  // wedding date
  std::string LYSNDAT;  // banns dates, separated by commas
  std::string KALDER, KTITEL;
  std::string KFNAMN, KFNAMNO;
  std::string KENAMN, KENAMNO;
  std::string KORT, KORTO;
  std::string MALDER, MTITEL;
  std::string MFNAMN, MFNAMNO;
  std::string MENAMN, MENAMNO;
  std::string MORT, MORTO;
  std::string OVRIGT;  // long text
  std::string REGANM;  // long text

  bool operator==(const Tenvigd&) const = default;
};

// Deaths (store vaxorh3), 39 fields. The relatives' names as written come
// after the second relative, as the store orders them.
struct Tendod {
  static constexpr Register kRegister = kDeaths;
  static std::span<const FieldBinding<Tendod>> Fields();

  std::string POSTNUMMER, LOKALID, FORSKX, LAN, FORSKOD, KAELLA, SIDA, STATUS;
  std::string BEGRDAT;  // burial date
  std::string DODAT;    // death date
  std::string FODAT;    // birth date
  std::string ALDER, TITEL, GENUS;
  std::string FNAMN, FNAMNO;
  std::string ENAMN, ENAMNO;
  std::string ORT, ORTO;
  std::string DORSAK;  // cause of death
  std::string ANF1TITEL, ANF1FNAMN, ANF1ENAMN, ANF1ORT, ANF1RELAT, ANF1GENUS;
  std::string ANF2TITEL, ANF2FNAMN, ANF2ENAMN, ANF2ORT, ANF2RELAT, ANF2GENUS;
  std::string ANF1ENAMNO, ANF2ENAMNO, ANF1FNAMNO, ANF2FNAMNO;
  std::string OVRIGT;  // long text
  std::string REGANM;  // long text

  bool operator==(const Tendod&) const = default;
};

// Copies every field of `source` into `target` (printing keeps the shown
// record in a spare object while it loads others).
inline void kopierapost(const Tenfodd& source, Tenfodd& target) {
  target = source;
}
inline void kopierapost(const Tenvigd& source, Tenvigd& target) {
  target = source;
}
inline void kopierapost(const Tendod& source, Tendod& target) {
  target = source;
}

}  // namespace vx

#endif  // VX_RECORDS_REGISTER_RECORDS_H_
