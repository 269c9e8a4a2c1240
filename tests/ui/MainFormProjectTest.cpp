#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>

#include "MainFormCommandsFixture.h"
#include "project/ProjectFile.h"
#include "ui/ProjectSettingsForm.h"

namespace vek {
namespace {

class TMainFormProjectTest : public TMainFormCommandsTest {
 protected:
  // Gives the selected component a mark as the user does: typed, then Enter.
  void TypeMark(const QString& mark) { Type(FForm->EditSelectedProjectComponentPosition, mark); }
};

TEST_F(TMainFormProjectTest, NewComponentsGetTheProposedMarkAndACopyOfTheSelectedCase) {
  struct TCase {
    std::vector<QString> Marks;  // given to the components in order; the last is last
    QString Expected;
  };
  const TCase cases[] = {
      {{"Position 3"}, "Position 4"},
      {{"Position 4", "Position 3"}, "Position 1"},
      {{"A"}, "A 1"},
      {{"12"}, "13"},
      {{"13", "12"}, "13 1"},
      {{"Pos 1.5"}, "Pos 1.5 1"},
  };
  for (const TCase& c : cases) {
    FForm->OnClickMenuNew();
    for (std::size_t i = 0; i < c.Marks.size(); ++i) {
      if (i > 0) {
        FForm->BtNewProjectComponent->click();
      }
      TypeMark(c.Marks[i]);
    }
    FForm->BtNewProjectComponent->click();
    const int last = ComponentCount() - 1;
    EXPECT_EQ(ComponentCount(), static_cast<int>(c.Marks.size()) + 1);
    EXPECT_EQ(QString::fromStdString(Component(last).GetPosition()), c.Expected);
    EXPECT_EQ(ListTexts().back(), c.Expected);
    EXPECT_EQ(FForm->EditSelectedProjectComponentPosition->text(), c.Expected);
    EXPECT_EQ(FForm->SelectedVekComponentIndex(), last);
  }
  EXPECT_TRUE(Errors().empty());

  // The new component starts from the inputs shown for the selected one.
  FForm->OnClickMenuNew();
  Type(FForm->WHeightNumBx, "1100");
  FForm->BtNewProjectComponent->click();
  EXPECT_EQ(Component(1).GetVek()->GetH_br(), 1100);
  EXPECT_NE(Component(1).GetVek(), Component(0).GetVek());
  EXPECT_EQ(Component(1).GetQuantity(), 1);
  EXPECT_EQ(Component(1).GetComponent(), "Unbenanntes Bauteil");
}

TEST_F(TMainFormProjectTest, ComponentEditsAreTakenOverAndADuplicateMarkIsRefused) {
  TypeMark("P1");
  FForm->BtNewProjectComponent->click();
  Type(FForm->EditSelectedProjectComponent, "Attika Nord");
  Type(FForm->EditSelectedProjectComponentQuantity, "4");
  TypeMark("P2");
  EXPECT_EQ(Component(1).GetPosition(), "P2");
  EXPECT_EQ(Component(1).GetComponent(), "Attika Nord");
  EXPECT_EQ(Component(1).GetQuantity(), 4);
  EXPECT_EQ(ListTexts(), (QStringList{"P1", "P2"}));
  EXPECT_EQ(ListEntry(1)->GetQuantity(), 4);
  EXPECT_EQ(FForm->EditDrawAreaPosition->text(), "P2");
  EXPECT_EQ(FForm->EditDrawAreaComponent->text(), "Attika Nord");

  TypeMark("P1");
  EXPECT_EQ(Errors(), std::vector<QString>{"Bereits vorhanden: P1"});
  EXPECT_EQ(FForm->EditSelectedProjectComponentPosition->text(), "P2");
  EXPECT_EQ(Component(1).GetPosition(), "P2");
  EXPECT_EQ(ListTexts(), (QStringList{"P1", "P2"}));
}

TEST_F(TMainFormProjectTest, TheLastComponentCannotBeDeleted) {
  FForm->BtDeletSelectedProjectComponent->click();
  EXPECT_EQ(Errors(), std::vector<QString>{"Das letzte Element kann nicht gelöscht werden!"});
  EXPECT_EQ(ComponentCount(), 1);

  FForm->BtNewProjectComponent->click();
  FForm->BtNewProjectComponent->click();
  SelectEntry(1);
  ASSERT_EQ(FForm->SelectedVekComponentIndex(), 1);
  FForm->BtDeletSelectedProjectComponent->click();
  EXPECT_EQ(ListTexts(), (QStringList{"Position 1", "Position 3"}));
  EXPECT_EQ(FForm->SelectedVekComponentIndex(), 1);
  EXPECT_EQ(FForm->EditSelectedProjectComponentPosition->text(), "Position 3");
}

TEST_F(TMainFormProjectTest, SaveAsAppendsTheExtensionAndLaterSavesGoThere) {
  FAnswerSave = InDir("Tower");
  FForm->MItemHeadSaveAs->trigger();
  EXPECT_EQ(FProposedName, "VekProject.vek");
  EXPECT_TRUE(QFileInfo::exists(InDir("Tower.vek")));
  EXPECT_FALSE(QFileInfo::exists(InDir("Tower")));
  EXPECT_EQ(FForm->Filename(), InDir("Tower.vek"));

  QFile::remove(InDir("Tower.vek"));
  FForm->MItemHeadSave->trigger();
  EXPECT_EQ(FSaveDialogs, 1) << "a known name needs no dialog";
  EXPECT_TRUE(QFileInfo::exists(InDir("Tower.vek")));

  FAnswerSave = InDir("VekProject.vek");
  FForm->MItemHeadSaveAs->trigger();
  EXPECT_TRUE(QFileInfo::exists(InDir("VekProject.vek")));
  EXPECT_FALSE(QFileInfo::exists(InDir("VekProject.vek.vek")));

  FAnswerSave.clear();  // cancelled
  FForm->MItemHeadSaveAs->trigger();
  EXPECT_EQ(FForm->Filename(), InDir("VekProject.vek"));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(TMainFormProjectTest, AFailedSaveIsReportedAndKeepsTheSaveQuestion) {
  WhenModalOpens([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
  FForm->BtProjectSettings->click();
  ASSERT_TRUE(FForm->IsChangeForSave());

  FAnswerSave = InDir("missing/Tower");
  FForm->MItemHeadSaveAs->trigger();
  EXPECT_EQ(Errors(), std::vector<QString>{"Das Projekt konnte nicht gespeichert werden!"});
  EXPECT_EQ(FForm->Filename(), QString());

  // Under the known name too, and the project stays marked for saving.
  FAnswerSave = InDir("sub/Tower");
  ASSERT_TRUE(QDir(FDir.path()).mkdir("sub"));
  FForm->MItemHeadSaveAs->trigger();
  ASSERT_EQ(FForm->Filename(), InDir("sub/Tower.vek"));
  WhenModalOpens([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
  FForm->BtProjectSettings->click();
  ASSERT_TRUE(QDir(InDir("sub")).removeRecursively());
  FMessages.Clear();
  FForm->MItemHeadSave->trigger();
  EXPECT_EQ(Errors(), std::vector<QString>{"Das Projekt konnte nicht gespeichert werden!"});
  EXPECT_TRUE(FForm->IsChangeForSave());

  // Yes to the save question with a save that fails keeps the project.
  const TVekProject* before = FForm->VekProject();
  FMessages.PushAnswer(TMessageBoxAction::mbaYes);
  FForm->MItemHeadNew->trigger();
  EXPECT_EQ(FForm->VekProject(), before);
}

TEST_F(TMainFormProjectTest, SaveThenOpenRestoresComponentsInputsAndAssignedVariant) {
  TypeMark("W1");
  FForm->MItemHeadCalculate->trigger();
  const std::string assigned = FForm->SelectedVek().GetAssignedVek();
  ASSERT_NE(assigned, "N/A");
  // A component calculated and then edited is stored uncalculated.
  FForm->BtNewProjectComponent->click();
  FForm->MItemHeadCalculate->trigger();
  TypeMark("W2");
  // Typed text with umlauts, then Enter.
  FForm->EditSelectedProjectComponent->setFocus();
  FForm->EditSelectedProjectComponent->setText("Brüstung Süd");
  QTest::keyClick(FForm->EditSelectedProjectComponent, Qt::Key_Return);
  Type(FForm->EditSelectedProjectComponentQuantity, "3");
  Type(FForm->WHeightNumBx, "1250");
  FAnswerSave = InDir("Tower");
  FForm->MItemHeadSaveAs->trigger();

  FForm->MItemHeadNew->trigger();
  EXPECT_EQ(ComponentCount(), 1);
  EXPECT_EQ(FForm->Filename(), QString());
  FAnswerOpen = InDir("Tower.vek");
  FForm->MItemHeadOpen->trigger();
  EXPECT_EQ(FOpenDialogs, 1);
  ASSERT_EQ(ComponentCount(), 2);
  EXPECT_EQ(ListTexts(), (QStringList{"W1", "W2"}));
  EXPECT_EQ(Component(0).GetVek()->GetState(), TVEKState::ASSIGNED);
  EXPECT_EQ(Component(0).GetVek()->GetAssignedVek(), assigned);
  EXPECT_EQ(Component(1).GetVek()->GetState(), TVEKState::DEFAULT);
  EXPECT_EQ(Component(1).GetComponent(), "Brüstung Süd");
  EXPECT_EQ(Component(1).GetQuantity(), 3);
  EXPECT_EQ(Component(1).GetVek()->GetH_br(), 1250);
  EXPECT_EQ(Component(0).GetVek()->GetH_br(), 1000);
  // The last component is selected and shown.
  EXPECT_EQ(FForm->SelectedVekComponentIndex(), 1);
  EXPECT_EQ(FForm->WHeightNumBx->value(), 1250);
  EXPECT_EQ(FForm->EditSelectedProjectComponentQuantity->text(), "3");
  EXPECT_EQ(FForm->Filename(), InDir("Tower.vek"));
  SelectEntry(0);
  EXPECT_EQ(FForm->LblResult->text().toStdString(), assigned);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(TMainFormProjectTest, AFileThatCannotBeReadOrOnlyAnAdminMayOpenKeepsTheProject) {
  TypeMark("Keep");
  {
    std::ofstream damaged(InDir("damaged.vek").toStdString(), std::ios::binary);
    damaged << "{\"type\":\"JSONVekProject.TJSONVekProject\",\"id\":1,\"fields\":{";
  }
  TVekProject adminProject;
  auto vek = std::make_unique<TVek>();
  vek->SetL(955);
  vek->SetAssignedVek("N/A");  // uncalculated: the length stays as stored
  auto component = std::make_unique<TVekComponent>(std::move(vek), "Long", "", 1);
  adminProject.AddVekComponent(component);
  SaveProjectToFile(adminProject, InDir("admin.vek").toStdString());

  const TVekProject* before = FForm->VekProject();
  struct TCase {
    const char* File;
    QString Error;
  };
  const TCase cases[] = {
      {"damaged.vek", "Die gewählte Datei scheint beschädigt zu sein!"},
      {"absent.vek", "Die gewählte Datei scheint beschädigt zu sein!"},
      {"admin.vek", QString::fromStdString(Language().PrintL("ErrorLoadAdminProjectData"))},
  };
  for (const TCase& c : cases) {
    FMessages.Clear();
    FForm->OpenProject(InDir(c.File));
    EXPECT_EQ(Errors(), std::vector<QString>{c.Error}) << c.File;
    EXPECT_EQ(FForm->VekProject(), before);
    EXPECT_EQ(ListTexts(), QStringList{"Keep"});
    EXPECT_EQ(FForm->Filename(), QString());
  }

  TVEKSettings admin = FSettings.GetSetttings();
  admin.IsPassword = true;
  FSettings.SetSettings(admin);
  FMessages.Clear();
  FForm->OpenProject(InDir("admin.vek"));
  EXPECT_TRUE(Errors().empty());
  EXPECT_EQ(ListTexts(), QStringList{"Long"});
  EXPECT_TRUE(FSettings.GetSetttings().IsPassword) << "admin mode survives opening";
}

TEST_F(TMainFormProjectTest, OnlyOneDroppedFileEndingInVekIsOpened) {
  TypeMark("Saved");
  FAnswerSave = InDir("a");
  FForm->MItemHeadSaveAs->trigger();
  ASSERT_TRUE(QFile::copy(InDir("a.vek"), InDir("b.vek")));
  ASSERT_TRUE(QFile::copy(InDir("a.vek"), InDir("plan.VEK")));
  FForm->MItemHeadNew->trigger();
  const TVekProject* before = FForm->VekProject();

  FForm->PanelDragDropDragDrop({InDir("a.vek"), InDir("b.vek")});
  FForm->PanelDragDropDragDrop({InDir("plan.VEK")});
  FForm->PanelDragDropDragDrop({});
  EXPECT_EQ(FForm->VekProject(), before);
  EXPECT_TRUE(FMessages.Messages().empty());

  // A real drag over the drawing area: the panel behind the controls takes it.
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(InDir("b.vek"))});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(FForm->PanelDrawArea, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(FForm->PanelDrawArea, &drop);
  EXPECT_EQ(ListTexts(), QStringList{"Saved"});
  EXPECT_EQ(FForm->Filename(), InDir("b.vek"));
}

TEST_F(TMainFormProjectTest, TheSaveQuestionComesOnlyAfterTheProjectDataDialog) {
  FAnswerSave = InDir("Tower");
  FForm->MItemHeadSaveAs->trigger();
  FForm->MItemHeadNew->trigger();
  EXPECT_TRUE(FMessages.Messages().empty()) << "editing inputs asks nothing";

  const auto openDataDialog = [this](const QString& name) {
    WhenModalOpens([name](QWidget* modal) {
      auto* form = qobject_cast<TVekProjectSettingsForm*>(modal);
      ASSERT_NE(form, nullptr);
      form->EditJPSFProject->setText(name);
      form->BtOK->click();
    });
    FForm->BtProjectSettings->click();
  };
  openDataDialog("Rathaus");
  EXPECT_EQ(FForm->VekProject()->GetProject(), "Rathaus");
  EXPECT_EQ(FForm->LblProjectName->text(), "Rathaus");
  EXPECT_EQ(FForm->EditDrawAreaProject->text(), "Rathaus");
  ASSERT_TRUE(FForm->IsChangeForSave());

  // Cancel keeps the project, also when the window is closed.
  const TVekProject* before = FForm->VekProject();
  FMessages.PushAnswer(TMessageBoxAction::mbaCancel);
  FForm->MItemHeadNew->trigger();
  EXPECT_EQ(FForm->VekProject(), before);
  FMessages.PushAnswer(TMessageBoxAction::mbaCancel);
  EXPECT_FALSE(FForm->close());
  EXPECT_TRUE(FForm->isVisible());
  EXPECT_EQ(FMessages.Texts(TScriptedMessageService::TKind::CONFIRMATION),
            (std::vector<QString>{"Möchten Sie das Projekt speichern?",
                                  "Möchten Sie das Projekt speichern?"}));

  // No replaces it unsaved; Yes saves first.
  FMessages.PushAnswer(TMessageBoxAction::mbaNo);
  FForm->MItemHeadNew->trigger();
  EXPECT_EQ(FSaveDialogs, 1);
  EXPECT_NE(FForm->VekProject()->GetProject(), "Rathaus");
  EXPECT_FALSE(FForm->IsChangeForSave());
  openDataDialog("Turm");
  FAnswerSave = InDir("Turm");
  FMessages.PushAnswer(TMessageBoxAction::mbaYes);
  FForm->MItemHeadNew->trigger();
  EXPECT_EQ(FSaveDialogs, 2);
  ASSERT_TRUE(QFileInfo::exists(InDir("Turm.vek")));
  EXPECT_EQ(LoadProjectFromFile(InDir("Turm.vek").toStdString())->GetProject(), "Turm");
  EXPECT_EQ(FMessages.UnscriptedConfirmations(), 0);
}

}  // namespace
}  // namespace vek
