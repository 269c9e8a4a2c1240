#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include "engine/Vek.h"
#include "project/VekProject.h"
#include "settings/VekSettings.h"
#include "ui/VekIDListBoxItem.h"

class QAction;
class QComboBox;
class QDoubleSpinBox;
class QFrame;
class QGroupBox;
class QLabel;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace vek {

class TExpander;
class TSelectAllOnClick;
class TVekCheckBox;
class TVekRadioButton;
class TForm2;
class TVekProjectSettingsForm;

// The main window: the menu bar, the side panel with the input groups bound to the
// selected component's design case, and the drawing area with the views and the
// project header. It only translates between its controls and the design case.
class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 1000;
  static constexpr int kClientHeight = 732;
  static constexpr int kMinWidth = 1000;
  static constexpr int kMinHeight = 730;
  static constexpr int kSpecialSizeEditCount = 34;

  // The settings live as long as the program; the window reads and writes them.
  explicit TMainForm(TVEKSettingsStore& settings, QWidget* parent = nullptr);
  ~TMainForm() override;

  // The window shown instead of this one on its first show; it shows this window
  // again when it is done. None: the first show shows this window at once.
  void SetSplashScreen(QWidget* splash) { FSplashScreen = splash; }
  // The information dialog of the menu, and whatever has texts of its own to refresh
  // when the language changes.
  void SetInformationForm(QWidget* informationForm) { FInformationForm = informationForm; }
  // Runs after every translation of this window, so that another window that exists
  // refreshes its texts too.
  void AddTranslationTarget(std::function<void()> translate);

  // --- Lifecycle ---
  void OnShowForm();
  void OnActivateForm();
  void OnResizeForm();
  // Whether the window may close; the save question joins here with the save commands.
  bool OnFormClose();
  void OnClickMenuChangeLanguage(QAction* item);
  void TranslationToFormObjects();
  void TranslateDefaultNames();
  void RefreshProjectTexts();
  void UpdateNonStandardSizeItem();
  void SetAllExpanders(bool value);
  int OnShowCount() const { return FOnShowCount; }
  bool IsLanguageChange() const { return FIsLanguageChange; }
  int MaxTabOrder() const { return FMaxTabOrder; }

  // --- Project (the commands of the project list build on these) ---
  void NewProject();
  void ApplyProject(std::unique_ptr<TVekProject> project);
  void AddNewProjectComponent();
  void AddComponentListItem(const TVekComponent& component);
  void OnClickProjectComponentItem();
  const TVekProject* VekProject() const { return FVekProject.get(); }
  int SelectedVekComponentIndex() const { return FSelectedVekComponentIndex; }
  // The design case of the selected component; without a selection a new default
  // design case that nobody keeps.
  TVek& SelectedVek();
  // Position mark for a component added after the one with mark lastPosition (none:
  // the first component of the project).
  static std::string ProposePositionMark(const TVekProject& project,
                                         const std::string* lastPosition,
                                         const std::string& defaultPosition);

  // --- Project commands (MainFormComponents.cpp, MainFormFiles.cpp) ---
  // The dialogs of the program; without them the window makes its own when first needed.
  void SetProjectSettingsForm(TVekProjectSettingsForm* form) { FProjectSettingsForm = form; }
  void SetResultSelectionForm(TForm2* form) { FResultSelectionForm = form; }
  TVekProjectSettingsForm* ProjectSettingsForm();
  TForm2* ResultSelectionForm();
  // A file dialog answers the chosen file name, or nothing when it was cancelled; it
  // gets the proposed name. Tests replace the platform's dialogs with these.
  using TFileDialog = std::function<QString(const QString& proposedName)>;
  void SetFileDialogs(TFileDialog openDialog, TFileDialog saveDialog);
  void OnClickMenuNew();
  void OnClickMenuOpen();
  void OnClickMenuSave();
  void OnClickMenuSaveAs();
  // Opens the file; without a name the open dialog asks for one.
  void OpenProject(const QString& fileName = QString());
  // Whether the project was written.
  bool SaveProject();
  bool SaveProjectAs();
  // Whether the caller may go on and replace or leave the project.
  bool AskSaveChanges();
  void PanelDragDropDragDrop(const QStringList& fileNames);
  void OnClickNewProjectComponent();
  void OnClickDeleteProjectComponent();
  void CommitComponentEdits();
  void OnReturnVekComponent() { CommitComponentEdits(); }
  void OnExitChangeVekComponent() { CommitComponentEdits(); }
  void OnClickShowVekProjectSettings();
  const QString& Filename() const { return FFilename; }
  bool IsChangeForSave() const { return FIsChangeForSave; }

