// The table of registered control kinds, looked up by kind code.
#include <array>

#include "forms/button_kind.h"
#include "forms/check_box.h"
#include "forms/combo_box.h"
#include "forms/control.h"
#include "forms/edit_box.h"
#include "forms/group_box_kind.h"
#include "forms/label_kind.h"
#include "forms/report_list.h"
#include "forms/window_kind.h"

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
