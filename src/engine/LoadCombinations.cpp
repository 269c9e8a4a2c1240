// Design values of the 206 load combinations and their 88 envelope values.
//
// A design value is the plain sum f_G·X[G_k] + f_Wp·X[W_posk] + … + f_V2·X[V_2k] in this
// order, zero factors included; the table forms it when it is read. The envelopes,
// which every calculation of a search needs, take a shorter way with the same result
// bit for bit. With finite characteristic values of moderate size (and factors never
// negative) the plain sum is the sum of its non-zero terms whenever that is not zero:
// a zero term leaves a non-zero partial sum as it is, and a term added to a zero gives
// the term. A zero sum, however it came about, is −0 exactly when every term is −0,
// that is when every value of the quantity carries the sign bit; so all zero sums of
// one quantity share one sign, equal sums are identical, and the extremes do not
// depend on the order of the walk. A quantity then takes as many different values as
// there are combinations that differ in the factors of its non-zero actions — a few
// where there are 103 combinations. A quantity with an infinite, undefined or enormous
// value is walked plainly.
#include "engine/LoadCombinations.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/KeyTable.h"
#include "engine/Vek.h"

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

// The plain sum of one quantity in one combination.
double PlainSum(const TVigoursMX::TRow& x, const TActionFactors& f) {
  double sum = f[0] * x[0];
  for (int a = 1; a < kActionCount; ++a) {
    sum += f[a] * x[a];
  }
  return sum;
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
  FSource.fill(TSource::ABSENT);
  FCount = 0;
  FStandardCount = 0;
}

bool TLoadingMX::Contains(std::string_view name) const {
  int index = 0;
  return TryCombinationIndex(name, index) && Contains(index);
}

void TLoadingMX::Present(int index, TSource source) {
  if (FSource[index] == TSource::ABSENT) {
    FOrder[FCount++] = static_cast<std::uint8_t>(index);
  } else if (FSource[index] == TSource::STANDARD) {
    --FStandardCount;
  }
  FSource[index] = source;
  if (source == TSource::STANDARD) {
    ++FStandardCount;
  }
}

void TLoadingMX::RequirePresent(int index) const {
  if (FSource[index] == TSource::ABSENT) {
    throw EKeyNotFound(CombinationName(index));
  }
}

void TLoadingMX::Set(int index, const TDesignRow& row) {
  if (FStored.empty()) {
    FStored.resize(kCombinationTotal);
  }
  FStored[index] = row;
  Present(index, TSource::STORED);
}

TDesignRow TLoadingMX::Row(int index) const {
  RequirePresent(index);
  if (FSource[index] == TSource::STORED) {
    return FStored[index];
  }
  TDesignRow row;
  for (int q = 0; q < kQuantityCount; ++q) {
    row[q] = PlainSum(FCharacteristic[q], kCombinationFactors[index]);
  }
  return row;
}

double TLoadingMX::Get(int index, TFixedKey quantity) const {
  RequirePresent(index);
  if (FSource[index] == TSource::STORED) {
    return FStored[index][quantity.Index];
  }
  return PlainSum(FCharacteristic[quantity.Index], kCombinationFactors[index]);
}

double TLoadingMX::Get(std::string_view combination, std::string_view designKey) const {
  int index = 0;
  if (!TryCombinationIndex(combination, index) || !Contains(index)) {
    throw EKeyNotFound(std::string(combination));
  }
  TFixedKey quantity{};
  if (!TDesignKeys::TryKeyOf(designKey, quantity)) {
    throw EKeyNotFound(std::string(designKey));
  }
  return Get(index, quantity);
}

const TVigoursMX::TValues* TLoadingMX::StandardSource() const {
  return FStandardCount == kCombinationTotal ? &FCharacteristic : nullptr;
}

TDesignRow DesignValues(const TVigoursMX& vigours, const TActionFactors& factors) {
  TDesignRow row;
  for (int q = 0; q < kQuantityCount; ++q) {
    row[q] = PlainSum(vigours.Values()[q], factors);
  }
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
  const TVigoursMX::TValues& x = vigours.Values();
  loading.Clear();
  loading.FCharacteristic = x;
  for (int c = 0; c < kCombinationTotal; ++c) {
    loading.Present(c, TLoadingMX::TSource::STANDARD);
  }
}