  // --- Calculation and result display (MainFormCalculate.cpp) ---
  void OnClickCalculateVEK();
  void OnClickShowResult();
  void CalculateSelectedComponent();
  // True when every input the calculation needs is there; paints the labels of the
  // missing ones crimson and, with report, lists them in an error box.
  bool CheckInputsComplete(bool report);
  void ShowResultState();

  // --- Inputs ---
  void ShowVekInputs();
  void ShowSpecialAnchor();
  void WriteInputsToVek();
  void ResetInputLabelColors();

  // --- Views ---
  void SetViewMode(const QString& Na, const QString& Gl);
  void SetViewModeGeo();
  void SetViewModeLoads();
  void OnEnterWallInput();
  // Sum of the heights of the panel's visible child panels plus 30.
  static int PanelContentHeight(const QWidget* panel);

 protected:
  void setVisible(bool visible) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // --- Creation (MainFormCreate.cpp and the panel files) ---
  void CreateMenu();
  void CreateSidePanel();
  QWidget* CreateProjectPanel();
  QWidget* CreateAnchorPanel();
  QWidget* CreateWallPanel();
  QWidget* CreateCeilingWallPanel();
  QWidget* CreateFixturesPanel();
  QWidget* CreateResultPanel();
  QWidget* CreateWorkloadPanel();
  QWidget* CreateWindDirectTab();
  QWidget* CreateWindSimplifiedTab();
  QWidget* CreateTemperatureTab();
  QWidget* CreateLiveLoadTab();
  void CreateDrawArea();
  QWidget* CreateViewPage(const QString& tabName, const QString& imageName);
  void CreateRuntimeControls();
  void ConnectInputHandlers();
  void ConnectWindHandlers();
  void ConnectProjectCommands();
  // Writes the project under the name; throws when it cannot.
  void SaveProjectToFile(const QString& fileName);
  void SetTabOrder();
  void RegisterHints();
  void ResizeAnchorGroup();
  void ShowSpecialAnchor(const TVek& vek);

  // --- Keyboard ---
  bool OnKeyDown(QWidget* target, QKeyEvent* event);
  // Tab number of the focused control (through focus proxies and parents); 0 for none.
  int FocusedTabNumber() const;

  // --- Change handlers (MainFormInputs.cpp) ---
  // Common steps 1 and 2: the EDIT signal and the result refresh.
  void OnChangeValue();
  void OnChangeAnchorSize();
  void OnChangeAnchorLength();
  void OnChangeAnchorSpecialLength();
  void OnChangeAnchorT();
  void OnChangeAnchorVersion();
  void OnChangeBtValue();
  void OnChangeAnchorRebar();
  void OnChangeConcreteQuality();
  void OnChangeWallHeight();
  void OnChangeWallLength();
  void OnChangeWallWeight();
  void OnChangeWallGap();
  void OnChangeWallMiddleX();
  void OnChangeWallGapE();
  void OnChangeNumValidationMinValueForMM(QLineEdit* edit);
  void OnChangeNumValidationMinValueForM(QLineEdit* edit);
  void OnChangeNumValidationMinValueForTwoDP(QLineEdit* edit);
  void OnChangeTrackingNumValidation(QLineEdit* edit);
  // Key filter, live check and select-on-first-click of a numeric edit field.
  void AttachNumericEdit(QLineEdit* edit, bool noFloatNumbers);
  // L_0 from the gap box (gap rules, step 3).
  void WriteWallGapToVek();
  void ShowInputError(const char* key);
  void ShowInputInformation(const char* key);

  // --- Load group (MainFormWind.cpp) ---
  void OnChangeWindInGermany();
  void OnChangeWindInternational();
  void OnChangeIdentifyVEKQp(QComboBox* sender);
  void ShowWindPressure();
  void OnClickWorkloadDetachedGroup(TVekRadioButton* sender);
  void OnChangeWorkloadDetachedUnknownValues();
  void OnChangeWorkloadNotDetachedUnknownValues();
  void FillRegionList();
  void SelectRegionEntry(TVEKRegion region);
  const TVekIDListBoxItem& RegionEntry(TVEKRegion region) const;

  // --- Helpers ---
  QString Text(const char* key) const;
  static QString DisplayText(const std::string& text);
  static QString FormatNumber(double value);
  static bool HoldsNumber(const QLineEdit* edit, double& value);
  void SetNumberText(QLineEdit* edit, double value);
  // A name shown from its start, also when it is longer than its field.
  static void SetEditText(QLineEdit* edit, const QString& text);
  bool IsAdminMode() const;
  // Text of a control or of a combo-box entry, found by its name.
  void SetControlText(const QString& name, const QString& text);

