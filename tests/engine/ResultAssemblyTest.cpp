#include "engine/ResultAssembly.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/OffsetMerge.h"
#include "language/DictionaryEnglish.h"
#include "language/Language.h"

namespace vek {
namespace {

TVEKProof Utilisation(double eta, const std::string& label = "n") {
  return {eta <= 1, eta, 1.0, false, 0, label, "<="};
}
TVEKProof Comparison(bool ok, double existing, double limit, const std::string& label = "n") {
  return {ok, existing, limit, true, 0, label, "<="};
}
TVEKProof NotComputable(const std::string& label) {
  return {false, 0, 0, true, 0, label, "!"};
}

TVEKProofTableRef Table(std::vector<std::pair<std::string, TVEKProof>> entries) {
  auto table = std::make_shared<TVEKProofTable>();
  for (auto& [key, proof] : entries) {
    table->Add(key, proof);
  }
  return table;
}

TEST(ResultSummary, MaxWorkloadAndDecisiveProof) {
  struct Case {
    const char* What;
    TVEKProofTableRef Proofs;
    double MaxWorkload;
    std::string Decisive;
  };
  const Case cases[] = {
      {"largest utilisation", Table({{"4.1", Utilisation(0.45)}, {"4.2", Utilisation(0.9)}}), 90,
       "4.2"},
      {"no utilisation proof", Table({{"3.3.1", Comparison(true, 5, 9)}}), -1, "not found"},
      {"empty table", Table({}), -1, "not found"},
      {"a failed one counts", Table({{"4.1", Utilisation(1.37)}, {"4.2", Utilisation(0.2)}}), 137,
       "4.1"},
      {"comparisons do not count",
       Table({{"5.2.1", Comparison(true, 30, 40)}, {"4.3", Utilisation(0.5)}}), 50, "4.3"},
      {"first of equal ones", Table({{"6.1", Utilisation(0.7)}, {"4.1", Utilisation(0.7)}}), 70,
       "6.1"},
      {"ties to even, down", Table({{"a", Utilisation(0.00025)}}), 0.02, "a"},
      {"ties to even, up", Table({{"a", Utilisation(0.00015)}}), 0.02, "a"},
      {"not computable is no utilisation", Table({{"3.1.2", NotComputable("n")}}), -1, "not found"},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(MaxWorkloadOf(*c.Proofs), c.MaxWorkload) << c.What;
    EXPECT_EQ(DecisiveProofOf(*c.Proofs), c.Decisive) << c.What;
  }
}

class ResultSummaryInEnglish : public ::testing::Test {
 protected:
  void SetUp() override {
    FPrevious = Language().GetDictionary();
    Language().SetDictionary(std::make_shared<TDictionaryEnglish>());
  }
  void TearDown() override { Language().SetDictionary(FPrevious); }

