#include "ui/NumValidation.h"

#include <charconv>
#include <cmath>
#include <string>

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

#include "core/RegionalSettings.h"
#include "core/StandardFnc.h"
#include "ui/FocusOrder.h"

namespace vek {
namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kMinus = '-';

QString DecimalSeparator() {
  return QString::fromStdString(RegionalSettings().DecimalSeparator);
}

bool IsAsciiDigit(QChar c) {
  return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Digits from pos on; returns how many.
int SkipDigits(const QString& s, int& pos) {
  const int start = pos;
  while (pos < s.size() && IsAsciiDigit(s[pos])) {
    ++pos;
  }
  return pos - start;
}

}  // namespace

bool IsNumKeyAccepted(const QString& text, int caret, QChar keyChar, bool noFloatNumbers) {
  if (keyChar.unicode() == kBackspace) {
    return true;
  }
  if (keyChar.unicode() == kMinus) {
    return caret == 0 && !text.contains(QLatin1Char('-'));
  }
  if (IsAsciiDigit(keyChar)) {
    return true;
  }
  if (noFloatNumbers || keyChar.unicode() > 255) {
    return false;
  }
  const QString separator = DecimalSeparator();
  return separator.size() == 1 && keyChar == separator[0] && !text.contains(separator);
}

std::optional<double> ReadRegionalNumber(const QString& text) {
  const QString s = text.trimmed();
  const QString separator = DecimalSeparator();
  // Rebuilt in the C form that std::from_chars reads, whatever the locale.
  std::string plain;
  int pos = 0;
  if (pos < s.size() && (s[pos] == QLatin1Char('-') || s[pos] == QLatin1Char('+'))) {
    if (s[pos] == QLatin1Char('-')) {
      plain += '-';
    }
    ++pos;
  }
  int start = pos;
  int digits = SkipDigits(s, pos);
  plain += s.mid(start, pos - start).toStdString();
  if (!separator.isEmpty() && s.mid(pos, separator.size()) == separator) {
    pos += separator.size();
    start = pos;
    const int fraction = SkipDigits(s, pos);
    digits += fraction;
    plain += '.';
    plain += s.mid(start, fraction).toStdString();
  }
  if (digits == 0) {
    return std::nullopt;
  }
  if (pos < s.size() && (s[pos] == QLatin1Char('e') || s[pos] == QLatin1Char('E'))) {
    plain += 'e';
    ++pos;
    if (pos < s.size() && (s[pos] == QLatin1Char('-') || s[pos] == QLatin1Char('+'))) {
      plain += s[pos] == QLatin1Char('-') ? "-" : "";
      ++pos;
    }
    start = pos;
    if (SkipDigits(s, pos) == 0) {
      return std::nullopt;
    }
    plain += s.mid(start, pos - start).toStdString();
  }
  if (pos != s.size()) {
    return std::nullopt;
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size()) {
    return std::nullopt;
  }
  return value;
}

QString NormalisedNumText(const QString& text, int digitalPlaces, double comparativeValue,
                          bool isCheckMinValue) {
  const std::optional<double> value = ReadRegionalNumber(text);
  if (!value) {
    return text == QLatin1String("-") ? QString() : text;
  }
  const bool limited = !TStandardFnc::IsNullReal(comparativeValue);
  auto breaksLimit = [&](double v) {
    return limited && (isCheckMinValue ? v < comparativeValue : v > comparativeValue);
  };
  const double shown = breaksLimit(*value) ? comparativeValue : *value;
  QString result = QString::fromStdString(TStandardFnc::FloatToString(shown, digitalPlaces));
  // Rounding to the places may cross the limit (minimum 0.001 with two places
  // would show 0.00); the limit's nearest value on the allowed side is shown then.
  const std::optional<double> written = ReadRegionalNumber(result);
  if (written && breaksLimit(*written) && digitalPlaces >= 0) {
    const double scale = std::pow(10.0, digitalPlaces);
    const double scaled = comparativeValue * scale;
    const double inside = (isCheckMinValue ? std::ceil(scaled - 1e-9) : std::floor(scaled + 1e-9));
    result = QString::fromStdString(TStandardFnc::FloatToString(inside / scale, digitalPlaces));
  }
  return result;
}

QString TrackedNumText(const QString& text) {
  if (text == QLatin1String("-") || ReadRegionalNumber(text)) {
    return text;
  }
  return QString();
}

QLineEdit* TNumValidation::PlainLineEdit(QObject* sender) {
  auto* edit = qobject_cast<QLineEdit*>(sender);
  if (edit == nullptr) {
    return nullptr;
  }
  // The editor inside a spin box or a combo box belongs to that control.
  QObject* parent = edit->parent();
  if (qobject_cast<QAbstractSpinBox*>(parent) != nullptr ||
      qobject_cast<QComboBox*>(parent) != nullptr) {
    return nullptr;
  }
  return edit;
}

void TNumValidation::OnKeyDownNumValidation(QObject* sender, QChar& keyChar, bool noFloatNumbers) {
  const QLineEdit* edit = PlainLineEdit(sender);
  if (edit == nullptr) {
    return;
  }
  QString text = edit->text();
  int caret = edit->cursorPosition();
  if (edit->hasSelectedText()) {
    caret = edit->selectionStart();
    text.remove(caret, edit->selectedText().size());
  }
  if (!IsNumKeyAccepted(text, caret, keyChar, noFloatNumbers)) {
    keyChar = QChar();
  }
}

void TNumValidation::OnChangeNumValidation(QObject* sender) {
  OnChangeNumValidation(sender, -1, kNullReal, true);
}

void TNumValidation::OnChangeNumValidation(QObject* sender, int digitalPlaces) {
  OnChangeNumValidation(sender, digitalPlaces, kNullReal, true);
}

void TNumValidation::OnChangeNumValidation(QObject* sender, int digitalPlaces,
                                           double comparativeValue, bool isCheckMinValue) {
  QLineEdit* edit = PlainLineEdit(sender);
  if (edit == nullptr) {
    return;
  }
  const QString text =
      NormalisedNumText(edit->text(), digitalPlaces, comparativeValue, isCheckMinValue);
  if (text != edit->text()) {
    edit->setText(text);
  }
}

void TNumValidation::OnChangeTrackingNumValidation(QObject* sender) {
  QLineEdit* edit = PlainLineEdit(sender);
  if (edit == nullptr) {
    return;
  }
  const QString text = TrackedNumText(edit->text());
  if (text != edit->text()) {
    edit->setText(text);
  }
}

double ReadNumber(const QLineEdit* edit, double fallback) {
  if (edit == nullptr) {
    return fallback;
  }
  return ReadRegionalNumber(edit->text()).value_or(fallback);
}

void WriteNumber(QLineEdit* edit, double value, int digitalPlaces) {
  if (edit != nullptr) {
    edit->setText(QString::fromStdString(TStandardFnc::FloatToString(value, digitalPlaces)));
  }
}

TNumKeyFilter::TNumKeyFilter(bool noFloatNumbers, QObject* parent)
    : QObject(parent), FNoFloatNumbers(noFloatNumbers) {}

TNumKeyFilter* TNumKeyFilter::Install(QObject* edit, bool noFloatNumbers) {
  QLineEdit* plain = TNumValidation::PlainLineEdit(edit);
  if (plain == nullptr) {
    return nullptr;
  }
  auto* filter = new TNumKeyFilter(noFloatNumbers, plain);
  plain->installEventFilter(filter);
  return filter;
}

bool TNumKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) {
    return false;
  }
  const QString typed = static_cast<QKeyEvent*>(event)->text();
  // Editing keys and shortcuts carry no text or a control character.
  if (typed.isEmpty() || typed[0].unicode() < 32 || typed[0].unicode() == 127) {
    return false;
  }
  for (QChar c : typed) {
    QChar keyChar = c;
    TNumValidation::OnKeyDownNumValidation(watched, keyChar, FNoFloatNumbers);
    if (keyChar.isNull()) {
      return true;
    }
  }
  return false;
}

TSelectAllOnClick::TSelectAllOnClick(QObject* parent) : QObject(parent) {}

void TSelectAllOnClick::Attach(QObject* edit) {
  if (QLineEdit* plain = TNumValidation::PlainLineEdit(edit)) {
    plain->installEventFilter(this);
  }
}

void TSelectAllOnClick::OnClickEditSelectAll(QObject* sender) {
  QLineEdit* edit = TNumValidation::PlainLineEdit(sender);
  if (edit == nullptr) {
    return;
  }
  const int tabNumber = TabNumber(edit);
  if (tabNumber != FLastEditFocusAllSelect) {
    edit->selectAll();
  }
  FLastEditFocusAllSelect = tabNumber;
}

bool TSelectAllOnClick::eventFilter(QObject* watched, QEvent* event) {
  // Selects once the field has handled the whole click: its own press and
  // release handling would otherwise move the caret over the selection.
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    QPointer<QObject> edit(watched);
    QMetaObject::invokeMethod(
        this,
        [this, edit] {
          if (edit) {
            OnClickEditSelectAll(edit);
          }
        },
        Qt::QueuedConnection);
  }
  return false;
}

}  // namespace vek
