#include "CalculateComponents.h"

#include <cmath>
#include <exception>

#include "core/StandardFnc.h"

namespace vek {

namespace {

bool IsUnset(double value) {
  return TStandardFnc::IsNullReal(value);
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    text += text.empty() ? name : ", " + name;
  }
  return text;
}

}  // namespace

std::vector<std::string> MissingCalculationInputs(TVek& vek) {
  std::vector<std::string> missing;
  const std::pair<const char*, double> required[] = {
      {"F_ck", vek.GetF_ck()}, {"H_br", vek.GetH_br()},       {"L_br", vek.GetL_br()},
      {"F", vek.GetF()},       {"L_0", vek.GetL_0()},         {"X", vek.GetX()},
      {"E_", vek.GetE_()},     {"Delta_T", vek.GetDelta_T()}, {"H_1k", vek.GetH_1k()},
      {"A_1z", vek.GetA_1z()}, {"H_2k", vek.GetH_2k()},       {"A_2z", vek.GetA_2z()},
      {"V_1k", vek.GetV_1k()}, {"A_1y", vek.GetA_1y()},       {"V_2k", vek.GetV_2k()},
      {"A_2y", vek.GetA_2y()}};
  for (const auto& [name, value] : required) {
    if (std::isnan(value)) {
      missing.emplace_back(name);
    }
  }
  // With a special length the search sets L itself from it.
  if (vek.GetModelLengthMethod() == TVEKModelLength::INPUT && std::isnan(vek.GetL()) &&
      IsUnset(vek.GetModelSpecialLength())) {
    missing.emplace_back("ModelSpecialLength");
  }
  // The design case's own check has the last word on the required reals.
  const bool lengthFromSearch =
      vek.GetModelLengthMethod() == TVEKModelLength::INPUT && std::isnan(vek.GetL());
  if (missing.empty() && !lengthFromSearch && !vek.IsSetAllUserInput()) {
    missing.emplace_back("required inputs");
  }
  if (vek.GetW_International()) {
    if (IsUnset(vek.GetW_p())) {
      missing.emplace_back("W_p");
    }
    if (IsUnset(vek.GetW_n())) {
      missing.emplace_back("W_n");
    }
  } else {
    if (IsUnset(vek.GetQ_p())) {
      const double q_p =
          TVek::IdentifyQp(vek.GetWindZone(), vek.GetRegion(), vek.GetBuildingHeight());
      if (q_p != 0 && !IsUnset(q_p)) {
        vek.SetQ_p(q_p);
      }
    }
    if (IsUnset(vek.GetQ_p())) {
      missing.emplace_back("Q_p");
    }
  }
  return missing;
}

std::vector<std::optional<std::string>> CalculateProject(TVekProject& project) {
  std::vector<std::optional<std::string>> errors;
  for (const auto& component : project.GetVekComponentList()) {
    TVek& vek = *component->GetVek();
    std::optional<std::string>& error = errors.emplace_back();
    if (vek.GetState() != TVEKState::DEFAULT) {
      continue;
    }
    const std::vector<std::string> missing = MissingCalculationInputs(vek);
    if (!missing.empty()) {
      error = "missing inputs: " + JoinNames(missing);
      continue;
    }
    try {
      vek.CalculateDB();
      if (vek.GetResultSize() == 0) {
        error = "the calculation found no variant";
        continue;
      }
      vek.SetState(TVEKSignal::ASSIGN);
    } catch (const std::exception& failure) {
      error = std::string("the calculation failed: ") + failure.what();
    }
  }
  return errors;
}

}  // namespace vek
