#include "sample/sample_data.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "sample/tsv_table.h"

namespace vx {
namespace {

// Reports a malformed cell of `file` at `row`.
bool Fail(std::string_view file, const TsvRow& row, const std::string& message,
          std::string& error) {
  error = std::string(file) + ":" + std::to_string(row.line) + ": " + message;
  return false;
}

bool ParseNumber(std::string_view text, uint32_t& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

// The written forms of a name; none may equal the normalised form.
bool ParseWritten(std::string_view file, const TsvRow& row, const std::string& name,
                  const std::string& cell, std::vector<std::string>& written, std::string& error) {
  written = SplitList(cell);
  for (const std::string& form : written) {
    if (form == name) return Fail(file, row, "skrivformen är lika med " + name, error);
  }
  return true;
}

class Parser {
 public:
  Parser(const std::vector<EmbeddedFile>& files, SampleData& data, std::string& error)
      : files_(files), data_(data), error_(error) {}

  bool Run() {
    return FirstNames("fornamn_kvinnor.tsv", false, data_.women) &&
           FirstNames("fornamn_man.tsv", true, data_.men) && Surnames() && Parishes() && Places() &&
           Titles() && Causes() && Remarks() && Texts() && Coverage();
  }

 private:
  const EmbeddedFile* Find(std::string_view name) const {
    for (const EmbeddedFile& file : files_) {
      if (file.name == name) return &file;
    }
    return nullptr;
  }

  bool Table(std::string_view name, const std::vector<std::string_view>& columns,
             std::vector<TsvRow>& rows) {
    const EmbeddedFile* file = Find(name);
    if (file == nullptr) {
      error_ = std::string(name) + ": filen saknas";
      return false;
    }
    return ReadTsvTable(name, file->content, columns, rows, error_);
  }

  bool Weight(std::string_view file, const TsvRow& row, size_t cell, uint32_t& weight) {
    if (ParseNumber(row.cells[cell], weight)) return true;
    return Fail(file, row, "vikten \"" + row.cells[cell] + "\" är inget tal", error_);
  }

  bool FirstNames(std::string_view file, bool men, std::vector<FirstName>& names) {
    std::vector<TsvRow> rows;
    const std::vector<std::string_view> columns =
        men ? std::vector<std::string_view>{"namn",    "vikt_1700",   "vikt_1800",
                                            "genitiv", "skrivformer", "genitivformer"}
            : std::vector<std::string_view>{"namn", "vikt_1700", "vikt_1800", "skrivformer"};
    if (!Table(file, columns, rows)) return false;
    for (const TsvRow& row : rows) {
      FirstName name;
      name.name = row.cells[0];
      if (!Weight(file, row, 1, name.weight_1700) || !Weight(file, row, 2, name.weight_1800)) {
        return false;
      }
      if (men) {
        name.stem = row.cells[3];
        if (name.stem.empty()) return Fail(file, row, "genitiv saknas", error_);
        if (!ParseWritten(file, row, name.name, row.cells[4], name.written, error_) ||
            !ParseWritten(file, row, name.stem, row.cells[5], name.written_stems, error_)) {
          return false;
        }
      } else if (!ParseWritten(file, row, name.name, row.cells[3], name.written, error_)) {
        return false;
      }
      names.push_back(std::move(name));
    }
    return true;
  }

  bool Surnames() {
    constexpr std::string_view kFile = "efternamn.tsv";
    std::vector<TsvRow> rows;
    if (!Table(kFile, {"namn", "slag", "vikt", "skrivformer"}, rows)) return false;
    for (const TsvRow& row : rows) {
      Surname surname;
      surname.name = row.cells[0];
      if (row.cells[1] == "soldat") {
        surname.kind = SurnameKind::kSoldier;
      } else if (row.cells[1] == "slakt") {
        surname.kind = SurnameKind::kFamily;
      } else {
        return Fail(kFile, row, "okänt slag " + row.cells[1], error_);
      }
      if (!Weight(kFile, row, 2, surname.weight) ||
          !ParseWritten(kFile, row, surname.name, row.cells[3], surname.written, error_)) {
        return false;
      }
      data_.surnames.push_back(std::move(surname));
    }
    return true;
  }

  bool Parishes() {
    constexpr std::string_view kFile = "socknar.tsv";
    std::vector<TsvRow> rows;
    if (!Table(kFile, {"socken", "forskod", "lan", "vikt", "forsta_ar"}, rows)) return false;
    for (const TsvRow& row : rows) {
      Parish parish;
      parish.name = row.cells[0];
      parish.code = row.cells[1];
      parish.county = row.cells[2];
      uint32_t first_year = 0;
      if (!Weight(kFile, row, 3, parish.weight)) return false;
      if (!ParseNumber(row.cells[4], first_year) || first_year < 1600 || first_year > 1890) {
        return Fail(kFile, row, "första året ska ligga mellan 1600 och 1890", error_);
      }
      parish.first_year = static_cast<int>(first_year);
      parish_index_[parish.name] = data_.parishes.size();
      data_.parishes.push_back(std::move(parish));
    }
    return true;
  }

  bool Places() {
    constexpr std::string_view kFile = "orter.tsv";
    std::vector<TsvRow> rows;
    if (!Table(kFile, {"socken", "ort", "vikt", "skrivformer"}, rows)) return false;
    for (const TsvRow& row : rows) {
      const auto parish = parish_index_.find(row.cells[0]);
      if (parish == parish_index_.end()) {
        return Fail(kFile, row, "okänd socken " + row.cells[0], error_);
      }
      Place place;
      place.parish = parish->second;
      place.name = row.cells[1];
      if (!Weight(kFile, row, 2, place.weight) ||
          !ParseWritten(kFile, row, place.name, row.cells[3], place.written, error_)) {
        return false;
      }
      data_.places.push_back(std::move(place));
    }
    return true;
  }

  bool Roles(const TsvRow& row, uint32_t& roles) {
    static const std::map<std::string, uint32_t, std::less<>> kRoles = {
        {"fader", kRoleFather},   {"moder", kRoleMother},    {"ogift_moder", kRoleUnmarriedMother},
        {"brudgum", kRoleGroom},  {"brud", kRoleBride},      {"dod", kRoleDeadAdult},
        {"barn", kRoleDeadChild}, {"fadder", kRoleGodparent}};
    roles = 0;
    for (const std::string& role : SplitList(row.cells[4])) {
      const auto found = kRoles.find(role);
      if (found == kRoles.end()) return Fail("titlar.tsv", row, "okänd roll " + role, error_);
      roles |= found->second;
    }
    return true;
  }

  static bool IsSex(const std::string& cell) { return cell == "m" || cell == "k" || cell == "b"; }

  bool Titles() {
    constexpr std::string_view kFile = "titlar.tsv";
    std::vector<TsvRow> rows;
    if (!Table(kFile, {"titel", "bestamd", "kon", "vikt", "roller"}, rows)) return false;
    for (const TsvRow& row : rows) {
      Title title;
      title.title = row.cells[0];
      title.definite = row.cells[1];
      if (!IsSex(row.cells[2])) return Fail(kFile, row, "kön ska vara m, k eller b", error_);
      title.sex = row.cells[2][0];
      if (!Weight(kFile, row, 3, title.weight) || !Roles(row, title.roles)) return false;
      data_.titles.push_back(std::move(title));
    }
    return true;
  }

  bool Causes() {
    constexpr std::string_view kFile = "dodsorsaker.tsv";
    std::vector<TsvRow> rows;
    if (!Table(kFile, {"orsak", "kon", "spadbarn", "barn", "vuxen", "gammal"}, rows)) {
      return false;
    }
    for (const TsvRow& row : rows) {
      Cause cause;
      cause.cause = row.cells[0];
      if (!IsSex(row.cells[1])) return Fail(kFile, row, "kön ska vara m, k eller b", error_);
      cause.sex = row.cells[1][0];
      for (int group = 0; group < kAgeGroupCount; ++group) {
        if (!Weight(kFile, row, 2 + static_cast<size_t>(group), cause.weights[group])) {
          return false;
        }
      }
      data_.causes.push_back(std::move(cause));
    }
    return true;
  }

  bool Remarks() {
    constexpr std::string_view kFile = "anmarkningar.tsv";
    static const std::map<std::string, int, std::less<>> kRegisters = {
        {"alla", 0}, {"fodda", 1}, {"vigda", 2}, {"doda", 3}};
    std::vector<TsvRow> rows;
    if (!Table(kFile, {"register", "falt", "villkor", "vikt", "text"}, rows)) return false;
    for (const TsvRow& row : rows) {
      Remark remark;
      const auto found = kRegisters.find(row.cells[0]);
      if (found == kRegisters.end()) return Fail(kFile, row, "okänt register", error_);
      remark.register_number = found->second;
      if (row.cells[1] != "OVRIGT" && row.cells[1] != "REGANM") {
        return Fail(kFile, row, "fältet ska vara OVRIGT eller REGANM", error_);
      }
      remark.register_remark = row.cells[1] == "REGANM";
      remark.condition = row.cells[2];
      remark.text = row.cells[4];
      if (!Weight(kFile, row, 3, remark.weight)) return false;
      if (remark.text.empty()) return Fail(kFile, row, "texten saknas", error_);
      data_.remarks.push_back(std::move(remark));
    }
    return true;
  }

  bool Texts() {
    const EmbeddedFile* about = Find("register.txt");
    if (about == nullptr) {
      error_ = "register.txt: filen saknas";
      return false;
    }
    data_.register_text = about->content;
    for (const EmbeddedFile& file : files_) {
      if (file.name.starts_with("hjalp/") && file.name.ends_with(".txt")) {
        data_.help_files.push_back(file);
      }
    }
    if (data_.help_files.empty()) {
      error_ = "hjalp/: inga hjälptexter";
      return false;
    }
    return true;
  }

  // The record makers pick from every one of these groups.
  bool Coverage() {
    if (data_.women.empty() || data_.men.empty() || data_.surnames.empty()) {
      error_ = "förnamn eller efternamn saknas";
      return false;
    }
    for (size_t p = 0; p < data_.parishes.size(); ++p) {
      if (!HasPlace(p)) {
        error_ = "orter.tsv: socknen " + data_.parishes[p].name + " har inga orter";
        return false;
      }
    }
    struct Need {
      uint32_t role;
      char sex;
    };
    static constexpr Need kNeeds[] = {
        {kRoleFather, 'm'},    {kRoleMother, 'k'},    {kRoleUnmarriedMother, 'k'},
        {kRoleGroom, 'm'},     {kRoleBride, 'k'},     {kRoleDeadAdult, 'm'},
        {kRoleDeadAdult, 'k'}, {kRoleDeadChild, 'm'}, {kRoleDeadChild, 'k'},
        {kRoleGodparent, 'm'}, {kRoleGodparent, 'k'}};
    for (const Need& need : kNeeds) {
      if (!HasTitle(need.role, need.sex)) {
        error_ = "titlar.tsv: en roll saknar titlar för kön " + std::string(1, need.sex);
        return false;
      }
    }
    for (int group = 0; group < kAgeGroupCount; ++group) {
      for (const char sex : {'m', 'k'}) {
        if (!HasCause(group, sex)) {
          error_ = "dodsorsaker.tsv: åldersgrupp " + std::to_string(group) + " saknar orsaker";
          return false;
        }
      }
    }
    return true;
  }

  bool HasPlace(size_t parish) const {
    for (const Place& place : data_.places) {
      if (place.parish == parish && place.weight > 0) return true;
    }
    return false;
  }

  bool HasTitle(uint32_t role, char sex) const {
    for (const Title& title : data_.titles) {
      if ((title.roles & role) != 0 && (title.sex == sex || title.sex == 'b') && title.weight > 0) {
        return true;
      }
    }
    return false;
  }

  bool HasCause(int group, char sex) const {
    for (const Cause& cause : data_.causes) {
      if ((cause.sex == sex || cause.sex == 'b') && cause.weights[group] > 0) return true;
    }
    return false;
  }

  const std::vector<EmbeddedFile>& files_;
  SampleData& data_;
  std::string& error_;
  std::map<std::string, size_t, std::less<>> parish_index_;
};

}  // namespace

bool ParseSampleData(const std::vector<EmbeddedFile>& files, SampleData& data, std::string& error) {
  data = SampleData();
  return Parser(files, data, error).Run();
}

const SampleData& SampleLists() {
  static const SampleData kData = [] {
    SampleData data;
    std::string error;
    if (!ParseSampleData(EmbeddedDataFiles(), data, error)) {
      std::fprintf(stderr, "Inbyggda exempeldata är felaktiga: %s\n", error.c_str());
      std::abort();
    }
    return data;
  }();
  return kData;
}

}  // namespace vx
