// The calculation state of a design case: whether the stored results belong to the
// current inputs and whether a variant has been assigned.
#include <string>

#include "engine/Vek.h"

namespace vek {

namespace {
constexpr const char* kNotAssigned = "N/A";
}

const TVEKResultTable* TVek::GetVEKModelResultDB() const {
  return FState == TVEKState::DEFAULT ? nullptr : &FVekModelResultDB;
}

int TVek::GetResultSize() const {
  return static_cast<int>(FVekModelResultDB.Count());
}

void TVek::SetSelectedVEKResult(const TVEKResult& result) {
  FSelectedVEKResult = result;
}

void TVek::SetAssignedVek(const std::string& AssignedVek) {
  FAssigned = AssignedVek;
}

void TVek::RunFsm() {
  FControl = TVEKControl::RUN;
}

void TVek::StopFsm() {
  FControl = TVEKControl::STOP;
}

std::string TVek::StateToStr(TVEKState state) {
  switch (state) {
    case TVEKState::DEFAULT:
      return "DEFAULT";
    case TVEKState::CALCULATED:
      return "CALCULATED";
    case TVEKState::ASSIGNED:
      return "ASSIGNED";
  }
  return "";
}

void TVek::SetState(TVEKSignal signal) {
  if (FControl == TVEKControl::STOP) {
    return;
  }
  const TVEKState state = FState;
  TVEKState next = TVEKState::DEFAULT;
  if (signal == TVEKSignal::EDIT && state != TVEKState::DEFAULT) {
    FAssigned = kNotAssigned;
    FVekModelResultDB.Clear();
    FSelectedVEKResult = EmptyVEKResult();
  } else if (signal == TVEKSignal::CALC && state == TVEKState::DEFAULT) {
    // The search has just filled the table; it stays.
    FAssigned = kNotAssigned;
    FSelectedVEKResult = EmptyVEKResult();
    next = TVEKState::CALCULATED;
  } else if (signal == TVEKSignal::ASSIGN && state == TVEKState::CALCULATED) {
    // Always the default choice; a lookup that fails leaves selection and state as they are.
    FAssigned = GetDefaultAssignedVek();
    FSelectedVEKResult = FVekModelResultDB[FAssigned];
    next = TVEKState::ASSIGNED;
  } else if (signal == TVEKSignal::ASSIGN && state == TVEKState::ASSIGNED) {
    // The user's own choice, set just before through SetAssignedVek.
    FSelectedVEKResult = FVekModelResultDB[FAssigned];
    next = TVEKState::ASSIGNED;
  } else if (signal == TVEKSignal::RESET_AS && state == TVEKState::ASSIGNED) {
    FAssigned = kNotAssigned;
    FSelectedVEKResult = EmptyVEKResult();
    next = TVEKState::CALCULATED;
  }
  FState = next;
}

std::string TVek::GetDefaultAssignedVek() const {
  if (FVekModelResultDB.Empty()) {
    return kNotAssigned;
  }
  // Keys run by size and then by length, so this is the smallest passing variant.
  const std::vector<std::string> keys = FVekModelResultDB.OrdinalKeys();
  for (const std::string& key : keys) {
    if (FVekModelResultDB[key].IsAllProof) {
      return key;
    }
  }
  return keys.front();
}

}  // namespace vek
