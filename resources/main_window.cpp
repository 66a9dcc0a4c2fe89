// The main window's template content, written as a table of controls in
// template order (also the stacking order, the first on top). Compiled with a
// GBK execution character set, so names and captions are stored as GBK.
#include "resources/main_window.h"

#include <string>
#include <utility>

#include "forms/template/kind_settings.h"
#include "resources/snippet_languages.h"
#include "runtime/type_tag.h"

namespace resources {
namespace {

using forms::UnitRecord;
using forms::kAlignCentre, forms::kAlignLeft, forms::kAlignMiddle, forms::kAlignRight, forms::kOnePixelBorder;
using namespace control;

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
  using S = forms::WindowSettings;
  const S settings{.border = S::kFixed, .picture_mode = 1, .background = forms::kWhite,
                   .max_button = 0, .min_button = 1, .control_button = 1, .position = S::kCentred,
                   .movable = 1, .enter_moves_focus = 0, .esc_closes = 1, .show_in_taskbar = 1,
                   .icon = std::move(icon), .caption = "Tolvanev1.2"};
  return Unit({kMainWindowUnitId, "", 50, 50, 515, 615}, rt::tag::kWindow, Focus::kNone,
              forms::WriteSettings(settings));
}

enum class EditStyle { kMultiLine, kMultiLineReadOnly, kSingleLine, kCount };

UnitRecord EditBox(const Placement& at, EditStyle style) {
  using S = forms::EditBoxSettings;
  const bool multi_line = style == EditStyle::kMultiLine || style == EditStyle::kMultiLineReadOnly;
  S settings{.border = kOnePixelBorder, .text_colour = forms::kBlack, .background = forms::kWhite,
             .hide_selection = 1, .multi_line = uint32_t(multi_line),
             .scroll_bars = multi_line ? S::kVerticalScrollBar : S::kNoScrollBars,
             .input_mode = style == EditStyle::kMultiLineReadOnly ? S::kReadOnlyInput : S::kFreeInput};
  if (style == EditStyle::kCount) {
    settings.alignment = kAlignCentre;
    settings.input_mode = S::kIntegerTextInput;
    settings.content = "1";
  }
  return Unit(at, rt::tag::kEditBox, Focus::kTabStop, forms::WriteSettings(settings));
}

UnitRecord Label(const Placement& at, const char* caption, uint32_t h_align = kAlignLeft) {
  const forms::LabelSettings settings{.text_colour = forms::kBlack, .background = forms::kWhite,
                                      .h_align = h_align, .v_align = kAlignMiddle, .caption = caption};
  return Unit(at, rt::tag::kLabel, Focus::kNone, forms::WriteSettings(settings));
}

UnitRecord Button(const Placement& at, const char* caption) {
  const forms::ButtonSettings settings{.type = forms::ButtonSettings::kPushButton,  // never the default one
                                       .h_align = kAlignCentre, .v_align = kAlignMiddle, .caption = caption};
  return Unit(at, rt::tag::kButton, Focus::kTabStop, forms::WriteSettings(settings));
}

UnitRecord CheckBox(const Placement& at, const char* caption) {
  const forms::CheckBoxSettings settings{.h_align = kAlignLeft, .v_align = kAlignMiddle, .text_colour = forms::kBlack,
                                         .background = forms::kWhite, .caption = caption};
  return Unit(at, rt::tag::kCheckBox, Focus::kTabStop, forms::WriteSettings(settings));
}

UnitRecord GroupBox(const Placement& at, const char* caption, std::vector<uint32_t> children) {
  const forms::GroupBoxSettings settings{.text_colour = forms::kBlack, .background = forms::kWhite,
                                         .caption = caption};
  UnitRecord unit = Unit(at, rt::tag::kGroupBox, Focus::kNone, forms::WriteSettings(settings));
  unit.children = std::move(children);
  return unit;
}

// The language chooser: a pick-only list of the snippet languages, item 0 chosen.
UnitRecord LanguageComboBox(const Placement& at) {
  forms::ComboBoxSettings settings{.type = forms::ComboBoxSettings::kDropDownList, .extra_item_height = 1,
                                   .text_colour = forms::kBlack, .background = forms::kWhite, .current_item = 0};
  for (const SnippetLanguage& language : SnippetLanguages()) settings.items.push_back(language.label);
  return Unit(at, rt::tag::kComboBox, Focus::kTabStop, forms::WriteSettings(settings));
}

// The preset list: a header-less report with a visible label column and a
// zero-width column that carries each row's pattern. Its font: character
// height 19 pixels, normal weight, the default face of the Chinese (GB2312)
// character set.
UnitRecord PresetList(const Placement& at, uint32_t parent_id) {
  const forms::ReportListSettings settings{
      .border = kOnePixelBorder, .view = forms::ReportListSettings::kReportView, .no_column_header = 1,
      .sort_header = 1, .full_row_select = 1, .single_selection = 1, .initial_current_row = -1,
      .font = forms::FontDescription{.height = -19, .weight = 400, .char_set = kChineseCharSet},
      .columns = {{.width = 170}, {.width = 0}}};
  UnitRecord unit = Unit(at, rt::tag::kReportList, Focus::kTabStop, forms::WriteSettings(settings));
  unit.parent_id = parent_id;
  return unit;
}

}  // namespace

