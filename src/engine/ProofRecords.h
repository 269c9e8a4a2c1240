#pragma once

#include <cmath>
#include <string>

#include "engine/VekResult.h"

// Builders of proof records shared by the proof groups.
namespace vek::proofs {

// A utilisation is met only when it is a finite number not above 1; an infinite or
// undefined utilisation always fails.
inline bool IsUtilisationMet(double eta) {
  return std::isfinite(eta) && eta <= 1.0;
}

// A comparison on an infinite or undefined value never passes.
inline bool IsComparisonMet(bool relationHolds, double existing, double limit) {
  return relationHolds && std::isfinite(existing) && std::isfinite(limit);
}

inline TVEKProof UtilisationProof(double eta, double value4, const std::string& label) {
  TVEKProof proof;
  proof.IsProof = IsUtilisationMet(eta);
  proof.Value1 = eta;
  proof.Value2 = 1.0;
  proof.Value3 = false;
  proof.Value4 = value4;
  proof.Value5 = label;
  proof.Operator = "<=";
  return proof;
}

inline TVEKProof ComparisonProof(bool isProof, double existing, double limit, const char* op,
                                 const std::string& label) {
  TVEKProof proof;
  proof.IsProof = isProof;
  proof.Value1 = existing;
  proof.Value2 = limit;
  proof.Value3 = true;
  proof.Value5 = label;
  proof.Operator = op;
  return proof;
}

// existing <= limit
inline TVEKProof AtMostProof(double existing, double limit, const std::string& label) {
  return ComparisonProof(IsComparisonMet(existing <= limit, existing, limit), existing, limit,
                         "<=", label);
}

// existing >= limit
inline TVEKProof AtLeastProof(double existing, double limit, const std::string& label) {
  return ComparisonProof(IsComparisonMet(existing >= limit, existing, limit), existing, limit,
                         ">=", label);
}

inline double Square(double x) {
  return x * x;
}

}  // namespace vek::proofs
