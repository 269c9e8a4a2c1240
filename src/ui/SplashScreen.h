#pragma once

#include <QTimer>
#include <QWidget>

class QGraphicsOpacityEffect;
class QLabel;
class QSequentialAnimationGroup;

namespace vek {

// Times of the splash screen; tests pass shorter ones.
struct TSplashTimings {
  int FadeInMs = 1000;
  // From the show to the start of the fade-out.
  int FadeOutDelayMs = 3000;
  int FadeOutMs = 1000;
  // From the show to the close.
  int CloseAfterMs = 5000;
};

// The picture shown while the program starts: frameless and centred, it fades
// the picture in and out again, then closes and reports that the main window
// may show.
class TSplashScreenForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 796;
  static constexpr int kHeight = 596;

  explicit TSplashScreenForm(QWidget* parent = nullptr, TSplashTimings timings = {});

  double PictureOpacity() const;
  bool IsTimerActive() const { return FTimerSplashScreen.isActive(); }

 signals:
  // The splash screen has closed; the main window shows now.
  void MainWindowMayShow();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnTimerSplashScreen();

  TSplashTimings FTimings;
  QLabel* FImgSplashScreen;
  QGraphicsOpacityEffect* FOpacity;
  QSequentialAnimationGroup* FAnimation;
  QTimer FTimerSplashScreen;
  bool FShown = false;
};

}  // namespace vek
