#include "engine/LoadCombinations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/KeyTable.h"

namespace vek {
namespace {

// Factor vectors in action order G_k, W_posk, W_negk, F_Tk, H_1k, H_2k, V_1k, V_2k.
TEST(LoadCombinations, MembershipAndFactors) {
  struct Case {
    std::string_view Name;
    TActionFactors Factors;
  };
  const Case cases[] = {
      {"LFT1", {1.35, 0, 0, 0, 0, 0, 0, 0}},
      {"LFT3", {1.35, 0, 1.5, 0, 0, 0, 0, 0}},
      {"LFT4", {1.35, 0, 0, 1.5, 0, 0, 0, 0}},
      {"LFT5", {1.35, 1.35, 0, 1.35, 0, 0, 0, 0}},
      {"LFT18", {1.35, 0, 1.35, 1.35, 1.35, 1.35, 1.35, 1.35}},
      {"LFT25", {1.35, 0, 0, 1.35, 1.35, 0, 1.35, 1.35}},
      {"LFT52", {1.35, 0, 0, 0, 1.5, 0, 0, 0}},
      {"LFT58", {1.35, 0, 0, 0, 1.35, 1.35, 1.35, 0}},
      {"LFT96", {1.35, 0, 1.35, 0, 0, 0, 0, 1.35}},
      {"LFT97", {1.35, 1.5, 0, 0, 0, 0, 0, 0}},
      {"LFT103", {1.35, 0, 0, 0, 0, 0, 0, 1.5}},
      {"LFG1", {1.0, 0, 0, 0, 0, 0, 0, 0}},
      {"LFG5", {1.0, 0.9, 0, 0.9, 0, 0, 0, 0}},
      {"LFG52", {1.0, 0, 0, 0, 1.0, 0, 0, 0}},
      {"LFG58", {1.0, 0, 0, 0, 0.9, 0.9, 0.9, 0}},
      {"LFG103", {1.0, 0, 0, 0, 0, 0, 0, 1.0}},
  };
  for (const Case& c : cases) {
    int index = -1;
    ASSERT_TRUE(TryCombinationIndex(c.Name, index)) << c.Name;
    EXPECT_EQ(CombinationName(index), c.Name);
    EXPECT_EQ(kCombinationFactors[index], c.Factors) << c.Name;
  }
}

// Each triple: S alone, S with W_posk, S with W_negk; the subsets in this order.
TEST(LoadCombinations, SubsetTriplesFollowTheFixedOrder) {
  const std::vector<std::vector<int>> subsets = {
      {3},          {3, 4},    {3, 4, 5}, {3, 4, 5, 6}, {3, 4, 5, 6, 7}, {3, 4, 5, 7}, {3, 4, 6},
      {3, 4, 6, 7}, {3, 4, 7}, {3, 5},    {3, 5, 6},    {3, 5, 6, 7},    {3, 5, 7},    {3, 6},
      {3, 6, 7},    {3, 7},    {4},       {4, 5},       {4, 5, 6},       {4, 5, 6, 7}, {4, 5, 7},
      {4, 6},       {4, 6, 7}, {4, 7},    {5},          {5, 6},          {5, 6, 7},    {5, 7},
      {6},          {6, 7},    {7}};
  ASSERT_EQ(subsets.size(), 31u);
  for (size_t s = 0; s < subsets.size(); ++s) {
    const int first = 3 + 3 * static_cast<int>(s);  // index of "LFT<4 + 3s>"
    for (int k = 0; k < 3; ++k) {
      TActionFactors expected = {1.35, 0, 0, 0, 0, 0, 0, 0};
      for (int a : subsets[s]) {
        expected[a] = (k == 0 && subsets[s].size() == 1) ? 1.5 : 1.35;
      }
      if (k > 0) {
        expected[k] = 1.35;
      }
      EXPECT_EQ(kCombinationFactors[first + k], expected) << CombinationName(first + k);
    }
  }
}

TEST(LoadCombinations, NamesAreExact) {
  EXPECT_EQ(CombinationName(0), "LFT1");
  EXPECT_EQ(CombinationName(102), "LFT103");
  EXPECT_EQ(CombinationName(103), "LFG1");
  EXPECT_EQ(CombinationName(205), "LFG103");
  int index = -1;
  for (std::string_view bad :
       {"LFT0", "LFT104", "LFT01", "LFT", "LFT1a", "LFX1", "lft1", "LFT-1"}) {
    EXPECT_FALSE(TryCombinationIndex(bad, index)) << bad;
  }
}

// A characteristic table whose value of quantity q and action a is given by f(q, a).
template <class F>
TVigoursMX MakeVigours(F f) {
  TVigoursMX::TValues values{};
  for (int q = 0; q < kQuantityCount; ++q) {
    for (int a = 0; a < kActionCount; ++a) {
      values[q][a] = f(q, a);
    }
  }
  TVigoursMX table;
  table.Assign(values);
  return table;
}

TEST(LoadCombinations, DesignValueIsTheFactoredSumOfTheActions) {
  const TVigoursMX vigours = MakeVigours([](int q, int a) { return (q + 1) * std::pow(10.0, a); });
  TLoadingMX loading;
  CalculateLoadCombinations(vigours, loading);
  EXPECT_EQ(loading.Count(), 206u);
  EXPECT_EQ(loading.IndexAt(0), 0);
  EXPECT_EQ(loading.IndexAt(205), 205);
  // "LFT25": 1.35·(G + F_T + H_1 + V_1 + V_2) of quantity 3 ("B_z_d").
  EXPECT_DOUBLE_EQ(loading.Get("LFT25", "B_z_d"), 3 * 1.35 * (1 + 1e3 + 1e4 + 1e6 + 1e7));
  // "LFG5": G + 0.9·(W_pos + F_T) of quantity 7 — the design key is spelt "V_z_de_re_A".
  EXPECT_DOUBLE_EQ(loading.Get("LFG5", "V_z_de_re_A"), 7 * (1 + 0.9 * 10 + 0.9 * 1e3));
  EXPECT_THROW((void)loading.Get("LFG5", "V_z_d_re_A"), EKeyNotFound);
  EXPECT_THROW((void)loading.Get("LFT104", "A_z_d"), EKeyNotFound);

  // A single combination replaces its row in place.
  TLoadingMX single;
  AddLoadCombination(single, "LFT52", kCombinationFactors[51], vigours);
  AddLoadCombination(single, "LFT52", kCombinationFactors[51], vigours);
  EXPECT_EQ(single.Count(), 1u);
  EXPECT_EQ(single.Row(51), loading.Row(51));
  EXPECT_THROW((void)single.Get("LFT1", "A_z_d"), EKeyNotFound);
  EXPECT_THROW((void)single.Row(0), EKeyNotFound);
  EXPECT_THROW(AddLoadCombination(single, "LFT0", kCombinationFactors[0], vigours), EKeyNotFound);
}

TEST(LoadCombinations, EnvelopesWithOnlySelfWeight) {
  // Only "G_k" carries a value; some quantities are negative.
  const TVigoursMX vigours =
      MakeVigours([](int q, int a) { return a == 0 ? (q % 3 == 0 ? -1.0 : 1.0) * (q + 1) : 0.0; });
  TLoadingMX loading;
  CalculateLoadCombinations(vigours, loading);
  TEnvelopeTable env;
  CalculateEnvelopes(loading, env);
  ASSERT_EQ(env.Count(), 88u);
  EXPECT_EQ(env.Entry(0).first, "max|Fd|-A_z_d");
  EXPECT_EQ(env.Entry(87).first, "max|Fd|G-f_z_C");
  for (int q = 0; q < kQuantityCount; ++q) {
    const TFixedKey quantity{static_cast<uint16_t>(q)};
    const double characteristic = vigours.Get(quantity, Action("G_k"));
    for (int c = 0; c < kCombinationCount; ++c) {
      ASSERT_EQ(loading.Get(c, quantity), 1.35 * characteristic);
    }
    EXPECT_EQ(env[EnvelopeKey(TEnvelopeMode::MaxValue, quantity)],
              env[EnvelopeKey(TEnvelopeMode::MinValue, quantity)]);
    EXPECT_EQ(env[EnvelopeKey(TEnvelopeMode::MaxAbsT, quantity)], std::fabs(1.35 * characteristic));
    const bool displacement = quantity == Quantity("f_y_C") || quantity == Quantity("f_z_C");
    EXPECT_EQ(env[EnvelopeKey(TEnvelopeMode::MaxAbsG, quantity)],
              std::fabs(characteristic) * (displacement ? 1.1 : 1.0));
  }
  EXPECT_DOUBLE_EQ(env.Get("max|Fd|G-f_z_C"), 22 * 1.1);
}

TEST(LoadCombinations, NegativeOnlyQuantity) {
  // "A_z_d" negative for every action: the largest value is negative, its magnitude not.
  const TVigoursMX vigours = MakeVigours([](int q, int a) { return q == 0 ? -(a + 1.0) : 1.0; });
  TLoadingMX loading;
  CalculateLoadCombinations(vigours, loading);
  TEnvelopeTable env;
  CalculateEnvelopes(loading, env);
  EXPECT_DOUBLE_EQ(env[Env("maxFd-A_z_d")], -1.35);  // "LFT1": the permanent action alone
  EXPECT_GT(env[Env("max|Fd|-A_z_d")], 0);
  EXPECT_LT(env[Env("minFd-A_z_d")], env[Env("maxFd-A_z_d")]);
}

// Reference: the plain factored sums in action order and the plain walk over the
// combinations, as a first implementation would write them.
using TReferenceSums = std::array<std::array<double, kQuantityCount>, kCombinationTotal>;

TReferenceSums ReferenceSums(const TVigoursMX& v) {
  TReferenceSums sums;
  for (int c = 0; c < kCombinationTotal; ++c) {
    const auto& f = kCombinationFactors[c];
    for (int q = 0; q < kQuantityCount; ++q) {
      const auto& x = v.Values()[q];
      sums[c][q] = f[0] * x[0] + f[1] * x[1] + f[2] * x[2] + f[3] * x[3] + f[4] * x[4] +
                   f[5] * x[5] + f[6] * x[6] + f[7] * x[7];
    }
  }
  return sums;
}

double ReferenceEnvelope(const TReferenceSums& sums, int q, int mode) {
  double running = mode == 2 ? 999999999999.0 : -999999999999.0;
  bool undefined = false;
  for (int n = 0; n < 103; ++n) {
    double value = sums[mode == 3 ? 103 + n : n][q];
    undefined = undefined || std::isnan(value);
    if (mode == 0 || mode == 3) {
      value = std::fabs(value);
    }
    if (mode == 2 ? value < running : value > running) {
      running = value;
    }
  }
  const bool displacement = mode == 3 && q >= 20;
  return (undefined ? std::numeric_limits<double>::quiet_NaN() : running) *
         (displacement ? 1.1 : 1.0);
}

// Same value, zeros with the same sign; undefined values only need to be undefined.
bool Identical(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) {
    return std::isnan(a) && std::isnan(b);
  }
  return a == b && std::signbit(a) == std::signbit(b);
}

TEST(LoadCombinations, FastSumsAndEnvelopesEqualThePlainOnesBitForBit) {
  // Signed zeros, exact cancellations, tiny and huge values, sums that overflow,
  // infinities and NaN.
  const double inf = std::numeric_limits<double>::infinity();
  const double pool[] = {
      0.0,     -0.0,   0.0,     -0.0,    1.0, -1.0, 1.5,
      -1.5,    2.25,   -3.0,    3.0,     0.1, -0.7, 1e-300,
      -1e-310, 4e-320, 1e305,   -1e305,  inf, -inf, std::numeric_limits<double>::quiet_NaN(),
      1e12,    -2e12,  1.7e308, -1.7e308};
  const int poolSize = static_cast<int>(std::size(pool));
  unsigned seed = 12345;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % 32768u);
  };
  // First rows of signed zeros that decide the sign of zero sums: all −0; all −0 but
  // one +0; negative values with a +0; then random tables, moderate ones first.
  const std::vector<TVigoursMX::TRow> zeroRows = {{-0.0, -0.0, -0.0, -0.0, -0.0, -0.0, -0.0, -0.0},
                                                  {-0.0, -0.0, -0.0, -0.0, -0.0, -0.0, 0.0, -0.0},
                                                  {-1.0, -0.0, -2.0, 0.0, -0.0, -0.0, -0.0, -0.0},
                                                  {-0.0, -3.0, -0.0, -0.0, -0.0, -0.0, -0.0, -0.0}};
  int compared = 0;
  constexpr int kRounds = 300;
  for (int round = 0; round < kRounds; ++round) {
    const int range = round < kRounds / 2 ? 14 : poolSize;
    const TVigoursMX vigours = MakeVigours([&](int q, int a) {
      if (round == 0) {
        return zeroRows[q % zeroRows.size()][a];
      }
      return next() % 3 == 0 ? pool[next() % 4] : pool[next() % range];
    });
    TLoadingMX loading;
    CalculateLoadCombinations(vigours, loading);
    TEnvelopeTable env;
    CalculateEnvelopes(loading, env);
    const TReferenceSums sums = ReferenceSums(vigours);
    for (int q = 0; q < kQuantityCount; ++q) {
      const TFixedKey quantity{static_cast<uint16_t>(q)};
      for (int c = 0; c < kCombinationTotal; ++c) {
        ASSERT_TRUE(Identical(loading.Get(c, quantity), sums[c][q]))
            << "round " << round << " " << CombinationName(c) << " " << kDesignNames[q];
      }
      for (int m = 0; m < 4; ++m) {
        const auto mode = static_cast<TEnvelopeMode>(m);
        ASSERT_TRUE(Identical(env[EnvelopeKey(mode, quantity)], ReferenceEnvelope(sums, q, m)))
            << "round " << round << " " << kEnvelopePrefixes[m] << kDesignNames[q];
        const double walked = GetEnvelopeValue(loading, quantity, mode);
        ASSERT_TRUE(
            Identical(walked * (m == 3 && q >= 20 ? 1.1 : 1.0), env[EnvelopeKey(mode, quantity)]));
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, kRounds * 88);
}

TEST(LoadCombinations, EnvelopeNeedsEveryCombination) {
  const TVigoursMX vigours = MakeVigours([](int q, int a) { return q + a + 1.0; });
  TLoadingMX loading;
  EXPECT_EQ(GetEnvelopeValue(loading, Quantity("A_z_d"), static_cast<TEnvelopeMode>(7)), 0.0);
  EXPECT_THROW((void)GetEnvelopeValue(loading, "A_z_k", TEnvelopeMode::MaxValue), EKeyNotFound);
  AddLoadCombination(loading, "LFT1", kCombinationFactors[0], vigours);
  TEnvelopeTable env;
  try {
    CalculateEnvelopes(loading, env);
    FAIL();
  } catch (const EKeyNotFound& e) {
    EXPECT_EQ(e.Key(), "LFT2");
  }
}

TEST(LoadCombinations, UndefinedDesignValueMakesTheEnvelopeUndefined) {
  // 0·∞ in the unused columns is undefined in every combination; the envelope must
  // not fall back on its starting value.
  const double inf = std::numeric_limits<double>::infinity();
  const TVigoursMX vigours =
      MakeVigours([&](int q, int a) { return q == 0 && a == 4 ? inf : 1.0; });
  TLoadingMX loading;
  CalculateLoadCombinations(vigours, loading);
  TEnvelopeTable env;
  CalculateEnvelopes(loading, env);
  EXPECT_TRUE(std::isnan(env[Env("minFd-A_z_d")]));
  EXPECT_TRUE(std::isnan(env[Env("max|Fd|-A_z_d")]));
  EXPECT_TRUE(std::isnan(env[Env("max|Fd|G-A_z_d")]));
  EXPECT_TRUE(std::isnan(GetEnvelopeValue(loading, "A_z_d", TEnvelopeMode::MaxValue)));
  EXPECT_DOUBLE_EQ(env[Env("minFd-B_x_d")], 1.35);
}

}  // namespace
}  // namespace vek
