#include "export/gedcom_export.h"

#include <array>
#include <cctype>

#include "engine/util/cp1252.h"
#include "engine/util/version.h"
#include "language/message_id.h"
#include "records/register_labels.h"

namespace vx {
namespace {

// GEDCOM lines stay well under its 255 characters; longer values go on
// with CONC lines, line breaks with CONT.
constexpr size_t kMaxValue = 200;

bool Digits(std::string_view s) {
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return !s.empty();
}

int Number(std::string_view s) {
  int n = 0;
  for (char c : s)
    n = n * 10 + (c - '0');
  return n;
}

// The year's known digits with the unknown ones as a range: "174X" gives
// 1740 to 1749. False when the first digit is unknown.
bool YearRange(std::string_view year, int& low, int& high) {
  if (year.size() != 4 || !std::isdigit(static_cast<unsigned char>(year[0]))) return false;
  low = high = 0;
  bool unknown = false;
  for (char c : year) {
    const bool digit = std::isdigit(static_cast<unsigned char>(c)) && !unknown;
    unknown = unknown || !digit;
    low = low * 10 + (digit ? c - '0' : 0);
    high = high * 10 + (digit ? c - '0' : 9);
  }
  return true;
}

std::string Utf8(std::string_view cp1252) {
  return Cp1252ToUtf8(cp1252);
}

// A line value in UTF-8; an "@" is written twice, as GEDCOM wants, so that
// no reader takes it for the start of a pointer or an escape.
std::string Value(std::string_view cp1252) {
  std::string out;
  for (char c : Utf8(cp1252)) {
    out += c;
    if (c == '@') out += '@';
  }
  return out;
}

// How much of `line` goes on one GEDCOM line: at most kMaxValue
// characters, cut between two characters that are not blanks where there is
// such a place, since readers may drop blanks at either end of a line.
size_t Cut(std::string_view line) {
  if (line.size() <= kMaxValue) return line.size();
  for (size_t cut = kMaxValue; cut > kMaxValue / 2; --cut) {
    if (line[cut - 1] != ' ' && line[cut] != ' ') return cut;
  }
  return kMaxValue;
}

std::string Get(const RecordFields& r, std::string_view name) {
  const auto it = r.find(name);
  return it == r.end() ? std::string() : it->second;
}

// Appends "level TAG value": each line break of the value starts a CONT
// line, and a line too long for GEDCOM goes on in CONC lines (joined
// without a blank by the reader).
void Line(std::string& out, int level, std::string_view tag, std::string_view cp1252 = {}) {
  std::vector<std::string_view> lines;
  for (size_t start = 0;;) {
    const size_t end = cp1252.find('\r', start);
    lines.push_back(cp1252.substr(start, end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    std::string_view line_tag = i == 0 ? tag : std::string_view("CONT");
    int line_level = i == 0 ? level : level + 1;
    do {
      const std::string_view part = line.substr(0, Cut(line));
      out += std::to_string(line_level) + ' ' + std::string(line_tag);
      if (!part.empty()) out += ' ' + Value(part);
      out += '\n';
      line.remove_prefix(part.size());
      line_tag = "CONC";
      line_level = level + 1;
    } while (!line.empty());
  }
}

std::string Joined(std::initializer_list<std::string> parts) {
  std::string out;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!out.empty()) out += ", ";
    out += part;
  }
  return out;
}

std::string Words(const std::string& a, const std::string& b) {
  return a.empty() || b.empty() ? a + b : a + " " + b;
}

// An event with its date and place, when either is known.
void Event(std::string& out, std::string_view tag, const std::string& stored_date,
           const std::string& place) {
  const std::string date = GedcomDate(stored_date);
  if (date.empty() && place.empty()) return;
  Line(out, 1, tag);
  if (!date.empty()) out += "2 DATE " + date + "\n";
  if (!place.empty()) Line(out, 2, "PLAC", place);
}

char Sex(const std::string& genus, char by_role) {
  if (!genus.empty()) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(genus[0])));
    if (c == 'm') return 'M';
    if (c == 'k') return 'F';
  }
  return by_role;
}

// The dates of a field that may hold several, separated by commas.
std::vector<std::string> Dates(const std::string& field) {
  std::vector<std::string> dates;
  size_t start = 0;
  while (start <= field.size()) {
    size_t end = field.find(',', start);
    if (end == std::string::npos) end = field.size();
    std::string date = field.substr(start, end - start);
    date.erase(0, date.find_first_not_of(' '));
    date.erase(date.find_last_not_of(' ') + 1);
    if (!date.empty()) dates.push_back(date);
    start = end + 1;
  }
  return dates;
}

}  // namespace

