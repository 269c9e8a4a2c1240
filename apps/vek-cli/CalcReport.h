#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/VekProject.h"

namespace vek {

// What "calc" says about the components, in project order; Errors has one entry per
// component.
struct TCalcOutcome {
  const TVekProject* Project = nullptr;
  std::vector<std::optional<std::string>> Errors;
};

// The machine-readable report: {"components":[…]} with every variant of every result
// table, numbers in full precision, non-finite numbers as null.
std::string CalcJsonReport(const TCalcOutcome& outcome);

// The readable report: per component the assigned variant and a table of all variants.
std::string CalcTextReport(const TCalcOutcome& outcome);

}  // namespace vek
