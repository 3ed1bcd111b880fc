// The trigram filter of a free-search list: its lists' coding, and searches
// through it, which must find exactly what reading the whole list finds,
// whatever the filter's state.
#include "engine/lists/free_search_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/lists/free_search_block_index.h"
#include "engine/lists/free_search_filter_format.h"
#include "engine/lists/free_search_filter_writer.h"
#include "engine/lists/free_search_list.h"
#include "engine/lists/free_search_list_writer.h"
#include "engine/text/collation.h"
#include "engine/util/byte_order.h"
#include "engine/util/crc32c.h"
#include "engine/util/message_sink.h"
#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using Blocks = std::vector<uint32_t>;
using Mode = FreeSearchMode;

Blocks Decoded(FilterListKind kind, const std::vector<uint8_t>& bytes, uint32_t block_count) {
  std::vector<uint64_t> bits;
  EXPECT_TRUE(DecodeFilterList(kind, bytes, block_count, bits));
  Blocks blocks;
  for (uint32_t j = 0; j < block_count; ++j) {
    if ((bits[j / 64] >> (j % 64)) & 1) blocks.push_back(j);
  }
  return blocks;
}

TEST(FilterList, EachListTakesItsShortestKindAndDecodesToItself) {
  struct Case {
    Blocks blocks;
    uint32_t block_count;
    FilterListKind kind;
    size_t bytes;
  };
  Blocks all(1000), most, every_third;
  for (uint32_t j = 0; j < 1000; ++j) {
    all[j] = j;
    if (j != 500) most.push_back(j);
    if (j % 3 == 0) every_third.push_back(j);
  }
  const Case cases[] = {
      {{7}, 1000, FilterListKind::kPresent, 1},
      {{0, 1, 200, 999}, 1000, FilterListKind::kPresent, 6},  // 0, 0, 198 (two), 798 (two)
      {all, 1000, FilterListKind::kAbsent, 0},
      {most, 1000, FilterListKind::kAbsent, 2},  // 500
      {every_third, 1000, FilterListKind::kBitmap, 125},
      {{0, 1, 2}, 3, FilterListKind::kAbsent, 0},
      {{1}, 3, FilterListKind::kPresent, 1},  // ties go to the lowest kind
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.blocks.size());
    std::vector<uint8_t> bytes;
    EXPECT_EQ(EncodeFilterList(c.blocks, c.block_count, bytes), c.kind);
    EXPECT_EQ(bytes.size(), c.bytes);
    EXPECT_EQ(Decoded(c.kind, bytes, c.block_count), c.blocks);
  }
}

TEST(FilterList, MalformedListsAreRefused) {
  struct Case {
    FilterListKind kind;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {FilterListKind::kPresent, {10}},    // past the last of 10 blocks
      {FilterListKind::kPresent, {4, 5}},  // 4, then 10
      {FilterListKind::kPresent, {0x81}},  // cut off
      {FilterListKind::kAbsent, {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0}},
      {FilterListKind::kBitmap, {0xFF}},        // one byte short
      {FilterListKind::kBitmap, {0xFF, 0x04}},  // block 10
      {static_cast<FilterListKind>(3), {}},
  };
  for (const Case& c : cases) {
    std::vector<uint64_t> bits;
    EXPECT_FALSE(DecodeFilterList(c.kind, c.bytes, 10, bits))
        << static_cast<int>(c.kind) << " " << c.bytes.size();
  }
}

struct Entry {
  std::string text;
  std::vector<uint32_t> records;
};

constexpr int32_t kSelectionSize = 5000;

// Entry texts from pieces that repeat trigrams ("ANANA", "SSSS") and that
// the folding joins (Æ and Ä, Ü and Y, É and E), sorted as a builder writes
// them.
std::vector<Entry> RandomEntries(size_t count, uint32_t seed) {
  const std::vector<std::string> pieces = {
      "an",   "ders", "son",  "\xd6ster", "g\xe5rden", "\xc6ng", "\xe4ng", "M\xfcller", "Myller",
      "ssss", "nana", "\xc9", "e",        " ",         "-",      "Per ",   "i Nolg",    "aaaa",
      "ki",   "\xf8", "ld",   "Fader ",   "hustru",    ".",      "1",      "2"};
  std::mt19937 random(seed);
  std::vector<Entry> entries(count);
  for (Entry& e : entries) {
    for (size_t n = 1 + random() % 8; n > 0; --n)
      e.text += pieces[random() % pieces.size()];
    uint32_t record = 1 + random() % 100;
    for (size_t n = 1 + random() % 3; n > 0 && record <= kSelectionSize; --n) {
      e.records.push_back(record);
      record += 1 + random() % 1000;
    }
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    const int c = CompareTexts(a.text.c_str(), b.text.c_str(), FoldTable());
    return c != 0 ? c < 0 : a.text < b.text;
  });
  entries.erase(std::unique(entries.begin(), entries.end(),
                            [](const Entry& a, const Entry& b) { return a.text == b.text; }),
                entries.end());
  return entries;
}

