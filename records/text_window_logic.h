// The text window's decisions (help texts and the About text), without a
// window: where it appears the first time, how its text scrolls by keys
// and wheel, what a loaded code shows, which links it follows, and what it
// copies. The window only passes events in and paints the result.
#ifndef VX_RECORDS_TEXT_WINDOW_LOGIC_H_
#define VX_RECORDS_TEXT_WINDOW_LOGIC_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/util/rect.h"
#include "language/language.h"
#include "records/information_text.h"

namespace vx {

struct WindowPoint {
  int x = 0;
  int y = 0;
  bool operator==(const WindowPoint&) const = default;
};

// The top-left corner that centres a `width` x `height` window in `area`.
WindowPoint CentredIn(const Rect& area, int width, int height);

// The window is placed once; after that it stays where the user moved it.
class TextWindowPlacement {
 public:
  // The first time: the corner that centres the window over `caller` when
  // the caller is at least as wide and as high as the window, else over
  // `screen` (its available area); no caller counts as a small one. Every
  // later call gives nothing.
  std::optional<WindowPoint> Place(const std::optional<Rect>& caller, int width, int height,
                                   const Rect& screen);
  bool positioned() const { return positioned_; }

 private:
  bool positioned_ = false;
};

enum class TextScrollKey { kUp, kDown, kPageUp, kPageDown };

// The vertical scrolling of the text: a position 1..max whose pixel offset
// is position - 1. The scroll bar shows only when the text is taller than
// its control.
class TextScroll {
 public:
  static constexpr int kSmallch = 50;
  static constexpr int kPageSteps = 5;
  static constexpr int kGlideStep = 3;

  // After a layout: position 1; max and the bar from the heights.
  void SetLayout(int text_height, int control_height);
  bool bar_visible() const { return bar_visible_; }
  int max() const { return max_; }
  int position() const { return position_; }
  int PixelOffset() const { return position_ - 1; }

  // The bar or the display moved the view; clamped to 1..max.
  void SetPosition(int position);
  // The position a key asks for, clamped; the current one while the bar
  // is hidden.
  int KeyTarget(TextScrollKey key) const;

  // The positions a wheel message glides through, in order: towards the
  // start for a positive delta (the wheel turned away from the user),
  // towards the end for a negative one, in steps of kGlideStep up to one
  // kSmallch in all. Empty while the bar is hidden, for a zero delta, at
  // that end, and while an earlier glide is under way: a glide lasts from
  // here to EndGlide().
  std::vector<int> BeginGlide(int wheel_delta);
  void EndGlide() { gliding_ = false; }
  bool gliding() const { return gliding_; }

 private:
  int Clamped(int position) const;

  int max_ = 1;
  int position_ = 1;
  bool bar_visible_ = false;
  bool gliding_ = false;
};

// The code of the register set's About text; every other code is a help
// text's.
inline constexpr char kAboutTextCode[] = "OM";
// The heading's distance from the window's top: the About text leaves room
// for the version line under it.
inline constexpr int kHelpHeadingTop = 9;
inline constexpr int kAboutHeadingTop = 3;

bool IsAboutCode(std::string_view code);

// The code a link's target asks the window to load: targets starting with
// "TX" or "HJ" name a text; other links do nothing here.
std::optional<std::string> LinkedTextCode(std::string_view target);

// What the window shows for the code loaded last (Windows-1252).
class TextWindowContent {
 public:
  void ShowHelp(const InformationText& help);
  // The set's heading over its About text, with the program's version
  // line in `language` (the set's text is shown as stored).
  void ShowAbout(std::string_view set_heading, std::string_view about_text,
                 Language language = Language::kSwedish);
  // A code without a text: the heading of the previous text stays.
  void ShowMissing();

  const std::string& heading() const { return heading_; }
  int heading_top() const { return heading_top_; }
  const std::string& version_line() const { return version_line_; }
  const std::string& text() const { return text_; }
  // The text for the clipboard: no tags, lines ending in CR LF.
  std::string CopyText() const;

 private:
  std::string heading_;
  int heading_top_ = kHelpHeadingTop;
  std::string version_line_;
  std::string text_;
};

}  // namespace vx

#endif  // VX_RECORDS_TEXT_WINDOW_LOGIC_H_
