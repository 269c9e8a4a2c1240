#pragma once

#include <functional>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "MainFormTestFixture.h"
#include "ui/VekProjectListBoxItem.h"

namespace vek {

// The main window with its file dialogs answered from the test: each dialog records the
// name it proposed and answers the next prepared file name (empty: cancelled).
class TMainFormCommandsTest : public TMainFormTest {
 protected:
  TMainFormCommandsTest() {
    EXPECT_TRUE(FDir.isValid());
    FForm->SetFileDialogs(
        [this](const QString& proposed) {
          ++FOpenDialogs;
          FProposedName = proposed;
          return FAnswerOpen;
        },
        [this](const QString& proposed) {
          ++FSaveDialogs;
          FProposedName = proposed;
          return FAnswerSave;
        });
  }

  QString InDir(const QString& name) const { return QDir(FDir.path()).filePath(name); }

  // Runs action while the next modal dialog is open, then the dialog is handled by it.
  static void WhenModalOpens(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      action(modal);
    });
  }

  // The entries of the project list, in order.
  QStringList ListTexts() const {
    QStringList texts;
    for (int row = 0; row < FForm->LBoxVekProjectComponent->count(); ++row) {
      texts << FForm->LBoxVekProjectComponent->item(row)->text();
    }
    return texts;
  }
  TVekProjectListBoxItem* ListEntry(int row) const {
    return TVekProjectListBoxItem::At(FForm->LBoxVekProjectComponent, row);
  }
  void SelectEntry(int row) {
    QListWidget* list = FForm->LBoxVekProjectComponent;
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  }
  const TVekComponent& Component(int index) const {
    return *FForm->VekProject()->GetVekComponentList()[static_cast<std::size_t>(index)];
  }
  int ComponentCount() const {
    return static_cast<int>(FForm->VekProject()->GetVekComponentList().size());
  }
  std::vector<QString> Informations() const {
    return FMessages.Texts(TScriptedMessageService::TKind::INFORMATION);
  }

  QTemporaryDir FDir;
  QString FAnswerOpen;
  QString FAnswerSave;
  QString FProposedName;
  int FOpenDialogs = 0;
  int FSaveDialogs = 0;
};

}  // namespace vek
