// The parts of the lists: selections and the postings that mark them, blob
// files, probe memos, sort orders, the anchors of the visible rows; and the
// external sorters the builder makes them with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <numeric>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/lists/blob_file.h"
#include "engine/lists/postings.h"
#include "engine/lists/postings_writer.h"
#include "engine/lists/probe_memo.h"
#include "engine/lists/selection.h"
#include "engine/lists/sort_order.h"
#include "engine/lists/visible_anchors.h"
#include "engine/sort/sorter.h"
#include "engine/sort/spill_sorter.h"
#include "engine/text/collation.h"
#include "engine/util/byte_order.h"
#include "engine/util/byte_reader.h"
#include "engine/util/message_sink.h"
#include "engine/util/stream.h"
#include "tests/support/files.h"
#include "tests/support/record_store_test_util.h"
#include "tests/support/text.h"

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

// A selection of `size` bits with `numbers` set, recounted.
void Fill(Tvxsmalurval& bits, int32_t size, const std::vector<int32_t>& numbers) {
  bits.Resize(size);
  for (const int32_t n : numbers)
    bits.SetBit(n, true);
}

// A selection whose storage is larger than its Size, so that writes beyond
// Size would show.
void MakeRoomy(Tvxsmalurval& s, int32_t size) {
  s.SetAllocationSize(size + 100);
  s.Allocate();
  s.SetSize(size);
}

TEST(Selection, StorageIsLittleEndian32BitWordsSetBitStaysWithinSizeAndShrinkingIsSafe) {
  Tvxsmalurval s;
  Fill(s, 33, {1, 32, 33});
  EXPECT_EQ(s.StorageBytes(), 8u);
  const std::vector<uint8_t> expected = {0x01, 0, 0, 0x80, 0x01, 0, 0, 0};
  EXPECT_EQ(std::vector<uint8_t>(s.Bytes().begin(), s.Bytes().end()), expected);
  for (const auto& [size, bytes] : {std::pair{64, 8u}, {65, 12u}, {0, 0u}}) {
    s.Resize(size);
    EXPECT_EQ(s.StorageBytes(), bytes) << size;
  }
  EXPECT_FALSE(s.IsSet(1));
  // SetBit keeps the count (7 is set twice) and ignores numbers outside Size.
  MakeRoomy(s, 40);
  for (int32_t n : {7, 7, 40, 0, -1, 41, 140, 1 << 30})
    s.SetBit(n, true);
  EXPECT_EQ(s.Count(), 2);
  EXPECT_TRUE(s.IsSet(40));
  EXPECT_FALSE(s.IsSet(41));
  EXPECT_EQ(BitsAbove(s, 40), 0);
  s.SetBit(7, false);
  s.SetBit(7, false);
  EXPECT_EQ(s.Count(), 1);
  EXPECT_EQ(s.Recount(), 1);
  // Shrinking the size or the storage is safe.
  Tvxsmalurval t;
  t.Resize(200);
  t.SetAll();
  t.SetSize(70);
  EXPECT_EQ(BitsAbove(t, 70), 0);
  EXPECT_EQ(t.Recount(), 70);
  t.SetSize(500);  // beyond the storage: only the stored numbers are valid
  t.SetAll();
  EXPECT_EQ(t.Count(), 224);
  t.Release();
  t.SetAll();
  t.SetBit(1, true);
  int32_t k = 0;
  EXPECT_FALSE(t.Next(k));
  EXPECT_EQ(t.Recount(), 0);
  EXPECT_EQ(t.StorageBytes(), 0u);
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
  Fill(a, 100, {1, 32, 33, 64, 99, 100});
  Fill(b, 100, {2, 33, 64, 65, 100});
  a.And(b);
  EXPECT_EQ(Numbers(a), (std::vector<int32_t>{33, 64, 100}));
  EXPECT_EQ(a.Count(), 6);
  EXPECT_EQ(a.Recount(), 3);
  a.Or(b);
  EXPECT_EQ(Numbers(a), (std::vector<int32_t>{2, 33, 64, 65, 100}));
  EXPECT_EQ(a.Count(), 3);
  // The order of Next is checked against plain flags below; here its limits.
  Tvxsmalurval s;
  Fill(s, 1000, {5, 70, 1000});
  for (int32_t k : {-1, 1000, 5000}) {
    int32_t kept = k;
    EXPECT_FALSE(s.Next(kept));
    EXPECT_EQ(kept, k);
  }
  int32_t k = 63;  // the lowest set number above 63
  ASSERT_TRUE(s.Next(k));
  EXPECT_EQ(k, 70);
}

