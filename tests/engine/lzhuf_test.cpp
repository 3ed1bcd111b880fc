// The LZHUF coder (method "LZH"): vectors made by the long-established
// coder, edge cases of both directions, damaged input, and cross-checks
// with lhasa, which reads the same coding as LHA method -lh1-. Round trips
// of every method are in compress_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "engine/codec/compress.h"
#include "engine/codec/lzhuf_tree.h"
#include "engine/util/stream.h"
#include "tests/support/codec_test_util.h"
#include "tests/support/files.h"
#include "tests/support/lha_archive.h"
#include "tests/support/sample_inputs.h"

namespace vx {
namespace {

namespace vt = vx::testing;

const std::filesystem::path kVectorDir = VX_TESTDATA_DIR "/lzhuf";

std::vector<uint8_t> Expand(std::span<const uint8_t> stream) {
  TCompress codec;
  return vt::Expand(codec, stream);
}

std::vector<uint8_t> CompressLzh(std::span<const uint8_t> data) {
  TCompress codec;
  return vt::Compress(codec, data, CompressMethod::kLzh);
}

// The coded data alone, without the output limit of CompressStream.
std::vector<uint8_t> EncodeUnlimited(std::span<const uint8_t> data) {
  CodedOutput out(SIZE_MAX);
  EncodeLzhuf(data, out);
  return out.Bytes();
}

std::vector<uint8_t> WithHeader(std::span<const uint8_t> coded, uint32_t expanded_size,
                                uint32_t checksum) {
  return vt::WithHeader("LZH", expanded_size, checksum, coded);
}

bool IsLzhStream(std::span<const uint8_t> stream) {
  static constexpr uint8_t kStart[] = {'Z', 'E', 'F', 'A', 0x1A, 'L', 'Z', 'H'};
  return stream.size() > CompressedHeader::kSize && std::equal(kStart, kStart + 8, stream.begin());
}

// --- Vectors of the long-established coder ---------------------------------

struct Vector {
  const char* name;
  uint32_t rebuilds;
};

constexpr Vector kVectors[] = {
    {"one_byte", 0},    {"text59", 0},       {"spaces_prefill", 0}, {"swedish_text", 1},
    {"random_100k", 5}, {"mixed_binary", 9}, {"repeat37", 0},       {"repeat37_noisy", 2},
};

class LzhufVector : public ::testing::TestWithParam<Vector> {
 protected:
  std::vector<uint8_t> Original() const {
    return vt::ReadFileBytes(kVectorDir / (std::string(GetParam().name) + ".in"));
  }
  std::vector<uint8_t> Stream() const {
    return vt::ReadFileBytes(kVectorDir / (std::string(GetParam().name) + ".lzh"));
  }
};

TEST_P(LzhufVector, ExpandsToTheOriginalWithTheSameRebuilds) {
  const std::vector<uint8_t> original = Original();
  const std::vector<uint8_t> stream = Stream();
  ASSERT_FALSE(original.empty());
  ASSERT_GT(stream.size(), CompressedHeader::kSize);
  TCompress codec;
  EXPECT_EQ(vt::Expand(codec, stream), original);
  EXPECT_EQ(codec.LastExpandStats().lzhuf_rebuilds, GetParam().rebuilds);
}

// Same parameters, same match search and tie-breaking: the same bytes.
TEST_P(LzhufVector, EncodesByteForByteLikeTheEstablishedCoder) {
  const std::vector<uint8_t> original = Original();
  const std::vector<uint8_t> stream = Stream();
  ASSERT_GT(stream.size(), CompressedHeader::kSize);
  const std::vector<uint8_t> coded(stream.begin() + CompressedHeader::kSize, stream.end());
  EXPECT_EQ(EncodeUnlimited(original), coded);

  // CompressStream writes the whole stream, header included, when coding
  // gains at least a header's size, and stores the bytes otherwise.
  const bool gains = original.size() >= CompressedHeader::kSize &&
                     coded.size() <= original.size() - CompressedHeader::kSize;
  EXPECT_EQ(CompressLzh(original), gains ? stream : original);
}

void PrintTo(const Vector& vector, std::ostream* os) {
  *os << vector.name;
}

INSTANTIATE_TEST_SUITE_P(Vectors, LzhufVector, ::testing::ValuesIn(kVectors),
                         [](const ::testing::TestParamInfo<Vector>& param_info) {
                           return std::string(param_info.param.name);
                         });

// --- Encoder edge cases ----------------------------------------------------

// Past the end of the input the look-ahead holds stale ring bytes (blanks
// here), which may continue a match; the last match must still stop at the
// end, or the expansion grows.
TEST(LzhufRoundTrip, LastMatchStopsAtTheEnd) {
  const std::string name = "Per Olsson, Leksand;";
  for (size_t size = 1; size <= 70; ++size) {
    std::vector<std::vector<uint8_t>> inputs = {std::vector<uint8_t>(size, ' ')};
    std::string text = name + std::string(40, ' ') + name.substr(0, size % name.size());
    inputs.push_back(vt::Bytes(text));
    for (const std::vector<uint8_t>& data : inputs) {
      const std::vector<uint8_t> coded = EncodeUnlimited(data);
      EXPECT_EQ(Expand(WithHeader(coded, static_cast<uint32_t>(data.size()), ByteSum(data))), data)
          << "size " << data.size();
    }
  }
}

// --- Decoder edge cases ----------------------------------------------------

// The decoder stops only between symbols, so a match that crosses the
// announced size is still written whole.
TEST(LzhufExpand, CopiesTheLastMatchWholeAndDamagedStreamsNeverFailOtherwise) {
  const std::vector<uint8_t> blanks(120, ' ');  // two matches of 60 from the ring's blanks
  const std::vector<uint8_t> coded = EncodeUnlimited(blanks);
  EXPECT_EQ(Expand(WithHeader(coded, 61, ByteSum(blanks))), blanks);
  // Damaged streams never fail otherwise.
  const std::vector<uint8_t> text = vt::RecordLikeText(20000, 31);
  const std::vector<uint8_t> stream = CompressLzh(text);
  ASSERT_TRUE(IsLzhStream(stream));
  std::mt19937 rng(11);
  for (int trial = 0; trial < 200; ++trial) {
    std::vector<uint8_t> damaged = stream;
    for (int k = 0; k < 1 + trial % 4; ++k) {
      const size_t at =
          CompressedHeader::kSize + rng() % (damaged.size() - CompressedHeader::kSize);
      damaged[at] = static_cast<uint8_t>(rng());
    }
    TViewStream source(damaged);
    TMemoryStream destination;
    try {
      TCompress().ExpandStream(destination, source);
      // A good checksum is only expected when the damage changed nothing.
      EXPECT_EQ(destination.Bytes(), text) << "trial " << trial;
    } catch (const EBadChecksum&) {
    }
    EXPECT_GE(destination.Size(), text.size());
    EXPECT_LT(destination.Size(), text.size() + lzhuf::kMaxMatch);
  }
}

TEST(LzhufExpand, GarbageProducesTheAnnouncedSize) {
  for (uint8_t fill : {0x00, 0xFF, 0x5A}) {
    const std::vector<uint8_t> coded(3000, fill);
    const std::vector<uint8_t> stream = WithHeader(coded, 200000, 0);
    TViewStream source(stream);
    TMemoryStream destination;
    EXPECT_THROW(TCompress().ExpandStream(destination, source), EBadChecksum);
    EXPECT_GE(destination.Size(), 200000u);
    EXPECT_LT(destination.Size(), 200000u + lzhuf::kMaxMatch);
  }
}

// --- Codes longer than 16 bits ---------------------------------------------

// Literals 'A'..'H' whose frequencies fall by a factor of about 1.63 each,
// plus a few rare bytes: the tree becomes a long chain and the rare bytes
// get codes of 17 bits and more, once the root frequency is large enough.
std::vector<uint8_t> ChainShapedLiterals(size_t count) {
  constexpr int kChain = 8;
  constexpr uint32_t kRare = 17179869;  // 0.4% of 2^32
  uint32_t weights[kChain];
  uint64_t total = 0;
  double w = 1e6;
  for (uint32_t& weight : weights) {
    weight = static_cast<uint32_t>(w);
    total += weight;
    w /= 1.63;
  }
  std::mt19937 rng(1);
  std::vector<uint8_t> symbols(count);
  for (uint8_t& s : symbols) {
    if (rng() < kRare) {
      s = static_cast<uint8_t>(0x80 | (rng() & 0x7F));
      continue;
    }
    uint64_t pick = rng() % total;
    int k = 0;
    while (pick >= weights[k])
      pick -= weights[k++];
    s = static_cast<uint8_t>('A' + k);
  }
  return symbols;
}

// Codes the bytes as literals only (a valid stream, though no match search).
std::vector<uint8_t> LiteralStream(std::span<const uint8_t> bytes, int& longest) {
  CodedOutput out(SIZE_MAX);
  lzhuf::SymbolEncoder encoder(out);
  longest = 0;
  for (uint8_t b : bytes)
    longest = std::max(longest, encoder.PutSymbol(b));
  encoder.Finish();
  return out.Bytes();
}

TEST(LzhufLongCodes, CodesBeyond16BitsAreWrittenCompletely) {
  const std::vector<uint8_t> symbols = ChainShapedLiterals(100000);
  int longest = 0;
  const std::vector<uint8_t> coded = LiteralStream(symbols, longest);
  EXPECT_GT(longest, 16);
  TCompress codec;
  EXPECT_EQ(
      vt::Expand(codec, WithHeader(coded, static_cast<uint32_t>(symbols.size()), ByteSum(symbols))),
      symbols);
  EXPECT_GT(codec.LastExpandStats().lzhuf_rebuilds, 0u);
}

// --- Interoperability with lhasa (-lh1-) -----------------------------------

// Wraps coded data as an -lh1- member and returns what lhasa extracts.
std::vector<uint8_t> ExtractWithLhasa(std::span<const uint8_t> coded,
                                      std::span<const uint8_t> original) {
  vt::TempDir dir;
  const std::filesystem::path archive = dir / "member.lzh";
  vt::WriteFileBytes(archive, vt::MakeLhaArchive("-lh1-", "member.txt", coded, original));
  const vt::ProcessResult result = vt::RunProcess({"lhasa", "pq", archive.string()});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  return result.out;
}

class LzhufLhasa : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(vt::ProgramAvailable("lhasa"))
        << "lhasa is not installed (Debian package \"lhasa\"); it is needed to check our LZH "
           "output against an independent -lh1- decoder";
  }

