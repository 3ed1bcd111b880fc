// Method "LH5": the shared vectors, streams of the outside LHA tools in both
// directions, hand-made blocks that probe the table rules, and the size of
// our output against jlha's.
// And the Huffman code lengths under a length limit that it writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <queue>

#include "engine/codec/codec_io.h"
#include "engine/codec/compress.h"
#include "engine/codec/huffman_lengths.h"
#include "tests/support/codec_test_util.h"
#include "tests/support/files.h"
#include "tests/support/lha_archive.h"
#include "tests/support/sample_inputs.h"

namespace vx {
namespace {

// Sum of 2^(max - length) over used symbols: 2^max for a complete code.
uint64_t KraftSum(const std::vector<uint8_t>& lengths, int max_length) {
  uint64_t sum = 0;
  for (uint8_t l : lengths) {
    if (l > 0) sum += uint64_t{1} << (max_length - l);
  }
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
  for (uint32_t f : freqs) {
    if (f > 0) heap.push(f);
  }
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

TEST(LimitedCodeLengths, MatchesHuffmanWhenTheLimitDoesNotBind) {
  const std::vector<uint32_t> freqs = {45, 13, 12, 16, 9, 5, 0, 0, 1};
  const auto lengths = LimitedCodeLengths(freqs, 16);
  EXPECT_EQ(KraftSum(lengths, 16), uint64_t{1} << 16);
  EXPECT_EQ(Cost(freqs, lengths), HuffmanCost(freqs));
  EXPECT_EQ(lengths[6], 0);
  EXPECT_EQ(lengths[7], 0);
}

TEST(LimitedCodeLengths, RespectsTheLimitOnSkewedFrequencies) {
  // Fibonacci weights give an unrestricted code as deep as the alphabet.
  std::vector<uint32_t> freqs = {1, 1};
  while (freqs.size() < 30)
    freqs.push_back(freqs[freqs.size() - 1] + freqs[freqs.size() - 2]);
  const auto lengths = LimitedCodeLengths(freqs, 16);
  for (uint8_t l : lengths) {
    EXPECT_GE(l, 1);
    EXPECT_LE(l, 16);
  }
  EXPECT_EQ(KraftSum(lengths, 16), uint64_t{1} << 16);
  EXPECT_GE(Cost(freqs, lengths), HuffmanCost(freqs));
}

TEST(LimitedCodeLengths, FullAlphabetAtTheTightestLimitAndOneOrNoUsedSymbols) {
  std::vector<uint32_t> freqs(16, 1);
  freqs[0] = 1000000;
  const auto lengths = LimitedCodeLengths(freqs, 4);  // 16 symbols in 4 bits: all length 4
  for (uint8_t l : lengths)
    EXPECT_EQ(l, 4);
  EXPECT_EQ(LimitedCodeLengths(std::vector<uint32_t>{0, 7, 0}, 16),
            (std::vector<uint8_t>{0, 1, 0}));
  EXPECT_EQ(LimitedCodeLengths(std::vector<uint32_t>{0, 0}, 16), (std::vector<uint8_t>{0, 0}));
}

using testing::Compress;
using testing::Expand;
using testing::ReadFileBytes;
using testing::WithHeader;

const std::filesystem::path kVectors = std::filesystem::path(VX_TESTDATA_DIR) / "lh5";

std::vector<uint8_t> CodedPart(const std::vector<uint8_t>& stream) {
  return std::vector<uint8_t>(stream.begin() + CompressedHeader::kSize, stream.end());
}

std::vector<uint8_t> Lh5Stream(std::span<const uint8_t> coded, std::span<const uint8_t> original) {
  return WithHeader("LH5", static_cast<uint32_t>(original.size()), ByteSum(original), coded);
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
    auto original = entry.path();
    original.replace_extension(".in");
    EXPECT_EQ(Expand(codec, ReadFileBytes(entry.path())), ReadFileBytes(original)) << entry.path();
    ++count;
  }
  EXPECT_GE(count, 5);
  Expand(codec, ReadFileBytes(kVectors / "mixed_binary.lh5"));
  EXPECT_EQ(codec.LastExpandStats().lh5_blocks, 16u);
  Expand(codec, ReadFileBytes(kVectors / "repeat37.lh5"));
  EXPECT_EQ(codec.LastExpandStats().lh5_blocks, 1u);
}

TEST(Lh5Interop, ExpandsWhatJlhaWrites) {
  RequireProgram("jlha");
  TCompress codec;
  const std::vector<std::vector<uint8_t>> inputs = {
      ReadFileBytes(kVectors / "swedish_text.in"),
      testing::RecordLikeText(400000, 21),
      testing::NoisyRepetition(1 << 20, 5),
      std::vector<uint8_t>(100000, 'x'),
  };
  for (const auto& input : inputs) {
    std::string method;
    const std::vector<uint8_t> coded = JlhaCoded(input, method);
    ASSERT_EQ(method, "-lh5-");
    EXPECT_EQ(Expand(codec, Lh5Stream(coded, input)), input) << "size " << input.size();
  }
}

TEST(Lh5Interop, LhasaExtractsWhatWeWrite) {
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
  for (const auto& input : inputs) {
    const std::vector<uint8_t> stream = Compress(codec, input, CompressMethod::kLh5);
    ASSERT_TRUE(IsCoded(stream, "LH5")) << "size " << input.size();
    EXPECT_EQ(LhasaExtract("-lh5-", CodedPart(stream), input), input) << "size " << input.size();
  }
}

TEST(Lh5Quality, WithinThreePercentOfJlhaOnText) {
  RequireProgram("jlha");
  TCompress codec;
  const std::vector<std::pair<std::string, std::vector<uint8_t>>> inputs = {
      {"swedish_text", ReadFileBytes(kVectors / "swedish_text.in")},
      {"record-like text 2 MB", testing::RecordLikeText(2 << 20, 77)},
  };
  for (const auto& [name, input] : inputs) {
    std::string method;
    const size_t theirs = JlhaCoded(input, method).size();
    const size_t ours =
        Compress(codec, input, CompressMethod::kLh5).size() - CompressedHeader::kSize;
    std::cout << "[ figures  ] " << name << ": " << input.size() << " bytes, ours " << ours
              << ", jlha " << theirs << " (" << 100.0 * static_cast<double>(ours) / theirs
              << " %)\n";
    EXPECT_LE(static_cast<double>(ours), 1.03 * static_cast<double>(theirs)) << name;
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
  // A block of `count` symbols that all decode without bits: the only
  // literal/length symbol `c` and the only position symbol 0.
  static void SingleSymbolBlock(BitWriter& bits, uint32_t count, uint32_t c) {
    bits.Put(count, 16);
    bits.Put(0, 5);  // length code: count 0 ...
    bits.Put(0, 5);  // ... single symbol 0
    bits.Put(0, 9);  // literal/length code: count 0 ...
    bits.Put(c, 9);  // ... single symbol c
    bits.Put(0, 4);  // position code: count 0 ...
    bits.Put(0, 4);  // ... single symbol 0 (distance 1)
  }
  TCompress codec_;
};

TEST_F(Lh5Blocks, SingleSymbolCodesConsumeNoBits) {
  auto single = [&](uint32_t count, uint32_t c) {
    return Coded([&](BitWriter& bits) { SingleSymbolBlock(bits, count, c); });
  };
  const std::vector<uint8_t> five(5, 'A');
  EXPECT_EQ(Expand(codec_, Lh5Stream(single(5, 'A'), five)), five);
  // Two matches of length 4 at distance 1 before anything was written copy blanks.
  const std::vector<uint8_t> blanks(8, ' ');
  EXPECT_EQ(Expand(codec_, Lh5Stream(single(2, 256 + 4 - 3), blanks)), blanks);
  // A block count of 0 wraps to 65535 symbols.
  const std::vector<uint8_t> full(65535, 'B');
  EXPECT_EQ(Expand(codec_, Lh5Stream(single(0, 'B'), full)), full);
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
  for (bool first_ok : {false, true}) {
    for (const std::vector<int>& lengths :
         std::vector<std::vector<int>>{{1, 1, 1},     // over-full
                                       {1, 2},        // under-full
                                       {1, 1, 1, 1},  // over-full by exactly the code space
                                       {2, 2, 2}}) {  // under-full
      const auto stream = Lh5Stream(with_length_code(lengths, first_ok), size_13);
      EXPECT_EQ(testing::ThrownMessage([&] { Expand(codec_, stream); }),
                "Bad decode table in archive!");
    }
  }
}

TEST_F(Lh5Blocks, CountsBeyondTheTablesAreRefused) {
  const std::vector<uint8_t> size_4(4, 'A');
  const auto too_many_lengths = Coded([](BitWriter& bits) {
    bits.Put(4, 16);
    bits.Put(25, 5);  // more than the 19 length symbols
    for (int i = 0; i < 8; ++i)
      bits.Put(0, 16);
  });
  EXPECT_THROW(Expand(codec_, Lh5Stream(too_many_lengths, size_4)), ELZHBadDecodeTable);

  const auto single_out_of_range = Coded([](BitWriter& bits) {
    bits.Put(4, 16);
    bits.Put(0, 5);
    bits.Put(0, 5);
    bits.Put(0, 9);
    bits.Put(511, 9);  // literal/length symbol 511 does not exist
  });
  EXPECT_THROW(Expand(codec_, Lh5Stream(single_out_of_range, size_4)), ELZHBadDecodeTable);

  const auto position_out_of_range = Coded([](BitWriter& bits) {
    bits.Put(4, 16);
    bits.Put(0, 5);
    bits.Put(0, 5);
    bits.Put(0, 9);
    bits.Put('A', 9);
    bits.Put(0, 4);
    bits.Put(15, 4);  // position symbol 15 does not exist
  });
  EXPECT_THROW(Expand(codec_, Lh5Stream(position_out_of_range, size_4)), ELZHBadDecodeTable);
}

}  // namespace
}  // namespace vx
