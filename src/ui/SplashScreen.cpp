#include "ui/SplashScreen.h"

#include <algorithm>

#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSequentialAnimationGroup>

#include "ui/OperatorMaterial.h"

namespace vek {

TSplashScreenForm::TSplashScreenForm(QWidget* parent, TSplashTimings timings)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      FTimings(timings),
      FImgSplashScreen(new QLabel(this)),
      FOpacity(new QGraphicsOpacityEffect(this)),
      FAnimation(new QSequentialAnimationGroup(this)) {
  setObjectName("SplashScreenForm");
  setAttribute(Qt::WA_TranslucentBackground);
  setFixedSize(kWidth, kHeight);
  FImgSplashScreen->setObjectName("ImgSplashScreen");
  FImgSplashScreen->setGeometry(rect());
  FImgSplashScreen->setAlignment(Qt::AlignCenter);
  FImgSplashScreen->setPixmap(OperatorPicture(kSplashPicture, size()));
  FOpacity->setOpacity(0.0);
  FImgSplashScreen->setGraphicsEffect(FOpacity);

  auto* fadeIn = new QPropertyAnimation(FOpacity, "opacity");
  fadeIn->setDuration(FTimings.FadeInMs);
  fadeIn->setStartValue(0.0);
  fadeIn->setEndValue(1.0);
  auto* fadeOut = new QPropertyAnimation(FOpacity, "opacity");
  fadeOut->setDuration(FTimings.FadeOutMs);
  fadeOut->setStartValue(1.0);
  fadeOut->setEndValue(0.0);
  FAnimation->addAnimation(fadeIn);
  FAnimation->addPause(std::max(0, FTimings.FadeOutDelayMs - FTimings.FadeInMs));
  FAnimation->addAnimation(fadeOut);

  FTimerSplashScreen.setSingleShot(true);
  FTimerSplashScreen.setInterval(FTimings.CloseAfterMs);
  connect(&FTimerSplashScreen, &QTimer::timeout, this, &TSplashScreenForm::OnTimerSplashScreen);
}

double TSplashScreenForm::PictureOpacity() const {
  return FOpacity->opacity();
}

void TSplashScreenForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (FShown) {
    return;
  }
  // Shown once: the times count from here, as the picture is seen from here.
  FShown = true;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = geometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  FAnimation->start();
  FTimerSplashScreen.start();
}

void TSplashScreenForm::OnTimerSplashScreen() {
  FTimerSplashScreen.stop();
  FAnimation->stop();
  // The main window shows first, so that the program always has a visible window.
  emit MainWindowMayShow();
  close();
}

}  // namespace vek
