// Helpers for the tests of the edit box, check box, combo box and report
// list kinds: one control in an opened test window, its event 0 bound to a
// handler that counts calls and may run a test's own reaction.
#pragma once

#include <functional>
#include <string>

#include <QTest>

#include "forms/registry/property_access.h"
#include "forms/registry/window_registry.h"
#include "runtime/memory.h"
#include "runtime/notify.h"
#include "tests/forms/window_fixture.h"

namespace kinds_testing {

using namespace forms_testing;

constexpr uint32_t kControlId = 0x16010001;

inline int& EventCount() {
  static int count = 0;
  return count;
}
inline std::function<void()>& OnEvent() {
  static std::function<void()> reaction;
  return reaction;
}
inline void CountingHandler() {
  ++EventCount();
  if (OnEvent()) OnEvent()();
}
inline const rt::Procedure kKindProcedures[] = {&CountingHandler};
inline const rt::ProcedureTable kKindCode{kKindProcedures, 1};

class KindTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    EventCount() = 0;
    OnEvent() = nullptr;
  }
  void TearDown() override {
    OnEvent() = nullptr;
    FormsTest::TearDown();
  }

  // Opens the test window holding one control of the kind, event 0 bound.
  void OpenWith(uint32_t kind, std::vector<uint8_t> properties, QRect geometry = {10, 10, 120, 20}) {
    Load({Window({WindowUnit(),
                  Unit(kind, kControlId, std::move(properties), geometry, kVisibleTabStop, {{0, 0}})})},
         &kKindCode);
    ASSERT_TRUE(rt::GetWindowHost()->OpenWindow(kWindowId));
    QWidget* window = WidgetOf(0);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  template <class Kind>
  static Kind& ControlAs() {
    auto* control = static_cast<forms::Control*>(
        reinterpret_cast<void*>(rt::RuntimeNotify(rt::notify::kLiveObject, kWindowId, kControlId)));
    return *dynamic_cast<Kind*>(control);
  }
  static QWidget* Widget() { return WidgetOf(kControlId); }

  static uint64_t Read(int32_t index) {
    return rt::GetWindowHost()->ReadProperty(kWindowId, kControlId, index, -1);
  }
  static void Write(int32_t index, uint64_t value) {
    rt::GetWindowHost()->WriteProperty(kWindowId, kControlId, index, -1, value);
  }
  static void WriteText(int32_t index, const std::string& text) {
    Write(index, uint64_t(uintptr_t(text.c_str())));
  }
  // A text property read; the runtime's copy is freed. Null reads as empty.
  static std::string ReadText(int32_t index) {
    char* text = reinterpret_cast<char*>(uintptr_t(Read(index)));
    std::string result = text ? std::string(text) : std::string();
    rt::RuntimeFree(text);
    return result;
  }
};

}  // namespace kinds_testing
