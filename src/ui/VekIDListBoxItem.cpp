#include "ui/VekIDListBoxItem.h"

#include <utility>

#include <QComboBox>
#include <QListWidgetItem>

namespace vek {

TVekIDListBoxItem::TVekIDListBoxItem(QString name, int id, QString text)
    : FName(std::move(name)), FText(std::move(text)), FID(id) {}

int TVekIDListBoxItem::AddTo(QComboBox* combo) const {
  if (combo == nullptr) {
    return -1;
  }
  combo->addItem(FText.isEmpty() ? FName : FText);
  const int row = combo->count() - 1;
  combo->setItemData(row, FID, kItemIDRole);
  combo->setItemData(row, FName, kItemNameRole);
  return row;
}

int ItemID(const QComboBox* combo, int row) {
  if (combo == nullptr || row < 0 || row >= combo->count()) {
    return kNoItemID;
  }
  bool ok = false;
  const int id = combo->itemData(row, kItemIDRole).toInt(&ok);
  return ok ? id : kNoItemID;
}

int CurrentItemID(const QComboBox* combo) {
  return combo == nullptr ? kNoItemID : ItemID(combo, combo->currentIndex());
}

QString ItemName(const QComboBox* combo, int row) {
  if (combo == nullptr || row < 0 || row >= combo->count()) {
    return {};
  }
  return combo->itemData(row, kItemNameRole).toString();
}

int FindItemByID(const QComboBox* combo, int id) {
  for (int row = 0; combo != nullptr && row < combo->count(); ++row) {
    if (ItemID(combo, row) == id) {
      return row;
    }
  }
  return -1;
}

int FindItemByName(const QComboBox* combo, const QString& name) {
  for (int row = 0; combo != nullptr && row < combo->count(); ++row) {
    if (ItemName(combo, row) == name) {
      return row;
    }
  }
  return -1;
}

void SetItemID(QListWidgetItem* item, int id) {
  if (item != nullptr) {
    item->setData(kItemIDRole, id);
  }
}

int ItemID(const QListWidgetItem* item) {
  if (item == nullptr) {
    return kNoItemID;
  }
  bool ok = false;
  const int id = item->data(kItemIDRole).toInt(&ok);
  return ok ? id : kNoItemID;
}

}  // namespace vek
