#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "language/DictionaryGerman.h"
#include "language/Language.h"
#include "settings/VekSettings.h"
#include "ui/MainForm.h"
#include "ui/MessageService.h"

namespace vek {

// A shown, active main window in German whose message boxes are answered by a script.
class TMainFormTest : public ::testing::Test {
 protected:
  TMainFormTest() {
    Language().SetDictionary(std::make_shared<TDictionaryGerman>());
    FForm = std::make_unique<TMainForm>(FSettings);
    FForm->show();
    QApplication::setActiveWindow(FForm.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(FForm.get()));
    FMessages.Clear();
  }
  ~TMainFormTest() override {
    FForm.reset();
    Language().SetDictionary(std::make_shared<TDictionaryGerman>());
  }

  template <class T>
  T* Find(const char* name) const {
    T* control = FForm->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  // Types text into a number box or edit field, replacing its text, and commits it
  // with Enter as a user would.
  void Type(QWidget* control, const QString& text) {
    control->setFocus();
    if (auto* box = qobject_cast<QAbstractSpinBox*>(control)) {
      box->selectAll();
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
      edit->selectAll();
    }
    QTest::keyClicks(control, text);
    QTest::keyClick(control, Qt::Key_Return);
  }

  std::vector<QString> Errors() const {
    return FMessages.Texts(TScriptedMessageService::TKind::ERROR);
  }

  TScriptedMessageService FMessages;
  TScopedMessageService FMessageScope{FMessages};
  TVEKSettingsStore FSettings;
  std::unique_ptr<TMainForm> FForm;
};

}  // namespace vek
