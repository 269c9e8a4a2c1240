// The anchor model table: product constants of the sizes, the special anchor, the
// non-adjustable hole rule and the derived section, resistance and bearing values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/KeyTable.h"
#include "engine/Vek.h"

namespace vek {

struct ModelTableTestTag;

template <>
struct TVekTestAccess<ModelTableTestTag> {
  static void CalculateMaterialValues(TVek& vek) { vek.CalculateMaterialValues(); }
};

namespace {

using Access = TVekTestAccess<ModelTableTestTag>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The full model table as a calculation builds it: material values first.
void FillModelTable(TVek& vek) {
  Access::CalculateMaterialValues(vek);
  vek.PreCalculateModelDB(false);
}

double Model(const TVek& vek, const char* key) {
  return vek.GetModelDB()[key];
}

// clang-format off
const std::vector<std::string> kStandardConstantKeys = {
    "L_max_admin", "h", "b", "b_2", "t", "r_", "c_nom_i", "c_nom_e",
    "phi", "i", "o", "l_con", "h_br_min", "a_w", "d_1", "A_Sp=S",
    "length_bolt", "alpha", "d_s", "S", "n_t", "h_t", "b_t", "t_t",
    "c_t", "l_t", "L_t", "s_t-t_t", "d_l", "d_J", "serratedWasher_L_t", "l_w",
    "u", "_a", "s_", "_c",
};

const std::vector<std::string> kDerivedKeys = {
    "l_slot", "l_over", "b_1", "a", "h_pt2", "b_pt2", "A_0", "A",
    "r_pt2", "BB", "e_pt2", "I_0", "I_z", "H", "z_s", "I_y",
    "f_min", "t_e", "N_pld", "M_plzk", "M_plzd", "h_", "h__", "M_plyk",
    "M_plyd", "V_plzk", "V_plyk", "V_plzd", "V_plyd", "z_0", "ue", "L_cr",
    "i_radius", "lambda__K", "PHI", "chi", "A_c0", "r_1", "A_c1", "s_t",
    "e_1x", "e_1x/d_l", "e_2x", "e_2x/d_l", "e_1y", "e_1y/d_l", "e_2y", "e_2y/d_l",
    "W_ZU", "alpha_2", "alpha_1",
};
// clang-format on

TEST(ModelTable, StandardSizeKeepsTheKeyOrderOfTheProductTableThenTheDerivedKeys) {
  TVek vek(4);
  vek.PreCalculateModelDB(true);
  EXPECT_EQ(vek.GetModelDB().Keys(), kStandardConstantKeys);

  FillModelTable(vek);
  std::vector<std::string> expected = kStandardConstantKeys;
  expected.insert(expected.end(), kDerivedKeys.begin(), kDerivedKeys.end());
  EXPECT_EQ(vek.GetModelDB().Keys(), expected);
}

// The search caps a user length by "L_max_admin": 1000 mm stays 1000 up to size 7 and
// becomes 900 for size 8; the settings dialog reads "h" of every size.
TEST(ModelTable, ConstantsOfEverySizeFeedLengthCapAndProfileHeight) {
  struct TCase {
    int Size;
    double LMaxAdmin;
    double H;
    double CappedLength1000;
  };
  const TCase cases[] = {{1, 3000, 45, 1000}, {2, 3000, 50, 1000}, {3, 3000, 54, 1000},
                         {4, 2500, 67, 1000}, {5, 2500, 70, 1000}, {6, 2500, 84, 1000},
                         {7, 1150, 84, 1000}, {8, 900, 85, 900},   {9, 3000, 85, 1000}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Size);
    TVek vek(c.Size);
    vek.PreCalculateModelDB(true);
    EXPECT_EQ(Model(vek, "L_max_admin"), c.LMaxAdmin);
    EXPECT_EQ(vek.GetH(), c.H);
    EXPECT_EQ(std::min(1000.0, Model(vek, "L_max_admin")), c.CappedLength1000);
  }
}

TEST(ModelTable, RulesTakeScrewAndWeldLengthsFromTheSettingsAndFixedValues) {
  TVek vek(6);
  TVEKL screw = vek.GetLVek();
  screw[6] = 77;
  vek.SetLVek(screw);
  TVEKL weld = vek.GetLws();
  weld[6] = 66;
  vek.SetLws(weld);
  vek.PreCalculateModelDB(true);
  EXPECT_EQ(Model(vek, "length_bolt"), 77);
  EXPECT_EQ(Model(vek, "l_w"), 66);
  EXPECT_EQ(Model(vek, "alpha"), 0.49);
  EXPECT_EQ(Model(vek, "h_t"), 1.5);
  EXPECT_EQ(Model(vek, "b_t"), 3.0);
}

TEST(ModelTable, CoversDependOnTheReinforcementAndGiveMinimumThicknessAndEmbedment) {
  struct TCase {
    int Size;
    bool RebarNr;
    double CoverInner, CoverOuter, FMin, TE;
  };
  // f_min = i + c_nom_e + c_nom_i, t_e = o + f_min - c_nom_e.
  const TCase cases[] = {
      {1, false, 25, 35, 40 + 35 + 25, 5 + 100 - 35},
      {1, true, 20, 20, 40 + 20 + 20, 5 + 80 - 20},
      {8, false, 25, 35, 90 + 35 + 25, 10 + 150 - 35},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "size " << c.Size << " NR " << c.RebarNr);
    TVek vek(c.Size);
    vek.SetIsRebarNr(c.RebarNr);
    FillModelTable(vek);
    EXPECT_EQ(Model(vek, "c_nom_i"), c.CoverInner);
    EXPECT_EQ(Model(vek, "c_nom_e"), c.CoverOuter);
    EXPECT_EQ(Model(vek, "f_min"), c.FMin);
    EXPECT_EQ(Model(vek, "t_e"), c.TE);
  }
}

