// The window "Möjliga samband" without the window: the rows its list shows
// for candidates given in any order, their texts and looks, and the record
// Enter shows from each row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/util/cp1252.h"
#include "imaging/cell_attribute.h"
#include "linking/link_listing.h"
#include "linking/link_scoring.h"
#include "tests/support/text.h"

namespace vx {
namespace {

using testing::W;

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

TEST(LinkListing, GroupsByKindUnderHeadingsBestFirstTiesInRegisterOrder) {
  const LinkListing listing = BirthListing();
  EXPECT_EQ(RowsOf(listing),
            (std::vector<std::string>{"dod", "dod:2", "vigsel", "vigsel:7", "vigsel:4", "syskon",
                                      "syskon:3", "syskon:9"}));
  EXPECT_EQ(listing.Row(2)->in_kind, 2);
  EXPECT_EQ(listing.Row(8), nullptr);
  EXPECT_EQ(listing.Row(-1), nullptr);
}

TEST(LinkListing, EachCellSaysWhatItsColumnHolds) {
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
}

TEST(LinkListing, HeadingsAreBoldInNavyAndCandidatesIndented) {
  const LinkListing listing = BirthListing();
  const CellAttribute heading = DecodeCellAttribute(listing.CellAttribute(0));
  EXPECT_TRUE(heading.bold);
  EXPECT_EQ(CellColour(heading.text_colour), theme::kNavy);
  EXPECT_EQ(heading.indent_level, 0);
  const CellAttribute candidate = DecodeCellAttribute(listing.CellAttribute(1));
  EXPECT_FALSE(candidate.bold);
  EXPECT_EQ(candidate.text_colour, 0);
  EXPECT_EQ(candidate.indent_level, 1);
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

TEST(LinkListing, ColumnHeadingsNameWhatTheColumnsHold) {
  EXPECT_EQ(LinkColumnHeading(kLinkNameColumn), "Namn");
  EXPECT_EQ(LinkColumnHeading(kLinkParishColumn), W("Församling"));
  EXPECT_EQ(LinkColumnHeading(kLinkScoreColumn), W("\tPoäng"));  // over right-aligned scores
  EXPECT_EQ(LinkColumnHeading(kLinkReasonsColumn), W("Skäl"));
  EXPECT_EQ(LinkColumnHeading(kLinkColumnCount), "");
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
