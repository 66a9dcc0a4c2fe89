// Message boxes: the seam that answers them in tests, and the real box's
// buttons, texts and answers under the offscreen platform.
#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/gbk.h"

namespace {

TEST(MessageBoxSeam, HandsTheRequestToTheAnswererAndReturnsItsAnswer) {
  platform::MessageBoxRequest seen;
  platform::SetMessageBoxAnswerer([&seen](const platform::MessageBoxRequest& r) {
    seen = r;
    return int(platform::kRetry);
  });
  const platform::MessageBoxRequest request{"\xD6\xD0", "\xB4\xED", 0x2015, reinterpret_cast<void*>(8)};
  EXPECT_EQ(platform::ShowMessageBox(request), platform::kRetry);
  platform::SetMessageBoxAnswerer({});
  EXPECT_EQ(seen.text, request.text);
  EXPECT_EQ(seen.caption, request.caption);
  EXPECT_EQ(seen.style, request.style);
  EXPECT_EQ(seen.owner, request.owner);
}

// Shows a real box and presses `press` on it once it is open; returns the
// box's answer and the texts it showed.
struct Shown {
  int answer = 0;
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

Shown ShowAndPress(uint32_t style, QMessageBox::StandardButton press) {
  Shown shown;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    shown.title = box->windowTitle();
    shown.text = box->text();
    shown.icon = box->icon();
    if (QAbstractButton* button = box->button(press)) button->click();
    else box->reject();
  });
  shown.answer = platform::ShowMessageBox({"\xD6\xD0\xCE\xC4", "\xB4\xED\xCE\xF3", style, nullptr});
  return shown;
}

TEST(MessageBox, ShowsGbkTextsAndAnswersWithTheButtonPressed) {
  const std::tuple<uint32_t, QMessageBox::StandardButton, int> cases[] = {
      {0x10, QMessageBox::Ok, platform::kOk},
      {0x01, QMessageBox::Cancel, platform::kCancel},
      {0x02, QMessageBox::Abort, platform::kAbort},
      {0x02, QMessageBox::Ignore, platform::kIgnore},
      {0x03, QMessageBox::Yes, platform::kYes},
      {0x04, QMessageBox::No, platform::kNo},
      {0x05, QMessageBox::Retry, platform::kRetry},
  };
  for (const auto& [style, press, answer] : cases) {
    const Shown shown = ShowAndPress(style, press);
    EXPECT_EQ(shown.answer, answer) << style;
    EXPECT_EQ(shown.title, QString::fromUtf8("错误"));
    EXPECT_EQ(shown.text, QString::fromUtf8("中文"));
  }
  EXPECT_EQ(ShowAndPress(0x10, QMessageBox::Ok).icon, QMessageBox::Critical);
}

}  // namespace
