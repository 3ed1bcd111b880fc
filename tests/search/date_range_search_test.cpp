// Date ranges over a date list of several blocks, against a scan of every
// row from the first; and the splitting of a date field's text.
#include "search/date_range_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/files/row_file.h"
#include "tests/support/search_fixture.h"

namespace vx {
namespace {

constexpr int kDateSlot = 4;

std::vector<int32_t> Bits(const Tvxsmalurval& selection) {
  std::vector<int32_t> bits;
  for (int32_t k = 0; selection.Next(k);)
    bits.push_back(k);
  return bits;
}

// The range as a scan from row 1 finds it: skip rows whose head is below
// `from`, then mark while the head is not above `to`.
std::vector<int32_t> ScannedRange(TVXstruktlista& dates, std::string from, std::string to,
                                  int32_t size) {
  if (to.empty() || from > to) to = from;
  Tvxsmalurval marked;
  marked.Resize(size);
  int32_t row = 1;
  for (; row <= dates.RowCount(); ++row) {
    dates.ReadRow(row);
    if (dates.RowText().substr(0, from.size()) >= from) break;
  }
  for (; row <= dates.RowCount(); ++row) {
    dates.ReadRow(row);
    if (dates.RowText().substr(0, to.size()) > to) break;
    dates.MarkRecords(marked);
  }
  return Bits(marked);
}

TEST(DateRangeSearch, FindsWhatAScanFromTheFirstRowFinds) {
  // 450 births on distinct dates of 1700-1849, some with unknown parts.
  const char* months[] = {"01", "06", "12", "00", "XX"};
  const char* days[] = {"15", "31", "00", "99"};
  std::vector<testing::SourceRecord> births;
  for (int i = 0; i < 450; ++i) {
    std::string date = std::to_string(1700 + i % 150);
    if (i % 7 != 0) date += months[i % 5];
    if (i % 7 != 0 && i % 11 != 0) date += days[i % 4];
    births.push_back({{"ENAMN", 'N' + std::to_string(i)}, {"FODAT", date}});
  }
  testing::OpenSet set({{1, births}});
  ASSERT_TRUE(set.built());
  TVXstruktlista& dates = *set.evf().soklistor(1, kDateSlot);
  ASSERT_GT(dates.RowCount(), 300);  // several blocks of 100 rows
  Tvxsmalurval marked;
  marked.Resize(450);
  for (const auto& [from, to] :
       std::vector<std::pair<std::string, std::string>>{{"1780", "1789"},
                                                        {"1600", "1700"},
                                                        {"1700", ""},
                                                        {"1849", "2100"},
                                                        {"17", "17"},
                                                        {"1750", "1740"},
                                                        {"175006", ""},
                                                        {"1750XX", "1760"},
                                                        {"17600615", "1761"},
                                                        {"", ""},
                                                        {"1600", "1699"},
                                                        {"1850", "2100"},
                                                        {"0", "9"}}) {
    marked.Clear();
    MarkDateRange(dates, from, to, marked);
    EXPECT_EQ(Bits(marked), ScannedRange(dates, from, to, 450)) << from << "-" << to;
  }
}

TEST(SplitDateField, EndsAndDefaults) {
  const auto split = [](std::string_view text, std::string_view lower) {
    const DateRange range = SplitDateField(text, lower);
    return range.from + "|" + range.to;
  };
  EXPECT_EQ(split(" 1780 - 1789 ", "1600"), "1780|1789");
  EXPECT_EQ(split("1780", "1600"), "1780|");
  EXPECT_EQ(split("-1789", "1800"), "1800|1789");
  EXPECT_EQ(split("1780-", "1600"), "1780|2100");
  EXPECT_EQ(split(" - ", "1600"), "1600|2100");
  EXPECT_EQ(split("   ", "1600"), "|");
  // Only the first '-' splits.
  EXPECT_EQ(split("1780-1789-1799", "1600"), "1780|1789-1799");
}

}  // namespace
}  // namespace vx
