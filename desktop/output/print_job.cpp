#include "desktop/output/print_job.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "controls/screen_text.h"
#include "desktop/output/printer_canvas.h"
#include "engine/util/message.h"
#include "language/message_id.h"
#include "language/messages.h"

namespace vx {
namespace {

// Starts the document; IOError naming the output file when it cannot.
Status BeginDocument(Session& session, QPrinter& printer, QPainter& painter) {
  const Language language = session.language();
  printer.setDocName(ScreenText(
      FormatMessage(CatalogueText(MessageId::PrintDocumentName, language), {session.Heading()})));
  if (painter.begin(&printer)) return Status::OK();
  const QString file = printer.outputFileName();
  if (file.isEmpty()) return Status::IOError(CatalogueText(MessageId::PrintCannotStart, language));
  return Status::IOError(
      FormatMessage(CatalogueText(MessageId::PrintCannotWriteFile, language), {DataText(file)}));
}

void ChooseOrientation(QPrinter& printer, const PrintRequest& request,
                       const std::vector<PrintColumn>& columns) {
  printer.setPageOrientation(QPageLayout::Portrait);
  if (!request.table) return;
  const double portrait_inches = printer.pageLayout().paintRect(QPageLayout::Inch).width();
  if (TableNeedsLandscape(columns, portrait_inches))
    printer.setPageOrientation(QPageLayout::Landscape);
}

}  // namespace

Status PrintHits(Session& session, QPrinter& printer, const PrintRequest& request,
                 PrintMonitor& monitor, PrintOutcome& outcome, int* pages) {
  outcome = PrintOutcome::kCancelled;
  if (pages != nullptr) *pages = 0;
  const Language language = session.language();
  const std::vector<PrintColumn> columns =
      PrintColumnLayout(request.register_number, TableLayoutFor(request.order), language);
  const PrintContent content{request.table ? &columns : nullptr};

  const int first = std::max(request.range.from, 1);
  const int span = std::max(request.range.to - first + 1, 0);
  const int reading = std::min(
      {span, kMaxPrintRecords, request.hit_count > 0 ? request.hit_count : kMaxPrintRecords});
  monitor.ShowStatus(CatalogueText(MessageId::PrintStatusReading, language));
  std::vector<PrintItem> items;
  bool cancelled = false;
  Status status = session.ReadPrintItems(
      request.register_number, request.order, content,
      [&](int read) {
        monitor.ShowProgress(std::min(read, reading), reading);
        return monitor.KeepGoing();
      },
      items, cancelled);
  if (!status.ok() || cancelled) return status;
  if (items.empty())
    return Status::NotFound(CatalogueText(MessageId::PrintNothingSelected, language));

  monitor.ShowStatus(CatalogueText(MessageId::PrintStatusSorting, language));
  const std::vector<size_t> order = SortPrintItems(items);

  ChooseOrientation(printer, request, columns);
  QPainter painter;
  if (status = BeginDocument(session, printer, painter); !status.ok()) return status;
  PrinterCanvas canvas(printer, painter);
  PrintEngine engine(canvas, monitor, session.Heading(),
                     PrintHeaderLine(request.register_number, request.order, TodayText(), language),
                     language);
  outcome = request.table ? engine.PrintTable(columns, request.order == PrintOrder::kSource, items,
                                              order, request.range)
                          : engine.PrintRecords(items, order, request.range);
  painter.end();
  if (pages != nullptr) *pages = engine.Pages();
  // A cancelled print to a file leaves no file that looks whole.
  if (outcome == PrintOutcome::kCancelled && printer.outputFormat() == QPrinter::PdfFormat &&
      !printer.outputFileName().isEmpty())
    QFile::remove(printer.outputFileName());
  return Status::OK();
}

Status PrintOneRecord(Session& session, QPrinter& printer, int register_number, uint32_t record) {
  PrintItem item;
  if (Status status = session.ReadPrintItem(register_number, record, item); !status.ok())
    return status;
  printer.setPageOrientation(QPageLayout::Portrait);
  QPainter painter;
  if (Status status = BeginDocument(session, printer, painter); !status.ok()) return status;
  PrinterCanvas canvas(printer, painter);
  SilentPrintMonitor monitor;
  const Language language = session.language();
  PrintEngine engine(canvas, monitor, session.Heading(),
                     SingleRecordHeaderLine(session.Heading(), TodayText(), language), language);
  engine.PrintSingleRecord(item);
  painter.end();
  return Status::OK();
}

}  // namespace vx
