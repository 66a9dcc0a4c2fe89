// Stored settings of each control kind: round trips, defaults, version
// gates, pinned byte layouts and damaged property bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "forms/template/byte_writer.h"
#include "forms/template/kind_settings.h"
#include "tests/forms_format/sample_templates.h"

// One kind's sample, reader and highest version, for the typed tests. Each
// kind is a named type, so that the tests carry its name ("<each_kind::Label>").
namespace each_kind {

template <class Settings, auto Sample, auto Reader>
struct Kind {
  using Type = Settings;
  static Settings sample() { return Sample(); }
  static std::optional<Settings> Read(const std::vector<uint8_t>& bytes) { return Reader(bytes); }
};

struct Window : Kind<forms::WindowSettings, samples::Window, forms::ReadWindowSettings> {};
struct EditBox : Kind<forms::EditBoxSettings, samples::EditBox, forms::ReadEditBoxSettings> {};
struct Label : Kind<forms::LabelSettings, samples::Label, forms::ReadLabelSettings> {};
struct Button : Kind<forms::ButtonSettings, samples::Button, forms::ReadButtonSettings> {};
struct CheckBox : Kind<forms::CheckBoxSettings, samples::CheckBox, forms::ReadCheckBoxSettings> {};
struct GroupBox : Kind<forms::GroupBoxSettings, samples::GroupBox, forms::ReadGroupBoxSettings> {};
struct ComboBox : Kind<forms::ComboBoxSettings, samples::ComboBox, forms::ReadComboBoxSettings> {};
struct ReportList : Kind<forms::ReportListSettings, samples::ReportList, forms::ReadReportListSettings> {};

}  // namespace each_kind

