#include "tools/sok_pdf.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <cstdio>
#include <memory>

#include "records/ui/print_job.h"

namespace vx::cli {
namespace {

// Qt's notes on its own set-up (no runtime directory, and the like) are
// not the user's business; its errors still show.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Qt's fonts need an application object; a PDF needs no screen, so the
// offscreen platform serves on a machine without one.
std::unique_ptr<QGuiApplication> StartQt() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQtMessages);
  static int argc = 1;
  static char name[] = "kuvo-sok";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

Status WriteHitsPdf(Session& session, const SokRequest& request, int& pages) {
  pages = 0;
  const std::unique_ptr<QGuiApplication> application = StartQt();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(request.pdf));
  printer.setPageSize(QPageSize(QPageSize::A4));
  PrintRequest print;
  print.register_number = request.register_number;
  print.table = request.table;
  print.order = static_cast<PrintOrder>(request.print_order);
  print.range = ParsePrintRange(request.from, request.to);
  SilentPrintMonitor monitor;
  PrintOutcome outcome = PrintOutcome::kPrinted;
  return PrintHits(session, printer, print, monitor, outcome, &pages);
}

}  // namespace vx::cli
