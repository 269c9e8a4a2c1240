// Start-up, language switch, keyboard order, resize and the views of the main window.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "MainFormTestFixture.h"
#include "project/VekProject.h"
#include "ui/Expander.h"
#include "ui/FocusOrder.h"
#include "ui/SplashScreen.h"

namespace vek {
namespace {

std::unique_ptr<TVekProject> ProjectWithComponents(const std::string& name,
                                                   std::initializer_list<const char*> components) {
  auto project = std::make_unique<TVekProject>();
  project->SetProject(name);
  int position = 0;
  for (const char* component : components) {
    auto entry = std::make_unique<TVekComponent>(std::make_unique<TVek>(),
                                                 "P" + std::to_string(++position), component, 1);
    project->AddVekComponent(entry);
  }
  return project;
}

TEST_F(TMainFormTest, StartShowsOneComponentAndTheDefaultProjectName) {
  ASSERT_NE(FForm->VekProject(), nullptr);
  EXPECT_EQ(FForm->VekProject()->GetProject(), "Unbenanntes Bauvorhaben");
  ASSERT_EQ(FForm->VekProject()->GetVekComponentList().size(), 1u);
  EXPECT_EQ(FForm->SelectedVekComponentIndex(), 0);
  const auto* list = Find<QListWidget>("LBoxVekProjectComponent");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("Position 1"));
  EXPECT_EQ(Find<QLabel>("LblProjectName")->text(), QStringLiteral("Unbenanntes Bauvorhaben"));
  EXPECT_EQ(Find<QLineEdit>("EditSelectedProjectComponent")->text(),
            QStringLiteral("Unbenanntes Bauteil"));
  EXPECT_EQ(FForm->windowTitle(), QStringLiteral("Keltrum ORBELL Brüstungsanker VEK"));
  // The slab and fastener groups exist but stay hidden.
  EXPECT_FALSE(FForm->ExpanderPSMFixtures->isVisibleTo(FForm.get()));
  EXPECT_FALSE(FForm->ExpanderPSMCeilingWall->isVisibleTo(FForm.get()));
  EXPECT_FALSE(FForm->MItemHeadPrint->isEnabled());
  EXPECT_FALSE(FForm->MItemHeadPrintDocs->isEnabled());
}

TEST(MainFormStart, StaysHiddenBehindTheSplashScreenUntilItsTimerFires) {
  Language().SetDictionary(std::make_shared<TDictionaryGerman>());
  TVEKSettingsStore settings;
  TMainForm form(settings);
  TSplashScreenForm splash(nullptr, TSplashTimings{10, 20, 10, 60});
  form.SetSplashScreen(&splash);
  QObject::connect(&splash, &TSplashScreenForm::MainWindowMayShow, &form, &TMainForm::show);

  form.show();
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(form.OnShowCount(), 1);

  EXPECT_TRUE(QTest::qWaitFor([&form] { return form.isVisible(); }, 2000));
  EXPECT_EQ(form.OnShowCount(), 2);
  EXPECT_FALSE(splash.isVisible());
  ASSERT_NE(form.VekProject(), nullptr);
  EXPECT_EQ(form.VekProject()->GetVekComponentList().size(), 1u);
}

TEST_F(TMainFormTest, LanguageSwitchRenamesOnlyTheDefaultNames) {
  FForm->ApplyProject(ProjectWithComponents(
      "Unbenanntes Bauvorhaben", {"Unbenanntes Bauteil", "Stützwand Nord", "unbenanntes Bauteil",
                                  "Unnamed construction member"}));

  Find<QAction>("MItemHeadLanguageEnglish")->trigger();
  const auto names = [this] {
    std::vector<std::string> result;
    for (const auto& component : FForm->VekProject()->GetVekComponentList()) {
      result.push_back(component->GetComponent());
    }
    return result;
  };
  const std::vector<std::string> english = {"Unnamed construction member", "Stützwand Nord",
                                            "unbenanntes Bauteil", "Unnamed construction member"};
  EXPECT_EQ(FForm->VekProject()->GetProject(), "Unnamed construction project");
  EXPECT_EQ(names(), english);
  EXPECT_EQ(Find<QLineEdit>("EditDrawAreaComponent")->text(),
            QStringLiteral("Unnamed construction member"));
  EXPECT_EQ(Find<QLabel>("LblWallHeight")->text(), QStringLiteral("Height"));

  // Choosing English again changes nothing.
  Find<QAction>("MItemHeadLanguageEnglish")->trigger();
  EXPECT_EQ(names(), english);

  Find<QAction>("MItemHeadLanguageGerman")->trigger();
  EXPECT_EQ(FForm->VekProject()->GetProject(), "Unbenanntes Bauvorhaben");
  EXPECT_EQ(names()[0], "Unbenanntes Bauteil");
  EXPECT_EQ(names()[3], "Unbenanntes Bauteil");
  EXPECT_EQ(names()[2], "unbenanntes Bauteil");
}

TEST_F(TMainFormTest, LanguageSwitchKeepsAProjectNameOfTheUser) {
  FForm->ApplyProject(ProjectWithComponents("unbenanntes bauvorhaben", {"Unbenanntes Bauteil"}));
  Find<QAction>("MItemHeadLanguageEnglish")->trigger();
  EXPECT_EQ(FForm->VekProject()->GetProject(), "unbenanntes bauvorhaben");
  EXPECT_EQ(FForm->VekProject()->GetVekComponentList()[0]->GetComponent(),
            "Unnamed construction member");
}

TEST_F(TMainFormTest, TabFollowsTheNumberedOrderAndWrapsToNumberTwo) {
  EXPECT_EQ(FForm->MaxTabOrder(), 112);
  EXPECT_EQ(TabNumber(Find<QObject>("ExpanderPSMResult")), 111);
  struct TCase {
    const char* From;
    QWidget* (*Expected)(const TMainForm&);
  };
  const TCase cases[] = {
      // 112 is a menu item, which never takes the focus; 1 is the menu bar.
      {"ExpanderPSMResult",
       [](const TMainForm& f) -> QWidget* { return f.ExpanderPSMProject->Header(); }},
      {"WHeightNumBx", [](const TMainForm& f) -> QWidget* { return f.WLengthNumBx; }},
      // The special-size edits are hidden: the size box continues with the length box.
      {"CBoxAnchorSize", [](const TMainForm& f) -> QWidget* { return f.CBoxAnchorLength; }},
      // Only the current view takes part; its tab bar takes the focus.
      {"BtVekResult",
       [](const TMainForm& f) -> QWidget* { return f.TabControlDrawArea->tabBar(); }},
  };
  for (const TCase& testCase : cases) {
    auto* from = Find<QWidget>(testCase.From);
    from->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), testCase.Expected(*FForm)) << testCase.From;
  }
}

