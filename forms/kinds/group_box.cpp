// The group box kind: a captioned frame; the window builder places the
// controls that name it as parent inside it.
#include "forms/kinds/group_box.h"

#include <QGroupBox>

#include "forms/kinds/appearance.h"
#include "forms/registry/property_entry.h"
#include "forms/kinds/settings_control.h"
#include "platform/gbk.h"
#include "runtime/type_tag.h"

namespace forms {
namespace {

class GroupBoxControl : public SettingsControl<GroupBoxSettings, QGroupBox> {
 public:
  GroupBoxControl(const CreateParams& params, GroupBoxSettings settings)
      : SettingsControl(params, std::move(settings)) {
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

using namespace type_code;
using S = GroupBoxSettings;
constexpr PropertyEntry kProperties[] = {
    Stored<&S::caption>(kText),     Stored<&S::caption_alignment>(kPick),
    Stored<&S::text_colour>(kColour), Stored<&S::background>(kBackgroundColour),
    Stored<&S::font>(kFont),
};

}  // namespace

const KindInfo kGroupBoxKind{rt::tag::kGroupBox, kProperties, &Create<GroupBoxControl, ReadGroupBoxSettings>};

}  // namespace forms