// A selection checked against a plain vector of flags.
struct Modelled {
  explicit Modelled(int32_t size) : flags(static_cast<size_t>(size) + 1, false) {
    selection.Resize(size);
  }

  void Expect(const char* step) {
    std::vector<int32_t> expected;
    for (size_t i = 1; i < flags.size(); ++i)
      if (flags[i]) expected.push_back(static_cast<int32_t>(i));
    ASSERT_EQ(Numbers(selection), expected) << step;
    ASSERT_EQ(selection.Recount(), static_cast<int32_t>(expected.size())) << step;
    for (int32_t k : {1, 64, 65, 1000, static_cast<int32_t>(flags.size()) - 1})
      ASSERT_EQ(selection.IsSet(k), k < static_cast<int32_t>(flags.size()) && flags[k]) << step;
  }

  Tvxsmalurval selection;
  std::vector<bool> flags;
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
      const int32_t shared = std::min(x.selection.Size(), y.selection.Size());
      switch (random() % 8) {
        case 0: {
          const bool on = random() % 4 != 0;
          for (int i = static_cast<int>(random() % 90); i >= 0; --i) {
            const int32_t k = 1 + static_cast<int32_t>(random() % x.selection.Size());
            x.selection.SetBit(k, on);
            x.flags[k] = on;
          }
          break;
        }
        case 1: {
          const std::vector<uint32_t> numbers = Cluster(random, x.selection.Size());
          std::vector<uint8_t> run;
          ASSERT_TRUE(AppendPostings(numbers, run));
          SpanByteReader reader(run);
          const bool on = random() % 3 != 0;
          x.selection.LoadPostings(reader, static_cast<int64_t>(numbers.size()), on);
          for (uint32_t n : numbers)
            x.flags[n] = on;
          break;
        }
        case 2:
          x.selection.Clear();
          std::fill(x.flags.begin(), x.flags.end(), false);
          break;
        case 3:
          if (random() % 4 != 0) break;  // rarely: it makes everything dense
          x.selection.SetAll();
          std::fill(x.flags.begin() + 1, x.flags.end(), true);
          break;
        case 4:
          x.selection.And(y.selection);
          for (size_t i = 1; i < x.flags.size(); ++i)
            x.flags[i] = x.flags[i] && static_cast<int32_t>(i) <= shared && y.flags[i];
          break;
        case 5:
          x.selection.Or(y.selection);
          for (int32_t i = 1; i <= shared; ++i)
            x.flags[i] = x.flags[i] || y.flags[i];
          break;
        case 6:
          x.selection.Assign(y.selection);
          for (size_t i = 1; i < x.flags.size(); ++i)
            x.flags[i] = static_cast<int32_t>(i) <= shared && y.flags[i];
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
  const std::pair<Bytes, std::string> cases[] = {
      {Chunk({}, 0), bad_length},
      {Chunk({}, 1), bad_length},
      {Chunk(Bytes(kMaxChunkCodeBytes + 1, 1)), bad_length},
      {Chunk({1, 1, 1}, 10), short_read},
      {Chunk({1}), short_read},  // the run is longer than the data
      {Bytes{5}, short_read},    // half a chunk length
      {Chunk({1, 0x00, 0x10}), split_code},
      {Chunk({0xFF, 1, 2, 3}), split_code},
  };
  for (const auto& [tail, damage] : cases) {
    got().clear();
    const Status status = Read(Concat({first, tail}), 10);
    EXPECT_TRUE(status.IsCorruption());
    EXPECT_EQ(status.message().rfind("Skadad postningslista: " + damage, 0), 0u)
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
  Bytes out;
  ASSERT_TRUE(AppendPostings(std::vector<uint32_t>{100, 105, 377, 1000000}, out));
  EXPECT_EQ(out, kExample);
  out.clear();
  ASSERT_TRUE(AppendPostings(std::vector<uint32_t>{1, 255, 510, 66045, 131581}, out));
  EXPECT_EQ(out, Concat({U32(1), Chunk({0xFE, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFD, 0x01,
                                        0x02, 0x00})}));
  const Bytes before = out;
  for (const std::vector<uint32_t>& bad :
       std::vector<std::vector<uint32_t>>{{0, 1}, {3, 3}, {5, 4}, {1, 2, 2}, {0}})
    EXPECT_FALSE(AppendPostings(bad, out));
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

TEST_F(PostingsTest, WriterNeverSplitsACodeAndMillionNumbersRoundTripThroughSelection) {
  // A 5-byte code one byte short of room goes whole into the next chunk.
  std::vector<uint32_t> numbers(kMaxChunkCodeBytes - 1);
  std::iota(numbers.begin(), numbers.end(), 1u);
  numbers.push_back(numbers.back() + 70000);
  Bytes run;
  ASSERT_TRUE(AppendPostings(numbers, run));
  EXPECT_EQ(ChunkSizes(run), (std::vector<size_t>{kMaxChunkCodeBytes - 2, 5}));
  EXPECT_TRUE(Read(run, static_cast<int64_t>(numbers.size())).ok());
  EXPECT_EQ(got().back(), numbers.back());

  std::mt19937 random(17);
  numbers.clear();
  run.clear();
  uint32_t n = 0;
  while (numbers.size() < 1000000) {  // one-byte, three-byte and five-byte codes
    const uint32_t kind = random() % 1000;
    n += kind < 898   ? 1 + random() % 30
         : kind < 998 ? 255 + random() % 300
                      : 65536 + random() % 100;
    numbers.push_back(n);
  }
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

  TMemoryStream zero_stream(U32(0));
  StreamByteReader zero(zero_stream, "vaxors107.b1");
  EXPECT_EQ(selection.LoadPostings(zero, 1, true).message(),
            "Postnummer 0 i vaxors107.b1 ligger utanf\xF6r urvalet (1-100).");
  EXPECT_EQ(selection.Count(), 3);
}

using testing::ReadFileBytes;

// --- Blob files, probe memos, sort orders, visible anchors -----------------

class BlobFile : public ::testing::Test {
 protected:
  // Opens x.b1, created when writable.
  bool Open(bool read_only, size_t buffer = 10) {
    blob_.SetFileNames(dir_.path().string() + "/", "x.b1");
    blob_.SetReadOnly(read_only);
    blob_.SetBufferSize(buffer);
    return blob_.Open(!read_only);
  }

  int64_t Append(const std::string& text) {
    std::memcpy(blob_.Buffer().data(), text.data(), text.size());
    EXPECT_TRUE(blob_.SetItemLength(text.size()));
    return blob_.Append();
  }

  std::string Item() const {
    return std::string(reinterpret_cast<const char*>(blob_.Item().data()), blob_.Item().size());
  }

  // Items "abc", "" and "0123456789" at 16, 23 and 27; "xyz" left pending.
  void WriteItems() {
    ASSERT_TRUE(Open(false));
    EXPECT_EQ(Append("abc"), 16);
    EXPECT_EQ(Append(""), 23);
    EXPECT_EQ(Append("0123456789"), 27);
    std::memcpy(blob_.Buffer().data(), "xyz", 3);
    EXPECT_TRUE(blob_.SetItemLength(3));
    EXPECT_FALSE(blob_.SetItemLength(11));
    blob_.Close();
  }

  testing::TempDir dir_;
  Tvxenkelblobfil blob_;
};

// Items are read in order or by offset, the pending one written on closing;
// read-only, the file is neither created nor written.
TEST_F(BlobFile, ItemsAreReadInOrderOrByOffsetAndReadOnlyFilesAreNeitherCreatedNorWritten) {
  EXPECT_FALSE(Open(true));
  EXPECT_EQ(blob_.status(), Tvxenkelblobfil::kFailed);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
  WriteItems();
  const std::vector<uint8_t> file = ReadFileBytes(dir_ / "x.b1");
  EXPECT_EQ(file.size(), 48u);
  EXPECT_EQ(LoadU32(file.data() + 2), 4u);
  ASSERT_TRUE(Open(true));
  std::vector<std::string> items;
  while (blob_.ReadNext())
    items.push_back(Item());
  EXPECT_EQ(items, (std::vector<std::string>{"abc", "", "0123456789", "xyz"}));
  blob_.SeekItem(16);
  ASSERT_TRUE(blob_.ReadNext());
  EXPECT_EQ(Item(), "abc");
  EXPECT_EQ(Append("no"), -1);
  blob_.Close();
  EXPECT_EQ(ReadFileBytes(dir_ / "x.b1"), file);
}

TEST_F(BlobFile, ItemsLongerThanTheBufferOrTheFileAreNotRead) {
  WriteItems();
  testing::PatchU32(dir_ / "x.b1", 41, 12);  // "xyz" claims 12 bytes
  ASSERT_TRUE(Open(true, 9));
  blob_.SeekItem(27);
  EXPECT_FALSE(blob_.ReadNext());
  EXPECT_EQ(blob_.read_position(), 27u);
  ASSERT_TRUE(Open(true, 12));
  blob_.SeekItem(41);
  EXPECT_FALSE(blob_.ReadNext());
  blob_.SeekItem(46);  // half a length word
  EXPECT_FALSE(blob_.ReadNext());
}

TEST_F(BlobFile, PostingsAreLoadedFromTheirOffset) {
  std::vector<uint8_t> postings;
  ASSERT_TRUE(AppendPostings(std::vector<uint32_t>{3, 4, 300, 70000}, postings));
  ASSERT_TRUE(Open(false, postings.size()));
  EXPECT_EQ(Append("pad"), 16);
  const int64_t item = Append(std::string(postings.begin(), postings.end()));
  ASSERT_GT(item, 0);

  Tvxsmalurval selection;
  selection.Resize(100000);
  // The run starts after the item's length word.
  EXPECT_TRUE(blob_.LoadPostingsAt(static_cast<uint64_t>(item) + 4, 4, selection).ok());
  EXPECT_EQ(selection.Count(), 4);
  for (int32_t n : {3, 4, 300, 70000})
    EXPECT_TRUE(selection.IsSet(n)) << n;

  // A run that claims more numbers than the file holds stops with a status
  // that names the damage.
  selection.Clear();
  const Status cut = blob_.LoadPostingsAt(static_cast<uint64_t>(item) + 4, 9, selection);
  EXPECT_NE(cut.message().find("listan tar slut efter 4 av 9 nummer"), std::string::npos)
      << cut.message();
  EXPECT_FALSE(blob_.LoadPostingsAt(blob_.FileSize() + 10, 2, selection).ok());
}

std::vector<uint8_t> Row(uint8_t fill) {
  return std::vector<uint8_t>(12, fill);
}

bool Holds(const ProbeMemo& memo, int32_t row, uint8_t fill) {
  const std::span<const uint8_t> kept = memo.Find(row);
  return kept.size() == 12 && kept[0] == fill && kept[11] == fill;
}

// Pinned rows stay, recent ones rotate; nothing is kept that cannot be
// served whole.
TEST(ProbeMemo, PinnedRowsStayRecentOnesRotateAndOnlyWholeRowsAreKept) {
  ProbeMemo memo;
  memo.Reset(12, 2);
  for (const auto& [row, fill] : {std::pair{500, uint8_t{1}}, {250, 2}, {750, 3}})
    memo.Add(row, Row(fill), true);  // no room left among the pinned for 750: a recent row
  EXPECT_EQ(memo.pinned(), 2u);
  for (int32_t row = 1; row <= static_cast<int32_t>(ProbeMemo::kRecent); ++row)
    memo.Add(row, Row(static_cast<uint8_t>(row + 10)), false);
  EXPECT_TRUE(memo.Find(750).empty());  // the oldest recent row went first
  EXPECT_TRUE(Holds(memo, 500, 1) && Holds(memo, 250, 2) && Holds(memo, 1, 11) &&
              Holds(memo, 32, 42));

  memo.Reset(12, 10);
  memo.Add(7, std::vector<uint8_t>(11, 1), true);  // not a whole row
  memo.Add(0, Row(1), true);
  memo.Add(-3, Row(1), false);
  EXPECT_TRUE(memo.Find(7).empty() && memo.Find(0).empty() && memo.Find(-3).empty());
  EXPECT_EQ(memo.pinned(), 0u);

  memo.Add(8, Row(4), true);
  memo.Add(8, Row(5), true);  // the first bytes kept stay
  EXPECT_TRUE(Holds(memo, 8, 4));
  memo.Clear();
  EXPECT_TRUE(memo.Find(8).empty());
  EXPECT_EQ(memo.pinned(), 0u);
}

class SortOrder : public ::testing::TestWithParam<int32_t> {
 protected:
  TVXsortordning& Configure(TVXsortordning& order, int32_t pltyp, bool read_only) const {
    SortOrderProperties& p = order.properties();
    p.pfilkat = dir_.path().string() + "/";
    p.pfilnamn = "vaxor0001o1";
    p.pltyp = pltyp;
    p.RO = read_only;
    return order;
  }

  // Rows 3, 1, 2 at positions 1..3, written with type `pltyp`.
  void WriteOrder(int32_t pltyp, int32_t capacity = 10) {
    TVXsortordning order;
    Configure(order, pltyp, false);
    order.properties().maxrader = capacity;
    ASSERT_TRUE(order.CreateNew());
    for (const int32_t row : {3, 1, 2})
      EXPECT_GT(order.Append(row), 0);
  }

  std::filesystem::path File() const { return dir_ / "vaxor0001o1.o"; }

  testing::TempDir dir_;
};

// Read-only, an order is neither created nor written; Get gives the row at
// a position, and -1 outside, whichever type reads the file.
TEST_P(SortOrder, ReadOnlyOrderNeverWritesAndGetGivesTheRowAtAPositionAndMinusOneOutside) {
  TVXsortordning missing;
  Configure(missing, GetParam(), true);
  EXPECT_FALSE(missing.Open() || missing.CreateNew() || missing.Opened());
  EXPECT_EQ(std::tuple(missing.Count(), missing.Get(1)), std::tuple(0, -1));
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));

  WriteOrder(GetParam());
  const std::vector<uint8_t> before = ReadFileBytes(File());
  for (const int32_t pltyp : {1, 2}) {
    TVXsortordning order;
    ASSERT_TRUE(Configure(order, pltyp, true).Open());
    EXPECT_EQ(std::tuple(order.Count(), order.Get(1), order.Get(2), order.Get(3)),
              std::tuple(3, 3, 1, 2));
    for (const int32_t outside : {0, -1, 4, 2000000})
      EXPECT_EQ(order.Get(outside), -1) << outside;
    // The capacity comes from the file: loaded whole read-only, it is the count.
    EXPECT_EQ(order.properties().maxrader, pltyp == 1 ? 3 : 10);
    EXPECT_EQ(order.Append(4), -1);
  }
  EXPECT_EQ(ReadFileBytes(File()), before);
}

TEST_P(SortOrder, AppendingStopsAtCapacityAndStoredValuesThatAreNoRowsReadAsMinusOne) {
  WriteOrder(GetParam(), 4);
  TVXsortordning order;
  ASSERT_TRUE(Configure(order, GetParam(), false).Open());
  for (const auto& [row, position] : {std::pair{0, -1}, {-5, -1}, {9, 4}, {10, -1}})
    EXPECT_EQ(order.Append(row), position) << row;
  order.Close();
  std::vector<uint8_t> file = ReadFileBytes(File());
  ASSERT_EQ(file.size(), 32u);
  EXPECT_EQ(std::tuple(LoadU32(file.data() + 6), LoadU32(file.data() + 28)), std::tuple(4u, 9u));

  // Stored values that are no rows read as -1.
  StoreU32(file.data() + 16, 0);
  StoreU32(file.data() + 20, 0x80000000);
  testing::WriteFileBytes(File(), file);
  ASSERT_TRUE(Configure(order, GetParam(), true).Open());
  EXPECT_EQ(std::tuple(order.Get(1), order.Get(2), order.Get(3)), std::tuple(-1, -1, 2));
  order.Close();

  // Cut short, read-only: refused with one message naming the file.
  file.resize(file.size() - 1);
  testing::WriteFileBytes(File(), file);
  std::vector<std::string> messages;
  ScopedMessageSink sink([&](const std::string& text) { messages.push_back(text); });
  EXPECT_FALSE(order.Open());
  EXPECT_EQ(order.Get(1), -1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("vaxor0001o1.o \xE4r skadad"), std::string::npos) << messages[0];
}

INSTANTIATE_TEST_SUITE_P(Types, SortOrder, ::testing::Values(1, 2));

TEST(SortOrderInMemory, TypeZeroHoldsMaxraderRowsWithoutAFile) {
  TVXsortordning order;
  order.properties().pltyp = 0;
  order.properties().maxrader = 2;
  order.properties().RO = false;
  ASSERT_TRUE(order.Open());
  EXPECT_EQ(order.Count(), 0);
  for (const auto& [row, position] : {std::pair{5, 1}, {6, 2}, {7, -1}})
    EXPECT_EQ(order.Append(row), position) << row;
  EXPECT_EQ(order.Get(2), 6);
  order.Close();
  EXPECT_FALSE(order.Opened());
  EXPECT_EQ(order.Get(1), -1);

  order.properties().pltyp = 3;
  EXPECT_FALSE(order.Open());
}

TEST(VisibleAnchors, StepGrowsPastAHundredVisible) {
  // Visible rows, the step between anchors and the number of anchors.
  const std::tuple<int32_t, int32_t, size_t> cases[] = {
      {1, 1, 1}, {100, 1, 100}, {101, 2, 51}, {200, 2, 100}, {201, 3, 67}, {10001, 101, 100},
  };
  for (const auto& [visible, step, count] : cases) {
    Tvxsmalurval bits;
    bits.Resize(visible + 5);
    for (int32_t n = 3; n < 3 + visible; ++n)
      bits.SetBit(n, true);
    VisibleAnchors anchors;
    anchors.Rebuild(bits);
    EXPECT_EQ(anchors.step(), step) << visible;
    ASSERT_EQ(anchors.size(), count) << visible;
    for (size_t i = 0; i < anchors.size(); ++i)
      ASSERT_EQ(anchors[i], 3 + static_cast<int32_t>(i) * step);
  }
}

TEST(VisibleAnchors, FindAndPositionAgreeWithCountingAndAreSafeOnEmptyOrChangedSelections) {
  std::mt19937 random(11);
  for (const int32_t size : {31, 32, 33, 64, 65, 1000, 5000}) {
    std::vector<int32_t> set;
    for (int32_t n = 1; n <= size; ++n)
      if (random() % 3 == 0) set.push_back(n);
    set.push_back(size);  // the last bit, at the end of the storage
    Tvxsmalurval bits;
    Fill(bits, size, set);
    VisibleAnchors anchors;
    anchors.Rebuild(bits);
    int32_t k = 0;
    for (int32_t n = 1; n <= size; ++n) {
      if (!bits.IsSet(n)) {
        ASSERT_EQ(anchors.Position(bits, n), -1) << size << " " << n;
        continue;
      }
      ++k;
      ASSERT_EQ(anchors.Find(bits, k), n) << size << " " << k;
      ASSERT_EQ(anchors.Position(bits, n), k) << size << " " << n;
    }
    EXPECT_EQ(anchors.Find(bits, k + 1), -1);
    EXPECT_EQ(anchors.Find(bits, 0), -1);
  }
  // Empty and changed selections are safe.
  Tvxsmalurval bits;
  VisibleAnchors anchors;
  anchors.Rebuild(bits);  // no storage at all
  EXPECT_TRUE(anchors.empty());
  EXPECT_EQ(std::tuple(anchors.Find(bits, 1), anchors.Position(bits, 1)), std::tuple(-1, -1));

  Fill(bits, 300, {10, 20, 30});
  anchors.Rebuild(bits);
  bits.Clear();  // the selection changed after the rebuild
  bits.SetBit(5, true);
  EXPECT_EQ(anchors.Find(bits, 1), -1);  // nothing at or after anchor 10
  EXPECT_EQ(anchors.Position(bits, 5), 1);
  bits.Release();
  EXPECT_EQ(anchors.Find(bits, 2), -1);
}

namespace fs = std::filesystem;
using testing::W;

// --- The sorter. SpillSorter: items of bytes, stable, in a budget ----------

struct Item {
  std::string key;
  std::string payload;
  bool operator==(const Item&) const = default;
};

std::vector<Item> ReadAll(SpillSorter& sorter, bool ok = true) {
  std::vector<Item> items;
  std::string_view key, payload;
  while (sorter.Next(key, payload))
    items.push_back({std::string(key), std::string(payload)});
  EXPECT_EQ(sorter.Ok(), ok);
  return items;
}

// Keys from a few bytes, high ones and zero included, many of them equal
// or prefixes of each other; the payload tells the order of adding. One
// item is larger than the smallest budget, one key and one payload empty.
std::vector<Item> RandomItems(size_t count, uint32_t seed) {
  std::mt19937 random(seed);
  const char alphabet[] = {'a', 'b', '\0', '\xC4', '\xFF'};
  std::vector<Item> items(count);
  for (size_t i = 0; i < count; ++i) {
    for (size_t n = random() % 12; n > 0; --n)
      items[i].key += alphabet[random() % sizeof alphabet];
    items[i].payload = std::to_string(i) + std::string(random() % 40, '.');
  }
  items[count / 2] = {"a", std::string(100000, 'x')};
  items[count / 3] = {"", "empty key"};
  items[count / 4].payload.clear();
  return items;
}

std::vector<Item> StableSorted(std::vector<Item> items) {
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    return std::string_view(a.key) < std::string_view(b.key);
  });
  return items;
}

