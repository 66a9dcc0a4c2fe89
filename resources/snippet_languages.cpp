// One row per language: a further language is one row here and its label and
// template in constant_texts.txt.
#include "resources/snippet_languages.h"

#include "resources/constants.h"

namespace resources {

std::span<const SnippetLanguage> SnippetLanguages() {
  static const SnippetLanguage kLanguages[] = {
      {constants::kSnippetLabelJavaScript, constants::kSnippetTemplateJavaScript},
      {constants::kSnippetLabelPhp, constants::kSnippetTemplatePhp},
      {constants::kSnippetLabelJava, constants::kSnippetTemplateJava},
      {constants::kSnippetLabelPython, constants::kSnippetTemplatePython},
      {constants::kSnippetLabelGo, constants::kSnippetTemplateGo},
  };
  return kLanguages;
}

}  // namespace resources
