#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "RegionalSeparatorScope.h"
#include "engine/Vek.h"
#include "language/DictionaryEnglish.h"
#include "language/DictionaryGerman.h"
#include "language/Language.h"
#include "ui/PanelStyles.h"
#include "ui/ResultSelectionForm.h"

namespace vek {
namespace {

// Keys of hand-made variants; stored out of order on purpose.
const std::string kPassKey = "VEK – NJ – 2 – 400 – 20";
const std::string kFailKey = "VEK – NJ – 1 – 450 – 20";
const std::string kWarningKey = "VEK – NJ – 1 – 400 – 20";

TVEKResult Variant(const std::string& key, bool isAllProof, const std::string& warning,
                   double maxWorkload) {
  TVEKResult result;
  result.Description = key;
  result.Model = 1;
  result.IsAllProof = isAllProof;
  result.GeoWarning = warning;
  result.IsWarning = !warning.empty();
  result.MaxWorkload = maxWorkload;
  result.DecisiveProof = "3.1.1_structural_safety_posA";
  result.A_zd_max = 12.345;
  result.B_zd_max = -3.5;
  result.B_xd_max = 0;
  return result;
}

class TForm2Test : public ::testing::Test {
 protected:
  TForm2Test() {
    Language().SetDictionary(std::make_shared<TDictionaryGerman>());
    FTable.Add(kPassKey, Variant(kPassKey, true, "", 80.5));
    FTable.Add(kFailKey, Variant(kFailKey, false, "", 123.456));
    FTable.Add(kWarningKey, Variant(kWarningKey, true, "Stärke Br.", 60));
    FForm.SetVekModelResultDB(&FTable);
  }
  ~TForm2Test() override { Language().SetDictionary(std::make_shared<TDictionaryGerman>()); }

  QString Cell(int row, int column) const {
    const QTableWidgetItem* item = FForm.ResultGrid->item(row, column);
    return item != nullptr ? item->text() : QStringLiteral("<none>");
  }
  void ClickRow(int row) {
    QTableWidget* grid = FForm.ResultGrid;
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  }
  QRgb ChosenColor() const { return LabelColor(FForm.LblResultVekResult); }

  TVEKResultTable FTable;
  TForm2 FForm;
};

TEST_F(TForm2Test, ShowsOneRowPerVariantInOrdinalKeyOrderWithRegionalNumbers) {
  TRegionalSeparatorScope comma(",");
  EXPECT_FALSE(FForm.IsCreateVekResultView());
  FForm.OnShowForm();
  EXPECT_TRUE(FForm.IsCreateVekResultView());
  ASSERT_EQ(FForm.ResultGrid->rowCount(), 3);
  ASSERT_EQ(FForm.ResultGrid->columnCount(), 8);
  const char* headers[] = {"VEK Type",  "Status",    "max. Auslastung [%]", "maßgebend",
                           "Warnungen", "A_zd [kN]", "B_zd [kN]",           "B_xd [kN]"};
  for (int column = 0; column < 8; ++column) {
    EXPECT_EQ(FForm.ResultGrid->horizontalHeaderItem(column)->text(),
              QString::fromUtf8(headers[column]));
  }
  const std::vector<std::vector<QString>> rows = {
      {QString::fromStdString(kWarningKey), "OK", "60,00", "Tragsicherheit: Stelle A",
       QString::fromUtf8("Stärke Br."), "12,35", "-3,50", "0,00"},
      {QString::fromStdString(kFailKey), "nicht OK", "123,46", "Tragsicherheit: Stelle A", "",
       "12,35", "-3,50", "0,00"},
      {QString::fromStdString(kPassKey), "OK", "80,50", "Tragsicherheit: Stelle A", "", "12,35",
       "-3,50", "0,00"},
  };
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 8; ++column) {
      EXPECT_EQ(Cell(row, column), rows[row][column]) << row << "/" << column;
    }
  }
}

TEST_F(TForm2Test, StatusTextsFollowTheLanguageButTheHeadersStayGerman) {
  Language().SetDictionary(std::make_shared<TDictionaryEnglish>());
  FForm.TranslationToFormObjects();
  FForm.OnShowForm();
  EXPECT_EQ(Cell(1, 1), "not OK");
  EXPECT_EQ(FForm.ResultGrid->horizontalHeaderItem(3)->text(), QString::fromUtf8("maßgebend"));
  EXPECT_EQ(FForm.windowTitle(), "Calculation results");
  EXPECT_EQ(FForm.BtCancel->text(), "Cancel");
  EXPECT_EQ(FForm.LblResultVekResult->text(), "not selected");
}

