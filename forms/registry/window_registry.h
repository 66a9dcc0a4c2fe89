// The registry of loaded windows: every window of the templates in template
// order, its working unit list with the run-time slots, the copy kept while it
// is open, and the procedure table that handler offsets index.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "forms/registry/control.h"
#include "forms/template/template_model.h"
#include "runtime/program.h"

class QCursor;

namespace forms {

// A WindowId is looked up only when its low 24 bits and bits 24-27 are both non-zero.
constexpr bool IsWellFormedWindowId(uint32_t id) {
  return (id & 0x00FFFFFF) != 0 && (id & 0x0F000000) != 0;
}

// The run-time slots of one unit: the created control and mouse-pointer handle.
struct UnitSlots {
  UnitSlots();
  ~UnitSlots();
  UnitSlots(UnitSlots&&) noexcept;
  UnitSlots& operator=(UnitSlots&&) noexcept;

  std::unique_ptr<Control> control;
  std::unique_ptr<QCursor> pointer;
};

struct LoadedWindow {
  WindowTemplate tmpl;                  // the working unit list is tmpl.units
  std::vector<UnitSlots> unit_slots;    // parallel to tmpl.units
  std::optional<std::vector<UnitRecord>> kept;  // the units as they were when opened

  uint32_t window_id() const { return tmpl.window_id; }
  // Position of the unit with this ControlId (0 = the window's own unit), or nothing.
  std::optional<size_t> UnitIndex(uint32_t control_id) const;
  // The created control of a unit, or null.
  Control* ControlAt(size_t unit) const;
  Control* WindowControl() const { return ControlAt(0); }
  // The window's platform window exists.
  bool IsOpen() const;
  // Destroys every created control, children before the controls they were
  // placed in, the window itself last; clears the run-time slots.
  void DestroyControls();
};

class WindowRegistry {
 public:
  static WindowRegistry& Instance();

  // Registers the windows in order (replacing any earlier registration).
  void Register(std::vector<WindowTemplate> windows, const rt::ProcedureTable* code);
  // Drops every window and control without any event or bookkeeping.
  void Clear();

  // The registered window with this WindowId, or null (also when ill-formed).
  LoadedWindow* Find(uint32_t window_id);
  std::vector<std::unique_ptr<LoadedWindow>>& windows() { return windows_; }

  // The procedure at a handler offset; null for no handler or an offset past the table.
  rt::Procedure Handler(uint32_t offset) const;

 private:
  std::vector<std::unique_ptr<LoadedWindow>> windows_;
  const rt::ProcedureTable* code_ = nullptr;
};

}  // namespace forms