TEST_F(TMainFormTest, EnterInANumberBoxCommitsAndMovesOn) {
  Type(FForm->WHeightNumBx, QStringLiteral("1500"));
  EXPECT_EQ(QApplication::focusWidget(), FForm->WLengthNumBx);
  EXPECT_EQ(FForm->SelectedVek().GetH_br(), 1500);
}

TEST_F(TMainFormTest, ArrowKeysLeaveTheSelectedComponent) {
  FForm->ApplyProject(ProjectWithComponents("Bau", {"A", "B", "C"}));
  auto* list = Find<QListWidget>("LBoxVekProjectComponent");
  ASSERT_EQ(list->currentRow(), 2);
  list->setFocus();
  for (Qt::Key key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_Right}) {
    QTest::keyClick(list, key);
    EXPECT_EQ(list->currentRow(), 2) << key;
  }
  EXPECT_EQ(FForm->SelectedVekComponentIndex(), 2);
}

TEST_F(TMainFormTest, ResizeSnapsBackToTheSmallestSize) {
  EXPECT_EQ(FForm->size(), QSize(1000, 732));
  FForm->resize(900, 600);
  EXPECT_EQ(FForm->size(), QSize(1000, 730));
  FForm->resize(1200, 700);
  EXPECT_EQ(FForm->size(), QSize(1200, 730));
}

