// The main window's template content, written as a table of controls in
// template order (also the stacking order, the first on top). Compiled with a
// GBK execution character set, so names and captions are stored as GBK.
#include "resources/main_window.h"

#include <string>
#include <utility>

#include "forms/template/kind_settings.h"
#include "runtime/type_tag.h"

namespace resources {
namespace {

using forms::UnitRecord;

constexpr uint32_t kWindowUnitId = 0x06010000;

constexpr uint32_t kOnePixelBorder = 5;
constexpr uint32_t kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2;
constexpr uint32_t kVerticalScrollBar = 2;
constexpr uint32_t kReadOnlyInput = 1, kIntegerInput = 3;
constexpr uint32_t kDropDownList = 2, kReportView = 3;
constexpr uint8_t kChineseCharSet = 134;

struct Placement {
  uint32_t control_id;
  const char* name;
  int32_t left, top, width, height;
};

enum class Focus { kTabStop, kNone };

UnitRecord Unit(const Placement& at, uint32_t kind, Focus focus, std::vector<uint8_t> properties) {
  UnitRecord unit;
  unit.control_id = at.control_id;
  unit.kind = kind;
  unit.name = at.name;
  unit.left = at.left;
  unit.top = at.top;
  unit.width = at.width;
  unit.height = at.height;
  unit.mouse_pointer = {0, 0, 0, 0};  // standard pointer 0: the default
  unit.flags = UnitRecord::kVisible | (focus == Focus::kTabStop ? UnitRecord::kTabStop : 0);
  unit.properties = std::move(properties);
  return unit;
}

UnitRecord Bound(UnitRecord unit, MainWindowHandler handler) {
  unit.events.push_back({0, static_cast<uint32_t>(handler)});
  return unit;
}

UnitRecord Window(std::vector<uint8_t> icon) {
  forms::WindowSettings settings;
  settings.border = 2;
  settings.picture_mode = 1;
  settings.background = forms::kWhite;
  settings.max_button = 0;
  settings.min_button = 1;
  settings.control_button = 1;
  settings.position = 1;  // centred on the screen
  settings.movable = 1;
  settings.enter_moves_focus = 0;
  settings.esc_closes = 1;
  settings.show_in_taskbar = 1;
  settings.icon = std::move(icon);
  settings.caption = "Tolvanev1.2";
  return Unit({kWindowUnitId, "", 50, 50, 515, 615}, rt::tag::kWindow, Focus::kNone, forms::WriteSettings(settings));
}

enum class EditStyle { kMultiLine, kMultiLineReadOnly, kSingleLine, kCount };

UnitRecord EditBox(const Placement& at, EditStyle style) {
  forms::EditBoxSettings settings;
  settings.border = kOnePixelBorder;
  settings.text_colour = forms::kBlack;
  settings.background = forms::kWhite;
  settings.hide_selection = 1;
  const bool multi_line = style == EditStyle::kMultiLine || style == EditStyle::kMultiLineReadOnly;
  settings.multi_line = multi_line ? 1 : 0;
  settings.scroll_bars = multi_line ? kVerticalScrollBar : 0;
  settings.input_mode = style == EditStyle::kMultiLineReadOnly ? kReadOnlyInput : 0;
  if (style == EditStyle::kCount) {
    settings.alignment = kAlignCentre;
    settings.input_mode = kIntegerInput;
    settings.content = "1";
  }
  return Unit(at, rt::tag::kEditBox, Focus::kTabStop, forms::WriteSettings(settings));
}

UnitRecord Label(const Placement& at, const char* caption, uint32_t h_align = kAlignLeft) {
  forms::LabelSettings settings;
  settings.text_colour = forms::kBlack;
  settings.background = forms::kWhite;
  settings.h_align = h_align;
  settings.v_align = 1;
  settings.caption = caption;
  return Unit(at, rt::tag::kLabel, Focus::kNone, forms::WriteSettings(settings));
}

UnitRecord Button(const Placement& at, const char* caption) {
  forms::ButtonSettings settings;
  settings.type = 0;  // an ordinary push button, never the default one
  settings.h_align = 1;
  settings.v_align = 1;
  settings.caption = caption;
  return Unit(at, rt::tag::kButton, Focus::kTabStop, forms::WriteSettings(settings));
}

UnitRecord CheckBox(const Placement& at, const char* caption) {
  forms::CheckBoxSettings settings;
  settings.h_align = kAlignLeft;
  settings.v_align = 1;
  settings.text_colour = forms::kBlack;
  settings.background = forms::kWhite;
  settings.caption = caption;
  return Unit(at, rt::tag::kCheckBox, Focus::kTabStop, forms::WriteSettings(settings));
}

UnitRecord GroupBox(const Placement& at, const char* caption, std::vector<uint32_t> children) {
  forms::GroupBoxSettings settings;
  settings.text_colour = forms::kBlack;
  settings.background = forms::kWhite;
  settings.caption = caption;
  UnitRecord unit = Unit(at, rt::tag::kGroupBox, Focus::kNone, forms::WriteSettings(settings));
  unit.children = std::move(children);
  return unit;
}

// The language chooser: a pick-only list, item 0 chosen.
UnitRecord LanguageComboBox(const Placement& at) {
  forms::ComboBoxSettings settings;
  settings.type = kDropDownList;
  settings.extra_item_height = 1;
  settings.text_colour = forms::kBlack;
  settings.background = forms::kWhite;
  settings.current_item = 0;
  settings.items = {"JavaScrirp", "PHP", "JAVA", "Python", "GO"};
  return Unit(at, rt::tag::kComboBox, Focus::kTabStop, forms::WriteSettings(settings));
}

// Character height 19 pixels, normal weight, the default face of the Chinese
// (GB2312) character set.
forms::FontDescription PresetListFont() {
  forms::FontDescription font;
  font.height = -19;
  font.weight = 400;
  font.char_set = kChineseCharSet;
  return font;
}

forms::ListColumn Column(uint32_t width) {
  forms::ListColumn column;
  column.width = width;
  return column;
}

// The preset list: a header-less report with a visible label column and a
// zero-width column that carries each row's pattern.
UnitRecord PresetList(const Placement& at, uint32_t parent_id) {
  forms::ReportListSettings settings;
  settings.border = kOnePixelBorder;
  settings.view = kReportView;
  settings.no_column_header = 1;
  settings.sort_header = 1;
  settings.full_row_select = 1;
  settings.single_selection = 1;
  settings.initial_current_row = -1;
  settings.font = PresetListFont();
  settings.columns = {Column(170), Column(0)};
  UnitRecord unit = Unit(at, rt::tag::kReportList, Focus::kTabStop, forms::WriteSettings(settings));
  unit.parent_id = parent_id;
  return unit;
}

constexpr uint32_t kPresetListId = 0x16012f87, kPresetGroupId = 0x16012f82;

}  // namespace

forms::WindowTemplate DescribeMainWindow(std::vector<uint8_t> icon) {
  using enum MainWindowHandler;
  forms::WindowTemplate window;
  window.window_id = kMainWindowId;
  window.units = {
      Bound(Window(std::move(icon)), kWindowCreated),
      LanguageComboBox({0x16012fdf, "组合框_类型选项", 320, 551, 100, 20}),
      Bound(Button({0x16012fe0, "按钮_生成代码", 425, 550, 80, 32}, "生成代码"), kCodeSnippet),
      EditBox({0x16012fdc, "编辑框_生成代码", 8, 427, 496, 121}, EditStyle::kMultiLineReadOnly),
      Label({0x16012fda, "标签4", 8, 1, 76, 24}, "源文本："),
      Bound(CheckBox({0x16012fae, "选择框_忽略大小写", 7, 182, 82, 20}, "忽略大小写"), kIgnoreCaseToggle),
      Bound(PresetList({kPresetListId, "超级列表框1", 3, 13, 187, 394}, kPresetGroupId), kPresetRow),
      GroupBox({kPresetGroupId, "分组框1", 310, 13, 194, 411}, "常用表达式", {kPresetListId}),
      Label({0x16012f71, "标签3", 112, 157, 24, 20}, "个", kAlignRight),
      Bound(EditBox({0x16012f70, "编辑框_包含个数", 71, 157, 33, 20}, EditStyle::kCount), kCountGuard),
      Label({0x16012f6f, "标签2", 8, 300, 72, 24}, "匹配文本："),
      Label({0x16012f6e, "标签1", 8, 209, 76, 24}, "正则表达式："),
      Bound(Button({0x16010097, "按钮_匹配", 223, 391, 80, 32}, "匹配"), kMatch),
      EditBox({0x16010096, "编辑框_匹配文本", 8, 325, 296, 64}, EditStyle::kMultiLineReadOnly),
      EditBox({0x1601000c, "编辑框_正则表达式", 8, 235, 296, 64}, EditStyle::kMultiLine),
      EditBox({0x1601000b, "编辑框_原始文本", 7, 27, 296, 80}, EditStyle::kMultiLine),
      EditBox({0x1601000a, "编辑框_包含", 151, 157, 152, 20}, EditStyle::kSingleLine),
      CheckBox({0x16010009, "选择框_包含", 7, 157, 49, 20}, "包含"),
      EditBox({0x16010008, "编辑框_结束", 151, 133, 152, 20}, EditStyle::kSingleLine),
      EditBox({0x16010007, "编辑框_开始", 151, 110, 152, 20}, EditStyle::kSingleLine),
      CheckBox({0x16010006, "选择框_包含结束", 71, 133, 80, 20}, "包含结束"),
      CheckBox({0x16010005, "选择框_包含开始", 71, 109, 80, 20}, "包含开始"),
      CheckBox({0x16010004, "选择框_结束", 7, 133, 48, 20}, "结束"),
      CheckBox({0x16010003, "选择框_开始", 7, 109, 48, 20}, "开始"),
      Bound(Button({0x16010002, "按钮_生成", 223, 179, 80, 32}, "生成"), kPatternBuilder),
  };
  return window;
}

}  // namespace resources
