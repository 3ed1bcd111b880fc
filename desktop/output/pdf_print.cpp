#include "desktop/output/pdf_print.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <cstdio>
#include <memory>

#include "desktop/output/print_job.h"

namespace vx {
namespace {

// Qt's notes on its own set-up (no runtime directory, and the like) are
// not the user's business; its errors still show.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// An application object for the job, unless the program has one; a PDF
// needs no screen.
std::unique_ptr<QGuiApplication> StartQt() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQtMessages);
  static int argc = 1;
  static char name[] = "kuvo";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

Status PrintHitsToPdf(Session& session, const std::filesystem::path& pdf,
                      const PrintRequest& request, PrintMonitor& monitor, int& pages) {
  pages = 0;
  const std::unique_ptr<QGuiApplication> application = StartQt();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf.string()));
  printer.setPageSize(QPageSize(QPageSize::A4));
  PrintOutcome outcome = PrintOutcome::kPrinted;
  return PrintHits(session, printer, request, monitor, outcome, &pages);
}

}  // namespace vx
