#pragma once

// Small builders for the controls of the main window's panels. Every control gets its
// object name, so that texts, tests and the keyboard order find it by name.

#include <initializer_list>

#include <QSize>
#include <QString>
#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace vek::mainform {

// Widths of the columns of an input row: symbol, field, unit.
inline constexpr int kSymbolWidth = 44;
inline constexpr int kFieldWidth = 88;
inline constexpr int kUnitWidth = 40;
inline constexpr int kRowSpacing = 6;
// A combo box spans the symbol, field and unit columns.
inline constexpr int kWideFieldWidth = kSymbolWidth + kFieldWidth + kUnitWidth + 2 * kRowSpacing;
inline constexpr int kIconSize = 20;

// A panel whose children sit at fixed positions inside the size it asks for.
class TFixedPanel : public QWidget {
 public:
  TFixedPanel(const QString& name, QSize size, QWidget* parent = nullptr);
  QSize sizeHint() const override { return FSize; }
  QSize minimumSizeHint() const override { return FSize; }

 private:
  QSize FSize;
};

QWidget* MakePanel(QWidget* parent, const QString& name);
// A caption label; it wraps when it does not fit.
QLabel* MakeLabel(QWidget* parent, const QString& name);
// A bold heading label.
QLabel* MakeHeading(QWidget* parent, const QString& name);
// A symbol label (rich text such as "h<sub>br</sub>").
QLabel* MakeSymbol(QWidget* parent, const QString& name, const QString& symbol);
QLabel* MakeUnit(QWidget* parent, const QString& name, const QString& unit);
// A picture label showing an icon of the window's resources.
QLabel* MakeIconLabel(QWidget* parent, const QString& name, const QString& iconPath);
QToolButton* MakeIconButton(QWidget* parent, const QString& name, const QString& iconPath);

// Number boxes commit a value when editing ends, not on every keystroke.
QSpinBox* MakeSpinBox(QWidget* parent, const QString& name, int minimum, int maximum, int value);
QDoubleSpinBox* MakeDoubleSpinBox(QWidget* parent, const QString& name, int decimals,
                                  double minimum, double maximum, double value);
QLineEdit* MakeNumberEdit(QWidget* parent, const QString& name);
QLineEdit* MakeTextEdit(QWidget* parent, const QString& name);
// Entries with fixed texts; itemNames (when given) name the entries for their text keys.
QComboBox* MakeComboBox(QWidget* parent, const QString& name, std::initializer_list<QString> texts,
                        int current);
void SetItemNames(QComboBox* combo, std::initializer_list<QString> itemNames);

// A grid with the columns caption, symbol, field and unit.
QGridLayout* MakeInputGrid(QWidget* panel);
// One input row; symbol and unit may be null.
void AddInputRow(QGridLayout* grid, QLabel* label, QLabel* symbol, QWidget* field, QLabel* unit);
// A caption with a combo box that spans the symbol, field and unit columns.
void AddComboRow(QGridLayout* grid, QLabel* label, QComboBox* combo);
// A widget over the whole width of the grid.
void AddWideRow(QGridLayout* grid, QWidget* widget);

}  // namespace vek::mainform
