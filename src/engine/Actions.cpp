#include <array>

#include "core/StandardFnc.h"
#include "engine/DesignConstants.h"
#include "engine/Vek.h"
#include "engine/WindCoefficients.h"

namespace vek {

namespace {

// Peak velocity pressure of one wind zone and region for the building height bands
// h <= 10 m, 10 m < h <= 18 m and 18 m < h <= 25 m, kN/m².
struct TPeakPressureRow {
  TVEKWindZone Zone;
  TVEKRegion Region;
  std::array<double, 3> Qp;
};

using enum TVEKWindZone;
using enum TVEKRegion;

constexpr TPeakPressureRow kPeakPressure[] = {
    {WZ_1, INLAND, {0.50, 0.65, 0.75}},
    {WZ_2, INLAND, {0.65, 0.80, 0.90}},
    {WZ_2, BALTIC_SEA_COAST, {0.85, 1.00, 1.10}},
    {WZ_2, BALTIC_SEA_ISLAND, {0.85, 1.00, 1.10}},
    {WZ_3, INLAND, {0.80, 0.95, 1.10}},
    {WZ_3, BALTIC_SEA_COAST, {1.05, 1.20, 1.30}},
    {WZ_3, BALTIC_SEA_ISLAND, {1.05, 1.20, 1.30}},
    {WZ_4, INLAND, {0.95, 1.15, 1.30}},
    {WZ_4, BALTIC_SEA_COAST, {1.25, 1.40, 1.55}},
    {WZ_4, BALTIC_SEA_ISLAND, {1.25, 1.40, 1.55}},
    {WZ_4, NORTH_SEA_COAST, {1.25, 1.40, 1.55}},
};

// Above 10 m the North Sea islands of wind zone 4 need a site-specific value.
constexpr double kQpNorthSeaIslandLow = 1.40;

// The building area as an upper-case letter; '\0' for a character outside ASCII.
char AreaLetter(char16_t area) {
  if (area >= u'a' && area <= u'z') {
    area = static_cast<char16_t>(area - u'a' + u'A');
  }
  return area < 0x80 ? static_cast<char>(area) : '\0';
}

}  // namespace

double TVek::IdentifyQp(TVEKWindZone WindZone, TVEKRegion Region,
                        TVEKBuildingHeight BuildingHeight) {
  if (WindZone == WZ_4 && Region == NORTH_SEA_ISLAND) {
    return BuildingHeight == TVEKBuildingHeight::LESS_THAN_OR_EQUAL_10 ? kQpNorthSeaIslandLow
                                                                       : kNullReal;
  }
  const int band = static_cast<int>(BuildingHeight);
  if (band < 1 || band > 3) {
    return 0.0;
  }
  for (const TPeakPressureRow& row : kPeakPressure) {
    if (row.Zone == WindZone && row.Region == Region) {
      return row.Qp[static_cast<std::size_t>(band - 1)];
    }
  }
  return 0.0;
}

// The line loads (kN/m) over the panel length (mm), in kN.
void TVek::AddLiveLoadTotals() {
  FValueDB.Add("H_1k", FH_1k * Fl_br / 1000);
  FValueDB.Add("H_2k", FH_2k * Fl_br / 1000);
  FValueDB.Add("V_1k", FV_1k * Fl_br / 1000);
  FValueDB.Add("V_2k", FV_2k * Fl_br / 1000);
}

// Weight of the whole panel, kN.
void TVek::AddSelfWeight() {
  FValueDB.Add("G_k", Fl_br * Fh_br * Ff * kUnitWeightConcrete / 1e9);
}

// Free-standing wall with a symmetric edge situation: zone widths over half the panel
// length and the net pressure coefficients, reduced by a shielding wall when known.
void TVek::AddDetachedWindCoefficients() {
  TKeyTable<double>& v = FValueDB;
  const TDetachedZoneWidths widths = DetachedZoneWidths(Fh_br, Fl_br);
  v.Add("l_A", widths.A);
  v.Add("l_B", widths.B);
  v.Add("l_C", widths.C);
  v.Add("l_D", widths.D);

  static constexpr std::array<std::pair<char, const char*>, 4> kZones = {{
      {'A', "Fcp_net_pos_A_Psi_s"},
      {'B', "Fcp_net_pos_B_Psi_s"},
      {'C', "Fcp_net_pos_C_Psi_s"},
      {'D', "Fcp_net_pos_D_Psi_s"},
  }};
  if (IsDetachedGeometryKnown()) {
    const double shelterRatio = Fx_w / Fh_w;
    v.Add("x_w/h_w", shelterRatio);
    const double psi = ShelterFactor(shelterRatio);
    v.Add("Psi_s", psi);
    const double r = Fl_br / (Fh_g * 1000);
    v.Add("l_br/h_g", r);
    for (const auto& [zone, key] : kZones) {
      v.Add(key, psi * NetPressureCoefficient(zone, r));
    }
  } else {
    for (const auto& [zone, key] : kZones) {
      v.Add(key, ConservativeNetPressureCoefficient(zone));
    }
  }
}

// Wall of a building: external pressure coefficients for small areas.
void TVek::AddBuildingWindCoefficients() {
  TKeyTable<double>& v = FValueDB;
  if (IsBuildingGeometryKnown()) {
    const double r = FBuilding_h / FBuilding_d;
    v.Add("Building_h/Building_d", r);
    const char area = AreaLetter(FBuildingArea);
    v.Add("Fcpe_pos_1", ExternalPressureCoefficientPos(area));
    v.Add("Fcpe_neg_1", ExternalPressureCoefficientNeg(area, r));
  } else {
    v.Add("Fcpe_pos_1", kConservativeCpePos);
    v.Add("Fcpe_neg_1", kConservativeCpeNeg);
  }
}

// Wind on the whole panel, kN: suction positive, pressure negative.
void TVek::AddWindForces() {
  TKeyTable<double>& v = FValueDB;
  const double h = Fh_br;
  const double l = Fl_br;
  double wPos = 0;
  double wNeg = 0;
  if (FW_international) {
    wPos = FW_p * h * l / 1e6;
    wNeg = -FW_n * h * l / 1e6;
  } else if (FDetached) {
    const double s = v["l_A"] * v["Fcp_net_pos_A_Psi_s"] + v["l_B"] * v["Fcp_net_pos_B_Psi_s"] +
                     v["l_C"] * v["Fcp_net_pos_C_Psi_s"] + v["l_D"] * v["Fcp_net_pos_D_Psi_s"];
    // The zones cover half the panel; both halves carry the same wind.
    wPos = 2 * Fq_p * h * s / 1e6;
    wNeg = -2 * Fq_p * h * s / 1e6;
  } else {
    wPos = v["Fcpe_pos_1"] * Fq_p * h * l / 1e6;
    wNeg = v["Fcpe_neg_1"] * Fq_p * h * l / 1e6;
  }
  v.Add("W_posk", wPos);
  v.Add("W_negk", wNeg);
}

// Restraint of the anchor from the thermal elongation of the panel: a cantilever of
// length l_k + f/2 pushed by half the elongation between the two anchors.
void TVek::AddTemperatureAction() {
  TKeyTable<double>& v = FValueDB;
  const double cantilever = v["l_k"] + Ff / 2;
  v.Add("F_Tk", FModelDB["I_z"] * (1.5 * kAlphaT * FDelta_T * Fl_0 * kE) /
                    (cantilever * cantilever * cantilever) / 1000);
  const double f_T = 0.5 * kAlphaT * FDelta_T * Fl_0;
  v.Add("f_T", f_T);
  const double f_T_red = f_T - Ff_t_;
  v.Add("f_T_red", f_T_red);
  const double share = f_T_red / f_T;
  v.Add("alpha_red", share > 0 ? share : 0.0);
}

}  // namespace vek
