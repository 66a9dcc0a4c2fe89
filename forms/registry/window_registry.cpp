// The registry of loaded windows and their run-time slots.
#include "forms/registry/window_registry.h"

#include <algorithm>

#include <QCursor>
#include <QWidget>

namespace forms {

UnitSlots::UnitSlots() = default;
UnitSlots::~UnitSlots() = default;
UnitSlots::UnitSlots(UnitSlots&&) noexcept = default;
UnitSlots& UnitSlots::operator=(UnitSlots&&) noexcept = default;

std::optional<size_t> LoadedWindow::UnitIndex(uint32_t control_id) const {
  if (control_id == 0) return tmpl.units.empty() ? std::nullopt : std::optional<size_t>(0);
  for (size_t i = 0; i < tmpl.units.size(); ++i)
    if (tmpl.units[i].control_id == control_id) return i;
  return std::nullopt;
}

Control* LoadedWindow::ControlAt(size_t unit) const {
  return unit < unit_slots.size() ? unit_slots[unit].control.get() : nullptr;
}

bool LoadedWindow::IsOpen() const {
  const Control* window = WindowControl();
  return window != nullptr && window->widget() != nullptr;
}

// How many parent links lead from a unit to the window (bounded, so a
// damaged parent cycle cannot loop).
static size_t NestingDepth(const LoadedWindow& window, size_t unit) {
  size_t depth = 0;
  for (uint32_t parent = window.tmpl.units[unit].parent_id;
       parent != 0 && depth < window.tmpl.units.size(); ++depth) {
    const auto index = window.UnitIndex(parent);
    if (!index || *index == 0) break;
    parent = window.tmpl.units[*index].parent_id;
  }
  return depth;
}

void LoadedWindow::DestroyControls() {
  std::vector<size_t> order;
  for (size_t i = 1; i < unit_slots.size(); ++i) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
    return NestingDepth(*this, a) > NestingDepth(*this, b);
  });
  if (!unit_slots.empty()) order.push_back(0);
  for (size_t i : order) {
    unit_slots[i].control.reset();
    unit_slots[i].pointer.reset();
  }
}

WindowRegistry& WindowRegistry::Instance() {
  static WindowRegistry registry;
  return registry;
}

void WindowRegistry::Register(std::vector<WindowTemplate> windows, const rt::ProcedureTable* code) {
  Clear();
  code_ = code;
  for (WindowTemplate& tmpl : windows) {
    auto window = std::make_unique<LoadedWindow>();
    window->unit_slots.resize(tmpl.units.size());
    window->tmpl = std::move(tmpl);
    windows_.push_back(std::move(window));
  }
}

void WindowRegistry::Clear() {
  for (auto& window : windows_) window->DestroyControls();
  windows_.clear();
  code_ = nullptr;
}

LoadedWindow* WindowRegistry::Find(uint32_t window_id) {
  if (!IsWellFormedWindowId(window_id)) return nullptr;
  for (auto& window : windows_)
    if (window->window_id() == window_id) return window.get();
  return nullptr;
}

rt::Procedure WindowRegistry::Handler(uint32_t offset) const {
  if (offset == rt::kNoHandler || code_ == nullptr || offset >= code_->count) return nullptr;
  return code_->entries[offset];
}

}  // namespace forms
