// The automatic search over anchor sizes and lengths. Each variant is calculated at the
// three offsets of the slotted hole and merged; the first variant that passes, in the
// order smallest size first and within it shortest length, is noted.
#include <algorithm>

#include "engine/ResultAssembly.h"
#include "engine/Vek.h"

namespace vek {

namespace {

constexpr int kFirstSearchedSize = 1;
constexpr int kLastSearchedSize = 8;
constexpr int kStandardLengthCount = 12;
constexpr double kShortestStandardLength = 400;
constexpr double kStandardLengthStep = 50;
// The tolerance of the slotted hole, mm.
constexpr double kOffset = 40;

double StandardLength(int j) {
  return kShortestStandardLength + kStandardLengthStep * j;
}

}  // namespace

void TVek::CalculateVariant(bool replace, TSearchNote& note) {
  SetDelta_B(0);
  const TVEKResult r1 = Calculate();
  SetDelta_B(kOffset);
  const TVEKResult r2 = Calculate();
  SetDelta_B(-kOffset);
  const TVEKResult r3 = Calculate();
  const TVEKResult merged = Compare_Pos_B(r1, r2, r3);
  if (replace) {
    FVekModelResultDB.Set(merged.Description, merged);
  } else {
    FVekModelResultDB.Add(merged.Description, merged);
  }
  if (!note.Found && IsPassingVariant(merged)) {
    note = {true, merged.Model, merged.Length};
  }
}

double TVek::SpecialLengthOfSize() {
  // The model table must describe the current size before its limit is read.
  PreCalculateModelDB(true);
  return std::min(FModelSpecialLength, FModelDB["L_max_admin"]);
}

void TVek::CalculateDB() {
  const TVEKModelLength lengthMethod = FModelLengthMethod;
  FVekModelResultDB.Clear();
  TSearchNote note;
  const bool automaticLength = lengthMethod == TVEKModelLength::AUTOMATIC_MODEL_LENGTH;

  if (FModelAutomatic && !automaticLength) {
    SetL(FModelSpecialLength);
    for (int size = kFirstSearchedSize; size <= kLastSearchedSize; ++size) {
      SetModel(size);
      SetL(SpecialLengthOfSize());
      CalculateVariant(false, note);
    }
  } else if (FModelAutomatic) {
    for (int size = kFirstSearchedSize; size <= kLastSearchedSize; ++size) {
      SetModel(size);
      SetModelLengthMethod(TVEKModelLength::AUTOMATIC_MODEL_LENGTH);
      if (IsSetAllUserInput()) {
        for (int j = 0; j < kStandardLengthCount; ++j) {
          SetL(StandardLength(j));
          CalculateVariant(true, note);
        }
      }
    }
  } else if (!automaticLength) {
    SetL(SpecialLengthOfSize());
    if (IsSetAllUserInput()) {
      CalculateVariant(false, note);
    }
  } else {
    SetModelLengthMethod(TVEKModelLength::AUTOMATIC_MODEL_LENGTH);
    if (IsSetAllUserInput()) {
      for (int j = 0; j < kStandardLengthCount; ++j) {
        SetL(StandardLength(j));
        CalculateVariant(false, note);
      }
    }
  }

  SetModelLengthMethod(lengthMethod);
  FMinOkSize = note.Found ? note.Size : 0;
  FMinOkLength = note.Found ? note.Length : 0;
  FIsCalculateDB = true;
  SetState(TVEKSignal::CALC);
}

}  // namespace vek
