// The embedded template data decoded back into the main window: the window's
// own unit, the 24 controls in order with their settings, and the bindings.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "forms/template/kind_settings.h"
#include "forms/template/template_format.h"
#include "resources/main_window_ids.h"
#include "resources/program_data.h"
#include "resources/snippet_languages.h"
#include "tests/test_support.h"

namespace {

using forms::UnitRecord;
using testing_support::Gbk;
using namespace resources::control;

constexpr uint32_t kWindow = 0x00010001, kEditBox = 0x00010005, kGroupBox = 0x00010009;
constexpr uint32_t kLabel = 0x0001000A, kButton = 0x0001000B, kCheckBox = 0x0001000C;
constexpr uint32_t kComboBox = 0x0001000E, kReportList = 0x00030004;

struct ExpectedControl {
  const char* name;
  uint32_t kind;
  uint32_t control_id;
  int32_t left, top, width, height;
  bool tab_stop;
};

const std::vector<ExpectedControl> kControls = {
    {"组合框_类型选项", kComboBox, kSnippetLanguage, 320, 551, 100, 20, true},
    {"按钮_生成代码", kButton, kSnippetButton, 425, 550, 80, 32, true},
    {"编辑框_生成代码", kEditBox, kSnippet, 8, 427, 496, 121, true},
    {"标签4", kLabel, kSourceLabel, 8, 1, 76, 24, false},
    {"选择框_忽略大小写", kCheckBox, kIgnoreCase, 7, 182, 82, 20, true},
    {"超级列表框1", kReportList, kPresetList, 3, 13, 187, 394, true},
    {"分组框1", kGroupBox, kPresetGroup, 310, 13, 194, 411, false},
    {"标签3", kLabel, kCountLabel, 112, 157, 24, 20, false},
    {"编辑框_包含个数", kEditBox, kContainedCount, 71, 157, 33, 20, true},
    {"标签2", kLabel, kReportLabel, 8, 300, 72, 24, false},
    {"标签1", kLabel, kPatternLabel, 8, 209, 76, 24, false},
    {"按钮_匹配", kButton, kMatchButton, 223, 391, 80, 32, true},
    {"编辑框_匹配文本", kEditBox, kMatchReport, 8, 325, 296, 64, true},
    {"编辑框_正则表达式", kEditBox, kPattern, 8, 235, 296, 64, true},
    {"编辑框_原始文本", kEditBox, kSource, 7, 27, 296, 80, true},
    {"编辑框_包含", kEditBox, kContainedText, 151, 157, 152, 20, true},
    {"选择框_包含", kCheckBox, kUseContained, 7, 157, 49, 20, true},
    {"编辑框_结束", kEditBox, kEndText, 151, 133, 152, 20, true},
    {"编辑框_开始", kEditBox, kStartText, 151, 110, 152, 20, true},
    {"选择框_包含结束", kCheckBox, kEndInMatch, 71, 133, 80, 20, true},
    {"选择框_包含开始", kCheckBox, kStartInMatch, 71, 109, 80, 20, true},
    {"选择框_结束", kCheckBox, kUseEnd, 7, 133, 48, 20, true},
    {"选择框_开始", kCheckBox, kUseStart, 7, 109, 48, 20, true},
    {"按钮_生成", kButton, kBuildButton, 223, 179, 80, 32, true},
};

class MainWindowTemplate : public testing::Test {
 protected:
  void SetUp() override {
    const auto data = resources::MainWindowTemplate();
    auto windows = forms::ReadTemplates(data.data(), data.size());
    ASSERT_TRUE(windows.has_value());
    ASSERT_EQ(windows->size(), 1u);
    window_ = std::move(windows->front());
    ASSERT_EQ(window_.units.size(), 25u);
  }

  const UnitRecord& Control(const char* name) const {
    for (const UnitRecord& unit : window_.units) {
      if (unit.name == Gbk(name)) return unit;
    }
    static const UnitRecord missing;
    ADD_FAILURE() << "no control " << name;
    return missing;
  }

