// Captions of boxes from the placement of labels and the controls' names.
#include "forms/registry/box_captions.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <QAbstractButton>
#include <QWidget>

#include "forms/kinds/label.h"
#include "forms/registry/window_registry.h"
#include "platform/gbk.h"
#include "runtime/type_tag.h"

namespace forms {
namespace {

// Pixels between a label and its box, at most.
constexpr int kNear = 4;

bool IsBox(const QWidget& widget) {
  return widget.focusPolicy() != Qt::NoFocus && qobject_cast<const QAbstractButton*>(&widget) == nullptr;
}

// The label lies directly above the box, their left edges aligned, or
// directly before it on the same line.
bool Labels(const QRect& label, const QRect& box) {
  const int gap_above = box.top() - (label.top() + label.height());
  if (gap_above >= 0 && gap_above <= kNear && std::abs(label.left() - box.left()) <= kNear) return true;
  const int gap_before = box.left() - (label.left() + label.width());
  return gap_before >= 0 && gap_before <= kNear && std::abs(label.center().y() - box.center().y()) <= box.height() / 2;
}

// "编辑框_包含个数" gives "包含个数"; a name without a role part gives nothing.
QString RoleOf(const std::string& gbk_name) {
  const QString name = platform::GbkToQString(gbk_name);
  const qsizetype underscore = name.indexOf('_');
  return underscore < 0 ? QString() : name.mid(underscore + 1);
}

}  // namespace

void NameBoxesByCaptions(LoadedWindow& window) {
  std::vector<size_t> labels;
  for (size_t unit = 1; unit < window.tmpl.units.size(); ++unit)
    if (window.tmpl.units[unit].kind == rt::tag::kLabel && window.ControlAt(unit)) labels.push_back(unit);
  for (size_t unit = 1; unit < window.tmpl.units.size(); ++unit) {
    Control* control = window.ControlAt(unit);
    QWidget* box = control ? control->widget() : nullptr;
    if (box == nullptr || !IsBox(*box)) continue;
    box->setAccessibleName(QString());
    auto beside = std::find_if(labels.begin(), labels.end(), [&](size_t label) {
      const QWidget* caption = window.ControlAt(label)->widget();
      return caption->parentWidget() == box->parentWidget() && Labels(caption->geometry(), box->geometry());
    });
    if (beside == labels.end()) {
      box->setAccessibleName(RoleOf(window.tmpl.units[unit].name));
      continue;
    }
    SetLabelledBox(window.ControlAt(*beside), box);
    labels.erase(beside);
  }
}

}  // namespace forms
