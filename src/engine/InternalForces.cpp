// Characteristic support reactions, forces, moments and displacements of one anchor,
// per action. Every expression keeps the order of operations of the method, so that
// the numbers agree to the last bit with hand calculations done the same way.
#include "engine/InternalForces.h"

#include <string>

#include "core/KeyTable.h"
#include "engine/DesignConstants.h"
#include "engine/Vek.h"

namespace vek {

const TVigoursMX::TValues& TVigoursMX::Values() const {
  if (!FFilled) {
    throw EKeyNotFound(std::string(kCharacteristicNames[0]));
  }
  return FValues;
}

const TVigoursMX::TRow& TVigoursMX::Row(TFixedKey quantity) const {
  if (!FFilled) {
    throw EKeyNotFound(std::string(TCharacteristicKeys::NameOf(quantity)));
  }
  return FValues[quantity.Index];
}

double TVigoursMX::Get(std::string_view characteristicKey, std::string_view actionKey) const {
  TFixedKey quantity{};
  if (!TCharacteristicKeys::TryKeyOf(characteristicKey, quantity) || !FFilled) {
    throw EKeyNotFound(std::string(characteristicKey));
  }
  TFixedKey action{};
  if (!TActionKeys::TryKeyOf(actionKey, action)) {
    throw EKeyNotFound(std::string(actionKey));
  }
  return FValues[quantity.Index][action.Index];
}

void CalculateInternalForces(const TInternalForceInputs& in, TVigoursMX& table) {
  const double G = in.G, Wp = in.Wp, Wn = in.Wn, T = in.T;
  const double H1 = in.H1, H2 = in.H2, V1 = in.V1, V2 = in.V2;
  const double l1 = in.l1, l2 = in.l2, lk = in.lk, e0 = in.e0, x = in.x;
  const double a_y1 = in.a_y1, a_y2 = in.a_y2;

  const double P = 2 * l2;  // two anchors share the overturning moment over l2
  // Lever arms of the horizontal live loads above the slab top.
  const double z1 = in.h / 2 + x + in.a_z1;
  const double z2 = in.h / 2 + x + in.a_z2;
  // Cantilever deflection factor with the steel modulus.
  const double K = 1000 * l1 / (3 * kE * in.I_y);
  const double arm = l2 + 1.5 * l1;

  // Vertical reaction at B, also the shear after A (negated) and at B.
  const TVigoursMX::TRow B_z = {
      G * l1 / P,  Wp * x / P,  Wn * x / P,           0,
      H1 * z1 / P, H2 * z2 / P, V1 * (l1 + a_y1) / P, V2 * (l1 + a_y2) / P};
  const TVigoursMX::TRow minusB_z = {
      -G * l1 / P,  -Wp * x / P,  -Wn * x / P,           0,
      -H1 * z1 / P, -H2 * z2 / P, -V1 * (l1 + a_y1) / P, -V2 * (l1 + a_y2) / P};
  // Horizontal force along the anchor: positive wind and horizontal live loads.
  const TVigoursMX::TRow along = {0, Wp / 2, 0, 0, H1 / 2, H2 / 2, 0, 0};
  // Vertical loads of one anchor.
  const TVigoursMX::TRow vertical = {G / 2, 0, 0, 0, 0, 0, V1 / 2, V2 / 2};
  // Temperature restraint sideways.
  const TVigoursMX::TRow sideways = {0, 0, 0, T, 0, 0, 0, 0};
  const TVigoursMX::TRow zero = {0, 0, 0, 0, 0, 0, 0, 0};

  TVigoursMX::TValues v;
  v[Characteristic("A_z_k").Index] = {G * (l1 + l2) / P,
                                      Wp * x / P,
                                      Wn * x / P,
                                      0,
                                      H1 * z1 / P,
                                      H2 * z2 / P,
                                      V1 * (l1 + l2 + a_y1) / P,
                                      V2 * (l1 + l2 + a_y2) / P};
  v[Characteristic("B_x_k").Index] = along;
  v[Characteristic("B_z_k").Index] = B_z;
  v[Characteristic("B_y_k").Index] = sideways;
  v[Characteristic("N_k_A").Index] = along;
  v[Characteristic("V_z_k_li_A").Index] = vertical;
  v[Characteristic("V_z_k_re_A").Index] = minusB_z;
  v[Characteristic("V_y_k_A").Index] = sideways;
  v[Characteristic("M_y_k_A").Index] = {G * l1 / 2 / 1000,           Wp * x / 2 / 1000,
                                        Wn * x / 2 / 1000,           0,
                                        H1 * z1 / 2 / 1000,          H2 * z2 / 2 / 1000,
                                        V1 * (l1 + a_y1) / 2 / 1000, V2 * (l1 + a_y2) / 2 / 1000};
  v[Characteristic("M_z_k_A").Index] = {0, 0, 0, l2 * T / 1000, 0, 0, 0, 0};
  v[Characteristic("N_k_B").Index] = along;
  v[Characteristic("V_z_k_B").Index] = B_z;
  v[Characteristic("V_y_k_B").Index] = sideways;
  v[Characteristic("M_y_k_B").Index] = zero;
  v[Characteristic("M_z_k_B").Index] = zero;
  v[Characteristic("N_k_C").Index] = along;
  v[Characteristic("V_z_k_C").Index] = vertical;
  v[Characteristic("V_y_k_C").Index] = sideways;
  v[Characteristic("M_y_k_C").Index] = {e0 * G / 2 / 1000,           Wp * x / 2 / 1000,
                                        Wn * x / 2 / 1000,           0,
                                        H1 * z1 / 2 / 1000,          H2 * z2 / 2 / 1000,
                                        V1 * (e0 + a_y1) / 2 / 1000, V2 * (e0 + a_y2) / 2 / 1000};
  v[Characteristic("M_z_k_C").Index] = {0, 0, 0, lk * T / 1000, 0, 0, 0, 0};
  // Half the thermal elongation of the panel between the two anchors.
  v[Characteristic("f_y_C").Index] = {0, 0, 0, 0.5 * kAlphaT * in.DeltaT * in.l_0, 0, 0, 0, 0};
  v[Characteristic("f_z_C").Index] = {
      K * (G / 2) * (e0 * arm + l1 * (l2 + l1)),
      K * (Wp * x / 2) * arm,
      K * (Wn * x / 2) * arm,
      0,
      K * (H1 * z1 / 2) * arm,
      K * (H2 * z2 / 2) * arm,
      K * ((V1 / 2) * l1 * (l2 + l1) + (V1 / 2) * (e0 + a_y1) * arm),
      K * ((V2 / 2) * l1 * (l2 + l1) + (V2 / 2) * (e0 + a_y2) * arm)};
  table.Assign(v);
}

void TVek::CalculateVigoursMX() {
  if (!FIsValueDBCalculated) {
    return;
  }
  FVigoursMX.Clear();
  TInternalForceInputs in;
  in.G = FValueDB["G_k"];
  in.Wp = FValueDB["W_posk"];
  in.Wn = FValueDB["W_negk"];
  in.T = FValueDB["F_Tk"];
  in.H1 = FValueDB["H_1k"];
  in.H2 = FValueDB["H_2k"];
  in.V1 = FValueDB["V_1k"];
  in.V2 = FValueDB["V_2k"];
  in.l1 = FValueDB["l_1"];
  in.l2 = FValueDB["l_2"];
  in.lk = FValueDB["l_k"];
  in.e0 = FValueDB["e0"];
  in.x = Fx;
  in.h = Fh_br;
  in.a_z1 = Fa_1z;
  in.a_z2 = Fa_2z;
  in.a_y1 = Fa_1y;
  in.a_y2 = Fa_2y;
  in.DeltaT = FDelta_T;
  in.l_0 = Fl_0;
  in.I_y = FModelDB["I_y"];
  CalculateInternalForces(in, FVigoursMX);
  FIsVigoursMXCalculated = true;
}

}  // namespace vek
