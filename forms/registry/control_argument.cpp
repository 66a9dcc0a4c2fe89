// Control references resolved through notify code 2007.
#include "forms/registry/control_argument.h"

#include "runtime/errors.h"
#include "runtime/notify.h"
#include "runtime/runtime_texts.h"

namespace forms {
namespace {

rt::NotifyFunction g_notify = rt::RuntimeNotify;

}  // namespace

void SetControlLookupNotify(rt::NotifyFunction notify) {
  g_notify = notify != nullptr ? notify : rt::RuntimeNotify;
}

Control* LiveControlOf(const rt::ArgRecord& reference) {
  const intptr_t object =
      g_notify(rt::notify::kLiveObjectOrError, intptr_t(reference.low()), intptr_t(reference.high()));
  if (object == 0) RaiseMissingControl(reference);
  return reinterpret_cast<Control*>(object);
}

void RaiseMissingControl(const rt::ArgRecord& reference) {
  rt::RaiseError(rt::texts::kNoSuchWindowOrControl, 0, int32_t(reference.low()),
                 int32_t(reference.high()));
}

}  // namespace forms
