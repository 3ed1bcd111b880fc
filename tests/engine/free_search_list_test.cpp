// The free-search lists: terms, modes, the writer's limits, damaged files,
// the scan against trying every entry; and the trigram filter, which must
// find exactly what reading the whole list finds, whatever its state.
#include "engine/lists/free_search_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/lists/free_search_block_index.h"
#include "engine/lists/free_search_block_range.h"
#include "engine/lists/free_search_filter.h"
#include "engine/lists/free_search_filter_format.h"
#include "engine/lists/free_search_filter_writer.h"
#include "engine/lists/free_search_list_writer.h"
#include "engine/lists/free_search_terms.h"
#include "engine/text/collation.h"
#include "engine/util/byte_order.h"
#include "engine/util/crc32c.h"
#include "engine/util/message_sink.h"
#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::WriteFileBytes;
using Mode = FreeSearchMode;
using Records = std::vector<int32_t>;
using WriterStatus = FreeSearchListWriter::Status;

constexpr int32_t kSelectionSize = 100000;

struct Entry {
  std::string text;
  std::vector<uint32_t> records;
};

// One entry as stored: text, zero byte, a, b.
std::vector<uint8_t> EntryBytes(const std::string& text, uint32_t a, uint32_t b) {
  std::vector<uint8_t> bytes(text.begin(), text.end());
  bytes.resize(text.size() + 9, 0);
  StoreU32(bytes.data() + text.size() + 1, a);
  StoreU32(bytes.data() + text.size() + 5, b);
  return bytes;
}

