// The byte layout of the window templates: the window table, window blocks,
// unit areas and unit records, shared by ReadTemplates and WriteTemplates.
#include "forms/template/template_format.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "forms/template/byte_reader.h"
#include "forms/template/byte_writer.h"

namespace forms {
namespace {

// A word the format keeps for run-time use: written 0, ignored on reading.
template <class V>
void UnusedWord(V& v) {
  uint32_t unused = 0;
  v.Field(unused);
}

// A u32 count followed by the items.
template <class V, class Items, class Layout>
void Sequence(V& v, Items& items, size_t min_item_bytes, Layout&& layout) {
  uint32_t count = static_cast<uint32_t>(items.size());
  v.Field(count);
  v.Resize(items, count, min_item_bytes);
  for (auto& item : items) layout(v, item);
}

template <class V, class Menu>
void MenuItemFields(V& v, Menu& menu) {
  v.Field(menu.settings);
  v.ZText(menu.caption);
  v.Field(menu.handler_offset);
}

template <class V, class Unit>
void ControlFields(V& v, Unit& unit) {
  UnusedWord(v);  // control object
  for (auto* edge : {&unit.left, &unit.top, &unit.width, &unit.height}) v.Field(*edge);
  UnusedWord(v);  // mouse-pointer handle
  v.Field(unit.parent_id);
  Sequence(v, unit.children, sizeof(uint32_t), [](auto& inner, auto& child) { inner.Field(child); });
  v.Block(unit.mouse_pointer);
  v.ZText(unit.tag);
  UnusedWord(v);
  v.Field(unit.flags);
  UnusedWord(v);
  Sequence(v, unit.events, 2 * sizeof(uint32_t), [](auto& inner, auto& binding) {
    inner.Field(binding.event);
    inner.Field(binding.handler_offset);
  });
  v.Field(unit.reserved2);
  v.Rest(unit.properties);
}

// The content of one unit record (after its length word).
template <class V, class Unit>
void UnitFields(V& v, Unit& unit) {
  v.Field(unit.kind);
  v.Field(unit.event_source);
  v.Field(unit.reserved);
  v.ZText(unit.name);
  v.ZText(unit.remark);
  if (unit.kind == rt::tag::kMenuItem) {
    MenuItemFields(v, unit.menu);
  } else {
    ControlFields(v, unit);
  }
}

// True when no two records share a byte. Records are found by offset, in
// any order, but a shared record would let a small area decode into a huge
// number of copies of itself.
bool RecordsApart(const ByteReader& area, size_t records_start, const std::vector<uint32_t>& offsets) {
  std::vector<std::pair<size_t, size_t>> spans;  // [start, end) of each record
  for (uint32_t offset : offsets) {
    ByteReader record = area.From(records_start + offset);
    uint32_t length = 0;
    record.Field(length);
    if (!record.ok()) return false;
    spans.emplace_back(records_start + offset, records_start + offset + 4 + size_t{length});
  }
  std::sort(spans.begin(), spans.end());
  for (size_t i = 1; i < spans.size(); ++i)
    if (spans[i].first < spans[i - 1].second) return false;
  return true;
}

// Unit area: U ControlIds, U record offsets counted from 8·U, then the
// records. Reading finds each record by its offset; writing lays them out in
// unit order.
void UnitArea(ByteReader& area, std::vector<UnitRecord>& units, uint32_t unit_count) {
  area.Require(unit_count > 0);  // unit 0 is the window's own unit
  area.Resize(units, unit_count, 2 * sizeof(uint32_t));
  for (UnitRecord& unit : units) area.Field(unit.control_id);
  std::vector<uint32_t> offsets(units.size());
  for (uint32_t& offset : offsets) area.Field(offset);
  const size_t records_start = 2 * sizeof(uint32_t) * size_t{unit_count};
  area.Require(area.ok() && RecordsApart(area, records_start, offsets));
  for (size_t i = 0; i < units.size() && area.ok(); ++i) {
    ByteReader record = area.From(records_start + offsets[i]);
    record.Nested([&](ByteReader& content) { UnitFields(content, units[i]); });
    area.Require(record.ok());
    units[i].is_menu_item = units[i].kind == rt::tag::kMenuItem;
  }
}

void UnitArea(ByteWriter& area, const std::vector<UnitRecord>& units, uint32_t) {
  std::vector<ByteWriter> records(units.size());
  for (size_t i = 0; i < units.size(); ++i)
    records[i].Nested([&](ByteWriter& content) { UnitFields(content, units[i]); });
  for (const UnitRecord& unit : units) area.Field(unit.control_id);
  uint32_t offset = 0;
  for (const ByteWriter& record : records) {
    area.Field(offset);
    offset += static_cast<uint32_t>(record.bytes().size());
  }
  for (const ByteWriter& record : records) area.Rest(record.bytes());
}

template <class V, class Window>
void WindowBlock(V& v, Window& window) {
  v.Field(window.word1);
  v.Field(window.word2);
  v.CountedText(window.text1);
  v.CountedText(window.text2);
  uint32_t unit_count = static_cast<uint32_t>(window.units.size());
  v.Field(unit_count);
  v.Nested([&](auto& area) { UnitArea(area, window.units, unit_count); });
}

// Window table (u32 length, 8 bytes per window: the WindowIds, then one
// run-time slot each), then one window block per window.
template <class V, class Windows>
void TemplateFields(V& v, Windows& windows) {
  constexpr uint32_t kTableBytesPerWindow = 8;
  uint32_t table_length = static_cast<uint32_t>(windows.size()) * kTableBytesPerWindow;
  v.Field(table_length);
  v.Require(table_length % kTableBytesPerWindow == 0);
  v.Resize(windows, table_length / kTableBytesPerWindow, kTableBytesPerWindow);
  for (auto& window : windows) v.Field(window.window_id);
  for (size_t i = 0; i < windows.size(); ++i) UnusedWord(v);
  for (auto& window : windows) WindowBlock(v, window);
}

}  // namespace

std::optional<std::vector<WindowTemplate>> ReadTemplates(const uint8_t* data, size_t size) {
  std::vector<WindowTemplate> windows;
  ByteReader reader(data, size);
  TemplateFields(reader, windows);
  if (!reader.ok()) return std::nullopt;
  return windows;
}

std::vector<uint8_t> WriteTemplates(const std::vector<WindowTemplate>& windows) {
  ByteWriter writer;
  TemplateFields(writer, windows);
  return writer.Take();
}

}  // namespace forms
