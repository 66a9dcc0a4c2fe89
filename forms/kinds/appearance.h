// The stored look of a control in Qt's terms: colours (0x00BBGGRR, or the
// button-face colour), fonts from the 60-byte description, and alignments.
#pragma once

#include <optional>

#include <QColor>
#include <QFont>

#include "forms/template/kind_settings.h"

class QWidget;

namespace forms {

// 0xFF000000 is the platform's button-face colour; otherwise red is the low byte.
QColor ToQColor(Colour colour);
// No stored font: the application's default GUI font. A stored description:
// pixel size from the height, weight, italic, underline, strike-out, face.
QFont ToQFont(const std::optional<FontDescription>& font);
// Stored alignment numbers: horizontal 0 left, 1 centre, 2 right; vertical 0 top, 1 centre, 2 bottom.
Qt::Alignment HorizontalAlignment(uint32_t stored);
Qt::Alignment VerticalAlignment(uint32_t stored);

// Fills the widget's background with the colour.
void SetBackground(QWidget* widget, Colour colour);
void SetTextColour(QWidget* widget, Colour colour);

}  // namespace forms
