#pragma once

#include <string>

#include "core/RegionalSettings.h"

namespace vek {

// Sets the regional decimal separator for one test and restores it after.
class TRegionalSeparatorScope {
 public:
  explicit TRegionalSeparatorScope(const std::string& separator)
      : FPrevious(RegionalSettings().DecimalSeparator) {
    RegionalSettings().DecimalSeparator = separator;
  }
  ~TRegionalSeparatorScope() { RegionalSettings().DecimalSeparator = FPrevious; }
  TRegionalSeparatorScope(const TRegionalSeparatorScope&) = delete;
  TRegionalSeparatorScope& operator=(const TRegionalSeparatorScope&) = delete;

 private:
  std::string FPrevious;
};

}  // namespace vek
