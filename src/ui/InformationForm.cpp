#include "ui/InformationForm.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/Release.h"
#include "language/DictionaryGerman.h"
#include "language/Language.h"
#include "ui/MessageService.h"
#include "ui/OperatorMaterial.h"

namespace vek {
namespace {

constexpr QSize kMakerLogoSize(260, 64);
constexpr QSize kCoderLogoSize(180, 40);

QString Text(const char* key) {
  return DisplayText(QString::fromStdString(Language().PrintL(key)));
}

bool IsGerman() {
  return dynamic_cast<const TDictionaryGerman*>(Language().GetDictionary().get());
}

}  // namespace

TInformationForm::TInformationForm(QWidget* parent)
    : QDialog(parent),
      FOpenUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }),
      FTabControl(new QTabWidget(this)),
      FBtOK(new QPushButton(this)) {
  setObjectName("InformationForm");
  setModal(false);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* logo = NewLabel("ImgTrevask", this);
  logo->setPixmap(OperatorPicture(kMakerLogo, kMakerLogoSize));
  logo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  FTabControl->setObjectName("TabControlInformation");
  // All five titles stay in sight, also the longer German ones.
  FTabControl->setUsesScrollButtons(false);
  FTabControl->setStyleSheet("QTabBar::tab { padding: 4px 7px; }");
  FTabItemPrgInfo = BuildProgramInfo();
  FTabItemImpressum = BuildImpressum();
  FTabItemDataProtection = new QWidget;
  FTabItemTermsOfUse = new QWidget;
  FTabItemLicenses = new QWidget;
  FTabItemDataProtection->setObjectName("TabItemDataProtection");
  FTabItemTermsOfUse->setObjectName("TabItemTermsOfUse");
  FTabItemLicenses->setObjectName("TabItemLicenses");
  FMemoDataProtection = NewMemo("MemoDataProtection", FTabItemDataProtection);
  FMemoTermsOfUse = NewMemo("MemoTermsOfUse", FTabItemTermsOfUse);
  FMemoLicenses = NewMemo("MemoLicenses", FTabItemLicenses);
  for (QWidget* tab : {FTabItemPrgInfo, FTabItemImpressum, FTabItemDataProtection,
                       FTabItemTermsOfUse, FTabItemLicenses}) {
    FTabControl->addTab(tab, QString());
  }

  FBtOK->setObjectName("BtOK");
  FBtOK->setDefault(true);
  connect(FBtOK, &QPushButton::clicked, this, &TInformationForm::OnClickOK);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(FBtOK);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(logo);
  layout->addWidget(FTabControl, 1);
  layout->addLayout(buttons);

  TranslationToFormObjects();
  FLblReleaseVersion->setText(kReleaseVersion);
  FLblReleaseDate->setText(kReleaseDate);
  resize(kClientWidth, kClientHeight);
}

QLabel* TInformationForm::NewLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  return label;
}

QLabel* TInformationForm::NewLink(const char* name, QWidget* parent,
                                  void (TInformationForm::*onClick)()) {
  QLabel* label = NewLabel(name, parent);
  label->setCursor(Qt::PointingHandCursor);
  label->installEventFilter(this);
  FLinkHandlers.emplace(label, onClick);
  return label;
}

QPlainTextEdit* TInformationForm::NewMemo(const char* name, QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setReadOnly(true);
  auto* layout = new QVBoxLayout(parent);
  layout->addWidget(memo);
  return memo;
}

QWidget* TInformationForm::BuildProgramInfo() {
  auto* tab = new QWidget;
  tab->setObjectName("TabItemPrgInfo");
  FLblInfoTrevaskDescription = NewLabel("LblInfoTrevaskDescription", tab);
  FLblInfoTrevaskDescription->setWordWrap(true);
  FLblInfoTrevaskWebsite =
      NewLink("LblInfoTrevaskWebsite", tab, &TInformationForm::OnClickWebTrevask);
  FLblInfoCoderDescription = NewLabel("LblInfoCoderDescription", tab);
  FLblInfoCoderDescription->setWordWrap(true);
  FLblInfoCoderWebsite = NewLink("LblInfoCoderWebsite", tab, &TInformationForm::OnClickWebCoder);
  FLblInfoCoderWebsite->setText(OperatorLinks().CoderWebsite);
  auto* coderLogo = NewLabel("ImgCoder", tab);
  coderLogo->setPixmap(OperatorPicture(kCoderLogo, kCoderLogoSize));
  FLblInfoReleaseVersion =
      NewLink("LblInfoReleaseVersion", tab, &TInformationForm::OnClickWebCoder);
  FLblReleaseVersion = NewLink("LblReleaseVersion", tab, &TInformationForm::OnClickWebCoder);
  FLblInfoReleaseDate = NewLink("LblInfoReleaseDate", tab, &TInformationForm::OnClickWebCoder);
  FLblReleaseDate = NewLink("LblReleaseDate", tab, &TInformationForm::OnClickWebCoder);
  for (QLabel* link : {FLblInfoTrevaskWebsite, FLblInfoCoderWebsite}) {
    link->setStyleSheet("color: #1a5fb4; text-decoration: underline;");
  }

  auto* release = new QGridLayout;
  release->addWidget(FLblInfoReleaseVersion, 0, 0);
  release->addWidget(FLblReleaseVersion, 0, 1);
  release->addWidget(FLblInfoReleaseDate, 1, 0);
  release->addWidget(FLblReleaseDate, 1, 1);
  release->setColumnStretch(1, 1);
  release->setHorizontalSpacing(12);

  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->addWidget(FLblInfoTrevaskDescription);
  layout->addWidget(FLblInfoTrevaskWebsite);
  layout->addSpacing(18);
  layout->addWidget(FLblInfoCoderDescription);
  layout->addWidget(FLblInfoCoderWebsite);
  layout->addSpacing(6);
  layout->addWidget(coderLogo);
  layout->addSpacing(18);
  layout->addLayout(release);
  layout->addStretch(1);
  return tab;
}

