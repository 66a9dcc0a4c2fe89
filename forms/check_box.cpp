// Check boxes on QCheckBox: creation, the ticked property and the click event.
#include "forms/check_box.h"

#include <QCheckBox>

#include "forms/stored_property.h"
#include "forms/appearance.h"
#include "platform/gbk.h"

namespace forms {
namespace {

using Field = StoredField<CheckBoxSettings>;
using S = CheckBoxSettings;

constexpr PropertyEntry kProperties[] = {
    {"picture", type_code::kPicture},
    {"push-like", type_code::kBoolean},
    {"flat", type_code::kBoolean},
    {"caption", type_code::kText},
    {"caption left of the box", type_code::kBoolean},
    {"horizontal alignment", type_code::kPick},
    {"vertical alignment", type_code::kPick},
    {"text colour", type_code::kColour},
    {"background colour", type_code::kBackgroundColour},
    {"font", type_code::kFont},
    {"ticked", type_code::kBoolean},
    {"data source", 1018},
    {"data column", 1020},
};

const Field kFields[] = {
    &S::picture,    &S::push_like,  &S::flat,        &S::caption,    &S::caption_left,
    &S::h_align,    &S::v_align,    &S::text_colour, &S::background, &S::font,
    &S::ticked,     &S::data_source, &S::data_column,
};
static_assert(std::size(kProperties) == 13 && std::size(kFields) == std::size(kProperties));

std::unique_ptr<Control> CreateCheckBox(const CreateParams& params) {
  std::optional<CheckBoxSettings> settings = ReadCheckBoxSettings(params.unit->properties);
  if (!settings) return nullptr;
  return std::make_unique<CheckBoxControl>(params, std::move(*settings));
}

}  // namespace

const KindInfo kCheckBoxKind{0x0001000C, kProperties, true, CreateCheckBox};

CheckBoxControl::CheckBoxControl(const CreateParams& params, CheckBoxSettings settings)
    : Control(params.window_id, params.unit->control_id), settings_(std::move(settings)) {
  CreateBox(params);
  ApplyAppearance();
  box_->setChecked(settings_.ticked == 1);
  // Only a person's click (mouse or space key) is event 0: `clicked` is not
  // emitted by setChecked, unlike `toggled`.
  QObject::connect(box_, &QCheckBox::clicked, box_, [this] { RaiseEvent(kClickedEvent); });
}

CheckBoxControl::~CheckBoxControl() { delete box_.data(); }

QWidget* CheckBoxControl::widget() const { return box_; }

void CheckBoxControl::CreateBox(const CreateParams& params) {
  box_ = new QCheckBox(platform::GbkToQString(settings_.caption), params.parent);
  PlaceControlWidget(box_, *params.unit);
}

void CheckBoxControl::ApplyAppearance() {
  if (settings_.font) box_->setFont(ToQFont(settings_.font));
  SetTextColour(box_, settings_.text_colour);
  SetBackground(box_, settings_.background);
  // The box on the right of its caption.
  if (settings_.caption_left) box_->setLayoutDirection(Qt::RightToLeft);
}

PropertyValue CheckBoxControl::Get(int entry) {
  if (entry < 0 || entry >= int(std::size(kFields))) return {};
  if (entry == kTickedEntry) settings_.ticked = box_->isChecked() ? 1 : 0;
  return ReadStoredField(settings_, kFields[entry]);
}

// The ticked state is applied to the live box; other entries are stored for
// later reads only.
bool CheckBoxControl::Set(int entry, const PropertyValue& value) {
  if (entry < 0 || entry >= int(std::size(kFields))) return false;
  WriteStoredField(settings_, kFields[entry], value);
  if (entry == kTickedEntry) box_->setChecked(settings_.ticked == 1);
  return false;
}

}  // namespace forms
