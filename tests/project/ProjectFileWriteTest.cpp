// The written project file: exact layout, number format, escapes and encoding.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ProjectTestSupport.h"

namespace vek {
namespace {

using test::Replaced;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::unique_ptr<TVekProject> ProjectWith(std::unique_ptr<TVek> vek,
                                         const std::string& mark = "P1") {
  auto project = std::make_unique<TVekProject>();
  auto component = std::make_unique<TVekComponent>(std::move(vek), mark, "Wand", 1);
  project->AddVekComponent(component);
  return project;
}

std::string Text(const TVekProject& project) {
  return WriteProjectJson(TJSONVekProject(project));
}

TEST(ProjectFileWriteTest, WritesANewDesignCaseInTheExactStoredLayout) {
  auto project = ProjectWith(std::make_unique<TVek>(), "Position 1");
  project->SetProject("Neues Projekt");
  project->SetCompanyReviser("jb");
  project->SetDate(45000);
  const std::string null = "-9548782.7514879";
  const std::string expected =
      R"({"type":"JSONVekProject.TJSONVekProject","id":1,"fields":{"FCompany":"",)"
      R"("FCompanyAddress":"","FCompanyReviser":"jb","FDate":45000,"FVekComponentList":[)"
      R"({"type":"JSONVekComponent.TJSONVekComponent","id":2,"fields":{"FComponent":"Wand",)"
      R"("FVek":{"type":"JSONVek.TJSONVek","id":3,"fields":{"Ff_ck":30,"Fh_br":1000,)"
      R"("Fl_br":2500,"Ff":125,"Fl_0":1500,"Fx":200,"Fe_":150,"Fh1":160,)"
      R"("FModelLengthMethod":0,"FModelSpecialLength":500,"FL":)" +
      null + R"(,"FModel":1,"FModelAutomatic":true,"FDetached":true,"Fx_w":)" + null +
      R"(,"Fh_w":)" + null + R"(,"Fh_g":)" + null + R"(,"FBuildingArea":"z","FBuilding_h":)" +
      null + R"(,"FBuilding_d":)" + null + R"(,"Fq_p":)" + null +
      R"(,"FDelta_T":70,"FH_1k":0,"Fa_1z":0,"FH_2k":0,"Fa_2z":0,"FV_1k":0,"Fa_1y":0,)"
      R"("FV_2k":0,"Fa_2y":0,"FModalityAdjustable":false,"FW_p":1.12,"FW_n":0.8,)"
      R"("FW_international":true,"FAnchorVersion":1,"FAnchoringBaseCrackedConcrete":true,)"
      R"("Ff_ck_CeilingTile":20,"FFixturesSpecialScrews":true,"FFixturesStainlessSteel":true,)"
      R"("FBuildingHeight":0,"FWindZone":0,"FRegion":0,"FConservativeAssumptionDetached":true,)"
      R"("FConservativeAssumptionNotDetached":true,"Ff_yk":500,"Ff_ysk":530,"Ff_yck":450,)"
      R"("Ff_ywk":220,"Fredf_ybk":210,"Ff_ytk":220,"Ff_usk":600,"Ff_uck":650,"Fl_l":40,)"
      R"("Fl_l_thrustBearingToFontEdge":50,"FZLineStandard":true,"Ff_t_":1,"Fg_t":0.5,)"
      R"("FLVek":[50,50,55,60,70,70,80,80],"FLws":[29,33,35,45,47,62,48,46],)"
      R"("FSpecialAnchor":[85,144,40,8,11,25,35,20,90,10,24,720,5.5,30,561,110,70,70,110,25,)"
      R"(20,30,7,1.5,3,4,0.5,42,63,124,5,21,31,45],"FState":"DEFAULT","FAssigned":"",)"
      R"("FSelectedVEKResultModel":-1,"FSelectedVEKResultLength":-1,"FIsRebarNR":false}},)"
      R"("FPosition":"Position 1","FQuantity":1}}],"FProject":"Neues Projekt"}})";
  EXPECT_EQ(Text(*project), expected);
  EXPECT_EQ(WriteProjectFileBytes(*project), expected) << "ASCII only: the bytes are the text";
}

TEST(ProjectFileWriteTest, NumbersTakeTheShortest15DigitFormWithTheExponentRules) {
  const struct {
    double Value;
    const char* Text;
  } cases[] = {
      {0.1, "0.1"},
      {1.0 / 3, "0.333333333333333"},
      {-0.00012, "-0.00012"},
      {0.0001, "0.0001"},
      {0.00001, "1E-5"},
      {0.00001234, "1.234E-5"},
      {1.5e20, "1.5E20"},
      {123456789012345678.0, "1.23456789012346E17"},
      {999999999999999.0, "999999999999999"},
      {kNaN, "-9548782.7514879"},
      {kInf, "-9548782.7514879"},
      {std::numeric_limits<double>::max(), "1.79769313486231E308"},
  };
  for (const auto& c : cases) {
    auto vek = std::make_unique<TVek>();
    vek->SetH_br(c.Value);
    const std::string text = Text(*ProjectWith(std::move(vek)));
    EXPECT_NE(text.find(std::string("\"Fh_br\":") + c.Text + ","), std::string::npos) << c.Text;
  }
}

TEST(ProjectFileWriteTest, UnsetRealsOfArraysAndTheSpecialAnchorBecomeTheNullReal) {
  auto vek = std::make_unique<TVek>();
  TVEKL lvek = vek->GetLVek();
  lvek[2] = kNaN;
  vek->SetLVek(lvek);
  TVEKSpecialAnchor anchor = vek->GetSpecialAnchor();
  anchor.H = kNaN;
  vek->SetSpecialAnchor(anchor);
  const std::string text = Text(*ProjectWith(std::move(vek)));
  EXPECT_NE(text.find(R"("FLVek":[50,-9548782.7514879,55,)"), std::string::npos);
  EXPECT_NE(text.find(R"("FSpecialAnchor":[-9548782.7514879,144,)"), std::string::npos);
}

TEST(ProjectFileWriteTest, EscapesOnlyQuoteBackslashSlashAndFiveControls) {
  TVekProject project;
  project.SetCompany("A/B \"q\" \\ \b\t\n\f\r \x01\x1f end");
  const std::string text = Text(project);
  EXPECT_NE(text.find(R"("FCompany":"A\/B \"q\" \\ \b\t\n\f\r )"
                      "\x01\x1f"
                      R"( end")"),
            std::string::npos)
      << text;
}

TEST(ProjectFileWriteTest, AnEmptyComponentListIsAnEmptyArray) {
  TVekProject project;
  EXPECT_NE(Text(project).find(R"("FVekComponentList":[],"FProject":"")"), std::string::npos);
}

TEST(ProjectFileWriteTest, HandsOutIdsDepthFirst) {
  auto project = ProjectWith(std::make_unique<TVek>(), "A");
  auto second = std::make_unique<TVekComponent>(std::make_unique<TVek>(), "B", "Wand", 2);
  project->AddVekComponent(second);
  const std::string text = Text(*project);
  std::vector<std::string> order;
  for (size_t at = text.find("\"id\":"); at != std::string::npos;
       at = text.find("\"id\":", at + 1)) {
    order.push_back(text.substr(at + 5, text.find(',', at) - at - 5));
  }
  EXPECT_EQ(order, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_LT(text.find("\"FPosition\":\"A\""), text.find("\"id\":4"));
}

TEST(ProjectFileWriteTest, TheReinforcementChoiceIsTheLastMemberOfTheDesignCase) {
  auto vek = std::make_unique<TVek>();
  vek->SetIsRebarNr(true);
  const std::string text = Text(*ProjectWith(std::move(vek)));
  EXPECT_NE(text.find(R"("FSelectedVEKResultLength":-1,"FIsRebarNR":true}})"), std::string::npos);
}

TEST(ProjectFileWriteTest, WritesWindows1252WhenTheCodePageHasEveryCharacter) {
  TVekProject project;
  project.SetCompany("Müller – 5 €");
  const std::string bytes = WriteProjectFileBytes(project);
  EXPECT_EQ(bytes.front(), '{') << "no byte-order mark";
  EXPECT_NE(bytes.find("\"M\xFCller \x96 5 \x80\""), std::string::npos)
      << "umlaut, en dash and euro sign as one byte each";
}

TEST(ProjectFileWriteTest, WritesUtf8WithAByteOrderMarkWhenTheCodePageLacksACharacter) {
  TVekProject project;
  project.SetCompany("Łódź Beton");
  project.SetProject("h ≤ 10 m, Müller");
  const std::string bytes = WriteProjectFileBytes(project);
  ASSERT_TRUE(bytes.starts_with("\xEF\xBB\xBF{"));
  EXPECT_EQ(bytes.substr(3), Text(project)) << "nothing is lost";
  EXPECT_EQ(ReadProjectFileBytes(bytes)->GetCompany(), "Łódź Beton");
}

}  // namespace
}  // namespace vek
