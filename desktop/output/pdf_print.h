// The print job to an A4 PDF file, for programs without windows (kuvo-sok
// --pdf, the print benchmark): Qt's fonts need an application object, so
// one is started on the offscreen platform for the job when the program
// has none, with Qt's notes on its own set-up silenced.
#ifndef VX_DESKTOP_OUTPUT_PDF_PRINT_H_
#define VX_DESKTOP_OUTPUT_PDF_PRINT_H_

#include <filesystem>

#include "engine/util/status.h"
#include "printing/print_engine.h"
#include "session/session.h"

namespace vx {

// Prints the session's hits as `request` says to `pdf` at the printer's
// high resolution; `pages` receives the pages printed. As PrintHits; a
// print the monitor cancels is an OK status with no file.
Status PrintHitsToPdf(Session& session, const std::filesystem::path& pdf,
                      const PrintRequest& request, PrintMonitor& monitor, int& pages);

}  // namespace vx

#endif  // VX_DESKTOP_OUTPUT_PDF_PRINT_H_
