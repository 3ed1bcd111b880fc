#include "tools/sok_pdf.h"

#include "desktop/output/pdf_print.h"

namespace vx::cli {

Status WriteHitsPdf(Session& session, const SokRequest& request, int& pages) {
  PrintRequest print;
  print.register_number = request.register_number;
  print.table = request.table;
  print.order = static_cast<PrintOrder>(request.print_order);
  print.range = ParsePrintRange(request.from, request.to);
  SilentPrintMonitor monitor;
  return PrintHitsToPdf(session, request.pdf, print, monitor, pages);
}

}  // namespace vx::cli
