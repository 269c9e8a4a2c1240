#include "ui/FocusOrder.h"

#include <QVariant>
#include <QWidget>

namespace vek {
namespace {

// The control with the smallest tab number above n, or null.
QWidget* NextNumbered(QWidget* form, int n) {
  QWidget* best = nullptr;
  int bestNumber = kTabNumberLimit;
  for (QWidget* control : form->findChildren<QWidget*>()) {
    const int number = TabNumber(control);
    if (number > n && number < bestNumber) {
      best = control;
      bestNumber = number;
    }
  }
  return best;
}

QWidget* DeepestFocusProxy(QWidget* control) {
  while (control->focusProxy() != nullptr) {
    control = control->focusProxy();
  }
  return control;
}

bool TakesFocus(QWidget* control) {
  QWidget* target = DeepestFocusProxy(control);
  if (!control->isEnabled() || !control->isVisibleTo(control->window()) ||
      (target->focusPolicy() & Qt::TabFocus) == 0) {
    return false;
  }
  control->setFocus(Qt::TabFocusReason);
  // The window's focus child also answers while the window is not active.
  return target->window()->focusWidget() == target;
}

}  // namespace

void SetTabNumber(QObject* control, int tabNumber) {
  if (control != nullptr) {
    control->setProperty(kTabNumberProperty, tabNumber);
  }
}

int TabNumber(const QObject* control) {
  if (control == nullptr) {
    return 0;
  }
  bool ok = false;
  const int number = control->property(kTabNumberProperty).toInt(&ok);
  return ok ? number : 0;
}

void FocusNextControl(QWidget* form, int n, int max) {
  if (form == nullptr || max < 1) {
    return;
  }
  // One pass over every number of the order, twice over at most: a start
  // above max first wraps, then each number 2..max is tried once.
  for (int step = 0; step <= 2 * max + 1; ++step) {
    if (n >= max) {
      n = 1;
      continue;
    }
    if (QWidget* next = NextNumbered(form, n)) {
      if (TakesFocus(next)) {
        return;
      }
    }
    ++n;
  }
}

}  // namespace vek
