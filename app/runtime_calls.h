// The procedures' only road to the runtime: control properties of the main
// window, command calls, runtime memory and the index checks, all through the
// runtime entry table.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "runtime/call.h"

namespace app {

// A text the procedure owns; freed through the runtime when it goes out of
// scope. Null is the empty text.
class OwnedText {
 public:
  OwnedText() = default;
  explicit OwnedText(char* text) : text_(text) {}
  OwnedText(OwnedText&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
  OwnedText& operator=(OwnedText&& other) noexcept;
  OwnedText(const OwnedText&) = delete;
  OwnedText& operator=(const OwnedText&) = delete;
  ~OwnedText();

  // Never null: the empty text reads as "".
  const char* get() const { return text_ ? text_ : ""; }
  std::string_view view() const { return get(); }
  bool empty() const { return text_ == nullptr || *text_ == '\0'; }
  // Hands the text to the caller, who then owns it.
  char* release() { return std::exchange(text_, nullptr); }

 private:
  char* text_ = nullptr;
};

// Properties of the main window's controls.
OwnedText ReadText(uint32_t control_id);                     // edit box text (8)
void WriteText(uint32_t control_id, const char* text);       // may run the box's change handler
bool IsTicked(uint32_t control_id);                          // check box ticked (18) reads 1
int32_t ReadInteger(uint32_t control_id, int32_t index);     // e.g. current item, current row

// The reference of a control of the main window, or of the window itself.
rt::ArgRecord ControlArgument(uint32_t control_id, rt::TypeTag kind);
rt::ArgRecord MainWindowArgument();

// Command calls with the full declared argument list (omitted = rt::kOmitted).
rt::ResultRecord CallCore(rt::CommandEntry command, std::initializer_list<rt::ArgRecord> args);
rt::ResultRecord CallLibrary(rt::CommandEntry command, std::initializer_list<rt::ArgRecord> args);
// A text result taken into ownership.
inline OwnedText TextResult(const rt::ResultRecord& result) { return OwnedText(result.pointer<char>()); }

// Runtime memory. Allocate returns n zeroed bytes; running out ends the program.
void* Allocate(int64_t n);
void* Reallocate(void* block, int64_t n);
void Free(void* block);

// The index check made before reading element `index` (from 1) of an array of
// `count` elements: error 4 when index < 1, then error 1 when index > count,
// located by the subroutine's identifier and the position of the read.
void CheckIndex(int64_t index, int64_t count, int32_t subroutine, int32_t position);

}  // namespace app