std::string GedcomDate(std::string_view stored) {
  static const std::array<const char*, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                      "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  if (stored.size() < 4) return {};
  int low = 0;
  int high = 0;
  if (!YearRange(stored.substr(0, 4), low, high) || low == 0) return {};
  if (low != high) return "BET " + std::to_string(low) + " AND " + std::to_string(high);
  const std::string year = std::to_string(low);
  const std::string_view month = stored.size() >= 6 ? stored.substr(4, 2) : "";
  if (!Digits(month) || Number(month) < 1 || Number(month) > 12) return year;
  const std::string month_year = std::string(kMonths[size_t(Number(month) - 1)]) + " " + year;
  const std::string_view day = stored.size() >= 8 ? stored.substr(6, 2) : "";
  if (!Digits(day) || Number(day) < 1 || Number(day) > 31) return month_year;
  return std::to_string(Number(day)) + " " + month_year;
}

// Writes a person with the next number; `body` holds the lines after the
// name and sex.
int GedcomWriter::AddPerson(const std::string& given, const std::string& surname, char sex,
                            const std::string& body) {
  const int id = ++people_;
  records_ += "0 @I" + std::to_string(id) + "@ INDI\n";
  if (!given.empty() || !surname.empty()) {
    Line(records_, 1, "NAME", given + (given.empty() ? "/" : " /") + surname + "/");
    if (!given.empty()) Line(records_, 2, "GIVN", given);
    if (!surname.empty()) Line(records_, 2, "SURN", surname);
  }
  if (sex != 0) records_ += std::string("1 SEX ") + sex + "\n";
  records_ += body;
  return id;
}

int GedcomWriter::AddFamily(const std::string& body) {
  const int id = ++families_;
  records_ += "0 @F" + std::to_string(id) + "@ FAM\n" + body;
  return id;
}

std::string GedcomWriter::Citation(const RecordFields& r) {
  const std::string source = Get(r, "KAELLA");
  std::string out;
  if (!source.empty()) {
    auto [it, added] = sources_.try_emplace(source, static_cast<int>(sources_.size()) + 1);
    out += "1 SOUR @S" + std::to_string(it->second) + "@\n";
    if (!Get(r, "SIDA").empty()) Line(out, 2, "PAGE", Get(r, "SIDA"));
  }
  if (!Get(r, "LOKALID").empty()) Line(out, 1, "REFN", Get(r, "LOKALID"));
  for (const char* field : {"OVRIGT", "REGANM"}) {
    if (!Get(r, field).empty()) Line(out, 1, "NOTE", Get(r, field));
  }
  return out;
}

namespace {

std::string Pointer(char kind, int id) {
  return std::string("@") + kind + std::to_string(id) + "@";
}

// A parent or spouse of a record: names, title, home place.
struct Role {
  std::string given, surname, title, place, age;
  bool Named() const { return !given.empty() || !surname.empty(); }
};

Role RoleOf(const RecordFields& r, const std::string& prefix) {
  return {Get(r, prefix + "FNAMN"), Get(r, prefix + "ENAMN"), Get(r, prefix + "TITEL"),
          Get(r, prefix + "ORT"), Get(r, prefix + "ALDER")};
}

std::string RoleBody(const Role& role, const std::string& county) {
  std::string out;
  if (!role.title.empty()) Line(out, 1, "OCCU", role.title);
  if (!role.place.empty()) {
    out += "1 RESI\n";
    Line(out, 2, "PLAC", Joined({role.place, county}));
  }
  if (!role.age.empty()) Line(out, 1, "NOTE", "\xC5lder: " + role.age);
  return out;
}

}  // namespace

void GedcomWriter::Add(const RecordFields& record) {
  switch (register_) {
    case kBirths:
      AddBirth(record);
      break;
    case kMarriages:
      AddMarriage(record);
      break;
    case kDeaths:
      AddDeath(record);
      break;
    default:
      break;
  }
}

void GedcomWriter::AddBirth(const RecordFields& r) {
  const std::string parish = Get(r, "FORSKX");
  const std::string county = Get(r, "LAN");
  const Role father = RoleOf(r, "FAR");
  const Role mother = RoleOf(r, "MOR");
  const int family = father.Named() || mother.Named() ? families_ + 1 : 0;
  std::string child;
  Event(child, "BIRT", Get(r, "FODAT"), Joined({Get(r, "ORT"), parish, county}));
  Event(child, "CHR", Get(r, "DOPDAT"), Joined({parish, county}));
  if (!Get(r, "DOPVITTNEN").empty()) Line(child, 1, "NOTE", "Dopvittnen:\r" + Get(r, "DOPVITTNEN"));
  child += Citation(r);
  if (family != 0) child += "1 FAMC " + Pointer('F', family) + "\n";
  const int child_id =
      AddPerson(Get(r, "FNAMN"), Get(r, "ENAMN"), Sex(Get(r, "GENUS"), 'U'), child);
  if (family == 0) return;
  std::string fam;
  for (const auto& [role, sex, tag] : {std::tuple{&father, 'M', "HUSB"}, {&mother, 'F', "WIFE"}}) {
    if (!role->Named()) continue;
    const int id = AddPerson(role->given, role->surname, sex,
                             RoleBody(*role, county) + "1 FAMS " + Pointer('F', family) + "\n");
    fam += std::string("1 ") + tag + " " + Pointer('I', id) + "\n";
  }
  fam += "1 CHIL " + Pointer('I', child_id) + "\n";
  AddFamily(fam);
}

