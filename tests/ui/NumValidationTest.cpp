#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "RegionalSeparatorScope.h"
#include "core/StandardFnc.h"
#include "ui/FocusOrder.h"
#include "ui/NumValidation.h"

namespace vek {
namespace {

struct TKeyCase {
  const char* Separator;
  bool NoFloatNumbers;
  const char* Text;
  int Caret;
  char16_t Key;
  bool Accepted;
};

TEST(NumKeyFilter, AcceptsDigitsOneLeadingMinusAndOneRegionalSeparator) {
  const TKeyCase cases[] = {
      // Whole numbers: digits, "-" at the start, backspace; no separator of either kind.
      {".", true, "", 0, '5', true},
      {".", true, "", 0, '-', true},
      {".", true, "12", 2, 8, true},
      {".", true, "12", 2, ',', false},
      {".", true, "12", 2, '.', false},
      {".", true, "-1", 0, '-', false},
      {".", true, "12", 1, '-', false},
      {".", true, "", 0, 'a', false},
      // Reals with a comma: one comma, never a point.
      {",", false, "1", 1, ',', true},
      {",", false, "1,5", 3, ',', false},
      {",", false, "1", 1, '.', false},
      // Reals with a point.
      {".", false, "1", 1, '.', true},
      {".", false, "1.5", 3, '.', false},
      {".", false, "1", 1, ',', false},
      {".", false, "-1.5", 0, '-', false},
      {".", false, "", 0, 'e', false},
      {".", false, "", 0, u'\u00b2', false},
      {".", false, "", 0, u'\u0660', false},  // a digit, but not an ASCII one
      {".", false, "", 0, u'\u2212', false},  // code above 255
  };
  for (const TKeyCase& c : cases) {
    TRegionalSeparatorScope separator(c.Separator);
    EXPECT_EQ(IsNumKeyAccepted(c.Text, c.Caret, QChar(c.Key), c.NoFloatNumbers), c.Accepted)
        << "separator '" << c.Separator << "' whole " << c.NoFloatNumbers << " text '" << c.Text
        << "' caret " << c.Caret << " key " << int(c.Key);
  }
}

TEST(NumKeyFilter, FiltersWhatIsTypedIntoAnEditField) {
  TRegionalSeparatorScope separator(",");
  QLineEdit real;
  QLineEdit whole;
  ASSERT_NE(TNumKeyFilter::Install(&real, false), nullptr);
  ASSERT_NE(TNumKeyFilter::Install(&whole, true), nullptr);
  QTest::keyClicks(&real, "-1,5,.-2x");
  QTest::keyClicks(&whole, "-1,5.-2");
  EXPECT_EQ(real.text(), "-1,52");
  EXPECT_EQ(whole.text(), "-152");
  // Editing keys still work.
  QTest::keyClick(&whole, Qt::Key_Backspace);
  QTest::keyClick(&whole, Qt::Key_Home);
  QTest::keyClick(&whole, Qt::Key_Delete);
  EXPECT_EQ(whole.text(), "15");
}

TEST(NumKeyFilter, JudgesTheTextThatReplacesTheSelection) {
  // A field whose text was selected by a click can take a new negative number.
  QLineEdit edit("-5.5");
  TNumKeyFilter::Install(&edit, false);
  edit.selectAll();
  QTest::keyClicks(&edit, "-2.5");
  EXPECT_EQ(edit.text(), "-2.5");
}

TEST(NumKeyFilter, LeavesOtherControlsAlone) {
  QSpinBox spin;
  EXPECT_EQ(TNumKeyFilter::Install(&spin, true), nullptr);
  EXPECT_EQ(TNumKeyFilter::Install(spin.findChild<QLineEdit*>(), true), nullptr);
  QChar key('x');
  TNumValidation::OnKeyDownNumValidation(&spin, key, true);
  EXPECT_EQ(key, QChar('x'));
}

struct TReadCase {
  const char* Separator;
  const char* Text;
  std::optional<double> Value;
};

TEST(ReadRegionalNumber, ReadsOnlyTheRegionalForm) {
  const TReadCase cases[] = {
      {".", "3.7", 3.7}, {".", " -12 ", -12.0}, {".", "+2", 2.0},      {".", "1e3", 1000.0},
      {".", ".5", 0.5},  {".", "5.", 5.0},      {".", "1.5E-1", 0.15}, {",", "1,5", 1.5},
      {",", "1.5", {}},  {".", "1,5", {}},      {".", "-", {}},        {".", "", {}},
      {".", ".", {}},    {".", "abc", {}},      {".", "1e", {}},       {".", "inf", {}},
      {".", "nan", {}},  {".", "1e999", {}},    {".", "1 000", {}},    {".", "0x10", {}},
  };
  for (const TReadCase& c : cases) {
    TRegionalSeparatorScope separator(c.Separator);
    EXPECT_EQ(ReadRegionalNumber(c.Text), c.Value)
        << "separator '" << c.Separator << "' text '" << c.Text << "'";
  }
}

struct TChangeCase {
  const char* Separator;
  const char* Text;
  int DigitalPlaces;
  double ComparativeValue;
  bool IsCheckMinValue;
  const char* Expected;
};

TEST(NumChangeRule, RewritesNumbersClampsToTheLimitAndDropsALoneMinus) {
  const TChangeCase cases[] = {
      // Whole millimetres with a minimum of 1.
      {".", "0", 0, 1.0, true, "1"},
      {".", "3.7", 0, 1.0, true, "4"},
      {".", "abc", 0, 1.0, true, "abc"},
      {".", "-", 0, 1.0, true, ""},
      {".", "", 0, 1.0, true, ""},
      {".", "-20", 0, 1.0, true, "1"},
      // A maximum.
      {".", "2000", 0, 950.0, false, "950"},
      {".", "900", 0, 950.0, false, "900"},
      // Metres with a minimum of 0.001 and two places; no limit.
      {".", "0", 2, 0.001, true, "0.01"},
      {".", "0.004", 2, 0.001, true, "0.01"},
      {".", "0.5", 2, 0.001, true, "0.50"},
      {".", "2000", 1, 950.45, false, "950.4"},
      {".", "12.346", 2, kNullReal, true, "12.35"},
      {".", "-12.346", 2, kNullReal, true, "-12.35"},
      {".", "0.1", -1, kNullReal, true, "0.1"},
      // The regional comma.
      {",", "3,7", 0, 1.0, true, "4"},
      {",", "12,346", 2, kNullReal, true, "12,35"},
      {",", "3.7", 0, 1.0, true, "3.7"},
  };
  for (const TChangeCase& c : cases) {
    TRegionalSeparatorScope separator(c.Separator);
    EXPECT_EQ(NormalisedNumText(c.Text, c.DigitalPlaces, c.ComparativeValue, c.IsCheckMinValue),
              c.Expected)
        << "separator '" << c.Separator << "' text '" << c.Text << "'";
  }
}

TEST(NumTrackingRule, EmptiesWhatIsNotANumberButKeepsALoneMinus) {
  const std::pair<const char*, const char*> cases[] = {
      {"x", ""}, {"-", "-"}, {"", ""}, {"12", "12"}, {"1.5", "1.5"}, {"1.5x", ""}, {"--", ""},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(TrackedNumText(text), expected) << "text '" << text << "'";
  }
}

TEST(NumChangeRule, ActsOnEditFieldsOnlyAndLeavesASpinBoxUnchanged) {
  QLineEdit edit("0");
  TNumValidation::OnChangeNumValidation(&edit, 0, 1.0, true);
  EXPECT_EQ(edit.text(), "1");
  edit.setText("12.5");
  TNumValidation::OnChangeNumValidation(&edit);
  EXPECT_EQ(edit.text(), "12.5");
  edit.setText("x");
  TNumValidation::OnChangeTrackingNumValidation(&edit);
  EXPECT_EQ(edit.text(), "");

  QSpinBox spin;
  spin.setRange(-100, 100);
  spin.setValue(-7);
  QLineEdit* inner = spin.findChild<QLineEdit*>();
  ASSERT_NE(inner, nullptr);
  for (QObject* sender : {static_cast<QObject*>(&spin), static_cast<QObject*>(inner)}) {
    TNumValidation::OnChangeNumValidation(sender, 0, 1.0, true);
    TNumValidation::OnChangeNumValidation(sender, 2);
    TNumValidation::OnChangeTrackingNumValidation(sender);
    EXPECT_EQ(inner->text(), "-7");
  }
}

TEST(NumFieldValue, ReadsAndWritesWithTheRegionalSeparator) {
  TRegionalSeparatorScope separator(",");
  QLineEdit edit;
  WriteNumber(&edit, 2.5, 2);
  EXPECT_EQ(edit.text(), "2,50");
  EXPECT_DOUBLE_EQ(ReadNumber(&edit, -1.0), 2.5);
  edit.setText("2.5");
  EXPECT_DOUBLE_EQ(ReadNumber(&edit, -1.0), -1.0);
}

TEST(SelectAllOnClick, SelectsOnTheFirstClickIntoAFieldOnly) {
  QWidget form;
  auto* first = new QLineEdit("123", &form);
  auto* second = new QLineEdit("456", &form);
  second->move(0, 40);
  SetTabNumber(first, 12);
  SetTabNumber(second, 13);
  TSelectAllOnClick selector;
  selector.Attach(first);
  selector.Attach(second);
  form.show();
  auto click = [](QLineEdit* edit) {
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, edit->height() / 2));
    QCoreApplication::processEvents();
    return edit->selectedText();
  };
  EXPECT_EQ(click(first), "123");
  EXPECT_EQ(click(first), "");
  EXPECT_EQ(click(second), "456");
  EXPECT_EQ(click(first), "123");
  EXPECT_EQ(selector.LastEditFocusAllSelect(), 12);
}

}  // namespace
}  // namespace vek
