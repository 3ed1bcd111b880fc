// kuvo-sok on the sample set: a free-text field written as *text* or
// *text, as in the word-list fields, finds what text finds; --help says so.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;

const fs::path kIni = fs::path(VX_KUVO_SOK).parent_path() / "kuvo.ini";

testing::ProcessResult Sok(std::vector<std::string> args) {
  args.insert(args.begin(), {VX_KUVO_SOK, "--ini", kIni.string()});
  return RunProcess(args);
}

struct StarCase {
  const char* register_name;
  const char* option;
  const char* plain;
};

TEST(KuvoSokFreeStar, StarredTextFindsWhatThePlainTextFinds) {
  const StarCase cases[] = {{"fodda", "--fadder", "Olsson"},
                            {"fodda", "--ovrigt", "tvilling"},
                            {"doda", "--anf", "Sköld"}};
  for (const StarCase& c : cases) {
    const auto plain = Sok({c.register_name, c.option, c.plain});
    ASSERT_EQ(plain.exit_code, 0) << plain.err;
    ASSERT_FALSE(plain.out.empty()) << c.option << " " << c.plain << " finds something";
    for (const std::string& starred :
         {"*" + std::string(c.plain) + "*", "*" + std::string(c.plain)}) {
      const auto found = Sok({c.register_name, c.option, starred});
      EXPECT_EQ(found.exit_code, 0) << found.err;
      EXPECT_EQ(found.out, plain.out) << c.option << " " << starred;
      EXPECT_EQ(found.err, plain.err) << c.option << " " << starred;
    }
  }
}

TEST(KuvoSokFreeStar, BeginsWithAndWholeEntryStay) {
  const auto contains = Sok({"fodda", "--fadder", "Olsson"});
  const auto begins = Sok({"fodda", "--fadder", "Olsson*"});
  ASSERT_EQ(begins.exit_code, 0) << begins.err;
  EXPECT_NE(begins.out, contains.out) << "a star at the end alone asks for the beginning";
  const auto whole = Sok({"fodda", "--fadder", "\"*Olsson*\""});
  EXPECT_EQ(whole.exit_code, 0);
  EXPECT_TRUE(whole.out.empty()) << "quoted, the stars are part of the entry";
}

TEST(KuvoSokFreeStar, HelpSaysALeadingStarIsDropped) {
  const auto help = Sok({"--help"});
  const std::string out(help.out.begin(), help.out.end());
  EXPECT_NE(out.find("Fritextfält (fritt) söker texten var som helst i raden"), std::string::npos)
      << out;
  EXPECT_NE(out.find("*Olsson* och *Olsson söker som Olsson"), std::string::npos) << out;
}

}  // namespace
}  // namespace vx
