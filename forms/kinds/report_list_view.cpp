// The report list's view: focused-row changes and the focus-in rule.
#include "forms/kinds/report_list_view.h"

#include <QAccessible>
#include <QItemSelectionModel>
#include <utility>

namespace forms {

ReportListView::ReportListView(QWidget* parent) : QTreeView(parent) {}

void ReportListView::WatchFocusedRow() {
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          &ReportListView::OnCurrentChanged);
}

// Qt makes the first row current when the view gains the keyboard focus
// without a current row (also after every reset); the list must not, so the
// row it sets is cleared again, and no event is told for it.
void ReportListView::focusInEvent(QFocusEvent* event) {
  const bool had_current = currentIndex().isValid();
  entering_focus_ = true;
  QTreeView::focusInEvent(event);
  entering_focus_ = false;
  if (!had_current && currentIndex().isValid()) selectionModel()->clearCurrentIndex();
}

void ReportListView::mousePressEvent(QMouseEvent* event) {
  pressing_ = true;
  focused_row_pending_ = false;
  QTreeView::mousePressEvent(event);
  pressing_ = false;
  if (std::exchange(focused_row_pending_, false)) emit FocusedRowChanged();
}

// QTreeView's own tell screen readers of a cell by its number in the tree of
// cells; these skip them and tell of the row, the list's child.
void ReportListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QAbstractItemView::currentChanged(current, previous);
  viewport()->update();  // the focus frame spans the whole row
  if (!QAccessible::isActive() || !current.isValid() || !hasFocus()) return;
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(current.row());
  QAccessible::updateAccessibility(&event);
}

void ReportListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  QAbstractItemView::selectionChanged(selected, deselected);
  if (!QAccessible::isActive()) return;
  const std::pair<QAccessible::Event, const QItemSelection&> changes[] = {{QAccessible::SelectionAdd, selected},
                                                                         {QAccessible::SelectionRemove, deselected}};
  for (const auto& [change, rows] : changes) {
    if (rows.isEmpty()) continue;
    QAccessibleEvent event(this, change);
    event.setChild(rows.indexes().first().row());
    QAccessible::updateAccessibility(&event);
  }
}

void ReportListView::OnCurrentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (entering_focus_ || !current.isValid()) return;
  if (previous.isValid() && previous.row() == current.row()) return;
  if (pressing_) {
    focused_row_pending_ = true;
    return;
  }
  emit FocusedRowChanged();
}

}  // namespace forms
