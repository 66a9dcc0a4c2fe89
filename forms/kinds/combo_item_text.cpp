// ComboItemText on the live combo box named by its reference.
#include "forms/kinds/combo_item_text.h"

#include "forms/kinds/combo_box.h"
#include "forms/registry/control_argument.h"
#include "runtime/values.h"

namespace forms {

void ComboItemText(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args) {
  const rt::Args a(count, args);
  const ComboBoxControl& box = LiveControlAs<ComboBoxControl>(a[0]);
  rt::SetPointer(result, rt::MakeText(std::string_view(box.ItemText(a.integer(1)))));
}

}  // namespace forms
