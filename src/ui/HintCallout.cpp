#include "ui/HintCallout.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolBar>
#include <QVBoxLayout>

#include "language/Language.h"

namespace vek {
namespace {

constexpr const char* kHintKeyProperty = "hintKey";
// The pointer of the callout: its distance from the left edge, width and length.
constexpr int kCalloutOffset = 8;
constexpr int kPointerWidth = 16;
constexpr int kPointerLength = 8;

// White rounded box with a pointer towards the control and a soft shadow.
class TCalloutBox : public QWidget {
 public:
  TCalloutBox(QWidget* form, bool pointerUp) : QWidget(form), FPointerUp(pointerUp) {
    setObjectName("HintCallout");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(THintCallout::kWidth, THintCallout::kHeight);
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(10);
    shadow->setOffset(0, 2);
    shadow->setColor(QColor(0, 0, 0, 90));
    setGraphicsEffect(shadow);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, FPointerUp ? kPointerLength : 0.5, -0.5,
                                               FPointerUp ? -0.5 : -kPointerLength);
    QPainterPath path;
    path.addRoundedRect(box, 4, 4);
    QPainterPath pointer;
    const double left = kCalloutOffset;
    if (FPointerUp) {
      pointer.moveTo(left, box.top() + 1);
      pointer.lineTo(left + kPointerWidth / 2.0, 0.5);
      pointer.lineTo(left + kPointerWidth, box.top() + 1);
    } else {
      pointer.moveTo(left, box.bottom() - 1);
      pointer.lineTo(left + kPointerWidth / 2.0, height() - 0.5);
      pointer.lineTo(left + kPointerWidth, box.bottom() - 1);
    }
    pointer.closeSubpath();
    path = path.united(pointer);
    painter.setPen(QPen(QColor(0xB4, 0xB4, 0xB4), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(path);
  }

 private:
  bool FPointerUp;
};

QRect ActionRect(QWidget* host, QAction* action) {
  if (auto* bar = qobject_cast<QMenuBar*>(host)) {
    return bar->actionGeometry(action);
  }
  return {};
}

QAction* ActionAt(QWidget* host, const QPoint& pos) {
  if (auto* bar = qobject_cast<QMenuBar*>(host)) {
    return bar->actionAt(pos);
  }
  return nullptr;
}

QString HintText(const QObject* object) {
  if (object == nullptr) {
    return {};
  }
  const QString key = object->property(kHintKeyProperty).toString();
  return key.isEmpty() ? QString() : QString::fromStdString(Language().PrintL(key.toStdString()));
}

}  // namespace

THintCallout::THintCallout(QObject* parent) : QObject(parent) {
  FTimer.setSingleShot(true);
  connect(&FTimer, &QTimer::timeout, this, &THintCallout::OnTimer);
}

THintCallout::~THintCallout() {
  delete FCallout;
}

void THintCallout::Register(QWidget* control, const std::string& textKey) {
  if (control == nullptr) {
    return;
  }
  control->setProperty(kHintKeyProperty, QString::fromStdString(textKey));
  control->installEventFilter(this);
}

void THintCallout::Register(QAction* action, QWidget* host, const std::string& textKey) {
  if (action == nullptr || host == nullptr) {
    return;
  }
  if (auto* toolBar = qobject_cast<QToolBar*>(host)) {
    Register(toolBar->widgetForAction(action), textKey);
    return;
  }
  if (qobject_cast<QMenuBar*>(host) == nullptr) {
    return;
  }
  action->setProperty(kHintKeyProperty, QString::fromStdString(textKey));
  host->setMouseTracking(true);
  host->installEventFilter(this);
}

void THintCallout::SetTimes(int showDelayMs, int displayTimeMs) {
  FShowDelayMs = showDelayMs;
  FDisplayTimeMs = displayTimeMs;
}

bool THintCallout::IsShown() const {
  return FCallout != nullptr && FCallout->isVisible();
}

QString THintCallout::Text() const {
  return FLabel != nullptr ? FLabel->text() : QString();
}

void THintCallout::OnMouseEnter(QWidget* control, const QRect& areaInControl, const QString& text) {
  Detach();
  FTimer.stop();
  if (control == nullptr || text.isEmpty()) {
    return;
  }
  QWidget* form = control->window();
  const QPoint topLeft = control->mapTo(form, areaInControl.topLeft());
  const int x = std::clamp(topLeft.x(), 0, std::max(0, form->width() - kWidth));
  int y = topLeft.y() + areaInControl.height() + kGap;
  const bool below = y + kHeight <= form->height() || topLeft.y() - kGap - kHeight < 0;
  if (!below) {
    y = topLeft.y() - kGap - kHeight;
  }
  auto* box = new TCalloutBox(form, below);
  auto* label = new QLabel(text, box);
  label->setObjectName("HintCalloutLabel");
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  label->setStyleSheet("color: black; background: transparent;");
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(5, below ? 10 : 2, 5, below ? 2 : 10);
  layout->addWidget(label);
  box->move(x, y);
  box->hide();
  FCallout = box;
  FLabel = label;
  FControl = control;
  FTimer.start(FShowDelayMs);
}

void THintCallout::OnMouseLeave() {
  FTimer.stop();
  Detach();
}

void THintCallout::OnTimer() {
  FTimer.stop();
  if (FCallout == nullptr) {
    return;
  }
  if (FCallout->isHidden()) {
    FCallout->show();
    FCallout->raise();
    FTimer.start(FDisplayTimeMs);
  } else {
    Detach();
  }
}

void THintCallout::Detach() {
  if (QWidget* box = FCallout) {
    FCallout = nullptr;
    FLabel = nullptr;
    box->hide();
    box->deleteLater();
  }
  FControl = nullptr;
  FAction = nullptr;
}

bool THintCallout::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) {
    return false;
  }
  const bool isHost = qobject_cast<QMenuBar*>(widget) != nullptr;
  switch (event->type()) {
    case QEvent::Enter:
      if (!isHost) {
        OnMouseEnter(widget, widget->rect(), HintText(widget));
      }
      break;
    case QEvent::MouseMove:
      if (isHost) {
        QAction* action = ActionAt(widget, static_cast<QMouseEvent*>(event)->position().toPoint());
        if (action == nullptr || HintText(action).isEmpty()) {
          if (FControl == widget) {
            OnMouseLeave();
          }
        } else if (FControl != widget || FAction != action) {
          OnMouseEnter(widget, ActionRect(widget, action), HintText(action));
          FAction = action;
        }
      }
      break;
    case QEvent::Leave:
    case QEvent::Hide:
      if (FControl == widget) {
        OnMouseLeave();
      }
      break;
    default:
      break;
  }
  return false;
}

THintCallout& HintCallout() {
  static QPointer<THintCallout> callout;
  if (callout == nullptr) {
    callout = new THintCallout(QCoreApplication::instance());
  }
  return *callout;
}

void RegisterHint(QWidget* control, const std::string& textKey) {
  HintCallout().Register(control, textKey);
}

}  // namespace vek