TEST(SpillSorter, SortsLikeAStableSortInMemoryAndSpilled) {
  const std::vector<Item> items = RandomItems(20000, 3);
  const std::vector<Item> expected = StableSorted(items);
  // Budget, may stay in memory, spills. A tiny budget spills hundreds of
  // runs, merged sixteen at a time.
  const std::tuple<size_t, bool, bool> cases[] = {
      {size_t{1} << 24, true, false}, {size_t{1} << 24, false, true}, {4096, true, true}};
  for (const auto& [budget, may_stay_in_memory, spills] : cases) {
    SCOPED_TRACE(::testing::Message() << budget << " " << may_stay_in_memory);
    testing::TempDir temp;
    {
      SpillSorter sorter(budget, temp.path());
      for (const Item& item : items)
        ASSERT_TRUE(sorter.Add(item.key, item.payload));
      ASSERT_TRUE(sorter.Finish(may_stay_in_memory));
      EXPECT_EQ(sorter.RunCount() > 0, spills);
      EXPECT_LE(sorter.RunCount(), 60u);
      EXPECT_EQ(sorter.BufferedCount(), spills ? 0u : items.size());
      EXPECT_EQ(sorter.Count(), items.size());
      EXPECT_EQ(ReadAll(sorter), expected);
      sorter.Rewind();
      EXPECT_EQ(ReadAll(sorter), expected);
    }
    // The spill file loses its name at once: nothing is ever left behind.
    EXPECT_TRUE(fs::is_empty(temp.path()));
  }
}

