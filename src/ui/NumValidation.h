#pragma once

#include <optional>

#include <QObject>
#include <QString>

class QLineEdit;

namespace vek {

// The rules of the numeric edit fields, on plain text so that they hold
// without a widget. Numbers are read and written with the regional decimal
// separator (core/RegionalSettings.h).

// Whether a typed character may enter a numeric field. text is the field's
// text as it will be once the selection (if any) is replaced, caret the
// position where the character goes. With noFloatNumbers only backspace, "-"
// and digits pass; otherwise also the decimal separator. "-" only at the first
// position and only once, the separator only once; codes above 255 never.
bool IsNumKeyAccepted(const QString& text, int caret, QChar keyChar, bool noFloatNumbers);

// The text as a number: optional sign, digits with at most one regional
// separator, optional exponent; surrounding blanks are ignored. Nothing when
// the text is not a number in that form.
std::optional<double> ReadRegionalNumber(const QString& text);

// The field's text after a committed change: a number is rewritten with
// digitalPlaces (< 0: shortest form), and replaced by comparativeValue when it
// falls below it (isCheckMinValue) or above it (otherwise); a comparativeValue
// of kNullReal means no limit. A lone "-" becomes empty; other text stays.
QString NormalisedNumText(const QString& text, int digitalPlaces, double comparativeValue,
                          bool isCheckMinValue);

// The field's text while typing: anything that is not a number and not a lone
// "-" is emptied.
QString TrackedNumText(const QString& text);

// The same rules on a sender. Each acts only when the sender is a plain
// QLineEdit; any other sender (a spin box, its inner line edit, a combo box)
// is left untouched.
class TNumValidation {
 public:
  // keyChar becomes the null character when the key is rejected.
  static void OnKeyDownNumValidation(QObject* sender, QChar& keyChar, bool noFloatNumbers = false);

  static void OnChangeNumValidation(QObject* sender);
  static void OnChangeNumValidation(QObject* sender, int digitalPlaces);
  static void OnChangeNumValidation(QObject* sender, int digitalPlaces, double comparativeValue,
                                    bool isCheckMinValue);

  static void OnChangeTrackingNumValidation(QObject* sender);

  // The sender as a numeric edit field, or null.
  static QLineEdit* PlainLineEdit(QObject* sender);
};

// The field's number, or fallback when its text is not a number.
double ReadNumber(const QLineEdit* edit, double fallback);

// Writes value with digitalPlaces (< 0: shortest form) and the regional separator.
void WriteNumber(QLineEdit* edit, double value, int digitalPlaces);

// Key filter of a numeric edit field: typed characters pass through
// IsNumKeyAccepted; editing keys and shortcuts are not touched. Install one
// per field with Install; the filter is a child of the field.
class TNumKeyFilter : public QObject {
  Q_OBJECT

 public:
  explicit TNumKeyFilter(bool noFloatNumbers, QObject* parent = nullptr);

  // Installs a new filter on edit when edit is a plain QLineEdit; null otherwise.
  static TNumKeyFilter* Install(QObject* edit, bool noFloatNumbers);

  bool NoFloatNumbers() const { return FNoFloatNumbers; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool FNoFloatNumbers;
};

// Select-all on the first click: a click into a numeric field selects its
// whole text unless the previous such click went into the same field (by tab
// number), so a second click places the caret normally.
class TSelectAllOnClick : public QObject {
  Q_OBJECT

 public:
  explicit TSelectAllOnClick(QObject* parent = nullptr);

  // Lets clicks into edit run OnClickEditSelectAll (plain QLineEdit only).
  void Attach(QObject* edit);

  void OnClickEditSelectAll(QObject* sender);

  int LastEditFocusAllSelect() const { return FLastEditFocusAllSelect; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // No field has selected yet; tab numbers start at 1, unnumbered fields read 0.
  int FLastEditFocusAllSelect = -1;
};

}  // namespace vek
