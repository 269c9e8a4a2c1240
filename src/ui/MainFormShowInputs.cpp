// The two bulk transfers between the panels and the selected design case, and the
// label colours of the completeness check.
#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "core/StandardFnc.h"
#include "ui/Expander.h"
#include "ui/MainForm.h"
#include "ui/NumValidation.h"
#include "ui/PanelStyles.h"
#include "ui/VekCheckBox.h"
#include "ui/VekRadioButton.h"

namespace vek {

namespace {

// The fields of the special anchor, one edit each, in the order of the edits.
constexpr double TVEKSpecialAnchor::*kSpecialAnchorFields[TMainForm::kSpecialSizeEditCount] = {
    &TVEKSpecialAnchor::H,       &TVEKSpecialAnchor::B,     &TVEKSpecialAnchor::B2,
    &TVEKSpecialAnchor::T,       &TVEKSpecialAnchor::R,     &TVEKSpecialAnchor::C_nom_i,
    &TVEKSpecialAnchor::C_nom_e, &TVEKSpecialAnchor::Phi,   &TVEKSpecialAnchor::I,
    &TVEKSpecialAnchor::O,       &TVEKSpecialAnchor::D_con, &TVEKSpecialAnchor::El_con,
    &TVEKSpecialAnchor::A,       &TVEKSpecialAnchor::D_1,   &TVEKSpecialAnchor::A_Sp_S,
    &TVEKSpecialAnchor::D_w,     &TVEKSpecialAnchor::A_sp,  &TVEKSpecialAnchor::B_sp,
    &TVEKSpecialAnchor::A_tp,    &TVEKSpecialAnchor::T_tp,  &TVEKSpecialAnchor::D_s,
    &TVEKSpecialAnchor::S,       &TVEKSpecialAnchor::N_t,   &TVEKSpecialAnchor::H_t,
    &TVEKSpecialAnchor::B_t,     &TVEKSpecialAnchor::T_t,   &TVEKSpecialAnchor::G_t,
    &TVEKSpecialAnchor::C_t,     &TVEKSpecialAnchor::El_t,  &TVEKSpecialAnchor::L_t,
    &TVEKSpecialAnchor::S_t_t_t, &TVEKSpecialAnchor::D_L,   &TVEKSpecialAnchor::d_J,
    &TVEKSpecialAnchor::L_ws,
};

constexpr int kNonStandardSizeEntry = 9;
constexpr int kSpecialLengthEntry = 1;

// Labels that the completeness check may have painted crimson.
constexpr const char* kInputLabels[] = {
    "LblAnchorSpecialLength",
    "LblAnchorVersion",
    "LblWallHeight",
    "LblWallLength",
    "LblWallWeight",
    "LblWallGap",
    "LblWallMiddleX",
    "LblWallGapE",
    "LblWorkloadWindBuildingHeight",
    "LblWorkloadWindZone",
    "LblWorkloadWindRegion",
    "LblWorkloadDistanceShadingWall",
    "LblWorkloadHeightShadingWall",
    "LblWorkloadHeightAboveGround",
    "LblWorkloadBuildingHeight",
    "LblWorkloadBuildingDepth",
    "LblWorkloadBuildingArea",
    "LblWorkloadTemperatureDifference",
    "LblWorkloadHorizontalLineLoad",
    "LblWorkloadDistanceTopEdge",
    "LblWorkloadVerticalLineLoad",
    "LblWorkloadDistanceCenterLine",
};

// Entry of a concrete grade from first to last in steps of 5; -1 for another value.
int ConcreteEntry(double grade, int first, int last) {
  if (std::isnan(grade)) {
    return -1;
  }
  const int whole = static_cast<int>(std::trunc(grade));
  if (whole < first || whole > last || (whole - first) % 5 != 0) {
    return -1;
  }
  return (whole - first) / 5;
}

void SetEntry(QComboBox* combo, int entry) {
  if (entry >= 0 && entry < combo->count()) {
    combo->setCurrentIndex(entry);
  }
}

// A number box shows the value unless it is not set.
void ShowValue(QSpinBox* box, double value) {
  if (!TStandardFnc::IsNullReal(value)) {
    box->setValue(static_cast<int>(std::lround(value)));
  }
}

void ShowValue(QDoubleSpinBox* box, double value) {
  if (!TStandardFnc::IsNullReal(value)) {
    box->setValue(value);
  }
}

// Keeps the fill flag raised for the scope of the fill.
class TFillGuard {
 public:
  explicit TFillGuard(bool& flag) : FFlag(flag), FPrevious(flag) { FFlag = true; }
  ~TFillGuard() { FFlag = FPrevious; }
  TFillGuard(const TFillGuard&) = delete;
  TFillGuard& operator=(const TFillGuard&) = delete;

