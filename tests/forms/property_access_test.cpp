// Property reads and writes: common properties with their limits, kind
// properties through the type-code conversions, and the missing-window errors.
#include <QPushButton>

#include "forms/registry/property_values.h"
#include "runtime/memory.h"
#include "runtime/values.h"
#include "tests/forms/window_fixture.h"
#include "tests/test_support.h"

namespace forms_testing {
namespace {

constexpr uint32_t kButtonId = 0x16010001;
enum { kLeft, kTop, kWidth, kHeight, kTag, kVisible, kDisabled };
constexpr int32_t kButtonCaption = 10, kButtonType = 9;
constexpr int32_t kWindowBorder = 9, kWindowEscCloses = 22, kWindowCaption = 8, kWindowIcon = 20;

class PropertyAccessTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    Open({WindowUnit(), Button(kButtonId, "caption", 10)});
  }
  static uint64_t Read(uint32_t id, int32_t index) { return rt::GetWindowHost()->ReadProperty(kWindowId, id, index, -1); }
  static void Write(uint32_t id, int32_t index, uint64_t v) { rt::GetWindowHost()->WriteProperty(kWindowId, id, index, -1, v); }
  static void WriteText(uint32_t id, int32_t index, const char* text) { Write(id, index, uint64_t(uintptr_t(text))); }
  // Reads a text property and frees it; "<null>" for a null result.
  static std::string ReadText(uint32_t id, int32_t index) {
    char* text = reinterpret_cast<char*>(uintptr_t(Read(id, index)));
    std::string result = text ? std::string(text) : "<null>";
    rt::RuntimeFree(text);
    return result;
  }
};

TEST_F(PropertyAccessTest, GeometryWritesAreLimitedStoredAndApplied) {
  const struct { int32_t index, written, expected; } cases[] = {
      {kWidth, 40000, 32627}, {kWidth, -5, 0},   {kLeft, -40000, -32627}, {kLeft, 40000, 32627},
      {kTop, -7, -7},         {kHeight, 33, 33}, {kHeight, -1, 0},
  };
  QWidget* button = WidgetOf(kButtonId);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "index " << c.index << " value " << c.written);
    Write(kButtonId, c.index, uint64_t(uint32_t(c.written)));
    EXPECT_EQ(int32_t(Read(kButtonId, c.index)), c.expected);
    const UnitRecord& unit = Registered().tmpl.units[1];
    const int32_t stored[] = {unit.left, unit.top, unit.width, unit.height};
    EXPECT_EQ(stored[c.index], c.expected);
  }
  EXPECT_EQ(button->geometry(), QRect(32627, -7, 0, 0));
}

TEST_F(PropertyAccessTest, CaptionTextsRoundTripAndEmptyReadsAsNull) {
  const std::string chinese = testing_support::Gbk("匹配");
  WriteText(kButtonId, kButtonCaption, chinese.c_str());
  EXPECT_EQ(qobject_cast<QPushButton*>(WidgetOf(kButtonId))->text(), QString::fromUtf8("匹配"));
  EXPECT_EQ(ReadText(kButtonId, kButtonCaption), chinese);
  WriteText(kButtonId, kButtonCaption, nullptr);
  EXPECT_EQ(ReadText(kButtonId, kButtonCaption), "<null>");
  WriteText(0, kWindowCaption, "Tolvanev1.2");
  EXPECT_EQ(WidgetOf(0)->windowTitle(), "Tolvanev1.2");
  EXPECT_TRUE(WidgetOf(0)->isVisible());
  EXPECT_EQ(ReadText(kWindowUnitId, kWindowCaption), "Tolvanev1.2");
}

TEST_F(PropertyAccessTest, BooleansReadZeroOrOneAndPicksNeverGoNegative) {
  EXPECT_EQ(Read(0, kWindowEscCloses), 1u);
  Write(0, kWindowEscCloses, 5);
  EXPECT_EQ(Read(0, kWindowEscCloses), 1u);
  Write(0, kWindowEscCloses, 0);
  EXPECT_EQ(Read(0, kWindowEscCloses), 0u);
  Write(kButtonId, kButtonType, uint64_t(uint32_t(-3)));
  EXPECT_EQ(Read(kButtonId, kButtonType), 0u);
  Write(0, kWindowBorder, uint64_t(uint32_t(-1)));
  EXPECT_EQ(Read(0, kWindowBorder), 0u);
}

