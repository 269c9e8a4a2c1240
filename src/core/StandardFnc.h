#pragma once

#include <string>

namespace vek {

// Marks a real that is not set in stored data; where a check takes a limit it
// means "no limit". Inside a design case an unset real is NaN instead.
inline constexpr double kNullReal = -9548782.7514879;

class TStandardFnc {
 public:
  // True for NaN, or when Value equals the null real once both are rounded to
  // six decimals (ties to even).
  static bool IsNullReal(double value);

  // DigitalPlaces < 0: shortest general form with up to 15 significant digits;
  // otherwise that many fixed places, rounded half away from zero. Uses the
  // regional decimal separator.
  static std::string FloatToString(double value, int digitalPlaces);
};

}  // namespace vek
