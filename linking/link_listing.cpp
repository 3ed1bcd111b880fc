#include "linking/link_listing.h"

#include <algorithm>
#include <utility>

#include "engine/util/message.h"
#include "imaging/cell_attribute.h"
#include "language/message_id.h"
#include "language/messages.h"
#include "records/date_text.h"

namespace vx {
namespace {

constexpr std::string_view kReasonSeparator = "; ";
constexpr int kHeadingColour = 4;  // navy in the cells' colour table

// The catalogue's `id` in `language`, Windows-1252, `args` filled in.
std::string Said(MessageId id, Language language,
                 std::initializer_list<std::string_view> args = {}) {
  return FormatMessage(CatalogueText(id, language), args);
}

std::string NameOrNone(std::string_view name, Language language) {
  return name.empty() ? Said(MessageId::RecordNoName, language) : std::string(name);
}

std::string JoinedReasons(const std::vector<std::string>& reasons, Language language) {
  std::string text;
  for (const std::string& reason : reasons) {
    if (!text.empty()) text += kReasonSeparator;
    text += ReasonInLanguage(reason, language);
  }
  return text;
}

std::string HeadingText(const LinkRow& row, Language language) {
  return std::string(KindCaption(row.kind, language)) + " (" + std::to_string(row.in_kind) + ")";
}

// "1 post", "2 poster".
std::string RecordCount(int count, Language language) {
  return count == 1 ? Said(MessageId::LinkOneRecord, language)
                    : Said(MessageId::LinkRecordCount, language, {std::to_string(count)});
}

}  // namespace

std::string LinkColumnHeading(int column, Language language) {
  static constexpr MessageId kHeadings[kLinkColumnCount] = {
      MessageId::MainName, MessageId::MainDate, MessageId::LinkParish, MessageId::LinkScore,
      MessageId::LinkReasons};
  if (column < 0 || column >= kLinkColumnCount) return {};
  // The scores' heading is right-aligned, as they are.
  return (column == kLinkScoreColumn ? "\t" : "") + Said(kHeadings[column], language);
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

LinkListing::LinkListing(std::string_view shown_row, std::vector<LinkCandidate> candidates,
                         Language language)
    : language_(language), candidates_(std::move(candidates)) {
  const size_t cr = shown_row.find('\r');
  const std::string_view name = shown_row.substr(0, cr);
  const std::string date =
      cr == std::string_view::npos ? std::string() : ShownLinkDate(shown_row.substr(cr + 1));
  shown_text_ = Said(MessageId::LinkFor, language_,
                     {NameOrNone(name, language_) + (date.empty() ? "" : ", " + date)});

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
  if (n == 0) return Said(MessageId::LinkNoneFound, language_);
  return n == 1 ? Said(MessageId::LinkOne, language_)
                : Said(MessageId::LinkCount, language_, {std::to_string(n)});
}

std::string LinkListing::CellText(int row, int column) const {
  const LinkRow* r = Row(row);
  if (r == nullptr) return {};
  if (r->heading()) return column == kLinkNameColumn ? HeadingText(*r, language_) : std::string();
  const LinkCandidate& c = candidates_[static_cast<size_t>(r->candidate)];
  switch (column) {
    case kLinkNameColumn:
      return NameOrNone(c.name, language_);
    case kLinkDateColumn:
      return ShownLinkDate(c.date);
    case kLinkParishColumn:
      return c.parish;
    case kLinkScoreColumn:
      return "\t" + std::to_string(c.score);
    case kLinkReasonsColumn:
      return JoinedReasons(c.reasons, language_);
    default:
      return {};
  }
}

std::string LinkListing::ReadableCellText(int row, int column) const {
  const LinkRow* r = Row(row);
  if (r != nullptr && !r->heading() && column == kLinkScoreColumn) {
    return Said(MessageId::LinkPoints, language_,
                {std::to_string(candidates_[static_cast<size_t>(r->candidate)].score)});
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
    return Said(MessageId::LinkKindDetail, language_,
                {KindCaption(r->kind, language_), RecordCount(r->in_kind, language_)});
  }
  const LinkCandidate& c = candidates_[static_cast<size_t>(r->candidate)];
  return Said(MessageId::LinkScoreDetail, language_,
              {std::to_string(c.score), JoinedReasons(c.reasons, language_)});
}

const LinkCandidate* LinkListing::ChosenBy(int row) const {
  const LinkRow* r = Row(row);
  if (r == nullptr) return nullptr;
  // A heading is followed by its kind's best candidate.
  const LinkRow& candidate_row = r->heading() ? rows_[static_cast<size_t>(row) + 1] : *r;
  return &candidates_[static_cast<size_t>(candidate_row.candidate)];
}

}  // namespace vx
