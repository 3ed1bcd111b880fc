// Selections and the postings that mark them: the bit storage and its
// whole-set operations against plain flags, and posting runs decoded, written
// and damaged.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "engine/lists/postings.h"
#include "engine/lists/postings_writer.h"
#include "engine/lists/selection.h"
#include "engine/util/byte_order.h"
#include "engine/util/byte_reader.h"
#include "engine/util/message_sink.h"
#include "engine/util/stream.h"

namespace vx {
namespace {

// Set bits of the storage above number `size`.
int BitsAbove(const Tvxsmalurval& s, int32_t size) {
  int bits = 0;
  const std::span<const uint8_t> bytes = s.Bytes();
  for (size_t bit = static_cast<size_t>(size); bit < bytes.size() * 8; ++bit)
    bits += (bytes[bit / 8] >> (bit % 8)) & 1;
  return bits;
}

std::vector<int32_t> Numbers(const Tvxsmalurval& s) {
  std::vector<int32_t> numbers;
  for (int32_t k = 0; s.Next(k);)
    numbers.push_back(k);
  return numbers;
}

// A selection whose storage is larger than its Size, so that writes beyond
// Size would show.
void MakeRoomy(Tvxsmalurval& s, int32_t size) {
  s.SetAllocationSize(size + 100);
  s.Allocate();
  s.SetSize(size);
}

TEST(Selection, StorageIsLittleEndian32BitWordsAndSetBitStaysWithinSize) {
  Tvxsmalurval s;
  s.Resize(33);
  EXPECT_EQ(s.StorageBytes(), 8u);
  s.SetBit(1, true);
  s.SetBit(32, true);
  s.SetBit(33, true);
  const std::vector<uint8_t> expected = {0x01, 0, 0, 0x80, 0x01, 0, 0, 0};
  EXPECT_EQ(std::vector<uint8_t>(s.Bytes().begin(), s.Bytes().end()), expected);
  s.Resize(64);
  EXPECT_EQ(s.StorageBytes(), 8u);
  s.Resize(65);
  EXPECT_EQ(s.StorageBytes(), 12u);
  s.Resize(0);
  EXPECT_EQ(s.StorageBytes(), 0u);
  EXPECT_FALSE(s.IsSet(1));
  // SetBit keeps the count and ignores numbers outside Size.
  MakeRoomy(s, 40);
  s.SetBit(7, true);
  s.SetBit(7, true);
  s.SetBit(40, true);
  for (int32_t outside : {0, -1, 41, 140, 1 << 30})
    s.SetBit(outside, true);
  EXPECT_EQ(s.Count(), 2);
  EXPECT_TRUE(s.IsSet(40));
  EXPECT_FALSE(s.IsSet(41));
  EXPECT_EQ(BitsAbove(s, 40), 0);
  s.SetBit(7, false);
  s.SetBit(7, false);
  EXPECT_EQ(s.Count(), 1);
  EXPECT_EQ(s.Recount(), 1);
}

class OddSizes : public ::testing::TestWithParam<int32_t> {};

TEST_P(OddSizes, WholeSetOperationsStayWithinSize) {
  const int32_t size = GetParam();
  Tvxsmalurval s, big, small;
  MakeRoomy(s, size);
  MakeRoomy(big, size + 70);
  small.Resize(size > 1 ? size / 2 : 1);
  big.SetAll();
  small.SetAll();

  s.SetAll();
  EXPECT_EQ(s.Count(), size);
  EXPECT_EQ(BitsAbove(s, size), 0);
  s.Clear();
  s.Or(big);
  EXPECT_EQ(BitsAbove(s, size), 0);
  EXPECT_EQ(s.Recount(), size);
  s.And(big);
  EXPECT_EQ(s.Recount(), size);
  s.And(small);
  EXPECT_EQ(s.Recount(), small.Size());
  s.Assign(big);
  EXPECT_EQ(BitsAbove(s, size), 0);
  EXPECT_EQ(s.Count(), size);  // recounted: big's numbers above size are dropped
  s.Assign(small);
  EXPECT_EQ(s.Count(), small.Size());
  EXPECT_EQ(s.Recount(), small.Size());

  s.Clear();
  int32_t k = 0;
  EXPECT_FALSE(s.Next(k));
  s.SetBit(size, true);
  ASSERT_TRUE(s.Next(k));
  EXPECT_EQ(k, size);
  EXPECT_FALSE(s.Next(k));
  EXPECT_EQ(k, size);
}

INSTANTIATE_TEST_SUITE_P(Selection, OddSizes, ::testing::Values(1, 31, 32, 33, 64, 65, 5000001));

TEST(Selection, AndKeepsCommonBitsAndNextStartsOnlyWithinTheSelection) {
  Tvxsmalurval a, b;
  a.Resize(100);
  b.Resize(100);
  for (int32_t i : {1, 32, 33, 64, 99, 100})
    a.SetBit(i, true);
  for (int32_t i : {2, 33, 64, 65, 100})
    b.SetBit(i, true);
  a.And(b);
  EXPECT_EQ(Numbers(a), (std::vector<int32_t>{33, 64, 100}));
  EXPECT_EQ(a.Count(), 6);
  EXPECT_EQ(a.Recount(), 3);
  a.Or(b);
  EXPECT_EQ(Numbers(a), (std::vector<int32_t>{2, 33, 64, 65, 100}));
  EXPECT_EQ(a.Count(), 3);
  // The order of Next is checked against plain flags below; here its limits.
  Tvxsmalurval s;
  s.Resize(1000);
  for (const int32_t i : {5, 70, 1000})
    s.SetBit(i, true);
  for (int32_t k : {-1, 1000, 5000}) {
    int32_t kept = k;
    EXPECT_FALSE(s.Next(kept));
    EXPECT_EQ(kept, k);
  }
  int32_t k = 63;  // the lowest set number above 63
  ASSERT_TRUE(s.Next(k));
  EXPECT_EQ(k, 70);
}

TEST(Selection, ShrinkingSizeOrStorageIsSafe) {
  Tvxsmalurval s;
  s.Resize(200);
  s.SetAll();
  s.SetSize(70);
  EXPECT_EQ(BitsAbove(s, 70), 0);
  EXPECT_EQ(s.Recount(), 70);
  s.SetSize(500);  // beyond the storage: only the stored numbers are valid
  s.SetAll();
  EXPECT_EQ(s.Count(), 224);
  s.Release();
  s.SetAll();
  s.SetBit(1, true);
  int32_t k = 0;
  EXPECT_FALSE(s.Next(k));
  EXPECT_EQ(s.Recount(), 0);
  EXPECT_EQ(s.StorageBytes(), 0u);
}

// A selection checked against a plain vector of flags.
class Modelled {
 public:
  explicit Modelled(int32_t size) : flags_(static_cast<size_t>(size) + 1, false) {
    selection_.Resize(size);
  }

