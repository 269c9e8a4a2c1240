// The sample projects: every one reads, and writing what was read is stable.
#include <gtest/gtest.h>

#include "ProjectTestSupport.h"

namespace vek {
namespace {

TEST(ExampleProjectTest, WritingAReadSampleReadsBackToTheSameBytes) {
  for (const char* name : test::kExampleFiles) {
    const auto project = LoadProjectFromFile(test::ExamplePath(name));
    const std::string written = WriteProjectFileBytes(*project);
    const std::string rewritten = WriteProjectFileBytes(*ReadProjectFileBytes(written));
    EXPECT_EQ(rewritten, written) << name;
    EXPECT_FALSE(IsAdminOnlyProject(*project)) << name;
  }
}

TEST(ExampleProjectTest, TheSamplesKeepTheirComponentsAndOptions) {
  const auto several = LoadProjectFromFile(test::ExamplePath("several-positions.vek"));
  const auto& list = several->GetVekComponentList();
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(several->GetCompanyAddress(), "Am Kai 7\r\n20457 Hamburg");
  EXPECT_EQ(list[0]->GetVek()->GetState(), TVEKState::ASSIGNED);
  EXPECT_FALSE(list[1]->GetVek()->GetW_International());
  EXPECT_TRUE(list[1]->GetVek()->GetIsRebarNr());
  EXPECT_EQ(list[1]->GetVek()->GetBuildingArea(), u'B');
  EXPECT_EQ(list[2]->GetVek()->GetAnchorVersion(), TVEKAnchorVersion::ATTIKA);
  EXPECT_EQ(list[3]->GetVek()->GetState(), TVEKState::DEFAULT);

  const auto special = LoadProjectFromFile(test::ExamplePath("special-length.vek"));
  const TVek& vek = *special->GetVekComponentList()[0]->GetVek();
  EXPECT_EQ(vek.GetModelLengthMethod(), TVEKModelLength::INPUT);
  EXPECT_EQ(vek.GetSelectedVEKResult().Length, 725);
}

}  // namespace
}  // namespace vek