namespace {

using forms::ByteWriter;
using Bytes = std::vector<uint8_t>;
using AllKinds = ::testing::Types<each_kind::Window, each_kind::EditBox, each_kind::Label, each_kind::Button,
                                  each_kind::CheckBox, each_kind::GroupBox, each_kind::ComboBox,
                                  each_kind::ReportList>;

template <class K>
class EveryKindSettings : public ::testing::Test {};
TYPED_TEST_SUITE(EveryKindSettings, AllKinds);

TYPED_TEST(EveryKindSettings, NonDefaultValuesSurviveARoundTrip) {
  const auto sample = TypeParam::sample();
  ASSERT_NE(sample, typename TypeParam::Type{});
  EXPECT_EQ(TypeParam::Read(forms::WriteSettings(sample)), sample);
}

TYPED_TEST(EveryKindSettings, EmptyBytesGiveTheDefaults) {
  EXPECT_EQ(TypeParam::Read({}), typename TypeParam::Type{});
}

TYPED_TEST(EveryKindSettings, VersionAboveTheHighestFails) {
  Bytes bytes = forms::WriteSettings(TypeParam::sample());
  bytes[0] = static_cast<uint8_t>(TypeParam::Type::kHighestVersion + 1);
  EXPECT_EQ(TypeParam::Read(bytes), std::nullopt);
  bytes[0] = 0, bytes[3] = 0x80;  // 0x80000000
  EXPECT_EQ(TypeParam::Read(bytes), std::nullopt);
}

TYPED_TEST(EveryKindSettings, BytesCutShortAnywhereFail) {
  const Bytes bytes = forms::WriteSettings(TypeParam::sample());
  for (size_t length = 1; length < bytes.size(); ++length) {
    const Bytes cut(bytes.begin(), bytes.begin() + length);
    EXPECT_EQ(TypeParam::Read(cut), std::nullopt) << "cut at " << length;
  }
}

// Writes `settings` at `version` and reads it back.
template <class Settings, class Reader>
Settings AtVersion(Settings settings, uint32_t version, Reader read) {
  settings.version = version;
  const std::optional<Settings> back = read(forms::WriteSettings(settings));
  EXPECT_TRUE(back.has_value()) << "version " << version;
  return back.value_or(Settings{});
}

TEST(WindowSettingsVersions, FieldsAboveTheStoredVersionKeepTheirDefaults) {
  const forms::WindowSettings sample = samples::Window(), defaults;
  for (uint32_t version = 0; version <= forms::WindowSettings::kHighestVersion; ++version) {
    forms::WindowSettings expected = sample;
    expected.version = version;
    if (version < 2) expected.show_in_taskbar = defaults.show_in_taskbar;
    if (version < 3) expected.drag_anywhere = defaults.drag_anywhere, expected.shape = defaults.shape;
    if (version < 4) expected.always_on_top = defaults.always_on_top;
    if (version < 5) expected.keep_caption_active = defaults.keep_caption_active;
    if (version < 6) expected.class_name = defaults.class_name;
    EXPECT_EQ(AtVersion(sample, version, forms::ReadWindowSettings), expected) << "version " << version;
  }
}

TEST(LowerVersions, DataSourceAndTheComboFlagNeedTheirVersions) {
  const auto edit = AtVersion(samples::EditBox(), 1, forms::ReadEditBoxSettings);
  EXPECT_EQ(edit.content, samples::EditBox().content);
  EXPECT_EQ(edit.data_source + edit.data_column, "");
  const auto label = AtVersion(samples::Label(), 1, forms::ReadLabelSettings);
  EXPECT_EQ(label.caption, samples::Label().caption);
  EXPECT_EQ(label.data_source + label.data_column, "");
  const auto check = AtVersion(samples::CheckBox(), 1, forms::ReadCheckBoxSettings);
  EXPECT_EQ(check.caption, samples::CheckBox().caption);
  EXPECT_EQ(check.data_source + check.data_column, "");
  const forms::ComboBoxSettings combo = samples::ComboBox();
  const auto one = AtVersion(combo, 1, forms::ReadComboBoxSettings);
  EXPECT_EQ(one.items, combo.items);
  EXPECT_EQ(one.data_source, "");
  const auto two = AtVersion(combo, 2, forms::ReadComboBoxSettings);
  EXPECT_EQ(two.data_source, combo.data_source);
  EXPECT_EQ(two.version3_flag, 0u);
}

// Button bytes written field by field, independently of the shared layout.
TEST(PropertyLayout, ButtonBytesFollowTheStoredOrder) {
  forms::ButtonSettings button;
  button.type = 1, button.h_align = 2, button.v_align = 0;
  button.picture = {0xAB};
  button.caption = "OK";
  ByteWriter expected;
  for (uint32_t word : {1u, 1u, 2u, 0u}) expected.Field(word);
  expected.Block({0xAB});
  expected.Block({});  // no font
  expected.CountedText("OK");
  EXPECT_EQ(forms::WriteSettings(button), expected.bytes());
}

TEST(PropertyLayout, FontBlockHoldsSixtyBytesWithAPaddedFaceName) {
  forms::GroupBoxSettings group;
  group.font = samples::Font();
  const Bytes bytes = forms::WriteSettings(group);
  constexpr size_t kFontBlockAt = 4 * 4;  // version and three words
  ASSERT_EQ(bytes.size(), kFontBlockAt + 4 + 60 + 4);
  EXPECT_EQ(bytes[kFontBlockAt], 60);
  EXPECT_EQ(bytes[kFontBlockAt + 4], static_cast<uint8_t>(-19));  // height, little-endian
  EXPECT_EQ(bytes[kFontBlockAt + 4 + 16], 0xBC);                  // weight 700 = 0x2BC
  EXPECT_EQ(bytes[kFontBlockAt + 4 + 27], 0x31);                  // pitch and family
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[kFontBlockAt + 4 + 28])), "Sample Face");
}

TEST(PropertyLayout, ListColumnsAndRowsAreRecordsInsideBlocks) {
  forms::ReportListSettings list;
  list.columns = {{0, -1, 0, 170, ""}, {1, 2, 1, 0, "t"}};
  list.initial_rows = {{0, -1, -1, 0, 7, "a", ""}};
  const Bytes bytes = forms::WriteSettings(list);
  ByteWriter tail;  // columns block, state images, rows block
  tail.Nested([](ByteWriter& columns) {
    columns.Field(uint8_t{0}), columns.Field(int32_t{-1}), columns.Field(0u), columns.Field(170u);
    columns.ZText("");
    columns.Field(uint8_t{1}), columns.Field(int32_t{2}), columns.Field(1u), columns.Field(0u);
    columns.ZText("t");
  });
  tail.Block({});
  tail.Nested([](ByteWriter& rows) {
    rows.Field(uint8_t{0});
    for (int32_t number : {-1, -1, 0, 7}) rows.Field(number);
    rows.ZText("a");
    rows.ZText("");
  });
  ASSERT_GE(bytes.size(), tail.bytes().size());
  EXPECT_TRUE(std::equal(tail.bytes().begin(), tail.bytes().end(), bytes.end() - tail.bytes().size()));
}

// A combo box's property bytes up to its items, then `items` appended raw.
Bytes ComboBytesWithItems(const std::function<void(ByteWriter&)>& items) {
  ByteWriter bytes;
  bytes.Field(1u);                                    // version 1: nothing after the items
  for (int i = 0; i < 8; ++i) bytes.Field(0u);
  bytes.Field(int32_t{0});                            // current item
  bytes.Block({});                                    // font
  bytes.Block({});                                    // item values
  bytes.CountedText("");                              // content
  items(bytes);
  return bytes.Take();
}

