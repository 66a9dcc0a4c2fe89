// How a source box shows the marks of a press: a tint of the palette's
// highlight with an underline under every match, a stronger tint with a frame
// for the current one, a thin bar where a match is empty; and a match's
// tooltip text, shown as it stands.
#pragma once

#include <string_view>
#include <vector>

#include <QPointF>
#include <QString>

#include "forms/multi_line/marked_source.h"
#include "forms/multi_line/visible_block.h"

class QPainter;
class QPalette;

namespace forms {

// Paints the spans under the text of the blocks; `current` is the current match.
void PaintMarks(QPainter& painter, const std::vector<VisibleBlock>& blocks, const std::vector<MarkSpan>& spans,
                size_t current, const QPalette& palette);

// The document position of the character under `point`, or -1 where no
// character is (past a line's end, below the text).
int CharacterUnder(const std::vector<VisibleBlock>& blocks, QPointF point);

// A GBK tooltip text as a tooltip shows it: line breaks kept, nothing in it
// read as markup.
QString PlainToolTip(std::string_view gbk);

}  // namespace forms
