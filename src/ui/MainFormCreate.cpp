// Creation of the main window: layout, menu bar, run-time controls, keyboard order, hints.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/Expander.h"
#include "ui/FocusOrder.h"
#include "ui/HintCallout.h"
#include "ui/MainForm.h"
#include "ui/MainFormBuild.h"
#include "ui/NumValidation.h"
#include "ui/OperatorMaterial.h"
#include "ui/VekCheckBox.h"
#include "ui/VekRadioButton.h"

// The icons of the menu bar and the buttons live in the static window library.
static void InitMainFormIcons() {
  Q_INIT_RESOURCE(MainFormIcons);
}

namespace vek {

using namespace mainform;

namespace {

constexpr int kSidePanelWidth = 404;
constexpr int kMenuIconSize = 24;

// The menu bar shows its items as icons of a readable size.
class TMenuBarStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_SmallIconSize) {
      return kMenuIconSize;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

// The keyboard order of the window, numbers 1 to 112.
constexpr const char* kTabOrder[] = {
    "MBarHead",
    "ExpanderPSMProject",
    "BtProjectSettings",
    "EditSelectedProjectComponent",
    "LBoxVekProjectComponent",
    "BtNewProjectComponent",
    "EditSelectedProjectComponentPosition",
    "EditSelectedProjectComponentQuantity",
    "BtDeletSelectedProjectComponent",
    "ExpanderPSMAnchor",
    "CBoxAnchorSize",
    "EditAnchorH",
    "EditAnchorB",
    "EditAnchorB2",
    "EditAnchorT",
    "EditAnchorR",
    "EditAnchorC_nom_i",
    "EditAnchorC_nom_e",
    "EditAnchorPhi",
    "EditAnchorI",
    "EditAnchorO",
    "EditAnchorD_con",
    "EditAnchorEl_con",
    "EditAnchorA",
    "EditAnchorD_1",
    "EditAnchorA_Sp_S",
    "EditAnchorD_w",
    "EditAnchorA_sp",
    "EditAnchorB_sp",
    "EditAnchorA_tp",
    "EditAnchorT_tp",
    "EditAnchorD_s",
    "EditAnchorS",
    "EditAnchorN_t",
    "EditAnchorH_t",
    "EditAnchorB_t",
    "EditAnchorT_t",
    "EditAnchorG_t",
    "EditAnchorC_t",
    "EditAnchorEl_t",
    "EditAnchorL_t",
    "EditAnchorS_t_t_t",
    "EditAnchorD_L",
    "EditAnchorD_J",
    "CBoxAnchorLength",
    "AnchorLengthNumBx",
    "CBoxAnchorVersion",
    "CBoxAnchorAdjustable",
    "CBoxAnchorReinforcement",
    "ExpanderPSMWall",
    "WHeightNumBx",
    "WLengthNumBx",
    "WWeightNumBx",
    "WGapNumBx",
    "WMidXNumBx",
    "WGapENumBx",
    "CBoxWallParapetConcreteQuality",
    "ExpanderPSMCeilingWall",
    "BtDetailInfoGabReinforcement",
    "CBoxCeilingWallCeilingTileConcreteQuality",
    "CBoxCeilingWallAnchoringBase",
    "EditCeilingWallConcreteThickness",
    "ExpanderPSMFixtures",
    "RadioBtFixturesSpecialScrew",
    "RadioBtFixturesDowel",
    "BtDetailInfoSpecialScrew",
    "BtDetailInfoDowel",
    "RadioBtFixturesStainlessSteel",
    "RadioBtFixturesGalvanizedSteel",
    "ExpanderPSMWorkload",
    "TabItemWorkloadWind",
    "WindPNumBx",
    "WindNNumBx",
    "BtDetailInfoWind",
    "CBoxWorkloadWindBuildingHeight",
    "CBoxWorkloadWindZone",
    "BtDetailInfoWindZone",
    "CBoxWorkloadWindRegion",
    "EditWorkloadWindPressure",
    "RadioBtWorkloadDetached",
    "ChBoxWorkloadDetachedUnknownValues",
    "EditWorkloadDistanceShadingWall",
    "EditWorkloadHeightShadingWall",
    "EditWorkloadHeightAboveGround",
    "RadioBtWorkloadNotDetached",
    "ChBoxWorkloadNotDetachedUnknownValues",
    "EditWorkloadBuildingHeight",
    "EditWorkloadBuildingDepth",
    "CBoxWorkloadBuildingArea",
    "TabItemWorkloadTemperature",
    "TempDiffNumBx",
    "ImgCDetailInfoTemperature",
    "TabItemWorkloadLiveLoad",
    "Qh1NumBx",
    "Qh2NumBx",
    "Az1NumBx",
    "Az2NumBx",
    "Qv1NumBx",
    "Qv2NumBx",
    "Ay1NumBx",
    "Ay2NumBx",
    "ImgCDetailInfoQhik",
    "ImgCDetailInfoQvik",
    "BtVekResult",
    "TabSideViewAtticaGeo",
    "TabSideViewAtticaLoads",
    "TabSideViewNormalGeo",
    "TabSideViewNormalLoads",
    "TabPlanViewGeo",
    "TabPlanViewLoads",
    "ExpanderPSMResult",
    "MItemHeadNew",
};
static_assert(std::size(kTabOrder) == 112);

}  // namespace

TMainForm::TMainForm(TVEKSettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), FSettings(settings), FSelectAll(new TSelectAllOnClick(this)) {
  setObjectName(QStringLiteral("MainForm"));
  InitMainFormIcons();
  CreateMenu();
  PanelDragDrop = MakePanel(this, QStringLiteral("PanelDragDrop"));
  PanelDragDrop->setObjectName(QStringLiteral("PanelDragDrop"));
  auto* layout = new QHBoxLayout(PanelDragDrop);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  CreateSidePanel();
  CreateDrawArea();
  layout->addWidget(PanelSideMenu);
  layout->addWidget(PanelDrawArea, 1);
  setCentralWidget(PanelDragDrop);
  setMinimumSize(kMinWidth, kMinHeight);
  resize(kClientWidth, kClientHeight);
  ConnectInputHandlers();
  ConnectWindHandlers();
  ConnectProjectCommands();
  qApp->installEventFilter(this);

  // Creation handler.
  FIsLanguageChange = false;
  CreateRuntimeControls();
  RegisterHints();
  TranslationToFormObjects();
  LblResult->setText(Text("LblResultNotCalculated"));
  MItemHeadPrint->setEnabled(false);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

TMainForm::~TMainForm() {
  qApp->removeEventFilter(this);
}

void TMainForm::CreateMenu() {
  PanelHeadMenu = MakePanel(this, QStringLiteral("PanelHeadMenu"));
  auto* layout = new QHBoxLayout(PanelHeadMenu);
  layout->setContentsMargins(8, 2, 8, 2);
  ImgTrevask = new QLabel(PanelHeadMenu);
  ImgTrevask->setObjectName(QStringLiteral("ImgTrevask"));
  ImgTrevask->setPixmap(OperatorPicture(QString::fromLatin1(kMakerLogo), QSize(132, 34)));
  layout->addWidget(ImgTrevask);
  layout->addSpacing(12);

  MBarHead = new QMenuBar(PanelHeadMenu);
  MBarHead->setObjectName(QStringLiteral("MBarHead"));
  MBarHead->setNativeMenuBar(false);
  auto* style = new TMenuBarStyle;
  style->setParent(MBarHead);
  MBarHead->setStyle(style);
  layout->addWidget(MBarHead, 1);
  setMenuWidget(PanelHeadMenu);

  const auto item = [this](const char* name, const char* icon, const QKeySequence& shortcut) {
    auto* action = new QAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))),
                               QString(), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
  };
  const auto separator = [this] {
    auto* action = new QAction(QIcon(QStringLiteral(":/icons/separator.svg")), QString(), this);
    action->setEnabled(false);
    MBarHead->addAction(action);
  };

  MItemHeadNew = item("MItemHeadNew", "new", QKeySequence(Qt::CTRL | Qt::Key_N));
  MItemHeadOpen = item("MItemHeadOpen", "open", QKeySequence(Qt::CTRL | Qt::Key_O));
  MItemHeadSave = item("MItemHeadSave", "save", QKeySequence(Qt::CTRL | Qt::Key_S));
  MItemHeadSaveAs = item("MItemHeadSaveAs", "saveas", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
  MItemHeadCalculate = item("MItemHeadCalculate", "calculate", QKeySequence(Qt::Key_F9));
  MItemHeadPrint = item("MItemHeadPrint", "print", QKeySequence(Qt::Key_F3));
  MItemHeadPrintTenderText = item("MItemHeadPrintTenderText", "tendertext", QKeySequence());
  MItemHeadPrintPartsList = item("MItemHeadPrintPartsList", "partslist", QKeySequence());
  MItemHeadDocs = item("MItemHeadDocs", "docs", QKeySequence());
  MItemHeadBim = item("MItemHeadBim", "bim", QKeySequence());
  MItemHeadOptions = item("MItemHeadOptions", "options", QKeySequence(Qt::CTRL | Qt::Key_P));
  MItemHeadUpdate = item("MItemHeadUpdate", "update", QKeySequence(Qt::CTRL | Qt::Key_U));
  MItemHeadInfos = item("MItemHeadInfos", "infos", QKeySequence(Qt::CTRL | Qt::Key_I));
  MItemHeadLanguageGerman = item("MItemHeadLanguageGerman", "flag_de", QKeySequence());
  MItemHeadLanguageEnglish = item("MItemHeadLanguageEnglish", "flag_en", QKeySequence());
  MItemHeadWeb = item("MItemHeadWeb", "web", QKeySequence(Qt::CTRL | Qt::Key_W));

  MenuHeadPrintDocs = new QMenu(MBarHead);
  MenuHeadPrintDocs->setObjectName(QStringLiteral("MenuHeadPrintDocs"));
  MenuHeadPrintDocs->addAction(MItemHeadPrintTenderText);
  MenuHeadPrintDocs->addAction(MItemHeadPrintPartsList);
  MItemHeadPrintDocs = MenuHeadPrintDocs->menuAction();
  MItemHeadPrintDocs->setObjectName(QStringLiteral("MItemHeadPrintDocs"));
  MItemHeadPrintDocs->setIcon(QIcon(QStringLiteral(":/icons/printdocs.svg")));
  MItemHeadPrintDocs->setEnabled(false);

  MenuHeadLanguage = new QMenu(MBarHead);
  MenuHeadLanguage->setObjectName(QStringLiteral("MenuHeadLanguage"));
  MenuHeadLanguage->addAction(MItemHeadLanguageGerman);
  MenuHeadLanguage->addAction(MItemHeadLanguageEnglish);
  MItemHeadLanguage = MenuHeadLanguage->menuAction();
  MItemHeadLanguage->setObjectName(QStringLiteral("MItemHeadLanguage"));
  MItemHeadLanguage->setIcon(MItemHeadLanguageGerman->icon());

  MBarHead->addAction(MItemHeadNew);
  MBarHead->addAction(MItemHeadOpen);
  MBarHead->addAction(MItemHeadSave);
  MBarHead->addAction(MItemHeadSaveAs);
  separator();
  MBarHead->addAction(MItemHeadCalculate);
  MBarHead->addAction(MItemHeadPrint);
  MBarHead->addAction(MItemHeadPrintDocs);
  separator();
  MBarHead->addAction(MItemHeadDocs);
  MBarHead->addAction(MItemHeadBim);
  separator();
  MBarHead->addAction(MItemHeadOptions);
  MBarHead->addAction(MItemHeadUpdate);
  MBarHead->addAction(MItemHeadInfos);
  separator();
  MBarHead->addAction(MItemHeadLanguage);
  MBarHead->addAction(MItemHeadWeb);

  connect(MItemHeadLanguageGerman, &QAction::triggered, this,
          [this] { OnClickMenuChangeLanguage(MItemHeadLanguageGerman); });
  connect(MItemHeadLanguageEnglish, &QAction::triggered, this,
          [this] { OnClickMenuChangeLanguage(MItemHeadLanguageEnglish); });
  connect(MItemHeadInfos, &QAction::triggered, this, [this] {
    if (FInformationForm != nullptr) {
      FInformationForm->show();
      FInformationForm->raise();
    }
  });
}