  void ExpectLhasaReads(std::span<const uint8_t> original) {
    const std::vector<uint8_t> stream = CompressLzh(original);
    ASSERT_TRUE(IsLzhStream(stream)) << "expected coded, not stored, data";
    const std::span<const uint8_t> coded(stream.begin() + CompressedHeader::kSize, stream.end());
    const std::vector<uint8_t> extracted = ExtractWithLhasa(coded, original);
    EXPECT_EQ(extracted.size(), original.size());
    EXPECT_TRUE(std::equal(extracted.begin(), extracted.end(), original.begin(), original.end()));
  }
};

TEST_F(LzhufLhasa, ReadsTextNoisyRepetitionAndVectorInputs) {
  ExpectLhasaReads(vt::RecordLikeText(30000, 4));
  ExpectLhasaReads(vt::NoisyRepetition(1 << 20, 37));
  for (const char* name : {"spaces_prefill", "swedish_text", "mixed_binary"}) {
    SCOPED_TRACE(name);
    ExpectLhasaReads(vt::ReadFileBytes(kVectorDir / (std::string(name) + ".in")));
  }
}

TEST_F(LzhufLhasa, ReadsCodesBeyond16Bits) {
  const std::vector<uint8_t> symbols = ChainShapedLiterals(100000);
  int longest = 0;
  const std::vector<uint8_t> coded = LiteralStream(symbols, longest);
  ASSERT_GT(longest, 16);
  EXPECT_EQ(ExtractWithLhasa(coded, symbols), symbols);
}

}  // namespace
}  // namespace vx
