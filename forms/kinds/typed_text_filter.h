// What an edit box lets a person type: the input mode's character set, case
// conversion of letters and the length limit. It filters key presses and
// input-method commits only, so pasted and program-written text pass as they are.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QObject>
#include <QString>

#include "forms/template/kind_settings.h"

class QKeyEvent;

namespace forms {

struct TypingRules {
  QString allowed;           // characters that may be typed; empty allows all
  uint32_t case_conversion = EditBoxSettings::kKeepCase;
  qsizetype max_length = 0;  // 0: no limit

  // The rules of an edit box's input mode and case conversion.
  static TypingRules ForEditBox(uint32_t input_mode, uint32_t case_conversion, uint32_t max_length);
  bool Restricts() const { return !allowed.isEmpty() || case_conversion != 0 || max_length != 0; }
};

// The typed text as the rules turn it: case converted and with characters
// outside the allowed set removed; characters below 32 and DEL always stay.
QString ApplyTypingRules(const TypingRules& rules, const QString& typed);

// Event filter for an editor widget. current_length() answers the text's
// length without the selection that typing would replace.
class TypedTextFilter : public QObject {
 public:
  TypedTextFilter(TypingRules rules, std::function<qsizetype()> current_length, QObject* parent);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool FilterKey(QObject* watched, QKeyEvent* key);
  bool ExceedsLimit(qsizetype added) const;

  TypingRules rules_;
  std::function<qsizetype()> current_length_;
};

}  // namespace forms
