// The property-byte layout of every control kind, written once as a field
// list that the reading and the writing visitor both walk.
#include "forms/template/kind_settings.h"

#include <initializer_list>
#include <type_traits>

#include "forms/template/byte_reader.h"
#include "forms/template/byte_writer.h"

namespace forms {
namespace {

// Matches a settings struct, const (writing) or not (reading).
template <class S, class Kind>
concept Is = std::is_same_v<std::remove_const_t<S>, Kind>;

// The face name occupies a fixed 32-byte field of the font description.
constexpr size_t kFaceNameBytes = 32;

template <class V, class Font>
void FontFields(V& v, Font& font) {
  v.Field(font.height);
  v.Field(font.width);
  v.Field(font.escapement);
  v.Field(font.orientation);
  v.Field(font.weight);
  v.Field(font.italic);
  v.Field(font.underline);
  v.Field(font.strike_out);
  v.Field(font.char_set);
  v.Field(font.out_precision);
  v.Field(font.clip_precision);
  v.Field(font.quality);
  v.Field(font.pitch_and_family);
  v.FixedText(font.face, kFaceNameBytes);
}

// A font block is empty or holds exactly one 60-byte description.
template <class V, class OptionalFont>
void FontBlock(V& v, OptionalFont& font) {
  v.Nested([&](auto& block) {
    block.Optional(font, [](auto& inner, auto& description) { FontFields(inner, description); });
    block.ExpectEnd();
  });
}

template <class V, class Settings>
void Version(V& v, Settings& s) {
  v.Field(s.version);
  v.Require(s.version <= Settings::kHighestVersion);
}

template <class V, class Settings>
void DataBinding(V& v, Settings& s) {
  v.CountedText(s.data_source);
  v.CountedText(s.data_column);
}

template <class V>
void Fields(V& v, Is<WindowSettings> auto& s) {
  Version(v, s);
  for (auto* word : {&s.border, &s.picture_mode, &s.background, &s.max_button, &s.min_button,
                     &s.control_button, &s.position, &s.movable, &s.sound_play_count,
                     &s.enter_moves_focus, &s.esc_closes, &s.f1_help, &s.help_context})
    v.Field(*word);
  if (s.version >= 2) v.Field(s.show_in_taskbar);
  if (s.version >= 3) {
    v.Field(s.drag_anywhere);
    v.Field(s.shape);
  }
  if (s.version >= 4) v.Field(s.always_on_top);
  if (s.version >= 5) v.Field(s.keep_caption_active);
  if (s.version >= 6) v.CountedText(s.class_name);
  v.Block(s.background_picture);
  v.Block(s.icon);
  v.Block(s.background_sound);
  v.CountedText(s.caption);
  v.CountedText(s.help_file);
}

template <class V>
void Fields(V& v, Is<EditBoxSettings> auto& s) {
  Version(v, s);
  for (auto* word : {&s.border, &s.text_colour, &s.background, &s.hide_selection, &s.max_length,
                     &s.multi_line, &s.scroll_bars, &s.alignment, &s.input_mode})
    v.Field(*word);
  v.Field(s.password_char);
  for (auto* word : {&s.case_conversion, &s.spinner_mode, &s.spinner_min, &s.spinner_max,
                     &s.selection_start, &s.selection_length})
    v.Field(*word);
  FontBlock(v, s.font);
  v.CountedText(s.content);
  if (s.version >= 2) DataBinding(v, s);
}

template <class V>
void Fields(V& v, Is<LabelSettings> auto& s) {
  Version(v, s);
  for (auto* word : {&s.effect, &s.frame_width, &s.border, &s.frame_colour1, &s.frame_colour2,
                     &s.frame_colour3, &s.text_colour, &s.background, &s.picture_mode,
                     &s.gradient_mode, &s.gradient1, &s.gradient2, &s.gradient3, &s.h_align,
                     &s.v_align, &s.word_wrap})
    v.Field(*word);
  FontBlock(v, s.font);
  v.Block(s.picture);
  v.CountedText(s.caption);
  if (s.version >= 2) DataBinding(v, s);
}

template <class V>
void Fields(V& v, Is<ButtonSettings> auto& s) {
  Version(v, s);
  for (auto* word : {&s.type, &s.h_align, &s.v_align}) v.Field(*word);
  v.Block(s.picture);
  FontBlock(v, s.font);
  v.CountedText(s.caption);
}

template <class V>
void Fields(V& v, Is<CheckBoxSettings> auto& s) {
  Version(v, s);
  for (auto* word : {&s.push_like, &s.flat, &s.caption_left, &s.h_align, &s.v_align,
                     &s.text_colour, &s.background, &s.ticked})
    v.Field(*word);
  v.Block(s.picture);
  FontBlock(v, s.font);
  v.CountedText(s.caption);
  if (s.version >= 2) DataBinding(v, s);
}

template <class V>
void Fields(V& v, Is<GroupBoxSettings> auto& s) {
  Version(v, s);
  for (auto* word : {&s.caption_alignment, &s.text_colour, &s.background}) v.Field(*word);
  FontBlock(v, s.font);
  v.CountedText(s.caption);
}

// A u16 count; 0xFFFF announces a u32 count instead, so 0xFFFF items and
// more are always written in the long form.
template <class V>
void ItemCount(V& v, uint32_t& count) {
  uint16_t short_count = count >= 0xFFFF ? 0xFFFF : static_cast<uint16_t>(count);
  v.Field(short_count);
  if (short_count == 0xFFFF) {
    v.Field(count);
  } else {
    count = short_count;
  }
}

template <class V, class Items>
void ComboItems(V& v, Items& items) {
  uint32_t count = static_cast<uint32_t>(items.size());
  ItemCount(v, count);
  v.Resize(items, count, sizeof(uint32_t));  // each item is at least its length word
  for (auto& item : items) v.CountedText(item);
}

template <class V, class Values>
void ItemValues(V& v, Values& values) {
  v.UntilEnd(values, [](auto& inner, auto& value) { inner.Field(value); });
}

template <class V>
void Fields(V& v, Is<ComboBoxSettings> auto& s) {
  Version(v, s);
  for (auto* word : {&s.type, &s.text_limit, &s.selection_start, &s.selection_length, &s.sorted,
                     &s.extra_item_height, &s.text_colour, &s.background})
    v.Field(*word);
  v.Field(s.current_item);
  FontBlock(v, s.font);
  v.Nested([&](auto& block) { ItemValues(block, s.item_values); });
  v.CountedText(s.content);
  ComboItems(v, s.items);
  if (s.version >= 2) DataBinding(v, s);
  if (s.version >= 3) v.Field(s.version3_flag);
}

template <class V, class Column>
void ColumnFields(V& v, Column& column) {
  v.Field(column.image_on_right);
  v.Field(column.image);
  v.Field(column.alignment);
  v.Field(column.width);
  v.ZText(column.title);
}

template <class V, class Columns>
void ColumnRecords(V& v, Columns& columns) {
  v.UntilEnd(columns, [](auto& inner, auto& column) { ColumnFields(inner, column); });
}

template <class V, class Row>
void InitialRowFields(V& v, Row& row) {
  v.Field(row.sub_item);
  for (auto* number : {&row.image, &row.state_image, &row.indent, &row.item_value}) v.Field(*number);
  v.ZText(row.text);
  v.ZText(row.skipped_text);
}

template <class V>
void Fields(V& v, Is<ReportListSettings> auto& s) {
  Version(v, s);
  for (auto* word : {&s.border, &s.text_colour, &s.text_background, &s.background, &s.view,
                     &s.align_left, &s.auto_arrange, &s.label_wrap, &s.no_column_header,
                     &s.sort_header, &s.full_row_select, &s.grid_lines, &s.header_drag_drop,
                     &s.hot_tracking, &s.hand_cursor, &s.underline_hot, &s.underline_cold,
                     &s.edit_labels, &s.sort, &s.check_boxes, &s.flat_scroll_bars,
                     &s.single_selection})
    v.Field(*word);
  v.Field(s.initial_current_row);
  v.Field(s.always_show_selection);
  FontBlock(v, s.font);
  v.Block(s.header_images);
  v.Block(s.item_images);
  v.Nested([&](auto& block) { ColumnRecords(block, s.columns); });
  v.Block(s.state_images);
  v.Nested([&](auto& block) {
    block.UntilEnd(s.initial_rows, [](auto& inner, auto& row) { InitialRowFields(inner, row); });
  });
}

// Empty bytes mean the kind's defaults.
template <class Settings>
std::optional<Settings> Read(const std::vector<uint8_t>& bytes) {
  Settings settings;
  if (bytes.empty()) return settings;
  ByteReader reader(bytes.data(), bytes.size());
  Fields(reader, settings);
  if (!reader.ok()) return std::nullopt;
  return settings;
}

template <class Settings>
std::vector<uint8_t> Write(const Settings& settings) {
  ByteWriter writer;
  Fields(writer, settings);
  return writer.Take();
}

}  // namespace

std::optional<WindowSettings> ReadWindowSettings(const std::vector<uint8_t>& bytes) { return Read<WindowSettings>(bytes); }
std::optional<EditBoxSettings> ReadEditBoxSettings(const std::vector<uint8_t>& bytes) { return Read<EditBoxSettings>(bytes); }
std::optional<LabelSettings> ReadLabelSettings(const std::vector<uint8_t>& bytes) { return Read<LabelSettings>(bytes); }
std::optional<ButtonSettings> ReadButtonSettings(const std::vector<uint8_t>& bytes) { return Read<ButtonSettings>(bytes); }
std::optional<CheckBoxSettings> ReadCheckBoxSettings(const std::vector<uint8_t>& bytes) { return Read<CheckBoxSettings>(bytes); }
std::optional<GroupBoxSettings> ReadGroupBoxSettings(const std::vector<uint8_t>& bytes) { return Read<GroupBoxSettings>(bytes); }
std::optional<ComboBoxSettings> ReadComboBoxSettings(const std::vector<uint8_t>& bytes) { return Read<ComboBoxSettings>(bytes); }
std::optional<ReportListSettings> ReadReportListSettings(const std::vector<uint8_t>& bytes) { return Read<ReportListSettings>(bytes); }

std::vector<uint8_t> WriteSettings(const WindowSettings& s) { return Write(s); }
std::vector<uint8_t> WriteSettings(const EditBoxSettings& s) { return Write(s); }
std::vector<uint8_t> WriteSettings(const LabelSettings& s) { return Write(s); }
std::vector<uint8_t> WriteSettings(const ButtonSettings& s) { return Write(s); }
std::vector<uint8_t> WriteSettings(const CheckBoxSettings& s) { return Write(s); }
std::vector<uint8_t> WriteSettings(const GroupBoxSettings& s) { return Write(s); }
std::vector<uint8_t> WriteSettings(const ComboBoxSettings& s) { return Write(s); }
std::vector<uint8_t> WriteSettings(const ReportListSettings& s) { return Write(s); }

std::vector<uint8_t> WriteItemValuesBlock(const std::vector<uint32_t>& values) {
  ByteWriter writer;
  ItemValues(writer, values);
  return writer.Take();
}

std::vector<uint8_t> WriteColumnsBlock(const std::vector<ListColumn>& columns) {
  ByteWriter writer;
  ColumnRecords(writer, columns);
  return writer.Take();
}

}  // namespace forms
