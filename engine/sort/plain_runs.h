// PlainRuns: the external sorter's own run format. Each item is
//   u32 key size k, u32 payload size p, k bytes of key, p bytes of payload,
// written through a large buffer and read back without copying. The file
// is named ".vx-sortering-…" and loses its name at once (see SpillFile).
#ifndef VX_ENGINE_SORT_PLAIN_RUNS_H_
#define VX_ENGINE_SORT_PLAIN_RUNS_H_

#include "engine/sort/run_format.h"

namespace vx {

const RunFormat& PlainRuns();

}  // namespace vx

#endif  // VX_ENGINE_SORT_PLAIN_RUNS_H_
