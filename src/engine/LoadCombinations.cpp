// Design values of the 206 load combinations and their 88 envelope values. The
// combinations are summed action by action in the order "G_k" … "V_2k", zero factors
// included, so that an undefined characteristic value spoils every combination as
// the plain sum would; the loops run over the 22 quantities to let the compiler
// vectorise them.
#include "engine/LoadCombinations.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/KeyTable.h"

namespace vek {

namespace {

// Running extremes start here, far beyond any internal force.
constexpr double kEnvelopeStart = 999999999999.0;

constexpr std::string_view kFundamentalPrefix = "LFT";
constexpr std::string_view kCharacteristicPrefix = "LFG";

bool IsCharacteristic(TEnvelopeMode mode) {
  return mode == TEnvelopeMode::MaxAbsG;
}

// Mode factor of a stored envelope entry.
double StoredFactor(TEnvelopeMode mode, int quantity) {
  if (IsCharacteristic(mode) &&
      (quantity == Quantity("f_y_C").Index || quantity == Quantity("f_z_C").Index)) {
    return kDisplacementFactor;
  }
  return 1.0;
}

}  // namespace

std::string CombinationName(int index) {
  const bool characteristic = index >= kCombinationCount;
  const int number = (characteristic ? index - kCombinationCount : index) + 1;
  return std::string(characteristic ? kCharacteristicPrefix : kFundamentalPrefix) +
         std::to_string(number);
}

bool TryCombinationIndex(std::string_view name, int& index) {
  int offset = 0;
  if (name.starts_with(kFundamentalPrefix)) {
    offset = 0;
  } else if (name.starts_with(kCharacteristicPrefix)) {
    offset = kCombinationCount;
  } else {
    return false;
  }
  const std::string_view digits = name.substr(kFundamentalPrefix.size());
  if (digits.empty() || digits.front() < '1' || digits.front() > '9') {
    return false;  // no sign, no leading zero
  }
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size() || number > kCombinationCount) {
    return false;
  }
  index = offset + number - 1;
  return true;
}

void TLoadingMX::Clear() {
  FPresent.fill(false);
  FCount = 0;
}

bool TLoadingMX::Contains(std::string_view name) const {
  int index = 0;
  return TryCombinationIndex(name, index) && FPresent[index];
}

void TLoadingMX::Set(int index, const TDesignRow& row) {
  if (!FPresent[index]) {
    FPresent[index] = true;
    FOrder[FCount++] = static_cast<std::uint8_t>(index);
  }
  FRows[index] = row;
}

const TDesignRow& TLoadingMX::Row(int index) const {
  if (!FPresent[index]) {
    throw EKeyNotFound(CombinationName(index));
  }
  return FRows[index];
}

double TLoadingMX::Get(std::string_view combination, std::string_view designKey) const {
  int index = 0;
  if (!TryCombinationIndex(combination, index) || !FPresent[index]) {
    throw EKeyNotFound(std::string(combination));
  }
  TFixedKey quantity{};
  if (!TDesignKeys::TryKeyOf(designKey, quantity)) {
    throw EKeyNotFound(std::string(designKey));
  }
  return FRows[index][quantity.Index];
}

namespace {

// The characteristic values action-major, so that one action's 22 values are adjacent.
using TActionMajor = std::array<std::array<double, kQuantityCount>, kActionCount>;

TActionMajor Transposed(const TVigoursMX& vigours) {
  const TVigoursMX::TValues& values = vigours.Values();
  TActionMajor columns;
  for (int q = 0; q < kQuantityCount; ++q) {
    for (int a = 0; a < kActionCount; ++a) {
      columns[a][q] = values[q][a];
    }
  }
  return columns;
}

void Combine(const TActionMajor& columns, const TActionFactors& factors, TDesignRow& row) {
  for (int q = 0; q < kQuantityCount; ++q) {
    row[q] = factors[0] * columns[0][q];
  }
  for (int a = 1; a < kActionCount; ++a) {
    const double factor = factors[a];
    for (int q = 0; q < kQuantityCount; ++q) {
      row[q] += factor * columns[a][q];
    }
  }
}

}  // namespace

TDesignRow DesignValues(const TVigoursMX& vigours, const TActionFactors& factors) {
  TDesignRow row;
  Combine(Transposed(vigours), factors, row);
  return row;
}

void AddLoadCombination(TLoadingMX& loading, std::string_view name, const TActionFactors& factors,
                        const TVigoursMX& vigours) {
  int index = 0;
  if (!TryCombinationIndex(name, index)) {
    throw EKeyNotFound(std::string(name));
  }
  loading.Set(index, DesignValues(vigours, factors));
}

