// Change handlers of the input controls: each writes one input of the selected design
// case through its setter, after the EDIT signal and the result refresh.
#include <algorithm>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

#include "core/StandardFnc.h"
#include "language/Language.h"
#include "ui/MainForm.h"
#include "ui/MessageService.h"
#include "ui/NumValidation.h"

namespace vek {

namespace {

constexpr int kNonStandardSizeEntry = 9;
constexpr int kSpecialLengthEntry = 1;

// The smallest panel height, length, thickness and anchor distance the handlers accept.
constexpr double kMinWallHeight = 200;
constexpr double kMinWallLength = 400;
constexpr double kMinWallWeight = 90;
constexpr double kMinWallGap = 200;
// Each anchor keeps at least 100 mm to its panel edge.
constexpr double kWallEdgeDistances = 200;
constexpr double kMinDelta_T = 0.1;

}  // namespace

void TMainForm::ConnectInputHandlers() {
  const auto onIndex = [this](QComboBox* combo, void (TMainForm::*handler)()) {
    connect(combo, &QComboBox::currentIndexChanged, this, [this, handler] { (this->*handler)(); });
  };
  const auto onValue = [this](auto* box, void (TMainForm::*handler)()) {
    using TBox = std::remove_pointer_t<decltype(box)>;
    connect(box, &TBox::valueChanged, this, [this, handler] { (this->*handler)(); });
  };

  onIndex(CBoxAnchorSize, &TMainForm::OnChangeAnchorSize);
  onIndex(CBoxAnchorLength, &TMainForm::OnChangeAnchorLength);
  onValue(AnchorLengthNumBx, &TMainForm::OnChangeAnchorSpecialLength);
  for (QLineEdit* edit : SpecialSizeEdits) {
    AttachNumericEdit(edit, true);
    if (edit == EditAnchorT) {
      connect(edit, &QLineEdit::editingFinished, this, [this] { OnChangeAnchorT(); });
    } else {
      connect(edit, &QLineEdit::editingFinished, this,
              [this, edit] { OnChangeNumValidationMinValueForMM(edit); });
    }
  }
  onIndex(CBoxAnchorVersion, &TMainForm::OnChangeAnchorVersion);
  onIndex(CBoxAnchorAdjustable, &TMainForm::OnChangeBtValue);
  onIndex(CBoxAnchorReinforcement, &TMainForm::OnChangeAnchorRebar);

  onValue(WHeightNumBx, &TMainForm::OnChangeWallHeight);
  onValue(WLengthNumBx, &TMainForm::OnChangeWallLength);
  onValue(WWeightNumBx, &TMainForm::OnChangeWallWeight);
  onValue(WGapNumBx, &TMainForm::OnChangeWallGap);
  onValue(WMidXNumBx, &TMainForm::OnChangeWallMiddleX);
  onValue(WGapENumBx, &TMainForm::OnChangeWallGapE);
  onIndex(CBoxWallParapetConcreteQuality, &TMainForm::OnChangeConcreteQuality);

  // The slab group and the building area reach the design case with WriteInputsToVek.
  onIndex(CBoxCeilingWallAnchoringBase, &TMainForm::OnChangeValue);
  onIndex(CBoxCeilingWallCeilingTileConcreteQuality, &TMainForm::OnChangeValue);
  onIndex(CBoxWorkloadBuildingArea, &TMainForm::OnChangeValue);
  connect(EditSelectedProjectComponent, &QLineEdit::editingFinished, this,
          [this] { OnChangeValue(); });
  for (QLineEdit* edit : {EditCeilingWallConcreteThickness, EditSelectedProjectComponentQuantity}) {
    AttachNumericEdit(edit, true);
    connect(edit, &QLineEdit::editingFinished, this,
            [this, edit] { OnChangeNumValidationMinValueForMM(edit); });
  }
  for (QLineEdit* edit :
       {EditWorkloadDistanceShadingWall, EditWorkloadHeightShadingWall,
        EditWorkloadHeightAboveGround, EditWorkloadBuildingHeight, EditWorkloadBuildingDepth}) {
    AttachNumericEdit(edit, false);
    connect(edit, &QLineEdit::editingFinished, this,
            [this, edit] { OnChangeNumValidationMinValueForM(edit); });
  }
  AttachNumericEdit(EditWorkloadWindPressure, false);
  connect(EditWorkloadWindPressure, &QLineEdit::editingFinished, this,
          [this] { OnChangeNumValidationMinValueForTwoDP(EditWorkloadWindPressure); });

  // Direct wind, temperature and live loads.
  connect(WindPNumBx, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    OnChangeValue();
    SelectedVek().SetW_p(value);
  });
  connect(WindNNumBx, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    OnChangeValue();
    SelectedVek().SetW_n(value);
  });
  connect(TempDiffNumBx, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    OnChangeValue();
    SelectedVek().SetDelta_T(std::max(kMinDelta_T, value));
  });
  const auto lineLoad = [this](QDoubleSpinBox* box, void (TVek::*setter)(double)) {
    connect(box, &QDoubleSpinBox::valueChanged, this, [this, setter](double value) {
      OnChangeValue();
      (SelectedVek().*setter)(value);
    });
  };
  lineLoad(Qh1NumBx, &TVek::SetH_1k);
  lineLoad(Qh2NumBx, &TVek::SetH_2k);
  lineLoad(Qv1NumBx, &TVek::SetV_1k);
  lineLoad(Qv2NumBx, &TVek::SetV_2k);
  const auto distance = [this](QSpinBox* box, void (TVek::*setter)(double)) {
    connect(box, &QSpinBox::valueChanged, this, [this, setter](int value) {
      OnChangeValue();
      (SelectedVek().*setter)(value);
    });
  };
  distance(Az1NumBx, &TVek::SetA_1z);
  distance(Az2NumBx, &TVek::SetA_2z);
  distance(Ay1NumBx, &TVek::SetA_1y);
  distance(Ay2NumBx, &TVek::SetA_2y);

  connect(LBoxVekProjectComponent, &QListWidget::itemClicked, this,
          [this] { OnClickProjectComponentItem(); });
  for (QWidget* control : std::initializer_list<QWidget*>{
           CBoxWallParapetConcreteQuality, CBoxCeilingWallAnchoringBase,
           CBoxCeilingWallCeilingTileConcreteQuality, EditCeilingWallConcreteThickness}) {
    control->installEventFilter(this);
  }
}

