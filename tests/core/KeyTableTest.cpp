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

namespace vek {
namespace {

// The engine refills its tables after Clear; what was there before must never
// show through, whether the refill repeats the old keys or takes another course.
TEST(KeyTable, RefillAfterClearShowsOnlyTheNewEntries) {
  TKeyTable<double> table;
  for (const char* key : {"a", "b", "c", "d"}) {
    table.Add(key, 1.0);
  }
  table.Clear();
  EXPECT_FALSE(table.Contains("a"));
  EXPECT_THROW((void)table.Get("d"), EKeyNotFound);

  table.Add("a", 2.0);  // same course as before
  table.Add("b", 3.0);
  table.Add("x", 4.0);  // another course from here on
  EXPECT_THROW(table.Add("a", 5.0), EDuplicateKey);
  EXPECT_FALSE(table.Contains("c"));
  EXPECT_FALSE(table.Contains("d"));
  table.Add("d", 6.0);  // a dropped key is free again
  EXPECT_EQ(table.Keys(), (std::vector<std::string>{"a", "b", "x", "d"}));
  EXPECT_DOUBLE_EQ(table["b"], 3.0);

  table.Clear();
  table.Add("a", 7.0);
  EXPECT_EQ(table.Count(), 1u);
  TKeyTable<double> copy = table;  // copies hold only the live entries
  EXPECT_EQ(copy.Keys(), (std::vector<std::string>{"a"}));
  TKeyTable<double> moved = std::move(copy);
  EXPECT_DOUBLE_EQ(moved["a"], 7.0);
}

TEST(KeyTable, ManyKeysStayFindable) {
  TKeyTable<int> table;
  for (int i = 0; i < 1000; ++i) {
    table.Add("key" + std::to_string(i), i);
  }
  EXPECT_TRUE(table.Remove("key500"));
  for (int i = 0; i < 1000; ++i) {
    if (i != 500) {
      ASSERT_EQ(table["key" + std::to_string(i)], i);
    }
  }
  EXPECT_FALSE(table.Contains("key500"));
  EXPECT_EQ(table.Count(), 999u);
}

}  // namespace
}  // namespace vek
