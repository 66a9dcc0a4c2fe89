// The stored settings of each control kind: one struct per kind, decoded from
// and encoded to the kind's property bytes by one shared field layout
// (kind_settings.cpp), so the reader and the writer cannot disagree.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace forms {

using Colour = uint32_t;  // 0x00BBGGRR; 0xFF000000 = the platform's button-face colour
constexpr Colour kButtonFace = 0xFF000000;
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

// Values of the alignment fields (horizontal, then v_align), and of the
// border of edit boxes, labels and report lists (the gradient: labels only).
constexpr uint32_t kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2, kAlignTop = 0, kAlignMiddle = 1, kAlignBottom = 2;
constexpr uint32_t kNoBorder = 0, kSunkenBorder = 1, kRaisedBorder = 2, kThinEdgeBorder = 3;
constexpr uint32_t kSunkenRaisedBorder = 4, kOnePixelBorder = 5, kGradientBorder = 6;

// The 60-byte font description.
struct FontDescription {
  int32_t height = 0;  // negative: character height in pixels
  int32_t width = 0, escapement = 0, orientation = 0;
  int32_t weight = 400;
  uint8_t italic = 0, underline = 0, strike_out = 0, char_set = 0;
  uint8_t out_precision = 0, clip_precision = 0, quality = 0, pitch_and_family = 0;
  std::string face{};  // GBK, at most 31 bytes (longer is cut on writing); empty = default face for the character set

  bool operator==(const FontDescription&) const = default;
};
using Block = std::vector<uint8_t>;

struct WindowSettings {
  static constexpr uint32_t kHighestVersion = 6;
  // border (a caption bar above 0) and position
  static constexpr uint32_t kBorderless = 0, kSizable = 1, kFixed = 2, kSizableTool = 3, kFixedTool = 4;
  static constexpr uint32_t kSizableSunken = 5, kFixedSunken = 6;
  static constexpr uint32_t kStoredPlace = 0, kCentred = 1, kMinimised = 2, kMaximised = 3;
  uint32_t version = kHighestVersion;
  uint32_t border = 2, picture_mode = 1;
  Colour background = kButtonFace;
  uint32_t max_button = 0, min_button = 1, control_button = 1, position = 1, movable = 1;
  uint32_t sound_play_count = 0, enter_moves_focus = 0, esc_closes = 0, f1_help = 0, help_context = 0;
  uint32_t show_in_taskbar = 1;                  // version >= 2
  uint32_t drag_anywhere = 0, shape = 0;         // version >= 3
  uint32_t always_on_top = 0;                    // version >= 4
  uint32_t keep_caption_active = 0;              // version >= 5
  std::string class_name{};                      // version 6
  Block background_picture{}, icon{}, background_sound{};
  std::string caption{}, help_file{};

  bool operator==(const WindowSettings&) const = default;
};

struct EditBoxSettings {
  static constexpr uint32_t kHighestVersion = 2;
  static constexpr uint32_t kNoScrollBars = 0, kHorizontalScrollBar = 1, kVerticalScrollBar = 2;  // bits
  // input_mode: free, read-only, password, or typing limited to "0"-"9" and
  // "-" (integer text, short, integer, long), also "." (decimal text, float,
  // double), or to "0"-"9" (byte).
  enum InputMode : uint32_t { kFreeInput, kReadOnlyInput, kPasswordInput, kIntegerTextInput, kDecimalTextInput,
                              kByteInput, kShortInput, kIntegerInput, kLongInput, kFloatInput, kDoubleInput };
  static constexpr uint32_t kKeepCase = 0, kToLowerCase = 1, kToUpperCase = 2;  // case_conversion
  uint32_t version = kHighestVersion;
  uint32_t border = 1;
  Colour text_colour = kBlack, background = kWhite;
  uint32_t hide_selection = 1, max_length = 0, multi_line = 0, scroll_bars = 0, alignment = 0;
  uint32_t input_mode = 0;
  uint16_t password_char = '*';
  uint32_t case_conversion = 0, spinner_mode = 0, spinner_min = 0, spinner_max = 100;
  uint32_t selection_start = 0, selection_length = 0;
  std::optional<FontDescription> font{};
  std::string content{};
  std::string data_source{}, data_column{};      // version 2

  bool operator==(const EditBoxSettings&) const = default;
};

struct LabelSettings {
  static constexpr uint32_t kHighestVersion = 2;
  uint32_t version = kHighestVersion;
  uint32_t effect = 0, frame_width = 8, border = 0;
  Colour frame_colour1 = 0x808080, frame_colour2 = kWhite, frame_colour3 = 0x808080;
  Colour text_colour = kBlack, background = kButtonFace;
  uint32_t picture_mode = 0, gradient_mode = 0;
  Colour gradient1 = 0, gradient2 = 0, gradient3 = 0;
  uint32_t h_align = 0, v_align = 1, word_wrap = 0;
  std::optional<FontDescription> font{};
  Block picture{};
  std::string caption{};
  std::string data_source{}, data_column{};      // version 2

  bool operator==(const LabelSettings&) const = default;
};

struct ButtonSettings {
  static constexpr uint32_t kHighestVersion = 1;
  static constexpr uint32_t kPushButton = 0, kDefaultButton = 1;  // type
  uint32_t version = kHighestVersion;
  uint32_t type = 0, h_align = 1, v_align = 1;
  Block picture{};
  std::optional<FontDescription> font{};
  std::string caption{};

  bool operator==(const ButtonSettings&) const = default;
};

