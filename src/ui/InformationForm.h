#pragma once

#include <functional>
#include <map>

#include <QDialog>
#include <QUrl>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace vek {

// Release data, the maker's and the developer's addresses and the legal
// texts; shown non-modally from the main window's menu.
class TInformationForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 592;
  static constexpr int kClientHeight = 500;

  explicit TInformationForm(QWidget* parent = nullptr);

  // Texts of the current language.
  void TranslationToFormObjects();

  // Replaces how web addresses are opened (tests); the default hands them to
  // the desktop's browser.
  void SetUrlOpener(std::function<void(const QUrl&)> opener);

  void OnClickOK();
  void OnClickWebTrevask();
  void OnClickWebCoder();
  void OnClickWebImpressum();
  void OnClickWebLegalNote();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* NewLabel(const char* name, QWidget* parent);
  QLabel* NewLink(const char* name, QWidget* parent, void (TInformationForm::*onClick)());
  QPlainTextEdit* NewMemo(const char* name, QWidget* parent);
  QWidget* BuildProgramInfo();
  QWidget* BuildImpressum();
  void OpenUrl(const QString& address);

  std::function<void(const QUrl&)> FOpenUrl;
  // What a click on each link label does.
  std::map<const QObject*, void (TInformationForm::*)()> FLinkHandlers;
  QTabWidget* FTabControl;
  QWidget* FTabItemPrgInfo;
  QWidget* FTabItemImpressum;
  QWidget* FTabItemDataProtection;
  QWidget* FTabItemTermsOfUse;
  QWidget* FTabItemLicenses;
  QLabel* FLblInfoTrevaskDescription = nullptr;
  QLabel* FLblInfoTrevaskWebsite = nullptr;
  QLabel* FLblInfoCoderDescription = nullptr;
  QLabel* FLblInfoCoderWebsite = nullptr;
  QLabel* FLblInfoReleaseVersion = nullptr;
  QLabel* FLblReleaseVersion = nullptr;
  QLabel* FLblInfoReleaseDate = nullptr;
  QLabel* FLblReleaseDate = nullptr;
  QLabel* FLblImpressumText = nullptr;
  QPlainTextEdit* FMemoDataProtection;
  QPlainTextEdit* FMemoTermsOfUse;
  QPlainTextEdit* FMemoLicenses;
  QPushButton* FBtOK;
};

}  // namespace vek
