// The drawing area: which views show for the anchor style, and the sizing of the
// anchor group.
#include <QComboBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/Expander.h"
#include "ui/MainForm.h"
#include "ui/ViewPictures.h"

namespace vek {

QWidget* TMainForm::CreateViewPage(const QString& tabName, const QString& imageName) {
  auto* page = new QWidget;
  page->setObjectName(tabName);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* picture = new TViewPicture(ViewPicturePath(tabName.toStdString()), page);
  picture->setObjectName(imageName);
  layout->addWidget(picture);
  return page;
}

void TMainForm::SetViewMode(const QString& Na, const QString& Gl) {
  const bool attic = Na == QLatin1String("A");
  QWidget* side = nullptr;
  QWidget* plan = nullptr;
  if (attic && Gl == QLatin1String("G")) {
    side = TabSideViewAtticaGeo;
    plan = TabPlanViewGeo;
  } else if (attic && Gl == QLatin1String("L")) {
    side = TabSideViewAtticaLoads;
    plan = TabPlanViewLoads;
  } else if (Gl != QLatin1String("G")) {
    side = TabSideViewNormalLoads;
    plan = TabPlanViewLoads;
  } else {
    side = TabSideViewNormalGeo;
    plan = TabPlanViewGeo;
  }
  TabControlDrawArea->setTabVisible(TabControlDrawArea->indexOf(side), true);
  TabControlDrawArea->setTabVisible(TabControlDrawArea->indexOf(plan), true);
  TabControlDrawArea->setCurrentWidget(side);
  for (int i = 0; i < TabControlDrawArea->count(); ++i) {
    QWidget* page = TabControlDrawArea->widget(i);
    if (page != side && page != plan) {
      TabControlDrawArea->setTabVisible(i, false);
    }
  }
}

void TMainForm::SetViewModeGeo() {
  SetViewMode(CBoxAnchorVersion->currentIndex() == 1 ? QStringLiteral("A") : QStringLiteral("N"),
              QStringLiteral("G"));
}

void TMainForm::SetViewModeLoads() {
  SetViewMode(CBoxAnchorVersion->currentIndex() == 1 ? QStringLiteral("A") : QStringLiteral("N"),
              QStringLiteral("L"));
}

void TMainForm::OnEnterWallInput() {
  const bool attic = CBoxAnchorVersion->currentIndex() == 1;
  SetViewMode(attic ? QStringLiteral("A") : QStringLiteral("N"), QStringLiteral("G"));
  TabControlDrawArea->setCurrentWidget(attic ? TabSideViewAtticaGeo : TabSideViewNormalGeo);
}

int TMainForm::PanelContentHeight(const QWidget* panel) {
  int height = 0;
  for (const QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isVisibleTo(panel)) {
      height += child->sizeHint().height();
    }
  }
  return height + 30;
}

void TMainForm::ResizeAnchorGroup() {
  // The expander follows the height of its content panel.
  PanelPSMAnchor->setFixedHeight(PanelContentHeight(PanelPSMAnchor));
}

}  // namespace vek