void GedcomWriter::AddMarriage(const RecordFields& r) {
  const std::string county = Get(r, "LAN");
  const int family = families_ + 1;
  std::string fam;
  for (const auto& [prefix, sex, tag] : {std::tuple{"M", 'M', "HUSB"}, {"K", 'F', "WIFE"}}) {
    const Role role = RoleOf(r, prefix);
    if (!role.Named()) continue;
    const int id = AddPerson(role.given, role.surname, sex,
                             RoleBody(role, county) + "1 FAMS " + Pointer('F', family) + "\n");
    fam += std::string("1 ") + tag + " " + Pointer('I', id) + "\n";
  }
  const std::string place = Joined({Get(r, "FORSKX"), county});
  Event(fam, "MARR", Get(r, "VIGDDAT"), place);
  for (const std::string& banns : Dates(Get(r, "LYSNDAT")))
    Event(fam, "MARB", banns, place);
  fam += Citation(r);
  AddFamily(fam);
}

void GedcomWriter::AddDeath(const RecordFields& r) {
  const std::string parish = Get(r, "FORSKX");
  const std::string county = Get(r, "LAN");
  std::string body;
  if (!Get(r, "TITEL").empty()) Line(body, 1, "OCCU", Get(r, "TITEL"));
  Event(body, "BIRT", Get(r, "FODAT"), "");
  const std::string death_place = Joined({Get(r, "ORT"), parish, county});
  const std::string date = GedcomDate(Get(r, "DODAT"));
  if (!date.empty() || !death_place.empty() || !Get(r, "DORSAK").empty()) {
    body += "1 DEAT\n";
    if (!date.empty()) body += "2 DATE " + date + "\n";
    if (!death_place.empty()) Line(body, 2, "PLAC", death_place);
    if (!Get(r, "DORSAK").empty()) Line(body, 2, "CAUS", Get(r, "DORSAK"));
  }
  Event(body, "BURI", Get(r, "BEGRDAT"), Joined({parish, county}));
  if (!Get(r, "ALDER").empty()) Line(body, 1, "NOTE", "\xC5lder: " + Get(r, "ALDER"));
  for (const char* n : {"ANF1", "ANF2"}) {
    const std::string prefix = n;
    const std::string relative =
        Joined({Get(r, prefix + "TITEL"), Words(Get(r, prefix + "FNAMN"), Get(r, prefix + "ENAMN")),
                Get(r, prefix + "ORT"), Get(r, prefix + "RELAT")});
    if (!relative.empty()) Line(body, 1, "NOTE", "Anf\xF6rvant: " + relative);
  }
  body += Citation(r);
  AddPerson(Get(r, "FNAMN"), Get(r, "ENAMN"), Sex(Get(r, "GENUS"), 'U'), body);
}

std::string GedcomWriter::Finish() const {
  std::string out = "0 HEAD\n1 SOUR VALDRISEN\n2 VERS " + std::string(ProgramVersion()) +
                    "\n2 NAME Valdrisen\n1 SUBM @U1@\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n"
                    "1 CHAR UTF-8\n0 @U1@ SUBM\n1 NAME Valdrisen\n";
  out += records_;
  for (const auto& [title, id] : sources_) {
    out += "0 " + Pointer('S', id) + " SOUR\n";
    Line(out, 1, "TITL", title);
  }
  return out + "0 TRLR\n";
}

Status AppendGedcom(TVXregtext& store, int register_number, std::span<const uint32_t> records,
                    std::string& out) {
  GedcomWriter writer(register_number);
  const std::vector<std::string>& labels = RegisterLabels(register_number);
  for (const uint32_t record : records) {
    if (Status status = store.ReadRecord(record); !status.ok()) return status;
    if (!store.DecodeFields()) {
      return Status::Said(Status::Code::kCorruption,
                          {MessageId::ExportRecordUnreadable,
                           {std::to_string(record), store.properties().bfilnamn}});
    }
    RecordFields fields;
    const std::span<const std::string> shorts = store.ShortFields();
    const std::vector<std::string>& longs = store.LongTexts();
    size_t next_short = 0;
    size_t next_long = 0;
    for (const std::string& label : labels) {
      const bool long_text = label[0] == '5';
      if (long_text && next_long < longs.size()) fields[label.substr(1)] = longs[next_long++];
      if (!long_text && next_short < shorts.size()) fields[label.substr(1)] = shorts[next_short++];
    }
    writer.Add(fields);
  }
  out += writer.Finish();
  return Status::OK();
}

}  // namespace vx
