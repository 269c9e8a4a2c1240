#pragma once

class QObject;
class QWidget;

namespace vek {

// A control takes part in a window's keyboard order through its tab number,
// kept in this dynamic property (1 to the window's maximum).
inline constexpr const char* kTabNumberProperty = "tabNumber";

// Numbers from here upwards never take part in the order.
inline constexpr int kTabNumberLimit = 999999;

void SetTabNumber(QObject* control, int tabNumber);
// The control's tab number; 0 when it has none.
int TabNumber(const QObject* control);

// Moves the focus from the control numbered n to the next one of form that
// can take it: the smallest number above n, trying upwards; from max on the
// order wraps to 2 (number 1 is reached only by mouse). A control can take
// the focus when it is enabled, visible and accepts focus by keyboard. When no
// control of the order can, the focus stays where it is.
void FocusNextControl(QWidget* form, int n, int max);

}  // namespace vek
