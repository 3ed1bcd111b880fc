// The parts of the lists: blob files, probe memos, sort orders and the
// anchors of the visible rows.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "engine/lists/blob_file.h"
#include "engine/lists/postings_writer.h"
#include "engine/lists/probe_memo.h"
#include "engine/lists/selection.h"
#include "engine/lists/sort_order.h"
#include "engine/lists/visible_anchors.h"
#include "engine/util/byte_order.h"
#include "engine/util/message_sink.h"
#include "tests/support/files.h"
#include "tests/support/record_store_test_util.h"

namespace vx {
namespace {

using testing::ReadFileBytes;

class BlobFile : public ::testing::Test {
 protected:
  void Configure(bool read_only, size_t buffer = 10) {
    blob_.SetFileNames(dir_.path().string() + "/", "x.b1");
    blob_.SetReadOnly(read_only);
    blob_.SetBufferSize(buffer);
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
    Configure(false);
    ASSERT_TRUE(blob_.Open(true));
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

TEST_F(BlobFile, ItemsAreReadInOrderOrByOffsetAndPendingOneIsWrittenOnClose) {
  WriteItems();
  const std::vector<uint8_t> file = ReadFileBytes(dir_ / "x.b1");
  EXPECT_EQ(file.size(), 48u);
  EXPECT_EQ(LoadU32(file.data() + 2), 4u);
  Configure(true);
  ASSERT_TRUE(blob_.Open(false));
  std::vector<std::string> items;
  while (blob_.ReadNext())
    items.push_back(Item());
  EXPECT_EQ(items, (std::vector<std::string>{"abc", "", "0123456789", "xyz"}));
  blob_.SeekItem(16);
  ASSERT_TRUE(blob_.ReadNext());
  EXPECT_EQ(Item(), "abc");
}

TEST_F(BlobFile, ItemsLongerThanTheBufferOrTheFileAreNotRead) {
  WriteItems();
  testing::PatchU32(dir_ / "x.b1", 41, 12);  // "xyz" claims 12 bytes
  Configure(true, 9);
  ASSERT_TRUE(blob_.Open(false));
  blob_.SeekItem(27);
  EXPECT_FALSE(blob_.ReadNext());
  EXPECT_EQ(blob_.read_position(), 27u);
  Configure(true, 12);
  ASSERT_TRUE(blob_.Open(false));
  blob_.SeekItem(41);
  EXPECT_FALSE(blob_.ReadNext());
  blob_.SeekItem(46);  // half a length word
  EXPECT_FALSE(blob_.ReadNext());
}

TEST_F(BlobFile, ReadOnlyFilesAreNeitherCreatedNorWritten) {
  Configure(true);
  EXPECT_FALSE(blob_.Open(false));
  EXPECT_EQ(blob_.status(), Tvxenkelblobfil::kFailed);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
  WriteItems();
  const std::vector<uint8_t> before = ReadFileBytes(dir_ / "x.b1");
  Configure(true);
  ASSERT_TRUE(blob_.Open(false));
  EXPECT_EQ(Append("no"), -1);
  blob_.Close();
  EXPECT_EQ(ReadFileBytes(dir_ / "x.b1"), before);
}

TEST_F(BlobFile, PostingsAreLoadedFromTheirOffset) {
  std::vector<uint8_t> postings;
  ASSERT_TRUE(AppendPostings(std::vector<uint32_t>{3, 4, 300, 70000}, postings));
  Configure(false, postings.size());
  ASSERT_TRUE(blob_.Open(true));
  EXPECT_EQ(Append("pad"), 16);
  std::memcpy(blob_.Buffer().data(), postings.data(), postings.size());
  ASSERT_TRUE(blob_.SetItemLength(postings.size()));
  const int64_t item = blob_.Append();
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
  memo.Add(500, Row(1), true);
  memo.Add(250, Row(2), true);
  memo.Add(750, Row(3), true);  // no room left among the pinned: a recent row
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
  void Configure(TVXsortordning& order, int32_t pltyp, bool read_only) const {
    SortOrderProperties& p = order.properties();
    p.pfilkat = dir_.path().string() + "/";
    p.pfilnamn = "vaxor0001o1";
    p.pltyp = pltyp;
    p.RO = read_only;
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

TEST_P(SortOrder, GetGivesTheRowAtAPositionAndMinusOneOutside) {
  WriteOrder(GetParam());
  for (const int32_t pltyp : {1, 2}) {
    TVXsortordning order;
    Configure(order, pltyp, true);
    ASSERT_TRUE(order.Open());
    EXPECT_EQ(std::tuple(order.Count(), order.Get(1), order.Get(2), order.Get(3)),
              std::tuple(3, 3, 1, 2));
    for (const int32_t outside : {0, -1, 4, 2000000})
      EXPECT_EQ(order.Get(outside), -1) << outside;
    // The capacity comes from the file: loaded whole read-only, it is the count.
    EXPECT_EQ(order.properties().maxrader, pltyp == 1 ? 3 : 10);
  }
}

TEST_P(SortOrder, ReadOnlyOrderNeverWritesOrCreates) {
  TVXsortordning order;
  Configure(order, GetParam(), true);
  EXPECT_FALSE(order.Open() || order.CreateNew() || order.Opened());
  EXPECT_EQ(std::tuple(order.Count(), order.Get(1)), std::tuple(0, -1));
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));

  WriteOrder(GetParam());
  const std::vector<uint8_t> before = ReadFileBytes(File());
  ASSERT_TRUE(order.Open());
  EXPECT_EQ(order.Append(4), -1);
  order.Close();
  EXPECT_EQ(ReadFileBytes(File()), before);
}

TEST_P(SortOrder, AppendingStopsAtCapacityAndRefusesNonRows) {
  WriteOrder(GetParam(), 4);
  TVXsortordning order;
  Configure(order, GetParam(), false);
  ASSERT_TRUE(order.Open());
  for (const auto& [row, position] : {std::pair{0, -1}, {-5, -1}, {9, 4}, {10, -1}})
    EXPECT_EQ(order.Append(row), position) << row;
  order.Close();
  const std::vector<uint8_t> file = ReadFileBytes(File());
  ASSERT_EQ(file.size(), 32u);
  EXPECT_EQ(LoadU32(file.data() + 6), 4u);
  EXPECT_EQ(LoadU32(file.data() + 28), 9u);
}

TEST_P(SortOrder, StoredValuesThatAreNoRowsReadAsMinusOneAndAShortFileIsRefused) {
  WriteOrder(GetParam());
  std::vector<uint8_t> file = ReadFileBytes(File());
  StoreU32(file.data() + 16, 0);
  StoreU32(file.data() + 20, 0x80000000);
  testing::WriteFileBytes(File(), file);
  TVXsortordning order;
  Configure(order, GetParam(), true);
  ASSERT_TRUE(order.Open());
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

// A selection of `size` bits with `numbers` set, recounted.
void Fill(Tvxsmalurval& bits, int32_t size, const std::vector<int32_t>& numbers) {
  bits.Resize(size);
  for (const int32_t n : numbers)
    bits.SetBit(n, true);
}

TEST(VisibleAnchors, StepGrowsPastAHundredVisible) {
  struct Case {
    int32_t visible;
    int32_t step;
    size_t anchors;
  };
  for (const Case c : {Case{1, 1, 1}, Case{100, 1, 100}, Case{101, 2, 51}, Case{200, 2, 100},
                       Case{201, 3, 67}, Case{10001, 101, 100}}) {
    Tvxsmalurval bits;
    bits.Resize(c.visible + 5);
    for (int32_t n = 3; n < 3 + c.visible; ++n)
      bits.SetBit(n, true);
    VisibleAnchors anchors;
    anchors.Rebuild(bits);
    EXPECT_EQ(anchors.step(), c.step) << c.visible;
    ASSERT_EQ(anchors.size(), c.anchors) << c.visible;
    for (size_t i = 0; i < anchors.size(); ++i)
      ASSERT_EQ(anchors[i], 3 + static_cast<int32_t>(i) * c.step);
  }
}

TEST(VisibleAnchors, FindAndPositionAgreeWithCountingAndAreSafeOnEmptyOrChangedSelections) {
  std::mt19937 random(11);
  for (const int32_t size : {31, 32, 33, 64, 65, 1000, 5000}) {
    std::vector<int32_t> set;
    for (int32_t n = 1; n <= size; ++n) {
      if (random() % 3 == 0) set.push_back(n);
    }
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

}  // namespace
}  // namespace vx
