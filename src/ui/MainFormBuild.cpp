#include "ui/MainFormBuild.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QValidator>

#include "ui/VekIDListBoxItem.h"

namespace vek::mainform {

namespace {

// A number typed beyond the range stays while typing and ends at the nearest limit when
// it is committed, as with a value below the range.
template <class TBox>
class TClampingBox : public TBox {
 public:
  using TBox::TBox;

  QValidator::State validate(QString& text, int& pos) const override {
    const QValidator::State state = TBox::validate(text, pos);
    if (state != QValidator::Invalid) {
      return state;
    }
    bool ok = false;
    const double value = this->locale().toDouble(text.trimmed(), &ok);
    return ok && (value > this->maximum() || value < this->minimum()) ? QValidator::Intermediate
                                                                      : state;
  }

  void fixup(QString& text) const override {
    bool ok = false;
    const double value = this->locale().toDouble(text.trimmed(), &ok);
    if (!ok) {
      TBox::fixup(text);
      return;
    }
    const double bounded = std::clamp(value, static_cast<double>(this->minimum()),
                                      static_cast<double>(this->maximum()));
    if constexpr (std::is_same_v<TBox, QSpinBox>) {
      text = this->textFromValue(static_cast<int>(std::lround(bounded)));
    } else {
      text = this->textFromValue(bounded);
    }
  }
};

}  // namespace

TFixedPanel::TFixedPanel(const QString& name, QSize size, QWidget* parent)
    : QWidget(parent), FSize(size) {
  setObjectName(name);
}

QWidget* MakePanel(QWidget* parent, const QString& name) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(name);
  return panel;
}

QLabel* MakeLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  return label;
}

QLabel* MakeHeading(QWidget* parent, const QString& name) {
  QLabel* label = MakeLabel(parent, name);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

QLabel* MakeSymbol(QWidget* parent, const QString& name, const QString& symbol) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::RichText);
  label->setText(symbol);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setFixedWidth(kSymbolWidth);
  return label;
}

QLabel* MakeUnit(QWidget* parent, const QString& name, const QString& unit) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setText(unit);
  label->setFixedWidth(kUnitWidth);
  return label;
}

QLabel* MakeIconLabel(QWidget* parent, const QString& name, const QString& iconPath) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setPixmap(QIcon(iconPath).pixmap(kIconSize, kIconSize));
  label->setFixedSize(kIconSize + 4, kIconSize + 4);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QToolButton* MakeIconButton(QWidget* parent, const QString& name, const QString& iconPath) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setIcon(QIcon(iconPath));
  button->setIconSize(QSize(kIconSize, kIconSize));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

QSpinBox* MakeSpinBox(QWidget* parent, const QString& name, int minimum, int maximum, int value) {
  auto* box = new TClampingBox<QSpinBox>(parent);
  box->setObjectName(name);
  box->setRange(minimum, maximum);
  box->setValue(value);
  box->setKeyboardTracking(false);
  // A typed value outside the range ends at the nearest limit.
  box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  box->setAlignment(Qt::AlignRight);
  box->setFixedWidth(kFieldWidth);
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

QDoubleSpinBox* MakeDoubleSpinBox(QWidget* parent, const QString& name, int decimals,
                                  double minimum, double maximum, double value) {
  auto* box = new TClampingBox<QDoubleSpinBox>(parent);
  box->setObjectName(name);
  box->setDecimals(decimals);
  box->setRange(minimum, maximum);
  box->setValue(value);
  box->setSingleStep(decimals >= 2 ? 0.1 : 1.0);
  box->setKeyboardTracking(false);
  box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  box->setAlignment(Qt::AlignRight);
  box->setFixedWidth(kFieldWidth);
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

QLineEdit* MakeNumberEdit(QWidget* parent, const QString& name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(kFieldWidth);
  return edit;
}

QLineEdit* MakeTextEdit(QWidget* parent, const QString& name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  return edit;
}

QComboBox* MakeComboBox(QWidget* parent, const QString& name, std::initializer_list<QString> texts,
                        int current) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  for (const QString& text : texts) {
    combo->addItem(text);
  }
  combo->setCurrentIndex(current);
  combo->setFixedWidth(kWideFieldWidth);
  combo->setFocusPolicy(Qt::StrongFocus);
  return combo;
}

void SetItemNames(QComboBox* combo, std::initializer_list<QString> itemNames) {
  int row = 0;
  for (const QString& name : itemNames) {
    if (!name.isEmpty()) {
      combo->setItemData(row, name, kItemNameRole);
    }
    ++row;
  }
}

QGridLayout* MakeInputGrid(QWidget* panel) {
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(8, 6, 8, 6);
  grid->setHorizontalSpacing(kRowSpacing);
  grid->setVerticalSpacing(4);
  grid->setColumnStretch(0, 1);
  return grid;
}

void AddInputRow(QGridLayout* grid, QLabel* label, QLabel* symbol, QWidget* field, QLabel* unit) {
  const int row = grid->rowCount();
  grid->addWidget(label, row, 0);
  if (symbol != nullptr) {
    grid->addWidget(symbol, row, 1);
  }
  grid->addWidget(field, row, 2);
  if (unit != nullptr) {
    grid->addWidget(unit, row, 3);
  }
}

void AddComboRow(QGridLayout* grid, QLabel* label, QComboBox* combo) {
  const int row = grid->rowCount();
  grid->addWidget(label, row, 0);
  grid->addWidget(combo, row, 1, 1, 3);
}

void AddWideRow(QGridLayout* grid, QWidget* widget) {
  grid->addWidget(widget, grid->rowCount(), 0, 1, 4);
}

}  // namespace vek::mainform
