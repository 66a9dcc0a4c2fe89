// Combo boxes on QComboBox: creation, the current-item property and the
// stored item list.
#include "forms/combo_box.h"

#include <algorithm>
#include <climits>
#include <numeric>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include "forms/item_height_delegate.h"
#include "forms/stored_property.h"
#include "forms/appearance.h"
#include "forms/widget_styling.h"
#include "platform/gbk.h"

namespace forms {
namespace {

using Field = StoredField<ComboBoxSettings>;
using S = ComboBoxSettings;

constexpr PropertyEntry kProperties[] = {
    {"type", type_code::kPick},
    {"content text", type_code::kText},
    {"text limit", type_code::kInteger2},
    {"selection start", type_code::kInteger2},
    {"selection length", type_code::kInteger2},
    {"selected text", type_code::kText},
    {"sorted", type_code::kBoolean},
    {"extra item height", type_code::kInteger2},
    {"text colour", type_code::kColour},
    {"background colour", type_code::kBackgroundColour},
    {"font", type_code::kFont},
    {"current item", type_code::kInteger2},
    {"items", type_code::kByteData},
    {"item values", type_code::kByteData},
    {"data source", 1018},
    {"data column", 1020},
    {"version 3 flag", type_code::kBoolean},
};

const Field kFields[] = {
    &S::type,           &S::content,     &S::text_limit,   &S::selection_start,
    &S::selection_length, std::monostate{}, &S::sorted,    &S::extra_item_height,
    &S::text_colour,    &S::background,  &S::font,         &S::current_item,
    std::monostate{},   std::monostate{}, &S::data_source, &S::data_column,
    &S::version3_flag,
};
static_assert(std::size(kProperties) == 17 && std::size(kFields) == std::size(kProperties));

constexpr uint32_t kDropDownList = 2;

// The item texts as one byte block: each text followed by a NUL.
std::string ItemsBlock(const std::vector<std::string>& items) {
  std::string block;
  for (const std::string& item : items) block.append(item).push_back('\0');
  return block;
}

// The item values as consecutive little-endian 32-bit words.
std::string ItemValuesBlock(const std::vector<uint32_t>& values) {
  std::string block;
  for (uint32_t value : values)
    for (int shift = 0; shift < 32; shift += 8) block.push_back(char((value >> shift) & 0xFF));
  return block;
}

// Sorts the items by their bytes, keeping each stored item value with its item.
void SortItems(ComboBoxSettings& settings) {
  std::vector<size_t> order(settings.items.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return settings.items[a] < settings.items[b]; });
  std::vector<std::string> items;
  std::vector<uint32_t> values;
  for (size_t i : order) {
    items.push_back(std::move(settings.items[i]));
    if (i < settings.item_values.size()) values.push_back(settings.item_values[i]);
  }
  settings.items = std::move(items);
  if (values.size() == settings.item_values.size()) settings.item_values = std::move(values);
}

std::unique_ptr<Control> CreateComboBox(const CreateParams& params) {
  std::optional<ComboBoxSettings> settings = ReadComboBoxSettings(params.unit->properties);
  if (!settings) return nullptr;
  return std::make_unique<ComboBoxControl>(params, std::move(*settings));
}

}  // namespace

const KindInfo kComboBoxKind{0x0001000E, kProperties, true, CreateComboBox};

ComboBoxControl::ComboBoxControl(const CreateParams& params, ComboBoxSettings settings)
    : Control(params.window_id, params.unit->control_id), settings_(std::move(settings)) {
  CreateBox(params);
  ApplyAppearance();
  AddItems();
  SetCurrentItem(std::clamp<int64_t>(settings_.current_item, -1, int64_t(ItemCount()) - 1));
  ApplyEditPart();
  // `activated` comes from a person's choice only; `currentIndexChanged`
  // would also fire on program changes.
  QObject::connect(box_, &QComboBox::activated, box_, [this] { RaiseEvent(kChosenEvent); });
}

ComboBoxControl::~ComboBoxControl() { delete box_.data(); }

QWidget* ComboBoxControl::widget() const { return box_; }

void ComboBoxControl::CreateBox(const CreateParams& params) {
  box_ = new QComboBox(params.parent);
  box_->setEditable(settings_.type != kDropDownList);
  PlaceControlWidget(box_, *params.unit);
  // The stored height covers box and list; the list gets what the box leaves.
  if (settings_.type != 0) {
    const int dropped = std::max(params.unit->height, kLeastDroppedHeight);
    box_->view()->setMinimumHeight(std::max(0, dropped - box_->height()));
  }
}

void ComboBoxControl::ApplyAppearance() {
  if (settings_.font) box_->setFont(ToQFont(settings_.font));
  SetFieldColours(box_, settings_.text_colour, settings_.background);
  if (settings_.extra_item_height != 0) {
    QAbstractItemDelegate* base = box_->itemDelegate();
    box_->setItemDelegate(
        new ItemHeightDelegate(base, int32_t(settings_.extra_item_height), box_));
  }
}

void ComboBoxControl::AddItems() {
  if (settings_.sorted) SortItems(settings_);
  for (size_t i = 0; i < settings_.items.size(); ++i) {
    const QVariant value =
        i < settings_.item_values.size() ? QVariant(settings_.item_values[i]) : QVariant();
    box_->addItem(platform::GbkToQString(settings_.items[i]), value);
  }
}

void ComboBoxControl::ApplyEditPart() {
  QLineEdit* edit = box_->lineEdit();
  if (edit == nullptr) return;
  if (settings_.text_limit > 0) edit->setMaxLength(int(std::min<uint32_t>(settings_.text_limit, INT32_MAX)));
  edit->setText(platform::GbkToQString(settings_.content));
  const int length = int(edit->text().size());
  const int start = std::clamp(int(settings_.selection_start), 0, length);
  edit->setSelection(start, std::clamp(int(settings_.selection_length), 0, length - start));
}

// Out-of-range items clear the choice, as the platform does.
void ComboBoxControl::SetCurrentItem(int64_t item) {
  box_->setCurrentIndex(item >= 0 && item < box_->count() ? int(item) : -1);
}

int ComboBoxControl::ItemCount() const { return int(settings_.items.size()); }

std::string ComboBoxControl::ItemText(int index) const {
  if (index < 0 || index >= ItemCount()) return {};
  return settings_.items[size_t(index)];
}

PropertyValue ComboBoxControl::Get(int entry) {
  if (entry < 0 || entry >= int(std::size(kFields))) return {};
  PropertyValue value;
  if (entry == kCurrentItemEntry) {
    value.number = box_->currentIndex();
  } else if (entry == kItemsEntry) {
    value.bytes = ItemsBlock(settings_.items);
  } else if (entry == kItemValuesEntry) {
    value.bytes = ItemValuesBlock(settings_.item_values);
  } else {
    value = ReadStoredField(settings_, kFields[entry]);
  }
  return value;
}

// The current item is applied to the live box without an event; the item
// lists are not writable; other entries are stored for later reads.
bool ComboBoxControl::Set(int entry, const PropertyValue& value) {
  if (entry < 0 || entry >= int(std::size(kFields))) return false;
  if (entry == kCurrentItemEntry) {
    SetCurrentItem(value.number);
    return false;
  }
  WriteStoredField(settings_, kFields[entry], value);
  return false;
}

}  // namespace forms