  // --- State ---
  TVEKSettingsStore& FSettings;
  bool FIsLanguageChange = false;
  int FOnShowCount = 0;
  bool FIsChangeForSave = false;
  QString FFilename;
  std::unique_ptr<TVekProject> FVekProject;
  int FSelectedVekComponentIndex = -1;
  int FMaxTabOrder = 112;
  bool FIsExpanderExpanded = true;
  std::unique_ptr<TVek> FUnkeptVek;
  // While the window fills the panels from a design case, its own writes into the
  // boxes raise no message boxes.
  bool FIsFillingPanels = false;
  QWidget* FSplashScreen = nullptr;
  QWidget* FInformationForm = nullptr;
  std::vector<std::function<void()>> FTranslationTargets;
  // Set while the first show waits behind the splash screen.
  bool FIsBehindSplash = false;
  TSelectAllOnClick* FSelectAll = nullptr;
  TVekProjectSettingsForm* FProjectSettingsForm = nullptr;
  TForm2* FResultSelectionForm = nullptr;
  TFileDialog FOpenFileDialog;
  TFileDialog FSaveFileDialog;
  // Set while the component edits are taken over, so that the focus leaving an edit
  // for the error box does not take them over again.
  bool FIsCommittingComponentEdits = false;

 public:
  // --- Controls (object names equal the member names) ---
  QWidget* PanelDragDrop = nullptr;
  QWidget* PanelHeadMenu = nullptr;
  QLabel* ImgTrevask = nullptr;
  QMenuBar* MBarHead = nullptr;
  QAction* MItemHeadNew = nullptr;
  QAction* MItemHeadOpen = nullptr;
  QAction* MItemHeadSave = nullptr;
  QAction* MItemHeadSaveAs = nullptr;
  QAction* MItemHeadCalculate = nullptr;
  QAction* MItemHeadPrint = nullptr;
  QAction* MItemHeadPrintDocs = nullptr;
  QAction* MItemHeadPrintTenderText = nullptr;
  QAction* MItemHeadPrintPartsList = nullptr;
  QAction* MItemHeadDocs = nullptr;
  QAction* MItemHeadBim = nullptr;
  QAction* MItemHeadOptions = nullptr;
  QAction* MItemHeadUpdate = nullptr;
  QAction* MItemHeadInfos = nullptr;
  QAction* MItemHeadLanguage = nullptr;
  QAction* MItemHeadLanguageGerman = nullptr;
  QAction* MItemHeadLanguageEnglish = nullptr;
  QAction* MItemHeadWeb = nullptr;
  QMenu* MenuHeadPrintDocs = nullptr;
  QMenu* MenuHeadLanguage = nullptr;

  QWidget* PanelSideMenu = nullptr;
  QScrollArea* VertScrollBoxPSM = nullptr;
  TExpander* ExpanderPSMProject = nullptr;
  TExpander* ExpanderPSMAnchor = nullptr;
  TExpander* ExpanderPSMWall = nullptr;
  TExpander* ExpanderPSMFixtures = nullptr;
  TExpander* ExpanderPSMCeilingWall = nullptr;
  TExpander* ExpanderPSMResult = nullptr;
  TExpander* ExpanderPSMWorkload = nullptr;

  // Project group
  QLabel* LblProject = nullptr;
  QLabel* LblProjectName = nullptr;
  QToolButton* BtProjectSettings = nullptr;
  QListWidget* LBoxVekProjectComponent = nullptr;
  QToolButton* BtNewProjectComponent = nullptr;
  QToolButton* BtDeletSelectedProjectComponent = nullptr;
  QLineEdit* EditSelectedProjectComponent = nullptr;
  QLineEdit* EditSelectedProjectComponentPosition = nullptr;
  QLineEdit* EditSelectedProjectComponentQuantity = nullptr;

  // Anchor group
  QWidget* PanelPSMAnchor = nullptr;
  QWidget* PanelAnchorSpecialSize = nullptr;
  QWidget* PanelAnchorSpecialLength = nullptr;
  QComboBox* CBoxAnchorSize = nullptr;
  std::array<QLineEdit*, kSpecialSizeEditCount> SpecialSizeEdits{};
  QLineEdit* EditAnchorT = nullptr;
  QComboBox* CBoxAnchorLength = nullptr;
  QSpinBox* AnchorLengthNumBx = nullptr;
  QComboBox* CBoxAnchorVersion = nullptr;
  QComboBox* CBoxAnchorAdjustable = nullptr;
  QComboBox* CBoxAnchorReinforcement = nullptr;

  // Façade-panel group
  QSpinBox* WHeightNumBx = nullptr;
  QSpinBox* WLengthNumBx = nullptr;
  QSpinBox* WWeightNumBx = nullptr;
  QSpinBox* WGapNumBx = nullptr;
  QSpinBox* WMidXNumBx = nullptr;
  QSpinBox* WGapENumBx = nullptr;
  QComboBox* CBoxWallParapetConcreteQuality = nullptr;

