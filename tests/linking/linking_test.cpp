// Records of one life found from each other in a small register set made
// by hand: each rule on a record made for it, with the score and the
// reasons that the rules' table gives; and the listing of what was found.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/util/cp1252.h"
#include "imaging/cell_attribute.h"
#include "linking/link_finder.h"
#include "linking/link_listing.h"
#include "linking/link_scoring.h"
#include "linking/link_table.h"
#include "linking/patronymic.h"
#include "linking/person_facts.h"
#include "tests/support/search_fixture.h"

namespace vx {
namespace {

using testing::Fields;
using testing::OpenSet;
using testing::W;

constexpr const char* kAnders =
    "ENAMN=Persson|FNAMN=Anders|GENUS=m|FODAT=17610312|FORSKX=Hjo|FARFNAMN=Per|"
    "FARENAMN=Andersson|MORFNAMN=Maria|MORENAMN=Olsdotter|LOKALID=F1";

// F1 Anders Persson, a patronymic child of V1; F2 his sister; F3 and F4
// two Nils Larsson of 1770 with different fathers; F5 a bride of V2 under
// her own surname; F6 a son without a surname, an Olsson by his father
// Olof; F7 an Isaksson whose spellings differ from D5's; F8 a son buried
// before he was named (D6), and D7 a namesake of his birth date who died
// in another parish.
testing::Tables LifeTables() {
  return {{1,
           {Fields(kAnders),
            Fields("ENAMN=Persdotter|FNAMN=Karin|GENUS=k|FODAT=17640101|FORSKX=Hjo|FARFNAMN=Per|"
                   "FARENAMN=Andersson|MORFNAMN=Maria|MORENAMN=Olsdotter|LOKALID=F2"),
            Fields("ENAMN=Larsson|FNAMN=Nils|GENUS=m|FODAT=17700000|FORSKX=Tun|FARFNAMN=Lars|"
                   "FARENAMN=Eriksson|MORFNAMN=Karin|LOKALID=F3"),
            Fields("ENAMN=Larsson|FNAMN=Nils|GENUS=m|FODAT=17700000|FORSKX=Tun|FARFNAMN=Lars|"
                   "FARENAMN=Svensson|MORFNAMN=Anna|LOKALID=F4"),
            Fields("ENAMN=Andersdotter|FNAMN=Maria|GENUS=k|FODAT=17650505|FORSKX=Hjo|"
                   "FARFNAMN=Anders|FARENAMN=Jonsson|MORFNAMN=Brita|LOKALID=F5"),
            Fields("FNAMN=Erik|GENUS=m|FODAT=17800101|FARFNAMN=Olof|FARENAMN=Eriksson|"
                   "MORFNAMN=Stina|LOKALID=F6"),
            Fields("ENAMN=Isaksson|ENAMNO=Isacsson|FNAMN=Johannes|GENUS=m|FODAT=17900202|"
                   "LOKALID=F7"),
            Fields("ENAMN=Nilsson|FNAMN=Olof|GENUS=m|FODAT=17660707|FORSKX=Hjo|FARFNAMN=Nils|"
                   "FARENAMN=Jonsson|MORFNAMN=Kerstin|LOKALID=F8")}},
          {2,
           {Fields("MFNAMN=Per|MENAMN=Andersson|KFNAMN=Maria|KENAMN=Olsdotter|VIGDDAT=17600601|"
                   "FORSKX=Hjo|LOKALID=V1"),
            Fields("MFNAMN=Johan|MENAMN=Berg|KFNAMN=Maria|KENAMN=Andersdotter|KALDER=24|"
                   "VIGDDAT=17891010|FORSKX=Hjo|LOKALID=V2")}},
          {3,
           {Fields("FNAMN=Anders|ENAMN=Persson|GENUS=m|ALDER=63|DODAT=18240501|FORSKX=Hjo|"
                   "LOKALID=D1"),
            Fields("FNAMN=Nils|ENAMN=Larsson|GENUS=m|FODAT=17700000|DODAT=18300101|FORSKX=Tun|"
                   "ANF1RELAT=fader|ANF1FNAMN=Lars|ANF1ENAMN=Eriksson|LOKALID=D3"),
            Fields("FNAMN=Erik|ENAMN=Olsson|GENUS=m|FODAT=17800101|DODAT=18400101|LOKALID=D4"),
            Fields("FNAMN=Johannes|ENAMN=Isaksson|ENAMNO=Isachsson|GENUS=m|FODAT=17900202|"
                   "DODAT=18500101|LOKALID=D5"),
            Fields("ENAMN=Nilsson|GENUS=m|FODAT=17660707|DODAT=17660709|ALDER=2 dagar|FORSKX=Hjo|"
                   "ANF1RELAT=fader|ANF1FNAMN=Nils|ANF1ENAMN=Jonsson|LOKALID=D6"),
            Fields("FNAMN=Olof|ENAMN=Nilsson|GENUS=m|FODAT=17660707|DODAT=18200101|FORSKX=Tun|"
                   "LOKALID=D7")}}};
}

struct Reason {
  Evidence evidence;
  const char* first = nullptr;  // UTF-8
  const char* second = nullptr;
};

// The record shown and a candidate of one kind, by their Lokal-IDs.
struct Link {
  int shown_register;
  const char* shown;
  LinkKind kind;
  const char* candidate;
};

struct LinkCase {
  Link link;
  std::vector<Reason> reasons;
};

using enum Evidence;

std::vector<LinkCase> Cases() {
  using enum LinkKind;
  return {
      // An age instead of a date.
      {{1, "F1", kDeath, "D1"},
       {{kSameGivenNames}, {kSameSurname}, {kAgeMatchesBirth, "63", "1761"}, {kSameParish}}},
      // A patronymic child of the couple.
      {{2, "V1", kChild, "F1"},
       {{kSameFather, "Per Andersson"},
        {kSameMother, "Maria Olsdotter"},
        {kPatronymicSurname, "Persson", "Per"},
        {kSameParish},
        {kBornInMarriage, "1", "efter"}}},
      {{1, "F1", kSibling, "F2"},
       {{kSameFather, "Per Andersson"},
        {kSameMother, "Maria Olsdotter"},
        {kSameParish},
        {kSiblingYears, "3", "efter"}}},
      // A bride under her own surname, from her birth and back.
      {{1, "F5", kMarriage, "V2"},
       {{kSameGivenNames}, {kSameSurname}, {kAgeMatchesBirth, "24", "1765"}, {kSameParish}}},
      {{2, "V2", kWifeBirth, "F5"},
       {{kSameGivenNames}, {kSameSurname}, {kAgeMatchesBirth, "24", "1765"}, {kSameParish}}},
      // A son named by his father Olof only in his death.
      {{1, "F6", kDeath, "D4"},
       {{kSameGivenNames}, {kPatronymicSurname, "Olsson", "Olof"}, {kSameBirthDate}}},
      // A child buried before it was named, by its birth date.
      {{1, "F8", kDeath, "D6"},
       {{kSameSurname}, {kSameBirthDate}, {kSameFather, "Nils Jonsson"}, {kSameParish}}},
      {{3, "D6", kBirth, "F8"},
       {{kSameSurname}, {kSameBirthDate}, {kSameFather, "Nils Jonsson"}, {kSameParish}}},
      // Two spellings joined by the normalised form.
      {{3, "D5", kBirth, "F7"}, {{kSameGivenNames}, {kSameSurname}, {kSameBirthDate}}},
      // Two Nils Larsson of 1770 told apart by their fathers.
      {{3, "D3", kBirth, "F3"},
       {{kSameGivenNames},
        {kSameSurname},
        {kSameBirthYear},
        {kSameFather, "Lars Eriksson"},
        {kSameParish}}},
      {{3, "D3", kBirth, "F4"},
       {{kSameGivenNames}, {kSameSurname}, {kSameBirthYear}, {kOtherFather}, {kSameParish}}},
  };
}

class Linking : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { set_ = new OpenSet(LifeTables()); }
  static void TearDownTestSuite() { delete set_; }
  void SetUp() override { ASSERT_TRUE(set_->built()); }

