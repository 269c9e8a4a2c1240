// The file commands: new, open, save, save as, a project file dropped on the window, and
// the save question before a project is replaced or the program ends.
#include <exception>
#include <filesystem>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>

#include "project/ProjectFile.h"
#include "ui/MainForm.h"
#include "ui/MessageService.h"
#include "ui/ProjectSettingsForm.h"
#include "ui/ResultSelectionForm.h"

namespace vek {

namespace {

constexpr const char* kProposedFileName = "VekProject.vek";
constexpr const char* kFileFilter = "VekProject (*.vek)";
constexpr const char* kFileExtension = ".vek";

std::filesystem::path FilePath(const QString& fileName) {
  return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

// The wait cursor for as long as the scope lasts.
class TBusyCursor {
 public:
  TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};

// The panel behind the window's controls takes dropped files.
class TFileDropFilter : public QObject {
 public:
  TFileDropFilter(TMainForm* form, QWidget* panel) : QObject(panel), FForm(form) {
    panel->setAcceptDrops(true);
    panel->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData()->hasUrls()) {
          drag->acceptProposedAction();
          return true;
        }
        break;
      }
      case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        QStringList fileNames;
        for (const QUrl& url : drop->mimeData()->urls()) {
          fileNames.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
        }
        drop->acceptProposedAction();
        FForm->PanelDragDropDragDrop(fileNames);
        return true;
      }
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  TMainForm* FForm;
};

}  // namespace

void TMainForm::ConnectProjectCommands() {
  connect(MItemHeadNew, &QAction::triggered, this, [this] { OnClickMenuNew(); });
  connect(MItemHeadOpen, &QAction::triggered, this, [this] { OnClickMenuOpen(); });
  connect(MItemHeadSave, &QAction::triggered, this, [this] { OnClickMenuSave(); });
  connect(MItemHeadSaveAs, &QAction::triggered, this, [this] { OnClickMenuSaveAs(); });
  connect(MItemHeadCalculate, &QAction::triggered, this, [this] { OnClickCalculateVEK(); });
  connect(BtVekResult, &QToolButton::clicked, this, [this] { OnClickShowResult(); });
  connect(BtNewProjectComponent, &QToolButton::clicked, this,
          [this] { OnClickNewProjectComponent(); });
  connect(BtDeletSelectedProjectComponent, &QToolButton::clicked, this,
          [this] { OnClickDeleteProjectComponent(); });
  connect(BtProjectSettings, &QToolButton::clicked, this,
          [this] { OnClickShowVekProjectSettings(); });
  new TFileDropFilter(this, PanelDragDrop);

  const QString filter = QString::fromLatin1(kFileFilter);
  FOpenFileDialog = [this, filter](const QString&) {
    return QFileDialog::getOpenFileName(this, QString(), QString(), filter);
  };
  FSaveFileDialog = [this, filter](const QString& proposedName) {
    return QFileDialog::getSaveFileName(this, QString(), proposedName, filter);
  };
}

void TMainForm::SetFileDialogs(TFileDialog openDialog, TFileDialog saveDialog) {
  FOpenFileDialog = std::move(openDialog);
  FSaveFileDialog = std::move(saveDialog);
}

TVekProjectSettingsForm* TMainForm::ProjectSettingsForm() {
  if (FProjectSettingsForm == nullptr) {
    FProjectSettingsForm = new TVekProjectSettingsForm(this);
  }
  return FProjectSettingsForm;
}

TForm2* TMainForm::ResultSelectionForm() {
  if (FResultSelectionForm == nullptr) {
    FResultSelectionForm = new TForm2(this);
  }
  return FResultSelectionForm;
}

void TMainForm::OnClickMenuNew() {
  if (!AskSaveChanges()) {
    return;
  }
  NewProject();
  AddNewProjectComponent();
}

void TMainForm::OnClickMenuOpen() {
  OpenProject();
}

void TMainForm::OnClickMenuSave() {
  SaveProject();
}

void TMainForm::OnClickMenuSaveAs() {
  SaveProjectAs();
}

bool TMainForm::AskSaveChanges() {
  if (!FIsChangeForSave) {
    return true;
  }
  switch (MessageService().Confirm(Text("SaveQuestion"))) {
    case TMessageBoxAction::mbaCancel:
      return false;
    case TMessageBoxAction::mbaNo:
      return true;
    case TMessageBoxAction::mbaYes:
      break;
  }
  // A save that fails keeps the project: the caller must not replace it.
  return SaveProject();
}

bool TMainForm::SaveProject() {
  if (FFilename.isEmpty()) {
    return SaveProjectAs();
  }
  WriteInputsToVek();
  try {
    SaveProjectToFile(FFilename);
  } catch (const std::exception&) {
    MessageService().ShowError(Text("ErrorSaveProjectData"));
    return false;
  }
  return true;
}

bool TMainForm::SaveProjectAs() {
  QString fileName = FSaveFileDialog(QString::fromLatin1(kProposedFileName));
  if (fileName.isEmpty()) {
    return false;
  }
  WriteInputsToVek();
  if (!fileName.endsWith(QLatin1String(kFileExtension))) {
    fileName += QLatin1String(kFileExtension);
  }
  try {
    SaveProjectToFile(fileName);
  } catch (const std::exception&) {
    MessageService().ShowError(Text("ErrorSaveProjectData"));
    return false;
  }
  FFilename = fileName;
  return true;
}

void TMainForm::SaveProjectToFile(const QString& fileName) {
  ::vek::SaveProjectToFile(*FVekProject, FilePath(fileName));
  FIsChangeForSave = false;
}

void TMainForm::OpenProject(const QString& fileName) {
  if (!AskSaveChanges()) {
    return;
  }
  QString name = fileName;
  if (name.isEmpty()) {
    name = FOpenFileDialog(QString());
    if (name.isEmpty()) {
      return;
    }
  }
  std::unique_ptr<TVekProject> project;
  try {
    // Reading recalculates every assigned component.
    const TBusyCursor busy;
    project = LoadProjectFromFile(FilePath(name));
  } catch (const std::exception&) {
    MessageService().ShowError(Text("ErrorLoadProjectData"));
    return;
  }
  if (!IsAdminMode() && IsAdminOnlyProject(*project)) {
    MessageService().ShowError(Text("ErrorLoadAdminProjectData"));
    return;
  }
  NewProject();
  ApplyProject(std::move(project));
  FFilename = name;
}

void TMainForm::PanelDragDropDragDrop(const QStringList& fileNames) {
  if (fileNames.size() == 1 && fileNames.front().endsWith(QLatin1String(kFileExtension))) {
    OpenProject(fileNames.front());
  }
}

}  // namespace vek