  forms::WindowTemplate window_;
};

TEST_F(MainWindowTemplate, WindowUnitHoldsTheWindowSettings) {
  EXPECT_EQ(window_.window_id, resources::kMainWindowId);
  const UnitRecord& unit = window_.units[0];
  EXPECT_EQ(unit.control_id, resources::kMainWindowUnitId);
  EXPECT_EQ(unit.kind, kWindow);
  EXPECT_EQ(unit.name, "");
  EXPECT_EQ(std::vector<int32_t>({unit.left, unit.top, unit.width, unit.height}),
            std::vector<int32_t>({50, 50, 515, 615}));
  EXPECT_EQ(unit.flags, UnitRecord::kVisible);
  const auto s = forms::ReadWindowSettings(unit.properties);
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->version, 6u);
  EXPECT_EQ(s->caption, "Tolvanev1.2");
  EXPECT_EQ(s->border, 2u);
  EXPECT_EQ(s->picture_mode, 1u);
  EXPECT_EQ(s->background, 0xFFFFFFu);
  EXPECT_EQ(std::vector<uint32_t>({s->max_button, s->min_button, s->control_button, s->position, s->movable}),
            std::vector<uint32_t>({0, 1, 1, 1, 1}));
  EXPECT_EQ(std::vector<uint32_t>({s->esc_closes, s->enter_moves_focus, s->show_in_taskbar, s->always_on_top}),
            std::vector<uint32_t>({1, 0, 1, 0}));
  const auto icon = resources::ProgramIcon();
  EXPECT_EQ(s->icon, std::vector<uint8_t>(icon.begin(), icon.end()));
  EXPECT_TRUE(s->background_picture.empty());
  EXPECT_TRUE(s->background_sound.empty());
  EXPECT_TRUE(s->help_file.empty());
}

TEST_F(MainWindowTemplate, ControlsComeInTableOrderWithTheirPlaces) {
  for (size_t i = 0; i < kControls.size(); ++i) {
    const ExpectedControl& expected = kControls[i];
    const UnitRecord& unit = window_.units[i + 1];
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(unit.name, Gbk(expected.name));
    EXPECT_EQ(unit.kind, expected.kind);
    EXPECT_EQ(unit.control_id, expected.control_id);
    EXPECT_EQ(std::vector<int32_t>({unit.left, unit.top, unit.width, unit.height}),
              std::vector<int32_t>({expected.left, expected.top, expected.width, expected.height}));
    EXPECT_EQ(unit.flags, expected.tab_stop ? 5u : 1u);
    EXPECT_EQ(unit.event_source, 0u);
    EXPECT_EQ(unit.remark, "");
    EXPECT_FALSE(unit.is_menu_item);
  }
}

TEST_F(MainWindowTemplate, OnlyThePresetListSitsInTheGroupBox) {
  for (const UnitRecord& unit : window_.units) {
    SCOPED_TRACE(unit.control_id);
    EXPECT_EQ(unit.parent_id, unit.control_id == kPresetList ? kPresetGroup : 0u);
    const auto expected_children = unit.control_id == kPresetGroup ? std::vector<uint32_t>{kPresetList} : std::vector<uint32_t>{};
    EXPECT_EQ(unit.children, expected_children);
  }
}

TEST_F(MainWindowTemplate, SevenEventsAreBoundInProcedureTableOrder) {
  using enum resources::MainWindowHandler;
  const std::map<std::string, resources::MainWindowHandler> handlers = {
      {"", kWindowCreated},  // the window's own unit
      {Gbk("选择框_忽略大小写"), kIgnoreCaseToggle}, {Gbk("超级列表框1"), kPresetRow},
      {Gbk("编辑框_包含个数"), kCountGuard},        {Gbk("按钮_匹配"), kMatch},
      {Gbk("按钮_生成代码"), kCodeSnippet},         {Gbk("按钮_生成"), kPatternBuilder},
  };
  for (const UnitRecord& unit : window_.units) {
    SCOPED_TRACE(unit.control_id);
    const auto handler = handlers.find(unit.name);
    if (handler == handlers.end()) {
      EXPECT_TRUE(unit.events.empty());
      continue;
    }
    ASSERT_EQ(unit.events.size(), 1u);
    EXPECT_EQ(unit.events[0].event, 0);
    EXPECT_EQ(unit.events[0].handler_offset, uint32_t(handler->second));
  }
}

