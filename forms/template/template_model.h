// The window templates as the program stores them, decoded: windows, their
// unit records and event bindings. The byte format lives in template_format.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/type_tag.h"

namespace forms {

struct EventBinding {
  int32_t event = 0;
  uint32_t handler_offset = 0xFFFFFFFF;  // index into the procedure table; 0xFFFFFFFF = none

  bool operator==(const EventBinding&) const = default;
};

// A menu item's record after its remark (the main window has none).
struct MenuItemRecord {
  std::array<uint8_t, 12> settings{};
  std::string caption;  // GBK
  uint32_t handler_offset = 0xFFFFFFFF;

  bool operator==(const MenuItemRecord&) const = default;
};

struct UnitRecord {
  uint32_t control_id = 0;
  uint32_t kind = 0;             // library number * 0x10000 + kind number
  uint32_t event_source = 0;     // 0, or the ControlId of a same-kind unit whose bindings this one uses
  std::array<uint8_t, 16> reserved{};
  std::string name;              // GBK
  std::string remark;            // GBK
  // For kind rt::tag::kMenuItem only `menu` is stored, instead of the fields below
  // it. The reader sets is_menu_item from the kind; the writer goes by kind.
  bool is_menu_item = false;
  MenuItemRecord menu;
  int32_t left = 0, top = 0, width = 0, height = 0;
  uint32_t parent_id = 0;        // 0 = the window
  std::vector<uint32_t> children;
  std::vector<uint8_t> mouse_pointer;  // 4 bytes: standard pointer number; longer: a pointer file
  std::string tag;               // GBK
  uint32_t flags = 0;            // bit 0 visible, bit 1 disabled, bit 2 tab stop
  std::vector<EventBinding> events;
  std::array<uint8_t, 20> reserved2{};
  std::vector<uint8_t> properties;  // the kind's property bytes (kind_settings.h), may be empty

  static constexpr uint32_t kVisible = 1, kDisabled = 2, kTabStop = 4;

  bool operator==(const UnitRecord&) const = default;
};

struct WindowTemplate {
  uint32_t window_id = 0;
  uint32_t word1 = 0, word2 = 0;  // kept, unused by building
  std::string text1, text2;       // kept, unused by building
  std::vector<UnitRecord> units;  // unit 0 is the window's own unit

  bool operator==(const WindowTemplate&) const = default;
};

}  // namespace forms
