#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/LoadKeys.h"

namespace vek {

// What the characteristic internal forces of one anchor are made from.
// Whole-panel actions in kN, lengths in mm, ΔT in K, I_y in mm⁴.
struct TInternalForceInputs {
  // Actions of the value table: "G_k", "W_posk", "W_negk", "F_Tk", "H_1k", "H_2k",
  // "V_1k", "V_2k".
  double G = 0, Wp = 0, Wn = 0, T = 0, H1 = 0, H2 = 0, V1 = 0, V2 = 0;
  // Lever arms of the value table: "l_1", "l_2", "l_k", "e0".
  double l1 = 0, l2 = 0, lk = 0, e0 = 0;
  // Inputs of the design case: X, H_br, A_1z, A_2z, A_1y, A_2y, Delta_T, L_0.
  double x = 0, h = 0, a_z1 = 0, a_z2 = 0, a_y1 = 0, a_y2 = 0, DeltaT = 0, l_0 = 0;
  // Model-table "I_y" of the profile.
  double I_y = 0;
};

// The characteristic internal forces of one anchor: 22 quantities (characteristic
// keys, "A_z_k" …) × 8 actions ("G_k" …), kN, kNm and mm. Either empty or complete;
// reading from an empty table, or by a name outside the key sets, throws EKeyNotFound.
class TVigoursMX {
 public:
  using TRow = std::array<double, kActionCount>;
  using TValues = std::array<TRow, kQuantityCount>;

  void Clear() { FFilled = false; }
  bool Empty() const { return !FFilled; }
  size_t Count() const { return FFilled ? kQuantityCount : 0; }

  // Replaces the whole content.
  void Assign(const TValues& values) {
    FValues = values;
    FFilled = true;
  }

  const TValues& Values() const;
  const TRow& Row(TFixedKey quantity) const;
  double Get(TFixedKey quantity, TFixedKey action) const { return Row(quantity)[action.Index]; }
  double Get(std::string_view characteristicKey, std::string_view actionKey) const;

 private:
  TValues FValues{};
  bool FFilled = false;
};

// Fills the table anew for one anchor of the pair (bearing distance l2 each).
void CalculateInternalForces(const TInternalForceInputs& in, TVigoursMX& table);

}  // namespace vek
