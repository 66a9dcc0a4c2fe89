// The set-up every control kind shares: placing its widget as the unit says,
// and letting it go safely.
#include "forms/registry/control.h"

#include <QWidget>

#include "forms/registry/event_dispatch.h"

namespace forms {

void PlaceControlWidget(QWidget* widget, const UnitRecord& unit) {
  widget->setGeometry(unit.left, unit.top, std::max(unit.width, 0), std::max(unit.height, 0));
  widget->setEnabled((unit.flags & UnitRecord::kDisabled) == 0);
  const bool tab_stop = (unit.flags & UnitRecord::kTabStop) != 0;
  if (!tab_stop && (widget->focusPolicy() & Qt::TabFocus)) widget->setFocusPolicy(Qt::ClickFocus);
}

void DisposeWidget(QWidget* widget) {
  if (widget == nullptr) return;
  if (!HandlerRunning()) return delete widget;
  widget->hide();
  // The control's connections, made with the widget as their context, lead
  // to the control being destroyed; Qt's own (destroyed() included) stay.
  widget->disconnect(widget);
  widget->deleteLater();
}

}  // namespace forms
