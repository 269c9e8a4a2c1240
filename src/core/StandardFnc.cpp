#include "core/StandardFnc.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

#include "core/NumberFormat.h"
#include "core/RegionalSettings.h"

namespace vek {
namespace {

double RoundTo6TiesEven(double value) {
  // nearbyint follows the current rounding mode, which is round-to-nearest-even.
  return std::nearbyint(value * 1e6) / 1e6;
}

bool SameValue(double a, double b) {
  const double tolerance = std::max(std::min(std::fabs(a), std::fabs(b)) * 1e-16, 1e-16);
  return std::fabs(a - b) <= tolerance;
}

}  // namespace

bool TStandardFnc::IsNullReal(double value) {
  if (std::isnan(value)) {
    return true;
  }
  return SameValue(RoundTo6TiesEven(value), RoundTo6TiesEven(kNullReal));
}

std::string TStandardFnc::FloatToString(double value, int digitalPlaces) {
  const std::string& sep = RegionalSettings().DecimalSeparator;
  if (digitalPlaces < 0) {
    return FormatGeneral(value, sep);
  }
  return FormatFixed(value, digitalPlaces, sep);
}

}  // namespace vek
