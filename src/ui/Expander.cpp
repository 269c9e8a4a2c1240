#include "ui/Expander.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace vek {

TExpander::TExpander(const QString& name, QWidget* content, QWidget* parent)
    : QWidget(parent), FHeader(new QToolButton(this)), FContent(content) {
  setObjectName(name);
  FHeader->setObjectName(name + QStringLiteral("Header"));
  FHeader->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  FHeader->setArrowType(Qt::DownArrow);
  FHeader->setAutoRaise(true);
  FHeader->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  FHeader->setFocusPolicy(Qt::StrongFocus);
  FHeader->setStyleSheet(
      QStringLiteral("QToolButton { font-weight: bold; text-align: left; padding: 3px 4px;"
                     " background-color: #e4e8ee; border: none; border-bottom: 1px solid #c2c8d0; }"
                     "QToolButton:focus { background-color: #d3dcea; }"));
  setFocusProxy(FHeader);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(FHeader);
  content->setParent(this);
  layout->addWidget(content);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

  connect(FHeader, &QToolButton::clicked, this, [this] { SetExpanded(!FIsExpanded); });
}

QString TExpander::Text() const {
  return FHeader->text();
}

void TExpander::SetText(const QString& text) {
  FHeader->setText(text);
}

void TExpander::SetExpanded(bool expanded) {
  if (expanded == FIsExpanded) {
    return;
  }
  FIsExpanded = expanded;
  FHeader->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
  FContent->setVisible(expanded);
  emit ExpandedChanged(expanded);
}

}  // namespace vek