 private:
  bool& FFlag;
  bool FPrevious;
};

}  // namespace

QString TMainForm::FormatNumber(double value) {
  if (TStandardFnc::IsNullReal(value)) {
    return QString();
  }
  return QString::fromStdString(TStandardFnc::FloatToString(value, -1));
}

bool TMainForm::HoldsNumber(const QLineEdit* edit, double& value) {
  const std::optional<double> number = ReadRegionalNumber(edit->text());
  if (number) {
    value = *number;
  }
  return number.has_value();
}

void TMainForm::SetNumberText(QLineEdit* edit, double value) {
  edit->setText(FormatNumber(value));
}

bool TMainForm::IsAdminMode() const {
  return FSettings.GetSetttings().IsPassword;
}

void TMainForm::ShowVekInputs() {
  const TFillGuard guard(FIsFillingPanels);
  // The controls' handlers write into the design case while it is shown; reading from a
  // copy of its inputs keeps a later control from showing a value an earlier one wrote
  // (a new panel length would otherwise overwrite the anchor distance before it shows).
  const TVek vek(SelectedVek());

  int size = 0;
  if (!vek.GetModelAutomatic()) {
    size = vek.GetModel();
    if ((size == kNonStandardSizeEntry && !IsAdminMode()) || size < 0 ||
        size >= CBoxAnchorSize->count()) {
      size = 0;
    }
  }
  CBoxAnchorSize->setCurrentIndex(size);

  AnchorLengthNumBx->clear();
  if (CBoxAnchorSize->currentIndex() == kNonStandardSizeEntry) {
    CBoxAnchorLength->setCurrentIndex(0);
  } else if (vek.GetModelLengthMethod() == TVEKModelLength::AUTOMATIC_MODEL_LENGTH) {
    CBoxAnchorLength->setCurrentIndex(0);
  } else if (vek.GetModelLengthMethod() == TVEKModelLength::INPUT) {
    CBoxAnchorLength->setCurrentIndex(kSpecialLengthEntry);
  }

  if (vek.GetAnchorVersion() == TVEKAnchorVersion::NORMAL) {
    CBoxAnchorVersion->setCurrentIndex(0);
  } else if (vek.GetAnchorVersion() == TVEKAnchorVersion::ATTIKA) {
    CBoxAnchorVersion->setCurrentIndex(1);
  }
  CBoxAnchorAdjustable->setCurrentIndex(vek.GetModalityAdjustable() ? 1 : 0);
  CBoxAnchorReinforcement->setCurrentIndex(vek.GetIsRebarNr() ? 1 : 0);

  ShowSpecialAnchor(vek);
  if (!ExpanderPSMAnchor->IsExpanded()) {
    ExpanderPSMAnchor->SetExpanded(true);
    ExpanderPSMAnchor->SetExpanded(false);
  }

  // The length before the gap: the length runs the gap rules with the gap shown so far.
  ShowValue(WHeightNumBx, vek.GetH_br());
  ShowValue(WLengthNumBx, vek.GetL_br());
  ShowValue(WWeightNumBx, vek.GetF());
  ShowValue(WGapNumBx, vek.GetL_0());
  ShowValue(WMidXNumBx, vek.GetX());
  ShowValue(WGapENumBx, vek.GetE_());

  SetEntry(CBoxWallParapetConcreteQuality, ConcreteEntry(vek.GetF_ck(), 30, 50));
  SetEntry(CBoxCeilingWallCeilingTileConcreteQuality,
           ConcreteEntry(vek.GetF_ck_CeilingTile(), 20, 50));
  CBoxCeilingWallAnchoringBase->setCurrentIndex(vek.GetAnchoringBaseCrackedConcrete() ? 0 : 1);
  SetNumberText(EditCeilingWallConcreteThickness, vek.GetH1());

  (vek.GetFixturesSpecialScrews() ? RadioBtFixturesSpecialScrew : RadioBtFixturesDowel)
      ->setChecked(true);
  (vek.GetFixturesStainlessSteel() ? RadioBtFixturesStainlessSteel : RadioBtFixturesGalvanizedSteel)
      ->setChecked(true);

  SetEntry(CBoxWorkloadWindBuildingHeight, static_cast<int>(vek.GetBuildingHeight()));
  SetEntry(CBoxWorkloadWindZone, static_cast<int>(vek.GetWindZone()));
  SelectRegionEntry(vek.GetRegion());

  ShowValue(WindPNumBx, vek.GetW_p());
  ShowValue(WindNNumBx, vek.GetW_n());
  ChBoxWindInternationalValues->setChecked(vek.GetW_International());

  TVekRadioButton* detached =
      vek.GetDetached() ? RadioBtWorkloadDetached : RadioBtWorkloadNotDetached;
  detached->setChecked(true);
  // The enabling follows the shown choice as after a click on it.
  OnClickWorkloadDetachedGroup(detached);
  ChBoxWorkloadDetachedUnknownValues->setChecked(vek.GetConservativeAssumptionDetached());
  SetNumberText(EditWorkloadDistanceShadingWall, vek.GetX_w());
  SetNumberText(EditWorkloadHeightShadingWall, vek.GetH_w());
  SetNumberText(EditWorkloadHeightAboveGround, vek.GetH_g());
  ChBoxWorkloadNotDetachedUnknownValues->setChecked(vek.GetConservativeAssumptionNotDetached());
  SetNumberText(EditWorkloadBuildingHeight, vek.GetBuilding_h());
  SetNumberText(EditWorkloadBuildingDepth, vek.GetBuilding_d());
  const char16_t area = vek.GetBuildingArea();
  if (area >= u'A' && area <= u'E') {
    CBoxWorkloadBuildingArea->setCurrentIndex(1 + (area - u'A'));
  } else if (area == u'z' || area == u'Z') {
    // No area chosen; the design case's setter keeps the letter in upper case.
    CBoxWorkloadBuildingArea->setCurrentIndex(0);
  }

  ShowValue(TempDiffNumBx, vek.GetDelta_T());
  ShowValue(Qh1NumBx, vek.GetH_1k());
  ShowValue(Qh2NumBx, vek.GetH_2k());
  ShowValue(Qv1NumBx, vek.GetV_1k());
  ShowValue(Qv2NumBx, vek.GetV_2k());
  ShowValue(Az1NumBx, vek.GetA_1z());
  ShowValue(Az2NumBx, vek.GetA_2z());
  ShowValue(Ay1NumBx, vek.GetA_1y());
  ShowValue(Ay2NumBx, vek.GetA_2y());
}

void TMainForm::ShowSpecialAnchor() {
  ShowSpecialAnchor(SelectedVek());
}

void TMainForm::ShowSpecialAnchor(const TVek& vek) {
  const TVEKSpecialAnchor special = vek.GetSpecialAnchor();
  for (int i = 0; i < kSpecialSizeEditCount; ++i) {
    SetNumberText(SpecialSizeEdits[static_cast<std::size_t>(i)], special.*kSpecialAnchorFields[i]);
  }
  ShowValue(AnchorLengthNumBx, vek.GetModelSpecialLength());
}

void TMainForm::WriteInputsToVek() {
  if (FVekProject == nullptr) {
    return;
  }
  TVek& vek = SelectedVek();
  WriteSettingsToVek(FSettings.GetSetttings(), vek);

  const int size = CBoxAnchorSize->currentIndex();
  if (size == 0) {
    vek.SetModelAutomatic(true);
  } else if (size > 0) {
    vek.SetModel(size);
    vek.SetModelAutomatic(false);
  }
  const int length = CBoxAnchorLength->currentIndex();
  if (length == 0) {
    vek.SetModelLengthMethod(TVEKModelLength::AUTOMATIC_MODEL_LENGTH);
  } else if (length == kSpecialLengthEntry) {
    vek.SetModelLengthMethod(TVEKModelLength::INPUT);
  }
  const int version = CBoxAnchorVersion->currentIndex();
  if (version == 0) {
    vek.SetAnchorVersion(TVEKAnchorVersion::NORMAL);
  } else if (version == 1) {
    vek.SetAnchorVersion(TVEKAnchorVersion::ATTIKA);
  }
  vek.SetModalityAdjustable(CBoxAnchorAdjustable->currentIndex() == 1);
  vek.SetIsRebarNr(CBoxAnchorReinforcement->currentIndex() == 1);

  // A dimension that is not positive becomes 1; a shown value such as the play of 0.5 mm
  // goes back unchanged.
  TVEKSpecialAnchor special;
  for (int i = 0; i < kSpecialSizeEditCount; ++i) {
    double value = 0;
    if (!HoldsNumber(SpecialSizeEdits[static_cast<std::size_t>(i)], value)) {
      value = 0;
    } else if (value <= 0) {
      value = 1;
    }
    special.*kSpecialAnchorFields[i] = value;
  }
  vek.SetSpecialAnchor(special);
  if (length == kSpecialLengthEntry) {
    vek.SetModelLengthMethod(TVEKModelLength::INPUT);
    vek.SetModelSpecialLength(std::max(1, AnchorLengthNumBx->value()));
  }

  vek.SetH_br(std::max(200, WHeightNumBx->value()));
  vek.SetL_br(std::max(400, WLengthNumBx->value()));
  // Saving raises the thickness to 100, above the 90 the box's handler accepts.
  vek.SetF(std::max(100, WWeightNumBx->value()));
  WriteWallGapToVek();
  vek.SetX(WMidXNumBx->value());
  vek.SetE_(std::max(0, WGapENumBx->value()));

  const int grade = CBoxWallParapetConcreteQuality->currentIndex();
  if (grade >= 0) {
    vek.SetF_ck(static_cast<std::int8_t>(30 + 5 * grade));
  }
  const int slabGrade = CBoxCeilingWallCeilingTileConcreteQuality->currentIndex();
  if (slabGrade >= 0) {
    vek.SetF_ck_CeilingTile(static_cast<std::int8_t>(20 + 5 * slabGrade));
  }
  vek.SetAnchoringBaseCrackedConcrete(CBoxCeilingWallAnchoringBase->currentIndex() == 0);
  double value = 0;
  if (HoldsNumber(EditCeilingWallConcreteThickness, value)) {
    vek.SetH1(std::max(1.0, value));
  }

  vek.SetFixturesSpecialScrews(RadioBtFixturesSpecialScrew->isChecked());
  vek.SetFixturesStainlessSteel(RadioBtFixturesStainlessSteel->isChecked());

  vek.SetBuildingHeight(
      static_cast<TVEKBuildingHeight>(std::max(0, CBoxWorkloadWindBuildingHeight->currentIndex())));
  vek.SetWindZone(static_cast<TVEKWindZone>(std::max(0, CBoxWorkloadWindZone->currentIndex())));
  const int region = CurrentItemID(CBoxWorkloadWindRegion);
  vek.SetRegion(region == kNoItemID ? TVEKRegion::UNSET_REGION : static_cast<TVEKRegion>(region));
  if (HoldsNumber(EditWorkloadWindPressure, value)) {
    vek.SetQ_p(value);
  }

  constexpr double kMinMetres = 0.001;
  vek.SetDetached(RadioBtWorkloadDetached->isChecked());
  vek.SetConservativeAssumptionDetached(ChBoxWorkloadDetachedUnknownValues->isChecked());
  if (HoldsNumber(EditWorkloadDistanceShadingWall, value)) {
    vek.SetX_w(std::max(kMinMetres, value));
  }
  if (HoldsNumber(EditWorkloadHeightShadingWall, value)) {
    vek.SetH_w(std::max(kMinMetres, value));
  }
  if (HoldsNumber(EditWorkloadHeightAboveGround, value)) {
    vek.SetH_g(std::max(kMinMetres, value));
  }
  vek.SetConservativeAssumptionNotDetached(ChBoxWorkloadNotDetachedUnknownValues->isChecked());
  if (HoldsNumber(EditWorkloadBuildingHeight, value)) {
    vek.SetBuilding_h(std::max(kMinMetres, value));
  }
  if (HoldsNumber(EditWorkloadBuildingDepth, value)) {
    vek.SetBuilding_d(std::max(kMinMetres, value));
  }
  const int area = CBoxWorkloadBuildingArea->currentIndex();
  if (area == 0) {
    vek.SetBuildingArea(u'z');
  } else if (area > 0) {
    vek.SetBuildingArea(static_cast<char16_t>(u'A' + (area - 1)));
  }

  vek.SetDelta_T(std::max(0.1, TempDiffNumBx->value()));
  vek.SetH_1k(Qh1NumBx->value());
  vek.SetH_2k(Qh2NumBx->value());
  vek.SetV_1k(Qv1NumBx->value());
  vek.SetV_2k(Qv2NumBx->value());
  vek.SetA_1z(Az1NumBx->value());
  vek.SetA_2z(Az2NumBx->value());
  vek.SetA_1y(Ay1NumBx->value());
  vek.SetA_2y(Ay2NumBx->value());
  vek.SetW_p(WindPNumBx->value());
  vek.SetW_n(WindNNumBx->value());

  vek.SetW_International(!ChBoxWindInGermanyValues->isChecked());
}

void TMainForm::ResetInputLabelColors() {
  for (const char* name : kInputLabels) {
    if (auto* label = findChild<QLabel*>(QString::fromLatin1(name))) {
      SetLabelColor(label, kLabelColorBlack);
    }
  }
}

}  // namespace vek
