// The table of registered control kinds, looked up by kind code.
#include <array>

#include "forms/button_kind.h"
#include "forms/control.h"
#include "forms/group_box_kind.h"
#include "forms/label_kind.h"
#include "forms/window_kind.h"

namespace forms {
namespace {

const std::array kKinds = {
    &kWindowKind,
    &kButtonKind,
    &kLabelKind,
    &kGroupBoxKind,
};

}  // namespace

const KindInfo* FindKind(uint32_t code) {
  for (const KindInfo* kind : kKinds)
    if (kind->code == code) return kind;
  return nullptr;
}

}  // namespace forms