 private:
  std::shared_ptr<IDictionary> FPrevious;
};

TEST_F(ResultSummaryInEnglish, FailedGeometryCheckWarnsButPasses) {
  TVEKResult result;
  SummariseProofs(*Table({{"4.1_reinforcement", Utilisation(0.5)},
                          {"thickness", Comparison(true, 125, 100)},
                          {"length", Comparison(false, -3, 0)}}),
                  result);
  EXPECT_TRUE(result.IsAllProof);
  EXPECT_TRUE(result.IsWarning);
  EXPECT_EQ(result.GeoWarning, " Length VEK");

  SummariseProofs(*Table({{"5.2.1_web_1", Comparison(false, 50, 40)},
                          {"adjust", Comparison(false, -1, 0)},
                          {"height", Comparison(false, 300, 360)}}),
                  result);
  EXPECT_FALSE(result.IsAllProof);
  EXPECT_EQ(result.GeoWarning,
            " " + Language().PrintL("adjust") + " " + Language().PrintL("height"));
}

// Three offsets of one variant: 0 ("n"), +40 ("p"), −40 ("m").
struct TOffsets {
  TVEKResult R[3];
};

// Every result with the same keys; values per offset from the lists. Without a
// CompSign the tables need no structural-safety records.
TOffsets MakeOffsets(const std::vector<std::pair<std::string, std::array<TVEKProof, 3>>>& rows,
                     const std::array<std::string, 3>& compSign = {"", "", ""}) {
  TOffsets offsets;
  for (int i = 0; i < 3; ++i) {
    auto table = std::make_shared<TVEKProofTable>();
    for (const auto& [key, proofs] : rows) {
      table->Add(key, proofs[i]);
    }
    TVEKResult& r = offsets.R[i];
    r.Model = 1;
    r.ProofDB = table;
    r.CompSign = compSign[i];
    r.IsWorkloadCalculate = compSign[i] == "000";
    SummariseProofs(*table, r);
  }
  return offsets;
}

std::array<TVEKProof, 3> Utilisations(double n, double p, double m) {
  return {Utilisation(n, "n"), Utilisation(p, "p"), Utilisation(m, "m")};
}

std::array<TVEKProof, 3> StructuralSafety() {
  return Utilisations(0.4, 0.5, 0.3);
}

TEST(OffsetMerge, FailureAtAnOffsetFailsTheVariant) {
  TOffsets o = MakeOffsets({{"3.1.1_structural_safety_posA", StructuralSafety()},
                            {"3.1.2_structural_safety_posB", StructuralSafety()},
                            {"3.1.3_structural_safety_posC", StructuralSafety()},
                            {"4.1_reinforcement", Utilisations(0.8, 1.2, 0.7)}},
                           {"000", "000", "000"});
  ASSERT_TRUE(o.R[0].IsAllProof);
  const TVEKProofTable* r1Table = o.R[0].ProofDB.get();
  const TVEKResult merged = MergeOffsetVariants(o.R[0], o.R[1], o.R[2]);
  EXPECT_EQ(merged.ProofDB.get(), r1Table);  // R1's table, changed in place
  EXPECT_EQ(merged.ProofDB->Get("4.1_reinforcement").Value5, "p");
  EXPECT_FALSE(merged.IsAllProof);
  EXPECT_DOUBLE_EQ(merged.MaxWorkload, 120);
  EXPECT_EQ(merged.DecisiveProof, "4.1_reinforcement");
  EXPECT_DOUBLE_EQ(merged.MinStructuralSafety, 50);  // 100 × the merged 0.5 at A, B, C
  EXPECT_EQ(merged.ProofDB->Get("3.1.1_structural_safety_posA").Value5, "p");
}

TEST(OffsetMerge, NotComputableLocationWinsAndMarksTheVariant) {
  const std::array<TVEKProof, 3> atB = {Utilisation(0.6, "n"), NotComputable("p"),
                                        NotComputable("m")};
  TOffsets o = MakeOffsets({{"3.1.1_structural_safety_posA", StructuralSafety()},
                            {"3.1.2_structural_safety_posB", atB},
                            {"3.1.3_structural_safety_posC", StructuralSafety()}},
                           {"000", "010", "010"});
  const TVEKResult merged = MergeOffsetVariants(o.R[0], o.R[1], o.R[2]);
  const TVEKProof& b = merged.ProofDB->Get("3.1.2_structural_safety_posB");
  EXPECT_EQ(b.Operator, "!");
  EXPECT_EQ(b.Value5, "p");
  EXPECT_EQ(merged.CompSign, "010");
  EXPECT_FALSE(merged.IsWorkloadCalculate);
  EXPECT_DOUBLE_EQ(merged.MinStructuralSafety, 0);
  EXPECT_FALSE(merged.IsAllProof);
  EXPECT_DOUBLE_EQ(merged.MaxWorkload, 50);  // A and C at +40
}

TEST(OffsetMerge, RecordChoicePerKey) {
  const std::array<TVEKProof, 3> equalTakeOff = {
      Comparison(true, 5, 0, "n"), Comparison(true, 5, 0, "p"), Comparison(true, 5, 0, "m")};
  std::array<TVEKProof, 3> takeOff = equalTakeOff;
  takeOff[2].Value1 = 4;
  const std::array<TVEKProof, 3> length = {Comparison(true, 2, 0, "n"), Comparison(true, 9, 0, "p"),
                                           Comparison(true, 1, 0, "m")};
  const std::array<TVEKProof, 3> thickness = {Comparison(true, 125, 100, "n"),
                                              Comparison(true, 125, 100, "p"),
                                              Comparison(true, 125, 100, "m")};
  TOffsets o = MakeOffsets({{"5.1_takeoff", equalTakeOff},
                            {"length", length},
                            {"3.3.1_buckling_1", length},
                            {"thickness", thickness},
                            {"6.1_local_load_application_3", Utilisations(0.3, 0.3, 0.35)}});
  TVEKResult merged = MergeOffsetVariants(o.R[0], o.R[1], o.R[2]);
  EXPECT_EQ(merged.ProofDB->Get("5.1_takeoff").Value5, "n");  // equal: the first
  EXPECT_EQ(merged.ProofDB->Get("length").Value5, "n");       // independent of the offset
  EXPECT_EQ(merged.ProofDB->Get("3.3.1_buckling_1").Value5, "n");
  EXPECT_EQ(merged.ProofDB->Get("thickness").Value5, "n");  // equal largest: the first
  EXPECT_EQ(merged.ProofDB->Get("6.1_local_load_application_3").Value5, "m");

  TOffsets smaller = MakeOffsets({{"5.1_takeoff", takeOff}});
  merged = MergeOffsetVariants(smaller.R[0], smaller.R[1], smaller.R[2]);
  EXPECT_EQ(merged.ProofDB->Get("5.1_takeoff").Value5, "m");  // smallest margin
}

TEST(OffsetMerge, UndefinedUtilisationAtAnOffsetIsNotHidden) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::array<TVEKProof, 3> flange = Utilisations(0.5, 0.6, 0.7);
  flange[1].Value1 = nan;
  flange[1].IsProof = false;
  TOffsets o = MakeOffsets({{"6.1_local_load_application_3", flange}});
  const TVEKResult merged = MergeOffsetVariants(o.R[0], o.R[1], o.R[2]);
  EXPECT_EQ(merged.ProofDB->Get("6.1_local_load_application_3").Value5, "p");
  EXPECT_FALSE(merged.IsAllProof);
}

TEST(OffsetMerge, RecordsAreMatchedByKeyWhateverTheirPosition) {
  TOffsets o = MakeOffsets({{"4.1_reinforcement", Utilisations(0.2, 0.1, 0.1)},
                            {"4.2_concrete", Utilisations(0.1, 0.1, 0.1)}});
  o.R[1].ProofDB = Table(
      {{"4.2_concrete", Utilisation(0.9, "p")}, {"4.1_reinforcement", Utilisation(0.3, "p")}});
  const TVEKResult merged = MergeOffsetVariants(o.R[0], o.R[1], o.R[2]);
  EXPECT_DOUBLE_EQ(merged.ProofDB->Get("4.1_reinforcement").Value1, 0.3);
  EXPECT_DOUBLE_EQ(merged.ProofDB->Get("4.2_concrete").Value1, 0.9);
  o.R[2].ProofDB = Table({{"4.1_reinforcement", Utilisation(0.1, "m")}});
  EXPECT_THROW(MergeOffsetVariants(o.R[0], o.R[1], o.R[2]), EKeyNotFound);
}

TEST(OffsetMerge, EnvelopeFieldsTakeTheExtremes) {
  TOffsets o = MakeOffsets({{"4.1_reinforcement", Utilisations(0.1, 0.1, 0.1)}});
  o.R[0].N_dA = 1, o.R[1].N_dA = 3, o.R[2].N_dA = 2;
  o.R[0].A_zd_min = 5, o.R[1].A_zd_min = 4, o.R[2].A_zd_min = 6;
  o.R[0].MaxFd_B_z_d = 7, o.R[1].MaxFd_B_z_d = 6, o.R[2].MaxFd_B_z_d = 8;
  o.R[0].MaxFd_B_x_d = 1, o.R[1].MaxFd_B_x_d = 2, o.R[2].MaxFd_B_x_d = 0;
  o.R[0].F_z_k_C = 0.5, o.R[2].F_z_k_C = 0.6;
  o.R[0].Description = "VEK – N – 1 – 400 – 150";
  o.R[1].Description = "other";
  const TVEKResult merged = MergeOffsetVariants(o.R[0], o.R[1], o.R[2]);
  EXPECT_EQ(merged.N_dA, 3);
  EXPECT_EQ(merged.A_zd_min, 4);
  EXPECT_EQ(merged.MaxFd_B_z_d, 8);
  EXPECT_EQ(merged.MaxFd_B_x_d, 2);
  EXPECT_EQ(merged.F_z_k_C, 0.6);
  EXPECT_EQ(merged.Description, "VEK – N – 1 – 400 – 150");
}

}  // namespace
}  // namespace vek
