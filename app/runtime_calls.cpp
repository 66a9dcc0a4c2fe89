// Property access, command calls, memory and index checks through the runtime
// entry table.
#include "app/runtime_calls.h"

#include <cstring>

#include "app/control_ids.h"
#include "runtime/entry_table.h"

namespace app {

OwnedText& OwnedText::operator=(OwnedText&& other) noexcept {
  if (this != &other) {
    Free(text_);
    text_ = std::exchange(other.text_, nullptr);
  }
  return *this;
}

OwnedText::~OwnedText() { Free(text_); }

OwnedText ReadText(uint32_t control_id) {
  uint64_t value = rt::Runtime().read_property(kMainWindow, control_id, property::kEditBoxText,
                                               property::kWholeValue);
  return OwnedText(reinterpret_cast<char*>(uintptr_t(value)));
}

void WriteText(uint32_t control_id, const char* text) {
  rt::Runtime().write_property(kMainWindow, control_id, property::kEditBoxText, property::kWholeValue,
                               uint64_t(uintptr_t(text)));
}

bool IsTicked(uint32_t control_id) { return ReadInteger(control_id, property::kCheckBoxTicked) == 1; }

int32_t ReadInteger(uint32_t control_id, int32_t index) {
  return int32_t(rt::Runtime().read_property(kMainWindow, control_id, index, property::kWholeValue));
}

rt::ArgRecord ControlArgument(uint32_t control_id, rt::TypeTag kind) {
  return rt::ControlArg(kMainWindow, control_id, kind);
}

rt::ArgRecord MainWindowArgument() { return ControlArgument(kMainWindowUnit, rt::tag::kWindow); }

rt::ResultRecord CallCore(rt::CommandEntry command, std::initializer_list<rt::ArgRecord> args) {
  return rt::Runtime().call_core_command(command, int32_t(args.size()), args.begin());
}

rt::ResultRecord CallLibrary(rt::CommandEntry command, std::initializer_list<rt::ArgRecord> args) {
  return rt::Runtime().call_library_command(command, int32_t(args.size()), args.begin());
}

void* Allocate(int64_t n) {
  void* block = rt::Runtime().alloc(n);
  std::memset(block, 0, size_t(n));
  return block;
}

void* Reallocate(void* block, int64_t n) { return rt::Runtime().realloc(block, n); }

void Free(void* block) { rt::Runtime().free(block); }

void CheckIndex(int64_t index, int64_t count, int32_t subroutine, int32_t position) {
  if (index < 1) rt::Runtime().raise_error_code(4, subroutine, position);
  if (index > count) rt::Runtime().raise_error_code(1, subroutine, position);
}

}  // namespace app