void TMainForm::OnChangeValue() {
  SelectedVek().SetState(TVEKSignal::EDIT);
  ShowResultState();
}

void TMainForm::ShowInputError(const char* key) {
  if (!FIsFillingPanels) {
    MessageService().ShowError(Text(key));
  }
}

void TMainForm::ShowInputInformation(const char* key) {
  if (!FIsFillingPanels) {
    MessageService().ShowInformation(Text(key));
  }
}

void TMainForm::OnChangeAnchorSize() {
  OnChangeValue();
  const int entry = CBoxAnchorSize->currentIndex();
  PanelAnchorSpecialSize->setVisible(entry == kNonStandardSizeEntry);
  ResizeAnchorGroup();
  if (entry == 0) {
    SelectedVek().SetModelAutomatic(true);
  } else if (entry > 0) {
    SelectedVek().SetModel(entry);
    SelectedVek().SetModelAutomatic(false);
  }
}

void TMainForm::OnChangeAnchorLength() {
  OnChangeValue();
  const int entry = CBoxAnchorLength->currentIndex();
  // The layout places the special length below the special size when both show.
  PanelAnchorSpecialLength->setVisible(entry == kSpecialLengthEntry);
  ResizeAnchorGroup();
  if (entry == 0) {
    SelectedVek().SetModelLengthMethod(TVEKModelLength::AUTOMATIC_MODEL_LENGTH);
  } else if (entry == kSpecialLengthEntry) {
    SelectedVek().SetModelLengthMethod(TVEKModelLength::INPUT);
  }
}

void TMainForm::OnChangeAnchorSpecialLength() {
  OnChangeValue();
  if (CBoxAnchorLength->currentIndex() == kSpecialLengthEntry) {
    TVek& vek = SelectedVek();
    vek.SetModelLengthMethod(TVEKModelLength::INPUT);
    vek.SetModelSpecialLength(std::max(1, AnchorLengthNumBx->value()));
  }
}

void TMainForm::OnChangeAnchorT() {
  OnChangeValue();
  TNumValidation::OnChangeNumValidation(EditAnchorT, 0, 1, true);
  OnChangeAnchorSpecialLength();
}

