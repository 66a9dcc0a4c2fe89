// Window template data: round trips, the pinned layout of a lone window,
// records found by offset, and damaged data that must fail without reading
// outside the given bytes.
#include <gtest/gtest.h>

#include <cstring>

#include "forms/template/byte_reader.h"
#include "forms/template/template_format.h"
#include "tests/forms_format/sample_templates.h"

namespace {

using Bytes = std::vector<uint8_t>;
using forms::WindowTemplate;

std::optional<std::vector<WindowTemplate>> Read(const Bytes& bytes) {
  return forms::ReadTemplates(bytes.data(), bytes.size());
}

uint32_t WordAt(const Bytes& bytes, size_t at) {
  uint32_t word = 0;
  forms::ByteReader(bytes.data() + at, 4).Field(word);
  return word;
}

void PutWord(Bytes& bytes, size_t at, uint32_t word) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(word >> (8 * i));
}

// Byte positions in the template of samples::WindowAlone(): empty window
// texts, one unit with empty name, remark and tag, no children, no pointer.
namespace lone {
constexpr size_t kTableLength = 0, kWindowId = 4, kSlot = 8, kFirstText = 20, kUnitCount = 28;
constexpr size_t kAreaLength = 32, kArea = 36, kRecordOffset = 40, kRecordLength = 44;
constexpr size_t kKind = 48, kLeft = 78, kParent = 98, kChildCount = 102, kPointer = 106;
constexpr size_t kFlags = 115, kBindingCount = 123, kProperties = 147;
}  // namespace lone

TEST(TemplateRoundTrip, WindowsComeBackUnchanged) {
  const std::vector<std::vector<WindowTemplate>> cases = {
      {}, {samples::WindowAlone()}, {samples::EveryKind()},
      {samples::WindowAlone(0x52010002), samples::EveryKind()}};
  for (const auto& windows : cases) EXPECT_EQ(Read(forms::WriteTemplates(windows)), windows);
}

TEST(TemplateRoundTrip, WindowAloneHasOnlyItsOwnUnit) {
  const auto windows = Read(forms::WriteTemplates({samples::WindowAlone()}));
  ASSERT_TRUE(windows && windows->size() == 1);
  ASSERT_EQ((*windows)[0].units.size(), 1u);
  EXPECT_EQ((*windows)[0].units[0].properties, forms::WriteSettings(samples::Window()));
}

TEST(TemplateLayout, LoneWindowFieldsSitWhereTheFormatPutsThem) {
  WindowTemplate window = samples::WindowAlone();
  window.units[0].flags = 5;
  window.units[0].left = -50;
  const Bytes bytes = forms::WriteTemplates({window});
  EXPECT_EQ(WordAt(bytes, lone::kTableLength), 8u);
  EXPECT_EQ(WordAt(bytes, lone::kWindowId), 0x52010001u);
  EXPECT_EQ(WordAt(bytes, lone::kSlot), 0u);
  EXPECT_EQ(WordAt(bytes, lone::kUnitCount), 1u);
  EXPECT_EQ(WordAt(bytes, lone::kAreaLength), bytes.size() - lone::kArea);
  EXPECT_EQ(WordAt(bytes, lone::kArea), 0x06010000u);
  EXPECT_EQ(WordAt(bytes, lone::kRecordOffset), 0u);
  EXPECT_EQ(WordAt(bytes, lone::kRecordLength), bytes.size() - lone::kRecordLength - 4);
  EXPECT_EQ(WordAt(bytes, lone::kKind), rt::tag::kWindow);
  EXPECT_EQ(WordAt(bytes, lone::kLeft), static_cast<uint32_t>(-50));
  EXPECT_EQ(WordAt(bytes, lone::kFlags), 5u);
  EXPECT_EQ(WordAt(bytes, lone::kProperties), forms::WindowSettings::kHighestVersion);
}

