// The codec: TCompress's stream framing and round trips of every method;
// methods "LH5" and "LZH" (LZHUF) against stored vectors and the outside LHA
// tools, edge cases, damaged input, and the code lengths LH5 writes.
#include "engine/codec/compress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <queue>
#include <random>
#include <tuple>

#include "engine/codec/codec_io.h"
#include "engine/codec/huffman_lengths.h"
#include "engine/codec/lzhuf_tree.h"
#include "engine/util/stream.h"
#include "tests/support/codec_test_util.h"
#include "tests/support/files.h"
#include "tests/support/lha_archive.h"
#include "tests/support/sample_inputs.h"

namespace vx {
namespace {

using testing::Bytes;
using testing::Compress;
using testing::Expand;
using testing::ThrownMessage;
using testing::WithHeader;

const std::vector<uint8_t> kMagic = {'Z', 'E', 'F', 'A', 0x1A};

TEST(CompressFraming, DataTooShortOrWithoutTheMagicIsCopied) {
  TCompress codec;
  std::vector<uint8_t> short_data = kMagic;
  short_data.resize(21, 'x');  // 21 bytes: no room for a header and data
  EXPECT_EQ(Expand(codec, short_data), short_data);
  EXPECT_EQ(Expand(codec, std::vector<uint8_t>{}), std::vector<uint8_t>{});
  // Data without the magic is copied from its start.
  const std::string text = "ZEFB this is not a compressed stream at all";
  EXPECT_EQ(Expand(codec, Bytes(text)), Bytes(text));

  // Reading starts at the source's position, and the output is appended at
  // the destination's position.
  const std::vector<uint8_t> framed = Bytes("skip" + text);
  TViewStream source(framed);
  source.Seek(4);
  TMemoryStream out(Bytes("head:"));
  out.Seek(5);
  codec.ExpandStream(out, source);
  EXPECT_EQ(out.Bytes(), Bytes("head:" + text));
  EXPECT_EQ(source.Position(), framed.size());
}

TEST(CompressFraming, ZeroExpandedSizeProducesNothingAndHeaderFaultsRaiseTheirExceptions) {
  TCompress codec;
  const std::vector<uint8_t> noise = {0xFF, 0x13, 0x77};
  for (const char* id : {"LZH", "LH5"}) {
    EXPECT_TRUE(Expand(codec, WithHeader(id, 0, 0, noise)).empty()) << id;
    EXPECT_EQ(ThrownMessage([&] { Expand(codec, WithHeader(id, 0, 5, noise)); }),
              "Bad checksum during expansion -- data may be invalid")
        << id;
  }
  const std::vector<uint8_t> coded = {1, 2, 3};
  EXPECT_THROW(Expand(codec, WithHeader("LH5", 3, 6, coded, /*archive_type=*/1)),
               EInvalidHeaderArchiveType);
  EXPECT_EQ(ThrownMessage([&] { Expand(codec, WithHeader("LH5", 3, 6, coded, 2)); }),
            "Expand can't handle caMulti archive type in compressed header");

  EXPECT_THROW(Expand(codec, WithHeader("XYZ", 3, 6, coded)), EUnrecognizedCompressionMethod);
  EXPECT_EQ(ThrownMessage([&] { Expand(codec, WithHeader("lh5", 3, 6, coded)); }),
            "Unrecognized compression method: \"lh5\" in header");

  EXPECT_THROW(Expand(codec, WithHeader("NON", 3, 6, coded, 0, /*lock=*/2)), EInvalidKey);
  EXPECT_EQ(ThrownMessage([&] { Expand(codec, WithHeader("NON", 3, 6, coded, 0, 1)); }),
            "File locked -- valid key required");
}

// Stored data ignores the announced size and skips the checksum when its sum
// is 0; the custom method produces nothing.
TEST(CompressFraming, StoredAndCustomDataHaveTheirOwnRulesAndSizesAboveTheLimitAreRefused) {
  TCompress codec;
  const std::vector<uint8_t> coded = Bytes("plain bytes");
  EXPECT_EQ(Expand(codec, WithHeader("NON", 11, 0, coded)), coded);
  EXPECT_EQ(Expand(codec, WithHeader("NON", 100, ByteSum(coded), coded)), coded);
  EXPECT_THROW(Expand(codec, WithHeader("NON", 11, ByteSum(coded) + 1, coded)), EBadChecksum);

  // Other methods are checked even when the stored sum is 0.
  const std::vector<uint8_t> rle = {'A', 'B'};
  EXPECT_THROW(Expand(codec, WithHeader("RLE", 2, 0, rle)), EBadChecksum);
  EXPECT_EQ(Expand(codec, WithHeader("RLE", 2, 'A' + 'B', rle)), rle);

  EXPECT_TRUE(Expand(codec, WithHeader("CUS", 3, 0, rle)).empty());
  EXPECT_THROW(Expand(codec, WithHeader("CUS", 3, 27, rle)), EBadChecksum);
  // An announced size above the caller's limit is refused.
  const std::vector<uint8_t> stream = WithHeader("LH5", 4000000000u, 0, std::vector<uint8_t>(8));
  TViewStream source(stream);
  TMemoryStream out;
  EXPECT_THROW(codec.ExpandStream(out, source, 1 << 20), EExpandedSizeTooLarge);
  EXPECT_EQ(out.Size(), 0u);
}

TEST(RunLength, DecodesEscapesAndEncodesRunsAsDescribed) {
  TCompress codec;
  // The checksum must match, so it is computed from the expected output.
  auto check = [&](std::vector<uint8_t> coded, std::vector<uint8_t> expected) {
    const auto stream =
        WithHeader("RLE", static_cast<uint32_t>(expected.size()), ByteSum(expected), coded);
    EXPECT_EQ(Expand(codec, stream), expected);
  };
  check({0x94, 0x00}, {0x94});
  check({0x41, 0x94, 0x05}, {0x41, 0x41, 0x41, 0x41, 0x41});
  check({0x94, 0x03}, {0x00, 0x00});
  // After an escape pair the repeated byte is the escape byte itself.
  check({0x41, 0x94, 0x03, 0x94, 0x03}, {0x41, 0x41, 0x41, 0x94, 0x94});
  // An escape at the very end reads its count as 0: one literal escape.
  check({0x42, 0x94}, {0x42, 0x94});

  std::vector<uint8_t> data(300, 'A');  // a run of 255 and one of 45
  data.insert(data.end(), {0x42, 0x42, 0x94, 0x94, 0x94, 0x43});
  data.resize(data.size() + 40, 0x94);
  const std::vector<uint8_t> stream = Compress(codec, data, CompressMethod::kRle);
  ASSERT_GT(stream.size(), CompressedHeader::kSize);
  const std::vector<uint8_t> coded(stream.begin() + CompressedHeader::kSize, stream.end());
  const std::vector<uint8_t> expected_start = {'A',  0x94, 255,  'A', 0x94, 45,   'B',  'B', 0x94,
                                               0x00, 0x94, 0x03, 'C', 0x94, 0x00, 0x94, 40};
  EXPECT_EQ(coded, expected_start);
  EXPECT_EQ(Expand(codec, stream), data);
}

// Every method must give back what it was given, whatever the input.
class RoundTrip : public ::testing::TestWithParam<CompressMethod> {};

TEST_P(RoundTrip, KeepsEveryInput) {
  TCompress codec;
  const std::vector<std::vector<uint8_t>> inputs = {
      {},
      {'A'},
      std::vector<uint8_t>(21, 'a'),
      std::vector<uint8_t>(22, 'a'),
      Bytes("R\xe4ksm\xf6rg\xe5s \xc5\xc4\xd6 \xe5\xe4\xf6 och \xe5\xe4\xf6 igen, \xe5\xe4\xf6 och "
            "\xe5\xe4\xf6."),
      testing::RandomBytes(70000, 7),
      testing::RecordLikeText(300000, 3),
      testing::NoisyRepetition(1 << 20, 11),
      std::vector<uint8_t>(1 << 20, 0x94),
  };
  for (const auto& input : inputs) {
    const std::vector<uint8_t> stream = Compress(codec, input, GetParam());
    EXPECT_LE(stream.size(), std::max<size_t>(input.size(), CompressedHeader::kSize))
        << "size " << input.size();
    EXPECT_EQ(Expand(codec, stream), input) << "size " << input.size();
  }
}

INSTANTIATE_TEST_SUITE_P(AllMethods, RoundTrip,
                         ::testing::Values(CompressMethod::kNon, CompressMethod::kRle,
                                           CompressMethod::kLzh, CompressMethod::kLh5,
                                           CompressMethod::kCus),
                         [](const auto& param_info) {
                           return std::string(CompressMethodId(param_info.param));
                         });

TEST(CompressWriter, StoresWithoutHeaderUnlessTheDataLooksLikeAStreamAndAppendsAtThePosition) {
  TCompress codec;
  const std::vector<uint8_t> random = testing::RandomBytes(5000, 1), twenty(20, 'z');
  for (CompressMethod m : {CompressMethod::kRle, CompressMethod::kLzh, CompressMethod::kLh5}) {
    EXPECT_EQ(Compress(codec, random, m), random);
    EXPECT_EQ(Compress(codec, twenty, m), twenty);
  }
  // A compressed stream of random bytes cannot be compressed again; stored
  // without a header it would be expanded instead of returned.
  const std::vector<uint8_t> inner =
      Compress(codec, testing::RecordLikeText(4000, 9), CompressMethod::kLh5);
  ASSERT_EQ(std::vector<uint8_t>(inner.begin(), inner.begin() + 5), kMagic);
  for (CompressMethod m : {CompressMethod::kNon, CompressMethod::kLh5}) {
    const std::vector<uint8_t> outer = Compress(codec, inner, m);
    EXPECT_EQ(Expand(codec, outer), inner);
  }
  // The stream is appended at the destination's position.
  const std::vector<uint8_t> text = testing::RecordLikeText(5000, 2);
  TViewStream source(text);
  TMemoryStream out(Bytes("prefix"));
  out.Seek(6);
  codec.CompressStream(out, source, CompressMethod::kLh5);
  ASSERT_GT(out.Size(), 6u);
  TViewStream packed(out.Bytes());
  packed.Seek(6);
  TMemoryStream back;
  codec.ExpandStream(back, packed);
  EXPECT_EQ(back.Bytes(), text);
}

TEST(CompressExpand, TruncatedStreamsEndInTheChecksumError) {
  TCompress codec;
  const std::vector<uint8_t> text = testing::RecordLikeText(50000, 4);
  for (CompressMethod m : {CompressMethod::kLzh, CompressMethod::kLh5}) {
    std::vector<uint8_t> stream = Compress(codec, text, m);
    stream.resize(stream.size() / 2);
    EXPECT_THROW(Expand(codec, stream), EBadChecksum) << CompressMethodId(m);
    stream.resize(CompressedHeader::kSize + 1);  // the header and one byte
    EXPECT_THROW(Expand(codec, stream), EBadChecksum) << CompressMethodId(m);
  }
}

// Sum of 2^(max - length) over used symbols: 2^max for a complete code.
uint64_t KraftSum(const std::vector<uint8_t>& lengths, int max_length) {
  uint64_t sum = 0;
  for (uint8_t l : lengths)
    if (l > 0) sum += uint64_t{1} << (max_length - l);
  return sum;
}

uint64_t Cost(const std::vector<uint32_t>& freqs, const std::vector<uint8_t>& lengths) {
  uint64_t cost = 0;
  for (size_t i = 0; i < freqs.size(); ++i)
    cost += uint64_t{freqs[i]} * lengths[i];
  return cost;
}

// Cost of an unrestricted Huffman code, by the classic merging of weights.
uint64_t HuffmanCost(const std::vector<uint32_t>& freqs) {
  std::priority_queue<uint64_t, std::vector<uint64_t>, std::greater<>> heap;
  for (uint32_t f : freqs)
    if (f > 0) heap.push(f);
  uint64_t cost = 0;
  while (heap.size() > 1) {
    const uint64_t a = heap.top();
    heap.pop();
    const uint64_t b = heap.top();
    heap.pop();
    cost += a + b;
    heap.push(a + b);
  }
  return cost;
}

// Where the limit does not bind the code is Huffman's; Fibonacci weights
// give an unrestricted code as deep as the alphabet, where it binds.
TEST(LimitedCodeLengths, CompleteCodesWithinTheLimitHuffmansWhereItDoesNotBindAndTheTightest) {
  std::vector<uint32_t> fibonacci = {1, 1};
  while (fibonacci.size() < 30)
    fibonacci.push_back(fibonacci[fibonacci.size() - 1] + fibonacci[fibonacci.size() - 2]);
  for (const auto& [freqs, binds] :
       {std::pair{std::vector<uint32_t>{45, 13, 12, 16, 9, 5, 0, 0, 1}, false},
        std::pair{fibonacci, true}}) {
    const auto lengths = LimitedCodeLengths(freqs, 16);
    EXPECT_EQ(KraftSum(lengths, 16), uint64_t{1} << 16);
    for (size_t i = 0; i < freqs.size(); ++i) {
      EXPECT_LE(lengths[i], 16);
      EXPECT_EQ(lengths[i] == 0, freqs[i] == 0) << i;
    }
    if (binds) {
      EXPECT_GE(Cost(freqs, lengths), HuffmanCost(freqs));
    } else {
      EXPECT_EQ(Cost(freqs, lengths), HuffmanCost(freqs));
    }
  }
  // A full alphabet at the tightest limit, and one or no used symbols.
  std::vector<uint32_t> freqs(16, 1);
  freqs[0] = 1000000;
  // 16 symbols in 4 bits: all length 4.
  EXPECT_EQ(LimitedCodeLengths(freqs, 4), std::vector<uint8_t>(16, 4));
  EXPECT_EQ(LimitedCodeLengths(std::vector<uint32_t>{0, 7, 0}, 16),
            (std::vector<uint8_t>{0, 1, 0}));
  EXPECT_EQ(LimitedCodeLengths(std::vector<uint32_t>{0, 0}, 16), (std::vector<uint8_t>{0, 0}));
}

using testing::ReadFileBytes;

const std::filesystem::path kVectors = std::filesystem::path(VX_TESTDATA_DIR) / "lh5";

std::vector<uint8_t> CodedPart(const std::vector<uint8_t>& stream) {
  return std::vector<uint8_t>(stream.begin() + CompressedHeader::kSize, stream.end());
}

// `coded` behind a header of method `id` announcing `original`.
std::vector<uint8_t> Stream(const char* id, std::span<const uint8_t> coded,
                            std::span<const uint8_t> original) {
  return WithHeader(id, static_cast<uint32_t>(original.size()), ByteSum(original), coded);
}

bool IsCoded(const std::vector<uint8_t>& stream, const std::string& id) {
  CompressedHeader header;
  return stream.size() > CompressedHeader::kSize &&
         CompressedHeader::Parse(std::span(stream).first<CompressedHeader::kSize>(), header) &&
         header.Id() == id;
}

void RequireProgram(const std::string& program) {
  ASSERT_TRUE(testing::ProgramAvailable(program))
      << program << " is needed for this test; scripts/install-deps installs it";
}

// The -lh5- member that jlha makes of `data`, or an empty vector with
// `method` set when it chose another method.
std::vector<uint8_t> JlhaCoded(const std::vector<uint8_t>& data, std::string& method) {
  testing::TempDir dir;
  testing::WriteFileBytes(dir / "data", data);
  const auto result = testing::RunProcess({"jlha", "a0q", "data.lzh", "data"}, {}, dir.path());
  EXPECT_EQ(result.exit_code, 0) << result.err;
  std::vector<uint8_t> coded;
  uint32_t original_size = 0;
  EXPECT_TRUE(
      testing::ReadFirstLhaMember(ReadFileBytes(dir / "data.lzh"), method, coded, original_size));
  EXPECT_EQ(original_size, data.size());
  return coded;
}

// What lhasa extracts from an archive holding our coded data.
std::vector<uint8_t> LhasaExtract(const std::string& method, std::span<const uint8_t> coded,
                                  std::span<const uint8_t> original) {
  testing::TempDir dir;
  testing::WriteFileBytes(dir / "ours.lzh",
                          testing::MakeLhaArchive(method, "data", coded, original));
  const auto result = testing::RunProcess({"lhasa", "pq", (dir / "ours.lzh").string()});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  return result.out;
}

TEST(Lh5Vectors, ExpandToTheirOriginalsReadingEveryBlock) {
  TCompress codec;
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kVectors)) {
    if (entry.path().extension() != ".lh5") continue;
    const auto original = std::filesystem::path(entry.path()).replace_extension(".in");
    EXPECT_EQ(Expand(codec, ReadFileBytes(entry.path())), ReadFileBytes(original)) << entry.path();
    ++count;
  }
  EXPECT_GE(count, 5);
  Expand(codec, ReadFileBytes(kVectors / "mixed_binary.lh5"));
  EXPECT_EQ(codec.LastExpandStats().lh5_blocks, 16u);
  Expand(codec, ReadFileBytes(kVectors / "repeat37.lh5"));
  EXPECT_EQ(codec.LastExpandStats().lh5_blocks, 1u);
}

