// A block of a multi-line box on screen and where its layout is drawn in the
// viewport, as the box paints it.
#pragma once

#include <QPointF>
#include <QTextBlock>

namespace forms {

struct VisibleBlock {
  QTextBlock block;
  QPointF offset;
};

}  // namespace forms