TEST_F(TMainFormTest, AdminModeAddsAndRemovesTheNonStandardSize) {
  QComboBox* size = FForm->CBoxAnchorSize;
  EXPECT_EQ(size->count(), 9);
  TVEKSettings settings = FSettings.GetSetttings();
  settings.IsPassword = true;
  FSettings.SetSettings(settings);
  FForm->OnActivateForm();
  ASSERT_EQ(size->count(), 10);
  EXPECT_EQ(size->itemText(9), QStringLiteral("nicht-standard"));
  EXPECT_TRUE(FForm->MItemHeadPrint->isEnabled());

  size->setCurrentIndex(9);
  EXPECT_TRUE(FForm->PanelAnchorSpecialSize->isVisibleTo(FForm.get()));
  settings.IsPassword = false;
  FSettings.SetSettings(settings);
  FForm->OnActivateForm();
  EXPECT_EQ(size->count(), 9);
  EXPECT_EQ(size->currentIndex(), 0);
  EXPECT_TRUE(FForm->SelectedVek().GetModelAutomatic());
  EXPECT_FALSE(FForm->PanelAnchorSpecialSize->isVisibleTo(FForm.get()));
  EXPECT_FALSE(FForm->MItemHeadPrint->isEnabled());
}

TEST_F(TMainFormTest, ViewsFollowTheAnchorStyle) {
  QTabWidget* tabs = FForm->TabControlDrawArea;
  const auto visibleTabs = [tabs] {
    QStringList names;
    for (int i = 0; i < tabs->count(); ++i) {
      if (tabs->isTabVisible(i)) {
        names << tabs->widget(i)->objectName();
      }
    }
    return names;
  };
  const QStringList normal = {"TabSideViewNormalGeo", "TabPlanViewGeo"};
  const QStringList attic = {"TabSideViewAtticaGeo", "TabPlanViewGeo"};
  EXPECT_EQ(visibleTabs(), normal);
  EXPECT_EQ(tabs->currentWidget(), FForm->TabSideViewNormalGeo);
  EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("Seitenansicht"));

  FForm->CBoxAnchorVersion->setCurrentIndex(1);
  EXPECT_EQ(visibleTabs(), attic);
  EXPECT_EQ(tabs->currentWidget(), FForm->TabSideViewAtticaGeo);
  EXPECT_EQ(FForm->SelectedVek().GetAnchorVersion(), TVEKAnchorVersion::ATTIKA);

  // Entering the concrete grade brings the side view back; the length box changes no tab.
  tabs->setCurrentWidget(FForm->TabPlanViewGeo);
  FForm->WLengthNumBx->setFocus();
  EXPECT_EQ(tabs->currentWidget(), FForm->TabPlanViewGeo);
  FForm->CBoxWallParapetConcreteQuality->setFocus();
  EXPECT_EQ(tabs->currentWidget(), FForm->TabSideViewAtticaGeo);

  FForm->CBoxAnchorVersion->setCurrentIndex(0);
  EXPECT_EQ(visibleTabs(), normal);
  EXPECT_EQ(tabs->currentWidget(), FForm->TabSideViewNormalGeo);
}

TEST_F(TMainFormTest, CollapsedGroupsFollowTheViewOptionOnActivation) {
  TVEKSettings settings = FSettings.GetSetttings();
  ASSERT_TRUE(settings.IsInit);
  settings.IsExpander = false;
  FSettings.SetSettings(settings);
  FForm->OnActivateForm();
  for (const TExpander* expander :
       {FForm->ExpanderPSMProject, FForm->ExpanderPSMAnchor, FForm->ExpanderPSMWall,
        FForm->ExpanderPSMWorkload, FForm->ExpanderPSMResult}) {
    EXPECT_FALSE(expander->IsExpanded()) << expander->objectName().toStdString();
  }
}

}  // namespace
}  // namespace vek