// A plain blob file holding `items` (blocks or postings runs).
std::vector<uint8_t> BlobFileBytes(const std::vector<std::vector<uint8_t>>& items) {
  std::vector<uint8_t> file(16, 0);
  StoreU32(file.data() + 2, static_cast<uint32_t>(items.size()));
  StoreU16(file.data() + 6, 16);
  for (const std::vector<uint8_t>& item : items) {
    uint8_t length[4];
    StoreU32(length, static_cast<uint32_t>(item.size()));
    file.insert(file.end(), length, length + 4);
    file.insert(file.end(), item.begin(), item.end());
  }
  return file;
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> all;
  for (const std::vector<uint8_t>& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

class FreeSearchList : public ::testing::Test {
 protected:
  FreeSearchList() { selection_.Resize(kSelectionSize); }

  FreeSearchListProperties Properties(int32_t urvalbufsiz = 32000,
                                      const std::string& name = "fri") const {
    FreeSearchListProperties p;
    p.b1filkat = p.b2filkat = dir_.path().string() + "/";
    p.b1filnamn = p.b2filnamn = name;
    p.urvalbufsiz = urvalbufsiz;
    return p;
  }

  void Write(const std::vector<Entry>& entries, int32_t urvalbufsiz = 32000) {
    FreeSearchListWriter writer(Properties(urvalbufsiz));
    ASSERT_EQ(writer.Create(), WriterStatus::kOk);
    for (const Entry& e : entries)
      ASSERT_EQ(writer.Add(e.text, e.records), WriterStatus::kOk) << e.text;
    ASSERT_EQ(writer.Finish(), WriterStatus::kOk);
  }

  void Open(int32_t urvalbufsiz = 32000) {
    list_.properties() = Properties(urvalbufsiz);
    ASSERT_TRUE(list_.Open());
  }

  // The records found; the returned hit count must be their number.
  Records Search(const std::string& text, Mode mode) {
    const int32_t hits = list_.Search(text, mode, selection_);
    Records found;
    for (int32_t k = 0; selection_.Next(k);)
      found.push_back(k);
    EXPECT_EQ(hits, static_cast<int32_t>(found.size())) << text;
    return found;
  }

  std::filesystem::path EntryFile() const { return dir_ / "fri.f1"; }
  std::filesystem::path PostingsFile() const { return dir_ / "fri.f2"; }

  testing::TempDir dir_;
  TVXfrisoeklista list_;
  Tvxsmalurval selection_;
  std::vector<std::string> messages_;
  ScopedMessageSink sink_{[this](const std::string& text) { messages_.push_back(text); }};
};

TEST(FreeSearchTerms, TextIsUpperCasedTrimmedAndCutAtSemicolons) {
  using Terms = std::vector<std::string>;
  EXPECT_EQ(FreeSearchTerms(" \t anders ;; \xe5sa\r\n"), (Terms{"ANDERS ", " \xc5SA"}));
  EXPECT_EQ(FreeSearchTerms("A;;B"), (Terms{"A", "B"}));
  // Only the whole text is trimmed: a blank between semicolons stays a term.
  EXPECT_EQ(FreeSearchTerms("A; ;B"), (Terms{"A", " ", "B"}));
  EXPECT_EQ(FreeSearchTerms(";;A;"), (Terms{"A"}));
  EXPECT_EQ(FreeSearchTerms(";;"), (Terms{""}));
  EXPECT_EQ(FreeSearchTerms(" \x01 "), Terms{});
  EXPECT_EQ(FreeSearchTerms(std::string("ab\0cd;e", 7)), (Terms{"AB", "E"}));
}

TEST_F(FreeSearchList, RecordsAndPostingsMarkExactlyTheirRecordsAndBlocksFillUpToUrvalbufsiz) {
  Write({{"FADDER ANNA", {7}}, {"FADDER PER", {5, 300, 70000}}, {"FADDER LARS", {99999, 100000}}});
  Open();
  EXPECT_EQ(Search("FADDER ANNA", Mode::kEqual), (Records{7}));
  EXPECT_EQ(Search("per", Mode::kContains), (Records{5, 300, 70000}));
  EXPECT_EQ(Search("FADDER", Mode::kBeginsWith), (Records{5, 7, 300, 70000, 99999, 100000}));
  const std::vector<uint8_t> f2 = ReadFileBytes(PostingsFile());
  // Two runs, each one item; the entry addresses the first number.
  EXPECT_EQ(LoadU32(f2.data() + 2), 2u);
  EXPECT_EQ(LoadU32(f2.data() + 20), 5u);
  // Blocks are filled up to urvalbufsiz.
  const std::string eleven(11, 'K');  // 20 bytes as an entry
  const std::string thirty_one(31, 'L');
  FreeSearchListWriter writer(Properties(40));
  ASSERT_EQ(writer.Create(), WriterStatus::kOk);
  for (const Entry& e :
       std::vector<Entry>{{eleven, {1}}, {eleven, {2}}, {thirty_one, {3}}, {eleven, {4}}})
    ASSERT_EQ(writer.Add(e.text, e.records), WriterStatus::kOk);
  EXPECT_EQ(writer.BlockCount(), 2u);  // the third still pending
  ASSERT_EQ(writer.Finish(), WriterStatus::kOk);
  EXPECT_EQ(writer.BlockCount(), 3u);
  EXPECT_EQ(writer.EntryCount(), 4u);
  const std::vector<uint8_t> f1 = ReadFileBytes(EntryFile());
  ASSERT_EQ(LoadU32(f1.data() + 2), 3u);
  EXPECT_EQ(LoadU32(f1.data() + 16), 40u);
  EXPECT_EQ(LoadU32(f1.data() + 60), 40u);
  EXPECT_EQ(LoadU32(f1.data() + 104), 20u);
  EXPECT_EQ(f1.size(), 128u);
  Open(40);
  EXPECT_EQ(Search("K", Mode::kBeginsWith), (Records{1, 2, 4}));
  EXPECT_EQ(Search("L", Mode::kContains), (Records{3}));
  // A reader with a smaller buffer stops at the first block it cannot hold.
  Open(39);
  EXPECT_EQ(Search(";", Mode::kContains), Records{});
}

TEST_F(FreeSearchList, WriterRefusesWhatTheReaderCouldNotRead) {
  FreeSearchListWriter writer(Properties(40));
  const std::vector<uint32_t> one = {1};
  EXPECT_EQ(writer.Add("A", one), WriterStatus::kNotOpen);
  ASSERT_EQ(writer.Create(), WriterStatus::kOk);
  EXPECT_EQ(writer.Add(std::string(32, 'L'), one), WriterStatus::kEntryTooLong);
  EXPECT_EQ(writer.Add(std::string("A\0B", 3), one), WriterStatus::kZeroByteInText);
  for (const std::vector<uint32_t>& bad :
       {std::vector<uint32_t>{}, std::vector<uint32_t>{0}, std::vector<uint32_t>{3, 3},
        std::vector<uint32_t>{4, 2}})
    EXPECT_EQ(writer.Add("A", bad), WriterStatus::kBadRecords);
  EXPECT_EQ(writer.Add(std::string(31, 'L'), one), WriterStatus::kOk);
  EXPECT_EQ(writer.Finish(), WriterStatus::kOk);
  EXPECT_EQ(writer.EntryCount(), 1u);
  EXPECT_EQ(writer.Finish(), WriterStatus::kNotOpen);
}

TEST_F(FreeSearchList, ClosedOrMissingListFindsNothingAndCreatesNothing) {
  selection_.SetBit(3, true);
  EXPECT_EQ(list_.Search("A", Mode::kContains, selection_), 0);
  EXPECT_EQ(selection_.Count(), 0);
  EXPECT_FALSE(selection_.IsSet(3));

  list_.properties() = Properties();
  EXPECT_FALSE(list_.Open());
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
  selection_.SetBit(3, true);
  EXPECT_EQ(list_.Search(";;", Mode::kContains, selection_), 0);
  EXPECT_FALSE(selection_.IsSet(3));

  // A writable list creates its missing files empty, as every data file.
  list_.properties().RO = false;
  EXPECT_TRUE(list_.Open());
  EXPECT_EQ(Search(";;", Mode::kContains), Records{});
  list_.Close();
  EXPECT_EQ(ReadFileBytes(EntryFile()).size(), 16u);
}

TEST_F(FreeSearchList, DamagedBlocksEndSafelyMappedOrRead) {
  const std::vector<uint8_t> whole = EntryBytes("ANNA", 1, 0);
  const std::vector<uint8_t> next_block = EntryBytes("BERTIL", 2, 0);
  std::vector<uint8_t> without_zero = Concat({whole, {'B', 'E', 'R', 'T', 'I', 'L'}});
  std::vector<uint8_t> short_trailer = Concat({whole, EntryBytes("BERTIL", 3, 0)});
  short_trailer.resize(short_trailer.size() - 1);
  std::vector<uint8_t> cut_file = BlobFileBytes({whole, next_block});
  cut_file.resize(cut_file.size() - 3);
  for (const bool mapping : {true, false}) {
    SCOPED_TRACE(mapping ? "mapped" : "read in blocks");
    list_.set_mapping(mapping);
    for (const std::vector<uint8_t>& damaged : {without_zero, short_trailer}) {
      WriteFileBytes(EntryFile(), BlobFileBytes({damaged, next_block}));
      Open();
      EXPECT_EQ(list_.Mapped(), mapping);
      EXPECT_EQ(Search("ANNA", Mode::kEqual), (Records{1}));
      // The damaged entry is dropped; the next block is still read.
      EXPECT_EQ(Search("BERTIL", Mode::kEqual), (Records{2}));
      EXPECT_EQ(Search(";", Mode::kContains), (Records{1, 2}));
    }
    // A block that claims more bytes than the file or the buffer holds ends
    // the scan; the blocks before it count.
    WriteFileBytes(EntryFile(), cut_file);
    Open();
    EXPECT_EQ(Search("A;B", Mode::kBeginsWith), (Records{1}));
    WriteFileBytes(EntryFile(), BlobFileBytes({whole, std::vector<uint8_t>(33), next_block}));
    Open(32);
    EXPECT_EQ(Search("A;B", Mode::kBeginsWith), (Records{1}));
  }
}

TEST_F(FreeSearchList, MatchesNeverRunThroughAnEntrysZeroByteOrNumbers) {
  // a and b of the first entry read "KLMN" "OPQR": raw bytes "AB\0KLMNOPQRST\0...".
  // Its postings lie beyond the empty postings file, so marking it shows as
  // a message.
  WriteFileBytes(
      EntryFile(),
      BlobFileBytes({Concat({EntryBytes("AB", 0x4E4D4C4B, 0x5251504F), EntryBytes("ST", 9, 0)})}));
  WriteFileBytes(PostingsFile(), BlobFileBytes({}));
  Open();
  EXPECT_EQ(Search("RST;QR;KLMN", Mode::kContains), Records{});
  EXPECT_EQ(Search("RST;QR;KL", Mode::kBeginsWith), Records{});
  EXPECT_EQ(Search("T;XY", Mode::kContains), (Records{9}));
  EXPECT_EQ(Search("ST", Mode::kEqual), (Records{9}));
  EXPECT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_EQ(Search("B", Mode::kContains), Records{});
  EXPECT_EQ(messages_.size(), 1u);
}

// Read on one thread or shared out, the first message is the first
// entry's and the others are counted.
TEST_F(FreeSearchList, DamagedPostingsGiveOneMessagePerSearch) {
  std::vector<std::vector<uint8_t>> blocks;  // an entry to a block
  for (uint32_t i = 0; i < 5; ++i)           // postings beyond f2
    blocks.push_back(EntryBytes("ERIK " + std::to_string(i), 1000 + i, 2 + i));
  blocks.push_back(EntryBytes("ERIK 9", kSelectionSize + 1, 0));  // beyond the selection
  blocks.push_back(EntryBytes("ERIK 10", 5, 0));
  WriteFileBytes(EntryFile(), BlobFileBytes(blocks));
  WriteFileBytes(PostingsFile(), BlobFileBytes({}));
  Open();
  for (size_t workers = 1; workers <= 3; ++workers) {
    list_.set_workers(workers);
    messages_.clear();
    EXPECT_EQ(Search("ERIK", Mode::kContains), (Records{5}));
    ASSERT_EQ(messages_.size(), 2u) << workers;
    EXPECT_NE(messages_[0].find("fri.f2"), std::string::npos) << messages_[0];
    EXPECT_NE(messages_[0].find("0 av 2"), std::string::npos) << messages_[0];
    EXPECT_NE(messages_[1].find("5 meddelanden"), std::string::npos) << messages_[1];
  }

  // Without the postings file its entries are found but cannot be marked.
  std::filesystem::remove(PostingsFile());
  messages_.clear();
  Open();
  EXPECT_EQ(Search("ERIK 1", Mode::kEqual), Records{});
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_[0].find("fri.f2"), std::string::npos) << messages_[0];
}

// The definition the scan must agree with: every entry tried on its own,
// as a zero-terminated text, against each term of `text`.
Records ReferenceHits(const std::vector<Entry>& entries, const std::string& text, Mode mode) {
  const CollationTable& fold = FoldTable();
  std::set<int32_t> hits;
  for (const Entry& e : entries) {
    for (const std::string& term : FreeSearchTerms(text)) {
      const char* t = e.text.c_str();
      const bool match = mode == Mode::kEqual ? CompareTexts(t, term.c_str(), fold) == 0
                         : mode == Mode::kBeginsWith
                             ? ComparePrefix(t, term.c_str(), term.size(), fold) == 0
                             : FindPattern(term.c_str(), t, fold) >= 0;
      if (match) {
        hits.insert(e.records.begin(), e.records.end());
        break;
      }
    }
  }
  return Records(hits.begin(), hits.end());
}

std::string RandomText(std::mt19937& random, size_t max_length) {
  // Few letters in several cases and accents, so that terms hit often.
  static const std::string kAlphabet = "aAnNdDeE \xe9\xc9\xe5\xc5\xe4\xc4\xf6\xd6-s";
  std::string text(random() % (max_length + 1), ' ');
  for (char& c : text)
    c = kAlphabet[random() % kAlphabet.size()];
  return text;
}

// Small and large blocks, mapped and read, and blocks large enough to keep
// a range of texts with the entries in the order a builder writes them and
// in no order: the scan, and the searches that pass over blocks, must find
// what trying every entry finds, the first time (when the ranges are made)
// and after.
TEST_F(FreeSearchList, ScanAgreesWithPerEntryDefinition) {
  std::mt19937 random(20261207);
  const struct {
    int32_t urvalbufsiz;
    bool mapping;
    bool sorted;
  } configs[] = {{60, true, false},
                 {1000, false, false},
                 {1000000, true, false},
                 {5000, false, true},
                 {5000, true, false}};
  for (const auto& c : configs) {
    std::vector<Entry> entries;
    for (uint32_t i = 0; i < 2500; ++i) {
      // Disjoint records per entry, so the selection tells which matched.
      const uint32_t base = 3 * i + 1;
      entries.push_back({RandomText(random, 12), random() % 4 == 0
                                                     ? std::vector<uint32_t>{base, base + 2}
                                                     : std::vector<uint32_t>{base}});
    }
    if (c.sorted) {
      std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return CompareTexts(a.text.c_str(), b.text.c_str(), FoldTable()) < 0;
      });
    }
    Write(entries, c.urvalbufsiz);
    list_.set_mapping(c.mapping);
    Open(c.urvalbufsiz);
    for (int trial = 0; trial < 280; ++trial) {
      const size_t k = random() % (entries.size() - 1);
      const std::string& t = entries[k].text;
      std::string text;
      switch (trial % 7) {
        case 0:  // a random term
          text = RandomText(random, 4);
          break;
        case 1:  // a part of an entry
          text = t.substr(t.empty() ? 0 : random() % t.size(), 1 + random() % 5);
          break;
        case 2:  // the end of one entry and the start of the next
          text = t.substr(t.size() / 2) + entries[k + 1].text.substr(0, 2);
          break;
        case 3:  // alternatives
          text = RandomText(random, 3) + ";" + RandomText(random, 3) + ";;" + RandomText(random, 2);
          break;
        case 4:  // an entry, whole
          text = t;
          break;
        case 5:  // its beginning, or a term just past it
          text = t.substr(0, random() % (t.size() + 1)) + (random() % 2 ? "" : "\xff");
          break;
        default:  // an entry or another term
          text = t + ";" + RandomText(random, 3);
      }
      // Read on one thread or shared out among two or three.
      list_.set_workers(1 + trial % 3);
      for (const Mode mode : {Mode::kEqual, Mode::kBeginsWith, Mode::kContains}) {
        ASSERT_EQ(Search(text, mode), ReferenceHits(entries, text, mode))
            << "text \"" << text << "\" mode " << static_cast<int>(mode) << " urvalbufsiz "
            << c.urvalbufsiz << " sorted " << c.sorted << " threads " << 1 + trial % 3;
      }
    }
    list_.Close();
  }
}

