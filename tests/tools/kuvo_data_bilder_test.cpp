// The picture bases of a built set as kuvo-data shows them: info describes
// each picture, bilder writes each as a file with the record's very bytes.
#include <gtest/gtest.h>

#include <filesystem>

#include "imaging/image_info.h"
#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;

const std::string kProgram = VX_KUVO_DATA;

class KuvoDataPictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testing::TempDir;
    const fs::path source = *dir_ / "kalla";
    ASSERT_EQ(RunProcess({kProgram, "exempel", source.string(), "--fodda", "5", "--vigda", "2",
                          "--doda", "3"})
                  .exit_code,
              0);
    ASSERT_EQ(RunProcess({kProgram, "bygg", source.string(), Data().string()}).exit_code, 0);
  }
  static void TearDownTestSuite() { delete dir_; }
  static fs::path Data() { return *dir_ / "data"; }

  static testing::TempDir* dir_;
};
testing::TempDir* KuvoDataPictures::dir_ = nullptr;

TEST_F(KuvoDataPictures, InfoDescribesEveryPicture) {
  const auto result = RunProcess({kProgram, "info", (Data() / "vaxorgrfk.b").string()});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::string out(result.out.begin(), result.out.end());
  EXPECT_NE(out.find("Typ: bildbas"), std::string::npos) << out;
  EXPECT_NE(out.find("Namnindex: ja"), std::string::npos);
  EXPECT_NE(out.find("  prebak: typ 0"), std::string::npos);
  EXPECT_NE(out.find("  prebak@2x: typ 0"), std::string::npos);
  EXPECT_NE(out.find("form: "), std::string::npos) << "shaped figures list their region";
  EXPECT_EQ(out.find("FEL"), std::string::npos) << out;
  const auto logo = RunProcess({kProgram, "info", (Data() / "vaxor0001grfk.b").string()});
  const std::string logo_out(logo.out.begin(), logo.out.end());
  EXPECT_NE(logo_out.find("  logovaxor0001: typ 0, placering \"\", PNG "), std::string::npos)
      << logo_out;
}

TEST_F(KuvoDataPictures, BilderWritesEachPictureAsItsPng) {
  const fs::path out = *dir_ / "bilder";
  const auto result = RunProcess({kProgram, "bilder", Data().string(), out.string()});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(out)) {
    ++files;
    EXPECT_EQ(entry.path().extension(), ".png") << entry.path();
    ImageInfo info;
    EXPECT_TRUE(ReadImageInfo(testing::ReadFileBytes(entry.path()), info)) << entry.path();
  }
  EXPECT_TRUE(fs::exists(out / "logovaxor0001.png"));
  EXPECT_TRUE(fs::exists(out / "f01flik@2x.png"));
  EXPECT_GT(files, 40u);
}

}  // namespace
}  // namespace vx
