// kuvo-sok as a process: wrong usage, errors the user can fix, and damaged
// files. What it answers to searches is checked by kuvo_sok_answers_test.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/sample_register_set.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;

const std::string kProgram = VX_KUVO_SOK;
const fs::path kIni = fs::path(VX_KUVO_SOK).parent_path() / "kuvo.ini";
testing::ProcessResult Sok(std::vector<std::string> args, const fs::path& ini = kIni) {
  args.insert(args.begin(), {kProgram, "--ini", ini.string()});
  return RunProcess(args);
}

TEST(KuvoSok, WrongUsageAndUserErrors) {
  auto exit_code = [](std::vector<std::string> args) { return Sok(std::move(args)).exit_code; };
  EXPECT_EQ(exit_code({}), 2);
  EXPECT_EQ(exit_code({"fodda", "--ordning", "slump"}), 2);
  EXPECT_EQ(exit_code({"alla"}), 2);
  EXPECT_EQ(exit_code({"fodda", "--lokalid", "x", "--en", "y"}), 2);
  EXPECT_EQ(exit_code({"fodda", "--nosuch", "x"}), 2);
  EXPECT_EQ(exit_code({"fodda", "--fod-rader", "1780"}), 2);
  EXPECT_EQ(exit_code({"fodda", "--en", std::string(501, 'a')}), 1);
  EXPECT_EQ(exit_code({"fodda", "--en", "\xC5\x81ukasz"}), 1);  // no Windows-1252 form
  EXPECT_EQ(RunProcess({kProgram, "--ini", "/nonexistent/kuvo.ini", "fodda"}).exit_code, 1);
  // No hits is a success.
  EXPECT_EQ(exit_code({"fodda", "--en", "\"Zzzz\""}), 0);
}

// Ticked words are trimmed; when none of them is in the list the field
// matches nothing rather than dropping out of the search.
TEST(KuvoSok, PickedWordsThatAreNotInTheList) {
  const auto trimmed = Sok({"fodda", "--fn-rader", " Anna ; Maria"});
  const auto plain = Sok({"fodda", "--fn-rader", "Anna;Maria"});
  ASSERT_EQ(plain.exit_code, 0) << plain.err;
  EXPECT_FALSE(plain.out.empty());
  EXPECT_EQ(trimmed.out, plain.out);

  const auto none = Sok({"fodda", "--fn-rader", "Xqzy;Qqq", "--fod", "1700-1800"});
  EXPECT_EQ(none.exit_code, 0);
  EXPECT_TRUE(none.out.empty());
  EXPECT_EQ(none.err,
            "Ordet Xqzy finns inte i listan för --fn\nOrdet Qqq finns inte i listan för --fn\n"
            "0 träffar\n");
}

// A list-backed field whose list has no rows cannot be searched in the form
// ("(inga uppg.)"): an error, not "0 träffar".
TEST(KuvoSok, FieldWithoutWordsIsAnError) {
  testing::TempDir dir;
  const fs::path ini = testing::BuildSampleRegisterSet(VX_KUVO_DATA, dir.path(), 30, 0, 0);
  ASSERT_FALSE(ini.empty());

  const auto empty = Sok({"vigda", "--men", "Andersson"}, ini);
  EXPECT_EQ(empty.exit_code, 1);
  EXPECT_EQ(empty.err,
            "Fältet \"Mannens efternamn\" kan inte sökas: registret har inga uppgifter i det.\n");
  // Dates are never disabled.
  EXPECT_EQ(Sok({"vigda", "--vigd", "1700"}, ini).exit_code, 0);
}

TEST(KuvoSok, DamagedRecordStoreIsNamed) {
  testing::TempDir dir;
  const fs::path sample = kIni.parent_path() / "exempel";
  for (const auto& entry : fs::directory_iterator(sample)) {
    fs::copy_file(entry.path(), dir / entry.path().filename().string());
  }
  // Spoil a byte in every kilobyte of the births' record blocks.
  std::vector<uint8_t> records = testing::ReadFileBytes(dir / "vaxor0001h1.b");
  for (size_t at = 100; at < records.size(); at += 1000)
    records[at] ^= 0x5A;
  testing::WriteFileBytes(dir / "vaxor0001h1.b", records);
  const std::string ini_text = "[hdbaser]\nhdbasen=" + dir.path().string() + "/\n";
  testing::WriteFileBytes(dir / "kuvo.ini", std::vector<uint8_t>(ini_text.begin(), ini_text.end()));

  const auto result = Sok({"fodda", "--fod", "1700-1900", "--visa"}, dir / "kuvo.ini");
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_TRUE(
      result.err.starts_with("Skadad registerfil " + (dir / "vaxor0001h1.b").string() + ": "))
      << result.err;
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line";
}

}  // namespace
}  // namespace vx