double GetEnvelopeValue(const TLoadingMX& loading, TFixedKey quantity, TEnvelopeMode mode) {
  if (mode != TEnvelopeMode::MaxAbsT && mode != TEnvelopeMode::MaxValue &&
      mode != TEnvelopeMode::MinValue && mode != TEnvelopeMode::MaxAbsG) {
    return 0;
  }
  const int first = IsCharacteristic(mode) ? kCombinationCount : 0;
  double running = mode == TEnvelopeMode::MinValue ? kEnvelopeStart : -kEnvelopeStart;
  bool undefined = false;
  for (int c = first; c < first + kCombinationCount; ++c) {
    const double value = loading.Get(c, quantity);
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

namespace {

// Below this magnitude no factored sum of characteristic values can overflow.
constexpr double kModerate = 1e300;

// For every set of actions (bit a for action a), the first of each group of
// combinations that give those actions the same roles, and so the same factors in
// either set; the characteristic combination of the same number has the same roles.
struct TDistinctCombinations {
  std::array<std::uint8_t, kCombinationCount> Index{};
  int Count = 0;
};

constexpr auto kDistinctCombinations = [] {
  constexpr auto roles = detail::CombinationRoles();
  std::array<TDistinctCombinations, 1 << kActionCount> table{};
  for (int actions = 0; actions < (1 << kActionCount); ++actions) {
    std::array<unsigned, kCombinationCount> seen{};
    TDistinctCombinations& distinct = table[actions];
    for (int c = 0; c < kCombinationCount; ++c) {
      unsigned code = 0;
      for (int a = 0; a < kActionCount; ++a) {
        if (actions & (1 << a)) {
          code |= static_cast<unsigned>(roles[c][a]) << (2 * a);
        }
      }
      bool repeated = false;
      for (int i = 0; i < distinct.Count; ++i) {
        repeated = repeated || seen[i] == code;
      }
      if (!repeated) {
        seen[distinct.Count] = code;
        distinct.Index[distinct.Count++] = static_cast<std::uint8_t>(c);
      }
    }
  }
  return table;
}();

// What decides the envelopes of one quantity.
struct TQuantityShape {
  bool Moderate = true;     // every value finite and of moderate size
  unsigned NonZero = 0;     // actions with a non-zero value
  bool AllNegative = true;  // every value, zeros included, has its sign bit set
};

TQuantityShape ShapeOf(const TVigoursMX::TRow& x) {
  TQuantityShape shape;
  for (int a = 0; a < kActionCount; ++a) {
    const double v = x[a];
    shape.Moderate = shape.Moderate && std::fabs(v) < kModerate;
    shape.AllNegative = shape.AllNegative && std::signbit(v);
    if (v != 0) {
      shape.NonZero |= 1u << a;
    }
  }
  return shape;
}

// The design value from the non-zero terms; a zero takes the sign of the plain sum.
double ShortSum(const TVigoursMX::TRow& x, const TQuantityShape& shape, const TActionFactors& f) {
  double sum = 0;
  bool first = true;
  for (int a = 0; a < kActionCount; ++a) {
    if (shape.NonZero & (1u << a)) {
      sum = first ? f[a] * x[a] : sum + f[a] * x[a];
      first = false;
    }
  }
  return sum != 0 ? sum : (shape.AllNegative ? -0.0 : 0.0);
}

}  // namespace

void CalculateEnvelopes(const TLoadingMX& loading, TEnvelopeTable& envelopes) {
  envelopes.Clear();
  std::array<std::array<double, kQuantityCount>, 4> byMode;
  const TVigoursMX::TValues* standard = loading.StandardSource();
  for (int q = 0; q < kQuantityCount; ++q) {
    const TFixedKey quantity{static_cast<uint16_t>(q)};
    const TQuantityShape shape = standard ? ShapeOf((*standard)[q]) : TQuantityShape{};
    if (!standard || !shape.Moderate) {
      for (int m = 0; m < 4; ++m) {
        byMode[m][q] = GetEnvelopeValue(loading, quantity, static_cast<TEnvelopeMode>(m));
      }
      continue;
    }
    const TVigoursMX::TRow& x = (*standard)[q];
    double maxAbs = -kEnvelopeStart, max = -kEnvelopeStart, min = kEnvelopeStart;
    double maxAbsG = -kEnvelopeStart;
    const TDistinctCombinations& distinct = kDistinctCombinations[shape.NonZero];
    for (int i = 0; i < distinct.Count; ++i) {
      const int c = distinct.Index[i];
      const double value = ShortSum(x, shape, kCombinationFactors[c]);
      maxAbs = std::fabs(value) > maxAbs ? std::fabs(value) : maxAbs;
      max = value > max ? value : max;
      min = value < min ? value : min;
      const double characteristic = ShortSum(x, shape, kCombinationFactors[kCombinationCount + c]);
      maxAbsG = std::fabs(characteristic) > maxAbsG ? std::fabs(characteristic) : maxAbsG;
    }
    byMode[0][q] = maxAbs;
    byMode[1][q] = max;
    byMode[2][q] = min;
    byMode[3][q] = maxAbsG;
  }
  for (int m = 0; m < 4; ++m) {
    const auto mode = static_cast<TEnvelopeMode>(m);
    for (int q = 0; q < kQuantityCount; ++q) {
      envelopes.Add(EnvelopeKey(mode, TFixedKey{static_cast<uint16_t>(q)}),
                    byMode[m][q] * StoredFactor(mode, q));
    }
  }
}

void TVek::CalculateLoadCombinations() {
  if (!FIsVigoursMXCalculated) {
    return;
  }
  vek::CalculateLoadCombinations(FVigoursMX, FLoadingMX);
  FIsLoadingMXCalculated = true;
}

void TVek::AddLoadCombination(std::string_view name, const TActionFactors& factors) {
  vek::AddLoadCombination(FLoadingMX, name, factors, FVigoursMX);
}

void TVek::CalculateEnvelopes() {
  if (!FIsLoadingMXCalculated) {
    return;
  }
  vek::CalculateEnvelopes(FLoadingMX, FMinMaxLoadingDB);
  FIsMaxMinLoading = true;
}

double TVek::GetEnvelopeValue(std::string_view designKey, TEnvelopeMode mode) const {
  return vek::GetEnvelopeValue(FLoadingMX, designKey, mode);
}

}  // namespace vek
