// kuvo-skarmbilder: pictures of the real windows for the documentation.
// Opens the register set like kuvo, selects hits through the session (a
// search of one text in all registers), shows a record and writes
//   DIR/huvudfonster.png       the main window at its design size, 800 x 481
//   DIR/huvudfonster-stor.png  maximised (run it on a 1920 x 1080 screen)
//   DIR/hjalpfonster.png       the text window with a help text
//   DIR/sokfodda.png, sokvigda.png, sokdoda.png
//                              the three search forms filled in
//   DIR/valjsokord.png         the word picker with words ticked
//   DIR/normeringar.png        the normalisation view
//   DIR/huvudfonster-sok.png   the main window after the births search
//   DIR/utskriftsdialog.png    the print dialog over those hits
//   DIR/samband.png            "Möjliga samband" for a birth with a death,
//                              a marriage and siblings among its candidates
// under the offscreen platform; with --bara-huvudfonster only the first.
// --sprak en photographs the windows in English.
//   kuvo-skarmbilder [--ini FIL] [--sok TEXT] [--sprak sv|en] [--bara-huvudfonster] MAPP
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "controls/accessibility.h"
#include "controls/bitmap_button.h"
#include "controls/qt_translations.h"
#include "controls/tlm_tab.h"
#include "desktop/linking/link_window.h"
#include "desktop/main/main_window.h"
#include "desktop/output/print_dialog.h"
#include "desktop/output/text_window.h"
#include "desktop/search/normalisation_window.h"
#include "desktop/search/picker_window.h"
#include "desktop/search/search_form_window.h"
#include "engine/util/cp1252.h"
#include "engine/util/message_sink.h"
#include "language/language.h"
#include "linking/link_listing.h"
#include "search/picked_rows.h"

namespace {

constexpr char kUsage[] =
    "Användning: kuvo-skarmbilder [--ini FIL] [--sok TEXT] [--sprak sv|en] [--bara-huvudfonster] "
    "MAPP\n";

struct Options {
  std::filesystem::path ini;
  std::string search = "Medelplana";
  std::filesystem::path dir;
  bool main_window_only = false;
  vx::Language language = vx::Language::kSwedish;
};

bool Parse(std::vector<std::string> args, Options& options) {
  std::string error;
  // Swedish unless asked: the pictures must not follow the locale.
  if (!vx::TakeLanguageOption(args, {"sv_SE.UTF-8", "", ""}, options.language, error)) return false;
  const size_t argc = args.size();
  for (size_t i = 0; i < argc; ++i) {
    const std::string& arg = args[i];
    if (arg == "--ini" && i + 1 < argc) {
      options.ini = args[++i];
    } else if (arg == "--sok" && i + 1 < argc) {
      options.search = args[++i];
    } else if (arg == "--bara-huvudfonster") {
      options.main_window_only = true;
    } else if (options.dir.empty() && !arg.starts_with("-")) {
      options.dir = arg;
    } else {
      return false;
    }
  }
  return !options.dir.empty();
}

bool Save(QWidget& widget, const std::filesystem::path& file) {
  QApplication::processEvents();
  if (widget.grab().save(QString::fromStdString(file.string()), "PNG")) return true;
  std::fprintf(stderr, "kuvo-skarmbilder: kan inte skriva %s\n", file.string().c_str());
  return false;
}

// Selects hits in every register and a record a few rows down.
bool SelectHits(vx::Tmain_form& window, const std::string& text) {
  std::string data;
  if (!vx::Utf8ToCp1252(text, data)) return false;
  const vx::Status status = window.session().SearchAll(data);
  if (!status.ok()) {
    std::fprintf(stderr, "kuvo-skarmbilder: %s\n", vx::Cp1252ToUtf8(status.message()).c_str());
    return false;
  }
  window.ShowSearchResult({1, 2, 3});
  for (int i = 0; i < 8; ++i)
    window.MoveCurrent(vx::TableKey::kDown);
  return true;
}

// Maximised as a window manager does it: the screen's available area, but
// no larger than the window's maximum size, centred.
void Maximise(QWidget& window) {
  const QRect screen = window.screen()->availableGeometry();
  const QSize size = screen.size().boundedTo(window.maximumSize());
  window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screen));
}

// Key presses carrying each character, as the user types.
void TypeInto(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(edit, &press);
  }
}

// Runs `inside` once the modal dialog that `open` shows is running.
void WhileModal(const std::function<void()>& inside, const std::function<void()>& open) {
  QTimer::singleShot(0, inside);
  open();
}

// Shown and active, as a form the user opened: the focus moves between
// its fields, and only the focused one shows a cursor.
void ShowActive(QWidget* form) {
  form->show();
  form->activateWindow();
  QApplication::processEvents();
}