forms::WindowTemplate DescribeMainWindow(std::vector<uint8_t> icon) {
  using enum MainWindowHandler;
  forms::WindowTemplate window;
  window.window_id = kMainWindowId;
  window.units = {
      Bound(Window(std::move(icon)), kWindowCreated),
      LanguageComboBox({kSnippetLanguage, "组合框_类型选项", 320, 551, 100, 20}),
      Bound(Button({kSnippetButton, "按钮_生成代码", 425, 550, 80, 32}, "生成代码"), kCodeSnippet),
      EditBox({kSnippet, "编辑框_生成代码", 8, 427, 496, 121}, EditStyle::kMultiLineReadOnly),
      Label({kSourceLabel, "标签4", 8, 1, 76, 24}, "源文本："),
      Bound(CheckBox({kIgnoreCase, "选择框_忽略大小写", 7, 182, 82, 20}, "忽略大小写"), kIgnoreCaseToggle),
      Bound(PresetList({kPresetList, "超级列表框1", 3, 13, 187, 394}, kPresetGroup), kPresetRow),
      GroupBox({kPresetGroup, "分组框1", 310, 13, 194, 411}, "常用表达式", {kPresetList}),
      Label({kCountLabel, "标签3", 112, 157, 24, 20}, "个", kAlignRight),
      Bound(EditBox({kContainedCount, "编辑框_包含个数", 71, 157, 33, 20}, EditStyle::kCount), kCountGuard),
      Label({kReportLabel, "标签2", 8, 300, 72, 24}, "匹配文本："),
      Label({kPatternLabel, "标签1", 8, 209, 76, 24}, "正则表达式："),
      Bound(Button({kMatchButton, "按钮_匹配", 223, 391, 80, 32}, "匹配"), kMatch),
      EditBox({kMatchReport, "编辑框_匹配文本", 8, 325, 296, 64}, EditStyle::kMultiLineReadOnly),
      EditBox({kPattern, "编辑框_正则表达式", 8, 235, 296, 64}, EditStyle::kMultiLine),
      EditBox({kSource, "编辑框_原始文本", 7, 27, 296, 80}, EditStyle::kMultiLine),
      EditBox({kContainedText, "编辑框_包含", 151, 157, 152, 20}, EditStyle::kSingleLine),
      CheckBox({kUseContained, "选择框_包含", 7, 157, 49, 20}, "包含"),
      EditBox({kEndText, "编辑框_结束", 151, 133, 152, 20}, EditStyle::kSingleLine),
      EditBox({kStartText, "编辑框_开始", 151, 110, 152, 20}, EditStyle::kSingleLine),
      CheckBox({kEndInMatch, "选择框_包含结束", 71, 133, 80, 20}, "包含结束"),
      CheckBox({kStartInMatch, "选择框_包含开始", 71, 109, 80, 20}, "包含开始"),
      CheckBox({kUseEnd, "选择框_结束", 7, 133, 48, 20}, "结束"),
      CheckBox({kUseStart, "选择框_开始", 7, 109, 48, 20}, "开始"),
      Bound(Button({kBuildButton, "按钮_生成", 223, 179, 80, 32}, "生成"), kPatternBuilder),
  };
  return window;
}

}  // namespace resources