TEST(TemplateLayout, BindingsStoreEventAndHandlerOffset) {
  WindowTemplate window = samples::WindowAlone();
  window.units[0].events = {{-7, 0}, {0, 0xFFFFFFFF}};
  const Bytes bytes = forms::WriteTemplates({window});
  EXPECT_EQ(WordAt(bytes, lone::kBindingCount), 2u);
  EXPECT_EQ(WordAt(bytes, lone::kBindingCount + 4), static_cast<uint32_t>(-7));
  EXPECT_EQ(WordAt(bytes, lone::kBindingCount + 8), 0u);
  EXPECT_EQ(WordAt(bytes, lone::kBindingCount + 16), 0xFFFFFFFFu);
  const auto windows = Read(bytes);
  ASSERT_TRUE(windows);
  // Offset 0 is the first handler, distinct from none.
  EXPECT_EQ((*windows)[0].units[0].events, window.units[0].events);
}

TEST(TemplateLayout, MenuItemRecordStoresSettingsCaptionAndHandler) {
  WindowTemplate window = samples::WindowAlone();
  const Bytes alone = forms::WriteTemplates({window});
  forms::UnitRecord item = samples::MenuItem(0x16010001);
  window.units.push_back(item);
  const Bytes with_item = forms::WriteTemplates({window});
  const size_t content = 24 + item.name.size() + 1 + 1 + 12 + item.menu.caption.size() + 1 + 4;
  EXPECT_EQ(with_item.size() - alone.size(), 4 + 4 + 4 + content);  // id, offset, length, content
  const auto windows = Read(with_item);
  ASSERT_TRUE(windows);
  const forms::UnitRecord& back = (*windows)[0].units[1];
  EXPECT_TRUE(back.is_menu_item);
  EXPECT_EQ(back.menu, item.menu);
  EXPECT_FALSE((*windows)[0].units[0].is_menu_item);
}

// Rewrites the unit area of a one-window template whose area starts at
// `area` with the records stored in reverse order, offsets adjusted.
Bytes WithRecordsReversed(const Bytes& bytes, size_t area) {
  const uint32_t units = WordAt(bytes, area - 8);
  const size_t records = area + 8 * units;
  std::vector<Bytes> stored;
  for (uint32_t i = 0; i < units; ++i) {
    const size_t at = records + WordAt(bytes, area + 4 * units + 4 * i);
    stored.emplace_back(bytes.begin() + at, bytes.begin() + at + 4 + WordAt(bytes, at));
  }
  Bytes result(bytes.begin(), bytes.begin() + records);
  std::vector<uint32_t> offsets(units);
  for (uint32_t i = units; i-- > 0;) {
    offsets[i] = static_cast<uint32_t>(result.size() - records);
    result.insert(result.end(), stored[i].begin(), stored[i].end());
  }
  for (uint32_t i = 0; i < units; ++i) PutWord(result, area + 4 * units + 4 * i, offsets[i]);
  return result;
}

TEST(TemplateLayout, RecordsAreFoundByOffsetInAnyOrder) {
  const WindowTemplate window = samples::EveryKind();
  const Bytes bytes = forms::WriteTemplates({window});
  // Window table, two words, "one" and "two" as counted texts, U and A.
  const size_t area = 12 + 8 + 7 + 7 + 8;
  const Bytes reversed = WithRecordsReversed(bytes, area);
  ASSERT_EQ(reversed.size(), bytes.size());
  ASSERT_NE(reversed, bytes);
  EXPECT_GT(WordAt(reversed, area + 4 * window.units.size()), WordAt(reversed, area + 8 * window.units.size() - 4));
  const auto windows = Read(reversed);
  ASSERT_TRUE(windows);
  EXPECT_EQ((*windows)[0], window);
}

// Reads from an exactly sized heap copy, so a read past the end is caught.
std::optional<std::vector<WindowTemplate>> ReadExactCopy(const Bytes& bytes, size_t length) {
  std::unique_ptr<uint8_t[]> copy(new uint8_t[length]);
  std::memcpy(copy.get(), bytes.data(), length);
  return forms::ReadTemplates(length ? copy.get() : nullptr, length);
}

