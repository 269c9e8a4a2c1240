#pragma once

#include <array>
#include <vector>

#include <QDialog>
#include <QRgb>
#include <QString>

#include "engine/VekResult.h"

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vek {

// One grid row: key, status, maximum utilisation, decisive proof, warnings, A_zd, B_zd, B_xd.
using TDataLine = std::array<QString, 8>;
using TDataField = std::vector<TDataLine>;

// Lists every calculated variant of a design case and lets the user pick the one to
// assign. The caller hands over the result table, builds the rows, preselects the
// assigned key, shows the dialog modally and reads the answer.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 1027;
  static constexpr int kClientHeight = 575;
  static constexpr int kColumnCount = 8;
  // Colours of the chosen key, alpha first.
  static constexpr QRgb kColorFail = 0xFF8B0000;     // dark red
  static constexpr QRgb kColorWarning = 0xFFFF8C00;  // dark orange
  static constexpr QRgb kColorPass = 0xFF006400;     // dark green

  explicit TForm2(QWidget* parent = nullptr);

  void TranslationToFormObjects();

  // The table is the caller's and must outlive the dialog's use of it.
  void SetVekModelResultDB(const TVEKResultTable* table);
  const TVEKResultTable* GetVekModelResultDB() const { return FVekModelResultDB; }

  // Builds the rows and fills the grid; the caller runs it before every show.
  void OnShowForm();
  // One line per variant in ordinal key order; an empty table gives one empty line.
  TDataField BuildDataField() const;
  void FillGrid(QTableWidget* grid, const TDataField& dataField);
  bool IsCreateVekResultView() const { return FResultView; }

  // Preselects the row of the key: the passing row of that key, else (an assigned
  // variant that fails) the row of that key with its fail text. A key that no row
  // holds selects nothing and leaves the answer empty.
  void SetSelectionByString(const QString& key);
  // Kept for callers that select by row; the choice follows clicks and keys only.
  void SetSelection(int row) { (void)row; }
  void ResultGridCellClick(int column, int row);
  void BtOKClick();
  void BtCancelClick();
  // The key to assign: the row confirmed with OK, else the preselected one. Always
  // a key of the table, or empty when none was chosen.
  const QString& GetSelectedVekStr() const { return FSelectedVekStr; }

  // The key now shown as the choice; empty while none is.
  const QString& ShownVekStr() const { return FShownVekStr; }

  QTableWidget* ResultGrid;
  QLabel* LblResultSelectedAnchor;
  QFrame* Rectangle1;
  QLabel* LblResultVekResult;
  QLabel* ImgTrevask;
  QPushButton* BtOK;
  QPushButton* BtCancel;

 private:
  // Shows the variant of the row as the choice and colours it by its outcome.
  void ShowChoice(int row);
  void ClearChoice();
  QString CellText(int row, int column) const;
  bool IsKeyOfTable(const QString& key) const;

  TVEKResultTable FOwnResultDB;
  const TVEKResultTable* FVekModelResultDB;
  QString FSelectedVekStr;
  QString FShownVekStr;
  bool FResultView = false;
};

}  // namespace vek
