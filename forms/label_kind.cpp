// The label kind: our own painted widget. It fills its rectangle with the
// background colour and draws the caption on one line (or wrapped), with no
// prefix processing, in the stored alignment.
#include "forms/label_kind.h"

#include <QPainter>
#include <QWidget>

#include "forms/appearance.h"
#include "forms/settings_control.h"
#include "platform/gbk.h"

namespace forms {
namespace {

const PropertyEntry kProperties[] = {
    {"caption", type_code::kText},           {"effect", type_code::kPick},
    {"border", type_code::kPick},            {"gradient frame width", type_code::kInteger2},
    {"frame colour 1", type_code::kColour2}, {"frame colour 2", type_code::kColour2},
    {"frame colour 3", type_code::kColour2}, {"font", type_code::kFont},
    {"text colour", type_code::kColour},     {"background colour", type_code::kBackgroundColour},
    {"background picture", type_code::kPicture}, {"background picture mode", type_code::kPick},
    {"gradient background mode", type_code::kPick}, {"gradient colour 1", type_code::kColour2},
    {"gradient colour 2", type_code::kColour2}, {"gradient colour 3", type_code::kColour2},
    {"horizontal alignment", type_code::kPick}, {"word wrap", type_code::kBoolean},
    {"vertical alignment", type_code::kPick}, {"data source", 1018},
    {"data column", 1020},
};
const StoredField<LabelSettings> kFields[] = {
    &LabelSettings::caption,       &LabelSettings::effect,        &LabelSettings::border,
    &LabelSettings::frame_width,   &LabelSettings::frame_colour1, &LabelSettings::frame_colour2,
    &LabelSettings::frame_colour3, &LabelSettings::font,          &LabelSettings::text_colour,
    &LabelSettings::background,    &LabelSettings::picture,       &LabelSettings::picture_mode,
    &LabelSettings::gradient_mode, &LabelSettings::gradient1,     &LabelSettings::gradient2,
    &LabelSettings::gradient3,     &LabelSettings::h_align,       &LabelSettings::word_wrap,
    &LabelSettings::v_align,       &LabelSettings::data_source,   &LabelSettings::data_column,
};
static_assert(std::size(kProperties) == std::size(kFields));

// The painted surface; it reads the settings of its control on every paint.
class LabelWidget : public QWidget {
 public:
  LabelWidget(QWidget* parent, const LabelSettings& settings) : QWidget(parent), settings_(settings) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
  }

  int TextFlags() const {
    const int h = int(HorizontalAlignment(settings_.h_align));
    if (settings_.word_wrap != 0) return h | Qt::AlignTop | Qt::TextWordWrap;
    return h | int(VerticalAlignment(settings_.v_align)) | Qt::TextSingleLine;
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(settings_.background));
    if (settings_.border != 0) {
      painter.setPen(palette().color(QPalette::Dark));
      painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.setFont(ToQFont(settings_.font));
    const QString caption = platform::GbkToQString(settings_.caption);
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
      : SettingsControl(params, std::move(settings), kFields) {
    widget_ = new LabelWidget(params.parent, settings_);
    PlaceControlWidget(widget_, *params.unit);
  }

 protected:
  void ApplySettings() override { widget_->update(); }
};

std::unique_ptr<Control> CreateLabel(const CreateParams& params) {
  auto settings = ReadLabelSettings(params.unit->properties);
  if (!settings) return nullptr;
  return std::make_unique<LabelControl>(params, std::move(*settings));
}

}  // namespace

const KindInfo kLabelKind{0x0001000A, kProperties, true, &CreateLabel};

}  // namespace forms
