#include "engine/lists/free_search_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/lists/free_search_block_range.h"
#include "engine/lists/free_search_list_writer.h"
#include "engine/lists/free_search_terms.h"
#include "engine/text/collation.h"
#include "engine/util/byte_order.h"
#include "engine/util/message_sink.h"
#include "tests/support/files.h"

namespace vx {
namespace {

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

  FreeSearchListProperties Properties(int32_t urvalbufsiz = 32000) const {
    FreeSearchListProperties p;
    p.b1filkat = p.b2filkat = dir_.path().string() + "/";
    p.b1filnamn = p.b2filnamn = "fri";
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

TEST_F(FreeSearchList, ModesAndAlternativesCompareEveryEntry) {
  Write({{"ANDERS", {1}},
         {"ANDERSSON", {2}},
         {"PER ANDERSSON", {3}},
         {"LARS", {4}},
         {"", {5}},
         {"LARS PER", {6}}});
  Open();
  for (const std::string text : {"ANDERS", "anders", "  Anders\t"}) {
    EXPECT_EQ(Search(text, Mode::kEqual), (Records{1})) << text;
    EXPECT_EQ(Search(text, Mode::kBeginsWith), (Records{1, 2})) << text;
    EXPECT_EQ(Search(text, Mode::kContains), (Records{1, 2, 3})) << text;
  }
  EXPECT_EQ(Search("ANDERSSONS", Mode::kBeginsWith), Records{});
  EXPECT_EQ(Search("ERS", Mode::kEqual), Records{});
  EXPECT_EQ(Search("SON", Mode::kContains), (Records{2, 3}));
  EXPECT_EQ(Search("lars;per", Mode::kBeginsWith), (Records{3, 4, 6}));
  EXPECT_EQ(Search("XYZ;;ANDERS", Mode::kEqual), (Records{1}));
  // A blank alternative finds the texts holding a blank.
  EXPECT_EQ(Search("XYZ; ;ANDERS", Mode::kContains), (Records{1, 2, 3, 6}));
  // Delimiters only: one empty term, which every text begins with and
  // contains, and only the empty text equals.
  EXPECT_EQ(Search(";;", Mode::kBeginsWith), (Records{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Search(";;", Mode::kContains), (Records{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Search(";;", Mode::kEqual), (Records{5}));
  // Nothing left after trimming: no term, no hit.
  EXPECT_EQ(Search(" \t ", Mode::kContains), Records{});
}

TEST_F(FreeSearchList, ComparisonFoldsCaseAndAccentsButKeepsSwedishLetters) {
  Write({{"\xc9mile Dub\xe9", {1}},  // Émile Dubé
         {"M\xfcller", {2}},         // Müller
         {"\xc5sa", {3}},            // Åsa
         {"\xc4sa", {4}},            // Äsa
         {"\xd6sa", {5}},            // Ösa
         {"Asa", {6}}});
  Open();
  EXPECT_EQ(Search("emile dube", Mode::kEqual), (Records{1}));
  EXPECT_EQ(Search("MYLLER", Mode::kEqual), (Records{2}));
  EXPECT_EQ(Search("\xe5sa", Mode::kEqual), (Records{3}));  // åsa
  EXPECT_EQ(Search("\xc6SA", Mode::kEqual), (Records{4}));  // ÆSA folds as Ä
  EXPECT_EQ(Search("\xf8sa", Mode::kEqual), (Records{5}));  // øsa folds as Ö
  EXPECT_EQ(Search("\xe1SA", Mode::kEqual), (Records{6}));  // áSA
  EXPECT_EQ(Search("SA", Mode::kContains), (Records{3, 4, 5, 6}));
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
  std::vector<std::string> messages;
  ScopedMessageSink sink([&](const std::string& m) { messages.push_back(m); });
  Open();
  EXPECT_EQ(Search("RST;QR;KLMN", Mode::kContains), Records{});
  EXPECT_EQ(Search("RST;QR;KL", Mode::kBeginsWith), Records{});
  EXPECT_EQ(Search("T;XY", Mode::kContains), (Records{9}));
  EXPECT_EQ(Search("ST", Mode::kEqual), (Records{9}));
  EXPECT_TRUE(messages.empty()) << messages.front();
  EXPECT_EQ(Search("B", Mode::kContains), Records{});
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(FreeSearchList, DamagedPostingsGiveOneMessagePerSearch) {
  std::vector<std::vector<uint8_t>> block;
  for (uint32_t i = 0; i < 5; ++i)
    block.push_back(EntryBytes("ERIK " + std::to_string(i), 1000 + i, 2));  // beyond f2
  block.push_back(EntryBytes("ERIK 9", kSelectionSize + 1, 0));             // beyond the selection
  block.push_back(EntryBytes("ERIK 10", 5, 0));
  std::vector<uint8_t> bytes;
  for (const std::vector<uint8_t>& e : block)
    bytes.insert(bytes.end(), e.begin(), e.end());
  WriteFileBytes(EntryFile(), BlobFileBytes({bytes}));
  WriteFileBytes(PostingsFile(), BlobFileBytes({}));
  std::vector<std::string> messages;
  ScopedMessageSink sink([&](const std::string& m) { messages.push_back(m); });
  Open();
  EXPECT_EQ(Search("ERIK", Mode::kBeginsWith), (Records{5}));
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[0].find("fri.f2"), std::string::npos) << messages[0];
  EXPECT_NE(messages[1].find("5 meddelanden"), std::string::npos) << messages[1];

  // Without the postings file its entries are found but cannot be marked.
  std::filesystem::remove(PostingsFile());
  messages.clear();
  Open();
  EXPECT_EQ(Search("ERIK 1", Mode::kEqual), Records{});
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("fri.f2"), std::string::npos) << messages[0];
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

TEST_F(FreeSearchList, FastScanAgreesWithPerEntryDefinition) {
  std::mt19937 random(20261207);
  for (const int32_t urvalbufsiz : {60, 1000, 1000000}) {
    std::vector<Entry> entries;
    for (uint32_t i = 0; i < 2000; ++i) {
      // Disjoint records per entry, so the selection tells which matched.
      const uint32_t base = 3 * i + 1;
      entries.push_back({RandomText(random, 12), random() % 4 == 0
                                                     ? std::vector<uint32_t>{base, base + 2}
                                                     : std::vector<uint32_t>{base}});
    }
    Write(entries, urvalbufsiz);
    list_.set_mapping(urvalbufsiz != 1000);
    Open(urvalbufsiz);
    for (int trial = 0; trial < 200; ++trial) {
      std::string text;
      switch (trial % 4) {
        case 0:  // a random term
          text = RandomText(random, 4);
          break;
        case 1: {  // a part of an entry
          const std::string& t = entries[random() % entries.size()].text;
          const size_t from = t.empty() ? 0 : random() % t.size();
          text = t.substr(from, 1 + random() % 5);
          break;
        }
        case 2: {  // the end of one entry and the start of the next
          const size_t k = random() % (entries.size() - 1);
          text =
              entries[k].text.substr(entries[k].text.size() / 2) + entries[k + 1].text.substr(0, 2);
          break;
        }
        default:  // alternatives
          text = RandomText(random, 3) + ";" + RandomText(random, 3) + ";;" + RandomText(random, 2);
      }
      for (const Mode mode : {Mode::kEqual, Mode::kBeginsWith, Mode::kContains}) {
        ASSERT_EQ(Search(text, mode), ReferenceHits(entries, text, mode))
            << "text \"" << text << "\" mode " << static_cast<int>(mode) << " urvalbufsiz "
            << urvalbufsiz;
      }
    }
  }
}

// Blocks large enough to keep a range of texts, with the entries in the
// order a builder writes them and in no order: the searches that pass over
// blocks must find what trying every entry finds, the first time (when
// the ranges are made) and after.
TEST_F(FreeSearchList, PassingOverBlocksFindsWhatEveryEntryFinds) {
  std::mt19937 random(20261206);
  for (const bool sorted : {true, false}) {
    std::vector<Entry> entries;
    for (uint32_t i = 0; i < 3000; ++i)
      entries.push_back({RandomText(random, 10), {2 * i + 1}});
    if (sorted) {
      std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return CompareTexts(a.text.c_str(), b.text.c_str(), FoldTable()) < 0;
      });
      for (uint32_t i = 0; i < entries.size(); ++i)
        entries[i].records = {2 * i + 1};
    }
    Write(entries, 5000);
    list_.set_mapping(!sorted);
    Open(5000);
    for (int trial = 0; trial < 300; ++trial) {
      const std::string& t = entries[random() % entries.size()].text;
      std::string text;
      switch (trial % 3) {
        case 0:  // an entry, whole
          text = t;
          break;
        case 1:  // its beginning, or a term just past it
          text = t.substr(0, random() % (t.size() + 1)) + (random() % 2 ? "" : "\xff");
          break;
        default:  // alternatives
          text = t + ";" + RandomText(random, 3);
      }
      for (const Mode mode : {Mode::kEqual, Mode::kBeginsWith}) {
        ASSERT_EQ(Search(text, mode), ReferenceHits(entries, text, mode))
            << "text \"" << text << "\" mode " << static_cast<int>(mode) << " sorted " << sorted;
      }
    }
    list_.Close();
  }
}

TEST(FreeSearchBlockRange, HoldsWhatLiesBetweenItsLeastAndGreatestText) {
  std::vector<uint8_t> block;
  for (const std::string text : {"Bengt", "anders", "\xc5sa", "Per"}) {
    const std::vector<uint8_t> entry = EntryBytes(text, 1, 0);
    block.insert(block.end(), entry.begin(), entry.end());
  }
  // An entry cut short (no zero byte) is not in the range.
  for (const char c : std::string("\xd6rjan"))
    block.push_back(static_cast<uint8_t>(c));
  FreeSearchBlockRange range;
  range.Build(block);
  EXPECT_TRUE(range.BuiltFor(block.size()));
  EXPECT_FALSE(range.BuiltFor(block.size() - 1));
  const auto may_hold = [&](const std::string& term, bool prefix) {
    return range.MayHold(MapText(term, FoldTable()), prefix);
  };
  EXPECT_TRUE(may_hold("ANDERS", false));  // the least
  EXPECT_TRUE(may_hold("\xe5SA", false));  // the greatest, in either case
  EXPECT_TRUE(may_hold("CARL", false));    // between: may be there
  EXPECT_FALSE(may_hold("ANDER", false));
  EXPECT_TRUE(may_hold("ANDER", true));
  EXPECT_TRUE(may_hold("A", true));
  EXPECT_FALSE(may_hold("AA", true));
  EXPECT_FALSE(may_hold("\xc5T", true));
  EXPECT_FALSE(may_hold("\xd6RJAN", false));
  EXPECT_FALSE(may_hold("\xd6", true));
  FreeSearchBlockRange empty;
  empty.Build({});
  EXPECT_FALSE(empty.MayHold("", true));
}

}  // namespace
}  // namespace vx