TEST(ModelTable, NonAdjustableAnchorHasNoScrewHoleOnlyInTheFullTable) {
  TVek vek(3);
  vek.SetModalityAdjustable(false);
  vek.PreCalculateModelDB(true);
  EXPECT_EQ(Model(vek, "d_J"), 21);
  FillModelTable(vek);
  EXPECT_EQ(Model(vek, "d_J"), 0);

  vek.SetModalityAdjustable(true);
  FillModelTable(vek);
  EXPECT_EQ(Model(vek, "d_J"), 21);
}

TEST(ModelTable, SlottedHoleFollowsToleranceWasherTypeAndOffset) {
  struct TCase {
    bool StandardWasher;
    double Offset;
    double Slot, Over;
  };
  // Size 5, l_l = 40: standard washer l_t = 63, custom-built L_t = 124.
  const TCase cases[] = {
      {true, 0, 80 + 63, 71.5 + 16},
      {true, 40, 143, 71.5 + 16 + 40},
      {true, -40, 143, 71.5 + 16 - 40},
      {false, 0, 80 + 124, 102 + 16},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.StandardWasher << " " << c.Offset);
    TVek vek(5);
    vek.SetZLineStandard(c.StandardWasher);
    vek.SetDelta_B(c.Offset);
    FillModelTable(vek);
    EXPECT_EQ(Model(vek, "l_slot"), c.Slot);
    EXPECT_EQ(Model(vek, "l_over"), c.Over);
  }
}

