// The button kind: a push button raising event 0 on click; type 1 marks the
// window's default button, which only the window's Enter rules act on.
#include "forms/kinds/button.h"

#include <QPushButton>

#include "forms/kinds/appearance.h"
#include "forms/kinds/caption_font.h"
#include "forms/registry/property_entry.h"
#include "forms/kinds/settings_control.h"
#include "platform/gbk.h"
#include "runtime/type_tag.h"

namespace forms {
namespace {

const char* TextAlignStyle(uint32_t h_align) {
  switch (h_align) {
    case kAlignLeft: return "text-align: left;";
    case kAlignRight: return "text-align: right;";
    default: return "";
  }
}

}  // namespace

class ButtonControl : public SettingsControl<ButtonSettings, QPushButton> {
 public:
  ButtonControl(const CreateParams& params, ButtonSettings settings)
      : SettingsControl(params, std::move(settings)) {
    widget_ = new QPushButton(params.parent);
    PlaceControlWidget(widget_, *params.unit);
    // Enter is the window's business, never Qt's default-button habit.
    widget_->setAutoDefault(false);
    widget_->setDefault(false);
    ApplySettings();
    QObject::connect(widget_, &QPushButton::clicked, [this] { Press(); });
  }

  bool IsDefault() const { return settings_.type == ButtonSettings::kDefaultButton; }
  void Press() { RaiseEvent(0); }

 protected:
  void ApplySettings() override {
    widget_->setText(platform::GbkToQString(settings_.caption));
    SetAlignmentStyle(TextAlignStyle(settings_.h_align));
    // The style reserves a margin beside the caption only in its size hint; it
    // is kept here too, so that the caption never touches the frame.
    const int margin = widget_->style()->pixelMetric(QStyle::PM_ButtonMargin) / 2;
    widget_->setFont(FittedButtonFont(widget_, ToQFont(settings_.font), QStyle::SE_PushButtonContents, margin));
  }

 private:
  // A style sheet cuts the button off its window's palette, so a button with
  // one keeps the palette it has.
  void SetAlignmentStyle(const char* sheet) {
    const QPalette palette = widget_->palette();
    widget_->setStyleSheet(sheet);
    if (*sheet != '\0') widget_->setPalette(palette);
  }
};

bool IsDefaultButton(const Control* control) {
  const auto* button = dynamic_cast<const ButtonControl*>(control);
  return button != nullptr && button->IsDefault();
}

bool PressButton(Control* control) {
  auto* button = dynamic_cast<ButtonControl*>(control);
  if (button == nullptr) return false;
  button->Press();
  return true;
}

namespace {

using namespace type_code;
using S = ButtonSettings;
constexpr PropertyEntry kProperties[] = {
    Stored<&S::picture>(kPicture), Stored<&S::type>(kPick),    Stored<&S::caption>(kText),
    Stored<&S::h_align>(kPick),    Stored<&S::v_align>(kPick), Stored<&S::font>(kFont),
};

}  // namespace

const KindInfo kButtonKind{rt::tag::kButton, kProperties, &Create<ButtonControl, ReadButtonSettings>};

}  // namespace forms
