// One calculation of a variant: the chain of steps and their flags, the result record
// and its sources.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "core/RegionalSettings.h"
#include "engine/Vek.h"

namespace vek {

struct CalculateTestTag;

template <>
struct TVekTestAccess<CalculateTestTag> {
  static void UpToValues(TVek& vek) {
    vek.CalculateMaterialValues();
    vek.PreCalculateModelDB(false);
    vek.CalculateValueDB();
  }
  static void Vigours(TVek& vek) { vek.CalculateVigoursMX(); }
  static void Combinations(TVek& vek) { vek.CalculateLoadCombinations(); }
  static void Envelopes(TVek& vek) { vek.CalculateEnvelopes(); }
  static void Reset(TVek& vek) { vek.ResetCalculated(); }
  static bool VigoursDone(const TVek& vek) { return vek.FIsVigoursMXCalculated; }
  static bool LoadingDone(const TVek& vek) { return vek.FIsLoadingMXCalculated; }
  static bool EnvelopesDone(const TVek& vek) { return vek.FIsMaxMinLoading; }
  static double Envelope(const TVek& vek, std::string_view key, TEnvelopeMode mode) {
    return vek.GetEnvelopeValue(key, mode);
  }
  static void AddCombination(TVek& vek, std::string_view name, const TActionFactors& factors) {
    vek.AddLoadCombination(name, factors);
  }
};

namespace {

using Access = TVekTestAccess<CalculateTestTag>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TVek DefaultAt(double length, double offset) {
  TVek vek;
  vek.SetL(length);
  vek.SetDelta_B(offset);
  return vek;
}

TEST(CalculationSteps, EachStepNeedsTheStepBefore) {
  TVek vek = DefaultAt(500, 0);
  Access::Vigours(vek);  // no value table yet
  Access::Combinations(vek);
  Access::Envelopes(vek);
  EXPECT_TRUE(vek.GetVigoursMX().Empty());
  EXPECT_TRUE(vek.GetLoadingMX().Empty());
  EXPECT_TRUE(vek.GetMinMaxLoadingDB().Empty());
  EXPECT_FALSE(Access::VigoursDone(vek) || Access::LoadingDone(vek) || Access::EnvelopesDone(vek));

  Access::UpToValues(vek);
  Access::Vigours(vek);
  Access::Combinations(vek);
  Access::Envelopes(vek);
  ASSERT_TRUE(Access::VigoursDone(vek) && Access::LoadingDone(vek) && Access::EnvelopesDone(vek));
  EXPECT_EQ(vek.GetVigoursMX().Count(), 22u);
  EXPECT_EQ(vek.GetLoadingMX().Count(), 206u);
  EXPECT_EQ(vek.GetMinMaxLoadingDB().Count(), 88u);
  EXPECT_DOUBLE_EQ(vek.GetVigoursMX().Get("A_z_k", "G_k"),
                   vek.GetValueDB()["G_k"] * (262.5 + 154.5) / (2 * 154.5));
  EXPECT_EQ(Access::Envelope(vek, "A_z_d", TEnvelopeMode::MinValue),
            vek.GetMinMaxLoadingDB()[Env("minFd-A_z_d")]);
  const double lft4 = vek.GetLoadingMX().Get("LFT4", "V_y_d_A");
  EXPECT_DOUBLE_EQ(lft4, 1.5 * vek.GetValueDB()["F_Tk"]);

  // Stale flags: nothing runs, the tables of the earlier calculation stay untouched.
  const double before = vek.GetMinMaxLoadingDB()[Env("max|Fd|-M_y_d_A")];
  Access::Reset(vek);
  vek.SetDelta_B(40);
  Access::Vigours(vek);
  Access::Combinations(vek);
  Access::Envelopes(vek);
  EXPECT_FALSE(Access::VigoursDone(vek) || Access::LoadingDone(vek) || Access::EnvelopesDone(vek));
  EXPECT_EQ(vek.GetMinMaxLoadingDB()[Env("max|Fd|-M_y_d_A")], before);
  EXPECT_EQ(vek.GetLoadingMX().Get("LFT4", "V_y_d_A"), lft4);

  // A single combination replaces its row in place.
  Access::AddCombination(vek, "LFT4", {1, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(vek.GetLoadingMX().Count(), 206u);
  EXPECT_DOUBLE_EQ(vek.GetLoadingMX().Get("LFT4", "A_z_d"), vek.GetVigoursMX().Get("A_z_k", "G_k"));
}

TEST(CalculationSteps, EveryCalculationMakesItsOwnProofTable) {
  TVek vek = DefaultAt(500, 0);
  const TVEKResult first = vek.Calculate();
  const size_t firstCount = first.ProofDB->Count();
  vek.SetDelta_B(40);
  const TVEKResult second = vek.Calculate();
  EXPECT_NE(first.ProofDB, second.ProofDB);
  EXPECT_EQ(vek.GetProofDB(), second.ProofDB);
  EXPECT_EQ(first.ProofDB->Count(), firstCount);
  EXPECT_EQ(first.ProofDB->Get("6.1_local_load_application_3").Value5, "n");
  EXPECT_EQ(second.ProofDB->Get("6.1_local_load_application_3").Value5, "p");
  EXPECT_TRUE(vek.GetProofValueDB().Contains("value_local_load_application_3"));
}

TEST(CalculationSteps, IncompleteInputsGiveTheEmptyResult) {
  TVek fresh = DefaultAt(500, 0);
  fresh.SetH_br(kNaN);
  const TVEKResult never = fresh.Calculate();  // no table was ever filled
  EXPECT_TRUE(TVek::IsVEKResultEmpty(never));
  EXPECT_TRUE(never.ProofDB->Empty());
  EXPECT_EQ(never.MaxWorkload, -1);
  EXPECT_EQ(never.DecisiveProof, "not found");
  EXPECT_EQ(never.Description, "VEK \u2013 N \u2013  \u2013 -1 \u2013 150");
  EXPECT_EQ(never.CompSign, "");

  // Inputs that became incomplete never reuse the tables of the earlier calculation.
  TVek vek = DefaultAt(500, 0);
  ASSERT_FALSE(TVek::IsVEKResultEmpty(vek.Calculate()));
  vek.SetH_br(kNaN);
  const TVEKResult stale = vek.Calculate();
  EXPECT_TRUE(TVek::IsVEKResultEmpty(stale));
  EXPECT_TRUE(stale.ProofDB->Empty());
  EXPECT_FALSE(stale.IsWorkloadCalculate);
}

TEST(CalculationSteps, ResultFieldsComeFromTheTables) {
  TVek vek = DefaultAt(500, 0);
  vek.SetIsRebarNr(true);
  const TVEKResult r = vek.Calculate();
  const TKeyTable<double>& values = vek.GetValueDB();
  const TKeyTable<double>& model = vek.GetModelDB();
  const TEnvelopeTable& env = vek.GetMinMaxLoadingDB();
  struct Field {
    const char* Name;
    double Actual, Expected;
  };
  const Field fields[] = {
      {"C_1", r.C_1, values["c_1"]},
      {"Gk", r.Gk, values["G_k"]},
      {"Wpos_k", r.Wpos_k, values["W_posk"]},
      {"Wneg_k", r.Wneg_k, values["W_negk"]},
      {"FT_k", r.FT_k, values["F_Tk"]},
      {"D_1", r.D_1, model["d_1"]},
      {"D_s", r.D_s, model["d_s"]},
      {"M_plyd", r.M_plyd, model["M_plyd"]},
      {"V_plzd", r.V_plzd, model["V_plzd"]},
      {"N_pld", r.N_pld, model["N_pld"]},
      {"cnom_i", r.cnom_i, model["c_nom_i"]},
      {"t_e", r.t_e, model["t_e"]},
      {"l_con", r.l_con, model["l_con"]},
      {"h_vek", r.h_vek, model["h"]},
      {"b_vek", r.b_vek, model["b"]},
      {"F_y_k_C", r.F_y_k_C, env[Env("max|Fd|G-f_y_C")]},
      {"F_z_k_C", r.F_z_k_C, env[Env("max|Fd|G-f_z_C")]},
      {"MaxFd_B_z_d", r.MaxFd_B_z_d, env[Env("maxFd-B_z_d")]},
      {"MaxFd_B_x_d", r.MaxFd_B_x_d, env[Env("maxFd-B_x_d")]},
      {"N_dB", r.N_dB, env[Env("max|Fd|-N_d_B")]},
      {"V_zdA", r.V_zdA, std::max(env[Env("max|Fd|-V_z_de_re_A")], env[Env("max|Fd|-V_z_d_li_A")])},
      {"V_ydC", r.V_ydC, env[Env("max|Fd|-V_y_d_C")]},
      {"M_ydA", r.M_ydA, env[Env("max|Fd|-M_y_d_A")]},
      {"M_zdC", r.M_zdC, env[Env("max|Fd|-M_z_d_C")]},
      {"A_zd_min", r.A_zd_min, env[Env("minFd-A_z_d")]},
      {"A_zd_max", r.A_zd_max, env[Env("maxFd-A_z_d")]},
      {"B_yd_abs_max", r.B_yd_abs_max, env[Env("max|Fd|-B_y_d")]},
      {"B_xd_min", r.B_xd_min, env[Env("minFd-B_x_d")]},
      {"E_", r.E_, 150},
      {"H_1", r.H_1, 160},
      {"CeilingTile_F_ck", r.CeilingTile_F_ck, 20},
      {"Length", r.Length, 500},
  };
  for (const Field& f : fields) {
    EXPECT_EQ(f.Actual, f.Expected) << f.Name;
  }
  EXPECT_DOUBLE_EQ(r.F_y_k_C, 1.1 * 0.525);  // temperature displacement with the allowance
  EXPECT_EQ(r.Model, 1);
  EXPECT_EQ(r.ModelAlias, "1");
  EXPECT_EQ(r.reinf, "NR");
  EXPECT_EQ(r.CompSign, "000");
  EXPECT_TRUE(r.IsWorkloadCalculate);
  EXPECT_TRUE(r.IsSpecialScrew && r.IsStainlessSteel && r.CeilingTile_CrackedConcrete);
  EXPECT_EQ(r.AnchorVersion, TVEKAnchorVersion::NORMAL);
  EXPECT_EQ(r.Description, "VEK \u2013 N \u2013 1 \u2013 500 \u2013 150");
}

TEST(CalculationSteps, VariantKeyUsesTheRegionalDecimalSeparator) {
  TVek vek = DefaultAt(450, 0);
  vek.SetE_(20.5);
  vek.SetModalityAdjustable(true);
  vek.SetModel(3);
  const std::string previous = RegionalSettings().DecimalSeparator;
  RegionalSettings().DecimalSeparator = ",";
  const TVEKResult r = vek.Calculate();
  RegionalSettings().DecimalSeparator = previous;
  EXPECT_EQ(r.Description, "VEK \u2013 NJ \u2013 3 \u2013 450 \u2013 20,5");
}

}  // namespace
}  // namespace vek
