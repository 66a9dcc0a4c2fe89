// The window kind: a fixed-size top-level widget. Closing it (close box,
// system menu, Esc) destroys the window's controls through the unload path.
#include "forms/kinds/window.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include "forms/kinds/appearance.h"
#include "forms/kinds/icon_image.h"
#include "forms/registry/event_dispatch.h"
#include "forms/registry/property_entry.h"
#include "forms/kinds/settings_control.h"
#include "forms/kinds/window_keys.h"
#include "forms/registry/window_unload.h"
#include "platform/application.h"
#include "platform/gbk.h"
#include "platform/wait_gate.h"
#include "runtime/type_tag.h"

namespace forms {
namespace {

class WindowWidget : public QWidget {
  Q_OBJECT

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
    platform::PostAfterCurrentEvent([id] { UnloadWindow(id); });  // not inside a search the handler waits on
  }

 private:
  uint32_t window_id_;
  bool closing_ = false;
};

// Qt presents a plain top-level widget as a client area; a screen reader
// announces a main window as a frame.
QAccessibleInterface* WindowAccessible(const QString&, QObject* object) {
  auto* window = qobject_cast<WindowWidget*>(object);
  return window ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

void SetIcon(QWidget* window, const Block& icon) {
  if (icon.empty()) return;
  QPixmap pixmap = QPixmap::fromImage(IconImage(icon));
  if (!pixmap.isNull() || pixmap.loadFromData(icon.data(), uint(icon.size()))) window->setWindowIcon(pixmap);
}

Qt::WindowFlags FlagsFor(const WindowSettings& s) {
  if (s.border == WindowSettings::kBorderless) return Qt::Window | Qt::FramelessWindowHint;
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (s.border == WindowSettings::kSizableTool || s.border == WindowSettings::kFixedTool) flags |= Qt::Tool;
  if (s.control_button != 0) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (s.min_button != 0) flags |= Qt::WindowMinimizeButtonHint;
  if (s.max_button != 0) flags |= Qt::WindowMaximizeButtonHint;
  if (s.always_on_top != 0) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

class WindowControl : public SettingsControl<WindowSettings, WindowWidget> {
 public:
  WindowControl(const CreateParams& params, WindowSettings settings)
      : SettingsControl(params, std::move(settings)) {
    [[maybe_unused]] static const bool accessible = (QAccessible::installFactory(&WindowAccessible), true);
    const UnitRecord& unit = *params.unit;
    // A fixed window cannot be made smaller by its user: if it does not fit
    // the screen at the desktop's scale, all of the interface is scaled down.
    platform::ScaleToFitScreen(QSize(std::max(unit.width, 0), std::max(unit.height, 0)));
    widget_ = new WindowWidget(params.window_id);
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

  // Reads give 2 while minimised, 3 while maximised, else 0; writes are stored.
  uint32_t PositionState() const {
    if (!widget_) return settings_.position;
    using S = WindowSettings;
    return widget_->isMinimized() ? S::kMinimised : widget_->isMaximized() ? S::kMaximised : S::kStoredPlace;
  }
  void StorePosition(uint32_t position) { settings_.position = position; }

  void Show() {
    if (settings_.position == WindowSettings::kMinimised) widget_->showMinimized();
    else widget_->show();
    widget_->raise();
    widget_->activateWindow();
  }

 protected:
  void ApplySettings() override {
    widget_->setWindowTitle(platform::GbkToQString(settings_.caption));
    widget_->setPalette(WindowPalette(settings_.background));
    widget_->setAutoFillBackground(true);
    SetIcon(widget_, settings_.icon);
  }

 private:
  // Position 1 centres the window in the available area (panels left out) of
  // the screen it opens on, wherever that screen lies, and never above or left
  // of it, where its caption bar could not be reached; otherwise the stored
  // left and top.
  QPoint StoredPosition(const UnitRecord& unit) const {
    const QScreen* screen = widget_->screen();
    if (settings_.position != WindowSettings::kCentred || screen == nullptr) return {unit.left, unit.top};
    const QRect area = screen->availableGeometry();
    return {std::max(area.x(), area.x() + (area.width() - unit.width) / 2),
            std::max(area.y(), area.y() + (area.height() - unit.height) / 2)};
  }
};

using namespace type_code;
using S = WindowSettings;
constexpr PropertyEntry kProperties[] = {
    Stored<&S::caption>(kText),
    Stored<&S::border>(kPick),
    Stored<&S::background>(kBackgroundColour),
    Stored<&S::background_picture>(kPicture),
    Stored<&S::picture_mode>(kPick),
    Stored<&S::background_sound>(kSound),
    Stored<&S::sound_play_count>(kPick),
    Stored<&S::control_button>(kBoolean),
    Stored<&S::max_button>(kBoolean),
    Stored<&S::min_button>(kBoolean),
    Live<&WindowControl::PositionState, &WindowControl::StorePosition>(kPick),
    Stored<&S::movable>(kBoolean),
    Stored<&S::icon>(kIcon),
    Stored<&S::enter_moves_focus>(kBoolean),
    Stored<&S::esc_closes>(kBoolean),
    Stored<&S::f1_help>(kBoolean),
    Stored<&S::help_file>(kHelpFile),
    Stored<&S::help_context>(kInteger2),
    Stored<&S::show_in_taskbar>(kBoolean),
    Stored<&S::drag_anywhere>(kBoolean),
    Stored<&S::shape>(kPick),
    Stored<&S::always_on_top>(kBoolean),
    Stored<&S::keep_caption_active>(kBoolean),
    Stored<&S::class_name>(kText),
};

}  // namespace

const KindInfo kWindowKind{rt::tag::kWindow, kProperties, &Create<WindowControl, ReadWindowSettings>};

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

#include "window.moc"
