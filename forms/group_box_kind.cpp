// The group box kind: a captioned frame; the window builder places the
// controls that name it as parent inside it.
#include "forms/group_box_kind.h"

#include <QGroupBox>

#include "forms/appearance.h"
#include "forms/settings_control.h"
#include "platform/gbk.h"

namespace forms {
namespace {

const PropertyEntry kProperties[] = {
    {"caption", type_code::kText}, {"caption alignment", type_code::kPick},
    {"text colour", type_code::kColour}, {"background colour", type_code::kBackgroundColour},
    {"font", type_code::kFont},
};
const StoredField<GroupBoxSettings> kFields[] = {
    &GroupBoxSettings::caption, &GroupBoxSettings::caption_alignment, &GroupBoxSettings::text_colour,
    &GroupBoxSettings::background, &GroupBoxSettings::font,
};
static_assert(std::size(kProperties) == std::size(kFields));

class GroupBoxControl : public SettingsControl<GroupBoxSettings, QGroupBox> {
 public:
  GroupBoxControl(const CreateParams& params, GroupBoxSettings settings)
      : SettingsControl(params, std::move(settings), kFields) {
    widget_ = new QGroupBox(params.parent);
    PlaceControlWidget(widget_, *params.unit);
    widget_->setFocusPolicy(Qt::NoFocus);
    ApplySettings();
  }

 protected:
  void ApplySettings() override {
    widget_->setTitle(platform::GbkToQString(settings_.caption));
    widget_->setAlignment(HorizontalAlignment(settings_.caption_alignment));
    widget_->setFont(ToQFont(settings_.font));
    SetBackground(widget_, settings_.background);
    SetTextColour(widget_, settings_.text_colour);
  }
};

std::unique_ptr<Control> CreateGroupBox(const CreateParams& params) {
  auto settings = ReadGroupBoxSettings(params.unit->properties);
  if (!settings) return nullptr;
  return std::make_unique<GroupBoxControl>(params, std::move(*settings));
}

}  // namespace

const KindInfo kGroupBoxKind{0x00010009, kProperties, true, &CreateGroupBox};

}  // namespace forms
