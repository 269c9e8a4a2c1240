// Projects and components: unique position marks, quantities, ownership of design cases.
#include <gtest/gtest.h>

#include <memory>

#include "project/VekProject.h"

namespace vek {
namespace {

std::unique_ptr<TVekComponent> Component(const std::string& position, int quantity = 1) {
  return std::make_unique<TVekComponent>(std::make_unique<TVek>(), position, "Wand", quantity);
}

TEST(VekProjectTest, RefusesAnExistingPositionMarkAndLeavesTheComponentWithTheCaller) {
  TVekProject project;
  auto first = Component("P1");
  auto same = Component("P1", 5);
  auto otherCase = Component("p1");
  ASSERT_TRUE(project.AddVekComponent(first));
  EXPECT_EQ(first, nullptr);

  EXPECT_FALSE(project.AddVekComponent(same));
  ASSERT_NE(same, nullptr);
  EXPECT_EQ(same->GetQuantity(), 5);
  EXPECT_EQ(project.GetVekComponentList().size(), 1u);

  EXPECT_TRUE(project.AddVekComponent(otherCase));
  EXPECT_EQ(project.IndexOf("p1"), 1);
  EXPECT_EQ(project.IndexOf("P1"), 0);
  EXPECT_EQ(project.IndexOf("P1 "), -1);
}

TEST(VekProjectTest, IndexOfAnEmptyProjectIsMinusOne) {
  TVekProject project;
  EXPECT_EQ(project.IndexOf(""), -1);
  EXPECT_FALSE(project.IsPositionExisting("P1"));
}

TEST(VekProjectTest, RemovesOnlyAtAnIndexInRange) {
  TVekProject project;
  for (const char* mark : {"A", "B", "C"}) {
    auto component = Component(mark);
    project.AddVekComponent(component);
  }
  project.RemoveVekComponent(3);
  project.RemoveVekComponent(-1);
  ASSERT_EQ(project.GetVekComponentList().size(), 3u);
  project.RemoveVekComponent(1);
  ASSERT_EQ(project.GetVekComponentList().size(), 2u);
  EXPECT_EQ(project.GetVekComponentList()[1]->GetPosition(), "C");
}

TEST(VekComponentTest, KeepsItsQuantityAgainstValuesBelowOne) {
  auto component = Component("P1", 0);
  EXPECT_EQ(component->GetQuantity(), 0) << "the constructor stores what it is given";
  component->SetQuantity(4);
  component->SetQuantity(0);
  component->SetQuantity(-3);
  EXPECT_EQ(component->GetQuantity(), 4);
}

TEST(VekComponentTest, ReplacingTheDesignCaseHandsThePreviousOneBack) {
  auto component = Component("P1");
  TVek* previous = component->GetVek();
  auto replacement = std::make_unique<TVek>(3);
  TVek* raw = replacement.get();
  std::unique_ptr<TVek> returned = component->SetVek(std::move(replacement));
  EXPECT_EQ(returned.get(), previous);
  EXPECT_EQ(component->GetVek(), raw);
}

}  // namespace
}  // namespace vek