void CalculateLoadCombinations(const TVigoursMX& vigours, TLoadingMX& loading) {
  const TActionMajor columns = Transposed(vigours);
  loading.Clear();
  TDesignRow row;
  for (int c = 0; c < kCombinationTotal; ++c) {
    Combine(columns, kCombinationFactors[c], row);
    loading.Set(c, row);
  }
}

double GetEnvelopeValue(const TLoadingMX& loading, TFixedKey quantity, TEnvelopeMode mode) {
  if (mode != TEnvelopeMode::MaxAbsT && mode != TEnvelopeMode::MaxValue &&
      mode != TEnvelopeMode::MinValue && mode != TEnvelopeMode::MaxAbsG) {
    return 0;
  }
  const int first = IsCharacteristic(mode) ? kCombinationCount : 0;
  const int q = quantity.Index;
  double running = mode == TEnvelopeMode::MinValue ? kEnvelopeStart : -kEnvelopeStart;
  bool undefined = false;
  for (int c = first; c < first + kCombinationCount; ++c) {
    const double value = loading.Row(c)[q];
    undefined = undefined || std::isnan(value);
    switch (mode) {
      case TEnvelopeMode::MaxAbsT:
      case TEnvelopeMode::MaxAbsG:
        if (std::fabs(value) > running) {
          running = std::fabs(value);
        }
        break;
      case TEnvelopeMode::MaxValue:
        if (value > running) {
          running = value;
        }
        break;
      case TEnvelopeMode::MinValue:
        if (value < running) {
          running = value;
        }
        break;
    }
  }
  // An undefined design value must not vanish behind the running extreme: the
  // envelope is undefined too, and so is every utilisation formed from it.
  return undefined ? std::numeric_limits<double>::quiet_NaN() : running;
}

double GetEnvelopeValue(const TLoadingMX& loading, std::string_view designKey, TEnvelopeMode mode) {
  TFixedKey quantity{};
  if (!TDesignKeys::TryKeyOf(designKey, quantity)) {
    throw EKeyNotFound(std::string(designKey));
  }
  return GetEnvelopeValue(loading, quantity, mode);
}

void CalculateEnvelopes(const TLoadingMX& loading, TEnvelopeTable& envelopes) {
  // All four modes in one pass over the rows, with the same strict comparisons and
  // the same treatment of undefined values as GetEnvelopeValue, so both agree.
  TDesignRow maxAbsT, maxValue, minValue, maxAbsG;
  maxAbsT.fill(-kEnvelopeStart);
  maxValue.fill(-kEnvelopeStart);
  minValue.fill(kEnvelopeStart);
  maxAbsG.fill(-kEnvelopeStart);
  std::array<bool, kQuantityCount> undefinedT{}, undefinedG{};
  for (int c = 0; c < kCombinationCount; ++c) {
    const TDesignRow& row = loading.Row(c);
    for (int q = 0; q < kQuantityCount; ++q) {
      const double value = row[q];
      const double magnitude = std::fabs(value);
      undefinedT[q] = undefinedT[q] | std::isnan(value);
      maxAbsT[q] = magnitude > maxAbsT[q] ? magnitude : maxAbsT[q];
      maxValue[q] = value > maxValue[q] ? value : maxValue[q];
      minValue[q] = value < minValue[q] ? value : minValue[q];
    }
  }
  for (int c = kCombinationCount; c < kCombinationTotal; ++c) {
    const TDesignRow& row = loading.Row(c);
    for (int q = 0; q < kQuantityCount; ++q) {
      const double magnitude = std::fabs(row[q]);
      undefinedG[q] = undefinedG[q] | std::isnan(magnitude);
      maxAbsG[q] = magnitude > maxAbsG[q] ? magnitude : maxAbsG[q];
    }
  }
  constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();
  envelopes.Clear();
  const std::array<const TDesignRow*, 4> byMode = {&maxAbsT, &maxValue, &minValue, &maxAbsG};
  for (int m = 0; m < 4; ++m) {
    const auto mode = static_cast<TEnvelopeMode>(m);
    const auto& undefined = IsCharacteristic(mode) ? undefinedG : undefinedT;
    for (int q = 0; q < kQuantityCount; ++q) {
      const double value = undefined[q] ? kUndefined : (*byMode[m])[q];
      envelopes.Add(EnvelopeKey(mode, TFixedKey{static_cast<uint16_t>(q)}),
                    value * StoredFactor(mode, q));
    }
  }
}

}  // namespace vek
