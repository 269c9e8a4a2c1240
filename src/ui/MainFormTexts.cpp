// Texts of the main window in the current language and the default-name translation.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>

#include "language/DictionaryEnglish.h"
#include "language/DictionaryGerman.h"
#include "language/Language.h"
#include "ui/Expander.h"
#include "ui/MainForm.h"

#include "ui/MessageService.h"
#include "ui/VekIDListBoxItem.h"

namespace vek {

namespace {

// Controls whose text key is their own name.
constexpr const char* kOwnNameKeys[] = {
    "MItemHeadPrintPartsList",
    "MItemHeadPrintTenderText",
    "ExpanderPSMProject",
    "LblProject",
    "LblSelectedProjectComponent",
    "LblSelectedProjectComponentPosition",
    "LblSelectedProjectComponentQuantity",
    "ExpanderPSMAnchor",
    "LblAnchorSize",
    "LblAnchorSpecialSize",
    "LblAnchorLength",
    "LblAnchorSpecialLength",
    "LblAnchorVersion",
    "LblAnchorModality",
    "LblAnchorReinforcement",
    "ExpanderPSMWall",
    "LblWallHeight",
    "LblWallWeight",
    "LblWallGap",
    "LblWallMiddleX",
    "LblWallGapE",
    "LblWallPrecastConcrete",
    "LblWallParapetConcreteQuality",
    "ExpanderPSMCeilingWall",
    "LblCeilingWallGabReinforcement",
    "LblCeilingWallDescriptionCeilingPlate",
    "LblCeilingWallCeilingTileConcreteQuality",
    "LblCeilingWallAnchoringBase",
    "LBoxItemAnchoringBaseCrackedConcrete",
    "LBoxItemAnchoringBaseNonCrackedConcrete",
    "LblCeilingWallConcreteThickness",
    "ExpanderPSMFixtures",
    "LblFixturesAssessmentFastenerSeparately",
    "RadioBtFixturesSpecialScrew",
    "RadioBtFixturesDowel",
    "LblFixturesMaterial",
    "RadioBtFixturesStainlessSteel",
    "RadioBtFixturesGalvanizedSteel",
    "ExpanderPSMWorkload",
    "LblWindInternationalInfo",
    "LblWindInternationalP",
    "LblWindInternationalN",
    "TabItemWorkloadWind",
    "LblWorkloadWindPressureDinEn1991_1_4",
    "LblWorkloadWindBuildingHeightAttachment",
    "LblWorkloadWindBuildingHeight",
    "LblWorkloadWindZone",
    "LblWorkloadWindRegion",
    "LBoxItemInland",
    "LBoxItemNorthSeaIsland",
    "LBoxItemNorthSeaCoast",
    "LBoxItemBalticSeaIsland",
    "LBoxItemBalticSeaCoast",
    "LblWorkloadWindPressure",
    "RadioBtWorkloadDetached",
    "LblWorkloadSimpldBorderSituation",
    "ChBoxWindInGermanyValues",
    "ChBoxWindInternationalValues",
    "ChBoxWorkloadDetachedUnknownValues",
    "LblWorkloadDistanceShadingWall",
    "LblWorkloadHeightShadingWall",
    "LblWorkloadHeightAboveGround",
    "RadioBtWorkloadNotDetached",
    "LblWorkloadSimplExternalPressureCoefficient",
    "ChBoxWorkloadNotDetachedUnknownValues",
    "LblWorkloadBuildingHeight",
    "LblWorkloadBuildingDepth",
    "LblWorkloadBuildingArea",
    "TabItemWorkloadTemperature",
    "LblWorkloadMaxTemperatureDifference",
    "LblWorkloadTemperatureDifference",
    "TabItemWorkloadLiveLoad",
    "LblWorkloadHorizontalLineLoad",
    "LblWorkloadDistanceTopEdge",
    "LblWorkloadVerticalLineLoad",
    "LblWorkloadDistanceCenterLine",
    "ExpanderPSMResult",
    "LblResultAnchor",
};

// Controls and entries whose key differs from their name.
struct TNamedKey {
  const char* Name;
  const char* Key;
};

constexpr TNamedKey kOtherKeys[] = {
    {"MItemHeadLanguageGerman", "German"},
    {"MItemHeadLanguageEnglish", "English"},
    {"MItemHeadPrint", "MItemHeadPrintFull"},
    {"LBoxItemAnchorSizeAutomatic", "LBoxItemAutomatic"},
    {"LBoxItemAnchorLengthAutomatic", "LBoxItemAutomatic"},
    {"LBoxItemNonAdjustable", "RadioBtAnchorModalityStandard"},
    {"LBoxItemAdjustable", "RadioBtAnchorModalityAdjustable"},
    {"LBoxItemAnchorNonStandard", "LBoxItemNonStandard"},
    {"LblWallLength", "LblWalLength"},
    {"LblAnchorN_tMeasure", "MeasureParts"},
    {"TabItemWindIN", "TabItemWorkloadWind"},
    {"LBoxItemWindBuildingHeightPleaseSelect", "LBoxItemPleaseSelect"},
    {"LBoxItemWindZonePleaseSelect", "LBoxItemPleaseSelect"},
    {"LBoxItemWindRegionPleaseSelect", "LBoxItemPleaseSelect"},
    {"LBoxItemBuildingAreaPleaseSelect", "LBoxItemPleaseSelect"},
    {"TabPlanViewGeo", "TabPlanView"},
    {"TabPlanViewLoads", "TabPlanView"},
    {"TabSideViewAtticaGeo", "TabSideView"},
    {"TabSideViewAtticaLoads", "TabSideView"},
    {"TabSideViewNormalGeo", "TabSideView"},
    {"TabSideViewNormalLoads", "TabSideView"},
};

// The default names of both languages, taken from their tables.
struct TDefaultNames {
  std::string GermanProject;
  std::string EnglishProject;
  std::string GermanComponent;
  std::string EnglishComponent;
};

const TDefaultNames& DefaultNames() {
  static const TDefaultNames names = [] {
    const TDictionaryGerman german;
    const TDictionaryEnglish english;
    return TDefaultNames{german.GetDictionary()["DefaultNewProject"],
                         english.GetDictionary()["DefaultNewProject"],
                         german.GetDictionary()["DefaultNewComponentComponent"],
                         english.GetDictionary()["DefaultNewComponentComponent"]};
  }();
  return names;
}

// The tab widget that shows page, or null.
QTabWidget* TabWidgetOf(QWidget* page) {
  QWidget* stack = page->parentWidget();
  if (qobject_cast<QStackedWidget*>(stack) == nullptr) {
    return nullptr;
  }
  return qobject_cast<QTabWidget*>(stack->parentWidget());
}

}  // namespace

QString TMainForm::Text(const char* key) const {
  return DisplayText(Language().PrintL(key));
}

QString TMainForm::DisplayText(const std::string& text) {
  return vek::DisplayText(QString::fromStdString(text));
}

void TMainForm::SetControlText(const QString& name, const QString& text) {
  if (QObject* control = findChild<QObject*>(name)) {
    if (auto* expander = qobject_cast<TExpander*>(control)) {
      expander->SetText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
      label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      button->setText(text);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
      action->setText(text);
    } else if (auto* page = qobject_cast<QWidget*>(control)) {
      if (QTabWidget* tabs = TabWidgetOf(page)) {
        tabs->setTabText(tabs->indexOf(page), text);
      }
    }
    return;
  }
  for (TVekIDListBoxItem* entry :
       {&LBoxItemWindRegionPleaseSelect, &LBoxItemInland, &LBoxItemNorthSeaIsland,
        &LBoxItemNorthSeaCoast, &LBoxItemBalticSeaIsland, &LBoxItemBalticSeaCoast}) {
    if (entry->Name() == name) {
      entry->SetText(text);
    }
  }
  for (QComboBox* combo : findChildren<QComboBox*>()) {
    const int row = FindItemByName(combo, name);
    if (row >= 0) {
      combo->setItemText(row, text);
    }
  }
}

void TMainForm::TranslationToFormObjects() {
  setWindowTitle(Text("SoftwareName"));
  for (const char* name : kOwnNameKeys) {
    SetControlText(QString::fromLatin1(name), Text(name));
  }
  for (const TNamedKey& entry : kOtherKeys) {
    SetControlText(QString::fromLatin1(entry.Name), Text(entry.Key));
  }
  constexpr int kNonStandardSizeEntry = 9;
  if (CBoxAnchorSize->count() > kNonStandardSizeEntry) {
    CBoxAnchorSize->setItemText(kNonStandardSizeEntry, Text("LBoxItemNonStandard"));
  }
  SetControlText(QStringLiteral("LblWorkloadDescriptionLiveLoad"),
                 Text("LblWorkloadDescriptionLiveLoad") + QLatin1Char(' ') +
                     Text("LblWorkloadDescriptionLiveLoad2"));

  if (!LblResult->text().contains(QLatin1String("VEK"))) {
    LblResult->setText(Text("LblResultNotVek"));
  }
  // The region entries after the first take their new texts in place; the selection stays.
  for (int row = 1; row < CBoxWorkloadWindRegion->count(); ++row) {
    const QString name = ItemName(CBoxWorkloadWindRegion, row);
    for (const TVekIDListBoxItem* entry :
         {&LBoxItemInland, &LBoxItemNorthSeaIsland, &LBoxItemNorthSeaCoast,
          &LBoxItemBalticSeaIsland, &LBoxItemBalticSeaCoast}) {
      if (entry->Name() == name) {
        CBoxWorkloadWindRegion->setItemText(row, entry->Text());
      }
    }
  }

  for (const std::function<void()>& translate : FTranslationTargets) {
    translate();
  }
  if (FVekProject != nullptr && FIsLanguageChange) {
    TranslateDefaultNames();
  }
}

void TMainForm::TranslateDefaultNames() {
  const TDefaultNames& defaults = DefaultNames();
  const std::string project = Language().PrintL("DefaultNewProject");
  const std::string component = Language().PrintL("DefaultNewComponentComponent");
  const std::string& name = FVekProject->GetProject();
  if (name == defaults.GermanProject || name == defaults.EnglishProject) {
    FVekProject->SetProject(project);
  }
  for (const std::unique_ptr<TVekComponent>& entry : FVekProject->GetVekComponentList()) {
    const std::string& componentName = entry->GetComponent();
    if (componentName == defaults.GermanComponent || componentName == defaults.EnglishComponent) {
      entry->SetComponent(component);
    }
  }
  RefreshProjectTexts();
  if (FSelectedVekComponentIndex >= 0) {
    const QString selected = QString::fromStdString(
        FVekProject->GetVekComponentList()[static_cast<std::size_t>(FSelectedVekComponentIndex)]
            ->GetComponent());
    SetEditText(EditSelectedProjectComponent, selected);
    SetEditText(EditDrawAreaComponent, selected);
  }
}

}  // namespace vek
