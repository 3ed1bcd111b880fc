// kuvo-data pack, unpack and info, run as processes.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/codec/compress.h"
#include "tests/support/codec_test_util.h"
#include "tests/support/files.h"
#include "tests/support/sample_inputs.h"

namespace vx {
namespace {

using testing::RunProcess;

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

TEST(KuvoDataPack, ReadsTheSharedVectors) {
  const std::filesystem::path vectors(VX_TESTDATA_DIR);
  for (const char* name : {"lh5/swedish_text", "lzhuf/swedish_text", "lzhuf/one_byte"}) {
    const auto stream_path = vectors / (std::string(name) + (name[1] == 'h' ? ".lh5" : ".lzh"));
    const auto result = RunProcess({kProgram, "unpack"}, testing::ReadFileBytes(stream_path));
    ASSERT_EQ(result.exit_code, 0) << name << ": " << result.err;
    EXPECT_EQ(result.out, testing::ReadFileBytes(vectors / (std::string(name) + ".in"))) << name;
  }
}

TEST(KuvoDataUnpack, FailsWithTheCodecsMessage) {
  const std::vector<uint8_t> text = testing::RecordLikeText(30000, 1);
  TCompress codec;
  std::vector<uint8_t> stream = testing::Compress(codec, text, CompressMethod::kLh5);
  stream.resize(stream.size() - 100);
  auto result = RunProcess({kProgram, "unpack"}, stream);
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err, "Bad checksum during expansion -- data may be invalid\n");

  stream[5] = 'Q';
  result = RunProcess({kProgram, "unpack"}, stream);
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err, "Unrecognized compression method: \"QH5\" in header\n");
}

TEST(KuvoDataInfo, DescribesAStreamHeader) {
  testing::TempDir dir;
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

}  // namespace
}  // namespace vx
