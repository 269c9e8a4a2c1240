// Reading the project file: the null rule, truncation, setters, the special-anchor
// merge, duplicates, quantities, recalculation, the admin-only check, encodings.
#include <gtest/gtest.h>

#include <cmath>

#include "ProjectTestSupport.h"
#include "core/StandardFnc.h"

namespace vek {
namespace {

using test::DefaultProjectText;
using test::ReadText;
using test::Replaced;

const TVek& OnlyVek(const TVekProject& project) {
  EXPECT_EQ(project.GetVekComponentList().size(), 1u);
  return *project.GetVekComponentList().front()->GetVek();
}

TEST(ProjectFileReadTest, AValueEqualToTheNullRealToSixDecimalsKeepsTheDefault) {
  const struct {
    const char* Stored;
    double Expected;
  } cases[] = {
      {"-9548782.7514879", 1000},       {"-9548782.75148794", 1000}, {"-9548782.751488", 1000},
      {"-9548782.7515", -9548782.7515}, {"1234.5", 1234.5},
  };
  for (const auto& c : cases) {
    const auto project = ReadText(Replaced(DefaultProjectText(), "\"Fh_br\":1000,",
                                           "\"Fh_br\":" + std::string(c.Stored) + ","));
    EXPECT_EQ(OnlyVek(*project).GetH_br(), c.Expected) << c.Stored;
  }
}

TEST(ProjectFileReadTest, AnUnsetRealWrittenAsTheNullRealReadsBackUnset) {
  const auto project = ReadText(DefaultProjectText());
  EXPECT_TRUE(std::isnan(OnlyVek(*project).GetL()));
  EXPECT_TRUE(std::isnan(OnlyVek(*project).GetQ_p()));
}

TEST(ProjectFileReadTest, ConcreteStrengthsAreTruncatedToWholeNumbers) {
  std::string text = Replaced(DefaultProjectText(), "\"Ff_ck\":30,", "\"Ff_ck\":35.9,");
  text = Replaced(text, "\"Ff_ck_CeilingTile\":20,", "\"Ff_ck_CeilingTile\":25.99,");
  const auto project = ReadText(text);
  const TVek& vek = OnlyVek(*project);
  EXPECT_EQ(vek.GetF_ck(), 35);
  EXPECT_EQ(vek.GetF_ck_CeilingTile(), 25);
}

TEST(ProjectFileReadTest, ValuesGoThroughTheSetters) {
  std::string text = Replaced(DefaultProjectText(), "\"FModel\":1,", "\"FModel\":12,");
  text = Replaced(text, "\"FBuildingArea\":\"z\"", "\"FBuildingArea\":\"c\"");
  text = Replaced(text, "\"Fl_l\":40,", "\"Fl_l\":30,");
  const auto project = ReadText(text);
  const TVek& vek = OnlyVek(*project);
  EXPECT_EQ(vek.GetModel(), 1);
  EXPECT_EQ(vek.GetBuildingArea(), u'C');
  EXPECT_EQ(vek.GetL_l(), 30);
}

TEST(ProjectFileReadTest, KeepsTheFirstOfComponentsWithTheSameMarkAndAtLeastOneAnchor) {
  const std::string text = DefaultProjectText();
  const size_t begin = text.find("{\"type\":\"JSONVekComponent");
  const size_t end = text.find("],\"FProject\"");
  const std::string component = text.substr(begin, end - begin);
  const std::string first = Replaced(component, "\"FQuantity\":1", "\"FQuantity\":0");
  const std::string second = Replaced(component, "\"FQuantity\":1", "\"FQuantity\":7");
  const std::string third = Replaced(Replaced(component, "\"FQuantity\":1", "\"FQuantity\":-3"),
                                     "\"FPosition\":\"P1\"", "\"FPosition\":\"p1\"");
  const auto project =
      ReadText(text.substr(0, begin) + first + "," + second + "," + third + text.substr(end));
  const auto& list = project->GetVekComponentList();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0]->GetPosition(), "P1");
  EXPECT_EQ(list[0]->GetQuantity(), 1) << "quantity 0 in the file";
  EXPECT_EQ(list[1]->GetPosition(), "p1");
  EXPECT_EQ(list[1]->GetQuantity(), 1) << "quantity -3 in the file";
}