// Size 1, not adjustable (d_J = 0), f_ysk = 530: h 45, b 74, b_2 20, t 3, r_ 3.
//   b_1 = 6 + 74 - 40 = 40, a = 20 - 6 = 14, h_pt2 = 45 - 12 = 33, b_pt2 = 40 - 12 = 28,
//   r_pt2 = 4.5, BB = 37, H = 42, A_0 = 3 * 4.5 * pi / 2 = 6.75 pi = 21.205750
//   A = 4 A_0 + 3 * 28 + 6 * (33 + 14) = 27 pi + 366 = 450.823002
//   z_s = 42 * (13.5 pi + 183) / (27 pi + 366) = 42 / 2 = 21 (the numerator is half of A)
//   e_pt2 = (6^3 - 3^3) / (3 A_0) = 2.970892, I_0 = 1215 pi / 16 - A_0 e_pt2^2 = 51.398479
//   I_z = 148.5 + 29229.0029 + 205.5939 + 67765.5 + 5488 + 76972 = 179808.5969
//   I_y = 126 + 69564.6708 + 205.5939 + 105286.5 + 148176 - 198812.9437 = 124545.8210
//   h_ = (40 - 12 - 0) / 4 + (45 - 12 - 14) / 2 = 16.5, h__ = 45 - 12 - 16.5 = 16.5
//   M_plyk = 3 * (pi * 4.5 * 38.941785 + 272.25 + 588 + 588 + 272.25) * 530e-6 = 3.610932,
//   M_plyd = 3.282666
//   V_plzk = 2 * 3 * 37.5 * (530 / sqrt 3) / 1000 = 68.849020, V_plzd = 62.590018
TEST(ModelTable, SectionValuesOfSizeOneMatchTheHandCalculation) {
  TVek vek(1);
  FillModelTable(vek);
  EXPECT_NEAR(Model(vek, "A"), 450.823002, 1e-6);
  EXPECT_NEAR(Model(vek, "z_s"), 21.0, 1e-12);
  EXPECT_NEAR(Model(vek, "I_z"), 179808.5969, 1e-4);
  EXPECT_NEAR(Model(vek, "I_y"), 124545.8210, 1e-4);
  EXPECT_NEAR(Model(vek, "M_plyd"), 3.282666, 1e-6);
  EXPECT_NEAR(Model(vek, "V_plzd"), 62.590018, 1e-6);
  // N_pld = f_ysd * A / 1000 = 530 / 1.1 * 450.823 / 1000.
  EXPECT_NEAR(Model(vek, "N_pld"), 217.214719, 1e-6);
}

TEST(ModelTable, BearingAndWasherValuesOfSizeOne) {
  TVek vek(1);
  FillModelTable(vek);
  // Front bearing plate _c = 40, 50 mm from the slab edge: r_1 = 30, A_c1 = 100^2.
  EXPECT_EQ(Model(vek, "A_c0"), 1600);
  EXPECT_EQ(Model(vek, "r_1"), 30);
  EXPECT_EQ(Model(vek, "A_c1"), 10000);
  // X-washer: t_t 2.5, s_t-t_t 3, c_t 28, l_t 39, d_l 13, n_t 4, serrated washer 76.
  EXPECT_EQ(Model(vek, "s_t"), 5.5);
  EXPECT_DOUBLE_EQ(Model(vek, "e_1x/d_l"), 19.5 / 13);
  EXPECT_DOUBLE_EQ(Model(vek, "e_2x/d_l"), 14.0 / 13);
  // W_ZU = (3 / 224) * (15 * 41^2 + 15^3 / 3) = (3 / 224) * 26340.
  EXPECT_DOUBLE_EQ(Model(vek, "W_ZU"), 3.0 / 224 * 26340);
  EXPECT_EQ(Model(vek, "alpha_2"), 38 - 6);
  EXPECT_EQ(Model(vek, "alpha_1"), 32 - 19.5);
}

// The screw buckles about the radius of gyration of a solid circle of its stress area:
// i = d/4 with A = pi d^2/4. Size 1 has A_Sp=S 157 mm^2 (M16).
TEST(ModelTable, ScrewSlendernessUsesTheRadiusOfGyrationOfACircle) {
  TVek vek(1);
  FillModelTable(vek);
  const double area = Model(vek, "A_Sp=S");
  const double diameter = std::sqrt(4 * area / M_PI);
  EXPECT_DOUBLE_EQ(Model(vek, "i_radius"), diameter / 4);
  EXPECT_DOUBLE_EQ(Model(vek, "lambda__K"), Model(vek, "L_cr") / (diameter / 4) /
                                                (M_PI * std::sqrt(200000 / vek.GetRedf_ybk())));
}

// Long screws buckle (chi well below 1); the short standard screws are capped at 1, and
// an undefined slenderness counts as no reduction.
TEST(ModelTable, BucklingReductionNeverExceedsOne) {
  for (int size = 1; size <= 9; ++size) {
    for (double screw : {10.0, 50.0, 200.0, 1000.0}) {
      SCOPED_TRACE(testing::Message() << "size " << size << " screw " << screw);
      TVek vek(size);
      TVEKL lengths = vek.GetLVek();
      if (size <= 8) {
        lengths[size] = screw;
        vek.SetLVek(lengths);
      } else {
        TVEKSpecialAnchor anchor = vek.GetSpecialAnchor();
        anchor.D_w = screw;
        vek.SetSpecialAnchor(anchor);
      }
      FillModelTable(vek);
      const double chi = Model(vek, "chi");
      EXPECT_GT(chi, 0.0);
      EXPECT_LE(chi, 1.0);
      if (screw >= 200) {
        EXPECT_LT(chi, 1.0);
      }
    }
  }
  TVek vek(1);
  vek.SetRedf_ybk(kNaN);
  FillModelTable(vek);
  EXPECT_EQ(Model(vek, "chi"), 1.0);
}

