#include "linking/link_listing.h"

#include <algorithm>
#include <utility>

#include "imaging/cell_attribute.h"
#include "records/date_text.h"

namespace vx {
namespace {

constexpr std::string_view kNoName = "(Ingen namnuppgift)";
constexpr std::string_view kReasonSeparator = "; ";
constexpr int kHeadingColour = 4;  // navy in the cells' colour table

std::string NameOrNone(std::string_view name) {
  return name.empty() ? std::string(kNoName) : std::string(name);
}

std::string JoinedReasons(const std::vector<std::string>& reasons) {
  std::string text;
  for (const std::string& reason : reasons) {
    if (!text.empty()) text += kReasonSeparator;
    text += reason;
  }
  return text;
}

std::string HeadingText(const LinkRow& row) {
  return std::string(KindCaption(row.kind)) + " (" + std::to_string(row.in_kind) + ")";
}

// "1 post", "2 poster".
std::string RecordCount(int count) {
  return std::to_string(count) + (count == 1 ? " post" : " poster");
}

}  // namespace

std::string LinkColumnHeading(int column) {
  static constexpr std::string_view kHeadings[kLinkColumnCount] = {"Namn", "Datum", "F\xF6rsamling",
                                                                   "\tPo\xE4ng", "Sk\xE4l"};
  return column >= 0 && column < kLinkColumnCount ? std::string(kHeadings[column]) : std::string();
}

std::string ShownLinkDate(std::string_view stored) {
  std::string_view marker;
  if (stored.starts_with("bg ") || stored.starts_with("ly ") || stored.starts_with("dp ")) {
    marker = stored.substr(0, 3);
    stored.remove_prefix(3);
  }
  if (stored.empty() || IsUnknownDate(stored)) return {};
  std::string shown(marker);
  for (size_t i = 0; i < stored.size(); ++i) {
    if (i == 4 || i == 6) shown += '-';
    shown += stored[i];
  }
  return shown;
}

LinkListing::LinkListing(std::string_view shown_row, std::vector<LinkCandidate> candidates)
    : candidates_(std::move(candidates)) {
  const size_t cr = shown_row.find('\r');
  const std::string_view name = shown_row.substr(0, cr);
  const std::string date =
      cr == std::string_view::npos ? std::string() : ShownLinkDate(shown_row.substr(cr + 1));
  shown_text_ = "F\xF6r " + NameOrNone(name) + (date.empty() ? "" : ", " + date);

  std::stable_sort(candidates_.begin(), candidates_.end(), RanksBefore);
  size_t heading = 0;
  for (size_t i = 0; i < candidates_.size(); ++i) {
    const LinkKind kind = candidates_[i].kind;
    if (i == 0 || candidates_[i - 1].kind != kind) {
      heading = rows_.size();
      rows_.push_back({kind, -1, 0});
    }
    ++rows_[heading].in_kind;
    rows_.push_back({kind, static_cast<int>(i), 0});
  }
}

const LinkRow* LinkListing::Row(int row) const {
  return row >= 0 && row < RowCount() ? &rows_[static_cast<size_t>(row)] : nullptr;
}

std::string LinkListing::CountText() const {
  const size_t n = candidates_.size();
  if (n == 0) return "Inga m\xF6jliga samband hittades";
  return std::to_string(n) + (n == 1 ? " m\xF6jligt samband" : " m\xF6jliga samband");
}

std::string LinkListing::CellText(int row, int column) const {
  const LinkRow* r = Row(row);
  if (r == nullptr) return {};
  if (r->heading()) return column == kLinkNameColumn ? HeadingText(*r) : std::string();
  const LinkCandidate& c = candidates_[static_cast<size_t>(r->candidate)];
  switch (column) {
    case kLinkNameColumn:
      return NameOrNone(c.name);
    case kLinkDateColumn:
      return ShownLinkDate(c.date);
    case kLinkParishColumn:
      return c.parish;
    case kLinkScoreColumn:
      return "\t" + std::to_string(c.score);
    case kLinkReasonsColumn:
      return JoinedReasons(c.reasons);
    default:
      return {};
  }
}

std::string LinkListing::ReadableCellText(int row, int column) const {
  const LinkRow* r = Row(row);
  if (r != nullptr && !r->heading() && column == kLinkScoreColumn) {
    return std::to_string(candidates_[static_cast<size_t>(r->candidate)].score) + " po\xE4ng";
  }
  return CellText(row, column);
}

uint32_t LinkListing::CellAttribute(int row) const {
  const LinkRow* r = Row(row);
  vx::CellAttribute attribute;
  if (r != nullptr && r->heading()) {
    attribute.text_colour = kHeadingColour;
    attribute.bold = true;
  } else {
    attribute.indent_level = 1;
  }
  return EncodeCellAttribute(attribute);
}

std::string LinkListing::DetailText(int row) const {
  const LinkRow* r = Row(row);
  if (r == nullptr) return {};
  if (r->heading()) {
    return std::string(KindCaption(r->kind)) + ": " + RecordCount(r->in_kind) +
           ", den mest sannolika f\xF6rst.";
  }
  const LinkCandidate& c = candidates_[static_cast<size_t>(r->candidate)];
  return std::to_string(c.score) + " po\xE4ng: " + JoinedReasons(c.reasons) + ".";
}

const LinkCandidate* LinkListing::ChosenBy(int row) const {
  const LinkRow* r = Row(row);
  if (r == nullptr) return nullptr;
  // A heading is followed by its kind's best candidate.
  const LinkRow& candidate_row = r->heading() ? rows_[static_cast<size_t>(row) + 1] : *r;
  return &candidates_[static_cast<size_t>(candidate_row.candidate)];
}

}  // namespace vx
