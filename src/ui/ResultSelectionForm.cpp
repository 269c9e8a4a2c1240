#include "ui/ResultSelectionForm.h"

#include <string>

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/StandardFnc.h"
#include "language/Language.h"
#include "ui/OperatorMaterial.h"
#include "ui/PanelStyles.h"

namespace vek {
namespace {

QString Text(const char* key) {
  return QString::fromStdString(Language().PrintL(key));
}

QString Number(double value) {
  return QString::fromStdString(TStandardFnc::FloatToString(value, 2));
}

// The headers are the same in both languages.
constexpr const char* kHeaders[TForm2::kColumnCount] = {
    "VEK Type",  "Status",    "max. Auslastung [%]", "maßgebend",
    "Warnungen", "A_zd [kN]", "B_zd [kN]",           "B_xd [kN]"};
// The decisive proof gets the room its longer English titles need.
constexpr int kColumnWidths[TForm2::kColumnCount] = {150, 79, 120, 240, 120, 80, 80, 80};
constexpr int kStatusColumn = 1;
constexpr int kWarningColumn = 4;
constexpr QSize kLogoSize(180, 40);

bool IsNumberColumn(int column) {
  return column == 2 || column >= 5;
}

}  // namespace

TForm2::TForm2(QWidget* parent)
    : QDialog(parent),
      ResultGrid(new QTableWidget(this)),
      LblResultSelectedAnchor(new QLabel(this)),
      Rectangle1(new QFrame(this)),
      LblResultVekResult(new QLabel(Rectangle1)),
      ImgTrevask(new QLabel(this)),
      BtOK(new QPushButton(this)),
      BtCancel(new QPushButton(this)),
      FVekModelResultDB(&FOwnResultDB) {
  setObjectName("Form2");
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  LblResultSelectedAnchor->setObjectName("LblResultSelectedAnchor");
  Rectangle1->setObjectName("Rectangle1");
  Rectangle1->setFrameShape(QFrame::NoFrame);
  Rectangle1->setAutoFillBackground(false);
  LblResultVekResult->setObjectName("LblResultVekResult");
  QFont chosenFont = LblResultVekResult->font();
  chosenFont.setBold(true);
  LblResultVekResult->setFont(chosenFont);
  auto* rectangleLayout = new QHBoxLayout(Rectangle1);
  rectangleLayout->setContentsMargins(4, 2, 4, 2);
  rectangleLayout->addWidget(LblResultVekResult);
  ImgTrevask->setObjectName("ImgTrevask");
  ImgTrevask->setPixmap(OperatorPicture(kMakerLogo, kLogoSize));

  ResultGrid->setObjectName("ResultGrid");
  ResultGrid->setColumnCount(kColumnCount);
  for (int column = 0; column < kColumnCount; ++column) {
    auto* header = new QTableWidgetItem(QString::fromUtf8(kHeaders[column]));
    ResultGrid->setHorizontalHeaderItem(column, header);
  }
  // A header never ends cut off, however narrow its column was meant to be.
  for (int column = 0; column < kColumnCount; ++column) {
    ResultGrid->setColumnWidth(
        column,
        qMax(kColumnWidths[column], ResultGrid->horizontalHeader()->sectionSizeHint(column)));
  }
  ResultGrid->verticalHeader()->setDefaultSectionSize(ResultGrid->fontMetrics().height() + 8);
  ResultGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  ResultGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  ResultGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ResultGrid->horizontalHeader()->setSectionsMovable(true);
  ResultGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  ResultGrid->verticalHeader()->setVisible(false);
  connect(ResultGrid, &QTableWidget::cellClicked, this,
          [this](int row, int column) { ResultGridCellClick(column, row); });
  // Moving through the rows with the keyboard chooses as a click does.
  connect(ResultGrid, &QTableWidget::currentCellChanged, this,
          [this](int row, int column) { ResultGridCellClick(column, row); });

  BtOK->setObjectName("BtOK");
  BtCancel->setObjectName("BtCancel");
  BtOK->setDefault(true);
  connect(BtOK, &QPushButton::clicked, this, &TForm2::BtOKClick);
  connect(BtCancel, &QPushButton::clicked, this, &TForm2::BtCancelClick);

  auto* top = new QHBoxLayout;
  top->addWidget(LblResultSelectedAnchor);
  top->addWidget(Rectangle1);
  top->addStretch(1);
  top->addWidget(ImgTrevask);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtOK);
  buttons->addWidget(BtCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ResultGrid, 1);
  layout->addLayout(buttons);

  TranslationToFormObjects();
  resize(kClientWidth, kClientHeight);
}