void PressKey(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

// The births form with a date and a father's name typed and two first
// names ticked in the picker; the picker and the form are photographed on
// the way, then the search runs and the main window shows its hits.
bool PhotographBirthSearch(vx::Tmain_form& window, const std::filesystem::path& dir) {
  vx::Tsok_form* form = window.search_form(1);
  vx::Tsoktabform* picker = window.picker();
  if (form == nullptr || picker == nullptr) return false;
  ShowActive(form);
  TypeInto(form->Edit("fod"), "1780-1820");
  TypeInto(form->Edit("farfn"), "Anders");
  if (vx::TVXstruktlista* names = window.session().catalogue().soklistor(1, 6)) {
    vx::TickWords(*names, {"Anna", "Maria"});
  }
  bool ok = true;
  WhileModal(
      [&] {
        ok = Save(*picker, dir / "valjsokord.png") && ok;
        PressKey(picker, Qt::Key_Return);
      },
      [&] { form->ListButton("fn")->Activate(); });
  ok = Save(*form, dir / "sokfodda.png") && ok;
  form->SearchButton()->Activate();
  window.table()->ForgetPosition(1);
  window.valjregister(1);
  ok = Save(window, dir / "huvudfonster-sok.png") && ok;
  return ok;
}

bool PhotographOtherForms(vx::Tmain_form& window, const std::filesystem::path& dir) {
  bool ok = true;
  vx::Tsok_form* marriages = window.search_form(2);
  ShowActive(marriages);
  TypeInto(marriages->Edit("men"), "Lars*");
  TypeInto(marriages->Edit("vigd"), "1800-1850");
  ok = Save(*marriages, dir / "sokvigda.png") && ok;
  marriages->hide();
  vx::Tsok_form* deaths = window.search_form(3);
  ShowActive(deaths);
  TypeInto(deaths->Edit("dors"), "*feber*");
  TypeInto(deaths->Edit("fod"), "-1750");
  ok = Save(*deaths, dir / "sokdoda.png") && ok;
  deaths->hide();
  vx::Tnormform* norm = window.normform();
  WhileModal(
      [&] {
        ok = Save(*norm, dir / "normeringar.png") && ok;
        PressKey(norm, Qt::Key_Escape);
      },
      [&] { norm->ShowModal(); });
  return ok;
}

// The print dialog as a table by date is about to be printed.
bool PhotographPrintDialog(vx::Tmain_form& window, const std::filesystem::path& dir) {
  vx::Tskriv_form* dialog = window.print_form();
  if (dialog == nullptr) return false;
  bool ok = true;
  WhileModal(
      [&] {
        dialog->tabellknapp()->setDown(true);
        dialog->pnrknapp()->setDown(true);
        ok = Save(*dialog, dir / "utskriftsdialog.png") && ok;
        PressKey(dialog, Qt::Key_Escape);
      },
      [&] { window.OpenPrintDialog(); });
  dialog->Reset();
  return ok;
}

// The birth among the first few hundred whose candidates are of the most
// kinds, the most candidates breaking ties; 0 when none has any.
uint32_t BirthWithMostLinks(vx::Session& session) {
  constexpr uint32_t kBirthsTried = 400;
  const auto births = static_cast<uint32_t>(session.catalogue().PersonList(1).RowCount());
  uint32_t best = 0;
  size_t best_kinds = 0;
  size_t best_count = 0;
  for (uint32_t record = 1; record <= std::min(births, kBirthsTried); ++record) {
    std::vector<vx::LinkCandidate> candidates;
    if (!session.Candidates(1, record, candidates).ok()) continue;
    const vx::LinkListing listing("", candidates);
    const size_t kinds = static_cast<size_t>(listing.RowCount()) - candidates.size();
    if (kinds > best_kinds || (kinds == best_kinds && candidates.size() > best_count)) {
      best = record;
      best_kinds = kinds;
      best_count = candidates.size();
    }
  }
  return best;
}

// "Möjliga samband" for that birth, shown in the main window, with the
// first candidate current so that its reasons stand under the list.
bool PhotographLinks(vx::Tmain_form& window, const std::filesystem::path& dir) {
  const uint32_t birth = BirthWithMostLinks(window.session());
  vx::LinkWindow* links = window.link_window();
  if (birth == 0 || links == nullptr) {
    std::fputs("kuvo-skarmbilder: ingen födelse med möjliga samband\n", stderr);
    return false;
  }
  window.ShowCandidate(1, birth);
  bool ok = true;
  WhileModal(
      [&] {
        PressKey(links->grid(), Qt::Key_Down);
        ok = Save(*links, dir / "samband.png") && ok;
        PressKey(links, Qt::Key_Escape);
      },
      [&] { window.ShowLinks(); });
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(std::vector<std::string>(argv + 1, argv + argc), options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vx::InstallQtTranslations(app, options.language);
  vx::InstallAccessibility();
  vx::SetMessageSink([](const std::string& text) {
    std::fprintf(stderr, "kuvo-skarmbilder: %s\n", vx::Cp1252ToUtf8(text).c_str());
  });
  std::filesystem::create_directories(options.dir);
  vx::Tmain_form window(options.ini);
  window.session().SetLanguage(options.language);
  window.show();
  QApplication::processEvents();
  if (window.failed() || !SelectHits(window, options.search)) return 1;
  bool ok = Save(window, options.dir / "huvudfonster.png");
  if (options.main_window_only) return ok ? 0 : 1;
  Maximise(window);
  ok = Save(window, options.dir / "huvudfonster-stor.png") && ok;
  window.ShowHelpText("HJ001");
  if (vx::Ttextform* help = window.textform()) {
    ok = Save(*help, options.dir / "hjalpfonster.png") && ok;
    help->close();
  }
  window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                         QSize(vx::kMainDesign.width, vx::kMainDesign.height),
                                         window.screen()->availableGeometry()));
  ok = PhotographOtherForms(window, options.dir) && ok;
  ok = PhotographBirthSearch(window, options.dir) && ok;
  ok = PhotographPrintDialog(window, options.dir) && ok;
  ok = PhotographLinks(window, options.dir) && ok;
  return ok ? 0 : 1;
}