// --- Tvxsortera: (text, value) pairs in folded order -----------------------

using Pair = std::pair<std::string, uint32_t>;

std::vector<Pair> ReadAll(Tvxsortera& sorter) {
  std::vector<Pair> out;
  for (size_t i = 1; i <= sorter.Count(); ++i) {
    const SortEntry* entry = sorter.Entry(i);
    if (entry == nullptr) break;
    out.emplace_back(entry->key, entry->value);
  }
  return out;
}

void AddAll(Tvxsortera& sorter, const std::vector<Pair>& pairs) {
  for (const Pair& p : pairs)
    sorter.Add(p.first, p.second);
}

// Folded order (checked on its own in the text tests), ties by value.
std::vector<Pair> ExpectedOrder(std::vector<Pair> pairs) {
  std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) {
    const int c = CompareTexts(a.first.c_str(), b.first.c_str(), FoldTable());
    return c != 0 ? c < 0 : a.second < b.second;
  });
  return pairs;
}

// Short keys, so that many fold to the same text; distinct values, so that
// the expected order is fully determined.
std::vector<Pair> RandomPairs(size_t n, unsigned seed) {
  const std::string letters = W("abcdeyzABCDEYZéÉüÜåÅäÄöÖ");
  std::mt19937 random(seed);
  std::vector<uint32_t> values(n);
  std::iota(values.begin(), values.end(), 1000u);
  std::shuffle(values.begin(), values.end(), random);
  std::vector<Pair> pairs;
  for (size_t i = 0; i < n; ++i) {
    std::string key;
    for (size_t len = 1 + random() % 4; len > 0; --len)
      key += letters[random() % letters.size()];
    pairs.emplace_back(key, values[i]);
  }
  return pairs;
}

