#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "ProofsFixture.h"
#include "engine/Proofs.h"
#include "engine/Vek.h"

namespace vek {
namespace {

using prooftest::TProofFixture;

enum class TKind { Utilisation, Comparison };

struct TExpectedRecord {
  const char* Key;
  TKind Kind;
  double Value4;  // utilisation proofs only
};

using Records = std::vector<TExpectedRecord>;
using Keys = std::vector<std::string>;

constexpr TKind U = TKind::Utilisation;
constexpr TKind C = TKind::Comparison;

// Value4 with the fixture's strengths: f_yd 434.8, f_cd 17, min(f_usk, f_uk) 550, f_ytk 220,
// f_ywk 215, redf_ybk 210, f_usk 600, f_cd_deck 11.33, f_ysk 530, min(f_ysk, f_yck) 450,
// f_yck 450.
const Records kHead = {
    {"3.1.1_structural_safety_posA", U, 0},
    {"3.1.2_structural_safety_posB", U, 0},
    {"3.1.3_structural_safety_posC", U, 0},
    {"3.3.1_buckling_1", C, 0},
    {"3.3.2_buckling_2", C, 0},
    {"3.3.3_buckling_3", C, 0},
    {"3.3_buckling_sum", C, 0},
    {"4.1_reinforcement", U, 434.8},
    {"4.2_concrete", U, 17},
    {"4.3_weldseam", U, 550},
    {"5.1_takeoff", C, 0},
    {"5.2.1_web_1", C, 0},
    {"5.2.2_web_2", C, 0},
    {"5.2_web_sum", C, 0},
};
const Records kLoadIntroduction = {
    {"5.3_local_load_introduction_3", U, 220},
    {"5.4_local_load_introduction_4", U, 215},
    {"5.5_local_load_introduction_5", U, 210},
    {"5.6_local_load_introduction_6", U, 600},
};
const Records kSlabAndB = {
    {"5.7_local_load_introduction_7", U, 11.33},
    {"6.1_local_load_application_3", U, 530},
    {"6.2_local_load_application_4", U, 450},
};
const Records kWasherStandard = {
    {"6.3.1_x_direction_variant_2", U, 0},
    {"6.3.2_y_direction_variant_2", U, 0},
    {"6.4.3_z_direction_variant_2_3", U, 450},
    {"6.5.3_x_y_direction_variant_2_3", U, 450},
};
const Records kWasherCustom = {
    {"6.3.1_x_direction_variant_1", U, 0},     {"6.3.2_y_direction_variant_1", U, 0},
    {"6.4.3_z_direction_variant_1_3", U, 0},   {"6.5.3_x_y_direction_variant_1_3", U, 0},
    {"6.5.4_x_y_direction_variant_1_4", U, 0},
};
const Records kGeometry = {{"thickness", C, 0}, {"height", C, 0}, {"length", C, 0}};
const Records kAdjust = {{"adjust", C, 0}};

const Keys kStructuralValues = {
    "V_zd_A",
    "V_zd_A/V_plzd",
    "V_y_d_A/V_plyd",
    "M_yd_0A",
    "Sheet1_posA",
    "Sheet2_posA",
    "redM_plyd_A",
    "Value_structural_safety_posA",
    "V_zd_B/V_plzd",
    "V_y_d_B/V_plyd",
    "M_yd_0B",
    "Sheet1_posB",
    "Sheet2_posB",
    "redM_plyd_B",
    "Value_structural_safety_posB",
    "V_zd_C/V_plzd",
    "V_y_d_C/V_plyd",
    "M_yd_0C",
    "Sheet1_posC",
    "Sheet2_posC",
    "redM_plyd_C",
    "Value_structural_safety_posC",
    "ahead_buckling_top_chord",
    "edge_buckling_top_chord",
    "ahead_buckling_web",
    "edge_buckling_web",
    "ahead_buckling_bottom_chord",
    "edge_buckling_bottom_chord",
    "value_reinforcement",
    "value_concrete",
    "value_weldseam",
    "h_2t",
    "h_2t_lim",
    "h_2t_b1",
    "h_2t_b1_lim",
};
const Keys kLoadIntroductionValues = {
    "value_local_load_introduction_3", "value_local_load_introduction_4",
    "value_local_load_introduction_5", "value_local_load_introduction_6"};
const Keys kSlabAndBValues = {"value_local_load_introduction_7",
                              "value_local_load_application_3",
                              "value_local_load_application_4",
                              "x_beta_washer",
                              "x_alpha_washer",
                              "y_beta_washer",
                              "y_alpha_washer"};
const Keys kWasherStandardValues = {"value_x_direction_variant_2", "value_y_direction_variant_2",
                                    "value_z_direction_variant_2_3",
                                    "value_x_y_direction_variant_2_3"};
const Keys kWasherCustomValues = {
    "value_x_direction_variant_1", "value_y_direction_variant_1", "value_z_direction_variant_1_3",
    "value_x_y_direction_variant_1_3", "value_x_y_direction_variant_1_4"};

template <class T>
std::vector<T> Join(std::initializer_list<const std::vector<T>*> parts) {
  std::vector<T> all;
  for (const auto* part : parts) {
    all.insert(all.end(), part->begin(), part->end());
  }
  return all;
}

using RunAll = TProofFixture;

TEST_F(RunAll, WritesEveryRecordAndValueInTheOrderOfWriting) {
  struct TCase {
    bool Adjustable, Standard;
    Records ExpectedRecords;
    Keys ExpectedValues;
  };
  const std::vector<TCase> cases = {
      {true, true,
       Join<TExpectedRecord>(
           {&kHead, &kLoadIntroduction, &kSlabAndB, &kWasherStandard, &kGeometry, &kAdjust}),
       Join<std::string>({&kStructuralValues, &kLoadIntroductionValues, &kSlabAndBValues,
                          &kWasherStandardValues})},
      {false, false, Join<TExpectedRecord>({&kHead, &kSlabAndB, &kWasherCustom, &kGeometry}),
       Join<std::string>({&kStructuralValues, &kSlabAndBValues, &kWasherCustomValues})},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Adjustable ? "adjustable, standard washer" : "fixed, custom washer");
    In.ModalityAdjustable = c.Adjustable;
    In.ZLineStandard = c.Standard;
    Run();

    Keys expectedKeys;
    for (const TExpectedRecord& r : c.ExpectedRecords) {
      expectedKeys.push_back(r.Key);
    }
    EXPECT_EQ(Proofs.Keys(), expectedKeys);
    EXPECT_EQ(ProofValues.Keys(), c.ExpectedValues);
    if (Proofs.Keys() != expectedKeys) {
      continue;
    }
    for (const TExpectedRecord& r : c.ExpectedRecords) {
      const TVEKProof& p = Proof(r.Key);
      EXPECT_EQ(p.Value5, "p") << r.Key;
      if (r.Kind == U) {
        EXPECT_EQ(p.Value2, 1.0) << r.Key;
        EXPECT_FALSE(p.Value3) << r.Key;
        EXPECT_EQ(p.Operator, "<=") << r.Key;
        EXPECT_EQ(p.IsProof, p.Value1 <= 1) << r.Key;
        EXPECT_EQ(p.Value4, r.Value4) << r.Key;
      } else {
        EXPECT_NE(p.Value2, 1.0) << r.Key;  // never counted as a utilisation
        EXPECT_TRUE(p.Value3) << r.Key;
      }
    }
    EXPECT_EQ(Summary.CompSign, "000");
  }
}

TEST_F(RunAll, UndefinedOrInfiniteForcesFailEveryProofThatReadsThem) {
  // Buckling, web slenderness and geometry read no force.
  const std::vector<std::string> forceFree = {"3.3.1_buckling_1",
                                              "3.3.2_buckling_2",
                                              "3.3.3_buckling_3",
                                              "3.3_buckling_sum",
                                              "5.2.1_web_1",
                                              "5.2.2_web_2",
                                              "5.2_web_sum",
                                              "thickness",
                                              "height",
                                              "length",
                                              "adjust"};
  for (const bool standard : {true, false}) {
    for (const double force : {prooftest::kNaN, std::numeric_limits<double>::infinity()}) {
      In.ZLineStandard = standard;
      for (const std::string& key : Forces.Keys()) {
        Forces.Set(key, force);
      }
      ASSERT_NO_THROW(Run());
      EXPECT_EQ(Summary.CompSign, "111") << force;
      EXPECT_FALSE(Summary.IsWorkloadCalculate);
      for (const auto& [key, proof] : Proofs) {
        const bool readsForces =
            std::find(forceFree.begin(), forceFree.end(), key) == forceFree.end();
        EXPECT_EQ(proof.IsProof, !readsForces) << key << " with forces " << force;
      }
    }
  }
}

TEST(ProofInputs, AreTakenFromTheDesignCase) {
  TVek vek(3);
  vek.SetF(180);
  vek.SetH_br(900);
  vek.SetL(650);
  vek.SetE_(20);
  vek.SetF_ysk(531);
  vek.SetF_yck(451);
  vek.SetF_usk(601);
  vek.SetF_uck(651);
  vek.SetF_ytk(221);
  vek.SetF_ywk(216);
  vek.SetRedf_ybk(211);
  vek.SetG_t(0.4);
  vek.SetModalityAdjustable(true);
  vek.SetZLineStandard(false);
  vek.SetDelta_B(-40);
  const TProofInputs in = MakeProofInputs(vek);
  EXPECT_EQ(in.F, 180);
  EXPECT_EQ(in.H_br, 900);
  EXPECT_EQ(in.L, 650);
  EXPECT_EQ(in.E_, 20);
  EXPECT_EQ(in.F_ysk, 531);
  EXPECT_EQ(in.F_yck, 451);
  EXPECT_EQ(in.F_usk, 601);
  EXPECT_EQ(in.F_uck, 651);
  EXPECT_EQ(in.F_uk, 550);
  EXPECT_EQ(in.F_ytk, 221);
  EXPECT_EQ(in.F_ywk, 216);
  EXPECT_EQ(in.Redf_ybk, 211);
  EXPECT_EQ(in.G_t, 0.4);
  EXPECT_TRUE(in.ModalityAdjustable);
  EXPECT_FALSE(in.ZLineStandard);
  EXPECT_EQ(in.DeltaBStr, "m");
}

}  // namespace
}  // namespace vek
