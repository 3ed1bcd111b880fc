// The catalogue: the declared components and their files, and opening a
// register set built by the builder through it; the configuration read from
// kuvo.ini and the text routines.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_declaration.h"
#include "catalogue/configuration.h"
#include "catalogue/ini_file.h"
#include "catalogue/text_routines.h"
#include "engine/util/message_sink.h"
#include "tests/support/files.h"
#include "tests/support/search_fixture.h"
#include "tests/support/text.h"

namespace vx {
namespace {

TEST(CatalogueDeclaration, ListPropertiesByKind) {
  const ComponentDecl* parish = SearchListDecl(2, 1);
  EXPECT_EQ(parish->list.radmaxlen, 100);
  EXPECT_FALSE(parish->list.lzh);
  const ComponentDecl* dates = SearchListDecl(3, 6);
  EXPECT_EQ(dates->list.radmaxlen, 20);
  EXPECT_FALSE(dates->list.finnsurval);
  EXPECT_EQ(SearchListDecl(1, 19)->list.radmaxlen, 30);
  EXPECT_EQ(SearchListDecl(3, 16)->list.radmaxlen, 200);
  EXPECT_EQ(SearchListDecl(1, 7)->list.radmaxlen, 80);
  const ComponentDecl* persons = FindComponent("vaxorl2");
  EXPECT_EQ(persons->file_template, "vaxor0000l2");
  EXPECT_FALSE(persons->list.keepaccent);
  EXPECT_FALSE(persons->list.finnsBLOB);
  EXPECT_EQ(FindComponent("vaxors404")->free_search.urvalbufsiz, 1000000);
  EXPECT_EQ(FindComponent("vaxorlokaltext")->store.textmaxsiz, 80000);
  EXPECT_EQ(FindComponent("vaxortext")->store.lzh, TblobfilLZHmode::LZHpackainte);
}

TEST(CatalogueDeclaration, FreeSearchListsOfEachRegister) {
  auto names = [](int r) {
    std::vector<std::string> found;
    for (const ComponentDecl* c : FreeSearchListsOf(r))
      found.push_back(c->name);
    return found;
  };
  EXPECT_EQ(names(1), (std::vector<std::string>{"vaxors117", "vaxors118"}));
  // vaxors215 is declared but neither opened nor written.
  EXPECT_EQ(names(2), (std::vector<std::string>{"vaxors214"}));
  EXPECT_EQ(names(3), (std::vector<std::string>{"vaxors311", "vaxors312"}));
  EXPECT_TRUE(FreeSearchListsOf(4).empty());
  ASSERT_NE(FindComponent("vaxors215"), nullptr);
  EXPECT_FALSE(FindComponent("vaxors215")->free_search.in_use);
  EXPECT_EQ(FreeSearchListDecl(2, 15), nullptr);
  EXPECT_EQ(FreeSearchListDecl(1, 7), nullptr);  // a word list
  EXPECT_EQ(FreeSearchListDecl(1, 17)->free_search.urvalbufsiz, 32000);
}

TEST(CatalogueDeclaration, NamesAreUniqueAndFileTemplatesFollowThem) {
  std::set<std::string> names;
  for (const ComponentDecl& c : Catalogue()) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(names.insert(c.name).second);
    switch (c.kind) {
      case ComponentKind::kWordList:
      case ComponentKind::kFreeSearchList:
      case ComponentKind::kSortOrder:
        EXPECT_EQ(c.file_template, "vaxor0000" + c.name.substr(5));
        break;
      case ComponentKind::kRecordStore:
        if (c.store.register_number != 0) {
          EXPECT_EQ(c.file_template, "vaxor0000" + c.name.substr(5));
        } else if (c.name == kEnglishHelpTextStore) {
          EXPECT_EQ(c.file_template, "vaxortexten");  // shared, stored plainly
        } else {
          EXPECT_EQ(c.file_template, "vaxortext");  // both text stores' block lists
        }
        break;
      default:
        break;
    }
  }
  EXPECT_EQ(FindComponent(kOwnTextStore)->store.own_file_template, "vaxor0000text");
  EXPECT_EQ(FindComponent(kHelpTextStore)->store.own_file_template, "");
  EXPECT_EQ(FindComponent(kEnglishHelpTextStore)->store.lzh, TblobfilLZHmode::LZHpackainte);
  EXPECT_TRUE(IsHelpTextStore(kEnglishHelpTextStore));
  EXPECT_FALSE(IsHelpTextStore(kOwnTextStore));
  EXPECT_EQ(FindComponent(RecordStoreName(2))->store.antpc, 2);
  EXPECT_EQ(FindComponent(RecordStoreName(3))->store.antpc, 3);
  EXPECT_EQ(FindComponent("nothing"), nullptr);
}

// Opening a register set built by the builder through the catalogue.
class RecordingHooks : public ShellHooks {
 public:
  void DisableSearchButton(int r) override { disabled_search.push_back(r); }
  void DisableRegisterToggle(int r) override { greyed.push_back(r); }
  void InvalidateResultCache() override { ++invalidated; }
  std::vector<int> disabled_search, greyed;
  int invalidated = 0;
};

class CatalogueTest : public ::testing::Test {
 protected:
  void Build(const testing::Tables& tables, int number = 1) {
    ASSERT_TRUE(
        testing::BuildSet(dir_.path(), tables, "Testregistret\nEn underrubrik\nOm.\n", number));
  }
  Configuration Config(int number = 1) {
    Configuration config;
    config.huvudregister = number;
    config.regnr = RegisterSetNumber(number);
    config.hdbasen = (dir_ / "data").string() + "/";
    return config;
  }

