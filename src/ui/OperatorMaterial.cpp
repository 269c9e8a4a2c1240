#include "ui/OperatorMaterial.h"

#include <QFile>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSvgRenderer>

// Resources of a static library are registered explicitly; outside the
// namespace, as the registration functions are global.
static void InitUiResourcesGlobal() {
  Q_INIT_RESOURCE(operator);
  Q_INIT_RESOURCE(views);
}

namespace vek {

void InitUiResources() {
  static const bool done = [] {
    InitUiResourcesGlobal();
    return true;
  }();
  (void)done;
}

QPixmap OperatorPicture(const QString& path, QSize size) {
  InitUiResources();
  if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
      return {};
    }
    const QSize fitted = renderer.defaultSize().scaled(size, Qt::KeepAspectRatio);
    QPixmap pixmap(fitted);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
  }
  QPixmap pixmap(path);
  if (pixmap.isNull()) {
    return {};
  }
  return pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QString OperatorDocument(const QString& name, bool german) {
  InitUiResources();
  QFile file(QStringLiteral(":/operator/legal/%1.%2.txt").arg(name, german ? "de" : "en"));
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  return QString::fromUtf8(file.readAll());
}

const TOperatorLinks& OperatorLinks() {
  static const TOperatorLinks links = [] {
    InitUiResources();
    TOperatorLinks result;
    QFile file(QStringLiteral(":/operator/links.json"));
    if (file.open(QIODevice::ReadOnly)) {
      const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
      result.ImpressumURL = json.value("ImpressumURL").toString();
      result.LegalNoteURL = json.value("LegalNoteURL").toString();
      result.CoderURL = json.value("CoderURL").toString();
      result.CoderWebsite = json.value("CoderWebsite").toString();
    }
    return result;
  }();
  return links;
}

}  // namespace vek
