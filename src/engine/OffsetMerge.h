#pragma once

#include "engine/VekResult.h"

namespace vek {

// Merges the results of one variant at the offsets 0, +40 and −40 mm (in this order)
// into the result the search keeps: per proof the worst record of the three, the
// extreme envelope fields, and a summary recomputed from the merged proof table, so
// that a variant failing at any offset is reported as failing. The merged proof table
// is the first result's table, changed in place.
TVEKResult MergeOffsetVariants(const TVEKResult& r1, const TVEKResult& r2, const TVEKResult& r3);

}  // namespace vek
