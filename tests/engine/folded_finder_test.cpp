#include "engine/text/folded_finder.h"

#include <gtest/gtest.h>

#include <random>
#include <span>
#include <string>
#include <vector>

#include "engine/text/collation.h"

namespace vx {
namespace {

std::span<const uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// Every start from `from` on, compared byte by byte through FoldTable.
size_t NaiveFind(const std::string& pattern, const std::string& text, size_t from) {
  const CollationTable& fold = FoldTable();
  for (size_t p = from; p + pattern.size() <= text.size(); ++p) {
    size_t k = 0;
    while (k < pattern.size() &&
           fold[static_cast<uint8_t>(text[p + k])] == fold[static_cast<uint8_t>(pattern[k])])
      ++k;
    if (k == pattern.size()) return p;
  }
  return FoldedFinder::kNone;
}

TEST(FoldedFinder, FindsFoldedFormsAnywhereButNotPastTheEnd) {
  const std::string text = "Per Andersson och \xc9MILE M\xdcller i \xc5s";
  EXPECT_EQ(FoldedFinder("ANDERS").Find(Bytes(text), 0), 4u);
  EXPECT_EQ(FoldedFinder("emile").Find(Bytes(text), 0), 18u);
  EXPECT_EQ(FoldedFinder("myller i \xe5S").Find(Bytes(text), 0), 24u);
  EXPECT_EQ(FoldedFinder("\xe4s").Find(Bytes(text), 0), FoldedFinder::kNone);  // Ä is not Å
  EXPECT_EQ(FoldedFinder("son").Find(Bytes(text), 11), FoldedFinder::kNone);
  EXPECT_EQ(FoldedFinder("\xe5s ").Find(Bytes(text), 0), FoldedFinder::kNone);
  EXPECT_EQ(FoldedFinder("").Find(Bytes(text), 5), 5u);
  EXPECT_EQ(FoldedFinder("").Find(Bytes(text), text.size() + 1), FoldedFinder::kNone);
  EXPECT_EQ(FoldedFinder("x").Find({}, 0), FoldedFinder::kNone);
}

TEST(FoldedFinder, AgreesWithNaiveScanAcrossVectorBoundaries) {
  std::mt19937 random(7);
  // Bytes that share the case bit with letters, zeros, and accented forms.
  const std::string alphabet("aAeE\xe9\xc9sS\x9a\x8a\xdf\xff\x9f yY\xfc\xdc\0\x01-!\x41", 22);
  for (int trial = 0; trial < 3000; ++trial) {
    std::string text(random() % 70, ' ');
    for (char& c : text)
      c = alphabet[random() % alphabet.size()];
    std::string pattern(1 + random() % 4, ' ');
    for (char& c : pattern)
      c = alphabet[random() % alphabet.size()];
    if (random() % 3 == 0 && text.size() >= pattern.size()) {
      pattern = text.substr(text.size() - pattern.size());  // at the very end
    }
    const FoldedFinder finder(pattern);
    const size_t from = text.empty() ? 0 : random() % text.size();
    ASSERT_EQ(finder.Find(Bytes(text), from), NaiveFind(pattern, text, from))
        << "trial " << trial << " from " << from;
  }
}

TEST(FoldedFinder, EveryByteFindsEveryByteThatFoldsLikeIt) {
  std::string all(256, '\0');
  for (size_t c = 0; c < all.size(); ++c)
    all[c] = static_cast<char>(c);
  const std::string text = all + all;  // long enough for the widest vectors
  for (size_t c = 0; c < 256; ++c) {
    const std::string pattern(1, static_cast<char>(c));
    const FoldedFinder finder(pattern);
    std::vector<size_t> found;
    std::vector<size_t> expected;
    for (size_t at = finder.Find(Bytes(text), 0); at != FoldedFinder::kNone;
         at = finder.Find(Bytes(text), at + 1))
      found.push_back(at);
    for (size_t at = NaiveFind(pattern, text, 0); at != FoldedFinder::kNone;
         at = NaiveFind(pattern, text, at + 1))
      expected.push_back(at);
    ASSERT_EQ(found, expected) << "byte " << c;
  }
}

}  // namespace
}  // namespace vx
