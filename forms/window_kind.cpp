// The window kind: a fixed-size top-level widget. Closing it (close box,
// system menu, Esc) destroys the window's controls through the unload path.
#include "forms/window_kind.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include "forms/appearance.h"
#include "forms/event_dispatch.h"
#include "forms/settings_control.h"
#include "forms/window_keys.h"
#include "forms/window_unload.h"
#include "platform/gbk.h"

namespace forms {
namespace {

using type_code::kBoolean, type_code::kPick, type_code::kText;
const PropertyEntry kProperties[] = {
    {"caption", kText},          {"border", kPick},
    {"background colour", type_code::kBackgroundColour}, {"background picture", type_code::kPicture},
    {"background picture mode", kPick}, {"background sound", type_code::kSound},
    {"sound play count", kPick}, {"control button", kBoolean},
    {"maximise button", kBoolean}, {"minimise button", kBoolean},
    {"position", kPick},         {"movable", kBoolean},
    {"icon", type_code::kIcon},  {"Enter moves focus", kBoolean},
    {"Esc closes", kBoolean},    {"F1 opens help", kBoolean},
    {"help file", type_code::kHelpFile}, {"help context", type_code::kInteger2},
    {"shown in task bar", kBoolean}, {"move by dragging anywhere", kBoolean},
    {"shape", kPick},            {"always on top", kBoolean},
    {"keep caption bar active", kBoolean}, {"window class name", kText},
};
const StoredField<WindowSettings> kFields[] = {
    &WindowSettings::caption,          &WindowSettings::border,
    &WindowSettings::background,       &WindowSettings::background_picture,
    &WindowSettings::picture_mode,     &WindowSettings::background_sound,
    &WindowSettings::sound_play_count, &WindowSettings::control_button,
    &WindowSettings::max_button,       &WindowSettings::min_button,
    &WindowSettings::position,         &WindowSettings::movable,
    &WindowSettings::icon,             &WindowSettings::enter_moves_focus,
    &WindowSettings::esc_closes,       &WindowSettings::f1_help,
    &WindowSettings::help_file,        &WindowSettings::help_context,
    &WindowSettings::show_in_taskbar,  &WindowSettings::drag_anywhere,
    &WindowSettings::shape,            &WindowSettings::always_on_top,
    &WindowSettings::keep_caption_active, &WindowSettings::class_name,
};
static_assert(std::size(kProperties) == std::size(kFields));
constexpr int kPositionEntry = 10;

class WindowWidget : public QWidget {
 public:
  explicit WindowWidget(uint32_t window_id) : window_id_(window_id) {}
  bool closing() const { return closing_; }

 protected:
  // A handler may close the window from inside a control's own signal; the
  // controls then go once the handler has returned, not under its feet.
  void closeEvent(QCloseEvent* event) override {
    event->accept();
    closing_ = true;
    if (!HandlerRunning()) return UnloadWindow(window_id_);
    const uint32_t id = window_id_;
    QMetaObject::invokeMethod(QCoreApplication::instance(), [id] { UnloadWindow(id); }, Qt::QueuedConnection);
  }

 private:
  uint32_t window_id_;
  bool closing_ = false;
};

Qt::WindowFlags FlagsFor(const WindowSettings& s) {
  if (s.border == 0) return Qt::Window | Qt::FramelessWindowHint;
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (s.border == 3 || s.border == 4) flags |= Qt::Tool;
  if (s.control_button != 0) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (s.min_button != 0) flags |= Qt::WindowMinimizeButtonHint;
  if (s.max_button != 0) flags |= Qt::WindowMaximizeButtonHint;
  if (s.always_on_top != 0) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

class WindowControl : public SettingsControl<WindowSettings, WindowWidget> {
 public:
  WindowControl(const CreateParams& params, WindowSettings settings)
      : SettingsControl(params, std::move(settings), kFields) {
    widget_ = new WindowWidget(params.window_id);
    const UnitRecord& unit = *params.unit;
    widget_->setFixedSize(std::max(unit.width, 0), std::max(unit.height, 0));
    widget_->move(StoredPosition(unit));
    widget_->setEnabled((unit.flags & UnitRecord::kDisabled) == 0);
    widget_->setFont(ToQFont(std::nullopt));
    // Frame and caption-bar buttons are fixed at creation: changing Qt's
    // window flags later would hide the window.
    widget_->setWindowFlags(FlagsFor(settings_));
    ApplySettings();
    InstallWindowKeyRules();
  }
  ~WindowControl() override {
    // Inside its own close event the widget cannot be deleted at once.
    if (widget_ && widget_->closing()) {
      widget_->deleteLater();
      widget_ = nullptr;
    }
  }

  PropertyValue Get(int entry) override {
    if (entry != kPositionEntry || !widget_) return SettingsControl::Get(entry);
    PropertyValue value;
    value.number = widget_->isMinimized() ? 2 : widget_->isMaximized() ? 3 : 0;
    return value;
  }

  void Show() {
    if (settings_.position == 2) widget_->showMinimized();
    else widget_->show();
    widget_->raise();
    widget_->activateWindow();
  }

 protected:
  void ApplySettings() override {
    widget_->setWindowTitle(platform::GbkToQString(settings_.caption));
    SetBackground(widget_, settings_.background);
    QPixmap icon;
    if (!settings_.icon.empty() && icon.loadFromData(settings_.icon.data(), uint(settings_.icon.size())))
      widget_->setWindowIcon(icon);
  }

 private:
  // Position 1 centres the window on the screen; otherwise the stored left and top.
  QPoint StoredPosition(const UnitRecord& unit) const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (settings_.position != 1 || screen == nullptr) return {unit.left, unit.top};
    const QRect area = screen->geometry();
    return {(area.width() - unit.width) / 2, (area.height() - unit.height) / 2};
  }
};

std::unique_ptr<Control> CreateWindow(const CreateParams& params) {
  auto settings = ReadWindowSettings(params.unit->properties);
  if (!settings) return nullptr;
  return std::make_unique<WindowControl>(params, std::move(*settings));
}

}  // namespace

const KindInfo kWindowKind{0x00010001, kProperties, true, &CreateWindow};

void ShowWindowAsStored(Control* window) {
  if (auto* control = dynamic_cast<WindowControl*>(window); control && control->widget()) control->Show();
}

bool EnterMovesFocus(const Control* window) {
  const auto* control = dynamic_cast<const WindowControl*>(window);
  return control != nullptr && control->settings().enter_moves_focus != 0;
}

bool EscClosesWindow(const Control* window) {
  const auto* control = dynamic_cast<const WindowControl*>(window);
  return control != nullptr && control->settings().esc_closes != 0;
}

}  // namespace forms
