// The calculate command with its check of the required inputs, and the choice of
// another variant in the result selection dialog.
#include <exception>
#include <vector>

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

#include "ui/Expander.h"
#include "ui/MainForm.h"
#include "ui/MessageService.h"
#include "ui/NumValidation.h"
#include "ui/PanelStyles.h"
#include "ui/ResultSelectionForm.h"
#include "ui/VekCheckBox.h"
#include "ui/VekRadioButton.h"

namespace vek {

namespace {

constexpr int kNonStandardSizeEntry = 9;
constexpr int kSpecialLengthEntry = 1;
// Line breaks of the message texts: line feed, then carriage return.
constexpr const char* kLineBreak = "\n\r";

bool ShowsNumber(const QLineEdit* edit) {
  return ReadRegionalNumber(edit->text()).has_value();
}

bool ShowsNumber(const QAbstractSpinBox* box) {
  bool ok = false;
  box->locale().toDouble(box->text().trimmed(), &ok);
  return ok;
}

// The missing inputs of one group of the report.
struct TMissingGroup {
  QString Title;
  QStringList Labels;
};

}  // namespace

void TMainForm::OnClickCalculateVEK() {
  CalculateSelectedComponent();
  ShowResultState();
}

void TMainForm::CalculateSelectedComponent() {
  if (FVekProject == nullptr) {
    return;
  }
  TVek& vek = SelectedVek();
  if (vek.GetState() != TVEKState::DEFAULT) {
    MessageService().ShowInformation(QStringLiteral("Vek is already calculated"));
    return;
  }
  if (!CheckInputsComplete(true)) {
    return;
  }
  try {
    vek.CalculateDB();
    if (TVek::IsVekModelResultDBEmpty(vek.GetVEKModelResultDB())) {
      MessageService().ShowError(Text("UnknowErrorInCalculation") + QLatin1String(kLineBreak) +
                                 QStringLiteral("CalcError: 1"));
    } else {
      vek.SetState(TVEKSignal::ASSIGN);
    }
  } catch (const std::exception& error) {
    // The engine stops at its first error; the window goes on, as after any error report.
    MessageService().ShowError(QString::fromStdString(error.what()));
  }
  ShowResultState();
}

void TMainForm::OnClickShowResult() {
  TVek& vek = SelectedVek();
  if (vek.GetState() != TVEKState::ASSIGNED) {
    CalculateSelectedComponent();
    ShowResultState();
    return;
  }
  TForm2* form = ResultSelectionForm();
  form->SetVekModelResultDB(vek.GetVEKModelResultDB());
  form->OnShowForm();
  form->SetSelectionByString(QString::fromStdString(vek.GetAssignedVek()));
  form->exec();
  // The table stays the design case's; the dialog keeps no reference to it.
  form->SetVekModelResultDB(nullptr);
  const std::string chosen = form->GetSelectedVekStr().toStdString();
  if (chosen.empty() || chosen == vek.GetAssignedVek()) {
    return;
  }
  try {
    vek.SetAssignedVek(chosen);
    vek.SetState(TVEKSignal::ASSIGN);
  } catch (const std::exception& error) {
    MessageService().ShowError(QString::fromStdString(error.what()));
  }
  ShowResultState();
}

bool TMainForm::CheckInputsComplete(bool report) {
  const auto label = [this](const QString& name) { return findChild<QLabel*>(name); };
  // Paints the label and answers whether the input is missing.
  const auto mark = [](QLabel* caption, bool missing) {
    if (caption != nullptr) {
      SetLabelColor(caption, missing ? kLabelColorCrimson : kLabelColorBlack);
    }
    return missing;
  };
  const auto captionText = [](const QLabel* caption) {
    return caption != nullptr ? caption->text() : QString();
  };
  const QString tabPrefix = ExpanderPSMWorkload->Text() + QStringLiteral(" - ");
  const auto tabTitle = [this, &tabPrefix](QWidget* page) {
    return tabPrefix + TabControlPSMWorkload->tabText(TabControlPSMWorkload->indexOf(page));
  };
  TMissingGroup anchor{ExpanderPSMAnchor->Text(), {}};
  TMissingGroup wall{ExpanderPSMWall->Text(), {}};
  TMissingGroup wind{tabTitle(TabItemWorkloadWind), {}};
  TMissingGroup temperature{tabTitle(TabItemWorkloadTemperature), {}};
  TMissingGroup liveLoads{tabTitle(TabItemWorkloadLiveLoad), {}};
  const auto check = [&](TMissingGroup& group, const char* captionName, bool missing) {
    QLabel* caption = label(QString::fromLatin1(captionName));
    if (mark(caption, missing)) {
      group.Labels.append(captionText(caption));
    }
  };

  // Anchor: the section of the special anchor and the special length.
  const int size = CBoxAnchorSize->currentIndex();
  if (size == kNonStandardSizeEntry) {
    bool anyMissing = false;
    for (QLineEdit* edit : SpecialSizeEdits) {
      const bool missing = !ShowsNumber(edit);
      anyMissing = anyMissing || missing;
      const QString suffix = edit->objectName().mid(QStringLiteral("EditAnchor").size());
      const bool isLws = suffix == QLatin1String("L_ws");
      mark(label(isLws ? QStringLiteral("Label2")
                       : QStringLiteral("LblAnchor%1Symbol1").arg(suffix)),
           missing);
      mark(label(isLws ? QStringLiteral("Label3")
                       : QStringLiteral("LblAnchor%1Symbol2").arg(suffix)),
           missing);
    }
    check(anchor, "LblAnchorSpecialSize", anyMissing);
  }
  if (size == kNonStandardSizeEntry || CBoxAnchorLength->currentIndex() == kSpecialLengthEntry) {
    check(anchor, "LblAnchorSpecialLength", !ShowsNumber(AnchorLengthNumBx));
  }
  mark(label(QStringLiteral("LblAnchorVersion")), false);

  // Façade panel.
  check(wall, "LblWallHeight", !ShowsNumber(WHeightNumBx));
  check(wall, "LblWallLength", !ShowsNumber(WLengthNumBx));
  check(wall, "LblWallWeight", !ShowsNumber(WWeightNumBx));
  check(wall, "LblWallGap", !ShowsNumber(WGapNumBx));
  check(wall, "LblWallMiddleX", !ShowsNumber(WMidXNumBx));
  check(wall, "LblWallGapE", !ShowsNumber(WGapENumBx));

  // Wind: the guided method for Germany or the direct loads, then the free-standing
  // or building values unless the conservative assumptions stand in for them.
  if (ChBoxWindInGermanyValues->isChecked()) {
    check(wind, "LblWorkloadWindBuildingHeight",
          CBoxWorkloadWindBuildingHeight->currentIndex() == 0);
    check(wind, "LblWorkloadWindZone", CBoxWorkloadWindZone->currentIndex() == 0);
    check(wind, "LblWorkloadWindRegion", CBoxWorkloadWindRegion->currentIndex() == 0);
  } else {
    check(wind, "LblWindInternationalP", !ShowsNumber(WindPNumBx));
    check(wind, "LblWindInternationalN", !ShowsNumber(WindNNumBx));
  }
  const bool detachedNeeded =
      RadioBtWorkloadDetached->isChecked() && !ChBoxWorkloadDetachedUnknownValues->isChecked();
  check(wind, "LblWorkloadDistanceShadingWall",
        detachedNeeded && !ShowsNumber(EditWorkloadDistanceShadingWall));
  check(wind, "LblWorkloadHeightShadingWall",
        detachedNeeded && !ShowsNumber(EditWorkloadHeightShadingWall));
  check(wind, "LblWorkloadHeightAboveGround",
        detachedNeeded && !ShowsNumber(EditWorkloadHeightAboveGround));
  const bool buildingNeeded = RadioBtWorkloadNotDetached->isChecked() &&
                              !ChBoxWorkloadNotDetachedUnknownValues->isChecked();
  check(wind, "LblWorkloadBuildingHeight",
        buildingNeeded && !ShowsNumber(EditWorkloadBuildingHeight));
  check(wind, "LblWorkloadBuildingDepth",
        buildingNeeded && !ShowsNumber(EditWorkloadBuildingDepth));
  check(wind, "LblWorkloadBuildingArea",
        buildingNeeded && CBoxWorkloadBuildingArea->currentIndex() == 0);

  check(temperature, "LblWorkloadTemperatureDifference", !ShowsNumber(TempDiffNumBx));

  // Live loads: a pair is missing when either box is.
  check(liveLoads, "LblWorkloadHorizontalLineLoad",
        !ShowsNumber(Qh1NumBx) || !ShowsNumber(Qh2NumBx));
  check(liveLoads, "LblWorkloadDistanceTopEdge", !ShowsNumber(Az1NumBx) || !ShowsNumber(Az2NumBx));
  check(liveLoads, "LblWorkloadVerticalLineLoad", !ShowsNumber(Qv1NumBx) || !ShowsNumber(Qv2NumBx));
  check(liveLoads, "LblWorkloadDistanceCenterLine",
        !ShowsNumber(Ay1NumBx) || !ShowsNumber(Ay2NumBx));

  const QString lineBreak = QLatin1String(kLineBreak);
  QString message = Text("FormValuesNotSet");
  bool isComplete = true;
  for (const TMissingGroup* group : {&anchor, &wall, &wind, &temperature, &liveLoads}) {
    if (group->Labels.isEmpty()) {
      continue;
    }
    isComplete = false;
    message += lineBreak + lineBreak + group->Title + QLatin1Char(':');
    for (const QString& caption : group->Labels) {
      message += lineBreak + QStringLiteral("- ") + caption;
    }
  }
  if (!isComplete && report) {
    MessageService().ShowError(message);
  }
  return isComplete;
}

}  // namespace vek
