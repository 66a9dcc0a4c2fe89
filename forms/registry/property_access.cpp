// Property access: registry lookup, the common properties 0-7, kind
// properties through the kind's table, and re-creation when a kind asks.
#include "forms/registry/property_access.h"

#include <algorithm>

#include <QCursor>
#include <QWidget>

#include "forms/registry/mouse_pointer.h"
#include "forms/registry/property_values.h"
#include "forms/registry/window_builder.h"
#include "forms/registry/window_registry.h"
#include "runtime/errors.h"
#include "runtime/runtime_texts.h"
#include "runtime/values.h"

namespace forms {
namespace {

using namespace property_index;

struct Target {
  LoadedWindow& window;
  size_t unit;
  UnitRecord& record() const { return window.tmpl.units[unit]; }
  QWidget* widget() const {
    const Control* control = window.ControlAt(unit);
    return control ? control->widget() : nullptr;
  }
};

Target Find(uint32_t window_id, uint32_t control_id) {
  LoadedWindow* window = WindowRegistry::Instance().Find(window_id);
  if (window == nullptr) rt::RaiseError(rt::texts::kPropertyWindowNotLoaded, 0, int32_t(window_id), int32_t(control_id));
  const auto unit = window->UnitIndex(control_id);
  if (!unit) rt::RaiseError(rt::texts::kNoSuchWindowOrControl, 0, int32_t(window_id), int32_t(control_id));
  return {*window, *unit};
}

uint64_t Word(int64_t number) { return uint64_t(number); }
uint64_t Word(const void* pointer) { return uint64_t(reinterpret_cast<uintptr_t>(pointer)); }

int32_t ClampCoordinate(int32_t v) { return std::clamp(v, -kCoordinateLimit, kCoordinateLimit); }
int32_t ClampSize(int32_t v) { return std::clamp(v, 0, kCoordinateLimit); }

// Menu items keep caption, ticked, disabled and visible in their record.
uint64_t ReadMenuItem(const UnitRecord& record, int32_t index) {
  if (index == 0) return Word(rt::MakeText(std::string_view(record.menu.caption)));
  if (index < 1 || index > 3) return 0;
  return record.menu.settings[size_t(index - 1) * 4] != 0 ? 1 : 0;
}

void WriteMenuItem(UnitRecord& record, int32_t index, uint64_t value) {
  if (index == 0) record.menu.caption = rt::TextView(static_cast<const char*>(reinterpret_cast<void*>(uintptr_t(value))));
  else if (index >= 1 && index <= 3) record.menu.settings[size_t(index - 1) * 4] = uint32_t(value) != 0;
}

uint64_t ReadCommon(const Target& t, int32_t index) {
  const UnitRecord& r = t.record();
  const QWidget* w = t.widget();
  switch (index) {
    case kLeft: return Word(w ? w->x() : r.left);
    case kTop: return Word(w ? w->y() : r.top);
    case kWidth: return Word(w ? w->width() : r.width);
    case kHeight: return Word(w ? w->height() : r.height);
    case kTag: return Word(rt::MakeText(std::string_view(r.tag)));
    case kVisible: return w ? !w->isHidden() : (r.flags & UnitRecord::kVisible) != 0;
    case kDisabled: return w ? w->testAttribute(Qt::WA_Disabled) : (r.flags & UnitRecord::kDisabled) != 0;
    case kMousePointer: return Word(rt::MakeByteSet(r.mouse_pointer.data(), int64_t(r.mouse_pointer.size())));
    default: return 0;
  }
}

void SetFlag(uint32_t& flags, uint32_t flag, bool on) { flags = on ? (flags | flag) : (flags & ~flag); }

void Resize(QWidget* w, int32_t width, int32_t height) {
  if (w->isWindow()) w->setFixedSize(width, height);
  else w->resize(width, height);
}

void WriteMousePointer(const Target& t, uint64_t value) {
  const void* set = reinterpret_cast<const void*>(uintptr_t(value));
  const uint8_t* bytes = set ? rt::ByteSetBytes(set) : nullptr;
  const int32_t length = rt::ByteSetLength(set);
  t.record().mouse_pointer.assign(bytes, length > 0 ? bytes + length : bytes);
  UnitSlots& slot = t.window.unit_slots[t.unit];
  slot.pointer = MakeMousePointer(t.record().mouse_pointer);
  if (QWidget* w = t.widget()) slot.pointer ? w->setCursor(*slot.pointer) : w->unsetCursor();
}

void WriteCommon(const Target& t, int32_t index, uint64_t value) {
  UnitRecord& r = t.record();
  QWidget* w = t.widget();
  const int32_t number = int32_t(uint32_t(value));
  switch (index) {
    case kLeft: r.left = ClampCoordinate(number); if (w) w->move(r.left, w->y()); break;
    case kTop: r.top = ClampCoordinate(number); if (w) w->move(w->x(), r.top); break;
    case kWidth: r.width = ClampSize(number); if (w) Resize(w, r.width, w->height()); break;
    case kHeight: r.height = ClampSize(number); if (w) Resize(w, w->width(), r.height); break;
    case kTag: r.tag = rt::TextView(reinterpret_cast<const char*>(uintptr_t(value))); break;
    case kVisible: SetFlag(r.flags, UnitRecord::kVisible, number != 0); if (w) w->setVisible(number != 0); break;
    case kDisabled: SetFlag(r.flags, UnitRecord::kDisabled, number != 0); if (w) w->setEnabled(number == 0); break;
    case kMousePointer: WriteMousePointer(t, value); break;
    default: break;
  }
}

// The kind's entry for a global index, or null when the table has none.
const PropertyEntry* KindEntry(const Target& t, int32_t index) {
  const KindInfo* kind = FindKind(t.record().kind);
  const size_t entry = size_t(index - kFirstKindIndex);
  return kind && entry < kind->properties.size() ? &kind->properties[entry] : nullptr;
}

// The created control of the target; a run-time error with `message` when it
// or its widget is gone.
Control& LiveControl(const Target& t, const char* message) {
  Control* control = t.window.ControlAt(t.unit);
  if (control == nullptr || control->widget() == nullptr)
    rt::RaiseError(message, 0, int32_t(t.window.window_id()), int32_t(t.record().control_id));
  return *control;
}

uint64_t ReadKindProperty(const Target& t, int32_t index, int32_t member) {
  Control& control = LiveControl(t, rt::texts::kReadPropertyNoPlatformWindow);
  const PropertyEntry* entry = KindEntry(t, index);
  if (entry == nullptr) return 0;
  return ToPropertyWord(entry->type_code, entry->read(control), member);
}

// A kind whose control cannot show the new value on its live widget has it
// built anew, with events suppressed.
void WriteKindProperty(const Target& t, int32_t index, int32_t member, uint64_t value) {
  Control& control = LiveControl(t, rt::texts::kWritePropertyNoPlatformWindow);
  const PropertyEntry* entry = KindEntry(t, index);
  if (entry == nullptr) return;
  PropertyValue converted = FromPropertyWord(entry->type_code, value, member, [&] { return entry->read(control); });
  if (entry->write(control, std::move(converted))) RecreateControl(t.window, t.unit);
}

}  // namespace

uint64_t ReadProperty(uint32_t window_id, uint32_t control_id, int32_t index, int32_t member) {
  const Target t = Find(window_id, control_id);
  if (t.record().is_menu_item) return ReadMenuItem(t.record(), index);
  if (index >= kFirstKindIndex) return ReadKindProperty(t, index, member);
  return ReadCommon(t, index);
}

void WriteProperty(uint32_t window_id, uint32_t control_id, int32_t index, int32_t member, uint64_t value) {
  const Target t = Find(window_id, control_id);
  if (t.record().is_menu_item) return WriteMenuItem(t.record(), index, value);
  if (index >= kFirstKindIndex) return WriteKindProperty(t, index, member, value);
  WriteCommon(t, index, value);
}

}  // namespace forms
