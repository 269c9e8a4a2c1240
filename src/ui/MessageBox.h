#pragma once

#include <QDialog>

#include "ui/MessageService.h"

class QLabel;
class QPushButton;

namespace vek {

// The program's Yes/No/Cancel confirmation.
class TMessageBox : public QDialog {
  Q_OBJECT

 public:
  explicit TMessageBox(QWidget* parent = nullptr);

  // Shows msg modally and returns the answer; mbaCancel unless a button
  // other than Cancel was pressed.
  TMessageBoxAction ShowModal(const QString& msg);

  // Texts of the caption and the buttons in the current language.
  void TranslationToFormObjects();

  TMessageBoxAction Answer() const { return FMessageBoxAction; }

 private:
  void Choose(TMessageBoxAction action);

  QLabel* FImgIcon;
  QLabel* FLblMessage;
  QPushButton* FBtYes;
  QPushButton* FBtNo;
  QPushButton* FBtCancel;
  TMessageBoxAction FMessageBoxAction = TMessageBoxAction::mbaCancel;
};

}  // namespace vek