void TMainForm::CreateSidePanel() {
  PanelSideMenu = MakePanel(this, QStringLiteral("PanelSideMenu"));
  PanelSideMenu->setFixedWidth(kSidePanelWidth);
  auto* sideLayout = new QVBoxLayout(PanelSideMenu);
  sideLayout->setContentsMargins(0, 0, 0, 0);
  VertScrollBoxPSM = new QScrollArea(PanelSideMenu);
  VertScrollBoxPSM->setObjectName(QStringLiteral("VertScrollBoxPSM"));
  VertScrollBoxPSM->setWidgetResizable(true);
  VertScrollBoxPSM->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  VertScrollBoxPSM->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  VertScrollBoxPSM->setFrameShape(QFrame::NoFrame);
  sideLayout->addWidget(VertScrollBoxPSM);

  auto* content = new QWidget;
  content->setObjectName(QStringLiteral("VertScrollBoxPSMContent"));
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  ExpanderPSMProject = new TExpander(QStringLiteral("ExpanderPSMProject"), CreateProjectPanel());
  ExpanderPSMAnchor = new TExpander(QStringLiteral("ExpanderPSMAnchor"), CreateAnchorPanel());
  ExpanderPSMWall = new TExpander(QStringLiteral("ExpanderPSMWall"), CreateWallPanel());
  ExpanderPSMFixtures = new TExpander(QStringLiteral("ExpanderPSMFixtures"), CreateFixturesPanel());
  ExpanderPSMCeilingWall =
      new TExpander(QStringLiteral("ExpanderPSMCeilingWall"), CreateCeilingWallPanel());
  ExpanderPSMResult = new TExpander(QStringLiteral("ExpanderPSMResult"), CreateResultPanel());
  ExpanderPSMWorkload = new TExpander(QStringLiteral("ExpanderPSMWorkload"), CreateWorkloadPanel());
  for (TExpander* expander :
       {ExpanderPSMProject, ExpanderPSMAnchor, ExpanderPSMWall, ExpanderPSMFixtures,
        ExpanderPSMCeilingWall, ExpanderPSMResult, ExpanderPSMWorkload}) {
    layout->addWidget(expander);
  }
  // The slab and fastener inputs keep their defaults or come from a project file.
  ExpanderPSMFixtures->setVisible(false);
  ExpanderPSMCeilingWall->setVisible(false);
  layout->addStretch();
  VertScrollBoxPSM->setWidget(content);
  VertScrollBoxPSM->viewport()->installEventFilter(this);
}

