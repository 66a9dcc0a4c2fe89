// Keeps NUL out of what a person puts into an edit box. The program's texts
// end at the first NUL, so a NUL on screen would hide what follows it from
// the program: it is dropped from pasted, dropped and committed text instead.
#pragma once

#include <QString>
#include <QValidator>

namespace forms {

QString WithoutNul(QString text);

// For a single-line box: every edit, typed or pasted, comes out without NUL.
class NulFreeValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& text, int& position) const override;
};

}  // namespace forms
