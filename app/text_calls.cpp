// Each wrapper builds the records of one core command call.
#include "app/text_calls.h"

#include "forms/kinds/combo_item_text.h"
#include "runtime/show_message.h"
#include "runtime/text_commands.h"
#include "runtime/to_text.h"
#include "runtime/values.h"

namespace app {
namespace {

constexpr bool kIgnoreCase = false;   // the searches compare bytes exactly
constexpr bool kCaseSensitive = true;  // so does the replacement
constexpr int32_t kFromStart = 1;

}  // namespace

int32_t TextLength(const char* text) {
  return int32_t(CallCore(rt::TextLength, {rt::TextArg(text)}).low());
}

OwnedText LeftText(const char* text, int32_t n) {
  return TextResult(CallCore(rt::LeftText, {rt::TextArg(text), rt::IntArg(n)}));
}

OwnedText RightText(const char* text, int32_t n) {
  return TextResult(CallCore(rt::RightText, {rt::TextArg(text), rt::IntArg(n)}));
}

int32_t FindText(const char* text, const char* sought) {
  return int32_t(CallCore(rt::FindText, {rt::TextArg(text), rt::TextArg(sought),
                                         rt::IntArg(kFromStart), rt::BoolArg(kIgnoreCase)})
                     .low());
}

int32_t FindTextReverse(const char* text, const char* sought, int32_t start) {
  return int32_t(CallCore(rt::FindTextReverse, {rt::TextArg(text), rt::TextArg(sought),
                                                rt::IntArg(start), rt::BoolArg(kIgnoreCase)})
                     .low());
}

OwnedText ReplaceFirst(const char* text, const char* sought, const char* replacement) {
  return TextResult(CallCore(rt::ReplaceSubtext,
                             {rt::TextArg(text), rt::TextArg(sought), rt::TextArg(replacement),
                              rt::IntArg(kFromStart), rt::IntArg(1), rt::BoolArg(kCaseSensitive)}));
}

OwnedText ReplaceEvery(const char* text, const char* sought, const char* replacement) {
  return TextResult(CallCore(rt::ReplaceSubtext,
                             {rt::TextArg(text), rt::TextArg(sought), rt::TextArg(replacement),
                              rt::IntArg(kFromStart), rt::kOmitted, rt::BoolArg(kCaseSensitive)}));
}

void* SplitText(const char* text, const char* separator) {
  return CallCore(rt::SplitText, {rt::TextArg(text), rt::TextArg(separator), rt::kOmitted})
      .pointer<void>();
}

void FreeTextArray(void* array) {
  const int64_t count = rt::ArrayCount(array);
  for (int64_t i = 0; i < count; ++i) Free(rt::ArrayPointerAt(array, i));
  Free(array);
}

OwnedText IntegerToText(int32_t n) { return TextResult(CallCore(rt::ToText, {rt::IntArg(n)})); }

void ShowPrompt(const char* message) {
  CallCore(rt::ShowMessage, {rt::TextArg(message), rt::IntArg(0), rt::kOmitted, MainWindowArgument()});
}

OwnedText ComboItemText(uint32_t control_id, int32_t index) {
  return TextResult(CallCore(forms::ComboItemText,
                             {ControlArgument(control_id, rt::tag::kComboBox), rt::IntArg(index)}));
}

}  // namespace app