// What jlha writes expands; on text our output is within three percent of
// its size.
TEST(Lh5Interop, ExpandsWhatJlhaWritesAndCodesTextNearlyAsSmall) {
  RequireProgram("jlha");
  TCompress codec;
  const std::vector<std::pair<std::string, std::vector<uint8_t>>> inputs = {
      {"swedish_text", ReadFileBytes(kVectors / "swedish_text.in")},
      {"record-like text 2 MB", testing::RecordLikeText(2 << 20, 77)},
      {"", testing::NoisyRepetition(1 << 20, 5)},
      {"", std::vector<uint8_t>(100000, 'x')},
  };
  for (const auto& [name, input] : inputs) {
    std::string method;
    const std::vector<uint8_t> coded = JlhaCoded(input, method);
    ASSERT_EQ(method, "-lh5-");
    EXPECT_EQ(Expand(codec, Stream("LH5", coded, input)), input) << "size " << input.size();
    if (name.empty()) continue;
    const size_t theirs = coded.size();
    const size_t ours =
        Compress(codec, input, CompressMethod::kLh5).size() - CompressedHeader::kSize;
    std::cout << "[ figures  ] " << name << ": " << input.size() << " bytes, ours " << ours
              << ", jlha " << theirs << " (" << 100.0 * static_cast<double>(ours) / theirs
              << " %)\n";
    EXPECT_LE(static_cast<double>(ours), 1.03 * static_cast<double>(theirs)) << name;
  }
}

