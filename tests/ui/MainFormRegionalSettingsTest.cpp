// The regional settings of the core helpers taken from a Qt locale.
#include <gtest/gtest.h>

#include "core/RegionalSettings.h"
#include "ui/RegionalFromLocale.h"

namespace vek {
namespace {

TEST(MainFormRegionalSettings, ShortDateFormatUsesTheTokensOfTheCore) {
  const struct {
    const char* Qt;
    const char* Expected;
  } cases[] = {
      {"dd.MM.yy", "dd.mm.yy"},
      {"M/d/yy", "m/d/yy"},
      {"yyyy-MM-dd", "yyyy-mm-dd"},
      // Month names become numbers; day names go with their separator.
      {"d MMM yyyy", "d mm yyyy"},
      {"dddd, d. MMMM yyyy", "d. mm yyyy"},
      {"d 'de' MMMM", "d de mm"},
  };
  for (const auto& testCase : cases) {
    EXPECT_EQ(ShortDateFormatFromQt(QString::fromLatin1(testCase.Qt)), testCase.Expected)
        << testCase.Qt;
  }
}

TEST(MainFormRegionalSettings, GermanLocaleGivesDecimalCommaAndItsDate) {
  const TRegionalSettings saved = RegionalSettings();
  FillRegionalSettings(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(RegionalSettings().DecimalSeparator, ",");
  EXPECT_EQ(RegionalSettings().ShortDateFormat, "dd.mm.yy");
  EXPECT_EQ(FormatShortDate(2026, 5, 27), "27.05.26");
  FillRegionalSettings(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(RegionalSettings().DecimalSeparator, ".");
  RegionalSettings() = saved;
}

}  // namespace
}  // namespace vek
