#include "ui/VekProjectListBoxItem.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>

namespace vek {
namespace {

constexpr int kPadding = 4;

}  // namespace

TVekProjectListBoxItem::TVekProjectListBoxItem(QListWidget* owner)
    : QListWidgetItem(owner, kItemType) {
  setData(kQuantityLineRole, QuantityLine());
  setData(kTypeLineRole, TypeLine());
}

void TVekProjectListBoxItem::SetQuantity(int quantity) {
  FQuantity = quantity;
  setData(kQuantityLineRole, QuantityLine());
}

void TVekProjectListBoxItem::SetType(const QString& inType) {
  FType = inType;
  RefreshType();
}

void TVekProjectListBoxItem::RefreshType() {
  setData(kTypeLineRole, TypeLine());
}

QString TVekProjectListBoxItem::QuantityLine() const {
  return QStringLiteral("Σ ") + QString::number(FQuantity);
}

QString TVekProjectListBoxItem::TypeLine() const {
  return FType;
}

TVekProjectListBoxItem* TVekProjectListBoxItem::At(const QListWidget* list, int row) {
  if (list == nullptr) {
    return nullptr;
  }
  QListWidgetItem* item = list->item(row);
  return item != nullptr && item->type() == kItemType ? static_cast<TVekProjectListBoxItem*>(item)
                                                      : nullptr;
}

void TVekProjectListBoxItem::InstallDelegate(QListWidget* list) {
  if (list != nullptr) {
    list->setItemDelegate(new TVekProjectListDelegate(list));
  }
}

void TVekProjectListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const QString name = opt.text;
  opt.text.clear();
  const QWidget* widget = opt.widget;
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

  const bool selected = (opt.state & QStyle::State_Selected) != 0;
  const QColor textColour =
      opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
  const QRect area = opt.rect.adjusted(kPadding, kPadding / 2, -kPadding, -kPadding / 2);
  const int lineHeight = opt.fontMetrics.height();
  const QRect firstLine(area.left(), area.top(), area.width(), lineHeight);
  const QRect secondLine(area.left(), area.top() + lineHeight, area.width(), lineHeight);

  painter->save();
  painter->setPen(textColour);
  const QString quantity = index.data(TVekProjectListBoxItem::kQuantityLineRole).toString();
  const int quantityWidth = opt.fontMetrics.horizontalAdvance(quantity) + kPadding;
  painter->drawText(firstLine, Qt::AlignRight | Qt::AlignVCenter, quantity);
  QFont nameFont = opt.font;
  nameFont.setBold(true);
  painter->setFont(nameFont);
  const QRect nameRect = firstLine.adjusted(0, 0, -quantityWidth, 0);
  painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                    QFontMetrics(nameFont).elidedText(name, Qt::ElideRight, nameRect.width()));
  painter->setFont(opt.font);
  QColor typeColour = textColour;
  if (!selected) {
    typeColour = opt.palette.color(QPalette::PlaceholderText);
  }
  painter->setPen(typeColour);
  const QString type = index.data(TVekProjectListBoxItem::kTypeLineRole).toString();
  painter->drawText(secondLine, Qt::AlignLeft | Qt::AlignVCenter,
                    opt.fontMetrics.elidedText(type, Qt::ElideRight, secondLine.width()));
  painter->restore();
}

QSize TVekProjectListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(2 * option.fontMetrics.height() + kPadding);
  return size;
}

}  // namespace vek