TEST(DamagedTemplate, EveryTruncationFails) {
  for (const Bytes& bytes : samples::SeedTemplates()) {
    ASSERT_TRUE(ReadExactCopy(bytes, bytes.size()));
    for (size_t length = 0; length < bytes.size(); ++length)
      ASSERT_EQ(ReadExactCopy(bytes, length), std::nullopt) << "cut at " << length << " of " << bytes.size();
  }
}

struct ImpossibleWord {
  const char* what;
  size_t at;
  uint32_t value;
};

TEST(DamagedTemplate, ImpossibleLengthsCountsAndOffsetsFail) {
  const Bytes lone_window = forms::WriteTemplates({samples::WindowAlone()});
  const uint32_t area = WordAt(lone_window, lone::kAreaLength);
  const uint32_t record = WordAt(lone_window, lone::kRecordLength);
  const ImpossibleWord cases[] = {
      {"window table past the data", lone::kTableLength, 0xFFFFFFF8},
      {"window table not 8 per window", lone::kTableLength, 4},
      {"window table of 12 bytes", lone::kTableLength, 12},
      {"a second window that is not there", lone::kTableLength, 16},
      {"counted text past the data", lone::kFirstText, 0xFFFFFFFF},
      {"no unit for the window itself", lone::kUnitCount, 0},
      {"unit tables larger than the area", lone::kUnitCount, 0xFFFFFFFF},
      {"second unit's record outside the area", lone::kUnitCount, 2},
      {"unit area past the data", lone::kAreaLength, area + 1},
      {"unit area of 4 GiB", lone::kAreaLength, 0xFFFFFFFF},
      {"record offset far outside the area", lone::kRecordOffset, 0xFFFFFFF0},
      {"record length word cut by the area end", lone::kRecordOffset, area - 8 - 2},
      {"record longer than the area", lone::kRecordLength, record + 1},
      {"record length of 4 GiB", lone::kRecordLength, 0xFFFFFFFF},
      {"record ends inside the remark", lone::kRecordLength, 25},
      {"record ends inside the geometry", lone::kRecordLength, 40},
      {"child count past the record", lone::kChildCount, 0x40000000},
      {"child count of 4 G", lone::kChildCount, 0xFFFFFFFF},
      {"mouse pointer block past the record", lone::kPointer, 0xFFFFFFFF},
      {"binding count past the record", lone::kBindingCount, 0x20000000},
  };
  for (const ImpossibleWord& c : cases) {
    Bytes bytes = lone_window;
    PutWord(bytes, c.at, c.value);
    EXPECT_EQ(ReadExactCopy(bytes, bytes.size()), std::nullopt) << c.what;
  }
}

TEST(DamagedTemplate, RecordsSharingBytesFail) {
  WindowTemplate window = samples::WindowAlone();
  window.units.push_back(samples::Unit(0x16010002, rt::tag::kButton, "button", {}));
  const Bytes bytes = forms::WriteTemplates({window});
  constexpr size_t kFirstOffset = lone::kArea + 8, kSecondOffset = lone::kArea + 12;
  ASSERT_TRUE(Read(bytes));
  Bytes same_record = bytes;
  PutWord(same_record, kSecondOffset, 0);
  EXPECT_EQ(Read(same_record), std::nullopt);
  Bytes both_second = bytes;
  PutWord(both_second, kFirstOffset, WordAt(bytes, kSecondOffset));
  EXPECT_EQ(Read(both_second), std::nullopt);
}

TEST(DamagedTemplate, UnterminatedNameFails) {
  Bytes bytes = forms::WriteTemplates({samples::WindowAlone()});
  const size_t record_end = lone::kRecordLength + 4 + WordAt(bytes, lone::kRecordLength);
  // Every byte from the name on is non-zero: no text of the record ends.
  std::fill(bytes.begin() + lone::kKind + 24, bytes.begin() + record_end, 0x41);
  EXPECT_EQ(ReadExactCopy(bytes, bytes.size()), std::nullopt);
}

}  // namespace
