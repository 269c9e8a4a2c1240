#pragma once

#include <string>
#include <string_view>

#include "engine/VekResult.h"

namespace vek {

// The geometry checks; a failed one raises a warning but does not fail the variant.
bool IsGeometryCheck(std::string_view proofKey);

// Largest utilisation of the utilisation proofs (Value2 exactly 1.0) in percent,
// rounded to two decimals with ties to even; −1 when there is none.
double MaxWorkloadOf(const TVEKProofTable& proofs);
// Key of the first utilisation proof with the largest utilisation; "not found" when
// there is none.
std::string DecisiveProofOf(const TVEKProofTable& proofs);

// A variant passes when every proof but the geometry checks is satisfied and its
// largest utilisation is at most 100 %.
bool IsPassingVariant(const TVEKResult& result);

// The summary of a variant from its proof table: IsAllProof, IsWarning, GeoWarning
// (the texts of the failed geometry checks in the current language), MaxWorkload and
// DecisiveProof. An empty table leaves the first three as they are.
void SummariseProofs(const TVEKProofTable& proofs, TVEKResult& result);

}  // namespace vek
