// kuvo-galleri: shows every control of the program in each of its states on
// the program's backgrounds, and every picture of its picture base.
//   kuvo-galleri                         in a window
//   kuvo-galleri --png FIL [--skala 1|2]  written to a PNG, without a display
//   kuvo-galleri --text-png MAPP [--skala 1|2]
//                                        a record text and a help text written
//                                        to MAPP/posttext.png and hjalptext.png
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstring>
#include <string>

#include "controls/accessibility.h"
#include "controls/gallery/gallery_pictures.h"
#include "controls/gallery/gallery_window.h"
#include "controls/gallery/text_samples.h"

namespace {

struct Options {
  std::string png;
  std::string text_dir;
  int scale = 1;
  bool Offscreen() const { return !png.empty() || !text_dir.empty(); }
};

constexpr char kUsage[] = "Användning: kuvo-galleri [--png FIL | --text-png MAPP] [--skala 1|2]\n";

bool Parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--png" && i + 1 < argc) {
      options.png = argv[++i];
    } else if (arg == "--text-png" && i + 1 < argc) {
      options.text_dir = argv[++i];
    } else if (arg == "--skala" && i + 1 < argc) {
      const std::string scale = argv[++i];
      if (scale != "1" && scale != "2") return false;
      options.scale = scale == "2" ? 2 : 1;
    } else {
      return false;
    }
  }
  if (!options.png.empty() && !options.text_dir.empty()) return false;
  return options.scale == 1 || options.Offscreen();
}

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
         !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int WritePng(vx::GalleryWindow& window, vx::GalleryPictures& pictures, const Options& options) {
  window.show();
  QApplication::processEvents();
  window.ShowHoverStates();
  QApplication::processEvents();
  int status = 0;
  for (const std::string& name : pictures.Missing()) {
    std::fprintf(stderr, "kuvo-galleri: bilden %s saknas\n", name.c_str());
    status = 1;
  }
  if (!window.grab().save(QString::fromStdString(options.png), "PNG")) {
    std::fprintf(stderr, "kuvo-galleri: kan inte skriva %s\n", options.png.c_str());
    return 1;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (!Parse(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (options.Offscreen()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(options.scale));
  } else if (!HasDisplay()) {
    std::fputs("kuvo-galleri: ingen bildskärm; skriv galleriet till en fil med --png FIL\n",
               stderr);
    return 1;
  }
  QApplication app(argc, argv);
  vx::InstallAccessibility();
  vx::GalleryPictures pictures(app.devicePixelRatio());
  if (!pictures.Ok()) {
    std::fputs("kuvo-galleri: bilderna kan inte skrivas till en tillfällig mapp\n", stderr);
    return 1;
  }
  if (!options.text_dir.empty()) return vx::WriteTextPictures(pictures, options.text_dir) ? 0 : 1;
  vx::GalleryWindow window(pictures);
  if (!options.png.empty()) return WritePng(window, pictures, options);
  window.show();
  return QApplication::exec();
}
