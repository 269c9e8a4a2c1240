#pragma once

#include <string>
#include <string_view>

// Decimal text of reals. Every routine works on the number as a person reads it:
// its decimal form with 15 significant digits, not the binary double.
namespace vek {

// The decimal form of a finite value with at most 15 significant digits:
// Value = 0.Digits × 10^PointPos (sign aside); Digits has no trailing zeros
// and is empty for zero.
struct TDecimal15 {
  bool Negative = false;
  std::string Digits;
  int PointPos = 0;
};

TDecimal15 ToDecimal15(double value);

// Shortest form with up to 15 significant digits, never an exponent
// ("490.15", "0.1", "-2", "0.00001").
std::string FormatGeneral(double value, std::string_view decimalSeparator = ".");

// As FormatGeneral, but magnitudes below 0.0001 or with more than 15 integer
// digits take the exponent form without plus sign or leading zeros
// ("1E-5", "1.5E20"); always "." as separator. Used by the project file.
std::string FormatGeneralExp(double value);

// Fixed count of places, rounded half away from zero on the 15-digit decimal
// form, no thousands separators; 0 places gives a whole number.
std::string FormatFixed(double value, int places, std::string_view decimalSeparator = ".");

}  // namespace vek
