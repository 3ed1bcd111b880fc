// A print job from start to end on a Qt printer: the hits of a register
// read, sorted and printed by the print engine, or one record alone. The
// print dialog and kuvo-sok --pdf both print through here.
#ifndef VX_DESKTOP_OUTPUT_PRINT_JOB_H_
#define VX_DESKTOP_OUTPUT_PRINT_JOB_H_

#include <QPrinter>
#include <cstdint>

#include "engine/util/status.h"
#include "printing/print_engine.h"
#include "printing/print_layout.h"
#include "session/session.h"

namespace vx {

// Prints the register's hits as `request` says on `printer`, which is set
// up (printer or output file, paper). The job is titled with the set's
// heading + ", utskrift"; a table too wide for portrait paper turns the
// page to landscape. `outcome` tells whether it was printed, cancelled
// through the monitor (a PDF file is then removed) or given up by the
// printer. NotFound when there
// are no hits; IOError when the printer or file cannot be opened.
// `pages`, when given, receives the number of pages printed.
Status PrintHits(Session& session, QPrinter& printer, const PrintRequest& request,
                 PrintMonitor& monitor, PrintOutcome& outcome, int* pages = nullptr);

// Prints record `record` of register 1..3 alone, on one page.
Status PrintOneRecord(Session& session, QPrinter& printer, int register_number, uint32_t record);

}  // namespace vx

#endif  // VX_DESKTOP_OUTPUT_PRINT_JOB_H_
