#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "language/DictionaryEnglish.h"
#include "language/DictionaryGerman.h"
#include "language/Language.h"
#include "ui/HintCallout.h"
#include "ui/InformationForm.h"
#include "ui/OperatorMaterial.h"
#include "ui/SplashScreen.h"
#include "ui/ViewPictures.h"

namespace vek {
namespace {

// English for one test; German again after it, as at every start.
struct TEnglishScope {
  TEnglishScope() { Language().SetDictionary(std::make_shared<TDictionaryEnglish>()); }
  ~TEnglishScope() { Language().SetDictionary(std::make_shared<TDictionaryGerman>()); }
};

TEST(SplashScreen, FadesInAndOutThenClosesAndLetsTheMainWindowShow) {
  TSplashScreenForm splash(nullptr, {100, 300, 100, 500});
  QSignalSpy mayShow(&splash, &TSplashScreenForm::MainWindowMayShow);
  EXPECT_EQ(splash.size(), QSize(796, 596));
  EXPECT_EQ(splash.PictureOpacity(), 0.0);
  splash.show();
  QElapsedTimer clock;
  clock.start();
  QTest::qWait(200);  // faded in, waiting for the fade-out
  EXPECT_DOUBLE_EQ(splash.PictureOpacity(), 1.0);
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(mayShow.count(), 0);
  ASSERT_TRUE(mayShow.wait(2000));
  EXPECT_GE(clock.elapsed(), 450);
  EXPECT_FALSE(splash.isVisible());
  EXPECT_FALSE(splash.IsTimerActive());
  EXPECT_LT(splash.PictureOpacity(), 0.05);
  QTest::qWait(100);
  EXPECT_EQ(mayShow.count(), 1);
}

// Hints on a small form; times shortened.
struct THintFixture : ::testing::Test {
  void SetUp() override {
    Form.resize(400, 300);
    Control = new QLabel("label", &Form);
    Control->setGeometry(20, 30, 80, 20);
    Callout.SetTimes(50, 200);
    Callout.Register(Control, "TTipHeadNew");
    Form.show();
  }
  void Enter() {
    QEnterEvent enter(QPointF(5, 5), QPointF(25, 35), QPointF(25, 35));
    QCoreApplication::sendEvent(Control, &enter);
  }
  void Leave() {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(Control, &leave);
  }

