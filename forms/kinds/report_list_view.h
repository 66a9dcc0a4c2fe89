// The report list's item view: a QTreeView in report form that tells when a
// different row becomes the focused row, and that does not make the first
// row current on a keyboard focus-in as Qt item views otherwise do. Screen
// readers hear of rows, as the list presents itself (report_list_accessible.h).
#pragma once

#include <QTreeView>

namespace forms {

class ReportListView : public QTreeView {
  Q_OBJECT

 public:
  explicit ReportListView(QWidget* parent);
  // Connects to the model's selection; call after setModel.
  void WatchFocusedRow();

 signals:
  // A row became the focused (current) row that did not have the focus before.
  void FocusedRowChanged();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

 private:
  void OnCurrentChanged(const QModelIndex& current, const QModelIndex& previous);

  bool entering_focus_ = false;
  // A mouse press moves the current row before it selects the row; the
  // change is told only once the selection has followed.
  bool pressing_ = false;
  bool focused_row_pending_ = false;
};

}  // namespace forms