TEST(Sorter, OrdersSwedishNamesAndTiesByValue) {
  Tvxsortera sorter;
  sorter.Init(100);
  const std::vector<Pair> pairs = {
      {W("Östen"), 1}, {"Zorn", 2},      {W("Ärlig"), 3}, {W("Åsa"), 4}, {"Berg", 7},
      {"BERG", 3},     {W("müller"), 9}, {"Myller", 8},   {"", 5},
  };
  AddAll(sorter, pairs);
  EXPECT_EQ(sorter.Entry(1), nullptr);  // not sorted yet
  sorter.Sort();
  const std::vector<Pair> expected = {{"", 5},       {"BERG", 3},      {"Berg", 7},
                                      {"Myller", 8}, {W("müller"), 9}, {"Zorn", 2},
                                      {W("Åsa"), 4}, {W("Ärlig"), 3},  {W("Östen"), 1}};
  EXPECT_EQ(ReadAll(sorter), expected);
  EXPECT_EQ(sorter.Entry(10), nullptr);
  EXPECT_EQ(sorter.Entry(2)->key, "BERG");  // going back
  EXPECT_TRUE(sorter.SpillPath().empty());

  sorter.Add("Aaron", 6);  // a new round of adding
  EXPECT_EQ(sorter.Entry(1), nullptr);
  sorter.Sort();
  EXPECT_EQ(sorter.Entry(2)->key, "Aaron");
  EXPECT_EQ(sorter.Count(), 10u);

  sorter.Init(0);  // capacity 0 drops every pair
  sorter.Add("A", 1);
  sorter.Sort();
  EXPECT_EQ(sorter.Count(), 0u);
  EXPECT_EQ(sorter.Entry(1), nullptr);
}