TEST_F(TForm2Test, PreselectionShowsTheKeyColouredByItsOutcome) {
  struct TCase {
    std::string Key;
    int Row;
    QRgb Color;
  };
  // A failing assigned variant is still preselected: it is the one the window assigned.
  const TCase cases[] = {{kPassKey, 2, TForm2::kColorPass},
                         {kWarningKey, 0, TForm2::kColorWarning},
                         {kFailKey, 1, TForm2::kColorFail}};
  for (const TCase& c : cases) {
    FForm.OnShowForm();
    FForm.SetSelectionByString(QString::fromStdString(c.Key));
    EXPECT_EQ(FForm.ResultGrid->currentRow(), c.Row) << c.Key;
    EXPECT_EQ(FForm.LblResultVekResult->text().toStdString(), c.Key);
    EXPECT_EQ(FForm.GetSelectedVekStr().toStdString(), c.Key);
    EXPECT_EQ(ChosenColor(), c.Color) << c.Key;
  }
}

TEST_F(TForm2Test, AKeyThatNoRowHoldsSelectsNothingAndAnswersNoKey) {
  FForm.OnShowForm();
  FForm.SetSelectionByString(QString::fromStdString(kPassKey));
  FForm.OnShowForm();
  FForm.SetSelectionByString("VEK – NJ – 9 – 400 – 20");
  EXPECT_EQ(FForm.GetSelectedVekStr(), QString());
  EXPECT_EQ(FForm.LblResultVekResult->text(), QString::fromUtf8("nicht ausgewählt"));
  EXPECT_TRUE(FForm.ResultGrid->selectedItems().isEmpty());
  // Giving the grid the focus makes no row the choice.
  FForm.show();
  QApplication::setActiveWindow(&FForm);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&FForm));
  FForm.ResultGrid->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(FForm.ResultGrid->hasFocus());
  EXPECT_EQ(FForm.ShownVekStr(), QString());
  FForm.BtOK->click();
  EXPECT_EQ(FForm.GetSelectedVekStr(), QString());
}

TEST_F(TForm2Test, AnEmptyTableShowsOneEmptyRowThatCannotBeChosen) {
  TVEKResultTable empty;
  FForm.SetVekModelResultDB(&empty);
  FForm.show();
  FForm.OnShowForm();
  ASSERT_EQ(FForm.ResultGrid->rowCount(), 1);
  for (int column = 0; column < 8; ++column) {
    EXPECT_EQ(Cell(0, column), QString());
  }
  FForm.SetSelectionByString("");
  ClickRow(0);
  FForm.BtOK->click();
  EXPECT_EQ(FForm.GetSelectedVekStr(), QString());
}

TEST_F(TForm2Test, OkAnswersTheClickedRowAndCancelThePreselectedKey) {
  FForm.show();
  for (const bool ok : {true, false}) {
    FForm.OnShowForm();
    FForm.SetSelectionByString(QString::fromStdString(kPassKey));
    ClickRow(1);
    EXPECT_EQ(FForm.LblResultVekResult->text().toStdString(), kFailKey);
    EXPECT_EQ(ChosenColor(), TForm2::kColorFail);
    EXPECT_EQ(FForm.GetSelectedVekStr().toStdString(), kPassKey) << "only OK takes the click";
    (ok ? FForm.BtOK : FForm.BtCancel)->click();
    EXPECT_EQ(FForm.GetSelectedVekStr().toStdString(), ok ? kFailKey : kPassKey) << ok;
    EXPECT_EQ(FForm.result(), ok ? QDialog::Accepted : QDialog::Rejected);
    FForm.show();
  }
}

TEST_F(TForm2Test, ModalShowAnswersTheRowChosenWithTheKeyboard) {
  FForm.OnShowForm();
  FForm.SetSelectionByString(QString::fromStdString(kFailKey));
  QTimer::singleShot(0, &FForm, [this] {
    FForm.ResultGrid->setFocus();
    QTest::keyClick(FForm.ResultGrid, Qt::Key_Down);
    FForm.BtOK->click();
  });
  EXPECT_EQ(FForm.exec(), QDialog::Accepted);
  EXPECT_EQ(FForm.GetSelectedVekStr().toStdString(), kPassKey);
}

TEST(TForm2Search, ListsEveryVariantOfARealSearchSmallestSizeFirst) {
  Language().SetDictionary(std::make_shared<TDictionaryGerman>());
  TVek vek;
  vek.CalculateDB();
  const TVEKResultTable* table = vek.GetVEKModelResultDB();
  ASSERT_NE(table, nullptr);
  ASSERT_GT(table->Count(), 1u);
  TForm2 form;
  form.SetVekModelResultDB(table);
  form.OnShowForm();
  ASSERT_EQ(form.ResultGrid->rowCount(), static_cast<int>(table->Count()));
  const std::vector<std::string> keys = table->OrdinalKeys();
  for (int row = 0; row < form.ResultGrid->rowCount(); ++row) {
    EXPECT_EQ(form.ResultGrid->item(row, 0)->text().toStdString(), keys[row]);
  }
  EXPECT_EQ(table->Get(keys.front()).Model, 1);
}

}  // namespace
}  // namespace vek
