// kuvo-data run as a process: pack, unpack and info, bygg, exempel and the
// picture bases.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "engine/codec/compress.h"
#include "imaging/image_info.h"
#include "tests/support/codec_test_util.h"
#include "tests/support/files.h"
#include "tests/support/sample_inputs.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;
using testing::TempDir;

const std::string kProgram = VX_KUVO_DATA;

std::string Text(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

TEST(KuvoDataPack, RoundTripsEveryMethodThroughPipes) {
  const std::vector<uint8_t> input = testing::RecordLikeText(200000, 12);
  for (const char* method : {"NON", "RLE", "LZH", "LH5"}) {
    const auto packed = RunProcess({kProgram, "pack", "--metod", method}, input);
    ASSERT_EQ(packed.exit_code, 0) << method << ": " << packed.err;
    if (std::string(method) == "NON") {
      EXPECT_EQ(packed.out, input);  // stored data carries no header
    } else if (std::string(method) != "RLE") {
      EXPECT_EQ(Text(packed.out).substr(5, 3), method);
      EXPECT_LT(packed.out.size(), input.size() / 2) << method;
    }
    const auto unpacked = RunProcess({kProgram, "unpack"}, packed.out);
    ASSERT_EQ(unpacked.exit_code, 0) << method << ": " << unpacked.err;
    EXPECT_EQ(unpacked.out, input) << method;
  }
}

TEST(KuvoDataUnpack, FailsWithTheCodecsMessage) {
  const std::vector<uint8_t> text = testing::RecordLikeText(30000, 1);
  TCompress codec;
  std::vector<uint8_t> stream = testing::Compress(codec, text, CompressMethod::kLh5);
  stream.resize(stream.size() - 100);
  const auto result = RunProcess({kProgram, "unpack"}, stream);
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err, "Bad checksum during expansion -- data may be invalid\n");
}

TEST(KuvoDataInfo, DescribesAStreamHeader) {
  TempDir dir;
  TCompress codec;
  const std::vector<uint8_t> text = testing::RecordLikeText(10000, 3);
  testing::WriteFileBytes(dir / "s.lh5", testing::Compress(codec, text, CompressMethod::kLh5));
  const auto result = RunProcess({kProgram, "info", (dir / "s.lh5").string()});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::string out = Text(result.out);
  EXPECT_NE(out.find("Metod: LH5"), std::string::npos) << out;
  EXPECT_NE(out.find("Uppackad storlek: 10000 byte"), std::string::npos) << out;
  EXPECT_NE(out.find("utan fel"), std::string::npos) << out;

  testing::WriteFileBytes(dir / "plain", text);
  const auto plain = RunProcess({kProgram, "info", (dir / "plain").string()});
  EXPECT_NE(Text(plain.out).find("utan huvud"), std::string::npos);
}

// kuvo-data bygg: bad sources are reported as file:line and leave the data
// folder as it was; a good build replaces it.

// Every file of a folder with its bytes.
std::map<std::string, std::vector<uint8_t>> Snapshot(const fs::path& dir) {
  std::map<std::string, std::vector<uint8_t>> files;
  for (const auto& entry : fs::directory_iterator(dir))
    files[entry.path().filename()] = testing::ReadFileBytes(entry.path());
  return files;
}

class KuvoDataBygg : public ::testing::Test {
 protected:
  void SetUp() override {
    // A small good set first, so that failed builds have something to spoil.
    testing::WriteText(source_ / "fodda.csv",
                       testing::SourceTable(1, {{{"ENAMN", "Berg"}, {"FODAT", "17450312"}}}));
    testing::WriteText(source_ / "doda.csv",
                       testing::SourceTable(3, {{{"ENAMN", "Ek"}, {"DODAT", "18000101"}}}));
    const auto built = Bygg();
    ASSERT_EQ(built.exit_code, 0) << built.err;
    before_ = Snapshot(data_);
  }

  testing::ProcessResult Bygg() {
    return RunProcess({kProgram, "bygg", source_.string(), data_.string()});
  }

  // Writes a broken births table and expects one error line that starts
  // with `expected_start` and holds `also`.
  void ExpectRefused(const std::string& table, const std::string& expected_start,
                     const std::string& also = "") {
    testing::WriteText(source_ / "fodda.csv", table);
    const auto result = Bygg();
    EXPECT_EQ(result.exit_code, 1) << expected_start;
    const std::string error = result.err.substr(result.err.rfind('\n', result.err.size() - 2) + 1);
    EXPECT_TRUE(error.starts_with(expected_start)) << result.err;
    EXPECT_NE(error.find(also), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), error.size() - 1) << error;
    EXPECT_TRUE(Snapshot(data_) == before_) << "the data folder changed";
    // No work folder is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 2);
  }

  testing::TempDir dir_;
  fs::path source_ = dir_ / "kalla";
  fs::path data_ = dir_ / "data";
  std::map<std::string, std::vector<uint8_t>> before_;
};

TEST_F(KuvoDataBygg, BadSourcesAreReportedAndChangeNothing) {
  // Each refusal's words are the builder's tests'; here, one in the header
  // and one in a record stop the program alike.
  ExpectRefused("OKAND;" + testing::SourceTable(1, {{{"ENAMN", "Berg"}}}),
                "fodda.csv:1: okänt fält \"OKAND\"");
  // A line break and a control byte in a value are quoted visibly.
  ExpectRefused(
      testing::SourceTable(1, {{{"POSTNUMMER", "1"}, {"LOKALID", "F1"}, {"FODAT", "1780\n\x10"}}}),
      "fodda.csv:2: ", "\"1780\\r\\x10\"");
  // Nor does a source folder without tables.
  EXPECT_EQ(RunProcess({kProgram, "bygg", (dir_ / "saknas").string(), data_.string()}).exit_code,
            1);
  EXPECT_TRUE(Snapshot(data_) == before_);
}

