// Layout of the load group: the two wind tabs, temperature and live loads.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/MainForm.h"
#include "ui/MainFormBuild.h"

namespace vek {

using namespace mainform;

namespace {

// Fixed places of the simplified-procedure tab, whose run-time controls sit at given
// positions: columns of caption, symbol, field, unit and detail button.
constexpr int kLeft = 9;
constexpr int kCaptionWidth = 166;
constexpr int kSymbolX = 178;
constexpr int kFieldX = 206;
constexpr int kFieldW = 76;
constexpr int kUnitX = 288;
constexpr int kComboX = 180;
constexpr int kComboWidth = 140;
constexpr int kDetailX = 330;

// The load tabs differ much in height: the group is as tall as the tab shown.
class TCurrentPageTabWidget : public QTabWidget {
 public:
  using QTabWidget::QTabWidget;
  QSize sizeHint() const override { return FitCurrentPage(QTabWidget::sizeHint()); }
  QSize minimumSizeHint() const override { return FitCurrentPage(QTabWidget::minimumSizeHint()); }

 private:
  QSize FitCurrentPage(QSize size) const {
    if (const QWidget* page = currentWidget()) {
      size.setHeight(tabBar()->sizeHint().height() + page->sizeHint().height() + 4);
    }
    return size;
  }
};

QLabel* PlaceLabel(QWidget* parent, const QString& name, int y, int width = kCaptionWidth) {
  QLabel* label = MakeLabel(parent, name);
  label->setGeometry(kLeft, y, width, 28);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

// A metre edit with its caption, its two symbol labels and its unit label.
QLineEdit* PlaceMetreRow(QWidget* parent, const QString& captionName, const QString& editName,
                         const QString& symbol, const QString& subscript, int y) {
  PlaceLabel(parent, captionName, y);
  QLabel* symbol1 = MakeSymbol(parent, captionName + QStringLiteral("Symbol1"), symbol);
  symbol1->setFixedSize(14, 20);
  symbol1->move(kSymbolX, y + 4);
  if (!subscript.isEmpty()) {
    QLabel* symbol2 = MakeSymbol(parent, captionName + QStringLiteral("Symbol2"),
                                 QStringLiteral("<small>%1</small>").arg(subscript));
    symbol2->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    symbol2->setFixedSize(12, 20);
    symbol2->move(kSymbolX + 14, y + 8);
  }
  QLineEdit* edit = MakeNumberEdit(parent, editName);
  edit->setFixedWidth(kFieldW);
  edit->move(kFieldX, y + 2);
  QLabel* unit = MakeUnit(parent, captionName + QStringLiteral("Measure"), QStringLiteral("m"));
  unit->move(kUnitX, y + 4);
  return edit;
}

QComboBox* PlaceCombo(QWidget* parent, const QString& name, std::initializer_list<QString> texts,
                      int current, int y) {
  QComboBox* combo = MakeComboBox(parent, name, texts, current);
  combo->setGeometry(kComboX, y + 2, kComboWidth, 24);
  combo->setFixedWidth(kComboWidth);
  return combo;
}

// Two boxes of a live-load pair beside each other, each with symbol and unit.
void AddPairRow(QGridLayout* grid, QWidget* caption, const QString& symbol1, QWidget* box1,
                const QString& symbol2, QWidget* box2, const QString& unit, QWidget* parent,
                const QString& name) {
  grid->addWidget(caption, grid->rowCount(), 0, 1, 6);
  const int row = grid->rowCount();
  grid->addWidget(MakeSymbol(parent, name + QStringLiteral("Symbol1"), symbol1), row, 0);
  grid->addWidget(box1, row, 1);
  grid->addWidget(MakeUnit(parent, name + QStringLiteral("Measure1"), unit), row, 2);
  grid->addWidget(MakeSymbol(parent, name + QStringLiteral("Symbol2"), symbol2), row, 3);
  grid->addWidget(box2, row, 4);
  grid->addWidget(MakeUnit(parent, name + QStringLiteral("Measure2"), unit), row, 5);
}

}  // namespace

QWidget* TMainForm::CreateWorkloadPanel() {
  QWidget* panel = MakePanel(nullptr, QStringLiteral("PanelPSMWorkload"));
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(4, 6, 4, 6);
  TabControlPSMWorkload = new TCurrentPageTabWidget(panel);
  TabControlPSMWorkload->setObjectName(QStringLiteral("TabControlPSMWorkload"));
  TabControlPSMWorkload->setDocumentMode(true);
  TabControlPSMWorkload->addTab(CreateWindSimplifiedTab(), QString());
  TabControlPSMWorkload->addTab(CreateWindDirectTab(), QString());
  TabControlPSMWorkload->addTab(CreateTemperatureTab(), QString());
  TabControlPSMWorkload->addTab(CreateLiveLoadTab(), QString());
  // Only the current page claims room, so the group is as tall as the tab shown.
  const auto fitCurrentPage = [this](int current) {
    for (int i = 0; i < TabControlPSMWorkload->count(); ++i) {
      const QSizePolicy::Policy policy =
          i == current ? QSizePolicy::Preferred : QSizePolicy::Ignored;
      TabControlPSMWorkload->widget(i)->setSizePolicy(policy, policy);
    }
    TabControlPSMWorkload->updateGeometry();
  };
  connect(TabControlPSMWorkload, &QTabWidget::currentChanged, this, fitCurrentPage);
  TabControlPSMWorkload->setTabVisible(0, false);
  TabControlPSMWorkload->setCurrentWidget(TabItemWorkloadLiveLoad);
  fitCurrentPage(TabControlPSMWorkload->currentIndex());
  for (int i = 0; i < TabControlPSMWorkload->count(); ++i) {
    TabControlPSMWorkload->widget(i)->setFocusProxy(TabControlPSMWorkload->tabBar());
  }
  layout->addWidget(TabControlPSMWorkload);
  return panel;
}

QWidget* TMainForm::CreateWindSimplifiedTab() {
  auto* tab = new TFixedPanel(QStringLiteral("TabItemWorkloadWind"), QSize(360, 600));
  TabItemWorkloadWind = tab;

  GBoxWindLoad = new QGroupBox(tab);
  GBoxWindLoad->setObjectName(QStringLiteral("GBoxWindLoad"));
  GBoxWindLoad->setGeometry(0, 0, 358, 192);
  QLabel* title = MakeHeading(GBoxWindLoad, QStringLiteral("LblWorkloadWindPressureDinEn1991_1_4"));
  title->setGeometry(kLeft, 32, 340, 20);
  QLabel* note = MakeLabel(GBoxWindLoad, QStringLiteral("LblWorkloadWindBuildingHeightAttachment"));
  note->setGeometry(kLeft, 50, 340, 20);
  PlaceLabel(GBoxWindLoad, QStringLiteral("LblWorkloadWindBuildingHeight"), 72);
  CBoxWorkloadWindBuildingHeight =
      PlaceCombo(GBoxWindLoad, QStringLiteral("CBoxWorkloadWindBuildingHeight"),
                 {QString(), QStringLiteral("h ≤ 10 m"), QStringLiteral("10 m < h ≤ 18 m"),
                  QStringLiteral("18 m < h ≤ 25m")},
                 1, 72);
  SetItemNames(CBoxWorkloadWindBuildingHeight,
               {QStringLiteral("LBoxItemWindBuildingHeightPleaseSelect")});
  PlaceLabel(GBoxWindLoad, QStringLiteral("LblWorkloadWindZone"), 100);
  CBoxWorkloadWindZone = PlaceCombo(GBoxWindLoad, QStringLiteral("CBoxWorkloadWindZone"),
                                    {QString(), QStringLiteral("WZ 1"), QStringLiteral("WZ 2"),
                                     QStringLiteral("WZ 3"), QStringLiteral("WZ 4")},
                                    2, 100);
  SetItemNames(CBoxWorkloadWindZone, {QStringLiteral("LBoxItemWindZonePleaseSelect")});
  MakeIconButton(GBoxWindLoad, QStringLiteral("BtDetailInfoWindZone"),
                 QStringLiteral(":/icons/detailinfo.svg"))
      ->move(kDetailX, 100);
  LblWorkloadWindRegion = PlaceLabel(GBoxWindLoad, QStringLiteral("LblWorkloadWindRegion"), 128);
  CBoxWorkloadWindRegion =
      PlaceCombo(GBoxWindLoad, QStringLiteral("CBoxWorkloadWindRegion"), {}, -1, 128);
  CBoxWorkloadWindRegion->setEnabled(false);
  LblWorkloadWindRegion->setEnabled(false);
  PlaceLabel(GBoxWindLoad, QStringLiteral("LblWorkloadWindPressure"), 156);
  QLabel* pressureSymbol = MakeSymbol(GBoxWindLoad, QStringLiteral("LblWorkloadWindPressureSymbol"),
                                      QStringLiteral("q<sub>p</sub>"));
  pressureSymbol->setFixedSize(kFieldX - kSymbolX - 4, 20);
  pressureSymbol->move(kSymbolX, 160);
  EditWorkloadWindPressure =
      MakeNumberEdit(GBoxWindLoad, QStringLiteral("EditWorkloadWindPressure"));
  EditWorkloadWindPressure->setFixedWidth(kFieldW);
  EditWorkloadWindPressure->move(kFieldX, 158);
  EditWorkloadWindPressure->setEnabled(false);
  MakeUnit(GBoxWindLoad, QStringLiteral("LblWorkloadWindPressureMeasure"), QStringLiteral("kN/m²"))
      ->move(kUnitX, 160);
  MakeIconButton(GBoxWindLoad, QStringLiteral("BtDetailInfoWind"),
                 QStringLiteral(":/icons/detailinfo.svg"))
      ->move(kDetailX, 156);

  GroupBoxWorkloadDetached = new QGroupBox(tab);
  GroupBoxWorkloadDetached->setObjectName(QStringLiteral("GroupBoxWorkloadDetached"));
  GroupBoxWorkloadDetached->setGeometry(0, 222, 358, 170);
  PlaceLabel(GroupBoxWorkloadDetached, QStringLiteral("LblWorkloadSimpldBorderSituation"), 6, 340);
  EditWorkloadDistanceShadingWall =
      PlaceMetreRow(GroupBoxWorkloadDetached, QStringLiteral("LblWorkloadDistanceShadingWall"),
                    QStringLiteral("EditWorkloadDistanceShadingWall"), QStringLiteral("x"),
                    QStringLiteral("w"), 62);
  EditWorkloadHeightShadingWall =
      PlaceMetreRow(GroupBoxWorkloadDetached, QStringLiteral("LblWorkloadHeightShadingWall"),
                    QStringLiteral("EditWorkloadHeightShadingWall"), QStringLiteral("h"),
                    QStringLiteral("w"), 96);
  EditWorkloadHeightAboveGround =
      PlaceMetreRow(GroupBoxWorkloadDetached, QStringLiteral("LblWorkloadHeightAboveGround"),
                    QStringLiteral("EditWorkloadHeightAboveGround"), QStringLiteral("h"),
                    QStringLiteral("g"), 130);

  PanelNotDetached = new QGroupBox(tab);
  PanelNotDetached->setObjectName(QStringLiteral("PanelNotDetached"));
  PanelNotDetached->setGeometry(0, 422, 358, 170);
  PlaceLabel(PanelNotDetached, QStringLiteral("LblWorkloadSimplExternalPressureCoefficient"), 10,
             340);
  EditWorkloadBuildingHeight = PlaceMetreRow(
      PanelNotDetached, QStringLiteral("LblWorkloadBuildingHeight"),
      QStringLiteral("EditWorkloadBuildingHeight"), QStringLiteral("h"), QString(), 72);
  EditWorkloadBuildingDepth = PlaceMetreRow(
      PanelNotDetached, QStringLiteral("LblWorkloadBuildingDepth"),
      QStringLiteral("EditWorkloadBuildingDepth"), QStringLiteral("d"), QString(), 104);
  PlaceLabel(PanelNotDetached, QStringLiteral("LblWorkloadBuildingArea"), 136);
  CBoxWorkloadBuildingArea =
      PlaceCombo(PanelNotDetached, QStringLiteral("CBoxWorkloadBuildingArea"),
                 {QString(), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                  QStringLiteral("D"), QStringLiteral("E")},
                 1, 136);
  CBoxWorkloadBuildingArea->setFixedWidth(110);
  CBoxWorkloadBuildingArea->move(kFieldX, 138);
  SetItemNames(CBoxWorkloadBuildingArea, {QStringLiteral("LBoxItemBuildingAreaPleaseSelect")});
  return tab;
}

QWidget* TMainForm::CreateWindDirectTab() {
  TabItemWindIN = MakePanel(nullptr, QStringLiteral("TabItemWindIN"));
  auto* layout = new QVBoxLayout(TabItemWindIN);
  layout->setContentsMargins(0, 0, 0, 0);
  QWidget* panel = MakePanel(TabItemWindIN, QStringLiteral("PanelWindDirectInput"));
  QGridLayout* grid = MakeInputGrid(panel);
  AddWideRow(grid, MakeLabel(panel, QStringLiteral("LblWindInternationalInfo")));
  WindPNumBx = MakeDoubleSpinBox(panel, QStringLiteral("WindPNumBx"), 2, 0, 20, 0);
  AddInputRow(
      grid, MakeLabel(panel, QStringLiteral("LblWindInternationalP")),
      MakeSymbol(panel, QStringLiteral("LblWindInternationalPSymbol"),
                 QStringLiteral("w<sub>p</sub>")),
      WindPNumBx,
      MakeUnit(panel, QStringLiteral("LblWindInternationalPMeasure"), QStringLiteral("kN/m²")));
  WindNNumBx = MakeDoubleSpinBox(panel, QStringLiteral("WindNNumBx"), 2, 0, 20, 0);
  AddInputRow(
      grid, MakeLabel(panel, QStringLiteral("LblWindInternationalN")),
      MakeSymbol(panel, QStringLiteral("LblWindInternationalNSymbol"),
                 QStringLiteral("w<sub>n</sub>")),
      WindNNumBx,
      MakeUnit(panel, QStringLiteral("LblWindInternationalNMeasure"), QStringLiteral("kN/m²")));
  layout->addWidget(panel);
  layout->addStretch();
  return TabItemWindIN;
}

QWidget* TMainForm::CreateTemperatureTab() {
  TabItemWorkloadTemperature = MakePanel(nullptr, QStringLiteral("TabItemWorkloadTemperature"));
  QGridLayout* grid = MakeInputGrid(TabItemWorkloadTemperature);
  QWidget* tab = TabItemWorkloadTemperature;
  auto* noteRow = new QHBoxLayout;
  noteRow->addWidget(MakeLabel(tab, QStringLiteral("LblWorkloadMaxTemperatureDifference")));
  noteRow->addWidget(MakeIconLabel(tab, QStringLiteral("ImgCDetailInfoTemperature"),
                                   QStringLiteral(":/icons/detailinfo.svg")));
  grid->addLayout(noteRow, grid->rowCount(), 0, 1, 4);
  TempDiffNumBx = MakeDoubleSpinBox(tab, QStringLiteral("TempDiffNumBx"), 1, 0.1, 100, 0.1);
  AddInputRow(grid, MakeLabel(tab, QStringLiteral("LblWorkloadTemperatureDifference")),
              MakeSymbol(tab, QStringLiteral("LblWorkloadTemperatureDifferenceSymbol"),
                         QStringLiteral("&Delta;T")),
              TempDiffNumBx,
              MakeUnit(tab, QStringLiteral("LblWorkloadTemperatureDifferenceMeasure"),
                       QStringLiteral("K")));
  grid->setRowStretch(grid->rowCount(), 1);
  return tab;
}

QWidget* TMainForm::CreateLiveLoadTab() {
  TabItemWorkloadLiveLoad = MakePanel(nullptr, QStringLiteral("TabItemWorkloadLiveLoad"));
  QWidget* tab = TabItemWorkloadLiveLoad;
  auto* grid = new QGridLayout(tab);
  grid->setContentsMargins(8, 6, 8, 6);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(4);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(5, 1);
  grid->addWidget(MakeLabel(tab, QStringLiteral("LblWorkloadDescriptionLiveLoad")), 0, 0, 1, 6);

  const QString kNPerM = QStringLiteral("kN/m");
  const QString kMm = QStringLiteral("mm");
  const auto captionWithInfo = [&](const char* captionName, const char* imageName) {
    auto* caption = new QWidget(tab);
    auto* row = new QHBoxLayout(caption);
    row->setContentsMargins(0, 4, 0, 0);
    row->addWidget(MakeHeading(tab, QString::fromLatin1(captionName)));
    row->addWidget(MakeIconLabel(tab, QString::fromLatin1(imageName),
                                 QStringLiteral(":/icons/detailinfo.svg")));
    return caption;
  };
  const auto spin = [&](const char* name) {
    QDoubleSpinBox* box = MakeDoubleSpinBox(tab, QString::fromLatin1(name), 2, 0, 20, 0);
    box->setFixedWidth(76);
    return box;
  };
  const auto whole = [&](const char* name) {
    QSpinBox* box = MakeSpinBox(tab, QString::fromLatin1(name), 0, 1000, 0);
    box->setFixedWidth(76);
    return box;
  };

  Qh1NumBx = spin("Qh1NumBx");
  Qh2NumBx = spin("Qh2NumBx");
  AddPairRow(grid, captionWithInfo("LblWorkloadHorizontalLineLoad", "ImgCDetailInfoQhik"),
             QStringLiteral("q<sub>h1,k</sub>"), Qh1NumBx, QStringLiteral("q<sub>h2,k</sub>"),
             Qh2NumBx, kNPerM, tab, QStringLiteral("LblWorkloadHorizontalLineLoad"));
  Az1NumBx = whole("Az1NumBx");
  Az2NumBx = whole("Az2NumBx");
  AddPairRow(grid, MakeLabel(tab, QStringLiteral("LblWorkloadDistanceTopEdge")),
             QStringLiteral("a<sub>1z</sub>"), Az1NumBx, QStringLiteral("a<sub>2z</sub>"), Az2NumBx,
             kMm, tab, QStringLiteral("LblWorkloadDistanceTopEdge"));
  Qv1NumBx = spin("Qv1NumBx");
  Qv2NumBx = spin("Qv2NumBx");
  AddPairRow(grid, captionWithInfo("LblWorkloadVerticalLineLoad", "ImgCDetailInfoQvik"),
             QStringLiteral("q<sub>v1,k</sub>"), Qv1NumBx, QStringLiteral("q<sub>v2,k</sub>"),
             Qv2NumBx, kNPerM, tab, QStringLiteral("LblWorkloadVerticalLineLoad"));
  Ay1NumBx = whole("Ay1NumBx");
  Ay2NumBx = whole("Ay2NumBx");
  AddPairRow(grid, MakeLabel(tab, QStringLiteral("LblWorkloadDistanceCenterLine")),
             QStringLiteral("a<sub>1y</sub>"), Ay1NumBx, QStringLiteral("a<sub>2y</sub>"), Ay2NumBx,
             kMm, tab, QStringLiteral("LblWorkloadDistanceCenterLine"));
  grid->setRowStretch(grid->rowCount(), 1);
  return tab;
}

}  // namespace vek
