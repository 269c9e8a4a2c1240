// The component commands of the project group: taking over the edits of the selected
// component, adding and deleting components, and the project-data dialog.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "ui/MainForm.h"
#include "ui/MessageService.h"
#include "ui/ProjectSettingsForm.h"
#include "ui/VekProjectListBoxItem.h"

namespace vek {

void TMainForm::CommitComponentEdits() {
  if (FVekProject == nullptr || FSelectedVekComponentIndex < 0 ||
      FSelectedVekComponentIndex >= static_cast<int>(FVekProject->GetVekComponentList().size()) ||
      FIsCommittingComponentEdits) {
    return;
  }
  FIsCommittingComponentEdits = true;
  TVekComponent& component =
      *FVekProject->GetVekComponentList()[static_cast<std::size_t>(FSelectedVekComponentIndex)];
  const QString positionText = EditSelectedProjectComponentPosition->text();
  const std::string position = positionText.toStdString();
  if (position != component.GetPosition() && FVekProject->IsPositionExisting(position)) {
    // The own mark is back before the box takes the focus.
    SetEditText(EditSelectedProjectComponentPosition,
                QString::fromStdString(component.GetPosition()));
    MessageService().ShowError(Text("ErrorProjectPositionAlreadyExist") + positionText);
    RefreshProjectTexts();
    FIsCommittingComponentEdits = false;
    return;
  }
  component.SetPosition(position);
  component.SetComponent(EditSelectedProjectComponent->text().toStdString());
  bool isNumber = false;
  const int quantity = EditSelectedProjectComponentQuantity->text().trimmed().toInt(&isNumber);
  if (isNumber) {
    component.SetQuantity(quantity);
  }
  // An empty or invalid quantity, or one below 1, leaves the stored one, shown again.
  if (EditSelectedProjectComponentQuantity->text() != QString::number(component.GetQuantity())) {
    EditSelectedProjectComponentQuantity->setText(QString::number(component.GetQuantity()));
  }
  component.SetType(LblResult->text().toStdString());
  if (TVekProjectListBoxItem* item =
          TVekProjectListBoxItem::At(LBoxVekProjectComponent, FSelectedVekComponentIndex)) {
    item->setText(positionText);
    item->SetQuantity(component.GetQuantity());
    item->SetType(LblResult->text());
  }
  SetEditText(EditDrawAreaComponent, EditSelectedProjectComponent->text());
  SetEditText(EditDrawAreaPosition, positionText);
  RefreshProjectTexts();
  FIsCommittingComponentEdits = false;
}

void TMainForm::OnClickNewProjectComponent() {
  CommitComponentEdits();
  AddNewProjectComponent();
}

void TMainForm::OnClickDeleteProjectComponent() {
  const int count = static_cast<int>(FVekProject->GetVekComponentList().size());
  if (count < 2) {
    MessageService().ShowError(Text("ErrorLastProjectComponent"));
    return;
  }
  const int index = FSelectedVekComponentIndex;
  if (index < 0 || index >= count) {
    return;
  }
  delete LBoxVekProjectComponent->takeItem(index);
  FVekProject->RemoveVekComponent(index);
  // The last entry is shown afresh, also when it now has the deleted one's index.
  FSelectedVekComponentIndex = -1;
  LBoxVekProjectComponent->setCurrentRow(LBoxVekProjectComponent->count() - 1);
  OnClickProjectComponentItem();
}

void TMainForm::OnClickShowVekProjectSettings() {
  FIsChangeForSave = true;
  TVekProjectSettingsForm* form = ProjectSettingsForm();
  form->SetVekProject(FVekProject.get());
  form->exec();
  RefreshProjectTexts();
}

}  // namespace vek
