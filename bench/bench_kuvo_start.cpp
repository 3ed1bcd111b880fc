// Figures of the desktop program on a large register set, under the
// offscreen platform:
// - start-up: from process start to the first painted main window (the
//   register set opened, the headings, logo and first register shown), and
//   the process's peak memory by then;
// - selecting a row: from the key to the record shown and the window
//   painted again, with every birth selected;
// - the query mix's form searches through the real forms, from the search
//   button to the table painted with the hits, and opening the word picker
//   on the births' surnames (when built with SQLite, which the mix needs).
//
//   bench-kuvo-start [--dir DIR] [--fodda N] [--vigda N] [--doda N] [--runs N]
//
// The register set (default 1 000 000 births, 400 000 marriages and 800 000
// deaths) is built once into DIR (default bench-kuvo-start-data beside the
// program) and reused while its counts stay the same. Each run is a fresh
// process, started by this program, which reports its own figures.
#include <sys/resource.h>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "controls/bitmap_button.h"
#include "controls/screen_text.h"
#include "desktop/main/main_window.h"
#include "desktop/search/picker_window.h"
#include "desktop/search/search_form_window.h"
#ifdef VX_BENCH_QUERY_MIX
#include "bench/query_mix.h"
#endif
#include "bench/sample_set.h"
#include "engine/util/message_sink.h"
#include "tests/support/files.h"

namespace {

namespace fs = std::filesystem;

int64_t MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Waits for the first paint of `window` to finish.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(std::function<void()> then) : then_(std::move(then)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, then_);  // after the paint of every control
    }
    return false;
  }

 private:
  std::function<void()> then_;
  bool seen_ = false;
};

// Selects every birth and times Down from the first row: the key, the
// record loaded and composed, the window painted.
std::pair<double, double> RowSelectMilliseconds(vx::Tmain_form& window) {
  vx::TVXstruktlista& births = window.session().catalogue().PersonList(1);
  for (int32_t k = 1; k <= births.RowCount(); ++k)
    births.vald().SetBit(k, true);
  window.ShowSearchResult({1});
  window.repaint();
  std::vector<double> times;
  for (int i = 0; i < 200; ++i) {
    const int64_t start = MonotonicNanoseconds();
    window.MoveCurrent(vx::TableKey::kDown);
    window.repaint();
    times.push_back(static_cast<double>(MonotonicNanoseconds() - start) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.back()};
}

#ifdef VX_BENCH_QUERY_MIX
// Types `text` (Windows-1252) into `edit` as key presses.
void TypeInto(QLineEdit* edit, const std::string& text) {
  for (const QChar c : vx::ScreenText(text)) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(edit, &press);
  }
}