// lhasa reads LZH as -lh1-.
TEST(LhasaInterop, ExtractsWhatWeWriteInEitherMethod) {
  RequireProgram("lhasa");
  TCompress codec;
  const std::vector<std::vector<uint8_t>> inputs = {
      std::vector<uint8_t>(60, 'a'),
      testing::Bytes("K\xe5ge, \xc4lmhult och \xd6rebro; K\xe5ge, \xc4lmhult och \xd6rebro; "
                     "K\xe5ge, \xc4lmhult och \xd6rebro; K\xe5ge, \xc4lmhult och \xd6rebro."),
      testing::RecordLikeText(300000, 8),
      testing::NoisyRepetition(1 << 20, 3),
      std::vector<uint8_t>(1 << 20, 0),
      ReadFileBytes(kVectors / "mixed_binary.in"),
  };
  for (const auto& [method, id, lha] : {std::tuple{CompressMethod::kLh5, "LH5", "-lh5-"},
                                        std::tuple{CompressMethod::kLzh, "LZH", "-lh1-"}}) {
    for (const auto& input : inputs) {
      const std::vector<uint8_t> stream = Compress(codec, input, method);
      ASSERT_TRUE(IsCoded(stream, id)) << id << " size " << input.size();
      EXPECT_EQ(LhasaExtract(lha, CodedPart(stream), input), input)
          << id << " size " << input.size();
    }
  }
}

