#include "records/register_labels.h"

namespace vx {

const std::vector<std::string>& RegisterLabels(int register_number) {
  static const std::vector<std::string> kBirthLabels = {
      "1POSTNUMMER", "1LOKALID",    "1FORSKX",    "1LAN",      "1FORSKOD",   "1KAELLA",
      "1SIDA",       "1STATUS",     "1FODAT",     "1FNAMN",    "1FNAMNO",    "1ENAMN",
      "1ENAMNO",     "1ORT",        "1ORTO",      "1GENUS",    "1BORD",      "1DFODD",
      "1DOPDAT",     "1MORALDER",   "1MORTITEL",  "1MORFNAMN", "1MORFNAMNO", "1MORENAMN",
      "1MORENAMNO",  "1MORORT",     "1MORORTO",   "1FARALDER", "1FARTITEL",  "1FARFNAMN",
      "1FARFNAMNO",  "1FARENAMN",   "1FARENAMNO", "1FARORT",   "1FARORTO",   "1ANTFOD",
      "1PARITET",    "5DOPVITTNEN", "5OVRIGT",    "5REGANM"};
  static const std::vector<std::string> kMarriageLabels = {
      "1POSTNUMMER", "1LOKALID", "1FORSKX",  "1LAN",    "1FORSKOD", "1KAELLA", "1SIDA",
      "1STATUS",     "1VIGDDAT", "1LYSNDAT", "1KALDER", "1KTITEL",  "1KFNAMN", "1KFNAMNO",
      "1KENAMN",     "1KENAMNO", "1KORT",    "1KORTO",  "1MALDER",  "1MTITEL", "1MFNAMN",
      "1MFNAMNO",    "1MENAMN",  "1MENAMNO", "1MORT",   "1MORTO",   "5OVRIGT", "5REGANM"};
  static const std::vector<std::string> kDeathLabels = {
      "1POSTNUMMER", "1LOKALID",   "1FORSKX",    "1LAN",        "1FORSKOD",    "1KAELLA",
      "1SIDA",       "1STATUS",    "1BEGRDAT",   "1DODAT",      "1FODAT",      "1ALDER",
      "1TITEL",      "1GENUS",     "1FNAMN",     "1FNAMNO",     "1ENAMN",      "1ENAMNO",
      "1ORT",        "1ORTO",      "1DORSAK",    "1ANF1TITEL",  "1ANF1FNAMN",  "1ANF1ENAMN",
      "1ANF1ORT",    "1ANF1RELAT", "1ANF1GENUS", "1ANF2TITEL",  "1ANF2FNAMN",  "1ANF2ENAMN",
      "1ANF2ORT",    "1ANF2RELAT", "1ANF2GENUS", "1ANF1ENAMNO", "1ANF2ENAMNO", "1ANF1FNAMNO",
      "1ANF2FNAMNO", "5OVRIGT",    "5REGANM"};
  static const std::vector<std::string> kNone;
  switch (register_number) {
    case kBirths:
      return kBirthLabels;
    case kMarriages:
      return kMarriageLabels;
    case kDeaths:
      return kDeathLabels;
    default:
      return kNone;
  }
}

const std::vector<std::string>& TextStoreLabels() {
  static const std::vector<std::string> kLabels = {"1TEXTKOD", "1RUBRIK", "5TEXT"};
  return kLabels;
}

int FieldIndex(const std::vector<std::string>& labels, std::string_view name) {
  for (size_t i = 0; i < labels.size(); ++i) {
    if (FieldName(labels[i]) == name) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace vx