class FilteredList : public ::testing::Test {
 protected:
  static constexpr int32_t kUrvalbufsiz = 2000;
  static constexpr size_t kFilterBlockBytes = 200;

  FilteredList() { selection_.Resize(kSelectionSize); }

  FreeSearchListProperties Properties(const std::string& name = "fri") const {
    FreeSearchListProperties p;
    p.b1filkat = p.b2filkat = dir_.path().string() + "/";
    p.b1filnamn = p.b2filnamn = name;
    p.urvalbufsiz = kUrvalbufsiz;
    return p;
  }

  // Writes the list and its filter as a builder does, keeping the entries
  // that begin a filter block.
  void Write(const std::vector<Entry>& entries, const std::string& name = "fri") {
    const FreeSearchListProperties p = Properties(name);
    FreeSearchListWriter list(p);
    FreeSearchFilterWriter filter(p.b1filkat + p.FilterFileName(), kFilterBlockBytes);
    ASSERT_EQ(list.Create(), FreeSearchListWriter::Status::kOk);
    ASSERT_EQ(filter.Create(), FreeSearchFilterWriter::Status::kOk);
    std::map<uint32_t, Blocks> blocks_of;
    block_starts_.clear();
    for (size_t i = 0; i < entries.size(); ++i) {
      ASSERT_EQ(list.Add(entries[i].text, entries[i].records), FreeSearchListWriter::Status::kOk);
      const uint32_t block = filter.AddEntry(
          list.BlockCount(), entries[i].text.size() + FreeSearchEntry::kTrailerSize);
      if (block == block_starts_.size()) block_starts_.push_back(i);
      const std::string folded = MapText(entries[i].text, FoldTable());
      for (size_t k = 0; k + 3 <= folded.size(); ++k) {
        Blocks& blocks = blocks_of[TrigramCode(reinterpret_cast<const uint8_t*>(&folded[k]))];
        if (blocks.empty() || blocks.back() != block) blocks.push_back(block);
      }
    }
    ASSERT_EQ(list.Finish(), FreeSearchListWriter::Status::kOk);
    for (const auto& [code, blocks] : blocks_of)
      ASSERT_EQ(filter.AddTrigram(code, blocks), FreeSearchFilterWriter::Status::kOk);
    ASSERT_EQ(filter.Finish(fs::file_size(dir_ / (name + ".f1")), list.BlockCount()),
              FreeSearchFilterWriter::Status::kOk);
  }

  // The records found, with the filter or reading the whole list.
  std::vector<int32_t> Search(const std::string& text, Mode mode, bool filter) {
    list_.set_filter_wanted(filter);
    const int32_t hits = list_.Search(text, mode, selection_);
    std::vector<int32_t> found;
    for (int32_t k = 0; selection_.Next(k);)
      found.push_back(k);
    EXPECT_EQ(hits, static_cast<int32_t>(found.size())) << text;
    return found;
  }

  void Open(bool mapped = true) {
    list_.properties() = Properties();
    list_.set_mapping(mapped);
    ASSERT_TRUE(list_.Open());
  }

  // Every text searched in every mode finds the same with and without the
  // filter.
  void ExpectSameAnswers(const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
      for (const Mode mode : {Mode::kEqual, Mode::kBeginsWith, Mode::kContains})
        EXPECT_EQ(Search(text, mode, true), Search(text, mode, false))
            << text << " mode " << static_cast<int>(mode);
    }
  }

  fs::path FilterFile() const { return dir_ / "fri.ft"; }

  testing::TempDir dir_;
  TVXfrisoeklista list_;
  Tvxsmalurval selection_;
  std::vector<size_t> block_starts_;  // the first entry of each filter block
};

