#include "core/RegionalSettings.h"

#include <cstdio>

namespace vek {

TRegionalSettings& RegionalSettings() {
  static TRegionalSettings settings;
  return settings;
}

std::string FormatShortDate(int year, int month, int day) {
  const std::string& pattern = RegionalSettings().ShortDateFormat;
  auto number = [](int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return std::string(buf);
  };
  std::string out;
  for (size_t i = 0; i < pattern.size();) {
    auto startsWith = [&](const char* token) {
      return pattern.compare(i, std::char_traits<char>::length(token), token) == 0;
    };
    if (startsWith("yyyy")) {
      out += number(year, 4);
      i += 4;
    } else if (startsWith("yy")) {
      out += number(year % 100, 2);
      i += 2;
    } else if (startsWith("mm")) {
      out += number(month, 2);
      i += 2;
    } else if (startsWith("m")) {
      out += std::to_string(month);
      i += 1;
    } else if (startsWith("dd")) {
      out += number(day, 2);
      i += 2;
    } else if (startsWith("d")) {
      out += std::to_string(day);
      i += 1;
    } else {
      out += pattern[i++];
    }
  }
  return out;
}

}  // namespace vek