TEST(FreeSearchBlockRange, HoldsWhatLiesBetweenItsLeastAndGreatestText) {
  // An entry cut short (no zero byte) at the end is not in the range.
  const std::vector<uint8_t> block = Concat({EntryBytes("Bengt", 1, 0),
                                             EntryBytes("anders", 1, 0),
                                             EntryBytes("\xc5sa", 1, 0),
                                             EntryBytes("Per", 1, 0),
                                             {0xd6, 'r', 'j', 'a', 'n'}});
  FreeSearchBlockRange range;
  range.Build(block);
  EXPECT_TRUE(range.BuiltFor(block.size()));
  EXPECT_FALSE(range.BuiltFor(block.size() - 1));
  // The least, the greatest in either case, between them; and prefixes.
  for (const auto& [term, prefix, may_hold] :
       {std::tuple{"ANDERS", false, true}, std::tuple{"\xe5SA", false, true},
        std::tuple{"CARL", false, true}, std::tuple{"ANDER", false, false},
        std::tuple{"ANDER", true, true}, std::tuple{"A", true, true}, std::tuple{"AA", true, false},
        std::tuple{"\xc5T", true, false}, std::tuple{"\xd6RJAN", false, false},
        std::tuple{"\xd6", true, false}})
    EXPECT_EQ(range.MayHold(MapText(term, FoldTable()), prefix), may_hold) << term << prefix;
  FreeSearchBlockRange empty;
  empty.Build({});
  EXPECT_FALSE(empty.MayHold("", true));
}

