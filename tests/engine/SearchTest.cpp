// The automatic search over sizes and lengths, and the default design case worked
// through end to end.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "engine/ResultAssembly.h"
#include "engine/Vek.h"

namespace vek {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string Key(int size, double length, const char* gap = "150") {
  return "VEK \u2013 N \u2013 " + std::to_string(size) + " \u2013 " +
         std::to_string(static_cast<int>(length)) + " \u2013 " + gap;
}

// One full search of a new design case with its defaults, shared by the tests below.
class DefaultDesignCase : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    FVek = std::make_unique<TVek>();
    FVek->CalculateDB();
    FVek->SetState(TVEKSignal::ASSIGN);
  }
  static void TearDownTestSuite() { FVek.reset(); }
  static const TVEKResult& Result(const std::string& key) {
    return FVek->GetVEKModelResultDB()->Get(key);
  }
  static std::unique_ptr<TVek> FVek;
};
std::unique_ptr<TVek> DefaultDesignCase::FVek;

TEST_F(DefaultDesignCase, FullSearchHoldsEverySizeAndLength) {
  EXPECT_EQ(FVek->GetResultSize(), 96);
  const std::vector<std::string> keys = FVek->GetVEKModelResultDB()->OrdinalKeys();
  EXPECT_EQ(keys.front(), Key(1, 400));
  EXPECT_EQ(keys.back(), Key(8, 950));
  EXPECT_TRUE(FVek->IsCalculateDB());
  // The design case keeps the size, length and offset of the last step.
  EXPECT_EQ(FVek->GetModel(), 8);
  EXPECT_EQ(FVek->GetL(), 950);
  EXPECT_EQ(FVek->GetDeltaBStr(), "m");
  EXPECT_EQ(FVek->GetModelLengthMethod(), TVEKModelLength::AUTOMATIC_MODEL_LENGTH);
}

// Default design case: size 1, L = 500, decisive at +40 mm (offset "p"), where
// l_over = (2·40 + 39)/2 + 16 + 40 = 115.5, l_1 = 50 + 150 + 62.5 = 262.5,
// l_2 = 500 − 115.5 − 262.5 − (70 − 62.5) = 114.5, P = 2·l_2 = 229, G = 7.8125,
// W_pos = 2.8, I_z = 179808.6, l_k + f/2 = 377:
//   V_z = (1.35·7.8125·262.5 + 1.5·2.8·200)/229 = 15.75788 (V_z_de_re_A, LFT97)
//   F_T = 179808.6·(1.5e-5·70·1500·200000)/377³/1000 = 1.057053, V_y = 1.5·F_T = 1.585580
//   N = 1.5·2.8/2 = 2.1; M_y = 1.35·7.8125·262.5/2000 + 1.5·2.8·200/2000 = 1.804277
//   M_z = 1.5·114.5·1.057053/1000 = 0.181549
//   ρ_z = 15.758/62.590 = 0.252 and ρ_y = 1.586/27.122 = 0.058, both ≤ 1/3: s_1 = s_2 = 1
//   z_s = z_0 = 21, so M_0 = M_y; M_red = M_plyd = 3.282666
//   P' = 3.282666·(2.1²/4 + 181.549²/37²)·2000 = 165305.1; Q = 481.818·3/1000 = 1.445455
//   η = (1804.277 + √(165305.1/1.445455 + 1804.277²))/(2·1000·3.282666) = 0.554423
// The flange at B of L = 450 at +40: l_2 = 64.5, B_z = 27.97329,
//   m = (37 − 3 − 13)/2 = 12, g = (12 − 0.375·15)·0.4 = 2.55, w = (12 − 15/4)·5 = 41.25,
//   η = (1000·27.97329/530)²·((6·2.55/80.25/9)² + 3·(0.75/3/80.25)²) = 1.331200.
TEST_F(DefaultDesignCase, AssignsTheSmallestVariantPassingAtEveryOffset) {
  EXPECT_EQ(FVek->GetAssignedVek(), Key(1, 500));
  EXPECT_EQ(FVek->GetMinOkAnchor(), Key(1, 500));
  const TVEKResult assigned = FVek->GetSelectedVEKResult();
  EXPECT_TRUE(assigned.IsAllProof);
  EXPECT_FALSE(assigned.IsWarning);
  EXPECT_DOUBLE_EQ(assigned.MaxWorkload, 55.44);
  EXPECT_EQ(assigned.DecisiveProof, "3.1.1_structural_safety_posA");
  const TVEKProof& atA = assigned.ProofDB->Get("3.1.1_structural_safety_posA");
  EXPECT_NEAR(atA.Value1, 0.554423, 5e-7);
  EXPECT_EQ(atA.Value5, "p");
  EXPECT_NEAR(assigned.V_zdA, 15.75788, 5e-6);
  EXPECT_EQ(assigned.CompSign, "000");
  EXPECT_TRUE(assigned.IsWorkloadCalculate);

  // Every record of the variant passes; this is also the order of writing.
  const std::vector<std::string> expected = {"3.1.1_structural_safety_posA",
                                             "3.1.2_structural_safety_posB",
                                             "3.1.3_structural_safety_posC",
                                             "3.3.1_buckling_1",
                                             "3.3.2_buckling_2",
                                             "3.3.3_buckling_3",
                                             "3.3_buckling_sum",
                                             "4.1_reinforcement",
                                             "4.2_concrete",
                                             "4.3_weldseam",
                                             "5.1_takeoff",
                                             "5.2.1_web_1",
                                             "5.2.2_web_2",
                                             "5.2_web_sum",
                                             "5.7_local_load_introduction_7",
                                             "6.1_local_load_application_3",
                                             "6.2_local_load_application_4",
                                             "6.3.1_x_direction_variant_2",
                                             "6.3.2_y_direction_variant_2",
                                             "6.4.3_z_direction_variant_2_3",
                                             "6.5.3_x_y_direction_variant_2_3",
                                             "thickness",
                                             "height",
                                             "length"};
  EXPECT_EQ(assigned.ProofDB->Keys(), expected);
  for (const auto& [key, proof] : *assigned.ProofDB) {
    EXPECT_TRUE(proof.IsProof) << key;
  }
}

