// Combo boxes on QComboBox: creation, the current-item property and the
// stored item list.
#include "forms/kinds/combo_box.h"

#include <algorithm>
#include <climits>
#include <numeric>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "forms/kinds/item_height_delegate.h"
#include "forms/registry/property_entry.h"
#include "forms/kinds/appearance.h"
#include "forms/kinds/caption_font.h"
#include "forms/kinds/widget_styling.h"
#include "platform/gbk.h"
#include "runtime/type_tag.h"

namespace forms {
namespace {


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

}  // namespace

ComboBoxControl::ComboBoxControl(const CreateParams& params, ComboBoxSettings settings)
    : WidgetControl(params, std::move(settings)) {
  CreateBox(params);
  ApplyAppearance();
  AddItems();
  FitItems();
  SetCurrentItem(std::clamp<int64_t>(settings_.current_item, -1, int64_t(ItemCount()) - 1));
  ApplyEditPart();
  // `activated` comes from a person's choice only; `currentIndexChanged`
  // would also fire on program changes.
  QObject::connect(widget_, &QComboBox::activated, widget_, [this] { RaiseEvent(kChosenEvent); });
}

void ComboBoxControl::CreateBox(const CreateParams& params) {
  widget_ = new QComboBox(params.parent);
  widget_->setEditable(settings_.type != ComboBoxSettings::kDropDownList);
  PlaceControlWidget(widget_, *params.unit);
  // The stored height covers box and list; the list gets what the box leaves.
  if (settings_.type != ComboBoxSettings::kSimple) {
    const int dropped = std::max(params.unit->height, kLeastDroppedHeight);
    widget_->view()->setMinimumHeight(std::max(0, dropped - widget_->height()));
  }
}

void ComboBoxControl::ApplyAppearance() {
  SetFieldColours(widget_, settings_.text_colour, settings_.background);
  if (settings_.extra_item_height != 0) {
    QAbstractItemDelegate* base = widget_->itemDelegate();
    widget_->setItemDelegate(
        new ItemHeightDelegate(base, int32_t(settings_.extra_item_height), widget_));
  }
}

void ComboBoxControl::AddItems() {
  if (settings_.sorted) SortItems(settings_);
  for (size_t i = 0; i < settings_.items.size(); ++i) {
    const QVariant value =
        i < settings_.item_values.size() ? QVariant(settings_.item_values[i]) : QVariant();
    widget_->addItem(platform::GbkToQString(settings_.items[i]), value);
  }
}

// A font in which every item fits the box's text field, whichever is chosen.
void ComboBoxControl::FitItems() {
  QStyleOptionComboBox option;
  option.initFrom(widget_);
  option.editable = widget_->isEditable();
  const QSize field =
      widget_->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, widget_).size();
  widget_->setFont(FittedFont(ToQFont(settings_.font), [&](const QFontMetrics& metrics) {
    for (int item = 0; item < widget_->count(); ++item)
      if (!TextFits(metrics, widget_->itemText(item), field)) return false;
    return metrics.height() <= field.height();
  }));
}

void ComboBoxControl::ApplyEditPart() {
  QLineEdit* edit = widget_->lineEdit();
  if (edit == nullptr) return;
  if (settings_.text_limit > 0) edit->setMaxLength(int(std::min<uint32_t>(settings_.text_limit, INT32_MAX)));
  edit->setText(platform::GbkToQString(settings_.content));
  const int length = int(edit->text().size());
  const int start = std::clamp(int(settings_.selection_start), 0, length);
  edit->setSelection(start, std::clamp(int(settings_.selection_length), 0, length - start));
}

// Out-of-range items clear the choice, as the platform does.
void ComboBoxControl::SetCurrentItem(int64_t item) {
  widget_->setCurrentIndex(item >= 0 && item < widget_->count() ? int(item) : -1);
}

int ComboBoxControl::ItemCount() const { return int(settings_.items.size()); }

std::string ComboBoxControl::ItemText(int index) const {
  if (index < 0 || index >= ItemCount()) return {};
  return settings_.items[size_t(index)];
}

int ComboBoxControl::CurrentItem() const { return widget_->currentIndex(); }

std::string ComboBoxControl::ContentText() const {
  const QLineEdit* edit = widget_->lineEdit();
  return edit ? platform::QStringToGbk(edit->text()) : settings_.content;
}

void ComboBoxControl::SetContentText(const std::string& text) {
  settings_.content = text;
  if (QLineEdit* edit = widget_->lineEdit()) edit->setText(platform::GbkToQString(text));
}

std::vector<uint8_t> ComboBoxControl::CurrentPropertyBytes() const {
  ComboBoxSettings current = settings_;
  current.current_item = CurrentItem();
  current.content = ContentText();
  return WriteSettings(current);
}

namespace {

// The item texts as one byte block: each text followed by a NUL.
std::string ItemsBlock(const ComboBoxControl& box) {
  std::string block;
  for (const std::string& item : box.settings().items) block.append(item).push_back('\0');
  return block;
}

std::vector<uint8_t> ItemValuesBlock(const ComboBoxControl& box) {
  return WriteItemValuesBlock(box.settings().item_values);
}

using namespace type_code;
using S = ComboBoxSettings;
constexpr PropertyEntry kProperties[] = {
    Stored<&S::type>(kPick),
    Live<&ComboBoxControl::ContentText, &ComboBoxControl::SetContentText>(kText),
    Stored<&S::text_limit>(kInteger2),
    Stored<&S::selection_start>(kInteger2),
    Stored<&S::selection_length>(kInteger2),
    Unstored(kText),  // the selected text
    Stored<&S::sorted>(kBoolean),
    Stored<&S::extra_item_height>(kInteger2),
    Stored<&S::text_colour>(kColour),
    Stored<&S::background>(kBackgroundColour),
    Stored<&S::font>(kFont),
    Live<&ComboBoxControl::CurrentItem, &ComboBoxControl::SetCurrentItem>(kInteger2),
    Live<&ItemsBlock>(kByteData),
    Live<&ItemValuesBlock>(kByteData),
    Stored<&S::data_source>(kDataSource),
    Stored<&S::data_column>(kDataColumn),
    Stored<&S::version3_flag>(kBoolean),
};

}  // namespace

const KindInfo kComboBoxKind{rt::tag::kComboBox, kProperties, &Create<ComboBoxControl, ReadComboBoxSettings>};

}  // namespace forms
