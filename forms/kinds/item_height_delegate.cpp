// Items drawn by the wrapped delegate, extra_height pixels taller.
#include "forms/kinds/item_height_delegate.h"

#include <algorithm>

namespace forms {

ItemHeightDelegate::ItemHeightDelegate(QAbstractItemDelegate* base, int extra_height,
                                       QObject* parent)
    : QAbstractItemDelegate(parent), base_(base), extra_height_(extra_height) {}

void ItemHeightDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  if (base_) base_->paint(painter, option, index);
}

QSize ItemHeightDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  if (!base_) return {};
  const QSize size = base_->sizeHint(option, index);
  return {size.width(), std::max(1, size.height() + extra_height_)};
}

}  // namespace forms