TEST(Sorter, MergesItsSpilledRunsInOneOrder) {
  // The 12001st pair spills the first 12000 and stays in memory alone. 666
  // runs of 3 pile up no higher than fifteen a level: 2 + 9 + 10 runs.
  // Capacity, pairs, and the runs and pairs in memory once the last is added.
  const std::tuple<size_t, size_t, size_t, size_t> cases[] = {
      {12000, 12001, 1, 1}, {12000, 100000, 8, 4000}, {3, 2000, 21, 2}, {100, 99, 0, 99}};
  for (const auto& [capacity, count, runs_before_sort, buffered_before_sort] : cases) {
    SCOPED_TRACE(::testing::Message() << capacity << " " << count);
    testing::TempDir dir;
    const std::vector<Pair> pairs = RandomPairs(count, static_cast<unsigned>(count));
    const std::vector<Pair> expected = ExpectedOrder(pairs);
    Tvxsortera sorter;
    sorter.SetTempDirectory(dir.path());
    sorter.Init(capacity);
    AddAll(sorter, pairs);
    EXPECT_EQ(sorter.RunCount(), runs_before_sort);
    EXPECT_EQ(sorter.BufferedCount(), buffered_before_sort);
    sorter.Sort();
    EXPECT_EQ(ReadAll(sorter), expected);
    EXPECT_EQ(sorter.Entry(count / 2)->value, expected[count / 2 - 1].second);
    EXPECT_TRUE(sorter.Ok());
    sorter.Init(3);  // drops the file
    EXPECT_TRUE(fs::is_empty(dir.path()));
  }
}