  QWidget Form;
  QLabel* Control = nullptr;
  THintCallout Callout;
};

TEST_F(THintFixture, ShowsBelowTheControlAfterTheDelayAndHidesAfterTheDisplayTime) {
  Enter();
  EXPECT_FALSE(Callout.IsShown());
  QTest::qWait(120);
  ASSERT_TRUE(Callout.IsShown());
  EXPECT_EQ(Callout.Text(), "Neues Projekt");
  EXPECT_EQ(Callout.Callout()->parentWidget(), &Form);
  EXPECT_EQ(Callout.Callout()->pos(), QPoint(20, 30 + 20 + THintCallout::kGap));
  EXPECT_EQ(Callout.Callout()->size(), QSize(THintCallout::kWidth, THintCallout::kHeight));
  QTest::qWait(300);
  EXPECT_FALSE(Callout.IsShown());
  EXPECT_EQ(Callout.Callout(), nullptr);
}

TEST_F(THintFixture, HidesWhenTheMouseLeavesAndNeverShowsWhenItLeavesEarly) {
  Enter();
  QTest::qWait(120);
  ASSERT_TRUE(Callout.IsShown());
  Leave();
  EXPECT_FALSE(Callout.IsShown());
  Enter();
  Leave();
  QTest::qWait(120);
  EXPECT_FALSE(Callout.IsShown());
}

TEST_F(THintFixture, TakesTheTextOfTheCurrentLanguage) {
  TEnglishScope english;
  Enter();
  QTest::qWait(120);
  EXPECT_EQ(Callout.Text(), "New project");
}

TEST(HintCallout, ShowsTheHintOfAMenuBarEntryBelowIt) {
  QMainWindow window;
  window.resize(500, 300);
  QAction* item = window.menuBar()->addAction("Neu");
  window.menuBar()->addAction("Öffnen");
  THintCallout callout;
  callout.SetTimes(30, 1000);
  callout.Register(item, window.menuBar(), "TTipHeadNew");
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QRect entry = window.menuBar()->actionGeometry(item);
  QTest::mouseMove(window.menuBar(), entry.center());
  QTest::qWait(100);
  ASSERT_TRUE(callout.IsShown());
  EXPECT_EQ(callout.Text(), "Neues Projekt");
  const QPoint below = window.menuBar()->mapTo(&window, entry.bottomLeft());
  EXPECT_EQ(callout.Callout()->pos(), below + QPoint(0, 1 + THintCallout::kGap));
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(window.menuBar(), &leave);
  EXPECT_FALSE(callout.IsShown());
}

TEST(InformationForm, ShowsTheReleaseTheTabsAndOpensTheLinks) {
  TInformationForm form;
  std::vector<QUrl> opened;
  form.SetUrlOpener([&](const QUrl& url) { opened.push_back(url); });
  EXPECT_EQ(form.findChild<QLabel*>("LblReleaseVersion")->text(), "2.0.0");
  EXPECT_EQ(form.findChild<QLabel*>("LblReleaseDate")->text(), "2026-05-27");
  EXPECT_EQ(form.size(), QSize(592, 500));
  auto* tabs = form.findChild<QTabWidget*>();
  ASSERT_EQ(tabs->count(), 5);
  EXPECT_EQ(tabs->tabText(0), "Programminformation");
  EXPECT_EQ(tabs->tabText(1), "Impressum");
  for (const char* memo : {"MemoDataProtection", "MemoTermsOfUse", "MemoLicenses"}) {
    EXPECT_TRUE(form.findChild<QPlainTextEdit*>(memo)->toPlainText().contains("Musterfirma"))
        << memo;
  }
  EXPECT_TRUE(form.findChild<QLabel*>("LblInfoTrevaskDescription")->text().contains("\n\n"));
  form.show();
  tabs->setCurrentIndex(1);
  const std::pair<const char*, QString> links[] = {
      {"LblReleaseVersion", OperatorLinks().CoderURL},
      {"LblInfoReleaseDate", OperatorLinks().CoderURL},
      {"LblInfoCoderWebsite", OperatorLinks().CoderURL},
      {"LblInfoTrevaskWebsite", "https://www.example.com"},
      {"LblWebImpressum", OperatorLinks().ImpressumURL},
      {"LblWebLegalNote", OperatorLinks().LegalNoteURL},
  };
  for (const auto& [label, url] : links) {
    opened.clear();
    QTest::mouseClick(form.findChild<QLabel*>(label), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u) << label;
    EXPECT_EQ(opened[0], QUrl(url)) << label;
  }
  EXPECT_FALSE(OperatorLinks().ImpressumURL.isEmpty());

  {
    TEnglishScope english;
    form.TranslationToFormObjects();
    EXPECT_EQ(tabs->tabText(0), "Program information");
    EXPECT_EQ(form.findChild<QPushButton*>("BtOK")->text(), "OK");
    EXPECT_TRUE(form.findChild<QPlainTextEdit*>("MemoTermsOfUse")
                    ->toPlainText()
                    .startsWith("Terms of use"));
  }
  form.findChild<QPushButton*>("BtOK")->click();
  EXPECT_FALSE(form.isVisible());
}

TEST(ViewPictures, EveryTabHasADrawingThatLoads) {
  for (const TViewPictureEntry& entry : kViewPictures) {
    TViewPicture picture(ViewPicturePath(entry.TabName));
    EXPECT_TRUE(picture.IsValid()) << entry.TabName;
  }
  EXPECT_TRUE(ViewPicturePath("TabSomethingElse").isEmpty());
}

TEST(OperatorMaterial, PicturesAndDocumentsAreBuiltIn) {
  for (const char* path : {kMakerLogo, kCoderLogo, kSplashPicture}) {
    EXPECT_FALSE(OperatorPicture(path, {200, 100}).isNull()) << path;
  }
  for (const char* name :
       {kTermsOfUseDocument, kDataProtectionDocument, kLicensesDocument, kImpressumDocument}) {
    EXPECT_FALSE(OperatorDocument(name, true).isEmpty()) << name;
    EXPECT_FALSE(OperatorDocument(name, false).isEmpty()) << name;
  }
}

}  // namespace
}  // namespace vek