  static std::vector<LinkCandidate> CandidatesOf(int register_number, const char* lokalid) {
    std::vector<LinkCandidate> candidates;
    const uint32_t record = RecordOfLokalId(set_->evf(), register_number, lokalid);
    EXPECT_NE(record, 0u) << lokalid;
    EXPECT_TRUE(FindLinkCandidates(set_->evf(), register_number, record, candidates).ok());
    return candidates;
  }

  static std::vector<std::string> LokalIds(const std::vector<LinkCandidate>& candidates,
                                           LinkKind kind) {
    std::vector<std::string> ids;
    for (const LinkCandidate& candidate : candidates)
      if (candidate.kind == kind) ids.push_back(candidate.lokalid);
    return ids;
  }

  static inline OpenSet* set_ = nullptr;
};

TEST_F(Linking, EachRuleGivesTheTablesPointsAndReasons) {
  for (const LinkCase& c : Cases()) {
    const Link& l = c.link;
    SCOPED_TRACE(std::string(l.shown) + " -> " + l.candidate);
    std::vector<std::string> reasons;
    int points = 0;
    for (const Reason& reason : c.reasons) {
      reasons.push_back(ReasonText(reason.evidence, reason.first ? W(reason.first) : "",
                                   reason.second ? W(reason.second) : ""));
      points += RuleOf(reason.evidence).points;
    }
    const std::vector<LinkCandidate> candidates = CandidatesOf(l.shown_register, l.shown);
    const LinkCandidate* found = nullptr;
    for (const LinkCandidate& candidate : candidates)
      if (candidate.kind == l.kind && candidate.lokalid == l.candidate) found = &candidate;
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->reasons, reasons);
    EXPECT_EQ(found->score, std::clamp(points, 0, 100));
  }
}

