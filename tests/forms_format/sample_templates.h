// Sample settings and templates for the format tests and the fuzz driver:
// every settings field differs from its kind's default, so a field that the
// layout drops or misplaces shows up in a round trip.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forms/template/kind_settings.h"
#include "forms/template/template_format.h"
#include "forms/template/template_model.h"
#include "runtime/type_tag.h"

namespace samples {

inline forms::FontDescription Font() {
  forms::FontDescription font;
  font.height = -19;
  font.width = 7;
  font.escapement = 900;
  font.orientation = 450;
  font.weight = 700;
  font.italic = 1;
  font.underline = 1;
  font.strike_out = 1;
  font.char_set = 134;
  font.out_precision = 3;
  font.clip_precision = 2;
  font.quality = 5;
  font.pitch_and_family = 0x31;
  font.face = "Sample Face";
  return font;
}

inline forms::WindowSettings Window() {
  forms::WindowSettings s;
  s.border = 5, s.picture_mode = 3, s.background = 0x123456;
  s.max_button = 1, s.min_button = 0, s.control_button = 0, s.position = 3, s.movable = 0;
  s.sound_play_count = 4, s.enter_moves_focus = 1, s.esc_closes = 1, s.f1_help = 1, s.help_context = 77;
  s.show_in_taskbar = 0, s.drag_anywhere = 1, s.shape = 9, s.always_on_top = 1, s.keep_caption_active = 1;
  s.class_name = "SampleClass";
  s.background_picture = {1, 2, 3};
  s.icon = std::vector<uint8_t>(300, 0xA5);
  s.background_sound = {9};
  s.caption = "Sample caption";
  s.help_file = "help.chm";
  return s;
}

inline forms::EditBoxSettings EditBox() {
  forms::EditBoxSettings s;
  s.border = 5, s.text_colour = 0x010203, s.background = 0x040506;
  s.hide_selection = 0, s.max_length = 80, s.multi_line = 1, s.scroll_bars = 2, s.alignment = 1;
  s.input_mode = 3, s.password_char = '#', s.case_conversion = 2, s.spinner_mode = 1;
  s.spinner_min = 5, s.spinner_max = 500, s.selection_start = 2, s.selection_length = 3;
  s.font = Font();
  s.content = "first line\r\nsecond line";
  s.data_source = "source", s.data_column = "column";
  return s;
}

inline forms::LabelSettings Label() {
  forms::LabelSettings s;
  s.effect = 2, s.frame_width = 3, s.border = 6;
  s.frame_colour1 = 1, s.frame_colour2 = 2, s.frame_colour3 = 3;
  s.text_colour = 4, s.background = 5, s.picture_mode = 6, s.gradient_mode = 7;
  s.gradient1 = 8, s.gradient2 = 9, s.gradient3 = 10;
  s.h_align = 2, s.v_align = 2, s.word_wrap = 1;
  s.font = Font();
  s.picture = {7, 7};
  s.caption = "label caption";
  s.data_source = "ds", s.data_column = "dc";
  return s;
}

inline forms::ButtonSettings Button() {
  forms::ButtonSettings s;
  s.type = 1, s.h_align = 2, s.v_align = 0;
  s.picture = {0x42};
  s.font = Font();
  s.caption = "Go";
  return s;
}

inline forms::CheckBoxSettings CheckBox() {
  forms::CheckBoxSettings s;
  s.push_like = 1, s.flat = 1, s.caption_left = 1, s.h_align = 1, s.v_align = 2;
  s.text_colour = 0x111111, s.background = 0x222222, s.ticked = 1;
  s.picture = {1};
  s.font = Font();
  s.caption = "tick me";
  s.data_source = "a", s.data_column = "b";
  return s;
}

inline forms::GroupBoxSettings GroupBox() {
  forms::GroupBoxSettings s;
  s.caption_alignment = 2, s.text_colour = 0x333333, s.background = 0x444444;
  s.font = Font();
  s.caption = "group";
  return s;
}

inline forms::ComboBoxSettings ComboBox() {
  forms::ComboBoxSettings s;
  s.type = 1, s.text_limit = 12, s.selection_start = 1, s.selection_length = 2, s.sorted = 1;
  s.extra_item_height = 1, s.text_colour = 0x555555, s.background = 0x666666, s.current_item = 3;
  s.font = Font();
  s.item_values = {10, 20};
  s.content = "typed";
  s.items = {"JavaScrirp", "PHP", "", "Python", "GO"};
  s.data_source = "x", s.data_column = "y";
  s.version3_flag = 1;
  return s;
}

inline forms::ReportListSettings ReportList() {
  forms::ReportListSettings s;
  s.border = 5, s.text_colour = 0x777777, s.text_background = 0x888888, s.background = 0x999999;
  s.view = 1, s.align_left = 1, s.auto_arrange = 1, s.label_wrap = 1, s.no_column_header = 1;
  s.sort_header = 1, s.full_row_select = 1, s.grid_lines = 1, s.header_drag_drop = 1;
  s.hot_tracking = 1, s.hand_cursor = 1, s.underline_hot = 1, s.underline_cold = 1;
  s.edit_labels = 1, s.sort = 2, s.check_boxes = 1, s.flat_scroll_bars = 1, s.single_selection = 1;
  s.initial_current_row = 4, s.always_show_selection = 1;
  s.font = Font();
  s.header_images = {1}, s.item_images = {2, 2}, s.state_images = {3, 3, 3};
  s.columns = {{1, 2, 1, 170, "name"}, {0, -1, 2, 0, ""}};
  s.initial_rows = {{0, 1, 2, 3, 4, "row", "skipped"}, {1, -1, -1, 0, 0, "cell", ""}};
  return s;
}

inline forms::UnitRecord Unit(uint32_t control_id, uint32_t kind, std::string name,
                              std::vector<uint8_t> properties) {
  forms::UnitRecord unit;
  unit.control_id = control_id;
  unit.kind = kind;
  unit.name = std::move(name);
  unit.left = 8, unit.top = -3, unit.width = 296, unit.height = 20;
  unit.flags = forms::UnitRecord::kVisible | forms::UnitRecord::kTabStop;
  unit.properties = std::move(properties);
  return unit;
}

inline forms::UnitRecord MenuItem(uint32_t control_id) {
  forms::UnitRecord unit;
  unit.control_id = control_id;
  unit.kind = rt::tag::kMenuItem;
  unit.is_menu_item = true;
  unit.name = "menu_open";
  unit.menu.settings = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  unit.menu.caption = "Open";
  unit.menu.handler_offset = 3;
  return unit;
}

// A window alone: only its own unit, with empty name, texts and lists.
inline forms::WindowTemplate WindowAlone(uint32_t window_id = 0x52010001) {
  forms::WindowTemplate window;
  window.window_id = window_id;
  window.units.push_back(Unit(0x06010000, rt::tag::kWindow, "", forms::WriteSettings(Window())));
  return window;
}

// One unit of every kind, a menu item, a parent with a child, bindings with
// handler 0 and with none, and a unit with no property bytes.
inline forms::WindowTemplate EveryKind() {
  forms::WindowTemplate window = WindowAlone();
  window.word1 = 0xDEADBEEF, window.word2 = 7;
  window.text1 = "one", window.text2 = "two";
  forms::UnitRecord& own = window.units[0];
  own.events = {{0, 0}, {3, 0xFFFFFFFF}};
  own.mouse_pointer = {2, 0, 0, 0};
  own.tag = "window tag";
  own.remark = "remark";
  own.reserved[5] = 0x5A;
  own.reserved2[19] = 0xA5;
  using forms::WriteSettings;
  window.units.push_back(Unit(0x16012fdf, rt::tag::kComboBox, "combo", WriteSettings(ComboBox())));
  window.units.push_back(Unit(0x16012fe0, rt::tag::kButton, "button", WriteSettings(Button())));
  window.units.back().events = {{0, 0}};
  window.units.push_back(Unit(0x16012fdc, rt::tag::kEditBox, "edit", WriteSettings(EditBox())));
  window.units.back().events = {{0, 12}, {-7, 0xFFFFFFFF}};
  window.units.push_back(Unit(0x16012fda, rt::tag::kLabel, "label", WriteSettings(Label())));
  window.units.push_back(Unit(0x16012fae, rt::tag::kCheckBox, "check", WriteSettings(CheckBox())));
  window.units.push_back(Unit(0x16012f87, rt::tag::kReportList, "list", WriteSettings(ReportList())));
  window.units.back().parent_id = 0x16012f82;
  window.units.back().event_source = 0x16012f87;
  window.units.push_back(Unit(0x16012f82, rt::tag::kGroupBox, "group", WriteSettings(GroupBox())));
  window.units.back().children = {0x16012f87};
  window.units.push_back(Unit(0x16010002, rt::tag::kButton, "defaults", {}));
  window.units.push_back(MenuItem(0x16010001));
  return window;
}

// Valid template data of several shapes.
inline std::vector<std::vector<uint8_t>> SeedTemplates() {
  return {
      forms::WriteTemplates({EveryKind()}),
      forms::WriteTemplates({WindowAlone()}),
      forms::WriteTemplates({WindowAlone(0x52010002), EveryKind()}),
      forms::WriteTemplates({}),
  };
}

}  // namespace samples
