// Windows for the forms tests: templates built as structs, run through the
// byte format and the window host, with handlers that log what reached them.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <string>
#include <vector>

#include "forms/registry/control.h"
#include "forms/registry/event_dispatch.h"
#include "forms/registry/forms_host.h"
#include "forms/template/kind_settings.h"
#include "forms/template/template_format.h"
#include "forms/registry/window_registry.h"
#include "forms/registry/window_unload.h"
#include "runtime/event_suppression.h"
#include "runtime/type_tag.h"
#include "runtime/window_host.h"

namespace forms_testing {

using forms::EventBinding;
using forms::UnitRecord;
using forms::WindowTemplate;

constexpr uint32_t kWindowId = 0x52010001;
constexpr uint32_t kWindowUnitId = 0x06010000;
constexpr uint32_t kWindowKindCode = rt::tag::kWindow, kButtonKindCode = rt::tag::kButton;
constexpr uint32_t kLabelKindCode = rt::tag::kLabel, kGroupBoxKindCode = rt::tag::kGroupBox;
constexpr uint32_t kVisibleTabStop = UnitRecord::kVisible | UnitRecord::kTabStop;

// One entry per handler call: the handler number and whether the window was
// visible then.
struct HandlerCall {
  int handler;
  bool window_visible;
};
inline std::vector<HandlerCall>& Calls() {
  static std::vector<HandlerCall> calls;
  return calls;
}

template <int N>
void Handler() {
  auto* window = static_cast<QWidget*>(rt::GetWindowHost()->PlatformWindow(kWindowId, 0));
  Calls().push_back({N, window != nullptr && window->isVisible()});
}
inline void CloseWindowHandler() { static_cast<QWidget*>(rt::GetWindowHost()->PlatformWindow(kWindowId, 0))->close(); }
inline const rt::Procedure kProcedures[] = {&Handler<0>, &Handler<1>, &Handler<2>, &Handler<3>, &CloseWindowHandler};
inline const rt::ProcedureTable kCode{kProcedures, 5};
constexpr uint32_t kCloseWindowHandler = 4;

inline UnitRecord Unit(uint32_t kind, uint32_t id, std::vector<uint8_t> properties, QRect geometry,
                       uint32_t flags = kVisibleTabStop, std::vector<EventBinding> events = {}) {
  UnitRecord unit;
  unit.kind = kind;
  unit.control_id = id;
  unit.left = geometry.x(), unit.top = geometry.y(), unit.width = geometry.width(), unit.height = geometry.height();
  unit.flags = flags;
  unit.properties = std::move(properties);
  unit.events = std::move(events);
  return unit;
}

inline UnitRecord WindowUnit(forms::WindowSettings settings = {}, std::vector<EventBinding> events = {}) {
  settings.caption = "Test";
  settings.esc_closes = 1;
  return Unit(kWindowKindCode, kWindowUnitId, forms::WriteSettings(settings), {50, 50, 300, 200},
              UnitRecord::kVisible, std::move(events));
}

inline UnitRecord Button(uint32_t id, std::string caption, int left, std::vector<EventBinding> events = {},
                         uint32_t type = 0) {
  forms::ButtonSettings settings;
  settings.caption = std::move(caption);
  settings.type = type;
  return Unit(kButtonKindCode, id, forms::WriteSettings(settings), {left, 10, 60, 24}, kVisibleTabStop,
              std::move(events));
}

inline WindowTemplate Window(std::vector<UnitRecord> units) {
  WindowTemplate window;
  window.window_id = kWindowId;
  window.units = std::move(units);
  return window;
}

// Installs the host and loads the windows through the byte format.
inline void Load(const std::vector<WindowTemplate>& windows, const rt::ProcedureTable* code = &kCode) {
  forms::InstallWindowHost();
  const std::vector<uint8_t> bytes = forms::WriteTemplates(windows);
  rt::GetWindowHost()->LoadTemplates(bytes.data(), uint32_t(bytes.size()), code);
}

inline forms::LoadedWindow& Registered() { return *forms::WindowRegistry::Instance().Find(kWindowId); }
inline QWidget* WidgetOf(uint32_t control_id) {
  return static_cast<QWidget*>(rt::GetWindowHost()->PlatformWindow(kWindowId, control_id));
}

class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override { Calls().clear(); }
  void TearDown() override {
    forms::WindowRegistry::Instance().Clear();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    while (rt::EventsSuppressed()) rt::ResumeEvents();
  }
  void Open(std::vector<UnitRecord> units) {
    Load({Window(std::move(units))});
    ASSERT_TRUE(rt::GetWindowHost()->OpenWindow(kWindowId));
  }
};

}  // namespace forms_testing
