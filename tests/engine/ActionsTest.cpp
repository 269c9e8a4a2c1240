// Actions on the parapet: self-weight, wind from direct input or pressure coefficients,
// temperature restraint, and the peak velocity pressures of the simplified procedure.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/StandardFnc.h"
#include "engine/Vek.h"
#include "engine/WindCoefficients.h"

namespace vek {

struct ActionsTestTag;

template <>
struct TVekTestAccess<ActionsTestTag> {
  static void Calculate(TVek& vek) {
    vek.CalculateMaterialValues();
    vek.PreCalculateModelDB(false);
    vek.CalculateValueDB();
  }
};

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double Value(const TVek& vek, const char* key) {
  return vek.GetValueDB()[key];
}

// Default panel 1000 x 2500 x 125 mm, size 1 at 400 mm, wind from coefficients.
TVek CoefficientCase(bool detached, double qp) {
  TVek vek(1);
  vek.SetL(400);
  vek.SetW_International(false);
  vek.SetDetached(detached);
  vek.SetQ_p(qp);
  return vek;
}

void Calculate(TVek& vek) {
  TVekTestAccess<ActionsTestTag>::Calculate(vek);
}

TEST(IdentifyQp, PeakVelocityPressureTable) {
  using enum TVEKWindZone;
  using enum TVEKRegion;
  using enum TVEKBuildingHeight;
  struct TCase {
    TVEKWindZone Zone;
    TVEKRegion Region;
    double Low, Mid, High;
  };
  const double n = kNullReal;
  const TCase cases[] = {
      {WZ_1, INLAND, 0.50, 0.65, 0.75},
      {WZ_2, INLAND, 0.65, 0.80, 0.90},
      {WZ_2, BALTIC_SEA_COAST, 0.85, 1.00, 1.10},
      {WZ_2, BALTIC_SEA_ISLAND, 0.85, 1.00, 1.10},
      {WZ_3, INLAND, 0.80, 0.95, 1.10},
      {WZ_3, BALTIC_SEA_COAST, 1.05, 1.20, 1.30},
      {WZ_3, BALTIC_SEA_ISLAND, 1.05, 1.20, 1.30},
      {WZ_4, INLAND, 0.95, 1.15, 1.30},
      {WZ_4, BALTIC_SEA_COAST, 1.25, 1.40, 1.55},
      {WZ_4, BALTIC_SEA_ISLAND, 1.25, 1.40, 1.55},
      {WZ_4, NORTH_SEA_COAST, 1.25, 1.40, 1.55},
      {WZ_4, NORTH_SEA_ISLAND, 1.40, n, n},
      // Combinations the table does not cover.
      {WZ_1, BALTIC_SEA_COAST, 0, 0, 0},
      {WZ_1, NORTH_SEA_ISLAND, 0, 0, 0},
      {WZ_2, NORTH_SEA_COAST, 0, 0, 0},
      {WZ_3, NORTH_SEA_ISLAND, 0, 0, 0},
      {WZ_4, UNSET_REGION, 0, 0, 0},
      {UNSET_WZ, INLAND, 0, 0, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << static_cast<int>(c.Zone) << "/" << static_cast<int>(c.Region));
    EXPECT_EQ(TVek::IdentifyQp(c.Zone, c.Region, LESS_THAN_OR_EQUAL_10), c.Low);
    EXPECT_EQ(TVek::IdentifyQp(c.Zone, c.Region, GREATER_THAN_10_LESS_THAN_18), c.Mid);
    EXPECT_EQ(TVek::IdentifyQp(c.Zone, c.Region, GREATER_THAN_10_LESS_THAN_25), c.High);
    EXPECT_EQ(TVek::IdentifyQp(c.Zone, c.Region, UNSET_BUILDING_HEIGHT), c.Mid == n ? n : 0.0);
  }
}

TEST(Actions, SelfWeightOfThePanel) {
  TVek vek(1);
  vek.SetL(400);
  Calculate(vek);
  EXPECT_DOUBLE_EQ(Value(vek, "G_k"), 7.8125);  // 2500 * 1000 * 125 * 25 / 1e9
}

TEST(Actions, DirectWindInputOverridesTheCoefficientsButTheyAreStillWritten) {
  for (bool detached : {true, false}) {
    SCOPED_TRACE(detached);
    TVek vek(1);
    vek.SetL(400);
    vek.SetDetached(detached);
    Calculate(vek);
    // 1.12 and 0.8 kN/m² on 1.0 m x 2.5 m.
    EXPECT_DOUBLE_EQ(Value(vek, "W_posk"), 2.8);
    EXPECT_DOUBLE_EQ(Value(vek, "W_negk"), -2.0);
    EXPECT_TRUE(vek.GetValueDB().Contains(detached ? "Fcp_net_pos_A_Psi_s" : "Fcpe_pos_1"));
    EXPECT_FALSE(vek.GetValueDB().Contains(detached ? "Fcpe_pos_1" : "Fcp_net_pos_A_Psi_s"));
  }
}

TEST(Actions, FreeStandingConservativeWind) {
  TVek vek = CoefficientCase(true, 0.65);
  Calculate(vek);
  EXPECT_DOUBLE_EQ(Value(vek, "l_A"), 300);
  EXPECT_DOUBLE_EQ(Value(vek, "l_B"), 950);
  EXPECT_DOUBLE_EQ(Value(vek, "l_C"), 0);
  EXPECT_DOUBLE_EQ(Value(vek, "l_D"), 0);
  EXPECT_EQ(Value(vek, "Fcp_net_pos_A_Psi_s"), 3.4);
  EXPECT_EQ(Value(vek, "Fcp_net_pos_B_Psi_s"), 2.1);
  EXPECT_EQ(Value(vek, "Fcp_net_pos_C_Psi_s"), 1.7);
  EXPECT_EQ(Value(vek, "Fcp_net_pos_D_Psi_s"), 1.2);
  // S = 300 * 3.4 + 950 * 2.1 = 3015; 2 * 0.65 * 1000 * 3015 / 1e6.
  EXPECT_DOUBLE_EQ(Value(vek, "W_posk"), 3.9195);
  EXPECT_DOUBLE_EQ(Value(vek, "W_negk"), -3.9195);
  EXPECT_FALSE(vek.GetValueDB().Contains("Psi_s"));
  EXPECT_FALSE(vek.GetValueDB().Contains("x_w/h_w"));
  EXPECT_FALSE(vek.GetValueDB().Contains("l_br/h_g"));
}

TEST(Actions, FreeStandingZoneWidthsOfALongLowPanel) {
  // h = 500, half length 2500: A 150, B 1000 - 150, C 2000 - 1000, D 2500 - 2000.
  const TDetachedZoneWidths w = DetachedZoneWidths(500, 5000);
  EXPECT_DOUBLE_EQ(w.A, 150);
  EXPECT_DOUBLE_EQ(w.B, 850);
  EXPECT_DOUBLE_EQ(w.C, 1000);
  EXPECT_DOUBLE_EQ(w.D, 500);
}

TEST(Actions, NetPressureCoefficientsRiseSteadilyWithTheAspectRatio) {
  struct TCase {
    double R;
    double A, B, C;
  };
  const TCase cases[] = {
      {2, 2.3, 1.4, 1.2},      {3, 2.3, 1.4, 1.2},  {4, 2.6, 1.6, 1.3},  {5, 2.9, 1.8, 1.4},
      {7.5, 3.15, 1.95, 1.55}, {10, 3.4, 2.1, 1.7}, {30, 3.4, 2.1, 1.7}, {kNaN, 0, 0, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.R);
    EXPECT_DOUBLE_EQ(NetPressureCoefficient('A', c.R), c.A);
    EXPECT_DOUBLE_EQ(NetPressureCoefficient('B', c.R), c.B);
    EXPECT_DOUBLE_EQ(NetPressureCoefficient('C', c.R), c.C);
    EXPECT_EQ(NetPressureCoefficient('D', c.R), std::isnan(c.R) ? 0.0 : 1.2);
  }
  // No jump just below 10 or just above 3.
  EXPECT_NEAR(NetPressureCoefficient('A', 10 - 1e-9), 3.4, 1e-9);
  EXPECT_NEAR(NetPressureCoefficient('B', 3 + 1e-9), 1.4, 1e-9);
}

TEST(Actions, ShelterFactorOfAShieldingWall) {
  const double cases[][2] = {{0, 0.3}, {5, 0.3}, {12.5, 0.65}, {20, 1.0}, {25, 1.0}, {kNaN, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c[0]);
    EXPECT_DOUBLE_EQ(ShelterFactor(c[0]), c[1]);
  }
}

TEST(Actions, FreeStandingKnownGeometryScalesTheCoefficientsByTheShelterFactor) {
  TVek vek = CoefficientCase(true, 0.65);
  vek.SetConservativeAssumptionDetached(false);
  vek.SetX_w(25);
  vek.SetH_w(2);    // x_w/h_w = 12.5: Psi_s = 0.65
  vek.SetH_g(0.5);  // l_br/h_g = 2500 / 500 = 5
  Calculate(vek);
  EXPECT_DOUBLE_EQ(Value(vek, "x_w/h_w"), 12.5);
  EXPECT_DOUBLE_EQ(Value(vek, "Psi_s"), 0.65);
  EXPECT_DOUBLE_EQ(Value(vek, "l_br/h_g"), 5);
  EXPECT_DOUBLE_EQ(Value(vek, "Fcp_net_pos_A_Psi_s"), 0.65 * 2.9);
  EXPECT_DOUBLE_EQ(Value(vek, "Fcp_net_pos_B_Psi_s"), 0.65 * 1.8);
  EXPECT_DOUBLE_EQ(Value(vek, "Fcp_net_pos_C_Psi_s"), 0.65 * 1.4);
  EXPECT_DOUBLE_EQ(Value(vek, "Fcp_net_pos_D_Psi_s"), 0.65 * 1.2);
  const double s = 300 * 0.65 * 2.9 + 950 * 0.65 * 1.8;
  EXPECT_DOUBLE_EQ(Value(vek, "W_posk"), 2 * 0.65 * 1000 * s / 1e6);
  EXPECT_DOUBLE_EQ(Value(vek, "W_negk"), -2 * 0.65 * 1000 * s / 1e6);

  // The key order of the value table: material values, live loads, lever arms,
  // self-weight, wind coefficients, wind forces, temperature.
  // clang-format off
  const std::vector<std::string> keys = {
      "f_ysd", "E_cm", "f_cd", "f_cd_deck", "H_1k", "H_2k", "V_1k", "V_2k",
      "f_yd", "l_1", "l_2", "l_k", "c_1", "e0", "A_s", "d",
      "G_k", "l_A", "l_B", "l_C", "l_D", "x_w/h_w", "Psi_s", "l_br/h_g",
      "Fcp_net_pos_A_Psi_s", "Fcp_net_pos_B_Psi_s", "Fcp_net_pos_C_Psi_s", "Fcp_net_pos_D_Psi_s",
      "W_posk", "W_negk",
      "F_Tk", "f_T", "f_T_red", "alpha_red",
  };
  // clang-format on
  EXPECT_EQ(vek.GetValueDB().Keys(), keys);
}

TEST(Actions, BuildingWallCoefficientsByArea) {
  struct TCase {
    char16_t Area;
    double Ratio;  // building height / depth
    double Pos, Neg;
  };
  const TCase cases[] = {
      {u'A', 0.5, 0, -1.4}, {u'A', 3, 0, -1.55}, {u'A', 5, 0, -1.7}, {u'B', 3, 0, -1.1},
      {u'C', 3, 0, -0.6},   {u'D', 3, 1.0, 0},   {u'e', 8, 0, -0.7},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<char>(c.Area) << " " << c.Ratio);
    TVek vek = CoefficientCase(false, 0.8);
    vek.SetConservativeAssumptionNotDetached(false);
    vek.SetBuildingArea(c.Area);
    vek.SetBuilding_h(12);
    vek.SetBuilding_d(12 / c.Ratio);
    Calculate(vek);
    EXPECT_DOUBLE_EQ(Value(vek, "Building_h/Building_d"), c.Ratio);
    EXPECT_DOUBLE_EQ(Value(vek, "Fcpe_pos_1"), c.Pos);
    EXPECT_DOUBLE_EQ(Value(vek, "Fcpe_neg_1"), c.Neg);
    // 0.8 kN/m² on 2.5 m²: area D has no suction, the others no pressure.
    EXPECT_DOUBLE_EQ(Value(vek, "W_posk"), c.Pos * 2.0);
    EXPECT_DOUBLE_EQ(Value(vek, "W_negk"), c.Neg * 2.0);
  }
}

