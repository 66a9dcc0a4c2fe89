// Typing rules of edit boxes applied to key presses and input-method commits.
#include "forms/kinds/typed_text_filter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace forms {
namespace {

bool IsControlCharacter(QChar c) { return c.unicode() < 32 || c.unicode() == 0x7F; }

// Key presses that are shortcuts (paste, copy, undo...) or carry no text are
// never filtered.
bool IsShortcutOrNonText(const QKeyEvent* key) {
  if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return true;
  const QString text = key->text();
  return text.isEmpty() || IsControlCharacter(text.front());
}

}  // namespace

TypingRules TypingRules::ForEditBox(uint32_t input_mode, uint32_t case_conversion,
                                    uint32_t max_length) {
  using S = EditBoxSettings;
  TypingRules rules;
  switch (input_mode) {
    case S::kIntegerTextInput: case S::kShortInput: case S::kIntegerInput: case S::kLongInput:
      rules.allowed = QStringLiteral("0123456789-");
      break;
    case S::kDecimalTextInput: case S::kFloatInput: case S::kDoubleInput:
      rules.allowed = QStringLiteral("0123456789-.");
      break;
    case S::kByteInput:
      rules.allowed = QStringLiteral("0123456789");
      break;
    default:
      break;
  }
  rules.case_conversion = case_conversion;
  rules.max_length = qsizetype(max_length);
  return rules;
}

QString ApplyTypingRules(const TypingRules& rules, const QString& typed) {
  QString result;
  result.reserve(typed.size());
  for (QChar c : typed) {
    if (rules.case_conversion == EditBoxSettings::kToLowerCase) c = c.toLower();
    if (rules.case_conversion == EditBoxSettings::kToUpperCase) c = c.toUpper();
    if (IsControlCharacter(c) || rules.allowed.isEmpty() || rules.allowed.contains(c)) result += c;
  }
  return result;
}

TypedTextFilter::TypedTextFilter(TypingRules rules, std::function<qsizetype()> current_length,
                                 QObject* parent)
    : QObject(parent), rules_(std::move(rules)), current_length_(std::move(current_length)) {}

bool TypedTextFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) return FilterKey(watched, static_cast<QKeyEvent*>(event));
  if (event->type() == QEvent::InputMethod) {
    auto* input = static_cast<QInputMethodEvent*>(event);
    QString commit = ApplyTypingRules(rules_, input->commitString());
    if (ExceedsLimit(commit.size())) commit.clear();
    if (commit != input->commitString())
      input->setCommitString(commit, input->replacementStart(), input->replacementLength());
  }
  return false;
}

// Refused keys are swallowed; a key whose text the case conversion changes is
// swallowed and sent again with the converted text.
bool TypedTextFilter::FilterKey(QObject* watched, QKeyEvent* key) {
  if (IsShortcutOrNonText(key)) return false;
  const QString text = ApplyTypingRules(rules_, key->text());
  if (text.isEmpty() || ExceedsLimit(text.size())) return true;
  if (text == key->text()) return false;
  QKeyEvent converted(key->type(), key->key(), key->modifiers(), text, key->isAutoRepeat(),
                      ushort(key->count()));
  QCoreApplication::sendEvent(watched, &converted);
  return true;
}

bool TypedTextFilter::ExceedsLimit(qsizetype added) const {
  return rules_.max_length > 0 && added > 0 && current_length_ &&
         current_length_() + added > rules_.max_length;
}

}  // namespace forms
