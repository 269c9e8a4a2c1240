// Design strengths, live-load totals, lever arms between the positions A, B and C, and
// the reinforcement values of the value table.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/KeyTable.h"
#include "engine/Vek.h"

namespace vek {

struct MaterialValuesTestTag;

template <>
struct TVekTestAccess<MaterialValuesTestTag> {
  static void CalculateMaterialValues(TVek& vek) { vek.CalculateMaterialValues(); }
  static void CalculateValueDB(TVek& vek) { vek.CalculateValueDB(); }
  static bool IsValueDBCalculated(const TVek& vek) { return vek.FIsValueDBCalculated; }
};

namespace {

using Access = TVekTestAccess<MaterialValuesTestTag>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The order of one calculation: material values, model table, value table.
void Calculate(TVek& vek) {
  Access::CalculateMaterialValues(vek);
  vek.PreCalculateModelDB(false);
  Access::CalculateValueDB(vek);
}

double Value(const TVek& vek, const char* key) {
  return vek.GetValueDB()[key];
}

TEST(MaterialValues, DefaultStrengthsOfConcreteAndSteel) {
  TVek vek;
  Access::CalculateMaterialValues(vek);
  const std::vector<std::string> keys = {"f_ysd", "E_cm", "f_cd", "f_cd_deck",
                                         "H_1k",  "H_2k", "V_1k", "V_2k"};
  EXPECT_EQ(vek.GetValueDB().Keys(), keys);
  EXPECT_NEAR(Value(vek, "f_ysd"), 481.818182, 1e-6);
  EXPECT_NEAR(Value(vek, "E_cm"), 32836.6, 0.05);  // 22000 * 3.8^0.3
  EXPECT_DOUBLE_EQ(Value(vek, "f_cd"), 17.0);
  EXPECT_NEAR(Value(vek, "f_cd_deck"), 11.333333, 1e-6);
}

TEST(MaterialValues, StrengthsFollowTheGrades) {
  TVek vek;
  vek.SetF_ck(45);
  vek.SetF_ck_CeilingTile(35);
  vek.SetF_ysk(600);
  vek.SetF_yk(550);
  Calculate(vek);
  EXPECT_DOUBLE_EQ(Value(vek, "f_ysd"), 600 / 1.1);
  EXPECT_DOUBLE_EQ(Value(vek, "E_cm"), 22 * std::pow(5.3, 0.3) * 1000);
  EXPECT_DOUBLE_EQ(Value(vek, "f_cd"), 0.85 * 45 / 1.5);
  EXPECT_DOUBLE_EQ(Value(vek, "f_cd_deck"), 0.85 * 35 / 1.5);
  EXPECT_DOUBLE_EQ(Value(vek, "f_yd"), 550 / 1.15);
}

TEST(MaterialValues, LiveLoadTotalsSpanThePanelLength) {
  TVek vek;
  vek.SetH_1k(1.0);
  vek.SetH_2k(0.4);
  vek.SetV_1k(2.0);
  vek.SetV_2k(-0.8);
  Access::CalculateMaterialValues(vek);
  // kN/m over 2500 mm.
  EXPECT_DOUBLE_EQ(Value(vek, "H_1k"), 2.5);
  EXPECT_DOUBLE_EQ(Value(vek, "H_2k"), 1.0);
  EXPECT_DOUBLE_EQ(Value(vek, "V_1k"), 5.0);
  EXPECT_DOUBLE_EQ(Value(vek, "V_2k"), -2.0);
}

// Size 1, L = 400: l_over = 119 / 2 + 16 = 75.5, t_e = 70; f = 125, e = 150, 50 mm from
// the front bearing to the slab edge.
TEST(MaterialValues, LeverArmsAndReinforcementOfSizeOne) {
  struct TCase {
    double Offset;
    double L2, Lk, C1;
  };
  const TCase cases[] = {
      {0, 54.5, 254.5, 104.5},
      {40, 14.5, 214.5, 64.5},
      {-40, 94.5, 294.5, 144.5},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Offset);
    TVek vek(1);
    vek.SetL(400);
    vek.SetDelta_B(c.Offset);
    Calculate(vek);
    EXPECT_DOUBLE_EQ(Value(vek, "l_1"), 262.5);
    EXPECT_DOUBLE_EQ(Value(vek, "l_2"), c.L2);
    EXPECT_DOUBLE_EQ(Value(vek, "l_k"), c.Lk);
    EXPECT_DOUBLE_EQ(Value(vek, "c_1"), c.C1);
    EXPECT_DOUBLE_EQ(Value(vek, "e0"), 17.5);
    EXPECT_NEAR(Value(vek, "A_s"), 157.08, 0.005);
    EXPECT_DOUBLE_EQ(Value(vek, "d"), 60.0);
    EXPECT_NEAR(Value(vek, "f_yd"), 434.78, 0.005);
  }
}

TEST(MaterialValues, IncompleteInputsLeaveTableAndFlagAlone) {
  TVek vek(1);
  vek.SetL(400);
  Calculate(vek);
  EXPECT_TRUE(Access::IsValueDBCalculated(vek));
  const std::vector<std::string> keys = vek.GetValueDB().Keys();
  const double l2 = Value(vek, "l_2");

  vek.SetE_(kNaN);  // marks the case stale
  EXPECT_FALSE(Access::IsValueDBCalculated(vek));
  Access::CalculateMaterialValues(vek);
  Access::CalculateValueDB(vek);
  EXPECT_FALSE(Access::IsValueDBCalculated(vek));
  EXPECT_EQ(vek.GetValueDB().Keys(), keys);
  EXPECT_EQ(Value(vek, "l_2"), l2);
}

TEST(MaterialValues, ValueTableNeedsTheModelTable) {
  TVek vek(1);
  vek.SetL(400);
  EXPECT_THROW(Access::CalculateValueDB(vek), EKeyNotFound);
  EXPECT_FALSE(Access::IsValueDBCalculated(vek));
}

}  // namespace
}  // namespace vek
