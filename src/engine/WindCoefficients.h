#pragma once

namespace vek {

// Pressure coefficients of the simplified wind procedure.

// Zone widths over half the length of a free-standing panel, mm.
struct TDetachedZoneWidths {
  double A;
  double B;
  double C;
  double D;
};

// Zones A to D of a free-standing panel of height h and length l (mm).
TDetachedZoneWidths DetachedZoneWidths(double h, double l);

// Shelter factor of a shielding wall from x_w/h_w; 0 for a ratio that is not a number.
double ShelterFactor(double ratio);

// Net pressure coefficient of zone 'A' to 'D' of a free-standing wall from r = l/h_g;
// 0 for a ratio that is not a number or an unknown zone.
double NetPressureCoefficient(char zone, double r);

// The conservative net pressure coefficient of zone 'A' to 'D' (no geometry known).
double ConservativeNetPressureCoefficient(char zone);

// External pressure coefficients of a building wall, area 'A' to 'E', from
// r = h/d (building height over depth).
double ExternalPressureCoefficientPos(char area);
double ExternalPressureCoefficientNeg(char area, double r);

// The conservative external pressure coefficients (no building geometry known).
inline constexpr double kConservativeCpePos = 1.0;
inline constexpr double kConservativeCpeNeg = -1.7;

}  // namespace vek
