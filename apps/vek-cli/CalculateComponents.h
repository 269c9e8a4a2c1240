#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/VekProject.h"

namespace vek {

// Inputs of a design case that a calculation needs and that are not set. Fills an unset
// q_p from the simplified wind procedure first, when the procedure has a value for it.
std::vector<std::string> MissingCalculationInputs(TVek& vek);

// Calculates every component still in DEFAULT whose inputs are complete and assigns the
// default variant. Answers per component what kept it from a result, or nothing.
std::vector<std::optional<std::string>> CalculateProject(TVekProject& project);

}  // namespace vek