  Tvxsmalurval& selection() { return selection_; }
  std::vector<bool>& flags() { return flags_; }

  void Expect(const char* step) {
    std::vector<int32_t> expected;
    for (size_t i = 1; i < flags_.size(); ++i) {
      if (flags_[i]) expected.push_back(static_cast<int32_t>(i));
    }
    ASSERT_EQ(Numbers(selection_), expected) << step;
    ASSERT_EQ(selection_.Recount(), static_cast<int32_t>(expected.size())) << step;
    for (int32_t k : {1, 64, 65, 1000, static_cast<int32_t>(flags_.size()) - 1}) {
      ASSERT_EQ(selection_.IsSet(k), k < static_cast<int32_t>(flags_.size()) && flags_[k]) << step;
    }
  }

 private:
  Tvxsmalurval selection_;
  std::vector<bool> flags_;
};

// Ascending numbers in 1..size: close together, or scattered over the
// whole selection, in fewer or more words than a selection lists.
std::vector<uint32_t> Cluster(std::mt19937& random, int32_t size) {
  const uint32_t start = 1 + random() % static_cast<uint32_t>(size);
  const uint32_t gap = random() % 2 ? 300 : static_cast<uint32_t>(size) / 50 + 1;
  const size_t count = 1 + random() % 120;
  std::vector<uint32_t> numbers;
  for (uint32_t n = start; n <= static_cast<uint32_t>(size) && numbers.size() < count;
       n += 1 + random() % gap) {
    numbers.push_back(n);
  }
  return numbers;
}

// Sparse and full selections through every whole-set operation, in random
// order: the kept range of non-zero words must never lose a bit.
TEST(Selection, SparseOperationsAgreeWithPlainFlags) {
  std::mt19937 random(2026);
  for (const int32_t size : {1, 63, 64, 65, 4000, 100001}) {
    Modelled a(size);
    Modelled b(size + static_cast<int32_t>(random() % 3) * 700);
    for (int step = 0; step < 1500; ++step) {
      Modelled& x = random() % 2 ? a : b;
      Modelled& y = &x == &a ? b : a;
      const int32_t shared = std::min(x.selection().Size(), y.selection().Size());
      switch (random() % 8) {
        case 0: {
          const bool on = random() % 4 != 0;
          for (int i = static_cast<int>(random() % 90); i >= 0; --i) {
            const int32_t k = 1 + static_cast<int32_t>(random() % x.selection().Size());
            x.selection().SetBit(k, on);
            x.flags()[k] = on;
          }
          break;
        }
        case 1: {
          const std::vector<uint32_t> numbers = Cluster(random, x.selection().Size());
          std::vector<uint8_t> run;
          ASSERT_TRUE(AppendPostings(numbers, run));
          SpanByteReader reader(run);
          const bool on = random() % 3 != 0;
          x.selection().LoadPostings(reader, static_cast<int64_t>(numbers.size()), on);
          for (uint32_t n : numbers)
            x.flags()[n] = on;
          break;
        }
        case 2:
          x.selection().Clear();
          std::fill(x.flags().begin(), x.flags().end(), false);
          break;
        case 3:
          if (random() % 4 != 0) break;  // rarely: it makes everything dense
          x.selection().SetAll();
          std::fill(x.flags().begin() + 1, x.flags().end(), true);
          break;
        case 4:
          x.selection().And(y.selection());
          for (size_t i = 1; i < x.flags().size(); ++i)
            x.flags()[i] = x.flags()[i] && static_cast<int32_t>(i) <= shared && y.flags()[i];
          break;
        case 5:
          x.selection().Or(y.selection());
          for (int32_t i = 1; i <= shared; ++i)
            x.flags()[i] = x.flags()[i] || y.flags()[i];
          break;
        case 6:
          x.selection().Assign(y.selection());
          for (size_t i = 1; i < x.flags().size(); ++i)
            x.flags()[i] = static_cast<int32_t>(i) <= shared && y.flags()[i];
          break;
        default:
          break;
      }
      x.Expect("after a step");
    }
  }
}

using Bytes = std::vector<uint8_t>;

class Collector : public PostingsConsumer {
 public:
  void Accept(std::span<const uint64_t> numbers, bool ascending) override {
    values.insert(values.end(), numbers.begin(), numbers.end());
    if (ascending && !std::is_sorted(numbers.begin(), numbers.end())) ascending_claims_hold = false;
  }
  std::vector<uint64_t> values;
  bool ascending_claims_hold = true;
};

Bytes U32(uint32_t v) {
  Bytes b(4);
  StoreU32(b.data(), v);
  return b;
}

// A chunk holding `codes`, with its length in front.
Bytes Chunk(const Bytes& codes, size_t length) {
  Bytes b(2 + codes.size());
  StoreU16(b.data(), static_cast<uint16_t>(length));
  std::copy(codes.begin(), codes.end(), b.begin() + 2);
  return b;
}
Bytes Chunk(const Bytes& codes) {
  return Chunk(codes, codes.size() + 2);
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts)
    all.insert(all.end(), p.begin(), p.end());
  return all;
}

class PostingsTest : public ::testing::Test {
 protected:
  // Reads through the shared buffer and straight from memory; both must
  // agree. The bytes sit at the end of their own allocation, so any read
  // past them is caught by AddressSanitizer.
  Status Read(const Bytes& bytes, int64_t count) {
    const Bytes exact(bytes);
    SpanByteReader reader(exact);
    got().clear();
    Collector direct;
    Status status = ReadPostings(reader, count, numbers_);
    EXPECT_EQ(ReadPostings(exact, count, direct, &consumed_).message(), status.message());
    EXPECT_EQ(direct.values, numbers_.values);
    EXPECT_EQ(consumed_, reader.Position());
    EXPECT_TRUE(numbers_.ascending_claims_hold);
    EXPECT_TRUE(direct.ascending_claims_hold);
    return status;
  }
  std::vector<uint64_t>& got() { return numbers_.values; }

