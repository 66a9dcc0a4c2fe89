// Check boxes: event 0 on a person's click only, the ticked state read as
// exactly 0 or 1, and creation from the stored settings.
#include <QCheckBox>

#include "forms/kinds/check_box.h"
#include "platform/gbk.h"
#include "tests/forms/kind_harness.h"
#include "tests/test_support.h"

namespace kinds_testing {
namespace {

using testing_support::Gbk;
constexpr uint32_t kCheckBoxCode = rt::tag::kCheckBox;
constexpr int32_t kTicked = forms::property_index::kCheckBoxTicked, kCaption = 11;

class CheckBoxTest : public KindTest {
 protected:
  void OpenBox(forms::CheckBoxSettings settings) {
    OpenWith(kCheckBoxCode, forms::WriteSettings(settings), {10, 10, 90, 20});
  }
  QCheckBox* Box() { return static_cast<QCheckBox*>(Widget()); }
};

TEST_F(CheckBoxTest, MouseClickAndSpaceKeyRaiseOneEventEachAndToggle) {
  forms::CheckBoxSettings settings;
  settings.caption = "case";
  OpenBox(settings);
  QTest::mouseClick(Box(), Qt::LeftButton, {}, QPoint(6, Box()->height() / 2));  // on the box
  EXPECT_EQ(EventCount(), 1);
  EXPECT_EQ(Read(kTicked), 1u);
  Box()->setFocus();
  QTest::keyClick(Box(), Qt::Key_Space);
  EXPECT_EQ(EventCount(), 2);
  EXPECT_EQ(Read(kTicked), 0u);
}

TEST_F(CheckBoxTest, ProgramWritesTickWithoutAnEvent) {
  OpenBox({});
  const struct { uint64_t written, read; } cases[] = {{1, 1}, {0, 0}, {5, 1}, {0, 0}, {0xFFFFFFFF, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written);
    Write(kTicked, c.written);
    EXPECT_EQ(Read(kTicked), c.read);
    EXPECT_EQ(Box()->isChecked(), c.read == 1);
  }
  EXPECT_EQ(EventCount(), 0);
}

TEST_F(CheckBoxTest, CreationAppliesCaptionTickAndCaptionSide) {
  forms::CheckBoxSettings settings;
  settings.caption = Gbk("忽略大小写");
  settings.ticked = 1;
  settings.caption_left = 1;
  OpenBox(settings);
  EXPECT_EQ(Box()->text(), QString::fromUtf8("忽略大小写"));
  EXPECT_TRUE(Box()->isChecked());
  EXPECT_EQ(Box()->layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(ReadText(kCaption), Gbk("忽略大小写"));
  EXPECT_EQ(EventCount(), 0);  // nothing raised while the window was built
}

TEST_F(CheckBoxTest, AppearanceWriteRebuildsTheBoxKeepingItsTick) {
  constexpr int32_t kCaptionLeft = 12;
  OpenBox({});
  QTest::mouseClick(Box(), Qt::LeftButton, {}, QPoint(6, Box()->height() / 2));
  Write(kCaptionLeft, 1);
  EXPECT_EQ(Box()->layoutDirection(), Qt::RightToLeft);
  EXPECT_TRUE(Box()->isChecked());
  EXPECT_EQ(EventCount(), 1);
}

}  // namespace
}  // namespace kinds_testing
