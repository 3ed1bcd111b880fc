// The lists behind the sample source, parsed from the embedded data files
// (data/*.tsv, data/register.txt, data/hjalp/*.txt): names with their
// frequencies and written forms, parishes and places, titles, causes of
// death and remarks, and the texts of the sample register set.
#ifndef VX_SAMPLE_SAMPLE_DATA_H_
#define VX_SAMPLE_SAMPLE_DATA_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sample/embedded_data.h"

namespace vx {

struct FirstName {
  std::string name;  // normalised ("Per")
  uint32_t weight_1700 = 0;
  uint32_t weight_1800 = 0;
  std::vector<std::string> written;  // forms the priests wrote ("Pehr", "Pär")
  // Men only: the stem of the patronymics ("Pers": Persson, Persdotter) and
  // its written forms ("Pehrs").
  std::string stem;
  std::vector<std::string> written_stems;
};

enum class SurnameKind : uint8_t { kSoldier, kFamily };

struct Surname {
  std::string name;
  SurnameKind kind = SurnameKind::kFamily;
  uint32_t weight = 0;
  std::vector<std::string> written;
};

struct Parish {
  std::string name;
  std::string code;    // parish code (FORSKOD)
  std::string county;  // LAN
  uint32_t weight = 0;
  int first_year = 0;  // the first year of its registers
};

struct Place {
  size_t parish = 0;  // index into SampleData::parishes
  std::string name;
  uint32_t weight = 0;
  std::vector<std::string> written;
};

// Where a title is used; a title may serve several roles.
enum TitleRole : uint32_t {
  kRoleFather = 1u << 0,
  kRoleMother = 1u << 1,
  kRoleUnmarriedMother = 1u << 2,
  kRoleGroom = 1u << 3,
  kRoleBride = 1u << 4,
  kRoleDeadAdult = 1u << 5,
  kRoleDeadChild = 1u << 6,
  kRoleGodparent = 1u << 7,
};
inline constexpr int kTitleRoleCount = 8;

struct Title {
  std::string title;     // "bonde"
  std::string definite;  // "Bonden", as godparents are listed
  char sex = 'b';        // 'm', 'k' or 'b' (both)
  uint32_t weight = 0;
  uint32_t roles = 0;  // TitleRole bits
};

enum class AgeGroup : uint8_t { kInfant, kChild, kAdult, kOld };
inline constexpr int kAgeGroupCount = 4;

struct Cause {
  std::string cause;
  char sex = 'b';
  std::array<uint32_t, kAgeGroupCount> weights{};
};

// A remark for OVRIGT or REGANM. Its text may hold the placeholders {ort},
// {socken}, {namn}, {kvinna} and {tal}.
struct Remark {
  int register_number = 0;       // 1..3, or 0 for every register
  bool register_remark = false;  // REGANM rather than OVRIGT
  std::string condition;         // "" for every record, else a record kind
  uint32_t weight = 0;
  std::string text;
};

struct SampleData {
  std::vector<FirstName> women;
  std::vector<FirstName> men;
  std::vector<Surname> surnames;
  std::vector<Parish> parishes;
  std::vector<Place> places;
  std::vector<Title> titles;
  std::vector<Cause> causes;
  std::vector<Remark> remarks;
  std::string_view register_text;        // register.txt
  std::vector<EmbeddedFile> help_files;  // hjalp/*.txt and hjalp/en/*.txt, by name
};

// Parses the embedded files into `data`. False with `error` ("file:line:
// message") when a file is missing or a row is malformed: a wrong number of
// columns, a weight that is not a number, a written form equal to its
// normalised one, a place in an unknown parish, an unknown role.
bool ParseSampleData(const std::vector<EmbeddedFile>& files, SampleData& data, std::string& error);

// The lists parsed from EmbeddedDataFiles(), once. Malformed embedded data
// is a fault of the build: it is reported and the program stops.
const SampleData& SampleLists();

}  // namespace vx

#endif  // VX_SAMPLE_SAMPLE_DATA_H_