struct ExpectedEditBox {
  const char* name;
  uint32_t multi_line, scroll_bars, alignment, input_mode;
  const char* content;
};

TEST_F(MainWindowTemplate, EditBoxesHaveTheirLinesScrollBarsAlignmentAndInput) {
  const std::vector<ExpectedEditBox> boxes = {
      {"编辑框_原始文本", 1, 2, 0, 0, ""},   {"编辑框_正则表达式", 1, 2, 0, 0, ""},
      {"编辑框_匹配文本", 1, 2, 0, 1, ""},   {"编辑框_生成代码", 1, 2, 0, 1, ""},
      {"编辑框_开始", 0, 0, 0, 0, ""},       {"编辑框_结束", 0, 0, 0, 0, ""},
      {"编辑框_包含", 0, 0, 0, 0, ""},       {"编辑框_包含个数", 0, 0, 1, 3, "1"},
  };
  for (const ExpectedEditBox& expected : boxes) {
    SCOPED_TRACE(expected.name);
    const auto s = forms::ReadEditBoxSettings(Control(expected.name).properties);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(std::vector<uint32_t>({s->multi_line, s->scroll_bars, s->alignment, s->input_mode}),
              std::vector<uint32_t>({expected.multi_line, expected.scroll_bars, expected.alignment,
                                     expected.input_mode}));
    EXPECT_EQ(s->content, expected.content);
    EXPECT_EQ(s->border, 5u);  // one-pixel line
    EXPECT_EQ(s->text_colour, 0x000000u);
    EXPECT_EQ(s->background, 0xFFFFFFu);
    EXPECT_EQ(std::vector<uint32_t>({s->hide_selection, s->max_length, s->case_conversion, s->spinner_mode}),
              std::vector<uint32_t>({1, 0, 0, 0}));
    EXPECT_FALSE(s->font.has_value());
  }
}

TEST_F(MainWindowTemplate, LabelsAreBlackOnWhiteWithTheirCaptionsAndAlignment) {
  const std::vector<std::tuple<const char*, const char*, uint32_t>> labels = {
      {"标签4", "源文本：", 0}, {"标签3", "个", 2}, {"标签2", "匹配文本：", 0}, {"标签1", "正则表达式：", 0}};
  for (const auto& [name, caption, h_align] : labels) {
    SCOPED_TRACE(name);
    const auto s = forms::ReadLabelSettings(Control(name).properties);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->caption, Gbk(caption));
    EXPECT_EQ(s->h_align, h_align);
    EXPECT_EQ(s->v_align, 1u);
    EXPECT_EQ(s->text_colour, 0x000000u);
    EXPECT_EQ(s->background, 0xFFFFFFu);
    EXPECT_EQ(std::vector<uint32_t>({s->effect, s->border, s->word_wrap, s->gradient_mode}),
              std::vector<uint32_t>({0, 0, 0, 0}));
  }
}

TEST_F(MainWindowTemplate, ButtonsArePlainPushButtonsWithCentredCaptions) {
  for (const auto& [name, caption] : std::vector<std::pair<const char*, const char*>>{
           {"按钮_生成代码", "生成代码"}, {"按钮_匹配", "匹配"}, {"按钮_生成", "生成"}}) {
    SCOPED_TRACE(name);
    const auto s = forms::ReadButtonSettings(Control(name).properties);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->caption, Gbk(caption));
    EXPECT_EQ(std::vector<uint32_t>({s->type, s->h_align, s->v_align}), std::vector<uint32_t>({0, 1, 1}));
  }
}

