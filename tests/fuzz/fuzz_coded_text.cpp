// Lays arbitrary bytes out as a coded text at several widths, paints them
// and tests points in them, checking what the layout promises: runs made
// of the source's characters in order and within the area, lines, links
// and marks that exist, painted pieces and hits inside their runs.
//
// With --write-seeds=DIR the target writes a few coded texts to DIR and
// exits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "codedtext/coded_text.h"
#include "tests/fuzz/fuzz_work_dir.h"

namespace {

using vx::fuzz::Check;

// Widths 0..4 times the level, plus one in bold: some characters take no
// room at all.
class Measurer : public vx::TextMeasurer {
 public:
  int Width(const vx::CodedFont& font, std::string_view text) const override {
    int width = 0;
    for (const char c : text)
      width += (static_cast<unsigned char>(c) % 5) * font.level + (font.bold ? 1 : 0);
    return width;
  }
  int Height(int level) const override { return 8 + 2 * level; }
};

const Measurer kMeasurer;

void CheckRuns(const vx::TVXkodtxt& k) {
  const std::string& text = k.Text();
  const int width = k.AreaWidth();
  int64_t last_source = -1;
  for (const vx::CodedRun& run : k.Runs()) {
    Check(run.line >= 1 && run.line <= k.LineCount());
    Check(run.top >= 0 && run.bottom >= run.top && run.left >= 0);
    Check(run.link == (run.link_index >= 0));
    Check(run.link_index < static_cast<int>(k.Links().size()));
    if (run.rule != 0) {
      Check(run.text.empty() && run.left < run.right && run.right <= width);
      continue;
    }
    Check(!run.text.empty() && run.source.size() == run.text.size());
    for (size_t i = 0; i < run.text.size(); ++i) {
      Check(static_cast<int64_t>(run.source[i]) > last_source && run.source[i] < text.size());
      Check(text[run.source[i]] == run.text[i]);
      last_source = static_cast<int64_t>(run.source[i]);
    }
    const std::string_view all_but_last(run.text.data(), run.text.size() - 1);
    Check(run.right == run.left + kMeasurer.Width(run.font, run.text));
    Check(run.left + kMeasurer.Width(run.font, all_but_last) <= width);
  }
}

void CheckLines(const vx::TVXkodtxt& k) {
  const std::vector<int>& tops = k.LineTops();
  Check(!tops.empty() && tops[0] == 0);
  for (size_t i = 1; i < tops.size(); ++i)
    Check(tops[i] >= tops[i - 1]);
  Check(k.TotalHeight() >= tops.back());
  for (const vx::CodedMark& mark : k.Marks())
    Check(mark.line >= 1 && mark.line <= k.LineCount());
}

void CheckView(vx::TVXkodtxt& k) {
  const std::vector<vx::PaintedRun> pieces = k.Render();
  const vx::CodedRun* const first = k.Runs().data();
  for (const vx::PaintedRun& p : pieces) {
    Check(p.run >= first && p.run < first + k.Runs().size());
    Check(p.run->rule != 0 || (!p.text.empty() && p.run->text.find(p.text) != std::string::npos));
  }
  const int points[][2] = {{0, 0}, {5, 3}, {40, 17}, {299, 150}, {-3, -8}, {1999, 190}};
  for (const auto& point : points) {
    const vx::CharHit hit = k.CharIndexAt(point[0], point[1]);
    if (hit.run >= 0) {
      const vx::CodedRun& run = k.Runs()[static_cast<size_t>(hit.run)];
      Check(hit.index >= static_cast<int64_t>(run.source.front()) &&
            hit.index <= static_cast<int64_t>(run.source.back()));
    }
    if (!k.LinkAt(point[0], point[1]).empty()) Check(k.LinkHit(point[0], point[1]));
  }
}

void CheckPlain(std::string_view text) {
  Check(vx::RemoveTags(text).find('[') == std::string::npos);
  const std::string plain = vx::PlainText(text);
  for (size_t i = 0; i < plain.size(); ++i)
    if (plain[i] == '\r') Check(i + 1 < plain.size() && plain[i + 1] == '\n');
}

void WriteSeeds(const std::filesystem::path& dir) {
  const char* const seeds[] = {
      "[5][f]Persson, Anna[\\f]\r[b 3]Far[b 1]\rBonden Per Olsson i Berga\r",
      "[1]Post: F1745-000001\r\r[L 2]\r[C]mitten av stycket, som bryts\r[H]h\xF6ger\r",
      "[T 10, 20 5]Namn\tOrt\tDatum\rAnna Maria Persdotter\tBerga\t1745\r[\\T]efter\r",
      "Se [M HJ001]hj\xE4lpen[\\M] och [M]tom[\\M], [x]markerat[\\x]\tindrag \tmer\r",
      "[k]ett mycket l\xE5ngt ord: aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa[\\k][u",
  };
  for (size_t i = 0; i < std::size(seeds); ++i)
    std::ofstream(dir / ("seed-" + std::to_string(i + 1)), std::ios::binary) << seeds[i];
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  vx::fuzz::WriteSeedsIfAsked(*argc, *argv, WriteSeeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const int width : {1, 37, 300, 2000}) {
    vx::TVXkodtxt k;
    k.SetMeasurer(&kMeasurer);
    k.SetArea(width, 200);
    k.SetText(text);
    k.Layout();
    CheckRuns(k);
    CheckLines(k);
    k.SetSelection(static_cast<int64_t>(size / 3), static_cast<int64_t>(size / 2));
    CheckView(k);
    Check(k.SelectedPlainText().size() <= 2 * size + 2);
    k.SetVerticalMode(vx::VerticalMode::kCentre);
    CheckView(k);
    k.SetVerticalMode(vx::VerticalMode::kTop);
    k.SetFirstLine(k.LineCount() / 2);
    CheckView(k);
  }
  CheckPlain(text);
  return 0;
}
