#include "engine/lists/blob_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/lists/postings_writer.h"
#include "engine/util/byte_order.h"
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

}  // namespace
}  // namespace vx
