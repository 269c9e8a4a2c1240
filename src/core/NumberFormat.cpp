#include "core/NumberFormat.h"

#include <charconv>
#include <cmath>

namespace vek {
namespace {

// Texts of the values that have no decimal form, as the program has always shown them.
bool NonFinite(double value, std::string& out) {
  if (std::isnan(value)) {
    out = "NAN";
    return true;
  }
  if (std::isinf(value)) {
    out = value > 0 ? "INF" : "-INF";
    return true;
  }
  return false;
}

std::string FixedFromDigits(const TDecimal15& d, std::string_view sep) {
  if (d.Digits.empty()) {
    return "0";
  }
  std::string out = d.Negative ? "-" : "";
  const int n = static_cast<int>(d.Digits.size());
  if (d.PointPos <= 0) {
    out += "0";
    out += sep;
    out.append(static_cast<size_t>(-d.PointPos), '0');
    out += d.Digits;
  } else if (d.PointPos >= n) {
    out += d.Digits;
    out.append(static_cast<size_t>(d.PointPos - n), '0');
  } else {
    out += d.Digits.substr(0, static_cast<size_t>(d.PointPos));
    out += sep;
    out += d.Digits.substr(static_cast<size_t>(d.PointPos));
  }
  return out;
}

}  // namespace

TDecimal15 ToDecimal15(double value) {
  TDecimal15 d;
  if (value == 0.0 || !std::isfinite(value)) {
    return d;
  }
  d.Negative = value < 0;
  // Rounds the binary value correctly to 15 significant digits; unlike printf it
  // ignores the C locale, which the window sets from the environment.
  char buf[40];
  const char* end =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14).ptr;
  std::string digits;
  const char* p = buf;
  for (; p != end && *p != 'e'; ++p) {
    if (*p != '.') {
      digits += *p;
    }
  }
  int exponent = 0;
  if (p != end) {
    const char* q = p + 1;
    if (q != end && *q == '+') {
      ++q;  // from_chars takes no plus sign
    }
    std::from_chars(q, end, exponent);
  }
  while (!digits.empty() && digits.back() == '0') {
    digits.pop_back();
  }
  d.Digits = digits;
  d.PointPos = exponent + 1;
  return d;
}

std::string FormatGeneral(double value, std::string_view decimalSeparator) {
  std::string out;
  if (NonFinite(value, out)) {
    return out;
  }
  return FixedFromDigits(ToDecimal15(value), decimalSeparator);
}

std::string FormatGeneralExp(double value) {
  std::string out;
  if (NonFinite(value, out)) {
    return out;
  }
  const TDecimal15 d = ToDecimal15(value);
  if (d.Digits.empty()) {
    return "0";
  }
  // Below 0.0001 the leading digit sits at the fifth place or further right;
  // more than 15 integer digits means the point lies beyond the 15th digit.
  if (d.PointPos > -4 && d.PointPos <= 15) {
    return FixedFromDigits(d, ".");
  }
  out.clear();
  if (d.Negative) {
    out.push_back('-');
  }
  out.push_back(d.Digits[0]);
  if (d.Digits.size() > 1) {
    out.push_back('.');
    out.append(d.Digits, 1, std::string::npos);
  }
  out.push_back('E');
  out += std::to_string(d.PointPos - 1);
  return out;
}

std::string FormatFixed(double value, int places, std::string_view decimalSeparator) {
  std::string out;
  if (NonFinite(value, out)) {
    return out;
  }
  if (places < 0) {
    places = 0;
  }
  const TDecimal15 d = ToDecimal15(value);
  // Digits of the result: all digits up to `places` after the point, with the
  // integer part padded to at least one digit.
  const int keep = d.PointPos + places;  // count of digits of d.Digits that stay
  std::string digits;                    // integer and fraction digits, no point
  int intDigits = d.PointPos > 0 ? d.PointPos : 0;
  if (keep < 0) {
    digits.clear();
  } else {
    std::string padded = d.Digits;
    if (static_cast<int>(padded.size()) < keep) {
      padded.append(static_cast<size_t>(keep - static_cast<int>(padded.size())), '0');
    }
    digits = padded.substr(0, static_cast<size_t>(keep));
    const bool roundUp = keep < static_cast<int>(d.Digits.size()) && d.Digits[keep] >= '5';
    if (roundUp) {
      int i = static_cast<int>(digits.size()) - 1;
      while (i >= 0 && digits[i] == '9') {
        digits[i] = '0';
        --i;
      }
      if (i >= 0) {
        digits[i]++;
      } else {
        digits.insert(digits.begin(), '1');
        if (d.PointPos > 0) {
          ++intDigits;
        }
      }
    }
  }
  // Place the digits: the last `places` of them form the fraction.
  const int total = intDigits + places;
  if (static_cast<int>(digits.size()) < total) {
    digits.insert(0, static_cast<size_t>(total - static_cast<int>(digits.size())), '0');
  }
  const size_t intLength = digits.size() - static_cast<size_t>(places);
  const bool allZero = digits.find_first_not_of('0') == std::string::npos;
  out.clear();
  // A value that rounds to zero shows no sign: "-0.00" would only confuse.
  if (d.Negative && !allZero) {
    out.push_back('-');
  }
  if (intLength == 0) {
    out.push_back('0');
  } else {
    out.append(digits, 0, intLength);
  }
  if (places > 0) {
    out.append(decimalSeparator);
    out.append(digits, intLength, std::string::npos);
  }
  return out;
}

}  // namespace vek
