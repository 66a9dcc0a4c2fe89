// An item delegate that draws like the one it wraps and makes every item a
// fixed number of pixels taller: the combo box's stored extra item height.
#pragma once

#include <QAbstractItemDelegate>
#include <QPointer>

namespace forms {

class ItemHeightDelegate : public QAbstractItemDelegate {
 public:
  // base stays owned by its parent; extra_height may be negative.
  ItemHeightDelegate(QAbstractItemDelegate* base, int extra_height, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  QPointer<QAbstractItemDelegate> base_;
  int extra_height_;
};

}  // namespace forms
