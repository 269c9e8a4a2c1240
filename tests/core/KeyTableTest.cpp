#include "core/KeyTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vek {
namespace {

TEST(KeyTable, AbsentAndDuplicateKeysRaiseErrorsNamingTheKey) {
  TKeyTable<double> table;
  table.Add("f_cd", 17.0);
  try {
    table.Add("f_cd", 1.0);
    FAIL() << "duplicate accepted";
  } catch (const EDuplicateKey& e) {
    EXPECT_EQ(e.Key(), "f_cd");
    EXPECT_NE(std::string(e.what()).find("f_cd"), std::string::npos);
  }
  try {
    (void)table.Get("F_cd");  // keys are case-sensitive
    FAIL() << "absent key read";
  } catch (const EKeyNotFound& e) {
    EXPECT_EQ(e.Key(), "F_cd");
    EXPECT_NE(std::string(e.what()).find("F_cd"), std::string::npos);
  }
  EXPECT_DOUBLE_EQ(table["f_cd"], 17.0);  // the failed Add kept the first value
  EXPECT_EQ(table.Count(), 1u);
}

TEST(KeyTable, EnumeratesInInsertionOrderAndKeepsPositionsOnSetAndRemove) {
  TKeyTable<int> table;
  for (const char* key : {"l_2", "A_z_k", "max|Fd|-N_d_B", "c_1"}) {
    table.Add(key, static_cast<int>(table.Count()));
  }
  table.Set("A_z_k", 42);  // replaces in place
  EXPECT_TRUE(table.Remove("l_2"));
  EXPECT_FALSE(table.Remove("l_2"));
  table.Add("l_2", 7);  // re-added at the end

  std::vector<std::string> keys;
  for (const auto& [key, value] : table) {
    keys.push_back(key);
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"A_z_k", "max|Fd|-N_d_B", "c_1", "l_2"}));
  EXPECT_EQ(table["A_z_k"], 42);
  EXPECT_EQ(table["c_1"], 3);  // index still right after the removal
  EXPECT_EQ(table["l_2"], 7);
  table.Clear();
  EXPECT_TRUE(table.Empty());
  EXPECT_EQ(table.Find("c_1"), nullptr);
}

TEST(KeyTable, OrdinalOrderIsCodePointOrder) {
  TKeyTable<int> table;
  // "–" (U+2013) sorts after every ASCII character; capitals before small letters.
  for (const char* key : {"VEK \xE2\x80\x93 N", "VEK - N", "VEK a", "VEK B"}) {
    table.Add(key, 0);
  }
  EXPECT_EQ(table.OrdinalKeys(),
            (std::vector<std::string>{"VEK - N", "VEK B", "VEK a", "VEK \xE2\x80\x93 N"}));
}

}  // namespace
}  // namespace vek
