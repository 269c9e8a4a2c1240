// The summary of a calculated variant from its proof table. Proof tables are walked in
// their insertion order, which fixes the order of the warning texts and, among exactly
// equal utilisations, the decisive proof.
#include "engine/ResultAssembly.h"

#include <cmath>

#include "language/Language.h"

namespace vek {

namespace {

constexpr std::string_view kNotFound = "not found";

// Only utilisation proofs have exactly 1.0 as their limit.
bool IsUtilisationProof(const TVEKProof& proof) {
  return proof.Value2 == 1.0;
}

}  // namespace

bool IsGeometryCheck(std::string_view proofKey) {
  return proofKey == "thickness" || proofKey == "height" || proofKey == "length" ||
         proofKey == "adjust";
}

double MaxWorkloadOf(const TVEKProofTable& proofs) {
  double largest = -1;
  for (const auto& [key, proof] : proofs) {
    if (IsUtilisationProof(proof) && proof.Value1 > largest) {
      largest = proof.Value1;
    }
  }
  if (!(largest > -1)) {
    return -1;
  }
  // Percent with two decimals; nearbyint rounds ties to even in the default mode.
  return std::nearbyint(largest * 100 * 100) / 100;
}

std::string DecisiveProofOf(const TVEKProofTable& proofs) {
  double largest = -1.0;
  const std::string* decisive = nullptr;
  for (const auto& [key, proof] : proofs) {
    if (IsUtilisationProof(proof) && proof.Value1 > largest) {
      largest = proof.Value1;
      decisive = &key;
    }
  }
  return decisive ? *decisive : std::string(kNotFound);
}

void SummariseProofs(const TVEKProofTable& proofs, TVEKResult& result) {
  if (!proofs.Empty()) {
    result.IsAllProof = true;
    result.IsWarning = false;
    result.GeoWarning.clear();
    for (const auto& [key, proof] : proofs) {
      if (proof.IsProof) {
        continue;
      }
      if (IsGeometryCheck(key)) {
        result.IsWarning = true;
        result.GeoWarning += " " + Language().PrintL(key);
      } else {
        result.IsAllProof = false;
      }
    }
  }
  result.MaxWorkload = MaxWorkloadOf(proofs);
  result.DecisiveProof = DecisiveProofOf(proofs);
}

}  // namespace vek
