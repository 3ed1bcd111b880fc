// The session on copies of the bundled sample: what reaches the caller when
// the set is missing or damaged. Searching itself is checked through
// kuvo-sok's answers.
#include "session/session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/util/message_sink.h"
#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

const fs::path kSample = fs::path(VX_SAMPLE_SET);

// A copy of the sample register set with a kuvo.ini that names it.
class SampleCopy {
 public:
  SampleCopy() {
    fs::create_directory(dir_ / "data");
    for (const auto& entry : fs::directory_iterator(kSample))
      fs::copy_file(entry.path(), dir_ / "data" / entry.path().filename().string());
    WriteIni("hdbasen=" + (dir_ / "data").string() + "/");
  }
  void WriteIni(const std::string& hdbasen_line) const {
    const std::string text = "[hdbaser]\n" + hdbasen_line + "\n";
    testing::WriteFileBytes(ini(), std::vector<uint8_t>(text.begin(), text.end()));
  }
  fs::path ini() const { return dir_ / "kuvo.ini"; }
  fs::path file(const std::string& name) const { return dir_ / "data" / name; }

 private:
  testing::TempDir dir_;
};

TEST(Session, DamagedWordListGivesOneStatusNamingTheFile) {
  SampleCopy copy;
  // Every posting run of the births' first-name list is unreadable.
  const fs::path postings = copy.file("vaxor0001s106.b1");
  testing::WriteFileBytes(postings,
                          std::vector<uint8_t>(testing::ReadFileBytes(postings).size(), 0xFF));
  int sink_calls = 0;
  ScopedMessageSink sink([&](const std::string&) { ++sink_calls; });
  Session session;
  ASSERT_TRUE(session.Open(copy.ini()).ok());

  const Status status = session.SearchByForm(1, {FieldEntry::Typed("fn", "A*")});
  EXPECT_TRUE(status.IsCorruption());
  EXPECT_NE(status.message().find("vaxor0001s106.b1"), std::string::npos) << status.message();
  // Many rows met the damage; the caller hears of it once, in the status.
  EXPECT_NE(status.message().find(" (Ytterligare "), std::string::npos) << status.message();
  EXPECT_LE(sink_calls, 1);

  // The next search is not blamed for the last one's damage.
  EXPECT_TRUE(session.SearchByForm(1, {FieldEntry::Typed("en", "Berg*")}).ok());
}

TEST(Session, DamagedRecordBlockNamesTheRecordFileAndEmptiesTheRecordPanel) {
  SampleCopy copy;
  std::vector<uint8_t> records = testing::ReadFileBytes(copy.file("vaxor0001h3.b"));
  for (size_t at = 100; at < records.size(); at += 500)
    records[at] ^= 0x5A;
  testing::WriteFileBytes(copy.file("vaxor0001h3.b"), records);
  Session session;
  ASSERT_TRUE(session.Open(copy.ini()).ok());
  std::string text;
  const Status read = session.RecordText(3, 1, false, text);
  EXPECT_TRUE(read.IsCorruption());
  EXPECT_EQ(read.message().rfind("Skadad registerfil " + copy.file("vaxor0001h3.b").string(), 0),
            0u)
      << read.message();
  EXPECT_TRUE(text.empty());

  session.catalogue().PersonList(3).vald().SetAll();
  ResultTable table({session.TableRegister(1), session.TableRegister(2), session.TableRegister(3)},
                    session.shown_records());
  table.SetVisibleRows(20);
  const Status status = session.Guard([&] { return table.valjregister(3); });
  EXPECT_TRUE(status.IsCorruption());
  EXPECT_NE(status.message().find("vaxor0001h3.b"), std::string::npos) << status.message();
  EXPECT_TRUE(table.enabled());
  EXPECT_TRUE(table.record_view().empty());
}

TEST(Session, MissingSetAndWrongArguments) {
  SampleCopy copy;
  copy.WriteIni("hdbasen=/nonexistent/");
  Session session;
  const Status missing = session.Open(copy.ini());
  EXPECT_TRUE(missing.IsNotFound());
  EXPECT_FALSE(session.IsOpen());
  EXPECT_NE(missing.message().find("/nonexistent/vaxor0001"), std::string::npos)
      << missing.message();
  EXPECT_TRUE(session.Open(copy.ini().string() + ".saknas").IsNotFound());

  copy.WriteIni("hdbasen=" + copy.file("").string());
  ASSERT_TRUE(session.Open(copy.ini()).ok());
  std::vector<HitRow> rows;
  EXPECT_TRUE(session.Hits(0, false, rows).IsInvalidArgument());
  EXPECT_TRUE(session.Hits(4, false, rows).IsInvalidArgument());
  EXPECT_EQ(session.TableRegister(4).persons, nullptr);
  EXPECT_TRUE(session.SearchByForm(1, {FieldEntry::Typed("nosuch", "x")}).IsInvalidArgument());
  EXPECT_TRUE(session.SearchLokalId(1, "X0000").IsNotFound());
  std::string text;
  EXPECT_TRUE(session.RecordText(1, 0, false, text).IsNotFound());
  InformationText help;
  EXPECT_TRUE(session.HelpText("HJ000", help).ok());
  EXPECT_FALSE(help.texttext.empty());
  EXPECT_TRUE(session.HelpText("HJ999", help).IsNotFound());
}

// With English chosen the help texts come from the set's English store;
// with Swedish, or in a set without that store, from the Swedish one.
TEST(Session, HelpTextInTheChosenLanguageElseSwedish) {
  const struct {
    const char* what;
    Language language;
    bool english_store;
    const char* heading;
    const char* sentence;
  } cases[] = {
      {"English chosen", Language::kEnglish, true, "The main window",
       "The main window shows the register set's heading"},
      {"Swedish chosen", Language::kSwedish, true, "Huvudf\xF6nstret",
       "Huvudf\xF6nstret visar registrets rubrik"},
      {"a set without English help", Language::kEnglish, false, "Huvudf\xF6nstret",
       "Huvudf\xF6nstret visar registrets rubrik"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SampleCopy copy;
    ASSERT_TRUE(fs::exists(copy.file("vaxortexten.b")));
    if (!c.english_store) {
      for (const char* extension : {".b", ".p"})
        fs::remove(copy.file(std::string("vaxortexten") + extension));
    }
    Session session;
    session.SetLanguage(c.language);
    ASSERT_TRUE(session.Open(copy.ini()).ok());
    InformationText help;
    ASSERT_TRUE(session.HelpText("HJ001", help).ok());
    EXPECT_EQ(help.textkod, "HJ001");
    EXPECT_EQ(help.textrubrik, c.heading);
    EXPECT_NE(help.texttext.find(c.sentence), std::string::npos) << help.texttext.substr(0, 80);
    EXPECT_TRUE(session.HelpText("HJ999", help).IsNotFound());
  }
}

}  // namespace
}  // namespace vx
