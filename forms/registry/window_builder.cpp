// The steps of opening a window, in order. Events are suppressed while the
// window is built, so nothing a control does at creation reaches a handler.
#include "forms/registry/window_builder.h"

#include <QCursor>
#include <QPointer>
#include <QWidget>

#include "forms/registry/box_captions.h"
#include "forms/registry/event_dispatch.h"
#include "forms/registry/mouse_pointer.h"
#include "forms/kinds/window.h"
#include "forms/registry/window_registry.h"
#include "runtime/event_suppression.h"

namespace forms {
namespace {

constexpr int32_t kCreationEvents[] = {0, 3, 4};

bool CreateUnit(LoadedWindow& window, size_t unit, QWidget* parent) {
  const UnitRecord& record = window.tmpl.units[unit];
  const KindInfo* kind = FindKind(record.kind);
  if (kind == nullptr) return false;
  window.unit_slots[unit].control = kind->create({parent, &record, window.window_id()});
  return window.ControlAt(unit) != nullptr && window.ControlAt(unit)->widget() != nullptr;
}

// Unit 0 first, then the controls from the last unit to unit 1.
bool CreateAll(LoadedWindow& window) {
  if (!CreateUnit(window, 0, nullptr)) return false;
  QWidget* top = window.WindowControl()->widget();
  for (size_t unit = window.tmpl.units.size() - 1; unit >= 1; --unit)
    if (!CreateUnit(window, unit, top)) return false;
  return true;
}

// The unit of the control a unit names as its parent, or nothing for the window.
std::optional<size_t> ParentUnit(const LoadedWindow& window, size_t unit) {
  const uint32_t parent_id = window.tmpl.units[unit].parent_id;
  const auto parent = parent_id != 0 ? window.UnitIndex(parent_id) : std::nullopt;
  if (!parent || *parent == 0 || *parent == unit || window.ControlAt(*parent) == nullptr) return std::nullopt;
  return parent;
}

// A control that names a parent control moves into it, keeping its coordinates.
void Reparent(LoadedWindow& window, size_t unit) {
  const auto parent = ParentUnit(window, unit);
  if (!parent) return;
  QWidget* widget = window.ControlAt(unit)->widget();
  const QRect geometry = widget->geometry();
  widget->setParent(window.ControlAt(*parent)->widget());
  widget->setGeometry(geometry);
}

void ReparentAll(LoadedWindow& window) {
  for (size_t unit = 1; unit < window.tmpl.units.size(); ++unit) Reparent(window, unit);
}

// Template order among siblings, the first unit on top: lowering each in turn
// leaves the last at the bottom.
void Stack(LoadedWindow& window) {
  for (size_t unit = 1; unit < window.tmpl.units.size(); ++unit) window.ControlAt(unit)->widget()->lower();
}

void SetMousePointer(LoadedWindow& window, size_t unit) {
  UnitSlots& slot = window.unit_slots[unit];
  slot.pointer = MakeMousePointer(window.tmpl.units[unit].mouse_pointer);
  if (slot.pointer) slot.control->widget()->setCursor(*slot.pointer);
}

void SetMousePointers(LoadedWindow& window) {
  for (size_t unit = 0; unit < window.tmpl.units.size(); ++unit) SetMousePointer(window, unit);
}

void ShowIfVisible(LoadedWindow& window, size_t unit) {
  window.ControlAt(unit)->widget()->setVisible((window.tmpl.units[unit].flags & UnitRecord::kVisible) != 0);
}

void CompleteAndShowControls(LoadedWindow& window) {
  for (size_t unit = window.tmpl.units.size(); unit-- > 0;) window.ControlAt(unit)->WindowComplete();
  for (size_t unit = 1; unit < window.tmpl.units.size(); ++unit) ShowIfVisible(window, unit);
}

void RaiseCreationEvents(LoadedWindow& window) {
  for (int32_t event : kCreationEvents) {
    if (!window.IsOpen()) return;
    EventRecord record;
    record.window_id = window.window_id();
    record.event = event;
    DispatchEvent(record);
  }
}

// The widget of this window that holds the focus, if any.
QWidget* FocusInside(const LoadedWindow& window) {
  return window.IsOpen() ? window.WindowControl()->widget()->focusWidget() : nullptr;
}

void BringForward(const LoadedWindow& window) {
  QWidget* widget = window.WindowControl()->widget();
  if (widget->isMinimized()) widget->showNormal();
  else widget->activateWindow();
}

bool Build(LoadedWindow& window) {
  if (window.tmpl.units.empty() || !CreateAll(window)) return false;
  ReparentAll(window);
  Stack(window);
  SetMousePointers(window);
  NameBoxesByCaptions(window);
  CompleteAndShowControls(window);
  return true;
}

// Directly below the previous sibling in template order, or on top when first.
void RestoreStackingPlace(LoadedWindow& window, size_t unit) {
  QWidget* widget = window.ControlAt(unit)->widget();
  for (size_t above = unit - 1; above >= 1; --above) {
    const Control* sibling = window.ControlAt(above);
    if (sibling && sibling->widget() && sibling->widget()->parentWidget() == widget->parentWidget())
      return widget->stackUnder(sibling->widget());
  }
  widget->raise();
}

}  // namespace

bool RecreateControl(LoadedWindow& window, size_t unit) {
  if (unit == 0 || unit >= window.tmpl.units.size() || !window.IsOpen() || window.ControlAt(unit) == nullptr)
    return false;
  rt::SuppressEvents();
  const Control* old = window.ControlAt(unit);
  const bool had_focus = old->widget() != nullptr && old->widget()->hasFocus();
  window.tmpl.units[unit].properties = old->CurrentPropertyBytes();
  window.unit_slots[unit].control.reset();
  window.unit_slots[unit].pointer.reset();
  const bool created = CreateUnit(window, unit, window.WindowControl()->widget());
  if (created) {
    Reparent(window, unit);
    RestoreStackingPlace(window, unit);
    SetMousePointer(window, unit);
    NameBoxesByCaptions(window);
    window.ControlAt(unit)->WindowComplete();
    ShowIfVisible(window, unit);
    if (had_focus) window.ControlAt(unit)->widget()->setFocus();
  }
  rt::ResumeEvents();
  return created;
}

bool OpenWindow(uint32_t window_id) {
  LoadedWindow* window = WindowRegistry::Instance().Find(window_id);
  if (window == nullptr) return false;
  if (window->IsOpen()) return BringForward(*window), true;

  // Input already waiting is not delivered here: it reaches handlers from the
  // message loop, once the window is whole.
  rt::SuppressEvents();
  window->kept = window->tmpl.units;
  window->unit_slots.resize(window->tmpl.units.size());
  if (!Build(*window)) {
    window->DestroyControls();
    window->kept.reset();
    rt::ResumeEvents();
    return false;
  }
  QPointer<QWidget> focus = FocusInside(*window);
  rt::ResumeEvents();
  RaiseCreationEvents(*window);
  if (!window->IsOpen()) return true;
  if (window->tmpl.units[0].flags & UnitRecord::kVisible) ShowWindowAsStored(window->WindowControl());
  if (focus && FocusInside(*window) != focus) focus->setFocus();
  return true;
}

}  // namespace forms
