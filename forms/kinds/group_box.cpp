// The group box kind: a captioned frame; the window builder places the
// controls that name it as parent inside it.
#include "forms/kinds/group_box.h"

#include <algorithm>

#include <QGroupBox>
#include <QPainter>
#include <qdrawutil.h>

#include "forms/kinds/appearance.h"
#include "forms/kinds/caption_font.h"
#include "forms/registry/property_entry.h"
#include "forms/kinds/settings_control.h"
#include "platform/gbk.h"
#include "runtime/type_tag.h"

namespace forms {
namespace {

constexpr int kCaptionIndent = 8;

// A group box drawn as the template has it: an etched frame whose top line
// runs through the middle of the caption. The caption is placed by its ink,
// from the top edge down: the controls inside start just below the caption's
// place, and the space a tall Chinese face keeps above and below its glyphs
// (which the styles' own group boxes reserve) would push it into them.
class GroupBoxWidget : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

  // The room the caption's glyphs may take: the width inside the indents, and
  // the height above the highest control placed in the box.
  QSize CaptionRoom() const {
    int top = height();
    for (const QObject* child : children())
      if (child->isWidgetType()) top = std::min(top, static_cast<const QWidget*>(child)->y());
    return {width() - 2 * kCaptionIndent, top - 1};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // The glyphs' box, relative to the point the caption is drawn from.
    const QRect glyphs = title().isEmpty() ? QRect() : metrics.tightBoundingRect(title());
    const int frame_top = glyphs.height() / 2;
    qDrawShadeRect(&painter, 0, frame_top, width(), height() - frame_top, palette(), true);
    if (glyphs.isEmpty()) return;
    const int left = CaptionLeft(glyphs.width());
    painter.fillRect(QRect(left - 2, 0, glyphs.width() + 4, glyphs.height()), palette().window());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(left - glyphs.left(), -glyphs.top(), title());
  }

 private:
  int CaptionLeft(int caption_width) const {
    const Qt::Alignment alignment = QGroupBox::alignment();
    if (alignment & Qt::AlignHCenter) return (width() - caption_width) / 2;
    if (alignment & Qt::AlignRight) return width() - kCaptionIndent - caption_width;
    return kCaptionIndent;
  }
};

class GroupBoxControl : public SettingsControl<GroupBoxSettings, GroupBoxWidget> {
 public:
  GroupBoxControl(const CreateParams& params, GroupBoxSettings settings)
      : SettingsControl(params, std::move(settings)) {
    widget_ = new GroupBoxWidget(params.parent);
    PlaceControlWidget(widget_, *params.unit);
    widget_->setFocusPolicy(Qt::NoFocus);
    ApplySettings();
  }

  // The controls placed inside bound the caption's height.
  void WindowComplete() override { FitCaption(); }

 protected:
  void ApplySettings() override {
    widget_->setTitle(platform::GbkToQString(settings_.caption));
    widget_->setAlignment(HorizontalAlignment(settings_.caption_alignment));
    SetBackground(widget_, settings_.background);
    SetTextColour(widget_, settings_.text_colour);
    FitCaption();
  }

 private:
  void FitCaption() {
    const QSize room = widget_->CaptionRoom();
    widget_->setFont(FittedFont(ToQFont(settings_.font), [&](const QFontMetrics& metrics) {
      const QRect ink = metrics.tightBoundingRect(widget_->title());
      return ink.width() <= room.width() && ink.height() <= room.height();
    }));
    widget_->update();
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
