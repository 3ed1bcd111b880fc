#include "records/text_window_logic.h"

#include <algorithm>

#include "codedtext/coded_text.h"
#include "engine/util/message.h"
#include "engine/util/version.h"
#include "language/message_id.h"
#include "language/messages.h"

namespace vx {

WindowPoint CentredIn(const Rect& area, int width, int height) {
  return {area.left + (area.width - width) / 2, area.top + (area.height - height) / 2};
}

std::optional<WindowPoint> TextWindowPlacement::Place(const std::optional<Rect>& caller, int width,
                                                      int height, const Rect& screen) {
  if (positioned_) return std::nullopt;
  positioned_ = true;
  const bool fits_over_caller = caller && caller->width >= width && caller->height >= height;
  return CentredIn(fits_over_caller ? *caller : screen, width, height);
}

void TextScroll::SetLayout(int text_height, int control_height) {
  bar_visible_ = text_height > control_height;
  max_ = bar_visible_ ? text_height - control_height + 1 : 1;
  position_ = 1;
}

int TextScroll::Clamped(int position) const {
  return std::clamp(position, 1, max_);
}

void TextScroll::SetPosition(int position) {
  position_ = Clamped(position);
}

int TextScroll::KeyTarget(TextScrollKey key) const {
  if (!bar_visible_) return position_;
  switch (key) {
    case TextScrollKey::kUp:
      return Clamped(position_ - kSmallch);
    case TextScrollKey::kDown:
      return Clamped(position_ + kSmallch);
    case TextScrollKey::kPageUp:
      return Clamped(position_ - kPageSteps * kSmallch);
    case TextScrollKey::kPageDown:
      return Clamped(position_ + kPageSteps * kSmallch);
  }
  return position_;
}

std::vector<int> TextScroll::BeginGlide(int wheel_delta) {
  std::vector<int> steps;
  if (!bar_visible_ || wheel_delta == 0 || gliding_) return steps;
  const int direction = wheel_delta > 0 ? -1 : 1;
  const int target = Clamped(position_ + direction * kSmallch);
  if (target == position_) return steps;
  gliding_ = true;
  for (int p = position_ + direction * kGlideStep; (target - p) * direction > 0;
       p += direction * kGlideStep)
    steps.push_back(p);
  steps.push_back(target);
  return steps;
}

bool IsAboutCode(std::string_view code) {
  return code == kAboutTextCode;
}

std::optional<std::string> LinkedTextCode(std::string_view target) {
  if (target.starts_with("TX") || target.starts_with("HJ")) return std::string(target);
  return std::nullopt;
}

void TextWindowContent::ShowHelp(const InformationText& help) {
  heading_ = help.textrubrik;
  heading_top_ = kHelpHeadingTop;
  version_line_.clear();
  text_ = help.texttext;
}

void TextWindowContent::ShowAbout(std::string_view set_heading, std::string_view about_text,
                                  Language language) {
  heading_ = set_heading;
  heading_top_ = kAboutHeadingTop;
  version_line_ = FormatMessage(CatalogueText(MessageId::MainAboutVersion, language),
                                {std::string_view(ProgramVersion())});
  text_ = about_text;
}

void TextWindowContent::ShowMissing() {
  heading_top_ = kHelpHeadingTop;
  version_line_.clear();
  text_.clear();
}

std::string TextWindowContent::CopyText() const {
  return PlainText(text_);
}

}  // namespace vx
