#include <gtest/gtest.h>

#include <cmath>

#include "ProofsFixture.h"
#include "engine/Proofs.h"

namespace vek {
namespace {

using prooftest::TProofFixture;

class StructuralSafety : public TProofFixture {
 protected:
  void RunStructuralSafety() {
    Prepare();
    RunStructuralSafetyProofs(Context(), Proofs, ProofValues, Summary);
  }
};

TEST_F(StructuralSafety, HandCheckedUtilisationAtA) {
  // V_z = max(|12|, |18|) = 18, ρ_z = 18/30 = 0.6 > 1/3 → s_1 = √(1 − 0.36) = 0.8;
  // ρ_y = 4/20 = 0.2 → s_2 = 1; M_red = 2.5·0.8 = 2.0 kNm.
  // e = (30 − 20)/1000 = 0.01 m; M_0 = |1.0 − 20·0.01| = 0.8 kNm.
  // P = 2.0·(20²/4 + (1000·0.1)²/50²)·2·1000 = 2.0·104·2000 = 416000;
  // Q = 500·4·0.8/1000 = 1.6; P/Q = 260000; (1000·M_0)² = 640000.
  // η = (800 + √900000)/(2·1000·2.0) = (800 + 948.6832980505138)/4000 = 0.43717082451262845.
  Forces.Set("max|Fd|-V_z_d_li_A", 12);
  Forces.Set("max|Fd|-V_z_de_re_A", 18);
  Forces.Set("max|Fd|-V_y_d_A", 4);
  Forces.Set("max|Fd|-N_d_A", 20);
  Forces.Set("max|Fd|-M_y_d_A", 1.0);
  Forces.Set("max|Fd|-M_z_d_A", 0.1);
  Model.Set("V_plzd", 30);
  Model.Set("V_plyd", 20);
  Model.Set("M_plyd", 2.5);
  Model.Set("z_s", 30);
  Model.Set("z_0", 20);
  Model.Set("BB", 50);
  Values.Set("f_ysd", 500);
  RunStructuralSafety();

  EXPECT_DOUBLE_EQ(ProofValues["V_zd_A"], 18);
  EXPECT_DOUBLE_EQ(ProofValues["V_zd_A/V_plzd"], 0.6);
  EXPECT_DOUBLE_EQ(ProofValues["V_y_d_A/V_plyd"], 0.2);
  EXPECT_DOUBLE_EQ(ProofValues["M_yd_0A"], 0.8);
  EXPECT_DOUBLE_EQ(ProofValues["Sheet1_posA"], 0.8);
  EXPECT_DOUBLE_EQ(ProofValues["Sheet2_posA"], 1.0);
  EXPECT_DOUBLE_EQ(ProofValues["redM_plyd_A"], 2.0);
  EXPECT_DOUBLE_EQ(ProofValues["Value_structural_safety_posA"], 0.43717082451262845);

  const TVEKProof& a = Proof("3.1.1_structural_safety_posA");
  EXPECT_TRUE(a.IsProof);
  EXPECT_DOUBLE_EQ(a.Value1, 0.43717082451262845);
  EXPECT_EQ(a.Value2, 1.0);
  EXPECT_FALSE(a.Value3);
  EXPECT_EQ(a.Operator, "<=");
  EXPECT_EQ(a.Value5, "p");

  EXPECT_EQ(Summary.CompSign, "000");
  EXPECT_TRUE(Summary.IsWorkloadCalculate);
  double smallest = a.Value1;
  for (const char* key : {"3.1.2_structural_safety_posB", "3.1.3_structural_safety_posC"}) {
    smallest = std::min(smallest, Proof(key).Value1);
  }
  EXPECT_DOUBLE_EQ(Summary.MinStructuralSafety, 100 * smallest);
}

TEST_F(StructuralSafety, ShearUpToAThirdOfTheResistanceIsNotReduced) {
  Forces.Set("max|Fd|-V_z_d_B", 33);  // 33/99
  Forces.Set("max|Fd|-V_y_d_B", 10);
  Model.Set("V_plyd", 30);
  RunStructuralSafety();
  EXPECT_DOUBLE_EQ(ProofValues["V_zd_B/V_plzd"], 1.0 / 3.0);
  EXPECT_DOUBLE_EQ(ProofValues["V_y_d_B/V_plyd"], 1.0 / 3.0);
  EXPECT_EQ(ProofValues["Sheet1_posB"], 1.0);
  EXPECT_EQ(ProofValues["Sheet2_posB"], 1.0);
  EXPECT_EQ(ProofValues["redM_plyd_B"], Model["M_plyd"]);
}

TEST_F(StructuralSafety, ShearAtTheFullResistanceStaysComputableAndFails) {
  Forces.Set("max|Fd|-V_z_d_C", 99);  // ρ_z = 1: s_1 = 0, M_red = 0
  RunStructuralSafety();
  EXPECT_EQ(ProofValues["Sheet1_posC"], 0.0);
  EXPECT_EQ(ProofValues["redM_plyd_C"], 0.0);
  const TVEKProof& c = Proof("3.1.3_structural_safety_posC");
  EXPECT_FALSE(std::isfinite(c.Value1));
  EXPECT_FALSE(c.IsProof);
  EXPECT_EQ(c.Operator, "<=");
  EXPECT_EQ(c.Value2, 1.0);
  EXPECT_EQ(Summary.CompSign, "000");
  EXPECT_TRUE(Summary.IsWorkloadCalculate);
  EXPECT_TRUE(std::isnan(Summary.MinStructuralSafety));  // the smallest is undefined too
}

TEST_F(StructuralSafety, ShearAboveTheResistanceMarksOnlyThatLocationNotComputable) {
  Forces.Set("max|Fd|-V_z_d_B", 1.2 * 99);
  RunStructuralSafety();
  EXPECT_EQ(Summary.CompSign, "010");
  EXPECT_FALSE(Summary.IsWorkloadCalculate);
  EXPECT_EQ(Summary.MinStructuralSafety, 0.0);

  const TVEKProof& b = Proof("3.1.2_structural_safety_posB");
  EXPECT_FALSE(b.IsProof);
  EXPECT_EQ(b.Value1, 0.0);
  EXPECT_EQ(b.Value2, 0.0);
  EXPECT_TRUE(b.Value3);
  EXPECT_EQ(b.Operator, "!");
  EXPECT_EQ(b.Value5, "p");
  // The utilisation is still computed and kept, with the unreduced moment.
  EXPECT_EQ(ProofValues["Sheet1_posB"], 1.0);
  EXPECT_TRUE(ProofValues.Contains("Value_structural_safety_posB"));

  EXPECT_TRUE(Proof("3.1.1_structural_safety_posA").IsProof);
  EXPECT_EQ(Proof("3.1.3_structural_safety_posC").Operator, "<=");
}

TEST_F(StructuralSafety, WithoutAxialForceAndMinorMomentTheUtilisationIsMomentOverResistance) {
  // At C the shear adds V_z·a with a = c_nom_i + f/2 − i/2 = 25 + 62.5 − 25 = 62.5 mm.
  Forces.Set("max|Fd|-N_d_C", 0);
  Forces.Set("max|Fd|-M_z_d_C", 0);
  Forces.Set("max|Fd|-M_y_d_C", 1.2);
  Forces.Set("max|Fd|-V_z_d_C", 6);
  RunStructuralSafety();
  const double m_0 = 1.2 + 6 * 62.5 / 1000;
  EXPECT_DOUBLE_EQ(ProofValues["M_yd_0C"], m_0);
  EXPECT_DOUBLE_EQ(Proof("3.1.3_structural_safety_posC").Value1, m_0 / ProofValues["redM_plyd_C"]);
}

TEST_F(StructuralSafety, LocalBucklingLimitsScaleWithEpsilon) {
  In.F_ysk = 235;
  Model.Set("h", 200);  // web (200 − 15)/4 = 46.25 above 33·ε
  Prepare();
  RunBucklingProofs(Context(), Proofs, ProofValues);
  const double epsilon = std::sqrt(200000.0 / 210000.0);
  EXPECT_DOUBLE_EQ(Epsilon(235), epsilon);

  const TVEKProof& top = Proof("3.3.1_buckling_1");
  EXPECT_DOUBLE_EQ(top.Value1, (25.5 - 7.5) / 4);
  EXPECT_DOUBLE_EQ(top.Value2, 9 * epsilon);
  EXPECT_TRUE(top.IsProof);
  EXPECT_TRUE(top.Value3);
  EXPECT_EQ(top.Operator, "<=");
  EXPECT_FALSE(Proof("3.3.2_buckling_2").IsProof);
  EXPECT_DOUBLE_EQ(ProofValues["edge_buckling_web"], 33 * epsilon);

  const TVEKProof& bottom = Proof("3.3.3_buckling_3");
  EXPECT_TRUE(bottom.IsProof);
  const TVEKProof& sum = Proof("3.3_buckling_sum");
  EXPECT_FALSE(sum.IsProof);  // the web fails
  EXPECT_EQ(sum.Value1, bottom.Value1);
  EXPECT_EQ(sum.Value2, bottom.Value2);
  EXPECT_TRUE(sum.Value3);
}

TEST_F(StructuralSafety, WebSlendernessCarriesItsLimitInValue4) {
  Prepare();
  RunWebSlendernessProofs(Context(), Proofs, ProofValues);
  const TVEKProof& first = Proof("5.2.1_web_1");
  EXPECT_DOUBLE_EQ(first.Value1, (54.0 - 8) / 4);
  EXPECT_DOUBLE_EQ(first.Value2, 46.833333333333336 * Epsilon(530));
  EXPECT_EQ(first.Value4, first.Value2);
  const TVEKProof& second = Proof("5.2.2_web_2");
  EXPECT_DOUBLE_EQ(second.Value1, std::sqrt(51.0 * 46) / 4);
  EXPECT_EQ(second.Value2, 150.9433962264151);
  EXPECT_EQ(second.Value4, 150.9433962264151);
  const TVEKProof& sum = Proof("5.2_web_sum");
  EXPECT_TRUE(sum.IsProof);
  EXPECT_TRUE(sum.Value3);
  EXPECT_NE(sum.Value2, 1.0);  // never counts as a utilisation
}

}  // namespace
}  // namespace vek
