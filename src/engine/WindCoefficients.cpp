#include "engine/WindCoefficients.h"

#include <algorithm>
#include <cmath>

namespace vek {

namespace {

// Coefficients of one zone of a free-standing wall: the values at r <= 3, r = 5 and
// r >= 10 and the rises between them (kept as given so that no rounding creeps in).
struct TNetPressureRow {
  char Zone;
  double AtR3;
  double Rise3To5;
  double AtR5;
  double Rise5To10;
  double AtR10;
};

constexpr TNetPressureRow kNetPressure[] = {
    {'A', 2.3, 0.6, 2.9, 0.5, 3.4},
    {'B', 1.4, 0.4, 1.8, 0.3, 2.1},
    {'C', 1.2, 0.2, 1.4, 0.3, 1.7},
    {'D', 1.2, 0.0, 1.2, 0.0, 1.2},
};

const TNetPressureRow* FindNetPressureRow(char zone) {
  for (const auto& row : kNetPressure) {
    if (row.Zone == zone) {
      return &row;
    }
  }
  return nullptr;
}

// Pressure and suction of one building area: the suction at r <= 1, its growth up to
// r = 5 and the suction at r >= 5.
struct TExternalPressureRow {
  char Area;
  double Pos;
  double NegAtR1;
  double Growth1To5;
  double NegAtR5;
};

constexpr TExternalPressureRow kExternalPressure[] = {
    {'A', 0.0, -1.4, 0.3, -1.7}, {'B', 0.0, -1.1, 0.0, -1.1}, {'C', 0.0, -0.5, 0.2, -0.7},
    {'D', 1.0, 0.0, 0.0, 0.0},   {'E', 0.0, -0.5, 0.2, -0.7},
};

const TExternalPressureRow* FindExternalPressureRow(char area) {
  for (const auto& row : kExternalPressure) {
    if (row.Area == area) {
      return &row;
    }
  }
  return nullptr;
}

}  // namespace

TDetachedZoneWidths DetachedZoneWidths(double h, double l) {
  TDetachedZoneWidths w{};
  w.A = std::min(0.3 * h, l / 2);
  w.B = std::min(2 * h, l / 2) - w.A;
  w.C = std::min(4 * h, l / 2) - w.A - w.B;
  w.D = 4 * h > l / 2 ? 0.0 : l / 2 - w.A - w.B - w.C;
  return w;
}

double ShelterFactor(double ratio) {
  if (ratio < 5) {
    return 0.3;
  }
  if (ratio > 20) {
    return 1.0;
  }
  if (ratio >= 5 && ratio <= 20) {
    return 0.3 + 0.7 * (ratio - 5) / 15;
  }
  return 0.0;
}

double NetPressureCoefficient(char zone, double r) {
  const TNetPressureRow* row = FindNetPressureRow(zone);
  if (row == nullptr) {
    return 0.0;
  }
  if (r <= 3) {
    return row->AtR3;
  }
  if (r > 3 && r <= 5) {
    return row->AtR3 + row->Rise3To5 * (r - 3) / 2;
  }
  if (r > 5 && r < 10) {
    return row->AtR5 + row->Rise5To10 * (r - 5) / 5;
  }
  if (r >= 10) {
    return row->AtR10;
  }
  return 0.0;
}

double ConservativeNetPressureCoefficient(char zone) {
  const TNetPressureRow* row = FindNetPressureRow(zone);
  return row == nullptr ? 0.0 : row->AtR10;
}

double ExternalPressureCoefficientPos(char area) {
  const TExternalPressureRow* row = FindExternalPressureRow(area);
  return row == nullptr ? 0.0 : row->Pos;
}

double ExternalPressureCoefficientNeg(char area, double r) {
  const TExternalPressureRow* row = FindExternalPressureRow(area);
  if (row == nullptr) {
    return 0.0;
  }
  if (r <= 1) {
    return row->NegAtR1;
  }
  if (r > 1 && r < 5) {
    return row->NegAtR1 - row->Growth1To5 * (r - 1) / 4;
  }
  // r >= 5, and a ratio that is not a number: the largest suction of the area.
  return row->NegAtR5;
}

}  // namespace vek
