// The code snippet languages, in the order the language box lists them: each
// label is both the box's item text and what the generator compares the
// chosen item with, beside the template the generator fills in.
#pragma once

#include <span>

namespace resources {

struct SnippetLanguage {
  const char* label;             // a constant text
  const char* snippet_template;  // a constant text holding the placeholder once
};

std::span<const SnippetLanguage> SnippetLanguages();

}  // namespace resources
