// Layout of the project, anchor, façade-panel, slab, fastener and result groups.
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/MainForm.h"
#include "ui/MainFormBuild.h"
#include "ui/PanelStyles.h"
#include "ui/VekProjectListBoxItem.h"

namespace vek {

using namespace mainform;

namespace {

// The section of the special anchor, one edit each, in the order of its record.
struct TSpecialSizeField {
  const char* Suffix;
  const char* Symbol;
  const char* Unit;
};

constexpr TSpecialSizeField kSpecialSizeFields[TMainForm::kSpecialSizeEditCount] = {
    {"H", "h", "mm"},
    {"B", "b", "mm"},
    {"B2", "b<sub>2</sub>", "mm"},
    {"T", "t", "mm"},
    {"R", "r", "mm"},
    {"C_nom_i", "c<sub>nom,i</sub>", "mm"},
    {"C_nom_e", "c<sub>nom,e</sub>", "mm"},
    {"Phi", "&Oslash;", "mm"},
    {"I", "i", "mm"},
    {"O", "o", "mm"},
    {"D_con", "d<sub>con</sub>", "mm"},
    {"El_con", "&#8467;<sub>con</sub>", "mm"},
    {"A", "a", "mm"},
    {"D_1", "d<sub>1</sub>", "mm"},
    {"A_Sp_S", "A<sub>Sp,S</sub>", "mm²"},
    {"D_w", "d<sub>w</sub>", "mm"},
    {"A_sp", "a<sub>sp</sub>", "mm"},
    {"B_sp", "b<sub>sp</sub>", "mm"},
    {"A_tp", "a<sub>tp</sub>", "mm"},
    {"T_tp", "t<sub>tp</sub>", "mm"},
    {"D_s", "d<sub>s</sub>", "mm"},
    {"S", "s", "mm"},
    {"N_t", "n<sub>t</sub>", nullptr},  // a count: the unit text is translated
    {"H_t", "h<sub>t</sub>", "mm"},
    {"B_t", "b<sub>t</sub>", "mm"},
    {"T_t", "t<sub>t</sub>", "mm"},
    {"G_t", "g<sub>t</sub>", "mm"},
    {"C_t", "c<sub>t</sub>", "mm"},
    {"El_t", "&#8467;<sub>t</sub>", "mm"},
    {"L_t", "L<sub>t</sub>", "mm"},
    {"S_t_t_t", "s<sub>t,t,t</sub>", "mm"},
    {"D_L", "d<sub>L</sub>", "mm"},
    {"D_J", "d<sub>J</sub>", "mm"},
    {"L_ws", "&#8467;<sub>ws</sub>", "mm"},
};

constexpr int kSpecialSizeEditWidth = 64;

QVBoxLayout* MakeGroupLayout(QWidget* panel) {
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  return layout;
}

}  // namespace

QWidget* TMainForm::CreateProjectPanel() {
  QWidget* panel = MakePanel(nullptr, QStringLiteral("PanelPSMProject"));
  QGridLayout* grid = MakeInputGrid(panel);

  LblProject = MakeHeading(panel, QStringLiteral("LblProject"));
  LblProjectName = new QLabel(panel);
  LblProjectName->setObjectName(QStringLiteral("LblProjectName"));
  LblProjectName->setWordWrap(true);
  BtProjectSettings = MakeIconButton(panel, QStringLiteral("BtProjectSettings"),
                                     QStringLiteral(":/icons/projectsettings.svg"));
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(LblProject);
  nameRow->addWidget(BtProjectSettings);
  grid->addLayout(nameRow, grid->rowCount(), 0, 1, 4);
  AddWideRow(grid, LblProjectName);

  LBoxVekProjectComponent = new QListWidget(panel);
  LBoxVekProjectComponent->setObjectName(QStringLiteral("LBoxVekProjectComponent"));
  LBoxVekProjectComponent->setFixedHeight(108);
  TVekProjectListBoxItem::InstallDelegate(LBoxVekProjectComponent);
  BtNewProjectComponent = MakeIconButton(panel, QStringLiteral("BtNewProjectComponent"),
                                         QStringLiteral(":/icons/add.svg"));
  BtDeletSelectedProjectComponent =
      MakeIconButton(panel, QStringLiteral("BtDeletSelectedProjectComponent"),
                     QStringLiteral(":/icons/delete.svg"));
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(BtNewProjectComponent);
  buttons->addWidget(BtDeletSelectedProjectComponent);
  buttons->addStretch();
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(LBoxVekProjectComponent);
  listRow->addLayout(buttons);
  grid->addLayout(listRow, grid->rowCount(), 0, 1, 4);

  EditSelectedProjectComponent =
      MakeTextEdit(panel, QStringLiteral("EditSelectedProjectComponent"));
  EditSelectedProjectComponentPosition =
      MakeTextEdit(panel, QStringLiteral("EditSelectedProjectComponentPosition"));
  EditSelectedProjectComponentQuantity =
      MakeNumberEdit(panel, QStringLiteral("EditSelectedProjectComponentQuantity"));
  const auto addEditRow = [&](const char* labelName, QLineEdit* edit, bool wide) {
    QLabel* label = MakeLabel(panel, QString::fromLatin1(labelName));
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    if (wide) {
      edit->setFixedWidth(kWideFieldWidth);
      grid->addWidget(edit, row, 1, 1, 3);
    } else {
      grid->addWidget(edit, row, 2);
    }
  };
  addEditRow("LblSelectedProjectComponent", EditSelectedProjectComponent, true);
  addEditRow("LblSelectedProjectComponentPosition", EditSelectedProjectComponentPosition, true);
  addEditRow("LblSelectedProjectComponentQuantity", EditSelectedProjectComponentQuantity, false);
  return panel;
}

QWidget* TMainForm::CreateAnchorPanel() {
  PanelPSMAnchor = MakePanel(nullptr, QStringLiteral("PanelPSMAnchor"));
  QVBoxLayout* layout = MakeGroupLayout(PanelPSMAnchor);
  // The content height is the sum of the visible panels plus 30 (see PanelContentHeight).
  layout->setContentsMargins(0, 6, 0, 24);

  QWidget* size = MakePanel(PanelPSMAnchor, QStringLiteral("PanelAnchorSize"));
  QGridLayout* sizeGrid = MakeInputGrid(size);
  sizeGrid->setContentsMargins(8, 2, 8, 2);
  CBoxAnchorSize = MakeComboBox(
      size, QStringLiteral("CBoxAnchorSize"),
      {QString(), QStringLiteral("VEK - 1"), QStringLiteral("VEK - 2"), QStringLiteral("VEK - 3"),
       QStringLiteral("VEK - 4"), QStringLiteral("VEK - 5"), QStringLiteral("VEK - 6"),
       QStringLiteral("VEK - 7"), QStringLiteral("VEK - 8")},
      0);
  SetItemNames(
      CBoxAnchorSize,
      {QStringLiteral("LBoxItemAnchorSizeAutomatic"), QStringLiteral("LBoxItemAnchorSizeVEK1"),
       QStringLiteral("LBoxItemAnchorSizeVEK2"), QStringLiteral("LBoxItemAnchorSizeVEK3"),
       QStringLiteral("LBoxItemAnchorSizeVEK4"), QStringLiteral("LBoxItemAnchorSizeVEK5"),
       QStringLiteral("LBoxItemAnchorSizeVEK6"), QStringLiteral("LBoxItemAnchorSizeVEK7"),
       QStringLiteral("LBoxItemAnchorSizeVEK8")});
  AddComboRow(sizeGrid, MakeLabel(size, QStringLiteral("LblAnchorSize")), CBoxAnchorSize);
  layout->addWidget(size);

  PanelAnchorSpecialSize = MakePanel(PanelPSMAnchor, QStringLiteral("PanelAnchorSpecialSize"));
  auto* special = new QGridLayout(PanelAnchorSpecialSize);
  special->setContentsMargins(8, 4, 8, 4);
  special->setHorizontalSpacing(4);
  special->setVerticalSpacing(3);
  special->addWidget(MakeHeading(PanelAnchorSpecialSize, QStringLiteral("LblAnchorSpecialSize")), 0,
                     0, 1, 7);
  special->setColumnMinimumWidth(3, 12);
  special->setColumnStretch(3, 1);
  const int half = (kSpecialSizeEditCount + 1) / 2;
  for (int i = 0; i < kSpecialSizeEditCount; ++i) {
    const TSpecialSizeField& field = kSpecialSizeFields[i];
    const QString suffix = QString::fromLatin1(field.Suffix);
    const bool isLws = suffix == QLatin1String("L_ws");
    // The weld-seam length has labels of its own names.
    QLabel* symbol = MakeSymbol(
        PanelAnchorSpecialSize,
        isLws ? QStringLiteral("Label2") : QStringLiteral("LblAnchor%1Symbol1").arg(suffix),
        QString::fromUtf8(field.Symbol));
    QLineEdit* edit = MakeNumberEdit(PanelAnchorSpecialSize, QStringLiteral("EditAnchor") + suffix);
    edit->setFixedWidth(kSpecialSizeEditWidth);
    QLabel* unit = MakeUnit(
        PanelAnchorSpecialSize,
        isLws ? QStringLiteral("Label3") : QStringLiteral("LblAnchor%1Measure").arg(suffix),
        field.Unit != nullptr ? QString::fromUtf8(field.Unit) : QString());
    SpecialSizeEdits[static_cast<std::size_t>(i)] = edit;
    const int row = 1 + i % half;
    const int column = i < half ? 0 : 4;
    special->addWidget(symbol, row, column);
    special->addWidget(edit, row, column + 1);
    special->addWidget(unit, row, column + 2);
  }
  EditAnchorT = SpecialSizeEdits[3];
  layout->addWidget(PanelAnchorSpecialSize);

  QWidget* length = MakePanel(PanelPSMAnchor, QStringLiteral("PanelAnchorLength"));
  QGridLayout* lengthGrid = MakeInputGrid(length);
  lengthGrid->setContentsMargins(8, 2, 8, 2);
  CBoxAnchorLength =
      MakeComboBox(length, QStringLiteral("CBoxAnchorLength"), {QString(), QString()}, 0);
  SetItemNames(CBoxAnchorLength, {QStringLiteral("LBoxItemAnchorLengthAutomatic"),
                                  QStringLiteral("LBoxItemAnchorNonStandard")});
  AddComboRow(lengthGrid, MakeLabel(length, QStringLiteral("LblAnchorLength")), CBoxAnchorLength);
  layout->addWidget(length);

  PanelAnchorSpecialLength = MakePanel(PanelPSMAnchor, QStringLiteral("PanelAnchorSpecialLength"));
  QGridLayout* specialLengthGrid = MakeInputGrid(PanelAnchorSpecialLength);
  specialLengthGrid->setContentsMargins(8, 2, 8, 2);
  AnchorLengthNumBx =
      MakeSpinBox(PanelAnchorSpecialLength, QStringLiteral("AnchorLengthNumBx"), 100, 950, 100);
  AddInputRow(specialLengthGrid,
              MakeLabel(PanelAnchorSpecialLength, QStringLiteral("LblAnchorSpecialLength")),
              MakeSymbol(PanelAnchorSpecialLength, QStringLiteral("LblAnchorSpecialLengthSymbol"),
                         QStringLiteral("L")),
              AnchorLengthNumBx,
              MakeUnit(PanelAnchorSpecialLength, QStringLiteral("LblAnchorSpecialLengthMeasure"),
                       QStringLiteral("mm")));
  layout->addWidget(PanelAnchorSpecialLength);

  QWidget* kind = MakePanel(PanelPSMAnchor, QStringLiteral("PanelAnchorKind"));
  QGridLayout* kindGrid = MakeInputGrid(kind);
  kindGrid->setContentsMargins(8, 2, 8, 2);
  CBoxAnchorVersion = MakeComboBox(kind, QStringLiteral("CBoxAnchorVersion"),
                                   {QStringLiteral("Normal"), QStringLiteral("Attika")}, 0);
  AddComboRow(kindGrid, MakeLabel(kind, QStringLiteral("LblAnchorVersion")), CBoxAnchorVersion);
  CBoxAnchorAdjustable =
      MakeComboBox(kind, QStringLiteral("CBoxAnchorAdjustable"), {QString(), QString()}, 0);
  SetItemNames(CBoxAnchorAdjustable,
               {QStringLiteral("LBoxItemNonAdjustable"), QStringLiteral("LBoxItemAdjustable")});
  AddComboRow(kindGrid, MakeLabel(kind, QStringLiteral("LblAnchorModality")), CBoxAnchorAdjustable);
  CBoxAnchorReinforcement =
      MakeComboBox(kind, QStringLiteral("CBoxAnchorReinforcement"),
                   {QStringLiteral("B500B"), QStringLiteral("B500NR (rostfrei)")}, 1);
  AddComboRow(kindGrid, MakeLabel(kind, QStringLiteral("LblAnchorReinforcement")),
              CBoxAnchorReinforcement);
  layout->addWidget(kind);
  return PanelPSMAnchor;
}

QWidget* TMainForm::CreateWallPanel() {
  QWidget* panel = MakePanel(nullptr, QStringLiteral("PanelPSMWall"));
  QGridLayout* grid = MakeInputGrid(panel);
  AddWideRow(grid, MakeHeading(panel, QStringLiteral("LblWallPrecastConcrete")));

  const auto addRow = [&](const char* labelName, const char* symbol, QSpinBox* box) {
    const QString name = QString::fromLatin1(labelName);
    AddInputRow(grid, MakeLabel(panel, name),
                MakeSymbol(panel, name + QStringLiteral("Symbol"), QString::fromUtf8(symbol)), box,
                MakeUnit(panel, name + QStringLiteral("Measure"), QStringLiteral("mm")));
  };
  WHeightNumBx = MakeSpinBox(panel, QStringLiteral("WHeightNumBx"), 430, 10000, 430);
  addRow("LblWallHeight", "h<sub>br</sub>", WHeightNumBx);
  WLengthNumBx = MakeSpinBox(panel, QStringLiteral("WLengthNumBx"), 400, 10000, 400);
  addRow("LblWallLength", "&#8467;<sub>br</sub>", WLengthNumBx);
  WWeightNumBx = MakeSpinBox(panel, QStringLiteral("WWeightNumBx"), 90, 1000, 200);
  addRow("LblWallWeight", "f", WWeightNumBx);
  WGapNumBx = MakeSpinBox(panel, QStringLiteral("WGapNumBx"), 200, 10000, 200);
  addRow("LblWallGap", "&#8467;<sub>0</sub>", WGapNumBx);
  WMidXNumBx = MakeSpinBox(panel, QStringLiteral("WMidXNumBx"), 0, 1000, 200);
  addRow("LblWallMiddleX", "x", WMidXNumBx);
  WGapENumBx = MakeSpinBox(panel, QStringLiteral("WGapENumBx"), 0, 200, 200);
  addRow("LblWallGapE", "e", WGapENumBx);

  CBoxWallParapetConcreteQuality =
      MakeComboBox(panel, QStringLiteral("CBoxWallParapetConcreteQuality"),
                   {QStringLiteral("C30/37"), QStringLiteral("C35/45"), QStringLiteral("C40/50"),
                    QStringLiteral("C45/55"), QStringLiteral("C50/60")},
                   0);
  AddComboRow(grid, MakeLabel(panel, QStringLiteral("LblWallParapetConcreteQuality")),
              CBoxWallParapetConcreteQuality);
  return panel;
}

QWidget* TMainForm::CreateCeilingWallPanel() {
  QWidget* panel = MakePanel(nullptr, QStringLiteral("PanelPSMCeilingWall"));
  QGridLayout* grid = MakeInputGrid(panel);
  auto* noteRow = new QHBoxLayout;
  noteRow->addWidget(MakeLabel(panel, QStringLiteral("LblCeilingWallGabReinforcement")));
  noteRow->addWidget(MakeIconButton(panel, QStringLiteral("BtDetailInfoGabReinforcement"),
                                    QStringLiteral(":/icons/detailinfo.svg")));
  grid->addLayout(noteRow, grid->rowCount(), 0, 1, 4);
  AddWideRow(grid, MakeHeading(panel, QStringLiteral("LblCeilingWallDescriptionCeilingPlate")));

  CBoxCeilingWallCeilingTileConcreteQuality =
      MakeComboBox(panel, QStringLiteral("CBoxCeilingWallCeilingTileConcreteQuality"),
                   {QStringLiteral("C20/25"), QStringLiteral("C25/30"), QStringLiteral("C30/37"),
                    QStringLiteral("C35/45"), QStringLiteral("C40/50"), QStringLiteral("C45/55"),
                    QStringLiteral("C50/60")},
                   3);
  AddComboRow(grid, MakeLabel(panel, QStringLiteral("LblCeilingWallCeilingTileConcreteQuality")),
              CBoxCeilingWallCeilingTileConcreteQuality);
  CBoxCeilingWallAnchoringBase = MakeComboBox(panel, QStringLiteral("CBoxCeilingWallAnchoringBase"),
                                              {QString(), QString()}, 1);
  SetItemNames(CBoxCeilingWallAnchoringBase,
               {QStringLiteral("LBoxItemAnchoringBaseCrackedConcrete"),
                QStringLiteral("LBoxItemAnchoringBaseNonCrackedConcrete")});
  AddComboRow(grid, MakeLabel(panel, QStringLiteral("LblCeilingWallAnchoringBase")),
              CBoxCeilingWallAnchoringBase);
  EditCeilingWallConcreteThickness =
      MakeNumberEdit(panel, QStringLiteral("EditCeilingWallConcreteThickness"));
  AddInputRow(grid, MakeLabel(panel, QStringLiteral("LblCeilingWallConcreteThickness")),
              MakeSymbol(panel, QStringLiteral("LblCeilingWallConcreteThicknessSymbol"),
                         QStringLiteral("h<sub>1</sub>")),
              EditCeilingWallConcreteThickness,
              MakeUnit(panel, QStringLiteral("LblCeilingWallConcreteThicknessMeasure"),
                       QStringLiteral("mm")));
  return panel;
}

QWidget* TMainForm::CreateFixturesPanel() {
  // The radio buttons join at run time at their fixed places.
  PanelPSMFixtures = new TFixedPanel(QStringLiteral("PanelPSMFixtures"), QSize(370, 190));
  QLabel* note =
      MakeLabel(PanelPSMFixtures, QStringLiteral("LblFixturesAssessmentFastenerSeparately"));
  note->setGeometry(15, 10, 345, 32);
  QToolButton* screw = MakeIconButton(PanelPSMFixtures, QStringLiteral("BtDetailInfoSpecialScrew"),
                                      QStringLiteral(":/icons/detailinfo.svg"));
  screw->move(320, 44);
  QToolButton* dowel = MakeIconButton(PanelPSMFixtures, QStringLiteral("BtDetailInfoDowel"),
                                      QStringLiteral(":/icons/detailinfo.svg"));
  dowel->move(320, 71);
  QLabel* material = MakeHeading(PanelPSMFixtures, QStringLiteral("LblFixturesMaterial"));
  material->setGeometry(15, 104, 345, 20);
  return PanelPSMFixtures;
}

QWidget* TMainForm::CreateResultPanel() {
  QWidget* panel = MakePanel(nullptr, QStringLiteral("PanelPSMResult"));
  QGridLayout* grid = MakeInputGrid(panel);
  AddWideRow(grid, MakeLabel(panel, QStringLiteral("LblResultAnchor")));
  PanelResult = new QFrame(panel);
  PanelResult->setObjectName(QStringLiteral("PanelResult"));
  PanelResult->setMinimumHeight(34);
  LblResult = new QLabel(PanelResult);
  LblResult->setObjectName(QStringLiteral("LblResult"));
  LblResult->setAlignment(Qt::AlignCenter);
  QFont font = LblResult->font();
  font.setBold(true);
  LblResult->setFont(font);
  auto* resultLayout = new QHBoxLayout(PanelResult);
  resultLayout->setContentsMargins(6, 4, 6, 4);
  resultLayout->addWidget(LblResult);
  SetPanelStyle(PanelResult, QString::fromLatin1(kPanelHeadStyleWhite));
  BtVekResult =
      MakeIconButton(panel, QStringLiteral("BtVekResult"), QStringLiteral(":/icons/vekresult.svg"));
  auto* row = new QHBoxLayout;
  row->addWidget(PanelResult, 1);
  row->addWidget(BtVekResult);
  grid->addLayout(row, grid->rowCount(), 0, 1, 4);
  return panel;
}

}  // namespace vek