void TForm2::TranslationToFormObjects() {
  setWindowTitle(Text("VekResultForm"));
  LblResultSelectedAnchor->setText(Text("LblResultSelectedAnchor"));
  if (FShownVekStr.isEmpty()) {
    LblResultVekResult->setText(Text("LblResultVekResult"));
  }
  BtOK->setText(Text("BtOK"));
  BtCancel->setText(Text("BtCancel"));
}

void TForm2::SetVekModelResultDB(const TVEKResultTable* table) {
  FVekModelResultDB = table != nullptr ? table : &FOwnResultDB;
}

void TForm2::OnShowForm() {
  FillGrid(ResultGrid, BuildDataField());
}

TDataField TForm2::BuildDataField() const {
  TDataField dataField;
  const QString pass = Text("RPass");
  const QString fail = Text("RFail");
  for (const std::string& key : FVekModelResultDB->OrdinalKeys()) {
    const TVEKResult& result = FVekModelResultDB->Get(key);
    dataField.push_back({QString::fromStdString(key), result.IsAllProof ? pass : fail,
                         Number(result.MaxWorkload),
                         QString::fromStdString(Language().PrintL(result.DecisiveProof)),
                         QString::fromStdString(result.GeoWarning), Number(result.A_zd_max),
                         Number(result.B_zd_max), Number(result.B_xd_max)});
  }
  if (dataField.empty()) {
    dataField.push_back(TDataLine{});
  }
  return dataField;
}

void TForm2::FillGrid(QTableWidget* grid, const TDataField& dataField) {
  // A new set of rows: nothing of the previous one stays chosen.
  ClearChoice();
  FSelectedVekStr.clear();
  grid->setUpdatesEnabled(false);
  {
    const QSignalBlocker blocker(grid);
    grid->clearSelection();
    grid->setRowCount(static_cast<int>(dataField.size()));
    for (int row = 0; row < static_cast<int>(dataField.size()); ++row) {
      for (int column = 0; column < kColumnCount; ++column) {
        auto* item = new QTableWidgetItem(dataField[row][column]);
        if (IsNumberColumn(column)) {
          item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        } else {
          item->setToolTip(item->text());
        }
        grid->setItem(row, column, item);
      }
    }
    grid->setCurrentCell(-1, -1);
  }
  grid->setUpdatesEnabled(true);
  FResultView = true;
}

void TForm2::SetSelectionByString(const QString& key) {
  const QString pass = Text("RPass");
  int found = -1;
  for (int row = 0; row < ResultGrid->rowCount() && found < 0; ++row) {
    if (CellText(row, 0) == key && CellText(row, kStatusColumn) == pass) {
      found = row;
    }
  }
  // An assigned variant that fails has only its fail row; it is still the one assigned.
  for (int row = 0; row < ResultGrid->rowCount() && found < 0; ++row) {
    if (CellText(row, 0) == key) {
      found = row;
    }
  }
  if (found < 0 || !IsKeyOfTable(key)) {
    const QSignalBlocker blocker(ResultGrid);
    ResultGrid->clearSelection();
    ClearChoice();
    FSelectedVekStr.clear();
    return;
  }
  {
    const QSignalBlocker blocker(ResultGrid);
    ResultGrid->setCurrentCell(found, qMax(0, ResultGrid->currentColumn()));
  }
  ShowChoice(found);
  FSelectedVekStr = FShownVekStr;
}

void TForm2::ResultGridCellClick(int column, int row) {
  (void)column;
  ShowChoice(row);
}

void TForm2::BtOKClick() {
  if (IsKeyOfTable(FShownVekStr)) {
    FSelectedVekStr = FShownVekStr;
  }
  accept();
}

void TForm2::BtCancelClick() {
  reject();
}

void TForm2::ShowChoice(int row) {
  const QString key = CellText(row, 0);
  // The empty line of an empty table, or no row at all: nothing to choose.
  if (!IsKeyOfTable(key)) {
    return;
  }
  FShownVekStr = key;
  LblResultVekResult->setText(key);
  Rectangle1->setStyleSheet(QStringLiteral("#Rectangle1 { background: transparent; }"));
  QRgb color = kColorPass;
  if (CellText(row, kStatusColumn) == Text("RFail")) {
    color = kColorFail;
  } else if (!CellText(row, kWarningColumn).isEmpty()) {
    color = kColorWarning;
  }
  SetLabelColor(LblResultVekResult, color);
}

void TForm2::ClearChoice() {
  FShownVekStr.clear();
  LblResultVekResult->setText(Text("LblResultVekResult"));
  SetLabelColor(LblResultVekResult, kLabelColorBlack);
}

QString TForm2::CellText(int row, int column) const {
  const QTableWidgetItem* item = ResultGrid->item(row, column);
  return item != nullptr ? item->text() : QString();
}

bool TForm2::IsKeyOfTable(const QString& key) const {
  return !key.isEmpty() && FVekModelResultDB->Contains(key.toStdString());
}

}  // namespace vek