// The query mix's form searches through the real forms: the fields typed
// beforehand, then timed from the search button to the main window's
// table painted with the hits. Searches on a field the form does not show
// are left out.
std::pair<double, double> FormSearchMilliseconds(vx::Tmain_form& window) {
  std::vector<double> times;
  for (const vx::bench::MixQuery& query : vx::bench::QueryMix(window.session().catalogue())) {
    if (query.kind != vx::bench::MixKind::kForm) continue;
    vx::Tsok_form* form = window.search_form(query.register_number);
    form->ClearSearchForm();
    bool typed = true;
    for (const auto& [prefix, text] : query.fields) {
      QLineEdit* edit = form->Edit(prefix);
      if (edit == nullptr)
        typed = false;
      else
        TypeInto(edit, text);
    }
    if (!typed) continue;
    const int64_t start = MonotonicNanoseconds();
    form->SearchButton()->Activate();
    window.table()->ForgetPosition(query.register_number);
    window.valjregister(query.register_number);
    window.repaint();
    times.push_back(static_cast<double>(MonotonicNanoseconds() - start) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times.empty() ? std::pair{0.0, 0.0} : std::pair{times[times.size() / 2], times.back()};
}

// Opening the picker on the births' surnames, the longest word list, to
// its first paint.
double PickerMilliseconds(vx::Tmain_form& window) {
  vx::Tsoktabform* picker = window.picker();
  double elapsed = 0;
  const int64_t start = MonotonicNanoseconds();
  QTimer::singleShot(0, [&] {
    picker->grab();  // renders every control of the picker
    elapsed = static_cast<double>(MonotonicNanoseconds() - start) / 1e6;
    picker->reject();
  });
  picker->Pick(1, 7, "Efternamn", "HJ005");
  return elapsed;
}
#endif

// The measured process: prints "start-ms peak-MB select-median-ms
// select-max-ms" and, with the query mix, "search-median-ms
// search-max-ms picker-ms".
int RunChild(int argc, char** argv, const fs::path& ini, int64_t started) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vx::SetMessageSink([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
  vx::Tmain_form window(ini);
  int status = 1;
  FirstPaint first_paint([&] {
    const double start_ms = static_cast<double>(MonotonicNanoseconds() - started) / 1e6;
    const double peak = PeakMegabytes();
    const auto [median, slowest] = RowSelectMilliseconds(window);
    std::printf("%.1f %.1f %.2f %.2f", start_ms, peak, median, slowest);
#ifdef VX_BENCH_QUERY_MIX
    const auto [search_median, search_slowest] = FormSearchMilliseconds(window);
    std::printf(" %.2f %.2f %.2f", search_median, search_slowest, PickerMilliseconds(window));
#endif
    std::printf("\n");
    status = window.failed() ? 1 : 0;
    QApplication::quit();
  });
  window.installEventFilter(&first_paint);
  window.showMaximized();
  QApplication::exec();
  return status;
}

struct Options {
  fs::path dir;
  int64_t births = 1000000, marriages = 400000, deaths = 800000;
  int runs = 5;
};

bool Parse(int argc, char** argv, Options& o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--dir")
      o.dir = argv[i + 1];
    else if (arg == "--fodda")
      o.births = std::atoll(argv[i + 1]);
    else if (arg == "--vigda")
      o.marriages = std::atoll(argv[i + 1]);
    else if (arg == "--doda")
      o.deaths = std::atoll(argv[i + 1]);
    else if (arg == "--runs")
      o.runs = std::max(1, std::atoi(argv[i + 1]));
    else
      return false;
  }
  return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--barn") == 0)
    return RunChild(argc, argv, argv[2], std::atoll(argv[3]));
  Options o;
  if (!Parse(argc, argv, o)) {
    std::fputs(
        "Användning: bench-kuvo-start [--dir MAPP] [--fodda N] [--vigda N] [--doda N] "
        "[--runs N]\n",
        stderr);
    return 2;
  }
  const fs::path self = fs::canonical("/proc/self/exe");
  if (o.dir.empty()) o.dir = self.parent_path() / "bench-kuvo-start-data";
  if (!vx::bench::EnsureSampleSet(VX_KUVO_DATA, o.dir, o.births, o.marriages, o.deaths)) return 1;
  std::vector<std::vector<double>> runs;
  for (int r = 0; r < o.runs; ++r) {
    const std::string started = std::to_string(MonotonicNanoseconds());
    const vx::testing::ProcessResult result =
        vx::testing::RunProcess({self.string(), "--barn", (o.dir / "kuvo.ini").string(), started});
    std::istringstream line(std::string(result.out.begin(), result.out.end()));
    std::vector<double> figures;
    for (double figure; line >> figure;)
      figures.push_back(figure);
    if (result.exit_code != 0 || figures.size() < 4) {
      std::fprintf(stderr, "kuvo startade inte:\n%s\n", result.err.c_str());
      return 1;
    }
    runs.push_back(figures);
  }
  auto median = [&](size_t column) {
    std::vector<double> values;
    for (const auto& run : runs)
      values.push_back(run[column]);
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
  };
  std::printf("kuvo på %lld födda, %lld vigda, %lld döda (%d körningar, median)\n",
              static_cast<long long>(o.births), static_cast<long long>(o.marriages),
              static_cast<long long>(o.deaths), o.runs);
  std::printf("  start till första målade fönster  %8.1f ms   (mål högst 300 ms)\n", median(0));
  std::printf("  största minne vid start           %8.1f MB   (mål högst 150 MB)\n", median(1));
  std::printf("  välja rad till visad post, median %8.2f ms   (mål under 16 ms)\n", median(2));
  std::printf("  välja rad till visad post, längst %8.2f ms\n", median(3));
  if (runs.front().size() >= 7) {
    std::printf("  sökning i formulär till målad tabell, median %8.2f ms   (mål under 50 ms)\n",
                median(4));
    std::printf("  sökning i formulär till målad tabell, längst %8.2f ms\n", median(5));
    std::printf("  öppna ordlistan Efternamn (födda)          %8.2f ms   (mål under 50 ms)\n",
                median(6));
  }
  return 0;
}
