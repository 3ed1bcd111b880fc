// kuvo-sok --pdf: the hits of one register printed to a PDF file through
// the desktop program's print engine, as its print dialog would print
// them on a printer.
#ifndef VX_TOOLS_SOK_PDF_H_
#define VX_TOOLS_SOK_PDF_H_

#include "engine/util/status.h"
#include "session/session.h"
#include "tools/sok_request.h"

namespace vx::cli {

// Prints the session's hits of the request's register to request.pdf (A4).
// Needs no display. `pages` is set to the number of pages printed.
Status WriteHitsPdf(Session& session, const SokRequest& request, int& pages);

}  // namespace vx::cli

#endif  // VX_TOOLS_SOK_PDF_H_