// Hand-made blocks: the table rules that real streams rarely reach.
class Lh5Blocks : public ::testing::Test {
 protected:
  std::vector<uint8_t> Coded(const std::function<void(BitWriter&)>& write) {
    CodedOutput out(1 << 16);
    BitWriter bits(out);
    write(bits);
    bits.Flush();
    return out.Bytes();
  }
  // A block of `count` symbols that all decode without bits: after the
  // count, the length, literal/length and position codes, each a count of 0
  // and its single symbol: 0, `c` and 0 (distance 1).
  static void SingleSymbolBlock(BitWriter& bits, uint32_t count, uint32_t c) {
    const std::pair<uint32_t, int> fields[] = {{count, 16}, {0, 5}, {0, 5}, {0, 9},
                                               {c, 9},      {0, 4}, {0, 4}};
    for (const auto& [value, width] : fields)
      bits.Put(value, width);
  }
  TCompress codec_;
};

TEST_F(Lh5Blocks, SingleSymbolCodesConsumeNoBits) {
  auto single = [&](uint32_t count, uint32_t c) {
    return Coded([&](BitWriter& bits) { SingleSymbolBlock(bits, count, c); });
  };
  const std::vector<uint8_t> five(5, 'A');
  EXPECT_EQ(Expand(codec_, Stream("LH5", single(5, 'A'), five)), five);
  // Two matches of length 4 at distance 1 before anything was written copy blanks.
  const std::vector<uint8_t> blanks(8, ' ');
  EXPECT_EQ(Expand(codec_, Stream("LH5", single(2, 256 + 4 - 3), blanks)), blanks);
  // A block count of 0 wraps to 65535 symbols.
  const std::vector<uint8_t> full(65535, 'B');
  EXPECT_EQ(Expand(codec_, Stream("LH5", single(0, 'B'), full)), full);
  EXPECT_EQ(codec_.LastExpandStats().lh5_blocks, 1u);
}

