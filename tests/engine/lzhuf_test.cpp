// The LZHUF coder (method "LZH"): vectors made by the long-established
// coder, round trips through TCompress, damaged input, and cross-checks
// with lhasa, which reads the same coding as LHA method -lh1-.
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
#include "tests/support/files.h"
#include "tests/support/lha_archive.h"

namespace vx {
namespace {

namespace vt = vx::testing;

const std::filesystem::path kVectorDir = VX_TESTDATA_DIR "/lzhuf";

std::vector<uint8_t> Expand(std::span<const uint8_t> stream, TCompress& codec) {
  TViewStream source(stream);
  TMemoryStream destination;
  codec.ExpandStream(destination, source);
  return destination.Take();
}

std::vector<uint8_t> Expand(std::span<const uint8_t> stream) {
  TCompress codec;
  return Expand(stream, codec);
}

std::vector<uint8_t> CompressLzh(std::span<const uint8_t> data) {
  TViewStream source(data);
  TMemoryStream destination;
  TCompress().CompressStream(destination, source, CompressMethod::kLzh);
  return destination.Take();
}

// The coded data alone, without the output limit of CompressStream.
std::vector<uint8_t> EncodeUnlimited(std::span<const uint8_t> data) {
  CodedOutput out(SIZE_MAX);
  EncodeLzhuf(data, out);
  return out.Bytes();
}

std::vector<uint8_t> WithHeader(std::span<const uint8_t> coded, uint32_t expanded_size,
                                uint32_t checksum) {
  CompressedHeader header;
  header.compress_id = {'L', 'Z', 'H'};
  header.expanded_size = expanded_size;
  header.checksum = checksum;
  std::vector<uint8_t> stream(CompressedHeader::kSize + coded.size());
  const auto bytes = header.Serialize();
  std::copy(bytes.begin(), bytes.end(), stream.begin());
  std::copy(coded.begin(), coded.end(), stream.begin() + CompressedHeader::kSize);
  return stream;
}

bool IsLzhStream(std::span<const uint8_t> stream) {
  static constexpr uint8_t kStart[] = {'Z', 'E', 'F', 'A', 0x1A, 'L', 'Z', 'H'};
  return stream.size() > CompressedHeader::kSize && std::equal(kStart, kStart + 8, stream.begin());
}

std::vector<uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

// Register-style lines in Windows-1252 (E5 E4 F6 are å ä ö).
std::vector<uint8_t> SwedishText(size_t lines) {
  static const char* const kNames[] = {"Anders", "Brita", "Karin", "Per", "Ingrid", "Olof"};
  static const char* const kPlaces[] = {"R\xE5ne\xE5", "V\xE4ster\xE5s", "\xD6rebro", "G\xE4vle",
                                        "Sk\xF6vde"};
  std::string text;
  for (size_t i = 0; i < lines; ++i) {
    text += std::to_string(1700 + i % 150) + " d\xF6pt " + kNames[i % 6] + " " +
            kNames[(i * 7) % 6] + "sdotter i " + kPlaces[(i * 3) % 5] +
            " f\xF6rsamling, s\xE5som dop\xE4ttling " + std::to_string(i) + "\r\n";
  }
  return Bytes(text);
}

// A 32-byte pattern repeated, with 3 of its bytes random in every
// repetition: compressible, yet enough symbols to rebuild the tree often.
std::vector<uint8_t> NoisyRepeat(size_t size) {
  const std::string pattern = "Kyrkbok, Hammarby socken, d\xF6pta;";
  std::mt19937 rng(37);
  std::vector<uint8_t> data(size);
  for (size_t i = 0; i < size; ++i) {
    const size_t k = i % pattern.size();
    data[i] = (k == 5 || k == 17 || k == 30) ? static_cast<uint8_t>(rng())
                                             : static_cast<uint8_t>(pattern[k]);
  }
  return data;
}

std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> data(size);
  for (uint8_t& b : data)
    b = static_cast<uint8_t>(rng());
  return data;
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
  EXPECT_EQ(Expand(stream, codec), original);
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

// --- Round trips through TCompress -----------------------------------------

TEST(LzhufRoundTrip, TinyInputsAreStored) {
  for (size_t size : {0, 1, 21, 22}) {
    SCOPED_TRACE(size);
    const std::vector<uint8_t> data(size, 'a');
    const std::vector<uint8_t> stream = CompressLzh(data);
    // 22 equal bytes still code to more than the single byte allowed.
    EXPECT_EQ(stream, data);
    EXPECT_EQ(Expand(stream), data);
  }
}

TEST(LzhufRoundTrip, SwedishTextIsCodedAndRestored) {
  const std::vector<uint8_t> text = SwedishText(400);
  ASSERT_NE(std::find(text.begin(), text.end(), 0xE5), text.end());
  const std::vector<uint8_t> stream = CompressLzh(text);
  ASSERT_TRUE(IsLzhStream(stream));
  EXPECT_LT(stream.size(), text.size() / 3);
  EXPECT_EQ(Expand(stream), text);
}

TEST(LzhufRoundTrip, ShortCompressibleInputs) {
  // Runs of blanks come straight from the blank-filled start of the ring.
  for (const std::vector<uint8_t>& data :
       {std::vector<uint8_t>(40, ' '), std::vector<uint8_t>(300, ' '),
        Bytes("abcabcabcabcabcabcabcabcabcabcabcabcabc"),
        Bytes("\xE5\xE4\xF6\xE5\xE4\xF6\xE5\xE4\xF6\xE5\xE4\xF6\xE5\xE4\xF6\xE5\xE4\xF6\xE5\xE4\xF6"
              "\xE5\xE4\xF6\xC5\xC4\xD6\xC5\xC4\xD6\xC5\xC4\xD6")}) {
    const std::vector<uint8_t> stream = CompressLzh(data);
    EXPECT_TRUE(IsLzhStream(stream));
    EXPECT_EQ(Expand(stream), data);
  }
}

TEST(LzhufRoundTrip, RandomBytesFallBackToStoring) {
  const std::vector<uint8_t> data = RandomBytes(50000, 7);
  const std::vector<uint8_t> stream = CompressLzh(data);
  EXPECT_EQ(stream, data);  // headerless
  EXPECT_EQ(Expand(stream), data);
}

TEST(LzhufRoundTrip, LargeNoisyRepetitionRebuildsTheTree) {
  const std::vector<uint8_t> data = NoisyRepeat(1 << 20);
  const std::vector<uint8_t> stream = CompressLzh(data);
  ASSERT_TRUE(IsLzhStream(stream));
  EXPECT_LT(stream.size(), data.size() / 4);
  TCompress codec;
  EXPECT_EQ(Expand(stream, codec), data);
  EXPECT_GE(codec.LastExpandStats().lzhuf_rebuilds, 4u);
}

// Past the end of the input the look-ahead holds stale ring bytes (blanks
// here), which may continue a match; the last match must still stop at the
// end, or the expansion grows.
TEST(LzhufRoundTrip, LastMatchStopsAtTheEnd) {
  const std::string name = "Per Olsson, Leksand;";
  for (size_t size = 1; size <= 70; ++size) {
    std::vector<std::vector<uint8_t>> inputs = {std::vector<uint8_t>(size, ' ')};
    std::string text = name + std::string(40, ' ') + name.substr(0, size % name.size());
    inputs.push_back(Bytes(text));
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
TEST(LzhufExpand, CopiesTheLastMatchWhole) {
  const std::vector<uint8_t> blanks(120, ' ');  // two matches of 60 from the ring's blanks
  const std::vector<uint8_t> coded = EncodeUnlimited(blanks);
  TCompress codec;
  EXPECT_EQ(Expand(WithHeader(coded, 61, ByteSum(blanks)), codec), blanks);
}

TEST(LzhufExpand, TruncatedStreamEndsInABadChecksum) {
  const std::vector<uint8_t> text = SwedishText(2000);
  std::vector<uint8_t> stream = CompressLzh(text);
  ASSERT_TRUE(IsLzhStream(stream));
  stream.resize(CompressedHeader::kSize + (stream.size() - CompressedHeader::kSize) / 2);
  TViewStream source(stream);
  TMemoryStream destination;
  EXPECT_THROW(TCompress().ExpandStream(destination, source), EBadChecksum);
  // Missing bytes read as zero bits: the run goes on to the announced size.
  EXPECT_GE(destination.Size(), text.size());
  EXPECT_LE(destination.Size(), text.size() + lzhuf::kMaxMatch - 1);
}

TEST(LzhufExpand, DamagedStreamsNeverFailOtherwise) {
  const std::vector<uint8_t> text = SwedishText(300);
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
      Expand(WithHeader(coded, static_cast<uint32_t>(symbols.size()), ByteSum(symbols)), codec),
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

TEST_F(LzhufLhasa, ReadsSwedishText) {
  ExpectLhasaReads(SwedishText(400));
}

TEST_F(LzhufLhasa, ReadsLargeNoisyRepetition) {
  ExpectLhasaReads(NoisyRepeat(1 << 20));
}

TEST_F(LzhufLhasa, ReadsVectorInputs) {
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
