// Accessible interfaces of a report list and of its rows.
#include "forms/kinds/report_list_accessible.h"

#include <vector>

#include <QAccessibleWidget>
#include <QPersistentModelIndex>
#include <QPointer>

#include "forms/kinds/report_list_view.h"

namespace forms {
namespace {

class RowAccessible : public QAccessibleInterface {
 public:
  RowAccessible(ReportListView* view, const QModelIndex& index) : view_(view), index_(index) {}

  bool isValid() const override { return view_ && index_.isValid(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  void setText(QAccessible::Text, const QString&) override {}

  int Row() const { return index_.row(); }

  // Name: the first column; description: the other columns' texts.
  QString text(QAccessible::Text kind) const override {
    if (!isValid() || (kind != QAccessible::Name && kind != QAccessible::Description)) return {};
    if (kind == QAccessible::Name) return Cell(0);
    QStringList others;
    for (int column = 1; column < index_.model()->columnCount(); ++column) others << Cell(column);
    return others.join(' ');
  }

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect row = RowInViewport();
    return {view_->viewport()->mapToGlobal(row.topLeft()), row.size()};
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.invalid = !isValid();
    if (state.invalid) return state;
    state.selectable = state.focusable = true;
    state.selected = view_->selectionModel()->isRowSelected(Row(), {});
    state.focused = view_->hasFocus() && view_->currentIndex().row() == Row();
    state.offscreen = !view_->viewport()->rect().intersects(RowInViewport());
    return state;
  }

 private:
  QString Cell(int column) const { return index_.sibling(Row(), column).data().toString(); }
  QRect RowInViewport() const {
    const QRect cell = view_->visualRect(index_);
    return {0, cell.y(), view_->viewport()->width(), cell.height()};
  }

  QPointer<ReportListView> view_;
  QPersistentModelIndex index_;
};

class ListAccessible : public QAccessibleWidget {
 public:
  explicit ListAccessible(ReportListView* view) : QAccessibleWidget(view, QAccessible::List) {}
  ~ListAccessible() override {
    for (QAccessible::Id id : rows_)
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return View()->model() ? View()->model()->rowCount() : 0; }

  // A row's interface follows its row as rows are inserted or removed; the
  // one kept for a number that now stands for another row, or for none, is
  // replaced.
  QAccessibleInterface* child(int row) const override {
    if (row < 0 || row >= childCount()) return nullptr;
    if (rows_.size() < size_t(childCount())) rows_.resize(size_t(childCount()), 0);
    QAccessible::Id& id = rows_[size_t(row)];
    const auto* kept = id != 0 ? static_cast<RowAccessible*>(QAccessible::accessibleInterface(id)) : nullptr;
    if (kept != nullptr && kept->isValid() && kept->Row() == row) return QAccessible::accessibleInterface(id);
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
    id = QAccessible::registerAccessibleInterface(new RowAccessible(View(), View()->model()->index(row, 0)));
    return QAccessible::accessibleInterface(id);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* row = dynamic_cast<const RowAccessible*>(child);
    return row != nullptr && row->isValid() ? row->Row() : -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    const QModelIndex index = View()->indexAt(View()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(index.row()) : nullptr;
  }

  QAccessibleInterface* focusChild() const override {
    const QModelIndex current = View()->currentIndex();
    return View()->hasFocus() && current.isValid() ? child(current.row()) : nullptr;
  }

 private:
  ReportListView* View() const { return static_cast<ReportListView*>(widget()); }

  // The registered interface of each row number, 0 until a screen reader asks for it.
  mutable std::vector<QAccessible::Id> rows_;
};

QAccessibleInterface* ListFactory(const QString&, QObject* object) {
  auto* view = qobject_cast<ReportListView*>(object);
  return view != nullptr ? new ListAccessible(view) : nullptr;
}

}  // namespace

void PresentReportListsAsLists() {
  [[maybe_unused]] static const bool installed = (QAccessible::installFactory(&ListFactory), true);
}

}  // namespace forms
