// The label kind: our own painted widget. It fills its rectangle with the
// background colour and draws the caption on one line (or wrapped), with no
// prefix processing, in the stored alignment and a font that fits it.
#include "forms/kinds/label.h"

#include <QLabel>
#include <QPainter>

#include "forms/kinds/appearance.h"
#include "forms/kinds/caption_font.h"
#include "forms/registry/property_entry.h"
#include "forms/kinds/settings_control.h"
#include "platform/gbk.h"
#include "runtime/type_tag.h"

namespace forms {
namespace {

// The painted surface; it reads the settings of its control on every paint.
// It is a QLabel only for what Qt does with one: screen readers read its
// text, and as a box's buddy it gives the box its name. Its own painting
// replaces QLabel's.
class LabelWidget : public QLabel {
 public:
  LabelWidget(QWidget* parent, const LabelSettings& settings) : QLabel(parent), settings_(settings) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setTextFormat(Qt::PlainText);
  }

  int TextFlags() const {
    const int h = int(HorizontalAlignment(settings_.h_align));
    if (settings_.word_wrap != 0) return h | Qt::AlignTop | Qt::TextWordWrap;
    return h | int(VerticalAlignment(settings_.v_align)) | Qt::TextSingleLine;
  }

  QString Caption() const { return platform::GbkToQString(settings_.caption); }

  // The caption for Qt, with "&" doubled: the label processes no prefix, so
  // no letter of it may become a shortcut to its buddy.
  void ShowCaption() {
    setText(Caption().replace('&', QStringLiteral("&&")));
    const QString caption = Caption();
    const int flags = TextFlags();
    setFont(FittedFont(ToQFont(settings_.font), [&](const QFontMetrics& metrics) {
      return TextFits(metrics, caption, size(), flags);
    }));
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(settings_.background));
    if (settings_.border != 0) {
      painter.setPen(palette().color(QPalette::Dark));
      painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const QString caption = Caption();
    DrawEffect(painter, caption);
    painter.setPen(ToQColor(settings_.text_colour));
    painter.drawText(rect(), TextFlags(), caption);
  }

 private:
  // Effects 1-3: an offset copy of the caption drawn first (white, or black).
  void DrawEffect(QPainter& painter, const QString& caption) {
    if (settings_.effect < 1 || settings_.effect > 3) return;
    const int offset = settings_.effect == 3 ? 2 : 1;
    painter.setPen(settings_.effect == 1 ? Qt::white : Qt::black);
    painter.drawText(rect().translated(offset, offset), TextFlags(), caption);
  }

  const LabelSettings& settings_;
};

class LabelControl : public SettingsControl<LabelSettings, LabelWidget> {
 public:
  LabelControl(const CreateParams& params, LabelSettings settings)
      : SettingsControl(params, std::move(settings)) {
    widget_ = new LabelWidget(params.parent, settings_);
    PlaceControlWidget(widget_, *params.unit);
    widget_->ShowCaption();
  }

 protected:
  void ApplySettings() override { widget_->ShowCaption(); }
};

using namespace type_code;
using S = LabelSettings;
constexpr PropertyEntry kProperties[] = {
    Stored<&S::caption>(kText),         Stored<&S::effect>(kPick),
    Stored<&S::border>(kPick),          Stored<&S::frame_width>(kInteger2),
    Stored<&S::frame_colour1>(kColour2), Stored<&S::frame_colour2>(kColour2),
    Stored<&S::frame_colour3>(kColour2), Stored<&S::font>(kFont),
    Stored<&S::text_colour>(kColour),   Stored<&S::background>(kBackgroundColour),
    Stored<&S::picture>(kPicture),      Stored<&S::picture_mode>(kPick),
    Stored<&S::gradient_mode>(kPick),   Stored<&S::gradient1>(kColour2),
    Stored<&S::gradient2>(kColour2),    Stored<&S::gradient3>(kColour2),
    Stored<&S::h_align>(kPick),         Stored<&S::word_wrap>(kBoolean),
    Stored<&S::v_align>(kPick),         Stored<&S::data_source>(kDataSource),
    Stored<&S::data_column>(kDataColumn),
};

}  // namespace

const KindInfo kLabelKind{rt::tag::kLabel, kProperties, &Create<LabelControl, ReadLabelSettings>};

void SetLabelledBox(Control* label, QWidget* box) {
  if (auto* control = dynamic_cast<LabelControl*>(label); control && control->widget())
    static_cast<QLabel*>(control->widget())->setBuddy(box);
}

}  // namespace forms