  testing::TempDir dir_;
  RecordingHooks hooks_;
};

TEST_F(CatalogueTest, OpensEveryRegisterThatHasAPersonList) {
  Build({{1, {{{"ENAMN", "Berg"}, {"FNAMN", "Anna"}}, {{"ENAMN", "Ek"}}}},
         {2, {{{"MENAMN", "Ek"}}}},
         {3, {{{"ENAMN", "Ros"}}, {}, {}}}});
  TEVF evf;
  evf.oppnadatabas(Config(), hooks_);
  for (int r = 1; r <= 3; ++r)
    EXPECT_TRUE(evf.RegisterOn(r) && evf.RecordStore(r).Opened() && evf.DateOrder(r).Opened()) << r;
  EXPECT_EQ(evf.PersonList(1).RowCount(), 2);
  EXPECT_EQ(evf.RecordStore(3).RecordCount(), 3u);
  EXPECT_EQ(evf.sokur(1).Size(), 6);  // 2 + 1 + 3
  EXPECT_EQ(evf.sokur(3).Count(), 0);
  ASSERT_NE(evf.soklistor(1, 7), nullptr);
  EXPECT_TRUE(evf.soklistor(1, 7)->Opened());
  EXPECT_EQ(evf.soklistor(1, 7)->FindExact("Berg"), 1);
  EXPECT_EQ(evf.soklistor(1, 5), nullptr);
  EXPECT_TRUE(evf.FreeSearch("vaxors404")->Opened() && evf.FreeSearch("vaxors117")->Opened() &&
              evf.List("vaxornrm")->Opened() && evf.Store("vaxortext")->Opened());
  EXPECT_FALSE(evf.FreeSearch("vaxors215")->Opened());
  // A set built without English help texts opens without them.
  EXPECT_FALSE(evf.Store(kEnglishHelpTextStore)->Opened());
  EXPECT_FALSE(std::filesystem::exists(dir_ / "data/vaxortexten.b"));
  EXPECT_EQ(evf.rubrik(), "Testregistret");
  EXPECT_EQ(evf.underrubrik(), "En underrubrik");
  EXPECT_TRUE(hooks_.disabled_search.empty() && hooks_.greyed.empty());
  EXPECT_EQ(hooks_.invalidated, 1);

  evf.stangdatabas();
  EXPECT_FALSE(evf.PersonList(1).Opened());
  EXPECT_FALSE(evf.soklistor(1, 7)->Opened());
  evf.stangdatabas();  // closing twice does nothing more
}

TEST_F(CatalogueTest, OnlyBirthsPresent) {
  Build({{1, {{{"ENAMN", "Berg"}}, {{"ENAMN", "Ek"}}}}});
  TEVF evf;
  evf.oppnadatabas(Config(), hooks_);
  EXPECT_TRUE(evf.RegisterOn(1) && !evf.RegisterOn(2));
  EXPECT_EQ(hooks_.disabled_search, (std::vector<int>{2, 3}));
  EXPECT_EQ(hooks_.greyed, (std::vector<int>{2, 3}));
  EXPECT_TRUE(evf.soklistor(2, 7) == nullptr && evf.soklistor(1, 7) != nullptr);
  EXPECT_EQ(evf.sokur(2).Size(), 2);  // births only
  EXPECT_FALSE(evf.FreeSearch("vaxors214")->Opened());
}

TEST_F(CatalogueTest, RegisterSetNumberNamesTheFiles) {
  Build({{1, {{{"ENAMN", "Berg"}}}}, {3, {}}}, 7);
  TEVF evf;
  evf.oppnadatabas(Config(7), hooks_);
  EXPECT_EQ(evf.regnr(), "0007");
  EXPECT_TRUE(evf.RegisterOn(1));
  EXPECT_EQ(evf.soklistor(1, 7)->properties().filnamn, "vaxor0007s107");
  // A register with a person list but no records is on, with a greyed toggle.
  EXPECT_TRUE(evf.RegisterOn(3));
  EXPECT_EQ(hooks_.greyed, (std::vector<int>{2, 3}));
}

TEST_F(CatalogueTest, MissingFolderLeavesEverythingClosedAndCreatesNothing) {
  TEVF evf;
  Configuration config = Config();
  config.hdbasen = (dir_ / "saknas").string() + "/";
  std::filesystem::create_directories(dir_ / "saknas");
  evf.oppnadatabas(config, hooks_);
  EXPECT_EQ(hooks_.disabled_search, (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(evf.Store("vaxortext")->Opened());
  EXPECT_TRUE(std::filesystem::is_empty(dir_ / "saknas"));
  EXPECT_EQ(evf.sokur(1).Size(), 0);
}

TEST_F(CatalogueTest, RegisterNumbersOutsideOneToThreeGetClosedComponents) {
  Build({{1, {{{"ENAMN", "Berg"}}}}});
  TEVF evf;
  evf.oppnadatabas(Config(), hooks_);
  for (int r : {0, 4, -1}) {
    SCOPED_TRACE(r);
    // A debug build stops at the caller's fault; a release build goes on
    // with components that find and count nothing.
    TVXregtext* store = nullptr;
    EXPECT_DEBUG_DEATH(store = &evf.RecordStore(r), "register numbers");
    TVXstruktlista* persons = nullptr;
    EXPECT_DEBUG_DEATH(persons = &evf.PersonList(r), "register numbers");
    TVXsortordning* order = nullptr;
    EXPECT_DEBUG_DEATH(order = &evf.DateOrder(r), "register numbers");
    Tvxsmalurval* scratch = nullptr;
    EXPECT_DEBUG_DEATH(scratch = &evf.sokur(r), "scratch selections");
    bool on = true;
    EXPECT_DEBUG_DEATH(on = evf.RegisterOn(r), "register numbers");
    if (store == nullptr) continue;  // a debug build: nothing more to see
    EXPECT_FALSE(on || store->Opened() || store->ReadRecord(1).ok() || persons->Opened());
    EXPECT_EQ(std::tuple(store->RecordCount(), persons->RowCount(), persons->FindExact("Berg"),
                         order->Get(1), scratch->Size()),
              std::tuple(0u, 0, -1, -1, 0));
    // Whatever a caller did to them last time is undone at the next call.
    scratch->Resize(10);
    scratch->SetAll();
    persons->vald().Resize(5);
    EXPECT_EQ(evf.sokur(r).Size() + evf.PersonList(r).vald().Size(), 0);
    EXPECT_EQ(evf.soklistor(r, 7), nullptr);
  }
  // The registers themselves are untouched.
  EXPECT_TRUE(evf.RecordStore(1).Opened());
  EXPECT_EQ(evf.sokur(1).Size(), 1);
}

class MissingRegisterSet : public CatalogueTest {
 protected:
  Configuration ConfigIn(const std::string& written, const std::filesystem::path& resolved,
                         int number = 1) {
    Configuration config = Config(number);
    config.hdbasen_written = written;
    config.hdbasen = resolved.string();
    return config;
  }
};

TEST_F(MissingRegisterSet, NamesTheFileTheCatalogueLooksForFirst) {
  std::filesystem::create_directories(dir_ / "data");
  const Configuration config = ConfigIn("data/", dir_ / "data/");
  const std::string expected = (dir_ / "data" / "vaxor0001l1.i").string();
  EXPECT_EQ(MissingRegisterSetMessage(config),
            "Inga register hittades: " + expected + " finns inte.");
  EXPECT_EQ(PersonListPath(config.hdbasen, "0001", 1), expected);
  EXPECT_EQ(PersonListPath("/reg/", "0007", 3), "/reg/vaxor0007l3.i");
  EXPECT_NE(MissingRegisterSetMessage(ConfigIn("data/", dir_ / "data/", 12345))
                .find("vaxor12345l1.i finns inte."),
            std::string::npos);

  // That file alone turns births on: it is what the catalogue looks for.
  std::vector<std::string> messages;
  ScopedMessageSink sink([&](const std::string& text) { messages.push_back(text); });
  testing::WriteText(expected, "");
  TEVF evf;
  evf.oppnadatabas(config, hooks_);
  EXPECT_TRUE(evf.RegisterOn(1) && !evf.RegisterOn(2));
}

TEST_F(MissingRegisterSet, SuggestsTheSeparatorThatAFolderLacksInPathsReadAsWindows1252) {
  std::filesystem::create_directories(dir_ / "exempel");
  const std::string prefix = (dir_ / "exempel").string();
  EXPECT_EQ(MissingRegisterSetMessage(ConfigIn("exempel", prefix)),
            "Inga register hittades: " + prefix +
                "vaxor0001l1.i finns inte. Inst\xE4llningen hdbasen \"exempel\" \xE4r en mapp men "
                "slutar inte med \"/\" \x96 menade du \"exempel/\"?");
  // Written with backslashes, the suggestion keeps them.
  EXPECT_NE(MissingRegisterSetMessage(ConfigIn("reg\\exempel", prefix))
                .find("menade du \"reg\\exempel\\\"?"),
            std::string::npos);
  // No suggestion for a folder that does not exist or a name that is not a
  // folder.
  const std::string missing = (dir_ / "saknas").string();
  EXPECT_EQ(MissingRegisterSetMessage(ConfigIn("saknas", missing)),
            "Inga register hittades: " + missing + "vaxor0001l1.i finns inte.");
  testing::WriteText(dir_ / "fil", "");
  EXPECT_EQ(MissingRegisterSetMessage(ConfigIn("fil", dir_ / "fil")).find("menade"),
            std::string::npos);
  // Paths read as Windows-1252.
  std::filesystem::create_directories(dir_ / "\xC3\xA5r");  // "år" in UTF-8
  const std::string message = MissingRegisterSetMessage(ConfigIn("\xC3\xA5r", dir_ / "\xC3\xA5r"));
  EXPECT_NE(message.find("\xE5rvaxor0001l1.i finns inte."), std::string::npos) << message;
  EXPECT_NE(message.find("menade du \"\xE5r/\"?"), std::string::npos) << message;
}

// The configuration read from kuvo.ini, and the text routines.
TEST(IniFile, SectionsKeysAndIntegersAfterAnyByteOrderMark) {
  IniFile ini;
  ini.Parse(
      "; a comment\r\n[Databaser]\r\nHuvudRegister = 7 (sju)\r\n[hdbaser]\nhdbasen=D:\\reg\\\n"
      "[limits]\nutskrift=x\nutskrift=5\n[tom]\nnyckel=\n");
  EXPECT_EQ(ini.ReadInteger("databaser", "huvudregister", 1), 7);    // leading digits
  EXPECT_EQ(ini.ReadString("HDBASER", "HDBASEN", ""), "D:\\reg\\");  // backslashes kept
  EXPECT_EQ(ini.ReadInteger("limits", "utskrift", 50), 50);          // the first value counts
  EXPECT_EQ(ini.ReadString("tom", "nyckel", "standard"), "");
  EXPECT_EQ(ini.ReadString("tom", "saknas", "standard"), "standard");
  EXPECT_EQ(ini.ReadInteger("saknas", "saknas", -3), -3);
  // A byte order mark is no part of the first line.
  IniFile marked;
  marked.Parse("\xEF\xBB\xBF[Databaser]\nhuvudregister=7\n[hdbaser]\nhdbasen=reg/\n");
  EXPECT_EQ(marked.ReadInteger("databaser", "huvudregister", 1), 7);
  EXPECT_EQ(marked.ReadString("hdbaser", "hdbasen", ""), "reg/");
  // A first key before any section is found as well.
  IniFile keys_only;
  keys_only.Parse("\xEF\xBB\xBFnyckel=1\n");
  EXPECT_EQ(keys_only.ReadInteger("", "nyckel", 0), 1);
}

class Configure : public ::testing::Test {
 protected:
  Configuration Read(const std::string& text) {
    testing::WriteFileBytes(dir_ / "kuvo.ini", std::vector<uint8_t>(text.begin(), text.end()));
    return lasinifil(dir_ / "kuvo.ini");
  }
  std::string Dir() const { return std::filesystem::absolute(dir_.path()).string() + "/"; }
  testing::TempDir dir_;
};

TEST_F(Configure, DefaultsWithoutFileOrKeysElseNumbersAndDataPrefix) {
  Configuration config = lasinifil(dir_ / "saknas.ini");
  EXPECT_FALSE(config.ini_found);
  EXPECT_EQ(config.huvudregister, 1);
  EXPECT_EQ(config.regnr, "0001");
  EXPECT_EQ(config.maxutskrift, 50);
  EXPECT_EQ(config.hdbasen, Dir());  // the folder of the kuvo.ini
  config = Read("[databaser]\nhuvudregister=12345\n[limits]\nutskrift=0\n");
  EXPECT_EQ(config.regnr, "12345");
  EXPECT_EQ(config.maxutskrift, 0);
  // A plain prefix: no separator is added; backslashes are read as '/'.
  EXPECT_EQ(Read("[hdbaser]\nhdbasen=data\\reg\n").hdbasen, Dir() + "data/reg");
  // A file saved with a byte order mark and CR LF line ends reads alike.
  EXPECT_EQ(Read("\xEF\xBB\xBF[hdbaser]\r\nhdbasen=/srv/reg/\r\n").hdbasen, "/srv/reg/");
  EXPECT_EQ(Read("\xEF\xBB\xBF[databaser]\r\nhuvudregister=7\r\n").regnr, "0007");
  // As written, for messages about it.
  EXPECT_EQ(Read("[hdbaser]\nhdbasen=data\\reg\n").hdbasen_written, "data\\reg");
}

TEST(ProgramDirectoryTest, EndsWithASeparator) {
  const std::string dir = ProgramDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(dir));
}

using Items = std::vector<std::string>;

TEST(TextRoutines, WithoutMarkup) {
  EXPECT_EQ(utanmarkering(testing::W("[5][f]Berg, Anna[\\f]\rFödd [b 3]1745")),
            testing::W("Berg, Anna\rFödd 1745"));
  EXPECT_EQ(utanmarkering("a]b[c"), "a]b");  // an unclosed bracket drops the rest
  EXPECT_EQ(utanmarkering(""), "");
}

TEST(TextRoutines, PiecesWordsTrimsAndZeros) {
  EXPECT_EQ(delatext(" Anna ; Maria;Stina", ';'), (Items{"Anna", "Maria", "Stina"}));
  EXPECT_EQ(delatext("Anna;", ';'), (Items{"Anna", ""}));  // a final empty piece
  EXPECT_EQ(delatext("", ';'), (Items{""}));
  EXPECT_EQ(delatext(";;", ';'), (Items{"", "", ""}));
  EXPECT_EQ(delatext("a\tb", '\t'), (Items{"a", "b"}));
  // Words, trimming and zeros.
  EXPECT_EQ(ordlista("  Anna  Maria "), (Items{"Anna", "Maria"}));
  EXPECT_EQ(ordlista(";;A;B", ";"), (Items{"A", "B"}));
  EXPECT_TRUE(ordlista("   ").empty());
  EXPECT_EQ(trimtecken("**Berg*", "*"), "Berg");
  EXPECT_EQ(trimtecken("***", "*"), "");
  EXPECT_EQ(trimtecken(" x ", ""), " x ");
  EXPECT_EQ(nollfyll("7", 4), "0007");
  EXPECT_EQ(nollfyll("12345", 4), "12345");
  EXPECT_EQ(nollfyll("", 2), "00");
}

}  // namespace
}  // namespace vx
