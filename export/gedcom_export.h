// The records of a register as a GEDCOM 5.5.1 file (UTF-8, lineage-linked),
// for family-tree programs:
// - a birth: the child with birth and christening events, the parents as
//   a family with the child;
// - a marriage: the two spouses as a family with the marriage event and
//   the banns (MARB);
// - a death: the person with death and burial events and the cause.
// Names carry the surname between slashes, sex comes from GENUS ("m", "k")
// or the role, places are written with the parish and county, dates in
// GEDCOM form (unknown parts give the month and year, the year, or a range
// of years), the source citation is KAELLA with SIDA as its page, the
// Lokal-ID is the reference number, and remarks become notes. In values an
// "@" is written twice, and a long value goes on in CONC lines cut where
// neither side is a blank, as GEDCOM asks.
#ifndef VX_EXPORT_GEDCOM_EXPORT_H_
#define VX_EXPORT_GEDCOM_EXPORT_H_

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/store/record_store.h"
#include "engine/util/status.h"

namespace vx {

// A stored date (YYYYMMDD, Windows-1252; "00", "99" or "X" for unknown
// parts, possibly shorter) in GEDCOM form: "12 MAR 1745", "MAR 1745",
// "1745", "BET 1740 AND 1749"; empty when not even the year is known.
std::string GedcomDate(std::string_view stored);

// One record's fields by name (Windows-1252).
using RecordFields = std::map<std::string, std::string, std::less<>>;

// Builds a GEDCOM file from records of one register.
class GedcomWriter {
 public:
  explicit GedcomWriter(int register_number) : register_(register_number) {}
  void Add(const RecordFields& record);
  // The whole file: header, the people and families added, trailer.
  std::string Finish() const;

  int people() const { return people_; }
  int families() const { return families_; }

 private:
  int AddPerson(const std::string& given, const std::string& surname, char sex,
                const std::string& body);
  int AddFamily(const std::string& body);
  // The source citation (a source record per KAELLA, SIDA as the page),
  // the Lokal-ID as the reference number and the remarks as notes.
  std::string Citation(const RecordFields& r);
  void AddBirth(const RecordFields& r);
  void AddMarriage(const RecordFields& r);
  void AddDeath(const RecordFields& r);

  int register_;
  int people_ = 0;
  int families_ = 0;
  std::string records_;                              // UTF-8 lines
  std::map<std::string, int, std::less<>> sources_;  // KAELLA -> its number
};

// Appends the GEDCOM file of `records` of `store` (register 1..3). Status
// and exceptions as AppendSourceCsv.
Status AppendGedcom(TVXregtext& store, int register_number, std::span<const uint32_t> records,
                    std::string& out);

}  // namespace vx

#endif  // VX_EXPORT_GEDCOM_EXPORT_H_
