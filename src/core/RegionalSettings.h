#pragma once

#include <string>

namespace vek {

// Regional settings of the program run. The window fills them from the system
// locale at start; everything shown or printed reads them from here. The
// project file never does: it always writes ".".
struct TRegionalSettings {
  std::string DecimalSeparator = ".";
  // Tokens: yyyy, yy, mm, m, dd, d; everything else is copied.
  std::string ShortDateFormat = "yyyy-mm-dd";
};

TRegionalSettings& RegionalSettings();

// A calendar date in the short date format of the regional settings.
std::string FormatShortDate(int year, int month, int day);

}  // namespace vek