  std::vector<std::string> messages_;
  ScopedMessageSink sink_{[this](const std::string& text) { messages_.push_back(text); }};
  Collector numbers_;
  size_t consumed_ = 0;
};

const Bytes kExample =
    Concat({U32(100), Chunk({0x05, 0x00, 0x10, 0x01, 0xFF, 0x40, 0x42, 0x0F, 0x00})});

TEST_F(PostingsTest, DecodesEveryKindOfCodeReadsExactlyTheRunAndTakesInAnAbsoluteCodeGoingBack) {
  EXPECT_TRUE(Read(kExample, 4).ok());
  EXPECT_EQ(got(), (std::vector<uint64_t>{100, 105, 377, 1000000}));
  EXPECT_EQ(consumed_, kExample.size());
  EXPECT_TRUE(Read(kExample, 1).ok());
  EXPECT_EQ(got(), std::vector<uint64_t>{100});
  EXPECT_EQ(consumed_, 4u);
  got().clear();
  EXPECT_TRUE(Read(kExample, 0).ok());
  EXPECT_TRUE(Read(kExample, -5).ok());
  EXPECT_EQ(consumed_, 0u);
  // Codes after the last number are skipped with the rest of their chunk.
  EXPECT_TRUE(Read(Concat({kExample, U32(7)}), 2).ok());
  EXPECT_EQ(got(), (std::vector<uint64_t>{100, 105}));
  EXPECT_EQ(consumed_, kExample.size());
  EXPECT_TRUE(messages_.empty());
  // Sound runs only ascend; an absolute code may still go back in a damaged
  // one, which a selection must take in wherever it lands.
  const Bytes back = Concat({U32(700), Chunk({0x05, 0xFF, 0x03, 0x00, 0x00, 0x00, 0x02}, 9)});
  EXPECT_TRUE(Read(back, 4).ok());
  EXPECT_EQ(got(), (std::vector<uint64_t>{700, 705, 3, 5}));
  Tvxsmalurval selection;
  selection.Resize(1000);
  SpanByteReader reader(back);
  selection.LoadPostings(reader, 4, true);
  EXPECT_EQ(Numbers(selection), (std::vector<int32_t>{3, 5, 700, 705}));
  EXPECT_EQ(selection.Recount(), 4);
}

TEST_F(PostingsTest, DamageStopsReadingWithAMessageNamingTheFile) {
  const Bytes first = Concat({U32(10), Chunk({1, 1})});
  const std::string bad_length = "ogiltig blockl\xE4ngd";
  const std::string short_read = "listan tar slut";
  const std::string split_code = "en kod delas av blockgr\xE4nsen";
  struct Case {
    Bytes tail;
    std::string damage;
  } cases[] = {
      {Chunk({}, 0), bad_length},
      {Chunk({}, 1), bad_length},
      {Chunk(Bytes(kMaxChunkCodeBytes + 1, 1)), bad_length},
      {Chunk({1, 1, 1}, 10), short_read},
      {Chunk({1}), short_read},  // the run is longer than the data
      {Bytes{5}, short_read},    // half a chunk length
      {Chunk({1, 0x00, 0x10}), split_code},
      {Chunk({0xFF, 1, 2, 3}), split_code},
  };
  for (const Case& c : cases) {
    got().clear();
    const Status status = Read(Concat({first, c.tail}), 10);
    EXPECT_TRUE(status.IsCorruption());
    EXPECT_EQ(status.message().rfind("Skadad postningslista: " + c.damage, 0), 0u)
        << status.message();
    EXPECT_EQ(std::vector<uint64_t>(got().begin(), got().begin() + 3),
              (std::vector<uint64_t>{10, 11, 12}));
  }
  EXPECT_TRUE(messages_.empty());  // the status carries the message
  EXPECT_NE(Read(Bytes{1, 2, 3}, 1).message().find(short_read), std::string::npos);
  // The longest chunk is whole.
  EXPECT_TRUE(Read(Concat({first, Chunk(Bytes(kMaxChunkCodeBytes, 1))}), 10).ok());
  // A message names the file.
  TMemoryStream stream(Bytes{1, 0, 0, 0, 1, 0});
  StreamByteReader reader(stream, "vaxors117.f2");
  EXPECT_EQ(ReadPostings(reader, 3, numbers_).message(),
            "Skadad postningslista i vaxors117.f2: ogiltig blockl\xE4ngd 1 efter 1 av 3 nummer.");
}

TEST_F(PostingsTest, WriterCodesGapsAndRejectsNonRuns) {
  const std::vector<uint32_t> numbers = {100, 105, 377, 1000000};
  Bytes out;
  ASSERT_TRUE(AppendPostings(numbers, out));
  EXPECT_EQ(out, kExample);
  out.clear();
  ASSERT_TRUE(AppendPostings(std::vector<uint32_t>{1, 255, 510, 66045, 131581}, out));
  EXPECT_EQ(out, Concat({U32(1), Chunk({0xFE, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFD, 0x01,
                                        0x02, 0x00})}));
  const Bytes before = out;
  for (const std::vector<uint32_t>& bad :
       std::vector<std::vector<uint32_t>>{{0, 1}, {3, 3}, {5, 4}, {1, 2, 2}, {0}}) {
    EXPECT_FALSE(AppendPostings(bad, out));
  }
  EXPECT_TRUE(AppendPostings({}, out));
  EXPECT_EQ(out, before);
}

// Walks the chunks of a run; returns their code byte counts.
std::vector<size_t> ChunkSizes(const Bytes& run) {
  std::vector<size_t> sizes;
  for (size_t at = 4; at + 2 <= run.size(); at += 2 + sizes.back())
    sizes.push_back(LoadU16(&run[at]) - 2u);
  return sizes;
}

TEST_F(PostingsTest, WriterNeverSplitsACode) {
  std::vector<uint32_t> numbers(kMaxChunkCodeBytes - 1);
  for (uint32_t i = 0; i < numbers.size(); ++i)
    numbers[i] = i + 1;
  numbers.push_back(numbers.back() + 70000);  // a 5-byte code one byte short of room
  Bytes run;
  ASSERT_TRUE(AppendPostings(numbers, run));
  EXPECT_EQ(ChunkSizes(run), (std::vector<size_t>{kMaxChunkCodeBytes - 2, 5}));
  EXPECT_TRUE(Read(run, static_cast<int64_t>(numbers.size())).ok());
  EXPECT_EQ(got().back(), numbers.back());
}

TEST_F(PostingsTest, MillionNumbersRoundTripThroughSelection) {
  std::mt19937 random(17);
  std::vector<uint32_t> numbers;
  uint32_t n = 0;
  while (numbers.size() < 1000000) {  // one-byte, three-byte and five-byte codes
    const uint32_t kind = random() % 1000;
    n += kind < 898   ? 1 + random() % 30
         : kind < 998 ? 255 + random() % 300
                      : 65536 + random() % 100;
    numbers.push_back(n);
  }
  Bytes run;
  ASSERT_TRUE(AppendPostings(numbers, run));
  const std::vector<size_t> sizes = ChunkSizes(run);
  ASSERT_GT(sizes.size(), 2u);
  for (size_t s : sizes)
    EXPECT_LE(s, kMaxChunkCodeBytes);
  EXPECT_GE(sizes.front(), kMaxChunkCodeBytes - 4);

  Tvxsmalurval selection;
  selection.Resize(static_cast<int32_t>(n));
  SpanByteReader reader(run);
  EXPECT_TRUE(selection.LoadPostings(reader, 1000000, true).ok());
  EXPECT_EQ(reader.Position(), run.size());
  EXPECT_EQ(selection.Count(), 1000000);
  EXPECT_EQ(selection.Recount(), 1000000);
  size_t i = 0;
  for (int32_t k = 0; selection.Next(k) && i < numbers.size(); ++i)
    ASSERT_EQ(static_cast<uint32_t>(k), numbers[i]);
  EXPECT_EQ(i, numbers.size());

  SpanByteReader again(run);
  EXPECT_TRUE(selection.LoadPostings(again, 1000000, false).ok());
  EXPECT_EQ(selection.Count(), 0);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(PostingsTest, SelectionNamesTheFirstNumberOutsideItsSizeOncePerRun) {
  Tvxsmalurval selection;
  selection.Resize(100);
  // 5, 2000, 7, 3000, 100, 101
  const Bytes run = Concat({U32(5), Chunk({0xFF, 0xD0, 0x07, 0, 0,    0xFF, 7, 0, 0, 0, 0xFF,
                                           0xB8, 0x0B, 0,    0, 0xFF, 100,  0, 0, 0, 1})});
  SpanByteReader reader(run);
  EXPECT_EQ(selection.LoadPostings(reader, 6, true).message(),
            "Postnummer 2000 ligger utanf\xF6r urvalet (1-100).");
  EXPECT_EQ(Numbers(selection), (std::vector<int32_t>{5, 7, 100}));
  EXPECT_EQ(selection.Count(), 3);

  const Bytes zero_run = U32(0);
  TMemoryStream zero_stream(zero_run);
  StreamByteReader zero(zero_stream, "vaxors107.b1");
  EXPECT_EQ(selection.LoadPostings(zero, 1, true).message(),
            "Postnummer 0 i vaxors107.b1 ligger utanf\xF6r urvalet (1-100).");
  EXPECT_EQ(selection.Count(), 3);
}

}  // namespace
}  // namespace vx