QWidget* TInformationForm::BuildImpressum() {
  auto* tab = new QWidget;
  tab->setObjectName("TabItemImpressum");
  FLblImpressumText = NewLabel("LblImpressumText", tab);
  FLblImpressumText->setWordWrap(true);
  FLblImpressumText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QLabel* impressum = NewLink("LblWebImpressum", tab, &TInformationForm::OnClickWebImpressum);
  QLabel* legalNote = NewLink("LblWebLegalNote", tab, &TInformationForm::OnClickWebLegalNote);
  impressum->setText("Impressum");
  legalNote->setText("Legal Notice");
  for (QLabel* link : {impressum, legalNote}) {
    link->setStyleSheet("color: #1a5fb4; text-decoration: underline;");
  }
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->addWidget(FLblImpressumText);
  layout->addSpacing(12);
  layout->addWidget(impressum);
  layout->addWidget(legalNote);
  layout->addStretch(1);
  return tab;
}

void TInformationForm::TranslationToFormObjects() {
  setWindowTitle(Text("InformationForm"));
  FLblInfoTrevaskDescription->setText(Text("LblInfoTrevaskDescription") +
                                      Text("LblInfoTrevaskDescription2"));
  FLblInfoTrevaskWebsite->setText(Text("LblInfoTrevaskWebsite"));
  FLblInfoCoderDescription->setText(Text("LblInfoCoderDescription"));
  FLblInfoReleaseVersion->setText(Text("LblInfoReleaseVersion"));
  FLblInfoReleaseDate->setText(Text("LblInfoReleaseDate"));
  FBtOK->setText(Text("BtOK"));
  FTabControl->setTabText(FTabControl->indexOf(FTabItemTermsOfUse), Text("LTermsOfUse"));
  FTabControl->setTabText(FTabControl->indexOf(FTabItemLicenses), Text("LLicenses"));
  FTabControl->setTabText(FTabControl->indexOf(FTabItemDataProtection), Text("LDataProtection"));
  FTabControl->setTabText(FTabControl->indexOf(FTabItemPrgInfo), Text("LPrgInfo"));
  FTabControl->setTabText(FTabControl->indexOf(FTabItemImpressum), Text("LImpressum"));
  // The legal texts come in the operator's two languages.
  const bool german = IsGerman();
  FMemoDataProtection->setPlainText(OperatorDocument(kDataProtectionDocument, german));
  FMemoTermsOfUse->setPlainText(OperatorDocument(kTermsOfUseDocument, german));
  FMemoLicenses->setPlainText(OperatorDocument(kLicensesDocument, german));
  FLblImpressumText->setText(OperatorDocument(kImpressumDocument, german).trimmed());
}

void TInformationForm::SetUrlOpener(std::function<void(const QUrl&)> opener) {
  FOpenUrl = std::move(opener);
}

void TInformationForm::OpenUrl(const QString& address) {
  if (FOpenUrl && !address.isEmpty()) {
    FOpenUrl(QUrl(address));
  }
}

void TInformationForm::OnClickOK() {
  close();
}

void TInformationForm::OnClickWebTrevask() {
  OpenUrl(QStringLiteral("https://") + Text("LblInfoTrevaskWebsite"));
}

void TInformationForm::OnClickWebCoder() {
  OpenUrl(OperatorLinks().CoderURL);
}

void TInformationForm::OnClickWebImpressum() {
  OpenUrl(OperatorLinks().ImpressumURL);
}

void TInformationForm::OnClickWebLegalNote() {
  OpenUrl(OperatorLinks().LegalNoteURL);
}

bool TInformationForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    const auto handler = FLinkHandlers.find(watched);
    if (handler != FLinkHandlers.end()) {
      (this->*(handler->second))();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vek