TEST(ProjectFileReadTest, AComponentWithoutAssignedVariantStaysUncalculated) {
  const auto project = ReadText(DefaultProjectText());
  const TVek& vek = OnlyVek(*project);
  EXPECT_EQ(vek.GetState(), TVEKState::DEFAULT);
  EXPECT_EQ(vek.GetAssignedVek(), "N/A");
  EXPECT_FALSE(vek.IsCalculateDB());
  EXPECT_EQ(vek.GetResultSize(), 0);
}

TEST(ProjectFileReadTest, AnAssignedComponentIsRecalculatedAndGetsTheDefaultChoice) {
  const std::string text =
      Replaced(DefaultProjectText(), "\"FAssigned\":\"N\\/A\"", "\"FAssigned\":\"any stored key\"");
  const auto project = ReadText(text);
  const TVek& vek = OnlyVek(*project);
  EXPECT_EQ(vek.GetState(), TVEKState::ASSIGNED);
  EXPECT_EQ(vek.GetResultSize(), 96);
  EXPECT_EQ(vek.GetAssignedVek(), vek.GetDefaultAssignedVek());
  EXPECT_EQ(vek.GetSelectedVEKResult().Description, vek.GetAssignedVek());
}

TEST(ProjectFileReadTest, AProjectWithTheSpecialAnchorOrALengthAbove950IsAdminOnly) {
  const struct {
    const char* From;
    const char* To;
    bool AdminOnly;
  } cases[] = {
      {"\"FL\":-9548782.7514879,", "\"FL\":955,", true},
      {"\"FL\":-9548782.7514879,", "\"FL\":950,", false},
      {"\"FModel\":1,", "\"FModel\":9,", true},
      {"\"FModel\":1,", "\"FModel\":8,", false},
  };
  for (const auto& c : cases) {
    const auto project = ReadText(Replaced(DefaultProjectText(), c.From, c.To));
    EXPECT_EQ(IsAdminOnlyProject(*project), c.AdminOnly) << c.To;
  }
}

TEST(ProjectFileReadTest, AnAssignedComponentIsJudgedByTheLengthOfItsRecalculation) {
  std::string text = Replaced(DefaultProjectText(), "\"FL\":-9548782.7514879,", "\"FL\":955,");
  text = Replaced(text, "\"FAssigned\":\"N\\/A\"", "\"FAssigned\":\"x\"");
  const auto project = ReadText(text);
  EXPECT_EQ(OnlyVek(*project).GetL(), 950) << "the last length of the search";
  EXPECT_FALSE(IsAdminOnlyProject(*project));
}

TEST(ProjectFileReadTest, WeldSeamLengthsAreReadBackAndAFileWithoutThemKeepsTheDefaults) {
  const std::string custom = Replaced(DefaultProjectText(), "\"FLws\":[29,33,35,45,47,62,48,46]",
                                      "\"FLws\":[30,34,36,46,48,63,49,47.5]");
  EXPECT_EQ(OnlyVek(*ReadText(custom)).GetLws(), (TVEKL{{30, 34, 36, 46, 48, 63, 49, 47.5}}));

  const std::string older =
      Replaced(DefaultProjectText(), "\"FLws\":[29,33,35,45,47,62,48,46],", "");
  EXPECT_EQ(OnlyVek(*ReadText(older)).GetLws(), TVek().GetLws());
}

TEST(ProjectFileReadTest, TheReinforcementChoiceSurvivesSavingAndAnOlderFileReadsB500B) {
  auto vek = std::make_unique<TVek>();
  vek->SetIsRebarNr(true);
  vek->SetAssignedVek("assigned before saving");
  TVekProject saved;
  auto component = std::make_unique<TVekComponent>(std::move(vek), "P1", "Wand", 1);
  saved.AddVekComponent(component);
  const auto reopened = ReadProjectFileBytes(WriteProjectFileBytes(saved));
  EXPECT_TRUE(OnlyVek(*reopened).GetIsRebarNr());
  EXPECT_EQ(OnlyVek(*reopened).GetSelectedVEKResult().reinf, "NR")
      << "the recalculation uses the stored reinforcement";

  const std::string older = Replaced(DefaultProjectText(), ",\"FIsRebarNR\":false", "");
  EXPECT_FALSE(OnlyVek(*ReadText(older)).GetIsRebarNr());
}

