#pragma once

#include <string>

#include <QObject>
#include <QPointer>
#include <QTimer>

class QAction;
class QLabel;
class QWidget;

namespace vek {

// The white callout that shows a control's hint below the control: one
// second after the mouse comes to rest on it, for 60 s or until the mouse
// leaves. A control's hint is a text key, looked up when the hint shows, so
// the current language applies.
class THintCallout : public QObject {
  Q_OBJECT

 public:
  static constexpr int kShowDelayMs = 1000;
  static constexpr int kDisplayTimeMs = 60000;
  static constexpr int kWidth = 300;
  static constexpr int kHeight = 60;
  // Distance between the control's bottom edge and the callout.
  static constexpr int kGap = 2;

  explicit THintCallout(QObject* parent = nullptr);
  ~THintCallout() override;

  // Gives control the hint of textKey; a second registration replaces the key.
  void Register(QWidget* control, const std::string& textKey);
  // Gives a menu or tool bar entry the hint of textKey; host is the menu bar,
  // menu or tool bar that shows it.
  void Register(QAction* action, QWidget* host, const std::string& textKey);

  // Test hook: shorter times.
  void SetTimes(int showDelayMs, int displayTimeMs);

  bool IsShown() const;
  // The hint text on the callout; empty while none is pending or shown.
  QString Text() const;
  // The callout while it is attached to a window, else null.
  QWidget* Callout() const { return FCallout; }

  // The steps of the hint; the event handling calls them.
  void OnMouseEnter(QWidget* control, const QRect& areaInControl, const QString& text);
  void OnMouseLeave();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnTimer();
  void Detach();

  QTimer FTimer;
  QPointer<QWidget> FCallout;
  QPointer<QLabel> FLabel;
  QPointer<QWidget> FControl;
  // The menu bar entry whose hint is pending or shown.
  QPointer<QAction> FAction;
  int FShowDelayMs = kShowDelayMs;
  int FDisplayTimeMs = kDisplayTimeMs;
};

// The program's one callout, created on first use and owned by the application.
THintCallout& HintCallout();

// Registers a hint with the program's callout.
void RegisterHint(QWidget* control, const std::string& textKey);

}  // namespace vek