TEST_F(Lh5Blocks, IncompleteOrOverfullCodesAreRefused) {
  // Length code lengths written as `n` entries of three bits; after the third
  // entry comes the two-bit count of further zero lengths.
  auto with_length_code = [&](std::vector<int> lengths, bool first_block_ok) {
    return Coded([&](BitWriter& bits) {
      if (first_block_ok) SingleSymbolBlock(bits, 3, 'A');
      bits.Put(10, 16);
      bits.Put(static_cast<uint32_t>(lengths.size()), 5);
      for (size_t i = 0; i < lengths.size(); ++i) {
        bits.Put(static_cast<uint32_t>(lengths[i]), 3);
        if (i == 2) bits.Put(0, 2);
      }
      for (int i = 0; i < 8; ++i)
        bits.Put(0, 16);
    });
  };
  const std::vector<uint8_t> size_13(13, 'A');
  for (bool first_ok : {false, true})
    for (const std::vector<int>& lengths :
         std::vector<std::vector<int>>{{1, 1, 1},     // over-full
                                       {1, 2},        // under-full
                                       {1, 1, 1, 1},  // over-full by exactly the code space
                                       {2, 2, 2}}) {  // under-full
      const auto stream = Stream("LH5", with_length_code(lengths, first_ok), size_13);
      EXPECT_EQ(testing::ThrownMessage([&] { Expand(codec_, stream); }),
                "Bad decode table in archive!");
    }
}

