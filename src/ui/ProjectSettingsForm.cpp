#include "ui/ProjectSettingsForm.h"

#include <cmath>

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/RegionalSettings.h"
#include "language/Language.h"
#include "project/VekProject.h"
#include "ui/FocusOrder.h"

namespace vek {
namespace {

QString Text(const char* key) {
  return QString::fromStdString(Language().PrintL(key));
}

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

// Day 0 of a project date.
const QDate kDayZero(1899, 12, 30);

// The regional short date (tokens yyyy, yy, mm, m, dd, d) as a display format of the
// picker; other letters are quoted so that the picker shows them as they are.
QString PickerDateFormat() {
  const QString format = QString::fromStdString(RegionalSettings().ShortDateFormat);
  QString result;
  for (int i = 0; i < format.size();) {
    const QStringView rest = QStringView(format).mid(i);
    if (rest.startsWith(u"yyyy")) {
      result += "yyyy";
      i += 4;
    } else if (rest.startsWith(u"yy")) {
      result += "yy";
      i += 2;
    } else if (rest.startsWith(u"mm")) {
      result += "MM";
      i += 2;
    } else if (rest.startsWith(u"m")) {
      result += "M";
      i += 1;
    } else if (rest.startsWith(u"dd")) {
      result += "dd";
      i += 2;
    } else if (rest.startsWith(u"d")) {
      result += "d";
      i += 1;
    } else if (format[i].isLetter() || format[i] == '\'') {
      result += format[i] == '\'' ? QStringLiteral("''") : QStringLiteral("'%1'").arg(format[i]);
      i += 1;
    } else {
      result += format[i];
      i += 1;
    }
  }
  return result;
}

}  // namespace

TVekProjectSettingsForm::TVekProjectSettingsForm(QWidget* parent)
    : QDialog(parent),
      EditJPSFProject(new QLineEdit(this)),
      EditJPSFCompany(new QLineEdit(this)),
      EditJPSFCompanyAdress(new QLineEdit(this)),
      EditJPSFCompanyReviser(new QLineEdit(this)),
      TimeEditJPSFDate(new QDateEdit(this)),
      BtOK(new QPushButton(this)),
      BtCancel(new QPushButton(this)),
      LblJPSFProject(new QLabel(this)),
      LblJPSFCompany(new QLabel(this)),
      LblJPSFCompanyAdress(new QLabel(this)),
      LblJPSFCompanyReviser(new QLabel(this)),
      LblJPSFDate(new QLabel(this)) {
  setObjectName("VekProjectSettingsForm");
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  EditJPSFProject->setObjectName("EditJPSFProject");
  EditJPSFCompany->setObjectName("EditJPSFCompany");
  EditJPSFCompanyAdress->setObjectName("EditJPSFCompanyAdress");
  EditJPSFCompanyReviser->setObjectName("EditJPSFCompanyReviser");
  TimeEditJPSFDate->setObjectName("TimeEditJPSFDate");
  TimeEditJPSFDate->setCalendarPopup(true);
  BtOK->setObjectName("BtOK");
  BtCancel->setObjectName("BtCancel");
  LblJPSFProject->setObjectName("LblJPSFProject");
  LblJPSFCompany->setObjectName("LblJPSFCompany");
  LblJPSFCompanyAdress->setObjectName("LblJPSFCompanyAdress");
  LblJPSFCompanyReviser->setObjectName("LblJPSFCompanyReviser");
  LblJPSFDate->setObjectName("LblJPSFDate");

  auto* fields = new QFormLayout;
  fields->addRow(LblJPSFProject, EditJPSFProject);
  fields->addRow(LblJPSFCompany, EditJPSFCompany);
  fields->addRow(LblJPSFCompanyAdress, EditJPSFCompanyAdress);
  fields->addRow(LblJPSFCompanyReviser, EditJPSFCompanyReviser);
  fields->addRow(LblJPSFDate, TimeEditJPSFDate);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtOK);
  buttons->addWidget(BtCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addStretch(1);
  layout->addLayout(buttons);

  // The window's own keyboard order; Enter presses only the button that has the focus.
  int tabNumber = 2;
  for (QWidget* control :
       std::initializer_list<QWidget*>{EditJPSFProject, EditJPSFCompany, EditJPSFCompanyAdress,
                                       EditJPSFCompanyReviser, TimeEditJPSFDate, BtOK, BtCancel}) {
    SetTabNumber(control, tabNumber++);
    control->installEventFilter(this);
  }
  FMaxTabOrder = 8;
  BtOK->setAutoDefault(false);
  BtCancel->setAutoDefault(false);
  connect(BtOK, &QPushButton::clicked, this, &TVekProjectSettingsForm::BtOKClick);
  connect(BtCancel, &QPushButton::clicked, this, &TVekProjectSettingsForm::BtCancelClick);

  TranslationToFormObjects();
  resize(kClientWidth, kClientHeight);
}

void TVekProjectSettingsForm::TranslationToFormObjects() {
  setWindowTitle(Text("VekProjectSettingsForm"));
  LblJPSFProject->setText(Text("LblJPSFProject"));
  LblJPSFCompany->setText(Text("LblJPSFCompany"));
  LblJPSFCompanyAdress->setText(Text("LblJPSFCompanyAdress"));
  LblJPSFCompanyReviser->setText(Text("LblJPSFCompanyReviser"));
  LblJPSFDate->setText(Text("LblJPSFDate"));
  BtOK->setText(Text("BtOK"));
  BtCancel->setText(Text("BtCancel"));
}

void TVekProjectSettingsForm::OnShowForm() {
  TimeEditJPSFDate->setDisplayFormat(PickerDateFormat());
  if (FVekProject == nullptr) {
    for (QLineEdit* edit :
         {EditJPSFProject, EditJPSFCompany, EditJPSFCompanyAdress, EditJPSFCompanyReviser}) {
      edit->clear();
    }
    FShownDate = QDate();
    return;
  }
  EditJPSFProject->setText(FromStd(FVekProject->GetProject()));
  EditJPSFCompany->setText(FromStd(FVekProject->GetCompany()));
  EditJPSFCompanyAdress->setText(FromStd(FVekProject->GetCompanyAddress()));
  EditJPSFCompanyReviser->setText(FromStd(FVekProject->GetCompanyReviser()));
  TimeEditJPSFDate->setDate(DateOfDays(FVekProject->GetDate()));
  FShownDate = TimeEditJPSFDate->date();
}

void TVekProjectSettingsForm::BtOKClick() {
  if (FVekProject != nullptr) {
    FVekProject->SetProject(EditJPSFProject->text().toStdString());
    FVekProject->SetCompany(EditJPSFCompany->text().toStdString());
    FVekProject->SetCompanyAddress(EditJPSFCompanyAdress->text().toStdString());
    FVekProject->SetCompanyReviser(EditJPSFCompanyReviser->text().toStdString());
    if (TimeEditJPSFDate->date() != FShownDate) {
      FVekProject->SetDate(DaysOfDate(TimeEditJPSFDate->date()));
    }
  }
  accept();
}

void TVekProjectSettingsForm::BtCancelClick() {
  reject();
}

QDate TVekProjectSettingsForm::DateOfDays(double days) {
  const double first = static_cast<double>(kDayZero.daysTo(QDateTimeEdit().minimumDate()));
  const double last = static_cast<double>(kDayZero.daysTo(QDateTimeEdit().maximumDate()));
  double day = std::isnan(days) ? 0.0 : std::floor(days);
  day = std::min(std::max(day, first), last);
  return kDayZero.addDays(static_cast<qint64>(day));
}

double TVekProjectSettingsForm::DaysOfDate(const QDate& date) {
  return static_cast<double>(kDayZero.daysTo(date));
}

void TVekProjectSettingsForm::showEvent(QShowEvent* event) {
  OnShowForm();
  QDialog::showEvent(event);
  EditJPSFProject->setFocus(Qt::OtherFocusReason);
}

bool TVekProjectSettingsForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && OnKeyDown(static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool TVekProjectSettingsForm::OnKeyDown(QKeyEvent* event) {
  const bool isEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (event->key() != Qt::Key_Tab && !isEnter) {
    return false;
  }
  QWidget* focused = focusWidget();
  if (isEnter && qobject_cast<QPushButton*>(focused) != nullptr) {
    static_cast<QPushButton*>(focused)->click();
    return true;
  }
  int number = 0;
  for (QWidget* control = focused; control != nullptr && number == 0;
       control = control->parentWidget()) {
    number = TabNumber(control);
  }
  FocusNextControl(this, number, FMaxTabOrder);
  return true;
}

}  // namespace vek
