#include "ui/VekCheckBox.h"

namespace vek {

TVekCheckBox::TVekCheckBox(QWidget* owner) : QCheckBox(owner) {}

TVekCheckBox::TVekCheckBox(QWidget* owner, bool isChecked) : QCheckBox(owner) {
  setChecked(isChecked);
}

void TVekCheckBox::SetCheckBoxData(QCheckBox* checkBox, QWidget* owner, const QString& text,
                                   int width, int height, QPoint position) {
  if (checkBox == nullptr) {
    return;
  }
  if (checkBox->parentWidget() != owner) {
    checkBox->setParent(owner);
  }
  checkBox->setText(text);
  checkBox->setGeometry(position.x(), position.y(), width, height);
  if (owner != nullptr && owner->isVisible()) {
    checkBox->show();
  }
}

}  // namespace vek