TEST_F(Lh5Blocks, CountsBeyondTheTablesAreRefused) {
  // Fields (value, bits) after a block count of 4.
  const std::vector<std::vector<std::pair<uint32_t, int>>> blocks = {
      {{25, 5}},                           // more than the 19 length symbols
      {{0, 5}, {0, 5}, {0, 9}, {511, 9}},  // literal/length symbol 511 does not exist
      {{0, 5}, {0, 5}, {0, 9}, {'A', 9}, {0, 4}, {15, 4}}};  // position symbol 15 neither
  for (const auto& fields : blocks) {
    const auto coded = Coded([&](BitWriter& bits) {
      bits.Put(4, 16);
      for (const auto& [value, width] : fields)
        bits.Put(value, width);
      for (int i = 0; i < 8; ++i)
        bits.Put(0, 16);
    });
    EXPECT_THROW(Expand(codec_, Stream("LH5", coded, std::vector<uint8_t>(4, 'A'))),
                 ELZHBadDecodeTable)
        << fields.size();
  }
}

// --- The LZHUF coder (method "LZH") ----------------------------------------

const std::filesystem::path kVectorDir = VX_TESTDATA_DIR "/lzhuf";

// The coded data alone, without the output limit of CompressStream.
std::vector<uint8_t> EncodeUnlimited(std::span<const uint8_t> data) {
  CodedOutput out(SIZE_MAX);
  EncodeLzhuf(data, out);
  return out.Bytes();
}

