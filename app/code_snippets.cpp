// Languages are looked up by the exact bytes of the chosen item's text, in the
// order of the table below; the placeholder is replaced once, verbatim.
#include "app/code_snippets.h"

#include <string_view>

#include "app/control_ids.h"
#include "app/runtime_calls.h"
#include "app/text_calls.h"
#include "resources/constants.h"

namespace app {
namespace {

struct SnippetLanguage {
  const char* label;
  const char* snippet_template;
};

const SnippetLanguage kLanguages[] = {
    {constants::kSnippetLabelJavaScript, constants::kSnippetTemplateJavaScript},
    {constants::kSnippetLabelPhp, constants::kSnippetTemplatePhp},
    {constants::kSnippetLabelJava, constants::kSnippetTemplateJava},
    {constants::kSnippetLabelGo, constants::kSnippetTemplateGo},
    {constants::kSnippetLabelPython, constants::kSnippetTemplatePython},
};

const SnippetLanguage* LanguageLabelled(std::string_view label) {
  for (const SnippetLanguage& language : kLanguages)
    if (label == language.label) return &language;
  return nullptr;
}

}  // namespace

void SnippetClicked() {
  if (ReadText(control::kPattern).empty()) {
    ShowPrompt(constants::kEnterPattern);
    return;
  }
  const int32_t index = ReadInteger(control::kSnippetLanguage, property::kCurrentItem);
  OwnedText label = ComboItemText(control::kSnippetLanguage, index);
  const SnippetLanguage* language = LanguageLabelled(label.view());
  if (language == nullptr) return;
  OwnedText pattern = ReadText(control::kPattern);
  WriteText(control::kSnippet,
            ReplaceFirst(language->snippet_template, constants::kPlaceholder, pattern.get()).get());
}

}  // namespace app