void TMainForm::CreateDrawArea() {
  PanelDrawArea = MakePanel(this, QStringLiteral("PanelDrawArea"));
  auto* layout = new QVBoxLayout(PanelDrawArea);
  layout->setContentsMargins(6, 4, 6, 6);
  layout->setSpacing(4);

  QWidget* header = MakePanel(PanelDrawArea, QStringLiteral("GLayoutProjectComponentGroup"));
  auto* grid = new QGridLayout(header);
  grid->setContentsMargins(0, 0, 0, 0);
  const auto headerEdit = [header](const char* name) {
    QLineEdit* edit = MakeTextEdit(header, QString::fromLatin1(name));
    edit->setEnabled(false);
    // Read-only, yet as legible as the inputs.
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     palette.color(QPalette::Active, QPalette::Text));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xF4, 0xF6, 0xF8));
    edit->setPalette(palette);
    return edit;
  };
  EditDrawAreaProject = headerEdit("EditDrawAreaProject");
  EditDrawAreaComponent = headerEdit("EditDrawAreaComponent");
  EditDrawAreaPosition = headerEdit("EditDrawAreaPosition");
  grid->addWidget(EditDrawAreaProject, 0, 0);
  grid->addWidget(EditDrawAreaComponent, 0, 1);
  grid->addWidget(EditDrawAreaPosition, 0, 2);
  for (int column = 0; column < 3; ++column) {
    grid->setColumnStretch(column, 1);
  }
  layout->addWidget(header);

  QWidget* tools = MakePanel(PanelDrawArea, QStringLiteral("PanelGraphicToolsMenu"));
  tools->setFixedHeight(4);
  layout->addWidget(tools);

  TabControlDrawArea = new QTabWidget(PanelDrawArea);
  TabControlDrawArea->setObjectName(QStringLiteral("TabControlDrawArea"));
  const auto view = [this](const char* tabName, const char* imageName) {
    QWidget* page = CreateViewPage(QString::fromLatin1(tabName), QString::fromLatin1(imageName));
    TabControlDrawArea->addTab(page, QString());
    page->setFocusProxy(TabControlDrawArea->tabBar());
    return page;
  };
  TabSideViewAtticaLoads = view("TabSideViewAtticaLoads", "ImgSideView");
  TabSideViewAtticaGeo = view("TabSideViewAtticaGeo", "ImgPlanView");
  TabSideViewNormalGeo = view("TabSideViewNormalGeo", "Image2");
  TabPlanViewGeo = view("TabPlanViewGeo", "Image1");
  TabSideViewNormalLoads = view("TabSideViewNormalLoads", "Image3");
  TabPlanViewLoads = view("TabPlanViewLoads", "Image4");
  layout->addWidget(TabControlDrawArea, 1);
}

