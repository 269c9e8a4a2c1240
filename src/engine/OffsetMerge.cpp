// The anchor may sit anywhere within the tolerance of the slotted hole, so a variant is
// as good as its worst offset: the merge keeps, per proof, the worst of the three
// records and then describes the variant by the merged table.
#include "engine/OffsetMerge.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/KeyTable.h"
#include "engine/ResultAssembly.h"
#include "engine/Vek.h"

namespace vek {

namespace {

using TResults = std::array<const TVEKResult*, 3>;

constexpr std::array<std::string_view, 3> kStructuralSafetyKeys = {
    "3.1.1_structural_safety_posA", "3.1.2_structural_safety_posB", "3.1.3_structural_safety_posC"};
constexpr std::string_view kTakeOffKey = "5.1_takeoff";

// Proofs of the section and of the geometry that do not depend on the offset.
bool IsOffsetIndependent(std::string_view key) {
  return key == "3.3.1_buckling_1" || key == "3.3.2_buckling_2" || key == "3.3.3_buckling_3" ||
         key == "3.3_buckling_sum" || key == "5.2.1_web_1" || key == "5.2.2_web_2" ||
         key == "length" || key == "adjust";
}

// Location 0, 1, 2 of a structural-safety key; −1 for any other key.
int StructuralSafetyLocation(std::string_view key) {
  for (int i = 0; i < 3; ++i) {
    if (key == kStructuralSafetyKeys[i]) {
      return i;
    }
  }
  return -1;
}

bool IsNotComputableAt(const TVEKResult& result, int location) {
  return static_cast<int>(result.CompSign.size()) > location && result.CompSign[location] == '1';
}

// Whether a candidate is beyond the running value: strictly larger (or smaller), and an
// undefined value beyond any number, so that an undefined result at one offset is
// never hidden behind a defined one at another. Among equal values the first stays.
bool IsBeyond(double candidate, double running, bool larger) {
  if (std::isnan(candidate) || std::isnan(running)) {
    return std::isnan(candidate) && !std::isnan(running);
  }
  return larger ? candidate > running : candidate < running;
}

// The record of the same key in another offset's table. The tables of one variant
// hold the same keys in the same order, so the same position is tried first.
const TVEKProof& ProofOf(const TVEKResult& result, size_t position, const std::string& key) {
  if (!result.ProofDB) {
    throw EKeyNotFound(key);
  }
  const TVEKProofTable& table = *result.ProofDB;
  if (position < table.Count()) {
    const auto& entry = *(table.begin() + static_cast<std::ptrdiff_t>(position));
    if (entry.first == key) {
      return entry.second;
    }
  }
  return table.Get(key);
}

TVEKProof MergedProof(const TResults& results, size_t position, const std::string& key) {
  const int location = StructuralSafetyLocation(key);
  if (location >= 0) {
    for (const TVEKResult* result : results) {
      if (IsNotComputableAt(*result, location)) {
        return ProofOf(*result, position, key);  // the first not computable shows "!"
      }
    }
  }
  const bool larger = key != kTakeOffKey;  // the smallest lift-off margin is the worst
  const TVEKProof* chosen = &ProofOf(*results[0], position, key);
  for (int i = 1; i < 3; ++i) {
    const TVEKProof& candidate = ProofOf(*results[i], position, key);
    if (IsBeyond(candidate.Value1, chosen->Value1, larger)) {
      chosen = &candidate;
    }
  }
  return *chosen;
}

double Extreme(const TResults& results, double TVEKResult::*field, bool larger) {
  double value = results[0]->*field;
  for (int i = 1; i < 3; ++i) {
    if (IsBeyond(results[i]->*field, value, larger)) {
      value = results[i]->*field;
    }
  }
  return value;
}

// Smallest of the values; an undefined one makes it undefined.
double SmallestOf(const std::array<double, 3>& values) {
  double smallest = values[0];
  for (double value : values) {
    if (IsBeyond(value, smallest, false)) {
      smallest = value;
    }
  }
  return smallest;
}

}  // namespace

TVEKResult MergeOffsetVariants(const TVEKResult& r1, const TVEKResult& r2, const TVEKResult& r3) {
  const TResults results = {&r1, &r2, &r3};
  TVEKResult merged = r1;

  // Each key is merged on its own, so the order of the walk does not matter; the
  // chosen record replaces R1's in place.
  if (r1.ProofDB) {
    size_t position = 0;
    for (auto& [key, proof] : *r1.ProofDB) {
      if (!IsOffsetIndependent(key)) {
        proof = MergedProof(results, position, key);
      }
      ++position;
    }
  }

  for (double TVEKResult::*field :
       {&TVEKResult::N_dA,         &TVEKResult::N_dB,         &TVEKResult::N_dC,
        &TVEKResult::V_zdA,        &TVEKResult::V_ydA,        &TVEKResult::V_zdB,
        &TVEKResult::V_ydB,        &TVEKResult::V_zdC,        &TVEKResult::V_ydC,
        &TVEKResult::M_zdA,        &TVEKResult::M_ydA,        &TVEKResult::M_zdB,
        &TVEKResult::M_ydB,        &TVEKResult::M_zdC,        &TVEKResult::M_ydC,
        &TVEKResult::A_zd_max,     &TVEKResult::A_zd_abs_max, &TVEKResult::B_zd_max,
        &TVEKResult::B_zd_abs_max, &TVEKResult::B_xd_max,     &TVEKResult::B_xd_abs_max,
        &TVEKResult::B_yd_max,     &TVEKResult::B_yd_abs_max, &TVEKResult::F_y_k_C,
        &TVEKResult::F_z_k_C,      &TVEKResult::MaxFd_B_z_d,  &TVEKResult::MaxFd_B_x_d}) {
    merged.*field = Extreme(results, field, true);
  }
  for (double TVEKResult::*field : {&TVEKResult::A_zd_min, &TVEKResult::B_zd_min,
                                    &TVEKResult::B_xd_min, &TVEKResult::B_yd_min}) {
    merged.*field = Extreme(results, field, false);
  }

  // The summary describes all three offsets, recomputed from the merged table.
  if (!r1.ProofDB) {
    return merged;
  }
  SummariseProofs(*r1.ProofDB, merged);
  if (r1.CompSign.size() == kStructuralSafetyKeys.size()) {
    for (int location = 0; location < 3; ++location) {
      const bool anyNotComputable = IsNotComputableAt(r1, location) ||
                                    IsNotComputableAt(r2, location) ||
                                    IsNotComputableAt(r3, location);
      merged.CompSign[location] = anyNotComputable ? '1' : '0';
    }
    merged.IsWorkloadCalculate = merged.CompSign == "000";
    std::array<double, 3> value1{};
    for (int location = 0; location < 3; ++location) {
      value1[location] = r1.ProofDB->Get(kStructuralSafetyKeys[location]).Value1;
    }
    merged.MinStructuralSafety = 100 * SmallestOf(value1);
  }
  return merged;
}

TVEKResult TVek::Compare_Pos_B(const TVEKResult& VekResult1, const TVEKResult& VekResult2,
                               const TVEKResult& VekResult3) const {
  return MergeOffsetVariants(VekResult1, VekResult2, VekResult3);
}

}  // namespace vek
