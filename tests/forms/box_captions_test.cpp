// Boxes are announced by their captions: the label just above a box or just
// before it on its line is its buddy; a box with no such label is named by
// the role in its stored name.
#include <QAccessible>

#include "forms/template/kind_settings.h"
#include "tests/forms/window_fixture.h"
#include "tests/test_support.h"

namespace forms_testing {
namespace {

using testing_support::Gbk;

UnitRecord Label(uint32_t id, const char* caption, QRect at) {
  forms::LabelSettings settings;
  settings.caption = Gbk(caption);
  return Unit(kLabelKindCode, id, forms::WriteSettings(settings), at, UnitRecord::kVisible);
}

UnitRecord Box(uint32_t id, const char* name, QRect at) {
  UnitRecord unit = Unit(rt::tag::kEditBox, id, forms::WriteSettings(forms::EditBoxSettings{}), at);
  unit.name = Gbk(name);
  return unit;
}

class BoxCaptionsTest : public FormsTest {};

TEST_F(BoxCaptionsTest, LabelJustAboveOrBeforeABoxAnnouncesItElseTheRoleInItsName) {
  Open({WindowUnit(),
        Label(0x16010001, "源文本：", {10, 2, 60, 20}),
        Box(0x16010011, "编辑框_原始文本", {10, 24, 100, 20}),
        Label(0x16010002, "开始", {10, 60, 40, 20}),
        Box(0x16010012, "编辑框_起点", {54, 60, 80, 20}),
        Label(0x16010003, "个", {10, 100, 40, 20}),
        Box(0x16010013, "编辑框_包含", {65, 100, 80, 20}),
        Box(0x16010014, "编辑框1", {10, 140, 80, 20})});
  const struct {
    uint32_t box;
    const char* name;  // UTF-8
    bool labelled;
  } cases[] = {{0x16010011, "源文本：", true},  // 2 pixels below its label
               {0x16010012, "开始", true},      // 4 pixels after it
               {0x16010013, "包含", false},     // 15 pixels away: not its caption
               {0x16010014, "", false}};        // no label, no role in its name
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(WidgetOf(c.box));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(QAccessible::Name), QString::fromUtf8(c.name));
    EXPECT_EQ(box->relations(QAccessible::Label).size(), c.labelled ? 1 : 0);
  }
}

}  // namespace
}  // namespace forms_testing
