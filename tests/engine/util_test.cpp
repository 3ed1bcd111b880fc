// The engine's utilities: Windows-1252 upper-casing and conversions, the
// message sink and memory streams.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/util/cp1252.h"
#include "engine/util/message_collector.h"
#include "engine/util/message_sink.h"
#include "engine/util/stream.h"
#include "language/message_id.h"

namespace vx {
namespace {

TEST(UpperCase, UpperCasesAsWindowsDoes) {
  EXPECT_EQ(UpperCase("abc xyz 123"), "ABC XYZ 123");
  EXPECT_EQ(UpperCase("\xE5\xE4\xF6\xE9\xFC\xFE"), "\xC5\xC4\xD6\xC9\xDC\xDE");  // åäöéüþ
  EXPECT_EQ(UpperCase("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");                  // šœžÿ
  EXPECT_EQ(UpperCase("\xDF\xB5\xF7\xC5"), "\xDF\xB5\xF7\xC5");                  // ß µ ÷ Å stay
}

TEST(Cp1252ToUtf8, ConvertsEveryByteAndRoundTrips) {
  EXPECT_EQ(Cp1252ToUtf8("A\x80"), "A\xE2\x82\xAC");                    // €
  EXPECT_EQ(Cp1252ToUtf8("\x81\x9F\xE5"), "\xC2\x81\xC5\xB8\xC3\xA5");  // U+0081 Ÿ å

  std::string all;
  for (int b = 0; b < 256; ++b)
    all.push_back(static_cast<char>(b));
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  std::string back;
  ASSERT_TRUE(Utf8ToCp1252(utf8, back));
  EXPECT_EQ(back, all);
}

TEST(Utf8ToCp1252, ReportsTheFirstOffendingCharacter) {
  const struct {
    std::string text;
    size_t offset;
    std::string converted_before;
    bool valid;
  } cases[] = {
      {"ab\xC4\x80z", 2, "ab", true},         // U+0100 is not in the code page
      {"\xC2\x80", 0, "", true},              // U+0080 neither
      {"ok\xF0\x9F\x98\x80", 2, "ok", true},  // U+1F600, valid but not convertible
      {"abc\xC3", 3, "abc", false},           // truncated
      {"a\xC0\xAF", 1, "a", false},           // overlong '/'
      {"xy\xED\xA0\x80", 2, "xy", false},     // surrogate
      {"\xF4\x90\x80\x80", 0, "", false},     // beyond U+10FFFF
      {"\xC3\xA5\xC3(", 2, "\xE5", false},    // å, then a lead byte without continuation
  };
  for (const auto& c : cases) {
    std::string out;
    size_t offset = 99;
    EXPECT_FALSE(Utf8ToCp1252(c.text, out, &offset)) << c.text;
    EXPECT_EQ(offset, c.offset) << c.text;
    EXPECT_EQ(out, c.converted_before) << c.text;
    EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
  }
}

TEST(MessageSink, DefaultWritesUtf8LinesToStandardErrorAndScopedSinksNestAndRestore) {
  ::testing::internal::CaptureStderr();
  ReportMessage("Kan inte \xF6ppna\rvaxors101");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Kan inte \xC3\xB6ppna\nvaxors101\n");
  std::vector<std::string> outer, inner;
  {
    ScopedMessageSink a([&](const std::string& text) { outer.push_back(text); });
    {
      ScopedMessageSink b([&](const std::string& text) { inner.push_back(text); });
      ReportMessage("1");
    }
    ReportMessage("2");
    // A sink may replace itself while it runs.
    SetMessageSink([&](const std::string& text) {
      outer.push_back("once " + text);
      SetMessageSink([&](const std::string& later) { outer.push_back(later); });
    });
    ReportMessage("3");
    ReportMessage("4");
  }
  EXPECT_EQ(inner, std::vector<std::string>{"1"});
  EXPECT_EQ(outer, (std::vector<std::string>{"2", "once 3", "4"}));
  ::testing::internal::CaptureStderr();
  ReportMessage("5");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "5\n");
}

// A message reported as data stays data in a collector, so that its status
// can say it in either language; a sink of texts gets it in the message
// language.
TEST(MessageSink, AMessageAsDataReachesEachSinkAsItTakesIt) {
  const Message row{MessageId::EngineRowMissing, {"7", "vaxor0001l1.i"}};
  {
    MessageCollector collector;
    ReportMessage(row);
    ReportMessage(row);
    const Status status = collector.status();
    EXPECT_EQ(status.message(),
              "Rad 7 finns inte i vaxor0001l1.i. (Ytterligare 1 meddelanden under samma "
              "\xE5tg\xE4rd visas inte.)");
    EXPECT_EQ(status.Text(Language::kEnglish),
              "Row 7 is not in vaxor0001l1.i. (1 more messages during the same operation are not "
              "shown.)");
  }
  std::vector<std::string> texts;
  ScopedMessageSink sink([&](const std::string& text) { texts.push_back(text); });
  ReportMessage(row);
  SetMessageLanguage(Language::kEnglish);
  ReportMessage(row);
  SetMessageLanguage(Language::kSwedish);
  EXPECT_EQ(texts, (std::vector<std::string>{"Rad 7 finns inte i vaxor0001l1.i.",
                                             "Row 7 is not in vaxor0001l1.i."}));
}

TEST(MemoryStream, WritesGrowAndReadsStopAtTheEnd) {
  TMemoryStream s;
  EXPECT_EQ(s.Write("abc", 3), 3u);
  s.Seek(1);
  EXPECT_EQ(s.Write("XYZ", 3), 3u);  // overwrites "bc" and grows by one
  EXPECT_EQ(s.Size(), 4u);
  s.Seek(0);
  char buffer[8] = {};
  EXPECT_EQ(s.Read(buffer, sizeof buffer), 4u);
  EXPECT_STREQ(buffer, "aXYZ");
  EXPECT_EQ(s.Read(buffer, 1), 0u);
  s.Seek(100);
  EXPECT_EQ(s.Position(), 4u);
}

}  // namespace
}  // namespace vx
