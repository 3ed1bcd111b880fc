// vx-rita: draws the program's pictures.
//
//   vx-rita --cpp FILE             the C++ source that compiles them in
//   vx-rita --png DIR [--skala N]  each picture as DIR/<name>.png, to look at
//   vx-rita --ikon DIR             the program's icon in each size, as
//                                  DIR/<N>x<N>/apps/kuvo.png (an icon theme's layout)
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "art_catalogue.h"
#include "checks.h"
#include "cpp_writer.h"
#include "icon.h"
#include "render.h"

namespace {

using vx::art::RenderedPicture;

// Every picture at `scale`, the sample logo last; empty after a failed check.
std::vector<RenderedPicture> RenderAll(int scale) {
  std::vector<RenderedPicture> out;
  for (const vx::art::ArtPicture& picture : vx::art::ArtCatalogue())
    out.push_back(vx::art::RenderPicture(picture, scale));
  out.push_back(vx::art::RenderPicture(vx::art::SampleLogo(), scale));
  for (const RenderedPicture& picture : out) {
    const std::string problem = vx::art::CheckPicture(picture);
    if (problem.empty()) continue;
    std::fprintf(stderr, "vx-rita: %s\n", problem.c_str());
    return {};
  }
  return out;
}

bool WriteSource(const std::string& path) {
  std::vector<RenderedPicture> single = RenderAll(1);
  std::vector<RenderedPicture> twice = RenderAll(2);
  if (single.empty() || twice.empty()) return false;
  const RenderedPicture logo = single.back();
  const RenderedPicture logo2x = twice.back();
  single.pop_back();
  twice.pop_back();
  std::vector<RenderedPicture> table;
  for (size_t i = 0; i < single.size(); ++i) {
    table.push_back(std::move(single[i]));
    table.push_back(std::move(twice[i]));
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << vx::art::ProgramPicturesSource(table, logo, logo2x);
  return static_cast<bool>(file.flush());
}

bool WritePngs(const QString& dir, int scale) {
  const std::vector<RenderedPicture> pictures = RenderAll(scale);
  if (pictures.empty() || !QDir().mkpath(dir)) return false;
  for (const RenderedPicture& picture : pictures) {
    QFile file(dir + "/" + QString::fromStdString(picture.name) + ".png");
    const auto size = static_cast<qint64>(picture.png.size());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(picture.png.data()), size) != size)
      return false;
  }
  return true;
}

bool WriteIcons(const QString& dir) {
  for (const int pixels : vx::art::ProgramIconSizes()) {
    const QString size = QString::number(pixels);
    const QString folder = dir + "/" + size + "x" + size + "/apps";
    const std::vector<uint8_t> png = vx::art::EncodePng(vx::art::DrawProgramIcon(pixels));
    QFile file(folder + "/kuvo.png");
    const auto bytes = static_cast<qint64>(png.size());
    if (png.empty() || !QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(png.data()), bytes) != bytes)
      return false;
  }
  return true;
}

int Usage() {
  std::fprintf(stderr, "usage: vx-rita --cpp FILE | --png DIR [--skala 1|2] | --ikon DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // A build step: no display is needed or wanted. Raster painting and PNG
  // writing need no GUI application, and the pictures use no fonts.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() == 3 && args[1] == "--cpp") return WriteSource(args[2].toStdString()) ? 0 : 1;
  if (args.size() == 3 && args[1] == "--ikon") return WriteIcons(args[2]) ? 0 : 1;
  if ((args.size() == 3 || args.size() == 5) && args[1] == "--png") {
    int scale = 1;
    if (args.size() == 5) {
      if (args[3] != "--skala" || (args[4] != "1" && args[4] != "2")) return Usage();
      scale = args[4].toInt();
    }
    return WritePngs(args[2], scale) ? 0 : 1;
  }
  return Usage();
}
