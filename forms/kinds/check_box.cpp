// Check boxes on QCheckBox: creation, the ticked property and the click event.
#include "forms/kinds/check_box.h"

#include <QCheckBox>

#include "forms/kinds/appearance.h"
#include "forms/kinds/caption_font.h"
#include "forms/registry/property_entry.h"
#include "platform/gbk.h"
#include "runtime/type_tag.h"

namespace forms {

CheckBoxControl::CheckBoxControl(const CreateParams& params, CheckBoxSettings settings)
    : WidgetControl(params, std::move(settings)) {
  CreateBox(params);
  ApplyAppearance();
  widget_->setChecked(settings_.ticked == 1);
  // Only a person's click (mouse or space key) is event 0: `clicked` is not
  // emitted by setChecked, unlike `toggled`.
  QObject::connect(widget_, &QCheckBox::clicked, widget_, [this] { RaiseEvent(kClickedEvent); });
}

void CheckBoxControl::CreateBox(const CreateParams& params) {
  widget_ = new QCheckBox(platform::GbkToQString(settings_.caption), params.parent);
  PlaceControlWidget(widget_, *params.unit);
}

void CheckBoxControl::ApplyAppearance() {
  SetTextColour(widget_, settings_.text_colour);
  SetBackground(widget_, settings_.background);
  // The box on the right of its caption.
  if (settings_.caption_left) widget_->setLayoutDirection(Qt::RightToLeft);
  widget_->setFont(FittedButtonFont(widget_, ToQFont(settings_.font), QStyle::SE_CheckBoxContents));
}

std::vector<uint8_t> CheckBoxControl::CurrentPropertyBytes() const {
  CheckBoxSettings current = settings_;
  current.ticked = Ticked();
  return WriteSettings(current);
}

uint32_t CheckBoxControl::Ticked() const { return widget_->isChecked() ? 1 : 0; }

void CheckBoxControl::SetTicked(uint32_t ticked) {
  settings_.ticked = ticked;
  widget_->setChecked(ticked == 1);
}

namespace {

using namespace type_code;
using S = CheckBoxSettings;
constexpr PropertyEntry kProperties[] = {
    Stored<&S::picture>(kPicture),
    Stored<&S::push_like>(kBoolean),
    Stored<&S::flat>(kBoolean),
    Stored<&S::caption>(kText),
    Stored<&S::caption_left>(kBoolean),
    Stored<&S::h_align>(kPick),
    Stored<&S::v_align>(kPick),
    Stored<&S::text_colour>(kColour),
    Stored<&S::background>(kBackgroundColour),
    Stored<&S::font>(kFont),
    Live<&CheckBoxControl::Ticked, &CheckBoxControl::SetTicked>(kBoolean),
    Stored<&S::data_source>(kDataSource),
    Stored<&S::data_column>(kDataColumn),
};

}  // namespace

const KindInfo kCheckBoxKind{rt::tag::kCheckBox, kProperties, &Create<CheckBoxControl, ReadCheckBoxSettings>};

}  // namespace forms
