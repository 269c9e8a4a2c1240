// The open project: a new project, applying it, its first component, the selection of a
// component and the result display of the selected one.
#include <charconv>
#include <regex>

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "language/Language.h"
#include "ui/Expander.h"
#include "ui/MainForm.h"
#include "ui/PanelStyles.h"
#include "ui/ProjectSettingsForm.h"
#include "ui/VekProjectListBoxItem.h"

namespace vek {

namespace {

// Days since 30 December 1899, the date origin of the project file.
double Today() {
  return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
}

bool ReadWholeNumber(const std::string& text, long long& value) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  const auto [last, error] = std::from_chars(begin, end, value);
  return !text.empty() && error == std::errc() && last == end;
}

bool IsDigitsOnly(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

std::string TrimRight(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

}  // namespace

void TMainForm::SetEditText(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  edit->setCursorPosition(0);
}

TVek& TMainForm::SelectedVek() {
  if (FVekProject != nullptr && FSelectedVekComponentIndex >= 0 &&
      FSelectedVekComponentIndex < static_cast<int>(FVekProject->GetVekComponentList().size())) {
    return *FVekProject->GetVekComponentList()[static_cast<std::size_t>(FSelectedVekComponentIndex)]
                ->GetVek();
  }
  FUnkeptVek = std::make_unique<TVek>();
  return *FUnkeptVek;
}

void TMainForm::NewProject() {
  FFilename.clear();
  auto project = std::make_unique<TVekProject>();
  project->SetDate(Today());
  project->SetProject(Language().PrintL("DefaultNewProject"));
  project->SetCompanyReviser(qEnvironmentVariable("USERNAME").toStdString());
  ApplyProject(std::move(project));
}

void TMainForm::ApplyProject(std::unique_ptr<TVekProject> project) {
  LBoxVekProjectComponent->clear();
  FSelectedVekComponentIndex = -1;
  ResetInputLabelColors();
  FVekProject = std::move(project);
  LblProjectName->setText(QString::fromStdString(FVekProject->GetProject()));
  const auto& components = FVekProject->GetVekComponentList();
  for (std::size_t i = 0;
       i < components.size() &&
       static_cast<std::size_t>(LBoxVekProjectComponent->count()) < components.size();
       ++i) {
    AddComponentListItem(*components[i]);
  }
  ProjectSettingsForm()->SetVekProject(FVekProject.get());
  ApplyProjectToSettings(FSettings, SelectedVek());
  UpdateNonStandardSizeItem();
  FIsChangeForSave = false;
  ExpanderPSMProject->SetExpanded(true);
}

std::string TMainForm::ProposePositionMark(const TVekProject& project,
                                           const std::string* lastPosition,
                                           const std::string& defaultPosition) {
  std::string proposal;
  std::string base;
  bool hasProposal = false;
  if (lastPosition != nullptr) {
    static const std::regex kLeadingNumber("^[A-Za-z ]+([0-9]+)");
    static const std::regex kNumberedRuns("([A-Za-z ]+)([0-9]+)");
    long long number = 0;
    if (ReadWholeNumber(std::regex_replace(*lastPosition, kLeadingNumber, "$1"), number)) {
      const std::string stem = IsDigitsOnly(*lastPosition)
                                   ? std::string()
                                   : std::regex_replace(*lastPosition, kNumberedRuns, "$1");
      proposal = stem + std::to_string(number + 1);
      base = TrimRight(stem);
      hasProposal = true;
    }
  }
  if (!hasProposal) {
    proposal = lastPosition == nullptr ? defaultPosition + " 1" : *lastPosition;
  }
  if (base.empty()) {
    base = proposal;
  }
  for (int counter = 1; project.IsPositionExisting(proposal); ++counter) {
    proposal = base + " " + std::to_string(counter);
  }
  return proposal;
}

void TMainForm::AddNewProjectComponent() {
  const auto& components = FVekProject->GetVekComponentList();
  const std::string lastPosition =
      components.empty() ? std::string() : components.back()->GetPosition();
  const std::string position =
      ProposePositionMark(*FVekProject, components.empty() ? nullptr : &lastPosition,
                          Language().PrintL("DefaultNewComponentPosition"));
  std::unique_ptr<TVek> vek;
  if (components.empty() || FSelectedVekComponentIndex < 0) {
    vek = std::make_unique<TVek>();
  } else {
    WriteInputsToVek();
    vek = std::make_unique<TVek>(SelectedVek());
  }
  auto component = std::make_unique<TVekComponent>(
      std::move(vek), position, Language().PrintL("DefaultNewComponentComponent"), 1);
  const TVekComponent* added = component.get();
  if (FVekProject->AddVekComponent(component)) {
    AddComponentListItem(*added);
  }
}

void TMainForm::AddComponentListItem(const TVekComponent& component) {
  auto* item = new TVekProjectListBoxItem(LBoxVekProjectComponent);
  item->setText(QString::fromStdString(component.GetPosition()));
  item->SetQuantity(component.GetQuantity());
  LBoxVekProjectComponent->setCurrentRow(LBoxVekProjectComponent->count() - 1);
  OnClickProjectComponentItem();
}

void TMainForm::OnClickProjectComponentItem() {
  const int oldIndex = FSelectedVekComponentIndex;
  FSelectedVekComponentIndex = LBoxVekProjectComponent->currentRow();
  ResetInputLabelColors();
  if (FSelectedVekComponentIndex != oldIndex && FSelectedVekComponentIndex >= 0) {
    const TVekComponent& component =
        *FVekProject->GetVekComponentList()[static_cast<std::size_t>(FSelectedVekComponentIndex)];
    const QString name = QString::fromStdString(component.GetComponent());
    const QString position = QString::fromStdString(component.GetPosition());
    SetEditText(EditSelectedProjectComponent, name);
    SetEditText(EditDrawAreaComponent, name);
    SetEditText(EditSelectedProjectComponentPosition, position);
    SetEditText(EditDrawAreaPosition, position);
    EditSelectedProjectComponentQuantity->setText(QString::number(component.GetQuantity()));
    TVek& vek = *component.GetVek();
    vek.StopFsm();
    ShowVekInputs();
    vek.RunFsm();
    ShowResultState();
  }
  LBoxVekProjectComponent->setFocus();
}

void TMainForm::RefreshProjectTexts() {
  if (FVekProject == nullptr) {
    return;
  }
  const QString name = QString::fromStdString(FVekProject->GetProject());
  if (LblProjectName->text() != name) {
    LblProjectName->setText(name);
  }
  if (EditDrawAreaProject->text() != name) {
    SetEditText(EditDrawAreaProject, name);
  }
  for (int row = 0; row < LBoxVekProjectComponent->count(); ++row) {
    if (TVekProjectListBoxItem* item = TVekProjectListBoxItem::At(LBoxVekProjectComponent, row)) {
      item->RefreshType();
    }
  }
}

void TMainForm::ShowResultState() {
  TVek& vek = SelectedVek();
  if (vek.GetState() == TVEKState::ASSIGNED) {
    const TVEKResult result = vek.GetSelectedVEKResult();
    if (!TVek::IsVEKResultEmpty(result)) {
      const char* style = !result.IsAllProof ? kPanelStyleRed
                          : result.IsWarning ? kPanelStyleOrange
                                             : kPanelStyleGreen;
      SetPanelStyle(PanelResult, QString::fromLatin1(style));
    }
    LblResult->setText(QString::fromStdString(vek.GetAssignedVek()));
    MItemHeadPrint->setEnabled(true);
  } else {
    SetPanelStyle(PanelResult, QString::fromLatin1(kPanelHeadStyleWhite));
    LblResult->setText(QStringLiteral("N/A"));
    MItemHeadPrint->setEnabled(false);
  }
  if (TVekProjectListBoxItem* item =
          TVekProjectListBoxItem::At(LBoxVekProjectComponent, FSelectedVekComponentIndex)) {
    item->SetType(LblResult->text());
  }
  bool anyResult = false;
  if (FVekProject != nullptr) {
    for (const std::unique_ptr<TVekComponent>& component : FVekProject->GetVekComponentList()) {
      anyResult = anyResult || !TVek::IsVEKResultEmpty(component->GetVek()->GetSelectedVEKResult());
    }
  }
  MItemHeadPrintDocs->setEnabled(anyResult);
}

}  // namespace vek
