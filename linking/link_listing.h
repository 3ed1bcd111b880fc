// The window "Möjliga samband" without the window: the candidates of the
// record shown as the rows of one list, each kind under a heading row of
// its own, and what every row says. The window paints the cells and hands
// Enter and a double click here to learn which record to show.
//
// Rows and columns are 0-based. Texts are Windows-1252, the listing's own
// words (and the reasons) in the language it was made for.
#ifndef VX_LINKING_LINK_LISTING_H_
#define VX_LINKING_LINK_LISTING_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "language/language.h"
#include "linking/link_candidate.h"

namespace vx {

// The list's columns, left to right.
enum LinkColumn : int {
  kLinkNameColumn,
  kLinkDateColumn,
  kLinkParishColumn,
  kLinkScoreColumn,
  kLinkReasonsColumn,
  kLinkColumnCount
};

struct LinkRow {
  LinkKind kind = LinkKind::kDeath;
  int candidate = -1;  // into LinkListing::candidates(); -1: the kind's heading
  int in_kind = 0;     // the kind's candidates (a heading's count)
  bool heading() const { return candidate < 0; }
};

class LinkListing {
 public:
  LinkListing() = default;
  // `shown_row`: the person-list row of the record shown (name CR date).
  // The candidates are grouped by kind in LinkKind's order, best first
  // within a kind, ties in register order, whatever order they come in.
  LinkListing(std::string_view shown_row, std::vector<LinkCandidate> candidates,
              Language language = Language::kSwedish);

  const std::vector<LinkCandidate>& candidates() const { return candidates_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // Null outside the rows.
  const LinkRow* Row(int row) const;

  // Who the candidates are sought for: "För Persson, Anders, 1761-03-12".
  const std::string& ShownText() const { return shown_text_; }
  // "3 möjliga samband", "1 möjligt samband", "Inga möjliga samband hittades".
  std::string CountText() const;
  // What the grid draws in cell (row, column): a heading's caption and count
  // in the name column; a candidate's name, date (as the hit list shows
  // it), parish, score (right-aligned) and reasons joined by "; ".
  std::string CellText(int row, int column) const;
  // The same cell read aloud: whole, the score as "85 poäng".
  std::string ReadableCellText(int row, int column) const;
  // The cell's attribute word (imaging/cell_attribute.h): headings bold in
  // navy, candidates black, their names indented one step.
  uint32_t CellAttribute(int row) const;
  // The line under the list for the current row: a candidate's reasons in
  // full, a heading's kind and count.
  std::string DetailText(int row) const;
  // The record Enter or a double click on `row` shows: a candidate row's
  // own, on a heading the kind's best; null without rows.
  const LinkCandidate* ChosenBy(int row) const;

 private:
  Language language_ = Language::kSwedish;
  std::string shown_text_;
  std::vector<LinkCandidate> candidates_;
  std::vector<LinkRow> rows_;
};

// The heading of column 0..kLinkColumnCount-1: "Namn", "Datum",
// "Församling", "Poäng" (right-aligned, as the scores: after TAB), "Skäl"
// in `language`; empty for another.
std::string LinkColumnHeading(int column, Language language = Language::kSwedish);

// A stored date as the hit list shows it, dashes only between the parts
// there are: "1761-03-12", "dp 1761-03-12", "1761"; empty for an unknown
// date.
std::string ShownLinkDate(std::string_view stored);

}  // namespace vx

#endif  // VX_LINKING_LINK_LISTING_H_
