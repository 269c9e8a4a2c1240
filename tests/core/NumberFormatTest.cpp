#include "core/NumberFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace vek {
namespace {

TEST(FormatGeneralExp, UsesTheExponentOnlyForTinyAndHugeMagnitudes) {
  const struct {
    double Value;
    const char* Text;
  } cases[] = {
      {0, "0"},
      {1, "1"},
      {-2.5, "-2.5"},
      {0.0001, "0.0001"},
      {0.00012, "0.00012"},
      {0.00001, "1E-5"},
      {-0.0000999, "-9.99E-5"},
      {1.5e20, "1.5E20"},
      {999999999999999.0, "999999999999999"},  // 15 integer digits
      {1e15, "1E15"},                          // 16 integer digits
      {490.15, "490.15"},
      {0.1 + 0.2, "0.3"},
      {123456789.123456789, "123456789.123457"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatGeneralExp(c.Value), c.Text) << c.Value;
  }
}

TEST(FormatGeneral, NeverShowsAnExponentAndUsesTheGivenSeparator) {
  EXPECT_EQ(FormatGeneral(0.00001, ","), "0,00001");
  EXPECT_EQ(FormatGeneral(1.5e20), "150000000000000000000");
  EXPECT_EQ(FormatGeneral(-0.0), "0");
}

TEST(NumberFormat, NonFiniteValuesHaveFixedTexts) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(FormatGeneral(nan), "NAN");
  EXPECT_EQ(FormatGeneralExp(-inf), "-INF");
  EXPECT_EQ(FormatFixed(inf, 2), "INF");
}

TEST(ToDecimal15, KeepsFifteenSignificantDigitsWithoutTrailingZeros) {
  const TDecimal15 d = ToDecimal15(-0.012345);
  EXPECT_TRUE(d.Negative);
  EXPECT_EQ(d.Digits, "12345");
  EXPECT_EQ(d.PointPos, -1);
  EXPECT_EQ(ToDecimal15(0).Digits, "");
  EXPECT_EQ(ToDecimal15(2.0 / 3.0).Digits, "666666666666667");
}

}  // namespace
}  // namespace vek

namespace vek {
namespace {

// The window sets the C library's locale from the environment; a decimal comma
// there must not reach variant keys, documents or project files.
TEST(NumberFormat, IgnoresTheCLocale) {
  const char* german = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      german = name;
      break;
    }
  }
  if (german == nullptr) {
    GTEST_SKIP() << "no German locale on this machine";
  }
  const std::string general = FormatGeneral(500);
  const std::string exp = FormatGeneralExp(0.00001);
  const std::string fixed = FormatFixed(490.15, 1);
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(general, "500");
  EXPECT_EQ(exp, "1E-5");
  EXPECT_EQ(fixed, "490.2");
}

}  // namespace
}  // namespace vek
