// Figures of the coded-text layout with Qt's fonts: composed birth records
// (as the record view lays them out on every row change) and a long help
// text with tables and links, measured by the display's own measurer and,
// side by side, by one that asks Qt for every width afresh.
//
//   bench-coded-text [--runs N]
//
// Prints the median of N runs (default 5) in microseconds per text.
#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/birth_records.h"
#include "codedtext/coded_text.h"
#include "controls/qt_text_measurer.h"
#include "records/record_text.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 1000;
constexpr size_t kHelpBytes = 30000;
constexpr int kRecordWidth = 388;
constexpr int kHelpWidth = 520;

// The peer: each width measured by Qt on the whole string, no cache.
class UncachedMeasurer : public vx::TextMeasurer {
 public:
  int Width(const vx::CodedFont& font, std::string_view text) const override {
    return QFontMetrics(fonts_.Font(font)).horizontalAdvance(vx::FromCp1252(text));
  }
  int Height(int level) const override { return fonts_.Height(level); }

 private:
  vx::QtTextMeasurer fonts_;
};

double MedianSeconds(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int r = 0; r < runs; ++r) {
    const auto start = Clock::now();
    work();
    times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::vector<std::string> RecordTexts() {
  std::mt19937_64 random(1745);
  std::vector<std::string> texts;
  for (int i = 1; i <= kRecords; ++i) {
    const std::vector<std::string> fields =
        vx::testing::BirthLikeFields(static_cast<uint32_t>(i), random);
    vx::Tenfodd record;
    const auto bindings = vx::Tenfodd::Fields();
    for (size_t f = 0; f < bindings.size() && f < fields.size(); ++f)
      record.*bindings[f].member = fields[f];
    texts.push_back(vx::ComposeBirthText(record, true));
  }
  return texts;
}

// One section of a help text: heading, a paragraph with links, a table of
// keys and a rule; `n` varies the words.
std::string HelpSection(int n) {
  const std::string k = std::to_string(n);
  return "[6][b 3][f]Avsnitt " + k + "[\\f][2][b 1]\r" +
         "I formul\xE4ret skriver du s\xF6kord i ett eller flera f\xE4lt och trycker p\xE5 "
         "Enter. Listan visar de personer vars poster st\xE4mmer med alla ifyllda f\xE4lt "
         "(avsnitt " +
         k +
         "). Hur s\xF6korden skrivs st\xE5r i [M HJ005]S\xF6kspr\xE5ket[\\M], "
         "och [M HJ006]V\xE4lja s\xF6kord[\\M] visar listorna.\r"
         "[T 16 96][f]Tangent[\\f]\t[f]G\xF6r[\\f]\r"
         "Enter\tS\xF6ker med de ifyllda f\xE4lten.\r"
         "F4\tVisar ordlistan f\xF6r f\xE4ltet d\xE4r mark\xF6ren st\xE5r, s\xE5 att du kan "
         "bocka f\xF6r s\xF6kord; se [M HJ006]V\xE4lja s\xF6kord[\\M].\r"
         "F" +
         std::to_string(n % 9 + 1) +
         "\t[X]Visar[\\X] [M HJ008]Normeringslistan[\\M].\r"
         "[\\T]\r[L " +
         std::to_string(n % 3 + 1) + "]\r\r";
}

std::string HelpText() {
  std::string text =
      "[4][b 4]S\xF6ka f\xF6"
      "dda[2][b 1]\r[L 2]\r";
  for (int n = 1; text.size() < kHelpBytes; ++n)
    text += HelpSection(n);
  return text;
}

double LayOut(const vx::TextMeasurer& measurer, const std::vector<std::string>& texts, int width,
              int runs) {
  vx::TVXkodtxt kodtxt;
  kodtxt.SetMeasurer(&measurer);
  kodtxt.SetArea(width, 500);
  return MedianSeconds(runs, [&] {
    for (const std::string& text : texts) {
      kodtxt.SetText(text);
      kodtxt.Layout();
    }
  });
}

void Report(const char* what, double ours, double peer, size_t count) {
  std::printf("%-32s %10.1f us %12.1f us %8.1fx\n", what, ours * 1e6 / count, peer * 1e6 / count,
              peer / ours);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 5;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      std::fputs("Användning: bench-coded-text [--runs N]\n", stderr);
      return 2;
    }
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const vx::QtTextMeasurer ours;
  const UncachedMeasurer peer;
  const std::vector<std::string> records = RecordTexts();
  const std::vector<std::string> help(10, HelpText());
  std::printf("%zu record texts, help text of %zu bytes, median of %d runs\n", records.size(),
              help.front().size(), runs);
  std::printf("%-32s %13s %15s %9s\n", "per text", "cached", "Qt each time", "ratio");
  Report("record text (388 px)", LayOut(ours, records, kRecordWidth, runs),
         LayOut(peer, records, kRecordWidth, runs), records.size());
  Report("help text (520 px)", LayOut(ours, help, kHelpWidth, runs),
         LayOut(peer, help, kHelpWidth, runs), help.size());
  return 0;
}
