// ShowMessage through the call convention, answered by the message box seam.
#include "runtime/show_message.h"

#include <gtest/gtest.h>

#include "tests/runtime/command_call.h"
#include "tests/runtime/fake_window_host.h"
#include "tests/test_support.h"

namespace {

using runtime_test::Call;
using testing_support::Gbk;
using testing_support::MessageBoxRecorder;

const rt::ArgRecord kStartWindow = rt::ControlArg(0x52010001, 0x06010000, rt::tag::kWindow);

TEST(ShowMessage, ShowsTaskModalWithTheDefaultCaption) {
  MessageBoxRecorder boxes(platform::kOk);
  EXPECT_EQ(Call(rt::ShowMessage, {rt::TextArg(Gbk("请输入正则表达式").c_str()), rt::IntArg(0), rt::kOmitted,
                                   rt::kOmitted}).low(), 0u);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].text, Gbk("请输入正则表达式"));
  EXPECT_EQ(boxes.boxes()[0].caption, Gbk("信息："));
  EXPECT_EQ(boxes.boxes()[0].style, 0x2000u);
  EXPECT_EQ(boxes.boxes()[0].owner, nullptr);
}

TEST(ShowMessage, AddsTaskModalOnlyWhenSystemModalIsClear) {
  const std::pair<int32_t, uint32_t> cases[] = {{0, 0x2000}, {0x24, 0x2024}, {0x1000, 0x1000}, {0x1031, 0x1031}};
  for (const auto& [style, shown] : cases) {
    MessageBoxRecorder boxes;
    Call(rt::ShowMessage, {rt::TextArg("m"), rt::IntArg(style), rt::TextArg("c"), rt::kOmitted});
    EXPECT_EQ(boxes.boxes().at(0).style, shown) << style;
    EXPECT_EQ(boxes.boxes().at(0).caption, "c");
  }
}

TEST(ShowMessage, ReturnsTheButtonIdentifierMinusOne) {
  const std::pair<int, uint32_t> cases[] = {
      {platform::kOk, 0}, {platform::kCancel, 1}, {platform::kAbort, 2}, {platform::kRetry, 3},
      {platform::kIgnore, 4}, {platform::kYes, 5}, {platform::kNo, 6}, {0, 0}, {8, 0}, {-1, 0}};
  for (const auto& [button, code] : cases) {
    MessageBoxRecorder boxes(button);
    EXPECT_EQ(Call(rt::ShowMessage, {rt::TextArg("m"), rt::IntArg(4)}).low(), code) << button;
  }
}

TEST(ShowMessage, FormsTheMessageFromScalarsOnly) {
  void* array = rt::MakePointerArray(0);
  const std::pair<rt::ArgRecord, std::string> cases[] = {
      {rt::IntArg(42), "42"},
      {rt::BoolArg(true), Gbk("真")},
      {rt::DoubleArg(2.5, rt::tag::kDateTime), Gbk("1900年1月1日12时")},
      {rt::PointerArg(nullptr, rt::tag::kText), ""},
      {rt::PointerArg(array, rt::ArrayOf(rt::tag::kText)), ""},
  };
  for (const auto& [value, text] : cases) {
    MessageBoxRecorder boxes;
    Call(rt::ShowMessage, {value, rt::kOmitted, rt::kOmitted, rt::kOmitted});
    EXPECT_EQ(boxes.boxes().at(0).text, text);
  }
  rt::FreeArray(rt::tag::kText, array);
}

TEST(ShowMessage, OwnsTheBoxByALoadedWindowGivenAsFourthArgument) {
  runtime_test::FakeWindowHost host;
  runtime_test::ScopedWindowHost installed(&host);
  auto owner_of = [](std::initializer_list<rt::ArgRecord> args) {
    MessageBoxRecorder boxes;
    Call(rt::ShowMessage, args);
    return boxes.boxes().at(0).owner;
  };
  const rt::ArgRecord m = rt::TextArg("m");
  EXPECT_EQ(owner_of({m, rt::kOmitted, rt::kOmitted, kStartWindow}), host.platform_window);
  EXPECT_EQ(owner_of({m, rt::kOmitted, rt::kOmitted, rt::IntArg(0x1234)}), nullptr);
  EXPECT_EQ(owner_of({m, rt::kOmitted, rt::kOmitted, rt::ControlArg(0x52010002, 0, rt::tag::kWindow)}), nullptr);
  EXPECT_EQ(owner_of({m, rt::kOmitted, rt::kOmitted}), nullptr);
  host.loaded = false;
  EXPECT_EQ(owner_of({m, rt::kOmitted, rt::kOmitted, kStartWindow}), nullptr);
}

}  // namespace