TEST_F(MainWindowTemplate, CheckBoxesStartUntickedWithTheirCaptions) {
  for (const auto& [name, caption] : std::vector<std::pair<const char*, const char*>>{
           {"选择框_忽略大小写", "忽略大小写"}, {"选择框_包含", "包含"}, {"选择框_包含结束", "包含结束"},
           {"选择框_包含开始", "包含开始"}, {"选择框_结束", "结束"}, {"选择框_开始", "开始"}}) {
    SCOPED_TRACE(name);
    const auto s = forms::ReadCheckBoxSettings(Control(name).properties);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->caption, Gbk(caption));
    EXPECT_EQ(s->ticked, 0u);
    EXPECT_EQ(std::vector<uint32_t>({s->push_like, s->caption_left, s->h_align, s->v_align}),
              std::vector<uint32_t>({0, 0, 0, 1}));
    EXPECT_EQ(s->text_colour, 0x000000u);
    EXPECT_EQ(s->background, 0xFFFFFFu);
  }
}

TEST_F(MainWindowTemplate, GroupBoxIsCaptionedBlackOnWhite) {
  const auto s = forms::ReadGroupBoxSettings(Control("分组框1").properties);
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->caption, Gbk("常用表达式"));
  EXPECT_EQ(s->caption_alignment, 0u);
  EXPECT_EQ(s->text_colour, 0x000000u);
  EXPECT_EQ(s->background, 0xFFFFFFu);
}

TEST_F(MainWindowTemplate, ComboBoxIsAPickOnlyListOfTheFiveLanguages) {
  const auto s = forms::ReadComboBoxSettings(Control("组合框_类型选项").properties);
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->type, 2u);
  EXPECT_EQ(s->extra_item_height, 1u);
  EXPECT_EQ(s->current_item, 0);
  EXPECT_EQ(s->sorted, 0u);
  // The snippet generator compares the chosen item with its labels byte for byte.
  std::vector<std::string> labels;
  for (const resources::SnippetLanguage& language : resources::SnippetLanguages()) labels.push_back(language.label);
  EXPECT_EQ(s->items, labels);
  ASSERT_GE(s->items.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(s->items.begin(), s->items.begin() + 5),
            (std::vector<std::string>{"JavaScrirp", "PHP", "JAVA", "Python", "GO"}));
}

TEST_F(MainWindowTemplate, PresetListIsAHeaderlessSingleSelectionReport) {
  const auto s = forms::ReadReportListSettings(Control("超级列表框1").properties);
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->border, 5u);
  EXPECT_EQ(s->view, 3u);
  EXPECT_EQ(std::vector<uint32_t>({s->no_column_header, s->sort_header, s->full_row_select, s->single_selection}),
            std::vector<uint32_t>({1, 1, 1, 1}));
  EXPECT_EQ(std::vector<uint32_t>({s->grid_lines, s->check_boxes, s->edit_labels, s->sort, s->hot_tracking}),
            std::vector<uint32_t>({0, 0, 0, 0, 0}));
  EXPECT_EQ(s->initial_current_row, -1);
  ASSERT_TRUE(s->font.has_value());
  EXPECT_EQ(s->font->height, -19);
  EXPECT_EQ(s->font->weight, 400);
  EXPECT_EQ(s->font->char_set, 134);
  EXPECT_EQ(s->font->face, "");
  ASSERT_EQ(s->columns.size(), 2u);
  EXPECT_EQ(s->columns[0].width, 170u);
  EXPECT_EQ(s->columns[1].width, 0u);
  for (const forms::ListColumn& column : s->columns) {
    EXPECT_EQ(column.title, "");
    EXPECT_EQ(column.image, -1);
    EXPECT_EQ(column.alignment, 0u);
  }
  EXPECT_TRUE(s->initial_rows.empty());
}

}  // namespace
