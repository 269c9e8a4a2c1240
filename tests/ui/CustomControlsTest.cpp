#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ui/FocusOrder.h"
#include "ui/VekCheckBox.h"
#include "ui/VekIDListBoxItem.h"
#include "ui/VekProjectListBoxItem.h"
#include "ui/VekRadioButton.h"

namespace vek {
namespace {

// Two members of one group as the window builds them: the first created checked.
struct TRadioPair : ::testing::Test {
  void SetUp() override {
    First = new TVekRadioButton(&Form, true);
    Second = new TVekRadioButton(&Form);
    TVekRadioButton::SetRadioButtonData(First, &Form, "first", 200, 19, {9, 10});
    TVekRadioButton::SetRadioButtonData(Second, &Form, "second", 200, 19, {9, 40});
    First->AddGroupMember(Second);
    Form.show();
  }
  void Click(TVekRadioButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
  }
  std::pair<bool, bool> State() const { return {First->isChecked(), Second->isChecked()}; }

  QWidget Form;
  TVekRadioButton* First = nullptr;
  TVekRadioButton* Second = nullptr;
};

TEST_F(TRadioPair, ClickingTheCheckedMemberKeepsItChecked) {
  int clicks = 0;
  QObject::connect(First, &QCheckBox::clicked, [&] { ++clicks; });
  Click(First);
  EXPECT_EQ(State(), std::pair(true, false));
  EXPECT_EQ(clicks, 1);
}

TEST_F(TRadioPair, ClickingTheOtherMemberSwitchesTheCheck) {
  Click(Second);
  EXPECT_EQ(State(), std::pair(false, true));
  Click(Second);
  EXPECT_EQ(State(), std::pair(false, true));
  Click(First);
  EXPECT_EQ(State(), std::pair(true, false));
}

TEST_F(TRadioPair, TheProgramSwitchesButCannotUncheckTheLastCheckedMember) {
  Second->setChecked(true);
  EXPECT_EQ(State(), std::pair(false, true));
  Second->setChecked(false);
  EXPECT_EQ(State(), std::pair(false, true));
}

TEST_F(TRadioPair, AMemberLeavesItsGroupWhenItGoes) {
  auto* third = new TVekRadioButton(&Form);
  First->AddGroupMember(third);
  First->AddGroupMember(third);
  First->AddGroupMember(First);
  ASSERT_EQ(Second->GroupMembers().size(), 3u);
  EXPECT_EQ(&Second->GroupMembers(), &third->GroupMembers());
  delete third;
  EXPECT_EQ(First->GroupMembers(), (std::vector<TVekRadioButton*>{First, Second}));
  Click(Second);
  EXPECT_EQ(State(), std::pair(false, true));
}

TEST(VekCheckBox, TakesItsDataAndItsOwner) {
  QWidget owner;
  auto* box = new TVekCheckBox(nullptr, true);
  TVekCheckBox::SetCheckBoxData(box, &owner, "ChBoxWindInternationalValues", 335, 19, {9, 10});
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(box->parentWidget(), &owner);
  EXPECT_EQ(box->geometry(), QRect(9, 10, 335, 19));
  EXPECT_EQ(box->text(), "ChBoxWindInternationalValues");
}

TEST(FocusOrder, MovesToTheNextControlThatCanTakeTheFocusAndWrapsToTwo) {
  QWidget form;
  std::vector<QLineEdit*> edits;
  for (int number = 1; number <= 6; ++number) {
    auto* edit = new QLineEdit(&form);
    edit->move(0, 25 * number);
    SetTabNumber(edit, number);
    edits.push_back(edit);
  }
  auto* unnumbered = new QLineEdit(&form);
  SetTabNumber(unnumbered, kTabNumberLimit);
  edits[2]->setEnabled(false);  // 3
  edits[3]->hide();             // 4
  form.show();
  struct TStep {
    int From;
    int Focused;
  };
  const TStep steps[] = {{1, 2}, {2, 5}, {5, 6}, {6, 2}, {9, 2}};
  for (const TStep& step : steps) {
    FocusNextControl(&form, step.From, 6);
    EXPECT_EQ(TabNumber(form.focusWidget()), step.Focused) << "from " << step.From;
  }
}

TEST(FocusOrder, StopsWhenNoControlCanTakeTheFocus) {
  QWidget form;
  auto* label = new QPushButton(&form);
  label->setFocusPolicy(Qt::NoFocus);
  SetTabNumber(label, 2);
  auto* disabled = new QLineEdit(&form);
  disabled->setEnabled(false);
  SetTabNumber(disabled, 3);
  form.show();
  FocusNextControl(&form, 2, 112);
  FocusNextControl(&form, 112, 112);
  EXPECT_EQ(form.focusWidget(), nullptr);
}

TEST(VekIDListBoxItem, EntriesCarryTheirIDAndNameInACombo) {
  QComboBox combo;
  TVekIDListBoxItem("LBoxItemWindRegionPleaseSelect", 0, "Bitte wählen").AddTo(&combo);
  TVekIDListBoxItem inland("LBoxItemInland", 5);
  inland.SetText("Binnenland");
  EXPECT_EQ(inland.AddTo(&combo), 1);
  TVekIDListBoxItem("LBoxItemBalticSeaCoast", 1).AddTo(&combo);
  EXPECT_EQ(combo.itemText(1), "Binnenland");
  EXPECT_EQ(combo.itemText(2), "LBoxItemBalticSeaCoast");
  EXPECT_EQ(ItemID(&combo, 1), 5);
  EXPECT_EQ(ItemName(&combo, 2), "LBoxItemBalticSeaCoast");
  EXPECT_EQ(FindItemByID(&combo, 1), 2);
  EXPECT_EQ(FindItemByName(&combo, "LBoxItemInland"), 1);
  EXPECT_EQ(FindItemByID(&combo, 4), -1);
  EXPECT_EQ(ItemID(&combo, 7), kNoItemID);
  combo.setCurrentIndex(1);
  EXPECT_EQ(CurrentItemID(&combo), 5);
}

TEST(VekProjectListBoxItem, ShowsTheQuantityAndTypeLines) {
  QListWidget list;
  TVekProjectListBoxItem::InstallDelegate(&list);
  auto* item = new TVekProjectListBoxItem(&list);
  item->setText("Unbenanntes Bauteil");
  EXPECT_EQ(item->GetQuantity(), 0);
  EXPECT_EQ(item->data(TVekProjectListBoxItem::kQuantityLineRole).toString(), "Σ 0");
  EXPECT_EQ(item->data(TVekProjectListBoxItem::kTypeLineRole).toString(), "N/A");
  item->SetQuantity(12);
  item->SetType("VEK - NJ - 3 - 450 - 20");
  EXPECT_EQ(item->data(TVekProjectListBoxItem::kQuantityLineRole).toString(), "Σ 12");
  EXPECT_EQ(item->data(TVekProjectListBoxItem::kTypeLineRole).toString(),
            "VEK - NJ - 3 - 450 - 20");
  EXPECT_EQ(TVekProjectListBoxItem::At(&list, 0), item);
  EXPECT_EQ(TVekProjectListBoxItem::At(&list, 1), nullptr);
  // Two lines high, and drawing does not disturb the lines.
  list.show();
  EXPECT_GE(list.visualItemRect(item).height(), 2 * list.fontMetrics().height());
  list.grab();
  EXPECT_EQ(item->QuantityLine(), "Σ 12");
}

}  // namespace
}  // namespace vek
