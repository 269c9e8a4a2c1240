#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "MainFormCommandsFixture.h"
#include "ui/Expander.h"
#include "ui/PanelStyles.h"
#include "ui/ResultSelectionForm.h"

namespace vek {
namespace {

class TMainFormCalculateTest : public TMainFormCommandsTest {
 protected:
  void Calculate() { FForm->MItemHeadCalculate->trigger(); }
  QString Style() const { return PanelStyleName(FForm->PanelResult); }
  // Empties a number box as a user does before pressing F9 with the focus still there.
  void Empty(QAbstractSpinBox* box) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    ASSERT_EQ(box->text(), QString());
  }
  QString Caption(const char* labelName) const { return Find<QLabel>(labelName)->text(); }
  QString TabCaption(QWidget* page) const {
    return FForm->ExpanderPSMWorkload->Text() + " - " +
           FForm->TabControlPSMWorkload->tabText(FForm->TabControlPSMWorkload->indexOf(page));
  }
};

TEST_F(TMainFormCalculateTest, CalculatingShowsTheAssignedKeyOnGreenAndAnEditTurnsItWhite) {
  EXPECT_FALSE(FForm->MItemHeadPrintDocs->isEnabled());
  Calculate();
  const TVek& vek = FForm->SelectedVek();
  ASSERT_EQ(vek.GetState(), TVEKState::ASSIGNED);
  EXPECT_EQ(vek.GetAssignedVek(), vek.GetDefaultAssignedVek());
  EXPECT_EQ(Style(), kPanelStyleGreen);
  EXPECT_EQ(FForm->LblResult->text().toStdString(), vek.GetAssignedVek());
  EXPECT_EQ(ListEntry(0)->GetType(), FForm->LblResult->text());
  EXPECT_TRUE(FForm->MItemHeadPrint->isEnabled());
  EXPECT_TRUE(FForm->MItemHeadPrintDocs->isEnabled());
  EXPECT_TRUE(FMessages.Messages().empty());

  Type(FForm->WLengthNumBx, "2600");
  EXPECT_EQ(vek.GetState(), TVEKState::DEFAULT);
  EXPECT_EQ(Style(), kPanelHeadStyleWhite);
  EXPECT_EQ(FForm->LblResult->text(), "N/A");
  EXPECT_EQ(ListEntry(0)->GetType(), "N/A");
  EXPECT_FALSE(FForm->MItemHeadPrint->isEnabled());
  EXPECT_FALSE(FForm->MItemHeadPrintDocs->isEnabled());
}

TEST_F(TMainFormCalculateTest, CalculatingAgainOnlySaysItIsAlreadyCalculated) {
  Calculate();
  const std::string assigned = FForm->SelectedVek().GetAssignedVek();
  Calculate();
  EXPECT_EQ(Informations(), std::vector<QString>{"Vek is already calculated"});
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(FForm->SelectedVek().GetAssignedVek(), assigned);
  EXPECT_EQ(Style(), kPanelStyleGreen);
}

TEST_F(TMainFormCalculateTest, PanelColourFollowsTheOutcomeOfTheAssignedVariant) {
  struct TCase {
    const char* Name;
    std::function<void()> Inputs;
    const char* Style;
  };
  const TCase cases[] = {
      {"all proofs, no warning", [] {}, kPanelStyleGreen},
      // A panel thinner than the anchor needs passes with a geometry warning.
      {"thin panel", [this] { Type(FForm->WWeightNumBx, "90"); }, kPanelStyleOrange},
      // No variant of size 1 carries this wind: the first one is assigned and fails.
      {"overloaded",
       [this] {
         FForm->CBoxAnchorSize->setCurrentIndex(1);
         Type(FForm->WHeightNumBx, "3000");
         Type(FForm->WindPNumBx, "20");
         Type(FForm->WindNNumBx, "20");
       },
       kPanelStyleRed},
  };
  for (const TCase& c : cases) {
    FForm->OnClickMenuNew();
    c.Inputs();
    Calculate();
    EXPECT_EQ(FForm->SelectedVek().GetState(), TVEKState::ASSIGNED) << c.Name;
    EXPECT_EQ(Style(), c.Style) << c.Name;
    EXPECT_EQ(FForm->LblResult->text().toStdString(), FForm->SelectedVek().GetAssignedVek());
  }
  EXPECT_TRUE(Errors().empty());
}

TEST_F(TMainFormCalculateTest, MissingInputsAreListedUnderTheirGroupAndPaintedCrimson) {
  struct TCase {
    QAbstractSpinBox* Box;
    const char* Label;
    QString Title;
  };
  const TCase cases[] = {
      {FForm->WWeightNumBx, "LblWallWeight", FForm->ExpanderPSMWall->Text()},
      // Only one box of the pair is empty; the pair is listed once.
      {FForm->Qh2NumBx, "LblWorkloadHorizontalLineLoad",
       TabCaption(FForm->TabItemWorkloadLiveLoad)},
      {FForm->TempDiffNumBx, "LblWorkloadTemperatureDifference",
       TabCaption(FForm->TabItemWorkloadTemperature)},
  };
  for (const TCase& c : cases) {
    FForm->OnClickMenuNew();
    FMessages.Clear();
    Empty(c.Box);
    Calculate();
    const QString expected =
        "Es fehlen noch Werte zur Berechnung:\n\r\n\r" + c.Title + ":\n\r- " + Caption(c.Label);
    EXPECT_EQ(Errors(), std::vector<QString>{expected}) << c.Label;
    EXPECT_EQ(LabelColor(Find<QLabel>(c.Label)), kLabelColorCrimson) << c.Label;
    EXPECT_EQ(LabelColor(Find<QLabel>("LblWallHeight")), kLabelColorBlack);
    EXPECT_EQ(FForm->SelectedVek().GetState(), TVEKState::DEFAULT) << "nothing calculated";
    EXPECT_EQ(Style(), kPanelHeadStyleWhite);
  }
  // Selecting a component paints the labels black again.
  FForm->OnClickNewProjectComponent();
  SelectEntry(0);
  EXPECT_EQ(LabelColor(Find<QLabel>("LblWorkloadTemperatureDifference")), kLabelColorBlack);
}

TEST_F(TMainFormCalculateTest, ASearchWithoutAnyVariantReportsTheCalculationError) {
  // Inputs the boxes cannot show but a design case may hold.
  FForm->SelectedVek().SetDelta_T(NAN);
  Calculate();
  EXPECT_EQ(Errors(), std::vector<QString>{"Unbekannter Fehler bei der Berechnung aufgetreten!\n\r"
                                           "CalcError: 1"});
  EXPECT_EQ(FForm->SelectedVek().GetState(), TVEKState::CALCULATED);
  EXPECT_EQ(Style(), kPanelHeadStyleWhite);
  EXPECT_EQ(FForm->LblResult->text(), "N/A");
}

TEST_F(TMainFormCalculateTest, TheResultButtonCalculatesAnUncalculatedComponent) {
  FForm->BtVekResult->click();
  EXPECT_EQ(FForm->SelectedVek().GetState(), TVEKState::ASSIGNED);
  EXPECT_EQ(Style(), kPanelStyleGreen);
}

TEST_F(TMainFormCalculateTest, TheResultDialogListsEveryVariantAndOkAssignsTheChosenOne) {
  Calculate();
  TVek& vek = FForm->SelectedVek();
  const std::string assigned = vek.GetAssignedVek();
  const std::vector<std::string> keys = vek.GetVEKModelResultDB()->OrdinalKeys();
  // The first variant of size 1 fails with the default inputs.
  ASSERT_FALSE(vek.GetVEKModelResultDB()->Get(keys.front()).IsAllProof);
  for (const bool ok : {false, true}) {
    WhenModalOpens([&](QWidget* modal) {
      auto* form = qobject_cast<TForm2*>(modal);
      ASSERT_NE(form, nullptr);
      EXPECT_EQ(form->ResultGrid->rowCount(), static_cast<int>(keys.size()));
      EXPECT_EQ(form->LblResultVekResult->text().toStdString(), assigned);
      EXPECT_EQ(LabelColor(form->LblResultVekResult), TForm2::kColorPass);
      form->ResultGridCellClick(0, 0);
      EXPECT_EQ(LabelColor(form->LblResultVekResult), TForm2::kColorFail);
      (ok ? form->BtOK : form->BtCancel)->click();
    });
    FForm->BtVekResult->click();
    EXPECT_EQ(vek.GetAssignedVek(), ok ? keys.front() : assigned) << ok;
    EXPECT_EQ(Style(), ok ? kPanelStyleRed : kPanelStyleGreen) << ok;
    EXPECT_EQ(FForm->LblResult->text().toStdString(), vek.GetAssignedVek());
    EXPECT_EQ(ListEntry(0)->GetType().toStdString(), vek.GetAssignedVek());
  }
  EXPECT_TRUE(FMessages.Messages().empty());
}

}  // namespace
}  // namespace vek
