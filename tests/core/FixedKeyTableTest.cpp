#include "core/FixedKeyTable.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

namespace vek {
namespace {

inline constexpr std::array<std::string_view, 3> kNames = {"f_cd", "l_2", "max|Fd|-N_d_B"};
using TTable = TFixedKeyTable<kNames>;

inline constexpr auto kComposed = [] {
  std::array<TFixedName, 2> names{};
  names[0] = TFixedName("max|Fd|G-").Append("f_y_C");
  names[1] = TFixedName("minFd-").Append("A_z_d");
  return names;
}();
using TComposed = TFixedKeyTable<kComposed>;

TEST(FixedKeyTable, BehavesAsAStringKeyedTable) {
  TTable table;
  table.Add(TTable::KeyOf("l_2"), 54.5);
  table.Add(TTable::KeyOf("f_cd"), 17.0);
  EXPECT_THROW(table.Add(TTable::KeyOf("l_2"), 1.0), EDuplicateKey);
  EXPECT_THROW((void)table.Get(TTable::KeyOf("max|Fd|-N_d_B")), EKeyNotFound);
  EXPECT_THROW((void)table.Get("no such key"), EKeyNotFound);
  EXPECT_DOUBLE_EQ(table.Get("l_2"), 54.5);
  EXPECT_EQ(table.Count(), 2u);
  EXPECT_EQ(table.Entry(0).first, "l_2");  // insertion order, not key-set order
  EXPECT_EQ(table.Entry(1).first, "f_cd");
  table.Clear();
  EXPECT_FALSE(table.Contains("l_2"));
  table.Add(TTable::KeyOf("l_2"), 1.0);  // a cleared table takes the key again
  EXPECT_EQ(table.Count(), 1u);
}

TEST(FixedKeyTable, ComposedNamesAreLookedUpByTheirFullText) {
  TComposed table;
  table.Add(TComposed::KeyOf("minFd-A_z_d"), -3.0);
  EXPECT_DOUBLE_EQ(table.Get("minFd-A_z_d"), -3.0);
  EXPECT_FALSE(table.Contains("max|Fd|G-f_y_C"));
  try {
    (void)table.Get(TComposed::KeyOf("max|Fd|G-f_y_C"));
    FAIL();
  } catch (const EKeyNotFound& e) {
    EXPECT_EQ(e.Key(), "max|Fd|G-f_y_C");
  }
}

}  // namespace
}  // namespace vek
