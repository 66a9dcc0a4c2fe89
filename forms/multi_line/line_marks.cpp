// The separator marks: two user properties of a character format.
#include "forms/multi_line/line_marks.h"

#include <QTextBlock>
#include <QTextCharFormat>

namespace forms {
namespace {

// On a U+2028: true when the character is the text's own.
constexpr int kOwnLineSeparator = QTextFormat::UserProperty + 0x2028;
// On a block separator: kContinues, or the code of the text's own character.
constexpr int kBlockSeparatorRole = QTextFormat::UserProperty + 0x2029;
constexpr int kContinues = 0;

QTextCharFormat WithProperty(int property, const QVariant& value) {
  QTextCharFormat format;
  format.setProperty(property, value);
  return format;
}

}  // namespace

const QTextCharFormat& OwnLineSeparatorFormat() {
  static const QTextCharFormat format = WithProperty(kOwnLineSeparator, true);
  return format;
}

const QTextCharFormat& ContinuationFormat() {
  static const QTextCharFormat format = WithProperty(kBlockSeparatorRole, kContinues);
  return format;
}

QTextCharFormat OwnBlockSeparatorFormat(QChar c) { return WithProperty(kBlockSeparatorRole, int(c.unicode())); }

bool KeepsLineSeparators(const QTextCharFormat& format) { return format.boolProperty(kOwnLineSeparator); }

// The first block has no separator before it; its format is the document's
// initial one, which the box never marks.
BlockStart StartOf(const QTextBlock& block) {
  if (block.position() == 0) return BlockStart::kLineBreak;
  const QTextCharFormat format = block.charFormat();
  if (!format.hasProperty(kBlockSeparatorRole)) return BlockStart::kLineBreak;
  return format.intProperty(kBlockSeparatorRole) == kContinues ? BlockStart::kContinuation
                                                               : BlockStart::kOwnCharacter;
}

QChar OwnSeparatorBefore(const QTextBlock& block) {
  return QChar(char16_t(block.charFormat().intProperty(kBlockSeparatorRole)));
}

bool ContinuesInNext(const QTextBlock& block) {
  const QTextBlock next = block.next();
  return next.isValid() && StartOf(next) == BlockStart::kContinuation;
}

}  // namespace forms
