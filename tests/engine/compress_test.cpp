// The stream framing of TCompress: headers, stored data, checksums, the
// exceptions and their texts, and round trips of every method.
#include "engine/codec/compress.h"

#include <gtest/gtest.h>

#include "tests/support/codec_test_util.h"
#include "tests/support/sample_inputs.h"

namespace vx {
namespace {

using testing::Bytes;
using testing::Compress;
using testing::Expand;
using testing::ThrownMessage;
using testing::WithHeader;

const std::vector<uint8_t> kMagic = {'Z', 'E', 'F', 'A', 0x1A};

class CompressFraming : public ::testing::Test {
 protected:
  TCompress codec_;
};

TEST_F(CompressFraming, DataTooShortOrWithoutTheMagicIsCopied) {
  std::vector<uint8_t> short_data = kMagic;
  short_data.resize(21, 'x');  // 21 bytes: no room for a header and data
  EXPECT_EQ(Expand(codec_, short_data), short_data);
  EXPECT_EQ(Expand(codec_, std::vector<uint8_t>{}), std::vector<uint8_t>{});
  // Data without the magic is copied from its start.
  const std::vector<uint8_t> data = Bytes("ZEFB this is not a compressed stream at all");
  EXPECT_EQ(Expand(codec_, data), data);

  // Reading starts at the source's position, and the output is appended at
  // the destination's position.
  std::vector<uint8_t> framed = Bytes("skip");
  framed.insert(framed.end(), data.begin(), data.end());
  TViewStream source(framed);
  source.Seek(4);
  TMemoryStream out(Bytes("head:"));
  out.Seek(5);
  codec_.ExpandStream(out, source);
  std::vector<uint8_t> expected = Bytes("head:");
  expected.insert(expected.end(), data.begin(), data.end());
  EXPECT_EQ(out.Bytes(), expected);
  EXPECT_EQ(source.Position(), framed.size());
}

TEST_F(CompressFraming, ZeroExpandedSizeProducesNothingAndHeaderFaultsRaiseTheirExceptions) {
  const std::vector<uint8_t> noise = {0xFF, 0x13, 0x77};
  for (const char* id : {"LZH", "LH5"}) {
    EXPECT_TRUE(Expand(codec_, WithHeader(id, 0, 0, noise)).empty()) << id;
    EXPECT_EQ(ThrownMessage([&] { Expand(codec_, WithHeader(id, 0, 5, noise)); }),
              "Bad checksum during expansion -- data may be invalid")
        << id;
  }
  const std::vector<uint8_t> coded = {1, 2, 3};
  EXPECT_THROW(Expand(codec_, WithHeader("LH5", 3, 6, coded, /*archive_type=*/1)),
               EInvalidHeaderArchiveType);
  EXPECT_EQ(ThrownMessage([&] { Expand(codec_, WithHeader("LH5", 3, 6, coded, 2)); }),
            "Expand can't handle caMulti archive type in compressed header");

  EXPECT_THROW(Expand(codec_, WithHeader("XYZ", 3, 6, coded)), EUnrecognizedCompressionMethod);
  EXPECT_EQ(ThrownMessage([&] { Expand(codec_, WithHeader("lh5", 3, 6, coded)); }),
            "Unrecognized compression method: \"lh5\" in header");

  EXPECT_THROW(Expand(codec_, WithHeader("NON", 3, 6, coded, 0, /*lock=*/2)), EInvalidKey);
  EXPECT_EQ(ThrownMessage([&] { Expand(codec_, WithHeader("NON", 3, 6, coded, 0, 1)); }),
            "File locked -- valid key required");
}

// Stored data ignores the announced size and skips the checksum when its sum
// is 0; the custom method produces nothing.
TEST_F(CompressFraming, StoredAndCustomDataHaveTheirOwnRulesAndSizesAboveTheLimitAreRefused) {
  const std::vector<uint8_t> coded = Bytes("plain bytes");
  EXPECT_EQ(Expand(codec_, WithHeader("NON", 11, 0, coded)), coded);
  EXPECT_EQ(Expand(codec_, WithHeader("NON", 100, ByteSum(coded), coded)), coded);
  EXPECT_THROW(Expand(codec_, WithHeader("NON", 11, ByteSum(coded) + 1, coded)), EBadChecksum);

  // Other methods are checked even when the stored sum is 0.
  const std::vector<uint8_t> rle = {'A', 'B'};
  EXPECT_THROW(Expand(codec_, WithHeader("RLE", 2, 0, rle)), EBadChecksum);
  EXPECT_EQ(Expand(codec_, WithHeader("RLE", 2, 'A' + 'B', rle)), rle);

  EXPECT_TRUE(Expand(codec_, WithHeader("CUS", 3, 0, rle)).empty());
  EXPECT_THROW(Expand(codec_, WithHeader("CUS", 3, 27, rle)), EBadChecksum);
  // An announced size above the caller's limit is refused.
  const std::vector<uint8_t> stream = WithHeader("LH5", 4000000000u, 0, std::vector<uint8_t>(8));
  TViewStream source(stream);
  TMemoryStream out;
  EXPECT_THROW(codec_.ExpandStream(out, source, 1 << 20), EExpandedSizeTooLarge);
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
  for (int b : {0x42, 0x42, 0x94, 0x94, 0x94, 0x43})
    data.push_back(static_cast<uint8_t>(b));
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
  const std::vector<uint8_t> random = testing::RandomBytes(5000, 1);
  for (CompressMethod m : {CompressMethod::kRle, CompressMethod::kLzh, CompressMethod::kLh5}) {
    EXPECT_EQ(Compress(codec, random, m), random);
    const std::vector<uint8_t> twenty(20, 'z');
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

}  // namespace
}  // namespace vx
