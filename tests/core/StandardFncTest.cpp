#include "core/StandardFnc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "core/RegionalSettings.h"

namespace vek {
namespace {

// Restores the regional settings a test changed.
class RegionalFixture : public ::testing::Test {
 protected:
  void TearDown() override { RegionalSettings() = TRegionalSettings{}; }
};

TEST(IsNullReal, NaNAndTheNullRealAtSixDecimalsAreNull) {
  EXPECT_TRUE(TStandardFnc::IsNullReal(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_TRUE(TStandardFnc::IsNullReal(kNullReal));
  EXPECT_TRUE(TStandardFnc::IsNullReal(-9548782.75148794));  // same at six decimals
  EXPECT_FALSE(TStandardFnc::IsNullReal(-9548782.7514865));  // ...487 at six decimals
  EXPECT_FALSE(TStandardFnc::IsNullReal(0.0));
  EXPECT_FALSE(TStandardFnc::IsNullReal(9548782.7514879));
  EXPECT_FALSE(TStandardFnc::IsNullReal(std::numeric_limits<double>::infinity()));
}

struct FloatCase {
  double Value;
  int Places;
  const char* Point;  // with "." as separator
  const char* Comma;  // with "," as separator
};

std::ostream& operator<<(std::ostream& os, const FloatCase& c) {
  return os << c.Value << " with " << c.Places << " places";
}

class FloatToStringTest : public RegionalFixture,
                          public ::testing::WithParamInterface<FloatCase> {};

TEST_P(FloatToStringTest, FormatsWithTheRegionalSeparator) {
  const FloatCase& c = GetParam();
  RegionalSettings().DecimalSeparator = ".";
  EXPECT_EQ(TStandardFnc::FloatToString(c.Value, c.Places), c.Point);
  RegionalSettings().DecimalSeparator = ",";
  EXPECT_EQ(TStandardFnc::FloatToString(c.Value, c.Places), c.Comma);
}

// Fixed places round the decimal form half away from zero, not the binary
// double: 490.15 and 12.345 lie just below their halves in binary.
INSTANTIATE_TEST_SUITE_P(
    Cases, FloatToStringTest,
    ::testing::Values(FloatCase{490.15, 1, "490.2", "490,2"},
                      FloatCase{12.345, 2, "12.35", "12,35"},
                      FloatCase{12.346, 2, "12.35", "12,35"}, FloatCase{12.5, 0, "13", "13"},
                      FloatCase{-12.5, 0, "-13", "-13"}, FloatCase{2.675, 2, "2.68", "2,68"},
                      FloatCase{1.005, 2, "1.01", "1,01"}, FloatCase{9.995, 2, "10.00", "10,00"},
                      FloatCase{0.005, 2, "0.01", "0,01"}, FloatCase{0.0004, 2, "0.00", "0,00"},
                      FloatCase{-0.0004, 2, "0.00", "0,00"}, FloatCase{0.96, 0, "1", "1"},
                      FloatCase{1234567.891, 2, "1234567.89", "1234567,89"},
                      FloatCase{3, 3, "3.000", "3,000"}, FloatCase{0.1, -1, "0.1", "0,1"},
                      FloatCase{0.1 + 0.2, -1, "0.3", "0,3"}, FloatCase{-2.0, -1, "-2", "-2"},
                      FloatCase{1e20, -1, "100000000000000000000", "100000000000000000000"},
                      FloatCase{0.00001, -1, "0.00001", "0,00001"},
                      FloatCase{1.0 / 3.0, -1, "0.333333333333333", "0,333333333333333"}));

TEST_F(RegionalFixture, ShortDateFollowsTheRegionalFormat) {
  EXPECT_EQ(FormatShortDate(2026, 5, 7), "2026-05-07");
  RegionalSettings().ShortDateFormat = "dd.mm.yyyy";
  EXPECT_EQ(FormatShortDate(2026, 5, 7), "07.05.2026");
  RegionalSettings().ShortDateFormat = "m/d/yy";
  EXPECT_EQ(FormatShortDate(2026, 5, 7), "5/7/26");
}

}  // namespace
}  // namespace vek