// Vectors of the long-established coder.
struct Vector {
  const char* name;
  uint32_t rebuilds;
};

constexpr Vector kLzhufVectors[] = {
    {"one_byte", 0},    {"text59", 0},       {"spaces_prefill", 0}, {"swedish_text", 1},
    {"random_100k", 5}, {"mixed_binary", 9}, {"repeat37", 0},       {"repeat37_noisy", 2},
};

class LzhufVector : public ::testing::TestWithParam<Vector> {};

// Expanded with the same rebuilds; coded with the same parameters, the same
// match search and tie-breaking: the same bytes.
TEST_P(LzhufVector, ExpandsAndEncodesByteForByteLikeTheEstablishedCoder) {
  const std::string name = GetParam().name;
  const std::vector<uint8_t> original = ReadFileBytes(kVectorDir / (name + ".in"));
  const std::vector<uint8_t> stream = ReadFileBytes(kVectorDir / (name + ".lzh"));
  ASSERT_FALSE(original.empty());
  ASSERT_GT(stream.size(), CompressedHeader::kSize);
  TCompress codec;
  EXPECT_EQ(Expand(codec, stream), original);
  EXPECT_EQ(codec.LastExpandStats().lzhuf_rebuilds, GetParam().rebuilds);
  const std::vector<uint8_t> coded(stream.begin() + CompressedHeader::kSize, stream.end());
  EXPECT_EQ(EncodeUnlimited(original), coded);
  // CompressStream writes the whole stream, header included, when coding
  // gains at least a header's size, and stores the bytes otherwise.
  const bool gains = original.size() >= CompressedHeader::kSize &&
                     coded.size() <= original.size() - CompressedHeader::kSize;
  EXPECT_EQ(Compress(codec, original, CompressMethod::kLzh), gains ? stream : original);
}

INSTANTIATE_TEST_SUITE_P(Vectors, LzhufVector, ::testing::ValuesIn(kLzhufVectors),
                         [](const ::testing::TestParamInfo<Vector>& param_info) {
                           return std::string(param_info.param.name);
                         });