TEST(ProjectFileReadTest, SpecialAnchorEntriesThatAreNotSetKeepTheDefaultSection) {
  const std::string text = Replaced(DefaultProjectText(), "\"FSpecialAnchor\":[85,144,",
                                    "\"FSpecialAnchor\":[-9548782.7514879,150,");
  const TVEKSpecialAnchor anchor = OnlyVek(*ReadText(text)).GetSpecialAnchor();
  EXPECT_EQ(anchor.H, 85);
  EXPECT_EQ(anchor.B, 150);
}

TEST(ProjectFileReadTest, AbsentMembersReadAsZeroValuesAndMemberOrderIsFree) {
  std::string text = Replaced(DefaultProjectText(), "\"FDelta_T\":70,", "");
  text = Replaced(text, "{\"type\":\"JSONVekProject.TJSONVekProject\",\"id\":1,\"fields\":",
                  "{\"id\":7,\"fields\":");
  text.insert(text.size() - 1, ",\"type\":\"JSONVekProject.TJSONVekProject\"");
  const auto project = ReadText(text);
  const TVek& vek = OnlyVek(*project);
  EXPECT_EQ(vek.GetDelta_T(), 0);
}

TEST(ProjectFileReadTest, TextsComeBackAsTheyWereWritten) {
  TVekProject saved;
  saved.SetCompany("A/B \"q\" \\ \t\n\x01 Müller – €");
  saved.SetCompanyAddress("Łódź ≤");
  saved.SetProject("");
  const auto reopened = ReadProjectFileBytes(WriteProjectFileBytes(saved));
  EXPECT_EQ(reopened->GetCompany(), saved.GetCompany());
  EXPECT_EQ(reopened->GetCompanyAddress(), saved.GetCompanyAddress());
}

TEST(ProjectFileReadTest, AByteOrderMarkSelectsTheEncodingOtherwiseWindows1252) {
  const std::string utf8 =
      Replaced(DefaultProjectText(), "\"FComponent\":\"Wand\"", "\"FComponent\":\"Brüstung ≤ €\"");
  std::string utf16le = "\xFF\xFE";
  std::string utf16be = "\xFE\xFF";
  // The test text's non-ASCII characters all lie in the 16-bit range.
  std::u16string wide;
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      wide += static_cast<char16_t>(b);
      i += 1;
    } else if (b < 0xE0) {
      wide += static_cast<char16_t>(((b & 0x1F) << 6) | (utf8[i + 1] & 0x3F));
      i += 2;
    } else {
      wide += static_cast<char16_t>(((b & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) |
                                    (utf8[i + 2] & 0x3F));
      i += 3;
    }
  }
  for (char16_t c : wide) {
    utf16le += static_cast<char>(c & 0xFF);
    utf16le += static_cast<char>(c >> 8);
    utf16be += static_cast<char>(c >> 8);
    utf16be += static_cast<char>(c & 0xFF);
  }
  for (const std::string& bytes : {std::string("\xEF\xBB\xBF") + utf8, utf16le, utf16be}) {
    EXPECT_EQ(ReadProjectFileBytes(bytes)->GetVekComponentList()[0]->GetComponent(),
              "Brüstung ≤ €");
  }
  const std::string ansi = Replaced(DefaultProjectText(), "\"FComponent\":\"Wand\"",
                                    "\"FComponent\":\"Br\xFCstung \x80\x81\"");
  EXPECT_EQ(ReadProjectFileBytes(ansi)->GetVekComponentList()[0]->GetComponent(),
            "Brüstung €\xC2\x81")
      << "an undefined byte reads as the C1 control of its number";
}

}  // namespace
}  // namespace vek