TEST_F(DefaultDesignCase, VariantFailingAtPlus40IsReportedAsFailing) {
  const TVEKResult& r = Result(Key(1, 450));
  EXPECT_FALSE(r.IsAllProof);
  EXPECT_DOUBLE_EQ(r.MaxWorkload, 133.12);
  EXPECT_EQ(r.DecisiveProof, "6.1_local_load_application_3");
  const TVEKProof& flange = r.ProofDB->Get("6.1_local_load_application_3");
  EXPECT_NEAR(flange.Value1, 1.331200, 5e-7);
  EXPECT_EQ(flange.Value5, "p");
  EXPECT_FALSE(flange.IsProof);
}

TEST(Search, SpecialLengthIsCappedPerSize) {
  TVek vek;
  vek.SetModelLengthMethod(TVEKModelLength::INPUT);
  vek.SetModelSpecialLength(1000);
  vek.CalculateDB();
  EXPECT_EQ(vek.GetResultSize(), 8);
  for (int size = 1; size <= 7; ++size) {
    EXPECT_TRUE(vek.GetVEKModelResultDB()->Contains(Key(size, 1000))) << size;
  }
  EXPECT_TRUE(vek.GetVEKModelResultDB()->Contains(Key(8, 900)));  // its "L_max_admin"
  EXPECT_EQ(vek.GetModelLengthMethod(), TVEKModelLength::INPUT);
  EXPECT_EQ(vek.GetState(), TVEKState::CALCULATED);
}

TEST(Search, FixedSizeTriesEveryLength) {
  TVek vek;
  vek.SetModelAutomatic(false);
  vek.SetModel(3);
  vek.CalculateDB();
  ASSERT_EQ(vek.GetResultSize(), 12);
  std::string firstPassing;
  for (const std::string& key : vek.GetVEKModelResultDB()->OrdinalKeys()) {
    const TVEKResult& r = vek.GetVEKModelResultDB()->Get(key);
    EXPECT_EQ(r.Model, 3);
    if (firstPassing.empty() && IsPassingVariant(r)) {
      firstPassing = key;
    }
  }
  ASSERT_FALSE(firstPassing.empty());
  EXPECT_EQ(vek.GetMinOkAnchor(), firstPassing);
  EXPECT_EQ(vek.GetModel(), 3);
}

