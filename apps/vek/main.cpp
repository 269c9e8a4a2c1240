// The desktop program: the language first, then the windows in their creation order;
// the main window shows behind the splash screen on its first show.

#include <QApplication>
#include <QLocale>

#include "language/Language.h"
#include "settings/VekSettings.h"
#include "ui/HintCallout.h"
#include "ui/InformationForm.h"
#include "ui/MainForm.h"
#include "ui/ProjectSettingsForm.h"
#include "ui/RegionalFromLocale.h"
#include "ui/ResultSelectionForm.h"
#include "ui/SplashScreen.h"

int main(int argc, char* argv[]) {
  // Every start begins in German.
  vek::Language();
  QApplication app(argc, argv);
  vek::HintCallout();
  vek::FillRegionalSettings(QLocale::system());

  // The settings of the program run; the settings dialog will hold them.
  vek::TVEKSettingsStore settings;
  // The main window first: its creation runs while no other window exists.
  vek::TMainForm mainForm(settings);
  vek::TSplashScreenForm splashScreen;
  vek::TVekProjectSettingsForm projectSettingsForm(&mainForm);
  vek::TInformationForm informationForm(&mainForm);
  vek::TForm2 resultSelectionForm(&mainForm);

  mainForm.SetSplashScreen(&splashScreen);
  QObject::connect(&splashScreen, &vek::TSplashScreenForm::MainWindowMayShow, &mainForm,
                   &vek::TMainForm::show);
  mainForm.SetInformationForm(&informationForm);
  mainForm.SetProjectSettingsForm(&projectSettingsForm);
  mainForm.SetResultSelectionForm(&resultSelectionForm);
  mainForm.AddTranslationTarget([&] {
    projectSettingsForm.TranslationToFormObjects();
    informationForm.TranslationToFormObjects();
    resultSelectionForm.TranslationToFormObjects();
  });

  mainForm.show();
  return app.exec();
}
