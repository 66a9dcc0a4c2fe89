// Report lists: creation from the stored settings, the focused-row event,
// no automatic current row on focus-in, the current-row property, many rows.
#include <QAccessible>
#include <QFontDatabase>
#include <QHeaderView>
#include <QTreeView>

#include "forms/kinds/report_list.h"
#include "tests/forms/kind_harness.h"
#include "tests/test_support.h"

namespace kinds_testing {
namespace {

using testing_support::Gbk;
constexpr uint32_t kReportListCode = rt::tag::kReportList;
constexpr int32_t kCurrentRow = forms::property_index::kReportListCurrentRow;

// The main window's catalogue list: two columns, the second 0 pixels wide.
forms::ReportListSettings CatalogueList() {
  forms::ReportListSettings settings;
  settings.border = 5;
  settings.no_column_header = 1;
  settings.full_row_select = 1;
  settings.single_selection = 1;
  forms::FontDescription font;
  font.height = -19;
  font.weight = 400;
  font.char_set = 134;
  settings.font = font;
  settings.columns = {{0, -1, 0, 170, ""}, {0, -1, 0, 0, ""}};
  return settings;
}

class ReportListTest : public KindTest {
 protected:
  void OpenList(const forms::ReportListSettings& settings = CatalogueList()) {
    OpenWith(kReportListCode, forms::WriteSettings(settings), {3, 13, 187, 200});
  }
  forms::ReportListControl& List() { return ControlAs<forms::ReportListControl>(); }
  QTreeView* View() { return static_cast<QTreeView*>(Widget()); }
  void AddRows(std::initializer_list<const char*> texts) {
    for (const char* text : texts) List().SetCellText(List().InsertRow(-1, {}), 0, text);
  }
  void ClickRow(int row) {
    const QRect rect = View()->visualRect(View()->model()->index(row, 0));
    QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, rect.center());
  }
};

TEST_F(ReportListTest, CreationGivesReportFormWithHiddenZeroWidthColumn) {
  OpenList();
  EXPECT_TRUE(View()->isHeaderHidden());
  EXPECT_FALSE(View()->rootIsDecorated());
  EXPECT_EQ(View()->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(View()->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(View()->header()->sectionSize(0), 170);
  EXPECT_EQ(View()->header()->sectionSize(1), 0);
  // No face stored: a Chinese face, at most as large as stored.
  EXPECT_LE(View()->font().pixelSize(), 19);
  EXPECT_EQ(View()->font().weight(), QFont::Normal);
  EXPECT_TRUE(QFontDatabase::families(QFontDatabase::SimplifiedChinese).contains(View()->font().family()));
  EXPECT_EQ(int32_t(Read(kCurrentRow)), -1);
}

// Rows are children of a list, named by their first cell and described by
// the others; a row inserted above the rows already asked for shifts them.
TEST_F(ReportListTest, ScreenReadersMeetAListOfRowsNamedAndDescribedByTheirCells) {
  OpenList();
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(View());
  for (const char* name : {"web", "phone", "email"}) {
    List().SetCellText(List().InsertRow(name[0] == 'e' ? 0 : -1, {name}), 1, std::string(name) + "?");
    ASSERT_NE(list->child(list->childCount() - 1), nullptr);  // asked for before the next insertion
  }
  EXPECT_EQ(list->role(), QAccessible::List);
  ASSERT_EQ(list->childCount(), 3);
  for (int row = 0; row < 3; ++row) {
    const QString name = QString::fromStdString(*List().CellText(row, 0));
    EXPECT_EQ(list->child(row)->role(), QAccessible::ListItem);
    EXPECT_EQ(list->child(row)->text(QAccessible::Name), name);
    EXPECT_EQ(list->child(row)->text(QAccessible::Description), name + "?");
    EXPECT_EQ(list->indexOfChild(list->child(row)), row);
  }
}

TEST_F(ReportListTest, StoredInitialRowsAreInsertedWithTheirSubItems) {
  forms::ReportListSettings settings = CatalogueList();
  settings.initial_rows = {{0, -1, -1, 0, 0, "a", ""}, {1, -1, -1, 0, 0, "a1", ""},
                           {0, -1, -1, 0, 0, "b", ""}};
  OpenList(settings);
  ASSERT_EQ(List().RowCount(), 2);
  EXPECT_EQ(List().CellText(0, 1), "a1");
  EXPECT_EQ(List().CellText(1, 0), "b");
  EXPECT_EQ(List().CellText(1, 1), "");
}

TEST_F(ReportListTest, EventOnlyWhenADifferentRowGetsTheFocus) {
  OpenList();
  AddRows({"email", "web", "phone"});
  View()->setFocus();
  ClickRow(1);
  EXPECT_EQ(EventCount(), 1);
  ClickRow(1);  // the row that already has the focus
  EXPECT_EQ(EventCount(), 1);
  QTest::keyClick(View(), Qt::Key_Down);
  EXPECT_EQ(EventCount(), 2);
  QTest::keyClick(View(), Qt::Key_Down);  // already the last row: no move
  EXPECT_EQ(EventCount(), 2);
  QTest::keyClicks(View(), "e");  // type-ahead to "email"
  EXPECT_EQ(EventCount(), 3);
  EXPECT_EQ(int32_t(Read(kCurrentRow)), 0);
}

TEST_F(ReportListTest, HandlerSeesTheClickedRowAsCurrentRow) {
  OpenList();
  AddRows({"email", "web", "phone"});
  std::vector<int32_t> seen;
  OnEvent() = [&] { seen.push_back(int32_t(Read(kCurrentRow))); };
  ClickRow(2);
  ClickRow(0);
  QTest::keyClick(View(), Qt::Key_Down);
  EXPECT_EQ(seen, (std::vector<int32_t>{2, 0, 1}));
}

TEST_F(ReportListTest, KeyboardFocusInDoesNotMakeTheFirstRowCurrent) {
  OpenList();
  AddRows({"email", "web"});
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    WidgetOf(0)->setFocus();
    View()->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(View()->currentIndex().isValid());
    EXPECT_EQ(int32_t(Read(kCurrentRow)), -1);
    EXPECT_EQ(EventCount(), 0);
    View()->reset();  // Qt forgets that a current index was dealt with
  }
  QTest::keyClick(View(), Qt::Key_Down);  // the first arrow key focuses a row
  EXPECT_EQ(EventCount(), 1);
}

TEST_F(ReportListTest, CurrentRowIsTheFirstSelectedRowAndWritesSelectWithoutEvent) {
  OpenList();
  AddRows({"a", "b", "c"});
  const struct { int32_t written, read; } cases[] = {{2, 2}, {0, 0}, {3, -1}, {-1, -1}, {1, 1}};
  for (const auto& c : cases) {
    Write(kCurrentRow, uint64_t(uint32_t(c.written)));
    EXPECT_EQ(int32_t(Read(kCurrentRow)), c.read) << c.written;
  }
  EXPECT_EQ(EventCount(), 0);
}

TEST_F(ReportListTest, TenThousandRowsInsertInOrder) {
  OpenList();
  for (int i = 0; i < 10000; ++i) ASSERT_EQ(List().InsertRow(-1, {"row"}), i);
  List().InsertRow(0, {"first"});
  EXPECT_EQ(List().CellText(0, 0), "first");
  EXPECT_EQ(List().RowCount(), 10001);
}

TEST_F(ReportListTest, AppearanceWriteRebuildsTheListWithItsRowsAndCurrentRow) {
  constexpr int32_t kNoColumnHeader = 18;
  OpenList();
  AddRows({"a", "b"});
  List().SetCellText(1, 1, "b1");
  Write(kCurrentRow, 1);
  Write(kNoColumnHeader, 0);
  EXPECT_FALSE(View()->isHeaderHidden());
  ASSERT_EQ(List().RowCount(), 2);
  EXPECT_EQ(List().CellText(1, 0), "b");
  EXPECT_EQ(List().CellText(1, 1), "b1");
  EXPECT_EQ(int32_t(Read(kCurrentRow)), 1);
  EXPECT_EQ(EventCount(), 0);
}

}  // namespace
}  // namespace kinds_testing