// --- The trigram filter ----------------------------------------------------

using Blocks = std::vector<uint32_t>;

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

constexpr uint32_t kLastRecord = 5000;

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
    for (size_t n = 1 + random() % 3; n > 0 && record <= kLastRecord; --n) {
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

class FilteredList : public FreeSearchList {
 protected:
  static constexpr int32_t kUrvalbufsiz = 2000;
  static constexpr size_t kFilterBlockBytes = 200;

  // Writes the list and its filter as a builder does, keeping the entries
  // that begin a filter block.
  void Write(const std::vector<Entry>& entries, const std::string& name = "fri") {
    const FreeSearchListProperties p = Properties(kUrvalbufsiz, name);
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
  Records Search(const std::string& text, Mode mode, bool filter) {
    list_.set_filter_wanted(filter);
    return FreeSearchList::Search(text, mode);
  }

  void Open(bool mapped = true) {
    list_.set_mapping(mapped);
    FreeSearchList::Open(kUrvalbufsiz);
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
    list_.set_workers(2);
    ExpectSameAnswers(terms);
    EXPECT_TRUE(list_.FilterInUse());
  }
}

TEST_F(FilteredList, AListWithoutAFilterIsReadWholeWithoutAMessage) {
  const std::vector<Entry> entries = RandomEntries(300, 7);
  Write(entries);
  fs::remove(FilterFile());
  Open();
  ExpectSameAnswers({"ANDERS", "NOLG"});
  EXPECT_FALSE(list_.FilterInUse());
  EXPECT_TRUE(messages_.empty());
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
    messages_.clear();
    Open();
    // Every list of the filter read, and the first run searched.
    std::vector<std::string> terms = {first_text};
    for (const Entry& e : entries)
      terms.push_back(e.text);
    ExpectSameAnswers(terms);
    EXPECT_FALSE(list_.FilterInUse());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0],
              "Filterfilen fri.ft \xe4r skadad eller h\xf6r inte till fri.f1 och anv\xe4nds inte.");
  }
}

}  // namespace
}  // namespace vx