TEST(Search, FixedSizeWithSpecialLength) {
  TVek vek;
  vek.SetModelAutomatic(false);
  vek.SetModel(8);
  vek.SetModelLengthMethod(TVEKModelLength::INPUT);
  vek.SetModelSpecialLength(1000);
  vek.CalculateDB();
  EXPECT_EQ(vek.GetResultSize(), 1);
  EXPECT_TRUE(vek.GetVEKModelResultDB()->Contains(Key(8, 900)));
}

TEST(Search, IncompleteInputsLeaveTheTableEmpty) {
  TVek vek;
  vek.SetH_br(kNaN);
  vek.CalculateDB();
  EXPECT_EQ(vek.GetResultSize(), 0);
  EXPECT_EQ(vek.GetState(), TVEKState::CALCULATED);
  EXPECT_TRUE(vek.IsCalculateDB());
  EXPECT_EQ(vek.GetMinOkAnchor(), "VEK \u2013 N \u2013 0 \u2013 0 \u2013 150");
}

TEST(Search, ErrorInsideAStepEndsTheSearchAndKeepsTheState) {
  TVek vek;
  vek.SetModelAutomatic(false);
  vek.SetModel(2);
  vek.CalculateDB();
  vek.SetState(TVEKSignal::ASSIGN);
  ASSERT_EQ(vek.GetState(), TVEKState::ASSIGNED);
  // A user-given length with automatic size does not check the inputs: every size
  // then gives the empty result under one key, and storing the second one fails.
  vek.SetModelAutomatic(true);
  vek.SetModelLengthMethod(TVEKModelLength::INPUT);
  vek.SetH_br(kNaN);
  EXPECT_THROW(vek.CalculateDB(), EDuplicateKey);
  EXPECT_EQ(vek.GetResultSize(), 1);
  EXPECT_EQ(vek.GetState(), TVEKState::ASSIGNED);
  EXPECT_FALSE(vek.IsCalculateDB());
}

TEST(Search, PassingVariantAllowsExactly100Percent) {
  TVEKResult r;
  r.IsAllProof = true;
  r.MaxWorkload = 100;
  EXPECT_TRUE(IsPassingVariant(r));
  r.MaxWorkload = 100.01;
  EXPECT_FALSE(IsPassingVariant(r));
  r.MaxWorkload = 50;
  r.IsAllProof = false;
  EXPECT_FALSE(IsPassingVariant(r));
}

TEST(Search, ExtremeInputsDoNotCrashAndUndefinedUtilisationsFail) {
  TVek vek;
  vek.SetL_br(10000);
  vek.SetE_(0);
  vek.SetDelta_T(0.1);
  vek.SetH_1k(20);
  vek.SetH_2k(20);
  vek.SetV_1k(20);
  vek.SetV_2k(20);
  ASSERT_NO_THROW(vek.CalculateDB());
  EXPECT_EQ(vek.GetResultSize(), 96);
  for (const auto& [key, r] : *vek.GetVEKModelResultDB()) {
    for (const auto& [proofKey, proof] : *r.ProofDB) {
      if (!std::isfinite(proof.Value1)) {
        EXPECT_FALSE(proof.IsProof) << key << " " << proofKey;
      }
    }
  }
}

TEST(Search, NoDistanceBetweenTheBearingsFails) {
  // e = 204.5 gives size 1 at 400 mm l_2 = 0 at offset 0: the bearing forces are
  // undefined there, and the variant must not pass on any of them.
  TVek vek;
  vek.SetE_(204.5);
  vek.SetModelAutomatic(false);
  vek.SetModelLengthMethod(TVEKModelLength::INPUT);
  vek.SetModelSpecialLength(400);
  ASSERT_NO_THROW(vek.CalculateDB());
  const TVEKResult& r = vek.GetVEKModelResultDB()->Get(Key(1, 400, "204.5"));
  EXPECT_FALSE(r.IsAllProof);
  for (const char* key :
       {"5.1_takeoff", "5.7_local_load_introduction_7", "6.1_local_load_application_3"}) {
    EXPECT_FALSE(r.ProofDB->Get(key).IsProof) << key;
    EXPECT_TRUE(std::isnan(r.ProofDB->Get(key).Value1)) << key;
    EXPECT_EQ(r.ProofDB->Get(key).Value5, "n") << key;
  }
}

}  // namespace
}  // namespace vek