TEST(Sorter, SpillsToAKalFileAndReportsARunThatCannotBeReadBack) {
  const std::vector<Pair> pairs = RandomPairs(2501, 4);
  fs::path spill_path;
  {
    Tvxsortera sorter;
    sorter.Init(2500);
    AddAll(sorter, pairs);
    spill_path = sorter.SpillPath();
    EXPECT_EQ(spill_path.parent_path(), fs::temp_directory_path());
    EXPECT_EQ(spill_path.filename().string().substr(0, 3), "Kal");
    std::vector<uint8_t> damaged = testing::ReadFileBytes(spill_path);
    ASSERT_GE(damaged.size(), 4u);
    StoreU32(damaged.data(), 0xFFFFFFFF);  // the first chunk's length
    testing::WriteFileBytes(spill_path, damaged);
    sorter.Sort();
    EXPECT_EQ(sorter.Entry(1), nullptr);
    EXPECT_FALSE(sorter.Ok());
  }
  EXPECT_FALSE(fs::exists(spill_path));
}

// --- Both: a folder where no spill file can be made ------------------------

TEST(Sorter, KeepsEverythingInMemoryWhenItCannotSpill) {
  testing::TempDir temp;
  testing::WriteFileBytes(temp / "file", std::vector<uint8_t>{'x'});
  const fs::path unwritable = temp / "file" / "below";

  const std::vector<Pair> pairs = RandomPairs(100, 5);
  Tvxsortera sorter;
  sorter.SetTempDirectory(unwritable);
  sorter.Init(10);
  AddAll(sorter, pairs);
  EXPECT_EQ(sorter.BufferedCount(), 100u);
  sorter.Sort();
  EXPECT_EQ(ReadAll(sorter), ExpectedOrder(pairs));
  EXPECT_TRUE(sorter.Ok());

  // The builder's use: the failure is reported, nothing is lost.
  const std::vector<Item> items = RandomItems(1000, 4);
  SpillSorter spill_sorter(4096, unwritable);
  size_t refused = 0;
  for (const Item& item : items)
    refused += spill_sorter.Add(item.key, item.payload) ? 0 : 1;
  EXPECT_EQ(refused, 1u);
  EXPECT_FALSE(spill_sorter.Ok());
  EXPECT_FALSE(spill_sorter.Finish());
  EXPECT_EQ(ReadAll(spill_sorter, false), StableSorted(items));
}

}  // namespace
}  // namespace vx
