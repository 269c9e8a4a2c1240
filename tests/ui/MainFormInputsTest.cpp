// The input panels and their binding to the selected design case.
#include <cmath>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "MainFormTestFixture.h"
#include "core/StandardFnc.h"
#include "project/VekProject.h"
#include "ui/PanelStyles.h"
#include "ui/VekCheckBox.h"
#include "ui/VekIDListBoxItem.h"
#include "ui/VekRadioButton.h"

namespace vek {
namespace {

QString Decimal(const char* whole, const char* fraction) {
  return QString::fromLatin1(whole) + QLocale().decimalPoint() + QString::fromLatin1(fraction);
}

QString Text(const char* key) {
  return QString::fromStdString(Language().PrintL(key));
}

TEST_F(TMainFormTest, TypedNumbersReachTheDesignCaseThroughItsSetters) {
  struct TCase {
    const char* Box;
    QString Typed;
    double (TVek::*Getter)() const;
    double Expected;
  };
  const TCase cases[] = {
      {"WHeightNumBx", "1500", &TVek::GetH_br, 1500},
      // Below its range the box takes its minimum; no message.
      {"WHeightNumBx", "150", &TVek::GetH_br, 430},
      {"WLengthNumBx", "3000", &TVek::GetL_br, 3000},
      // Stored as typed here; saving raises it to 100.
      {"WWeightNumBx", "95", &TVek::GetF, 95},
      {"WMidXNumBx", "250", &TVek::GetX, 250},
      {"WGapENumBx", "40", &TVek::GetE_, 40},
      {"WindPNumBx", Decimal("1", "35"), &TVek::GetW_p, 1.35},
      {"WindNNumBx", Decimal("0", "7"), &TVek::GetW_n, 0.7},
      {"TempDiffNumBx", Decimal("2", "4"), &TVek::GetDelta_T, 2.4},
      {"TempDiffNumBx", "250", &TVek::GetDelta_T, 100},
      {"Qh1NumBx", "3", &TVek::GetH_1k, 3},
      {"Qv2NumBx", Decimal("1", "5"), &TVek::GetV_2k, 1.5},
      {"Az2NumBx", "450", &TVek::GetA_2z, 450},
      {"Ay1NumBx", "120", &TVek::GetA_1y, 120},
  };
  for (const TCase& testCase : cases) {
    Type(Find<QWidget>(testCase.Box), testCase.Typed);
    EXPECT_DOUBLE_EQ((FForm->SelectedVek().*testCase.Getter)(), testCase.Expected)
        << testCase.Box << " " << testCase.Typed.toStdString();
  }
  EXPECT_TRUE(FMessages.Messages().empty());
}

TEST_F(TMainFormTest, ChoosingASizeSwitchesTheSearchOffAndAutomaticOnAgain) {
  FForm->CBoxAnchorSize->setCurrentIndex(3);
  EXPECT_EQ(FForm->SelectedVek().GetModel(), 3);
  EXPECT_FALSE(FForm->SelectedVek().GetModelAutomatic());
  FForm->CBoxAnchorSize->setCurrentIndex(0);
  EXPECT_EQ(FForm->SelectedVek().GetModel(), 3);
  EXPECT_TRUE(FForm->SelectedVek().GetModelAutomatic());

  FForm->CBoxAnchorLength->setCurrentIndex(1);
  EXPECT_TRUE(FForm->PanelAnchorSpecialLength->isVisibleTo(FForm.get()));
  Type(FForm->AnchorLengthNumBx, QStringLiteral("620"));
  EXPECT_EQ(FForm->SelectedVek().GetModelLengthMethod(), TVEKModelLength::INPUT);
  EXPECT_EQ(FForm->SelectedVek().GetModelSpecialLength(), 620);
  // Beyond its range the box ends at its limit.
  Type(FForm->AnchorLengthNumBx, QStringLiteral("2000"));
  EXPECT_EQ(FForm->SelectedVek().GetModelSpecialLength(), 950);
}

TEST_F(TMainFormTest, GapRulesKeepTheEdgeDistance) {
  struct TCase {
    int Length;
    const char* TypedGap;
    int Gap;
    bool Error;
  };
  const TCase cases[] = {
      {1000, "900", 800, true},
      // The box raises 150 to its minimum of 200: no message.
      {1000, "150", 200, false},
      {1000, "700", 700, false},
      {2500, "2300", 2300, false},
      {2500, "2301", 2300, true},
  };
  for (const TCase& testCase : cases) {
    FForm->WGapNumBx->setValue(200);
    FForm->WLengthNumBx->setValue(testCase.Length);
    FMessages.Clear();
    Type(FForm->WGapNumBx, QString::fromLatin1(testCase.TypedGap));
    const std::vector<QString> expected =
        testCase.Error ? std::vector<QString>{Text("ErrorBorderWallGap")} : std::vector<QString>{};
    EXPECT_EQ(Errors(), expected) << testCase.TypedGap;
    EXPECT_EQ(FForm->WGapNumBx->value(), testCase.Gap) << testCase.TypedGap;
    EXPECT_EQ(FForm->SelectedVek().GetL_0(), testCase.Gap) << testCase.TypedGap;
  }
}

TEST_F(TMainFormTest, ShorterPanelPullsTheGapIn) {
  FForm->WGapNumBx->setValue(200);
  FForm->WLengthNumBx->setValue(1000);
  FForm->WGapNumBx->setValue(800);
  FMessages.Clear();
  Type(FForm->WLengthNumBx, QStringLiteral("600"));
  EXPECT_EQ(Errors(), std::vector<QString>{Text("ErrorBorderWallGap")});
  EXPECT_EQ(FForm->WGapNumBx->value(), 400);
  EXPECT_EQ(FForm->SelectedVek().GetL_br(), 600);
  EXPECT_EQ(FForm->SelectedVek().GetL_0(), 400);
}

// A design case that differs from the defaults in every input the panels show.
std::unique_ptr<TVek> ChangedDesignCase() {
  auto vek = std::make_unique<TVek>();
  vek->SetModel(4);
  vek->SetModelAutomatic(false);
  vek->SetModelLengthMethod(TVEKModelLength::INPUT);
  vek->SetModelSpecialLength(650);
  vek->SetAnchorVersion(TVEKAnchorVersion::ATTIKA);
  vek->SetModalityAdjustable(true);
  vek->SetIsRebarNr(true);
  TVEKSpecialAnchor special;
  special.H = 90;
  special.A = 6.5;
  special.L_ws = 52;
  vek->SetSpecialAnchor(special);
  vek->SetH_br(1200);
  vek->SetL_br(3000);
  vek->SetF(140);
  vek->SetL_0(1800);
  vek->SetX(150);
  vek->SetE_(60);
  vek->SetF_ck(40);
  vek->SetF_ck_CeilingTile(35);
  vek->SetAnchoringBaseCrackedConcrete(false);
  vek->SetH1(200);
  vek->SetFixturesSpecialScrews(false);
  vek->SetFixturesStainlessSteel(false);
  vek->SetBuildingHeight(TVEKBuildingHeight::GREATER_THAN_10_LESS_THAN_18);
  vek->SetWindZone(TVEKWindZone::WZ_3);
  vek->SetRegion(TVEKRegion::BALTIC_SEA_ISLAND);
  vek->SetW_p(1.35);
  vek->SetW_n(0.95);
  vek->SetDetached(false);
  vek->SetConservativeAssumptionDetached(false);
  vek->SetX_w(2.5);
  vek->SetH_w(1.25);
  vek->SetH_g(12);
  vek->SetConservativeAssumptionNotDetached(false);
  vek->SetBuilding_h(16.5);
  vek->SetBuilding_d(11);
  vek->SetBuildingArea(u'C');
  vek->SetDelta_T(45.5);
  vek->SetH_1k(1.5);
  vek->SetH_2k(0.75);
  vek->SetV_1k(2);
  vek->SetV_2k(0.5);
  vek->SetA_1z(100);
  vek->SetA_2z(300);
  vek->SetA_1y(50);
  vek->SetA_2y(80);
  return vek;
}

void ExpectSameInputs(const TVek& actual, const TVek& expected) {
  using TGetter = double (TVek::*)() const;
  const struct {
    const char* Name;
    TGetter Getter;
  } reals[] = {
      {"H_br", &TVek::GetH_br},
      {"L_br", &TVek::GetL_br},
      {"F", &TVek::GetF},
      {"L_0", &TVek::GetL_0},
      {"X", &TVek::GetX},
      {"E_", &TVek::GetE_},
      {"H1", &TVek::GetH1},
      {"F_ck", &TVek::GetF_ck},
      {"F_ck_CeilingTile", &TVek::GetF_ck_CeilingTile},
      {"ModelSpecialLength", &TVek::GetModelSpecialLength},
      {"W_p", &TVek::GetW_p},
      {"W_n", &TVek::GetW_n},
      {"X_w", &TVek::GetX_w},
      {"H_w", &TVek::GetH_w},
      {"H_g", &TVek::GetH_g},
      {"Building_h", &TVek::GetBuilding_h},
      {"Building_d", &TVek::GetBuilding_d},
      {"Delta_T", &TVek::GetDelta_T},
      {"H_1k", &TVek::GetH_1k},
      {"H_2k", &TVek::GetH_2k},
      {"V_1k", &TVek::GetV_1k},
      {"V_2k", &TVek::GetV_2k},
      {"A_1z", &TVek::GetA_1z},
      {"A_2z", &TVek::GetA_2z},
      {"A_1y", &TVek::GetA_1y},
      {"A_2y", &TVek::GetA_2y},
      {"F_yk", &TVek::GetF_yk},
      {"L_l", &TVek::GetL_l},
  };
  for (const auto& real : reals) {
    const double value = (actual.*real.Getter)();
    const double wanted = (expected.*real.Getter)();
    if (std::isnan(wanted)) {
      EXPECT_TRUE(std::isnan(value)) << real.Name;
    } else {
      EXPECT_DOUBLE_EQ(value, wanted) << real.Name;
    }
  }
  EXPECT_EQ(actual.GetModel(), expected.GetModel());
  EXPECT_EQ(actual.GetModelAutomatic(), expected.GetModelAutomatic());
  EXPECT_EQ(actual.GetModelLengthMethod(), expected.GetModelLengthMethod());
  EXPECT_EQ(actual.GetAnchorVersion(), expected.GetAnchorVersion());
  EXPECT_EQ(actual.GetModalityAdjustable(), expected.GetModalityAdjustable());
  EXPECT_EQ(actual.GetIsRebarNr(), expected.GetIsRebarNr());
  EXPECT_TRUE(actual.GetSpecialAnchor() == expected.GetSpecialAnchor());
  EXPECT_EQ(actual.GetAnchoringBaseCrackedConcrete(), expected.GetAnchoringBaseCrackedConcrete());
  EXPECT_EQ(actual.GetFixturesSpecialScrews(), expected.GetFixturesSpecialScrews());
  EXPECT_EQ(actual.GetFixturesStainlessSteel(), expected.GetFixturesStainlessSteel());
  EXPECT_EQ(actual.GetBuildingHeight(), expected.GetBuildingHeight());
  EXPECT_EQ(actual.GetWindZone(), expected.GetWindZone());
  EXPECT_EQ(actual.GetRegion(), expected.GetRegion());
  EXPECT_EQ(actual.GetW_International(), expected.GetW_International());
  EXPECT_EQ(actual.GetDetached(), expected.GetDetached());
  EXPECT_EQ(actual.GetConservativeAssumptionDetached(),
            expected.GetConservativeAssumptionDetached());
  EXPECT_EQ(actual.GetConservativeAssumptionNotDetached(),
            expected.GetConservativeAssumptionNotDetached());
  EXPECT_EQ(actual.GetBuildingArea(), expected.GetBuildingArea());
}

TEST_F(TMainFormTest, ShowingAndWritingTheInputsReproducesTheDesignCase) {
  for (const bool changed : {false, true}) {
    std::unique_ptr<TVek> vek = changed ? ChangedDesignCase() : std::make_unique<TVek>();
    const TVek expected(*vek);
    auto project = std::make_unique<TVekProject>();
    auto component = std::make_unique<TVekComponent>(std::move(vek), "P1", "Wand", 1);
    project->AddVekComponent(component);
    FForm->ApplyProject(std::move(project));

    FForm->WriteInputsToVek();
    SCOPED_TRACE(changed ? "changed design case" : "default design case");
    ExpectSameInputs(FForm->SelectedVek(), expected);
    EXPECT_TRUE(FMessages.Messages().empty());
  }
  // The pressure edit shows the value of zone, region and height, which is written back.
  const double shown = TVek::IdentifyQp(TVEKWindZone::WZ_3, TVEKRegion::BALTIC_SEA_ISLAND,
                                        TVEKBuildingHeight::GREATER_THAN_10_LESS_THAN_18);
  EXPECT_EQ(FForm->EditWorkloadWindPressure->text().toStdString(),
            TStandardFnc::FloatToString(shown, 2));
}

TEST_F(TMainFormTest, RegionListDependsOnWindZoneAndBuildingHeight) {
  struct TCase {
    int Zone;
    int Height;
    QStringList Regions;
  };
  const QString please = QStringLiteral("LBoxItemWindRegionPleaseSelect");
  const TCase cases[] = {
      {4,
       1,
       {please, "LBoxItemInland", "LBoxItemNorthSeaIsland", "LBoxItemNorthSeaCoast",
        "LBoxItemBalticSeaIsland", "LBoxItemBalticSeaCoast"}},
      {4,
       2,
       {please, "LBoxItemInland", "LBoxItemNorthSeaCoast", "LBoxItemBalticSeaIsland",
        "LBoxItemBalticSeaCoast"}},
      {3, 3, {please, "LBoxItemInland", "LBoxItemBalticSeaIsland", "LBoxItemBalticSeaCoast"}},
      {2, 1, {please, "LBoxItemInland", "LBoxItemBalticSeaIsland", "LBoxItemBalticSeaCoast"}},
      {1, 1, {please, "LBoxItemInland"}},
  };
  QComboBox* regions = FForm->CBoxWorkloadWindRegion;
  for (const TCase& testCase : cases) {
    FForm->CBoxWorkloadWindBuildingHeight->setCurrentIndex(testCase.Height);
    FForm->CBoxWorkloadWindZone->setCurrentIndex(testCase.Zone);
    QStringList names;
    for (int row = 0; row < regions->count(); ++row) {
      names << ItemName(regions, row);
    }
    EXPECT_EQ(names, testCase.Regions) << "WZ " << testCase.Zone << ", height " << testCase.Height;
    EXPECT_TRUE(regions->isEnabled());
    EXPECT_EQ(regions->currentIndex(), 0);
  }
  EXPECT_EQ(regions->itemText(1), QStringLiteral("Binnenland"));

  FForm->CBoxWorkloadWindZone->setCurrentIndex(0);
  EXPECT_FALSE(regions->isEnabled());
  EXPECT_FALSE(Find<QLabel>("LblWorkloadWindRegion")->isEnabled());
  EXPECT_EQ(regions->currentIndex(), 0);
}

TEST_F(TMainFormTest, WindPressureFollowsZoneRegionAndHeight) {
  FForm->CBoxWorkloadWindBuildingHeight->setCurrentIndex(1);
  FForm->CBoxWorkloadWindZone->setCurrentIndex(2);
  QComboBox* regions = FForm->CBoxWorkloadWindRegion;
  regions->setCurrentIndex(FindItemByName(regions, QStringLiteral("LBoxItemInland")));
  const double expected = TVek::IdentifyQp(TVEKWindZone::WZ_2, TVEKRegion::INLAND,
                                           TVEKBuildingHeight::LESS_THAN_OR_EQUAL_10);
  EXPECT_EQ(FForm->EditWorkloadWindPressure->text().toStdString(),
            TStandardFnc::FloatToString(expected, 2));

  // Another zone starts the region over and empties the pressure.
  FForm->CBoxWorkloadWindZone->setCurrentIndex(1);
  EXPECT_EQ(regions->currentIndex(), 0);
  EXPECT_TRUE(FForm->EditWorkloadWindPressure->text().isEmpty());
}

TEST_F(TMainFormTest, ConservativeBoxesDisableTheirFields) {
  struct TCase {
    TVekCheckBox* Box;
    QWidget* Group;
    std::vector<const char*> Fields;
  };
  const TCase cases[] = {
      {FForm->ChBoxWorkloadDetachedUnknownValues,
       FForm->GroupBoxWorkloadDetached,
       {"EditWorkloadDistanceShadingWall", "EditWorkloadHeightShadingWall",
        "EditWorkloadHeightAboveGround", "LblWorkloadDistanceShadingWall",
        "LblWorkloadHeightAboveGroundSymbol2", "LblWorkloadHeightShadingWallMeasure"}},
      {FForm->ChBoxWorkloadNotDetachedUnknownValues,
       FForm->PanelNotDetached,
       {"EditWorkloadBuildingHeight", "EditWorkloadBuildingDepth", "CBoxWorkloadBuildingArea",
        "LblWorkloadBuildingArea", "LblWorkloadBuildingDepthSymbol1"}},
  };
  for (const TCase& testCase : cases) {
    // A new design case assumes the conservative values: the fields start disabled.
    ASSERT_TRUE(testCase.Box->isChecked());
    for (const bool checked : {true, false, true}) {
      testCase.Box->setChecked(checked);
      for (const char* name : testCase.Fields) {
        EXPECT_EQ(Find<QWidget>(name)->isEnabledTo(testCase.Group), !checked) << name;
      }
    }
  }
}

TEST_F(TMainFormTest, FreeStandingChoiceEnablesItsGroup) {
  FForm->RadioBtWorkloadNotDetached->click();
  EXPECT_FALSE(FForm->RadioBtWorkloadDetached->isChecked());
  EXPECT_FALSE(FForm->GroupBoxWorkloadDetached->isEnabled());
  EXPECT_TRUE(FForm->PanelNotDetached->isEnabled());
  FForm->WriteInputsToVek();
  EXPECT_FALSE(FForm->SelectedVek().GetDetached());

  FForm->RadioBtWorkloadDetached->click();
  EXPECT_TRUE(FForm->GroupBoxWorkloadDetached->isEnabled());
  EXPECT_FALSE(FForm->PanelNotDetached->isEnabled());
}

TEST(MainFormPositionMark, ProposalFollowsTheLastMark) {
  struct TCase {
    std::vector<std::string> Marks;  // the last one is the last component's
    std::string Expected;
  };
  const TCase cases[] = {
      {{}, "Position 1"},
      {{"Position 3"}, "Position 4"},
      {{"Position 4", "Position 3"}, "Position 1"},
      {{"Position 4", "Position 1", "Position 3"}, "Position 2"},
      {{"A"}, "A 1"},
      {{"A 1", "A"}, "A 2"},
      {{"12"}, "13"},
      {{"13", "12"}, "13 1"},
      {{"Pos 1.5"}, "Pos 1.5 1"},
  };
  for (const TCase& testCase : cases) {
    TVekProject project;
    for (const std::string& mark : testCase.Marks) {
      auto component = std::make_unique<TVekComponent>(std::make_unique<TVek>(), mark, "", 1);
      project.AddVekComponent(component);
    }
    const std::string* last = testCase.Marks.empty() ? nullptr : &testCase.Marks.back();
    EXPECT_EQ(TMainForm::ProposePositionMark(project, last, "Position"), testCase.Expected)
        << (last != nullptr ? *last : "none");
  }
}

TEST_F(TMainFormTest, EditingACalculatedComponentDropsItsResult) {
  TVek& vek = FForm->SelectedVek();
  vek.CalculateDB();
  vek.SetState(TVEKSignal::ASSIGN);
  ASSERT_EQ(vek.GetState(), TVEKState::ASSIGNED);
  FForm->ShowResultState();
  EXPECT_NE(PanelStyleName(FForm->PanelResult), QString::fromLatin1(kPanelHeadStyleWhite));
  EXPECT_EQ(FForm->LblResult->text().toStdString(), vek.GetAssignedVek());

  Type(FForm->WHeightNumBx, QStringLiteral("1100"));
  EXPECT_EQ(vek.GetState(), TVEKState::DEFAULT);
  EXPECT_EQ(PanelStyleName(FForm->PanelResult), QString::fromLatin1(kPanelHeadStyleWhite));
  EXPECT_EQ(FForm->LblResult->text(), QStringLiteral("N/A"));
  EXPECT_FALSE(FForm->MItemHeadPrint->isEnabled());
}

}  // namespace
}  // namespace vek
