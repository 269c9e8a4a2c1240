// Variant keys and the empty result.
#include "engine/VekResult.h"

#include "core/NumberFormat.h"
#include "core/RegionalSettings.h"
#include "engine/Vek.h"

namespace vek {

namespace {
constexpr const char* kKeyDash = " \u2013 ";  // en dash with a blank on each side
}

std::string FormatVariantDescription(TVEKAnchorVersion version, bool adjustable,
                                     const std::string& modelAlias, double length, double gap) {
  const std::string& separator = RegionalSettings().DecimalSeparator;
  std::string text = std::string("VEK") + kKeyDash;
  if (version == TVEKAnchorVersion::NORMAL) {
    text += "N";
  } else if (version == TVEKAnchorVersion::ATTIKA) {
    text += "A";
  }
  if (adjustable) {
    text += "J";
  }
  text += kKeyDash + modelAlias;
  text += kKeyDash + FormatGeneral(length, separator);
  text += kKeyDash + FormatGeneral(gap, separator);
  return text;
}

TVEKResult TVek::EmptyVEKResult() {
  return TVEKResult{};
}

bool TVek::IsVEKResultEmpty(const TVEKResult& result) {
  return result.Model == -1;
}

bool TVek::IsVekModelResultDBEmpty(const TVEKResultTable* table) {
  return table == nullptr || table->Empty();
}

}  // namespace vek
