// The runtime's view of the forms layer. The runtime owns the program's life;
// the forms layer owns windows and controls and plugs itself in here. Until it
// does, no window exists: loading fails, lookups answer "not loaded".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/program.h"

namespace rt {

class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // Reads every window template of the program into the registry. Damaged
  // data raises "载入窗口模板数据段出错!".
  virtual void LoadTemplates(const uint8_t* data, uint32_t size, const ProcedureTable* code) = 0;
  // Opens a window by WindowId; false when it is unknown or cannot be built.
  virtual bool OpenWindow(uint32_t window_id) = 0;
  // Reads and writes a property (see the property access layer).
  virtual uint64_t ReadProperty(uint32_t window_id, uint32_t control_id, int32_t index,
                                int32_t member) = 0;
  virtual void WriteProperty(uint32_t window_id, uint32_t control_id, int32_t index,
                             int32_t member, uint64_t value) = 0;
  // The live window (control_id 0) or control, or null.
  virtual void* LiveObject(uint32_t window_id, uint32_t control_id) = 0;
  // The platform window (a QWidget*) of a live window or control, or null;
  // used as the owner of message boxes.
  virtual void* PlatformWindow(uint32_t window_id, uint32_t control_id) = 0;
  // True while some loaded window still has a live platform window.
  virtual bool AnyWindowAlive() = 0;
  // For the error report: the tag text of a registered window, or nothing
  // when the WindowId is not registered.
  virtual std::optional<std::string> WindowTag(uint32_t window_id) = 0;
  // The tag of a unit of a registered window (control_id 0 = the window's own
  // unit); nothing when there is no such unit or it is a menu item.
  virtual std::optional<std::string> UnitTag(uint32_t window_id, uint32_t control_id) = 0;
  // The program is ending: release every window without further events.
  virtual void Shutdown() = 0;
};

// Installs the forms layer (null removes it).
void SetWindowHost(WindowHost* host);
WindowHost* GetWindowHost();

// Called by the forms layer after a loaded window was destroyed: when no
// window is left and the program is ending, the message loop is asked to end.
void WindowUnloaded();

}  // namespace rt
