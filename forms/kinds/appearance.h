// The stored look of a control in Qt's terms: colours (0x00BBGGRR, or the
// button-face colour) and the one palette a window's controls share, fonts
// from the 60-byte description, and alignments.
#pragma once

#include <optional>

#include <QColor>
#include <QFont>
#include <QPalette>

#include "forms/template/kind_settings.h"

class QWidget;

namespace forms {

// 0xFF000000 is the button-face colour (the classic light grey, never the
// desktop theme's); otherwise red is the low byte.
QColor ToQColor(Colour colour);
// The palette every control of a window is drawn from, whatever the desktop
// theme: every role of every colour group derived from the window's stored
// background, black text on a light one, a dark blue selection.
QPalette WindowPalette(Colour background);

// The face the system prefers for Simplified Chinese text with the GUI font
// (what fontconfig picks for zh-cn); empty when no such face is installed.
const QString& ChineseFace();
// No stored font: the GUI font in the Chinese face. A stored description:
// pixel size from the height, weight, italic, underline, strike-out, and its
// face, or the Chinese face when it names none.
QFont ToQFont(const std::optional<FontDescription>& font);
// Stored alignment numbers: horizontal 0 left, 1 centre, 2 right; vertical 0 top, 1 centre, 2 bottom.
Qt::Alignment HorizontalAlignment(uint32_t stored);
Qt::Alignment VerticalAlignment(uint32_t stored);

// Fills the widget's background with the colour.
void SetBackground(QWidget* widget, Colour colour);
void SetTextColour(QWidget* widget, Colour colour);

}  // namespace forms