TEST_F(PropertyAccessTest, ByteDataReadsAsANewByteSetOrNull) {
  EXPECT_EQ(Read(0, kWindowIcon), 0u);
  const uint8_t bytes[] = {1, 2, 3};
  void* set = rt::MakeByteSet(bytes, 3);
  Write(0, kWindowIcon, uint64_t(uintptr_t(set)));
  rt::RuntimeFree(set);
  void* read = reinterpret_cast<void*>(uintptr_t(Read(0, kWindowIcon)));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(rt::ByteSetLength(read), 3);
  EXPECT_EQ(rt::ByteSetBytes(read)[2], 3);
  rt::RuntimeFree(read);
}

TEST_F(PropertyAccessTest, TagVisibleAndDisabledFollowTheLiveWidget) {
  WriteText(kButtonId, kTag, "marker");
  EXPECT_EQ(ReadText(kButtonId, kTag), "marker");
  Write(kButtonId, kVisible, 0);
  EXPECT_TRUE(WidgetOf(kButtonId)->isHidden());
  EXPECT_EQ(Read(kButtonId, kVisible), 0u);
  Write(kButtonId, kDisabled, 7);
  EXPECT_FALSE(WidgetOf(kButtonId)->isEnabled());
  EXPECT_EQ(Read(kButtonId, kDisabled), 1u);
  EXPECT_EQ(Registered().tmpl.units[1].flags & (UnitRecord::kVisible | UnitRecord::kDisabled), UnitRecord::kDisabled);
}

TEST_F(PropertyAccessTest, FontMembersAndWholeRecords) {
  constexpr int32_t kButtonFont = 13;
  // A size at which the caption still fits its button, which a larger one
  // would be shrunk to.
  rt::GetWindowHost()->WriteProperty(kWindowId, kButtonId, kButtonFont, 0, 10);
  rt::GetWindowHost()->WriteProperty(kWindowId, kButtonId, kButtonFont, 1, 1);
  rt::GetWindowHost()->WriteProperty(kWindowId, kButtonId, kButtonFont, 6, 0);
  EXPECT_EQ(qobject_cast<QPushButton*>(WidgetOf(kButtonId))->font().pixelSize(), 10);
  auto* record = reinterpret_cast<forms::FontRecord*>(uintptr_t(Read(kButtonId, kButtonFont)));
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->size, 10);
  EXPECT_EQ(record->bold, 1);
  // An empty face written falls back to the default face.
  EXPECT_EQ(std::string(rt::TextView(record->face)), testing_support::Gbk("宋体"));
  rt::RuntimeFree(record->face);
  rt::RuntimeFree(record);
}

TEST_F(PropertyAccessTest, ClosedWindowAnswersCommonPropertiesFromTheUnit) {
  Write(kButtonId, kWidth, 77);
  WidgetOf(0)->close();
  EXPECT_EQ(rt::GetWindowHost()->LiveObject(kWindowId, 0), nullptr);
  // Closing restored the units kept when the window was opened.
  EXPECT_EQ(Read(kButtonId, kWidth), 60u);
  Write(kButtonId, kLeft, 5);
  EXPECT_EQ(Registered().tmpl.units[1].left, 5);
}

TEST(PropertyAccessDeathTest, MissingWindowsAndPlatformWindowsAreRunTimeErrors) {
  const auto load = [] {
    testing_support::PrintMessageBoxesToStderr();
    Load({Window({WindowUnit(), Button(kButtonId, "b", 10)})});
  };
  EXPECT_EXIT({ load(); rt::GetWindowHost()->ReadProperty(0x52010002, kButtonId, 0, -1); },
              testing::ExitedWithCode(255), "未载入欲访问窗口组件所在的窗口");
  EXPECT_EXIT({ load(); rt::GetWindowHost()->WriteProperty(0x52010002, kButtonId, 0, -1, 0); },
              testing::ExitedWithCode(255), "未载入欲访问窗口组件所在的窗口");
  EXPECT_EXIT({ load(); rt::GetWindowHost()->ReadProperty(kWindowId, kButtonId, 10, -1); },
              testing::ExitedWithCode(255), "读取组件属性时发现指定窗口尚未载入");
  EXPECT_EXIT({ load(); rt::GetWindowHost()->WriteProperty(kWindowId, kButtonId, 10, -1, 0); },
              testing::ExitedWithCode(255), "修改组件属性时发现指定窗口尚未载入");
  EXPECT_EXIT({ load(); rt::GetWindowHost()->ReadProperty(kWindowId, 0x16019999, 0, -1); },
              testing::ExitedWithCode(255), "指定窗口或窗口组件不存在或尚未载入");
}

}  // namespace
}  // namespace forms_testing
