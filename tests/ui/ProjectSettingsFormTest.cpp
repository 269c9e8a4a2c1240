#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "language/DictionaryEnglish.h"
#include "language/DictionaryGerman.h"
#include "language/Language.h"
#include "project/VekProject.h"
#include "ui/FocusOrder.h"
#include "ui/ProjectSettingsForm.h"

namespace vek {
namespace {

// 15 March 2023, a quarter past six in the evening.
constexpr double kStoredDate = 45000.7604166667;

class TProjectSettingsFormTest : public ::testing::Test {
 protected:
  TProjectSettingsFormTest() {
    Language().SetDictionary(std::make_shared<TDictionaryGerman>());
    FProject.SetProject("Rathaus");
    FProject.SetCompany("Bau GmbH");
    FProject.SetCompanyAddress("Hauptstraße 1");
    FProject.SetCompanyReviser("M. Muster");
    FProject.SetDate(kStoredDate);
    FForm.SetVekProject(&FProject);
  }
  ~TProjectSettingsFormTest() override {
    Language().SetDictionary(std::make_shared<TDictionaryGerman>());
  }

  void ShowActive() {
    FForm.show();
    QApplication::setActiveWindow(&FForm);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&FForm));
  }
  QString Focused() const {
    QWidget* focused = QApplication::focusWidget();
    return focused != nullptr ? focused->objectName() : QString();
  }

  TVekProject FProject;
  TVekProjectSettingsForm FForm;
};

TEST_F(TProjectSettingsFormTest, ShowFillsTheFieldsAndOkWritesThemBack) {
  ShowActive();
  EXPECT_EQ(FForm.EditJPSFProject->text(), "Rathaus");
  EXPECT_EQ(FForm.EditJPSFCompany->text(), "Bau GmbH");
  EXPECT_EQ(FForm.EditJPSFCompanyAdress->text(), QString::fromUtf8("Hauptstraße 1"));
  EXPECT_EQ(FForm.EditJPSFCompanyReviser->text(), "M. Muster");
  EXPECT_EQ(FForm.TimeEditJPSFDate->date(), QDate(2023, 3, 15));

  FForm.EditJPSFProject->setText("Turm");
  FForm.EditJPSFCompany->setText("Neu AG");
  FForm.EditJPSFCompanyAdress->setText("Weg 2");
  FForm.EditJPSFCompanyReviser->setText("A. B.");
  FForm.TimeEditJPSFDate->setDate(QDate(2024, 1, 2));
  FForm.BtOK->click();
  EXPECT_EQ(FForm.result(), QDialog::Accepted);
  EXPECT_FALSE(FForm.isVisible());
  EXPECT_EQ(FProject.GetProject(), "Turm");
  EXPECT_EQ(FProject.GetCompany(), "Neu AG");
  EXPECT_EQ(FProject.GetCompanyAddress(), "Weg 2");
  EXPECT_EQ(FProject.GetCompanyReviser(), "A. B.");
  EXPECT_EQ(FProject.GetDate(), 45293.0);  // 2 January 2024, no time of day
}

TEST_F(TProjectSettingsFormTest, CancelAndEscapeLeaveTheProjectAsItWas) {
  for (const bool escape : {false, true}) {
    ShowActive();
    FForm.EditJPSFProject->setText("Turm");
    FForm.TimeEditJPSFDate->setDate(QDate(2024, 1, 2));
    if (escape) {
      QTest::keyClick(FForm.EditJPSFProject, Qt::Key_Escape);
    } else {
      FForm.BtCancel->click();
    }
    EXPECT_EQ(FForm.result(), QDialog::Rejected);
    EXPECT_EQ(FProject.GetProject(), "Rathaus");
    EXPECT_EQ(FProject.GetDate(), kStoredDate);
  }
}

TEST_F(TProjectSettingsFormTest, AnUntouchedDateKeepsItsTimeOfDay) {
  ShowActive();
  FForm.BtOK->click();
  EXPECT_EQ(FProject.GetDate(), kStoredDate);
}

TEST_F(TProjectSettingsFormTest, DatesThePickerCannotShowAreBroughtIntoItsRange) {
  const QDate first = QDateEdit().minimumDate();
  const QDate last = QDateEdit().maximumDate();
  EXPECT_EQ(TVekProjectSettingsForm::DateOfDays(NAN), QDate(1899, 12, 30));
  EXPECT_EQ(TVekProjectSettingsForm::DateOfDays(-1e300), first);
  EXPECT_EQ(TVekProjectSettingsForm::DateOfDays(1e300), last);
  EXPECT_EQ(TVekProjectSettingsForm::DateOfDays(0.99), QDate(1899, 12, 30));
  EXPECT_EQ(TVekProjectSettingsForm::DaysOfDate(QDate(1900, 1, 1)), 2.0);
  FProject.SetDate(1e300);
  ShowActive();
  EXPECT_EQ(FForm.TimeEditJPSFDate->date(), last);
  FForm.BtOK->click();
  EXPECT_EQ(FProject.GetDate(), 1e300) << "a date the user did not touch stays";
}

TEST_F(TProjectSettingsFormTest, TabAndEnterFollowTheTabNumbersAndEnterPressesAButton) {
  ShowActive();
  const char* order[] = {"EditJPSFProject",
                         "EditJPSFCompany",
                         "EditJPSFCompanyAdress",
                         "EditJPSFCompanyReviser",
                         "TimeEditJPSFDate",
                         "BtOK",
                         "BtCancel",
                         "EditJPSFProject"};
  EXPECT_EQ(Focused(), order[0]);
  EXPECT_EQ(TabNumber(FForm.EditJPSFProject), 2);
  EXPECT_EQ(TabNumber(FForm.BtCancel), 8);
  EXPECT_EQ(FForm.MaxTabOrder(), 8);
  for (int i = 1; i < 8; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), order[i]) << i;
  }
  // Enter moves on like Tab from a field...
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Focused(), "EditJPSFCompany");
  EXPECT_TRUE(FForm.isVisible());
  // ...and presses a button.
  FForm.BtCancel->setFocus();
  FForm.EditJPSFProject->setText("Turm");
  QTest::keyClick(FForm.BtCancel, Qt::Key_Return);
  EXPECT_FALSE(FForm.isVisible());
  EXPECT_EQ(FForm.result(), QDialog::Rejected);
  EXPECT_EQ(FProject.GetProject(), "Rathaus");
}

TEST_F(TProjectSettingsFormTest, TextsComeFromTheCurrentLanguage) {
  EXPECT_EQ(FForm.windowTitle(), "Projektdaten");
  EXPECT_EQ(FForm.LblJPSFProject->text(), "Bauvorhaben");
  EXPECT_EQ(FForm.BtCancel->text(), "Abbrechen");
  Language().SetDictionary(std::make_shared<TDictionaryEnglish>());
  FForm.TranslationToFormObjects();
  EXPECT_EQ(FForm.windowTitle(), "Project data");
  EXPECT_EQ(FForm.LblJPSFCompanyReviser->text(), "Prepared by");
  EXPECT_EQ(FForm.LblJPSFDate->text(), "Date");
  EXPECT_EQ(FForm.BtOK->text(), "OK");
  EXPECT_EQ(FForm.height(), TVekProjectSettingsForm::kClientHeight);
}

}  // namespace
}  // namespace vek
