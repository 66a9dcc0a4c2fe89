// A window host for runtime tests: one registered window with tagged units,
// loaded or not, and a platform window pointer to hand out.
#pragma once

#include <map>

#include "runtime/window_host.h"

namespace runtime_test {

class FakeWindowHost : public rt::WindowHost {
 public:
  uint32_t window_id = 0x52010001;
  std::string window_tag = "main";
  std::map<uint32_t, std::string> unit_tags = {{0, "own unit"}, {0x16010001, "button"}};
  bool loaded = true;
  void* platform_window = reinterpret_cast<void*>(0x1234);

  void LoadTemplates(const uint8_t*, uint32_t, const rt::ProcedureTable*) override {}
  bool OpenWindow(uint32_t id) override { return id == window_id; }
  uint64_t ReadProperty(uint32_t, uint32_t, int32_t, int32_t) override { return 0; }
  void WriteProperty(uint32_t, uint32_t, int32_t, int32_t, uint64_t) override {}
  void* LiveObject(uint32_t id, uint32_t) override { return Live(id) ? this : nullptr; }
  void* PlatformWindow(uint32_t id, uint32_t) override { return Live(id) ? platform_window : nullptr; }
  bool AnyWindowAlive() override { return false; }
  std::optional<std::string> WindowTag(uint32_t id) override {
    return id == window_id ? std::optional(window_tag) : std::nullopt;
  }
  std::optional<std::string> UnitTag(uint32_t id, uint32_t control_id) override {
    const auto unit = unit_tags.find(control_id);
    if (id != window_id || unit == unit_tags.end()) return std::nullopt;
    return unit->second;
  }
  void Shutdown() override {}

 private:
  bool Live(uint32_t id) const { return loaded && id == window_id; }
};

// Installs a host for the scope of a test.
class ScopedWindowHost {
 public:
  explicit ScopedWindowHost(rt::WindowHost* host) { rt::SetWindowHost(host); }
  ~ScopedWindowHost() { rt::SetWindowHost(nullptr); }
};

}  // namespace runtime_test