struct CheckBoxSettings {
  static constexpr uint32_t kHighestVersion = 2;
  uint32_t version = kHighestVersion;
  uint32_t push_like = 0, flat = 0, caption_left = 0, h_align = 0, v_align = 1;
  Colour text_colour = kBlack, background = kButtonFace;
  uint32_t ticked = 0;
  Block picture{};
  std::optional<FontDescription> font{};
  std::string caption{};
  std::string data_source{}, data_column{};      // version 2

  bool operator==(const CheckBoxSettings&) const = default;
};

struct GroupBoxSettings {
  static constexpr uint32_t kHighestVersion = 1;
  uint32_t version = kHighestVersion;
  uint32_t caption_alignment = 0;
  Colour text_colour = kBlack, background = kButtonFace;
  std::optional<FontDescription> font{};
  std::string caption{};

  bool operator==(const GroupBoxSettings&) const = default;
};

struct ComboBoxSettings {
  static constexpr uint32_t kHighestVersion = 3;
  static constexpr uint32_t kSimple = 0, kDropDown = 1, kDropDownList = 2;  // type
  uint32_t version = kHighestVersion;
  uint32_t type = 2, text_limit = 0, selection_start = 0, selection_length = 0, sorted = 0;
  uint32_t extra_item_height = 0;
  Colour text_colour = kBlack, background = kWhite;
  int32_t current_item = -1;
  std::optional<FontDescription> font{};
  std::vector<uint32_t> item_values{};           // may be shorter than items; stored as whole u32s
  std::string content{};
  std::vector<std::string> items{};              // GBK; written with a u16 count, 0xFFFF + u32 when large
  std::string data_source{}, data_column{};      // version >= 2
  uint32_t version3_flag = 0;                    // version 3

  bool operator==(const ComboBoxSettings&) const = default;
};

struct ListColumn {
  uint8_t image_on_right = 0;
  int32_t image = -1;
  uint32_t alignment = 0;  // 0 left, 1 centre, 2 right
  uint32_t width = 0;
  std::string title{};     // GBK

  bool operator==(const ListColumn&) const = default;
};

struct ListInitialRow {    // one record of the initial-rows block
  uint8_t sub_item = 0;    // 0 starts a new row; non-zero sets the next sub-item of the last row
  int32_t image = -1, state_image = -1, indent = 0, item_value = 0;
  std::string text{}, skipped_text{};

  bool operator==(const ListInitialRow&) const = default;
};

struct ReportListSettings {
  static constexpr uint32_t kHighestVersion = 1;
  static constexpr uint32_t kIconView = 0, kSmallIconView = 1, kListView = 2, kReportView = 3;  // view
  uint32_t version = kHighestVersion;
  uint32_t border = 1;
  Colour text_colour = kBlack, text_background = kWhite, background = kWhite;
  uint32_t view = 3, align_left = 0, auto_arrange = 0, label_wrap = 0, no_column_header = 0;
  uint32_t sort_header = 0, full_row_select = 0, grid_lines = 0, header_drag_drop = 0;
  uint32_t hot_tracking = 0, hand_cursor = 0, underline_hot = 0, underline_cold = 0;
  uint32_t edit_labels = 0, sort = 0, check_boxes = 0, flat_scroll_bars = 0, single_selection = 0;
  int32_t initial_current_row = -1;
  uint32_t always_show_selection = 0;
  std::optional<FontDescription> font{};
  Block header_images{}, item_images{};
  std::vector<ListColumn> columns{};
  Block state_images{};
  std::vector<ListInitialRow> initial_rows{};

  bool operator==(const ReportListSettings&) const = default;
};

// Decoding: empty bytes leave the defaults and succeed; a version above the
// kind's highest, bytes that end early, a length or count running past the
// bytes, a font block of neither 0 nor 60 bytes or item values that are not
// whole u32s fail (nullopt). Bytes after the last field are ignored.
std::optional<WindowSettings> ReadWindowSettings(const std::vector<uint8_t>& bytes);
std::optional<EditBoxSettings> ReadEditBoxSettings(const std::vector<uint8_t>& bytes);
std::optional<LabelSettings> ReadLabelSettings(const std::vector<uint8_t>& bytes);
std::optional<ButtonSettings> ReadButtonSettings(const std::vector<uint8_t>& bytes);
std::optional<CheckBoxSettings> ReadCheckBoxSettings(const std::vector<uint8_t>& bytes);
std::optional<GroupBoxSettings> ReadGroupBoxSettings(const std::vector<uint8_t>& bytes);
std::optional<ComboBoxSettings> ReadComboBoxSettings(const std::vector<uint8_t>& bytes);
std::optional<ReportListSettings> ReadReportListSettings(const std::vector<uint8_t>& bytes);

std::vector<uint8_t> WriteSettings(const WindowSettings& s);
std::vector<uint8_t> WriteSettings(const EditBoxSettings& s);
std::vector<uint8_t> WriteSettings(const LabelSettings& s);
std::vector<uint8_t> WriteSettings(const ButtonSettings& s);
std::vector<uint8_t> WriteSettings(const CheckBoxSettings& s);
std::vector<uint8_t> WriteSettings(const GroupBoxSettings& s);
std::vector<uint8_t> WriteSettings(const ComboBoxSettings& s);
std::vector<uint8_t> WriteSettings(const ReportListSettings& s);

// The content of a combo box's item-values block and of a report list's
// columns block, as the property bytes store them.
std::vector<uint8_t> WriteItemValuesBlock(const std::vector<uint32_t>& values);
std::vector<uint8_t> WriteColumnsBlock(const std::vector<ListColumn>& columns);

}  // namespace forms