void TMainForm::CreateRuntimeControls() {
  // Check boxes, created checked before their handlers join.
  const auto checkBox = [](QWidget* owner, const char* name, QPoint position) {
    auto* box = new TVekCheckBox(owner, true);
    box->setObjectName(QString::fromLatin1(name));
    TVekCheckBox::SetCheckBoxData(box, owner, QString::fromLatin1(name), 335, 19, position);
    box->setFocusPolicy(Qt::StrongFocus);
    return box;
  };
  ChBoxWindInGermanyValues = checkBox(TabItemWindIN, "ChBoxWindInGermanyValues", {9, 10});
  connect(ChBoxWindInGermanyValues, &QCheckBox::toggled, this, [this] { OnChangeWindInGermany(); });
  ChBoxWindInGermanyValues->setChecked(false);
  ChBoxWindInGermanyValues->setVisible(false);
  ChBoxWindInternationalValues = checkBox(GBoxWindLoad, "ChBoxWindInternationalValues", {9, 10});
  connect(ChBoxWindInternationalValues, &QCheckBox::toggled, this,
          [this] { OnChangeWindInternational(); });
  ChBoxWorkloadDetachedUnknownValues =
      checkBox(GroupBoxWorkloadDetached, "ChBoxWorkloadDetachedUnknownValues", {9, 35});
  connect(ChBoxWorkloadDetachedUnknownValues, &QCheckBox::toggled, this,
          [this] { OnChangeWorkloadDetachedUnknownValues(); });
  ChBoxWorkloadNotDetachedUnknownValues =
      checkBox(PanelNotDetached, "ChBoxWorkloadNotDetachedUnknownValues", {9, 45});
  connect(ChBoxWorkloadNotDetachedUnknownValues, &QCheckBox::toggled, this,
          [this] { OnChangeWorkloadNotDetachedUnknownValues(); });
  // The fields start in step with the checked boxes.
  OnChangeWorkloadDetachedUnknownValues();
  OnChangeWorkloadNotDetachedUnknownValues();

  // Region entries; only the please-select entry is in the list before a zone is chosen.
  LBoxItemWindRegionPleaseSelect = TVekIDListBoxItem(
      QStringLiteral("LBoxItemWindRegionPleaseSelect"), static_cast<int>(TVEKRegion::UNSET_REGION));
  LBoxItemWindRegionPleaseSelect.AddTo(CBoxWorkloadWindRegion);
  CBoxWorkloadWindRegion->setCurrentIndex(0);
  LBoxItemInland =
      TVekIDListBoxItem(QStringLiteral("LBoxItemInland"), static_cast<int>(TVEKRegion::INLAND));
  LBoxItemNorthSeaIsland = TVekIDListBoxItem(QStringLiteral("LBoxItemNorthSeaIsland"),
                                             static_cast<int>(TVEKRegion::NORTH_SEA_ISLAND));
  LBoxItemNorthSeaCoast = TVekIDListBoxItem(QStringLiteral("LBoxItemNorthSeaCoast"),
                                            static_cast<int>(TVEKRegion::NORTH_SEA_COAST));
  LBoxItemBalticSeaIsland = TVekIDListBoxItem(QStringLiteral("LBoxItemBalticSeaIsland"),
                                              static_cast<int>(TVEKRegion::BALTIC_SEA_ISLAND));
  LBoxItemBalticSeaCoast = TVekIDListBoxItem(QStringLiteral("LBoxItemBalticSeaCoast"),
                                             static_cast<int>(TVEKRegion::BALTIC_SEA_COAST));

  FIsExpanderExpanded = true;
  SetAllExpanders(true);

  // Radio groups.
  const auto radio = [](QWidget* owner, const char* name, bool checked, int width,
                        QPoint position) {
    auto* button = new TVekRadioButton(owner, checked);
    button->setObjectName(QString::fromLatin1(name));
    TVekRadioButton::SetRadioButtonData(button, owner, QString::fromLatin1(name), width, 19,
                                        position);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
  };
  RadioBtFixturesSpecialScrew =
      radio(PanelPSMFixtures, "RadioBtFixturesSpecialScrew", true, 300, {15, 48});
  RadioBtFixturesDowel = radio(PanelPSMFixtures, "RadioBtFixturesDowel", false, 300, {15, 75});
  RadioBtFixturesSpecialScrew->AddGroupMember(RadioBtFixturesDowel);
  RadioBtFixturesStainlessSteel =
      radio(PanelPSMFixtures, "RadioBtFixturesStainlessSteel", true, 345, {15, 130});
  RadioBtFixturesGalvanizedSteel =
      radio(PanelPSMFixtures, "RadioBtFixturesGalvanizedSteel", false, 345, {15, 156});
  RadioBtFixturesStainlessSteel->AddGroupMember(RadioBtFixturesGalvanizedSteel);
  RadioBtWorkloadDetached =
      radio(TabItemWorkloadWind, "RadioBtWorkloadDetached", true, 321, {9, 200});
  RadioBtWorkloadNotDetached =
      radio(TabItemWorkloadWind, "RadioBtWorkloadNotDetached", false, 321, {9, 400});
  RadioBtWorkloadDetached->AddGroupMember(RadioBtWorkloadNotDetached);
  for (TVekRadioButton* button : {RadioBtWorkloadDetached, RadioBtWorkloadNotDetached}) {
    connect(button, &QCheckBox::clicked, this,
            [this, button] { OnClickWorkloadDetachedGroup(button); });
  }
  OnClickWorkloadDetachedGroup(RadioBtWorkloadDetached);

  PanelAnchorSpecialSize->setVisible(false);
  PanelAnchorSpecialLength->setVisible(false);
  ResizeAnchorGroup();
  SetViewMode(QStringLiteral("N"), QStringLiteral("G"));
  SetTabOrder();
}