void TMainForm::OnChangeAnchorVersion() {
  OnChangeValue();
  const int entry = CBoxAnchorVersion->currentIndex();
  if (entry == 0) {
    SelectedVek().SetAnchorVersion(TVEKAnchorVersion::NORMAL);
  } else if (entry == 1) {
    SelectedVek().SetAnchorVersion(TVEKAnchorVersion::ATTIKA);
  }
  SetViewModeGeo();
}

void TMainForm::OnChangeBtValue() {
  OnChangeValue();
  SelectedVek().SetModalityAdjustable(CBoxAnchorAdjustable->currentIndex() == 1);
}

void TMainForm::OnChangeAnchorRebar() {
  OnChangeValue();
  SelectedVek().SetIsRebarNr(CBoxAnchorReinforcement->currentIndex() != 0);
}

void TMainForm::OnChangeConcreteQuality() {
  OnChangeValue();
  const int entry = CBoxWallParapetConcreteQuality->currentIndex();
  if (entry >= 0) {
    // C30/37 to C50/60 in steps of 5.
    SelectedVek().SetF_ck(static_cast<std::int8_t>(30 + 5 * entry));
  }
}

void TMainForm::OnChangeWallHeight() {
  OnChangeValue();
  const double value = WHeightNumBx->value();
  if (value < kMinWallHeight) {
    ShowInputError("ErrorWallHeight");
  }
  SelectedVek().SetH_br(std::max(kMinWallHeight, value));
}

void TMainForm::OnChangeWallLength() {
  OnChangeValue();
  const double value = WLengthNumBx->value();
  if (value < kMinWallLength) {
    ShowInputError("ErrorWallLength");
  }
  SelectedVek().SetL_br(std::max(kMinWallLength, value));
  OnChangeWallGap();
}

void TMainForm::OnChangeWallWeight() {
  OnChangeValue();
  const double value = WWeightNumBx->value();
  if (value < kMinWallWeight) {
    ShowInputError("ErrorWallWeight");
  }
  SelectedVek().SetF(std::max(kMinWallWeight, value));
}

void TMainForm::OnChangeWallGap() {
  OnChangeValue();
  const double gap = WGapNumBx->value();
  const double length = WLengthNumBx->value();
  if (gap < kMinWallGap) {
    ShowInputError("ErrorWallGap");
  } else if (length >= kMinWallLength && gap > length - kWallEdgeDistances) {
    ShowInputError("ErrorBorderWallGap");
    WGapNumBx->setValue(static_cast<int>(length - kWallEdgeDistances));
  }
  WriteWallGapToVek();
}

void TMainForm::WriteWallGapToVek() {
  const double gap = WGapNumBx->value();
  TVek& vek = SelectedVek();
  // Without a panel size the distance is only kept above its minimum.
  if (TStandardFnc::IsNullReal(vek.GetH_br()) || TStandardFnc::IsNullReal(vek.GetL_br())) {
    vek.SetL_0(std::max(kMinWallGap, gap));
  } else {
    vek.SetL_0(std::min(vek.GetL_br() - kWallEdgeDistances, gap));
  }
}

void TMainForm::OnChangeWallMiddleX() {
  OnChangeValue();
  SelectedVek().SetX(WMidXNumBx->value());
}

void TMainForm::OnChangeWallGapE() {
  OnChangeValue();
  const double value = WGapENumBx->value();
  if (value < 0) {
    ShowInputInformation("ErrorWallGapE");
  }
  SelectedVek().SetE_(std::max(0.0, value));
}

void TMainForm::OnChangeNumValidationMinValueForMM(QLineEdit* edit) {
  OnChangeValue();
  TNumValidation::OnChangeNumValidation(edit, 0, 1, true);
}

void TMainForm::OnChangeNumValidationMinValueForM(QLineEdit* edit) {
  OnChangeValue();
  TNumValidation::OnChangeNumValidation(edit, 2, 0.001, true);
}

void TMainForm::OnChangeNumValidationMinValueForTwoDP(QLineEdit* edit) {
  OnChangeValue();
  TNumValidation::OnChangeNumValidation(edit, 2);
}

void TMainForm::OnChangeTrackingNumValidation(QLineEdit* edit) {
  OnChangeValue();
  TNumValidation::OnChangeTrackingNumValidation(edit);
}

}  // namespace vek
