#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vek {

class TVekProject;

// The project data: name, company, address, reviser and date of the open project.
// OK writes the fields into the project, Cancel leaves it as it was.
class TVekProjectSettingsForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 420;
  static constexpr int kClientHeight = 205;

  explicit TVekProjectSettingsForm(QWidget* parent = nullptr);

  void TranslationToFormObjects();

  // The project is the main window's; none leaves the fields empty and OK writes nothing.
  void SetVekProject(TVekProject* project) { FVekProject = project; }
  TVekProject* GetVekProject() const { return FVekProject; }

  // Fills the fields from the project; runs whenever the dialog is shown.
  void OnShowForm();
  void BtOKClick();
  void BtCancelClick();
  int MaxTabOrder() const { return FMaxTabOrder; }

  // A project date (days since 30 December 1899) as a calendar date, and back; dates
  // the picker cannot show are brought into its range.
  static QDate DateOfDays(double days);
  static double DaysOfDate(const QDate& date);

  QLineEdit* EditJPSFProject;
  QLineEdit* EditJPSFCompany;
  QLineEdit* EditJPSFCompanyAdress;
  QLineEdit* EditJPSFCompanyReviser;
  QDateEdit* TimeEditJPSFDate;
  QPushButton* BtOK;
  QPushButton* BtCancel;
  QLabel* LblJPSFProject;
  QLabel* LblJPSFCompany;
  QLabel* LblJPSFCompanyAdress;
  QLabel* LblJPSFCompanyReviser;
  QLabel* LblJPSFDate;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnKeyDown(QKeyEvent* event);

  TVekProject* FVekProject = nullptr;
  int FMaxTabOrder = 8;
  // The date shown on show: an untouched picker keeps the stored value with its time.
  QDate FShownDate;
};

}  // namespace vek
