#include <cmath>
#include <numbers>

#include "engine/DesignConstants.h"
#include "engine/Vek.h"

namespace vek {

void TVek::CalculateMaterialValues() {
  if (!IsSetAllUserInput()) {
    return;
  }
  FValueDB.Clear();
  FValueDB.Add("f_ysd", Ff_ysk / kGammaM);
  // Mean modulus of the panel concrete from f_cm = f_ck + 8.
  FValueDB.Add("E_cm", 22 * std::pow((Ff_ck + 8) / 10, 0.3) * 1000);
  FValueDB.Add("f_cd", kAlphaCC * Ff_ck / kGammaC);
  FValueDB.Add("f_cd_deck", kAlphaCC * Ff_ck_CeilingTile / kGammaC);
  AddLiveLoadTotals();
}

void TVek::CalculateValueDB() {
  if (!IsSetAllUserInput()) {
    return;
  }
  CalculateMaterialValues();
  AddLeverArms();
  AddSelfWeight();
  if (FDetached) {
    AddDetachedWindCoefficients();
  } else {
    AddBuildingWindCoefficients();
  }
  AddWindForces();
  AddTemperatureAction();
  FIsValueDBCalculated = true;
}

// Distances between the positions A (front bearing), B (rear bearing) and C (the
// anchorage in the panel), and the anchor's reinforcement in the panel.
void TVek::AddLeverArms() {
  const TKeyTable<double>& m = FModelDB;
  TKeyTable<double>& v = FValueDB;
  v.Add("f_yd", Ff_yk / kGammaS);
  const double l_1 = FL_l_thrustBearingToFontEdge + Fe_ + Ff / 2;
  v.Add("l_1", l_1);
  const double l_2 = FL - m["l_over"] - l_1 - (m["t_e"] - Ff / 2);
  v.Add("l_2", l_2);
  const double l_k = l_2 + l_1 - Ff / 2;
  v.Add("l_k", l_k);
  v.Add("c_1", l_k - Fe_);
  const double c_nom_i = m["c_nom_i"];
  const double i = m["i"];
  const double phi = m["phi"];
  v.Add("e0", Ff / 2 - c_nom_i - i / 2);
  v.Add("A_s", 2 * std::numbers::pi * (phi / 2) * (phi / 2));
  v.Add("d", c_nom_i + i - phi / 2);
}

}  // namespace vek