// Past the end of the input the look-ahead holds stale ring bytes (blanks
// here), which may continue a match; the last match must still stop at the
// end, or the expansion grows.
TEST(LzhufRoundTrip, LastMatchStopsAtTheEnd) {
  TCompress codec;
  const std::string name = "Per Olsson, Leksand;";
  for (size_t size = 1; size <= 70; ++size) {
    const std::string text = name + std::string(40, ' ') + name.substr(0, size % name.size());
    for (const std::vector<uint8_t>& data : {std::vector<uint8_t>(size, ' '), Bytes(text)})
      EXPECT_EQ(Expand(codec, Stream("LZH", EncodeUnlimited(data), data)), data) << data.size();
  }
}

// The decoder stops only between symbols, so a match that crosses the
// announced size is still written whole; damaged streams and garbage give
// the announced size and fail by their checksum only.
TEST(LzhufExpand, CopiesTheLastMatchWholeAndDamagedStreamsNeverFailOtherwise) {
  TCompress codec;
  const std::vector<uint8_t> blanks(120, ' ');  // two matches of 60 from the ring's blanks
  EXPECT_EQ(Expand(codec, WithHeader("LZH", 61, ByteSum(blanks), EncodeUnlimited(blanks))), blanks);
  const std::vector<uint8_t> text = testing::RecordLikeText(20000, 31);
  const std::vector<uint8_t> stream = Compress(codec, text, CompressMethod::kLzh);
  ASSERT_TRUE(IsCoded(stream, "LZH"));
  std::mt19937 rng(11);
  std::vector<std::vector<uint8_t>> damaged(200, stream);
  for (size_t trial = 0; trial < damaged.size(); ++trial) {
    for (size_t k = 0; k < 1 + trial % 4; ++k)
      damaged[trial][CompressedHeader::kSize + rng() % (stream.size() - CompressedHeader::kSize)] =
          static_cast<uint8_t>(rng());
  }
  for (uint8_t fill : {0x00, 0xFF, 0x5A})
    damaged.push_back(WithHeader("LZH", 200000, 0, std::vector<uint8_t>(3000, fill)));
  for (size_t trial = 0; trial < damaged.size(); ++trial) {
    const size_t size = trial < 200 ? text.size() : 200000;
    TViewStream source(damaged[trial]);
    TMemoryStream destination;
    try {
      TCompress().ExpandStream(destination, source);
      // A good checksum is only expected when the damage changed nothing.
      EXPECT_EQ(destination.Bytes(), text) << "trial " << trial;
    } catch (const EBadChecksum&) {
    }
    EXPECT_GE(destination.Size(), size) << "trial " << trial;
    EXPECT_LT(destination.Size(), size + lzhuf::kMaxMatch) << "trial " << trial;
  }
}

// Literals 'A'..'H' whose frequencies fall by a factor of about 1.63 each,
// plus a few rare bytes: the tree becomes a long chain and the rare bytes
// get codes of 17 bits and more, once the root frequency is large enough.
std::vector<uint8_t> ChainShapedLiterals(size_t count) {
  constexpr uint32_t kRare = 17179869;  // 0.4% of 2^32
  uint32_t weights[8];                  // 'A'..'H'
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

// Our own expansion and lhasa's (as -lh1-) read the codes longer than 16 bits.
TEST(LzhufLhasa, CodesBeyond16BitsAreWrittenCompletely) {
  RequireProgram("lhasa");
  const std::vector<uint8_t> symbols = ChainShapedLiterals(100000);
  int longest = 0;
  const std::vector<uint8_t> coded = LiteralStream(symbols, longest);
  ASSERT_GT(longest, 16);
  TCompress codec;
  EXPECT_EQ(Expand(codec, Stream("LZH", coded, symbols)), symbols);
  EXPECT_GT(codec.LastExpandStats().lzhuf_rebuilds, 0u);
  EXPECT_EQ(LhasaExtract("-lh1-", coded, symbols), symbols);
}

}  // namespace
}  // namespace vx
