#include "ui/PanelStyles.h"

#include <QLabel>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace vek {

namespace {

constexpr const char* kStyleProperty = "vekPanelStyle";

struct TPanelStyle {
  const char* Name;
  const char* Background;
  const char* Border;
  const char* Text;
};

constexpr TPanelStyle kPanelStyles[] = {
    {kPanelStyleGreen, "#3f9c35", "#2e7a27", "#ffffff"},
    {kPanelStyleOrange, "#f0a030", "#c47d16", "#000000"},
    {kPanelStyleRed, "#d0342c", "#a3241e", "#ffffff"},
    {kPanelHeadStyleWhite, "#ffffff", "#b4b4b4", "#000000"},
};

}  // namespace

void SetPanelStyle(QWidget* panel, const QString& styleName) {
  panel->setProperty(kStyleProperty, styleName);
  for (const TPanelStyle& style : kPanelStyles) {
    if (styleName == QLatin1String(style.Name)) {
      const QString name = panel->objectName();
      panel->setStyleSheet(
          QStringLiteral("#%1 { background-color: %2; border: 1px solid %3; border-radius: 4px; }"
                         " #%1 QLabel { color: %4; background: transparent; }")
              .arg(name, QLatin1String(style.Background), QLatin1String(style.Border),
                   QLatin1String(style.Text)));
      return;
    }
  }
  panel->setStyleSheet(QString());
}

QString PanelStyleName(const QWidget* panel) {
  return panel->property(kStyleProperty).toString();
}

void SetLabelColor(QLabel* label, QRgb color) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor::fromRgba(color));
  label->setPalette(palette);
}

QRgb LabelColor(const QLabel* label) {
  return label->palette().color(QPalette::WindowText).rgba();
}

}  // namespace vek
