// NUL removal for the edit boxes.
#include "forms/multi_line/nul_free_text.h"

namespace forms {

QString WithoutNul(QString text) {
  text.remove(QChar(0));
  return text;
}

QValidator::State NulFreeValidator::validate(QString& text, int& position) const {
  if (!text.contains(QChar(0))) return Acceptable;
  position -= int(text.left(position).count(QChar(0)));
  text.remove(QChar(0));
  return Acceptable;
}

}  // namespace forms
