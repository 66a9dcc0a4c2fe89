// The table of registered control kinds, looked up by kind code.
#include <array>

#include "forms/kinds/button.h"
#include "forms/kinds/check_box.h"
#include "forms/kinds/combo_box.h"
#include "forms/registry/control.h"
#include "forms/kinds/edit_box.h"
#include "forms/kinds/group_box.h"
#include "forms/kinds/label.h"
#include "forms/kinds/report_list.h"
#include "forms/kinds/window.h"

namespace forms {
namespace {

const std::array kKinds = {
    &kWindowKind,
    &kButtonKind,
    &kLabelKind,
    &kGroupBoxKind,
    &kEditBoxKind,
    &kCheckBoxKind,
    &kComboBoxKind,
    &kReportListKind,
};

}  // namespace

const KindInfo* FindKind(uint32_t code) {
  for (const KindInfo* kind : kKinds)
    if (kind->code == code) return kind;
  return nullptr;
}

}  // namespace forms
