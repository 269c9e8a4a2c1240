#pragma once

#include <QString>
#include <Qt>

class QComboBox;
class QListWidgetItem;

namespace vek {

// Data roles of an entry with an ID: the ID and the entry's name (the name
// its text key is looked up by).
inline constexpr int kItemIDRole = Qt::UserRole + 1;
inline constexpr int kItemNameRole = Qt::UserRole + 2;

// A list entry carrying a number. It may exist before it joins a combo box
// (a combo box holds its entries as rows); AddTo appends it.
class TVekIDListBoxItem {
 public:
  TVekIDListBoxItem() = default;
  TVekIDListBoxItem(QString name, int id, QString text = {});

  void SetID(int id) { FID = id; }
  int GetID() const { return FID; }

  const QString& Name() const { return FName; }
  void SetText(const QString& text) { FText = text; }
  const QString& Text() const { return FText; }

  // Appends the entry as the last row of combo; returns the row.
  int AddTo(QComboBox* combo) const;

 private:
  QString FName;
  QString FText;
  int FID = 0;
};

// Row index helpers; -1 for no row, kNoItemID for a row without an ID.
inline constexpr int kNoItemID = -1;
int ItemID(const QComboBox* combo, int row);
int CurrentItemID(const QComboBox* combo);
QString ItemName(const QComboBox* combo, int row);
int FindItemByID(const QComboBox* combo, int id);
int FindItemByName(const QComboBox* combo, const QString& name);

void SetItemID(QListWidgetItem* item, int id);
int ItemID(const QListWidgetItem* item);

}  // namespace vek
