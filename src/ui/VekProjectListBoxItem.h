#pragma once

#include <QListWidgetItem>
#include <QStyledItemDelegate>

namespace vek {

// An entry of the project list: the component's name (the item's text) with
// a quantity line "Σ n" and a type line.
class TVekProjectListBoxItem : public QListWidgetItem {
 public:
  static constexpr int kItemType = QListWidgetItem::UserType + 1;
  // Roles of the two lines as the list draws them.
  static constexpr int kQuantityLineRole = Qt::UserRole + 10;
  static constexpr int kTypeLineRole = Qt::UserRole + 11;

  explicit TVekProjectListBoxItem(QListWidget* owner = nullptr);

  void SetQuantity(int quantity);
  int GetQuantity() const { return FQuantity; }
  void SetType(const QString& inType);
  const QString& GetType() const { return FType; }
  // Redraws the type line from the stored type.
  void RefreshType();

  QString QuantityLine() const;
  QString TypeLine() const;

  // The item of row of list when it is a project entry, else null.
  static TVekProjectListBoxItem* At(const QListWidget* list, int row);

  // Lets list draw its project entries with their lines.
  static void InstallDelegate(QListWidget* list);

 private:
  int FQuantity = 0;
  QString FType = QStringLiteral("N/A");
};

// Draws a project entry: the name and the quantity on the first line, the type below.
class TVekProjectListDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace vek
