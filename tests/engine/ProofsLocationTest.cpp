#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "ProofsFixture.h"
#include "engine/Proofs.h"

namespace vek {
namespace {

using prooftest::TProofFixture;

// Relative closeness for values worked out by hand to full precision.
void ExpectClose(double actual, double expected) {
  EXPECT_NEAR(actual, expected, 1e-12 * std::abs(expected)) << "expected " << expected;
}

using ProofsAtLocations = TProofFixture;

TEST_F(ProofsAtLocations, UtilisationsAtCHandChecked) {
  // M = 1.2e6 Nmm, z = i − phi = 38 mm.
  // 4.1: R = 38·434.8·226.2; 4.2: x = 69·3.5/5.5 = 43.909…,
  //      R = 38·√3·17·0.8·(226.2·200000/32836.6 + (12 + 51)·x); 4.3: R = 38·4·3·35·550/√3/1.25.
  Prepare();
  RunLocationCProofs(Context(), Proofs, ProofValues);
  ExpectClose(Proof("4.1_reinforcement").Value1, 0.3210816702052007);
  ExpectClose(Proof("4.2_concrete").Value1, 0.32350275381000326);
  ExpectClose(Proof("4.3_weldseam").Value1, 0.2959758727903071);
  EXPECT_EQ(ProofValues["value_concrete"], Proof("4.2_concrete").Value1);
  EXPECT_EQ(Proof("4.1_reinforcement").Value4, 434.8);
  EXPECT_EQ(Proof("4.2_concrete").Value4, 17);
}

TEST_F(ProofsAtLocations, WeldSeamsUseTheSmallerTensileStrength) {
  struct TCase {
    double F_usk, F_uk;
  };
  for (const TCase& c : {TCase{600, 550}, TCase{500, 550}}) {
    In.F_usk = c.F_usk;
    In.F_uk = c.F_uk;
    Prepare();
    RunLocationCProofs(Context(), Proofs, ProofValues);
    const double f_u = std::min(c.F_usk, c.F_uk);
    EXPECT_EQ(Proof("4.3_weldseam").Value4, f_u);
    ExpectClose(Proof("4.3_weldseam").Value1, 0.2959758727903071 * 550 / f_u);
  }
}

TEST_F(ProofsAtLocations, LiftOffNeedsAStrictlyPositiveBearingForce) {
  struct TCase {
    double MinA_z;
    bool IsProof;
  };
  for (const TCase& c : {TCase{0.0, false}, TCase{1e-9, true}, TCase{-1.0, false},
                         TCase{std::numeric_limits<double>::infinity(), false}}) {
    Forces.Set("minFd-A_z_d", c.MinA_z);
    Prepare();
    RunLiftOffProof(Context(), Proofs);
    const TVEKProof& p = Proof("5.1_takeoff");
    EXPECT_EQ(p.IsProof, c.IsProof) << c.MinA_z;
    EXPECT_EQ(p.Value1, c.MinA_z);
    EXPECT_EQ(p.Value2, 0.0);
    EXPECT_TRUE(p.Value3);
    EXPECT_EQ(p.Operator, ">");
  }
}

TEST_F(ProofsAtLocations, LoadIntroductionAtAHandChecked) {
  // F = 8000 N, e_a = _a − d_1 = 40 mm, u = 20 mm.
  // 5.3: (8000/220)²·[(1.5·(51 − 8)/(40·20²))² + 3·(0.75/(20·40))²]
  // 5.4: (8000/(60·2·3))/(215/1.25/√3); 5.5: 8000/(245·0.95·210);
  // 5.6: 8000/(4·20·0.6π·600/1.25).
  Prepare();
  RunLoadIntroductionProofs(Context(), Proofs, ProofValues);
  ExpectClose(Proof("5.3_local_load_introduction_3").Value1, 0.024975464876033065);
  ExpectClose(Proof("5.4_local_load_introduction_4").Value1, 0.2237791741045061);
  ExpectClose(Proof("5.5_local_load_introduction_5").Value1, 0.1636744923533323);
  ExpectClose(Proof("5.6_local_load_introduction_6").Value1, 0.11052426603603843);
  EXPECT_EQ(ProofValues["value_local_load_introduction_6"],
            Proof("5.6_local_load_introduction_6").Value1);

  In.ModalityAdjustable = false;
  Prepare();
  RunLoadIntroductionProofs(Context(), Proofs, ProofValues);
  EXPECT_EQ(Proofs.Count(), 0u);
  EXPECT_EQ(ProofValues.Count(), 0u);
}

TEST_F(ProofsAtLocations, SlabConcreteSpreadIsCappedAtThreeTimesTheLoadedArea) {
  struct TCase {
    double AreaRatio;  // A_c1 / A_c0
    double Factor;     // R / (A_c0 · f_cd_deck)
  };
  for (const TCase& c : {TCase{4, 2}, TCase{9, 3}, TCase{16, 3}}) {
    Model.Set("A_c1", c.AreaRatio * 4225);
    Prepare();
    RunSlabConcreteProof(Context(), Proofs, ProofValues);
    const TVEKProof& p = Proof("5.7_local_load_introduction_7");
    ExpectClose(p.Value1, 8000 / (c.Factor * 4225 * 11.33));
    EXPECT_EQ(p.Value4, 11.33);
    EXPECT_EQ(ProofValues["value_local_load_introduction_7"], p.Value1);
  }
}

TEST_F(ProofsAtLocations, FlangeAtBHandChecked) {
  // m = (51 − 4 − 17)/2 = 15; g = (15 − 0.375·16)·0.4 = 3.6; w = (15 − 16/4)·5 = 55;
  // η = (1000·6/530)²·[(6·3.6/103/4²)² + 3·(0.75/4/103)²].
  Prepare();
  RunFlangeAndToothingProofs(Context(), Proofs, ProofValues);
  ExpectClose(Proof("6.1_local_load_application_3").Value1, 0.023290365411448143);
  EXPECT_EQ(Proof("6.1_local_load_application_3").Value4, 530);
}

TEST_F(ProofsAtLocations, ToothingUsesTheThinnerPlateAndTheWeakerSteel) {
  // a = 5·3·(1.5 − 0.5)/(2·1.5)·0.8 = 4; η = (3/4)/(a·min(t, t_t))/(min(f)/√3)·1000.
  struct TCase {
    double T_t, F_yck;
    double Eta, Value4;
  };
  for (const TCase& c :
       {TCase{3, 450, 0.24056261216234406, 450}, TCase{5, 600, 0.15318845585809643, 530}}) {
    Model.Set("t_t", c.T_t);
    In.F_yck = c.F_yck;
    Prepare();
    RunFlangeAndToothingProofs(Context(), Proofs, ProofValues);
    const TVEKProof& p = Proof("6.2_local_load_application_4");
    ExpectClose(p.Value1, c.Eta);
    EXPECT_EQ(p.Value4, c.Value4);
  }
}

TEST_F(ProofsAtLocations, WasherBetaIsHeldBetweenPointThreeAndOne) {
  struct TCase {
    double Ratio, Beta;
  };
  for (const TCase& c :
       {TCase{2.0, 1.0}, TCase{1.5, 1.0}, TCase{1.0, 0.5}, TCase{0.6, 0.3}, TCase{0.1, 0.3}}) {
    Model.Set("e_2x/d_l", c.Ratio);
    Model.Set("e_2y/d_l", c.Ratio);
    Prepare();
    RunWasherFactors(Context(), ProofValues);
    EXPECT_DOUBLE_EQ(ProofValues["x_beta_washer"], c.Beta) << c.Ratio;
    EXPECT_DOUBLE_EQ(ProofValues["y_beta_washer"], c.Beta) << c.Ratio;
  }
  ExpectClose(ProofValues["x_alpha_washer"], 1.32 * 1.41 - 0.12 - 0.16 * 1.41 * 1.41);

  // An undefined ratio is not clamped into a defined factor.
  Model.Set("e_2x/d_l", prooftest::kNaN);
  Prepare();
  RunWasherFactors(Context(), ProofValues);
  EXPECT_TRUE(std::isnan(ProofValues["x_beta_washer"]));
  ExpectClose(ProofValues["y_alpha_washer"], 1.32 * 0.97 - 0.12 - 0.16 * 0.97 * 0.97);
}

TEST_F(ProofsAtLocations, WasherProofsOfBothVariantsHandChecked) {
  // α_x = 1.32·1.41 − 0.12 − 0.16·1.41² = 1.423104, β_x = 0.47; k = 16, s = 4, B_y' = 0.5.
  // 6.3.1 (cast steel): 3000/(1.423104·16·4·650/1.25)/0.47.
  // 6.4.3: A_n = 48·33 − π/4·24² = 1131.61066, U = A_n·3/4/33/48²/4,
  //        V = 9·A_n·6/2/1.25/2/2/33/48²/4², η = (6000/450)²·(3U² + V²).
  // 6.5.3 standard: τ = 0.5·1.5·√3/16/4, σ = 48.5·(0.5/4/1.25)/626.7 + 3/64 + 2·6·3/1.25/16/16,
  //        η = (500/450)²·(3τ² + σ²).
  // 6.5.3 custom: τ = 0.5·1.5/17/3, σ = 14.5·(0.5·6/1.25/3/17²) + 3/17/3 + 3.5·6·3/1.25/17/3²;
  // 6.5.4 custom: τ = 0.5·1.5/16/4, σ = 38.5·(0.5/1.25/626.7) + 3/64 + 3.5·6·3/1.25/16/16;
  //        both η = (500/530)²·(3τ² + σ²).
  Prepare();
  RunWasherFactors(Context(), ProofValues);
  RunWasherProofs(Context(), Proofs, ProofValues);
  ExpectClose(Proof("6.3.1_x_direction_variant_2").Value1, 0.13477316884726231);
  ExpectClose(Proof("6.4.3_z_direction_variant_2_3").Value1, 0.008639046985703778);
  ExpectClose(Proof("6.5.3_x_y_direction_variant_2_3").Value1, 0.03600374594732221);
  EXPECT_EQ(Proof("6.3.1_x_direction_variant_2").Value4, 0.0);
  EXPECT_EQ(Proof("6.4.3_z_direction_variant_2_3").Value4, 450);
  EXPECT_EQ(Proof("6.5.3_x_y_direction_variant_2_3").Value4, 450);
  const double x2 = Proof("6.3.1_x_direction_variant_2").Value1;
  const double y2 = Proof("6.3.2_y_direction_variant_2").Value1;
  const double z2 = Proof("6.4.3_z_direction_variant_2_3").Value1;

  In.ZLineStandard = false;
  Prepare();
  RunWasherFactors(Context(), ProofValues);
  RunWasherProofs(Context(), Proofs, ProofValues);
  // The bearing proofs scale with the tensile strength, the z-direction with the yield
  // strength squared.
  ExpectClose(Proof("6.3.1_x_direction_variant_1").Value1, x2 * 650 / 600);
  ExpectClose(Proof("6.3.2_y_direction_variant_1").Value1, y2 * 650 / 600);
  ExpectClose(Proof("6.4.3_z_direction_variant_1_3").Value1, z2 * (450.0 / 530) * (450.0 / 530));
  ExpectClose(Proof("6.5.3_x_y_direction_variant_1_3").Value1, 0.16389535230882196);
  ExpectClose(Proof("6.5.4_x_y_direction_variant_1_4").Value1, 0.06444402459490263);
  for (const auto& [key, proof] : Proofs) {
    EXPECT_EQ(proof.Value4, 0.0) << key;
  }
}

TEST_F(ProofsAtLocations, GeometryChecks) {
  struct TCase {
    bool Adjustable;
    double F, E_, A_;
    bool Thickness;
    double Length;
    double Adjust;  // NaN: no "adjust" record
  };
  const double none = prooftest::kNaN;
  // length = 600 − 16 − 128 − 82 − 50 − c/2 − e; adjust = e − _a/2 + 50.
  for (const TCase& c : {
           TCase{true, 125, 150, 60, true, 600 - 16 - 128 - 82 - 50 - 30 - 150, 150 - 30 + 50},
           TCase{true, 110, 5, 110, true, 600 - 16 - 128 - 82 - 50 - 55 - 5,
                 0},  // adjust exactly 0
           TCase{false, 109, 150, 60, false, 600 - 16 - 128 - 82 - 50 - 32.5 - 150, none},
       }) {
    In.ModalityAdjustable = c.Adjustable;
    In.F = c.F;
    In.E_ = c.E_;
    Model.Set("_a", c.A_);
    Prepare();
    RunGeometryChecks(Context(), Proofs);
    const TVEKProof& thickness = Proof("thickness");
    EXPECT_EQ(thickness.IsProof, c.Thickness);
    EXPECT_EQ(thickness.Value1, c.F);
    EXPECT_EQ(thickness.Value2, 110);
    EXPECT_EQ(Proof("height").Value2, 450);
    const TVEKProof& length = Proof("length");
    EXPECT_EQ(length.Value1, c.Length);
    EXPECT_EQ(length.IsProof, c.Length >= 0);
    EXPECT_EQ(Proofs.Contains("adjust"), c.Adjustable);
    if (c.Adjustable) {
      const TVEKProof& adjust = Proof("adjust");
      EXPECT_EQ(adjust.Value1, c.Adjust);
      EXPECT_TRUE(adjust.IsProof);
      EXPECT_EQ(adjust.Value2, 0.0);
    }
    for (const auto& [key, proof] : Proofs) {
      EXPECT_EQ(proof.Operator, ">=") << key;
      EXPECT_TRUE(proof.Value3) << key;
      EXPECT_EQ(proof.Value5, "p") << key;
    }
  }
}

}  // namespace
}  // namespace vek
