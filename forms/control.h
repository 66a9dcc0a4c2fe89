// A created control: the object a unit record becomes when its window opens.
// Each kind derives from Control, owns its Qt widget and one property table.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "forms/kind_settings.h"
#include "forms/template_model.h"

class QWidget;

namespace forms {

// Property type codes: they decide how the property layer converts values.
namespace type_code {
constexpr uint16_t kInteger = 1000, kInteger2 = 1001, kDouble = 1002, kBoolean = 1003;
constexpr uint16_t kDateTime = 1004, kText = 1005, kPick = 1006;
constexpr uint16_t kPicture = 1009, kIcon = 1010, kMousePointer = 1011, kSound = 1012, kFont = 1013;
constexpr uint16_t kColour = 1014, kColour2 = 1015, kHelpFile = 1016, kBackgroundColour = 1017;
constexpr uint16_t kImageList = 1023, kByteData = 1024;
}  // namespace type_code

struct PropertyEntry {
  const char* name;  // ASCII, for diagnostics and tests
  uint16_t type_code;
};

// What a kind's get and set exchange with the property layer.
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
  // Kind-local property entry (global index - 8).
  virtual PropertyValue Get(int entry) = 0;
  // Returns true when the control must be built anew from its unit record.
  virtual bool Set(int entry, const PropertyValue& value) = 0;
  // The window and all its controls exist.
  virtual void WindowComplete() {}
  // The control's current settings as property bytes, stored into its unit
  // before it is built anew; nothing keeps the unit's bytes as they are.
  virtual std::optional<std::vector<uint8_t>> CurrentPropertyBytes() const { return std::nullopt; }

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

struct CreateParams {
  QWidget* parent = nullptr;     // the window's widget for controls; null for the window itself
  const UnitRecord* unit = nullptr;
  int platform_number = 0;       // 100, 110, 120 ... in creation order
  uint32_t window_id = 0;
};

// One control kind: code, property table, and its create operation
// (null on failure, for example a settings version above the kind's highest).
struct KindInfo {
  uint32_t code;
  std::span<const PropertyEntry> properties;
  bool raises_events;
  std::unique_ptr<Control> (*create)(const CreateParams& params);
};

// Places a control's new widget as its unit stores it: geometry in the
// parent's client area, disabled when flagged, focusable by Tab only when a
// tab stop. Kinds call it in create before their own adjustments.
void PlaceControlWidget(QWidget* widget, const UnitRecord& unit);

// The registered kinds; null for an unknown code.
const KindInfo* FindKind(uint32_t code);

}  // namespace forms