  // Slab group (hidden)
  QComboBox* CBoxCeilingWallCeilingTileConcreteQuality = nullptr;
  QComboBox* CBoxCeilingWallAnchoringBase = nullptr;
  QLineEdit* EditCeilingWallConcreteThickness = nullptr;

  // Fastener group (hidden)
  QWidget* PanelPSMFixtures = nullptr;
  TVekRadioButton* RadioBtFixturesSpecialScrew = nullptr;
  TVekRadioButton* RadioBtFixturesDowel = nullptr;
  TVekRadioButton* RadioBtFixturesStainlessSteel = nullptr;
  TVekRadioButton* RadioBtFixturesGalvanizedSteel = nullptr;

  // Result group
  QFrame* PanelResult = nullptr;
  QLabel* LblResult = nullptr;
  QToolButton* BtVekResult = nullptr;

  // Load group
  QTabWidget* TabControlPSMWorkload = nullptr;
  QWidget* TabItemWorkloadWind = nullptr;
  QWidget* TabItemWindIN = nullptr;
  QWidget* TabItemWorkloadTemperature = nullptr;
  QWidget* TabItemWorkloadLiveLoad = nullptr;
  QDoubleSpinBox* WindPNumBx = nullptr;
  QDoubleSpinBox* WindNNumBx = nullptr;
  QGroupBox* GBoxWindLoad = nullptr;
  QComboBox* CBoxWorkloadWindBuildingHeight = nullptr;
  QComboBox* CBoxWorkloadWindZone = nullptr;
  QComboBox* CBoxWorkloadWindRegion = nullptr;
  QLabel* LblWorkloadWindRegion = nullptr;
  QLineEdit* EditWorkloadWindPressure = nullptr;
  QGroupBox* GroupBoxWorkloadDetached = nullptr;
  QWidget* PanelNotDetached = nullptr;
  QLineEdit* EditWorkloadDistanceShadingWall = nullptr;
  QLineEdit* EditWorkloadHeightShadingWall = nullptr;
  QLineEdit* EditWorkloadHeightAboveGround = nullptr;
  QLineEdit* EditWorkloadBuildingHeight = nullptr;
  QLineEdit* EditWorkloadBuildingDepth = nullptr;
  QComboBox* CBoxWorkloadBuildingArea = nullptr;
  QDoubleSpinBox* TempDiffNumBx = nullptr;
  QDoubleSpinBox* Qh1NumBx = nullptr;
  QDoubleSpinBox* Qh2NumBx = nullptr;
  QDoubleSpinBox* Qv1NumBx = nullptr;
  QDoubleSpinBox* Qv2NumBx = nullptr;
  QSpinBox* Az1NumBx = nullptr;
  QSpinBox* Az2NumBx = nullptr;
  QSpinBox* Ay1NumBx = nullptr;
  QSpinBox* Ay2NumBx = nullptr;

  // Run-time check boxes and radio buttons of the load group
  TVekCheckBox* ChBoxWindInGermanyValues = nullptr;
  TVekCheckBox* ChBoxWindInternationalValues = nullptr;
  TVekCheckBox* ChBoxWorkloadDetachedUnknownValues = nullptr;
  TVekCheckBox* ChBoxWorkloadNotDetachedUnknownValues = nullptr;
  TVekRadioButton* RadioBtWorkloadDetached = nullptr;
  TVekRadioButton* RadioBtWorkloadNotDetached = nullptr;

  // Drawing area
  QWidget* PanelDrawArea = nullptr;
  QLineEdit* EditDrawAreaProject = nullptr;
  QLineEdit* EditDrawAreaComponent = nullptr;
  QLineEdit* EditDrawAreaPosition = nullptr;
  QTabWidget* TabControlDrawArea = nullptr;
  QWidget* TabSideViewAtticaLoads = nullptr;
  QWidget* TabSideViewAtticaGeo = nullptr;
  QWidget* TabSideViewNormalGeo = nullptr;
  QWidget* TabPlanViewGeo = nullptr;
  QWidget* TabSideViewNormalLoads = nullptr;
  QWidget* TabPlanViewLoads = nullptr;

  // Region entries; the IDs are the ordinals of TVEKRegion.
  TVekIDListBoxItem LBoxItemWindRegionPleaseSelect;
  TVekIDListBoxItem LBoxItemInland;
  TVekIDListBoxItem LBoxItemNorthSeaIsland;
  TVekIDListBoxItem LBoxItemNorthSeaCoast;
  TVekIDListBoxItem LBoxItemBalticSeaIsland;
  TVekIDListBoxItem LBoxItemBalticSeaCoast;
};

}  // namespace vek
