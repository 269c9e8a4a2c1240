// Show, activation, resize, paint, close, language switch and the keyboard.
#include <memory>

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include "language/DictionaryEnglish.h"
#include "language/DictionaryGerman.h"
#include "language/Language.h"
#include "ui/Expander.h"
#include "ui/FocusOrder.h"
#include "ui/MainForm.h"
#include "ui/ResultSelectionForm.h"

namespace vek {

namespace {

QWidget* DeepestFocusProxy(QWidget* control) {
  while (control->focusProxy() != nullptr) {
    control = control->focusProxy();
  }
  return control;
}

// The button that Enter presses; check boxes and group headers are inputs like others.
bool IsPressButton(const QWidget* widget) {
  if (qobject_cast<const QPushButton*>(widget) != nullptr) {
    return true;
  }
  return qobject_cast<const QToolButton*>(widget) != nullptr &&
         qobject_cast<const TExpander*>(widget->parentWidget()) == nullptr;
}

}  // namespace

void TMainForm::AddTranslationTarget(std::function<void()> translate) {
  FTranslationTargets.push_back(std::move(translate));
}

void TMainForm::setVisible(bool visible) {
  if (visible && !isVisible()) {
    OnShowForm();
    if (FIsBehindSplash) {
      // The splash screen shows this window when its time is up.
      return;
    }
  }
  QMainWindow::setVisible(visible);
}

void TMainForm::OnShowForm() {
  ++FOnShowCount;
  FIsBehindSplash = FOnShowCount == 1 && FSplashScreen != nullptr;
  if (FIsBehindSplash) {
    FSplashScreen->show();
  }
  NewProject();
  AddNewProjectComponent();
  TranslationToFormObjects();
}

void TMainForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    OnActivateForm();
  }
}

void TMainForm::OnActivateForm() {
  const TVEKSettings settings = FSettings.GetSetttings();
  if (settings.IsExpander != FIsExpanderExpanded && settings.IsInit) {
    QScrollBar* bar = VertScrollBoxPSM->verticalScrollBar();
    bar->setValue(bar->minimum());
    FIsExpanderExpanded = settings.IsExpander;
    SetAllExpanders(FIsExpanderExpanded);
    bar->setValue(bar->minimum());
  }
  if (ResultSelectionForm()->IsCreateVekResultView()) {
    ShowResultState();
  }
  MItemHeadPrint->setEnabled(settings.IsPassword);
  UpdateNonStandardSizeItem();
}

void TMainForm::UpdateNonStandardSizeItem() {
  constexpr int kStandardEntries = 9;
  if (IsAdminMode()) {
    if (CBoxAnchorSize->count() < kStandardEntries + 1) {
      CBoxAnchorSize->addItem(Text("LBoxItemNonStandard"));
    }
  } else if (CBoxAnchorSize->count() > kStandardEntries) {
    if (CBoxAnchorSize->currentIndex() == kStandardEntries) {
      CBoxAnchorSize->setCurrentIndex(0);
    }
    CBoxAnchorSize->removeItem(kStandardEntries);
  }
}

void TMainForm::SetAllExpanders(bool value) {
  for (TExpander* expander :
       {ExpanderPSMProject, ExpanderPSMAnchor, ExpanderPSMWall, ExpanderPSMFixtures,
        ExpanderPSMWorkload, ExpanderPSMResult, ExpanderPSMCeilingWall}) {
    expander->SetExpanded(value);
  }
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  OnResizeForm();
}

void TMainForm::OnResizeForm() {
  if (width() < kMinWidth) {
    resize(kMinWidth, height());
  }
  if (height() < kMinHeight) {
    resize(width(), kMinHeight);
  }
}

void TMainForm::paintEvent(QPaintEvent* event) {
  RefreshProjectTexts();
  QMainWindow::paintEvent(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (OnFormClose()) {
    event->accept();
    QApplication::quit();
  } else {
    event->ignore();
  }
}

bool TMainForm::OnFormClose() {
  return AskSaveChanges();
}

void TMainForm::OnClickMenuChangeLanguage(QAction* item) {
  MItemHeadLanguage->setIcon(item->icon());
  if (item == MItemHeadLanguageEnglish) {
    Language().SetDictionary(std::make_shared<TDictionaryEnglish>());
  } else {
    Language().SetDictionary(std::make_shared<TDictionaryGerman>());
  }
  FIsLanguageChange = true;
  TranslationToFormObjects();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* widget = qobject_cast<QWidget*>(watched);
      // Each key once, at the focused control of this window.
      if (widget != nullptr && widget == QApplication::focusWidget() && widget->window() == this) {
        return OnKeyDown(widget, static_cast<QKeyEvent*>(event));
      }
      break;
    }
    case QEvent::Wheel: {
      // A number or combo box without the focus lets the wheel scroll the side panel.
      auto* widget = qobject_cast<QWidget*>(watched);
      const bool isBox = qobject_cast<QAbstractSpinBox*>(watched) != nullptr ||
                         qobject_cast<QComboBox*>(watched) != nullptr;
      if (isBox && !widget->hasFocus() && VertScrollBoxPSM->isAncestorOf(widget)) {
        QCoreApplication::sendEvent(VertScrollBoxPSM->verticalScrollBar(), event);
        return true;
      }
      break;
    }
    case QEvent::FocusIn:
      if (watched == CBoxWallParapetConcreteQuality || watched == CBoxCeilingWallAnchoringBase ||
          watched == CBoxCeilingWallCeilingTileConcreteQuality ||
          watched == EditCeilingWallConcreteThickness) {
        OnEnterWallInput();
      }
      break;
    case QEvent::FocusOut:
      // Leaving an edit of the selected component takes its texts over.
      if (watched == EditSelectedProjectComponent ||
          watched == EditSelectedProjectComponentPosition ||
          watched == EditSelectedProjectComponentQuantity) {
        OnExitChangeVekComponent();
      }
      break;
    case QEvent::Paint:
      if (watched == VertScrollBoxPSM->viewport()) {
        RefreshProjectTexts();
      }
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

int TMainForm::FocusedTabNumber() const {
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) {
    return 0;
  }
  // A control that hands its focus to another (a group header, a tab page) counts.
  int number = 0;
  for (QWidget* control : findChildren<QWidget*>()) {
    const int controlNumber = TabNumber(control);
    if (controlNumber > 0 && control != focus && DeepestFocusProxy(control) == focus &&
        control->isVisibleTo(this)) {
      number = std::max(number, controlNumber);
    }
  }
  if (number > 0) {
    return number;
  }
  for (QWidget* widget = focus; widget != nullptr && widget != this;
       widget = widget->parentWidget()) {
    if (TabNumber(widget) > 0) {
      return TabNumber(widget);
    }
  }
  return 0;
}

bool TMainForm::OnKeyDown(QWidget* target, QKeyEvent* event) {
  const int key = event->key();
  const bool noModifier = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (key == Qt::Key_Tab && noModifier) {
    FocusNextControl(this, FocusedTabNumber(), FMaxTabOrder);
    return true;
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && noModifier) {
    if (IsPressButton(target)) {
      if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->click();
      }
      return true;
    }
    if (target == EditSelectedProjectComponentPosition || target == EditSelectedProjectComponent) {
      OnReturnVekComponent();
    }
    FocusNextControl(this, FocusedTabNumber(), FMaxTabOrder);
    return true;
  }
  const bool isArrow =
      key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
  // The selection of the project list changes only by mouse click.
  return isArrow && target == LBoxVekProjectComponent;
}

}  // namespace vek