TEST(ModelTable, SpecialAnchorTakesItsRecordAndCalculatesCompletely) {
  TVek vek(9);
  TVEKSpecialAnchor anchor = vek.GetSpecialAnchor();
  anchor.C_nom_i = 30;
  anchor.El_con = 650;
  anchor.T_tp = 21;
  anchor.A_tp = 95;
  anchor.A_sp = 60;
  anchor.T = 7;
  anchor.L_t = 110;
  vek.SetSpecialAnchor(anchor);
  vek.SetIsRebarNr(true);  // the covers come from the record all the same
  vek.SetModalityAdjustable(true);
  vek.PreCalculateModelDB(true);

  // clang-format off
  const std::vector<std::string> expectedKeys = {
      "h", "b", "b_2", "t", "r_", "c_nom_i", "c_nom_e", "phi",
      "i", "o", "l_con", "a_w", "d_1", "A_Sp=S", "length_bolt", "alpha",
      "d_s", "S", "n_t", "h_t", "b_t", "t_t", "c_t", "l_t",
      "L_t", "s_t-t_t", "d_l", "d_J", "serratedWasher_L_t", "l_w", "L_max_admin", "h_br_min",
      "u", "_a", "_c", "s_",
  };
  // clang-format on
  EXPECT_EQ(vek.GetModelDB().Keys(), expectedKeys);
  EXPECT_EQ(Model(vek, "c_nom_i"), 30);
  EXPECT_EQ(Model(vek, "c_nom_e"), 35);
  EXPECT_EQ(Model(vek, "t"), 7);
  EXPECT_EQ(Model(vek, "l_con"), 650);
  EXPECT_EQ(Model(vek, "length_bolt"), 110);
  EXPECT_EQ(Model(vek, "alpha"), 0.49);
  EXPECT_EQ(Model(vek, "L_t"), 110);
  EXPECT_EQ(Model(vek, "serratedWasher_L_t"), 110);
  EXPECT_EQ(Model(vek, "d_J"), 31);
  EXPECT_EQ(Model(vek, "l_w"), 45);
  EXPECT_EQ(Model(vek, "L_max_admin"), 3000);
  EXPECT_EQ(Model(vek, "h_br_min"), 650);
  EXPECT_EQ(Model(vek, "u"), 21);
  EXPECT_EQ(Model(vek, "_a"), 95);
  EXPECT_EQ(Model(vek, "_c"), 60);
  EXPECT_EQ(Model(vek, "s_"), 7);

  FillModelTable(vek);
  EXPECT_EQ(vek.GetModelDB().Count(), expectedKeys.size() + kDerivedKeys.size());
  EXPECT_EQ(Model(vek, "A_c0"), 3600);
  EXPECT_EQ(Model(vek, "f_min"), 90 + 35 + 30);
}

TEST(ModelTable, IncompleteInputsFillOnlyTheConstantPartWhenAsked) {
  TVek vek(2);
  FillModelTable(vek);
  const std::vector<std::string> fullKeys = vek.GetModelDB().Keys();

  vek.SetF(kNaN);
  vek.PreCalculateModelDB(false);
  EXPECT_EQ(vek.GetModelDB().Keys(), fullKeys) << "the table keeps its content";

  vek.SetModel(7);
  vek.PreCalculateModelDB(true);
  EXPECT_EQ(vek.GetModelDB().Keys(), kStandardConstantKeys);
  EXPECT_EQ(Model(vek, "L_max_admin"), 1150);
}

TEST(ModelTable, FullTableNeedsTheDesignYieldStrengthOfTheValueTable) {
  TVek vek(1);
  EXPECT_THROW(vek.PreCalculateModelDB(false), EKeyNotFound);
}

}  // namespace
}  // namespace vek
