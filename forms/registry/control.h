// A created control: the object a unit record becomes when its window opens.
// Each kind derives from Control, owns its Qt widget and describes its
// properties in one table of its KindInfo.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "forms/template/kind_settings.h"
#include "forms/template/template_model.h"

class QWidget;

namespace forms {

// Property type codes: they decide how the property layer converts values.
namespace type_code {
constexpr uint16_t kInteger = 1000, kInteger2 = 1001, kDouble = 1002, kBoolean = 1003;
constexpr uint16_t kDateTime = 1004, kText = 1005, kPick = 1006;
constexpr uint16_t kPicture = 1009, kIcon = 1010, kMousePointer = 1011, kSound = 1012, kFont = 1013;
constexpr uint16_t kColour = 1014, kColour2 = 1015, kHelpFile = 1016, kBackgroundColour = 1017;
constexpr uint16_t kDataSource = 1018, kDataColumn = 1020, kImageList = 1023, kByteData = 1024;
}  // namespace type_code

// What a kind's property entries exchange with the property layer.
struct PropertyValue {
  int64_t number = 0;   // integers, picks, booleans (0/1), colours, 64-bit values
  std::string bytes;    // texts (GBK, no terminator) and byte data
  std::optional<FontDescription> font;
};

class Control {
 public:
  Control(uint32_t window_id, uint32_t control_id) : window_id_(window_id), control_id_(control_id) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  virtual QWidget* widget() const = 0;
  // The window and all its controls exist.
  virtual void WindowComplete() {}
  // Brings the live widget in line with settings a property write changed;
  // false when only building the control anew can show them.
  virtual bool ShowSettings() { return false; }
  // The control's settings as property bytes, including what the user changed
  // since it was created, so that a control built anew from them looks the same.
  virtual std::vector<uint8_t> CurrentPropertyBytes() const = 0;

  uint32_t window_id() const { return window_id_; }
  uint32_t control_id() const { return control_id_; }

 protected:
  // Hands an event of this control to the dispatch path; returns the
  // handler's result, or nothing when no handler ran.
  std::optional<int32_t> RaiseEvent(int32_t event, std::initializer_list<int32_t> args = {});

 private:
  uint32_t window_id_;
  uint32_t control_id_;
};

// One property of a kind: its type code, and how a control of the kind reads
// and writes the value (property_entry.h builds them). A write answers true
// when the control must be built anew to show the value.
struct PropertyEntry {
  uint16_t type_code;
  PropertyValue (*read)(Control& control);
  bool (*write)(Control& control, PropertyValue&& value);  // may take the value's bytes
};

struct CreateParams {
  QWidget* parent = nullptr;     // the window's widget for controls; null for the window itself
  const UnitRecord* unit = nullptr;
  uint32_t window_id = 0;
};

// One control kind: its code (a TypeTag of runtime/type_tag.h), its property
// table (entry i is property index 8 + i) and its create operation (null on
// failure, for example a settings version above the kind's highest).
struct KindInfo {
  uint32_t code;
  std::span<const PropertyEntry> properties;
  std::unique_ptr<Control> (*create)(const CreateParams& params);
};

// Places a control's new widget as its unit stores it: geometry in the
// parent's client area, disabled when flagged, focusable by Tab only when a
// tab stop. Kinds call it in create before their own adjustments.
void PlaceControlWidget(QWidget* widget, const UnitRecord& unit);

// Deletes a control's widget. While a handler runs, the widget may be the one
// whose signal raised it: it is then hidden, cut off from its control and
// deleted once control returns to the event loop.
void DisposeWidget(QWidget* widget);

// The registered kinds; null for an unknown code.
const KindInfo* FindKind(uint32_t code);

}  // namespace forms