TEST_F(KuvoDataBygg, TheSetNumberNamesTheFilesAndARegisterLeftOutLosesThem) {
  // The register set's number names the files.
  const auto numbered =
      RunProcess({kProgram, "bygg", source_.string(), data_.string(), "--registernr", "7"});
  ASSERT_EQ(numbered.exit_code, 0) << numbered.err;
  EXPECT_TRUE(fs::exists(data_ / "vaxor0007h1.b"));
  EXPECT_TRUE(fs::exists(data_ / "vaxor0007text.b"));
  EXPECT_TRUE(fs::exists(data_ / "vaxor0001h1.b"));  // another set stays
  EXPECT_TRUE(fs::exists(data_ / "vaxor0001l3.i"));
  fs::remove(source_ / "doda.csv");
  const auto result = Bygg();
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_TRUE(fs::exists(data_ / "vaxor0001l1.i"));
  EXPECT_FALSE(fs::exists(data_ / "vaxor0001l3.i"));
  EXPECT_FALSE(fs::exists(data_ / "vaxor0001h3.b"));
  EXPECT_TRUE(fs::exists(data_ / "vaxor0001s404.f1"));
}

size_t LineCount(const fs::path& path) {
  const std::vector<uint8_t> bytes = testing::ReadFileBytes(path);
  return static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

// A folder relative to where it runs. What it writes by default is the
// bundled sample, which the stored answers describe file by file.
TEST(KuvoDataExempel, WritesTheDefaultSampleFromAnyDirectory) {
  TempDir dir;
  const auto result = RunProcess({kProgram, "exempel", "kalla"}, {}, dir.path());
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_TRUE(result.out.empty());
  EXPECT_NE(result.err.find("Skriver fodda.csv: 3000 poster"), std::string::npos) << result.err;
  EXPECT_GT(LineCount(dir / "kalla/fodda.csv"), 3000u);
}

TEST(KuvoDataExempel, CountsAndSeedChooseTheContent) {
  TempDir dir;
  for (const auto& [folder, seed] : {std::pair{"a", "99"}, {"b", "99"}, {"c", "100"}}) {
    ASSERT_EQ(RunProcess({kProgram, "exempel", (dir / folder).string(), "--fodda", "20", "--vigda",
                          "0", "--doda", "5", "--fro", seed})
                  .exit_code,
              0);
  }
  for (const char* name : {"fodda.csv", "vigda.csv", "doda.csv"}) {
    EXPECT_EQ(testing::ReadFileBytes(dir / ("a/" + std::string(name))),
              testing::ReadFileBytes(dir / ("b/" + std::string(name))))
        << name;
  }
  EXPECT_NE(testing::ReadFileBytes(dir / "a/fodda.csv"),
            testing::ReadFileBytes(dir / "c/fodda.csv"));
  EXPECT_EQ(LineCount(dir / "a/vigda.csv"), 1u);
  EXPECT_GE(LineCount(dir / "a/doda.csv"), 6u);
}

// The picture bases of a built set as kuvo-data shows them: info describes
// each picture, bilder writes each as a file with the record's very bytes.
TEST(KuvoDataPictures, InfoDescribesEveryPictureAndBilderWritesEachAsItsPng) {
  TempDir dir;
  const fs::path source = dir / "kalla", data = dir / "data", pictures = dir / "bilder";
  ASSERT_EQ(RunProcess({kProgram, "exempel", source.string(), "--fodda", "5", "--vigda", "2",
                        "--doda", "3"})
                .exit_code,
            0);
  ASSERT_EQ(RunProcess({kProgram, "bygg", source.string(), data.string()}).exit_code, 0);
  const auto info = RunProcess({kProgram, "info", (data / "vaxorgrfk.b").string()});
  ASSERT_EQ(info.exit_code, 0) << info.err;
  const std::string out = Text(info.out);
  EXPECT_NE(out.find("Typ: bildbas"), std::string::npos) << out;
  EXPECT_NE(out.find("Namnindex: ja"), std::string::npos);
  EXPECT_NE(out.find("  prebak: typ 0"), std::string::npos);
  EXPECT_NE(out.find("  prebak@2x: typ 0"), std::string::npos);
  EXPECT_NE(out.find("form: "), std::string::npos) << "shaped figures list their region";
  EXPECT_EQ(out.find("FEL"), std::string::npos) << out;
  const auto written = RunProcess({kProgram, "bilder", data.string(), pictures.string()});
  ASSERT_EQ(written.exit_code, 0) << written.err;
  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(pictures)) {
    ++files;
    EXPECT_EQ(entry.path().extension(), ".png") << entry.path();
    ImageInfo image;
    EXPECT_TRUE(ReadImageInfo(testing::ReadFileBytes(entry.path()), image)) << entry.path();
  }
  EXPECT_TRUE(fs::exists(pictures / "logovaxor0001.png"));
  EXPECT_TRUE(fs::exists(pictures / "f01flik@2x.png"));
  EXPECT_GT(files, 40u);
}

}  // namespace
}  // namespace vx