TEST_F(Linking, EachKindFindsOnlyTheLivesThatFit) {
  const struct {
    int shown_register;
    const char* shown;
    LinkKind kind;
    std::vector<std::string> found;
  } cases[] = {
      {1, "F1", LinkKind::kDeath, {"D1"}},
      {1, "F1", LinkKind::kMarriage, {}},  // V1 is his father's wedding
      {1, "F2", LinkKind::kSibling, {"F1"}},
      {1, "F3", LinkKind::kSibling, {}},          // F4 has another mother
      {2, "V1", LinkKind::kChild, {"F2", "F1"}},  // equal scores: register order
      {2, "V1", LinkKind::kHusbandBirth, {}},
      {2, "V2", LinkKind::kWifeDeath, {}},
      {3, "D1", LinkKind::kBirth, {"F1"}},
      {3, "D3", LinkKind::kBirth, {"F3", "F4"}},  // the parents tell namesakes apart
      {1, "F8", LinkKind::kDeath, {"D6", "D7"}},  // the father outweighs the name
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LokalIds(CandidatesOf(c.shown_register, c.shown), c.kind), c.found)
        << c.shown << " " << KindKey(c.kind);
  }
}

TEST(Patronymics, FollowTheFathersFirstName) {
  const struct {
    const char* father;
    char sex;
    const char* patronymic;
  } cases[] = {{"Anders", 'm', "Andersson"},  {"Anders", 'k', "Andersdotter"},
               {"Per Johan", 'm', "Persson"}, {"Olof", 'k', "Olsdotter"},
               {"Nils", 'm', "Nilsson"},      {"", 'm', ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(Patronymic(c.father, c.sex), c.patronymic) << c.father;
    if (*c.father == '\0') continue;
    const std::vector<std::string> fathers = FathersOfPatronymic(c.patronymic);
    EXPECT_NE(std::find(fathers.begin(), fathers.end(), NameWords(c.father).front()), fathers.end())
        << c.patronymic;
  }
  EXPECT_TRUE(FathersOfPatronymic("Berg").empty());
}

TEST(Ages, GiveWholeYearsOrDaysWithinTheirUnit) {
  EXPECT_EQ(YearsOfAge("64"), 64);
  EXPECT_EQ(YearsOfAge(W("2 år 3 mån")), 2);
  EXPECT_EQ(YearsOfAge(W("7 mån")), 0);
  EXPECT_EQ(YearsOfAge("3 dagar"), 0);
  EXPECT_EQ(YearsOfAge("saknas"), -1);
  // In days, weeks and months, days within their unit.
  const struct {
    const char* age;  // UTF-8
    int days;
    int slack;
  } cases[] = {{"3 dagar", 3, 1},       {"1 dag", 1, 1}, {"5 v", 35, 7},   {"7 mån", 210, 31},
               {"2 år 3 mån", 820, 31}, {"64", -1, 0},   {"saknas", -1, 0}};
  for (const auto& c : cases) {
    int slack = 0;
    EXPECT_EQ(DaysOfAge(W(c.age), slack), c.days) << c.age;
    if (c.days >= 0) {
      EXPECT_EQ(slack, c.slack) << c.age;
    }
  }
  EXPECT_EQ(DaysBetween("17610312", "17620312"), 365);
  EXPECT_EQ(DaysBetween("17640228", "17640301"), 2);  // a leap year
}

// The window "Möjliga samband" without the window: the rows its list shows
// for candidates given in any order, their texts and looks, and the record
// Enter shows from each row.
LinkCandidate Candidate(LinkKind kind, int register_number, uint32_t record, int score,
                        const char* name, std::vector<std::string> reasons = {}) {
  LinkCandidate c;
  c.kind = kind;
  c.register_number = register_number;
  c.record = record;
  c.lokalid = "L" + std::to_string(record);
  c.score = c.points = score;
  c.name = W(name);
  c.date = "18240501";
  c.parish = "Hjo";
  c.reasons = std::move(reasons);
  return c;
}

// A birth's candidates out of order: siblings before the death, the
// weaker marriage before the stronger, two siblings of one score.
LinkListing BirthListing() {
  return LinkListing(W("Persson, Anders\r17610312"),
                     {Candidate(LinkKind::kSibling, 1, 9, 70, "Persdotter, Karin"),
                      Candidate(LinkKind::kMarriage, 2, 4, 40, "Persson, Anders och Berg, Anna"),
                      Candidate(LinkKind::kSibling, 1, 3, 70, "Persson, Nils"),
                      Candidate(LinkKind::kDeath, 3, 2, 85, "Persson, Anders",
                                {W("samma förnamn"), W("ålder 63 år stämmer med född 1761")}),
                      Candidate(LinkKind::kMarriage, 2, 7, 60, "Persson, Anders och Ek, Brita")});
}

// Each row as "kind:record" ("Död" for a heading), top to bottom.
std::vector<std::string> RowsOf(const LinkListing& listing) {
  std::vector<std::string> rows;
  for (int row = 0; row < listing.RowCount(); ++row) {
    const LinkRow& r = *listing.Row(row);
    rows.push_back(r.heading()
                       ? std::string(KindKey(r.kind))
                       : std::string(KindKey(r.kind)) + ":" +
                             std::to_string(listing.candidates()[size_t(r.candidate)].record));
  }
  return rows;
}

// Headings are bold in navy, candidates indented under them.
TEST(LinkListing, GroupsByKindUnderHeadingsBestFirstTiesInRegisterOrder) {
  const LinkListing listing = BirthListing();
  EXPECT_EQ(RowsOf(listing),
            (std::vector<std::string>{"dod", "dod:2", "vigsel", "vigsel:7", "vigsel:4", "syskon",
                                      "syskon:3", "syskon:9"}));
  EXPECT_EQ(listing.Row(2)->in_kind, 2);
  EXPECT_EQ(listing.Row(8), nullptr);
  EXPECT_EQ(listing.Row(-1), nullptr);
  const CellAttribute heading = DecodeCellAttribute(listing.CellAttribute(0));
  EXPECT_TRUE(heading.bold);
  EXPECT_EQ(CellColour(heading.text_colour), theme::kNavy);
  EXPECT_EQ(heading.indent_level, 0);
  const CellAttribute candidate = DecodeCellAttribute(listing.CellAttribute(1));
  EXPECT_FALSE(candidate.bold);
  EXPECT_EQ(candidate.text_colour, 0);
  EXPECT_EQ(candidate.indent_level, 1);
}

TEST(LinkListing, EachCellAndHeadingSaysWhatItsColumnHolds) {
  const LinkListing listing = BirthListing();
  EXPECT_EQ(listing.ShownText(), W("För Persson, Anders, 1761-03-12"));
  EXPECT_EQ(listing.CountText(), W("5 möjliga samband"));
  const struct {
    int row;
    int column;
    const char* drawn;  // UTF-8
    const char* read;
  } kCells[] = {
      {0, kLinkNameColumn, "Död (1)", "Död (1)"},
      {0, kLinkScoreColumn, "", ""},
      {1, kLinkNameColumn, "Persson, Anders", "Persson, Anders"},
      {1, kLinkDateColumn, "1824-05-01", "1824-05-01"},
      {1, kLinkParishColumn, "Hjo", "Hjo"},
      {1, kLinkScoreColumn, "\t85", "85 poäng"},
      {1, kLinkReasonsColumn, "samma förnamn; ålder 63 år stämmer med född 1761",
       "samma förnamn; ålder 63 år stämmer med född 1761"},
      {2, kLinkNameColumn, "Vigsel (2)", "Vigsel (2)"},
      {1, kLinkColumnCount, "", ""},
  };
  for (const auto& cell : kCells) {
    EXPECT_EQ(listing.CellText(cell.row, cell.column), W(cell.drawn))
        << cell.row << "," << cell.column;
    EXPECT_EQ(listing.ReadableCellText(cell.row, cell.column), W(cell.read))
        << cell.row << "," << cell.column;
  }
  EXPECT_EQ(listing.DetailText(1),
            W("85 poäng: samma förnamn; ålder 63 år stämmer med född 1761."));
  EXPECT_EQ(listing.DetailText(2), W("Vigsel: 2 poster, den mest sannolika först."));
  EXPECT_EQ(listing.DetailText(0), W("Död: 1 post, den mest sannolika först."));
  EXPECT_EQ(LinkColumnHeading(kLinkNameColumn), "Namn");
  EXPECT_EQ(LinkColumnHeading(kLinkParishColumn), W("Församling"));
  EXPECT_EQ(LinkColumnHeading(kLinkScoreColumn), W("\tPoäng"));  // over right-aligned scores
  EXPECT_EQ(LinkColumnHeading(kLinkReasonsColumn), W("Skäl"));
  EXPECT_EQ(LinkColumnHeading(kLinkColumnCount), "");
}

TEST(LinkListing, EnterShowsTheRowsCandidateOrTheBestUnderAHeading) {
  const LinkListing listing = BirthListing();
  const struct {
    int row;
    uint32_t record;  // 0: none
  } kChoices[] = {{0, 2}, {1, 2}, {2, 7}, {4, 4}, {5, 3}, {7, 9}, {8, 0}, {-1, 0}};
  for (const auto& choice : kChoices) {
    const LinkCandidate* chosen = listing.ChosenBy(choice.row);
    EXPECT_EQ(chosen == nullptr ? 0u : chosen->record, choice.record) << "row " << choice.row;
  }
}

TEST(LinkListing, NoCandidatesGiveNoRows) {
  const LinkListing listing(W("\r9999"), {});
  EXPECT_EQ(listing.RowCount(), 0);
  EXPECT_EQ(listing.ShownText(), W("För (Ingen namnuppgift)"));
  EXPECT_EQ(listing.CountText(), W("Inga möjliga samband hittades"));
  EXPECT_EQ(listing.ChosenBy(0), nullptr);
  EXPECT_EQ(listing.CellText(0, kLinkNameColumn), "");
  EXPECT_EQ(listing.DetailText(0), "");
  EXPECT_EQ(
      LinkListing(W("Berg, Anna\rdp 17450312"), {Candidate(LinkKind::kBirth, 1, 1, 50, "Berg")})
          .CountText(),
      W("1 möjligt samband"));
}

TEST(LinkListing, SpeaksEnglishForAnEnglishReader) {
  const LinkListing listing(W("Persson, Anders\r17610312"),
                            {Candidate(LinkKind::kDeath, 3, 2, 85, "Persson, Anders",
                                       {W("samma förnamn"), W("född 1 år efter")}),
                             Candidate(LinkKind::kMarriage, 2, 7, 60, "")},
                            Language::kEnglish);
  EXPECT_EQ(listing.ShownText(), "For Persson, Anders, 1761-03-12");
  EXPECT_EQ(listing.CountText(), "2 possible links");
  EXPECT_EQ(listing.CellText(0, kLinkNameColumn), "Death (1)");
  EXPECT_EQ(listing.CellText(3, kLinkNameColumn), "(No name given)");
  EXPECT_EQ(listing.ReadableCellText(1, kLinkScoreColumn), "85 points");
  EXPECT_EQ(listing.DetailText(1), "85 points: same first names; born 1 year after.");
  EXPECT_EQ(listing.DetailText(2), "Marriage: 1 record, the most likely first.");
  EXPECT_EQ(LinkListing(W("\r9999"), {}, Language::kEnglish).CountText(),
            "No possible links found");
  EXPECT_EQ(LinkColumnHeading(kLinkScoreColumn, Language::kEnglish), "\tScore");
  EXPECT_EQ(LinkColumnHeading(kLinkReasonsColumn, Language::kEnglish), "Reasons");
}

// Every rule's reason, as the scoring words it, reads in English with its
// names and numbers kept: a rule added without its English is caught here.
TEST(LinkListing, EveryReasonHasItsEnglish) {
  for (const EvidenceRule& rule : kLinkTable.rules) {
    const std::string swedish = ReasonText(rule.evidence, "Anders", "efter");
    const std::string english = Cp1252ToUtf8(ReasonInLanguage(swedish, Language::kEnglish));
    EXPECT_NE(english, Cp1252ToUtf8(swedish));
    EXPECT_EQ(english.find_first_of("\xC3"), std::string::npos) << english;  // å, ä, ö
    if (rule.reason.find("%1") != std::string_view::npos) {
      EXPECT_NE(english.find("Anders"), std::string::npos) << english;
    }
    EXPECT_EQ(ReasonInLanguage(swedish, Language::kSwedish), swedish);
  }
  const struct {
    const char* swedish;  // UTF-8
    const char* english;
  } kReasons[] = {
      {"född 3 år före vigseln", "born 3 years before the wedding"},
      {"född 1 år före vigseln", "born 1 year before the wedding"},
      {"född 2 år efter", "born 2 years after"},
      {"Andersson efter fadern Anders", "Andersson after the father Anders"},
      {"ålder 63 år stämmer med född 1761", "age 63 fits birth in 1761"},
      {"maken Per Nilsson i båda", "the husband Per Nilsson in both"},
      {"inget skäl som reglerna ger", "inget skäl som reglerna ger"},
  };
  for (const auto& reason : kReasons) {
    EXPECT_EQ(Cp1252ToUtf8(ReasonInLanguage(W(reason.swedish), Language::kEnglish)),
              reason.english);
  }
}

TEST(LinkListing, DatesAsTheHitListShowsThem) {
  EXPECT_EQ(ShownLinkDate("17450312"), "1745-03-12");
  EXPECT_EQ(ShownLinkDate("bg 17450312"), "bg 1745-03-12");
  EXPECT_EQ(ShownLinkDate("1745"), "1745");
  EXPECT_EQ(ShownLinkDate("9999"), "");
  EXPECT_EQ(ShownLinkDate("ly 9999"), "");
  EXPECT_EQ(ShownLinkDate(""), "");
}

}  // namespace
}  // namespace vx
