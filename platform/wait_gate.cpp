// The wait's application-wide event filter. Only user input, timer ticks of
// non-widget objects and window closes are stopped; painting, layout, focus
// and queued calls pass, so every window keeps drawing itself. And the
// carrier that runs a call after the current event.
#include "platform/wait_gate.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace platform {
namespace {

// Everything a person does with keyboard, mouse, wheel, touch, pen or a drag;
// the pointer merely passing over a window (hover, enter) is not input.
bool IsUserInput(const QEvent& event) {
  switch (event.type()) {
    case QEvent::Enter:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
      return false;
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::Gesture:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return event.isInputEvent();  // keys, mouse, wheel, touch, tablet, context menu
  }
}

// Keys and input-method commits: what a person types.
bool IsTyping(QEvent::Type type) {
  return type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::InputMethod;
}

// A top-level window with a title bar a person can close (not a tooltip or popup).
QWidget* ClosableWindow(QObject* receiver) {
  if (!receiver->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(receiver);
  const Qt::WindowType type = widget->windowType();
  const bool closable = type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
  return widget->isWindow() && closable ? widget : nullptr;
}

}  // namespace

void PostAfterCurrentEvent(std::function<void()> fn) {
  auto* carrier = new QObject;
  QObject::connect(carrier, &QObject::destroyed, [fn = std::move(fn)] { fn(); });
  carrier->deleteLater();
}

WaitGate::WaitGate(QObject* own, std::function<void()> on_close_request)
    : own_(own), on_close_request_(std::move(on_close_request)) {
  QCoreApplication::instance()->installEventFilter(this);
}

WaitGate::~WaitGate() { QCoreApplication::instance()->removeEventFilter(this); }

void WaitGate::AdmitBox(QWidget* box) { box_ = box; }

void WaitGate::BoxShown() { holding_keys_ = false; }

void WaitGate::ReissueHeld() {
  PostAfterCurrentEvent([keys = std::make_shared<decltype(held_keys_)>(std::exchange(held_keys_, {})),
                         closes = std::exchange(held_closes_, {})] {
    for (auto& [receiver, key] : *keys)
      if (receiver) QCoreApplication::postEvent(receiver, key.release());
    for (const QPointer<QWidget>& window : closes)
      if (window) window->close();
  });
}

// A timer's tick that is refused comes again after the wait: a Qt timer keeps
// running until its owner stops it. Ticks of widgets and platform windows pass
// (deferred layout, update requests); other objects' timers may run any code
// on timeout, so they wait (text boxes' cursors pause blinking too).
bool WaitGate::eventFilter(QObject* receiver, QEvent* event) {
  if (Admitted(receiver)) return false;
  const QEvent::Type type = event->type();
  if (holding_keys_ && IsTyping(type)) {
    held_keys_.emplace_back(receiver, event->clone());
    return true;
  }
  if (IsUserInput(*event)) return true;
  if (type == QEvent::Timer) return !receiver->isWidgetType() && !receiver->isWindowType();
  QWidget* window = ClosableWindow(receiver);
  if (window == nullptr) return false;
  if (type == QEvent::Close) {
    HoldClose(window, event);
    return true;
  }
  if (type == QEvent::WindowActivate) GiveActivationBackToBox();
  return false;
}

bool WaitGate::Admitted(const QObject* receiver) const {
  if (box_ && receiver == box_->windowHandle()) return true;
  // A modal box shown meanwhile (the runtime's error report) takes input too.
  if (const QWidget* modal = QApplication::activeModalWidget()) {
    if (receiver == modal->windowHandle()) return true;
    if (receiver->isWidgetType() && modal->isAncestorOf(static_cast<const QWidget*>(receiver))) return true;
    if (receiver == modal) return true;
  }
  for (const QObject* object = receiver; object != nullptr; object = object->parent())
    if (object == own_ || object == box_) return true;
  return false;
}

// The close is refused for now (the window stays as it is) and remembered.
void WaitGate::HoldClose(QWidget* window, QEvent* close) {
  close->ignore();
  if (std::find(held_closes_.begin(), held_closes_.end(), window) == held_closes_.end())
    held_closes_.emplace_back(window);
  on_close_request_();
}

// Like a modal dialog, the box keeps the activation while it is shown.
void WaitGate::GiveActivationBackToBox() {
  if (!box_ || !box_->isVisible()) return;
  QMetaObject::invokeMethod(
      box_,
      [box = box_] {
        box->raise();
        box->activateWindow();
      },
      Qt::QueuedConnection);
}

}  // namespace platform
