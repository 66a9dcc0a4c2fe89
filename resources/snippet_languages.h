// The code snippet languages, in the order the language box lists them: each
// label is both the box's item text and what the generator compares the
// chosen item with. A further language is one row here and its label and
// template in constant_texts.txt.
#pragma once

#include <span>

#include "resources/constants.h"

namespace resources {

struct SnippetLanguage {
  const char* label;             // a constant text
  const char* snippet_template;  // a constant text holding the placeholder once
};

inline std::span<const SnippetLanguage> SnippetLanguages() {
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
