// The message catalogue: both languages for every message, arguments
// filled in, and the generator that refuses a catalogue with a message
// lacking its English; and the choice of the language.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/util/cp1252.h"
#include "engine/util/message.h"
#include "engine/util/status.h"
#include "language/language.h"
#include "language/message_id.h"
#include "language/messages.h"
#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// The argument numbers a text uses.
std::set<char> Arguments(std::string_view text) {
  std::set<char> numbers;
  for (size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') numbers.insert(text[i + 1]);
  return numbers;
}

TEST(Catalogue, EveryMessageHasBothLanguagesWithTheSameArguments) {
  ASSERT_GT(kMessageCount, 0);
  std::set<std::string_view> names;
  for (int i = 0; i < kMessageCount; ++i) {
    const auto id = static_cast<MessageId>(i);
    const std::string_view name = MessageName(id);
    EXPECT_TRUE(names.insert(name).second) << name << " twice";
    const std::string_view swedish = MessageText(id, Language::kSwedish);
    const std::string_view english = MessageText(id, Language::kEnglish);
    EXPECT_FALSE(swedish.empty()) << name;
    EXPECT_FALSE(english.empty()) << name;
    EXPECT_EQ(Arguments(swedish), Arguments(english)) << name;
  }
}

// The core's texts are Windows-1252: every text of the catalogue has that
// form, and the engine's copy is it.
TEST(Catalogue, EveryTextHasAWindows1252Form) {
  for (int i = 0; i < kMessageCount; ++i) {
    const auto id = static_cast<MessageId>(i);
    for (Language language : {Language::kSwedish, Language::kEnglish}) {
      std::string text;
      EXPECT_TRUE(Utf8ToCp1252(MessageText(id, language), text)) << MessageName(id);
      EXPECT_EQ(CatalogueText(id, language), text) << MessageName(id);
    }
  }
}

TEST(Catalogue, AStatusAndASwedishTextSayTheirMessageInEitherLanguage) {
  const Status said =
      Status::Said(Status::Code::kNotFound, {MessageId::SearchLokalIdMissing, {"F1-\xC5"}});
  EXPECT_TRUE(said.IsNotFound());
  EXPECT_EQ(said.message(), "Lokal-ID F1-\xC5 finns inte!");
  EXPECT_EQ(said.Text(Language::kSwedish), said.message());
  EXPECT_EQ(said.Text(Language::kEnglish), "Local ID F1-\xC5 does not exist!");
  const Status copied = said;
  EXPECT_EQ(copied.Text(Language::kEnglish), said.Text(Language::kEnglish));
  // A message given as text stays as it was.
  const Status plain = Status::Corruption("Filen x \xE4r skadad");
  EXPECT_EQ(plain.Text(Language::kEnglish), plain.message());
  EXPECT_EQ(Status::OK().Text(Language::kEnglish), "");
  // A Swedish text of the catalogue finds its English.
  const std::string_view swedish = MessageText(MessageId::SearchLokalIdMissing, Language::kSwedish);
  EXPECT_EQ(TextOfSwedish(swedish, Language::kEnglish),
            MessageText(MessageId::SearchLokalIdMissing, Language::kEnglish));
  EXPECT_EQ(TextOfSwedish(swedish, Language::kSwedish), swedish);
  EXPECT_EQ(TextOfSwedish("Inte i katalogen", Language::kEnglish), "Inte i katalogen");
}

// A message may stand as an argument of another, nested or already said:
// the whole report is said in one language.
TEST(Catalogue, ReportsSayTheirSwedishAndTheirEnglish) {
  const struct {
    Message message;
    const char* swedish;
    const char* english;
  } cases[] = {
      {{MessageId::EnginePostingsDamagedIn,
        {"vaxor0001l1.p", "3", "9"},
        {{MessageId::EnginePostingsBadBlockLength, {"70000"}}}},
       "Skadad postningslista i vaxor0001l1.p: ogiltig blockl\xE4ngd 70000 efter 3 av 9 nummer.",
       "Damaged postings list in vaxor0001l1.p: invalid block length 70000 after 3 of 9 numbers."},
      {{MessageId::EngineMoreMessages, {"2", "Rad 5 finns inte i x.i."}},
       "Rad 5 finns inte i x.i. (Ytterligare 2 meddelanden under samma \xE5tg\xE4rd visas inte.)",
       "Rad 5 finns inte i x.i. (2 more messages during the same operation are not shown.)"},
      {{MessageId::PictureDamaged,
        {"4", "vaxbild.b"},
        {{MessageId::PictureRecordDamaged, {}, {{MessageId::PictureFieldCut, {}}}}}},
       "Skadad bild 4 i vaxbild.b: Bildposten \xE4r skadad: ett f\xE4lt \xE4r avklippt.",
       "Damaged picture 4 in vaxbild.b: The picture record is damaged: a field is cut off."},
  };
  for (const auto& c : cases) {
    const Status status = Status::Said(Status::Code::kCorruption, c.message);
    EXPECT_EQ(status.message(), c.swedish) << MessageName(c.message.id);
    EXPECT_EQ(status.Text(Language::kEnglish), c.english) << MessageName(c.message.id);
  }
}

TEST(Catalogue, FormattingFillsTheArgumentsInOnePass) {
  const struct {
    const char* pattern;
    std::initializer_list<std::string_view> args;
    const char* expected;
  } cases[] = {
      {"Lokal-ID %1 finns inte!", {"F1"}, "Lokal-ID F1 finns inte!"},
      {"%2 före %1", {"a", "b"}, "b före a"},
      {"%1%1", {"x"}, "xx"},
      {"%1 och %2", {"%2", "y"}, "%2 och y"},  // an argument is not read again
      {"%3 saknas", {"a"}, "%3 saknas"},
      {"100%", {}, "100%"},
      {"%", {"a"}, "%"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatMessage(c.pattern, c.args), c.expected) << c.pattern;
  EXPECT_EQ(Say(MessageId::LanguageValueWrong, Language::kEnglish, {"de"}),
            "--sprak must be sv (Swedish) or en (English), not \"de\"");
}

// The generator run on a small catalogue: what it writes, and what it
// refuses.
class CatalogueGenerator : public ::testing::Test {
 protected:
  testing::ProcessResult Run(const std::string& messages) {
    const std::string ts =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
        "<TS version=\"2.1\" language=\"en_GB\" sourcelanguage=\"sv_SE\">\n"
        "<context>\n<name>kuvo</name>\n" +
        messages + "</context>\n</TS>\n";
    testing::WriteFileBytes(dir_ / "test_en.ts",
                            {reinterpret_cast<const uint8_t*>(ts.data()), ts.size()});
    fs::create_directories(dir_.path() / "out" / "language");
    return testing::RunProcess(
        {VX_KATALOG, (dir_ / "test_en.ts").string(), (dir_ / "out").string()});
  }

  testing::TempDir dir_;
};

TEST_F(CatalogueGenerator, WritesTheIdsAndTheTexts) {
  const testing::ProcessResult result =
      Run("<message id=\"Hello\">\n<source>Hej &quot;%1&quot; &amp; välkommen</source>\n"
          "<translation>Hello &quot;%1&quot; &amp; welcome</translation>\n</message>\n");
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::vector<uint8_t> header =
      testing::ReadFileBytes(dir_.path() / "out/language/message_id.h");
  const std::vector<uint8_t> table = testing::ReadFileBytes(dir_.path() / "out/message_table.cpp");
  const std::string h(header.begin(), header.end()), t(table.begin(), table.end());
  EXPECT_NE(h.find("  Hello,\n"), std::string::npos) << h;
  EXPECT_NE(h.find("kMessageCount = 1;"), std::string::npos) << h;
  EXPECT_NE(t.find("\"Hej \\\"%1\\\" & välkommen\""), std::string::npos) << t;
  EXPECT_NE(t.find("\"Hello \\\"%1\\\" & welcome\""), std::string::npos) << t;
}

TEST_F(CatalogueGenerator, RefusesAMessageWithoutItsEnglish) {
  const struct {
    const char* message;
    const char* fault;
  } cases[] = {
      {"<message id=\"A\"><source>Hej</source><translation type=\"unfinished\"></translation>"
       "</message>\n",
       "A: the English translation is missing"},
      {"<message id=\"A\"><source>Hej</source><translation type=\"unfinished\">Hi</translation>"
       "</message>\n",
       "A: the English translation is unfinished"},
      {"<message id=\"A\"><source>Hej</source></message>\n",
       "A: the English translation is missing"},
      {"<message id=\"A\"><source>Hej</source><translation/></message>\n",
       "A: the English translation is missing"},
      {"<message id=\"A\"><source>Hej %1</source><translation>Hi</translation></message>\n",
       "A: the Swedish and the English text take different arguments"},
      {"<message><source>Hej</source><translation>Hi</translation></message>\n",
       "the message needs an id"},
      {"<message id=\"A\"><source>Hej</source><translation>Hi</translation></message>\n"
       "<message id=\"A\"><source>Hå</source><translation>Ho</translation></message>\n",
       "the id A is used twice"},
      {"<message id=\"A\"><source>Hej</source><translation>Hi</translation></message>\n"
       "<message id=\"B\"><source>Hej</source><translation>Hello</translation></message>\n",
       "B: the same Swedish text has another English translation"},
  };
  for (const auto& c : cases) {
    const testing::ProcessResult result = Run(c.message);
    EXPECT_EQ(result.exit_code, 1) << c.message;
    EXPECT_NE(result.err.find("test_en.ts:"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(c.fault), std::string::npos) << result.err;
  }
}

// Which language the programs speak: the locale's, or --sprak's.
constexpr Language kSv = Language::kSwedish;
constexpr Language kEn = Language::kEnglish;

TEST(LanguageChoice, TheLocaleAndTheOptionDecide) {
  const struct {
    LocaleVariables locale;  // LC_ALL, LC_MESSAGES, LANG
    std::vector<std::string> option;
    Language expected;
  } cases[] = {
      {{"", "", ""}, {}, kSv},  // no locale at all
      {{"", "", "C"}, {}, kSv},
      {{"", "", "POSIX"}, {}, kSv},
      {{"", "", "sv_SE.UTF-8"}, {}, kSv},
      {{"", "", "de_DE.UTF-8"}, {}, kSv},  // neither: Swedish
      {{"", "", "en_US.UTF-8"}, {}, kEn},
      {{"", "", "en_GB"}, {}, kEn},
      {{"", "", "en"}, {}, kEn},
      {{"", "en_US.UTF-8", "sv_SE.UTF-8"}, {}, kEn},  // LC_MESSAGES before LANG
      {{"", "sv_SE.UTF-8", "en_US.UTF-8"}, {}, kSv},
      {{"en_US.UTF-8", "sv_SE.UTF-8", "sv_SE.UTF-8"}, {}, kEn},  // LC_ALL before both
      {{"C", "en_US.UTF-8", "en_US.UTF-8"}, {}, kSv},
      {{"", "", "eng"}, {}, kEn},                         // begins with "en"
      {{"", "", "sv_SE.UTF-8"}, {"--sprak", "en"}, kEn},  // the option overrides
      {{"en_US.UTF-8", "", ""}, {"--sprak", "sv"}, kSv},
      {{"", "", ""}, {"--sprak=en"}, kEn},
      {{"en_US.UTF-8", "", ""}, {"--sprak=sv"}, kSv},
      {{"", "", ""}, {"--sprak", "sv", "--sprak", "en"}, kEn},  // the last one counts
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"fodda"};
    args.insert(args.end(), c.option.begin(), c.option.end());
    args.push_back("--visa");
    Language language = c.expected == kSv ? kEn : kSv;
    std::string error;
    ASSERT_TRUE(TakeLanguageOption(args, c.locale, language, error)) << error;
    EXPECT_EQ(language, c.expected) << c.locale.lc_all << "|" << c.locale.lc_messages << "|"
                                    << c.locale.lang << " " << c.option.size();
    EXPECT_EQ(args, (std::vector<std::string>{"fodda", "--visa"})) << "the option is taken out";
  }
}

TEST(LanguageChoice, AWrongOrMissingValueIsASwedishMessage) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--sprak", "de"}, "--sprak ska vara sv (svenska) eller en (engelska), inte \"de\""},
      {{"--sprak=EN"}, "--sprak ska vara sv (svenska) eller en (engelska), inte \"EN\""},
      {{"--sprak="}, "--sprak ska vara sv (svenska) eller en (engelska), inte \"\""},
      {{"fodda", "--sprak"}, "--sprak behöver ett värde: sv (svenska) eller en (engelska)"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    Language language = kSv;
    std::string error;
    EXPECT_FALSE(TakeLanguageOption(args, {"", "", "en_US.UTF-8"}, language, error));
    EXPECT_EQ(error, c.message);
  }
}

TEST(LanguageChoice, NamesBothWays) {
  for (Language language : {kSv, kEn}) {
    Language named = language == kSv ? kEn : kSv;
    EXPECT_TRUE(LanguageNamed(LanguageName(language), named));
    EXPECT_EQ(named, language);
  }
  Language unchanged = kSv;
  for (const char* name : {"", "SV", "svenska", "english", "en_US"})
    EXPECT_FALSE(LanguageNamed(name, unchanged)) << name;
}

}  // namespace
}  // namespace vx
