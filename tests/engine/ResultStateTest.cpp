// Results of a design case: the empty result, variant keys, shared proof tables, the
// state machine and the default choice of the assigned variant.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/RegionalSettings.h"
#include "engine/Vek.h"

namespace vek {

struct ResultStateTestTag;

template <>
struct TVekTestAccess<ResultStateTestTag> {
  static void Force(TVek& vek, TVEKState state) { vek.FState = state; }
  static TVEKResultTable& Results(TVek& vek) { return vek.FVekModelResultDB; }
};

namespace {

using Access = TVekTestAccess<ResultStateTestTag>;

const std::string kKeySize1 = "VEK \u2013 N \u2013 1 \u2013 950 \u2013 20";
const std::string kKeySize2 = "VEK \u2013 N \u2013 2 \u2013 500 \u2013 20";

TVEKResult MakeResult(int model, bool passes) {
  TVEKResult result;
  result.Model = model;
  result.IsAllProof = passes;
  return result;
}

TEST(ResultState, EmptyResultIsMarkedBySizeMinusOne) {
  const TVEKResult empty = TVek::EmptyVEKResult();
  EXPECT_EQ(empty.Model, -1);
  EXPECT_EQ(empty.Length, -1.0);
  EXPECT_EQ(empty.MaxWorkload, -1.0);
  EXPECT_FALSE(empty.IsAllProof);
  EXPECT_EQ(empty.ProofDB, nullptr);
  EXPECT_EQ(empty.Description, "");
  EXPECT_EQ(empty.DecisiveProof, "");
  EXPECT_EQ(empty.reinf, "");
  EXPECT_EQ(empty.E_, 0);
  EXPECT_EQ(empty.AnchorVersion, TVEKAnchorVersion::UNSET_ANCHOR_VERSION);
  EXPECT_TRUE(TVek::IsVEKResultEmpty(empty));
  EXPECT_FALSE(TVek::IsVEKResultEmpty(MakeResult(1, false)));
}

TEST(ResultState, NewCaseStartsInDefaultWithoutResults) {
  const TVek vek;
  EXPECT_EQ(vek.GetState(), TVEKState::DEFAULT);
  EXPECT_EQ(TVek::StateToStr(vek.GetState()), "DEFAULT");
  EXPECT_EQ(vek.GetVEKModelResultDB(), nullptr);
  EXPECT_TRUE(TVek::IsVekModelResultDBEmpty(vek.GetVEKModelResultDB()));
  EXPECT_TRUE(TVek::IsVEKResultEmpty(vek.GetSelectedVEKResult()));
  EXPECT_EQ(vek.GetAssignedVek(), "");
  EXPECT_EQ(vek.GetResultSize(), 0);
  EXPECT_EQ(vek.GetDefaultAssignedVek(), "N/A");
}

TEST(ResultState, StateNames) {
  EXPECT_EQ(TVek::StateToStr(TVEKState::CALCULATED), "CALCULATED");
  EXPECT_EQ(TVek::StateToStr(TVEKState::ASSIGNED), "ASSIGNED");
  EXPECT_EQ(TVek::StateToStr(static_cast<TVEKState>(3)), "");
}

TEST(ResultState, VariantKeyFormat) {
  struct Case {
    TVEKAnchorVersion version;
    bool adjustable;
    const char* alias;
    double length, gap;
    const char* separator;
    const char* key;
  };
  const std::string saved = RegionalSettings().DecimalSeparator;
  for (const Case& c : std::vector<Case>{{TVEKAnchorVersion::NORMAL, true, "3", 450, 20, ".",
                                          "VEK \u2013 NJ \u2013 3 \u2013 450 \u2013 20"},
                                         {TVEKAnchorVersion::ATTIKA, false, "SK", 512.5, 20.25, ".",
                                          "VEK \u2013 A \u2013 SK \u2013 512.5 \u2013 20.25"},
                                         {TVEKAnchorVersion::ATTIKA, true, "8", 512.5, 150, ",",
                                          "VEK \u2013 AJ \u2013 8 \u2013 512,5 \u2013 150"},
                                         {TVEKAnchorVersion::UNSET_ANCHOR_VERSION, true, "1", 1000,
                                          0.1, ".", "VEK \u2013 J \u2013 1 \u2013 1000 \u2013 0.1"},
                                         {TVEKAnchorVersion::NORMAL, false, "", -1, 20, ".",
                                          "VEK \u2013 N \u2013  \u2013 -1 \u2013 20"}}) {
    RegionalSettings().DecimalSeparator = c.separator;
    EXPECT_EQ(FormatVariantDescription(c.version, c.adjustable, c.alias, c.length, c.gap), c.key);
  }
  RegionalSettings().DecimalSeparator = saved;
}

TEST(ResultState, CopiedResultSharesItsProofTable) {
  TVEKResult original = MakeResult(2, true);
  original.ProofDB = std::make_shared<TVEKProofTable>();
  original.ProofDB->Add("thickness", TVEKProof{true, 125, 100, true, 0, "n", ">="});
  TVEKResult copy = original;
  copy.ProofDB->Add("height", TVEKProof{});
  EXPECT_EQ(original.ProofDB.get(), copy.ProofDB.get());
  EXPECT_EQ(original.ProofDB->Count(), 2u);

  // The table outlives the calculation that made it while a result refers to it.
  TVek vek;
  vek.SetSelectedVEKResult(original);
  original = TVEKResult{};
  copy = TVEKResult{};
  ASSERT_NE(vek.GetSelectedVEKResult().ProofDB, nullptr);
  EXPECT_EQ(vek.GetSelectedVEKResult().ProofDB->Get("thickness").Value1, 125);
}

// A design case in the given state with two results, the size-1 key assigned and the
// size-1 result selected.
TVek MakeCase(TVEKState state) {
  TVek vek;
  Access::Results(vek).Add(kKeySize2, MakeResult(2, true));
  Access::Results(vek).Add(kKeySize1, MakeResult(1, false));
  vek.SetAssignedVek(kKeySize1);
  vek.SetSelectedVEKResult(MakeResult(1, false));
  Access::Force(vek, state);
  return vek;
}

TEST(ResultState, EveryTransitionOfTheStateMachine) {
  using S = TVEKState;
  using G = TVEKSignal;
  struct Case {
    S from;
    G signal;
    S to;
    std::string assigned;
    int results;
    int selectedModel;  // -1: the empty result
  };
  const std::vector<Case> cases = {
      {S::DEFAULT, G::EDIT, S::DEFAULT, kKeySize1, 2, 1},
      {S::CALCULATED, G::EDIT, S::DEFAULT, "N/A", 0, -1},
      {S::ASSIGNED, G::EDIT, S::DEFAULT, "N/A", 0, -1},
      {S::DEFAULT, G::CALC, S::CALCULATED, "N/A", 2, -1},
      {S::CALCULATED, G::CALC, S::DEFAULT, kKeySize1, 2, 1},
      {S::ASSIGNED, G::CALC, S::DEFAULT, kKeySize1, 2, 1},
      {S::DEFAULT, G::ASSIGN, S::DEFAULT, kKeySize1, 2, 1},
      {S::CALCULATED, G::ASSIGN, S::ASSIGNED, kKeySize2, 2, 2},  // default choice
      {S::ASSIGNED, G::ASSIGN, S::ASSIGNED, kKeySize1, 2, 1},    // keeps the own choice
      {S::DEFAULT, G::RESET_AS, S::DEFAULT, kKeySize1, 2, 1},
      {S::CALCULATED, G::RESET_AS, S::DEFAULT, kKeySize1, 2, 1},
      {S::ASSIGNED, G::RESET_AS, S::CALCULATED, "N/A", 2, -1},
  };
  for (const Case& c : cases) {
    const std::string label =
        TVek::StateToStr(c.from) + " + signal " + std::to_string(static_cast<int>(c.signal));
    TVek vek = MakeCase(c.from);
    vek.SetState(c.signal);
    EXPECT_EQ(vek.GetState(), c.to) << label;
    EXPECT_EQ(vek.GetAssignedVek(), c.assigned) << label;
    EXPECT_EQ(vek.GetResultSize(), c.results) << label;
    EXPECT_EQ(vek.GetSelectedVEKResult().Model, c.selectedModel) << label;

    // While stopped no signal has any effect.
    TVek stopped = MakeCase(c.from);
    stopped.StopFsm();
    stopped.SetState(c.signal);
    EXPECT_EQ(stopped.GetState(), c.from) << label << " stopped";
    EXPECT_EQ(stopped.GetAssignedVek(), kKeySize1) << label << " stopped";
    EXPECT_EQ(stopped.GetResultSize(), 2) << label << " stopped";
    EXPECT_EQ(stopped.GetSelectedVEKResult().Model, 1) << label << " stopped";
    stopped.RunFsm();
    stopped.SetState(c.signal);
    EXPECT_EQ(stopped.GetState(), c.to) << label << " running again";
  }
}

TEST(ResultState, ResultTableIsVisibleOnlyAfterCalculation) {
  for (TVEKState state : {TVEKState::DEFAULT, TVEKState::CALCULATED, TVEKState::ASSIGNED}) {
    const TVek vek = MakeCase(state);
    EXPECT_EQ(vek.GetVEKModelResultDB() == nullptr, state == TVEKState::DEFAULT);
    EXPECT_EQ(vek.GetResultSize(), 2);
  }
}

TEST(ResultState, MovingADesignCaseKeepsItsResultsButCopyingDoesNot) {
  TVek source = MakeCase(TVEKState::ASSIGNED);
  const TVek copy(source);
  EXPECT_EQ(copy.GetState(), TVEKState::DEFAULT);
  EXPECT_EQ(copy.GetResultSize(), 0);
  const TVek moved(std::move(source));
  EXPECT_EQ(moved.GetState(), TVEKState::ASSIGNED);
  EXPECT_EQ(moved.GetResultSize(), 2);
  EXPECT_EQ(moved.GetAssignedVek(), kKeySize1);
}

TEST(ResultState, CalculateAssignEditCycle) {
  TVek vek;
  Access::Results(vek).Add(kKeySize1, MakeResult(1, false));
  Access::Results(vek).Add(kKeySize2, MakeResult(2, true));
  vek.SetState(TVEKSignal::CALC);
  vek.SetState(TVEKSignal::ASSIGN);
  EXPECT_EQ(vek.GetAssignedVek(), kKeySize2);

  // The user picks another variant.
  vek.SetAssignedVek(kKeySize1);
  vek.SetState(TVEKSignal::ASSIGN);
  EXPECT_EQ(vek.GetState(), TVEKState::ASSIGNED);
  EXPECT_EQ(vek.GetSelectedVEKResult().Model, 1);

  vek.SetState(TVEKSignal::EDIT);
  EXPECT_EQ(vek.GetState(), TVEKState::DEFAULT);
  EXPECT_TRUE(TVek::IsVEKResultEmpty(vek.GetSelectedVEKResult()));
  EXPECT_EQ(vek.GetResultSize(), 0);
  vek.SetState(TVEKSignal::EDIT);
  EXPECT_EQ(vek.GetAssignedVek(), "N/A");
  EXPECT_EQ(vek.GetState(), TVEKState::DEFAULT);
}

TEST(ResultState, AssignWithAnUnknownKeyFailsAndKeepsTheState) {
  TVek empty;
  Access::Force(empty, TVEKState::CALCULATED);
  empty.SetSelectedVEKResult(MakeResult(4, true));
  EXPECT_THROW(empty.SetState(TVEKSignal::ASSIGN), EKeyNotFound);
  EXPECT_EQ(empty.GetAssignedVek(), "N/A");
  EXPECT_EQ(empty.GetSelectedVEKResult().Model, 4);
  EXPECT_EQ(empty.GetState(), TVEKState::CALCULATED);

  TVek assigned = MakeCase(TVEKState::ASSIGNED);
  assigned.SetAssignedVek("VEK \u2013 N \u2013 7 \u2013 400 \u2013 20");
  EXPECT_THROW(assigned.SetState(TVEKSignal::ASSIGN), EKeyNotFound);
  EXPECT_EQ(assigned.GetSelectedVEKResult().Model, 1);
  EXPECT_EQ(assigned.GetState(), TVEKState::ASSIGNED);
}

TEST(ResultState, DefaultChoiceIsTheFirstPassingKeyInOrdinalOrder) {
  struct Entry {
    std::string key;
    bool passes;
  };
  struct Case {
    const char* name;
    std::vector<Entry> entries;  // in insertion order
    std::string expected;
  };
  const std::string size3 = "VEK \u2013 N \u2013 3 \u2013 400 \u2013 20";
  const std::string size1Short = "VEK \u2013 N \u2013 1 \u2013 400 \u2013 20";
  const std::string special = "VEK \u2013 N \u2013 SK \u2013 400 \u2013 20";
  const std::string size1Long = "VEK \u2013 N \u2013 1 \u2013 1000 \u2013 20";
  const std::vector<Case> cases = {
      {"smaller size fails", {{kKeySize1, false}, {kKeySize2, true}}, kKeySize2},
      {"none passes", {{kKeySize2, false}, {kKeySize1, false}}, kKeySize1},
      {"first passes", {{kKeySize2, true}, {kKeySize1, true}}, kKeySize1},
      {"insertion order ignored",
       {{size3, true}, {kKeySize2, true}, {size1Short, false}, {kKeySize1, false}},
       kKeySize2},
      {"special size sorts last", {{special, true}, {size3, true}}, size3},
      // Ordinal, not numeric: a four-digit length sorts before a three-digit one.
      {"ordinal length order", {{size1Short, true}, {size1Long, true}}, size1Long},
  };
  for (const Case& c : cases) {
    TVek vek;
    for (const Entry& e : c.entries) {
      Access::Results(vek).Add(e.key, MakeResult(1, e.passes));
    }
    EXPECT_EQ(vek.GetDefaultAssignedVek(), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace vek
