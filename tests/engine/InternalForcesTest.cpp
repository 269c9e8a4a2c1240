#include "engine/InternalForces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "core/KeyTable.h"

namespace vek {
namespace {

// Round numbers: P = 200, z1 = 750, z2 = 800, K = 0.001, l2 + 1.5·l1 = 550.
TInternalForceInputs HandInputs() {
  TInternalForceInputs in;
  in.G = 2, in.Wp = 3, in.Wn = -1, in.T = 5, in.H1 = 0.4, in.H2 = 0.6, in.V1 = 4, in.V2 = 8;
  in.l1 = 300, in.l2 = 100, in.lk = 250, in.e0 = 10;
  in.x = 200, in.h = 1000, in.a_z1 = 50, in.a_z2 = 100, in.a_y1 = 20, in.a_y2 = -20;
  in.DeltaT = 70, in.l_0 = 1500, in.I_y = 500;
  return in;
}

TEST(InternalForces, FormulasAgreeWithHandValues) {
  TVigoursMX table;
  CalculateInternalForces(HandInputs(), table);
  struct Case {
    std::string_view Quantity, Action;
    double Expected;
  };
  const Case cases[] = {
      {"A_z_k", "G_k", 4},                                   // 2·400/200
      {"A_z_k", "W_negk", -1},                               // −1·200/200
      {"A_z_k", "H_1k", 1.5},                                // 0.4·750/200
      {"A_z_k", "V_2k", 15.2},                               // 8·380/200
      {"B_z_k", "G_k", 3},                                   // 2·300/200
      {"B_z_k", "H_2k", 2.4},                                // 0.6·800/200
      {"B_z_k", "V_1k", 6.4},                                // 4·320/200
      {"B_x_k", "W_posk", 1.5},                              // Wp/2
      {"B_x_k", "W_negk", 0},                                // suction only
      {"N_k_C", "H_2k", 0.3},                                // H2/2
      {"B_y_k", "F_Tk", 5},                                  // T
      {"V_z_k_li_A", "V_2k", 4},                             // V2/2
      {"V_z_k_C", "G_k", 1},                                 // G/2
      {"M_y_k_A", "G_k", 0.3},                               // 2·300/2/1000
      {"M_y_k_A", "V_2k", 1.12},                             // 8·280/2/1000
      {"M_z_k_A", "F_Tk", 0.5},                              // l2·T/1000
      {"M_z_k_C", "F_Tk", 1.25},                             // lk·T/1000
      {"M_y_k_C", "G_k", 0.01},                              // e0·G/2/1000
      {"M_y_k_C", "H_1k", 0.15},                             // 0.4·750/2/1000
      {"M_y_k_C", "V_2k", -0.04},                            // 8·(10 − 20)/2/1000
      {"M_y_k_B", "G_k", 0},      {"f_y_C", "F_Tk", 0.525},  // 0.5·1e-5·70·1500
      {"f_z_C", "G_k", 125.5},                               // 0.001·1·(10·550 + 300·400)
      {"f_z_C", "W_posk", 165},                              // 0.001·300·550
      {"f_z_C", "W_negk", -55},                              // 0.001·(−100)·550
      {"f_z_C", "H_1k", 82.5},                               // 0.001·150·550
      {"f_z_C", "V_1k", 273},                                // 0.001·(2·300·400 + 2·30·550)
      {"f_z_C", "V_2k", 458},  // 0.001·(4·300·400 + 4·(−10)·550)
      {"f_z_C", "F_Tk", 0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(table.Get(c.Quantity, c.Action), c.Expected, 1e-12 * (1 + std::fabs(c.Expected)))
        << c.Quantity << " / " << c.Action;
  }
}

TEST(InternalForces, VerticalLoadsOfOneAnchorReachA) {
  TVigoursMX table;
  CalculateInternalForces(HandInputs(), table);
  for (std::string_view action : kActionNames) {
    const double B_z = table.Get("B_z_k", action);
    EXPECT_EQ(table.Get("V_z_k_re_A", action), -B_z) << action;
    EXPECT_EQ(table.Get("V_z_k_B", action), B_z) << action;
  }
  const TInternalForceInputs in = HandInputs();
  EXPECT_NEAR(table.Get("A_z_k", "G_k") - table.Get("B_z_k", "G_k"), in.G / 2, 1e-12);
  EXPECT_NEAR(table.Get("A_z_k", "V_1k") - table.Get("B_z_k", "V_1k"), in.V1 / 2, 1e-12);
  EXPECT_NEAR(table.Get("A_z_k", "V_2k") - table.Get("B_z_k", "V_2k"), in.V2 / 2, 1e-12);
}

TEST(InternalForces, DefaultPanelOnSize1At400) {
  TInternalForceInputs in;
  in.G = 7.8125, in.l1 = 262.5, in.l2 = 54.5, in.DeltaT = 70, in.l_0 = 1500, in.I_y = 1;
  TVigoursMX table;
  CalculateInternalForces(in, table);
  EXPECT_NEAR(table.Get("A_z_k", "G_k"), 7.8125 * 317 / 109, 1e-12);
  EXPECT_NEAR(table.Get("A_z_k", "G_k"), 22.72, 0.005);
  EXPECT_NEAR(table.Get("B_z_k", "G_k"), 18.81, 0.005);
  EXPECT_DOUBLE_EQ(table.Get("f_y_C", "F_Tk"), 0.525);
  // Without live loads their columns are zero, yet every row is there.
  EXPECT_EQ(table.Count(), 22u);
  for (std::string_view quantity : kCharacteristicNames) {
    for (std::string_view action : {"H_1k", "H_2k", "V_1k", "V_2k"}) {
      EXPECT_EQ(table.Get(quantity, action), 0.0) << quantity << " / " << action;
    }
  }
}

TEST(InternalForces, TableKeepsStringKeyedBehaviour) {
  TVigoursMX table;
  EXPECT_THROW((void)table.Get("A_z_k", "G_k"), EKeyNotFound);  // not yet calculated
  CalculateInternalForces(HandInputs(), table);
  EXPECT_THROW((void)table.Get("A_z_d", "G_k"), EKeyNotFound);  // a design key, not this table
  EXPECT_THROW((void)table.Get("A_z_k", "G"), EKeyNotFound);
  table.Clear();
  EXPECT_TRUE(table.Empty());
  EXPECT_THROW((void)table.Row(Characteristic("f_z_C")), EKeyNotFound);
}

}  // namespace
}  // namespace vek