// Pieces of entries and the texts around the filter's block edges, as
// typed: other cases, accents the folding joins, short and long, and
// alternatives.
std::vector<std::string> Terms(const std::vector<Entry>& entries,
                               const std::vector<size_t>& block_starts, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<std::string> terms = {"AAAA",    "aaaaa", "NANANA", "SSSS",  "ANAN",  "\xe6NG",
                                    "\xc4NG",  "myll",  "M\xdcL", "\xe9S", "QWX",   "Q",
                                    "an",      "ER",    "d;s",    "S\xd8", "SON;Q", "ERS;QWXY",
                                    "Fader ;", " hus",  "1",      "Z1",    "ld ki", "-SS"};
  auto piece = [&](const std::string& text, size_t at, size_t n) {
    std::string t = text.substr(std::min(at, text.size()), n);
    for (char& c : t) {
      if (random() % 3 == 0) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return t;
  };
  for (int i = 0; i < 150; ++i) {
    const std::string& text = entries[random() % entries.size()].text;
    const size_t n = 1 + random() % 9;
    terms.push_back(piece(text, random() % text.size(), n));
  }
  // A filter block's first entry and last, and across the edge, which no
  // entry holds but the bytes of the block file do.
  for (size_t b = 1; b < block_starts.size(); ++b) {
    const std::string& before = entries[block_starts[b] - 1].text;
    const std::string& after = entries[block_starts[b]].text;
    terms.push_back(piece(after, 0, 3 + random() % 4));
    terms.push_back(piece(before, before.size() - std::min<size_t>(before.size(), 4), 4));
    terms.push_back(piece(before, before.size() - std::min<size_t>(before.size(), 2), 2) +
                    piece(after, 0, 2));
    terms.push_back(after);
  }
  return terms;
}

TEST_F(FilteredList, FindsWhatTheWholeListFinds) {
  const std::vector<Entry> entries = RandomEntries(1500, 5);
  Write(entries);
  ASSERT_GT(block_starts_.size(), 100u);
  const std::vector<std::string> terms = Terms(entries, block_starts_, 6);
  for (const bool mapped : {true, false}) {
    SCOPED_TRACE(mapped);
    Open(mapped);
    ExpectSameAnswers(terms);
    EXPECT_TRUE(list_.FilterInUse());
  }
}

TEST_F(FilteredList, AListWithoutAFilterIsReadWholeWithoutAMessage) {
  const std::vector<Entry> entries = RandomEntries(300, 7);
  Write(entries);
  fs::remove(FilterFile());
  std::vector<std::string> messages;
  ScopedMessageSink sink([&](const std::string& text) { messages.push_back(text); });
  Open();
  ExpectSameAnswers({"ANDERS", "NOLG"});
  EXPECT_FALSE(list_.FilterInUse());
  EXPECT_TRUE(messages.empty());
}

// Rewrites the filter's block table, keeping its checksums right, so that
// only the entry file can tell that the runs are wrong.
void ShiftFirstRunEnd(const fs::path& filter, int by) {
  std::vector<uint8_t> bytes = testing::ReadFileBytes(filter);
  FreeSearchFilterHeader header;
  ASSERT_TRUE(header.Load(bytes));
  uint8_t* rows = bytes.data() + header.BlockTableOffset();
  StoreU32(rows, LoadU32(rows) + by);
  StoreU32(rows + kFilterBlockRowSize, LoadU32(rows + kFilterBlockRowSize) - by);
  header.block_table_crc = Crc32c({rows, header.block_count * kFilterBlockRowSize});
  uint8_t head[kFilterHeaderSize];
  header.Store(head);
  std::copy(std::begin(head), std::end(head), bytes.begin());
  testing::WriteFileBytes(filter, bytes);
}

TEST_F(FilteredList, ADamagedOrForeignFilterIsNamedOnceAndTheListReadWhole) {
  const std::vector<Entry> entries = RandomEntries(800, 9);
  Write(RandomEntries(700, 10), "annan");
  Write(entries);
  const std::vector<uint8_t> sound = testing::ReadFileBytes(FilterFile());
  FreeSearchFilterHeader header;
  ASSERT_TRUE(header.Load(sound));
  const std::string first_text = entries[0].text.substr(0, 4);
  struct Damage {
    const char* what;
    std::function<void()> make;
  };
  auto flip = [&](uint64_t at) {
    return [&, at] {
      std::vector<uint8_t> bytes = sound;
      bytes[at] ^= 0x10;
      testing::WriteFileBytes(FilterFile(), bytes);
    };
  };
  const Damage damages[] = {
      {"the header", flip(20)},
      {"the block table", flip(header.BlockTableOffset() + 9)},
      {"a list", flip(header.ListsOffset())},
      {"the last list", flip(header.DirectoryOffset() - 1)},
      {"the directory", flip(header.DirectoryOffset() + 5)},
      {"cut short",
       [&] {
         testing::WriteFileBytes(FilterFile(),
                                 std::span<const uint8_t>(sound).first(sound.size() - 1));
       }},
      {"another version",
       [&] {
         std::vector<uint8_t> bytes = sound;
         StoreU32(bytes.data() + 4, kFilterVersion + 1);
         StoreU32(bytes.data() + 60, Crc32c({bytes.data(), 60}));
         testing::WriteFileBytes(FilterFile(), bytes);
       }},
      {"another list's filter",
       [&] {
         fs::copy_file(dir_ / "annan.ft", FilterFile(), fs::copy_options::overwrite_existing);
       }},
      {"runs off the entries",
       [&] {
         testing::WriteFileBytes(FilterFile(), sound);
         ShiftFirstRunEnd(FilterFile(), 1);
       }},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    damage.make();
    std::vector<std::string> messages;
    ScopedMessageSink sink([&](const std::string& text) { messages.push_back(text); });
    Open();
    // Every list of the filter read, and the first run searched.
    std::vector<std::string> terms = {first_text};
    for (const Entry& e : entries)
      terms.push_back(e.text);
    ExpectSameAnswers(terms);
    EXPECT_FALSE(list_.FilterInUse());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "Filterfilen fri.ft \xe4r skadad eller h\xf6r inte till fri.f1 och anv\xe4nds inte.");
  }
}

}  // namespace
}  // namespace vx
