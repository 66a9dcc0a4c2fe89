// The window's Tab, Enter and Esc rules, as an application event filter that
// sees every key before the focused widget does.
#include "forms/kinds/window_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

#include "forms/kinds/button.h"
#include "forms/kinds/window.h"
#include "forms/registry/window_registry.h"

namespace forms {
namespace {

// The open window whose top-level widget is top, or null.
LoadedWindow* WindowOf(const QWidget* top) {
  for (auto& window : WindowRegistry::Instance().windows())
    if (window->IsOpen() && window->WindowControl()->widget() == top) return window.get();
  return nullptr;
}

// The window's focus widget (kept also while the window is not active).
const QWidget* FocusWidget(const LoadedWindow& window) { return window.WindowControl()->widget()->focusWidget(); }

// The unit whose control's widget holds the focus widget, or nothing.
std::optional<size_t> FocusedUnit(const LoadedWindow& window) {
  for (const QWidget* w = FocusWidget(window); w != nullptr; w = w->parentWidget())
    for (size_t i = 1; i < window.unit_slots.size(); ++i)
      if (const Control* control = window.ControlAt(i); control && control->widget() == w) return i;
  return std::nullopt;
}

bool IsTabStop(const LoadedWindow& window, size_t unit) {
  const Control* control = window.ControlAt(unit);
  if (control == nullptr || control->widget() == nullptr) return false;
  const QWidget* widget = control->widget();
  return (window.tmpl.units[unit].flags & UnitRecord::kTabStop) != 0 &&
         widget->isVisibleTo(window.WindowControl()->widget()) && widget->isEnabled();
}

// A multi-line edit box that is not read-only takes Enter as a line break.
bool FocusKeepsEnter(const LoadedWindow& window) {
  for (const QWidget* w = FocusWidget(window); w != nullptr; w = w->parentWidget()) {
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w)) return !plain->isReadOnly();
    if (const auto* rich = qobject_cast<const QTextEdit*>(w)) return !rich->isReadOnly();
  }
  return false;
}

bool IsEnabledDefaultButton(const LoadedWindow& window, size_t unit) {
  const Control* control = window.ControlAt(unit);
  return control != nullptr && control->widget() != nullptr && control->widget()->isEnabled() &&
         IsDefaultButton(control);
}

class KeyRules : public QObject {
 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !target->isWidgetType()) return false;
    LoadedWindow* window = WindowOf(static_cast<QWidget*>(target)->window());
    if (window == nullptr) return false;
    return Apply(*window, static_cast<QKeyEvent*>(event)->key());
  }

 private:
  static bool Apply(LoadedWindow& window, int key) {
    switch (key) {
      case Qt::Key_Tab: return MoveFocus(window, true), true;
      case Qt::Key_Backtab: return MoveFocus(window, false), true;
      case Qt::Key_Return:
      case Qt::Key_Enter: return HandleEnter(window);
      case Qt::Key_Escape: return CloseOnEsc(window);
      default: return false;
    }
  }

  static bool CloseOnEsc(LoadedWindow& window) {
    if (!EscClosesWindow(window.WindowControl())) return false;
    window.WindowControl()->widget()->close();
    return true;
  }
};

}  // namespace

void InstallWindowKeyRules() {
  static QPointer<KeyRules> installed;
  if (installed || QApplication::instance() == nullptr) return;
  installed = new KeyRules;
  installed->setParent(QApplication::instance());
  QApplication::instance()->installEventFilter(installed);
}

bool MoveFocus(LoadedWindow& window, bool forward) {
  const size_t count = window.unit_slots.size();
  if (count < 2) return false;
  const size_t start = FocusedUnit(window).value_or(forward ? count - 1 : 1);
  size_t unit = start;
  for (size_t step = 1; step < count; ++step) {
    unit = forward ? (unit % (count - 1)) + 1 : (unit == 1 ? count - 1 : unit - 1);
    if (IsTabStop(window, unit)) {
      window.ControlAt(unit)->widget()->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return false;
}

bool HandleEnter(LoadedWindow& window) {
  if (FocusKeepsEnter(window)) return false;
  const auto focused = FocusedUnit(window);
  if (focused && IsEnabledDefaultButton(window, *focused)) return PressButton(window.ControlAt(*focused));
  if (EnterMovesFocus(window.WindowControl())) return MoveFocus(window, true), true;
  for (size_t unit = 1; unit < window.unit_slots.size(); ++unit)
    if (IsEnabledDefaultButton(window, unit)) return PressButton(window.ControlAt(unit));
  return true;  // Enter with no default button does nothing
}

}  // namespace forms
