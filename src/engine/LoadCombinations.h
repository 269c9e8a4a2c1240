#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/InternalForces.h"
#include "engine/LoadKeys.h"

namespace vek {

// Partial factors of the fundamental combinations ("LFT…") and of the characteristic
// ones ("LFG…"), and the combination coefficient shared by all variable actions.
inline constexpr double kGammaG = 1.35;
inline constexpr double kGammaQ = 1.5;
inline constexpr double kGammaGChar = 1.0;
inline constexpr double kGammaQChar = 1.0;
inline constexpr double kPsi0 = 0.9;
// Displacements at C enter the characteristic envelope with this allowance.
inline constexpr double kDisplacementFactor = 1.1;

// Combinations 0 … 102 are "LFT1" … "LFT103", 103 … 205 "LFG1" … "LFG103".
inline constexpr int kCombinationTotal = 2 * kCombinationCount;

using TActionFactors = std::array<double, kActionCount>;
using TDesignRow = std::array<double, kQuantityCount>;

namespace detail {

// Part an action plays in a combination.
enum TActionRole : std::uint8_t { ABSENT, PERMANENT, LEADING, ACCOMPANYING };
using TActionRoles = std::array<TActionRole, kActionCount>;

constexpr int kWindPos = 1, kWindNeg = 2, kFirstNonWind = 3, kLastAction = kActionCount - 1;

// The roles of the 103 combinations of a set: the permanent action alone; with each
// wind as leading action; for every non-empty subset S of F_Tk, H_1k, H_2k, V_1k,
// V_2k in depth-first lexicographic order the triple S, S + W_posk, S + W_negk; and
// each variable action leading once more.
constexpr std::array<TActionRoles, kCombinationCount> CombinationRoles() {
  std::array<TActionRoles, kCombinationCount> list{};
  int n = 0;
  TActionRoles permanent{};
  permanent[0] = PERMANENT;
  list[n++] = permanent;
  for (int wind : {kWindPos, kWindNeg}) {
    list[n] = permanent;
    list[n++][wind] = LEADING;
  }
  std::array<int, kActionCount> subset{};
  int size = 0;
  subset[size++] = kFirstNonWind;
  while (size > 0) {
    TActionRoles alone = permanent;
    for (int i = 0; i < size; ++i) {
      alone[subset[i]] = size == 1 ? LEADING : ACCOMPANYING;
    }
    list[n++] = alone;
    for (int wind : {kWindPos, kWindNeg}) {
      TActionRoles withWind = permanent;
      for (int i = 0; i < size; ++i) {
        withWind[subset[i]] = ACCOMPANYING;
      }
      withWind[wind] = ACCOMPANYING;
      list[n++] = withWind;
    }
    // Next subset in depth-first order: extend, or drop the last member and advance.
    if (subset[size - 1] < kLastAction) {
      subset[size] = subset[size - 1] + 1;
      ++size;
    } else if (--size > 0) {
      ++subset[size - 1];
    }
  }
  for (int action = 1; action < kActionCount; ++action) {
    list[n] = permanent;
    list[n++][action] = LEADING;
  }
  if (n != kCombinationCount) {
    throw "combination list incomplete";  // a compile error
  }
  return list;
}

}  // namespace detail

// The factors per action ("G_k" … "V_2k") of all 206 combinations.
inline constexpr auto kCombinationFactors = [] {
  constexpr auto roles = detail::CombinationRoles();
  constexpr std::array<double, 4> fundamental = {0.0, kGammaG, kGammaQ, kPsi0 * kGammaQ};
  constexpr std::array<double, 4> characteristic = {0.0, kGammaGChar, kGammaQChar,
                                                    kPsi0 * kGammaQChar};
  std::array<TActionFactors, kCombinationTotal> factors{};
  for (int c = 0; c < kCombinationCount; ++c) {
    for (int a = 0; a < kActionCount; ++a) {
      factors[c][a] = fundamental[roles[c][a]];
      factors[kCombinationCount + c][a] = characteristic[roles[c][a]];
    }
  }
  return factors;
}();

// "LFT<n>" / "LFG<n>" of a combination index, and back. Names are exact: no leading
// zeros, numbers 1 to 103.
std::string CombinationName(int index);
bool TryCombinationIndex(std::string_view name, int& index);

class TLoadingMX;
// Fills the table anew with all 206 combinations.
void CalculateLoadCombinations(const TVigoursMX& vigours, TLoadingMX& loading);

// Design values of the combinations, combination × design key. Behaves as a
// string-keyed table of rows: an absent combination or an unknown design key throws
// EKeyNotFound; rows enumerate in insertion order. The standard combinations keep the
// characteristic values they are made of and form a design value when it is read, so
// that a calculation does not write 4532 values that only the envelopes read.
class TLoadingMX {
 public:
  void Clear();
  size_t Count() const { return FCount; }
  bool Empty() const { return FCount == 0; }
  bool Contains(int index) const { return FSource[index] != TSource::ABSENT; }
  bool Contains(std::string_view name) const;

  // Adds the row, or replaces it in place.
  void Set(int index, const TDesignRow& row);
  TDesignRow Row(int index) const;
  double Get(int index, TFixedKey quantity) const;
  double Get(std::string_view combination, std::string_view designKey) const;
  // Index of the combination at an insertion position.
  int IndexAt(size_t position) const { return FOrder[position]; }

  // The characteristic values when the table holds exactly the 206 standard
  // combinations made of them; none otherwise.
  const TVigoursMX::TValues* StandardSource() const;

 private:
  friend void CalculateLoadCombinations(const TVigoursMX& vigours, TLoadingMX& loading);
  enum class TSource : std::uint8_t { ABSENT, STANDARD, STORED };
  void Present(int index, TSource source);
  void RequirePresent(int index) const;

  TVigoursMX::TValues FCharacteristic{};
  std::vector<TDesignRow> FStored;  // rows set one by one; sized on first use
  std::array<TSource, kCombinationTotal> FSource{};
  std::array<std::uint8_t, kCombinationTotal> FOrder{};
  size_t FCount = 0;
  size_t FStandardCount = 0;
};

// The 22 design values of one combination from the characteristic forces.
TDesignRow DesignValues(const TVigoursMX& vigours, const TActionFactors& factors);

// Stores the combination of that name (one of the 206), replacing an earlier row.
void AddLoadCombination(TLoadingMX& loading, std::string_view name, const TActionFactors& factors,
                        const TVigoursMX& vigours);

// One envelope value by walking the combinations of the mode's set; a value replaces
// the running extreme only when strictly beyond it. An undefined (NaN) design value
// makes the envelope undefined. A mode outside the four gives 0.
double GetEnvelopeValue(const TLoadingMX& loading, TFixedKey quantity, TEnvelopeMode mode);
double GetEnvelopeValue(const TLoadingMX& loading, std::string_view designKey, TEnvelopeMode mode);
// Fills the 88 envelope entries anew, modes outer, quantities inner; the two
// displacements at C carry the allowance in the characteristic mode.
void CalculateEnvelopes(const TLoadingMX& loading, TEnvelopeTable& envelopes);

}  // namespace vek