TEST(Actions, BuildingWallWithoutKnownGeometryIsConservative) {
  TVek vek = CoefficientCase(false, 0.8);
  vek.SetConservativeAssumptionNotDetached(false);
  vek.SetBuilding_h(12);
  vek.SetBuilding_d(6);  // no area selected
  Calculate(vek);
  EXPECT_EQ(Value(vek, "Fcpe_pos_1"), 1.0);
  EXPECT_EQ(Value(vek, "Fcpe_neg_1"), -1.7);
  EXPECT_FALSE(vek.GetValueDB().Contains("Building_h/Building_d"));
  EXPECT_DOUBLE_EQ(Value(vek, "W_posk"), 2.0);
  EXPECT_DOUBLE_EQ(Value(vek, "W_negk"), -3.4);
}

TEST(Actions, UnsetVelocityPressureGivesUndefinedWindFromCoefficients) {
  for (bool detached : {true, false}) {
    TVek vek = CoefficientCase(detached, kNaN);
    Calculate(vek);
    EXPECT_TRUE(std::isnan(Value(vek, "W_posk")));
    EXPECT_TRUE(std::isnan(Value(vek, "W_negk")));
  }
}

TEST(Actions, TemperatureRestraintAndRemainingElongation) {
  TVek vek(1);
  vek.SetL(400);
  Calculate(vek);
  // Default 70 K over 1500 mm: half the elongation 0.525 mm; cantilever l_k + f/2 =
  // 254.5 + 62.5 = 317 mm; with I_z = 179808.597 mm^4 of size 1:
  // F_T = 179808.597 * (1.5 * 1e-5 * 70 * 1500 * 200000) / 317^3 / 1000
  //     = 179808.597 * 315000 / 31855013 / 1000 = 1.778047 kN.
  EXPECT_NEAR(Value(vek, "F_Tk"), 1.778047, 1e-6);
  EXPECT_DOUBLE_EQ(Value(vek, "f_T"), 0.525);
  EXPECT_DOUBLE_EQ(Value(vek, "f_T_red"), 0.525 - 1.0);
  EXPECT_EQ(Value(vek, "alpha_red"), 0);

  vek.SetF_t_(0.2);
  Calculate(vek);
  EXPECT_DOUBLE_EQ(Value(vek, "alpha_red"), 0.325 / 0.525);
}

TEST(Actions, ZeroPanelAndGeometryDoNotBreakTheCalculation) {
  TVek vek = CoefficientCase(true, 0.65);
  vek.SetConservativeAssumptionDetached(false);
  vek.SetX_w(0);
  vek.SetH_w(0);
  vek.SetH_g(0);
  vek.SetL_br(0);
  vek.SetL_0(0);
  vek.SetDelta_T(0);
  Calculate(vek);
  EXPECT_EQ(Value(vek, "G_k"), 0);
  EXPECT_TRUE(std::isnan(Value(vek, "x_w/h_w")));
  EXPECT_EQ(Value(vek, "Psi_s"), 0);
  EXPECT_EQ(Value(vek, "Fcp_net_pos_A_Psi_s"), 0);
  EXPECT_EQ(Value(vek, "W_posk"), 0);
  EXPECT_EQ(Value(vek, "F_Tk"), 0);
  EXPECT_EQ(Value(vek, "alpha_red"), 0);
}

}  // namespace
}  // namespace vek
