// A small register set built by the builder and opened through the
// catalogue, for the search tests; and the hits of a register as the names
// of its person-list rows.
#ifndef VX_TESTS_SUPPORT_SEARCH_FIXTURE_H_
#define VX_TESTS_SUPPORT_SEARCH_FIXTURE_H_

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "builder/register_set_builder.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_declaration.h"
#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx::testing {

using Names = std::vector<std::string>;

// Writes `tables` (register -> records; a register not given has no source)
// and, unless it is empty, `register_text` into dir/kalla, and builds them
// into dir/data as set `number`.
inline ::testing::AssertionResult BuildSet(
    const std::filesystem::path& dir, const Tables& tables,
    const std::string& register_text = "Testregistret\nUnderrubrik\nOm.\n", int number = 1) {
  const char* files[] = {"", "fodda.csv", "vigda.csv", "doda.csv"};
  for (const auto& [r, records] : tables)
    WriteText(dir / "kalla" / files[r], SourceTable(r, records));
  if (!register_text.empty()) WriteText(dir / "kalla" / "register.txt", register_text);
  BuildOptions options{dir / "kalla", dir / "data", number, {}, {}};
  BuildSummary summary;
  SourceError error;
  if (BuildRegisterSet(options, summary, error)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << error.ToString();
}

// A register set built from `tables` (register -> records; a register not
// given has no source and is left out) and opened.
class OpenSet {
 public:
  explicit OpenSet(const Tables& tables) {
    const ::testing::AssertionResult built = BuildSet(dir_.path(), tables);
    EXPECT_TRUE(built);
    built_ = built;
    Configuration config;
    config.regnr = "0001";
    config.hdbasen = (dir_ / "data").string() + "/";
    ShellHooks hooks;
    evf_.oppnadatabas(config, hooks);
  }

  bool built() const { return built_; }
  TEVF& evf() { return evf_; }

  // The names (person-list row text before its CR) of register r's hits,
  // sorted.
  Names Hits(int r) {
    TVXstruktlista& persons = evf_.PersonList(r);
    Names names;
    for (int32_t row = 0; persons.vald().Next(row);) {
      persons.ReadRow(row);
      const std::string& text = persons.RowText();
      names.push_back(text.substr(0, text.find('\r')));
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  TempDir dir_;
  TEVF evf_;
  bool built_ = false;
};

// Nine births, two marriages and two deaths. Person-list names: "Aba,
// Maria", "Abba, Helene", "Anders, Anna", "Andersson, Anna Maria", "Berg,
// Hélène", "Bergström, Maria Anna", "Olsson, Per", "Persson, Erik", "von
// Post, Carl"; "Lind, Johan och Ek, Brita", "Holm, Nils och Ros, Stina";
// "Holm, Lars", "Lund, Karin".
inline Tables ParishTables() {
  return {{1,
           {Fields("ENAMN=Andersson|FNAMN=Anna Maria|FODAT=17800312|ORT=Münster|FORSKX=Hjo|"
                   "LOKALID=F1|KAELLA=Hjo C:1|DOPVITTNEN=Per Olsson"),
            Fields("ENAMN=Anders|FNAMN=Anna|FODAT=17851224|ORT=Ängelholm|LOKALID=F2|"
                   "KAELLA=Hjo C:2|DOPVITTNEN=Per Olssons hustru"),
            Fields("ENAMN=Aba|FNAMN=Maria|FODAT=17890000|ORT=Helene|LOKALID=F3|KAELLA=Hjo D:12|"
                   "DOPVITTNEN=Anna Per"),
            Fields("ENAMN=Abba|FNAMN=Helene|FODAT=17900101|ORT=Hélène|LOKALID=F4"),
            Fields("ENAMN=Berg|FNAMN=Hélène|FODAT=16990505|ORT=Angelholm|LOKALID=F5"),
            Fields("ENAMN=Bergström|FNAMN=Maria Anna|FODAT=18000000|LOKALID=F6"),
            Fields("ENAMN=Persson|FNAMN=Erik|DOPDAT=17810000|LOKALID=F7|OVRIGT=Tvilling"),
            Fields("ENAMN=Olsson|FNAMN=Per|LOKALID=F8"),
            Fields("ENAMN=von Post|FNAMN=Carl|FODAT=18991231|LOKALID=F9")}},
          {2,
           {Fields("MENAMN=Lind|MFNAMN=Johan|KENAMN=Ek|KFNAMN=Brita|VIGDDAT=17900610|FORSKX=Hjo|"
                   "LOKALID=V1"),
            Fields("MENAMN=Holm|MFNAMN=Nils|KENAMN=Ros|KFNAMN=Stina|VIGDDAT=17950101|LOKALID=V2|"
                   "OVRIGT=Zebulon")}},
          {3,
           {Fields("ENAMN=Holm|FNAMN=Lars|FODAT=17500101|DODAT=18200101|LOKALID=D1|OVRIGT=Stina"),
            Fields("ENAMN=Lund|FNAMN=Karin|FODAT=18100101|DODAT=18800101|LOKALID=D2")}}};
}

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_SEARCH_FIXTURE_H_
