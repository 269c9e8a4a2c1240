// The load group's own behaviour: the two ways of entering wind, the region list that
// depends on wind zone and building height, the velocity pressure shown, and the
// enabling of the free-standing and building fields.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "core/StandardFnc.h"
#include "ui/MainForm.h"
#include "ui/VekCheckBox.h"
#include "ui/VekRadioButton.h"

namespace vek {

namespace {

constexpr int kHeightUpTo10m = static_cast<int>(TVEKBuildingHeight::LESS_THAN_OR_EQUAL_10);
constexpr int kWindZone1 = static_cast<int>(TVEKWindZone::WZ_1);
constexpr int kWindZone4 = static_cast<int>(TVEKWindZone::WZ_4);

void SetEnabled(QWidget* parent, std::initializer_list<const char*> names, bool enabled) {
  for (const char* name : names) {
    if (auto* widget = parent->findChild<QWidget*>(QString::fromLatin1(name))) {
      widget->setEnabled(enabled);
    }
  }
}

}  // namespace

void TMainForm::ConnectWindHandlers() {
  for (QComboBox* combo :
       {CBoxWorkloadWindBuildingHeight, CBoxWorkloadWindZone, CBoxWorkloadWindRegion}) {
    connect(combo, &QComboBox::currentIndexChanged, this,
            [this, combo] { OnChangeIdentifyVEKQp(combo); });
  }
}

void TMainForm::OnChangeWindInGermany() {
  if (!ChBoxWindInGermanyValues->isChecked()) {
    return;
  }
  TabControlPSMWorkload->setTabVisible(TabControlPSMWorkload->indexOf(TabItemWorkloadWind), true);
  TabControlPSMWorkload->setTabVisible(TabControlPSMWorkload->indexOf(TabItemWindIN), false);
  TabControlPSMWorkload->setCurrentWidget(TabItemWorkloadWind);
  ChBoxWindInternationalValues->setChecked(false);
}

void TMainForm::OnChangeWindInternational() {
  if (!ChBoxWindInternationalValues->isChecked()) {
    return;
  }
  TabControlPSMWorkload->setTabVisible(TabControlPSMWorkload->indexOf(TabItemWindIN), true);
  TabControlPSMWorkload->setTabVisible(TabControlPSMWorkload->indexOf(TabItemWorkloadWind), false);
  TabControlPSMWorkload->setCurrentWidget(TabItemWindIN);
  ChBoxWindInGermanyValues->setChecked(false);
}

const TVekIDListBoxItem& TMainForm::RegionEntry(TVEKRegion region) const {
  switch (region) {
    case TVEKRegion::BALTIC_SEA_COAST:
      return LBoxItemBalticSeaCoast;
    case TVEKRegion::BALTIC_SEA_ISLAND:
      return LBoxItemBalticSeaIsland;
    case TVEKRegion::NORTH_SEA_COAST:
      return LBoxItemNorthSeaCoast;
    case TVEKRegion::NORTH_SEA_ISLAND:
      return LBoxItemNorthSeaIsland;
    case TVEKRegion::INLAND:
      return LBoxItemInland;
    case TVEKRegion::UNSET_REGION:
      break;
  }
  return LBoxItemWindRegionPleaseSelect;
}

void TMainForm::FillRegionList() {
  const int zone = CBoxWorkloadWindZone->currentIndex();
  CBoxWorkloadWindRegion->setCurrentIndex(0);
  while (CBoxWorkloadWindRegion->count() > 1) {
    CBoxWorkloadWindRegion->removeItem(CBoxWorkloadWindRegion->count() - 1);
  }
  std::vector<const TVekIDListBoxItem*> entries{&LBoxItemInland};
  if (zone == kWindZone4) {
    // North Sea islands only for buildings up to 10 m.
    if (CBoxWorkloadWindBuildingHeight->currentIndex() == kHeightUpTo10m) {
      entries.push_back(&LBoxItemNorthSeaIsland);
    }
    entries.push_back(&LBoxItemNorthSeaCoast);
  }
  if (zone > kWindZone1) {
    entries.push_back(&LBoxItemBalticSeaIsland);
    entries.push_back(&LBoxItemBalticSeaCoast);
  }
  for (const TVekIDListBoxItem* entry : entries) {
    entry->AddTo(CBoxWorkloadWindRegion);
  }
}

void TMainForm::SelectRegionEntry(TVEKRegion region) {
  const QString name = RegionEntry(region).Name();
  // Through the entries from the first; without the wanted one the last stays selected.
  for (int row = 0; row < CBoxWorkloadWindRegion->count(); ++row) {
    CBoxWorkloadWindRegion->setCurrentIndex(row);
    if (ItemName(CBoxWorkloadWindRegion, row) == name) {
      break;
    }
  }
}

void TMainForm::OnChangeIdentifyVEKQp(QComboBox* sender) {
  if (sender == CBoxWorkloadWindZone || sender == CBoxWorkloadWindBuildingHeight) {
    const bool hasZone = CBoxWorkloadWindZone->currentIndex() > 0;
    if (hasZone) {
      FillRegionList();
    } else {
      CBoxWorkloadWindRegion->setCurrentIndex(0);
    }
    CBoxWorkloadWindRegion->setEnabled(hasZone);
    LblWorkloadWindRegion->setEnabled(hasZone);
  }
  ShowWindPressure();
}

void TMainForm::ShowWindPressure() {
  const int zone = CBoxWorkloadWindZone->currentIndex();
  const int region = CurrentItemID(CBoxWorkloadWindRegion);
  const int height = CBoxWorkloadWindBuildingHeight->currentIndex();
  QString text;
  if (zone > 0 && region > 0 && height > 0) {
    const double pressure =
        TVek::IdentifyQp(static_cast<TVEKWindZone>(zone), static_cast<TVEKRegion>(region),
                         static_cast<TVEKBuildingHeight>(height));
    text = FormatNumber(pressure);
  }
  EditWorkloadWindPressure->setText(text);
  OnChangeNumValidationMinValueForTwoDP(EditWorkloadWindPressure);
}

void TMainForm::OnClickWorkloadDetachedGroup(TVekRadioButton* sender) {
  const bool detached = sender == RadioBtWorkloadDetached;
  GroupBoxWorkloadDetached->setEnabled(detached);
  PanelNotDetached->setEnabled(!detached);
}

void TMainForm::OnChangeWorkloadDetachedUnknownValues() {
  const bool enabled = !ChBoxWorkloadDetachedUnknownValues->isChecked();
  SetEnabled(GroupBoxWorkloadDetached,
             {"LblWorkloadDistanceShadingWall", "LblWorkloadHeightShadingWall",
              "LblWorkloadHeightAboveGround", "LblWorkloadDistanceShadingWallSymbol1",
              "LblWorkloadDistanceShadingWallSymbol2", "LblWorkloadHeightShadingWallSymbol1",
              "LblWorkloadHeightShadingWallSymbol2", "LblWorkloadHeightAboveGroundSymbol1",
              "LblWorkloadHeightAboveGroundSymbol2", "EditWorkloadDistanceShadingWall",
              "EditWorkloadHeightShadingWall", "EditWorkloadHeightAboveGround",
              "LblWorkloadDistanceShadingWallMeasure", "LblWorkloadHeightShadingWallMeasure",
              "LblWorkloadHeightAboveGroundMeasure"},
             enabled);
}

void TMainForm::OnChangeWorkloadNotDetachedUnknownValues() {
  const bool enabled = !ChBoxWorkloadNotDetachedUnknownValues->isChecked();
  SetEnabled(PanelNotDetached,
             {"LblWorkloadBuildingHeight", "LblWorkloadBuildingDepth", "LblWorkloadBuildingArea",
              "LblWorkloadBuildingHeightSymbol1", "LblWorkloadBuildingDepthSymbol1",
              "EditWorkloadBuildingHeight", "EditWorkloadBuildingDepth", "CBoxWorkloadBuildingArea",
              "LblWorkloadBuildingHeightMeasure", "LblWorkloadBuildingDepthMeasure"},
             enabled);
}

}  // namespace vek
