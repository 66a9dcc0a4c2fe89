// Combo boxes: stored items and current item, the current-item property
// without events, item height and drop-down size, and ComboItemText.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

#include "forms/kinds/combo_box.h"
#include "forms/kinds/combo_item_text.h"
#include "runtime/call.h"
#include "runtime/values.h"
#include "tests/forms/kind_harness.h"
#include "tests/test_support.h"

namespace kinds_testing {
namespace {

using testing_support::Gbk;
constexpr uint32_t kComboBoxCode = rt::tag::kComboBox;
constexpr int32_t kCurrentItem = forms::property_index::kComboBoxCurrentItem;

forms::ComboBoxSettings Languages(int32_t current_item = 0) {
  forms::ComboBoxSettings settings;
  settings.items = {"JavaScrirp", "PHP", "JAVA", "Python", "GO"};
  settings.current_item = current_item;
  settings.extra_item_height = 1;
  return settings;
}

class ComboBoxTest : public KindTest {
 protected:
  void OpenBox(const forms::ComboBoxSettings& settings) {
    OpenWith(kComboBoxCode, forms::WriteSettings(settings), {10, 10, 100, 20});
  }
  QComboBox* Box() { return static_cast<QComboBox*>(Widget()); }
  // ComboItemText through the command call; the result freed.
  static std::string ItemText(int32_t index, uint32_t control_id = kControlId) {
    const rt::ArgRecord args[] = {rt::ControlArg(kWindowId, control_id, kComboBoxCode),
                                  rt::IntArg(index)};
    const rt::ResultRecord result = rt::CallCommand(forms::ComboItemText, 2, args);
    char* text = result.pointer<char>();
    std::string copy = text ? text : "<null>";
    rt::RuntimeFree(text);
    return copy;
  }
};

TEST_F(ComboBoxTest, StoredItemsInOrderAndCurrentItemClamped) {
  const struct { int32_t stored, current; } cases[] = {{0, 0}, {3, 3}, {9, 4}, {-1, -1}, {-7, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    OpenBox(Languages(c.stored));
    ASSERT_EQ(Box()->count(), 5);
    EXPECT_EQ(Box()->itemText(3), "Python");
    EXPECT_FALSE(Box()->isEditable());
    EXPECT_EQ(int32_t(Read(kCurrentItem)), c.current);
    TearDown();
    SetUp();
  }
}

TEST_F(ComboBoxTest, ProgramChangesRaiseNothingAPersonsChoiceDoes) {
  OpenBox(Languages());
  const struct { int32_t written, current; } cases[] = {{2, 2}, {4, 4}, {5, -1}, {-3, -1}, {0, 0}};
  for (const auto& c : cases) {
    Write(kCurrentItem, uint64_t(uint32_t(c.written)));
    EXPECT_EQ(int32_t(Read(kCurrentItem)), c.current) << c.written;
  }
  EXPECT_EQ(EventCount(), 0);
  Box()->setFocus();
  QTest::keyClick(Box(), Qt::Key_Down);
  EXPECT_EQ(int32_t(Read(kCurrentItem)), 1);
  EXPECT_EQ(EventCount(), 1);
}

TEST_F(ComboBoxTest, ItemsAreOnePixelTallerThanDefault) {
  OpenBox(Languages());
  QComboBox plain;
  plain.addItems({"JavaScrirp"});
  QStyleOptionViewItem option;
  option.initFrom(Box()->view());
  const int ours = Box()->itemDelegate()->sizeHint(option, Box()->model()->index(0, 0)).height();
  const int standard = plain.itemDelegate()->sizeHint(option, plain.model()->index(0, 0)).height();
  EXPECT_EQ(ours, standard + 1);
}

TEST_F(ComboBoxTest, DropDownListMakesTheBoxAtLeast160PixelsInTotal) {
  OpenBox(Languages());
  EXPECT_EQ(Box()->height(), 20);  // the visible box stays one line
  Box()->showPopup();
  QWidget* popup = Box()->view()->window();
  EXPECT_GE(Box()->height() + popup->height(), forms::ComboBoxControl::kLeastDroppedHeight);
  Box()->hidePopup();
  EXPECT_EQ(EventCount(), 0);
}

TEST_F(ComboBoxTest, AppearanceWriteRebuildsTheBoxKeepingItsChoiceAndTypedText) {
  constexpr int32_t kContentText = 9, kExtraItemHeight = 15;
  forms::ComboBoxSettings settings = Languages(3);
  settings.type = 1;  // drop-down with an edit part
  OpenBox(settings);
  Box()->lineEdit()->clear();
  QTest::keyClicks(Box()->lineEdit(), "abc");
  QPointer<QComboBox> old = Box();
  Write(kExtraItemHeight, 5);
  EXPECT_TRUE(old.isNull());
  EXPECT_EQ(int32_t(Read(kCurrentItem)), 3);
  EXPECT_EQ(ReadText(kContentText), "abc");
  EXPECT_EQ(Box()->lineEdit()->text(), "abc");
}

TEST_F(ComboBoxTest, ComboItemTextGivesItemOrEmptyOutsideTheItems) {
  forms::ComboBoxSettings settings = Languages();
  settings.items.push_back(Gbk("中文") + "\xB0");  // a trailing half character stays as stored
  OpenBox(settings);
  const struct { int32_t index; std::string text; } cases[] = {
      {0, "JavaScrirp"}, {4, "GO"}, {5, Gbk("中文") + "\xB0"}, {-1, "<null>"}, {6, "<null>"},
      {INT32_MIN, "<null>"}};
  for (const auto& c : cases) EXPECT_EQ(ItemText(c.index), c.text) << c.index;
}

TEST_F(ComboBoxTest, ComboItemTextOnMissingControlIsTheRunTimeError) {
  OpenBox(Languages());
  testing_support::PrintMessageBoxesToStderr();
  EXPECT_EXIT(ItemText(0, 0x16019999), testing::ExitedWithCode(255),
              "指定窗口或窗口组件不存在或尚未载入");
}

}  // namespace
}  // namespace kinds_testing