TEST(ComboBoxItems, LongCountFollowsTheMarker) {
  const Bytes bytes = ComboBytesWithItems([](ByteWriter& items) {
    items.Field(uint16_t{0xFFFF});
    items.Field(2u);
    items.CountedText("A");
    items.CountedText("B");
  });
  const auto combo = forms::ReadComboBoxSettings(bytes);
  ASSERT_TRUE(combo);
  EXPECT_EQ(combo->items, (std::vector<std::string>{"A", "B"}));
}

TEST(ComboBoxItems, WriterUsesTheLongFormFromTheMarkerValueOn) {
  for (size_t count : {size_t{0xFFFE}, size_t{0xFFFF}, size_t{0x10000}}) {
    forms::ComboBoxSettings combo;
    combo.version = 1;
    combo.items.assign(count, "");
    const Bytes bytes = forms::WriteSettings(combo);
    const size_t count_at = bytes.size() - 4 * count - (count >= 0xFFFF ? 6 : 2);
    EXPECT_EQ(bytes[count_at] | bytes[count_at + 1] << 8, count >= 0xFFFF ? 0xFFFF : count);
    const auto back = forms::ReadComboBoxSettings(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->items.size(), count);
  }
}

TEST(ComboBoxItems, CountsBeyondTheDataFailBeforeAllocating) {
  for (uint32_t count : {3u, 0x10000u, 0x40000000u, 0xFFFFFFFFu}) {
    const Bytes bytes = ComboBytesWithItems([count](ByteWriter& items) {
      items.Field(uint16_t{0xFFFF});
      items.Field(count);
      items.CountedText("only one");
    });
    EXPECT_EQ(forms::ReadComboBoxSettings(bytes), std::nullopt) << count;
  }
}

TEST(DamagedSettings, FontBlockMustBeEmptyOrSixtyBytes) {
  for (size_t length : {1, 59, 61, 120}) {
    ByteWriter bytes;
    for (uint32_t word : {1u, 0u, 0u, 0u}) bytes.Field(word);
    bytes.Block(Bytes(length, 0x41));
    bytes.CountedText("group");
    EXPECT_EQ(forms::ReadGroupBoxSettings(bytes.bytes()), std::nullopt) << length;
  }
}

TEST(DamagedSettings, ItemValuesMustBeWholeWords) {
  forms::ComboBoxSettings combo;
  combo.item_values = {1, 2};
  Bytes bytes = forms::WriteSettings(combo);
  const size_t values_at = 4 * 10 + 4;  // after ten words and the empty font block
  ASSERT_EQ(bytes[values_at], 8);
  bytes[values_at] = 6;
  bytes.erase(bytes.begin() + values_at + 4 + 6, bytes.begin() + values_at + 4 + 8);
  EXPECT_EQ(forms::ReadComboBoxSettings(bytes), std::nullopt);
}

TEST(DamagedSettings, FaceNameWithoutTerminatorKeepsThirtyOneBytes) {
  forms::GroupBoxSettings group;
  group.font = samples::Font();
  group.font->face = std::string(40, 'F');
  Bytes bytes = forms::WriteSettings(group);
  const auto written = forms::ReadGroupBoxSettings(bytes);
  ASSERT_TRUE(written && written->font);
  EXPECT_EQ(written->font->face, std::string(31, 'F'));
  bytes[4 * 4 + 4 + 28 + 31] = 'F';  // fill the terminator's place too
  const auto filled = forms::ReadGroupBoxSettings(bytes);
  ASSERT_TRUE(filled && filled->font);
  EXPECT_EQ(filled->font->face, std::string(31, 'F'));
}

TEST(DamagedSettings, ListRecordCutInsideItsBlockFails) {
  forms::ReportListSettings list;
  list.columns = {{0, -1, 0, 170, "title"}};
  Bytes bytes = forms::WriteSettings(list);
  // The last three blocks: columns (4 + 19), state images (4), rows (4).
  const size_t columns_at = bytes.size() - 8 - 23;
  ASSERT_EQ(bytes[columns_at], 19);
  bytes[columns_at] = 16;  // the record's title no longer fits its block
  bytes.erase(bytes.begin() + columns_at + 4 + 16, bytes.begin() + columns_at + 4 + 19);
  EXPECT_EQ(forms::ReadReportListSettings(bytes), std::nullopt);
}

}  // namespace