void TMainForm::SetTabOrder() {
  int number = 0;
  for (const char* name : kTabOrder) {
    ++number;
    QObject* control = findChild<QObject*>(QString::fromLatin1(name));
    Q_ASSERT(control != nullptr);
    SetTabNumber(control, number);
  }
  FMaxTabOrder = number;
}

void TMainForm::RegisterHints() {
  THintCallout& hints = HintCallout();
  const struct {
    QAction* Item;
    const char* Key;
  } menuHints[] = {
      {MItemHeadNew, "TTipHeadNew"},
      {MItemHeadOpen, "TTipHeadOpen"},
      {MItemHeadSave, "TTipHeadSave"},
      {MItemHeadSaveAs, "TTipHeadSaveAs"},
      {MItemHeadCalculate, "TTipHeadCalculate"},
      {MItemHeadPrint, "TTipHeadPrint"},
      {MItemHeadPrintDocs, "TTipHeadPrintDocs"},
      {MItemHeadDocs, "TTipHeadDocs"},
      {MItemHeadOptions, "TTipHeadOptions"},
      {MItemHeadUpdate, "TTipHeadUpdate"},
      {MItemHeadInfos, "TTipHeadInfos"},
      {MItemHeadLanguage, "TTipHeadLanguage"},
      {MItemHeadWeb, "TTipHeadWeb"},
      {MItemHeadBim, "TTipHeadBim"},
  };
  for (const auto& hint : menuHints) {
    hints.Register(hint.Item, MBarHead, hint.Key);
  }
  hints.Register(BtVekResult, "TTipVekResult");
  hints.Register(BtProjectSettings, "TTipProjectSettings");
  hints.Register(BtNewProjectComponent, "TTipNewProjectComponent");
  hints.Register(BtDeletSelectedProjectComponent, "TTipDeletSelectedProjectComponent");
  for (const char* name :
       {"ImgCDetailInfoTemperature", "ImgCDetailInfoQhik", "ImgCDetailInfoQvik"}) {
    hints.Register(findChild<QWidget*>(QString::fromLatin1(name)), name);
  }
}

void TMainForm::AttachNumericEdit(QLineEdit* edit, bool noFloatNumbers) {
  TNumKeyFilter::Install(edit, noFloatNumbers);
  FSelectAll->Attach(edit);
  connect(edit, &QLineEdit::textEdited, this,
          [this, edit] { OnChangeTrackingNumValidation(edit); });
}

}  // namespace vek
