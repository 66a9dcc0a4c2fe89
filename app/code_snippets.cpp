// Languages are looked up by the exact bytes of the chosen item's text, in the
// order of their table; the placeholder is replaced once, verbatim.
#include "app/code_snippets.h"

#include <string_view>

#include "app/control_ids.h"
#include "app/runtime_calls.h"
#include "app/text_calls.h"
#include "resources/constants.h"
#include "resources/snippet_languages.h"

namespace app {
namespace {

const resources::SnippetLanguage* LanguageLabelled(std::string_view label) {
  for (const resources::SnippetLanguage& language : resources::SnippetLanguages())
    if (label == language.label) return &language;
  return nullptr;
}

}  // namespace

void SnippetClicked() {
  if (ReadText(control::kPattern).empty()) {
    ShowPrompt(constants::kEnterPattern);
    return;
  }
  const int32_t index = ReadInteger(control::kSnippetLanguage, property::kComboBoxCurrentItem);
  OwnedText label = ComboItemText(control::kSnippetLanguage, index);
  const resources::SnippetLanguage* language = LanguageLabelled(label.view());
  if (language == nullptr) return;
  OwnedText pattern = ReadText(control::kPattern);
  WriteText(control::kSnippet,
            ReplaceFirst(language->snippet_template, constants::kPlaceholder, pattern.get()).get());
}

}  // namespace app
