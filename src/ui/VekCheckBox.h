#pragma once

#include <QCheckBox>
#include <QPoint>

namespace vek {

// A check box created at run time.
class TVekCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  explicit TVekCheckBox(QWidget* owner = nullptr);
  // The checked state is set before any change handler can be attached.
  TVekCheckBox(QWidget* owner, bool isChecked);

  // Gives checkBox its text, size and position (X, Y in owner's coordinates)
  // and makes it a child of owner.
  static void SetCheckBoxData(QCheckBox* checkBox, QWidget* owner, const QString& text, int width,
                              int height, QPoint position);
};

}  // namespace vek
