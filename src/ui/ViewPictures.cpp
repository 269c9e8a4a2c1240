#include "ui/ViewPictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include "ui/OperatorMaterial.h"

namespace vek {

QString ViewPicturePath(std::string_view tabName) {
  InitUiResources();
  for (const TViewPictureEntry& entry : kViewPictures) {
    if (entry.TabName == tabName) {
      return QString::fromLatin1(entry.Path);
    }
  }
  return {};
}

TViewPicture::TViewPicture(const QString& path, QWidget* parent)
    : QLabel(parent), FRenderer(new QSvgRenderer(this)) {
  InitUiResources();
  FRenderer->load(path);
  FRenderer->setAspectRatioMode(Qt::KeepAspectRatio);
  setMinimumSize(minimumSizeHint());
}

bool TViewPicture::IsValid() const {
  return FRenderer->isValid();
}

QSize TViewPicture::sizeHint() const {
  return FRenderer->isValid() ? FRenderer->defaultSize() : QLabel::sizeHint();
}

QSize TViewPicture::minimumSizeHint() const {
  return FRenderer->isValid() ? FRenderer->defaultSize() / 3 : QLabel::minimumSizeHint();
}

void TViewPicture::paintEvent(QPaintEvent* event) {
  if (!FRenderer->isValid()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QSize fitted = FRenderer->defaultSize().scaled(contentsRect().size(), Qt::KeepAspectRatio);
  QRect target(QPoint(), fitted);
  target.moveCenter(contentsRect().center());
  FRenderer->render(&painter, target);
}

}  // namespace vek
